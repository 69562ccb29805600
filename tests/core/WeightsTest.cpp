// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Weights.h"
#include "MixCalculator.h"
#include "RecipeBuilder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace kovaq;
using T = TextField;
using R = RatioField;
using G = GravityKey;

namespace {

MixRecipe recipe(const std::map<T, std::string>& texts, const std::map<R, int>& ratios,
                 const std::map<G, std::string>& gravities = {}) {
    MixRecipe r = test::MakeRecipe(texts, ratios);
    for (const auto& [key, text] : gravities)
        r.Gravity[index(key)] = text;
    return r;
}

struct WeightCase {
    const char* name;
    MixRecipe recipe;
    // Slot, grams shown, scale shown; slots left out show "0.00" and no scale.
    std::vector<std::tuple<SlotId, std::string, std::string>> rows;
    std::string total;
};

void PrintTo(const WeightCase& c, std::ostream* os) {
    *os << c.name;
}

class Weighing : public ::testing::TestWithParam<WeightCase> {};

// Every figure below is worked out by hand from PG 1.036, VG 1.261, nicotine 1.010 and
// water 1.000 g/ml: grams = ml x gravity, a carrier of PG share p has
// (p x 1.036 + (100 - p) x 1.261) / 100, a base of S mg/ml has S/1010 of nicotine.
const WeightCase kCases[] = {
    // 30 ml at 12 mg from a 36 mg 50-50 base, 70-30, F1 10 % at PG: the base is
    // 0.035644 x 1.010 + 0.964356 x 1.1485 = 1.143563 g/ml, 10 ml of it 11.4356 g.
    {"WorkedExample",
     recipe({{T::MixQty, "30"},
             {T::MixStrength, "12"},
             {T::BaseNicStrength, "36"},
             {T::PctFlav1, "10"}},
            {{R::BaseNicPGVG, 5}, {R::MixNicPGVG, 3}}),
     {{SlotId::NicBase, "11.44", "11.44"},
      {SlotId::PG, "13.47", "24.90"},    // 13 x 1.036 = 13.468
      {SlotId::VG, "5.04", "29.95"},     // 4 x 1.261 = 5.044
      {SlotId::Flav1, "3.11", "33.06"}}, // 3 x 1.036 = 3.108
     "33.06"},
    // No nicotine, 30 ml at 70-30: F1 10 % carried in VG (3 ml x 1.261), F2 5 % without
    // PG or VG (1.5 ml of water), vodka/water 10 % (3 ml). The PG and VG share 25.5 ml:
    // PG 17.85 ml, VG 7.65 - 3 = 4.65 ml.
    {"VgFlavourAndNone",
     recipe({{T::MixQty, "30"}, {T::PctFlav1, "10"}, {T::PctFlav2, "5"}, {T::PctVodkaWater, "10"}},
            {{R::MixNicPGVG, 3}, {R::Flav1NicPGVG, 10}, {R::Flav2NicPGVG, 11}}),
     {{SlotId::PG, "18.49", "18.49"},   // 17.85 x 1.036 = 18.4926
      {SlotId::VG, "5.86", "24.36"},    // 4.65 x 1.261 = 5.86365
      {SlotId::Flav1, "3.78", "28.14"}, // 3 x 1.261 = 3.783
      {SlotId::Flav2, "1.50", "29.64"},
      {SlotId::VodkaWater, "3.00", "32.64"}},
     "32.64"},
    // A 100 mg base in VG: 100/1010 = 0.0990099 nicotine, so
    // 0.0990099 x 1.010 + 0.9009901 x 1.261 = 1.2361485 g/ml. 10 ml at 12 mg, 50-50: base
    // 1.2 ml (1.48338 g), PG 5 ml, VG 5 - 1.2 = 3.8 ml.
    {"StrongBaseInVg",
     recipe({{T::MixQty, "10"}, {T::MixStrength, "12"}, {T::BaseNicStrength, "100"}},
            {{R::BaseNicPGVG, 10}, {R::MixNicPGVG, 5}}),
     {{SlotId::NicBase, "1.48", "1.48"},
      {SlotId::PG, "5.18", "6.66"},   // 5 x 1.036
      {SlotId::VG, "4.79", "11.46"}}, // 3.8 x 1.261 = 4.7918; 11.455178 in all
     "11.46"},
    // The worked example with the user's PG 1.04, VG 1.26, nicotine 1.5 and F1 0.9: the base
    // is 0.035644 x 1.5 + 0.964356 x 1.15 = 1.162475 g/ml.
    {"Overrides",
     recipe({{T::MixQty, "30"},
             {T::MixStrength, "12"},
             {T::BaseNicStrength, "36"},
             {T::PctFlav1, "10"}},
            {{R::BaseNicPGVG, 5}, {R::MixNicPGVG, 3}},
            {{G::PG, "1.04"},
             {G::VG, "1.26"},
             {G::Nicotine, "1.5"},
             {G::Flav1, "0.9"},
             {G::Flav2, "3"},
             {G::VodkaWater, "abc"}}), // out of range, no number: defaults
     {{SlotId::NicBase, "11.62", "11.62"},
      {SlotId::PG, "13.52", "25.14"},    // 13 x 1.04
      {SlotId::VG, "5.04", "30.18"},     // 4 x 1.26
      {SlotId::Flav1, "2.70", "32.88"}}, // 3 x 0.9
     "32.88"},
    // The third worked example cannot be made: PG is -1.925 ml, so it has no grams and the
    // scale stops there. Base: 5 ml of an 18 mg PG base, 0.017822 x 1.010 + 0.982178 x
    // 1.036 = 1.035537 g/ml.
    {"CannotBeMade",
     test::ThirdWorkedExample(),
     {{SlotId::NicBase, "5.18", "5.18"},
      {SlotId::PG, "\xE2\x80\x94", ""},
      {SlotId::VG, "11.25", ""},   // 8.925 x 1.261 = 11.254425
      {SlotId::Flav1, "0.78", ""}, // 0.75 x 1.036 = 0.777
      {SlotId::Flav2, "0.75", ""},
      {SlotId::VodkaWater, "1.50", ""}},
     "\xE2\x80\x94"},
};

} // namespace

