// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MainWindow.h"
#include "Application.h"
#include "Backdrop.h"
#include "ControlNames.h"
#include "FakePrompts.h"
#include "Fields.h"
#include "Version.h"
#include "WindowFixture.h"

#include "Eventually.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

using namespace kovaq;
using namespace kovaq::test;

TEST_F(MainWindowTest, DecimalPointWaitsForTheFraction) {
    type(T::MixQty, QStringLiteral("1"));
    EXPECT_FALSE(w->document().mixSaved());
    w->document().setMixSaved(true);
    type(T::MixQty, QStringLiteral("."));
    EXPECT_EQ(f(T::MixQty)->text(), QStringLiteral("1."));
    EXPECT_TRUE(w->document().mixSaved()); // waiting: nothing recalculated
    type(T::MixQty, QStringLiteral("5"));
    EXPECT_EQ(f(T::MixQty)->text(), QStringLiteral("1.5"));
    EXPECT_FALSE(w->document().mixSaved());

    // A second point typed after the 1 is taken out again with a beep.
    w->document().setMixSaved(true);
    f(T::MixQty)->setCursorPosition(1);
    QTest::keyClick(f(T::MixQty), '.');
    EXPECT_EQ(f(T::MixQty)->text(), QStringLiteral("1.5"));
    EXPECT_EQ(prompts.beeps, 1);
    EXPECT_FALSE(w->document().mixSaved());
}

TEST_F(MainWindowTest, NumbersAreTidiedAsTheyAreTyped) {
    struct Case {
        QString keys;
        QString shown;
    };
    for (const Case& c : {Case{"007", "7"}, Case{".5", "0.5"}, Case{"1.50", "1.50"},
                          Case{"10", "10"}, Case{"0.0", "0.0"}, Case{"00.5", "0.5"}}) {
        f(T::PctFlav1)->clear();
        type(T::PctFlav1, c.keys);
        EXPECT_EQ(f(T::PctFlav1)->text(), c.shown) << c.keys.toStdString();
    }
    f(T::PctFlav1)->clear();
    type(T::PctFlav1, QStringLiteral(".5"));
    EXPECT_EQ(f(T::PctFlav1)->cursorPosition(), 3); // at the end after the leading zero
    w->document().setMixSaved(true);
    f(T::PctFlav1)->selectAll();
    QTest::keyClick(f(T::PctFlav1), Qt::Key_Backspace);
    EXPECT_FALSE(w->document().mixSaved()); // emptied: recalculated at once
}

TEST_F(MainWindowTest, OnlyDigitsPointAndBackspaceGetIntoNumbers) {
    QApplication::clipboard()->setText(QStringLiteral("123"));
    type(T::PGCost, QStringLiteral("a- +"));
    QTest::keyClick(f(T::PGCost), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(f(T::PGCost), Qt::Key_Return);
    EXPECT_EQ(f(T::PGCost)->text(), QString());
    EXPECT_EQ(prompts.beeps, 6);
    type(T::PGCost, QStringLiteral("12"));
    QTest::keyClick(f(T::PGCost), Qt::Key_Backspace);
    QTest::keyClick(f(T::PGCost), Qt::Key_Left);
    QTest::keyClick(f(T::PGCost), Qt::Key_Delete);
    EXPECT_EQ(f(T::PGCost)->text(), QString());
    EXPECT_EQ(prompts.beeps, 6);

    // A comma, typed or from a keypad, is the decimal point: 2,5 % is 2.5 %, and a second
    // separator is refused as a second point is.
    type(T::PctFlav1, QStringLiteral("2,5"));
    EXPECT_EQ(f(T::PctFlav1)->text(), QStringLiteral("2.5"));
    type(T::PctFlav1, QStringLiteral(","));
    EXPECT_EQ(f(T::PctFlav1)->text(), QStringLiteral("2.5"));
    f(T::MixQty)->clear();
    QTest::keyClick(f(T::MixQty), Qt::Key_1);
    QTest::keyClick(f(T::MixQty), Qt::Key_Comma, Qt::KeypadModifier, -1);
    QTest::keyClick(f(T::MixQty), Qt::Key_5);
    EXPECT_EQ(f(T::MixQty)->text(), QStringLiteral("1.5"));
}

TEST_F(MainWindowTest, TooWideEntryIsRefusedWithAHint) {
    QLineEdit* cost = f(T::NicBaseCost);
    // Digits of Arial at 11 pixels take 6 each: five fit in 34 pixels, the sixth does not.
    type(T::NicBaseCost, QStringLiteral("11111111111111111111"));
    EXPECT_EQ(cost->text(), QStringLiteral("11111"));
    EXPECT_EQ(prompts.beeps, 15); // one for every digit refused
    QLabel* hint = w->entryHint();
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), QStringLiteral("Entry Was Too Long"));
    EXPECT_EQ(hint->pos(), cost->mapToGlobal(QPoint(20, 20)));
    // Hidden 3000 ms after the last refused key: each refusal starts the count again.
    QTimer& timer = w->hintTimer();
    EXPECT_TRUE(timer.isSingleShot());
    EXPECT_EQ(timer.interval(), 3000);
    ASSERT_TRUE(timer.isActive());
    EXPECT_GT(timer.remainingTime(), 2500);
    timer.setInterval(1); // rather than wait three seconds
    timer.start();
    EXPECT_EVENTUALLY(!hint->isVisible());
    timer.setInterval(3000);
}

