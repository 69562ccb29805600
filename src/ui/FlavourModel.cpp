// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "FlavourModel.h"

#include "NumberDelegate.h"
#include "Numbers.h"
#include "QtText.h"
#include "StashModels.h"
#include "TextFold.h"

#include <QComboBox>
#include <QDateTime>
#include <QLocale>

namespace kovaq {
namespace {

QString percent(double v) {
    return ToQString(FormatNumber(RoundDecimals(v, 2)));
}

} // namespace

FlavourModel::FlavourModel(QObject* parent) : QAbstractTableModel(parent) {}

void FlavourModel::setRows(std::vector<FlavourRow> rows) {
    // The same flavours again (a note or a bottle changed): redrawn where they stand, so
    // that an open editor and the current cell stay on their flavour.
    bool same = rows.size() == m_rows.size();
    for (std::size_t i = 0; same && i < rows.size(); ++i)
        same = rows[i].figures.key == m_rows[i].figures.key;
    m_search.clear();
    if (same) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const bool changed =
                !(rows[i].figures == m_rows[i].figures) || rows[i].onHandMl != m_rows[i].onHandMl ||
                rows[i].lastMixed != m_rows[i].lastMixed || !(rows[i].note == m_rows[i].note);
            m_rows[i] = std::move(rows[i]);
            if (changed)
                Q_EMIT dataChanged(index(int(i), 0), index(int(i), Columns - 1));
        }
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int FlavourModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FlavourModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant FlavourModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const FlavourRow& r = rowAt(index.row());
    const FlavourFigures& f = r.figures;
    if (role == SearchRole) {
        if (m_search.size() != m_rows.size()) {
            m_search.clear();
            m_search.reserve(m_rows.size());
            for (const FlavourRow& o : m_rows)
                m_search.push_back(
                    FoldForSearch(o.figures.name + QLatin1Char('\n') + o.note.notes));
        }
        return m_search[static_cast<std::size_t>(index.row())];
    }
    if (role == Qt::UserRole) { // what the column sorts by; none last
        switch (index.column()) {
        case Recipes:
            return f.recipes;
        case Lowest:
            return f.minPercent;
        case Median:
            return f.medianPercent;
        case Highest:
            return f.maxPercent;
        case OnHand:
            return r.onHandMl;
        case LastMixed:
            return qint64(r.lastMixed);
        case Rating:
            return r.note.rating.value_or(0);
        case Preferred:
            return r.note.share.value_or(0.0);
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() >= Recipes && index.column() <= Preferred &&
        index.column() != LastMixed)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == Name)
        return FlavourHint(f);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Name:
        return f.name;
    case Recipes:
        return f.recipes;
    case Lowest:
        return percent(f.minPercent);
    case Median:
        return percent(f.medianPercent);
    case Highest:
        return percent(f.maxPercent);
    case OnHand:
        return ToQString(FormatNumber(RoundDecimals(r.onHandMl, 2)));
    case LastMixed:
        return r.lastMixed > 0
                   ? QLocale().toString(QDateTime::fromMSecsSinceEpoch(r.lastMixed).date(),
                                        QLocale::ShortFormat)
                   : QString();
    case Rating:
        return r.note.rating ? QString::number(*r.note.rating) : QString();
    case Preferred:
        return r.note.share ? percent(*r.note.share) : QString();
    case Notes:
        return r.note.notes;
    }
    return {};
}

bool FlavourModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !m_edit)
        return false;
    const FlavourNote before = rowAt(index.row()).note;
    FlavourNote after = before;
    QString text = value.toString().trimmed();
    switch (index.column()) {
    case Rating:
        if (const int rating = value.toInt(); rating > 0)
            after.rating = rating;
        else
            after.rating.reset();
        break;
    case Preferred:
        // Cleared, or a number; a comma is the decimal point, as in the number fields. What
        // is out of range is handed on, for the store to refuse and say why.
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        if (text.isEmpty())
            after.share.reset();
        else
            after.share = ParseNumber(ToUtf8(text));
        break;
    case Notes:
        after.notes = value.toString();
        break;
    default:
        return false;
    }
    if (after == before)
        return false;
    m_edit(before, after);
    return true;
}

QVariant FlavourModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return tr("Flavour");
    case Recipes:
        return tr("Recipes");
    case Lowest:
        return tr("Lowest %");
    case Median:
        return tr("Median %");
    case Highest:
        return tr("Highest %");
    case OnHand:
        return tr("ml on hand");
    case LastMixed:
        return tr("Last mixed");
    case Rating:
        return tr("Rating");
    case Preferred:
        return tr("Preferred %");
    case Notes:
        return tr("Notes");
    }
    return {};
}

Qt::ItemFlags FlavourModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_editable && index.isValid() && index.column() >= Rating)
        f |= Qt::ItemIsEditable;
    return f;
}

QWidget* FlavourDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    if (index.column() == FlavourModel::Rating) {
        auto* box = new QComboBox(parent);
        box->addItem(tr("none", "no rating"), 0);
        for (int r = 1; r <= 5; ++r)
            box->addItem(QString::number(r), r);
        return box;
    }
    if (index.column() == FlavourModel::Preferred)
        return NewNumberEditor(parent); // "2,5" typed or pasted is 2.5
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void FlavourDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        box->setCurrentIndex(std::max(0, box->findData(index.data(Qt::UserRole))));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void FlavourDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentData(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

} // namespace kovaq
