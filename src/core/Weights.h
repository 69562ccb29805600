// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "MixResult.h"
#include "Recipe.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kovaq {

// Specific gravities (g/ml) at room temperature, as defaults.
inline constexpr double PgGravity = 1.036;
inline constexpr double VgGravity = 1.261;
inline constexpr double NicotineGravity = 1.010;
inline constexpr double WaterGravity = 1.000; // vodka/water, and a flavour without PG or VG
// Nicotine takes a volume fraction of strength / 1010: pure nicotine is 1010 mg per ml.
inline constexpr double PureNicotineMgPerMl = 1010.0;
inline constexpr double MinGravity = 0.5;
inline constexpr double MaxGravity = 2.0;

// The gravities a user may set: PG, VG, pure nicotine, each flavour and vodka/water. Their
// keys in the recipe file's [Weights] section are these names.
enum class GravityKey {
    PG,
    VG,
    Nicotine,
    Flav1,
    Flav2,
    Flav3,
    Flav4,
    Flav5,
    Flav6,
    Flav7,
    Flav8,
    VodkaWater
};
inline constexpr std::size_t GravityKeyCount = 12;
constexpr std::size_t index(GravityKey k) {
    return static_cast<std::size_t>(k);
}
constexpr GravityKey gravityKeyAt(std::size_t i) {
    return static_cast<GravityKey>(i);
}
std::string_view GravityFileKey(GravityKey k); // "PG", "Nicotine", "Flav3", "Vodka/Water"

// A gravity the user typed, when it is one: a number from 0.5 to 2.0. Anything else (empty
// included) means the default.
std::optional<double> ValidGravity(std::string_view text);

// The gravity of a carrier of PG share p (percent).
double CarrierGravity(double pgPercent, double pg, double vg);

struct SlotWeight {
    double gravity = 0;           // g/ml
    bool gravityIsDefault = true; // no valid value of the user's is in play
    double grams = 0;             // unrounded volume x gravity
    std::string gramsText;        // "5.40", or "—" for a volume that cannot be poured
    std::string scaleText;        // what the scale reads once this slot is in; "" if skipped
    bool warn = false;            // red, as in the volumes group
};

struct WeightResult {
    std::array<SlotWeight, SlotCount> slots{};
    double totalGrams = 0;
    std::string totalGramsText; // "33.06", or "—" when the mix cannot be made
    // The defaults the user's gravities stand in for (shown greyed while unset).
    std::array<double, GravityKeyCount> defaults{};

    const SlotWeight& operator[](SlotId s) const { return slots[index(s)]; }
};

// Grams of every slot and the weighing order of a scale, from a recipe and its calculation.
// Pure: the same recipe and result always give the same weights.
WeightResult ComputeWeights(const MixRecipe& recipe, const MixResult& result);

// Exactly two decimals, as a scale shows them ("5.40").
std::string GramsText(double grams);

} // namespace kovaq
