// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <functional>

namespace kovaq::test {

// Lets the event loop run until the condition holds or the time is up. Qt's QTRY_ macros
// only fail inside QtTest; under GoogleTest they would return quietly and the test pass.
inline bool Eventually(const std::function<bool()>& condition, int timeoutMs = 5000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

} // namespace kovaq::test

#define EXPECT_EVENTUALLY(condition)                                                               \
    EXPECT_TRUE(::kovaq::test::Eventually([&] { return static_cast<bool>(condition); }))           \
        << "never became true: " #condition
#define ASSERT_EVENTUALLY(condition)                                                               \
    ASSERT_TRUE(::kovaq::test::Eventually([&] { return static_cast<bool>(condition); }))           \
        << "never became true: " #condition
