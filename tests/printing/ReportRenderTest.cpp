// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MixCalculator.h"
#include "ReportRenderer.h"
#include "Reports.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace kovaq;

namespace {

ReportDocument detailsWithNotes(int notes) {
    MixRecipe r = FreshMix();
    r.Name = "Render";
    r[TextField::MixQty] = "30";
    r[TextField::PctFlav1] = "10";
    r[TextField::Flav1Name] = "Lemon";
    for (int i = 0; i < notes; ++i)
        r.Notes.push_back("note line " + std::to_string(i));
    const MixResult res = Recalculate(r);
    RowLabels labels;
    labels.applyName(SlotId::Flav1, "Lemon");
    ReportDocument doc;
    BuildDetailsReport(doc, MakeReportInputs(r, res, labels, true, true, 12));
    return doc;
}

QRect inked(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(ReportRenderer, LaysOutEverythingThatFitsAndSaysWhereItStopped) {
    const ReportDocument doc = detailsWithNotes(30);
    QImage page(800, 3000, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    EXPECT_EQ(RenderReport(p, doc, QRect(20, 20, 760, 2960)), -1);
    p.end();
    const QRect ink = inked(page);
    EXPECT_GE(ink.left(), 20);
    EXPECT_GT(ink.height(), 500);

    // A short page stops at the start of a line and the next page goes on from there.
    QImage small(800, 300, QImage::Format_RGB32);
    small.fill(Qt::white);
    QPainter ps(&small);
    const int next = RenderReport(ps, doc, QRect(0, 0, 800, 300));
    ASSERT_GT(next, 0);
    const QString text = doc.PlainText();
    EXPECT_TRUE(next == 0 || text.mid(next - 2, 2) == QStringLiteral("\r\n"));
    int pages = 1;
    for (int from = next; from >= 0 && pages < 50; ++pages) {
        small.fill(Qt::white);
        const int after = RenderReport(ps, doc, QRect(0, 0, 800, 300), from);
        ASSERT_TRUE(after == -1 || after > from);
        from = after;
    }
    EXPECT_GT(pages, 2);
    EXPECT_LT(pages, 50);
}

TEST(ReportRenderer, TabsLineTheColumnsUp) {
    ReportDocument doc;
    doc.SetSize(12);
    doc.SetTabLayout(DetailsTabs(12));
    doc.AppendLine(QStringLiteral("\tX"));
    QImage img(1000, 60, QImage::Format_RGB32);
    img.setDotsPerMeterX(3780); // 96 dpi
    img.setDotsPerMeterY(3780);
    img.fill(Qt::white);
    QPainter p(&img);
    RenderReport(p, doc, QRect(0, 0, 1000, 60));
    p.end();
    // The first stop is at 125 points: 166.7 pixels at 96 dpi.
    EXPECT_NEAR(inked(img).left(), 167, 3);

    // Out of order stops (the summary at 14 points) still move forwards.
    ReportDocument odd;
    odd.SetSize(14);
    odd.SetTabLayout(SummaryTabs(14));
    odd.AppendLine(QStringLiteral("\t\t\t\tY"));
    img.fill(Qt::white);
    QPainter q(&img);
    RenderReport(q, odd, QRect(0, 0, 1000, 60));
    q.end();
    EXPECT_NEAR(inked(img).left(), 262 * 96 / 72, 3);
}

TEST(ReportRenderer, PdfHoldsTheReportText) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("details.pdf"));
    const ReportDocument doc = detailsWithNotes(120);
    ASSERT_TRUE(ExportReportPdf(doc, pdf));
    QProcess run;
    run.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(run.waitForFinished(20000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Mix Name - Render(0mg 30ml PG)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ingredient Details")));
    EXPECT_TRUE(text.contains(QStringLiteral("F1 Lemon")));
    EXPECT_TRUE(text.contains(QStringLiteral("note line 119")));
    EXPECT_TRUE(text.contains(QStringLiteral("Calculated with Ko-Vaq from ko-vaq.example")));
    EXPECT_GE(text.count(QLatin1Char('\f')), 2); // more than one page
    EXPECT_FALSE(ExportReportPdf(doc, dir.filePath(QStringLiteral("no/such/x.pdf"))));
}