TEST_F(MainWindowTest, NamesRelabelTheirRows) {
    type(T::Flav1Name, QStringLiteral("Lemon"));
    EXPECT_EQ(text("VolumeCaption_Flav1"), QStringLiteral("F1 Lemon"));
    EXPECT_EQ(text("CostCaption_Flav1"), QStringLiteral("F1 Lemon"));
    EXPECT_EQ(text("SpecCaption_Flav1"), QStringLiteral("F1 Lemon"));
    // Emptied by hand: the blank stays until a calculation resets unused rows.
    f(T::Flav1Name)->setText(QString());
    EXPECT_EQ(text("VolumeCaption_Flav1"), QStringLiteral("F1"));
    type(T::PctFlav1, QStringLiteral("5"));
    type(T::Flav1Name, QStringLiteral("x"));
    QTest::keyClick(f(T::Flav1Name), Qt::Key_Backspace);
    EXPECT_EQ(text("VolumeCaption_Flav1"), QStringLiteral("F1 "));

    type(T::NicBaseName, QStringLiteral("Salt"));
    EXPECT_EQ(text("VolumeCaption_NicBase"), QStringLiteral("NicBase  Salt"));
    EXPECT_EQ(text("CostCaption_NicBase"), QStringLiteral("NicBase  Salt"));
    EXPECT_EQ(text("IngredientCaption_NicBase"), QStringLiteral("Nic Base"));
    // The names of input fields do not follow the captions.
    EXPECT_EQ(f(T::Flav3Name)->accessibleName(), QStringLiteral("F3 name"));
    EXPECT_EQ(f(T::VodkaWaterQty)->accessibleName(), QStringLiteral("Vodka/Water quantity"));
    EXPECT_EQ(w->ratioChoice(RatioField::Flav8NicPGVG)->accessibleName(),
              QStringLiteral("F8 PG-VG"));
}

TEST_F(MainWindowTest, LongFlavourNameIsCutBesideItsRatioOnly) {
    type(T::Flav2Name, QStringLiteral("Very Long Name"));
    QLabel* spec = label("SpecCaption_Flav2");
    EXPECT_EQ(spec->width(), 108);
    EXPECT_EQ(spec->text(), QStringLiteral("F2 Very Long Name"));
    // However wide a caption gets, it is drawn in its 108 pixels and cut there.
    spec->setText(QStringLiteral("F2 ") + QString(40, QLatin1Char('W')));
    EXPECT_EQ(spec->width(), 108);
    EXPECT_GT(QFontMetrics(spec->font()).horizontalAdvance(spec->text()), 108);
    EXPECT_EQ(text("VolumeCaption_Flav2"), QStringLiteral("F2 Very Long Name"));
}

