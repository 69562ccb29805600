// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// What the program's commands share about files: the recipes' filter, the replace box's
// caption, and names and folders worked out on the bytes the system uses.

#include "FileAccess.h"
#include "MixName.h"

#include <QCoreApplication>
#include <QString>

namespace kovaq::app {

inline QString recipeFilter() {
    return QCoreApplication::translate("kovaq::AppController", "Ko-Vaq files (*.mix)");
}
inline QString warningCaption() {
    return QCoreApplication::translate("kovaq::AppController", "Warning...");
}
inline QString mixNameOf(const QString& path) {
    return PathFromNative(MixNameFromPath(NativeFromPath(path)));
}
inline QString folderOf(const QString& path) {
    return PathFromNative(FolderOfPath(NativeFromPath(path)));
}

} // namespace kovaq::app
