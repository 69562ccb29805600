// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Recipe.h"

namespace kovaq {
namespace {

constexpr std::array<std::string_view, SlotCount> kSlotNames = {
    "NicBase", "PG",    "VG",    "Flav1", "Flav2", "Flav3",
    "Flav4",   "Flav5", "Flav6", "Flav7", "Flav8", "VodkaWater"};
constexpr std::array<std::string_view, SlotCount> kIngredientCaptions = {
    "Nic Base", "Prop. Glycol (PG)", "Veg. Glycerin (VG)", "F1", "F2", "F3", "F4", "F5", "F6", "F7",
    "F8",       "Vodka/Water"};
constexpr std::array<std::string_view, SlotCount> kRowLabels = {
    "Nic Base", "PG", "VG", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "Vodka/Water"};

constexpr std::array<std::string_view, TextFieldCount> kFieldKeys = {
    "NicBaseCost", "NicBaseQty", "NicBaseName", "PGCost",          "PGQty",
    "VGCost",      "VGQty",      "Flav1Cost",   "Flav1Qty",        "Flav2Cost",
    "Flav2Qty",    "Flav3Cost",  "Flav3Qty",    "Flav4Cost",       "Flav4Qty",
    "Flav5Cost",   "Flav5Qty",   "Flav6Cost",   "Flav6Qty",        "Flav7Cost",
    "Flav7Qty",    "Flav8Cost",  "Flav8Qty",    "Vodka/WaterCost", "Vodka/WaterQty",
    "Flav1Name",   "Flav2Name",  "Flav3Name",   "Flav4Name",       "Flav5Name",
    "Flav6Name",   "Flav7Name",  "Flav8Name",   "BaseNicStrength", "MixStrength",
    "%Flav1",      "%Flav2",     "%Flav3",      "%Flav4",          "%Flav5",
    "%Flav6",      "%Flav7",     "%Flav8",      "%Vodka/Water",    "MixQty"};

constexpr std::array<std::string_view, RatioFieldCount> kRatioKeys = {
    "BaseNicPGVG",  "MixNicPGVG",   "Flav1NicPGVG", "Flav2NicPGVG", "Flav3NicPGVG",
    "Flav4NicPGVG", "Flav5NicPGVG", "Flav6NicPGVG", "Flav7NicPGVG", "Flav8NicPGVG"};

constexpr std::array<std::string_view, RatioListSize> kRatioList = {
    "  PG",  "80-20", "75-25", "70-30", "60-40", "50-50",
    "40-60", "30-70", "25-75", "20-80", "  VG",  " none"};
constexpr std::array<int, RatioListSize> kRatioPg = {100, 80, 75, 70, 60, 50,
                                                     40,  30, 25, 20, 0,  -1};

} // namespace

std::string_view SlotName(SlotId s) {
    return kSlotNames[index(s)];
}
std::string_view IngredientCaption(SlotId s) {
    return kIngredientCaptions[index(s)];
}
std::string_view RowLabelBase(SlotId s) {
    return kRowLabels[index(s)];
}

std::string_view FieldKey(TextField f) {
    return kFieldKeys[index(f)];
}

std::optional<TextField> FieldFromKey(std::string_view key) {
    for (std::size_t i = 0; i < TextFieldCount; ++i)
        if (kFieldKeys[i] == key)
            return textFieldAt(i);
    return std::nullopt;
}

bool IsNameField(TextField f) {
    return f == TextField::NicBaseName || (f >= TextField::Flav1Name && f <= TextField::Flav8Name);
}
bool IsNumberField(TextField f) {
    return !IsNameField(f);
}

TextField CostField(SlotId s) {
    switch (s) {
    case SlotId::NicBase:
        return TextField::NicBaseCost;
    case SlotId::PG:
        return TextField::PGCost;
    case SlotId::VG:
        return TextField::VGCost;
    case SlotId::VodkaWater:
        return TextField::VodkaWaterCost;
    default:
        return textFieldAt(index(TextField::Flav1Cost) + 2 * (index(s) - index(SlotId::Flav1)));
    }
}

TextField QtyField(SlotId s) {
    return textFieldAt(index(CostField(s)) + 1);
}

std::optional<TextField> NameField(SlotId s) {
    if (s == SlotId::NicBase)
        return TextField::NicBaseName;
    if (isFlavour(s))
        return textFieldAt(index(TextField::Flav1Name) + index(s) - index(SlotId::Flav1));
    return std::nullopt;
}

std::optional<TextField> PercentField(SlotId s) {
    if (s == SlotId::VodkaWater)
        return TextField::PctVodkaWater;
    if (isFlavour(s))
        return textFieldAt(index(TextField::PctFlav1) + index(s) - index(SlotId::Flav1));
    return std::nullopt;
}

std::string_view RatioKey(RatioField r) {
    return kRatioKeys[index(r)];
}
int RatioEntryCount(RatioField r) {
    return r == RatioField::BaseNicPGVG || r == RatioField::MixNicPGVG ? 11 : 12;
}

std::string_view RatioListText(int position) {
    if (position < 0 || position >= RatioListSize)
        return {};
    return kRatioList[static_cast<std::size_t>(position)];
}

int RatioPgPercent(int position) {
    if (position < 0 || position >= RatioListSize)
        return 0;
    return kRatioPg[static_cast<std::size_t>(position)];
}

void SetPgPercentFromChoice(PgVgRatio& ratio) {
    if (ratio.position >= 0 && ratio.position < RatioListSize)
        ratio.PgPercent = RatioPgPercent(ratio.position);
}

void RefreshRatioText(PgVgRatio& ratio) {
    if (ratio.position < 0 || ratio.position >= RatioListSize)
        return;
    std::string_view text = RatioListText(ratio.position);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    ratio.RatioText = std::string(text);
}

void SelectRatioPosition(PgVgRatio& ratio, int position, int entryCount) {
    ratio.position = position >= 0 && position < entryCount ? position : -1;
}

MixRecipe FreshMix() {
    MixRecipe r;
    for (PgVgRatio& ratio : r.ratios) {
        ratio.position = 0;
        SetPgPercentFromChoice(ratio);
        RefreshRatioText(ratio);
    }
    return r;
}

std::vector<TextField> FieldSet::toVector() const {
    std::vector<TextField> out;
    for (std::size_t i = 0; i < TextFieldCount; ++i)
        if (m_bits.test(i))
            out.push_back(textFieldAt(i));
    return out;
}

} // namespace kovaq