TEST_F(MainWindowTest, PickingARatioSetsItsShareAndMovesTheFocus) {
    w->activateWindow();
    pick(RatioField::Flav3NicPGVG, 11);
    EXPECT_EQ(w->document().ratio(RatioField::Flav3NicPGVG).PgPercent, -1);
    EXPECT_EQ(w->document().ratio(RatioField::Flav3NicPGVG).RatioText, "none");
    EXPECT_FALSE(w->document().mixSaved());
    EXPECT_TRUE(f(T::PctFlav3)->hasFocus());
    pick(RatioField::MixNicPGVG, 3);
    EXPECT_TRUE(f(T::MixQty)->hasFocus());
    pick(RatioField::BaseNicPGVG, 5);
    EXPECT_TRUE(f(T::BaseNicStrength)->hasFocus());
}

TEST_F(MainWindowTest, VolumeArrowsStepAndNeverGoNegative) {
    QTest::keyClick(f(T::MixQty), Qt::Key_Up);
    EXPECT_EQ(f(T::MixQty)->text(), QStringLiteral("0.1"));
    f(T::MixQty)->setText(QStringLiteral("0.05"));
    QTest::keyClick(f(T::MixQty), Qt::Key_Down);
    EXPECT_EQ(f(T::MixQty)->text(), QStringLiteral("0"));
    w->document().setMixSaved(true);
    QTest::keyClick(f(T::MixQty), Qt::Key_Down);
    EXPECT_EQ(f(T::MixQty)->text(), QStringLiteral("0"));
    EXPECT_TRUE(w->document().mixSaved()); // no change, no calculation
}

TEST_F(MainWindowTest, NotesMarkUnsavedOnlyWhenTyped) {
    w->document().setNotesLines({QStringLiteral("set by the program")});
    EXPECT_TRUE(w->document().mixSaved());
    w->activateWindow();
    w->notes()->setFocus();
    QTest::keyClicks(w->notes(), QStringLiteral("x"));
    EXPECT_FALSE(w->document().mixSaved());
    QTest::keyClick(w->notes(), Qt::Key_Tab);
    EXPECT_TRUE(w->notes()->toPlainText().contains(QLatin1Char('\t')));
    EXPECT_TRUE(w->notes()->hasFocus());
}

TEST_F(MainWindowTest, WorkedExamplesShowTheirTextsAndColours) {
    // 30 ml at 12 mg from 36 mg 50-50 at 70-30 with F1 10% PG.
    pick(RatioField::BaseNicPGVG, 5);
    pick(RatioField::MixNicPGVG, 3);
    type(T::MixQty, QStringLiteral("30"));
    type(T::BaseNicStrength, QStringLiteral("36"));
    type(T::MixStrength, QStringLiteral("12"));
    type(T::PctFlav1, QStringLiteral("10"));
    type(T::Flav1Name, QStringLiteral("Lemon"));
    type(T::NicBaseCost, QStringLiteral("6"));
    type(T::NicBaseQty, QStringLiteral("30"));
    type(T::PGCost, QStringLiteral("9.5"));
    type(T::PGQty, QStringLiteral("500"));
    type(T::VGQty, QStringLiteral("500"));
    type(T::Flav1Cost, QStringLiteral("0"));
    EXPECT_EQ(text("Volume_NicBase"), QStringLiteral("10"));
    EXPECT_EQ(text("Volume_PG"), QStringLiteral("13"));
    EXPECT_EQ(text("Volume_VG"), QStringLiteral("4"));
    EXPECT_EQ(text("Volume_Flav1"), QStringLiteral("3"));
    EXPECT_EQ(text("Cost_NicBase"), QStringLiteral("2"));
    EXPECT_EQ(text("Cost_PG"), QStringLiteral("0.25"));
    EXPECT_EQ(text("Cost_VG"), QStringLiteral("0"));
    EXPECT_EQ(colour("Cost_VG"), kRed);
    EXPECT_EQ(colour("Cost_Flav1"), kBlack);
    EXPECT_EQ(text("TotalCost"), QStringLiteral("2.25"));
    EXPECT_EQ(colour("TotalCost"), kRed);
    EXPECT_EQ(text("CostStatus") + text("VolStatus"), QStringLiteral("Cost Pending, Volumes OK"));
    EXPECT_EQ(colour("CostStatus"), kRed);
    EXPECT_EQ(colour("VolStatus"), kGreen);
    EXPECT_EQ(background(T::VGCost), kPink);
    EXPECT_EQ(background(T::VGQty), kLightGreen);
    EXPECT_FALSE(w->document().infoComplete());
    EXPECT_TRUE(prompts.messages.empty());

    type(T::VGCost, QStringLiteral("8"));
    EXPECT_EQ(text("CostStatus") + text("VolStatus"), QStringLiteral("Cost OK, Volumes OK"));
    EXPECT_EQ(colour("TotalCost"), kBlack);
    EXPECT_EQ(background(T::VGCost), kLightGreen);
    EXPECT_TRUE(w->document().infoComplete());
}

