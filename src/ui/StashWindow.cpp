// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "StashWindow.h"

#include "FlavourModel.h"
#include "Look.h"
#include "StashModels.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kovaq {
namespace {

// A table typed into as a spreadsheet is: Tab goes from cell to cell, opening each, and
// leaves the table after its last cell (Shift+Tab before its first) for the buttons.
class CellTable : public QTableView {
  public:
    using QTableView::QTableView;
    bool editing() const { return state() == EditingState; }

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        const QModelIndex current = currentIndex();
        const bool next = action == MoveNext;
        if ((next || action == MovePrevious) && current.isValid() && model()) {
            const int rows = model()->rowCount();
            const int columns = model()->columnCount();
            const bool last = current.row() == rows - 1 && current.column() == columns - 1;
            const bool first = current.row() == 0 && current.column() == 0;
            if ((next && last) || (!next && first)) {
                QTimer::singleShot(0, this, [this, next] { QWidget::focusNextPrevChild(next); });
                return {};
            }
        }
        return QTableView::moveCursor(action, modifiers);
    }
    bool focusNextPrevChild(bool next) override {
        const QModelIndex current = currentIndex();
        if (model() && current.isValid() && state() != EditingState) {
            const bool last = current.row() == model()->rowCount() - 1 &&
                              current.column() == model()->columnCount() - 1;
            const bool first = current.row() == 0 && current.column() == 0;
            if ((next && last) || (!next && first))
                return QWidget::focusNextPrevChild(next);
        }
        return QTableView::focusNextPrevChild(next);
    }
};

QTableView* table(QWidget* parent, const char* name, QAbstractItemModel* model,
                  bool cells = false) {
    QTableView* view = cells ? new CellTable(parent) : new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->setSortingEnabled(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

// Each column its usual width, but never narrower than its title in the language it is read in.
template <std::size_t N> void fitColumns(QTableView* view, const int (&widths)[N]) {
    const QHeaderView* header = view->horizontalHeader();
    for (int c = 0; c < int(N) && c < header->count(); ++c)
        view->setColumnWidth(c, std::max(widths[c], header->sectionSizeHint(c) + 8));
}

QPushButton* button(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

// An editor open as the window goes commits its text while the children are taken down:
// by then this is no longer a StashWindow, so nothing of it may hear that.
StashWindow::~StashWindow() {
    for (QAbstractItemView* view : findChildren<QAbstractItemView*>()) {
        disconnect(view->itemDelegate(), nullptr, this, nullptr);
        if (view->selectionModel())
            disconnect(view->selectionModel(), nullptr, this, nullptr);
    }
}

StashWindow::StashWindow(QWidget* main)
    : QWidget(main, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
      m_main(main) {
    setObjectName(QStringLiteral("StashWindow"));
    setWindowTitle(tr("Stash"));
    auto* outer = new QVBoxLayout(this);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("StashProblem"));
    m_problem->setWordWrap(true);
    look::setTextColour(m_problem, QColor(0xb0, 0, 0));
    m_problem->hide();
    outer->addWidget(m_problem);
    m_offers = new QWidget(this);
    auto* offers = new QHBoxLayout(m_offers);
    offers->setContentsMargins(0, 0, 0, 0);
    m_startNew = button(m_offers, tr("Start a New Stash"), "StartNewStashButton");
    m_keepReadOnly = button(m_offers, tr("Keep It Read Only"), "KeepReadOnlyButton");
    m_writeAgain = button(m_offers, tr("Write Again"), "WriteAgainButton");
    for (QPushButton* b : {m_startNew, m_keepReadOnly, m_writeAgain})
        offers->addWidget(b);
    offers->addStretch(1);
    m_offers->hide();
    outer->addWidget(m_offers);
    connect(m_startNew, &QPushButton::clicked, this, &StashWindow::startNewRequested);
    connect(m_keepReadOnly, &QPushButton::clicked, this, &StashWindow::keepReadOnlyRequested);
    connect(m_writeAgain, &QPushButton::clicked, this, &StashWindow::writeAgainRequested);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("StashTabs"));
    m_tabs->addTab(buildStashTab(), tr("Stash"));
    m_tabs->addTab(buildBatchesTab(), tr("Batches"));
    m_tabs->addTab(buildFlavoursTab(), tr("Flavours"));
    outer->addWidget(m_tabs, 1);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1)
            Q_EMIT batchesShown();
        if (tab == 2)
            Q_EMIT flavoursShown();
    });
    resize(820, 460);
}

