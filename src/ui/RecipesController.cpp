// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipesController.h"

#include "FileAccess.h"
#include "FileFlows.h"
#include "MixCalculator.h"
#include "Numbers.h"
#include "PageMetrics.h"
#include "PrintJob.h"
#include "Prompts.h"
#include "QtText.h"
#include "RecipeFile.h"
#include "RecipeLibrary.h"
#include "RecipeListModel.h"
#include "RecipeScan.h"
#include "RecipesWindow.h"
#include "ReportDocument.h"
#include "ToolWindow.h"
#include "Workbench.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPrinter>
#include <QStandardPaths>
#include <QTableView>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <map>

namespace kovaq {
namespace {

std::vector<std::string> nativeFolders(const QStringList& folders) {
    std::vector<std::string> out;
    for (const QString& f : folders)
        out.push_back(NativeFromPath(f));
    return out;
}

} // namespace

RecipesController::RecipesController(Workbench& app, Prompts& prompts, QObject* parent)
    : QObject(parent), m_app(app), m_prompts(prompts), m_post(std::make_shared<RecipePost>(this)),
      m_cancel(std::make_shared<std::atomic<bool>>(false)) {}

// A reading of needs under way ends at its next file and hands nothing back.
RecipesController::~RecipesController() {
    m_cancel->store(true);
    m_post->forget();
}

QStringList RecipesController::folders() const {
    const AppSettings& s = m_app.settings();
    if (!s.RecipeFolders.isEmpty())
        return s.RecipeFolders;
    // None chosen: where recipes are opened and saved.
    QStringList folders{s.LoadDir};
    if (s.SaveDir != s.LoadDir)
        folders << s.SaveDir;
    folders.removeAll(QString());
    return folders;
}

RecipeLibrary& RecipesController::library() {
    if (!m_library) {
        if (m_indexFile.isEmpty()) {
            const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
            QDir().mkpath(cache);
            m_indexFile = cache + QStringLiteral("/recipe-index");
        }
        m_library = new RecipeLibrary(NativeFromPath(m_indexFile), this);
        m_library->setSettle(WindowRecipeSettle()); // each recipe read as the window loads it
        m_library->setFolders(nativeFolders(folders()));
        follow(*m_library);
    }
    return *m_library;
}

RecipesWindow& RecipesController::window() {
    if (m_window)
        return *m_window;
    m_window = new RecipesWindow(library(), m_prompts, &m_app.mainWidget());
    AdoptToolWindow(*m_window, m_app.settings().RecipesPlace, &m_app.mainWidget());
    m_window->setColumnsText(m_app.settings().RecipesColumns);
    m_window->model().setMakeable(&m_table);
    const QStringList sort = m_app.settings().RecipesSort.split(QLatin1Char(' '));
    bool ok = false;
    const int column = sort.value(0).toInt(&ok);
    if (ok)
        m_window->list()->sortByColumn(column, sort.value(1) == QStringLiteral("desc")
                                                   ? Qt::DescendingOrder
                                                   : Qt::AscendingOrder);
    connect(m_window, &RecipesWindow::openRequested, this,
            [this](const QString& path) { m_app.openRecipeFile(path); });
    connect(m_window, &RecipesWindow::duplicateRequested, this, &RecipesController::duplicate);
    connect(m_window, &RecipesWindow::stashRequested, this, &RecipesController::stashRequested);
    connect(m_window, &RecipesWindow::copyRecipeRequested, this,
            &RecipesController::copyRecipeRequested);
    connect(m_window, &RecipesWindow::oneBottleAwayRequested, this,
            &RecipesController::showOneBottleAway);
    connect(m_window, &RecipesWindow::shoppingRequested, this, &RecipesController::addToShopping);
    // Kept as they change, so that a crash does not lose them.
    connect(m_window->list()->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { m_app.settings().RecipesColumns = columnsText(); });
    connect(m_window->list()->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this] { m_app.settings().RecipesSort = sortText(); });
    connect(m_window, &RecipesWindow::foldersChosen, this, [this](const QStringList& f) {
        m_app.settings().RecipeFolders = f;
        library().setFolders(nativeFolders(f));
    });
    return *m_window;
}

bool RecipesController::isVisible() const {
    return m_window && m_window->isVisible();
}

void RecipesController::show() {
    RecipesWindow& w = window();
    if (!m_started) {
        m_started = true;
        library().start();
    }
    ShowToolWindow(w);
    w.selectPath(m_app.settings().LastFile);
}

