// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "ReportRenderer.h"

#include <cerrno>

#include "FileAccess.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>

namespace kovaq {

QFont ReportFont(int points, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    f.setPointSize(std::max(1, points));
    f.setBold(bold);
    return f;
}

namespace {

QList<QTextLayout::FormatRange> formatRanges(const ReportLine& line, QPaintDevice* device) {
    QList<QTextLayout::FormatRange> ranges;
    for (const FormatRun& run : FormatRuns(line)) {
        QTextLayout::FormatRange r;
        r.start = run.start;
        r.length = run.length;
        r.format.setFont(QFont(ReportFont(run.format.size, run.format.bold), device));
        ranges << r;
    }
    return ranges;
}

QTextOption tabOption(const TabLayout& tabs, const QPaintDevice* device) {
    // The stops are applied in ascending order; a list given out of order (the summary at
    // 14 points) would otherwise send the text back to the left.
    QList<int> stops = tabs.stops;
    std::sort(stops.begin(), stops.end());
    QList<QTextOption::Tab> list;
    // Qt reads tab positions in 96-dpi pixels and scales them to the device itself.
    Q_UNUSED(device);
    const qreal perPoint = 96.0 / 72.0;
    for (int stop : stops)
        if (stop > 0)
            list << QTextOption::Tab(stop * perPoint, QTextOption::LeftTab);
    QTextOption option;
    option.setTabs(list);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

} // namespace

int RenderReport(QPainter& painter, const ReportDocument& doc, const QRect& area, int from) {
    QPaintDevice* device = painter.device();
    qreal y = area.top();
    int lineStart = 0;
    for (const ReportLine& line : doc.lines()) {
        const int length = static_cast<int>(line.text.size());
        const int lineEnd = lineStart + length; // the line break follows
        if (lineEnd + 2 <= from) {
            lineStart = lineEnd + 2;
            continue;
        }
        const QFont base(ReportFont(line.lineFormat.size, line.lineFormat.bold), device);
        if (length == 0) {
            const qreal h = QFontMetricsF(base).lineSpacing();
            if (y + h > area.bottom() + 1)
                return lineStart;
            y += h;
            lineStart = lineEnd + 2;
            continue;
        }
        QTextLayout layout(line.text, base, device);
        layout.setTextOption(tabOption(line.tabs, device));
        layout.setFormats(formatRanges(line, device));
        layout.beginLayout();
        while (true) {
            QTextLine tl = layout.createLine();
            if (!tl.isValid())
                break;
            tl.setLineWidth(area.width());
        }
        layout.endLayout();
        const int skipBefore = std::max(0, from - lineStart);
        for (int i = 0; i < layout.lineCount(); ++i) {
            QTextLine tl = layout.lineAt(i);
            if (tl.textStart() + tl.textLength() <= skipBefore && i + 1 < layout.lineCount())
                continue;
            if (y + tl.height() > area.bottom() + 1)
                return lineStart + tl.textStart();
            tl.setPosition(QPointF(0, 0));
            tl.draw(&painter, QPointF(area.left(), y));
            y += tl.height();
        }
        lineStart = lineEnd + 2;
    }
    return -1;
}

PagesOutcome RenderReportPages(QPainter& painter, const ReportDocument& doc, const QRect& area,
                               const std::function<bool()>& newPage) {
    int from = 0;
    for (bool first = true;; first = false) {
        if (!first && !newPage())
            return PagesOutcome::PageRefused;
        const int next = RenderReport(painter, doc, area, from);
        if (next < 0)
            return PagesOutcome::Done;
        if (next == from)
            return PagesOutcome::NoRoom;
        from = next;
    }
}

WriteResult ExportReportPdf(const ReportDocument& doc, const QString& path, const QPageSize& page,
                            double marginInches) {
    // Made in memory, then written by the checked writer: a full disk or a read-only
    // folder is a failure, and an old file of that name stays as it was until the end.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!ExportReportPdf(doc, buffer, page, marginInches))
        return WriteResult{
            EIO, QCoreApplication::translate("kovaq::ReportRenderer", "The PDF could not be made")
                     .toStdString()};
    const QByteArray& bytes = buffer.data();
    return ReplaceFileContents(
        NativeFromPath(path),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool ExportReportPdf(const ReportDocument& doc, QIODevice& out, const QPageSize& page,
                     double marginInches) {
    QPdfWriter writer(&out);
    writer.setPageSize(page);
    writer.setPageMargins(QMarginsF(marginInches, marginInches, marginInches, marginInches),
                          QPageLayout::Inch);
    writer.setResolution(600);
    writer.setTitle(QString());
    writer.setCreator(QStringLiteral("Ko-Vaq"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const QRect area = writer.pageLayout().paintRectPixels(writer.resolution());
    const PagesOutcome outcome = RenderReportPages(painter, doc, QRect(QPoint(0, 0), area.size()),
                                                   [&writer] { return writer.newPage(); });
    return painter.end() && outcome == PagesOutcome::Done;
}

} // namespace kovaq
