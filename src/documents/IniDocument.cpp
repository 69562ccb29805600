// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "IniDocument.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace kovaq {
namespace {

constexpr std::size_t kNoOffset = std::numeric_limits<std::uint32_t>::max() - 1;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = fold(c);
    return out;
}

bool equalFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i]))
            return false;
    return true;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A section header "[name]": the name, or nothing for any other line.
std::optional<std::string_view> headerName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(1, close - 1));
}

std::optional<std::string_view> keyName(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(0, eq));
}

// At most MaxValueLength characters, never cutting a UTF-8 sequence in two.
std::string capValue(std::string_view v) {
    std::size_t chars = 0;
    std::size_t i = 0;
    while (i < v.size()) {
        if (chars == IniDocument::MaxValueLength)
            return std::string(v.substr(0, i));
        ++chars;
        ++i;
        while (i < v.size() && (static_cast<unsigned char>(v[i]) & 0xC0) == 0x80)
            ++i;
    }
    return std::string(v);
}

// The end of the line that starts at `start` (its '\n' or the end of the text).
std::size_t lineEnd(const std::string& text, std::size_t start) {
    const void* nl = std::memchr(text.data() + start, '\n', text.size() - start);
    return nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - text.data()) : text.size();
}

// A line without its line break and one carriage return before it.
std::string_view content(const std::string& text, std::size_t start, std::size_t end) {
    std::string_view line(text.data() + start, end - start);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

std::uint32_t OffsetIndex::Hash(std::string_view name) {
    std::uint32_t h = 2166136261u; // FNV-1a over the folded name
    for (char c : name) {
        h ^= static_cast<unsigned char>(fold(c));
        h *= 16777619u;
    }
    return h;
}

template <class Matches>
std::optional<std::size_t> OffsetIndex::find(std::uint32_t hash, Matches matches) const {
    if (m_slots.empty())
        return std::nullopt;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint64_t e = m_slots[i];
        if (e == 0)
            return std::nullopt;
        const std::size_t offset = static_cast<std::size_t>(e & 0xFFFFFFFFu) - 1;
        if (static_cast<std::uint32_t>(e >> 32) == hash && matches(offset))
            return offset;
    }
}

template <class Matches>
void OffsetIndex::insertIfAbsent(std::uint32_t hash, std::size_t offset, Matches matches) {
    if (offset >= kNoOffset)
        return; // beyond 4 GiB: not indexed
    if ((m_count + 1) * 10 > m_slots.size() * 7)
        grow();
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint64_t e = m_slots[i];
        if (e == 0) {
            m_slots[i] = (static_cast<std::uint64_t>(hash) << 32) | (offset + 1);
            ++m_count;
            return;
        }
        if (static_cast<std::uint32_t>(e >> 32) == hash &&
            matches(static_cast<std::size_t>(e & 0xFFFFFFFFu) - 1))
            return;
    }
}

void OffsetIndex::grow() {
    std::vector<std::uint64_t> old = std::move(m_slots);
    m_slots.assign(std::max<std::size_t>(16, old.size() * 2), 0);
    const std::size_t mask = m_slots.size() - 1;
    for (std::uint64_t e : old) {
        if (e == 0)
            continue;
        std::size_t i = static_cast<std::uint32_t>(e >> 32) & mask;
        while (m_slots[i] != 0)
            i = (i + 1) & mask;
        m_slots[i] = e;
    }
}

// A section of the text that has been asked for: where its lines are, its keys, and the
// keys added to it.
struct IniDocument::Section {
    std::size_t bodyStart = 0;
    std::size_t insertAt = 0; // after the last line of the body that is not blank
    OffsetIndex keys;         // key lines, by key
    std::vector<std::string> added;
    std::unordered_map<std::string, std::size_t> addedKeys;
};

struct IniDocument::NewSection {
    std::string name;
    std::vector<std::string> lines;
    std::unordered_map<std::string, std::size_t> keys;
};

IniDocument::IniDocument() = default;
IniDocument::~IniDocument() = default;
IniDocument::IniDocument(IniDocument&&) noexcept = default;
IniDocument& IniDocument::operator=(IniDocument&&) noexcept = default;

IniDocument::IniDocument(std::string text) : m_text(std::move(text)) {
    for (std::size_t start = 0; start < m_text.size();) {
        const std::size_t end = lineEnd(m_text, start);
        if (auto name = headerName(content(m_text, start, end))) {
            const std::string_view wanted = *name;
            m_sections.insertIfAbsent(OffsetIndex::Hash(wanted), start, [&](std::size_t at) {
                return equalFolded(*headerName(lineAt(at)), wanted);
            });
        }
        start = end + 1;
    }
}

std::string_view IniDocument::lineAt(std::size_t start) const {
    return content(m_text, start, lineEnd(m_text, start));
}

