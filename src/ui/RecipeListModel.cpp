// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeListModel.h"

#include "FileAccess.h"
#include "Numbers.h"
#include "QtText.h"

#include <QColor>
#include <QDateTime>
#include <QLocale>

#include <algorithm>

namespace kovaq {
namespace {

double number(const std::string& text) {
    return ParseNumber(text);
}

} // namespace

RecipeListModel::RecipeListModel(RecipeLibrary& library, QObject* parent)
    : QAbstractTableModel(parent), m_library(library) {
    connect(&m_library, &RecipeLibrary::aboutToReset, this, [this] { beginResetModel(); });
    connect(&m_library, &RecipeLibrary::resetDone, this, [this] {
        rebuild();
        endResetModel();
    });
    connect(&m_library, &RecipeLibrary::added, this, &RecipeListModel::onAdded);
    connect(&m_library, &RecipeLibrary::aboutToRemove, this, &RecipeListModel::onAboutToRemove);
    connect(&m_library, &RecipeLibrary::updated, this, &RecipeListModel::onUpdated);
    rebuild();
}

const RecipeEntry& RecipeListModel::entryAt(int row) const {
    return m_rows[static_cast<std::size_t>(row)]->item->entry;
}

int RecipeListModel::rowOf(const std::string& native) const {
    const auto found = m_keys.find(native);
    return found == m_keys.end() ? -1 : shownAt(&found->second);
}

void RecipeListModel::setQuery(const QString& typed) {
    beginResetModel();
    m_query = ParseRecipeQuery(typed);
    refilter();
    endResetModel();
}

void RecipeListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= Columns)
        return;
    beginResetModel();
    m_column = column;
    m_order = order;
    resort();
    refilter();
    endResetModel();
}

void RecipeListModel::fillKey(Key& key) const {
    const RecipeEntry& e = key.item->entry;
    key.name = key.item->key.name;
    key.number = 0;
    key.text.clear();
    switch (m_column) {
    case Strength:
        key.number = number(e.strength);
        break;
    case Volume:
        key.number = number(e.volume);
        break;
    case Cost:
        key.number = number(e.cost);
        break;
    case Made:
        key.number = e.canBeMade ? 0 : 1;
        break;
    case Modified:
        key.number = static_cast<double>(e.modified);
        break;
    case Ratio:
        key.text = e.ratio;
        break;
    case Flavours:
        key.text = e.flavourText();
        break;
    case Folder:
        key.text = e.folder();
        break;
    default:
        break;
    }
}

bool RecipeListModel::before(const Key* a, const Key* b) const {
    if (m_order == Qt::DescendingOrder)
        std::swap(a, b);
    if (a->number != b->number)
        return a->number < b->number;
    if (a->text != b->text)
        return a->text < b->text;
    // Then by name, then by file: the order is always the same.
    if (a->name != b->name)
        return a->name < b->name;
    return a->item->entry.native < b->item->entry.native;
}

std::vector<const RecipeListModel::Key*>::iterator
RecipeListModel::placeIn(std::vector<const Key*>& list, const Key* key) {
    return std::lower_bound(list.begin(), list.end(), key,
                            [this](const Key* a, const Key* b) { return before(a, b); });
}

int RecipeListModel::shownAt(const Key* key) const {
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), key,
                                     [this](const Key* a, const Key* b) { return before(a, b); });
    return at != m_rows.end() && *at == key ? static_cast<int>(at - m_rows.begin()) : -1;
}

void RecipeListModel::rebuild() {
    m_keys.clear();
    for (int i = 0; i < m_library.count(); ++i) {
        const RecipeLibrary::Item& item = m_library.item(i);
        m_keys[item.entry.native].item = &item;
    }
    resort();
    refilter();
}

void RecipeListModel::resort() {
    m_sorted.clear();
    m_sorted.reserve(m_keys.size());
    for (auto& [path, key] : m_keys) {
        fillKey(key);
        m_sorted.push_back(&key);
    }
    std::sort(m_sorted.begin(), m_sorted.end(),
              [this](const Key* a, const Key* b) { return before(a, b); });
}

void RecipeListModel::refilter() {
    m_rows.clear();
    if (m_query.empty()) {
        m_rows = m_sorted;
        return;
    }
    for (const Key* k : m_sorted)
        if (Matches(k->item->key, m_query))
            m_rows.push_back(k);
}

