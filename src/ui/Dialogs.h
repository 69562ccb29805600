// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace kovaq {

// "Retain Some Details?": which panels New Mix keeps. The boxes keep their ticks for the
// whole run. OK goes on; Cancel, Escape and the close box all back out.
class RetainDialog : public QDialog {
    Q_OBJECT
  public:
    explicit RetainDialog(QWidget* parent);
    QCheckBox* ingredientsBox() const { return m_ingredients; }
    QCheckBox* notesBox() const { return m_notes; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    void reject() override; // the close box and Escape: Cancel

  private:
    QCheckBox* m_ingredients = nullptr;
    QCheckBox* m_notes = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// "Welcome To Ko-Vaq", shown to a user without a last file.
class WelcomeDialog : public QDialog {
    Q_OBJECT
  public:
    explicit WelcomeDialog(QWidget* parent);
};

} // namespace kovaq
