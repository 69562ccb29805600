// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "StashStore.h"

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
class SearchProxy;

// "Stash": the bottles the user owns, what the mix in the window needs of them, and the
// batches mixed. It shows; the stash's controller decides.
class StashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StashWindow(QWidget* main);

    void showStash();
    void showBatches();
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
    // The selected rows, if any.
    std::optional<Bottle> selectedBottle() const;
    std::optional<Batch> selectedBatch() const;

  Q_SIGNALS:
    void addRequested();
    void removeRequested(std::int64_t bottle);
    void mixItRequested();
    void undoBatchRequested();
    void printLabelRequested(std::int64_t batch);
    void exportRequested();
    void openCopyRequested(std::int64_t batch);
    void openFileRequested(const QString& path);
    // The Batches tab is shown: its list is filled only once it is looked at.
    void batchesShown();
    // The answers to a damaged stash, and to one that could not be written.
    void startNewRequested();
    void keepReadOnlyRequested();
    void writeAgainRequested();

  private:
    QWidget* buildStashTab();
    QWidget* buildBatchesTab();
    void sortWhenIdle();
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
    QPushButton* m_undoBatch = nullptr;
    QPushButton* m_exportCsv = nullptr;
    QLabel* m_emptyHint = nullptr;
    bool m_writable = true;
    BatchModel* m_batches = nullptr;
    SearchProxy* m_batchProxy = nullptr;
    QTableView* m_batchView = nullptr;
    QLineEdit* m_batchSearch = nullptr;
};

} // namespace kovaq
