// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QImage>
#include <QThread>
#include <QWidget>

#include <chrono>
#include <condition_variable>
#include <mutex>

class QProgressBar;

namespace kovaq {

// "Printing Image...": shown while the window image is rendered and sent to the printer.
class PrintProgressWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PrintProgressWindow(QWidget* parent);
    // Centred on `over`, fully painted before this returns: rendering blocks the loop.
    void showOver(QWidget* over);
    int paints() const { return m_paints; }
    QProgressBar* bar() const { return m_bar; }
    // One step of 15, back to 0 after 150. Always runs on the user-interface thread.
    void step();
    int stepsOffUiThread() const { return m_offThread; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QProgressBar* m_bar = nullptr;
    int m_offThread = 0;
    int m_paints = 0;
};

// The worker that moves the progress bar every 300 ms while an image prints. It is paused
// from the start, pauses only at its sleep, and asks the user-interface thread to step.
class PrintTicker : public QThread {
    Q_OBJECT
  public:
    // One step every `period` (300 ms; tests take a shorter one).
    explicit PrintTicker(QObject* parent = nullptr,
                         std::chrono::milliseconds period = std::chrono::milliseconds(300));
    std::chrono::milliseconds period() const { return m_period; }
    ~PrintTicker() override;
    void resumeTicker();
    // Returns once the worker is parked at its sleep.
    void pauseTicker();
    // Tells the worker to leave its loop and waits for it.
    void stopAndJoin();
    bool isPaused();

  Q_SIGNALS:
    void tick();

  protected:
    void run() override;

  private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_stop = false;
    bool m_pauseRequested = true;
    bool m_paused = false;
    std::chrono::milliseconds m_period;
};

} // namespace kovaq
