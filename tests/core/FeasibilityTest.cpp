// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Feasibility.h"
#include "MixCalculator.h"
#include "Numbers.h"
#include "RecipeBuilder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace kovaq;
using T = TextField;
using R = RatioField;

namespace {

using test::SetRatio;

// Made as asked: no negative top-up and not too strong.
bool made(const MixRecipe& r) {
    const MixResult res = Recalculate(r, 2);
    return !res.TooStrong && res.PgTopUp >= 0 && res.VgTopUp >= 0;
}
bool toppedUp(const MixRecipe& r) {
    const MixResult res = Recalculate(r, 2);
    return res.PgTopUp >= 0 && res.VgTopUp >= 0;
}

MixRecipe withStrength(MixRecipe r, double mg) {
    r[T::MixStrength] = FormatNumber(mg);
    return r;
}
MixRecipe withFlavourShare(MixRecipe r, int percent) {
    for (std::size_t i = 0; i <= FlavourCount; ++i) {
        const TextField pct = *PercentField(slotAt(index(SlotId::Flav1) + i));
        r[pct] = FormatNumber(ParseNumber(FormatNumber(ParseNumber(r[pct]) * percent / 100.0)));
    }
    return r;
}

} // namespace

TEST(Feasibility, TheWorkedExamples) {
    // The third cannot be made. The base and F1 bring 5.75 ml of PG and 2.25 ml is neither,
    // so the PG share must be at least 100 x 5.75 / 12.75 = 45.098 %; nothing brings VG, so
    // up to 100 %. At 30-70 the base may bring 3.825 - 0.75 = 3.075 ml: 3.69 mg. Less
    // flavour never helps, since the base alone brings more PG (5 ml) than 30 % of 15 ml.
    const MixRecipe third = test::ThirdWorkedExample();
    const Feasibility f = ComputeFeasibility(third);
    ASSERT_TRUE(f.ratioRange);
    EXPECT_NEAR(f.ratioRange->first, 100 * 5.75 / 12.75, 1e-6); // less the rounding noise
    EXPECT_DOUBLE_EQ(f.ratioRange->second, 100);
    ASSERT_TRUE(f.nearestRatio);
    EXPECT_EQ(RatioListText(*f.nearestRatio), "50-50");
    ASSERT_TRUE(f.maxStrength);
    EXPECT_DOUBLE_EQ(*f.maxStrength, 3.69);
    EXPECT_FALSE(f.flavourScale);
    EXPECT_EQ(FeasibilityText(f, third), "With these ingredients the mix ratio can be from 46-54 "
                                         "to 100-0 PG-VG, or up to 3.69 mg at 30-70.");

    // Too strong: 10 ml at 20.4 mg from a 20 mg 50-50 base, 50-50. Over 20 mg the base
    // brings more than half of 10 ml of each; no ratio can take 5.1 ml of both.
    MixRecipe strong = FreshMix();
    strong[T::MixQty] = "10";
    strong[T::BaseNicStrength] = "20";
    strong[T::MixStrength] = "20.4";
    SetRatio(strong, R::BaseNicPGVG, 5);
    SetRatio(strong, R::MixNicPGVG, 5);
    const Feasibility s = ComputeFeasibility(strong);
    EXPECT_FALSE(s.ratioRange);
    EXPECT_FALSE(s.nearestRatio);
    ASSERT_TRUE(s.maxStrength);
    EXPECT_DOUBLE_EQ(*s.maxStrength, 20);
    EXPECT_EQ(FeasibilityText(s, strong),
              "With these ingredients no mix ratio works, or up to 20 mg at 50-50.");

    // The first two can be made: nothing to suggest.
    MixRecipe first = FreshMix();
    first[T::MixQty] = "30";
    first[T::MixStrength] = "12";
    first[T::BaseNicStrength] = "36";
    first[T::PctFlav1] = "10";
    SetRatio(first, R::BaseNicPGVG, 5);
    SetRatio(first, R::MixNicPGVG, 3);
    EXPECT_FALSE(ComputeFeasibility(first).any());
    EXPECT_EQ(FeasibilityText(ComputeFeasibility(first), first), "");

    // Too much flavour in VG for an all-PG mix: only less flavour helps, and not enough.
    MixRecipe flavoured = FreshMix();
    flavoured[T::MixQty] = "10";
    flavoured[T::PctFlav1] = "20";
    SetRatio(flavoured, R::Flav1NicPGVG, 10);
    SetRatio(flavoured, R::MixNicPGVG, 4); // 60-40: VG room 4 ml, F1 brings 2 ml
    EXPECT_TRUE(made(flavoured));
    flavoured[T::PctFlav1] = "50"; // 5 ml of VG
    const Feasibility fl = ComputeFeasibility(flavoured);
    ASSERT_TRUE(fl.flavourScale);
    EXPECT_EQ(*fl.flavourScale, 80); // 40 % of F1's share: 4 ml of VG
    EXPECT_FALSE(fl.maxStrength);    // no nicotine base to speak of
}

