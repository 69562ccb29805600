// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QDialog>
#include <QStringList>
#include <QWidget>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;

namespace kovaq {

class Prompts;
class RecipeLibrary;
class RecipeListModel;

// "Recipes": every recipe in the user's recipe folders, found as fast as they type. A row
// opens through the main window's Open, with its guard; the files stay the documents.
class RecipesWindow : public QWidget {
    Q_OBJECT
  public:
    RecipesWindow(RecipeLibrary& library, Prompts& prompts, QWidget* main);

    QLineEdit* searchField() const { return m_search; }
    QTableView* list() const { return m_list; }
    QLabel* statusLine() const { return m_status; }
    QCheckBox* onlyMakeable() const { return m_onlyMakeable; }
    RecipeListModel& model() const { return *m_model; }
    // The selected row's file, as text; empty when none.
    QString selectedPath() const;
    // Selects the row of a file, when it is shown.
    void selectPath(const QString& path);
    // "Folders...": the folders read, in a small list to add to and take from.
    void editFolders();
    // Wide enough for every column at its width, within the screen.
    QSize sizeHint() const override;
    // The columns' widths, in the model's order: "170 60 ..."; a text that is not one keeps
    // the window's own.
    QString columnsText() const;
    void setColumnsText(const QString& text);
    // The row's commands, also on its right-click menu. Each acts on a file by its path,
    // looked for again just before: one that has gone is said to be no longer there.
    void openSelected();
    void showSelectedInFolder();
    void copySelectedPath();
    void trashSelected();
    void addSelectedToShopping();
    void openPath(const QString& path);
    void duplicatePath(const QString& path);
    void trashPath(const QString& path);

  Q_SIGNALS:
    void openRequested(const QString& path);
    void duplicateRequested(const QString& path);
    void stashRequested();
    // The recipe as text on the clipboard, as the window's Copy Recipe copies it.
    void copyRecipeRequested(const QString& path);
    void foldersChosen(const QStringList& folders);
    void oneBottleAwayRequested();
    void shoppingRequested(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showRowMenu(const QPoint& at);
    void updateStatus();
    bool stillThere(const QString& path);
    void showInFolder(const QString& path);

    RecipeLibrary& m_library;
    Prompts& m_prompts;
    QWidget* m_main;
    RecipeListModel* m_model = nullptr;
    QLineEdit* m_search = nullptr;
    QTableView* m_list = nullptr;
    QLabel* m_status = nullptr;
    QCheckBox* m_onlyMakeable = nullptr;
    QString m_keepSelected; // across a renewal of the rows
    QString m_gone;         // the selected recipe, when its file went
    bool m_selectionGone = false;
    bool m_resetting = false;
    int m_readDone = 0;
    int m_readTotal = 0;
};

// The recipe folders, to add to and take from.
class RecipeFoldersDialog : public QDialog {
    Q_OBJECT
  public:
    RecipeFoldersDialog(const QStringList& folders, Prompts& prompts, QWidget* parent);
    QStringList folders() const;
    QListWidget* list() const { return m_list; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* removeButton() const { return m_remove; }

  private:
    Prompts& m_prompts;
    QListWidget* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
};

} // namespace kovaq
