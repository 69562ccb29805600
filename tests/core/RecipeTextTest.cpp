// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Recipes as people post them: the shapes found on forums and recipe sites, read; and the
// text Ko-Vaq copies, read back the same.
#include "RecipeText.h"

#include "Numbers.h"

#include <gtest/gtest.h>

using namespace kovaq;

namespace {

struct Case {
    const char* what;
    const char* text;
    const char* name;
    std::vector<TextFlavour> flavours;
    std::vector<std::string> unused;
    std::optional<double> volume, strength;
    std::optional<int> pg, steep;
    std::optional<double> base;
};

} // namespace

TEST(RecipeText, ReadsTheShapesPeoplePost) {
    const std::vector<Case> cases = {
        {"a flavour table with a header and a footer",
         "Vanilla Custard Supreme\n%  Vendor  Flavor\n3  (CAP) Vanilla Custard\n"
         "2  (FA) Custard Premium\n1  (TPA) Bavarian Cream\n"
         "Total flavoring: 6%  Steep Days: 7  Best VG: 70%\n",
         "Vanilla Custard Supreme",
         {{"Vanilla Custard (CAP)", 3}, {"Custard Premium (FA)", 2}, {"Bavarian Cream (TPA)", 1}},
         {},
         {},
         {},
         30,
         7,
         {}},
        {"flavours after a header of values",
         "Strawberry Fields\n60 ml | 3 mg | 70VG/30PG | steep 2 weeks\nStrawberry (TPA) 8%\n"
         "Sweet Cream (CAP) 3%\nKoolada (TPA) 0.5%",
         "Strawberry Fields",
         {{"Strawberry (TPA)", 8}, {"Sweet Cream (CAP)", 3}, {"Koolada (TPA)", 0.5}},
         {},
         60,
         3,
         30,
         14,
         {}},
        {"the maker first or last, the share first, bullets",
         "My Lemon Tart\n- TPA Lemon 4%\n* 3% Graham Cracker CAP\n\xE2\x80\xA2 FA Meringue 1.5%\n",
         "My Lemon Tart",
         {{"Lemon (TPA)", 4}, {"Graham Cracker (CAP)", 3}, {"Meringue (FA)", 1.5}},
         {},
         {},
         {},
         {},
         {},
         {}},
        {"a batch sheet: the share is what counts",
         "Banana Bread \xE2\x80\x94 30 ml batch\nBanana Cream  1.2 ml  4%  24 drops\n"
         "Brown Sugar  0.6 ml  2%  12 drops\nNicotine 100 mg  0.9 ml  3%\nPG  8 ml  26.7%\n",
         "Banana Bread",
         {{"Banana Cream", 4}, {"Brown Sugar", 2}},
         {"PG  8 ml  26.7%"},
         30,
         3,
         {},
         {},
         100},
        {"decimal commas, a bare ratio, mg/ml, shake and vape",
         "Cherry Menthol\nVolume: 100 ml, Nic: 6 mg/ml, 30/70\nCherry (FA) 2,5%\n"
         "Menthol (TPA) 0,5%\nSNV\n",
         "Cherry Menthol",
         {{"Cherry (FA)", 2.5}, {"Menthol (TPA)", 0.5}},
         {},
         100,
         6,
         30,
         0,
         {}},
        {"the values in brackets after the name",
         "Blue Razz Slush (60ml, 6mg, 70% VG)\nBlue Raspberry (CAP) 5%\nSweet (TPA) 1%\n"
         "Koolada 0.5%\nSteep: 3 days\n",
         "Blue Razz Slush",
         {{"Blue Raspberry (CAP)", 5}, {"Sweet (TPA)", 1}, {"Koolada", 0.5}},
         {},
         60,
         6,
         30,
         3,
         {}},
        {"a forum post with talk around it",
         "Hey all, finally nailed my ADV. Here it is:\nRecipe: Tobacco Road\n"
         "- RY4 Double (TFA) 3%\n- Black Honey (TFA) 2%\n- Vanilla Bean Gelato (CAP) 1%\n"
         "Makes 30ml at 3mg, 50/50.\nSteep 2 weeks, enjoy!\n",
         "Tobacco Road",
         {{"RY4 Double (TFA)", 3}, {"Black Honey (TFA)", 2}, {"Vanilla Bean Gelato (CAP)", 1}},
         {"Hey all, finally nailed my ADV. Here it is:"},
         30,
         3,
         50,
         14,
         {}},
        {"nicotine as a percentage, VG alone",
         "Mango Ice\nNicotine: 1.8%\nVG 70%\nMango (FW) 6%\nKoolada (WS-23) 1%\n",
         "Mango Ice",
         {{"Mango (FW)", 6}, {"Koolada (WS-23)", 1}},
         {},
         {},
         18,
         30,
         {},
         {}},
        {"several flavours on a line",
         "Citrus Cream\nLemon (TPA) 2%, Lime (FA) 1.5%; Cream 3%\n"
         "Peach (FA) 2,5% Apricot (CAP) 1,5%\n2% Pear 1% Fig FW\n",
         "Citrus Cream",
         {{"Lemon (TPA)", 2},
          {"Lime (FA)", 1.5},
          {"Cream", 3},
          {"Peach (FA)", 2.5},
          {"Apricot (CAP)", 1.5},
          {"Pear", 2},
          {"Fig (FW)", 1}},
         {},
         {},
         {},
         {},
         {},
         {}},
        {"a table with its share last",
         "Flavor                 %\nStrawberry Ripe (TPA)  4\nCream (CAP)            2\n",
         "",
         {{"Strawberry Ripe (TPA)", 4}, {"Cream (CAP)", 2}},
         {},
         {},
         {},
         {},
         {},
         {}},
        {"the base's line, a thinner and notes",
         "Pina Colada \xE2\x80\x94 50 ml, 3 mg, 50/50 PG/VG\nPineapple (CAP) 4%\n"
         "Coconut (TPA) 2%\nVodka/Water 5%\nNicotine base: 36 mg, 50/50\n"
         "Notes: shake well\nkeep out of the sun\n",
         "Pina Colada",
         {{"Pineapple (CAP)", 4}, {"Coconut (TPA)", 2}},
         {},
         50,
         3,
         50,
         {},
         36},
        {"nothing that is a recipe",
         "Thanks for sharing!\nLooks great, will try it.\n",
         "Thanks for sharing!",
         {},
         {"Looks great, will try it."},
         {},
         {},
         {},
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ParsedRecipe p = ParseRecipeText(c.text);
        EXPECT_EQ(p.name, c.name);
        EXPECT_EQ(p.flavours, c.flavours);
        EXPECT_EQ(p.unused, c.unused);
        EXPECT_EQ(p.volume, c.volume);
        EXPECT_EQ(p.strength, c.strength);
        EXPECT_EQ(p.pgPercent, c.pg);
        EXPECT_EQ(p.steepDays, c.steep);
        EXPECT_EQ(p.baseStrength, c.base);
        EXPECT_EQ(p.holdsRecipe(), !c.flavours.empty());
    }
}

TEST(RecipeText, KeepsEightFlavoursAndRoundsARatioNotListed) {
    std::string text = "Ten Fruits\n65/35 PG/VG\n";
    for (int i = 1; i <= 10; ++i)
        text += "Fruit " + std::to_string(i) + " 1%\n";
    const ParsedRecipe p = ParseRecipeText(text);
    ASSERT_EQ(p.flavours.size(), 8u);
    ASSERT_EQ(p.leftOut.size(), 2u);
    EXPECT_EQ(p.leftOut[1].name, "Fruit 10");
    EXPECT_EQ(p.pgPercent, 65);
    EXPECT_EQ(RatioListText(*p.ratioPosition), "60-40"); // of 70 and 60, the one with more VG
    EXPECT_TRUE(p.ratioRounded());
    // A paste of any size, any bytes, is read in bounded time and never taken for more.
    const ParsedRecipe huge =
        ParseRecipeText(std::string(20000, '%') + "\n" + std::string(3000000, 'x'));
    EXPECT_FALSE(huge.holdsRecipe());
    EXPECT_TRUE(huge.textCut); // and it says it stopped reading
    EXPECT_FALSE(p.textCut);
}

TEST(RecipeText, LeavesControlCharactersOutOfTheRecipe) {
    using namespace std::string_literals;
    const ParsedRecipe p = ParseRecipeText("Cher\0ry\x7F Pie\n"
                                           "Lem\x01on (TPA) 10%\n"
                                           "\x1B[2Jgone\n"
                                           "Old\rMac 5%\r\n"
                                           "Notes: shake\0 well\x7F\n"s);
    EXPECT_EQ(p.name, "Cherry Pie");
    EXPECT_EQ(p.flavours, (std::vector<TextFlavour>{{"Lemon (TPA)", 10}, {"Mac", 5}}));
    EXPECT_EQ(p.unused, (std::vector<std::string>{"[2Jgone", "Old"})); // a lone CR ends a line
    EXPECT_EQ(p.notes, std::vector<std::string>{"shake well"});
}

TEST(RecipeText, WhatIsCopiedReadsBackTheSame) {
    MixRecipe r = FreshMix();
    r.Name = "Cherry";
    r[TextField::MixQty] = "30";
    r[TextField::MixStrength] = "12";
    r[TextField::BaseNicStrength] = "36";
    SelectRatioPosition(r[RatioField::MixNicPGVG], 3, 11);
    SelectRatioPosition(r[RatioField::BaseNicPGVG], 5, 11);
    r[TextField::Flav1Name] = "Lemon (TPA)";
    r[TextField::PctFlav1] = "10";
    r[TextField::Flav3Name] = "Cream";
    r[TextField::PctFlav3] = "2.5";
    r[TextField::PctVodkaWater] = "5";
    r.Notes = {"shake well", "", "keep cool"};
    const std::string text = RecipeAsText(r, {7, 20, {3, 0, 0.75}});
    EXPECT_EQ(text, "Cherry \xE2\x80\x94 30 ml, 12 mg, 70/30 PG/VG\n"
                    "Lemon (TPA) 10%  3 ml  60 drops\n"
                    "Cream 2.5%  0.75 ml  15 drops\n"
                    "Vodka/Water 5%\n"
                    "Nicotine base: 36 mg, 50/50 PG/VG\n"
                    "Steep: 7 days\n"
                    "Notes: shake well\n\nkeep cool\n");
    const ParsedRecipe p = ParseRecipeText(text);
    EXPECT_EQ(p.name, "Cherry");
    EXPECT_EQ(p.flavours, (std::vector<TextFlavour>{{"Lemon (TPA)", 10}, {"Cream", 2.5}}));
    EXPECT_EQ(p.volume, 30);
    EXPECT_EQ(p.strength, 12);
    EXPECT_EQ(p.ratioPosition, 3);
    EXPECT_EQ(p.baseStrength, 36);
    EXPECT_EQ(p.baseRatioPosition, 5);
    EXPECT_EQ(p.vodkaWater, 5);
    EXPECT_EQ(p.steepDays, 7);
    EXPECT_EQ(p.notes, (std::vector<std::string>{"shake well", "", "keep cool"}));
    EXPECT_TRUE(p.unused.empty());
}

TEST(RecipeText, ANameTooWideGivesUpItsBrandThenWholeWords) {
    struct Case {
        const char* name;
        std::vector<std::string> forms;
    };
    const std::vector<Case> cases = {
        {"Strawberry Ripe (TPA)", {"Strawberry Ripe (TPA)", "Strawberry Ripe", "Strawberry"}},
        {"Butterscotch Ripple (FW)",
         {"Butterscotch Ripple (FW)", "Butterscotch Ripple", "Butterscotch"}},
        {"Salt & Pepper Cream", {"Salt & Pepper Cream", "Salt & Pepper", "Salt"}},
        {"Lemon", {"Lemon"}},
        {"(TPA) Cream", {"(TPA) Cream", "Cream"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShorterNames(c.name), c.forms) << c.name;
}

TEST(RecipeText, ANicotineLinesCarrierIsTheBases) {
    struct Case {
        const char* text;
        std::optional<double> baseMg;
        std::optional<int> basePg;
        std::optional<int> mixPg;
    };
    const std::vector<Case> cases = {
        {"Lemon 5%\nNicotine 100mg (VG)\n", 100, 0, std::nullopt},
        {"Lemon 5%\n48 mg 50/50 base\n", 48, 50, std::nullopt},
        {"Lemon 5%\nNic base 36 mg PG\n", 36, 100, std::nullopt},
        // A header's ratio is still the mix's.
        {"Lemon 5%\nNic: 6 mg/ml, 30/70\n", std::nullopt, std::nullopt, 30},
    };
    for (const Case& c : cases) {
        const ParsedRecipe p = ParseRecipeText(c.text);
        EXPECT_EQ(p.baseStrength, c.baseMg) << c.text;
        EXPECT_EQ(p.basePgPercent, c.basePg) << c.text;
        EXPECT_EQ(p.pgPercent, c.mixPg) << c.text;
    }
}

TEST(RecipeText, OneNotationForARatio) {
    EXPECT_EQ(PgVgText(70), "70/30 PG/VG");
    EXPECT_EQ(PgVgText(100.0 / 3), "33.3/66.7 PG/VG");
    EXPECT_EQ(PgVgText(0), "0/100 PG/VG");
}
