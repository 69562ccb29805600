// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Feasibility.h"
#include "MixCalculator.h"
#include "Numbers.h"
#include "RecipeText.h"

#include <benchmark/benchmark.h>

using namespace kovaq;

namespace {

// Base, eight flavours, vodka/water and every cost filled in.
MixRecipe fullRecipe() {
    MixRecipe r;
    for (std::size_t i = 0; i < RatioFieldCount; ++i) {
        r.ratios[i].position = static_cast<int>(i % 11);
        SetPgPercentFromChoice(r.ratios[i]);
        RefreshRatioText(r.ratios[i]);
    }
    r[TextField::MixQty] = "120";
    r[TextField::MixStrength] = "6";
    r[TextField::BaseNicStrength] = "72";
    for (std::size_t s = 0; s < SlotCount; ++s) {
        r[CostField(slotAt(s))] = "12.5";
        r[QtyField(slotAt(s))] = "100";
        if (auto name = NameField(slotAt(s)))
            r[*name] = "Flavour";
        if (auto pct = PercentField(slotAt(s)))
            r[*pct] = "1.5";
    }
    return r;
}

void BM_RecalculateFullRecipe(benchmark::State& state) {
    const MixRecipe recipe = fullRecipe();
    MixResult previous;
    for (auto _ : state) {
        MixResult result = Recalculate(recipe, 2, previous);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_RecalculateFullRecipe);

// The figures of what could be made, on a full recipe that cannot be made as asked: the
// ratio range, the nearest ratio, the strongest mix and the flavour share, each confirmed.
void BM_FeasibilityFullRecipe(benchmark::State& state) {
    MixRecipe recipe = fullRecipe();
    recipe[TextField::MixStrength] = "30"; // a base of 72 mg brings too much of both
    for (std::size_t i = 0; i <= FlavourCount; ++i)
        recipe[*PercentField(slotAt(index(SlotId::Flav1) + i))] = "6";
    if (Recalculate(recipe).VolumesOk)
        state.SkipWithError("the recipe can be made");
    for (auto _ : state) {
        Feasibility f = ComputeFeasibility(recipe);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(BM_FeasibilityFullRecipe);

void BM_ParseNumber(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseNumber("1234.5678"));
}
BENCHMARK(BM_ParseNumber);

void BM_FormatNumber(benchmark::State& state) {
    double v = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumber(v));
        v += 0.001;
    }
}
BENCHMARK(BM_FormatNumber);

// What Paste Recipe reads on every keystroke in its text: a forum post, and the largest
// text it takes, made of lines with many shares each (the costliest shape to split).
void BM_ParseForumPost(benchmark::State& state) {
    const std::string post = "Custard Dream by vapeguy\n70VG/30PG | 3 mg | 60 ml | steep 2 weeks\n"
                             "%   Vendor  Flavor\n3   (CAP) Vanilla Custard\n"
                             "2,5 (TPA) Bavarian Cream\n1   (FA) Meringue\n"
                             "Total flavoring: 6.5%  Steep Days: 14\nEnjoy and let me know!\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseRecipeText(post));
}
BENCHMARK(BM_ParseForumPost)->Unit(benchmark::kMicrosecond);

void BM_ParseLargestPaste(benchmark::State& state) {
    std::string text;
    while (text.size() < MaxRecipeTextBytes) {
        for (int i = 0; i < 60; ++i)
            text += "Peach (FA) 2,5% ";
        text += "\n";
    }
    text.resize(MaxRecipeTextBytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseRecipeText(text));
}
BENCHMARK(BM_ParseLargestPaste)->Unit(benchmark::kMillisecond);

} // namespace