QWidget* StashWindow::buildStashTab() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_bottleSearch = new QLineEdit(page);
    m_bottleSearch->setObjectName(QStringLiteral("BottleSearch"));
    m_bottleSearch->setPlaceholderText(tr("Search the stash"));
    m_bottleSearch->setClearButtonEnabled(true);
    m_bottleSearch->setAccessibleName(tr("Search the stash"));
    layout->addWidget(m_bottleSearch);
    m_bottles = new BottleModel(this);
    m_bottleProxy = new SearchProxy(this);
    m_bottleProxy->setSourceModel(m_bottles);
    // A row being edited stays where it is; the order is put right when the editing ends.
    m_bottleProxy->setDynamicSortFilter(false);
    m_bottleView = table(page, "BottleList", m_bottleProxy, true);
    m_bottleView->setAccessibleName(tr("Bottles"));
    auto* delegate = new BottleDelegate(m_bottleView);
    m_bottleView->setItemDelegate(delegate);
    connect(delegate, &QAbstractItemDelegate::closeEditor, this,
            [this] { QTimer::singleShot(0, this, &StashWindow::sortWhenIdle); });
    m_bottleView->setEditTriggers(QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed);
    const int widths[] = {100, 140, 100, 80, 70, 60, 60, 100, 50, 120};
    fitColumns(m_bottleView, widths);
    m_bottleView->sortByColumn(BottleModel::Kind, Qt::AscendingOrder);
    connect(m_bottleView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (m_kindsOffered.isValid() && current.row() != m_kindsOffered.row())
                    closeKinds();
            });
    // A kind picked from the offered list is the bottle's: the list has done its work.
    connect(delegate, &QAbstractItemDelegate::commitData, this, [this](QWidget* editor) {
        if (m_kindsOffered.isValid() && m_bottleView->indexWidget(m_kindsOffered) == editor)
            QTimer::singleShot(0, this, &StashWindow::closeKinds);
    });
    layout->addWidget(m_bottleView, 1);
    m_emptyHint = new QLabel(
        tr("Your stash is empty: press Add, choose the kind and type the bottle's name."), page);
    m_emptyHint->setObjectName(QStringLiteral("EmptyStashHint"));
    m_emptyHint->setWordWrap(true);
    layout->addWidget(m_emptyHint);
    m_needs = new QLabel(page);
    m_needs->setObjectName(QStringLiteral("StashNeeds"));
    m_needs->setTextFormat(Qt::RichText);
    m_needs->setWordWrap(true);
    layout->addWidget(m_needs);
    auto* row = new QHBoxLayout;
    QPushButton* add = m_add = button(page, tr("Add"), "AddBottleButton");
    QPushButton* remove = m_remove = button(page, tr("Remove"), "RemoveBottleButton");
    m_import = button(page, tr("Import CSV..."), "ImportCsvButton");
    m_import->setToolTip(tr("Add or update bottles from a spreadsheet's CSV file"));
    m_mixIt = button(page, tr("Mix It..."), "MixItButton");
    m_mixIt->setToolTip(tr("Record a batch of the mix in the window (Ctrl+B)"));
    row->addWidget(add);
    row->addWidget(remove);
    row->addWidget(m_import);
    row->addStretch(1);
    row->addWidget(m_mixIt);
    layout->addLayout(row);
    connect(m_bottleSearch, &QLineEdit::textChanged, m_bottleProxy, &SearchProxy::setWords);
    connect(add, &QPushButton::clicked, this, &StashWindow::addRequested);
    connect(m_import, &QPushButton::clicked, this, &StashWindow::importRequested);
    connect(remove, &QPushButton::clicked, this, [this] {
        if (const auto b = selectedBottle())
            Q_EMIT removeRequested(b->id);
    });
    connect(m_mixIt, &QPushButton::clicked, this, &StashWindow::mixItRequested);
    return page;
}

