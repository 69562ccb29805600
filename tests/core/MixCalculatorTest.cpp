// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MixCalculator.h"
#include "EntryRules.h"
#include "Numbers.h"
#include "RecipeBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace kovaq;

namespace {

MixRecipe recipe(const std::map<TextField, std::string>& texts,
                 const std::map<RatioField, int>& ratios = {}) {
    return test::MakeRecipe(texts, ratios);
}

std::vector<std::string> volumeTexts(const MixResult& r) {
    std::vector<std::string> out;
    for (const SlotResult& s : r.slots)
        out.push_back(s.VolumeText);
    return out;
}

std::vector<std::string> costTexts(const MixResult& r) {
    std::vector<std::string> out;
    for (const SlotResult& s : r.slots)
        out.push_back(s.MixCostText);
    return out;
}

using T = TextField;
using R = RatioField;

// The first worked example: 30 ml at 12 mg from a 36 mg 50-50 base, 70-30, F1 10% PG.
MixRecipe thirtyMl() {
    return recipe({{T::MixQty, "30"},
                   {T::MixStrength, "12"},
                   {T::BaseNicStrength, "36"},
                   {T::PctFlav1, "10"},
                   {T::Flav1Name, "Lemon"},
                   {T::NicBaseCost, "6"},
                   {T::NicBaseQty, "30"},
                   {T::PGCost, "9.5"},
                   {T::PGQty, "500"},
                   {T::VGQty, "500"},
                   {T::Flav1Cost, "0"}},
                  {{R::BaseNicPGVG, 5}, {R::MixNicPGVG, 3}});
}

} // namespace

struct VolumeCase {
    const char* name;
    MixRecipe recipe;
    int decimals;
    std::vector<std::string> volumes; // NicBase, PG, VG, F1..F8, Vodka/Water
    bool pgWarn, vgWarn, baseWarn;
    bool tooStrong, cannotBeAchieved, beep;
    std::string volStatus;
};

void PrintTo(const VolumeCase& c, std::ostream* os) {
    *os << c.name;
}

class VolumeExamples : public ::testing::TestWithParam<VolumeCase> {};

TEST_P(VolumeExamples, ShowsTheWorkedVolumes) {
    const VolumeCase& c = GetParam();
    const MixResult r = Recalculate(c.recipe, c.decimals);
    EXPECT_EQ(volumeTexts(r), c.volumes);
    EXPECT_EQ(r[SlotId::PG].VolumeWarn, c.pgWarn);
    EXPECT_EQ(r[SlotId::VG].VolumeWarn, c.vgWarn);
    EXPECT_EQ(r[SlotId::NicBase].VolumeWarn, c.baseWarn);
    EXPECT_EQ(r.TooStrong, c.tooStrong);
    EXPECT_EQ(r.CannotBeAchieved, c.cannotBeAchieved);
    EXPECT_EQ(r.ShowCannotBeAchieved, c.cannotBeAchieved);
    EXPECT_EQ(r.Beep, c.beep);
    EXPECT_EQ(r.MissingMarks.contains(T::MixStrength), c.tooStrong);
    EXPECT_EQ(r.VolStatusText, c.volStatus);
}

const std::vector<std::string> kZeros(12, "0");

