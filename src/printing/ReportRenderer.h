// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "FileAccess.h"
#include "ReportDocument.h"

#include <QFont>
#include <QPageSize>

#include <QRect>
#include <QString>
#include <functional>

class QIODevice;
class QPainter;
class QPaintDevice;

namespace kovaq {

// Lays a report out inside `area` (device pixels) of the painter's device, in Arial at each
// character's size with each line's tab stops, starting from character `from`. Lines too
// wide for the area wrap. Returns the position of the first character that did not fit,
// or -1 when the rest of the report fit.
int RenderReport(QPainter& painter, const ReportDocument& doc, const QRect& area, int from = 0);

enum class PagesOutcome {
    Done,
    NoRoom,      // a fresh page took nothing: the margins and text size leave no room
    PageRefused, // the device would not start another page
};
inline constexpr const char* NoRoomMessage = QT_TRANSLATE_NOOP(
    "kovaq::PrintJob", "The margins and text size leave no room for a line on this paper.");

// Lays the report out page after page in `area`, starting a new page with `newPage` while
// text remains. A page that takes nothing ends the job at once: a printer never receives a
// runaway stream of blank pages.
PagesOutcome RenderReportPages(QPainter& painter, const ReportDocument& doc, const QRect& area,
                               const std::function<bool()>& newPage);

// Writes the report to a PDF on A4 with quarter-inch margins, over as many pages as it
// takes. Says why when the file cannot be written; the file is replaced in one step.
// Another page and margin: a label, say.
WriteResult ExportReportPdf(const ReportDocument& doc, const QString& path,
                            const QPageSize& page = QPageSize(QPageSize::A4),
                            double marginInches = 0.25);
bool ExportReportPdf(const ReportDocument& doc, QIODevice& out,
                     const QPageSize& page = QPageSize(QPageSize::A4), double marginInches = 0.25);

// The font the reports use at a size in points.
QFont ReportFont(int points, bool bold);

} // namespace kovaq
