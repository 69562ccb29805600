#include "IniDocument.h"

#include <algorithm>
#include <limits>

namespace kovaq {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
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

std::string indexKey(std::string_view section, std::string_view key) {
    std::string k = lower(section);
    k.push_back('\n');
    k += lower(key);
    return k;
}

} // namespace

IniDocument::IniDocument(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines_.emplace_back(line);
        start = end + 1;
    }
    reindex();
}

void IniDocument::reindex() {
    sections_.clear();
    keyIndex_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (auto name = headerName(lines_[i])) {
            sections_.push_back({std::string(*name), lower(*name), i});
            continue;
        }
        if (sections_.empty())
            continue;
        if (auto key = keyName(lines_[i]))
            keyIndex_.emplace(indexKey(sections_.back().name, *key), i);
    }
}

std::optional<std::size_t> IniDocument::findSection(std::string_view section) const {
    const std::string wanted = lower(section);
    for (std::size_t s = 0; s < sections_.size(); ++s)
        if (sections_[s].folded == wanted)
            return s;
    return std::nullopt;
}

std::size_t IniDocument::sectionEnd(std::size_t sectionIndex) const {
    return sectionIndex + 1 < sections_.size() ? sections_[sectionIndex + 1].header
                                               : lines_.size();
}

std::optional<std::size_t> IniDocument::findKeyLine(std::size_t sectionIndex,
                                                    std::string_view key) const {
    // A name used twice for a section: the reader looks in the first one only.
    const Section& sec = sections_[sectionIndex];
    auto it = keyIndex_.find(indexKey(sec.name, key));
    if (it == keyIndex_.end())
        return std::nullopt;
    if (it->second > sec.header && it->second < sectionEnd(sectionIndex))
        return it->second;
    const std::string wanted = lower(key);
    for (std::size_t i = sec.header + 1; i < sectionEnd(sectionIndex); ++i)
        if (auto k = keyName(lines_[i]); k && lower(*k) == wanted)
            return i;
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const auto s = findSection(section);
    if (!s)
        return std::nullopt;
    const auto line = findKeyLine(*s, key);
    if (!line)
        return std::nullopt;
    const std::string& text = lines_[*line];
    std::string_view v = trim(std::string_view(text).substr(text.find('=') + 1));
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

void IniDocument::setValue(std::string_view section, std::string_view key,
                           std::string_view value) {
    std::string line(key);
    line.push_back('=');
    line += value;

    auto s = findSection(section);
    if (!s) {
        if (!lines_.empty() && !trim(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        sections_.push_back({std::string(section), lower(section), lines_.size() - 1});
        lines_.push_back(line);
        keyIndex_.emplace(indexKey(section, key), lines_.size() - 1);
        return;
    }
    if (auto existing = findKeyLine(*s, key)) {
        lines_[*existing] = line;
        return;
    }
    // After the last line of the section that is not blank.
    std::size_t at = sectionEnd(*s);
    while (at > sections_[*s].header + 1 && trim(lines_[at - 1]).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
    if (at == lines_.size() - 1) {
        keyIndex_.emplace(indexKey(sections_[*s].name, key), at);
    } else {
        reindex(); // lines moved down
    }
}

std::string IniDocument::toText() const {
    std::string out;
    std::size_t size = 0;
    for (const std::string& l : lines_)
        size += l.size() + 2;
    out.reserve(size);
    for (const std::string& l : lines_) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace kovaq
