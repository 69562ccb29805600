// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// The shapes "Paste Recipe" finds in a line of a post: its words and numbers, and the
// ratios, steep times, values with units, shares and flavour names written with them. Only
// the recipe text reader uses these.

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovaq::textshapes {

enum class Kind { Number, Word, Symbol };

struct Token {
    Kind kind = Kind::Symbol;
    std::string text;  // as written
    std::string lower; // ASCII letters lowered
    double value = 0;
    std::size_t begin = 0, end = 0; // in the line
    bool used = false;
};

bool isDigit(char c);
std::string trimmed(std::string_view s);
// The line with its symbols in one ASCII form each, tabs as spaces, trimmed.
std::string normalised(std::string_view line);
std::vector<Token> tokenize(const std::string& s);

bool isMl(const Token& t);
bool isMg(const Token& t);
bool isDrops(const Token& t);
bool isGrams(const Token& t);
// Whether a word of the line is one of these (lowered), or starts with the prefix.
bool has(const std::vector<Token>& ts, std::initializer_list<std::string_view> words);
bool hasPrefix(const std::vector<Token>& ts, std::string_view prefix);

// The values of a line, each taking the tokens it was read from.
std::optional<int> takeRatio(std::vector<Token>& ts);
std::optional<int> takeSteep(std::vector<Token>& ts);
std::vector<double> takeUnit(std::vector<Token>& ts, bool (*unit)(const Token&),
                             bool strength = false);
std::vector<std::size_t> percents(const std::vector<Token>& ts);
std::string restText(const std::string& line, const std::vector<Token>& ts);

bool hasLetter(std::string_view s);
std::string brandAfter(std::string name);
enum class TableShare { None, First, Last };
TableShare tableHeader(const std::vector<Token>& ts);
bool isKeywordName(const std::string& name, bool anywhere);
std::optional<std::string> keyedName(const std::string& line);
bool startsNotes(const std::string& line, std::string& rest);
std::string withoutBullet(std::string s);

} // namespace kovaq::textshapes
