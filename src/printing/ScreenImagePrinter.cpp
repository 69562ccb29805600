// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "ScreenImagePrinter.h"

#include "PageMetrics.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>

#include <chrono>

namespace kovaq {

PrintProgressWindow::PrintProgressWindow(QWidget* parent)
    // A dialog frame with its title and no buttons at all: nothing to minimise or close.
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Printing Image..."));
    auto* layout = new QVBoxLayout(this);
    auto* first = new QLabel(QStringLiteral("Please Wait - Rendering  Image"), this);
    auto* second = new QLabel(QStringLiteral("And Sending To Printer"), this);
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

namespace {

QSize scaledSize(const QImage& capture, double imageScale, const PageMetrics& metrics) {
    return {static_cast<int>(capture.width() * imageScale * metrics.dpiX / metrics.ppi + 0.5),
            static_cast<int>(capture.height() * imageScale * metrics.dpiY / metrics.ppi + 0.5)};
}

} // namespace

void PrintImageInBands(QPainter& painter, const QImage& capture, double imageScale,
                       const PageMetrics& metrics, const MarginMetrics& margins, int bandRows) {
    const int width = std::max(1, metrics.pageW - margins.leftPr);
    const int height = std::max(1, metrics.pageH - margins.topPr);
    const QSize target = scaledSize(capture, imageScale, metrics);
    const int rows = std::min(height, target.height());
    const int cols = std::min(width, target.width());
    if (rows <= 0 || cols <= 0)
        return;
    QImage band(cols, std::max(1, bandRows), QImage::Format_RGB32);
    for (int top = 0; top < rows; top += bandRows) {
        const int h = std::min(bandRows, rows - top);
        // The whole picture drawn shifted up, so the band holds exactly these rows of it.
        band.fill(Qt::white);
        {
            QPainter p(&band);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRect(0, -top, target.width(), target.height()), capture);
        }
        painter.drawImage(QPoint(margins.leftPr, margins.topPr + top), band, QRect(0, 0, cols, h));
    }
}

QImage RenderPrintImage(const QImage& capture, double imageScale, const PageMetrics& metrics,
                        const MarginMetrics& margins) {
    // Drawn straight at the size of the printable page right of and below the margins: a
    // 1.5-times-paper bitmap cut down to that size holds exactly the same pixels.
    const int width = std::max(1, metrics.pageW - margins.leftPr);
    const int height = std::max(1, metrics.pageH - margins.topPr);
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), scaledSize(capture, imageScale, metrics)), capture);
    return page;
}

} // namespace kovaq
