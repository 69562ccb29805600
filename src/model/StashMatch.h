// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// What can be made from the stash, what one more bottle would make possible, and what to
// buy for a set of recipes. Pure and widget-free: the Recipes window, its lists and
// kovaq-calc bind to these.
//
// The rule: a recipe can be made when every ingredient its volumes need is on hand — a
// flavour from flavour bottles of the same name (FlavourKey), the nicotine base from base
// bottles of the recipe's strength (within 0.05 mg), PG, VG and vodka/water from any
// bottle of the kind — what the bottles serving one ingredient hold added up. A mix the
// calculation cannot make (a top-up below zero, volumes pending) is never one that can be.

#include "RecipeNeeds.h"
#include "StashStore.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kovaq {

// Base bottles serve a recipe whose base strength is this close to theirs.
inline constexpr double BaseStrengthTolerance = 0.05;

// What serves one ingredient, the same for every recipe: a flavour's key, or the kind (and
// for a base, its strength).
struct Ingredient {
    BottleKind kind = BottleKind::Flavour;
    std::string key;        // a flavour's FlavourKey
    double strength = 0;    // a base's, mg/ml
    std::string id() const; // one text for grouping: equal for the same ingredient
    bool operator==(const Ingredient&) const = default;
};
Ingredient IngredientOf(const IngredientNeed& need, double baseStrength);
// How a person reads it: the flavour's name, "Nicotine base 18 mg", "PG".
QString IngredientName(const Ingredient& ingredient, const QString& recipeName = {});

// The stash read for matching: what is on hand for each ingredient, ready to be asked
// many times. A bottle added, changed or removed is followed by remove() and add().
class StashTotals {
  public:
    StashTotals() = default;
    explicit StashTotals(const std::vector<Bottle>& bottles);
    void add(const Bottle& bottle);
    void remove(std::int64_t bottleId);

    double onHand(const Ingredient& ingredient) const;
    // What is on hand for one need of a recipe with a base of that strength.
    double onHandFor(const IngredientNeed& need, double baseStrength) const;
    double onHandFor(SlotId slot, const std::string& key, double baseStrength) const;
    // The newest bottle serving it that has a size, for what to buy; null when none has.
    const Bottle* newestSized(const Ingredient& ingredient) const;
    // The ingredient ids a bottle serves: a flavour under its name and under its name
    // with its maker; every base, PG, VG or vodka/water recipe for the others.
    static std::vector<std::string> servedBy(const Bottle& bottle);

  private:
    struct Pool {
        std::vector<std::int64_t> bottles; // kept in m_bottles
        double total = 0;
    };
    void put(const Bottle& bottle);
    const Pool* poolOf(const Ingredient& ingredient) const;
    std::unordered_map<std::string, Pool> m_pools; // by Ingredient::id, bases excepted
    std::vector<Bottle> m_bases;
    std::unordered_map<std::int64_t, Bottle> m_bottles; // by id, to be followed
};

// One ingredient that is short.
struct Shortfall {
    SlotId slot = SlotId::PG;
    Ingredient ingredient;
    QString name; // as IngredientName gives it
    double needMl = 0;
    double onHandMl = 0;
    bool operator==(const Shortfall&) const = default;
};

struct Makeable {
    bool canMake = false;
    // The recipe's volume times the smallest share of its needs on hand: more than its
    // volume when the stash holds enough for more; 0 for a mix that cannot be made.
    double maxMl = 0;
    std::vector<Shortfall> missing;
    bool operator==(const Makeable&) const = default;
};

Makeable CanMake(const RecipeNeeds& needs, const StashTotals& stash);
// Within what the calculation counts as zero, the need is met.
bool EnoughOnHand(double onHand, double need);
// The most that can be made, from the smallest share on hand of what is needed.
double MostToMake(double volumeMl, double ratio, bool canMake);
inline Makeable CanMake(const RecipeNeeds& needs, const std::vector<Bottle>& bottles) {
    return CanMake(needs, StashTotals(bottles));
}

// A bottle the user does not have, or has too little of, and the recipes it alone keeps
// from being made.
struct MissingBottle {
    Ingredient ingredient;
    QString name;
    int recipes = 0;
    double shortMl = 0;             // the most any of them is short
    std::vector<std::size_t> which; // places in the results given
};
// Most recipes first, then by name.
std::vector<MissingBottle> OneBottleAway(const std::vector<Makeable>& results);

// What to buy for some recipes, each made in some amount.
struct ShoppingItem {
    Ingredient ingredient;
    QString name;
    double needMl = 0;
    double onHandMl = 0;
    double shortMl = 0;
    // In whole bottles of the size of the newest bottle of it in the stash, at its price;
    // 0 and 0 when the stash knows no size for it.
    double bottleMl = 0;
    int bottles = 0;
    double price = 0; // of one bottle
    double cost() const { return bottles * price; }
};
struct ShoppingOrder {
    const RecipeNeeds* needs = nullptr;
    double ml = 0; // how much of it to make; 0 for its own volume
    QString name;  // for what is said about it
};
struct ShoppingList {
    std::vector<ShoppingItem> items; // what is short, by name
    QStringList unmixable;           // recipes the calculation cannot make, left out
    double cost() const;
};
ShoppingList MakeShoppingList(const std::vector<ShoppingOrder>& orders, const StashTotals& stash);
// As text to copy or print (one item a line) and as CSV (UTF-8, a header row).
QString ShoppingListText(const ShoppingList& list);
std::string ShoppingListCsv(const ShoppingList& list);

} // namespace kovaq
