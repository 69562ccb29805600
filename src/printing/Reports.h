// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "EntryRules.h"
#include "MixResult.h"
#include "Recipe.h"
#include "ReportDocument.h"
#include "Shots.h"
#include "Weights.h"

#include <QString>
#include <QStringList>

#include <array>

class QDate;

namespace kovaq {

// What the reports print, read from what the window shows when they are built.
struct ReportInputs {
    QString mixTitle; // with its suffix of strength, volume and ratio
    QString costStatusText;
    QString volStatusText;
    QString totalCostText;
    std::array<QString, SlotCount> volumeTexts;
    std::array<QString, SlotCount> mixCostTexts;
    std::array<QString, SlotCount> rowLabels;
    std::array<QString, TextFieldCount> fields;
    std::array<QString, RatioFieldCount> ratioTexts;
    bool mixStrengthEnabled = true;
    bool ignoreCost = false;
    QStringList notesLines;
    bool includeNotes = true;
    bool includeUnused = false;
    int pointSize = 12;

    const QString& field(TextField f) const { return fields[index(f)]; }
    const QString& ratioText(RatioField r) const { return ratioTexts[index(r)]; }
};

// The snapshot a window holding this recipe, result and captions shows.
ReportInputs MakeReportInputs(const MixRecipe& recipe, const MixResult& result,
                              const RowLabels& labels, bool includeNotes, bool includeUnused,
                              int pointSize);

void BuildSummaryReport(ReportDocument& doc, const ReportInputs& in);
void BuildDetailsReport(ReportDocument& doc, const ReportInputs& in);

// The weighing sheet: the mix name with its suffix, the date, then for every ingredient
// that is used its ml, gravity, grams and what the scale reads, and the total; under it, the
// hint of each amount too small to weigh.
TabLayout WeightsTabs(int pointSize);
// The date as the weighing sheet prints it: "9 December 2026".
QString SheetDate(const QDate& day);
void BuildWeightsReport(ReportDocument& doc, const ReportInputs& in, const WeightResult& weights,
                        const QString& date, const SlotHints& hints = {});

} // namespace kovaq
