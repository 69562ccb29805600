// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Weights.h"

#include "Numbers.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kovaq {
namespace {

constexpr std::array<std::string_view, GravityKeyCount> kKeys = {
    "PG",    "VG",    "Nicotine", "Flav1", "Flav2", "Flav3",
    "Flav4", "Flav5", "Flav6",    "Flav7", "Flav8", "Vodka/Water"};

constexpr std::string_view kNoGrams = "\xE2\x80\x94"; // an em dash

} // namespace

std::string_view GravityFileKey(GravityKey k) {
    return kKeys[index(k)];
}

std::optional<double> ValidGravity(std::string_view text) {
    const auto value = ParseWholeNumber(text);
    if (!value || !(*value >= MinGravity && *value <= MaxGravity))
        return std::nullopt;
    return value;
}

double CarrierGravity(double pgPercent, double pg, double vg) {
    return (pgPercent * pg + (100.0 - pgPercent) * vg) / 100.0;
}

std::string GramsText(double grams) {
    const double rounded = RoundDecimals(grams, 2);
    // Never the C locale's separator: the desktop's may be a comma.
    char buf[400];
    const auto end = std::to_chars(buf, buf + sizeof buf, rounded == 0.0 ? 0.0 : rounded,
                                   std::chars_format::fixed, 2);
    return std::string(buf, end.ptr);
}

WeightResult ComputeWeights(const MixRecipe& recipe, const MixResult& result) {
    WeightResult w;
    const auto& g = recipe.Gravity;
    auto user = [&](GravityKey k) { return ValidGravity(g[index(k)]); };
    const double pg = user(GravityKey::PG).value_or(PgGravity);
    const double vg = user(GravityKey::VG).value_or(VgGravity);
    const double nicotine = user(GravityKey::Nicotine).value_or(NicotineGravity);

    w.defaults[index(GravityKey::PG)] = PgGravity;
    w.defaults[index(GravityKey::VG)] = VgGravity;
    w.defaults[index(GravityKey::Nicotine)] = NicotineGravity;
    w.defaults[index(GravityKey::VodkaWater)] = WaterGravity;

    auto set = [&](SlotId s, double gravity, bool isDefault) {
        w.slots[index(s)].gravity = gravity;
        w.slots[index(s)].gravityIsDefault = isDefault;
    };

    // The base: nicotine at its volume fraction, the rest its carrier.
    const double strength = ParseNumber(recipe[TextField::BaseNicStrength]);
    const double f = strength / PureNicotineMgPerMl;
    const double baseCarrier = CarrierGravity(recipe[RatioField::BaseNicPGVG].PgPercent, pg, vg);
    set(SlotId::NicBase, f * nicotine + (1.0 - f) * baseCarrier,
        !user(GravityKey::Nicotine) && !user(GravityKey::PG) && !user(GravityKey::VG));
    set(SlotId::PG, pg, !user(GravityKey::PG));
    set(SlotId::VG, vg, !user(GravityKey::VG));
    for (std::size_t i = 0; i < FlavourCount; ++i) {
        const GravityKey key = gravityKeyAt(index(GravityKey::Flav1) + i);
        const int p = recipe[flavourRatio(i)].PgPercent;
        const double fallback = p < 0 ? WaterGravity : CarrierGravity(p, pg, vg);
        w.defaults[index(key)] = fallback;
        const auto own = user(key);
        set(flavourSlot(i), own.value_or(fallback), !own);
    }
    const auto water = user(GravityKey::VodkaWater);
    set(SlotId::VodkaWater, water.value_or(WaterGravity), !water);

    // Grams, and what the scale reads as each slot goes in, in the order of the table.
    bool stopped = false;
    double running = 0;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        SlotWeight& s = w.slots[i];
        const double volume = result.slots[i].Volume;
        s.warn = result.slots[i].VolumeWarn;
        s.grams = volume * s.gravity;
        if (volume < 0) {
            // A top-up that cannot be poured cannot be weighed: the weighing stops here.
            s.gramsText = std::string(kNoGrams);
            stopped = true;
            continue;
        }
        s.gramsText = GramsText(s.grams);
        w.totalGrams += s.grams;
        if (volume == 0 || stopped)
            continue; // nothing to weigh
        running += s.grams;
        s.scaleText = GramsText(running);
    }
    w.totalGramsText = stopped ? std::string(kNoGrams) : GramsText(w.totalGrams);
    return w;
}

} // namespace kovaq
