// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Reports.h"

#include <QCoreApplication>
#include <QLocale>

#include "QtText.h"
#include <QDate>

#include "Maker.h"
#include "MixName.h"
#include "Numbers.h"

namespace kovaq {
namespace {

// FormatNumber of ParseNumber: how the reports print a typed number.
QString number(const QString& text) {
    return ToQString(FormatNumber(ParseNumber(text.toStdString())));
}

// The reports' words are their captions and headings, in the reader's language ("kovaq::Reports");
// the separators and tabs that follow them are the layout's own.
QString footer() {
    return QCoreApplication::translate("kovaq::Reports", "Calculated with Ko-Vaq from %1")
        .arg(ToQString(MakerWebDomain));
}

// "Mix Name - Cherry": the heading's caption, then the report's separator.
QString nameLine(const QString& title) {
    return QCoreApplication::translate("kovaq::Reports", "Mix Name") + QStringLiteral(" - ") +
           title;
}

} // namespace

ReportInputs MakeReportInputs(const MixRecipe& recipe, const MixResult& result,
                              const RowLabels& labels, bool includeNotes, bool includeUnused,
                              int pointSize) {
    ReportInputs in;
    for (std::size_t i = 0; i < TextFieldCount; ++i)
        in.fields[i] = ToQString(recipe.texts[i]);
    // A base without nicotine leaves the strength field emptied.
    if (!result.MixStrengthEnabled)
        in.fields[index(TextField::MixStrength)].clear();
    for (std::size_t i = 0; i < RatioFieldCount; ++i)
        in.ratioTexts[i] = ToQString(recipe.ratios[i].RatioText);
    in.mixTitle = ToQString(
        ComposeMixName(recipe.Name, in.field(TextField::MixStrength).toStdString(),
                       recipe[TextField::MixQty], recipe[RatioField::MixNicPGVG].RatioText));
    in.costStatusText = ToQString(result.CostStatusText);
    in.volStatusText = ToQString(result.VolStatusText);
    // Costs that are not worked out say so in the reader's language.
    const auto costText = [&recipe](const std::string& text) {
        return recipe.IgnoreCost ? QCoreApplication::translate("kovaq::Reports", "N/A")
                                 : ToQString(text);
    };
    in.totalCostText = costText(result.TotalCostText);
    for (std::size_t i = 0; i < SlotCount; ++i) {
        in.volumeTexts[i] = ToQString(result.slots[i].VolumeText);
        in.mixCostTexts[i] = costText(result.slots[i].MixCostText);
        in.rowLabels[i] = ToQString(labels.label(slotAt(i)));
    }
    in.mixStrengthEnabled = result.MixStrengthEnabled;
    in.ignoreCost = recipe.IgnoreCost;
    for (const std::string& line : recipe.Notes)
        in.notesLines << ToQString(line);
    in.includeNotes = includeNotes;
    in.includeUnused = includeUnused;
    in.pointSize = pointSize;
    return in;
}

void BuildSummaryReport(ReportDocument& doc, const ReportInputs& in) {
    const int s = in.pointSize;
    const auto vol = [&](SlotId slot) { return in.volumeTexts[index(slot)]; };
    const auto label = [&](SlotId slot) { return in.rowLabels[index(slot)]; };

    doc.Clear();
    doc.SetSize(s);
    doc.SetBold(false);
    doc.SetTabLayout(SummaryTabs(s));
    const QString status = QCoreApplication::translate("kovaq::Reports", "Status");
    const QString notesCaption = QCoreApplication::translate("kovaq::Reports", "Notes");
    doc.AppendLine(nameLine(in.mixTitle));
    doc.AppendLine(QString());
    doc.AppendLine(status + QStringLiteral(" -  ") + in.costStatusText + QStringLiteral(" ") +
                   in.volStatusText + QStringLiteral("\t"));
    doc.AppendLine(QStringLiteral("\t\t\t"));
    if (ParseNumber(in.field(TextField::BaseNicStrength).toStdString()) != 0.0)
        doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Nic Base Strength") +
                       QStringLiteral("\t\t") + in.field(TextField::BaseNicStrength) +
                       QStringLiteral(" mg\t"));
    if (in.mixStrengthEnabled)
        doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Nic Strength") +
                       QStringLiteral("\t\t") + number(in.field(TextField::MixStrength)) +
                       QStringLiteral(" mg\t"));
    else
        doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Nic Strength") +
                       QStringLiteral("\t\t0 mg\t"));
    doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Mix PG-VG Ratio (%)") +
                   QStringLiteral(" \t\t") + in.ratioText(RatioField::MixNicPGVG) +
                   QStringLiteral("\t"));
    doc.AppendLine(QStringLiteral("\t\t\t"));

    const QString ml = QStringLiteral(" ml\t");
    if (vol(SlotId::NicBase) != QStringLiteral("0"))
        doc.AppendLine(label(SlotId::NicBase) + QStringLiteral("\t") +
                       in.ratioText(RatioField::BaseNicPGVG) + QStringLiteral("\t") +
                       vol(SlotId::NicBase) + ml);
    for (SlotId slot : {SlotId::PG, SlotId::VG})
        if (vol(slot) != QStringLiteral("0"))
            doc.AppendLine(label(slot) + QStringLiteral(" \t\t") + vol(slot) + ml);
    for (std::size_t f = 0; f < FlavourCount; ++f) {
        const SlotId slot = flavourSlot(f);
        if (vol(slot) != QStringLiteral("0"))
            doc.AppendLine(label(slot) + QStringLiteral("\t") + in.field(*PercentField(slot)) +
                           QStringLiteral("%\t") + vol(slot) + ml);
    }
    if (vol(SlotId::VodkaWater) != QStringLiteral("0"))
        doc.AppendLine(label(SlotId::VodkaWater) + QStringLiteral("\t\t") +
                       vol(SlotId::VodkaWater) + ml);
    doc.AppendLine(QStringLiteral("\t\t\t"));
    if (ParseNumber(in.field(TextField::MixQty).toStdString()) != 0.0)
        doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Mix Volume") +
                       QStringLiteral(" \t\t") + in.field(TextField::MixQty) + ml);
    doc.AppendLine(QStringLiteral("\t\t\t"));
    if (in.totalCostText != QStringLiteral("0"))
        doc.AppendLine(QStringLiteral("                  ") +
                       QCoreApplication::translate("kovaq::Reports", "TOTAL COST") +
                       QStringLiteral(" \t") + in.totalCostText + QStringLiteral("\t"));

    if (in.includeNotes) {
        doc.ReplaceLineText(2, doc.LineText(2) + notesCaption + QStringLiteral(" -  "));
        for (int k = 0; k < in.notesLines.size(); ++k) {
            if (k + 4 < doc.LineCount())
                doc.ReplaceLineText(k + 4, doc.LineText(k + 4) + in.notesLines[k]);
            else
                doc.AppendLine(QStringLiteral("\t\t\t") + in.notesLines[k]);
        }
    }

    // The captions are bold with their dash.
    const int name =
        doc.Find(QCoreApplication::translate("kovaq::Reports", "Mix Name") + QStringLiteral(" - "));
    if (name >= 0)
        doc.MarkBold(name, static_cast<int>(doc.LineText(0).size()) - name);
    const int statusAt = doc.Find(status + QStringLiteral(" -  "));
    if (statusAt >= 0)
        doc.MarkBold(statusAt, static_cast<int>(status.size()) + 2);
    const int notes = doc.Find(notesCaption + QStringLiteral(" -  "));
    if (notes >= 0)
        doc.MarkBold(notes, static_cast<int>(notesCaption.size()) + 2);

    doc.AppendLine(QStringLiteral("\t\t\t"));
    doc.SetBold(false);
    doc.SetSize(s - 2);
    doc.AppendLine(footer() + QStringLiteral("\t"));
    doc.SetSize(s);
}