IniDocument::Section* IniDocument::section(std::string_view name) const {
    const auto header = m_sections.find(OffsetIndex::Hash(name), [&](std::size_t at) {
        return equalFolded(*headerName(lineAt(at)), name);
    });
    if (!header)
        return nullptr;
    auto& slot = m_seen[*header];
    if (slot)
        return slot.get();
    // The first time: one pass over the section's lines indexes its keys.
    slot = std::make_unique<Section>();
    Section& s = *slot;
    s.bodyStart = std::min(m_text.size(), lineEnd(m_text, *header) + 1);
    s.insertAt = s.bodyStart;
    for (std::size_t start = s.bodyStart; start < m_text.size();) {
        const std::size_t end = lineEnd(m_text, start);
        const std::string_view line = content(m_text, start, end);
        if (headerName(line))
            break;
        const std::size_t next = std::min(m_text.size(), end + 1);
        if (!trim(line).empty())
            s.insertAt = next;
        if (auto key = keyName(line)) {
            const std::string_view wanted = *key;
            s.keys.insertIfAbsent(OffsetIndex::Hash(wanted), start, [&](std::size_t at) {
                return equalFolded(*keyName(lineAt(at)), wanted);
            });
        }
        start = next;
    }
    return slot.get();
}

std::optional<std::string> IniDocument::value(std::string_view sectionName,
                                              std::string_view key) const {
    std::optional<std::string_view> line;
    if (const Section* s = section(sectionName)) {
        const auto at = s->keys.find(OffsetIndex::Hash(key), [&](std::size_t offset) {
            return equalFolded(*keyName(lineAt(offset)), key);
        });
        if (at) {
            const auto replaced = m_replaced.find(*at);
            line = replaced != m_replaced.end() ? std::string_view(replaced->second) : lineAt(*at);
        } else if (auto added = s->addedKeys.find(lower(key)); added != s->addedKeys.end()) {
            line = s->added[added->second];
        }
    } else {
        for (const NewSection& n : m_new)
            if (equalFolded(n.name, sectionName)) {
                if (auto it = n.keys.find(lower(key)); it != n.keys.end())
                    line = n.lines[it->second];
                break;
            }
    }
    if (!line)
        return std::nullopt;
    std::string_view v = trim(line->substr(line->find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return capValue(v);
}

std::string IniDocument::readString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    if (auto v = value(section, key))
        return *v;
    return std::string(fallback);
}

std::optional<std::int64_t> IniDocument::ParseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    constexpr std::int64_t cap = std::numeric_limits<std::int32_t>::max();
    std::int64_t v = 0;
    for (char c : text) {
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0)
            return std::nullopt;
        v = std::min(v * base + d, cap + 1); // saturate: a huge count stays huge
    }
    return negative ? -v : v;
}

std::int64_t IniDocument::readInteger(std::string_view section, std::string_view key,
                                      std::int64_t fallback) const {
    const auto v = value(section, key);
    if (!v)
        return fallback;
    return ParseInteger(*v).value_or(fallback);
}

void IniDocument::setValue(std::string_view sectionName, std::string_view key,
                           std::string_view value) {
    std::string line(key);
    line.push_back('=');
    line += value;

    if (Section* s = section(sectionName)) {
        const auto at = s->keys.find(OffsetIndex::Hash(key), [&](std::size_t offset) {
            return equalFolded(*keyName(lineAt(offset)), key);
        });
        if (at) {
            m_replaced[*at] = std::move(line);
            return;
        }
        auto [it, fresh] = s->addedKeys.emplace(lower(key), s->added.size());
        if (fresh)
            s->added.push_back(std::move(line));
        else
            s->added[it->second] = std::move(line);
        return;
    }
    auto n = std::find_if(m_new.begin(), m_new.end(),
                          [&](const NewSection& ns) { return equalFolded(ns.name, sectionName); });
    if (n == m_new.end()) {
        m_new.push_back(NewSection{std::string(sectionName), {}, {}});
        n = m_new.end() - 1;
    }
    auto [it, fresh] = n->keys.emplace(lower(key), n->lines.size());
    if (fresh)
        n->lines.push_back(std::move(line));
    else
        n->lines[it->second] = std::move(line);
}

std::string IniDocument::toText() const {
    // Keys added to sections of the text go in after their section's last line that is
    // not blank; keys replaced stay where they stood.
    std::map<std::size_t, const Section*> inserts;
    for (const auto& [header, s] : m_seen)
        if (!s->added.empty())
            inserts.emplace(s->insertAt, s.get());

    std::string out;
    out.reserve(m_text.size() + m_text.size() / 16 + 256);
    bool anyLine = false;
    bool lastBlank = false;
    auto emit = [&](std::string_view line) {
        out += line;
        out += "\r\n";
        anyLine = true;
        lastBlank = trim(line).empty();
    };
    auto insert = inserts.begin();
    auto emitInsertsAt = [&](std::size_t pos) {
        for (; insert != inserts.end() && insert->first <= pos; ++insert)
            for (const std::string& l : insert->second->added)
                emit(l);
    };
    auto replaced = m_replaced.begin();
    std::size_t start = 0;
    while (start < m_text.size()) {
        emitInsertsAt(start);
        const std::size_t end = lineEnd(m_text, start);
        if (replaced != m_replaced.end() && replaced->first == start) {
            emit(replaced->second);
            ++replaced;
        } else {
            emit(content(m_text, start, end));
        }
        start = end + 1;
    }
    emitInsertsAt(std::numeric_limits<std::size_t>::max());

    // New sections at the end, each after a blank line.
    for (const NewSection& n : m_new) {
        if (anyLine && !lastBlank)
            emit("");
        emit("[" + n.name + "]");
        for (const std::string& l : n.lines)
            emit(l);
    }
    return out;
}

} // namespace kovaq
