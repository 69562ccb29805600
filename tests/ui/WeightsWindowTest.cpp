// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// "Mix By Weight" as a person uses it: opened from the icon or Ctrl+G, following every
// keystroke, with gravities of their own, remembered, and printed as a weighing sheet.
#include "WeightsWindow.h"
#include "AppFixture.h"
#include "Eventually.h"
#include "FakePrompts.h"
#include "Fields.h"
#include "MainWindow.h"
#include "RecipeFile.h"
#include "Reports.h"
#include "ShotsWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTest>

using namespace kovaq;
using T = TextField;
using G = GravityKey;

namespace {

class WeightsWindowTest : public test::AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        startController();
    }
    void startController() { start(); }
    WeightsWindow& weights() { return controller->weightsWindow(); }
    QLineEdit* f(T field) { return w().field(field); }
    void type(T field, const QString& keys) {
        f(field)->setFocus();
        QTest::keyClicks(f(field), keys);
    }
    QString grams(SlotId s) { return weights().gramsLabel(s)->text(); }
    QString scale(SlotId s) { return weights().scaleLabel(s)->text(); }
    // The first worked example: 30 ml at 12 mg from a 36 mg 50-50 base, 70-30, F1 10 % PG.
    void workedExample() {
        w().document().selectRatio(RatioField::BaseNicPGVG, 5);
        w().document().selectRatio(RatioField::MixNicPGVG, 3);
        for (std::size_t i = 0; i < RatioFieldCount; ++i)
            w().document().setPgPercentFromChoice(ratioFieldAt(i));
        w().document().refreshRatioTexts();
        type(T::BaseNicStrength, QStringLiteral("36"));
        type(T::MixStrength, QStringLiteral("12"));
        type(T::PctFlav1, QStringLiteral("10"));
        type(T::Flav1Name, QStringLiteral("Lemon"));
        type(T::MixQty, QStringLiteral("30"));
    }
};

} // namespace

