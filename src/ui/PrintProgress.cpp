// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "PrintProgress.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <chrono>

namespace kovaq {

PrintProgressWindow::PrintProgressWindow(QWidget* parent)
    // A dialog frame with its title and no buttons at all: nothing to minimise or close.
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(tr("Printing Image..."));
    auto* layout = new QVBoxLayout(this);
    //: Shown on two lines, broken where the line break stands.
    const QStringList lines =
        tr("Please Wait - Rendering  Image\nAnd Sending To Printer").split(QLatin1Char('\n'));
    auto* first = new QLabel(lines.value(0), this);
    auto* second = new QLabel(lines.value(1), this);
    for (QLabel* l : {first, second})
        l->setAlignment(Qt::AlignHCenter);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, 150);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(m_bar);
    // Wide enough that a window manager shows the whole caption.
    setFixedSize(300, 100);
}

void PrintProgressWindow::showOver(QWidget* over) {
    if (over)
        move(over->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    // Rendering keeps the event loop busy, so the window is painted now, not later.
    QApplication::processEvents();
    repaint();
    QApplication::processEvents();
}

void PrintProgressWindow::paintEvent(QPaintEvent* event) {
    ++m_paints;
    QWidget::paintEvent(event);
}

void PrintProgressWindow::step() {
    if (QThread::currentThread() != qApp->thread())
        ++m_offThread;
    const int next = m_bar->value() + 15;
    m_bar->setValue(next > m_bar->maximum() ? m_bar->minimum() : next);
}

PrintTicker::PrintTicker(QObject* parent, std::chrono::milliseconds period)
    : QThread(parent), m_period(period) {
    setObjectName(QStringLiteral("TPrintImThread"));
}

PrintTicker::~PrintTicker() {
    stopAndJoin();
}

void PrintTicker::run() {
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        if (m_pauseRequested) {
            m_paused = true;
            m_cv.notify_all();
            m_cv.wait(lock, [this] { return m_stop || !m_pauseRequested; });
            m_paused = false;
            continue;
        }
        lock.unlock();
        Q_EMIT tick(); // queued to the user-interface thread
        lock.lock();
        // The sleep is the only place where the worker stops or pauses.
        m_cv.wait_for(lock, m_period, [this] { return m_stop || m_pauseRequested; });
    }
    m_paused = true;
    m_cv.notify_all();
}

void PrintTicker::resumeTicker() {
    {
        const std::lock_guard lock(m_mutex);
        m_pauseRequested = false;
    }
    m_cv.notify_all();
}

void PrintTicker::pauseTicker() {
    std::unique_lock lock(m_mutex);
    m_pauseRequested = true;
    m_cv.notify_all();
    if (isRunning())
        m_cv.wait(lock, [this] { return m_paused || m_stop; });
}

bool PrintTicker::isPaused() {
    const std::lock_guard lock(m_mutex);
    return m_paused;
}

void PrintTicker::stopAndJoin() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_cv.notify_all();
    wait();
}

} // namespace kovaq
