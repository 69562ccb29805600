#pragma once

#include <QSet>
#include <QWidget>

// Modal windows a test shows on purpose; the watchdog leaves these alone.
inline QSet<QWidget*>& ExpectedModals() {
    static QSet<QWidget*> set;
    return set;
}
