// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "FieldMetrics.h"

#include "QtText.h"
#include <memory>

#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace kovaq {

QFont WindowFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(11);
    return f;
}

int FieldWidth(TextField field) {
    if (field == TextField::NicBaseName)
        return 61;
    if (IsNameField(field))
        return 92;
    return field >= TextField::MixStrength ? 38 : 40;
}

bool CouldBeTooWide(TextField field, const std::u16string& text) {
    for (char16_t c : text)
        if (c < 0x20 || c > 0x7E)
            return true;
    // 1.25 x 11 pixels a character, in quarters of a pixel.
    return static_cast<long long>(text.size()) * 55 > (FieldWidth(field) - 6) * 4LL;
}

FieldMeasure::FieldMeasure(std::function<void()> beforeFirstMeasure)
    : m_beforeFirst(std::move(beforeFirstMeasure)) {}

bool FieldMeasure::fits(TextField field, const std::u16string& text) const {
    if (!CouldBeTooWide(field, text))
        return true;
    if (!m_font) {
        if (m_beforeFirst)
            m_beforeFirst();
        m_font = WindowFont();
    }
    const QString q = ToQString(text);
    return QFontMetrics(*m_font).horizontalAdvance(q) <= FieldWidth(field) - 6;
}

FitsFunction FieldMeasure::fitsFor(TextField field) const {
    return [this, field](const std::u16string& text) { return fits(field, text); };
}

MixRecipe SettleLoadedRecipe(MixRecipe recipe, const FieldMeasure& measure) {
    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        const TextField f = textFieldAt(i);
        const ProgramTextOutcome out =
            SettleProgramText(f, ToUtf16(recipe.texts[i]), measure.fitsFor(f));
        recipe.texts[i] = ToUtf8(out.text);
    }
    return recipe;
}

std::function<bool(TextField, const std::u16string&)>
WindowFieldRule(std::function<void()> beforeFirstMeasure) {
    return [measure = std::make_shared<FieldMeasure>(std::move(beforeFirstMeasure))](
               TextField f, const std::u16string& text) { return measure->fits(f, text); };
}

} // namespace kovaq
