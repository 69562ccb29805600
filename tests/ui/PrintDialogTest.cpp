// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Icons.h"
#include "MixCalculator.h"
#include "ModalWatchdog.h"
#include "PageMetrics.h"
#include "PrintJob.h"
#include "PrintOptionsDialog.h"
#include "PrintProgress.h"
#include "ReportRenderer.h"

#include "Eventually.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <chrono>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

using namespace kovaq;

TEST(PageMetrics, MeasuresPaperAndMargins) {
    // A4 at 600 dpi with a sixth of an inch that the printer cannot reach.
    const PageMetrics m = ComputePageMetrics(600, 600, 4961, 7016, 100, 100, 4761, 6816, 96, 420);
    EXPECT_EQ(m.PaperSizeText(), "8.27\" x 11.69\" (210mm x 297mm)");
    EXPECT_EQ(m.pagePxW, 794);
    EXPECT_EQ(m.pagePxH, 1122);
    EXPECT_EQ(m.minLeftScr, 16);
    EXPECT_EQ(m.printWScr, 762);
    EXPECT_DOUBLE_EQ(m.previewScale, std::max(96 * 8.27 / 370, 96 * 11.69 * 0.003125));

    struct Case {
        int choice;
        int leftPr, leftScr, availW;
    };
    for (const Case& c : {Case{0, 0, 16, 762}, Case{1, 0, 16, 762}, Case{2, 50, 24, 754},
                          Case{3, 200, 48, 730}, Case{4, 350, 72, 706}}) {
        const MarginMetrics mm = ComputeMargins(m, c.choice, c.choice);
        EXPECT_EQ(mm.leftPr, c.leftPr) << c.choice;
        EXPECT_EQ(mm.topPr, c.leftPr) << c.choice;
        EXPECT_EQ(mm.leftScr, c.leftScr) << c.choice;
        EXPECT_EQ(mm.availW, c.availW) << c.choice;
    }
    EXPECT_EQ(ReportPointSize(3), 14);
    EXPECT_EQ(ImageScaleFor(4), 0.0);
}

TEST(PageMetrics, InkScanIgnoresTheLastColumnAndTenRows) {
    QImage canvas(100, 100, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    canvas.setPixel(99, 20, qRgb(0, 0, 0));
    canvas.setPixel(20, 95, qRgb(0, 0, 0));
    EXPECT_EQ(ScanInk(canvas).maxX, 0);
    EXPECT_EQ(ScanInk(canvas).maxY, 0);
    canvas.setPixel(98, 89, qRgb(254, 255, 255));
    EXPECT_EQ(ScanInk(canvas).maxX, 98);
    EXPECT_EQ(ScanInk(canvas).maxY, 89);
    EXPECT_TRUE(ContentFits({0, 0, 0, 0, 98, 89}, ScanInk(canvas)));
    EXPECT_FALSE(ContentFits({0, 0, 0, 0, 97, 89}, ScanInk(canvas)));
}

namespace {

ReportInputs sampleInputs(bool notes, bool unused, int size) {
    MixRecipe r = FreshMix();
    r.Name = "Printed";
    r[TextField::MixQty] = "30";
    r[TextField::BaseNicStrength] = "18";
    r[TextField::MixStrength] = "6";
    r[TextField::PctFlav1] = "10";
    r[TextField::Flav1Name] = "Lemon with a long name for wide lines";
    for (int i = 0; i < 12; ++i)
        r.Notes.push_back("Notes line " + std::to_string(i));
    RowLabels labels;
    labels.applyName(SlotId::Flav1, r[TextField::Flav1Name]);
    return MakeReportInputs(r, Recalculate(r), labels, notes, unused, size);
}

class PrintDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
        hint = new QLabel(nullptr, Qt::ToolTip);
        progress = new PrintProgressWindow(nullptr);
        connect();
        capture = QImage(731, 560, QImage::Format_RGB32);
        capture.fill(QColor(40, 60, 90));
    }
    void TearDown() override {
        ExpectedModals().remove(&dialog);
        ticker.stopAndJoin();
        delete hint;
        delete progress;
    }
    void connect() {
        dialog.setHost({sampleInputs, [this] { ++beeps; }, [this] { ++helps; },
                        [this](const QString& e) { errors << e; }, hint, progress, &ticker});
        QObject::connect(&ticker, &PrintTicker::tick, progress, &PrintProgressWindow::step,
                         Qt::QueuedConnection);
        ticker.start();
    }
    void show() {
        ExpectedModals().insert(&dialog);
        dialog.prepare(printer, capture, 96);
        dialog.show();
        EXPECT_EVENTUALLY(!dialog.firstRefreshTimer().isActive());
    }
    template <typename W> W* child(const char* name) {
        return dialog.findChild<W*>(QString::fromLatin1(name));
    }
    // With KOVAQ_SHOTS set, printed files are kept there to be looked at.
    void keep(const QString& file, const QString& name) {
        if (!qEnvironmentVariableIsEmpty("KOVAQ_SHOTS"))
            QFile::copy(file, qEnvironmentVariable("KOVAQ_SHOTS") + QLatin1Char('/') + name);
    }
    QString pdfText(const QString& file) {
        QProcess run;
        run.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {QStringLiteral("-layout"), file, QStringLiteral("-")});
        run.waitForFinished(20000);
        return QString::fromUtf8(run.readAllStandardOutput());
    }

    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
    PrintOptionsDialog dialog{nullptr};
    PrintTicker ticker;
    QLabel* hint = nullptr;
    PrintProgressWindow* progress = nullptr;
    QImage capture;
    int beeps = 0;
    int helps = 0;
    QStringList errors;
};

} // namespace