QWidget* StashWindow::buildBatchesTab() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_batchSearch = new QLineEdit(page);
    m_batchSearch->setObjectName(QStringLiteral("BatchSearch"));
    m_batchSearch->setPlaceholderText(tr("Search the batches"));
    m_batchSearch->setClearButtonEnabled(true);
    m_batchSearch->setAccessibleName(tr("Search the batches"));
    layout->addWidget(m_batchSearch);
    m_batches = new BatchModel(this);
    m_batchProxy = new SearchProxy(this);
    m_batchProxy->setSourceModel(m_batches);
    m_batchView = table(page, "BatchList", m_batchProxy);
    m_batchView->setAccessibleName(tr("Batches"));
    m_batchView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_batchView->sortByColumn(BatchModel::Mixed, Qt::DescendingOrder);
    const int widths[] = {240, 160, 70, 70, 100, 120};
    fitColumns(m_batchView, widths);
    layout->addWidget(m_batchView, 1);
    auto* row = new QHBoxLayout;
    QPushButton* copy = button(page, tr("Open Recipe"), "OpenBatchCopyButton");
    copy->setToolTip(tr("The recipe as it was mixed, as a new mix"));
    QPushButton* file = button(page, tr("Open File"), "OpenBatchFileButton");
    QPushButton* label = button(page, tr("Print Label..."), "PrintLabelButton");
    QPushButton* undo = m_undoBatch = button(page, tr("Undo Last Batch"), "UndoBatchButton");
    QPushButton* csv = m_exportCsv = button(page, tr("Export CSV..."), "ExportBatchesButton");
    for (QPushButton* b : {copy, file, label, undo, csv})
        row->addWidget(b);
    layout->addLayout(row);
    connect(m_batchSearch, &QLineEdit::textChanged, m_batchProxy, &SearchProxy::setWords);
    // What needs a batch asks for one; the newest is chosen when nothing is.
    const auto follow = [this, copy, file, label] {
        if (!m_batchView->selectionModel()->hasSelection() && m_batchProxy->rowCount() > 0)
            m_batchView->selectRow(0);
        const auto b = selectedBatch();
        copy->setEnabled(b.has_value());
        label->setEnabled(b.has_value());
        file->setEnabled(b && !b->file.isEmpty());
        file->setToolTip(b && !b->file.isEmpty() ? b->file : QString());
        updateBatchButtons();
    };
    connect(m_batchProxy, &QAbstractItemModel::modelReset, this, follow);
    connect(m_batchProxy, &QAbstractItemModel::layoutChanged, this, follow);
    connect(m_batchView->selectionModel(), &QItemSelectionModel::selectionChanged, this, follow);
    follow();
    connect(m_batchView, &QTableView::doubleClicked, this, [this] {
        if (const auto b = selectedBatch())
            Q_EMIT openCopyRequested(b->id);
    });
    connect(copy, &QPushButton::clicked, this, [this] {
        if (const auto b = selectedBatch())
            Q_EMIT openCopyRequested(b->id);
    });
    connect(file, &QPushButton::clicked, this, [this] {
        if (const auto b = selectedBatch(); b && !b->file.isEmpty())
            Q_EMIT openFileRequested(b->file);
    });
    connect(label, &QPushButton::clicked, this, [this] {
        if (const auto b = selectedBatch())
            Q_EMIT printLabelRequested(b->id);
    });
    connect(undo, &QPushButton::clicked, this, &StashWindow::undoBatchRequested);
    connect(csv, &QPushButton::clicked, this, &StashWindow::exportRequested);
    return page;
}

QWidget* StashWindow::buildFlavoursTab() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* search = new QLineEdit(page);
    search->setObjectName(QStringLiteral("FlavourSearch"));
    search->setPlaceholderText(tr("Search the flavours"));
    search->setClearButtonEnabled(true);
    search->setAccessibleName(tr("Search the flavours"));
    layout->addWidget(search);
    m_flavours = new FlavourModel(this);
    m_flavourProxy = new SearchProxy(this);
    m_flavourProxy->setSourceModel(m_flavours);
    m_flavourProxy->setDynamicSortFilter(false); // a row being edited stays where it is
    m_flavourView = table(page, "FlavourList", m_flavourProxy, true);
    m_flavourView->setAccessibleName(tr("Flavours"));
    auto* delegate = new FlavourDelegate(m_flavourView);
    m_flavourView->setItemDelegate(delegate);
    m_flavourView->setEditTriggers(QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
    const int widths[] = {150, 60, 70, 70, 70, 80, 90, 55, 80, 160};
    fitColumns(m_flavourView, widths);
    m_flavourView->sortByColumn(FlavourModel::Name, Qt::AscendingOrder);
    connect(delegate, &QAbstractItemDelegate::closeEditor, this, [this] {
        QTimer::singleShot(0, this, [this] {
            m_flavourProxy->sort(m_flavourProxy->sortColumn(), m_flavourProxy->sortOrder());
        });
    });
    layout->addWidget(m_flavourView, 1);
    m_flavoursHint = new QLabel(tr("The flavours of the recipes in your recipe folders, with "
                                   "a share, are listed here once the folders have been read."),
                                page);
    m_flavoursHint->setObjectName(QStringLiteral("FlavoursHint"));
    m_flavoursHint->setWordWrap(true);
    layout->addWidget(m_flavoursHint);
    connect(search, &QLineEdit::textChanged, m_flavourProxy, &SearchProxy::setWords);
    return page;
}

void StashWindow::setFlavours(std::vector<FlavourRow> rows) {
    m_flavoursHint->setVisible(rows.empty());
    m_flavours->setRows(std::move(rows));
    if (!static_cast<CellTable*>(m_flavourView)->editing())
        m_flavourProxy->sort(m_flavourProxy->sortColumn(), m_flavourProxy->sortOrder());
}

void StashWindow::showFlavours() {
    m_tabs->setCurrentIndex(2);
}

void StashWindow::showStash() {
    m_tabs->setCurrentIndex(0);
}

