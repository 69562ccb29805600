// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipesWindow.h"

#include "FileAccess.h"
#include "Look.h"
#include "Prompts.h"
#include "QtText.h"
#include "RecipeLibrary.h"
#include "RecipeListModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

namespace kovaq {
namespace {

QString warningCaption() {
    return QCoreApplication::translate("kovaq::RecipesWindow", "Warning...");
}

// Names and flavours with the searched words lit, as a marker pen would.
class HighlightDelegate : public QStyledItemDelegate {
  public:
    HighlightDelegate(const RecipeListModel& model, QObject* parent)
        : QStyledItemDelegate(parent), m_model(model) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QString text = index.data(Qt::DisplayRole).toString();
        const auto ranges = m_model.query().empty() ? std::vector<std::pair<int, int>>()
                                                    : HighlightRanges(text, m_model.query());
        if (ranges.empty()) {
            QStyledItemDelegate::paint(p, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, p, opt.widget);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget)
                               .adjusted(3, 0, -3, 0);
        const QFontMetrics fm(opt.font);
        const QString shown = fm.elidedText(text, Qt::ElideRight, area.width());
        p->save();
        p->setClipRect(area);
        const int baseline = area.top() + (area.height() + fm.ascent() - fm.descent()) / 2;
        for (const auto& [start, length] : ranges) {
            if (start >= shown.size())
                break;
            const int x = area.left() + fm.horizontalAdvance(shown.left(start));
            const int w = fm.horizontalAdvance(shown.mid(start, length));
            p->fillRect(QRect(x, area.top() + 1, w, area.height() - 2),
                        look::readable(QColor(255, 226, 102), opt.palette.color(QPalette::Text)));
        }
        const bool selected = opt.state & QStyle::State_Selected;
        p->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        p->setFont(opt.font);
        p->drawText(area.left(), baseline, shown);
        p->restore();
    }

  private:
    const RecipeListModel& m_model;
};

// A count as every figure Ko-Vaq shows: "1234", in every language.
QString count(int n) {
    return QString::number(n);
}

} // namespace

