// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Prompts.h"

#include <QDialog>
#include <QString>
#include <QUrl>

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include <ostream>

// Readable QStrings in test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace kovaq::test {

// A scripted stand-in for every prompt: answers come from queues, and every question is
// recorded so that tests can check its exact text.
class FakePrompts : public Prompts {
  public:
    struct Message {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
        QString otherButton; // the extra button of a message with a choice
    };

    int beeps = 0;
    std::vector<Message> messages;
    std::vector<QString> errors;
    std::vector<QUrl> urls;
    std::vector<QString> dialogsShown; // objectNames
    std::vector<QString> fileDialogFolders;
    std::vector<QString> proposedNames;

    std::deque<Answer> answers;
    std::deque<QString> fileNames;
    std::deque<std::function<int(QDialog&)>> dialogActions;
    bool urlsOpen = true;
    // Runs while a message box would be up (to look at the window behind it).
    std::function<void(const Message&)> onMessage;
    // Runs while a file dialog would be up (a real one takes the focus away).
    std::function<void()> onFileDialog;

    void beep() override { ++beeps; }

    Answer message(QWidget*, const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) override {
        Answer fallback = Answer::Ok;
        if (buttons == Buttons::YesNo)
            fallback = Answer::No;
        else if (buttons == Buttons::YesNoCancel)
            fallback = Answer::Cancel;
        return ask({text, caption, icon, buttons, {}}, fallback);
    }

    Answer messageWithChoice(QWidget*, const QString& text, const QString& caption, Icon icon,
                             const QString& otherButton) override {
        return ask({text, caption, icon, Buttons::Ok, otherButton}, Answer::Ok);
    }

    void errorBox(QWidget*, const QString& text) override { errors.push_back(text); }

    QString openFileName(QWidget*, const QString& folder, const QString&) override {
        fileDialogFolders.push_back(folder);
        if (onFileDialog)
            onFileDialog();
        return next();
    }

    QString saveFileName(QWidget*, const QString& folder, const QString& proposed,
                         const QString&) override {
        fileDialogFolders.push_back(folder);
        proposedNames.push_back(proposed);
        if (onFileDialog)
            onFileDialog();
        return next();
    }

    std::deque<QString> folders;
    QString folderName(QWidget*, const QString&) override {
        if (folders.empty())
            return {};
        QString f = folders.front();
        folders.pop_front();
        return f;
    }

    bool openUrl(const QUrl& url) override {
        urls.push_back(url);
        return urlsOpen;
    }

    int execDialog(QDialog& dialog) override {
        dialogsShown.push_back(dialog.objectName());
        if (dialogActions.empty())
            return QDialog::Accepted;
        auto action = dialogActions.front();
        dialogActions.pop_front();
        return action(dialog);
    }

    // Printer selection: confirmed unless told otherwise; the test sets the printer up.
    std::deque<bool> printerAnswers;
    int printerDialogs = 0;
    // Runs while the print dialog would be up: what the person (or the dialog) chooses.
    std::function<void(QPrinter&)> onChoosePrinter;
    bool choosePrinter(QPrinter& printer, QWidget*) override {
        ++printerDialogs;
        if (onChoosePrinter)
            onChoosePrinter(printer);
        if (printerAnswers.empty())
            return true;
        const bool a = printerAnswers.front();
        printerAnswers.pop_front();
        return a;
    }

    void clear() {
        beeps = 0;
        messages.clear();
        errors.clear();
        urls.clear();
        dialogsShown.clear();
        fileDialogFolders.clear();
        proposedNames.clear();
    }

  private:
    // Records the question; the next scripted answer, else what closing the box gives.
    Answer ask(Message m, Answer fallback) {
        messages.push_back(std::move(m));
        if (onMessage)
            onMessage(messages.back());
        if (answers.empty())
            return fallback;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    QString next() {
        if (fileNames.empty())
            return {};
        QString f = fileNames.front();
        fileNames.pop_front();
        return f;
    }
};

} // namespace kovaq::test
