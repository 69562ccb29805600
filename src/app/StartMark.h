// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// For the start-up benchmark only: with KOVAQ_MAPPED_FD set, the moment the first window is
// on screen (exposed) is written to that descriptor, one byte, so that the benchmark can
// time the start from outside. Without the variable it does nothing at all.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdlib>
#include <unistd.h>

namespace kovaq {

class StartMark : public QObject {
  public:
    static void Install() {
        const char* fd = std::getenv("KOVAQ_MAPPED_FD");
        if (fd && *fd)
            qApp->installEventFilter(new StartMark(std::atoi(fd)));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed()) {
            const char mark = 'm';
            [[maybe_unused]] const auto written = ::write(m_fd, &mark, 1);
            ::close(m_fd);
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

  private:
    explicit StartMark(int fd) : QObject(qApp), m_fd(fd) {}
    int m_fd;
};

} // namespace kovaq
