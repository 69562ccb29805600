// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "AppController.h"
#include "FakePrompts.h"
#include "MainWindow.h"
#include "MixDocument.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace kovaq::test {

// The program started as a person starts it, in a folder of its own with its settings
// there: the main window shown and active, on a screen 1024 pixels high, the welcome
// put off and nothing asked yet.
class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir::setCurrent(dir.path());
        store = std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")),
                                            QSettings::IniFormat);
    }
    void TearDown() override {
        controller.reset();
        QDir::setCurrent(QDir::tempPath());
    }
    // `before` sets up what the start reads (a stash file, a recipe index).
    void start(const std::function<void(AppController&)>& before = {}) {
        controller = std::make_unique<AppController>(prompts, *store);
        if (before)
            before(*controller);
        controller->setScreenHeightProvider([] { return 1024; });
        controller->startupChecks();
        controller->welcomeTimer().stop();
        w().show();
        QApplication::setActiveWindow(&w());
        prompts.clear();
    }
    MainWindow& w() { return controller->window(); }
    MixDocument& doc() { return w().document(); }

    QTemporaryDir dir;
    std::unique_ptr<QSettings> store;
    FakePrompts prompts;
    std::unique_ptr<AppController> controller;
};

} // namespace kovaq::test
