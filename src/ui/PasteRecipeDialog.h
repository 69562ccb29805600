// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Recipe.h"
#include "RecipeText.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kovaq {

class Prompts;

// "Paste Recipe": the text (from the clipboard, a text file, or typed over) and what Ko-Vaq
// understood of it, read again as it changes; OK only when there is a recipe in it.
class PasteRecipeDialog : public QDialog {
    Q_OBJECT
  public:
    using Remarks = std::function<QStringList(const ParsedRecipe&)>;
    PasteRecipeDialog(QWidget* parent, Prompts& prompts, Remarks remarks);

    // How a name will stand in the window's field, for the preview.
    using NameFitter = std::function<QString(TextField, const QString&)>;
    void setNameFitter(NameFitter fitter) { m_fit = std::move(fitter); }

    void setText(const QString& text);
    const ParsedRecipe& parsed() const { return m_parsed; }
    // Whether the lines not understood go into the notes.
    bool unusedToNotes() const;
    QCheckBox* unusedBox() const { return m_unusedBox; }
    QPlainTextEdit* textEdit() const { return m_text; }
    QLabel* preview() const { return m_preview; }
    QPushButton* okButton() const { return m_ok; }

  private:
    // `cut`: the text is the start of a longer one.
    void showText(const QString& text, bool cut);
    void reread();
    void openTextFile();

    Prompts& m_prompts;
    Remarks m_remarks;
    NameFitter m_fit;
    QCheckBox* m_unusedBox = nullptr;
    ParsedRecipe m_parsed;
    bool m_cut = false; // the text given was longer than is read
    QPlainTextEdit* m_text = nullptr;
    QLabel* m_preview = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace kovaq
