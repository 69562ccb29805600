// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Recipe.h"
#include "Settings.h"

#include <QString>

#include <functional>
#include <memory>

class QLineEdit;
class QPrinter;
class QWidget;

namespace kovaq {

class MixDocument;

// What the tool windows' controllers are given of the program: the mix being worked on and
// its file, the settings, the main window to stand beside, and the document commands they
// start. They are handed this, never the program or each other.
class Workbench {
  public:
    virtual ~Workbench() = default;

    virtual MixDocument& document() const = 0;
    // A document beside it, for a file read without being opened, under the same rules.
    virtual std::unique_ptr<MixDocument> otherDocument() const = 0;
    // The file the mix came from; empty for a new one or a paste.
    virtual const QString& currentFile() const = 0;
    virtual void forgetCurrentFile() = 0;
    virtual AppSettings& settings() = 0;
    virtual const AppSettings& settings() const = 0;
    virtual int dropsPerMl() const = 0;
    // The main window: the parent of the tool windows and their dialogs.
    virtual QWidget& mainWidget() const = 0;
    // A name field of the main window, for the lists offered under it.
    virtual QLineEdit* nameField(TextField field) const = 0;
    virtual QPrinter& labelPrinter() = 0;

    // Runs a command; what it throws is said, never thrown on through Qt.
    virtual bool guarded(const std::function<void()>& command) = 0;
    // Whether the mix in the window may be replaced (asked when it is not saved).
    virtual bool mayReplaceMix() = 0;
    virtual void openRecipeFile(const QString& path) = 0;
    virtual void openRecipeText(const QString& text, const QString& name) = 0;
};

} // namespace kovaq