QString RecipesController::sortText() const {
    if (!m_window)
        return m_app.settings().RecipesSort;
    return QStringLiteral("%1 %2")
        .arg(m_window->model().sortColumn())
        .arg(m_window->model().sortOrder() == Qt::AscendingOrder ? QStringLiteral("asc")
                                                                 : QStringLiteral("desc"));
}

QString RecipesController::columnsText() const {
    return m_window ? m_window->columnsText() : m_app.settings().RecipesColumns;
}

void RecipesController::duplicate(const QString& path) {
    m_app.guarded([&] {
        const QFileInfo source(path);
        const QString base = source.completeBaseName();
        QString copy = source.dir().filePath(base + QStringLiteral(" copy.mix"));
        for (int n = 2; QFileInfo::exists(copy) || QFileInfo(copy).isSymLink(); ++n)
            copy = source.dir().filePath(base + QStringLiteral(" copy %1.mix").arg(n));
        const FileBytes bytes = ReadRegularFile(NativeFromPath(path), std::size_t(1) << 30);
        if (bytes.status != ReadStatus::Ok ||
            !ReplaceFileContents(NativeFromPath(copy), bytes.bytes)) {
            m_prompts.errorBox(m_window, tr("Unable to write to %1.").arg(copy));
            return;
        }
        if (m_library)
            m_library->refreshFile(NativeFromPath(copy));
        m_app.openRecipeFile(copy);
    });
}

void RecipesController::fileSaved(const QString& path) {
    if (m_library)
        m_library->refreshFile(NativeFromPath(path));
    fileOpened(path);
}

void RecipesController::fileOpened(const QString& path) {
    if (m_window)
        m_window->selectPath(path);
}

// What each recipe takes from the stash follows the library's every change by the file's
// path: read afresh for a file new or changed, forgotten for a file gone.
void RecipesController::follow(RecipeLibrary& lib) {
    connect(&lib, &RecipeLibrary::resetDone, this, [this, &lib] {
        std::vector<std::string> gone;
        for (const auto& [native, stamp] : m_needsStamp)
            if (!lib.find(native))
                gone.push_back(native);
        for (const std::string& native : gone)
            forgetNeeds(native);
        for (int i = 0; i < lib.count(); ++i)
            queueNeeds(lib.item(i));
        readNeeds();
        if (!gone.empty())
            figuresChanged({});
    });
    connect(&lib, &RecipeLibrary::added, this, [this, &lib](const std::string& native) {
        if (const RecipeItem* item = lib.find(native))
            queueNeeds(*item);
        readNeeds();
    });
    connect(&lib, &RecipeLibrary::updated, this, [this, &lib](const std::string& native) {
        if (const RecipeItem* item = lib.find(native))
            queueNeeds(*item);
        readNeeds();
    });
    connect(&lib, &RecipeLibrary::addedTogether, this,
            [this](const std::vector<const RecipeItem*>& items) {
                for (const RecipeItem* item : items)
                    queueNeeds(*item);
                readNeeds();
            });
    // The shopping list is worked out again once the files have left the library.
    connect(&lib, &RecipeLibrary::aboutToRemove, this, [this](const std::string& native) {
        forgetNeeds(native);
        QTimer::singleShot(0, this, &RecipesController::updateShopping);
    });
    connect(&lib, &RecipeLibrary::aboutToRemoveTogether, this,
            [this](const std::vector<const RecipeItem*>& items) {
                for (const RecipeItem* item : items)
                    forgetNeeds(std::string(item->row->native()));
                QTimer::singleShot(0, this, &RecipesController::updateShopping);
            });
}

void RecipesController::queueNeeds(const RecipeItem& item) {
    const RecipeRow& row = *item.row;
    std::string native(row.native());
    if (!row.problem().empty()) { // not a recipe: nothing to make
        forgetNeeds(native);
        return;
    }
    // Read already, or being read, as the file stands in the list.
    for (const auto* read : {&m_needsStamp, &m_needsReading})
        if (const auto at = read->find(native); at != read->end() && at->second == row.stamp())
            return;
    m_needsPending.insert(std::move(native));
}

void RecipesController::forgetNeeds(const std::string& native) {
    m_needsPending.erase(native);
    m_needsReading.erase(native); // what is being read of it is not taken
    if (m_needsStamp.erase(native))
        m_table.removeRecipe(native);
}