TEST_P(Weighing, ShowsGramsAndWhatTheScaleReads) {
    const WeightCase& c = GetParam();
    const MixResult result = Recalculate(c.recipe);
    const WeightResult w = ComputeWeights(c.recipe, result);
    std::map<SlotId, std::pair<std::string, std::string>> expected;
    for (const auto& [slot, grams, scale] : c.rows)
        expected[slot] = {grams, scale};
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const auto it = expected.find(slotAt(i));
        const std::string grams = it == expected.end() ? "0.00" : it->second.first;
        const std::string scale = it == expected.end() ? "" : it->second.second;
        EXPECT_EQ(w.slots[i].gramsText, grams) << SlotName(slotAt(i));
        EXPECT_EQ(w.slots[i].scaleText, scale) << SlotName(slotAt(i));
        EXPECT_EQ(w.slots[i].warn, result.slots[i].VolumeWarn);
    }
    EXPECT_EQ(w.totalGramsText, c.total);
}

INSTANTIATE_TEST_SUITE_P(Weights, Weighing, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Weights, GravitiesAndTheirDefaults) {
    const MixRecipe r = kCases[3].recipe; // the user's own gravities
    const WeightResult w = ComputeWeights(r, Recalculate(r));
    EXPECT_DOUBLE_EQ(w[SlotId::PG].gravity, 1.04);
    EXPECT_FALSE(w[SlotId::PG].gravityIsDefault);
    // "3" is refused: F2 weighs as its carrier, PG, at the user's 1.04.
    EXPECT_DOUBLE_EQ(w[SlotId::Flav2].gravity, 1.04);
    EXPECT_TRUE(w[SlotId::Flav2].gravityIsDefault);
    EXPECT_DOUBLE_EQ(w[SlotId::VodkaWater].gravity, 1.0);
    EXPECT_DOUBLE_EQ(w.defaults[index(G::Flav1)], 1.04);
    EXPECT_DOUBLE_EQ(w.defaults[index(G::PG)], 1.036); // what "Defaults" goes back to
    for (const char* bad : {"", "0.49", "2.01", "-1", "1.0.1", "x", "nan", "inf"})
        EXPECT_FALSE(ValidGravity(bad).has_value()) << bad;
    for (const char* good : {"0.5", "2", "1.036", " 1.2 ", "1.5e0"})
        EXPECT_TRUE(ValidGravity(good).has_value()) << good;
    EXPECT_EQ(GramsText(5.4), "5.40");
    EXPECT_EQ(GramsText(0.004), "0.00");
    EXPECT_EQ(GramsText(-0.001), "0.00");
    EXPECT_EQ(GravityFileKey(G::VodkaWater), "Vodka/Water");
}
