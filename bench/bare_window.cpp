// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// What the start-up benchmark measures Ko-Vaq against: the barest Qt Widgets program that
// shows a window, built with the same compiler, flags and Qt.
#include "StartMark.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kovaq::StartMark::Install();
    QWidget window;
    window.resize(721, 560);
    window.show();
    return QApplication::exec();
}
