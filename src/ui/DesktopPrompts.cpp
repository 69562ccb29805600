// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "DesktopPrompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QUrl>

namespace kovaq {

void DesktopPrompts::beep() {
    QApplication::beep();
}

Prompts::Answer DesktopPrompts::message(QWidget* parent, const QString& text,
                                        const QString& caption, Icon icon, Buttons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::None:
        break;
    }
    QPushButton* first = nullptr;
    switch (buttons) {
    case Buttons::Ok:
        first = box.addButton(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        first = box.addButton(QMessageBox::Ok);
        box.addButton(QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        first = box.addButton(QMessageBox::Yes);
        box.addButton(QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        first = box.addButton(QMessageBox::Yes);
        box.addButton(QMessageBox::No);
        box.addButton(QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(first);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        break;
    }
    // The close box counts as Cancel where there is one, No for Yes and No, else as OK.
    if (buttons == Buttons::YesNo)
        return Answer::No;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

Prompts::Answer DesktopPrompts::messageWithChoice(QWidget* parent, const QString& text,
                                                  const QString& caption, Icon icon,
                                                  const QString& otherButton) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    QPushButton* other = box.addButton(otherButton, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return box.clickedButton() == other ? Answer::Other : Answer::Ok;
}

void DesktopPrompts::errorBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Ko-Vaq"), text, QMessageBox::Ok, parent);
    box.exec();
}

QString DesktopPrompts::openFileName(QWidget* parent, const QString& folder,
                                     const QString& filter) {
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("mix"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

QString DesktopPrompts::folderName(QWidget* parent, const QString& start) {
    return QFileDialog::getExistingDirectory(
        parent, QCoreApplication::translate("DesktopPrompts", "Recipe folder"), start);
}

QString DesktopPrompts::saveFileName(QWidget* parent, const QString& folder,
                                     const QString& proposed, const QString& filter) {
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QStringLiteral("mix"));
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

bool DesktopPrompts::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

int DesktopPrompts::execDialog(QDialog& dialog) {
    return dialog.exec();
}

bool DesktopPrompts::choosePrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kovaq
