// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The window as a person meets it: what they paste, click, back out of, see and hear.
#include "Application.h"
#include "EntryRules.h"
#include "FieldMetrics.h"
#include "WindowFixture.h"

#include "Eventually.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>

using namespace kovaq;
using namespace kovaq::test;
using R = RatioField;

namespace {

// Pixels of a widget as drawn: how many are grey text, white edge, or red.
struct Ink {
    int grey = 0, white = 0, red = 0;
};
Ink inkOf(QWidget* w) {
    const QImage img = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Ink ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80)
                ++ink.red;
            else if (c.red() == c.green() && c.green() == c.blue() && c.red() < 150)
                ++ink.grey;
            else if (c.red() > 240 && c.green() > 240 && c.blue() > 240)
                ++ink.white;
        }
    return ink;
}

} // namespace

TEST_F(MainWindowTest, PastingNothingChangesNothing) {
    NotesEdit* notes = w->notes();
    w->document().setNotesLines({QStringLiteral("keep")});
    // Qt hands no data at all when no program owns the clipboard.
    EXPECT_FALSE(notes->canInsertFromMimeData(nullptr));
    notes->insertFromMimeData(nullptr);
    QMimeData empty;
    EXPECT_FALSE(notes->canInsertFromMimeData(&empty));
    notes->insertFromMimeData(&empty);
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("keep"));

    // Keys, the menu and a drop all come the same way.
    QApplication::clipboard()->clear();
    w->activateWindow();
    notes->setFocus();
    QTest::keyClick(notes, Qt::Key_V, Qt::ControlModifier);
    notes->paste();
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &empty, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(notes->viewport(), &drop);
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("keep"));

    // Text still pastes, as plain text.
    QMimeData rich;
    rich.setHtml(QStringLiteral("<b>bold</b>"));
    rich.setText(QStringLiteral(" more"));
    notes->moveCursor(QTextCursor::End);
    notes->insertFromMimeData(&rich);
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("keep more"));
}

