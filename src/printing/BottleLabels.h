// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "ReportDocument.h"
#include "StashStore.h"

#include <QDate>
#include <QImage>
#include <QPageSize>
#include <QString>

#include <optional>

namespace kovaq {

// What a bottle's label says of a batch.
struct LabelInputs {
    QString name;
    QString strength; // mg, as typed
    QString ratio;    // "70-30", as the list gives it
    QString volume;   // ml, as typed
    QDate mixed;
    QDate ready;
    QString baseMaker; // of the nicotine base, when the stash knows it
    // The label says "Contains nicotine" (a batch with nicotine, unless the person chose not).
    bool containsNicotine = false;
};

// A batch's label: its name without the figures the label gives on lines of their own, its
// dates, and "Contains nicotine" when it has any. The base's maker is the caller's to find.
LabelInputs LabelInputsOf(const Batch& batch);

// The label sizes offered, and the printer's own page.
enum class LabelSize { Small, Medium, Large, PrinterOwn };
QString LabelSizeName(LabelSize size); // "50 × 25 mm", ..., "The printer's own"
QPageSize LabelPage(LabelSize size);   // the printer's own: none (invalid)
// "50x25", "70x40", "100x50" on the command line.
std::optional<LabelSize> LabelSizeFromText(const QString& text);
// A label's margin all round, in inches.
inline constexpr double LabelMarginInches = 0.08;

// The label at a text size: the name in bold, then strength, ratio and volume, the dates,
// the base's maker, and "Contains nicotine" in bold.
void BuildLabelReport(ReportDocument& doc, const LabelInputs& in, int pointSize);
// The largest text size, from 18 down to 5 points, at which the label fits a page of that
// size (less the margins); the label is built at it. What does not fit even at 5 points is
// shortened to the one page: the name to two lines ending in an ellipsis, the other lines
// to one each.
int FitLabelReport(ReportDocument& doc, const LabelInputs& in, const QSizeF& pageMm);
// The label as it will print, the page's size in millimetres, scaled to `width` pixels,
// its edge drawn.
QImage LabelPreview(const ReportDocument& doc, const QSizeF& pageMm, int width);

} // namespace kovaq