void BuildDetailsReport(ReportDocument& doc, const ReportInputs& in) {
    const int s = in.pointSize;
    const auto vol = [&](SlotId slot) { return in.volumeTexts[index(slot)]; };
    const auto label = [&](SlotId slot) { return in.rowLabels[index(slot)]; };
    const auto cost = [&](SlotId slot) { return in.mixCostTexts[index(slot)]; };
    const auto shown = [&](SlotId slot) {
        return vol(slot) != QStringLiteral("0") || in.includeUnused;
    };
    // Step 1: the printed cost and quantity of every slot.
    std::array<QString, SlotCount> costs;
    std::array<QString, SlotCount> qtys;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId slot = slotAt(i);
        costs[i] = in.ignoreCost ? QCoreApplication::translate("kovaq::Reports", "N/A")
                                 : number(in.field(CostField(slot)));
        qtys[i] = in.ignoreCost ? QCoreApplication::translate("kovaq::Reports", "N/A")
                                : number(in.field(QtyField(slot)));
    }

    doc.Clear();
    doc.SetSize(s);
    doc.SetBold(false);
    doc.SetTabLayout(DetailsTabs(s));
    doc.AppendLine(nameLine(in.mixTitle));
    doc.MarkBold(0, static_cast<int>(doc.LineText(0).size()));
    doc.AppendLine(QString());
    const int statusStart = doc.LineStart(doc.LineCount());
    const QString status = QCoreApplication::translate("kovaq::Reports", "Status");
    doc.AppendLine(status + QStringLiteral(" -  ") + in.costStatusText + QStringLiteral(" ") +
                   in.volStatusText);
    doc.MarkBold(statusStart, static_cast<int>(status.size()) + 3);
    doc.AppendLine(QString());

    doc.SetBold(true);
    doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Ingredient Details") +
                   QStringLiteral("\t\t\t") +
                   QCoreApplication::translate("kovaq::Reports", "Mixing Volumes"));
    doc.SetSize(s - 2);
    doc.AppendLine(
        QStringLiteral("\t") + QCoreApplication::translate("kovaq::Reports", "Cost") +
        QStringLiteral("\t      ") + QCoreApplication::translate("kovaq::Reports", "Qty(ml)") +
        QStringLiteral("\t\t") + QCoreApplication::translate("kovaq::Reports", "Vol(ml)"));
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId slot = slotAt(i);
        if (!shown(slot))
            continue;
        QString first;
        switch (slot) {
        case SlotId::NicBase:
            first = label(slot);
            break;
        case SlotId::PG:
            first = QCoreApplication::translate("kovaq::Reports", "Prop. Glycol (PG)");
            break;
        case SlotId::VG:
            first = QCoreApplication::translate("kovaq::Reports", "Veg. Glycerin (VG)");
            break;
        case SlotId::VodkaWater:
            first = QCoreApplication::translate("kovaq::Reports", "Vodka/Water");
            break;
        default:
            first =
                ToQString(RowLabelBase(slot)) + QStringLiteral(" ") + in.field(*NameField(slot));
            break;
        }
        //: Between a bottle's price and its size in ml: "2.50 per 10".
        doc.AppendLine(first + QStringLiteral("\t") + costs[i] + QStringLiteral("\t") +
                       QCoreApplication::translate("kovaq::Reports", "per") + QStringLiteral("  ") +
                       qtys[i] + QStringLiteral("\t") + label(slot) + QStringLiteral("\t  ") +
                       vol(slot));
    }
    doc.AppendLine(QString());
    doc.AppendLine(QString());

    doc.SetBold(true);
    doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Mixing Specification") +
                   QStringLiteral("\t\t\t") +
                   QCoreApplication::translate("kovaq::Reports", "Costs For This Mix"));
    doc.SetTabLayout(SpecHeaderTabs(s));
    doc.SetSize(s - 2);
    doc.AppendLine(QStringLiteral("\t%PG/%VG\t  ") +
                   QCoreApplication::translate("kovaq::Reports", "Costs"));
    doc.SetTabLayout(SpecRowTabs(s));
    const QString gap = QStringLiteral("\t  ");
    if (cost(SlotId::NicBase) != QStringLiteral("0") || in.includeUnused)
        doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Nic Base Strength") +
                       QStringLiteral("\t") + in.ratioText(RatioField::BaseNicPGVG) +
                       QStringLiteral("\t") + number(in.field(TextField::BaseNicStrength)) +
                       QStringLiteral(" mg\t") + label(SlotId::NicBase) + gap +
                       cost(SlotId::NicBase));
    doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Nic Strength") +
                   QStringLiteral("\t") + in.ratioText(RatioField::MixNicPGVG) +
                   QStringLiteral("\t") + number(in.field(TextField::MixStrength)) +
                   QStringLiteral(" mg\t") + label(SlotId::PG) + gap + cost(SlotId::PG));
    doc.AppendLine(QStringLiteral("\t\t\t") + label(SlotId::VG) + gap + cost(SlotId::VG));
    for (std::size_t f = 0; f < FlavourCount; ++f) {
        const SlotId slot = flavourSlot(f);
        if (!shown(slot))
            continue;
        doc.AppendLine(label(slot) + QStringLiteral("\t") + in.ratioText(flavourRatio(f)) +
                       QStringLiteral("\t") + number(in.field(*PercentField(slot))) +
                       QStringLiteral("%\t") + label(slot) + gap + cost(slot));
    }
    if (shown(SlotId::VodkaWater))
        doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Vodka/Water") +
                       QStringLiteral("\t\t") + number(in.field(TextField::PctVodkaWater)) +
                       QStringLiteral("%\t") + label(SlotId::VodkaWater) + gap +
                       cost(SlotId::VodkaWater));
    doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Mix Volume") +
                   QStringLiteral("\t\t") + number(in.field(TextField::MixQty)) +
                   QStringLiteral(" ml\t                    ") +
                   QCoreApplication::translate("kovaq::Reports", "TOTAL") + QStringLiteral("\t  ") +
                   in.totalCostText);

    if (in.includeNotes) {
        doc.AppendLine(QString());
        doc.SetBold(true);
        doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Notes") +
                       QStringLiteral(" -"));
        if (!in.notesLines.isEmpty()) {
            doc.AppendLine(QString());
            doc.SetTabLayout(NotesTabs(s));
            for (const QString& line : in.notesLines)
                doc.AppendLine(line);
        }
    }
    doc.AppendLine(QString());
    doc.SetSize(s - 2);
    doc.AppendLine(footer());
    doc.AppendLine(QString());
}

} // namespace kovaq

