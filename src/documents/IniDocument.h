// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kovaq {

// A compact hash index from names to offsets into a text. Entries are 64 bits: 16 bits of
// the name's hash and the offset plus one; the caller compares names against the text, so
// memory stays at a few bytes per indexed line whatever the names are.
class OffsetIndex {
  public:
    static std::uint32_t Hash(std::string_view foldedName);

    // The offset stored under a name, or nothing. `matches(offset)` compares the name.
    template <class Matches>
    std::optional<std::size_t> find(std::uint32_t hash, Matches matches) const;
    // Stores the offset unless the name is already there (the first one wins).
    template <class Matches>
    void insertIfAbsent(std::uint32_t hash, std::size_t offset, Matches matches);
    std::size_t size() const { return m_count; }

  private:
    void grow();
    std::vector<std::uint64_t> m_slots;
    std::size_t m_count = 0;
};

// An INI text read and written by the rules of the Windows private-profile functions:
// names without regard to case, the first "=" splits, blanks and one pair of quotes
// around a value dropped, existing keys replaced where they stand, every untouched line
// kept. Works on UTF-8 text; the file's code page is the caller's business.
//
// The text is kept as it was read, with an index of the first occurrence of every section
// name built in one pass; a section's keys are indexed the first time it is asked for.
// Changes are kept beside the text and merged when it is written out, so a load costs
// time and memory in proportion to the file and every lookup is a hash probe.
class IniDocument {
  public:
    static constexpr std::size_t MaxValueLength = 2047;

    IniDocument();
    explicit IniDocument(std::string text);
    explicit IniDocument(std::string_view text) : IniDocument(std::string(text)) {}
    explicit IniDocument(const char* text) : IniDocument(std::string(text)) {}
    ~IniDocument();
    IniDocument(IniDocument&&) noexcept;
    IniDocument& operator=(IniDocument&&) noexcept;

    // Whether the text has a section of this name.
    bool hasSection(std::string_view section) const { return this->section(section) != nullptr; }
    // The value of a key as the reader sees it, or nothing when the key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // A whole number: decimal with optional sign, or hexadecimal after "0x", "0X" or "$".
    // Anything else, or an absent key, gives the fallback.
    std::int64_t readInteger(std::string_view section, std::string_view key,
                             std::int64_t fallback) const;

    // Replaces the key where it stands, adds it at the end of its section, or adds the
    // section at the end of the text.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // CR LF after every line.
    std::string toText() const;

    // The whole-number rule on its own, for tests and the settings.
    static std::optional<std::int64_t> ParseInteger(std::string_view text);

  private:
    struct Section;
    struct NewSection;

    Section* section(std::string_view folded) const;
    std::string_view lineAt(std::size_t start) const;

    std::string m_text;
    OffsetIndex m_sections; // header line offsets, by section name
    // Sections that have been looked at, by header offset.
    mutable std::unordered_map<std::size_t, std::unique_ptr<Section>> m_seen;
    std::map<std::size_t, std::string> m_replaced; // key lines changed, by line offset
    std::vector<NewSection> m_new;                 // sections added at the end
};

} // namespace kovaq
