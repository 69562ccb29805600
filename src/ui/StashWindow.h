// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "FlavourBook.h"
#include "StashStore.h"

#include <QPersistentModelIndex>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace kovaq {

class BatchModel;
class BottleModel;
class FlavourModel;
class SearchProxy;

// "Stash": the bottles the user owns, what the mix in the window needs of them, and the
// batches mixed. It shows; the stash's controller decides.
class StashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StashWindow(QWidget* main);
    ~StashWindow() override;

    void showStash();
    void showBatches();
    void showFlavours();
    // What the window offers beside the line that says why the stash cannot be changed.
    enum class Offer { None, StartNew, WriteAgain };
    // The one line that says why the stash cannot be changed; hidden when it can.
    void setProblem(const QString& line, Offer offer = Offer::None);
    // "Lemon: needs 3 ml, 12 ml on hand", one a line, red where there is not enough.
    void setNeeds(const QStringList& lines, const std::vector<bool>& enough);
    // What changes the stash is offered only while it can be changed.
    void setWritable(bool on);

    QTabWidget* tabs() const { return m_tabs; }
    BottleModel& bottles() const { return *m_bottles; }
    BatchModel& batches() const { return *m_batches; }
    FlavourModel& flavours() const { return *m_flavours; }
    QTableView* flavourView() const { return m_flavourView; }
    // The flavours shown, with a line saying where they come from while there are none.
    void setFlavours(std::vector<FlavourRow> rows);
    QTableView* bottleView() const { return m_bottleView; }
    QTableView* batchView() const { return m_batchView; }
    QLineEdit* bottleSearch() const { return m_bottleSearch; }
    QLineEdit* batchSearch() const { return m_batchSearch; }
    QLabel* needsLine() const { return m_needs; }
    QLabel* problemLine() const { return m_problem; }
    QPushButton* mixItButton() const { return m_mixIt; }
    // The bottles shown, changed where they stand; the order is put right once no cell is
    // being edited, the current cell following its bottle.
    void setBottles(const std::vector<Bottle>& bottles);
    // The bottle's row made current (and the list scrolled to it), found by its id.
    void selectBottle(std::int64_t id);
    void selectBottle(std::int64_t id, int column);
    // Its cell opened for typing.
    void editBottle(std::int64_t id, int column);
    // A new bottle's kind offered as an open list beside its name, until it is chosen or
    // the cursor leaves the row.
    void offerKinds(std::int64_t id);
    // The selected rows, if any.
    std::optional<Bottle> selectedBottle() const;
    std::optional<Batch> selectedBatch() const;

  Q_SIGNALS:
    void addRequested();
    void importRequested();
    void removeRequested(std::int64_t bottle);
    void mixItRequested();
    void undoBatchRequested();
    void printLabelRequested(std::int64_t batch);
    void exportRequested();
    void openCopyRequested(std::int64_t batch);
    void openFileRequested(const QString& path);
    // The Batches tab is shown: its list is filled only once it is looked at.
    void batchesShown();
    // The Flavours tab is shown: the same, and the recipes are read for it.
    void flavoursShown();
    // The answers to a damaged stash, and to one that could not be written.
    void startNewRequested();
    void keepReadOnlyRequested();
    void writeAgainRequested();

  private:
    QWidget* buildStashTab();
    QWidget* buildBatchesTab();
    QWidget* buildFlavoursTab();
    void sortWhenIdle();
    void closeKinds();
    void updateBatchButtons();

    QWidget* m_main;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_problem = nullptr;
    QWidget* m_offers = nullptr;
    QPushButton* m_startNew = nullptr;
    QPushButton* m_keepReadOnly = nullptr;
    QPushButton* m_writeAgain = nullptr;
    BottleModel* m_bottles = nullptr;
    SearchProxy* m_bottleProxy = nullptr;
    QTableView* m_bottleView = nullptr;
    QLineEdit* m_bottleSearch = nullptr;
    QLabel* m_needs = nullptr;
    QPushButton* m_mixIt = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_undoBatch = nullptr;
    QPushButton* m_exportCsv = nullptr;
    QLabel* m_emptyHint = nullptr;
    QPersistentModelIndex m_kindsOffered;
    bool m_writable = true;
    BatchModel* m_batches = nullptr;
    SearchProxy* m_batchProxy = nullptr;
    QTableView* m_batchView = nullptr;
    QLineEdit* m_batchSearch = nullptr;
    FlavourModel* m_flavours = nullptr;
    SearchProxy* m_flavourProxy = nullptr;
    QTableView* m_flavourView = nullptr;
    QLabel* m_flavoursHint = nullptr;
};

} // namespace kovaq
