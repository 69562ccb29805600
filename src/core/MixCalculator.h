// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "MixResult.h"
#include "Recipe.h"

#include <array>

namespace kovaq {

// Volumes shown with two decimals under "Hi Precision", else one.
inline int VolumeDecimalsFor(bool hiPrecision) {
    return hiPrecision ? 2 : 1;
}

// How far from zero a computed volume may be and still count as zero: far below anything
// shown, far above the rounding of binary fractions.
double RoundingNoise(double mixQty);

// The numbers of a mix, read from its texts once.
struct MixInputs {
    double mixQty = 0;
    double baseStrength = 0;
    double mixStrength = 0;
    int basePg = 0; // PgPercent of the base's carrier
    int mixPg = 0;  // PgPercent asked of the mix
    // F1..F8 then Vodka/Water: share of the mix in percent, and the carrier's PgPercent
    // (-1 for a flavour at " none" and for vodka/water: neither PG nor VG).
    std::array<double, FlavourCount + 1> percent{};
    std::array<int, FlavourCount + 1> carrierPg{};
};
MixInputs ReadInputs(const MixRecipe& recipe);

// The volumes of a mix, unrounded, and whether it can be made: the numeric heart of
// Recalculate (the base, the flavours, the PG and VG carried and topped up, the strength
// check), shared with the figures of what could be made instead.
struct MixQuantities {
    double baseVolume = 0;
    std::array<double, FlavourCount + 1> volume{};
    double pgCarried = 0;
    double vgCarried = 0;
    double otherVolume = 0;
    double pgTopUp = 0; // within rounding noise of zero, zero
    double vgTopUp = 0;
    bool tooStrong = false;

    bool canBeMade() const { return !tooStrong && pgTopUp >= 0 && vgTopUp >= 0; }
};
MixQuantities ComputeQuantities(const MixInputs& in);

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
