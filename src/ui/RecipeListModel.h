// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "RecipeLibrary.h"
#include "RecipeSearch.h"

#include <QAbstractTableModel>

#include <vector>

namespace kovaq {

// The rows of the Recipes list: the library's entries that match the search, in the order
// of the column chosen. A keystroke filters the sorted entries once; nothing is sorted
// again until the entries or the order change.
class RecipeListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Name, Strength, Volume, Ratio, Flavours, Cost, Made, Folder, Modified, Columns };
    enum Role { PathRole = Qt::UserRole + 1, ProblemRole };

    explicit RecipeListModel(RecipeLibrary& library, QObject* parent = nullptr);

    void setQuery(const QString& typed);
    const RecipeQuery& query() const { return m_query; }
    int sortColumn() const { return m_column; }
    Qt::SortOrder sortOrder() const { return m_order; }
    int matching() const { return static_cast<int>(m_rows.size()); }

    const RecipeEntry& entryAt(int row) const;
    // The row of a file, or -1 when it is not shown.
    int rowOf(const std::string& native) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

  private:
    void resort();
    void refilter();

    RecipeLibrary& m_library;
    RecipeQuery m_query;
    int m_column = Name;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    std::vector<int> m_sorted; // every entry, in order
    std::vector<int> m_rows;   // those shown
};

} // namespace kovaq