TEST_F(WeightsWindowTest, OpensFromTheIconOrCtrlGBesideTheWindow) {
    QWidget* icon = w().scalesIcon();
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Mix By Weight (Ctrl+G)"));
    EXPECT_EQ(icon->geometry(), QRect(694 - 26, 8, 20, 20));      // left of the help icon
    EXPECT_EQ(w().helpIcon()->geometry(), QRect(694, 8, 20, 20)); // which has not moved
    EXPECT_FALSE(weights().isVisible());
    QTest::mouseClick(icon, Qt::LeftButton);
    EXPECT_TRUE(weights().isVisible());
    EXPECT_EQ(weights().windowTitle(), QStringLiteral("Mix By Weight"));
    EXPECT_EQ(weights().parentWidget(), &w()); // owned by the main window
    weights().close();
    // Ctrl+G from a number field, which takes no such key itself.
    f(T::PctFlav2)->setFocus();
    QTest::keyClick(f(T::PctFlav2), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EVENTUALLY(weights().isVisible());
    w().toggleLayout(); // Portrait: the icon goes with the help icon
    EXPECT_EQ(icon->geometry(), QRect(430 - 26, 8, 20, 20));
}

TEST(WeightsPlacement, BesideTheWindowOnTheScreen) {
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(360, 420);
    struct Case {
        QRect main;
        QPoint at;
    };
    for (const Case& c : {Case{{100, 100, 731, 594}, {839, 100}},   // room on the right, 8 apart
                          Case{{1100, 100, 731, 594}, {732, 100}},  // on the left
                          Case{{0, 700, 1900, 594}, {0, 660}},      // no room: at the edge
                          Case{{400, 900, 731, 594}, {1139, 660}}}) // kept on the screen
        EXPECT_EQ(PlaceBeside(c.main, size, screen), c.at) << c.main.x() << "," << c.main.y();
}

TEST_F(WeightsWindowTest, FollowsEveryKeystroke) {
    controller->showWeights();
    workedExample();
    EXPECT_EQ(weights().findChild<QLabel*>(QStringLiteral("WeightCaption_Flav1"))->text(),
              QStringLiteral("F1 Lemon"));
    EXPECT_EQ(weights().findChild<QLabel*>(QStringLiteral("WeightMl_PG"))->text(),
              QStringLiteral("13"));
    const std::vector<std::tuple<SlotId, const char*, const char*>> rows = {
        {SlotId::NicBase, "11.44", "11.44"},
        {SlotId::PG, "13.47", "24.90"},
        {SlotId::VG, "5.04", "29.95"},
        {SlotId::Flav1, "3.11", "33.06"},
        {SlotId::Flav2, "0.00", ""}};
    for (const auto& [slot, g, s] : rows) {
        EXPECT_EQ(grams(slot), QString::fromUtf8(g)) << SlotName(slot);
        EXPECT_EQ(scale(slot), QString::fromUtf8(s)) << SlotName(slot);
    }
    EXPECT_EQ(weights().totalLabel()->text(), QStringLiteral("33.06"));
    // One more keystroke: 300 ml.
    QTest::keyClick(f(T::MixQty), Qt::Key_0);
    EXPECT_EQ(grams(SlotId::PG), QStringLiteral("134.68"));
    EXPECT_EQ(weights().totalLabel()->text(), QStringLiteral("330.56"));
    // A mix that cannot be made: red where the volumes are red, no grams for the top-up.
    RatioChoice* mix = w().ratioChoice(RatioField::MixNicPGVG);
    mix->setCurrentIndex(10);
    Q_EMIT mix->activated(10); // all VG, while the base and F1 bring PG
    EXPECT_EQ(grams(SlotId::PG), QString::fromUtf8("\xE2\x80\x94"));
    EXPECT_EQ(weights().gramsLabel(SlotId::PG)->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
    EXPECT_EQ(weights().totalLabel()->text(), QString::fromUtf8("\xE2\x80\x94"));
}

TEST_F(WeightsWindowTest, GravitiesOfTheUsersOwnBelongToTheRecipe) {
    controller->showWeights();
    workedExample();
    w().document().setMixSaved(true);
    QLineEdit* pg = weights().gravityField(G::PG);
    EXPECT_EQ(pg->text(), QString());
    EXPECT_EQ(pg->placeholderText(), QStringLiteral("1.036")); // the default, greyed
    pg->setFocus();
    QTest::keyClicks(pg, QStringLiteral("1.04"));
    EXPECT_EQ(grams(SlotId::PG), QStringLiteral("13.52"));
    EXPECT_FALSE(w().document().mixSaved());
    EXPECT_EQ(w().document().recipe().Gravity[index(G::PG)], "1.04");
    // F1 is carried in PG: its default follows.
    EXPECT_EQ(weights().gravityField(G::Flav1)->placeholderText(), QStringLiteral("1.040"));
    // Out of range: refused, the field marked, the default used.
    QLineEdit* water = weights().gravityField(G::VodkaWater);
    water->setFocus();
    QTest::keyClicks(water, QStringLiteral("3"));
    EXPECT_EQ(water->palette().color(QPalette::Base), QColor(255, 191, 191));
    EXPECT_DOUBLE_EQ(weights().weights()[SlotId::VodkaWater].gravity, 1.0);
    // Saved and opened again, the gravity comes back.
    const QString file = dir.filePath(QStringLiteral("g.mix"));
    EXPECT_TRUE(WriteRecipe(file.toStdString(), w().document().recipe()));
    w().document().setMixSaved(true);
    QTest::mouseClick(weights().defaultsButton(), Qt::LeftButton);
    EXPECT_EQ(pg->text(), QString());
    EXPECT_EQ(grams(SlotId::PG), QStringLiteral("13.47"));
    prompts.fileNames.push_back(file);
    prompts.answers = {Prompts::Answer::No};
    controller->openRecipe();
    EXPECT_EQ(pg->text(), QStringLiteral("1.04"));
    EXPECT_EQ(grams(SlotId::PG), QStringLiteral("13.52"));
    // New Mix without the ingredient details forgets them.
    w().document().setMixSaved(true);
    controller->newMix();
    EXPECT_EQ(pg->text(), QString());
}

TEST_F(WeightsWindowTest, WhetherItIsOpenIsRemembered) {
    controller->showWeights();
    w().close();
    EXPECT_EQ(store->value("WeightsOpen").toString(), QStringLiteral("1"));
    EXPECT_EQ(store->value("Layout").toString(), QStringLiteral("Landscape")); // the four stay
    controller.reset();
    startController();
    EXPECT_TRUE(weights().isVisible());
    weights().close();
    w().close();
    EXPECT_EQ(store->value("WeightsOpen").toString(), QStringLiteral("0"));
}

TEST_F(WeightsWindowTest, PrintsAWeighingSheet) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    controller->showWeights();
    workedExample();
    QPrinter& printer = controller->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A5));
    QTest::mouseClick(weights().printButton(), Qt::LeftButton);
    EXPECT_EQ(prompts.printerDialogs, 1);
    EXPECT_TRUE(prompts.errors.empty());
    QProcess run;
    run.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    run.waitForFinished(20000);
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Mix Name - Untitled(12mg 30ml 70-30)")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Weighed - "))) << text.toStdString();
    for (const char* row : {"Nic Base", "11.44", "24.90", "F1 Lemon", "33.06"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(row))) << row;
    if (!qEnvironmentVariableIsEmpty("KOVAQ_SHOTS"))
        QFile::copy(pdf, qEnvironmentVariable("KOVAQ_SHOTS") + QStringLiteral("/weights.pdf"));

    // Printed to where nothing can be kept, it says so, as a printed report does.
    printer.setOutputFileName(QStringLiteral("/dev/full"));
    QTest::mouseClick(weights().printButton(), Qt::LeftButton);
    EXPECT_EQ(prompts.errors,
              std::vector<QString>{QStringLiteral("The printer did not finish the print.")});
}

