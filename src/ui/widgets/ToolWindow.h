// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QString>

class QWidget;

namespace kovaq {

// What every tool window does alike, adopted with one call after the window is made: it
// comes back where the person left it (kept in `place`, a setting's text, as it moves and
// is resized), onto a screen when that place is on none any more; the first time it stands
// beside `main` (left of it with `preferLeft`), never on the very spot of another tool
// window; Escape closes it. `place` must outlive the window.
void AdoptToolWindow(QWidget& window, QString& place, const QWidget* main, bool preferLeft = false);

// Brings an adopted window up by its command or shortcut: back from minimised, at its
// place, raised and active.
void ShowToolWindow(QWidget& window);

} // namespace kovaq
