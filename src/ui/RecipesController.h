// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace kovaq {

class Workbench;
class Prompts;
class RecipeLibrary;
class RecipesWindow;

// "Recipes" in the program: the folders read (those chosen, or the open and save folders),
// the library (made and started when the window is first shown) and the window.
class RecipesController : public QObject {
    Q_OBJECT
  public:
    RecipesController(Workbench& app, Prompts& prompts, QObject* parent = nullptr);

    QStringList folders() const;
    RecipeLibrary& library();
    RecipesWindow& window();
    bool windowMade() const { return m_window != nullptr; }
    bool isVisible() const;
    // Beside the main window, or brought to the front, on the recipe in the window.
    void show();
    // Where the library keeps its index between runs; tests choose their own.
    void setIndexFile(const QString& path) { m_indexFile = path; }
    // The list's order as the settings keep it: "column asc|desc".
    QString sortText() const;

    // A copy beside it, "NAME copy.mix", opened.
    void duplicate(const QString& path);
    // A recipe saved into a recipe folder is in the list at once, and chosen.
    void fileSaved(const QString& path);
    void fileOpened(const QString& path);

  Q_SIGNALS:
    // Asked of the rest of the program from the window: the stash shown, a recipe copied.
    void stashRequested();
    void copyRecipeRequested(const QString& path);

  private:
    Workbench& m_app;
    Prompts& m_prompts;
    RecipeLibrary* m_library = nullptr;
    RecipesWindow* m_window = nullptr;
    QString m_indexFile;
    bool m_started = false;
};

} // namespace kovaq
