// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Shots, strength and ratio fixes against figures worked out by hand.
#include "Shots.h"

#include <gtest/gtest.h>

using namespace kovaq;

namespace {
constexpr double Near = 1e-9;
} // namespace

TEST(Shots, ShotLiquidAndTheNearestWholeShots) {
    struct Case {
        const char* what;
        ShotsInput in;
        double exactMl;
        std::vector<std::pair<int, double>> nearest; // shots, strength
        std::vector<bool> overflow;
        std::string problem;
    };
    const std::vector<Case> cases = {
        // 50 x 3 / (18 - 3) = 10: one shot, exactly, 180 mg in 60 ml.
        {"one shot into the shortfill", {50, 60, 30, 18, 10, 50, 3}, 10, {{1, 3}}, {false}, ""},
        // 100 x 3 / 15 = 20: two shots, 360 mg in 120 ml.
        {"two shots into 100 ml", {100, 120, 30, 18, 10, 50, 3}, 20, {{2, 3}}, {false}, ""},
        // 50 x 6 / 12 = 25 ml: 2 shots give 360/70, 3 give 540/80 and overflow 60 ml.
        {"between two counts",
         {50, 60, 30, 18, 10, 50, 6},
         25,
         {{2, 360.0 / 70}, {3, 540.0 / 80}},
         {true, true},
         ""},
        {"nothing to add", {50, 60, 30, 18, 10, 50, 0}, 0, {{0, 0}}, {false}, ""},
        {"a target at the shot strength",
         {50, 60, 30, 18, 10, 50, 18},
         0,
         {},
         {},
         "18 mg shots cannot make 18 mg"},
        {"no room",
         {60, 60, 30, 18, 10, 50, 3},
         0,
         {},
         {},
         "No room: the bottle holds 60 ml, the liquid 60 ml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ShotsPlan p = PlanShots(c.in);
        EXPECT_EQ(p.problem, c.problem);
        if (!c.problem.empty()) {
            EXPECT_EQ(p.lines, std::vector<std::string>{c.problem});
            continue;
        }
        EXPECT_NEAR(p.exactMl, c.exactMl, Near);
        ASSERT_EQ(p.nearest.size(), c.nearest.size());
        for (std::size_t i = 0; i < c.nearest.size(); ++i) {
            EXPECT_EQ(p.nearest[i].shots, c.nearest[i].first);
            EXPECT_NEAR(p.nearest[i].strength, c.nearest[i].second, Near);
            EXPECT_EQ(p.nearest[i].overflows, c.overflow[i]);
        }
    }
    // The lines say it as the window shows it.
    const ShotsPlan one = PlanShots({50, 60, 30, 18, 10, 50, 3});
    EXPECT_EQ(one.lines.front().rfind("Shot liquid for 3 mg: 10 ml (", 0), 0u);
    EXPECT_EQ(one.lines.back(), "Then: 60 ml at 33.3/66.7 PG/VG");
}

TEST(Shots, FixesABatchsStrengthAndRatio) {
    // 30 ml at 6 mg to 3 mg: 30 x 3 / 3 = 30 ml of carrier.
    BatchFix weaker = FixStrength({30, 6, 30, 3, 50, 0, 50});
    EXPECT_EQ(weaker.add, BatchFix::Add::Carrier);
    EXPECT_NEAR(weaker.addMl, 30, Near);
    EXPECT_NEAR(weaker.pgPercent, 40, Near);
    // 30 ml at 3 mg to 6 mg with a 36 mg base: 30 x 3 / 30 = 3 ml.
    BatchFix stronger = FixStrength({30, 3, 30, 6, 30, 36, 50});
    EXPECT_EQ(stronger.add, BatchFix::Add::Base);
    EXPECT_NEAR(stronger.addMl, 3, Near);
    EXPECT_EQ(FixStrength({30, 3, 30, 20, 30, 18, 50}).problem, "A 18 mg base cannot make 20 mg");
    EXPECT_EQ(FixStrength({30, 3, 30, 3, 30, 18, 50}).lines,
              std::vector<std::string>{"Already at 3 mg: add nothing"});

    // 30 ml at 50/50 to 70/30: 30 x 20 / 30 = 20 ml of PG; the strength thins to 3 x 30/50.
    BatchFix pg = FixRatio({30, 50, 70, 3});
    EXPECT_EQ(pg.add, BatchFix::Add::PG);
    EXPECT_NEAR(pg.addMl, 20, Near);
    EXPECT_NEAR(*pg.strength, 1.8, Near);
    // To 30/70: 30 x 20 / 30 = 20 ml of VG, never a negative amount of PG.
    BatchFix vg = FixRatio({30, 50, 30, {}});
    EXPECT_EQ(vg.add, BatchFix::Add::VG);
    EXPECT_NEAR(vg.addMl, 20, Near);
    EXPECT_EQ(FixRatio({30, 30, 30, {}}).lines,
              std::vector<std::string>{"Already at 30/70 PG/VG: add nothing"});
    EXPECT_FALSE(FixRatio({30, 50, 100, {}}).problem.empty());
}

TEST(Shots, SmallAmountsAskForADilution) {
    struct Case {
        double grams, ml, resolution;
        std::optional<std::string> hint;
    };
    const std::vector<Case> cases = {
        {0.20, 0.2, 0.01, std::nullopt}, // the least a 0.01 g scale weighs within 5 %
        {0.19, 0.19, 0.01,
         "Too little to weigh well: pre-dilute 1:10 in PG (1.90 g of the dilution)"},
        {0.009, 0.009, 0.01,
         "Too little to weigh well: pre-dilute 1:50 in PG (0.45 g of the dilution)"},
        {0.001, 0.001, 0.01,
         "Too little to weigh well: pre-dilute 1:100 in PG (0.10 g of the dilution)"},
        {1.5, 1.5, 0.1,
         "Too little to weigh well: pre-dilute 1:10 in PG (15.00 g of the dilution)"},
        {0.03, 0.03, 0.001,
         "Too little to weigh well: pre-dilute 1:10 in PG (0.30 g of the dilution)"},
        {0.5, 0.04, 0.01,
         "Too little to weigh well: pre-dilute 1:10 in PG (5.00 g of the dilution)"},
        {0, 0, 0.01, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SmallAmountHint(c.grams, c.ml, c.resolution, 20), c.hint) << c.grams;
}

TEST(Shots, WhatCannotBeDoneIsAProblemAndHasNoThen) {
    // 50 ml at 6 mg from 18 mg shots: 25 ml of shot liquid, more than the 10 ml of room.
    const ShotsPlan over = PlanShots({50, 60, 30, 18, 10, 50, 6});
    ASSERT_EQ(over.lines.size(), over.kinds.size());
    EXPECT_EQ(over.kinds.front(), LineKind::Problem);
    for (std::size_t i = 0; i < over.lines.size(); ++i) {
        EXPECT_EQ(over.lines[i].rfind("Then:", 0), std::string::npos) << over.lines[i];
        EXPECT_EQ(over.kinds[i] == LineKind::Problem,
                  over.lines[i].find("overflows") != std::string::npos ||
                      over.lines[i].find("more than") != std::string::npos)
            << over.lines[i];
    }
    const ShotsPlan refused = PlanShots({50, 60, 30, 18, 10, 50, 20});
    EXPECT_EQ(refused.kinds, std::vector<LineKind>{LineKind::Problem});
    const BatchFix fix = FixStrength({30, 6, 30, 3, 50, 0, 50});
    EXPECT_EQ(fix.kinds.size(), fix.lines.size());
    EXPECT_EQ(fix.kinds.front(), LineKind::Result);
    EXPECT_EQ(FixStrength({30, 3, 30, 6, 50, 0, 50}).kinds,
              std::vector<LineKind>{LineKind::Problem});
}

TEST(Shots, ADilutionsCarrierComesOutOfTheMix) {
    struct Case {
        const char* what;
        double grams, ml, pgMl, vgMl;
        std::string hint;
    };
    const std::vector<Case> cases = {
        {"the PG takes it", 0.19, 0.19, 10, 10,
         "Too little to weigh well: pre-dilute 1:10 in PG (1.90 g of the dilution) and leave "
         "1.71 ml of PG out of the mix"},
        {"VG instead", 0.19, 0.19, 1, 10,
         "Too little to weigh well: pre-dilute 1:10 in VG (1.90 g of the dilution) and leave "
         "1.71 ml of VG out of the mix, as the mix's 1 ml of PG cannot take it"},
        {"a weaker dilution the PG can take", 0.009, 0.009, 0.2, 0,
         "Too little to weigh well: pre-dilute 1:20 in PG (0.18 g of the dilution) and leave "
         "0.17 ml of PG out of the mix, the most the mix's PG can take"},
        {"no room at all", 0.19, 0.19, 0, 0,
         "Too little to weigh well, and the mix's PG and VG cannot take a dilution of it: make a "
         "bigger batch or weigh it on a finer scale"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MixAmountHint(c.grams, c.ml, 0.01, 20, c.pgMl, c.vgMl), c.hint) << c.what;
    EXPECT_EQ(MixAmountHint(0.5, 0.5, 0.01, 20, 10, 10), std::nullopt);
}
