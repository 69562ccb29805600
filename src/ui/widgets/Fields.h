// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QValidator>
#include <QWidget>

#include <functional>

namespace kovaq {

class Prompts;

// A comma is the decimal point where most hobbyists live: the comma of what the person
// types or pastes becomes ".", as numbers are shown and stored. Only while `active` says
// so (a field's own program-set text stays as it is); with `onePoint`, blanks are dropped and
// a text of anything but digits and one point is refused.
class DecimalCommaValidator : public QValidator {
    Q_OBJECT
  public:
    DecimalCommaValidator(std::function<bool()> active, bool onePoint, QObject* parent);
    State validate(QString& input, int& pos) const override;

  private:
    std::function<bool()> m_active;
    bool m_onePoint;
};

// A field for numbers: only digits, "." and backspace get through; anything else is
// dropped with a beep (Ctrl+V and the other shortcuts included). A comma, typed or pasted,
// is the point. The volume field also steps by 0.1 on Up and Down.
class NumberField : public QLineEdit {
    Q_OBJECT
  public:
    NumberField(Prompts& prompts, QWidget* parent);
    void setArrowSteps(bool on) { m_arrows = on; }

  Q_SIGNALS:
    void arrowPressed(bool up);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // What the person pastes or drops (menu, middle click, Shift+Insert, an input method)
    // has its commas turned into points before the window sees it; a text the program sets
    // is left as it is, so the field never shows other than what the window holds.
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    Prompts& m_prompts;
    bool m_arrows = false;
    bool m_personTyping = false;
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
