// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "FakePrompts.h"
#include "FieldMetrics.h"
#include "Fields.h"
#include "MainWindow.h"
#include "MixSession.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace kovaq::test {

using T = TextField;

// A shown main window with every ratio on "  PG", two decimals and nothing unsaved.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        w = std::make_unique<MainWindow>(session.document(), prompts);
        for (std::size_t i = 0; i < RatioFieldCount; ++i) {
            w->document().selectRatio(ratioFieldAt(i), 0);
            w->document().setPgPercentFromChoice(ratioFieldAt(i));
        }
        w->document().refreshRatioTexts();
        w->document().setHiPrecision(true);
        w->show();
        QApplication::setActiveWindow(w.get());
        w->document().setMixSaved(true);
        prompts.clear();
    }

    QLineEdit* f(T field) { return w->field(field); }
    QLabel* label(const char* name) { return w->findChild<QLabel*>(QString::fromLatin1(name)); }
    QString text(const char* name) { return label(name)->text(); }
    QColor colour(const char* name) { return label(name)->palette().color(QPalette::WindowText); }
    QColor background(T field) { return f(field)->palette().color(QPalette::Base); }
    void type(T field, const QString& keys) { QTest::keyClicks(f(field), keys); }
    void pick(RatioField r, int position) {
        RatioChoice* c = w->ratioChoice(r);
        c->setCurrentIndex(position);
        Q_EMIT c->activated(position);
    }

    // The third worked example but for its volume: 6 mg from an 18 mg PG base, 30-70, F1 5 %
    // at PG, F2 5 % at " none", vodka/water 10 %, one decimal.
    void typeThirdExample() {
        w->document().setHiPrecision(false);
        pick(RatioField::MixNicPGVG, 7);
        pick(RatioField::Flav2NicPGVG, 11);
        type(T::BaseNicStrength, QStringLiteral("18"));
        type(T::PctFlav1, QStringLiteral("5"));
        type(T::PctFlav2, QStringLiteral("5"));
        type(T::PctVodkaWater, QStringLiteral("10"));
        type(T::MixStrength, QStringLiteral("6"));
    }

    FakePrompts prompts;
    MixSession session{WindowFieldRule()};
    std::unique_ptr<MainWindow> w;
};

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kPink(255, 191, 191);
const QColor kLightGreen(205, 245, 183);

} // namespace kovaq::test
