// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QAbstractButton>
#include <QIcon>

namespace kovaq {

// A 20 by 20 icon that is drawn rather than loaded, sharp at any screen scale: a button,
// so Tab reaches it, Space or Enter presses it and a screen reader says its name.
class PaintedIcon : public QAbstractButton {
    Q_OBJECT
  public:
    using Paint = void (*)(QPainter&, const QRect&);
    PaintedIcon(Paint paint, const QString& hint, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Paint m_paint;
};

// The help icon: a blue ball with a question mark.
class HelpIcon : public PaintedIcon {
    Q_OBJECT
  public:
    explicit HelpIcon(QWidget* parent);
    static void paintIcon(QPainter& painter, const QRect& rect);
};

// "Mix By Weight": a pair of scales on a green ball.
class ScalesIcon : public PaintedIcon {
    Q_OBJECT
  public:
    explicit ScalesIcon(QWidget* parent);
    static void paintIcon(QPainter& painter, const QRect& rect);
};

// "Recipes": an open book on an amber ball.
class BookIcon : public PaintedIcon {
    Q_OBJECT
  public:
    explicit BookIcon(QWidget* parent);
    static void paintIcon(QPainter& painter, const QRect& rect);
};

// The window's menu: three bars on a grey ball.
class MenuIcon : public PaintedIcon {
    Q_OBJECT
  public:
    explicit MenuIcon(QWidget* parent);
    static void paintIcon(QPainter& painter, const QRect& rect);
};

// The program's icon: a bottle of green liquid, drawn at any size.
QIcon AppIcon();

} // namespace kovaq
