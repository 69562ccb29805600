// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeTextShapes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kovaq::textshapes {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
// A byte of a word: ASCII letters and digits, and every byte of a non-ASCII character
// (the symbols among those were made ASCII before).
bool isWordByte(char c) {
    return isAsciiLetter(c) || isDigit(c) || static_cast<unsigned char>(c) >= 0x80;
}

std::string lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t b = 0, e = s.size();
    while (b < e && blank(s[b]))
        ++b;
    while (e > b && blank(s[e - 1]))
        --e;
    return std::string(s.substr(b, e - b));
}

void replaceAll(std::string& s, std::string_view from, std::string_view to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

// The symbols people type in many forms, made one ASCII form each.
std::string normalised(std::string_view line) {
    std::string s(line);
    replaceAll(s, "\t", "  ");
    replaceAll(s, "\xC2\xA0", " ");       // no-break space
    replaceAll(s, "\xE2\x80\x94", " - "); // em dash
    replaceAll(s, "\xE2\x80\x93", " - "); // en dash
    replaceAll(s, "\xE2\x80\xA2", "*");   // bullet
    replaceAll(s, "\xC2\xB7", "*");       // middle dot
    replaceAll(s, "\xEF\xBC\x85", "%");   // full-width percent
    replaceAll(s, "\xE2\x80\x99", "'");   // right single quote
    return trimmed(s);
}

std::vector<Token> tokenize(const std::string& s) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (c == ' ') {
            ++i;
            continue;
        }
        Token t;
        t.begin = i;
        const bool startsNumber =
            isDigit(c) || (c == '.' && i + 1 < s.size() && isDigit(s[i + 1]) &&
                           (i == 0 || !isWordByte(s[i - 1])));
        if (startsNumber) {
            while (i < s.size() && isDigit(s[i]))
                ++i;
            // A point or a comma between digits is the decimal separator ("2,5%").
            if (i + 1 < s.size() && (s[i] == '.' || s[i] == ',') && isDigit(s[i + 1])) {
                ++i;
                while (i < s.size() && isDigit(s[i]))
                    ++i;
            }
            t.kind = Kind::Number;
            std::string digits = s.substr(t.begin, i - t.begin);
            std::replace(digits.begin(), digits.end(), ',', '.');
            // Read as written, whatever separator the desktop's C locale has.
            std::from_chars(digits.data(), digits.data() + digits.size(), t.value);
        } else if (isWordByte(c)) {
            // Letters, digits inside, and an apostrophe or hyphen between letters.
            while (i < s.size() &&
                   (isWordByte(s[i]) ||
                    ((s[i] == '\'' || s[i] == '-' || s[i] == '.') && i + 1 < s.size() &&
                     isWordByte(s[i + 1]) && i > t.begin && !isDigit(s[i + 1]))))
                ++i;
            t.kind = Kind::Word;
        } else {
            ++i;
            t.kind = Kind::Symbol;
        }
        t.end = i;
        t.text = s.substr(t.begin, t.end - t.begin);
        t.lower = lowered(t.text);
        out.push_back(std::move(t));
    }
    return out;
}

bool isOneOf(const std::string& lower, std::initializer_list<std::string_view> words) {
    return std::find(words.begin(), words.end(), lower) != words.end();
}

