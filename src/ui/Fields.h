// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QWidget>

#include "HelpIcon.h"

namespace kovaq {

class Prompts;

// A field for numbers: only digits, "." and backspace get through; anything else is
// dropped with a beep (Ctrl+V and the other shortcuts included). The volume field also
// steps by 0.1 on Up and Down.
class NumberField : public QLineEdit {
    Q_OBJECT
  public:
    NumberField(Prompts& prompts, QWidget* parent);
    void setArrowSteps(bool on) { m_arrows = on; }

  Q_SIGNALS:
    void arrowPressed(bool up);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Prompts& m_prompts;
    bool m_arrows = false;
};

// A drop-down of PG/VG ratios that cannot be typed into.
class RatioChoice : public QComboBox {
    Q_OBJECT
  public:
    RatioChoice(int entries, QWidget* parent);
};

// The notes: plain text where Tab types a tab and which Tab from elsewhere never reaches.
class NotesEdit : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit NotesEdit(QWidget* parent);
    // Stop i (0..14) at 2 x i x s points, s being the font size in points.
    void setNotesTabStops();
    // The text as the box shows it: one entry per displayed line, wrapped lines split,
    // a final empty line left out.
    QStringList displayedLines() const;
    // Cut, Copy, Paste and Delete, each enabled only when it can act.
    QMenu* createNotesMenu(QWidget* parent);

    // Every way of pasting (keys, menu, middle click, dropping) comes here. Nothing to
    // paste means nothing happens: Qt itself would follow a null pointer when no program
    // owns the clipboard.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

  Q_SIGNALS:
    void mouseReleased();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

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

// The program's icon: a bottle of green liquid, drawn at any size.
QIcon AppIcon();

} // namespace kovaq
