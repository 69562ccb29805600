// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QString>

#include <clocale>

namespace kovaq {

// Every figure Ko-Vaq shows or prints is written with the point, whatever the desktop's
// language: "4.28 g" beside "3.75 ml", never "4,28" (dates may follow the language).
inline QString FigureText(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

// Qt hands the desktop's locale to the C library when the application is made, and the
// C library's printf would then write "4,28". Called right after that, so the figures the
// core writes keep the point.
inline void FiguresWithThePoint() {
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace kovaq