bool isMl(const Token& t) {
    return t.kind == Kind::Word && isOneOf(t.lower, {"ml", "mls", "cc", "milliliter", "milliliters",
                                                     "millilitre", "millilitres"});
}
bool isMg(const Token& t) {
    return t.kind == Kind::Word && isOneOf(t.lower, {"mg", "mgs", "mg/ml", "milligrams"});
}
bool isDrops(const Token& t) {
    return t.kind == Kind::Word && isOneOf(t.lower, {"drop", "drops", "gtt", "gtts", "dr"});
}
bool isGrams(const Token& t) {
    return t.kind == Kind::Word && isOneOf(t.lower, {"g", "gr", "gram", "grams"});
}
bool isDays(const Token& t) {
    return t.kind == Kind::Word && isOneOf(t.lower, {"d", "day", "days"});
}
bool isWeeks(const Token& t) {
    return t.kind == Kind::Word && isOneOf(t.lower, {"w", "wk", "wks", "week", "weeks"});
}
bool isPg(const Token& t) {
    return t.kind == Kind::Word && t.lower == "pg";
}
bool isVg(const Token& t) {
    return t.kind == Kind::Word && t.lower == "vg";
}
bool isCarrier(const Token& t) {
    return isPg(t) || isVg(t);
}
bool isSym(const Token& t, char c) {
    return t.kind == Kind::Symbol && t.text.size() == 1 && t.text[0] == c;
}
bool isRatioJoin(const Token& t) {
    return isSym(t, '/') || isSym(t, ':') || isSym(t, '-') || isSym(t, '\\');
}

bool has(const std::vector<Token>& ts, std::initializer_list<std::string_view> words) {
    return std::any_of(ts.begin(), ts.end(), [&](const Token& t) {
        return t.kind == Kind::Word && isOneOf(t.lower, words);
    });
}
bool hasPrefix(const std::vector<Token>& ts, std::string_view prefix) {
    return std::any_of(ts.begin(), ts.end(), [&](const Token& t) {
        return t.kind == Kind::Word && t.lower.rfind(prefix, 0) == 0;
    });
}

// Token i if it exists.
const Token* at(const std::vector<Token>& ts, std::size_t i) {
    return i < ts.size() ? &ts[i] : nullptr;
}

// The PG share of a ratio written in any of its forms; the tokens it took are marked.
std::optional<int> takeRatio(std::vector<Token>& ts) {
    const auto pgOf = [](const Token& label, double value, double other) {
        const double pg = isPg(label) ? value : other;
        return static_cast<int>(std::lround(pg));
    };
    const auto num = [&](std::size_t i) {
        const Token* t = at(ts, i);
        return t && t->kind == Kind::Number && !t->used && t->value >= 0 && t->value <= 100;
    };
    const auto pct = [&](std::size_t i) { return at(ts, i) && isSym(*at(ts, i), '%') ? 1u : 0u; };
    const auto mark = [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from; k < to && k < ts.size(); ++k)
            ts[k].used = true;
    };
    for (std::size_t i = 0; i < ts.size(); ++i) {
        // 70VG/30PG, 70% PG / 30% VG
        if (num(i)) {
            std::size_t j = i + 1 + pct(i + 1);
            if (at(ts, j) && isCarrier(ts[j]) && at(ts, j + 1) && isRatioJoin(ts[j + 1]) &&
                num(j + 2)) {
                const std::size_t k = j + 3 + pct(j + 3);
                if (at(ts, k) && isCarrier(ts[k]) && isPg(ts[j]) != isPg(ts[k])) {
                    mark(i, k + 1);
                    return pgOf(ts[j], ts[i].value, ts[j + 2].value);
                }
            }
        }
        // PG/VG 70/30, VG/PG: 70/30
        if (isCarrier(ts[i]) && at(ts, i + 1) && isRatioJoin(ts[i + 1]) && at(ts, i + 2) &&
            isCarrier(ts[i + 2]) && isPg(ts[i]) != isPg(ts[i + 2])) {
            std::size_t j = i + 3;
            while (at(ts, j) && (isSym(ts[j], ':') || isSym(ts[j], '=')))
                ++j;
            if (num(j)) {
                const std::size_t k = j + 1 + pct(j + 1);
                if (at(ts, k) && isRatioJoin(ts[k]) && num(k + 1)) {
                    mark(i, k + 2 + pct(k + 2));
                    return pgOf(ts[i], ts[j].value, ts[k + 1].value);
                }
            }
        }
        // 70/30 PG/VG, 30/70 VG/PG, and a bare 70/30 (PG first, as it is usually written)
        if (num(i)) {
            const std::size_t j = i + 1 + pct(i + 1);
            if (at(ts, j) && (isSym(ts[j], '/') || isSym(ts[j], ':')) && num(j + 1)) {
                const std::size_t k = j + 2 + pct(j + 2);
                const double a = ts[i].value, b = ts[j + 1].value;
                if (at(ts, k) && isCarrier(ts[k]) && at(ts, k + 1) && isRatioJoin(ts[k + 1]) &&
                    at(ts, k + 2) && isCarrier(ts[k + 2])) {
                    mark(i, k + 3);
                    return pgOf(ts[k], a, b);
                }
                const Token* next = at(ts, k);
                if (std::abs(a + b - 100) < 0.5 && (!next || !(isMl(*next) || isMg(*next)))) {
                    mark(i, k);
                    return static_cast<int>(std::lround(a));
                }
            }
        }
        // 70% VG, 70%VG
        if (num(i) && pct(i + 1) && at(ts, i + 2) && isCarrier(ts[i + 2])) {
            mark(i, i + 3);
            return pgOf(ts[i + 2], ts[i].value, 100 - ts[i].value);
        }
        // VG 70%, Best VG: 70%
        if (isCarrier(ts[i])) {
            std::size_t j = i + 1;
            while (at(ts, j) && (isSym(ts[j], ':') || isSym(ts[j], '=')))
                ++j;
            if (num(j) && pct(j + 1)) {
                mark(i, j + 2);
                return pgOf(ts[i], ts[j].value, 100 - ts[j].value);
            }
        }
    }
    return std::nullopt;
}

