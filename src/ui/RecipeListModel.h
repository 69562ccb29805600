// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "RecipeLibrary.h"
#include "RecipeSearch.h"

#include <QAbstractTableModel>

#include <string>
#include <unordered_map>
#include <vector>

namespace kovaq {

// The rows of the Recipes list: the library's entries that match the search, in the order
// of the column chosen. A keystroke filters the sorted entries once; nothing is sorted
// again until the order changes. Each row stands for a file by its path: the library's
// changes come one by one and move, add or take away just their rows, so that a row never
// shows one recipe while standing for another and the selection stays on its recipe.
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
    // An entry with what it is sorted by, worked out once: a sort then only compares.
    struct Key {
        const RecipeLibrary::Item* item = nullptr;
        double number = 0;
        std::string text;
        std::string name; // folded
    };
    void fillKey(Key& key) const;
    bool before(const Key* a, const Key* b) const;
    std::vector<const Key*>::iterator placeIn(std::vector<const Key*>& list, const Key* key);
    int shownAt(const Key* key) const;
    void rebuild();
    void resort();
    void refilter();
    void onAdded(const std::string& native);
    void onAboutToRemove(const std::string& native);
    void onUpdated(const std::string& native);

    RecipeLibrary& m_library;
    RecipeQuery m_query;
    int m_column = Name;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    std::unordered_map<std::string, Key> m_keys; // every entry, by path
    std::vector<const Key*> m_sorted;            // every entry, in order
    std::vector<const Key*> m_rows;              // those shown
};

} // namespace kovaq
