// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "ShareController.h"

#include "FileAccess.h"
#include "FileFlows.h"
#include "MixDocument.h"
#include "PasteRecipeDialog.h"
#include "Prompts.h"
#include "QtText.h"
#include "RecipeJson.h"
#include "RecipeShare.h"
#include "Workbench.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>

namespace kovaq {
namespace {

QString jsonFilter() {
    return ShareController::tr("Ko-Vaq recipe JSON (*.json)");
}

} // namespace

ShareController::ShareController(Workbench& app, Prompts& prompts, QObject* parent)
    : QObject(parent), m_app(app), m_prompts(prompts) {}

ShareController::~ShareController() = default;

std::optional<int> ShareController::steepDaysOf(const QString& file) const {
    return m_steepDaysOf ? m_steepDaysOf(file) : std::nullopt;
}

int ShareController::dropsPerMl() const {
    const AppSettings& s = m_app.settings();
    return s.ShowDrops ? m_app.dropsPerMl() : 0;
}

void ShareController::copyRecipe() {
    m_app.guarded([this] {
        const QString file = m_app.currentFile();
        QGuiApplication::clipboard()->setText(
            ToQString(CopyRecipeText(m_app.document(), steepDaysOf(file), dropsPerMl())));
    });
}

void ShareController::copyRecipeFile(const QString& path) {
    m_app.guarded([&] {
        // Read as the window would read it, under the same width rule.
        const std::unique_ptr<MixDocument> other = m_app.otherDocument();
        MixDocument& recipe = *other;
        const MixDocument::LoadOutcome loaded = recipe.load(NativeFromPath(path));
        if (!loaded.readable) {
            m_prompts.errorBox(nullptr,
                               tr("Unable to open %1.\n%2").arg(path, ToQString(loaded.reason)));
            return;
        }
        QGuiApplication::clipboard()->setText(
            ToQString(CopyRecipeText(recipe, steepDaysOf(path), dropsPerMl())));
    });
}

PasteRecipeDialog& ShareController::pasteDialog() {
    if (!m_paste) {
        m_paste =
            new PasteRecipeDialog(&m_app.mainWidget(), m_prompts, [this](const ParsedRecipe& p) {
                return PasteRemarks(p, m_app.document());
            });
        // The names as they will stand in the window, measured on a document of their own.
        m_paste->setNameFitter([this](TextField field, const QString& name) {
            if (!m_trial)
                m_trial = m_app.otherDocument();
            return FittedName(*m_trial, field, name);
        });
    }
    return *m_paste;
}

void ShareController::pasteRecipe() {
    m_app.guarded([this] {
        PasteRecipeDialog& dialog = pasteDialog();
        dialog.setText(QGuiApplication::clipboard()->text());
        if (m_prompts.execDialog(dialog) != QDialog::Accepted || !dialog.parsed().holdsRecipe())
            return;
        if (!m_app.mayReplaceMix())
            return;
        if (!m_trial)
            m_trial = m_app.otherDocument();
        PasteOptions options;
        options.unusedToNotes = dialog.unusedToNotes();
        options.trial = m_trial.get();
        PasteRecipe(m_app.document(), dialog.parsed(), options);
        m_app.forgetCurrentFile();
    });
}

void ShareController::exportJson() {
    m_app.guarded([this] {
        QWidget& w = m_app.mainWidget();
        const MixDocument& doc = m_app.document();
        QString path = m_prompts.saveFileName(
            &w, m_app.settings().SaveDir, doc.mixName() + QStringLiteral(".json"), jsonFilter());
        if (path.isEmpty())
            return;
        if (!path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive))
            path += QStringLiteral(".json");
        const QByteArray json = RecipeJsonFile(doc.recipeWithNotes());
        WriteChosenFile(m_prompts, &w, path,
                        std::string_view(json.constData(), static_cast<std::size_t>(json.size())));
    });
}

void ShareController::importJson() {
    m_app.guarded([this] {
        const QString path =
            m_prompts.openFileName(&m_app.mainWidget(), m_app.settings().LoadDir, jsonFilter());
        if (!path.isEmpty())
            importJsonFile(path);
    });
}

void ShareController::importJsonFile(const QString& path) {
    m_app.guarded([&] {
        QWidget& w = m_app.mainWidget();
        // Read and checked first: a file that is refused asks nothing about the mix shown.
        FileBytes file =
            ReadRegularFile(NativeFromPath(path), static_cast<std::size_t>(MaxRecipeJsonBytes) + 1);
        if (file.status != ReadStatus::Ok) {
            m_prompts.errorBox(
                &w, tr("Unable to open %1.\n%2").arg(path, ToQString(ReadStatusText(file))));
            return;
        }
        const JsonRecipe json = RecipeFromJsonFile(
            QByteArray(file.bytes.data(), static_cast<qsizetype>(file.bytes.size())));
        if (!json.recipe) {
            m_prompts.errorBox(
                &w, tr("%1 cannot be imported.\n%2").arg(QFileInfo(path).fileName(), json.error));
            return;
        }
        if (!m_app.mayReplaceMix())
            return;
        // Names too wide for the window keep a whole form rather than being cut anywhere.
        MixRecipe recipe = *json.recipe;
        if (!m_trial)
            m_trial = m_app.otherDocument();
        FitNames(*m_trial, recipe);
        m_app.document().loadRecipe(recipe);
        m_app.forgetCurrentFile();
    });
}

void ShareController::openDropped(const QString& path) {
    if (QFileInfo(path).suffix().compare(QStringLiteral("json"), Qt::CaseInsensitive) == 0)
        importJsonFile(path);
    else
        m_app.openRecipeFile(path);
}

} // namespace kovaq
