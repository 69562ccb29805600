// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QLabel>

namespace kovaq {

// The pop-up hint ("Entry Was Too Long", the print warnings). Like a tool tip it never
// takes the focus or a click: a click on the hint goes to what lies under it, and the hint
// goes away. (Qt's WindowTransparentForInput is no help: under X11, Qt 6.4 keeps the
// window's input region and then drops the clicks, so they reached nothing at all.)
class HintLabel : public QLabel {
    Q_OBJECT
  public:
    HintLabel();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void passOn(QEvent* event, const QPointF& globalPos);
};

// A label that acts on a click (footer links, the "Nic Base" caption).
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  Q_SIGNALS:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kovaq