TEST_F(MainWindowTest, TenMlExampleShowsTheCorrectedTopUp) {
    w->document().setHiPrecision(false);
    pick(RatioField::BaseNicPGVG, 5);
    pick(RatioField::MixNicPGVG, 3);
    type(T::MixQty, QStringLiteral("10"));
    type(T::BaseNicStrength, QStringLiteral("24"));
    type(T::MixStrength, QStringLiteral("3"));
    for (T pct : {T::PctFlav1, T::PctFlav2, T::PctFlav3})
        type(pct, QStringLiteral("3"));
    EXPECT_EQ(text("Volume_NicBase"), QStringLiteral("1.3"));
    EXPECT_EQ(text("Volume_PG"), QStringLiteral("5.4"));
    EXPECT_EQ(text("Volume_VG"), QStringLiteral("2.4"));
    EXPECT_EQ(text("Volume_Flav3"), QStringLiteral("0.3"));
}

TEST_F(MainWindowTest, UnachievableMixShowsTheBoxBetweenVolumesAndCosts) {
    typeThirdExample();
    type(T::Flav1Name, QStringLiteral("A"));
    type(T::Flav2Name, QStringLiteral("B"));
    type(T::PGCost, QStringLiteral("10"));
    type(T::PGQty, QStringLiteral("100"));
    prompts.clear();
    QString volumeAtBox, costAtBox;
    prompts.onMessage = [&](const FakePrompts::Message&) {
        volumeAtBox = text("Volume_PG");
        costAtBox = text("Cost_PG");
    };
    f(T::MixQty)->setText(QStringLiteral("15"));
    ASSERT_FALSE(prompts.messages.empty());
    const auto& m = prompts.messages.back();
    EXPECT_EQ(m.caption, QStringLiteral("This Mix Cannot Be Achieved"));
    // The four lines as ever, then what could be made with these ingredients.
    EXPECT_EQ(m.text, QStringLiteral("    You could try reducing the Mix Strength\n"
                                     "    or changing the PG/VG ratio of your mix.\n"
                                     "Also, you could try reducing the percentages\n"
                                     "   of your flavours or vodka/water additive\n\n"
                                     "With these ingredients the mix ratio can be from 46-54 to "
                                     "100-0 PG-VG, or up to 3.69 mg at 30-70."));
    EXPECT_EQ(m.otherButton, QStringLiteral("Use 50-50")); // OK stays first and default
    EXPECT_EQ(m.icon, Prompts::Icon::Warning);
    EXPECT_EQ(volumeAtBox, QStringLiteral("-1.8")); // volumes already on screen
    EXPECT_EQ(text("Volume_PG"), QStringLiteral("-1.8"));
    EXPECT_EQ(colour("Volume_PG"), kRed);
    EXPECT_EQ(text("Volume_VG"), QStringLiteral("8.7"));
    EXPECT_EQ(text("VolStatus"), QStringLiteral("Vols Pending"));
    EXPECT_EQ(costAtBox, QStringLiteral("0")); // costs of the run before
    EXPECT_EQ(text("Cost_PG"), QStringLiteral("-0.17"));
}