TEST_F(PrintDialogTest, ShowsEveryControlAndThePaper) {
    show();
    for (const char* name :
         {"RadioButton1", "RadioButton2", "RadioButton3", "CheckBox1",   "CheckBox2",
          "ComboBox1",    "ComboBox2",    "ComboBox3",    "ComboBox4",   "Panel1",
          "Image1",       "Shape2",       "StaticText1",  "StaticText2", "StaticText3",
          "StaticText6",  "BitBtn1",      "BitBtn2",      "Image2",      "Timer1"})
        EXPECT_NE(dialog.findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(dialog.objectName(), QStringLiteral("TForm2"));
    EXPECT_EQ(child<QLabel>("StaticText2")->text(),
              QStringLiteral("8.27\" x 11.69\" (210mm x 297mm)"));
    EXPECT_EQ(dialog.firstRefreshTimer().interval(), 10);
    QWidget* panel = child<QWidget>("Panel1");
    EXPECT_EQ(child<QWidget>("Shape2")->geometry(), panel->geometry().translated(6, 6));
    EXPECT_EQ(dialog.height(), panel->geometry().bottom() + 1 + 163);
    EXPECT_TRUE(child<QPushButton>("BitBtn2")->hasFocus());
    QTest::keyClick(child<QPushButton>("BitBtn2"), Qt::Key_F1);
    QTest::mouseClick(child<QWidget>("Image2"), Qt::LeftButton);
    EXPECT_EQ(helps, 2);
    // Summary: notes on offer, unused ingredients not; the text size shows.
    EXPECT_TRUE(child<QCheckBox>("CheckBox1")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>("CheckBox2")->isEnabled());
    EXPECT_TRUE(child<QComboBox>("ComboBox3")->isVisible());
    EXPECT_EQ(dialog.document().LineText(0), QStringLiteral("Mix Name - Printed(6mg 30ml PG)"));
    EXPECT_FALSE(dialog.warningShown());
    child<QRadioButton>("RadioButton3")->click();
    EXPECT_EQ(child<QLabel>("StaticText6")->text(), QStringLiteral("Image Size"));
    EXPECT_TRUE(child<QComboBox>("ComboBox4")->isVisible());
    EXPECT_FALSE(child<QCheckBox>("CheckBox1")->isEnabled());
    if (!qEnvironmentVariableIsEmpty("KOVAQ_SHOTS"))
        dialog.grab().save(qEnvironmentVariable("KOVAQ_SHOTS") +
                           QStringLiteral("/print-image.png"));
    dialog.reject();
}

TEST_F(PrintDialogTest, LargeTextOnNarrowPaperWarnsAndAClickClearsIt) {
    printer.setPageSize(QPageSize(QSizeF(3, 11), QPageSize::Inch));
    show();
    child<QRadioButton>("RadioButton2")->click();
    beeps = 0;
    child<QComboBox>("ComboBox3")->setCurrentIndex(3);
    EXPECT_TRUE(dialog.warningShown());
    EXPECT_EQ(beeps, 1); // one beep for the one warning
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), PrintOptionsDialog::TextWarning);
    EXPECT_EQ(hint->pos(), child<QWidget>("Panel1")->mapToGlobal(QPoint(10, 10)));
    if (!qEnvironmentVariableIsEmpty("KOVAQ_SHOTS"))
        dialog.grab().save(qEnvironmentVariable("KOVAQ_SHOTS") +
                           QStringLiteral("/print-warning.png"));
    QTest::mouseClick(child<QWidget>("Panel1"), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(hint->isVisible());
    dialog.reject();
}

