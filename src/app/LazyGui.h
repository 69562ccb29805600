// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <memory>

namespace kovaq {

// Fonts need a GUI application, but never a display; it is only made when a text has to
// be measured or drawn, which keeps a run on most recipes quick.
class LazyGuiApplication {
  public:
    void ensure() {
        if (m_app || QGuiApplication::instance())
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's own remarks (no runtime folder, and the like) are not the user's business.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type == QtFatalMsg || type == QtCriticalMsg)
                std::fprintf(stderr, "kovaq-calc: %s\n", m.toLocal8Bit().constData());
        });
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }

  private:
    int m_argc = 1;
    char m_name[11] = "kovaq-calc";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};

} // namespace kovaq
