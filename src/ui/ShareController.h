// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QObject>

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace kovaq {

class Workbench;
class MixDocument;
class PasteRecipeDialog;
class Prompts;

// Recipes shared as people share them: copied as text, pasted from a post, exchanged as
// JSON, or dropped on the window.
class ShareController : public QObject {
    Q_OBJECT
  public:
    ShareController(Workbench& app, Prompts& prompts, QObject* parent = nullptr);
    ~ShareController() override;
    // Where the steep days of a recipe file's last batch come from (the stash).
    void setSteepDaysSource(std::function<std::optional<int>(const QString& file)> source) {
        m_steepDaysOf = std::move(source);
    }

    // The mix in the window, or a recipe file, onto the clipboard as text.
    void copyRecipe();
    void copyRecipeFile(const QString& path);
    // The clipboard's text read as a recipe, shown, and on OK made the window's new mix.
    void pasteRecipe();
    PasteRecipeDialog& pasteDialog();
    void exportJson();
    // The file dialog's JSON recipe, or this one, opened through the unsaved-mix guard.
    void importJson();
    void importJsonFile(const QString& path);
    // A file dropped on the window: a .mix opens as Open opens it, a .json is imported.
    void openDropped(const QString& path);

  private:
    std::optional<int> steepDaysOf(const QString& file) const;
    int dropsPerMl() const;

    Workbench& m_app;
    std::function<std::optional<int>(const QString& file)> m_steepDaysOf;
    Prompts& m_prompts;
    PasteRecipeDialog* m_paste = nullptr;
    std::unique_ptr<MixDocument> m_trial; // where names are fitted to the window's fields
};

} // namespace kovaq