// Days to steep: "steep 2 weeks", "Steep Days: 7", "2 weeks steep", "SNV".
std::optional<int> takeSteep(std::vector<Token>& ts) {
    for (std::size_t i = 0; i < ts.size(); ++i) {
        if (ts[i].kind == Kind::Word && isOneOf(ts[i].lower, {"snv", "s&v", "snv."})) {
            ts[i].used = true;
            return 0;
        }
        // shake and vape, shake & vape, shake n vape
        if (ts[i].lower == "shake" && at(ts, i + 2) && ts[i + 2].lower == "vape" &&
            isOneOf(ts[i + 1].lower, {"and", "&", "n", "'n'", "'n", "n'"})) {
            ts[i].used = ts[i + 1].used = ts[i + 2].used = true;
            return 0;
        }
    }
    for (std::size_t i = 0; i < ts.size(); ++i) {
        if (ts[i].kind != Kind::Word ||
            !isOneOf(ts[i].lower, {"steep", "steeping", "steeped", "steep-time", "steeptime"}))
            continue;
        // The number nearest after the word, with its unit before or after it; else before.
        bool weeks = false;
        for (std::size_t j = i + 1; j < ts.size() && j <= i + 5; ++j) {
            if (isWeeks(ts[j]))
                weeks = true;
            if (ts[j].kind != Kind::Number || ts[j].used)
                continue;
            std::size_t last = j;
            if (at(ts, j + 1) && isSym(ts[j + 1], '-') && at(ts, j + 2) &&
                ts[j + 2].kind == Kind::Number)
                last = j + 2; // "3-5 days": the first of them
            if (at(ts, last + 1) && (isWeeks(ts[last + 1]) || isDays(ts[last + 1]))) {
                weeks = isWeeks(ts[last + 1]);
                ++last;
            }
            for (std::size_t k = i; k <= last; ++k)
                ts[k].used = true;
            return static_cast<int>(std::lround(ts[j].value * (weeks ? 7 : 1)));
        }
        if (i >= 2 && ts[i - 2].kind == Kind::Number && (isDays(ts[i - 1]) || isWeeks(ts[i - 1]))) {
            ts[i].used = ts[i - 1].used = ts[i - 2].used = true;
            return static_cast<int>(std::lround(ts[i - 2].value * (isWeeks(ts[i - 1]) ? 7 : 1)));
        }
    }
    return std::nullopt;
}

