// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QSet>
#include <QWidget>

// Modal windows a test shows on purpose; the watchdog leaves these alone.
inline QSet<QWidget*>& ExpectedModals() {
    static QSet<QWidget*> set;
    return set;
}