RecipesWindow::RecipesWindow(RecipeLibrary& library, Prompts& prompts, QWidget* main)
    : QWidget(main, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
      m_library(library), m_prompts(prompts), m_main(main) {
    setObjectName(QStringLiteral("RecipesWindow"));
    setWindowTitle(tr("Recipes"));
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("RecipeSearch"));
    m_search->setPlaceholderText(tr("Search: words of a name, flavour or note, 3mg, lemon 10%"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(tr("Search recipes"));
    m_search->installEventFilter(this);
    top->addWidget(m_search, 1);
    m_onlyMakeable = new QCheckBox(tr("Only what I can make"), this);
    m_onlyMakeable->setObjectName(QStringLiteral("OnlyMakeable"));
    m_onlyMakeable->setToolTip(tr("Lists only the recipes the bottles in your stash can make"));
    top->addWidget(m_onlyMakeable);
    outer->addLayout(top);

    m_model = new RecipeListModel(library, this);
    m_list = new QTableView(this);
    // The chosen recipe's file went. The view would choose the next row in its place; none
    // is chosen instead, and Enter says the recipe is gone rather than open another. Told
    // before the view, which is connected to the model after this.
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                const QModelIndexList rows = m_list->selectionModel()->selectedRows();
                if (rows.isEmpty() || rows.first().row() < first || rows.first().row() > last)
                    return;
                m_gone = rows.first().data(RecipeListModel::PathRole).toString();
                m_selectionGone = true;
            });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, [this] {
        if (std::exchange(m_selectionGone, false))
            m_list->selectionModel()->clearSelection();
    });
    m_list->setObjectName(QStringLiteral("RecipeList"));
    m_list->setAccessibleName(tr("Recipes"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(new HighlightDelegate(*m_model, m_list));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAlternatingRowColors(true);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    // Rows of one height: the view never measures 10,000 of them.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    QHeaderView* header = m_list->horizontalHeader();
    header->setSectionsMovable(false);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(RecipeListModel::Name, Qt::AscendingOrder);
    // What the stash can make stands beside what the recipe holds.
    header->moveSection(header->visualIndex(RecipeListModel::CanMake),
                        header->visualIndex(RecipeListModel::Flavours) + 1);
    // The flavours take the room there is; every header is readable, its sort mark beside.
    header->setStretchLastSection(false);
    header->setSectionResizeMode(RecipeListModel::Flavours, QHeaderView::Stretch);
    const int widths[] = {170, 60, 60, 50, 190, 50, 110, 160, 110, 120};
    static_assert(std::size(widths) == RecipeListModel::Columns);
    for (int c = 0; c < RecipeListModel::Columns; ++c)
        m_list->setColumnWidth(c, std::max(widths[c], header->sectionSizeHint(c) + 8));
    m_list->installEventFilter(this);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, &RecipesWindow::showRowMenu);
    outer->addWidget(m_list, 1);

    auto* row = new QHBoxLayout;
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("RecipeStatus"));
    row->addWidget(m_status, 1);
    auto* oneBottle = new QPushButton(tr("One Bottle Away..."), this);
    oneBottle->setObjectName(QStringLiteral("OneBottleAwayButton"));
    oneBottle->setToolTip(tr("The bottles that would each let you make more of your recipes"));
    auto* shopping = new QPushButton(tr("Add to Shopping List"), this);
    shopping->setObjectName(QStringLiteral("AddToShoppingButton"));
    shopping->setToolTip(
        tr("Puts the chosen recipe on the shopping list, with what to buy for it"));
    auto* folders = new QPushButton(tr("Folders..."), this);
    folders->setObjectName(QStringLiteral("RecipeFoldersButton"));
    auto* stash = new QPushButton(tr("Stash..."), this);
    stash->setObjectName(QStringLiteral("StashButton"));
    stash->setToolTip(tr("The bottles you own and the batches you mixed (Ctrl+T)"));
    auto* open = new QPushButton(tr("Open"), this);
    open->setObjectName(QStringLiteral("RecipeOpenButton"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("RecipesCloseButton"));
    for (QPushButton* b : {oneBottle, shopping, folders, stash, open, close}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    outer->addLayout(row);

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& typed) {
        m_gone.clear(); // a new search: Enter means its first row
        m_model->setQuery(typed);
    });
    connect(m_list, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        openPath(index.data(RecipeListModel::PathRole).toString());
    });
    connect(m_onlyMakeable, &QCheckBox::toggled, m_model, &RecipeListModel::setOnlyMakeable);
    connect(oneBottle, &QPushButton::clicked, this, &RecipesWindow::oneBottleAwayRequested);
    connect(shopping, &QPushButton::clicked, this, &RecipesWindow::addSelectedToShopping);
    connect(folders, &QPushButton::clicked, this, &RecipesWindow::editFolders);
    connect(open, &QPushButton::clicked, this, &RecipesWindow::openSelected);
    connect(stash, &QPushButton::clicked, this, &RecipesWindow::stashRequested);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // The selection moves with its row as the rows change; when they are all renewed (a
    // search, an order), it is chosen again by its path, noted as it is made.
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_resetting || m_selectionGone)
            return;
        m_keepSelected = selectedPath();
        if (!m_keepSelected.isEmpty())
            m_gone.clear();
    });
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_resetting = true; });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        m_resetting = false;
        if (!m_keepSelected.isEmpty())
            selectPath(m_keepSelected);
        updateStatus();
    });
    connect(&m_library, &RecipeLibrary::progress, this, [this](int done, int total) {
        m_readDone = done;
        m_readTotal = total;
        updateStatus();
    });
    connect(&m_library, &RecipeLibrary::readingStarted, this, [this] {
        m_readDone = m_readTotal = 0;
        updateStatus();
    });
    connect(&m_library, &RecipeLibrary::changed, this, &RecipesWindow::updateStatus);
    connect(&m_library, &RecipeLibrary::idle, this, &RecipesWindow::updateStatus);
    updateStatus();
}

QString RecipesWindow::selectedPath() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : rows.first().data(RecipeListModel::PathRole).toString();
}

void RecipesWindow::selectPath(const QString& path) {
    m_keepSelected = path; // and again once it is listed, if it is not yet
    const int row = m_model->rowOf(NativeFromPath(path));
    if (row < 0)
        return;
    m_list->selectRow(row);
    m_list->scrollTo(m_model->index(row, 0));
}