TEST_F(WeightsWindowTest, GravityFieldsShowTheirWholeValueWhileEdited) {
    controller->showWeights();
    // A gravity to five decimals, as precise as any measure, shows whole with the caret.
    QLineEdit* e = weights().gravityField(G::PG);
    e->setFocus();
    for (const QString& value : {QStringLiteral("1.036"), QStringLiteral("1.03655")}) {
        e->clear();
        QTest::keyClicks(e, value);
        // Room for the text and the caret after it, as the field lays its line out.
        QStyleOptionFrame frame;
        frame.initFrom(e);
        frame.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QRect inside =
            e->style()->subElementRect(QStyle::SE_LineEditContents, &frame, e) - e->textMargins();
        const int caret = e->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, e);
        EXPECT_GE(inside.width() - 2 * 2, e->fontMetrics().horizontalAdvance(value) + 1 + caret)
            << value.toStdString();
    }
    EXPECT_EQ(weights().weights().slots[index(SlotId::PG)].gravity, 1.03655);
}

TEST_F(WeightsWindowTest, AmountsTooSmallToWeighAreHintedAsTheScaleReads) {
    controller->showWeights();
    workedExample();
    type(T::Flav2Name, QStringLiteral("Cool"));
    type(T::PctFlav2, QStringLiteral("0.3")); // 0.09 ml, 0.09 g: under 0.20 g
    const QString hint = QStringLiteral(
        "F2 Cool: Too little to weigh well: pre-dilute 1:10 in PG (0.93 g of the dilution) and "
        "leave 0.81 ml of PG out of the mix");
    EXPECT_TRUE(weights().hintsLabel()->isVisible());
    EXPECT_EQ(weights().hintsLabel()->text(), hint);
    ReportDocument sheet;
    BuildWeightsReport(sheet,
                       MakeReportInputs(w().document().recipe(), w().document().result(),
                                        w().document().rowLabels(), false, false, 12),
                       weights().weights(), QStringLiteral("today"), weights().hints());
    EXPECT_TRUE(sheet.PlainText().contains(hint));

    // A finer scale weighs it; the choice is the user's, kept for the next start.
    weights().scaleBox()->setCurrentIndex(2);
    EXPECT_FALSE(weights().hintsLabel()->isVisible());
    prompts.answers = {Prompts::Answer::No}; // the mix is not kept
    w().close();
    EXPECT_EQ(store->value("ScaleResolution").toString(), QStringLiteral("0.001"));
}

