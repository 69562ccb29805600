// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "MixResult.h"
#include "Recipe.h"

#include <string>
#include <vector>

namespace kovaq {

// One ingredient a recipe takes from the stash.
struct IngredientNeed {
    SlotId slot = SlotId::PG; // the first of its rows: a flavour in two rows is one need
    std::string name;         // as the recipe names it (UTF-8); empty for PG, VG, vodka/water
    std::string key;          // a flavour's FlavourKey, folded once when the recipe is read
    double ml = 0;            // unrounded, as the calculation gives it
    bool operator==(const IngredientNeed&) const = default;
};

// What a recipe takes from the stash to be made at its own volume: small and plain, so that
// a list of recipes can keep it beside each one.
struct RecipeNeeds {
    bool mixable = false; // the calculation says it can be made at all ("Volumes OK")
    double volumeMl = 0;
    double baseStrength = 0; // mg/ml of the base the recipe asks for
    std::vector<IngredientNeed> ingredients;
    bool operator==(const RecipeNeeds&) const = default;
};

// The needs of a mix from its calculation: every row with something to pour, flavours of
// one name added up; a row it needs none of is not asked for.
RecipeNeeds NeedsOfMix(const MixRecipe& recipe, const MixResult& result);

} // namespace kovaq
