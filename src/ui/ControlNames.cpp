// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "ControlNames.h"
#include "QtText.h"

#include <QCoreApplication>

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
    return QCoreApplication::translate("kovaq::RowLabels",
                                       std::string(IngredientCaption(s)).c_str());
}

QString translated(const char* text) {
    return QCoreApplication::translate("ControlNames", text);
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
        return translated(QT_TRANSLATE_NOOP("ControlNames", "Nic Base Strength"));
    case TextField::MixStrength:
        return translated(QT_TRANSLATE_NOOP("ControlNames", "Nic Strength"));
    case TextField::MixQty:
        return translated(QT_TRANSLATE_NOOP("ControlNames", "Volume To Make"));
    default:
        break;
    }
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        // Read out by a screen reader: the row's caption, then what the field holds.
        if (CostField(s) == field)
            return translated(QT_TRANSLATE_NOOP("ControlNames", "%1 cost")).arg(caption(s));
        if (QtyField(s) == field)
            return translated(QT_TRANSLATE_NOOP("ControlNames", "%1 quantity")).arg(caption(s));
        if (NameField(s) == field)
            return translated(QT_TRANSLATE_NOOP("ControlNames", "%1 name")).arg(caption(s));
        if (PercentField(s) == field)
            return translated(QT_TRANSLATE_NOOP("ControlNames", "%1 percentage")).arg(caption(s));
    }
    return {};
}

QString RatioAccessibleName(RatioField ratio) {
    if (ratio == RatioField::BaseNicPGVG)
        return translated(QT_TRANSLATE_NOOP("ControlNames", "Nic Base PG-VG"));
    if (ratio == RatioField::MixNicPGVG)
        return translated(QT_TRANSLATE_NOOP("ControlNames", "Mix PG-VG"));
    //: F1 to F8 name the flavours' rows.
    return translated(QT_TRANSLATE_NOOP("ControlNames", "F%1 PG-VG"))
        .arg(index(ratio) - index(RatioField::Flav1NicPGVG) + 1);
}

} // namespace kovaq
