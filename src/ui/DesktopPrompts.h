// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Prompts.h"

namespace kovaq {

// The real thing: Qt's message boxes, file dialogs and desktop services.
class DesktopPrompts : public Prompts {
  public:
    void beep() override;
    Answer message(QWidget* parent, const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) override;
    Answer messageWithChoice(QWidget* parent, const QString& text, const QString& caption,
                             Icon icon, const QString& otherButton) override;
    void errorBox(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& folder, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& folder, const QString& proposed,
                         const QString& filter) override;
    QString folderName(QWidget* parent, const QString& start) override;
    bool openUrl(const QUrl& url) override;
    int execDialog(QDialog& dialog) override;
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
};

} // namespace kovaq
