// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Recipe.h"
#include "StashCommands.h"
#include "StashPlan.h"
#include "StashStore.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class QCompleter;
class QUndoStack;

namespace kovaq {

class Workbench;
class FlavourBook;
class LabelDialog;
class MixItDialog;
class NameListModel;
class Prompts;
class StashImportDialog;
class StashWindow;

// The stash and the batch log in the program: the store (opened on first use, never before
// the window is painted), the Stash window, Mix It, the labels, and the name lists that
// fill a row from a bottle.
class StashController : public QObject {
    Q_OBJECT
  public:
    StashController(Workbench& app, Prompts& prompts, QObject* parent = nullptr);
    ~StashController() override;

    // Where the database is; tests choose their own. Before first use only.
    void setStorePath(const QString& path) { m_path = path; }
    const QString& storePath() const { return m_path; }
    // How the store finds out whether its folder takes a file; tests play a full disk.
    void setStoreProbe(StashStore::FolderProbe probe) { m_probe = std::move(probe); }
    // Opened, or tried, the first time it is asked for.
    StashStore& store();
    bool storeExists() const;
    // The steep days of a recipe file's last batch; nothing when there is no stash yet (it is
    // not made for the asking).
    std::optional<int> steepDaysOf(const QString& file);

    StashWindow& window();
    bool isVisible() const;
    // The window beside the main one, or brought to the front, on the tab asked.
    void showStash();
    void showBatches();
    QUndoStack& undoStack();

    // Ctrl+B: records a batch of the mix in the window, asking first where there is reason.
    void mixIt();
    void undoLastBatch();
    void printLabel(std::int64_t batch);
    void exportCsv();
    // A batch's recipe as it was mixed, as a new mix; or its file.
    void openCopy(std::int64_t batch);

    // The stash's names under the name fields; each pick fills the row.
    void installCompleters();
    bool completersInstalled() const { return m_completersInstalled; }
    QCompleter* completer(TextField nameField) const;
    // A name picked from a field's list: the row filled from its bottle, as typed.
    void namePicked(TextField nameField, const QString& name);
    const ChosenBottles& chosenBottles() const { return m_chosen; }

    MixItDialog& mixItDialog();
    LabelDialog& labelDialog();

    // The bottles as they stand (read when the store is opened, and after every change).
    const std::vector<Bottle>& bottles() const { return m_bottles; }

    // "Import CSV...": a spreadsheet's bottles, shown before they are added or update the
    // bottles of the same kind, name and maker; one step on the undo stack.
    void importCsv();
    StashImportDialog& importDialog();

    // What the user's recipes say of each flavour, for the Flavours tab and the tips on the
    // share fields; asked for (flavourBookWanted) the first time either needs it.
    void setFlavourBook(std::shared_ptr<const FlavourBook> book);
    const FlavourBook* flavourBook() const { return m_book.get(); }

  Q_SIGNALS:
    // After every change of the bottles (and once they are first read).
    void bottlesChanged(const std::vector<Bottle>& bottles);
    // The flavour book is needed: the recipes are to be read, and given with setFlavourBook.
    void flavourBookWanted();

  private:
    void reload();
    void reloadBatches();
    void updateNeeds();
    void addBottle();
    void removeBottle(std::int64_t id);
    void editBottle(const Bottle& before, const Bottle& after);
    // Said after each step of the stash's commands: the store's reason, and the lists again.
    StashStepDone stepDone();
    // The window's line of why it cannot be changed, and what it offers to do about it.
    void showState();
    void startNewStash();
    void writeAgain();
    // False (and said so) when the stash cannot be changed.
    bool checkWritable(QWidget* parent);
    QWidget* parentWidget() const;
    // The Flavours tab: the book's flavours with what the stash holds, the batches and the
    // notes kept; a note's edit made undoable.
    void reloadFlavours();
    void editFlavourNote(const FlavourNote& before, const FlavourNote& after);
    void wantFlavourBook();
    // The tip of each share field: what the recipes say of the flavour named in its row.
    void updateShareTip(SlotId slot, bool typed);

    Workbench& m_app;
    Prompts& m_prompts;
    QString m_path;
    StashStore::FolderProbe m_probe = &StashStore::ProbeFolder;
    std::unique_ptr<StashStore> m_store;
    StashWindow* m_window = nullptr;
    QUndoStack* m_undo = nullptr;
    MixItDialog* m_mixIt = nullptr;
    LabelDialog* m_label = nullptr;
    std::vector<Bottle> m_bottles;
    NameListModel* m_baseNames = nullptr;
    NameListModel* m_flavourNames = nullptr;
    std::int64_t m_added = 0; // the bottle just added, until its kind is chosen
    std::array<QCompleter*, SlotCount> m_completers{};
    bool m_completersInstalled = false;
    bool m_batchesLoaded = false; // the list is read when the tab is first shown
    StashImportDialog* m_importDialog = nullptr;
    std::shared_ptr<const FlavourBook> m_book;
    bool m_bookWanted = false;
    bool m_flavoursShown = false; // the tab is filled once it is looked at
    // When each flavour was last mixed, and the batch log it was read from (its count, ids
    // and times added up).
    QHash<QString, std::int64_t> m_lastMixed;
    std::array<std::int64_t, 3> m_lastMixedOf{-1, 0, 0};
    ChosenBottles m_chosen{};
    std::array<QString, SlotCount> m_chosenName;
};

} // namespace kovaq
