// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Every GUI test runs headless, and a watchdog closes any modal window a test did not
// expect, failing that test instead of hanging the suite.
#include "ModalWatchdog.h"
#ifdef KOVAQ_UI_TESTS
#include "Application.h"
#endif

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Whatever a test leaves behind (the stash, the recipe index) never lands in the user's
    // own folders.
    QStandardPaths::setTestModeEnabled(true);
#ifdef KOVAQ_UI_TESTS
    kovaq::ConfigureApplication(app); // the program's own look, as users see it
#else
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
#endif
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !ExpectedModals().contains(modal)) {
            ADD_FAILURE() << "unexpected modal window: " << modal->objectName().toStdString() << " "
                          << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    watchdog.start(200);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
