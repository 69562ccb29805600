// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

// The document commands: Open, Save, New Mix and what each asks before the mix in the
// window is replaced.

#include "AppController.h"
#include "AppPaths.h"

#include "Dialogs.h"
#include "FileAccess.h"
#include "Language.h"
#include "MainWindow.h"
#include "MixDocument.h"
#include "MixSession.h"
#include "Prompts.h"
#include "QtText.h"
#include "RecipeFile.h"
#include "RecipesController.h"
#include "StashController.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace kovaq {

bool AppController::confirmDiscard(Caller caller) {
    MainWindow& w = *m_window;
    if (document().mixSaved())
        return true;
    const QString text =
        caller == Caller::Open
            ? tr("Your Current Mix Has Not Been Saved \n         Do You Want To Save It?")
            : tr("      Your Current Mix Has Not Been Saved \n"
                 "               Do You Want To Save It?");
    switch (m_prompts.message(&w, text, app::warningCaption(), Prompts::Icon::Warning,
                              Prompts::Buttons::YesNoCancel)) {
    case Prompts::Answer::Yes:
        // Going on after a cancelled or failed save would lose the mix just kept.
        return saveRecipe();
    case Prompts::Answer::No:
        return true;
    default:
        return false;
    }
}

bool AppController::saveRecipe() {
    bool saved = false;
    guarded([&] {
        MainWindow& w = *m_window;
        MixDocument& doc = document();
        if (!doc.infoComplete()) {
            const auto answer = m_prompts.message(
                &w, tr("There is Information Outstanding \n    Do You Still Want To Save?"),
                app::warningCaption(), Prompts::Icon::Warning, Prompts::Buttons::OkCancel);
            if (answer != Prompts::Answer::Ok)
                return;
        }
        const MixRecipe& r = doc.recipe();
        QString proposed = ToQString(ComposeMixName(ToUtf8(doc.mixName()),
                                                    r[TextField::MixStrength], r[TextField::MixQty],
                                                    doc.ratio(RatioField::MixNicPGVG).RatioText));
        QString path;
        while (true) {
            path = m_prompts.saveFileName(&w, m_settings.SaveDir, proposed, app::recipeFilter());
            if (path.isEmpty()) {
                restoreWorkingDir();
                return;
            }
            // A name with a point in it ("1.5ml", "4.5mg") looks to the dialog as if it had
            // an extension already: every recipe is saved as .mix, so the Open dialog shows it.
            if (!path.endsWith(QStringLiteral(".mix"), Qt::CaseInsensitive))
                path += QStringLiteral(".mix");
            if (!IsRegularFile(NativeFromPath(path)) && !QFileInfo(path).isSymLink())
                break;
            const auto replace = m_prompts.message(
                &w,
                tr("%1 already exists.\nDo you want to replace it?")
                    .arg(QFileInfo(path).fileName()),
                app::warningCaption(), Prompts::Icon::Warning, Prompts::Buttons::YesNo);
            if (replace == Prompts::Answer::Yes)
                break;
            proposed = QFileInfo(path).fileName(); // back to the dialog with the name kept
        }
        doc.setMixName(app::mixNameOf(path));
        if (!writeDocument(path))
            return;
        m_settings.SaveDir = app::folderOf(path);
        m_settings.LoadDir = m_settings.SaveDir;
        m_settings.LastFile = path;
        m_session->setCurrentFile(path);
        doc.setMixSaved(true);
        // A recipe saved into a recipe folder is in the list at once.
        if (m_recipes)
            m_recipes->fileSaved(path);
        if (w.lastActiveControl() == w.openButton())
            w.setLastActiveControl(w.saveButton());
        else if (w.lastActiveControl())
            w.lastActiveControl()->setFocus();
        restoreWorkingDir();
        saved = true;
    });
    return saved;
}

bool AppController::writeDocument(const QString& path) {
    if (WriteRecipe(NativeFromPath(path), document().recipeWithNotes()))
        return true;
    m_prompts.errorBox(m_window.get(), tr("Unable to write to %1.").arg(path));
    return false;
}

void AppController::openRecipe() {
    guarded([this] {
        if (!confirmDiscard(Caller::Open))
            return;
        // The control that has the focus now; while the dialog is up and just after it, none
        // of the window's controls has it.
        QWidget* focused = QApplication::focusWidget();
        const QString path =
            m_prompts.openFileName(m_window.get(), m_settings.LoadDir, app::recipeFilter());
        if (!path.isEmpty())
            openChosen(path, focused);
        restoreWorkingDir();
    });
}

void AppController::openRecipeFile(const QString& path) {
    guarded([&] {
        if (confirmDiscard(Caller::Open))
            openChosen(path, QApplication::focusWidget());
    });
}

void AppController::openRecipeText(const QString& text, const QString& name) {
    guarded([&] {
        if (!confirmDiscard(Caller::Open))
            return;
        document().loadText(ToUtf8(text), name);
        m_session->forgetCurrentFile();
    });
}

void AppController::openChosen(const QString& path, QWidget* focused) {
    MainWindow& w = *m_window;
    loadFile(path);
    m_settings.LoadDir = app::folderOf(path);
    m_settings.SaveDir = m_settings.LoadDir;
    m_settings.LastFile = path;
    m_session->setCurrentFile(path);
    if (focused && focused->window() == &w)
        w.setLastActiveControl(focused);
    document().setMixSaved(true);
    if (m_recipes)
        m_recipes->fileOpened(path);
}

void AppController::loadFile(const QString& path) {
    const MixDocument::LoadOutcome loaded = document().load(NativeFromPath(path));
    // A partial recipe must not pass for the whole.
    if (loaded.truncated)
        m_prompts.message(m_window.get(),
                          tr("%1 is longer than %2 MiB; only its first %2 MiB were "
                             "read.\nThe recipe shown may not be the whole of it.")
                              .arg(path)
                              .arg(MaxRecipeFileBytes >> 20),
                          app::warningCaption(), Prompts::Icon::Warning, Prompts::Buttons::Ok);
}

void AppController::newMix() {
    if (!confirmDiscard(Caller::NewMix))
        return;
    MainWindow& w = *m_window;
    RetainDialog& retain = retainDialog();
    if (!m_firstShowPending && m_prompts.execDialog(retain) != QDialog::Accepted)
        return;
    document().startNewMix(retain.ingredientsBox()->isChecked(), retain.notesBox()->isChecked());
    m_session->forgetCurrentFile();
    QLineEdit* strength = w.field(TextField::BaseNicStrength);
    strength->setFocus();
    w.setLastActiveControl(strength);
    document().setMixSaved(true);
}

void AppController::offerLanguages() {
    std::vector<std::pair<QString, QString>> choices{{QString(), tr("The desktop's language")}};
    for (const QString& code : AvailableLanguages())
        choices.emplace_back(code, LanguageName(code));
    m_window->setLanguageChoices(choices, m_settings.Language);
}

void AppController::chooseLanguage(const QString& code) {
    if (code == m_settings.Language)
        return;
    m_settings.Language = code;
    // The windows are translated as they are made, once: the choice holds from the next start.
    const QString text =
        code.isEmpty() ? tr("Ko-Vaq will follow the desktop's language from its next start.")
                       : tr("Ko-Vaq will be in %1 from its next start.").arg(LanguageName(code));
    m_prompts.message(m_window.get(), text, tr("Language"), Prompts::Icon::Information,
                      Prompts::Buttons::Ok);
}

} // namespace kovaq