namespace kovaq {

TabLayout WeightsTabs(int s) {
    return {QStringLiteral("WeightsTabs"),
            {0, s * 130 / 12, s * 185 / 12, s * 240 / 12, s * 300 / 12}};
}

void BuildWeightsReport(ReportDocument& doc, const ReportInputs& in, const WeightResult& weights,
                        const QString& date, const SlotHints& hints) {
    const int s = in.pointSize;
    doc.Clear();
    doc.SetSize(s);
    doc.SetTabLayout(WeightsTabs(s));
    doc.SetBold(true);
    doc.AppendLine(nameLine(in.mixTitle));
    doc.SetBold(false);
    doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Weighed") +
                   QStringLiteral(" - ") + date);
    doc.AppendLine(QString());
    doc.SetBold(true);
    doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "Ingredient") +
                   QStringLiteral("\tml\tg/ml\t") +
                   QCoreApplication::translate("kovaq::Reports", "grams") + QLatin1Char('\t') +
                   QCoreApplication::translate("kovaq::Reports", "scale reads"));
    doc.SetBold(false);
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotWeight& w = weights.slots[i];
        if (in.volumeTexts[i] == QStringLiteral("0") && w.gramsText == "0.00")
            continue; // nothing to weigh
        doc.AppendLine(in.rowLabels[i] + QLatin1Char('\t') + in.volumeTexts[i] + QLatin1Char('\t') +
                       QString::number(w.gravity, 'f', 3) + QLatin1Char('\t') +
                       ToQString(w.gramsText) + QLatin1Char('\t') + ToQString(w.scaleText));
    }
    doc.AppendLine(QString());
    doc.SetBold(true);
    doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "TOTAL") +
                   QStringLiteral("\t\t\t") + ToQString(weights.totalGramsText));
    doc.SetBold(false);
    doc.AppendLine(QString());
    bool hinted = false;
    for (std::size_t i = 0; i < SlotCount; ++i)
        if (hints[i]) {
            //: An ingredient (%1) and the hint for it (%2).
            doc.AppendLine(QCoreApplication::translate("kovaq::Reports", "%1: %2")
                               .arg(in.rowLabels[i].trimmed(), ToQString(*hints[i])));
            hinted = true;
        }
    if (hinted)
        doc.AppendLine(QString());
    doc.SetSize(s - 2);
    doc.AppendLine(footer());
    doc.SetSize(s);
}

QString SheetDate(const QDate& day) {
    return QLocale::c().toString(day, QStringLiteral("d MMMM yyyy"));
}

} // namespace kovaq