void RecipeListModel::onAdded(const std::string& native) {
    const RecipeLibrary::Item* item = m_library.find(native);
    if (!item)
        return;
    if (m_keys.count(native)) { // already held: as a change
        onUpdated(native);
        return;
    }
    Key& key = m_keys[native];
    key.item = item;
    fillKey(key);
    m_sorted.insert(placeIn(m_sorted, &key), &key);
    if (!Matches(item->key, m_query))
        return;
    const auto at = placeIn(m_rows, &key);
    const int row = static_cast<int>(at - m_rows.begin());
    beginInsertRows({}, row, row);
    m_rows.insert(at, &key);
    endInsertRows();
}

void RecipeListModel::onAboutToRemove(const std::string& native) {
    const auto found = m_keys.find(native);
    if (found == m_keys.end())
        return;
    const Key* key = &found->second;
    const auto sorted = placeIn(m_sorted, key);
    if (sorted != m_sorted.end() && *sorted == key)
        m_sorted.erase(sorted);
    const int row = shownAt(key);
    if (row >= 0) {
        beginRemoveRows({}, row, row);
        m_rows.erase(m_rows.begin() + row);
        endRemoveRows();
    }
    m_keys.erase(found);
}

void RecipeListModel::onUpdated(const std::string& native) {
    const auto found = m_keys.find(native);
    if (found == m_keys.end()) {
        onAdded(native);
        return;
    }
    Key& key = found->second;
    // Found where it stood by what it was sorted by, then placed by what it is now.
    const auto sorted = placeIn(m_sorted, &key);
    if (sorted != m_sorted.end() && *sorted == &key)
        m_sorted.erase(sorted);
    const int from = shownAt(&key);
    if (from >= 0)
        m_rows.erase(m_rows.begin() + from);
    fillKey(key);
    m_sorted.insert(placeIn(m_sorted, &key), &key);
    const bool shown = Matches(key.item->key, m_query);
    const int to = shown ? static_cast<int>(placeIn(m_rows, &key) - m_rows.begin()) : -1;
    if (from >= 0) // as it was, until the views are told
        m_rows.insert(m_rows.begin() + from, &key);
    if (from >= 0 && to == from) {
        Q_EMIT dataChanged(index(from, 0), index(from, Columns - 1));
    } else if (from >= 0 && to >= 0) {
        // Qt counts the place to move to before the row leaves.
        beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
        m_rows.erase(m_rows.begin() + from);
        m_rows.insert(m_rows.begin() + to, &key);
        endMoveRows();
        Q_EMIT dataChanged(index(to, 0), index(to, Columns - 1));
    } else if (from >= 0) {
        beginRemoveRows({}, from, from);
        m_rows.erase(m_rows.begin() + from);
        endRemoveRows();
    } else if (to >= 0) {
        beginInsertRows({}, to, to);
        m_rows.insert(m_rows.begin() + to, &key);
        endInsertRows();
    }
}

int RecipeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RecipeListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant RecipeListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const RecipeEntry& e = entryAt(index.row());
    const bool problem = !e.problem.empty();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Name:
            return problem ? PathFromNative(e.fileName()) : ToQString(e.name);
        case Strength:
            return problem || e.strength.empty() ? QString() : ToQString(e.strength) + " mg";
        case Volume:
            return problem || e.volume.empty() ? QString() : ToQString(e.volume) + " ml";
        case Ratio:
            return problem ? QString() : ToQString(e.ratio);
        case Flavours:
            return ToQString(e.flavourText());
        case Cost:
            return problem ? QString() : ToQString(e.cost);
        case Made:
            return problem ? ToQString(e.problem)
                           : (e.canBeMade ? QStringLiteral("Yes") : ToQString(e.status));
        case Folder:
            return PathFromNative(e.folder());
        case Modified:
            return QLocale().toString(QDateTime::fromMSecsSinceEpoch(e.modified / 1000000),
                                      QLocale::ShortFormat);
        }
        break;
    case Qt::ToolTipRole:
        if (problem)
            return PathFromNative(e.native) + QStringLiteral("\n") + ToQString(e.problem);
        if (index.column() == Made && !e.canBeMade)
            return ToQString(e.status);
        return PathFromNative(e.native);
    case Qt::ForegroundRole:
        if (problem) // greyed: listed, but not a recipe that can be opened as one
            return QColor(128, 128, 128);
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == Strength || index.column() == Volume || index.column() == Cost)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case PathRole:
        return PathFromNative(e.native);
    case ProblemRole:
        return ToQString(e.problem);
    default:
        break;
    }
    return {};
}

QVariant RecipeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const names[Columns] = {"Name",        "Strength", "Volume",
                                               "PG/VG",       "Flavours", "Cost",
                                               "Can be made", "Folder",   "Modified"};
    return section >= 0 && section < Columns ? QString::fromLatin1(names[section]) : QVariant();
}

} // namespace kovaq
