// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "MixResult.h"
#include "Recipe.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace kovaq {

// A character typed into a number field passes only when it is a digit, "." or backspace.
bool NumberKeyAllowed(char16_t ch);

enum class EntryAnswer {
    Wait,    // the text ends in "." while a fraction is typed: nothing recalculates
    GoOn,    // the text stands: recalculate
    Invalid, // the text cannot be read as a number: it stays, nothing recalculates
};

struct NumberEntryOutcome {
    std::u16string text;
    int caret = 0;
    EntryAnswer answer = EntryAnswer::GoOn;
    int beeps = 0; // one for every extra point removed
};

// The number check of a field whose text just changed: removes every point after the
// first (the one in front of the caret), then waits, keeps or tidies the text with
// FormatNumber ("007" -> "7", ".5" -> "0.5"). Positions count UTF-16 units.
NumberEntryOutcome NumberEntryCheck(std::u16string text, int caret);

// Whether a text fits its field (the window measures it in the field's font).
using FitsFunction = std::function<bool(const std::u16string&)>;

struct FitOutcome {
    std::u16string text;
    int caret = 0;
    bool cut = false; // characters were taken away: "Entry Was Too Long" and one beep
};

// The width rule: a text too wide for its field loses the characters in front of the caret
// (then, once the caret is at the start, those at the end) until it fits. Found in a few
// measurements, with the same result as taking one character away at a time.
FitOutcome CutToFit(std::u16string text, int caret, const FitsFunction& fits);

struct ProgramTextOutcome {
    std::u16string text;
    EntryAnswer answer = EntryAnswer::GoOn;
    bool cut = false;
    int beeps = 0;
};

// What a field holds once the program has set its text (loading a recipe): the width rule
// and, for numbers, the number check, run until the text stands. The window and
// kovaq-calc both use this, so a loaded recipe reads the same in both.
ProgramTextOutcome SettleProgramText(TextField field, std::u16string text,
                                     const FitsFunction& fits);

// The Up and Down keys of the volume field step by 0.1 and never go below 0.
std::string VolumeStepUp(std::string_view text);
std::string VolumeStepDown(std::string_view text);

// Captions of the rows that take the ingredient names.
struct RowLabels {
    std::array<std::string, SlotCount> volume;  // "Mixing Volumes"
    std::array<std::string, SlotCount> cost;    // "Cost For This Mix"
    std::array<std::string, FlavourCount> spec; // beside the flavour ratios, F1..F8

    RowLabels();
    // A name typed for the base or a flavour: "NicBase  " / "F1 " followed by the name.
    void applyName(SlotId slot, std::string_view name);
    // Flavours without name or percentage go back to their own label.
    void applyResets(const MixResult& result);
    // The caption that reports print for a slot.
    const std::string& label(SlotId slot) const { return volume[index(slot)]; }

    bool operator==(const RowLabels&) const = default;
};

} // namespace kovaq
