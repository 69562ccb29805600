#pragma once

#include "MixResult.h"
#include "Recipe.h"

namespace kovaq {

// Volumes shown with two decimals under "Hi Precision", else one.
inline int VolumeDecimalsFor(bool hiPrecision) {
    return hiPrecision ? 2 : 1;
}

// How far from zero a computed volume may be and still count as zero: far below anything
// shown, far above the rounding of binary fractions.
double RoundingNoise(double mixQty);

// Turns a recipe into volumes, costs and status. Pure: the previous result is read only
// for the values a run leaves as they were (the warnings of ignored costs).
MixResult Recalculate(const MixRecipe& recipe, int volumeDecimals, const MixResult& previous);
inline MixResult Recalculate(const MixRecipe& recipe, int volumeDecimals) {
    return Recalculate(recipe, volumeDecimals, MixResult{});
}
inline MixResult Recalculate(const MixRecipe& recipe) {
    return Recalculate(recipe, VolumeDecimalsFor(recipe.HiPrecision));
}

} // namespace kovaq
