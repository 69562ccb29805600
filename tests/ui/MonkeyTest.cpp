// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Thousands of random keys and clicks, always the same ones: the window survives, keeps
// its size and ends up showing what the calculation makes of its fields.
#include "AppController.h"
#include "FakePrompts.h"
#include "Fields.h"
#include "MainWindow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace kovaq;

TEST(Monkey, RandomKeysAndClicksNeverBreakTheWindow) {
    QTemporaryDir dir;
    const QString startDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QSettings store(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    test::FakePrompts prompts;
    AppController controller(prompts, store);
    controller.setScreenHeightProvider([] { return 1024; });
    controller.setHtmlHelpPath(QString());
    controller.startupChecks();
    controller.welcomeTimer().stop();
    MainWindow& w = controller.window();
    w.show();
    QApplication::setActiveWindow(&w);
    const QSize landscape = w.size();
    w.toggleLayout();
    const QSize portrait = w.size();
    w.toggleLayout();

    // What a person can click: every visible control but "Close".
    std::vector<QWidget*> targets;
    for (QWidget* c : w.findChildren<QWidget*>())
        if (c != static_cast<QWidget*>(w.closeButton()) &&
            (qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) ||
             qobject_cast<QAbstractButton*>(c) || qobject_cast<QLabel*>(c) ||
             c == w.notes()->viewport() || c == w.helpIcon()))
            targets.push_back(c);

    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
    };
    std::vector<Key> keys;
    for (Qt::Key k : {Qt::Key_V, Qt::Key_C, Qt::Key_X, Qt::Key_Z, Qt::Key_A})
        keys.push_back({k, Qt::ControlModifier});
    for (Qt::Key k :
         {Qt::Key_Left,   Qt::Key_Right,     Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Home,
          Qt::Key_End,    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab,   Qt::Key_Backtab,
          Qt::Key_Escape, Qt::Key_F1,        Qt::Key_Return, Qt::Key_Space, Qt::Key_Period,
          Qt::Key_Period, Qt::Key_A,         Qt::Key_W,      Qt::Key_Comma, Qt::Key_Minus})
        keys.push_back({k, Qt::NoModifier});
    for (int d = 0; d < 10; ++d) // digits most of all
        for (int times = 0; times < 3; ++times)
            keys.push_back({static_cast<Qt::Key>(Qt::Key_0 + d), Qt::NoModifier});

    std::mt19937 rng(20261208);
    for (int step = 0; step < 4000; ++step) {
        if (QWidget* popup = QApplication::activePopupWidget(); popup && rng() % 3 == 0) {
            QTest::keyClick(popup, rng() % 2 ? Qt::Key_Escape : Qt::Key_Return);
        } else if (rng() % 5 == 0) {
            QWidget* t = targets[rng() % targets.size()];
            if (!t->isVisible() || t->width() < 1 || t->height() < 1)
                continue;
            const QPoint at(static_cast<int>(rng() % static_cast<unsigned>(t->width())),
                            static_cast<int>(rng() % static_cast<unsigned>(t->height())));
            QTest::mouseClick(t, Qt::LeftButton, {}, at);
        } else {
            const Key& k = keys[rng() % keys.size()];
            QWidget* target = QApplication::activePopupWidget();
            if (!target)
                target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
            QTest::keyClick(target, k.key, k.mods);
        }
        ASSERT_TRUE(w.isVisible()) << step;
        ASSERT_TRUE(w.size() == landscape || w.size() == portrait) << step;
    }
    if (QWidget* popup = QApplication::activePopupWidget())
        QTest::keyClick(popup, Qt::Key_Escape);
    ASSERT_GT(prompts.messages.size() + prompts.urls.size(), 0u); // F1 and the rest got through

    // A number waiting for its fraction ("1.") keeps the results of before: settle it.
    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        QLineEdit* e = w.field(textFieldAt(i));
        if (e->text().endsWith(QLatin1Char('.'))) {
            e->setFocus();
            e->end(false);
            QTest::keyClick(e, Qt::Key_Backspace);
        }
    }
    const MixResult expected =
        Recalculate(w.document().recipe(), w.document().volumeDecimals(), w.document().result());
    auto shown = [&](const QString& name) {
        return w.findChild<QLabel*>(name)->text().toStdString();
    };
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const QString slot = QString::fromLatin1(SlotName(slotAt(i)).data());
        EXPECT_EQ(shown(QStringLiteral("Volume_") + slot), expected.slots[i].VolumeText) << i;
        EXPECT_EQ(shown(QStringLiteral("Cost_") + slot), expected.slots[i].MixCostText) << i;
    }
    EXPECT_EQ(shown(QStringLiteral("TotalCost")), expected.TotalCostText);
    EXPECT_EQ(shown(QStringLiteral("CostStatus")), expected.CostStatusText);
    EXPECT_EQ(shown(QStringLiteral("VolStatus")), expected.VolStatusText);
    QDir::setCurrent(startDir);
}
