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
    connect(&m_library, &RecipeLibrary::changed, this, [this] {
        beginResetModel();
        resort();
        refilter();
        endResetModel();
    });
    resort();
    refilter();
}

const RecipeEntry& RecipeListModel::entryAt(int row) const {
    return m_library.item(m_rows[static_cast<std::size_t>(row)]).entry;
}

int RecipeListModel::rowOf(const std::string& native) const {
    const int index = m_library.indexOf(native);
    if (index < 0)
        return -1;
    const auto at = std::find(m_rows.begin(), m_rows.end(), index);
    return at == m_rows.end() ? -1 : static_cast<int>(at - m_rows.begin());
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

void RecipeListModel::resort() {
    const int n = m_library.count();
    // Each entry's key for the column, worked out once: a sort then only compares.
    std::vector<double> numbers(static_cast<std::size_t>(n));
    std::vector<std::string> texts(static_cast<std::size_t>(n));
    const bool numeric = m_column == Strength || m_column == Volume || m_column == Cost ||
                         m_column == Made || m_column == Modified;
    for (int i = 0; i < n; ++i) {
        const RecipeEntry& e = m_library.item(i).entry;
        auto& num = numbers[static_cast<std::size_t>(i)];
        auto& text = texts[static_cast<std::size_t>(i)];
        switch (m_column) {
        case Strength:
            num = number(e.strength);
            break;
        case Volume:
            num = number(e.volume);
            break;
        case Cost:
            num = number(e.cost);
            break;
        case Made:
            num = e.canBeMade ? 0 : 1;
            break;
        case Modified:
            num = static_cast<double>(e.modified);
            break;
        case Ratio:
            text = e.ratio;
            break;
        case Flavours:
            text = e.flavourText();
            break;
        case Folder:
            text = e.folder();
            break;
        default:
            break;
        }
    }
    m_sorted.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        m_sorted[static_cast<std::size_t>(i)] = i;
    const auto less = [&](int a, int b) {
        const auto x = static_cast<std::size_t>(a);
        const auto y = static_cast<std::size_t>(b);
        if (numeric && numbers[x] != numbers[y])
            return numbers[x] < numbers[y];
        if (!numeric && texts[x] != texts[y])
            return texts[x] < texts[y];
        // Then by name, then by file: the order is always the same.
        const RecipeLibrary::Item& p = m_library.item(a);
        const RecipeLibrary::Item& q = m_library.item(b);
        if (p.key.name != q.key.name)
            return p.key.name < q.key.name;
        return p.entry.native < q.entry.native;
    };
    std::sort(m_sorted.begin(), m_sorted.end(), less);
    if (m_order == Qt::DescendingOrder)
        std::reverse(m_sorted.begin(), m_sorted.end());
}

void RecipeListModel::refilter() {
    m_rows.clear();
    if (m_query.empty()) {
        m_rows = m_sorted;
        return;
    }
    for (int i : m_sorted)
        if (Matches(m_library.item(i).key, m_query))
            m_rows.push_back(i);
}

int RecipeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RecipeListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant RecipeListModel::data(const QModelIndex& index, int role) const {
    // Between the library's change and the reset that follows it, a row may stand for an
    // item that is gone: such a row has nothing to show.
    if (!index.isValid() || index.row() >= rowCount() ||
        m_rows[static_cast<std::size_t>(index.row())] >= m_library.count())
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
