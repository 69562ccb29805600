// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "RecipeIndex.h"
#include "TextFold.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kovaq {

// What was typed into the search field. Every term must match:
//   a word    somewhere in the name, a flavour's name, the notes or the file's name;
//   "3mg"     the strength asked of the mix ("3 mg" and "3mg/ml" too);
//   "10%"     some flavour's share; after a word ("lemon 10%"), that flavour's.
struct SearchTerm {
    std::string word; // folded, UTF-8; for a share, the flavour's word or empty
    std::optional<double> strength;
    std::optional<double> share;
};
struct RecipeQuery {
    std::vector<SearchTerm> terms;
    bool empty() const { return terms.empty(); }
    // The words to show highlighted, folded.
    std::vector<QString> words() const;
};
RecipeQuery ParseRecipeQuery(const QString& typed);

// What of a recipe the search reads, folded once so that a keystroke costs little.
struct RecipeSearchKey {
    std::string text; // name, flavour names, notes and file name, each on a line
    std::string name; // folded, for sorting
    std::optional<double> strength;
    std::vector<std::pair<std::string, double>> flavours; // folded name, share
};
RecipeSearchKey MakeSearchKey(const RecipeEntry& entry);
bool Matches(const RecipeSearchKey& key, const RecipeQuery& query);

namespace detail {
bool SameNumber(double a, double b);
bool ContainsWord(std::string_view text, std::string_view word);
} // namespace detail

// The same for anything that gives searchText(), strengthValue(), flavourCount(),
// foldedFlavour(k) and share(k) (the library's rows).
template <class Row> bool MatchesRow(const Row& row, const RecipeQuery& query) {
    for (const SearchTerm& t : query.terms) {
        if (t.strength) {
            const std::optional<double> strength = row.strengthValue();
            if (!strength || !detail::SameNumber(*strength, *t.strength))
                return false;
        } else if (t.share) {
            bool found = false;
            for (std::size_t k = 0; k < row.flavourCount() && !found; ++k)
                found = detail::SameNumber(row.share(k), *t.share) &&
                        detail::ContainsWord(row.foldedFlavour(k), t.word);
            if (!found)
                return false;
        } else if (!detail::ContainsWord(row.searchText(), t.word)) {
            return false;
        }
    }
    return true;
}

// Whether every recipe `now` finds is also found by `before` (a letter added to a word, a
// term added): the rows `before` found are then the only ones to look through.
bool Narrows(const RecipeQuery& now, const RecipeQuery& before);

// Where in a shown text the query's words stand: (start, length) pairs, without overlap.
std::vector<std::pair<int, int>> HighlightRanges(const QString& shown, const RecipeQuery& query);

} // namespace kovaq
