// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>

namespace kovaq {

// The editor of a table's number cell: digits and one decimal point, a comma typed or
// pasted being that point, so "2,5" is stored as 2.5 and never as 2 or 25.
QLineEdit* NewNumberEditor(QWidget* parent);

// A delegate for columns that hold numbers only.
class NumberDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

} // namespace kovaq