TEST_F(WeightsWindowTest, ShotsAndFixesShowWhatKovaqCalcPrints) {
    QTest::keyClick(f(T::PctFlav2), Qt::Key_K, Qt::ControlModifier);
    ShotsWindow& shots = controller->shotsWindow();
    ASSERT_TRUE(shots.isVisible());
    const auto retype = [&](const char* name, const char* keys) {
        QLineEdit* e = shots.field(QString::fromLatin1(name));
        e->selectAll();
        QTest::keyClicks(e, QString::fromLatin1(keys));
    };
    const auto calc = [](const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(KOVAQ_CALC), args);
        p.waitForFinished(20000);
        return QString::fromUtf8(p.readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    retype("ShotsLiquid", "100");
    retype("ShotsBottle", "120");
    retype("ShotsTarget", "4.5."); // the second point is dropped, as in the window
    EXPECT_EQ(shots.field(QStringLiteral("ShotsTarget"))->text(), QStringLiteral("4.5"));
    EXPECT_EQ(shots.lines(0), calc({"--shots", "100", "120", "18", "10", "4.5"}));

    // The base of the mix in the window, to strengthen a batch.
    type(T::BaseNicStrength, QStringLiteral("36"));
    shots.setPage(1);
    EXPECT_EQ(shots.field(QStringLiteral("FixBaseMg"))->text(), QStringLiteral("36"));
    shots.ratio(QStringLiteral("FixBaseRatio"))->setCurrentIndex(5); // 50-50, as kovaq-calc's
    retype("FixTargetMg", "9");
    EXPECT_EQ(shots.lines(1), calc({"--dilute", "30", "6", "9", "--base", "36"}));
    // 30 x (9 - 6) / (36 - 9)
    EXPECT_TRUE(shots.lines(1).join(QLatin1Char(' ')).contains(QStringLiteral("Add 3.33 ml")));

    shots.setPage(2);
    EXPECT_EQ(shots.lines(2), calc({"--ratio", "30", "50", "30"}));

    // Open, and on its page, at the next start.
    prompts.answers = {Prompts::Answer::No};
    w().close();
    EXPECT_EQ(store->value("ShotsOpen").toString(), QStringLiteral("1"));
    controller.reset();
    startController();
    EXPECT_EVENTUALLY(controller->shotsWindow().isVisible());
    EXPECT_EQ(controller->shotsWindow().page(), 2);
}

TEST_F(WeightsWindowTest, UnusedFlavourRowsHideAndDropsAreForTheDropperOnly) {
    controller->showWeights();
    workedExample();
    weights().setDrops(true, 20);
    type(T::Flav3Name, QStringLiteral("Cream")); // a name without its share yet
    struct Case {
        SlotId slot;
        bool shown;
        bool drops;
    };
    for (const Case& c : {Case{SlotId::Flav1, true, true}, Case{SlotId::Flav2, false, false},
                          Case{SlotId::Flav3, true, false}, Case{SlotId::Flav8, false, false},
                          Case{SlotId::NicBase, true, true}, Case{SlotId::PG, true, false},
                          Case{SlotId::VG, true, false}}) {
        SCOPED_TRACE(static_cast<int>(c.slot));
        EXPECT_EQ(weights().gramsLabel(c.slot)->isVisible(), c.shown);
        EXPECT_EQ(!weights().dropsLabel(c.slot)->text().isEmpty(), c.drops);
    }
}

TEST_F(WeightsWindowTest, AShotThatCannotBeDoneShowsAsAProblemWithoutAThen) {
    QTest::keyClick(f(T::PctFlav2), Qt::Key_K, Qt::ControlModifier);
    ShotsWindow& shots = controller->shotsWindow();
    const auto retype = [&](const char* name, const char* keys) {
        QLineEdit* e = shots.field(QString::fromLatin1(name));
        e->selectAll();
        QTest::keyClicks(e, QString::fromLatin1(keys));
    };
    // 50 ml to 6 mg with 18 mg shots takes 25 ml: more than the 10 ml of room.
    retype("ShotsLiquid", "50");
    retype("ShotsBottle", "60");
    retype("ShotsTarget", "6");
    EXPECT_TRUE(shots.showsProblem(0));
    for (const QString& line : shots.lines(0))
        EXPECT_FALSE(line.startsWith(QStringLiteral("Then:"))) << line.toStdString();
    retype("ShotsTarget", "3");
    EXPECT_FALSE(shots.showsProblem(0));
    EXPECT_TRUE(shots.lines(0).last().startsWith(QStringLiteral("Then:")));
}
