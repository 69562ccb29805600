// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// What can be made from the stash: the matching rule, the needs a recipe's calculation
// gives, a table that follows stash edits, one bottle away and the shopping list.
#include "StashMatch.h"
#include "MakeableTable.h"

#include "FlavourName.h"
#include "MixCalculator.h"
#include "RecipeBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>

using namespace kovaq;
using kovaq::test::MakeRecipe;

namespace {

Bottle bottle(BottleKind kind, const char* name, double onHand, const char* maker = "",
              double strength = 0) {
    static std::int64_t nextId = 1;
    Bottle b;
    b.id = nextId++;
    b.kind = kind;
    b.name = QString::fromUtf8(name);
    b.maker = QString::fromUtf8(maker);
    b.onHand = onHand;
    b.strength = strength;
    return b;
}

IngredientNeed need(SlotId slot, const char* name, double ml) {
    IngredientNeed n;
    n.slot = slot;
    n.name = name;
    if (isFlavour(slot))
        n.key = FlavourKey(QString::fromUtf8(name)).toStdString();
    n.ml = ml;
    return n;
}

// 30 ml: 3 ml of one flavour, 5 ml of an 18 mg base, PG and VG.
RecipeNeeds recipe(const char* flavour, double flavourMl = 3) {
    RecipeNeeds r;
    r.mixable = true;
    r.volumeMl = 30;
    r.baseStrength = 18;
    r.ingredients = {need(SlotId::NicBase, "Base", 5), need(SlotId::PG, "", 10),
                     need(SlotId::VG, "", 12), need(SlotId::Flav1, flavour, flavourMl)};
    return r;
}

std::vector<Bottle> carriers() {
    return {bottle(BottleKind::NicotineBase, "Any name", 100, "", 18),
            bottle(BottleKind::PG, "USP PG", 500), bottle(BottleKind::VG, "", 500)};
}

} // namespace

