// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "RecipeLibrary.h"
#include "RecipeSearch.h"

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovaq {

class MakeableTable;
struct Makeable;

// The rows of the Recipes list: the library's entries that match the search, in the order
// of the column chosen. What each entry is sorted by is worked out once; a keystroke
// filters the sorted entries (only those still shown when a letter was added); nothing is
// sorted again until the order changes. Each row stands for a file by its path: the
// library's changes come one by one (or, while it fills, many together) and move, add or
// take away just their rows, so that a row never shows one recipe while standing for
// another and the selection stays on its recipe.
class RecipeListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // "Can make" comes last among the columns so that a kept order ("column asc") keeps
    // naming the same column; the window shows it beside the flavours.
    enum Column {
        Name,
        Strength,
        Volume,
        Ratio,
        Flavours,
        Cost,
        Made,
        Folder,
        Modified,
        CanMake,
        Columns
    };
    enum Role { PathRole = Qt::UserRole + 1, ProblemRole };

    explicit RecipeListModel(RecipeLibrary& library, QObject* parent = nullptr);

    void setQuery(const QString& typed);
    const RecipeQuery& query() const { return m_query; }
    int sortColumn() const { return m_column; }
    Qt::SortOrder sortOrder() const { return m_order; }
    int matching() const { return static_cast<int>(m_rows.size()); }

    // What the stash makes of each recipe, by its path; none shows the column empty.
    void setMakeable(const MakeableTable* table);
    // The figures of these recipes changed; of all of them when none are named.
    void makeableChanged(const std::vector<std::string>& natives = {});
    // "Only what I can make".
    void setOnlyMakeable(bool only);
    bool onlyMakeable() const { return m_onlyMakeable; }
    // "✓ 30 ml", "up to 12 ml", "needs Lemon, Cream"; empty while it is not known.
    static QString CanMakeText(const Makeable& m);

    const RecipeRow& rowAt(int row) const;
    // The row of a file, or -1 when it is not shown.
    int rowOf(std::string_view native) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

  private:
    using Slot = std::uint32_t; // the library's item slot
    // An entry with what it is sorted by: a number, or a text and its first 16 bytes (most
    // comparisons end there); then the folded name and the path, read from the row.
    struct Key {
        const RecipeLibrary::Item* item = nullptr;
        double number = 0;
        bool last = false; // after every other row in both orders: no cost, not known yet
        std::uint64_t prefix[2] = {0, 0};
        std::string text;
        // In the row: what the search reads (the folded name first) and the path.
        std::string_view search;
        std::uint32_t nameLength = 0;
        std::string_view native;
    };
    void fillKey(Key& key) const;
    bool before(Slot a, Slot b) const;
    std::vector<Slot>::iterator placeIn(std::vector<Slot>& list, Slot slot);
    int shownAt(Slot slot) const;
    bool matches(Slot slot) const;
    Key* keyOf(const std::string& native);
    void rebuild();
    void resort();
    void refilter(bool narrowing);
    void onAdded(const std::string& native);
    void onAddedTogether(const std::vector<const RecipeLibrary::Item*>& items);
    void onAboutToRemove(const std::string& native);
    void onAboutToRemoveTogether(const std::vector<const RecipeLibrary::Item*>& items);
    void onUpdated(const std::string& native);
    std::optional<Makeable> makeableOf(const RecipeRow& row) const;

    RecipeLibrary& m_library;
    RecipeQuery m_query;
    int m_column = Name;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    const MakeableTable* m_makeable = nullptr;
    bool m_onlyMakeable = false;
    std::vector<Key> m_keys;    // by slot; those without an item are not listed
    std::vector<Slot> m_sorted; // every entry, in order
    std::vector<Slot> m_rows;   // those shown
};

// The recipes as the window loads them: each reading thread settles what it reads through
// the fields' width rule with a measure of its own (a measure keeps its thread's font).
RecipeSettleMaker WindowRecipeSettle();

} // namespace kovaq
