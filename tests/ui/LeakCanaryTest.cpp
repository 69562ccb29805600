// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// A leak of one of our objects, made inside a timer slot where nearly all of the window's
// code runs: the sanitizer job must catch it. CI runs it once with KOVAQ_LEAK_CANARY set
// and expects the run to fail; every other run skips it.
#include "EntryRules.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

TEST(LeakCanary, AnObjectOfOursLeakedInATimerSlot) {
    if (qEnvironmentVariableIsEmpty("KOVAQ_LEAK_CANARY"))
        GTEST_SKIP() << "the canary only sings when KOVAQ_LEAK_CANARY is set";
    bool fired = false;
    QTimer::singleShot(0, [&fired] {
        for (int i = 0; i < 4; ++i)
            static_cast<void>(new kovaq::RowLabels); // leaked on purpose
        fired = true;
    });
    while (!fired)
        QCoreApplication::processEvents();
    SUCCEED();
}
