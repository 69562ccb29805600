// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "FlavourBook.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include <functional>
#include <vector>

namespace kovaq {

// The Flavours tab: each flavour of the user's recipes, one a row. The notes, rating and
// preferred share are edited in place; an edit is handed to `edit` (which makes it
// undoable) rather than written here.
class FlavourModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column {
        Name,
        Recipes,
        Lowest,
        Median,
        Highest,
        OnHand,
        LastMixed,
        Rating,
        Preferred,
        Notes,
        Columns
    };
    using Edit = std::function<void(const FlavourNote& before, const FlavourNote& after)>;

    explicit FlavourModel(QObject* parent = nullptr);
    void setRows(std::vector<FlavourRow> rows);
    void setEditor(Edit edit) { m_edit = std::move(edit); }
    void setEditable(bool on) { m_editable = on; }
    const FlavourRow& rowAt(int row) const { return m_rows[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    std::vector<FlavourRow> m_rows;
    mutable std::vector<QString> m_search;
    Edit m_edit;
    bool m_editable = true;
};

// The rating is chosen from its list: none, or 1 to 5.
class FlavourDelegate : public QStyledItemDelegate {
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