// Values with a unit after them ("3 mg", "3 mg/ml", "60 ml", "24 drops"): their numbers,
// the tokens marked.
std::vector<double> takeUnit(std::vector<Token>& ts, bool (*unit)(const Token&), bool strength) {
    std::vector<double> out;
    for (std::size_t i = 0; i + 1 < ts.size(); ++i) {
        if (ts[i].kind != Kind::Number || ts[i].used || !unit(ts[i + 1]))
            continue;
        ts[i].used = ts[i + 1].used = true;
        // mg/ml is one unit: its ml is not a volume.
        if (strength && at(ts, i + 3) && isSym(ts[i + 2], '/') && isMl(ts[i + 3]))
            ts[i + 2].used = ts[i + 3].used = true;
        out.push_back(ts[i].value);
    }
    return out;
}

// Shares written with a percent sign and not taken yet.
std::vector<std::size_t> percents(const std::vector<Token>& ts) {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i + 1 < ts.size(); ++i)
        if (ts[i].kind == Kind::Number && !ts[i].used && isSym(ts[i + 1], '%'))
            out.push_back(i);
    return out;
}

// The text of the tokens not taken, with its own spacing, and nothing around it that only
// separated values.
std::string restText(const std::string& line, const std::vector<Token>& ts) {
    std::string s = line;
    for (const Token& t : ts)
        if (t.used)
            std::fill(s.begin() + static_cast<std::ptrdiff_t>(t.begin),
                      s.begin() + static_cast<std::ptrdiff_t>(t.end), ' ');
    // Brackets left empty by what was taken from them.
    for (const std::string_view empty : {"()", "( )", "[]", "[ ]"})
        for (std::size_t at = s.find(empty); at != std::string::npos; at = s.find(empty))
            s.replace(at, empty.size(), std::string(empty.size(), ' '));
    std::string collapsed;
    for (char c : s) {
        if (c == ' ' && (collapsed.empty() || collapsed.back() == ' '))
            continue;
        collapsed += c;
    }
    const std::string_view edges = " -:|,;*@=.+/~>";
    std::size_t b = 0, e = collapsed.size();
    while (b < e && edges.find(collapsed[b]) != std::string_view::npos)
        ++b;
    while (e > b && edges.find(collapsed[e - 1]) != std::string_view::npos)
        --e;
    std::string out = collapsed.substr(b, e - b);
    // A bracket opened and never closed, or the reverse, is what was left of a value.
    const auto count = [&](char c) { return std::count(out.begin(), out.end(), c); };
    if (count('(') != count(')'))
        out.erase(
            std::remove_if(out.begin(), out.end(), [](char c) { return c == '(' || c == ')'; }),
            out.end());
    return trimmed(out);
}

bool hasLetter(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) {
        return isAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80;
    });
}

// "CAP", "TPA", "FA": a maker's short name.
bool isBrandWord(std::string_view w) {
    if (w.size() < 2 || w.size() > 4)
        return false;
    return std::all_of(w.begin(), w.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool hasLowercase(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
    });
}

// The maker after the name, in brackets, as the user would write it: "(CAP) Vanilla
// Custard", "CAP Vanilla Custard" and "Vanilla Custard CAP" are "Vanilla Custard (CAP)".
std::string brandAfter(std::string name) {
    if (name.size() > 2 && (name[0] == '(' || name[0] == '[')) {
        const char close = name[0] == '(' ? ')' : ']';
        const std::size_t end = name.find(close);
        if (end != std::string::npos && end + 1 < name.size()) {
            const std::string brand = trimmed(name.substr(1, end - 1));
            const std::string rest = trimmed(name.substr(end + 1));
            if (!brand.empty() && hasLetter(rest))
                return rest + " (" + brand + ")";
        }
    }
    if (!name.empty() && name.back() == ']') {
        const std::size_t open = name.rfind('[');
        if (open != std::string::npos && open > 0)
            return trimmed(name.substr(0, open)) + " (" +
                   trimmed(name.substr(open + 1, name.size() - open - 2)) + ")";
    }
    const std::size_t firstSpace = name.find(' ');
    if (firstSpace != std::string::npos && isBrandWord(name.substr(0, firstSpace)) &&
        hasLowercase(name.substr(firstSpace)))
        return trimmed(name.substr(firstSpace + 1)) + " (" + name.substr(0, firstSpace) + ")";
    const std::size_t lastSpace = name.rfind(' ');
    if (lastSpace != std::string::npos && isBrandWord(name.substr(lastSpace + 1)) &&
        hasLowercase(name.substr(0, lastSpace)))
        return trimmed(name.substr(0, lastSpace)) + " (" + name.substr(lastSpace + 1) + ")";
    return name;
}

