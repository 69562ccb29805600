// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// Recipes as people post them: the text "Copy Recipe" writes, and what "Paste Recipe" makes
// of the shapes found on forums, in chats and on recipe sites.

#include "Recipe.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovaq {

struct TextFlavour {
    std::string name; // the brand kept as the user would write it: "Vanilla Custard (CAP)"
    double percent = 0;
    bool operator==(const TextFlavour&) const = default;
};

// What a text was understood to say; each value only when the text said it.
struct ParsedRecipe {
    std::string name;
    std::optional<double> volume;     // ml
    std::optional<double> strength;   // mg/ml of the mix
    std::optional<int> pgPercent;     // of the mix, as written
    std::optional<int> ratioPosition; // the window's listed ratio nearest to it
    std::optional<double> baseStrength;
    std::optional<int> basePgPercent;
    std::optional<int> baseRatioPosition;
    std::vector<TextFlavour> flavours; // at most eight
    std::vector<TextFlavour> leftOut;  // those after the eighth
    std::optional<double> vodkaWater;  // percent
    std::optional<int> steepDays;      // 0 for shake and vape
    std::vector<std::string> notes;
    std::vector<std::string> unused; // the lines not understood, as they stood
    bool textCut = false;            // the text was longer than is read: its start was read

    // Whether there is a recipe in it at all: a flavour, or a volume with a strength or
    // a ratio.
    bool holdsRecipe() const;
    // The ratio asked is not one of the window's, and the nearest was taken.
    bool ratioRounded() const;
    bool baseRatioRounded() const;
};

// Longer texts are not recipes; only their start is read (and `textCut` says so).
inline constexpr std::size_t MaxRecipeTextBytes = 256 * 1024;

ParsedRecipe ParseRecipeText(std::string_view text);

// The text without NUL, DEL and the other C0 control characters but the tab and the line
// breaks: no value of a recipe holds one.
std::string WithoutControlCharacters(std::string_view text);

// The one way Ko-Vaq writes a PG/VG ratio itself: "70/30 PG/VG", PG first, to a tenth
// where it is not whole ("33.3/66.7 PG/VG").
std::string PgVgText(double pgPercent);

// A name in ever shorter whole forms, for a field too narrow for it: as it is, then
// without its bracketed brand ("Strawberry Ripe (TPA)" -> "Strawberry Ripe"), then one word
// fewer at a time down to the first. Never a dangling bracket or half a word.
std::vector<std::string> ShorterNames(const std::string& name);

// The listed ratio nearest to a PG share; of two as near, the one with more VG.
int NearestRatioPosition(int pgPercent);

// What "Copy Recipe" copies:
//   Cherry — 30 ml, 12 mg, 70/30 PG/VG
//   Lemon (TPA) 10%
//   Nicotine base: 36 mg, 50/50
//   Steep: 7 days
//   Notes: ...
// With `dropsPerMl` above 0 and the volumes known, each flavour's ml and drops follow its
// share. Numbers as FormatNumber shows them.
struct CopyExtras {
    std::optional<int> steepDays;
    int dropsPerMl = 0;
    std::vector<double> flavourMl; // by flavour slot, when known
};
std::string RecipeAsText(const MixRecipe& recipe, const CopyExtras& extras = {});

} // namespace kovaq
