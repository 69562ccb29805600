// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The search of the Recipes list: words, accents, case, strengths and shares.
#include "RecipeSearch.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace kovaq;

TEST(RecipeSearch, FindsByWordsAccentsStrengthsAndShares) {
    RecipeEntry e;
    e.native = "/home/me/Mixes/Dessert/creme-3.mix";
    e.name = "Crème brûlée";
    e.strength = "3";
    e.flavours = {{"Lemon (TPA)", "10"}, {"Vanilla Custard", "2.5"}};
    e.notes = "Steep two WEEKS\n";
    FoldForSearch(e);
    const RecipeSearchKey key = MakeSearchKey(e);
    struct Case {
        const char* typed;
        bool found;
    };
    for (const Case& c : {
             Case{"", true},
             Case{"creme", true}, // accents and case ignored
             Case{"CRÈME BRÛLÉE", true},
             Case{"brulee creme", true},  // every word, in any order
             Case{"creme cherry", false}, // ... must match
             Case{"custard", true},       // a flavour's name
             Case{"weeks", true},         // the notes
             Case{"dessert", false},      // the folder is no part of the name
             Case{"creme-3", true},       // the file's name
             Case{"3mg", true},           // the strength
             Case{"3 mg", true},
             Case{"3mg/ml", true},
             Case{"6mg", false},
             Case{"10%", true},       // some flavour's share
             Case{"lemon 10%", true}, // that flavour's
             Case{"lemon 2.5%", false},
             Case{"vanilla 2,5 %", true}, // a comma, a blank
             Case{"lemon 10% 3mg creme", true},
             Case{"cream 10%", false},
         }) {
        EXPECT_EQ(Matches(key, ParseRecipeQuery(QString::fromUtf8(c.typed))), c.found) << c.typed;
    }
}

TEST(RecipeSearch, HighlightsTheWordsWhereTheyStand) {
    const RecipeQuery q = ParseRecipeQuery(QStringLiteral("creme lee 10%"));
    using R = std::vector<std::pair<int, int>>;
    EXPECT_EQ(HighlightRanges(QStringLiteral("Crème brûlée"), q), (R{{0, 5}, {9, 3}}));
    // An accent written as a mark of its own goes with its letter.
    EXPECT_EQ(HighlightRanges(QStringLiteral("Cre\u0300me"), q), (R{{0, 6}}));
    EXPECT_EQ(HighlightRanges(QStringLiteral("Lemon 10 %"), q), R{});
}

// A letter added narrows the rows already found instead of looking through them all: only
// where every recipe the new search finds was found before.
TEST(RecipeSearch, NarrowsOnlyWhereNothingNewCouldBeFound) {
    std::vector<RecipeSearchKey> keys;
    for (const auto& [name, flavour, share] :
         {std::tuple{"Lemon tart", "Lemon", "10"}, std::tuple{"Lime 1", "Lime", "1"},
          std::tuple{"Cream", "Lemon", "1"}, std::tuple{"Plain", "Vanilla", "10"}}) {
        RecipeEntry e;
        e.native = std::string("/r/") + name + ".mix";
        e.name = name;
        e.strength = "3";
        e.flavours = {{flavour, share}};
        FoldForSearch(e);
        keys.push_back(MakeSearchKey(e));
    }
    struct Step {
        const char *before, *now;
        bool narrows;
    };
    for (const Step& s : {
             Step{"", "l", true},
             Step{"le", "lem", true},
             Step{"lem", "le", false},            // a letter taken back
             Step{"lemon", "lemon 1", true},      // a term added
             Step{"lemon 1", "lemon 10%", false}, // "1" was a word, not a share
             Step{"lemon 1%", "lemon 10%", false},
             Step{"3mg", "3mg lemon", true},
             Step{"10%", "lemon 10%", true}, // a share of some flavour, then of this one
             Step{"l 10%", "le 10%", true},
         }) {
        const RecipeQuery before = ParseRecipeQuery(QString::fromUtf8(s.before));
        const RecipeQuery now = ParseRecipeQuery(QString::fromUtf8(s.now));
        EXPECT_EQ(Narrows(now, before), s.narrows) << s.before << " -> " << s.now;
        if (!Narrows(now, before))
            continue;
        for (const RecipeSearchKey& k : keys) {
            EXPECT_TRUE(!Matches(k, now) || Matches(k, before)) << s.now << " " << k.name;
        }
    }
}
