// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "PrintJob.h"

#include "FileAccess.h"
#include "ReportRenderer.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include <limits>
#include <string_view>

namespace kovaq {

PageMetrics MetricsOf(QPrinter& printer, int screenPpi, int dialogWidth) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    // The device's paper rectangle comes from whole points; the paper's own size in
    // millimetres gives the inches exactly (A4 is 8.27", not 8.26").
    const QRectF mm = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    return ComputePageMetrics(printer.logicalDpiX(), printer.logicalDpiY(),
                              static_cast<int>(paper.width()), static_cast<int>(paper.height()),
                              static_cast<int>(page.left() - paper.left()),
                              static_cast<int>(page.top() - paper.top()),
                              static_cast<int>(page.width()), static_cast<int>(page.height()),
                              screenPpi, dialogWidth, mm.width() / 25.4, mm.height() / 25.4);
}

namespace {

// Qt's PDF engine reports success whatever became of the bytes: a file printed to must be
// there, whole, to count as printed.
bool outputWritten(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return true;
    const FileBytes pdf = ReadRegularFile(NativeFromPath(printer.outputFileName()),
                                          std::numeric_limits<std::size_t>::max());
    if (pdf.status != ReadStatus::Ok)
        return false;
    const std::string_view bytes(pdf.bytes);
    const std::size_t eof = bytes.rfind("%%EOF");
    return bytes.substr(0, 5) == "%PDF-" && eof != std::string_view::npos &&
           bytes.find_first_not_of("\r\n ", eof + 5) == std::string_view::npos;
}

} // namespace

QString PrintReport(QPrinter& printer, const ReportDocument& doc, const PageMetrics& metrics,
                    const MarginMetrics& margins) {
    printer.setDocName(QString());
    QPainter p;
    if (!p.begin(&printer))
        return QCoreApplication::translate("kovaq::PrintJob", "Printer is not available.");
    const QRect area(margins.leftPr, margins.topPr, metrics.pageW - 2 * margins.leftPr,
                     metrics.pageH - 2 * margins.topPr);
    const PagesOutcome outcome =
        RenderReportPages(p, doc, area, [&printer] { return printer.newPage(); });
    if (outcome != PagesOutcome::Done) {
        // Nothing more reaches the printer: the job ends here.
        printer.abort();
        p.end();
        return outcome == PagesOutcome::NoRoom
                   ? QCoreApplication::translate("kovaq::PrintJob", NoRoomMessage)
                   : QCoreApplication::translate(
                         "kovaq::PrintJob",
                         "The printer did not take the next page; the print was stopped.");
    }
    if (!p.end() || !outputWritten(printer))
        return QCoreApplication::translate("kovaq::PrintJob",
                                           "The printer did not finish the print.");
    return {};
}

bool PrintImage(QPrinter& printer, const QImage& capture, double imageScale,
                const PageMetrics& metrics, const MarginMetrics& margins,
                const std::function<void()>& afterBand) {
    QPainter p;
    if (!p.begin(&printer))
        return false;
    PrintImageInBands(p, capture, imageScale, metrics, margins, 256, afterBand);
    return p.end() && outputWritten(printer);
}

namespace {

QSize scaledSize(const QImage& capture, double imageScale, const PageMetrics& metrics) {
    return {static_cast<int>(capture.width() * imageScale * metrics.dpiX / metrics.ppi + 0.5),
            static_cast<int>(capture.height() * imageScale * metrics.dpiY / metrics.ppi + 0.5)};
}

} // namespace

void PrintImageInBands(QPainter& painter, const QImage& capture, double imageScale,
                       const PageMetrics& metrics, const MarginMetrics& margins, int bandRows,
                       const std::function<void()>& afterBand) {
    const int width = std::max(1, metrics.pageW - margins.leftPr);
    const int height = std::max(1, metrics.pageH - margins.topPr);
    const QSize target = scaledSize(capture, imageScale, metrics);
    const int rows = std::min(height, target.height());
    const int cols = std::min(width, target.width());
    if (rows <= 0 || cols <= 0)
        return;
    QImage band(cols, std::max(1, bandRows), QImage::Format_RGB32);
    for (int top = 0; top < rows; top += bandRows) {
        const int h = std::min(bandRows, rows - top);
        // The whole picture drawn shifted up, so the band holds exactly these rows of it.
        band.fill(Qt::white);
        {
            QPainter p(&band);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRect(0, -top, target.width(), target.height()), capture);
        }
        painter.drawImage(QPoint(margins.leftPr, margins.topPr + top), band, QRect(0, 0, cols, h));
        if (afterBand)
            afterBand();
    }
}

QImage RenderPrintImage(const QImage& capture, double imageScale, const PageMetrics& metrics,
                        const MarginMetrics& margins) {
    // Drawn straight at the size of the printable page right of and below the margins: a
    // 1.5-times-paper bitmap cut down to that size holds exactly the same pixels.
    const int width = std::max(1, metrics.pageW - margins.leftPr);
    const int height = std::max(1, metrics.pageH - margins.topPr);
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), scaledSize(capture, imageScale, metrics)), capture);
    return page;
}

} // namespace kovaq
