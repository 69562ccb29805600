// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QProxyStyle>

class QApplication;

namespace kovaq {

// The program's look: Fusion, with greyed text drawn as classic desktops draw it, dark grey
// over a white edge, so that a disabled caption stays readable on any group colour.
class KoVaqStyle : public QProxyStyle {
    Q_OBJECT
  public:
    KoVaqStyle();
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& pal,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Names, style and icon of the application. The application name is the caption of the
// general error box; no display name is set, so window captions are exactly the program's
// own texts ("Untitled", "Warning...") with nothing added by the platform; the desktop file
// name keeps the windows grouped in the task bar.
void ConfigureApplication(QApplication& app);

} // namespace kovaq
