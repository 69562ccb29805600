// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Codepage.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <map>

namespace kovaq {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

namespace {

// Decodes one UTF-8 sequence at i; returns its length, or 0 when it is not valid.
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t len = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

// The Windows-1252 table, taken from the C library's converter. The five bytes that the
// code page leaves undefined map to the control characters of the same value, as
// Windows itself does.
struct Cp1252Table {
    std::array<char32_t, 256> toUnicode{};
    std::map<char32_t, unsigned char> fromUnicode;

    Cp1252Table() {
        iconv_t cd = iconv_open("UTF-32LE", "CP1252");
        for (int b = 0; b < 256; ++b) {
            char32_t cp = static_cast<char32_t>(b);
            if (cd != reinterpret_cast<iconv_t>(-1) && b >= 0x80) {
                char in = static_cast<char>(b);
                unsigned char outBuf[4] = {};
                char* inPtr = &in;
                char* outPtr = reinterpret_cast<char*>(outBuf);
                std::size_t inLeft = 1;
                std::size_t outLeft = sizeof outBuf;
                if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) &&
                    outLeft == 0) {
                    cp = static_cast<char32_t>(outBuf[0] | (outBuf[1] << 8) | (outBuf[2] << 16) |
                                               (outBuf[3] << 24));
                }
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
            }
            toUnicode[static_cast<std::size_t>(b)] = cp;
            fromUnicode.emplace(cp, static_cast<unsigned char>(b));
        }
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }
};

const Cp1252Table& table() {
    static const Cp1252Table t;
    return t;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    char32_t cp = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = decodeUtf8(bytes, i, cp);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

namespace {

std::string fromWindows1252(std::string_view bytes) {
    const Cp1252Table& t = table();
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes)
        AppendUtf8(out, t.toUnicode[static_cast<unsigned char>(c)]);
    return out;
}

} // namespace

std::string DecodeFileText(std::string bytes) {
    if (std::string_view(bytes).substr(0, 3) == "\xEF\xBB\xBF")
        bytes.erase(0, 3);
    if (IsValidUtf8(bytes))
        return bytes;
    return fromWindows1252(bytes);
}

namespace {

// Checks bytes for UTF-8 one at a time, so that text never has to be encoded twice.
class Utf8Checker {
  public:
    void feed(unsigned char b) {
        if (!m_valid)
            return;
        if (m_need == 0) {
            if (b < 0x80)
                return;
            if ((b & 0xE0) == 0xC0)
                start(1, b & 0x1F, 0x80);
            else if ((b & 0xF0) == 0xE0)
                start(2, b & 0x0F, 0x800);
            else if ((b & 0xF8) == 0xF0)
                start(3, b & 0x07, 0x10000);
            else
                m_valid = false;
            return;
        }
        if ((b & 0xC0) != 0x80) {
            m_valid = false;
            return;
        }
        m_cp = (m_cp << 6) | (b & 0x3F);
        if (--m_need == 0 &&
            (m_cp < m_min || m_cp > 0x10FFFF || (m_cp >= 0xD800 && m_cp <= 0xDFFF)))
            m_valid = false;
    }
    bool valid() const { return m_valid && m_need == 0; }

  private:
    void start(int need, char32_t cp, char32_t min) {
        m_need = need;
        m_cp = cp;
        m_min = min;
    }
    bool m_valid = true;
    int m_need = 0;
    char32_t m_cp = 0;
    char32_t m_min = 0;
};

} // namespace

std::string EncodeFileText(std::string utf8) {
    // The reader drops one byte-order mark; text that starts with one keeps it behind a
    // second.
    if (std::string_view(utf8).substr(0, 3) == "\xEF\xBB\xBF")
        return "\xEF\xBB\xBF" + utf8;
    const Cp1252Table& t = table();
    // First see whether Windows-1252 can hold the text, and whether its bytes would pass
    // for UTF-8 (the reader would then take them as UTF-8 and change the text).
    Utf8Checker checker;
    bool high = false;
    std::string start; // the first three bytes, which must not read as a byte-order mark
    char32_t cp = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len = decodeUtf8(utf8, i, cp);
        if (len == 0)
            return utf8; // not text we made: keep the bytes as they are
        unsigned char b = static_cast<unsigned char>(cp);
        if (cp >= 0x80) {
            auto it = t.fromUnicode.find(cp);
            if (it == t.fromUnicode.end())
                return utf8;
            b = it->second;
            high = true;
        }
        checker.feed(b);
        if (start.size() < 3)
            start.push_back(static_cast<char>(b));
        i += len;
    }
    if (!high || checker.valid() || start == "\xEF\xBB\xBF")
        return utf8;
    // Encoded in place: a Windows-1252 byte never takes more room than its UTF-8 form.
    std::size_t o = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len = decodeUtf8(utf8, i, cp);
        utf8[o++] = cp < 0x80 ? static_cast<char>(cp) : static_cast<char>(t.fromUnicode.at(cp));
        i += len;
    }
    utf8.resize(o);
    return utf8;
}

} // namespace kovaq
