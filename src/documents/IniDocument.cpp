#include "IniDocument.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace kovaq {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

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

} // namespace

IniDocument::IniDocument(std::string_view text) {
    blocks_.emplace_back(); // lines before the first section
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        start = end + 1;
        if (auto name = headerName(line)) {
            Block b;
            b.header = std::string(line);
            b.name = std::string(*name);
            b.folded = lower(*name);
            blocks_.push_back(std::move(b));
            continue;
        }
        Block& b = blocks_.back();
        if (b.header)
            if (auto key = keyName(line))
                b.keys.emplace(lower(*key), b.body.size());
        b.body.emplace_back(line);
    }
}

const IniDocument::Block* IniDocument::findBlock(std::string_view section) const {
    // A name used twice for a section: the first one counts.
    const std::string wanted = lower(section);
    for (const Block& b : blocks_)
        if (b.header && b.folded == wanted)
            return &b;
    return nullptr;
}

IniDocument::Block* IniDocument::findBlock(std::string_view section) {
    return const_cast<Block*>(std::as_const(*this).findBlock(section));
}

std::optional<std::size_t> IniDocument::findKey(const Block& block, std::string_view key) {
    auto it = block.keys.find(lower(key));
    if (it == block.keys.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const Block* b = findBlock(section);
    if (!b)
        return std::nullopt;
    const auto line = findKey(*b, key);
    if (!line)
        return std::nullopt;
    const std::string& text = b->body[*line];
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

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    std::string line(key);
    line.push_back('=');
    line += value;

    Block* b = findBlock(section);
    if (!b) {
        // A new section at the end of the text, after a blank line.
        Block& last = blocks_.back();
        const bool empty = blocks_.size() == 1 && last.body.empty();
        if (!empty && !(last.body.empty() ? false : trim(last.body.back()).empty()))
            last.body.emplace_back();
        Block fresh;
        fresh.header = "[" + std::string(section) + "]";
        fresh.name = std::string(section);
        fresh.folded = lower(section);
        blocks_.push_back(std::move(fresh));
        b = &blocks_.back();
    }
    if (auto existing = findKey(*b, key)) {
        b->body[*existing] = std::move(line);
        return;
    }
    // After the last line of the section that is not blank; only blank lines move.
    std::size_t at = b->body.size();
    while (at > 0 && trim(b->body[at - 1]).empty())
        --at;
    b->body.insert(b->body.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    b->keys.emplace(lower(key), at);
}

std::vector<std::string> IniDocument::lines() const {
    std::vector<std::string> out;
    for (const Block& b : blocks_) {
        if (b.header)
            out.push_back(*b.header);
        out.insert(out.end(), b.body.begin(), b.body.end());
    }
    return out;
}

std::string IniDocument::toText() const {
    std::string out;
    for (const Block& b : blocks_) {
        if (b.header) {
            out += *b.header;
            out += "\r\n";
        }
        for (const std::string& l : b.body) {
            out += l;
            out += "\r\n";
        }
    }
    return out;
}

} // namespace kovaq
