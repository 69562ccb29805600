// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QString>

class QDialog;
class QPrinter;
class QWidget;
class QUrl;

namespace kovaq {

// Everything that waits on a person or reaches outside the window goes through here, so
// that tests can replace it with a scripted fake and never pop a real modal window.
class Prompts {
  public:
    enum class Icon { None, Information, Warning, Error };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No, Other };

    virtual ~Prompts() = default;

    // The default system beep.
    virtual void beep() = 0;
    // A modal message box owned by parent; the first button is the default.
    virtual Answer message(QWidget* parent, const QString& text, const QString& caption, Icon icon,
                           Buttons buttons) = 0;
    // The same with OK first and default, and one more button; Other when that was pressed.
    virtual Answer messageWithChoice(QWidget* parent, const QString& text, const QString& caption,
                                     Icon icon, const QString& otherButton) = 0;
    // The application's general error box: the text, caption "Ko-Vaq", an OK button.
    virtual void errorBox(QWidget* parent, const QString& text) = 0;
    // File dialogs; an empty text means the user cancelled. The save dialog asks nothing
    // about replacing a file: the caller asks, for the name it will really write.
    virtual QString openFileName(QWidget* parent, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& folder, const QString& proposed,
                                 const QString& filter) = 0;
    // A folder chosen in the folder dialog; empty when cancelled.
    virtual QString folderName(QWidget* parent, const QString& start) = 0;
    // Opens a document or address with the desktop's default handler.
    virtual bool openUrl(const QUrl& url) = 0;
    // Shows one of our own dialogs modally and returns its result.
    virtual int execDialog(QDialog& dialog) = 0;
    // The platform's printer selection; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
};

} // namespace kovaq
