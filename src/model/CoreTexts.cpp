// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "CoreTexts.h"

#include "MixResult.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <cstdio>
#include <functional>
#include <string>

namespace kovaq {
namespace {

// The contexts are core's own (Shots.cpp, Feasibility.cpp, MixCalculator.cpp and
// MixResult.h, EntryRules.cpp and Recipe.cpp's captions); the texts are written out in full
// for Qt's lupdate. A few core leaves to the caller to look up where it shows them: the
// status before the first calculation, the box of a mix that cannot be made, the captions.
constexpr std::array kTexts = {
    // The calculation's status line and its box.
    CoreText{"kovaq::Calculation", QT_TRANSLATE_NOOP("kovaq::Calculation", "Cost Ignored, "),
             false},
    CoreText{"kovaq::Calculation", QT_TRANSLATE_NOOP("kovaq::Calculation", "Cost OK, "), false},
    CoreText{"kovaq::Calculation", QT_TRANSLATE_NOOP("kovaq::Calculation", "Cost Pending, "),
             false},
    CoreText{"kovaq::Calculation", QT_TRANSLATE_NOOP("kovaq::Calculation", "Volumes OK"), false},
    CoreText{"kovaq::Calculation", QT_TRANSLATE_NOOP("kovaq::Calculation", "Vols Pending"), false},
    //: Before the first calculation.
    CoreText{"kovaq::Calculation", QT_TRANSLATE_NOOP("kovaq::Calculation", "Cost Pending,"), false},
    //: Before the first calculation.
    CoreText{"kovaq::Calculation", QT_TRANSLATE_NOOP("kovaq::Calculation", "Qty Pending"), false},
    CoreText{"kovaq::Calculation",
             QT_TRANSLATE_NOOP("kovaq::Calculation", "This Mix Cannot Be Achieved"), false},
    CoreText{"kovaq::Calculation",
             QT_TRANSLATE_NOOP("kovaq::Calculation",
                               "    You could try reducing the Mix Strength\n"
                               "    or changing the PG/VG ratio of your mix.\n"
                               "Also, you could try reducing the percentages\n"
                               "   of your flavours or vodka/water additive"),
             false},
    // The rows' own captions.
    //: The nicotine base's row.
    CoreText{"kovaq::RowLabels", QT_TRANSLATE_NOOP("kovaq::RowLabels", "Nic Base"), false},
    CoreText{"kovaq::RowLabels", QT_TRANSLATE_NOOP("kovaq::RowLabels", "PG"), false},
    CoreText{"kovaq::RowLabels", QT_TRANSLATE_NOOP("kovaq::RowLabels", "VG"), false},
    CoreText{"kovaq::RowLabels", QT_TRANSLATE_NOOP("kovaq::RowLabels", "Vodka/Water"), false},
    //: The PG row's caption in the ingredients group.
    CoreText{"kovaq::RowLabels", QT_TRANSLATE_NOOP("kovaq::RowLabels", "Prop. Glycol (PG)"), false},
    //: The VG row's caption in the ingredients group.
    CoreText{"kovaq::RowLabels", QT_TRANSLATE_NOOP("kovaq::RowLabels", "Veg. Glycerin (VG)"),
             false},
    //: The nicotine base's row once the base has a name (%1).
    CoreText{"kovaq::RowLabels", QT_TRANSLATE_NOOP("kovaq::RowLabels", "NicBase  %1"), false},
    // What can be made instead; the parts are joined into one sentence.
    CoreText{"kovaq::Feasibility",
             QT_TRANSLATE_NOOP("kovaq::Feasibility", "the mix ratio can be from %1 to %2 PG-VG"),
             false},
    CoreText{"kovaq::Feasibility",
             QT_TRANSLATE_NOOP("kovaq::Feasibility", "the mix ratio can be %1 PG-VG"), false},
    CoreText{"kovaq::Feasibility", QT_TRANSLATE_NOOP("kovaq::Feasibility", "no mix ratio works"),
             false},
    CoreText{"kovaq::Feasibility", QT_TRANSLATE_NOOP("kovaq::Feasibility", "up to %1 mg"), false},
    //: %2 is a PG-VG ratio such as 70-30.
    CoreText{"kovaq::Feasibility", QT_TRANSLATE_NOOP("kovaq::Feasibility", "up to %1 mg at %2"),
             false},
    CoreText{"kovaq::Feasibility",
             QT_TRANSLATE_NOOP("kovaq::Feasibility",
                               "the flavours and vodka/water at %1 % of their shares"),
             false},
    //: Joins one more choice (%2) to the choices before it (%1).
    CoreText{"kovaq::Feasibility", QT_TRANSLATE_NOOP("kovaq::Feasibility", "%1, or %2"), false},
    //: %1 is the choices, joined.
    CoreText{"kovaq::Feasibility",
             QT_TRANSLATE_NOOP("kovaq::Feasibility", "With these ingredients %1."), false},
    CoreText{"kovaq::Feasibility", QT_TRANSLATE_NOOP("kovaq::Feasibility", "can be made"), false},
    CoreText{"kovaq::Feasibility",
             QT_TRANSLATE_NOOP("kovaq::Feasibility", "nothing to make: the volume to make is 0"),
             false},
    CoreText{"kovaq::Feasibility",
             QT_TRANSLATE_NOOP("kovaq::Feasibility", "too strong for this base"), false},
    CoreText{"kovaq::Feasibility", QT_TRANSLATE_NOOP("kovaq::Feasibility", "cannot be made"),
             false},
    // Shots and Fixes, and the hint for an amount too small to weigh.
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots",
                               "Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the "
                               "dilution)"),
             false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots",
                               "Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the "
                               "dilution) and leave %3 ml of PG out of the mix"),
             false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots",
                               "Too little to weigh well: pre-dilute 1:%1 in VG (%2 g of the "
                               "dilution) and leave %3 ml of VG out of the mix, as the mix's %4 "
                               "ml of PG cannot take it"),
             false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots",
                               "Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the "
                               "dilution) and leave %3 ml of PG out of the mix, the most the "
                               "mix's PG can take"),
             false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots",
                               "Too little to weigh well, and the mix's PG and VG cannot take a "
                               "dilution of it: make a bigger batch or weigh it on a finer scale"),
             false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots", "Type the shortfill liquid's volume"), false},
    CoreText{"kovaq::Shots", QT_TRANSLATE_NOOP("kovaq::Shots", "Type the size of one shot"), false},
    CoreText{"kovaq::Shots", QT_TRANSLATE_NOOP("kovaq::Shots", "%1 mg shots cannot make %2 mg"),
             false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots", "No room: the bottle holds %1 ml, the liquid %2 ml"),
             false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots", "Shot liquid for %1 mg: %2 ml (%3 g)"), false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots",
                               "Shot liquid for %1 mg: %2 ml (%3 g), more than the %4 ml of room"),
             false},
    //: %n whole shots give %1 mg/ml in %2 ml.
    CoreText{"kovaq::Shots", QT_TRANSLATE_N_NOOP("kovaq::Shots", "%n shots: %1 mg in %2 ml"), true},
    CoreText{
        "kovaq::Shots",
        QT_TRANSLATE_N_NOOP("kovaq::Shots", "%n shots: %1 mg in %2 ml, overflows the %3 ml bottle"),
        true},
    //: %2 is a ratio such as 70/30 PG/VG.
    CoreText{"kovaq::Shots", QT_TRANSLATE_NOOP("kovaq::Shots", "Then: %1 ml at %2"), false},
    CoreText{"kovaq::Shots", QT_TRANSLATE_NOOP("kovaq::Shots", "Type the batch's volume"), false},
    CoreText{"kovaq::Shots", QT_TRANSLATE_NOOP("kovaq::Shots", "Already at %1 mg: add nothing"),
             false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots", "Adding liquid cannot take %1 mg to %2 mg"), false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots",
                               "Type the nicotine base's strength to make the batch stronger"),
             false},
    CoreText{"kovaq::Shots", QT_TRANSLATE_NOOP("kovaq::Shots", "A %1 mg base cannot make %2 mg"),
             false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots", "Add %1 ml of 0 mg liquid at %2 (%3 g)"), false},
    CoreText{"kovaq::Shots",
             QT_TRANSLATE_NOOP("kovaq::Shots", "Add %1 ml of the %2 mg base at %3 (%4 g)"), false},
    CoreText{"kovaq::Shots", QT_TRANSLATE_NOOP("kovaq::Shots", "Then: %1 ml of %2 mg at %3"),
             false},
    //: %1 is a ratio such as 70/30 PG/VG.
    CoreText{"kovaq::Shots", QT_TRANSLATE_NOOP("kovaq::Shots", "Already at %1: add nothing"),
             false},
    CoreText{
        "kovaq::Shots",
        QT_TRANSLATE_NOOP("kovaq::Shots", "Adding PG cannot make a batch with VG in it all PG"),
        false},
    CoreText{
        "kovaq::Shots",
        QT_TRANSLATE_NOOP("kovaq::Shots", "Adding VG cannot make a batch with PG in it all VG"),
        false},
    CoreText{"kovaq::Shots", QT_TRANSLATE_NOOP("kovaq::Shots", "Add %1 ml of PG (%2 g)"), false},
    CoreText{"kovaq::Shots", QT_TRANSLATE_NOOP("kovaq::Shots", "Add %1 ml of VG (%2 g)"), false},
    CoreText{"kovaq::Shots", QT_TRANSLATE_NOOP("kovaq::Shots", "Then: %1 ml at %2, %3 mg"), false},
};

std::string translated(const char* context, const char* source, int n) {
    const QString text = QCoreApplication::translate(context, source, nullptr, n);
    // Qt fills in the count even where nothing is translated; core then picks English's own
    // form for it, so it is told there is no translation.
    if (n >= 0 &&
        text == QString::fromUtf8(source).replace(QLatin1String("%n"), QString::number(n)))
        return source;
    return text.toStdString();
}

} // namespace

std::span<const CoreText> CoreTexts() {
    return kTexts;
}

void InstallCoreTexts() {
    SetTextHook(&translated);
}

std::string CoreTextsDigest() {
    std::string said;
    bool english = true;
    for (const CoreText& t : kTexts) {
        if (t.counted)
            continue; // the same language as the rest
        const std::string text = Say(t.context, t.source);
        english = english && text == t.source;
        said += text;
        said += '\n';
    }
    if (english)
        return {};
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016zx", std::hash<std::string>{}(said));
    return digest;
}

} // namespace kovaq
