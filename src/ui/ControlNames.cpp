// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "ControlNames.h"
#include "QtText.h"

#include <array>

namespace kovaq {
namespace {

constexpr std::array<int, TextFieldCount> kEditNumbers = {
    11, 16, 3,  12, 17, 13, 18,             // NicBaseCost .. VGQty
    14, 19, 9,  10, 22, 23, 27, 28, 30, 31, // Flav1Cost .. Flav5Qty
    33, 34, 39, 40, 42, 43,                 // Flav6Cost .. Flav8Qty
    15, 20,                                 // Vodka/Water cost, quantity
    7,  8,  21, 26, 29, 32, 38, 41,         // Flav1Name .. Flav8Name
    1,                                      // BaseNicStrength
    2,                                      // MixStrength
    4,  24, 25, 35, 36, 37, 44, 45,         // %Flav1 .. %Flav8
    5,                                      // %Vodka/Water
    6,                                      // MixQty
};
constexpr std::array<int, RatioFieldCount> kComboNumbers = {2, 3, 1, 4, 5, 6, 7, 8, 9, 10};

QString caption(SlotId s) {
    return ToQString(IngredientCaption(s));
}

} // namespace

QString FieldControlName(TextField field) {
    return QStringLiteral("Edit%1").arg(kEditNumbers[index(field)]);
}

QString RatioControlName(RatioField ratio) {
    return QStringLiteral("ComboBox%1").arg(kComboNumbers[index(ratio)]);
}

QString FieldAccessibleName(TextField field) {
    switch (field) {
    case TextField::BaseNicStrength:
        return QStringLiteral("Nic Base Strength");
    case TextField::MixStrength:
        return QStringLiteral("Nic Strength");
    case TextField::MixQty:
        return QStringLiteral("Volume To Make");
    default:
        break;
    }
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        if (CostField(s) == field)
            return caption(s) + QStringLiteral(" cost");
        if (QtyField(s) == field)
            return caption(s) + QStringLiteral(" quantity");
        if (NameField(s) == field)
            return caption(s) + QStringLiteral(" name");
        if (PercentField(s) == field)
            return caption(s) + QStringLiteral(" percentage");
    }
    return {};
}

QString RatioAccessibleName(RatioField ratio) {
    if (ratio == RatioField::BaseNicPGVG)
        return QStringLiteral("Nic Base PG-VG");
    if (ratio == RatioField::MixNicPGVG)
        return QStringLiteral("Mix PG-VG");
    return QStringLiteral("F%1 PG-VG").arg(index(ratio) - index(RatioField::Flav1NicPGVG) + 1);
}

} // namespace kovaq