void RecipesWindow::updateStatus() {
    QString text;
    if (m_library.reading() && m_readTotal > 0 && m_readDone < m_readTotal)
        text = tr("Reading recipes\u2026 %1 of %2").arg(count(m_readDone), count(m_readTotal));
    else if (m_library.reading() || !m_library.indexed())
        text = tr("Reading recipes\u2026"); // not "0 recipes" while a folder is slow
    else if (m_model->query().empty())
        text = tr("%n recipe(s)", nullptr, m_library.count());
    else
        text = tr("%1 of %n recipe(s)", nullptr, m_library.count()).arg(count(m_model->matching()));
    for (const std::string& f : m_library.unreadableFolders())
        text = tr("%1 \u2014 cannot read %2").arg(text, PathFromNative(f));
    if (m_library.polling())
        text =
            tr("%1 \u2014 some folders read every %n second(s)", nullptr, m_library.pollSeconds())
                .arg(text);
    m_status->setText(text);
}

bool RecipesWindow::stillThere(const QString& path) {
    const std::string native = NativeFromPath(path);
    if (StampOf(native))
        return true;
    m_library.refreshFile(native); // its row goes now
    m_prompts.message(this, tr("%1 is no longer there.").arg(QFileInfo(path).fileName()),
                      warningCaption(), Prompts::Icon::Warning, Prompts::Buttons::Ok);
    return false;
}

void RecipesWindow::openSelected() {
    QString path = selectedPath();
    if (path.isEmpty() && !m_gone.isEmpty())
        path = std::exchange(m_gone, {}); // the chosen recipe, gone: said so below
    if (path.isEmpty() && m_model->rowCount() > 0)
        path = m_model->index(0, 0).data(RecipeListModel::PathRole).toString();
    openPath(path);
}

void RecipesWindow::openPath(const QString& path) {
    if (!path.isEmpty() && stillThere(path))
        Q_EMIT openRequested(path);
}

void RecipesWindow::duplicatePath(const QString& path) {
    if (!path.isEmpty() && stillThere(path))
        Q_EMIT duplicateRequested(path);
}

void RecipesWindow::showSelectedInFolder() {
    const QString path = selectedPath();
    if (!path.isEmpty())
        showInFolder(path);
}

void RecipesWindow::showInFolder(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (m_prompts.openUrl(QUrl::fromLocalFile(folder)))
        return;
    // No file manager took it: where the file is, so that the person can go there.
    m_prompts.message(this,
                      tr("No file manager is available to show the folder. The recipe is in "
                         "%1.")
                          .arg(QDir::toNativeSeparators(folder)),
                      tr("Show in folder"), Prompts::Icon::Information, Prompts::Buttons::Ok);
}

void RecipesWindow::addSelectedToShopping() {
    const QString path = selectedPath();
    if (!path.isEmpty() && stillThere(path))
        Q_EMIT shoppingRequested(path);
}

void RecipesWindow::copySelectedPath() {
    const QString path = selectedPath();
    if (!path.isEmpty())
        QGuiApplication::clipboard()->setText(path);
}

void RecipesWindow::trashSelected() {
    trashPath(selectedPath());
}

