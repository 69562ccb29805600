// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "MixResult.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QWidget;

namespace kovaq {

// Fonts and colours of the window, shared by every panel.
namespace look {
QFont windowFont();                         // Arial, 11-pixel characters
QFont boldFont(int pixels = 11);            // bold window font
QFont sansSerifFont(int pixels, bool bold); // MS Sans Serif or the nearest
QColor colour(const Rgb& rgb);
QColor disabledTextColour(); // greyed text, drawn with a white edge by the program's style
// Every background Ko-Vaq sets comes with its text colour, so that its colours look as they
// always have on a light desktop and stay readable on a dark one.
void setFieldBackground(QWidget* field, bool missing);
// A label's text in `colour`, or on a dark desktop the nearest colour readable on what lies
// behind the label (black there is the desktop's own text colour).
void setTextColour(QWidget* label, const QColor& colour);
void makeGroup(QGroupBox* group);

// Whether the desktop's colours are dark: its windows darker than their text.
bool darkDesktop();
// The WCAG contrast ratio of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b);
// `wanted` as it is on a light desktop; on a dark one, lightened or darkened away from
// `against` until the two reach WCAG AA's 4.5 to 1. Serves for a text on a background and
// for a background behind a text alike.
QColor readable(const QColor& wanted, const QColor& against);
// What is drawn behind a widget: the nearest filled background at or above it.
QColor backgroundOf(const QWidget* widget);
QLabel* label(QWidget* parent, const QString& text, int x, int y, int w = -1, int h = 14);

// The application's font is `font` while this lives, and what it was after. Qt lays a new
// field's empty text out once in the application's font before the field takes its own;
// a window of fields built under its own font does not load the desktop's font for that.
class ApplicationFontWhileBuilding {
  public:
    explicit ApplicationFontWhileBuilding(const QFont& font);
    ~ApplicationFontWhileBuilding();
    ApplicationFontWhileBuilding(const ApplicationFontWhileBuilding&) = delete;
    ApplicationFontWhileBuilding& operator=(const ApplicationFontWhileBuilding&) = delete;

  private:
    QFont m_saved;
};
} // namespace look

// Where a window of `size` goes beside the main window on a screen's `area`: right of it if
// it fits (left when `preferLeft`), else on the other side, else at the screen's edge.
QPoint PlaceBeside(const QRect& main, const QSize& size, const QRect& area,
                   bool preferLeft = false);
// Moves a tool window there, beside `main` (or where it is, without one) on main's screen.
void MoveBesideMain(QWidget* window, const QWidget* main, bool preferLeft = false);

} // namespace kovaq
