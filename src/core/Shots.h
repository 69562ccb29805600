// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The arithmetic of the tools beside the recipe: nicotine shots into a shortfill bottle,
// a finished batch brought to another strength or another PG/VG, and the hint for an
// amount too small to weigh. Pure: the window and kovaq-calc show the same lines.
#pragma once

#include "Weights.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kovaq {

// The gravities the weights window uses (its defaults, or the recipe's own).
struct ScaleGravities {
    double pg = 1.036;
    double vg = 1.261;
    double nicotine = 1.010;
};
// The recipe's own gravities where it has valid ones, else the defaults, as Mix By Weight
// takes them.
ScaleGravities ScaleGravitiesOf(const MixRecipe& recipe);

// How a figure is shown: the volume decimals of the recipe's precision, and the scale's
// resolution and the dropper for the small-amount hint.
inline constexpr int DefaultDropsPerMl = 20;
// The drops a dropper gives for so many millilitres, to the whole drop.
double DropsOf(double ml, int dropsPerMl);
struct ShotsDisplay {
    int volumeDecimals = 1;
    double scaleResolution = 0.01; // g
    int dropsPerMl = DefaultDropsPerMl;
    ScaleGravities gravities;
};

// What a line of a plan is, for how it is shown: a figure to follow, a hint beside it, or
// a problem (what cannot be done, or can only be done with a fault such as an overflow).
enum class LineKind { Result, Hint, Problem };

struct ShotsInput {
    double liquidMl = 50;
    double bottleMl = 60;
    double liquidPg = 30; // percent
    double shotMg = 18;
    double shotMl = 10;
    double shotPg = 50;
    double targetMg = 3;
};

struct WholeShots {
    int shots = 0;
    double strength = 0; // mg/ml it gives
    double volume = 0;   // ml in the bottle
    bool overflows = false;
};

struct ShotsPlan {
    std::string problem; // in words; empty when the plan can be followed
    double exactMl = 0;  // shot liquid for the target
    double exactGrams = 0;
    bool exactOverflows = false;
    std::vector<WholeShots> nearest; // the whole shots below and above the exact amount
    double volume = 0;               // with the exact amount
    double pgPercent = 0;
    std::vector<std::string> lines; // what the window and kovaq-calc show
    std::vector<LineKind> kinds;    // one for each line
};
ShotsPlan PlanShots(const ShotsInput& in, const ShotsDisplay& display = {});

// A finished batch to another strength: 0 mg carrier to weaken it, nicotine base to
// strengthen it; which one follows from the target.
struct StrengthFixInput {
    double batchMl = 30;
    double batchMg = 6;
    double batchPg = 30;
    double targetMg = 3;
    double carrierPg = 30;
    double baseMg = 0; // 0: no base known
    double basePg = 50;
};

struct BatchFix {
    std::string problem;
    enum class Add { Nothing, Carrier, Base, PG, VG } add = Add::Nothing;
    double addMl = 0;
    double addGrams = 0;
    double volume = 0;              // after
    double pgPercent = 0;           // after
    std::optional<double> strength; // after, when known
    std::vector<std::string> lines;
    std::vector<LineKind> kinds; // one for each line
};
BatchFix FixStrength(const StrengthFixInput& in, const ShotsDisplay& display = {});

struct RatioFixInput {
    double batchMl = 30;
    double batchPg = 50;
    double targetPg = 30;
    std::optional<double> batchMg; // to give the strength after
};
BatchFix FixRatio(const RatioFixInput& in, const ShotsDisplay& display = {});

// "Too little to weigh well: pre-dilute 1:10 in PG (2.00 g of the dilution)" for an amount
// a scale of this resolution cannot weigh within 5 %, or under one drop; nothing for an
// amount that weighs well (or none at all). The dilution is the smallest of 1:10, 1:20,
// 1:50 and 1:100 that brings it over both limits.
std::optional<std::string> SmallAmountHint(double grams, double ml, double scaleResolution,
                                           int dropsPerMl);
// The same for an ingredient of a mix: the dilution's carrier comes out of the mix's own, so
// the hint says how much PG (`pgMl` in the mix) to leave out; where the mix's PG cannot take
// it, the dilution in VG (`vgMl`), else the strongest dilution the PG can take.
std::optional<std::string> MixAmountHint(double grams, double ml, double scaleResolution,
                                         int dropsPerMl, double pgMl, double vgMl);
// The hint of every ingredient of a mix that can be made whose grams are too few to weigh.
using SlotHints = std::array<std::optional<std::string>, SlotCount>;
SlotHints SmallAmountHints(const MixResult& result, const WeightResult& weights,
                           double scaleResolution, int dropsPerMl);
// The scale resolutions offered; anything else is taken as the usual 0.01 g.
double ValidScaleResolution(double grams);

} // namespace kovaq