TEST(StashMatch, TheRule) {
    struct Case {
        const char* what;
        RecipeNeeds needs;
        std::vector<Bottle> extra; // beside a base of 18 mg, PG and VG aplenty
        bool canMake;
        double maxMl;
        std::vector<const char*> missing;
    };
    RecipeNeeds unmixable = recipe("Lemon");
    unmixable.mixable = false;
    RecipeNeeds weakBase = recipe("Lemon");
    weakBase.baseStrength = 18.06;
    RecipeNeeds nearBase = recipe("Lemon");
    nearBase.baseStrength = 17.95;
    RecipeNeeds twoFlavours = recipe("Lemon");
    twoFlavours.ingredients.push_back(need(SlotId::Flav2, "Cream", 1));
    const std::vector<Case> cases = {
        {"case, accents and blanks",
         recipe("Crème  Brûlée "),
         {bottle(BottleKind::Flavour, "creme brulee", 3)},
         true,
         30,
         {}},
        {"a maker in brackets",
         recipe("Lemon (TPA)"),
         {bottle(BottleKind::Flavour, "Lemon", 6, "tpa")},
         true,
         60,
         {}},
        {"another maker's",
         recipe("Lemon (TPA)"),
         {bottle(BottleKind::Flavour, "Lemon", 6, "CAP")},
         false,
         0,
         {"Lemon (TPA)"}},
        {"the maker in the bottle's name",
         recipe("lemon(tpa)"),
         {bottle(BottleKind::Flavour, "Lemon (TPA)", 3)},
         true,
         30,
         {}},
        {"a name without a maker takes any maker's",
         recipe("Lemon"),
         {bottle(BottleKind::Flavour, "Lemon", 3, "CAP")},
         true,
         30,
         {}},
        {"two bottles of one name add up",
         recipe("Lemon"),
         {bottle(BottleKind::Flavour, "Lemon", 2), bottle(BottleKind::Flavour, "LEMON", 2, "TPA")},
         true,
         40,
         {}},
        {"a shortfall",
         recipe("Lemon"),
         {bottle(BottleKind::Flavour, "Lemon", 1)},
         false,
         10,
         {"Lemon"}},
        {"a flavour missing and another short",
         twoFlavours,
         {bottle(BottleKind::Flavour, "Cream", 0.5)},
         false,
         0,
         {"Lemon", "Cream"}},
        {"a base within 0.05 mg",
         nearBase,
         {bottle(BottleKind::Flavour, "Lemon", 3)},
         true,
         30,
         {}},
        {"a base further off",
         weakBase,
         {bottle(BottleKind::Flavour, "Lemon", 3)},
         false,
         0,
         {"Nicotine base 18.06 mg"}},
        {"a mix that cannot be made",
         unmixable,
         {bottle(BottleKind::Flavour, "Lemon", 30)},
         false,
         0,
         {}},
        {"a flavour bottle does not serve PG",
         recipe("Lemon"),
         {bottle(BottleKind::Flavour, "Lemon", 3), bottle(BottleKind::Flavour, "PG", 3)},
         true,
         30,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Bottle> bottles = carriers();
        bottles.insert(bottles.end(), c.extra.begin(), c.extra.end());
        const Makeable m = CanMake(c.needs, bottles);
        EXPECT_EQ(m.canMake, c.canMake);
        EXPECT_NEAR(m.maxMl, c.maxMl, 1e-9);
        std::vector<QString> names;
        for (const Shortfall& s : m.missing)
            names.push_back(s.name);
        std::vector<QString> expected;
        for (const char* n : c.missing)
            expected.push_back(QString::fromUtf8(n));
        EXPECT_EQ(names, expected);
    }

    // A shortfall says how much is needed and how much there is.
    std::vector<Bottle> bottles = carriers();
    bottles.push_back(bottle(BottleKind::Flavour, "Lemon", 1));
    const Makeable shortOne = CanMake(recipe("Lemon"), bottles);
    ASSERT_EQ(shortOne.missing.size(), 1u);
    EXPECT_EQ(shortOne.missing[0].slot, SlotId::Flav1);
    EXPECT_DOUBLE_EQ(shortOne.missing[0].needMl, 3);
    EXPECT_DOUBLE_EQ(shortOne.missing[0].onHandMl, 1);
}

TEST(StashMatch, NeedsComeFromTheCalculation) {
    using T = TextField;
    // 30 ml at 3 mg from 18 mg; Lemon twice (3 % and 2 %), Cream at 0 %, 70-30 mix.
    const MixRecipe lemons = MakeRecipe({{T::MixQty, "30"},
                                         {T::MixStrength, "3"},
                                         {T::BaseNicStrength, "18"},
                                         {T::Flav1Name, "Lemon"},
                                         {T::PctFlav1, "3"},
                                         {T::Flav2Name, "lemon "},
                                         {T::PctFlav2, "2"},
                                         {T::Flav3Name, "Cream"},
                                         {T::PctFlav3, "0"}},
                                        {{RatioField::MixNicPGVG, 3}});
    const RecipeNeeds n = NeedsOfMix(lemons, Recalculate(lemons));
    EXPECT_TRUE(n.mixable);
    EXPECT_DOUBLE_EQ(n.volumeMl, 30);
    EXPECT_DOUBLE_EQ(n.baseStrength, 18);
    std::vector<SlotId> slots;
    for (const IngredientNeed& i : n.ingredients)
        slots.push_back(i.slot);
    EXPECT_EQ(slots, (std::vector<SlotId>{SlotId::NicBase, SlotId::PG, SlotId::VG, SlotId::Flav1}));
    EXPECT_NEAR(n.ingredients[0].ml, 5, 1e-9);
    EXPECT_NEAR(n.ingredients[3].ml, 1.5, 1e-9); // both rows of Lemon, unrounded

    // Too much flavour for the ratio (a top-up below zero), and no volume: never makeable.
    const MixRecipe third = test::ThirdWorkedExample();
    const MixRecipe noVolume = MakeRecipe({{T::Flav1Name, "Lemon"}, {T::PctFlav1, "3"}});
    for (const MixRecipe& r : {third, noVolume}) {
        const RecipeNeeds cannot = NeedsOfMix(r, Recalculate(r));
        EXPECT_FALSE(cannot.mixable);
        EXPECT_FALSE(CanMake(cannot, std::vector<Bottle>{}).canMake);
    }
}

TEST(StashMatch, TheTableFollowsEveryEditAsAFreshLookWould) {
    std::mt19937 random(7);
    const char* flavours[] = {"Lemon", "Cream", "Lemon (TPA)", "Vanilla", "Mango"};
    std::vector<Bottle> bottles = carriers();
    MakeableTable table;
    for (int i = 0; i < 40; ++i) {
        RecipeNeeds r = recipe(flavours[random() % 5], 1 + random() % 4);
        r.baseStrength = random() % 2 ? 18 : 6;
        table.setRecipe("r" + std::to_string(i), r);
    }
    table.setBottles(bottles);
    table.removeRecipe("r3");
    EXPECT_FALSE(table.find("r3"));
    EXPECT_EQ(table.size(), 39u);
    // Each edit tells exactly the recipes whose figures it changed, and leaves every
    // recipe's figures as a fresh look at the whole stash gives them.
    const auto fresh = [&](const std::string& id) { return CanMake(*table.needsOf(id), bottles); };
    for (int step = 0; step < 300; ++step) {
        SCOPED_TRACE(step);
        const int what = bottles.empty() ? 0 : static_cast<int>(random() % 3);
        std::optional<Bottle> before, after;
        if (what == 0) {
            after =
                bottle(static_cast<BottleKind>(random() % BottleKindCount), flavours[random() % 5],
                       random() % 5, random() % 2 ? "TPA" : "", random() % 2 ? 18 : 6.04);
            bottles.push_back(*after);
        } else {
            const auto at =
                bottles.begin() + static_cast<std::ptrdiff_t>(random() % bottles.size());
            before = *at;
            if (what == 1) {
                bottles.erase(at);
            } else {
                after = *at;
                after->onHand = random() % 6;
                if (random() % 4 == 0)
                    after->name = QString::fromUtf8(flavours[random() % 5]);
                *at = *after;
            }
        }
        std::vector<MakeableTable::Id> expected;
        for (int i = 0; i < 40; ++i) {
            const std::string id = "r" + std::to_string(i);
            if (const std::optional<Makeable> m = table.find(id); m && !(*m == fresh(id)))
                expected.push_back(id);
        }
        std::vector<MakeableTable::Id> told =
            table.bottleChanged(before ? &*before : nullptr, after ? &*after : nullptr);
        std::sort(told.begin(), told.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(told, expected);
        for (int i = 0; i < 40; ++i) {
            const std::string id = "r" + std::to_string(i);
            if (const std::optional<Makeable> m = table.find(id)) {
                EXPECT_EQ(*m, fresh(id)) << id;
            }
        }
    }
}

TEST(StashMatch, OneBottleAwayOnASmallLibrary) {
    // Worked out by hand: the stash holds the carriers, 10 ml of Lemon and 1 ml of Cream.
    //   A: Lemon 3          can be made
    //   B: Cream 3          Cream short          -> Cream
    //   C: Cream 2, Mango 1 two short            -> none
    //   D: Mango 3          no Mango             -> Mango
    //   E: Mango 1          no Mango             -> Mango
    //   F: Lemon 3, base 6  no base of 6 mg      -> base 6 mg
    //   G: Cream 9          Cream short (8 ml)   -> Cream
    std::vector<Bottle> bottles = carriers();
    bottles.push_back(bottle(BottleKind::Flavour, "Lemon", 10));
    bottles.push_back(bottle(BottleKind::Flavour, "Cream", 1));
    RecipeNeeds c = recipe("Cream", 2);
    c.ingredients.push_back(need(SlotId::Flav2, "Mango", 1));
    RecipeNeeds f = recipe("Lemon");
    f.baseStrength = 6;
    const std::vector<RecipeNeeds> library = {recipe("Lemon"),   recipe("Cream"),    c,
                                              recipe("Mango"),   recipe("Mango", 1), f,
                                              recipe("Cream", 9)};
    const StashTotals stash(bottles);
    std::vector<Makeable> results;
    for (const RecipeNeeds& r : library)
        results.push_back(CanMake(r, stash));
    const std::vector<MissingBottle> away = OneBottleAway(results);
    ASSERT_EQ(away.size(), 3u);
    EXPECT_EQ(away[0].name, "Cream");
    EXPECT_EQ(away[0].recipes, 2);
    EXPECT_DOUBLE_EQ(away[0].shortMl, 8);
    EXPECT_EQ(away[0].which, (std::vector<std::size_t>{1, 6}));
    EXPECT_EQ(away[1].name, "Mango");
    EXPECT_EQ(away[1].recipes, 2);
    EXPECT_DOUBLE_EQ(away[1].shortMl, 3);
    EXPECT_EQ(away[2].name, "Nicotine base 6 mg");
    EXPECT_EQ(away[2].recipes, 1);
}

TEST(StashMatch, ShoppingListInMlAndWholeBottles) {
    std::vector<Bottle> bottles = carriers();
    Bottle lemon = bottle(BottleKind::Flavour, "Lemon", 2, "TPA");
    lemon.size = 10;
    lemon.price = 4;
    Bottle newerLemon = bottle(BottleKind::Flavour, "lemon", 0, "TPA");
    newerLemon.size = 15;
    newerLemon.price = 5.5;
    bottles.push_back(lemon);
    bottles.push_back(newerLemon);
    const StashTotals stash(bottles);
    // Lemon at 3 ml a 30 ml, made at 60 ml and 90 ml: 6 + 9 = 15 ml, 2 on hand: 13 short,
    // a bottle of the newest's 15 ml at its price. Cream was never owned: no size known.
    // PG: 10 + 10 + 30 needed of 500.
    RecipeNeeds withCream = recipe("Lemon");
    withCream.ingredients.push_back(need(SlotId::Flav2, "Cream", 1));
    RecipeNeeds unmixable = recipe("Lemon");
    unmixable.mixable = false;
    const RecipeNeeds plain = recipe("Lemon (TPA)");
    const ShoppingList list = MakeShoppingList(
        {{&plain, 60, "Plain"}, {&withCream, 90, "With cream"}, {&unmixable, 0, "Broken"}}, stash);
    ASSERT_EQ(list.items.size(), 3u);
    // "Lemon" and "Lemon (TPA)" are two ingredients: a recipe's Lemon takes any maker's.
    EXPECT_EQ(list.items[0].name, "Cream");
    EXPECT_DOUBLE_EQ(list.items[0].shortMl, 3);
    EXPECT_EQ(list.items[0].bottles, 0);
    EXPECT_EQ(list.items[1].name, "Lemon");
    EXPECT_DOUBLE_EQ(list.items[1].needMl, 9);
    EXPECT_DOUBLE_EQ(list.items[1].shortMl, 7);
    EXPECT_EQ(list.items[1].bottles, 1);
    EXPECT_DOUBLE_EQ(list.items[1].bottleMl, 15);
    EXPECT_DOUBLE_EQ(list.items[1].price, 5.5);
    EXPECT_EQ(list.items[2].name, "Lemon (TPA)");
    EXPECT_DOUBLE_EQ(list.items[2].shortMl, 4);
    EXPECT_EQ(list.unmixable, QStringList{"Broken"});
    EXPECT_DOUBLE_EQ(list.cost(), 11);
    EXPECT_TRUE(ShoppingListText(list).contains("Lemon: 7 ml short (9 ml needed, 2 ml on hand), "
                                                "1 bottle(s) of 15 ml at 5.5"))
        << ShoppingListText(list).toStdString();
    EXPECT_EQ(ShoppingListCsv(list).substr(0, 11), "Ingredient,");

    // Exactly a bottle's worth short is one bottle, not two.
    Bottle pg = bottle(BottleKind::PG, "", 0);
    pg.size = 10;
    const RecipeNeeds onlyPg = recipe("Lemon");
    const ShoppingList exact =
        MakeShoppingList({{&onlyPg, 0, "Exact"}}, StashTotals({pg, bottles[0], bottles[2]}));
    const auto pgItem = std::find_if(exact.items.begin(), exact.items.end(),
                                     [](const ShoppingItem& i) { return i.name == "PG"; });
    ASSERT_NE(pgItem, exact.items.end());
    EXPECT_EQ(pgItem->bottles, 1);
}
