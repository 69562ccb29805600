// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeShare.h"

#include "MixDocument.h"
#include "Numbers.h"
#include "QtText.h"

#include <QCoreApplication>

namespace kovaq {
namespace {

QString number(double v) {
    return ToQString(FormatNumber(v));
}

QString ratioName(int position) {
    return ToQString(std::string(RatioListText(position))).trimmed();
}

QString steepText(int days) {
    return days == 0   ? QStringLiteral("Steep: shake and vape")
           : days == 1 ? QStringLiteral("Steep: 1 day")
                       : QStringLiteral("Steep: %1 days").arg(days);
}

} // namespace

std::string CopyRecipeText(const MixDocument& doc, std::optional<int> steepDays, int dropsPerMl) {
    CopyExtras extras;
    extras.steepDays = steepDays;
    extras.dropsPerMl = dropsPerMl;
    if (doc.result().VolumesOk)
        for (std::size_t f = 0; f < FlavourCount; ++f)
            extras.flavourMl.push_back(doc.result().slots[index(flavourSlot(f))].Volume);
    return RecipeAsText(doc.recipeWithNotes(), extras);
}

QStringList PasteRemarks(const ParsedRecipe& p, const MixDocument& doc) {
    QStringList out;
    if (p.ratioRounded())
        out << QCoreApplication::translate("kovaq::RecipeShare",
                                           "%1 is not on the list: %2 is used.")
                   .arg(ToQString(PgVgText(*p.pgPercent)), ratioName(*p.ratioPosition));
    if (p.baseRatioRounded())
        out << QCoreApplication::translate("kovaq::RecipeShare",
                                           "The base's %1 is not on the list: %2 is used.")
                   .arg(ToQString(PgVgText(*p.basePgPercent)), ratioName(*p.baseRatioPosition));
    if (!p.leftOut.empty()) {
        QStringList names;
        for (const TextFlavour& f : p.leftOut)
            names << ToQString(f.name) + QLatin1Char(' ') + number(f.percent) + QLatin1Char('%');
        out << QCoreApplication::translate("kovaq::RecipeShare",
                                           "Only eight flavours fit: left out %1.")
                   .arg(names.join(QStringLiteral(", ")));
    }
    const bool baseKnown =
        p.baseStrength.value_or(0) > 0 || ParseNumber(doc.text(TextField::BaseNicStrength)) > 0;
    if (p.strength.value_or(0) > 0 && !baseKnown)
        out << QCoreApplication::translate(
                   "kovaq::RecipeShare",
                   "%1 mg needs a nicotine base: type the base's strength, then the strength. "
                   "\"%2\" is kept in the notes.")
                   .arg(number(*p.strength), KeptStrengthLine(*p.strength));
    if (p.steepDays)
        //: %1 is the note as it is kept, in English ("Steep: 7 days").
        out << QCoreApplication::translate("kovaq::RecipeShare", "%1 (kept in the notes)")
                   .arg(steepText(*p.steepDays));
    return out;
}

QString TextCutRemark() {
    return QCoreApplication::translate("kovaq::RecipeShare",
                                       "Read the first %1 KB of the text; the rest was not used.")
        .arg(MaxRecipeTextBytes / 1024);
}

QString FittedName(MixDocument& trial, TextField field, const QString& name) {
    const auto once = trial.suspendCalculation();
    for (const std::string& form : ShorterNames(ToUtf8(name))) {
        const QString text = ToQString(form);
        trial.setText(field, text, 0, MixDocument::Origin::Program);
        if (ToQString(trial.text(field)) == text)
            return text;
    }
    // Not even the first word fits: the field cuts it.
    trial.setText(field, name, 0, MixDocument::Origin::Program);
    return ToQString(trial.text(field));
}

void FitNames(MixDocument& trial, MixRecipe& recipe) {
    for (std::size_t i = 0; i < SlotCount; ++i)
        if (const auto field = NameField(slotAt(i)); field && !recipe[*field].empty())
            recipe[*field] = ToUtf8(FittedName(trial, *field, ToQString(recipe[*field])));
}

QString KeptStrengthLine(double mg) {
    return QStringLiteral("Strength: %1 mg").arg(number(mg));
}

void PasteRecipe(MixDocument& doc, const ParsedRecipe& p, const PasteOptions& options) {
    using T = TextField;
    // The names' whole forms, found before the mix is touched.
    std::vector<QString> names;
    for (std::size_t f = 0; f < p.flavours.size() && f < FlavourCount; ++f)
        names.push_back(FittedName(options.trial ? *options.trial : doc, *NameField(flavourSlot(f)),
                                   ToQString(p.flavours[f].name)));
    const auto type = [&doc](T f, const QString& text) {
        doc.setText(f, text, static_cast<int>(text.size()), MixDocument::Origin::Typed);
    };
    {
        const auto once = doc.suspendCalculation();
        doc.startNewMix(true, false);
        // The flavour rows were the old mix's flavours.
        for (std::size_t f = 0; f < FlavourCount; ++f) {
            const SlotId slot = flavourSlot(f);
            for (T field : {*NameField(slot), CostField(slot), QtyField(slot)})
                doc.setFieldText(field, QString());
        }
        if (p.baseStrength)
            type(T::BaseNicStrength, number(*p.baseStrength));
        if (p.baseRatioPosition)
            doc.pickRatio(RatioField::BaseNicPGVG, *p.baseRatioPosition);
        if (p.ratioPosition)
            doc.pickRatio(RatioField::MixNicPGVG, *p.ratioPosition);
        if (p.volume)
            type(T::MixQty, number(*p.volume));
        for (std::size_t f = 0; f < p.flavours.size() && f < FlavourCount; ++f) {
            const SlotId slot = flavourSlot(f);
            type(*NameField(slot), names[f]);
            type(*PercentField(slot), number(p.flavours[f].percent));
        }
        if (p.vodkaWater)
            type(T::PctVodkaWater, number(*p.vodkaWater));
    }
    doc.recalculate();
    // The strength last: it needs the base's.
    if (p.strength)
        type(T::MixStrength, number(*p.strength));
    QStringList notes;
    for (const std::string& line : p.notes)
        notes << ToQString(line);
    if (p.steepDays) {
        const QString steep = steepText(*p.steepDays);
        if (!notes.contains(steep))
            notes.prepend(steep);
    }
    // A strength the mix could not take (no base to make it from) is not lost.
    if (p.strength.value_or(0) > 0 && ParseNumber(doc.text(T::MixStrength)) <= 0)
        notes << KeptStrengthLine(*p.strength);
    if (options.unusedToNotes)
        for (const std::string& line : p.unused)
            notes << ToQString(line);
    doc.setNotesLines(notes);
    doc.setMixName(p.name.empty() ? QCoreApplication::translate("kovaq::MixDocument", "Untitled")
                                  : ToQString(p.name));
    doc.setMixSaved(false);
}

} // namespace kovaq
