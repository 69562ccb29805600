// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Benchmarks that need Qt Gui or Widgets; they run headless.
#include "FakePrompts.h"
#include "FieldMetrics.h"
#include "MainWindow.h"
#include "MixCalculator.h"
#include "MixSession.h"
#include "PrintJob.h"
#include "PrintOptionsDialog.h"
#include "PrintProgress.h"
#include "ReportRenderer.h"
#include "Reports.h"
#include "ShotsWindow.h"
#include "WeightsWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "ChildRun.h"

using namespace kovaq;

namespace {

// A window with a mix of 100 ml at 3 mg from a 72 mg base, every ratio at 70-30.
void setUpMix(MainWindow& w) {
    for (std::size_t i = 0; i < RatioFieldCount; ++i) {
        w.document().selectRatio(ratioFieldAt(i), 3);
        w.document().setPgPercentFromChoice(ratioFieldAt(i));
    }
    w.document().refreshRatioTexts();
    w.field(TextField::MixQty)->setText(QStringLiteral("100"));
    w.field(TextField::BaseNicStrength)->setText(QStringLiteral("72"));
    w.field(TextField::MixStrength)->setText(QStringLiteral("3"));
}

// One keystroke in a number field until the results are on the labels.
void BM_KeystrokeToResults(benchmark::State& state) {
    test::FakePrompts prompts;
    MixSession session(WindowFieldRule());
    MainWindow w(session.document(), prompts);
    setUpMix(w);
    for (std::size_t s = 0; s < SlotCount; ++s) {
        w.field(CostField(slotAt(s)))->setText(QStringLiteral("9.5"));
        w.field(QtyField(slotAt(s)))->setText(QStringLiteral("100"));
    }
    w.show();
    QLineEdit* pct = w.field(TextField::PctFlav1);
    auto* volume = w.findChild<QLabel*>(QStringLiteral("Volume_Flav1"));
    int i = 0;
    for (auto _ : state) {
        QTest::keyClick(pct, i++ % 2 == 0 ? Qt::Key_2 : Qt::Key_Backspace);
        benchmark::DoNotOptimize(volume->text());
    }
}
BENCHMARK(BM_KeystrokeToResults)->Unit(benchmark::kMicrosecond);

// The same keystroke with "Mix By Weight" open: both windows' labels follow.
void BM_KeystrokeToResultsAndWeights(benchmark::State& state) {
    test::FakePrompts prompts;
    MixSession session(WindowFieldRule());
    MainWindow w(session.document(), prompts);
    setUpMix(w);
    w.show();
    WeightsWindow weights(w.document(), prompts, &w);
    weights.show();
    QLineEdit* pct = w.field(TextField::PctFlav1);
    int i = 0;
    for (auto _ : state) {
        QTest::keyClick(pct, i++ % 2 == 0 ? Qt::Key_2 : Qt::Key_Backspace);
        benchmark::DoNotOptimize(weights.gramsLabel(SlotId::Flav1)->text());
    }
}
BENCHMARK(BM_KeystrokeToResultsAndWeights)->Unit(benchmark::kMicrosecond);

// A keystroke in Shots and Fixes until its three pages show their lines; and one in the
// main window with it open, which follows the mix's base and gravities.
void BM_KeystrokeInShotsAndFixes(benchmark::State& state) {
    test::FakePrompts prompts;
    MixSession session(WindowFieldRule());
    MainWindow w(session.document(), prompts);
    setUpMix(w);
    w.show();
    ShotsWindow shots(w.document(), prompts, &w);
    shots.show();
    QLineEdit* field = state.range(0) == 0 ? shots.field(QStringLiteral("ShotsTarget"))
                                           : w.field(TextField::PctFlav1);
    int i = 0;
    for (auto _ : state) {
        QTest::keyClick(field, i++ % 2 == 0 ? Qt::Key_2 : Qt::Key_Backspace);
        benchmark::DoNotOptimize(shots.lines(0));
    }
}
BENCHMARK(BM_KeystrokeInShotsAndFixes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A 20,000-character paste into a name field: the width rule finds the cut in one step.
void BM_PasteLongTextIntoAName(benchmark::State& state) {
    test::FakePrompts prompts;
    MixSession session(WindowFieldRule());
    MainWindow w(session.document(), prompts);
    w.show();
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += QChar(u'a' + i % 26);
    QApplication::clipboard()->setText(text);
    QLineEdit* name = w.field(TextField::Flav1Name);
    for (auto _ : state) {
        state.PauseTiming();
        name->clear();
        state.ResumeTiming();
        name->paste();
    }
    state.counters["beeps_per_paste"] =
        benchmark::Counter(prompts.beeps, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PasteLongTextIntoAName)->Unit(benchmark::kMillisecond);

// Build and lay out a details report with all twelve rows and 30 notes lines.
void BM_DetailsReportBuildAndLayout(benchmark::State& state) {
    MixRecipe r = FreshMix();
    r[TextField::MixQty] = "100";
    for (std::size_t s = 0; s < SlotCount; ++s) {
        r[CostField(slotAt(s))] = "9.5";
        r[QtyField(slotAt(s))] = "100";
        if (auto p = PercentField(slotAt(s)))
            r[*p] = "2";
        if (auto n = NameField(slotAt(s)))
            r[*n] = "Flavour";
    }
    for (int i = 0; i < 30; ++i)
        r.Notes.push_back("A note about steeping, line " + std::to_string(i));
    const MixResult res = Recalculate(r);
    RowLabels labels;
    QImage canvas(1500, 1500, QImage::Format_RGB32);
    canvas.setDotsPerMeterX(3780);
    canvas.setDotsPerMeterY(3780);
    for (auto _ : state) {
        ReportDocument doc;
        BuildDetailsReport(doc, MakeReportInputs(r, res, labels, true, true, 12));
        canvas.fill(Qt::white);
        QPainter p(&canvas);
        benchmark::DoNotOptimize(RenderReport(p, doc, canvas.rect()));
    }
}
BENCHMARK(BM_DetailsReportBuildAndLayout)->Unit(benchmark::kMillisecond);

// One preview refresh of the print options: build, lay out, scan 1500 x 1500, crop, stretch.
void BM_PrintPreviewRefreshDetails(benchmark::State& state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/dev/null"));
    printer.setResolution(600);
    MixRecipe r = FreshMix();
    r[TextField::MixQty] = "100";
    for (std::size_t s = 0; s < SlotCount; ++s)
        if (auto n = NameField(slotAt(s)))
            r[*n] = "Flavour";
    for (int i = 0; i < 30; ++i)
        r.Notes.push_back("A note about steeping, line " + std::to_string(i));
    const MixResult res = Recalculate(r);
    PrintOptionsDialog dialog(nullptr);
    dialog.setHost({[&](bool notes, bool unused, int size) {
                        return MakeReportInputs(r, res, RowLabels(), notes, unused, size);
                    },
                    {},
                    {},
                    {},
                    nullptr,
                    nullptr,
                    nullptr});
    dialog.prepare(printer, QImage(731, 560, QImage::Format_RGB32), 96);
    dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->setChecked(true);
    for (auto _ : state)
        dialog.refresh();
}
BENCHMARK(BM_PrintPreviewRefreshDetails)->Unit(benchmark::kMillisecond);

// Printing the window image: peak memory of the whole print, in a child process, for A4 and
// A3 at 600 and 1200 dpi, the picture fitted to the page.
void BM_PrintScreenImagePeakMemory(benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(1));
    state.SetLabel((state.range(0) == 4 ? "A4 at " : "A3 at ") + std::to_string(dpi) + " dpi");
    QTemporaryDir dir;
    bench::RunSelfInChild(state,
                          {"--print-image", std::to_string(state.range(0)), std::to_string(dpi),
                           dir.filePath(QStringLiteral("image.pdf")).toStdString()});
}

// The child's part: one print of the window image to a PDF.
void printImage(int paperKind, int dpi, const QString& out) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out);
    printer.setResolution(dpi);
    printer.setPageSize(QPageSize(paperKind == 4 ? QPageSize::A4 : QPageSize::A3));
    const PageMetrics m = MetricsOf(printer, 96, PrintOptionsDialog::DialogWidth);
    const MarginMetrics margins = ComputeMargins(m, 2, 2);
    QImage capture(731, 560, QImage::Format_RGB32);
    capture.fill(QColor(40, 60, 90));
    const double fit = std::min(static_cast<double>(margins.availW) / capture.width(),
                                static_cast<double>(margins.availH) / capture.height());
    QPainter p(&printer);
    PrintImageInBands(p, capture, fit, m, margins);
    p.end();
}
BENCHMARK(BM_PrintScreenImagePeakMemory)
    ->ArgsProduct({{4, 3}, {600, 1200}})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 5 && std::string(argv[1]) == "--print-image")
        return bench::ReportChildWork([&] {
            printImage(std::atoi(argv[2]), std::atoi(argv[3]), QString::fromLocal8Bit(argv[4]));
        });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