void StashWindow::showBatches() {
    m_tabs->setCurrentIndex(1);
}

void StashWindow::setProblem(const QString& line, Offer offer) {
    m_problem->setText(line);
    m_problem->setVisible(!line.isEmpty());
    m_startNew->setVisible(offer == Offer::StartNew);
    m_keepReadOnly->setVisible(offer == Offer::StartNew);
    m_writeAgain->setVisible(offer == Offer::WriteAgain);
    m_offers->setVisible(offer != Offer::None);
}

void StashWindow::setBottles(const std::vector<Bottle>& bottles) {
    // The current cell follows its bottle, wherever the sort takes it.
    const QModelIndex current = m_bottleView->currentIndex();
    std::int64_t id = 0;
    int column = BottleModel::Name;
    if (current.isValid()) {
        id = m_bottles->bottleAt(m_bottleProxy->mapToSource(current).row()).id;
        column = current.column();
    }
    if (!m_bottles->updateBottles(bottles)) {
        m_bottles->setBottles(bottles);
        if (id != 0)
            selectBottle(id, column);
    }
    m_emptyHint->setVisible(bottles.empty());
    sortWhenIdle();
}

void StashWindow::sortWhenIdle() {
    if (static_cast<CellTable*>(m_bottleView)->editing())
        return; // put right when the editor closes
    const QModelIndex current = m_bottleView->currentIndex();
    m_bottleProxy->sort(m_bottleProxy->sortColumn(), m_bottleProxy->sortOrder());
    if (current.isValid())
        m_bottleView->scrollTo(m_bottleView->currentIndex());
}

void StashWindow::updateBatchButtons() {
    const bool any = m_batches->rowCount() > 0;
    m_undoBatch->setEnabled(any && m_writable);
    m_exportCsv->setEnabled(any);
}

void StashWindow::selectBottle(std::int64_t id, int column) {
    const int row = m_bottles->rowOf(id);
    if (row < 0)
        return;
    const QModelIndex at = m_bottleProxy->mapFromSource(m_bottles->index(row, column));
    m_bottleView->setCurrentIndex(at);
    m_bottleView->scrollTo(at);
}

void StashWindow::selectBottle(std::int64_t id) {
    selectBottle(id, BottleModel::Name);
}

void StashWindow::editBottle(std::int64_t id, int column) {
    if (m_bottles->rowOf(id) < 0)
        return;
    selectBottle(id, column);
    m_bottleView->edit(m_bottleView->currentIndex());
}

void StashWindow::offerKinds(std::int64_t id) {
    const int row = m_bottles->rowOf(id);
    if (row < 0)
        return;
    closeKinds();
    m_kindsOffered = m_bottleProxy->mapFromSource(m_bottles->index(row, BottleModel::Kind));
    m_bottleView->openPersistentEditor(m_kindsOffered);
    if (auto* kinds = m_bottleView->indexWidget(m_kindsOffered))
        kinds->setAccessibleName(tr("The new bottle's kind"));
}

void StashWindow::closeKinds() {
    if (m_kindsOffered.isValid())
        m_bottleView->closePersistentEditor(m_kindsOffered);
    m_kindsOffered = QPersistentModelIndex();
}

void StashWindow::setNeeds(const QStringList& lines, const std::vector<bool>& enough) {
    if (lines.isEmpty()) {
        m_needs->setText(tr("The mix in the window needs nothing yet."));
        return;
    }
    QString html =
        QStringLiteral("<b>%1</b><br>").arg(tr("For the mix in the window:").toHtmlEscaped());
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].toHtmlEscaped();
        html += enough[static_cast<std::size_t>(i)]
                    ? line
                    : QStringLiteral("<span style=\"color:%1\">")
                              .arg(look::readable(QColor(0xd0, 0, 0), look::backgroundOf(m_needs))
                                       .name()) +
                          line + QStringLiteral("</span>");
        html += QStringLiteral("<br>");
    }
    m_needs->setText(html);
}

void StashWindow::setWritable(bool on) {
    for (QPushButton* b : {m_add, m_remove, m_import, m_mixIt})
        b->setEnabled(on);
    m_writable = on;
    updateBatchButtons();
    m_bottles->setEditable(on);
    m_flavours->setEditable(on);
}

std::optional<Bottle> StashWindow::selectedBottle() const {
    const QModelIndex current = m_bottleView->currentIndex();
    if (!current.isValid() || !m_bottleView->selectionModel()->isSelected(current))
        return std::nullopt;
    return m_bottles->bottleAt(m_bottleProxy->mapToSource(current).row());
}

std::optional<Batch> StashWindow::selectedBatch() const {
    const QModelIndexList rows = m_batchView->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return m_batches->batchAt(m_batchProxy->mapToSource(rows.first()).row());
}

} // namespace kovaq
