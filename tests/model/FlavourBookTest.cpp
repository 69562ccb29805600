// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The flavour book: what the user's recipes say about each flavour.
#include "FlavourBook.h"

#include <gtest/gtest.h>

using namespace kovaq;

TEST(FlavourBook, CountsAndSharesOfEachFlavour) {
    FlavourBook book;
    book.addRecipe({{"Lemon (TPA)", 2}, {"Cream", 1}});
    book.addRecipe({{"lemon(tpa)", 6}});
    book.addRecipe({{"Lemon  (TPA) ", 4}, {"Lemon", 3}});
    book.addRecipe({{"LEMON (tpa)", 3}});
    // One flavour in two rows of a recipe is one recipe at both shares.
    book.addRecipe({{"Crème", 1.5}, {"creme", 1.5}, {"Vanilla", 0}});
    RecipeEntry notARecipe;
    notARecipe.problem = "Not a recipe";
    notARecipe.flavours = {{"Mango", "5"}};
    book.addEntry(notARecipe);
    RecipeEntry read;
    read.flavours = {{"Cream", "2.5"}};
    book.addEntry(read);

    struct Row {
        const char* name;
        int recipes;
        double min, median, max;
    };
    const std::vector<Row> expected = {
        {"Cream", 2, 1, 1.75, 2.5},    // an even count: the mean of the two
        {"Crème", 1, 3, 3, 3},         // 1.5 + 1.5 in one recipe
        {"Lemon", 1, 3, 3, 3},         // anyone's Lemon is not the TPA one
        {"Lemon (TPA)", 4, 2, 3.5, 6}, // 2, 3, 4, 6
    };
    const std::vector<FlavourFigures> figures = book.figures();
    ASSERT_EQ(figures.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(figures[i].name, QString::fromUtf8(expected[i].name));
        EXPECT_EQ(figures[i].recipes, expected[i].recipes);
        EXPECT_DOUBLE_EQ(figures[i].minPercent, expected[i].min);
        EXPECT_DOUBLE_EQ(figures[i].medianPercent, expected[i].median);
        EXPECT_DOUBLE_EQ(figures[i].maxPercent, expected[i].max);
    }
    const auto typed = book.figuresOf(QStringLiteral("lemon (TPA)"));
    ASSERT_TRUE(typed);
    EXPECT_EQ(FlavourHint(*typed),
              QString::fromUtf8("Lemon (TPA): in 4 of your recipes, 2\u20136 %, usually 3.5 %"));
    EXPECT_FALSE(book.figuresOf(QStringLiteral("Mango")));
    EXPECT_FALSE(book.figuresOf(QStringLiteral("Vanilla")));
}
