// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "BottleLabels.h"

#include "QtText.h"
#include "RecipeText.h"

#include "ReportRenderer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <optional>
#include <vector>

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
    in.containsNicotine = batch.strengthMg > 0 || batch.strength.toDouble() > 0;
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
    return QCoreApplication::translate("kovaq::BottleLabels", "The printer's own");
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

namespace {

struct LabelLine {
    QString text;
    int size;
    bool bold;
};

// The label's lines at a text size: the name in bold, two points larger.
std::vector<LabelLine> labelLines(const LabelInputs& in, int s) {
    const QLocale c = QLocale::c();
    const QString dot = QStringLiteral(" \u00b7 ");
    QStringList what;
    if (!in.strength.isEmpty())
        what << in.strength + QStringLiteral(" mg");
    if (!in.ratio.isEmpty()) {
        // The list's "70-30" in the one notation Ko-Vaq writes; "PG" and "VG" as they are.
        const QStringList parts = in.ratio.split(QLatin1Char('-'));
        bool pgOk = false;
        const double pg = parts.size() == 2 ? parts[0].trimmed().toDouble(&pgOk) : 0;
        what << (pgOk ? ToQString(PgVgText(pg)) : in.ratio);
    }
    if (!in.volume.isEmpty())
        what << in.volume + QStringLiteral(" ml");
    std::vector<LabelLine> lines{
        {in.name, s + 2, true},
        {what.join(dot), s, false},
        //: The day a batch was mixed (%1) and the day it has steeped (%2).
        {QCoreApplication::translate("kovaq::BottleLabels", "Mixed %1 \u00b7 Ready %2")
             .arg(c.toString(in.mixed, QStringLiteral("d MMM yyyy")),
                  c.toString(in.ready, QStringLiteral("d MMM yyyy"))),
         s, false}};
    if (!in.baseMaker.isEmpty())
        //: The maker of the nicotine base.
        lines.push_back(
            {QCoreApplication::translate("kovaq::BottleLabels", "Base: %1").arg(in.baseMaker), s,
             false});
    if (in.containsNicotine)
        lines.push_back(
            {QCoreApplication::translate("kovaq::BottleLabels", "Contains nicotine"), s, true});
    return lines;
}

void fill(ReportDocument& doc, const std::vector<LabelLine>& lines) {
    doc.Clear();
    for (const LabelLine& line : lines) {
        doc.SetSize(line.size);
        doc.SetBold(line.bold);
        doc.AppendLine(line.text);
    }
}

} // namespace

void BuildLabelReport(ReportDocument& doc, const LabelInputs& in, int s) {
    fill(doc, labelLines(in, s));
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

namespace {

// Whether the label lays out on one page of the area; `unwrapped`: with each line on one
// line as well.
bool fitsOneLabel(const ReportDocument& doc, const QSize& area, bool unwrapped) {
    QImage page = page300(area);
    QPainter p(&page);
    if (RenderReport(p, doc, page.rect()) >= 0)
        return false;
    return !unwrapped || std::all_of(doc.lines().begin(), doc.lines().end(), [&](const auto& l) {
        const QFontMetricsF fm(ReportFont(l.lineFormat.size, l.lineFormat.bold), &page);
        return fm.horizontalAdvance(l.text) <= area.width();
    });
}

// A text as it fits `lines` lines of the width, broken between words where it can be and
// ended with an ellipsis where it was shortened.
QStringList shortened(const QString& text, const QFontMetricsF& fm, int width, int lines) {
    QStringList out;
    QString rest = text;
    while (static_cast<int>(out.size()) + 1 < lines && fm.horizontalAdvance(rest) > width) {
        qsizetype fit = 1; // what fits, at least one character
        while (fit < rest.size() && fm.horizontalAdvance(rest.left(fit + 1)) <= width)
            ++fit;
        const qsizetype space = rest.lastIndexOf(QLatin1Char(' '), fit);
        const qsizetype cut = space > 0 ? space : fit;
        out << rest.left(cut);
        rest = rest.mid(cut).trimmed();
    }
    out << fm.elidedText(rest, Qt::ElideRight, width);
    return out;
}

// The label's lines with the name shortened to `nameLines` lines and, with `all`, every
// other line to one.
std::vector<LabelLine> shortLabel(const std::vector<LabelLine>& lines, int width, int nameLines,
                                  bool all) {
    const QImage device = page300(QSize(1, 1)); // measured as the label is laid out
    std::vector<LabelLine> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LabelLine& line = lines[i];
        const QFontMetricsF fm(ReportFont(line.size, line.bold), &device);
        const QStringList parts = i == 0 ? shortened(line.text, fm, width, nameLines)
                                  : all  ? shortened(line.text, fm, width, 1)
                                         : QStringList{line.text};
        for (const QString& part : parts)
            out.push_back({part, line.size, line.bold});
    }
    return out;
}

} // namespace

int FitLabelReport(ReportDocument& doc, const LabelInputs& in, const QSizeF& pageMm) {
    const QSize area = printArea(pageMm);
    for (int points = 18; points > 5; --points) {
        BuildLabelReport(doc, in, points);
        if (fitsOneLabel(doc, area, true))
            return points;
    }
    // At the smallest size a line may wrap, as long as the label stays one label.
    BuildLabelReport(doc, in, 5);
    if (fitsOneLabel(doc, area, false))
        return 5;
    // Otherwise the name is shortened to two lines, at the largest size the rest fits.
    for (int points = 18; points > 5; --points) {
        fill(doc, shortLabel(labelLines(in, points), area.width(), 2, false));
        if (fitsOneLabel(doc, area, true))
            return points;
    }
    // Then, at the smallest size, the name to two lines, then one, then every line to one;
    // on a page smaller still the last lines are left out.
    std::vector<LabelLine> label;
    for (const auto& [nameLines, all] : {std::pair(2, false), {1, false}, {1, true}}) {
        label = shortLabel(labelLines(in, 5), area.width(), nameLines, all);
        fill(doc, label);
        if (fitsOneLabel(doc, area, false))
            return 5;
    }
    while (label.size() > 1) {
        label.pop_back();
        fill(doc, label);
        if (fitsOneLabel(doc, area, false))
            break;
    }
    return 5;
}

} // namespace kovaq
