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

} // namespace kovaq::test