// A header row of a flavour table ("%  Vendor  Flavor"); where its share column is.
TableShare tableHeader(const std::vector<Token>& ts) {
    if (ts.size() < 2)
        return TableShare::None;
    int words = 0;
    for (const Token& t : ts) {
        if (t.kind == Kind::Symbol && (isSym(t, '%') || isSym(t, '|') || isSym(t, '/')))
            continue;
        if (t.kind != Kind::Word ||
            !isOneOf(t.lower, {"vendor",     "brand",   "manufacturer", "mfr",         "maker",
                               "flavor",     "flavour", "flavors",      "flavours",    "flavoring",
                               "flavouring", "name",    "ml",           "drops",       "grams",
                               "g",          "amount",  "ingredient",   "ingredients", "percent",
                               "percentage", "weight",  "qty",          "pct"}))
            return TableShare::None;
        ++words;
    }
    if (words == 0)
        return TableShare::None;
    const bool first = isSym(ts.front(), '%') || isOneOf(ts.front().lower, {"percent", "pct"});
    const bool last = isSym(ts.back(), '%') || isOneOf(ts.back().lower, {"percent", "pct"});
    return first ? TableShare::First : last ? TableShare::Last : TableShare::None;
}

// Words that name a value, not a recipe or a flavour: the whole name, or (`anywhere`) any
// word of it.
bool isKeywordName(const std::string& name, bool anywhere) {
    const std::string l = lowered(name);
    for (const std::string_view k :
         {"steep", "total", "nicotine", "nic", "strength", "volume", "ratio", "bottle", "size",
          "pg", "vg", "mix", "batch", "amount", "makes", "make", "base", "pg/vg", "vg/pg"}) {
        const std::string w(k);
        if (l == w ||
            (anywhere && (l.rfind(w + " ", 0) == 0 || l.find(" " + w) != std::string::npos)))
            return true;
    }
    return false;
}

// After "Name:", "Recipe:" or "Title:", the rest of the line.
std::optional<std::string> keyedName(const std::string& line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const std::string key = lowered(trimmed(line.substr(0, colon)));
    if (!isOneOf(key, {"name", "recipe", "title", "recipe name"}))
        return std::nullopt;
    std::string rest = trimmed(line.substr(colon + 1));
    return rest.empty() ? std::nullopt : std::optional<std::string>(rest);
}

bool startsNotes(const std::string& line, std::string& rest) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos)
        return false;
    const std::string key = lowered(trimmed(line.substr(0, colon)));
    if (!isOneOf(key, {"notes", "note", "comments", "comment", "remarks"}))
        return false;
    rest = trimmed(line.substr(colon + 1));
    return true;
}

// Leading bullets and list numbers ("- ", "* ", "1. ", "2) ").
std::string withoutBullet(std::string s) {
    for (;;) {
        if (!s.empty() && (s[0] == '-' || s[0] == '*' || s[0] == '+' || s[0] == '>') &&
            (s.size() == 1 || s[1] == ' ' || s[1] == '*' || s[1] == '-'))
            s = trimmed(s.substr(1));
        else
            break;
    }
    std::size_t i = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    if (i > 0 && i < 3 && i + 1 < s.size() && (s[i] == '.' || s[i] == ')') && s[i + 1] == ' ' &&
        s.find('%') != std::string::npos)
        s = trimmed(s.substr(i + 1));
    return s;
}

} // namespace kovaq::textshapes
