#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kovaq {

// An INI text read and written by the rules of the Windows private-profile functions:
// names without regard to case, the first "=" splits, blanks and one pair of quotes
// around a value dropped, existing keys replaced where they stand, every untouched line
// kept. Works on UTF-8 text; the file's code page is the caller's business.
class IniDocument {
  public:
    static constexpr std::size_t MaxValueLength = 2047;

    IniDocument() : IniDocument(std::string_view{}) {}
    explicit IniDocument(std::string_view text);

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
    std::vector<std::string> lines() const;

    // The whole-number rule on its own, for tests and the settings.
    static std::optional<std::int64_t> ParseInteger(std::string_view text);

  private:
    // The lines of one section: its header and the lines up to the next header. Lines
    // before the first header form a block without a header. Keys are added inside their
    // block, so adding never moves the lines of other sections.
    struct Block {
        std::optional<std::string> header; // the header line as written
        std::string name;                  // section name as written
        std::string folded;                // lower case, for comparing
        std::vector<std::string> body;
        // First body line of each lower-case key.
        std::unordered_map<std::string, std::size_t> keys;
    };

    const Block* findBlock(std::string_view section) const;
    Block* findBlock(std::string_view section);
    static std::optional<std::size_t> findKey(const Block& block, std::string_view key);

    std::vector<Block> blocks_;
};

} // namespace kovaq