TEST_F(MainWindowTest, TheHintNeverTakesAClickOrTheFocus) {
    w->activateWindow();
    f(T::Flav3Name)->setFocus();
    type(T::Flav3Name, QStringLiteral("Strawberry custard with cream"));
    QLabel* hint = w->entryHint();
    ASSERT_TRUE(hint->isVisible());
    EXPECT_TRUE(hint->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(hint->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_EQ(hint->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(QApplication::activeWindow(), w.get());
    // One line, within its 250 pixels.
    EXPECT_LE(hint->width(), 250);
    EXPECT_LT(hint->height(), 2 * hint->fontMetrics().height());
    // It lies over the F4 name, yet a click there reaches F4, and typing follows.
    // The click lands on the hint, as on a desktop that does not let it through.
    const QPoint f4 = f(T::Flav4Name)->mapToGlobal(QPoint(40, 8));
    ASSERT_TRUE(hint->geometry().contains(f4));
    QTest::mousePress(hint, Qt::LeftButton, {}, hint->mapFromGlobal(f4));
    QTest::mouseRelease(f(T::Flav4Name), Qt::LeftButton, {}, QPoint(40, 8));
    EXPECT_EVENTUALLY(f(T::Flav4Name)->hasFocus());
    EXPECT_FALSE(hint->isVisible());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Mint"));
    EXPECT_EQ(f(T::Flav4Name)->text(), QStringLiteral("Mint"));
}

TEST_F(MainWindowTest, ALongPasteIsCutInOneStepWithOneBeep) {
    // (20,000 characters are timed in bench/; the one-at-a-time reference here would be slow.)
    QString pasted;
    for (int i = 0; i < 3000; ++i)
        pasted += QChar(u'a' + i % 26);
    QApplication::clipboard()->setText(pasted);
    f(T::Flav1Name)->setText(QStringLiteral("Le"));
    f(T::Flav1Name)->setCursorPosition(1);
    prompts.clear();
    f(T::Flav1Name)->paste();
    EXPECT_EQ(prompts.beeps, 1);
    // The same text as taking characters away one at a time from in front of the caret.
    const FieldMeasure measure;
    std::u16string reference = u"L" + pasted.toStdU16String() + u"e";
    std::size_t caret = 1 + static_cast<std::size_t>(pasted.size());
    while (!measure.fits(T::Flav1Name, reference))
        reference.erase(--caret, 1);
    EXPECT_EQ(f(T::Flav1Name)->text().toStdU16String(), reference);
    EXPECT_EQ(f(T::Flav1Name)->cursorPosition(), static_cast<int>(caret));
    EXPECT_EQ(text("VolumeCaption_Flav1"), QStringLiteral("F1 ") + f(T::Flav1Name)->text());
}

TEST_F(MainWindowTest, F1OpensTheHelpFromAnOpenDropDown) {
    RatioChoice* choice = w->ratioChoice(R::Flav2NicPGVG);
    w->activateWindow();
    choice->setFocus();
    choice->showPopup();
    EXPECT_EVENTUALLY(choice->view()->isVisible());
    QSignalSpy help(w.get(), &MainWindow::helpRequested);
    QTest::keyClick(choice->view(), Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
    choice->hidePopup();
}

TEST_F(MainWindowTest, GreyedCaptionsAreVisiblyGrey) {
    // "Nic Strength" is greyed while the base has no nicotine.
    QLabel* strength = label("StrengthCaption");
    ASSERT_FALSE(strength->isEnabled());
    const Ink greyed = inkOf(strength);
    EXPECT_GT(greyed.grey, 10);
    EXPECT_GT(greyed.white, 10); // the classic white edge
    // TOTAL in red, then greyed by "Ignore Costs": grey, not red.
    type(T::MixQty, QStringLiteral("10"));
    ASSERT_EQ(colour("TotalCaption"), kRed);
    EXPECT_GT(inkOf(label("TotalCaption")).red, 10);
    QTest::mouseClick(w->ignoreCostBox(), Qt::LeftButton, {}, QPoint(5, 8));
    ASSERT_FALSE(label("TotalCaption")->isEnabled());
    const Ink total = inkOf(label("TotalCaption"));
    EXPECT_EQ(total.red, 0);
    EXPECT_GT(total.grey, 10);
    EXPECT_GT(inkOf(label("CostCaption_PG")).grey, 5);
}

TEST(Application, CaptionsAreTheProgramsOwnTexts) {
    // No display name is set, so the platform adds nothing (" — Ko-Vaq") to any caption:
    // the display name follows the application name instead of standing on its own.
    ConfigureApplication(*qApp);
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("ko-vaq"));
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Ko-Vaq"));
    QApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
    ConfigureApplication(*qApp);
}

TEST_F(MainWindowTest, NotesTabsFallEverySixteenPoints) {
    const QList<QTextOption::Tab> tabs = w->notes()->document()->defaultTextOption().tabs();
    ASSERT_EQ(tabs.size(), 14);
    const double dpi = w->notes()->logicalDpiX();
    for (int i = 1; i <= 14; ++i)
        EXPECT_DOUBLE_EQ(tabs[i - 1].position, 16.0 * i * dpi / 72.0) << i;
    if (dpi == 96) {
        EXPECT_NEAR(tabs[0].position, 21.333, 0.001);
    }
}

TEST_F(MainWindowTest, ScreenReadersHearNamesAndValues) {
    auto name = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    auto value = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Value);
    };
    const char* ratioNames[] = {"Nic Base PG-VG", "Mix PG-VG", "F1 PG-VG", "F2 PG-VG", "F3 PG-VG",
                                "F4 PG-VG",       "F5 PG-VG",  "F6 PG-VG", "F7 PG-VG", "F8 PG-VG"};
    for (std::size_t i = 0; i < RatioFieldCount; ++i) {
        RatioChoice* c = w->ratioChoice(ratioFieldAt(i));
        EXPECT_EQ(name(c), QString::fromLatin1(ratioNames[i]));
        EXPECT_EQ(value(c), QStringLiteral("PG"));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(c)->role(), QAccessible::ComboBox);
    }
    // The first worked example, then every result read with its row.
    type(T::MixQty, QStringLiteral("30"));
    type(T::BaseNicStrength, QStringLiteral("36"));
    type(T::MixStrength, QStringLiteral("12"));
    pick(R::BaseNicPGVG, 5);
    pick(R::MixNicPGVG, 3);
    type(T::PctFlav1, QStringLiteral("10"));
    type(T::Flav1Name, QStringLiteral("Lemon"));
    type(T::NicBaseCost, QStringLiteral("6"));
    type(T::NicBaseQty, QStringLiteral("30"));
    EXPECT_EQ(value(w->ratioChoice(R::MixNicPGVG)), QStringLiteral("70-30"));
    struct Case {
        const char* widget;
        const char* heard;
    };
    for (const Case& c :
         {Case{"Volume_NicBase", "Nic Base volume: 10"}, Case{"Volume_PG", "PG volume: 13"},
          Case{"Volume_VG", "VG volume: 4"}, Case{"Volume_Flav1", "F1 Lemon volume: 3"},
          Case{"Volume_Flav2", "F2 volume: 0"}, Case{"Cost_NicBase", "Nic Base cost: 2"},
          Case{"Cost_PG", "PG cost: 0"}, Case{"TotalCost", "TOTAL cost: 2"},
          Case{"CostStatus", "Cost status: Cost Pending,"},
          Case{"VolStatus", "Volume status: Volumes OK"}})
        EXPECT_EQ(name(label(c.widget)), QString::fromLatin1(c.heard)) << c.widget;
    // A name typed for the base renames its rows for the ear too.
    type(T::NicBaseName, QStringLiteral("Salt"));
    EXPECT_EQ(name(label("Volume_NicBase")), QStringLiteral("NicBase  Salt volume: 10"));
}

TEST_F(MainWindowTest, NotesReadTheSameWhateverWasScrolled) {
    QStringList lines;
    for (int i = 0; i < 60; ++i)
        lines << QStringLiteral("short line %1").arg(i);
    lines << QStringLiteral("a long paragraph at the very bottom that the box has to wrap over "
                            "several of its lines, far below what is on screen at first");
    w->document().setNotesLines(lines);
    QApplication::processEvents();
    const QStringList before = w->notes()->displayedLines();
    EXPECT_GT(before.size(), lines.size()); // the last paragraph wraps
    QScrollBar* bar = w->notes()->verticalScrollBar();
    bar->setValue(bar->maximum());
    w->notes()->viewport()->repaint();
    QApplication::processEvents();
    EXPECT_EQ(w->notes()->displayedLines(), before);
}