TEST_F(MainWindowTest, UseTakesTheNearestRatioThatWorks) {
    // The third worked example once more, answered with "Use 50-50".
    typeThirdExample();
    EXPECT_EQ(w->findChild<QWidget*>(QStringLiteral("Status"))->toolTip(), QString());
    prompts.clear();
    prompts.answers = {Prompts::Answer::Other};
    f(T::MixQty)->setText(QStringLiteral("15"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].otherButton, QStringLiteral("Use 50-50"));
    EXPECT_EQ(w->ratioChoice(RatioField::MixNicPGVG)->currentText(), QStringLiteral("50-50"));
    EXPECT_EQ(w->document().ratio(RatioField::MixNicPGVG).PgPercent, 50);
    EXPECT_EQ(text("VolStatus"), QStringLiteral("Volumes OK"));
    EXPECT_FALSE(colour("Volume_PG") == kRed);
    EXPECT_TRUE(f(T::MixQty)->hasFocus() || !w->isActiveWindow()); // as a pick would
    EXPECT_EQ(w->findChild<QWidget*>(QStringLiteral("Status"))->toolTip(), QString());
}

TEST_F(MainWindowTest, TooStrongBeepsAndMarksTheStrength) {
    pick(RatioField::BaseNicPGVG, 5);
    pick(RatioField::MixNicPGVG, 5);
    type(T::MixQty, QStringLiteral("10"));
    type(T::BaseNicStrength, QStringLiteral("20"));
    prompts.clear();
    type(T::MixStrength, QStringLiteral("20.4"));
    EXPECT_EQ(prompts.beeps, 1); // "2", "20" and "20." are not too strong
    type(T::MixStrength, QStringLiteral("5"));
    EXPECT_EQ(prompts.beeps, 2); // every run beeps while it lasts
    EXPECT_EQ(background(T::MixStrength), kPink);
    EXPECT_EQ(colour("Volume_NicBase"), kRed);
    for (const auto& m : prompts.messages)
        EXPECT_NE(m.caption, QStringLiteral("This Mix Cannot Be Achieved"));
    // It only beeps; what could be made is in the status line's hint.
    EXPECT_EQ(w->findChild<QWidget*>(QStringLiteral("Status"))->toolTip(),
              QStringLiteral("With these ingredients no mix ratio works, or up to 20 mg at "
                             "50-50."));
}

TEST_F(MainWindowTest, BaseWithoutNicotineEmptiesAndDisablesStrength) {
    type(T::BaseNicStrength, QStringLiteral("18"));
    type(T::MixStrength, QStringLiteral("6"));
    f(T::BaseNicStrength)->selectAll();
    QTest::keyClick(f(T::BaseNicStrength), Qt::Key_Backspace);
    EXPECT_EQ(f(T::MixStrength)->text(), QString());
    EXPECT_FALSE(f(T::MixStrength)->isEnabled());
    type(T::BaseNicStrength, QStringLiteral("1"));
    EXPECT_TRUE(f(T::MixStrength)->isEnabled());
}

