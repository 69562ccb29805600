// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeSearch.h"

#include "Numbers.h"
#include "QtText.h"
#include "TextFold.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <cstring>

namespace kovaq {
namespace detail {

bool SameNumber(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

// A recipe's text is short: finding the word's first letter and comparing there costs less
// than preparing a general search for each of 100,000 texts.
bool ContainsWord(std::string_view text, std::string_view word) {
    if (word.empty())
        return true;
    if (word.size() > text.size())
        return false;
    const char* at = text.data();
    const char* const last = text.data() + (text.size() - word.size());
    while (at <= last) {
        at = static_cast<const char*>(
            std::memchr(at, word[0], static_cast<std::size_t>(last - at) + 1));
        if (!at)
            return false;
        if (std::memcmp(at + 1, word.data() + 1, word.size() - 1) == 0)
            return true;
        ++at;
    }
    return false;
}

} // namespace detail

std::vector<QString> RecipeQuery::words() const {
    std::vector<QString> out;
    for (const SearchTerm& t : terms)
        if (!t.word.empty())
            out.push_back(ToQString(t.word));
    return out;
}

RecipeQuery ParseRecipeQuery(const QString& typed) {
    static const QRegularExpression amount(QStringLiteral("^(\\d+(?:[.,]\\d+)?)(mg(?:/ml)?|%)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression unit(QStringLiteral("^(mg(?:/ml)?|%)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QStringList raw =
        typed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    // "3 mg" and "10 %" read as "3mg" and "10%".
    QStringList tokens;
    for (const QString& t : raw) {
        if (!tokens.isEmpty() && unit.match(t).hasMatch() &&
            amount.match(tokens.last() + t).hasMatch())
            tokens.last() += t;
        else
            tokens << t;
    }
    RecipeQuery q;
    for (const QString& t : tokens) {
        const QRegularExpressionMatch m = amount.match(t);
        if (!m.hasMatch()) {
            q.terms.push_back({ToUtf8(FoldForSearch(t)), std::nullopt, std::nullopt});
            continue;
        }
        QString number = m.captured(1);
        number.replace(QLatin1Char(','), QLatin1Char('.'));
        const double value = ParseNumber(ToUtf8(number));
        if (m.captured(2) != QLatin1String("%")) {
            q.terms.push_back({{}, value, std::nullopt});
            continue;
        }
        // A share after a word belongs to the flavour the word names.
        SearchTerm share{{}, std::nullopt, value};
        if (!q.terms.empty() && !q.terms.back().word.empty() && !q.terms.back().strength &&
            !q.terms.back().share) {
            share.word = std::move(q.terms.back().word);
            q.terms.pop_back();
        }
        q.terms.push_back(std::move(share));
    }
    return q;
}

RecipeSearchKey MakeSearchKey(const RecipeEntry& e) {
    // The folding was done once, when the file was read: here only numbers are read.
    RecipeSearchKey key;
    key.text = e.folded.text;
    key.name = e.folded.name;
    for (std::size_t i = 0; i < e.flavours.size() && i < e.folded.flavours.size(); ++i)
        key.flavours.emplace_back(e.folded.flavours[i], ParseNumber(e.flavours[i].percent));
    if (!e.strength.empty())
        key.strength = ParseNumber(e.strength);
    return key;
}

namespace {

// A search key seen as a row.
struct KeyView {
    const RecipeSearchKey& key;
    std::string_view searchText() const { return key.text; }
    std::optional<double> strengthValue() const { return key.strength; }
    std::size_t flavourCount() const { return key.flavours.size(); }
    std::string_view foldedFlavour(std::size_t k) const { return key.flavours[k].first; }
    double share(std::size_t k) const { return key.flavours[k].second; }
};

bool contains(const std::string& text, const std::string& word) {
    return text.find(word) != std::string::npos;
}

// Whether term `now` finds only what `before` finds.
bool implies(const SearchTerm& now, const SearchTerm& before) {
    if (before.strength)
        return now.strength && *now.strength == *before.strength;
    if (before.share)
        return now.share && *now.share == *before.share && contains(now.word, before.word);
    return !now.strength && !now.share && contains(now.word, before.word);
}

} // namespace

bool Matches(const RecipeSearchKey& key, const RecipeQuery& query) {
    return MatchesRow(KeyView{key}, query);
}

bool Narrows(const RecipeQuery& now, const RecipeQuery& before) {
    for (const SearchTerm& b : before.terms) {
        bool implied = false;
        for (const SearchTerm& n : now.terms)
            implied = implied || implies(n, b);
        if (!implied)
            return false;
    }
    return true;
}

std::vector<std::pair<int, int>> HighlightRanges(const QString& shown, const RecipeQuery& query) {
    std::vector<int> origin;
    const QString folded = FoldForSearch(shown, &origin);
    std::vector<bool> lit(static_cast<std::size_t>(shown.size()), false);
    for (const QString& word : query.words()) {
        for (qsizetype at = folded.indexOf(word); at >= 0; at = folded.indexOf(word, at + 1)) {
            const int first = origin[static_cast<std::size_t>(at)];
            int last = origin[static_cast<std::size_t>(at + word.size() - 1)];
            // Accents written as marks of their own belong to the letter before them.
            while (last + 1 < shown.size() && shown[last + 1].isMark())
                ++last;
            for (int i = first; i <= last; ++i)
                lit[static_cast<std::size_t>(i)] = true;
        }
    }
    std::vector<std::pair<int, int>> ranges;
    for (int i = 0; i < shown.size(); ++i) {
        if (!lit[static_cast<std::size_t>(i)])
            continue;
        int j = i;
        while (j < shown.size() && lit[static_cast<std::size_t>(j)])
            ++j;
        ranges.emplace_back(i, j - i);
        i = j;
    }
    return ranges;
}

} // namespace kovaq
