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

} // namespace kovaq
