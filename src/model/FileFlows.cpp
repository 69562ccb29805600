// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "FileFlows.h"

#include "Prompts.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kovaq {

QString WriteFailedText(const QString& path, const WriteResult& result) {
    return QCoreApplication::translate("kovaq::FileFlows", "Unable to write to %1: %2.")
        .arg(path, QString::fromLocal8Bit(result.reason()));
}

bool ConfirmReplace(Prompts& prompts, QWidget* parent, const QString& path) {
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    return prompts.message(parent,
                           QCoreApplication::translate(
                               "kovaq::FileFlows", "%1 already exists.\nDo you want to replace it?")
                               .arg(QFileInfo(path).fileName()),
                           QCoreApplication::translate("kovaq::FileFlows", "Warning..."),
                           Prompts::Icon::Warning, Prompts::Buttons::YesNo) == Prompts::Answer::Yes;
}

bool WriteChosenFile(Prompts& prompts, QWidget* parent, const QString& path,
                     std::string_view bytes) {
    if (!ConfirmReplace(prompts, parent, path))
        return false;
    const WriteResult written = ReplaceFileContents(NativeFromPath(path), bytes);
    if (!written)
        prompts.errorBox(parent, WriteFailedText(path, written));
    return written.ok();
}

} // namespace kovaq
