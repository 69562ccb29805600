// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// What the start-up benchmark measures Ko-Vaq against: the barest Qt Widgets program that
// shows a window, built with the same compiler, flags and Qt. With --controls the window
// also shows one caption, field, list and group frame in Qt's own style and font: the
// least a window that shows any text and controls pays for Qt's fonts and style.
#include "StartMark.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kovaq::StartMark::Install();
    QWidget window;
    window.resize(721, 560);
    if (argc > 1 && std::strcmp(argv[1], "--controls") == 0) {
        auto* group = new QGroupBox(QStringLiteral("Group"), &window);
        group->setGeometry(10, 10, 300, 120);
        (new QLabel(QStringLiteral("Caption"), group))->move(10, 25);
        (new QLineEdit(QStringLiteral("10"), group))->move(10, 50);
        auto* list = new QComboBox(group);
        list->addItems({QStringLiteral("70/30"), QStringLiteral("50/50")});
        list->move(10, 80);
    }
    window.show();
    return QApplication::exec();
}
