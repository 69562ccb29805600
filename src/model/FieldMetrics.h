// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "EntryRules.h"
#include "Recipe.h"

#include <QFont>

#include <functional>
#include <optional>
#include <string>

namespace kovaq {

// The window's text font: Arial (or Liberation Sans, drawn the same width) with 11-pixel
// characters. Needs a QGuiApplication.
QFont WindowFont();

// The visible width of each field in pixels: 40 for the numbers of "Ingredient Details", 38
// for those of the mix asked for, 61 for the base's name and 92 for the flavours' names.
int FieldWidth(TextField field);

// Whether a text could be too wide for its field at all: no printable ASCII character of
// the window's font takes more than 1.25 of its 11 pixels, so a short ASCII text fits
// without being measured. Anything else is measured.
bool CouldBeTooWide(TextField field, const std::u16string& text);

// The width rule of the fields, measured in the window's font: a text fits when it takes
// at most the field's width less 6 pixels. The window and kovaq-calc measure with this one
// object, so that a loaded recipe reads the same in both. The font is only looked at when
// a text could be too wide; `beforeFirstMeasure` runs then, once (kovaq-calc starts its
// font machinery there, so that most files never need it).
class FieldMeasure {
  public:
    explicit FieldMeasure(std::function<void()> beforeFirstMeasure = {});
    bool fits(TextField field, const std::u16string& text) const;
    FitsFunction fitsFor(TextField field) const;

  private:
    std::function<void()> m_beforeFirst;
    mutable std::optional<QFont> m_font;
};

// The width rule as a documents' rule, measured by one FieldMeasure kept with it.
std::function<bool(TextField, const std::u16string&)>
WindowFieldRule(std::function<void()> beforeFirstMeasure = {});

// A recipe as the window's fields hold it once it is loaded: every text through the width
// rule and, for numbers, the number check.
MixRecipe SettleLoadedRecipe(MixRecipe recipe, const FieldMeasure& measure);

} // namespace kovaq