TEST_F(MainWindowTest, IgnoreCostsGreysTheCostSide) {
    QTest::mouseClick(w->ignoreCostBox(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(w->ignoreCostBox()->isChecked());
    EXPECT_EQ(text("CostStatus"), QStringLiteral("Cost Ignored, "));
    EXPECT_EQ(text("Cost_PG"), QStringLiteral("N/A"));
    EXPECT_FALSE(label("Cost_PG")->isVisible());
    EXPECT_FALSE(label("TotalCost")->isVisible());
    EXPECT_FALSE(label("CostCaption_PG")->isEnabled());
    EXPECT_FALSE(f(T::PGCost)->isEnabled());
    EXPECT_FALSE(f(T::Flav8Qty)->isEnabled());
    QTest::mouseClick(w->ignoreCostBox(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(label("Cost_PG")->isVisible());
    EXPECT_EQ(text("Cost_PG"), QStringLiteral("0"));
    EXPECT_TRUE(f(T::PGCost)->isEnabled());
}

TEST_F(MainWindowTest, PastedTextThatIsNoNumberIsReported) {
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    f(T::PGQty)->paste(); // what the field's own menu does
    EXPECT_EQ(f(T::PGQty)->text(), QStringLiteral("abc"));
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], QStringLiteral("'abc' is not a valid floating point value"));
}

TEST_F(MainWindowTest, TabFollowsTheGroupsAndSkipsTheNotes) {
    type(T::BaseNicStrength, QStringLiteral("18")); // else "Nic Strength" is disabled
    w->activateWindow();
    f(T::NicBaseName)->setFocus();
    QStringList seen;
    for (int i = 0; i < 67; ++i) {
        seen << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList expected;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        if (auto name = NameField(s))
            expected << FieldControlName(*name);
        expected << FieldControlName(CostField(s)) << FieldControlName(QtyField(s));
    }
    expected << "ComboBox2"
             << "Edit1"
             << "ComboBox3"
             << "Edit6"
             << "Edit2";
    for (std::size_t fl = 0; fl < FlavourCount; ++fl)
        expected << RatioControlName(flavourRatio(fl))
                 << FieldControlName(*PercentField(flavourSlot(fl)));
    expected << "Edit5"
             << "CheckBox1"
             << "CheckBox2"
             << "OpenButton"
             << "SaveButton"
             << "PrintButton"
             << "NewMixButton"
             << "LayoutButton"
             << "CloseButton"
             // the header's buttons, left to right
             << "MenuIcon"
             << "RecipesIcon"
             << "ScalesIcon"
             << "HelpIcon";
    ASSERT_EQ(expected.size(), 67);
    EXPECT_EQ(seen.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Edit3")); // round again
}

TEST_F(MainWindowTest, LayoutsPlaceEveryMovingControl) {
    struct Expect {
        const char* name;
        QRect landscape, portrait;
    };
    const Expect cases[] = {
        {"OpenButton", {508, 362, 63, 24}, {289, 565, 63, 24}},
        {"CloseButton", {592, 430, 63, 24}, {373, 633, 63, 24}},
        {"NotesGroup", {461, 42, 244, 300}, {17, 563, 244, 141}},
        {"Status", {503, 466, 157, 33}, {284, 669, 157, 33}},
        {"WebsiteLink", {488, 514, 194, 14}, {250, 714, 194, 14}},
        {"HelpIcon", {694, 8, 20, 20}, {430, 8, 20, 20}},
        {"IngredientDetails", {16, 42, 245, 271}, {16, 42, 245, 271}},
        {"CostForThisMix", {280, 292, 161, 253}, {280, 292, 161, 253}},
    };
    auto check = [&](bool portrait) {
        for (const Expect& e : cases) {
            QWidget* c = w->findChild<QWidget*>(QString::fromLatin1(e.name));
            ASSERT_NE(c, nullptr) << e.name;
            EXPECT_EQ(c->geometry(), portrait ? e.portrait : e.landscape) << e.name;
        }
        EXPECT_EQ(w->notes()->geometry(),
                  portrait ? QRect(3, 15, 238, 122) : QRect(3, 15, 238, 281));
    };
    EXPECT_EQ(w->layoutName(), QStringLiteral("Landscape"));
    // Outer sizes less the frame: Portrait's 468 by 770 holds the 458 by 736 client area.
    EXPECT_EQ(w->size(), QSize(731 - (468 - 458), 594 - (770 - 736)));
    check(false);

    w->activateWindow();
    f(T::PctFlav2)->setFocus();
    w->setLastActiveControl(f(T::PctFlav2));
    QTest::mouseClick(w->layoutButton(), Qt::LeftButton);
    EXPECT_EQ(w->layoutName(), QStringLiteral("Portrait"));
    EXPECT_EQ(w->size(), QSize(458, 736));
    check(true);
    EXPECT_TRUE(f(T::PctFlav2)->hasFocus());
    QTest::mouseClick(w->layoutButton(), Qt::LeftButton);
    check(false);
    EXPECT_TRUE(f(T::PctFlav2)->hasFocus());
}

TEST_F(MainWindowTest, LayoutGivesTheNotesTheirCaretBack) {
    w->activateWindow();
    w->document().setNotesLines({QStringLiteral("first line"), QStringLiteral("second")});
    w->notes()->setFocus();
    QTest::mouseClick(w->notes()->viewport(), Qt::LeftButton, {}, QPoint(30, 8));
    const int caret = w->notesCaret();
    EXPECT_EQ(w->lastActiveControl(), w->notes());
    w->toggleLayout();
    EXPECT_TRUE(w->notes()->hasFocus());
    EXPECT_EQ(w->notes()->textCursor().position(), caret);
}

TEST_F(MainWindowTest, StartsWithPendingStatusAndTheTitleHint) {
    FakePrompts fresh;
    const QFont desktopFont = QApplication::font();
    MixSession freshSession(WindowFieldRule());
    MainWindow window(freshSession.document(), fresh);
    // Built under the window's font, which menus and dialogs do not take on.
    EXPECT_EQ(QApplication::font(), desktopFont);
    EXPECT_EQ(QFontInfo(window.field(T::MixQty)->font()).pixelSize(), 11);
    EXPECT_NE(QApplication::font().pixelSize(), 11);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Untitled"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("CostStatus"))->text(),
              QStringLiteral("Cost Pending,"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("VolStatus"))->text(),
              QStringLiteral("Qty Pending"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Title"))->toolTip(),
              QStringLiteral("V ") + QString::fromLatin1(Version.data()));
    EXPECT_EQ(Version, "1.0.1");
    EXPECT_TRUE(window.hiPrecisionBox()->isChecked());
    EXPECT_EQ(window.notes()->focusPolicy(), Qt::ClickFocus);
}

TEST(Backdrop, PaintsThePictureTheWindowAlwaysHad) {
    // The background was a JPEG decoded at every start; painted, it must look the same.
    const QImage reference = QImage(QStringLiteral(KOVAQ_TEST_DATA "/background.jpg"))
                                 .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(reference.size(), Backdrop::PictureSize);
    QImage painted(Backdrop::PictureSize, QImage::Format_RGB32);
    QPainter p(&painted);
    Backdrop::Paint(p, painted.rect());
    p.end();
    double total = 0;
    int worst = 0;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x) {
            const QRgb a = painted.pixel(x, y), b = reference.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            total += d;
            worst = std::max(worst, d);
        }
    EXPECT_LT(total / (painted.width() * painted.height()), 1.2); // on average
    EXPECT_LE(worst, 12);                                         // at a bubble's rim
}

TEST(ProgramStyle, DrawsGroupFramesAsFusionDoes) {
    // The program's style draws a group's frame itself (not to load every image plug-in);
    // it must look exactly as Fusion's, whatever the title, font and size.
    KoVaqStyle ours;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    struct Case {
        QString title;
        int pixels;
        bool checkable;
        QSize size;
    };
    for (const Case& c :
         {Case{"  Notes  ", 11, false, {244, 141}}, Case{"Status", 16, false, {157, 33}},
          Case{"", 11, false, {80, 60}}, Case{"Pick", 11, true, {120, 70}}}) {
        QGroupBox group(c.title);
        QFont font = group.font();
        font.setPixelSize(c.pixels);
        group.setFont(font);
        group.setCheckable(c.checkable);
        group.resize(c.size);
        const auto drawn = [&](QStyle* style) {
            group.setStyle(style);
            QImage image(c.size, QImage::Format_ARGB32);
            image.fill(Qt::white);
            group.render(&image);
            return image;
        };
        EXPECT_EQ(drawn(&ours), drawn(fusion.get())) << c.title.toStdString();
        group.setStyle(nullptr);
    }
}
