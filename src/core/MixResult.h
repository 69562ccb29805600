// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Recipe.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kovaq {

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb NormalFieldColour{205, 245, 183};
inline constexpr Rgb MissingFieldColour{255, 191, 191};
inline constexpr Rgb WarningColour{255, 0, 0};
inline constexpr Rgb OkColour{0, 128, 0};
inline constexpr Rgb NormalTextColour{0, 0, 0};
inline constexpr Rgb GroupColour{192, 192, 192};

enum class TextColour { Normal, Warning, Ok };
Rgb ToRgb(TextColour c);

// The calculation's texts are looked up in the user's language under this context (see
// Texts.h); the two below are English, for the caller to look up where it shows them.
inline constexpr const char* StatusContext = "kovaq::Calculation";

inline constexpr std::string_view CannotBeAchievedCaption = "This Mix Cannot Be Achieved";
inline constexpr std::string_view CannotBeAchievedText =
    "    You could try reducing the Mix Strength\n"
    "    or changing the PG/VG ratio of your mix.\n"
    "Also, you could try reducing the percentages\n"
    "   of your flavours or vodka/water additive";

struct SlotResult {
    double Volume = 0.0;
    std::string VolumeText = "0";
    bool VolumeWarn = false;
    std::string MixCostText = "0";
    bool MixCostWarn = false;

    bool operator==(const SlotResult&) const = default;
};

// Everything one calculation derives, including what the window must do with it.
struct MixResult {
    std::array<SlotResult, SlotCount> slots{};
    std::string TotalCostText = "0";
    bool TotalCostWarn = false;
    // Before the first calculation the status group shows these; English, as the texts above
    // (a calculation's own are in the user's language).
    std::string CostStatusText = "Cost Pending,";
    TextColour CostStatusColour = TextColour::Warning;
    std::string VolStatusText = "Qty Pending";
    TextColour VolStatusColour = TextColour::Warning;

    bool VolumesOk = true;
    bool CostsComplete = true;
    bool CostsOk = false;
    bool TooStrong = false;
    bool CannotBeAchieved = false;
    bool InfoComplete = false;

    FieldSet MissingMarks;
    double PgTopUp = 0.0;
    double VgTopUp = 0.0;
    // What the base and the flavours bring, and what is neither PG nor VG.
    double PgCarried = 0.0;
    double VgCarried = 0.0;
    double OtherVolume = 0.0;

    // The "Nic Strength" field and caption; emptied while the base has no nicotine.
    bool MixStrengthEnabled = true;
    bool ClearMixStrength = false;
    // Effects the window carries out: the beep of a mix that is too strong, and the
    // "This Mix Cannot Be Achieved" box between the volumes and the costs.
    bool Beep = false;
    bool ShowCannotBeAchieved = false;
    // Flavours whose row captions go back to "F1".."F8" (no name and no percentage).
    std::array<bool, FlavourCount> ResetFlavourCaption{};

    SlotResult& operator[](SlotId s) { return slots[index(s)]; }
    const SlotResult& operator[](SlotId s) const { return slots[index(s)]; }
};

} // namespace kovaq