std::vector<std::string> vols(std::initializer_list<std::pair<SlotId, const char*>> set) {
    std::vector<std::string> v(12, "0");
    for (auto [slot, text] : set)
        v[index(slot)] = text;
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Recalculate, VolumeExamples,
    ::testing::Values(
        VolumeCase{"ThirtyMl", thirtyMl(), 2,
                   vols({{SlotId::NicBase, "10"},
                         {SlotId::PG, "13"},
                         {SlotId::VG, "4"},
                         {SlotId::Flav1, "3"}}),
                   false, false, false, false, false, false, "Volumes OK"},
        // 10.1 shown in all: PG is the larger top-up and takes the correction.
        VolumeCase{"TenMlCorrectedToFivePointFour",
                   recipe({{T::MixQty, "10"},
                           {T::MixStrength, "3"},
                           {T::BaseNicStrength, "24"},
                           {T::PctFlav1, "3"},
                           {T::PctFlav2, "3"},
                           {T::PctFlav3, "3"}},
                          {{R::BaseNicPGVG, 5}, {R::MixNicPGVG, 3}}),
                   1,
                   vols({{SlotId::NicBase, "1.3"},
                         {SlotId::PG, "5.4"},
                         {SlotId::VG, "2.4"},
                         {SlotId::Flav1, "0.3"},
                         {SlotId::Flav2, "0.3"},
                         {SlotId::Flav3, "0.3"}}),
                   false, false, false, false, false, false, "Volumes OK"},
        // At two decimals 5.475 is just below the half in binary and shows 5.47.
        VolumeCase{"TenMlHiPrecision",
                   recipe({{T::MixQty, "10"},
                           {T::MixStrength, "3"},
                           {T::BaseNicStrength, "24"},
                           {T::PctFlav1, "3"},
                           {T::PctFlav2, "3"},
                           {T::PctFlav3, "3"}},
                          {{R::BaseNicPGVG, 5}, {R::MixNicPGVG, 3}}),
                   2,
                   vols({{SlotId::NicBase, "1.25"},
                         {SlotId::PG, "5.47"},
                         {SlotId::VG, "2.38"},
                         {SlotId::Flav1, "0.3"},
                         {SlotId::Flav2, "0.3"},
                         {SlotId::Flav3, "0.3"}}),
                   false, false, false, false, false, false, "Volumes OK"},
        // Negative PG rounds towards zero (-1.925 -> -1.8); VG takes the correction.
        VolumeCase{"FifteenMlCannotBeAchieved", test::ThirdWorkedExample(), 1,
                   vols({{SlotId::NicBase, "5"},
                         {SlotId::PG, "-1.8"},
                         {SlotId::VG, "8.7"},
                         {SlotId::Flav1, "0.8"},
                         {SlotId::Flav2, "0.8"},
                         {SlotId::VodkaWater, "1.5"}}),
                   true, false, false, false, true, false, "Vols Pending"},
        // 20.1 mg from 20 mg gives 10.05 ml: inside the 0.1 ml tolerance.
        VolumeCase{"WithinStrengthTolerance",
                   recipe({{T::MixQty, "10"}, {T::MixStrength, "20.1"}, {T::BaseNicStrength, "20"}},
                          {{R::BaseNicPGVG, 5}, {R::MixNicPGVG, 5}}),
                   2,
                   vols({{SlotId::NicBase, "10.05"}, {SlotId::PG, "-0.02"}, {SlotId::VG, "-0.02"}}),
                   true, true, false, false, true, false, "Vols Pending"},
        // 20.4 mg gives 10.2 ml: too strong, so a beep and no message box.
        VolumeCase{"TooStrong",
                   recipe({{T::MixQty, "10"}, {T::MixStrength, "20.4"}, {T::BaseNicStrength, "20"}},
                          {{R::BaseNicPGVG, 5}, {R::MixNicPGVG, 5}}),
                   2,
                   vols({{SlotId::NicBase, "10.2"}, {SlotId::PG, "-0.09"}, {SlotId::VG, "-0.1"}}),
                   true, true, true, true, false, true, "Vols Pending"},
        // A top-up of -2 shows as -1.9 (negatives round up), so PG takes 0.1 off.
        VolumeCase{"StrengthEqualsBaseWithOtherRatio",
                   recipe({{T::MixQty, "10"}, {T::MixStrength, "18"}, {T::BaseNicStrength, "18"}},
                          {{R::BaseNicPGVG, 5}, {R::MixNicPGVG, 3}}),
                   1, vols({{SlotId::NicBase, "10"}, {SlotId::PG, "1.9"}, {SlotId::VG, "-1.9"}}),
                   false, true, false, false, true, false, "Vols Pending"},
        VolumeCase{"EmptyVolume", recipe({}), 2, kZeros, false, false, false, false, false, false,
                   "Vols Pending"},
        VolumeCase{"BaseWithoutNicotineLeavesAllToTopUps",
                   recipe({{T::MixQty, "10"}, {T::MixStrength, "6"}, {T::BaseNicStrength, "0"}},
                          {{R::MixNicPGVG, 3}}),
                   1, vols({{SlotId::PG, "7"}, {SlotId::VG, "3"}}), false, false, false, false,
                   false, false, "Volumes OK"},
        // Flavour at " none" and vodka/water carry no PG or VG; a 50-50 base in an all-PG
        // mix needs negative VG.
        VolumeCase{"AllPgMixWithBaseVg",
                   recipe({{T::MixQty, "10"},
                           {T::MixStrength, "3"},
                           {T::BaseNicStrength, "30"},
                           {T::PctFlav1, "10"},
                           {T::PctVodkaWater, "10"}},
                          {{R::BaseNicPGVG, 5}, {R::MixNicPGVG, 0}, {R::Flav1NicPGVG, 11}}),
                   1,
                   vols({{SlotId::NicBase, "1"},
                         {SlotId::PG, "7.4"},
                         {SlotId::VG, "-0.4"},
                         {SlotId::Flav1, "1"},
                         {SlotId::VodkaWater, "1"}}),
                   false, true, false, false, true, false, "Vols Pending"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Recalculate, FirstExampleCosts) {
    const MixResult r = Recalculate(thirtyMl(), 2);
    EXPECT_EQ(costTexts(r), vols({{SlotId::NicBase, "2"}, {SlotId::PG, "0.25"}}));
    EXPECT_TRUE(r[SlotId::VG].MixCostWarn);
    EXPECT_FALSE(r[SlotId::Flav1].MixCostWarn);
    EXPECT_FALSE(r[SlotId::PG].MixCostWarn);
    EXPECT_EQ(r.MissingMarks.toVector(), std::vector<TextField>{T::VGCost});
    EXPECT_EQ(r.TotalCostText, "2.25");
    EXPECT_TRUE(r.TotalCostWarn);
    EXPECT_EQ(r.CostStatusText + r.VolStatusText, "Cost Pending, Volumes OK");
    EXPECT_EQ(r.CostStatusColour, TextColour::Warning);
    EXPECT_EQ(r.VolStatusColour, TextColour::Ok);
    EXPECT_FALSE(r.InfoComplete);

    MixRecipe complete = thirtyMl();
    complete[T::VGCost] = "8";
    const MixResult ok = Recalculate(complete, 2);
    EXPECT_EQ(ok.CostStatusText + ok.VolStatusText, "Cost OK, Volumes OK");
    EXPECT_EQ(ok.CostStatusColour, TextColour::Ok);
    EXPECT_FALSE(ok.TotalCostWarn);
    EXPECT_EQ(ok[SlotId::VG].MixCostText, "0.06"); // 4 x 8/500 = 0.064
    EXPECT_EQ(ok.TotalCostText, "2.31");
    EXPECT_TRUE(ok.InfoComplete);
    EXPECT_TRUE(ok.MissingMarks.empty());
}

TEST(Recalculate, MissingCostInformationMarksTheFields) {
    struct Case {
        const char* cost;
        const char* qty;
        bool costMarked, qtyMarked, warned;
    };
    const std::vector<Case> cases = {
        {"5", "", false, true, true},   {"5", "0", false, true, true},
        {"", "", true, true, true},     {"", "100", true, false, true},
        {"0", "", false, false, false}, {"5", "100", false, false, false},
    };
    for (const Case& c : cases) {
        MixRecipe r = thirtyMl();
        r[T::VGCost] = "8";
        r[T::PGCost] = c.cost;
        r[T::PGQty] = c.qty;
        const MixResult res = Recalculate(r, 2);
        SCOPED_TRACE(std::string(c.cost) + "/" + c.qty);
        EXPECT_EQ(res.MissingMarks.contains(T::PGCost), c.costMarked);
        EXPECT_EQ(res.MissingMarks.contains(T::PGQty), c.qtyMarked);
        EXPECT_EQ(res[SlotId::PG].MixCostWarn, c.warned);
        EXPECT_EQ(res.CostsComplete, !c.warned);
    }
}

TEST(Recalculate, NegativeTopUpIsPricedByTheSameFormula) {
    MixRecipe r = recipe({{T::MixQty, "15"},
                          {T::MixStrength, "6"},
                          {T::BaseNicStrength, "18"},
                          {T::PctFlav1, "5"},
                          {T::PctFlav2, "5"},
                          {T::PctVodkaWater, "10"},
                          {T::PGCost, "10"},
                          {T::PGQty, "100"}},
                         {{R::BaseNicPGVG, 0}, {R::MixNicPGVG, 7}, {R::Flav2NicPGVG, 11}});
    const MixResult res = Recalculate(r, 1);
    EXPECT_EQ(res[SlotId::PG].VolumeText, "-1.8");
    EXPECT_EQ(res[SlotId::PG].MixCostText, "-0.17");
}

TEST(Recalculate, VolumeZeroMarksVolumeWhenSomethingIsAskedFor) {
    const MixResult empty = Recalculate(recipe({{T::MixQty, "0"}}), 2);
    EXPECT_TRUE(empty.MissingMarks.empty());
    EXPECT_EQ(costTexts(empty), kZeros);
    EXPECT_EQ(empty.TotalCostText, "0");
    EXPECT_FALSE(empty.TotalCostWarn);
    EXPECT_EQ(empty.CostStatusText + empty.VolStatusText, "Cost Pending, Vols Pending");

    const MixResult flavour =
        Recalculate(recipe({{T::MixQty, "0"}, {T::PctFlav2, "5"}, {T::Flav2Name, "Mint"}}), 2);
    EXPECT_TRUE(flavour.MissingMarks.contains(T::MixQty));
    EXPECT_EQ(flavour[SlotId::Flav2].VolumeText, "0");

    const MixResult nicotine = Recalculate(
        recipe({{T::MixQty, ""}, {T::MixStrength, "6"}, {T::BaseNicStrength, "18"}}), 2);
    EXPECT_TRUE(nicotine.MissingMarks.contains(T::MixQty));
    EXPECT_FALSE(nicotine.TooStrong);
}

TEST(Recalculate, BaseWithoutNicotineEmptiesAndDisablesMixStrength) {
    const MixResult r =
        Recalculate(recipe({{T::MixQty, "10"}, {T::MixStrength, "6"}, {T::BaseNicStrength, ""}}));
    EXPECT_FALSE(r.MixStrengthEnabled);
    EXPECT_TRUE(r.ClearMixStrength);
    const MixResult cleared = Recalculate(recipe({{T::MixQty, "10"}, {T::BaseNicStrength, ""}}));
    EXPECT_FALSE(cleared.ClearMixStrength); // already empty: no change to make
    const MixResult with = Recalculate(recipe({{T::MixQty, "10"}, {T::BaseNicStrength, "18"}}));
    EXPECT_TRUE(with.MixStrengthEnabled);
    EXPECT_FALSE(with.ClearMixStrength);
}

TEST(Recalculate, IgnoredCostsLeaveOnlyVolumesAndNames) {
    MixRecipe r = thirtyMl();
    r.IgnoreCost = true;
    const MixResult res = Recalculate(r, 2);
    EXPECT_EQ(costTexts(res), std::vector<std::string>(12, "N/A"));
    EXPECT_EQ(res.TotalCostText, "N/A");
    EXPECT_EQ(res.CostStatusText, "Cost Ignored, ");
    EXPECT_EQ(res.CostStatusColour, TextColour::Warning);
    EXPECT_FALSE(res.MissingMarks.contains(T::VGCost));
    EXPECT_TRUE(res.InfoComplete);

    r[T::Flav1Name] = "";
    EXPECT_FALSE(Recalculate(r, 2).InfoComplete);
}

TEST(Recalculate, FlavourNamesAreNeededOnlyWhenUsed) {
    MixRecipe r = thirtyMl();
    r[T::VGCost] = "8";
    r[T::Flav1Name] = "";
    const MixResult res = Recalculate(r, 2);
    EXPECT_TRUE(res.MissingMarks.contains(T::Flav1Name));
    EXPECT_FALSE(res.InfoComplete);
    EXPECT_EQ(res.CostStatusText + res.VolStatusText, "Cost OK, Volumes OK");
    EXPECT_FALSE(res.ResetFlavourCaption[0]);
    for (std::size_t f = 1; f < FlavourCount; ++f)
        EXPECT_TRUE(res.ResetFlavourCaption[f]) << f;

    r[T::Flav2Name] = "Mint"; // named but unused: the caption keeps its name
    EXPECT_FALSE(Recalculate(r, 2).ResetFlavourCaption[1]);
}

TEST(Recalculate, TotalIsTheSumOfShownCostsUnrounded) {
    MixRecipe r = recipe({{T::MixQty, "10"},
                          {T::PGCost, "1"},
                          {T::PGQty, "100"},
                          {T::VGCost, "2"},
                          {T::VGQty, "100"}},
                         {{R::MixNicPGVG, 5}});
    const MixResult res = Recalculate(r, 2);
    EXPECT_EQ(res[SlotId::PG].MixCostText, "0.05");
    EXPECT_EQ(res[SlotId::VG].MixCostText, "0.1");
    EXPECT_EQ(res.TotalCostText, "0.15");
}

TEST(Recalculate, RatioWithoutPositionKeepsItsLastShare) {
    MixRecipe r = recipe({{T::MixQty, "10"}}, {{R::MixNicPGVG, 3}});
    r[R::MixNicPGVG].position = -1;
    SetPgPercentFromChoice(r[R::MixNicPGVG]);
    RefreshRatioText(r[R::MixNicPGVG]);
    EXPECT_EQ(r[R::MixNicPGVG].PgPercent, 70);
    EXPECT_EQ(r[R::MixNicPGVG].RatioText, "70-30");
    EXPECT_EQ(Recalculate(r, 1)[SlotId::PG].VolumeText, "7");
}

TEST(Recalculate, NoInputMakesItFail) {
    MixRecipe r;
    for (std::size_t i = 0; i < TextFieldCount; ++i)
        r.texts[i] = i % 3 == 0 ? "1e308" : (i % 3 == 1 ? "-.." : "99999999999");
    for (bool ignore : {false, true}) {
        r.IgnoreCost = ignore;
        const MixResult res = Recalculate(r, 2);
        // Numbers past the range cannot be made up with PG and VG: the mix is refused, in
        // words, with every cost "0" or "N/A".
        EXPECT_EQ(res.VolStatusText, "Vols Pending");
        EXPECT_EQ(res.CostStatusText, ignore ? "Cost Ignored, " : "Cost Pending, ");
        EXPECT_FALSE(res.InfoComplete);
        for (const SlotResult& s : res.slots)
            EXPECT_EQ(s.MixCostText, ignore ? "N/A" : "0");
    }
}

namespace {

// The calculation done again in whole numbers, as a check that needs no floating point.
// Inputs are tenths (of a ml, a mg, a percent); every PG or VG share is rounded to
// thousandths, half up, as the calculation does; the top-ups come out in 1e-5 ml.
struct ExactMix {
    std::int64_t qty10 = 0, base10 = 0, strength10 = 0;
    int mixPg = 100, basePg = 100;
    std::array<std::int64_t, 9> pct10{}; // F1..F8, Vodka/Water
    std::array<int, 8> flavourPg{};      // -1 for " none"
    bool tie = false;                    // a share exactly half a thousandth: either way is right

    std::int64_t roundHalfUp(std::int64_t num, std::int64_t den) {
        if ((2 * num) % (2 * den) == den)
            tie = true;
        return (2 * num + den) / (2 * den);
    }

    void topUps(std::int64_t& pg5, std::int64_t& vg5) {
        std::int64_t pgCarried = 0, vgCarried = 0, other = 0; // thousandths
        if (strength10 > 0 && base10 > 0) {
            // base volume = strength x qty / base; a share p of it is p x that / 100
            pgCarried += roundHalfUp(basePg * strength10 * qty10, base10);
            vgCarried += roundHalfUp((100 - basePg) * strength10 * qty10, base10);
        }
        for (std::size_t i = 0; i < 9; ++i) {
            if (pct10[i] == 0)
                continue;
            const std::int64_t v = pct10[i] * qty10; // volume in 1e-4 ml
            const int p = i == 8 ? -1 : flavourPg[i];
            if (p < 0) {
                other += roundHalfUp(v, 10);
            } else {
                pgCarried += roundHalfUp(p * v, 1000);
                vgCarried += roundHalfUp((100 - p) * v, 1000);
            }
        }
        const std::int64_t w = 100 * qty10 - other; // thousandths
        pg5 = mixPg * w - 100 * pgCarried;
        vg5 = (100 - mixPg) * w - 100 * vgCarried;
    }
    bool tooStrong() const { return strength10 * qty10 > (qty10 + 1) * base10; }

    MixRecipe recipe() const {
        auto text = [](std::int64_t tenths) { return FormatNumber(tenths / 10.0); };
        MixRecipe r = FreshMix();
        r[T::MixQty] = text(qty10);
        if (base10 > 0)
            r[T::BaseNicStrength] = text(base10);
        if (strength10 > 0 && base10 > 0)
            r[T::MixStrength] = text(strength10);
        auto setRatio = [&](R field, int pg) {
            for (int pos = 0; pos < RatioListSize; ++pos)
                if (RatioPgPercent(pos) == pg)
                    r[field].position = pos;
            SetPgPercentFromChoice(r[field]);
            RefreshRatioText(r[field]);
        };
        setRatio(R::MixNicPGVG, mixPg);
        setRatio(R::BaseNicPGVG, basePg);
        for (std::size_t i = 0; i < 8; ++i) {
            setRatio(flavourRatio(i), flavourPg[i]);
            if (pct10[i] > 0)
                r[*PercentField(flavourSlot(i))] = text(pct10[i]);
        }
        if (pct10[8] > 0)
            r[T::PctVodkaWater] = text(pct10[8]);
        return r;
    }
};

void expectSignsAsExact(ExactMix& m, const std::string& what) {
    std::int64_t pg5 = 0, vg5 = 0;
    m.topUps(pg5, vg5);
    if (m.tie)
        return;
    const MixResult r = Recalculate(m.recipe(), 2);
    ASSERT_EQ(r.TooStrong, m.tooStrong()) << what;
    ASSERT_EQ(r[SlotId::PG].VolumeWarn, pg5 < 0) << what << " PG " << pg5;
    ASSERT_EQ(r[SlotId::VG].VolumeWarn, vg5 < 0) << what << " VG " << vg5;
    ASSERT_EQ(r.ShowCannotBeAchieved, (pg5 < 0 || vg5 < 0) && !m.tooStrong()) << what;
    // A top-up that is exactly zero is zero, not a trace either side of it.
    if (pg5 == 0) {
        ASSERT_EQ(r.PgTopUp, 0.0) << what;
    }
    if (vg5 == 0) {
        ASSERT_EQ(r.VgTopUp, 0.0) << what;
    }
    ASSERT_NEAR(r.PgTopUp, pg5 / 1e5, 1e-9) << what;
    ASSERT_NEAR(r.VgTopUp, vg5 / 1e5, 1e-9) << what;
    if (!m.tooStrong() && pg5 >= 0 && vg5 >= 0) {
        ASSERT_EQ(r.VolStatusText, "Volumes OK") << what;
    }
}

} // namespace

TEST(Recalculate, TopUpsTakeTheirSignFromExactArithmetic) {
    // 0.7 ml of pure PG: 100 x 0.7 x 0.01 is a hair above 0.7 in binary.
    ExactMix pure;
    for (pure.qty10 = 1; pure.qty10 <= 3000; ++pure.qty10)
        expectSignsAsExact(pure, "pure PG " + std::to_string(pure.qty10));
    // A base used neat at its own ratio, every ratio and strength.
    for (int pos = 0; pos <= 10; ++pos) {
        ExactMix neat;
        neat.mixPg = neat.basePg = RatioPgPercent(pos);
        for (neat.base10 = 30; neat.base10 <= 1000; neat.base10 += 37) {
            neat.strength10 = neat.base10;
            for (neat.qty10 = 1; neat.qty10 <= 600; neat.qty10 += 7)
                expectSignsAsExact(neat, "neat " + std::to_string(neat.qty10));
        }
    }
    // Random recipes over volumes, strengths, ratios and flavours.
    std::mt19937 rng(11);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 20000; ++round) {
        ExactMix m;
        m.qty10 = 1 + pick(pick(2) ? 100 : 3000);
        m.mixPg = RatioPgPercent(pick(11));
        m.basePg = RatioPgPercent(pick(11));
        m.base10 = pick(4) == 0 ? 0 : 1 + pick(1000);
        m.strength10 = pick(m.base10 > 0 ? static_cast<int>(m.base10 * 11 / 10) + 1 : 1);
        for (int f = 0, n = pick(9); f < n; ++f) {
            m.pct10[static_cast<std::size_t>(f)] = pick(200);
            m.flavourPg[static_cast<std::size_t>(f)] = RatioPgPercent(pick(12));
        }
        m.pct10[8] = pick(3) == 0 ? pick(100) : 0;
        expectSignsAsExact(m, "round " + std::to_string(round));
    }
}

TEST(Recalculate, StepsOfTheVolumeArrowNeverMakeAPlainMixImpossible) {
    MixRecipe r = FreshMix();
    std::string qty;
    for (int press = 1; press <= 500; ++press) {
        qty = VolumeStepUp(qty);
        r[T::MixQty] = qty;
        const MixResult res = Recalculate(r, 1);
        ASSERT_FALSE(res.ShowCannotBeAchieved) << "press " << press << " at " << qty;
        ASSERT_EQ(res.VolStatusText, "Volumes OK") << qty;
        ASSERT_FALSE(res[SlotId::VG].VolumeWarn) << qty;
    }
}
