// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "MixCalculator.h"
#include "Recipe.h"

#include <optional>
#include <string>
#include <utility>

namespace kovaq {

// What can be made with the ingredients at hand, worked out when a mix cannot be made.
struct Feasibility {
    // The PG shares (percent) of the mix ratio at which neither top-up is negative, from
    // the PG the base and flavours bring to 100 less the VG they bring; none when no ratio
    // works.
    std::optional<std::pair<double, double>> ratioRange;
    // The list position (0 "  PG" .. 10 "  VG") inside that range nearest to the ratio
    // asked; of two as near, the one with more VG.
    std::optional<int> nearestRatio;
    // The strongest mix, in steps of 0.01 mg, this base makes at the ratio and flavours
    // asked; none when even 0 mg cannot be made.
    std::optional<double> maxStrength;
    // The largest share, in whole percent, of the flavours and vodka/water as they stand
    // that makes the mix at the ratio and strength asked; only when less of them does it.
    std::optional<int> flavourScale;

    bool any() const { return ratioRange || nearestRatio || maxStrength || flavourScale; }
};

// The figures for a recipe. A recipe that can be made, or has no volume to make, gets no
// suggestions; every suggestion given has been checked with the calculation itself: made
// as suggested, the mix has no negative top-up and is not too strong, and 0.01 mg more, or
// 1 % more flavour, would not do.
Feasibility ComputeFeasibility(const MixRecipe& recipe);

// "With these ingredients the mix ratio can be from 35-65 to 60-40 PG-VG, or up to 8.4 mg at
// 70-30." Empty when there is nothing to say.
std::string FeasibilityText(const Feasibility& f, const MixRecipe& recipe);

// One line on whether a calculated mix can be made: "can be made", or why not and what
// could be ("nothing to make: the volume to make is 0", the figures above, "too strong for
// this base", "cannot be made").
std::string MadeOrWhyNot(const MixRecipe& recipe, const MixResult& result);

// A ratio for the reader: the PG share as "PG-VG" ("35-65", "100-0").
std::string RatioFromPg(int pgPercent);

} // namespace kovaq
