// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "StashStore.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>

#include <functional>
#include <vector>

namespace kovaq {

// Each row's text for the search, folded once when the rows are set rather than at every
// keystroke.
inline constexpr int SearchRole = Qt::UserRole + 1;

// The bottles of the stash, one a row, edited in place. An edit is handed to `edit` (which
// makes it undoable) rather than written here.
class BottleModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column {
        Kind,
        Name,
        Maker,
        OnHand,
        Size,
        Price,
        Ratio,
        Strength,
        Gravity,
        Notes,
        Columns
    };
    using Edit = std::function<void(const Bottle& before, const Bottle& after)>;

    explicit BottleModel(QObject* parent = nullptr);
    void setBottles(std::vector<Bottle> bottles);
    // The same bottles changed: their rows are redrawn where they stand, never moved or
    // rebuilt, so an open editor and the current cell stay on their bottle. False (and
    // nothing changed) when bottles came or went.
    bool updateBottles(const std::vector<Bottle>& bottles);
    void setEditor(Edit edit) { m_edit = std::move(edit); }
    void setEditable(bool on) { m_editable = on; }
    const Bottle& bottleAt(int row) const { return m_bottles[static_cast<std::size_t>(row)]; }
    const std::vector<Bottle>& bottles() const { return m_bottles; }
    int rowOf(std::int64_t id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    std::vector<Bottle> m_bottles;
    mutable std::vector<QString> m_search;
    Edit m_edit;
    bool m_editable = true;
};

// The names of one kind of bottle, each with its maker.
struct NameList {
    QStringList names;
    QStringList makers;
};

// The list under a name field: it shows "Lemon — TPA" and completes "Lemon".
class NameListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;
    void setNames(NameList names);
    // The widest entry shown, for the list's width.
    QString longestText() const;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    QString shown(int row) const;
    NameList m_names;
};

// The batches, newest first, with when each is ready.
class BatchModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Name, Mixed, Volume, Strength, Ready, State, Columns };
    explicit BatchModel(QObject* parent = nullptr);
    void setBatches(std::vector<Batch> batches);
    const Batch& batchAt(int row) const { return m_batches[static_cast<std::size_t>(row)]; }
    const std::vector<Batch>& batches() const { return m_batches; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<Batch> m_batches;
    mutable std::vector<QString> m_search;
};

// "ready in 3 days", "ready today", "ready since 2 Dec"
QString ReadyState(const Batch& batch, const QDate& today);

// Rows kept when every word typed is found in them (case and accents aside), sorted by the
// numbers a column holds where it holds numbers.
class SearchProxy : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setWords(const QString& typed);

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    QStringList m_words;
};

// The kind and the ratio of a bottle are chosen from their lists.
class BottleDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

} // namespace kovaq