void RecipesController::readNeeds() {
    if (m_needsBusy || m_needsPending.empty())
        return;
    m_needsBusy = true;
    std::vector<std::string> files(m_needsPending.begin(), m_needsPending.end());
    m_needsPending.clear();
    // Each is known by the file as the list has it: a file changed since is read again when
    // the list follows the change.
    m_needsReading.clear();
    for (const std::string& native : files) {
        const RecipeItem* item = m_library ? m_library->find(native) : nullptr;
        m_needsReading[native] = item ? item->row->stamp() : FileStamp{};
    }
    auto post = m_post;
    auto cancel = m_cancel;
    RecipesController* self = this; // called back only while it lives: see RecipePost
    // Read as the window loads it, as the list's rows are, on a thread of its own.
    QThreadPool::globalInstance()->start([files = std::move(files), post, cancel, self] {
        YieldToTheWindow();
        const RecipeSettle settle = WindowRecipeSettle()();
        std::vector<ReadNeeds> read;
        read.reserve(files.size());
        for (const std::string& native : files) {
            if (cancel->load())
                return;
            ReadNeeds r{native, {}};
            const MixRecipe recipe = settle(LoadRecipe(native).recipe);
            r.needs = NeedsOfMix(recipe, Recalculate(recipe));
            read.push_back(std::move(r));
        }
        (*post)([self, read = std::move(read)]() mutable { self->takeNeeds(std::move(read)); });
    });
}

void RecipesController::takeNeeds(std::vector<ReadNeeds> read) {
    m_needsBusy = false;
    const auto reading = std::exchange(m_needsReading, {});
    std::vector<std::string> changed;
    for (ReadNeeds& r : read) {
        // Gone, or a problem now, while it was read: not listed as a recipe.
        const RecipeItem* item = m_library ? m_library->find(r.native) : nullptr;
        const auto stamp = reading.find(r.native);
        if (!item || !item->row->problem().empty() || stamp == reading.end())
            continue;
        m_needsStamp[r.native] = stamp->second;
        m_table.setRecipe(r.native, std::move(r.needs));
        changed.push_back(std::move(r.native));
        if (item->row->stamp() != stamp->second) // changed again since: read once more
            queueNeeds(*item);
    }
    if (!changed.empty())
        figuresChanged(changed);
    readNeeds();
}

void RecipesController::setBottles(const std::vector<Bottle>& bottles) {
    // A change or two (an edit, a bottle added or removed) reworks only the recipes that use
    // what they serve; many at once (a batch, the first reading) rework them all.
    std::map<std::int64_t, const Bottle*> before;
    for (const Bottle& b : m_bottles)
        before[b.id] = &b;
    std::vector<std::pair<const Bottle*, const Bottle*>> edits;
    for (const Bottle& b : bottles) {
        const auto was = before.find(b.id);
        if (was == before.end()) {
            edits.emplace_back(nullptr, &b);
            continue;
        }
        if (!(*was->second == b))
            edits.emplace_back(was->second, &b);
        before.erase(was);
    }
    for (const auto& [id, b] : before)
        edits.emplace_back(b, nullptr);
    if (edits.empty())
        return;
    if (edits.size() > 8) {
        m_table.setBottles(bottles);
        m_bottles = bottles;
        figuresChanged({});
        return;
    }
    std::set<std::string> touched;
    for (const auto& [was, now] : edits)
        for (std::string& id : m_table.bottleChanged(was, now))
            touched.insert(std::move(id));
    m_bottles = bottles;
    if (!touched.empty())
        figuresChanged({touched.begin(), touched.end()});
    else
        updateShopping(); // what is on hand may differ though no recipe's figure moved
}

// Every figure named (all when none are) is shown anew wherever it is shown.
void RecipesController::figuresChanged(const std::vector<std::string>& natives) {
    if (m_window)
        m_window->model().makeableChanged(natives);
    updateShopping();
    updateOneBottleAway();
}

void RecipesController::showOneBottleAway() {
    if (!m_oneBottle) {
        m_oneBottle = new OneBottleAwayDialog(m_window ? static_cast<QWidget*>(m_window)
                                                       : &m_app.mainWidget());
        m_oneBottle->setModal(false);
    }
    updateOneBottleAway();
    ShowToolWindow(*m_oneBottle);
}

void RecipesController::updateOneBottleAway() {
    if (!m_oneBottle)
        return;
    const std::vector<MissingBottle> bottles = OneBottleAway(m_table.results());
    std::vector<QStringList> names;
    names.reserve(bottles.size());
    for (const MissingBottle& b : bottles) {
        QStringList recipes;
        for (const std::size_t place : b.which) {
            const RecipeItem* item = m_library ? m_library->find(m_table.idAt(place)) : nullptr;
            recipes << (item ? ToQString(item->row->name()) : PathFromNative(m_table.idAt(place)));
        }
        recipes.sort(Qt::CaseInsensitive);
        names.push_back(recipes);
    }
    m_oneBottle->setBottles(bottles, names);
}

