// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "BottleLabels.h"

#include "ReportRenderer.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include <optional>

namespace kovaq {

LabelInputs LabelInputsOf(const Batch& batch) {
    LabelInputs in;
    // "Lemon Tart (3mg 30ml 70-30)": the figures in brackets are lines of their own.
    in.name = batch.name;
    const qsizetype open = in.name.lastIndexOf(QLatin1Char('('));
    if (open > 0 && in.name.endsWith(QLatin1Char(')')))
        in.name = in.name.left(open).trimmed();
    in.strength = batch.strength;
    in.ratio = batch.ratio;
    in.volume = batch.volume;
    in.mixed = QDateTime::fromMSecsSinceEpoch(batch.mixedAt).date();
    in.ready = QDateTime::fromMSecsSinceEpoch(batch.readyAt()).date();
    return in;
}

QString LabelSizeName(LabelSize size) {
    switch (size) {
    case LabelSize::Small:
        return QStringLiteral("50 \u00d7 25 mm");
    case LabelSize::Medium:
        return QStringLiteral("70 \u00d7 40 mm");
    case LabelSize::Large:
        return QStringLiteral("100 \u00d7 50 mm");
    case LabelSize::PrinterOwn:
        break;
    }
    return QStringLiteral("The printer's own");
}

QPageSize LabelPage(LabelSize size) {
    const auto mm = [](double w, double h) {
        return QPageSize(QSizeF(w, h), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    };
    switch (size) {
    case LabelSize::Small:
        return mm(50, 25);
    case LabelSize::Medium:
        return mm(70, 40);
    case LabelSize::Large:
        return mm(100, 50);
    case LabelSize::PrinterOwn:
        break;
    }
    return {};
}

std::optional<LabelSize> LabelSizeFromText(const QString& text) {
    if (text == QLatin1String("50x25"))
        return LabelSize::Small;
    if (text == QLatin1String("70x40"))
        return LabelSize::Medium;
    if (text == QLatin1String("100x50"))
        return LabelSize::Large;
    return std::nullopt;
}

void BuildLabelReport(ReportDocument& doc, const LabelInputs& in, int s) {
    const QLocale c = QLocale::c();
    const QString dot = QStringLiteral(" \u00b7 ");
    doc.Clear();
    doc.SetSize(s + 2);
    doc.SetBold(true);
    doc.AppendLine(in.name);
    doc.SetBold(false);
    doc.SetSize(s);
    QStringList what;
    if (!in.strength.isEmpty())
        what << in.strength + QStringLiteral(" mg");
    if (!in.ratio.isEmpty())
        what << in.ratio + QStringLiteral(" PG/VG");
    if (!in.volume.isEmpty())
        what << in.volume + QStringLiteral(" ml");
    doc.AppendLine(what.join(dot));
    doc.AppendLine(QStringLiteral("Mixed ") + c.toString(in.mixed, QStringLiteral("d MMM yyyy")) +
                   dot + QStringLiteral("Ready ") +
                   c.toString(in.ready, QStringLiteral("d MMM yyyy")));
    if (!in.baseMaker.isEmpty())
        doc.AppendLine(QStringLiteral("Base: ") + in.baseMaker);
}

namespace {

// Laid out at 300 dots an inch on a page of the label's size less its margins.
constexpr double kDpi = 300;

QSize printArea(const QSizeF& pageMm) {
    return {static_cast<int>((pageMm.width() / 25.4 - 2 * LabelMarginInches) * kDpi),
            static_cast<int>((pageMm.height() / 25.4 - 2 * LabelMarginInches) * kDpi)};
}

QImage page300(const QSize& size) {
    QImage page(std::max(1, size.width()), std::max(1, size.height()), QImage::Format_RGB32);
    page.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254));
    page.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254));
    page.fill(Qt::white);
    return page;
}

} // namespace

QImage LabelPreview(const ReportDocument& doc, const QSizeF& pageMm, int width) {
    QImage page = page300(QSize(static_cast<int>(pageMm.width() / 25.4 * kDpi),
                                static_cast<int>(pageMm.height() / 25.4 * kDpi)));
    {
        QPainter p(&page);
        const int margin = static_cast<int>(LabelMarginInches * kDpi);
        RenderReport(p, doc, QRect(QPoint(margin, margin), printArea(pageMm)));
    }
    QImage small = page.scaledToWidth(std::max(8, width), Qt::SmoothTransformation);
    QPainter p(&small);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(small.rect().adjusted(0, 0, -1, -1));
    return small;
}

int FitLabelReport(ReportDocument& doc, const LabelInputs& in, const QSizeF& pageMm) {
    const QSize area = printArea(pageMm);
    for (int points = 18; points > 5; --points) {
        BuildLabelReport(doc, in, points);
        QImage page = page300(area);
        QPainter p(&page);
        bool fits = RenderReport(p, doc, page.rect()) < 0;
        // Each line on one line: a label's line is not wrapped.
        for (const ReportLine& line : doc.lines()) {
            if (!fits)
                break;
            const QFontMetricsF fm(ReportFont(line.lineFormat.size, line.lineFormat.bold), &page);
            fits = fm.horizontalAdvance(line.text) <= area.width();
        }
        if (fits)
            return points;
    }
    BuildLabelReport(doc, in, 5);
    return 5;
}

} // namespace kovaq
