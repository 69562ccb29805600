// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The tool windows and the header as a desktop program's: each window comes back where it
// was left, onto a screen, Escape closes it and its shortcut brings it back from minimised;
// the header's icons are buttons and its menu holds the window's commands.
#include "AppFixture.h"
#include "FakePrompts.h"
#include "MainWindow.h"
#include "ShotsWindow.h"
#include "StashController.h"
#include "StashWindow.h"
#include "WeightsWindow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace kovaq;

namespace {

class ToolWindowTest : public test::AppTest {
  protected:
    void startHere() {
        start([this](AppController& app) {
            app.stash().setStorePath(dir.filePath(QStringLiteral("stash.sqlite")));
        });
    }
    // The three windows, each by its shortcut typed in the main window.
    struct Tool {
        Qt::Key key;
        std::function<QWidget*(AppController&)> window;
    };
    static std::vector<Tool> tools() {
        return {
            {Qt::Key_T, [](AppController& a) -> QWidget* { return &a.stash().window(); }},
            {Qt::Key_G, [](AppController& a) -> QWidget* { return &a.weightsWindow(); }},
            {Qt::Key_K, [](AppController& a) -> QWidget* { return &a.shotsWindow(); }},
        };
    }
    void press(Qt::Key key) {
        QTest::keyClick(w().field(TextField::MixQty), key, Qt::ControlModifier);
    }
    void restart() {
        w().close();
        controller.reset();
        store->sync();
        startHere();
    }
};

TEST_F(ToolWindowTest, EachWindowComesBackWhereItWasLeftAndOntoAScreen) {
    startHere();
    std::vector<QPoint> firstPlaces;
    for (const Tool& t : tools()) {
        press(t.key);
        QWidget* win = t.window(*controller);
        ASSERT_TRUE(win->isVisible());
        firstPlaces.push_back(win->pos());
    }
    // Opened for the first time one after another, no two stand on one spot.
    EXPECT_NE(firstPlaces[0], firstPlaces[1]);
    EXPECT_NE(firstPlaces[1], firstPlaces[2]);
    EXPECT_NE(firstPlaces[0], firstPlaces[2]);

    const QPoint left[] = {{40, 50}, {300, 60}, {120, 200}};
    for (std::size_t i = 0; i < 3; ++i) {
        QWidget* win = tools()[i].window(*controller);
        win->move(left[i]);
        win->resize(win->width() + 30, win->height() + 20);
    }
    std::vector<QSize> sizes;
    for (const Tool& t : tools())
        sizes.push_back(t.window(*controller)->size());
    restart();
    for (std::size_t i = 0; i < 3; ++i) {
        press(tools()[i].key);
        QWidget* win = tools()[i].window(*controller);
        EXPECT_EQ(win->pos(), left[i]) << i;
        EXPECT_EQ(win->size(), sizes[i]) << i;
    }

    // A place on a screen that is no longer there comes back onto the one there is.
    tools()[0].window(*controller)->move(20000, 15000);
    restart();
    press(Qt::Key_T);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(tools()[0].window(*controller)->geometry()))
        << tools()[0].window(*controller)->pos().x();
}

TEST_F(ToolWindowTest, EscapeClosesAndTheShortcutBringsItBackFromMinimised) {
    startHere();
    // An empty stash says how to start.
    press(Qt::Key_T);
    EXPECT_TRUE(controller->stash()
                    .window()
                    .findChild<QLabel*>(QStringLiteral("EmptyStashHint"))
                    ->isVisible());
    for (const Tool& t : tools()) {
        press(t.key);
        QWidget* win = t.window(*controller);
        win->setWindowState(win->windowState() | Qt::WindowMinimized);
        QApplication::setActiveWindow(&w());
        press(t.key);
        EXPECT_FALSE(win->isMinimized()) << win->objectName().toStdString();
        EXPECT_TRUE(win->isVisible());
        QWidget* focus = win->focusWidget() ? win->focusWidget() : win;
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(win->isVisible()) << win->objectName().toStdString();
        QApplication::setActiveWindow(&w());
    }
}

TEST_F(ToolWindowTest, HeaderIconsAreButtonsAndItsMenuHoldsTheWindowsCommands) {
    startHere();
    // Tab reaches each icon after the window's buttons; Space and Enter press it; a screen
    // reader hears its name.
    std::vector<QWidget*> reached;
    w().closeButton()->setFocus();
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(reached, (std::vector<QWidget*>{w().menuIcon(), w().recipesIcon(), w().scalesIcon(),
                                              w().helpIcon()}));
    for (QWidget* icon : reached) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(icon);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->role(), QAccessible::Button);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty());
    }
    QTest::keyClick(w().scalesIcon(), Qt::Key_Space);
    EXPECT_TRUE(controller->weightsWindow().isVisible());
    QApplication::setActiveWindow(&w());
    QTest::keyClick(w().helpIcon(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !prompts.messages.empty(); }, 1000));

    // The menu button opens the same commands as a right-click, with their keys shown.
    QApplication::setActiveWindow(&w());
    QTest::mouseClick(w().menuIcon(), Qt::LeftButton);
    QMenu* menu = w().windowMenu();
    EXPECT_TRUE(menu->isVisible());
    QStringList shown;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            shown << a->text() + QLatin1Char(' ') + a->shortcut().toString();
    for (const char* wanted :
         {"Open... Ctrl+O", "Save... Ctrl+S", "New Mix... Ctrl+N", "Print... Ctrl+P",
          "Copy Recipe Ctrl+Shift+C", "Paste Recipe... Ctrl+Shift+V", "Export JSON... ",
          "Import JSON... ", "Recipes Ctrl+R", "Stash Ctrl+T", "Shots and Fixes Ctrl+K"})
        EXPECT_TRUE(shown.contains(QString::fromLatin1(wanted))) << wanted;
    menu->hide();
}

TEST_F(ToolWindowTest, TheDocumentKeysRunTheButtonsCommands) {
    startHere();
    int open = 0, save = 0, newMix = 0, print = 0;
    QObject::disconnect(&w(), &MainWindow::openRequested, nullptr, nullptr);
    QObject::disconnect(&w(), &MainWindow::saveRequested, nullptr, nullptr);
    QObject::disconnect(&w(), &MainWindow::newMixRequested, nullptr, nullptr);
    QObject::disconnect(&w(), &MainWindow::printRequested, nullptr, nullptr);
    QObject::connect(&w(), &MainWindow::openRequested, [&] { ++open; });
    QObject::connect(&w(), &MainWindow::saveRequested, [&] { ++save; });
    QObject::connect(&w(), &MainWindow::newMixRequested, [&] { ++newMix; });
    QObject::connect(&w(), &MainWindow::printRequested, [&] { ++print; });
    for (Qt::Key k : {Qt::Key_O, Qt::Key_S, Qt::Key_N, Qt::Key_P})
        press(k);
    EXPECT_EQ(std::vector<int>({open, save, newMix, print}), std::vector<int>({1, 1, 1, 1}));
}

TEST_F(ToolWindowTest, HelpWithoutAViewerSaysWhereTheHelpIs) {
    startHere();
    const QString help = dir.filePath(QStringLiteral("index.html"));
    QFile html(help);
    ASSERT_TRUE(html.open(QIODevice::WriteOnly));
    html.close();
    controller->setHtmlHelpPath(help);
    prompts.urlsOpen = false;
    QTest::keyClick(w().field(TextField::MixQty), Qt::Key_F1);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("No program to show the help")));
    EXPECT_TRUE(prompts.messages[0].text.contains(help));
}

} // namespace
