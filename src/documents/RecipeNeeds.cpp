// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeNeeds.h"

#include "FlavourName.h"
#include "MixCalculator.h"
#include "Numbers.h"
#include "QtText.h"

#include <algorithm>
#include <cmath>

namespace kovaq {

RecipeNeeds NeedsOfMix(const MixRecipe& recipe, const MixResult& result) {
    RecipeNeeds needs;
    const MixInputs in = ReadInputs(recipe);
    needs.volumeMl = in.mixQty;
    needs.baseStrength = in.baseStrength;
    needs.mixable = result.VolumesOk && in.mixQty > 0;
    if (!needs.mixable)
        return needs;
    const double noise = RoundingNoise(in.mixQty);
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId slot = slotAt(i);
        const double ml = result.slots[i].Volume;
        if (!std::isfinite(ml) || ml <= noise)
            continue;
        IngredientNeed need;
        need.slot = slot;
        need.ml = ml;
        if (isFlavour(slot) || slot == SlotId::NicBase) {
            const std::string& name = recipe[*NameField(slot)];
            need.name = ToUtf8(ToQString(name).trimmed());
        }
        if (isFlavour(slot)) {
            need.key = ToUtf8(FlavourKey(ToQString(need.name)));
            // The same flavour in two rows is poured from the same bottles.
            const auto same = std::find_if(
                needs.ingredients.begin(), needs.ingredients.end(), [&](const IngredientNeed& n) {
                    return isFlavour(n.slot) && !need.key.empty() && n.key == need.key;
                });
            if (same != needs.ingredients.end()) {
                same->ml += ml;
                continue;
            }
        }
        needs.ingredients.push_back(std::move(need));
    }
    return needs;
}

} // namespace kovaq
