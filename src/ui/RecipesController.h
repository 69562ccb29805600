// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "MakeableTable.h"
#include "RecipeIndex.h"
#include "ShoppingWindow.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class QPrinter;

namespace kovaq {

class Workbench;
class OneBottleAwayDialog;
class Prompts;
class RecipeLibrary;
class RecipePost;
struct RecipeItem;
class RecipesWindow;

// "Recipes" in the program: the folders read (those chosen, or the open and save folders),
// the library (made and started when the window is first shown) and the window.
class RecipesController : public QObject {
    Q_OBJECT
  public:
    RecipesController(Workbench& app, Prompts& prompts, QObject* parent = nullptr);
    ~RecipesController() override;

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

    // The stash's bottles as they stand, after every change: what can be made follows.
    void setBottles(const std::vector<Bottle>& bottles);
    // What each recipe takes from the stash is read beside the window, a few files at a
    // time; the figures follow as it comes.
    const MakeableTable& makeable() const { return m_table; }
    bool needsPending() const { return m_needsBusy || !m_needsPending.empty(); }
    // The column widths as the settings keep them: "170 60 ...".
    QString columnsText() const;

    // "One Bottle Away...": the bottles that would each make more recipes possible.
    void showOneBottleAway();
    OneBottleAwayDialog* oneBottleAway() const { return m_oneBottle; }
    // A recipe on the shopping list at its own volume (once), the list shown.
    void addToShopping(const QString& path);
    ShoppingWindow& shoppingWindow();
    const std::vector<ShoppingWindow::Order>& shoppingOrders() const { return m_orders; }
    const ShoppingList& shoppingList() const { return m_list; }

  Q_SIGNALS:
    // Asked of the rest of the program from the window: the stash shown, a recipe copied.
    void stashRequested();
    void copyRecipeRequested(const QString& path);

  private:
    void follow(RecipeLibrary& library);
    void queueNeeds(const RecipeItem& item);
    void forgetNeeds(const std::string& native);
    void readNeeds();
    struct ReadNeeds {
        std::string native;
        RecipeNeeds needs;
    };
    void takeNeeds(std::vector<ReadNeeds> read);
    void figuresChanged(const std::vector<std::string>& natives);
    void updateShopping();
    void updateOneBottleAway();
    void printShopping();
    void saveShopping();

    Workbench& m_app;
    Prompts& m_prompts;
    RecipeLibrary* m_library = nullptr;
    RecipesWindow* m_window = nullptr;
    QString m_indexFile;
    bool m_started = false;

    MakeableTable m_table;
    std::vector<Bottle> m_bottles;
    std::unordered_map<std::string, FileStamp> m_needsStamp; // of the file each was read from
    std::set<std::string> m_needsPending;
    std::unordered_map<std::string, FileStamp> m_needsReading; // as the list had each
    bool m_needsBusy = false;
    std::shared_ptr<RecipePost> m_post;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    OneBottleAwayDialog* m_oneBottle = nullptr;
    ShoppingWindow* m_shopping = nullptr;
    std::vector<ShoppingWindow::Order> m_orders;
    ShoppingList m_list;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace kovaq