void RecipesWindow::trashPath(const QString& path) {
    if (path.isEmpty() || !stillThere(path))
        return;
    if (m_prompts.message(this, tr("Move %1 to the trash?").arg(QFileInfo(path).fileName()),
                          warningCaption(), Prompts::Icon::Warning,
                          Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
        return;
    // The folder may have changed while the question was up: still the file asked about?
    if (!stillThere(path))
        return;
    // The desktop's trash, where there is one; never a plain delete.
    if (!QFile::moveToTrash(path))
        m_prompts.errorBox(this, tr("Unable to move %1 to the trash.").arg(path));
    m_library.refreshFile(NativeFromPath(path));
}

void RecipesWindow::showRowMenu(const QPoint& at) {
    const QModelIndex index = m_list->indexAt(at);
    if (!index.isValid())
        return;
    m_list->selectRow(index.row());
    // Every command acts on the recipe clicked, whatever the rows do while the menu is up.
    const QString path = index.data(RecipeListModel::PathRole).toString();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("RecipeMenu"));
    menu.addAction(tr("Open"), this, [this, path] { openPath(path); });
    menu.addAction(tr("Show in folder"), this, [this, path] { showInFolder(path); });
    menu.addAction(tr("Add to Shopping List"), this, [this, path] {
        if (stillThere(path))
            Q_EMIT shoppingRequested(path);
    });
    menu.addAction(tr("Copy Recipe"), this, [this, path] { Q_EMIT copyRecipeRequested(path); });
    menu.addAction(tr("Copy path"), this, [path] { QGuiApplication::clipboard()->setText(path); });
    menu.addAction(tr("Duplicate"), this, [this, path] { duplicatePath(path); });
    menu.addSeparator();
    menu.addAction(tr("Move to trash..."), this, [this, path] { trashPath(path); });
    menu.exec(m_list->viewport()->mapToGlobal(at));
}

bool RecipesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openSelected();
            return true;
        }
        // From the search field, Down goes into the list.
        if (watched == m_search && key == Qt::Key_Down && m_model->rowCount() > 0) {
            m_list->setFocus();
            if (selectedPath().isEmpty())
                m_list->selectRow(0);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RecipesWindow::editFolders() {
    QStringList current;
    for (const std::string& f : m_library.folders())
        current << PathFromNative(f);
    RecipeFoldersDialog dialog(current, m_prompts, this);
    if (m_prompts.execDialog(dialog) == QDialog::Accepted && dialog.folders() != current)
        Q_EMIT foldersChosen(dialog.folders());
}

QSize RecipesWindow::sizeHint() const {
    int width = 0;
    for (int c = 0; c < RecipeListModel::Columns; ++c)
        width += m_list->columnWidth(c);
    const QMargins m = layout()->contentsMargins();
    width += m.left() + m.right() + 2 * m_list->frameWidth() +
             m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    QSize hint(width, 440);
    if (const QScreen* s = screen())
        hint = hint.boundedTo(s->availableGeometry().size() * 9 / 10);
    return hint.expandedTo(QWidget::sizeHint());
}

QString RecipesWindow::columnsText() const {
    QStringList widths;
    for (int c = 0; c < RecipeListModel::Columns; ++c)
        widths << QString::number(m_list->columnWidth(c));
    return widths.join(QLatin1Char(' '));
}

void RecipesWindow::setColumnsText(const QString& text) {
    const QStringList widths = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (widths.size() != RecipeListModel::Columns)
        return; // none kept, or kept by a window of other columns
    for (int c = 0; c < RecipeListModel::Columns; ++c) {
        bool ok = false;
        const int w = widths[c].toInt(&ok);
        if (ok && w >= 16 && w <= 4000 && c != RecipeListModel::Flavours)
            m_list->setColumnWidth(c, w);
    }
}

RecipeFoldersDialog::RecipeFoldersDialog(const QStringList& folders, Prompts& prompts,
                                         QWidget* parent)
    : QDialog(parent), m_prompts(prompts) {
    setObjectName(QStringLiteral("RecipeFoldersDialog"));
    setWindowTitle(tr("Recipe Folders"));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(
        new QLabel(tr("Recipes are looked for in these folders and every folder in them:"), this));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("RecipeFolderList"));
    m_list->addItems(folders);
    outer->addWidget(m_list);
    auto* row = new QHBoxLayout;
    m_add = new QPushButton(tr("Add..."), this);
    m_add->setObjectName(QStringLiteral("AddFolderButton"));
    m_remove = new QPushButton(tr("Remove"), this);
    m_remove->setObjectName(QStringLiteral("RemoveFolderButton"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    row->addWidget(m_add);
    row->addWidget(m_remove);
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    outer->addLayout(row);
    connect(m_add, &QPushButton::clicked, this, [this] {
        const QString start =
            m_list->count() ? m_list->item(m_list->count() - 1)->text() : QDir::homePath();
        const QString folder = m_prompts.folderName(this, start);
        if (!folder.isEmpty() && m_list->findItems(folder, Qt::MatchExactly).isEmpty())
            m_list->addItem(folder);
    });
    connect(m_remove, &QPushButton::clicked, this, [this] { delete m_list->currentItem(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 280);
}

QStringList RecipeFoldersDialog::folders() const {
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out << m_list->item(i)->text();
    return out;
}

} // namespace kovaq
