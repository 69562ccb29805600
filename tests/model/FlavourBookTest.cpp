// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The flavour book: what the user's recipes say about each flavour, and the Flavours tab's
// rows with the stash, the batch log and the user's notes.
#include "FlavourBook.h"

#include "FlavourName.h"
#include "IniDocument.h"
#include "QtText.h"
#include "RecipeFile.h"

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

TEST(FlavourBook, RowsJoinTheStashTheBatchLogAndTheNotes) {
    FlavourBook book;
    book.addRecipe({{"Lemon (TPA)", 4}, {"Cream", 2}});
    book.addRecipe({{"Mango", 5}});
    // Lemon bottles of TPA (two, added up) and of another maker; no Cream, no Mango.
    const auto bottle = [](const char* name, const char* maker, double ml) {
        Bottle b;
        b.name = QString::fromUtf8(name);
        b.maker = QString::fromUtf8(maker);
        b.onHand = ml;
        return b;
    };
    const std::vector<Bottle> bottles = {bottle("Lemon", "TPA", 10), bottle("lemon", "tpa", 2.5),
                                         bottle("Lemon", "FW", 30)};
    // Lemon mixed at 1000 and 3000, Cream named at 2000 but none of it poured.
    const auto batch = [](std::int64_t at, const char* flav1, double ml1, const char* flav2,
                          double ml2) {
        MixRecipe r = FreshMix();
        r[TextField::Flav1Name] = flav1;
        r[TextField::Flav2Name] = flav2;
        IniDocument ini;
        RecipeToIni(ini, r);
        Batch b;
        b.mixedAt = at;
        b.recipeText = ToQString(ini.toText());
        b.ml[index(SlotId::Flav1)] = ml1;
        b.ml[index(SlotId::Flav2)] = ml2;
        return b;
    };
    const LastMixedTimes last =
        LastMixed({batch(3000, "lemon (TPA)", 1, "", 0), batch(2000, "Lemon(TPA)", 2, "Cream", 0),
                   batch(1000, "Lemon (TPA)", 1, "Mango", 3)});
    FlavourNote note{{}, QStringLiteral("MANGO"), QStringLiteral("ripe"), 4, 5.5};
    note.key = FlavourKey(note.name);

    const std::vector<FlavourRow> rows = FlavourRows(book, bottles, last, {note});
    ASSERT_EQ(rows.size(), 3u);
    struct Row {
        const char* name;
        double onHand;
        std::int64_t lastMixed;
        std::optional<int> rating;
    };
    const Row expected[] = {
        {"Cream", 0, 0, {}}, {"Lemon (TPA)", 12.5, 3000, {}}, {"Mango", 0, 1000, 4}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(rows[i].figures.name, QString::fromUtf8(expected[i].name));
        EXPECT_DOUBLE_EQ(rows[i].onHandMl, expected[i].onHand);
        EXPECT_EQ(rows[i].lastMixed, expected[i].lastMixed);
        EXPECT_EQ(rows[i].note.rating, expected[i].rating);
        // Named as the book names it, so that an edit keeps it under the same key.
        EXPECT_EQ(rows[i].note.name, rows[i].figures.name);
    }
    EXPECT_EQ(rows[2].note.notes, QStringLiteral("ripe"));
    EXPECT_EQ(FlavourHintOf(book, QStringLiteral(" mango ")),
              QStringLiteral("Mango: in 1 of your recipes, 5 %, usually 5 %"));
    EXPECT_TRUE(FlavourHintOf(book, QStringLiteral("Lemon")).isEmpty());
    EXPECT_TRUE(FlavourHintOf(book, QStringLiteral("  ")).isEmpty());
}
