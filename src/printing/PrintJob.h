// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "PageMetrics.h"
#include "ReportDocument.h"

#include <QImage>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;

namespace kovaq {

// The printer's page as the preview and the print measure it.
PageMetrics MetricsOf(QPrinter& printer, int screenPpi, int dialogWidth);

// Prints a report inside the margins, page after page. Returns what to tell the person
// when it did not print (the printer refused, no line fits, a PDF was not written whole),
// or an empty text when it did. A job that fails half-way is aborted.
QString PrintReport(QPrinter& printer, const ReportDocument& doc, const PageMetrics& metrics,
                    const MarginMetrics& margins);

// Prints the window's image right of and below the margins at `imageScale`, a band of rows
// at a time; `afterBand` runs between bands (the progress window's turn). False when the
// printer failed or its PDF was not written whole.
bool PrintImage(QPrinter& printer, const QImage& capture, double imageScale,
                const PageMetrics& metrics, const MarginMetrics& margins,
                const std::function<void()>& afterBand = {});

// Renders the capture onto the printable page right of and below the margins, at
// capture x scale x printer dpi / screen ppi, smoothed; what does not fit is cut off.
QImage RenderPrintImage(const QImage& capture, double imageScale, const PageMetrics& metrics,
                        const MarginMetrics& margins);

// The same pixels, stretched and sent to the painter a band of rows at a time, so that
// memory stays small whatever the paper and the printer's resolution.
void PrintImageInBands(QPainter& painter, const QImage& capture, double imageScale,
                       const PageMetrics& metrics, const MarginMetrics& margins, int bandRows = 256,
                       const std::function<void()>& afterBand = {});

} // namespace kovaq
