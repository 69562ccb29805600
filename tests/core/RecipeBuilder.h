// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Recipe.h"

#include <map>
#include <string>

namespace kovaq::test {

// Chooses a ratio as the window's pick does: position, share and text.
inline void SetRatio(MixRecipe& r, RatioField field, int position) {
    r[field].position = position;
    SetPgPercentFromChoice(r[field]);
    RefreshRatioText(r[field]);
}

// A fresh mix (every ratio at "  PG") with these texts and ratios.
inline MixRecipe MakeRecipe(const std::map<TextField, std::string>& texts,
                            const std::map<RatioField, int>& ratios = {}) {
    MixRecipe r = FreshMix();
    for (const auto& [field, text] : texts)
        r[field] = text;
    for (const auto& [field, position] : ratios)
        SetRatio(r, field, position);
    return r;
}

// The third worked example: 15 ml at 6 mg from an 18 mg PG base, 30-70, F1 5 % at PG, F2 5 %
// without PG or VG, vodka/water 10 %. It cannot be made: the PG top-up is -1.925 ml.
inline MixRecipe ThirdWorkedExample() {
    return MakeRecipe({{TextField::MixQty, "15"},
                       {TextField::MixStrength, "6"},
                       {TextField::BaseNicStrength, "18"},
                       {TextField::PctFlav1, "5"},
                       {TextField::PctFlav2, "5"},
                       {TextField::PctVodkaWater, "10"}},
                      {{RatioField::BaseNicPGVG, 0},
                       {RatioField::MixNicPGVG, 7},
                       {RatioField::Flav2NicPGVG, 11}});
}

} // namespace kovaq::test