TEST_F(PrintDialogTest, ImageFitsAtFitToPageButNotAtFullSizeOnSmallPaper) {
    printer.setPageSize(QPageSize(QPageSize::A6));
    show();
    child<QRadioButton>("RadioButton3")->click();
    child<QComboBox>("ComboBox4")->setCurrentIndex(3); // 100%
    EXPECT_TRUE(dialog.warningShown());
    EXPECT_EQ(hint->text(), PrintOptionsDialog::ImageWarning);
    child<QComboBox>("ComboBox4")->setCurrentIndex(4); // FitToPage
    EXPECT_FALSE(dialog.warningShown());
    const MarginMetrics& m = dialog.margins();
    EXPECT_DOUBLE_EQ(dialog.imageScale(), std::min(double(m.availW) / 731, double(m.availH) / 560));
    dialog.reject();
}

TEST_F(PrintDialogTest, ChoicesSurviveCancel) {
    show();
    child<QComboBox>("ComboBox1")->setCurrentIndex(0);
    child<QComboBox>("ComboBox2")->setCurrentIndex(4);
    child<QComboBox>("ComboBox3")->setCurrentIndex(1);
    child<QCheckBox>("CheckBox1")->setChecked(false);
    child<QPushButton>("BitBtn2")->click();
    EXPECT_EQ(dialog.options(), (PrintOptions{0, 4, 1, 3}));
    EXPECT_EQ(dialog.margins().leftPr, 0);
    show();
    EXPECT_EQ(child<QComboBox>("ComboBox2")->currentIndex(), 4);
    EXPECT_FALSE(child<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(dialog.document().Find(QStringLiteral("Notes -")), -1);
    dialog.reject();
}

TEST_F(PrintDialogTest, PrintsReportsAcrossPagesAndTheImageOnOne) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    printer.setPageSize(QPageSize(QPageSize::A6));
    show();
    child<QRadioButton>("RadioButton2")->click();
    child<QCheckBox>("CheckBox2")->setChecked(true);
    child<QComboBox>("ComboBox3")->setCurrentIndex(3);
    ASSERT_TRUE(dialog.printNow());
    const QString text = pdfText(printer.outputFileName());
    EXPECT_TRUE(text.contains(QStringLiteral("Mix Name - Printed")));
    EXPECT_TRUE(text.contains(QStringLiteral("Notes line 11")));
    EXPECT_GE(text.count(QLatin1Char('\f')), 2);

    printer.setOutputFileName(dir.filePath(QStringLiteral("image.pdf")));
    show();
    child<QRadioButton>("RadioButton3")->click();
    ASSERT_TRUE(dialog.printNow());
    EXPECT_TRUE(ticker.isPaused());
    EXPECT_FALSE(progress->isVisible());
    EXPECT_TRUE(dialog.isEnabled());
    EXPECT_EQ(pdfText(printer.outputFileName()).count(QLatin1Char('\f')), 1);
    keep(printer.outputFileName(), QStringLiteral("screen-image.pdf"));
}