// Over thousands of random recipes: what is offered works when applied, one step more does
// not, and the ratio range is exactly the ratios whose top-ups are not negative.
TEST(Feasibility, EverySuggestionWorksAndNoMore) {
    std::mt19937 rng(16);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    int offered = 0;
    for (int round = 0; round < 4000; ++round) {
        MixRecipe r = FreshMix();
        r[T::MixQty] = FormatNumber((1 + pick(1500)) / 10.0);
        r[T::BaseNicStrength] = pick(5) == 0 ? "" : FormatNumber((1 + pick(1000)) / 10.0);
        r[T::MixStrength] = FormatNumber(pick(600) / 10.0);
        SetRatio(r, R::BaseNicPGVG, pick(11));
        SetRatio(r, R::MixNicPGVG, pick(11));
        for (int f = 0, n = pick(5); f < n; ++f) {
            r[*PercentField(flavourSlot(static_cast<std::size_t>(f)))] =
                FormatNumber(pick(300) / 10.0);
            SetRatio(r, flavourRatio(static_cast<std::size_t>(f)), pick(12));
        }
        if (pick(4) == 0)
            r[T::PctVodkaWater] = FormatNumber(pick(200) / 10.0);
        const std::string what = "round " + std::to_string(round);
        const Feasibility f = ComputeFeasibility(r);
        if (made(r)) {
            ASSERT_FALSE(f.nearestRatio || f.maxStrength || f.flavourScale) << what;
            continue;
        }
        if (f.nearestRatio) {
            ++offered;
            MixRecipe used = r;
            SetRatio(used, R::MixNicPGVG, *f.nearestRatio);
            ASSERT_TRUE(made(used)) << what;
        }
        if (f.maxStrength) {
            ++offered;
            ASSERT_TRUE(made(withStrength(r, *f.maxStrength))) << what;
            ASSERT_FALSE(made(withStrength(r, *f.maxStrength + 0.01))) << what;
        }
        if (f.flavourScale) {
            ++offered;
            ASSERT_LT(*f.flavourScale, 100) << what;
            ASSERT_TRUE(made(withFlavourShare(r, *f.flavourScale))) << what;
            ASSERT_FALSE(made(withFlavourShare(r, *f.flavourScale + 1))) << what;
        }
        for (int pos = 0; pos <= 10; ++pos) {
            MixRecipe at = r;
            SetRatio(at, R::MixNicPGVG, pos);
            const int pg = RatioPgPercent(pos);
            const bool inside =
                f.ratioRange && pg >= f.ratioRange->first && pg <= f.ratioRange->second;
            ASSERT_EQ(toppedUp(at), inside) << what << " at " << pg;
        }
    }
    EXPECT_GT(offered, 1000); // the property was put to the test
}
