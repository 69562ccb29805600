// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "NumberDelegate.h"

#include "Fields.h"

#include <QLineEdit>

namespace kovaq {

QLineEdit* NewNumberEditor(QWidget* parent) {
    auto* editor = new QLineEdit(parent);
    // Everything that reaches a cell's editor is the person's: the model's own text has its
    // point already.
    editor->setValidator(new DecimalCommaValidator({}, true, editor));
    editor->setFrame(false);
    return editor;
}

QWidget* NumberDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    Q_UNUSED(option);
    Q_UNUSED(index);
    return NewNumberEditor(parent);
}

} // namespace kovaq