namespace {

int pdfPages(const QString& file) {
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    int pages = 0;
    for (qsizetype at = bytes.indexOf("/Type /Page"); at >= 0;
         at = bytes.indexOf("/Type /Page", at + 1))
        pages += bytes.mid(at, 12) != "/Type /Pages" ? 1 : 0;
    return pages;
}

} // namespace

TEST_F(PrintDialogTest, APageThatHoldsNoLineEndsTheJob) {
    // A10 with an "Ex Wide" top margin: the first line of a large details report never fits.
    printer.setPageSize(QPageSize(QPageSize::A10));
    show();
    child<QRadioButton>("RadioButton2")->click();
    child<QComboBox>("ComboBox2")->setCurrentIndex(4);
    child<QComboBox>("ComboBox3")->setCurrentIndex(3);
    EXPECT_FALSE(dialog.printNow());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], QString::fromLatin1(NoRoomMessage));
    EXPECT_LE(pdfPages(printer.outputFileName()), 1);
    keep(printer.outputFileName(), QStringLiteral("a10-no-room.pdf"));

    // Room for a few lines a page: the report goes on over as many pages as it takes.
    errors.clear();
    printer.setOutputFileName(dir.filePath(QStringLiteral("a7.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A7));
    show();
    child<QRadioButton>("RadioButton2")->click();
    ASSERT_TRUE(dialog.printNow());
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_GE(pdfPages(printer.outputFileName()), 3);

    // A details report on A3.
    printer.setOutputFileName(dir.filePath(QStringLiteral("a3.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A3));
    show();
    child<QRadioButton>("RadioButton2")->click();
    child<QCheckBox>("CheckBox2")->setChecked(true);
    ASSERT_TRUE(dialog.printNow());
    EXPECT_EQ(pdfPages(printer.outputFileName()), 1);
    keep(printer.outputFileName(), QStringLiteral("a3-details.pdf"));
}

namespace {

// A printer that will not start a second page.
class NoSecondPagePrinter : public QPrinter {
  public:
    NoSecondPagePrinter() : QPrinter(QPrinter::HighResolution) {}
    bool newPage() override { return false; }
};

} // namespace

TEST_F(PrintDialogTest, APrinterThatFailsIsSaidSoAndTheJobStops) {
    // A printer that refuses the next page: the print stops there and says so.
    NoSecondPagePrinter refusing;
    refusing.setOutputFormat(QPrinter::PdfFormat);
    refusing.setOutputFileName(dir.filePath(QStringLiteral("refused.pdf")));
    refusing.setPageSize(QPageSize(QPageSize::A7));
    ExpectedModals().insert(&dialog);
    dialog.prepare(refusing, capture, 96);
    dialog.show();
    EXPECT_EVENTUALLY(!dialog.firstRefreshTimer().isActive());
    child<QRadioButton>("RadioButton2")->click();
    EXPECT_FALSE(dialog.printNow());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0],
              QStringLiteral("The printer did not take the next page; the print was stopped."));

    // Printed to where nothing can be kept: neither a report nor the image counts as done.
    for (int kind : {1, 3}) {
        errors.clear();
        printer.setOutputFileName(QStringLiteral("/dev/full"));
        show();
        child<QRadioButton>(kind == 1 ? "RadioButton1" : "RadioButton3")->click();
        EXPECT_FALSE(dialog.printNow()) << kind;
        ASSERT_EQ(errors.size(), 1) << kind;
        EXPECT_EQ(errors[0], kind == 1 ? QStringLiteral("The printer did not finish the print.")
                                       : QStringLiteral("Printer is not available."));
        EXPECT_TRUE(dialog.isEnabled());
        EXPECT_TRUE(ticker.isPaused());
    }
}

TEST_F(PrintDialogTest, ThePaperTextIsExact) {
    struct Case {
        QPageSize size;
        QPageLayout::Orientation orientation;
        const char* text;
    };
    const Case cases[] = {
        {QPageSize(QPageSize::A4), QPageLayout::Portrait, "8.27\" x 11.69\" (210mm x 297mm)"},
        {QPageSize(QPageSize::A5), QPageLayout::Portrait, "5.83\" x 8.27\" (148mm x 210mm)"},
        {QPageSize(QPageSize::Letter), QPageLayout::Portrait, "8.5\" x 11\" (216mm x 279mm)"},
        {QPageSize(QPageSize::A3), QPageLayout::Landscape, "16.54\" x 11.69\" (420mm x 297mm)"},
        {QPageSize(QSizeF(100, 150), QPageSize::Millimeter), QPageLayout::Portrait,
         "3.94\" x 5.91\" (100mm x 150mm)"},
    };
    for (const Case& c : cases) {
        printer.setPageSize(c.size);
        printer.setPageOrientation(c.orientation);
        show();
        EXPECT_EQ(child<QLabel>("StaticText2")->text(), QString::fromLatin1(c.text));
        dialog.reject();
    }
}

TEST_F(PrintDialogTest, PaperLargerThanThePreviewCanvasIsWhite) {
    for (QPageLayout::Orientation o : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        for (QPageSize::PageSizeId id : {QPageSize::A3, QPageSize::Tabloid}) {
            printer.setPageSize(QPageSize(id));
            printer.setPageOrientation(o);
            printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
            show();
            child<QComboBox>("ComboBox1")->setCurrentIndex(0);
            child<QComboBox>("ComboBox2")->setCurrentIndex(0);
            auto* image = child<QLabel>("Image1");
            const QImage shown = image->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(shown.isNull());
            // The last rows and columns of the page are paper, not a black band.
            int dark = 0;
            for (int x = 0; x < shown.width(); ++x)
                dark += qGray(shown.pixel(x, shown.height() - 1)) < 128 ? 1 : 0;
            for (int y = 0; y < shown.height(); ++y)
                dark += qGray(shown.pixel(shown.width() - 1, y)) < 128 ? 1 : 0;
            EXPECT_EQ(dark, 0) << id << " " << o;
            dialog.reject();
        }
    }
}

TEST_F(PrintDialogTest, TheProgressWindowIsCentredButtonlessAndPainted) {
    QWidget owner;
    owner.setGeometry(200, 150, 731, 560);
    owner.show();
    progress->setParent(&owner, progress->windowFlags());
    EXPECT_EQ(progress->windowType(), Qt::Dialog);
    for (Qt::WindowType button : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                  Qt::WindowCloseButtonHint, Qt::WindowSystemMenuHint})
        EXPECT_FALSE(progress->windowFlags().testFlag(button)) << button;
    EXPECT_TRUE(progress->windowFlags().testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(progress->windowFlags().testFlag(Qt::WindowTitleHint));
    // The whole caption fits, in the bold title font a window manager uses.
    QFont title = progress->font();
    title.setBold(true);
    EXPECT_LT(QFontMetrics(title).horizontalAdvance(progress->windowTitle()) + 100,
              progress->width());

    progress->showOver(&owner);
    EXPECT_GE(progress->paints(), 1); // painted before rendering begins
    EXPECT_LE(
        (progress->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);
    progress->close();
    progress->setParent(nullptr, progress->windowFlags());
}

TEST_F(PrintDialogTest, TheProgressBarMovesWhileTheImagePrints) {
    // A worker that steps every millisecond, and a page-filling image that takes many.
    PrintTicker fast(nullptr, std::chrono::milliseconds(1));
    dialog.setHost(
        {sampleInputs, {}, {}, [this](const QString& e) { errors << e; }, hint, progress, &fast});
    QObject::connect(&fast, &PrintTicker::tick, progress, &PrintProgressWindow::step,
                     Qt::QueuedConnection);
    fast.start();
    int stepsWhilePrinting = 0;
    QObject::connect(progress->bar(), &QProgressBar::valueChanged, [&] {
        if (!dialog.isEnabled()) // disabled exactly while it prints
            ++stepsWhilePrinting;
    });
    show();
    child<QRadioButton>("RadioButton3")->click();
    child<QComboBox>("ComboBox4")->setCurrentIndex(4); // FitToPage
    ASSERT_TRUE(dialog.printNow());
    EXPECT_GT(stepsWhilePrinting, 0);
    fast.stopAndJoin();
}

TEST(ScreenImage, BandsGiveTheSamePixelsAsOneBigImage) {
    const PageMetrics m = ComputePageMetrics(300, 300, 2480, 3508, 0, 0, 2480, 3508, 96, 420);
    const MarginMetrics margins = ComputeMargins(m, 2, 3);
    QImage capture(731, 560, QImage::Format_RGB32);
    for (int y = 0; y < capture.height(); ++y)
        for (int x = 0; x < capture.width(); ++x)
            capture.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    for (double scale : {0.5, 1.0, 0.37}) {
        const QImage whole = RenderPrintImage(capture, scale, m, margins);
        QImage banded(m.pageW, m.pageH, QImage::Format_RGB32);
        banded.fill(Qt::white);
        {
            QPainter p(&banded);
            PrintImageInBands(p, capture, scale, m, margins, 97);
        }
        EXPECT_EQ(banded.copy(margins.leftPr, margins.topPr, whole.width(), whole.height()), whole)
            << scale;
    }
}

TEST(ScreenImage, CaptureBecomesPrinterPixelsAtTheChosenScale) {
    const PageMetrics m = ComputePageMetrics(600, 600, 4961, 7016, 0, 0, 4961, 7016, 96, 420);
    const MarginMetrics margins = ComputeMargins(m, 0, 0);
    QImage capture(731, 560, QImage::Format_RGB32);
    capture.fill(Qt::black);
    const QImage page = RenderPrintImage(capture, 0.5, m, margins);
    EXPECT_EQ(page.size(), QSize(4961, 7016));
    const InkExtent ink = ScanInk(page);
    EXPECT_NEAR(ink.maxX + 1, 2284, 2); // 731 x 0.5 x 600 / 96
    EXPECT_NEAR(ink.maxY + 1, 1750, 2);

    // At full size on a small page the picture is cut at the right and the bottom.
    const PageMetrics small = ComputePageMetrics(600, 600, 1200, 1200, 0, 0, 1200, 1200, 96, 420);
    const QImage cut = RenderPrintImage(capture, 1.0, small, ComputeMargins(small, 2, 2));
    EXPECT_EQ(cut.size(), QSize(1050, 1050));
    EXPECT_EQ(cut.pixel(1049, 1049), qRgb(0, 0, 0));
}

TEST(PrintTicker, StepsOnTheUiThreadOnlyWhileResumed) {
    PrintProgressWindow window(nullptr);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Printing Image..."));
    EXPECT_EQ(window.bar()->maximum(), 150);
    EXPECT_EQ(PrintTicker().period(), std::chrono::milliseconds(300));
    PrintTicker ticker(nullptr, std::chrono::milliseconds(2)); // quick, for the test
    QObject::connect(&ticker, &PrintTicker::tick, &window, &PrintProgressWindow::step,
                     Qt::QueuedConnection);
    EXPECT_EQ(ticker.objectName(), QStringLiteral("TPrintImThread"));
    ticker.start();
    ASSERT_EVENTUALLY(ticker.isPaused()); // created paused
    QApplication::processEvents();
    EXPECT_EQ(window.bar()->value(), 0); // no step queued while paused
    ticker.resumeTicker();
    EXPECT_EVENTUALLY(window.bar()->value() >= 30);
    ticker.pauseTicker();
    EXPECT_TRUE(ticker.isPaused());
    QApplication::processEvents();
    const int held = window.bar()->value();
    for (int i = 0; i < 20; ++i) { // many periods go by, and nothing moves
        QThread::msleep(2);
        QApplication::processEvents();
    }
    EXPECT_EQ(window.bar()->value(), held);
    EXPECT_EQ(window.stepsOffUiThread(), 0);
    ticker.stopAndJoin();
    EXPECT_TRUE(ticker.isFinished());

    window.bar()->setValue(0);
    for (int i = 0; i < 10; ++i)
        window.step();
    EXPECT_EQ(window.bar()->value(), 150);
    window.step();
    EXPECT_EQ(window.bar()->value(), 0); // wraps after 150

    PrintTicker neverUsed; // a worker that never printed also stops
    neverUsed.start();
    neverUsed.stopAndJoin();
    EXPECT_TRUE(neverUsed.isFinished());
}
