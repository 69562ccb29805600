// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// Writing a file the person chose, as every window does it: asked before an existing file
// is replaced, written in one step, and a failure said with the system's reason.

#include "FileAccess.h"

#include <QString>

#include <string_view>

class QWidget;

namespace kovaq {

class Prompts;

// "Unable to write to X: No space left on device."
QString WriteFailedText(const QString& path, const WriteResult& result);

// Whether the file may be written: it is not there, or the person said to replace it.
bool ConfirmReplace(Prompts& prompts, QWidget* parent, const QString& path);

// Asked, then written; a failure is said. True when the file was written.
bool WriteChosenFile(Prompts& prompts, QWidget* parent, const QString& path,
                     std::string_view bytes);

} // namespace kovaq