ShoppingWindow& RecipesController::shoppingWindow() {
    if (m_shopping)
        return *m_shopping;
    m_shopping = new ShoppingWindow(&m_app.mainWidget());
    AdoptToolWindow(*m_shopping, m_app.settings().ShoppingPlace, &m_app.mainWidget());
    connect(m_shopping, &ShoppingWindow::amountChanged, this, [this](int order, double ml) {
        if (order >= 0 && order < static_cast<int>(m_orders.size())) {
            m_orders[static_cast<std::size_t>(order)].ml = ml;
            updateShopping();
        }
    });
    connect(m_shopping, &ShoppingWindow::removeRequested, this, [this](int order) {
        if (order >= 0 && order < static_cast<int>(m_orders.size())) {
            m_orders.erase(m_orders.begin() + order);
            m_shopping->setOrders(m_orders);
            updateShopping();
        }
    });
    connect(m_shopping, &ShoppingWindow::copyRequested, this,
            [this] { QGuiApplication::clipboard()->setText(ShoppingListText(m_list)); });
    connect(m_shopping, &ShoppingWindow::printRequested, this, &RecipesController::printShopping);
    connect(m_shopping, &ShoppingWindow::saveRequested, this, &RecipesController::saveShopping);
    return *m_shopping;
}

void RecipesController::addToShopping(const QString& path) {
    if (path.isEmpty())
        return;
    const std::string native = NativeFromPath(path);
    const bool listed = std::any_of(m_orders.begin(), m_orders.end(),
                                    [&path](const auto& o) { return o.path == path; });
    if (!listed) {
        const RecipeItem* item = m_library ? m_library->find(native) : nullptr;
        const std::optional<RecipeNeeds> needs = m_table.needsOf(native);
        m_orders.push_back({path, item ? ToQString(item->row->name()) : QFileInfo(path).fileName(),
                            needs && needs->volumeMl > 0 ? needs->volumeMl
                                                         : (item ? item->row->volumeValue() : 0)});
    }
    ShoppingWindow& w = shoppingWindow();
    w.setOrders(m_orders);
    updateShopping();
    ShowToolWindow(w);
}

void RecipesController::updateShopping() {
    if (!m_shopping)
        return;
    std::vector<RecipeNeeds> needs; // the orders point into it: never grown past its room
    needs.reserve(m_orders.size());
    std::vector<ShoppingOrder> orders;
    QStringList gone;
    for (const ShoppingWindow::Order& o : m_orders) {
        const std::string native = NativeFromPath(o.path);
        if (std::optional<RecipeNeeds> n = m_table.needsOf(native)) {
            needs.push_back(std::move(*n));
            orders.push_back({&needs.back(), o.ml, o.name});
        } else if (!m_library || !m_library->find(native))
            gone << o.name; // a recipe still being read comes in as soon as it is
    }
    m_list = MakeShoppingList(orders, m_table.stash());
    m_list.unmixable << gone;
    m_shopping->setList(m_list);
}

void RecipesController::printShopping() {
    m_app.guarded([this] {
        if (!m_printer)
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!m_prompts.choosePrinter(*m_printer, m_shopping))
            return;
        const int points = ReportPointSize(PrintOptions{}.TextSize);
        ReportDocument doc;
        doc.SetSize(points + 2);
        doc.SetBold(true);
        doc.AppendLine(tr("Shopping List"));
        doc.SetBold(false);
        doc.SetSize(points);
        for (const ShoppingWindow::Order& o : m_orders)
            doc.AppendLine(tr("%1: %2 ml").arg(o.name, ToQString(FormatNumber(o.ml))));
        doc.AppendLine(QString());
        for (const QString& line : ShoppingListText(m_list).split(QLatin1Char('\n')))
            if (!line.isEmpty())
                doc.AppendLine(line);
        const PageMetrics metrics = MetricsOf(*m_printer, 96, PrintDialogWidth);
        const QString error = PrintReport(
            *m_printer, doc, metrics,
            ComputeMargins(metrics, PrintOptions{}.LeftMargin, PrintOptions{}.TopMargin));
        if (!error.isEmpty())
            m_prompts.errorBox(m_shopping, error);
    });
}

void RecipesController::saveShopping() {
    m_app.guarded([this] {
        QString path = m_prompts.saveFileName(m_shopping, m_app.settings().SaveDir,
                                              tr("shopping list.csv"), tr("CSV files (*.csv)"));
        if (path.isEmpty())
            return;
        if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
            path += QStringLiteral(".csv");
        WriteChosenFile(m_prompts, m_shopping, path, ShoppingListCsv(m_list));
    });
}

} // namespace kovaq
