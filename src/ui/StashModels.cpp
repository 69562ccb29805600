// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "StashModels.h"

#include "Look.h"
#include "NumberDelegate.h"
#include "Numbers.h"
#include "QtText.h"
#include "TextFold.h"

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QDateTime>
#include <QLocale>

namespace kovaq {
namespace {

QString number(double v) {
    return ToQString(FormatNumber(v));
}

QString ratioText(int position) {
    return position < 0 ? QString() : ToQString(RatioListText(position)).trimmed();
}

QString when(std::int64_t ms) {
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms), QLocale::ShortFormat);
}

} // namespace

BottleModel::BottleModel(QObject* parent) : QAbstractTableModel(parent) {}

void BottleModel::setBottles(std::vector<Bottle> bottles) {
    beginResetModel();
    m_bottles = std::move(bottles);
    m_search.clear(); // folded at the first search, not at every reload
    endResetModel();
}

bool BottleModel::updateBottles(const std::vector<Bottle>& bottles) {
    if (bottles.size() != m_bottles.size())
        return false;
    for (std::size_t i = 0; i < bottles.size(); ++i)
        if (bottles[i].id != m_bottles[i].id)
            return false;
    m_search.clear();
    for (std::size_t i = 0; i < bottles.size(); ++i) {
        if (bottles[i] == m_bottles[i])
            continue;
        m_bottles[i] = bottles[i];
        const int row = static_cast<int>(i);
        Q_EMIT dataChanged(index(row, 0), index(row, Columns - 1));
    }
    return true;
}

int BottleModel::rowOf(std::int64_t id) const {
    for (std::size_t i = 0; i < m_bottles.size(); ++i)
        if (m_bottles[i].id == id)
            return static_cast<int>(i);
    return -1;
}

int BottleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_bottles.size());
}

int BottleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant BottleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Bottle& b = bottleAt(index.row());
    if (role == SearchRole) {
        if (m_search.size() != m_bottles.size()) {
            m_search.clear();
            m_search.reserve(m_bottles.size());
            for (const Bottle& o : m_bottles)
                m_search.push_back(FoldForSearch(BottleKindName(o.kind) + QLatin1Char('\n') +
                                                 o.name + QLatin1Char('\n') + o.maker +
                                                 QLatin1Char('\n') + o.notes));
        }
        return m_search[static_cast<std::size_t>(index.row())];
    }
    if (role == Qt::UserRole) { // what the column sorts by
        switch (index.column()) {
        case Kind:
            return static_cast<int>(b.kind);
        case Ratio:
            return b.ratio;
        case OnHand:
            return b.onHand;
        case Size:
            return b.size;
        case Price:
            return b.price;
        case Strength:
            return b.kind == BottleKind::NicotineBase ? b.strength : -1.0;
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() >= OnHand && index.column() <= Strength &&
        index.column() != Ratio)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Kind:
        return BottleKindName(b.kind);
    case Name:
        return b.name;
    case Maker:
        return b.maker;
    case OnHand:
        return number(b.onHand);
    case Size:
        return number(b.size);
    case Price:
        return number(b.price);
    case Ratio:
        return ratioText(b.ratio);
    case Strength:
        return b.kind == BottleKind::NicotineBase || role == Qt::EditRole ? number(b.strength)
                                                                          : QString();
    case Gravity:
        return b.gravity;
    case Notes:
        return b.notes;
    }
    return {};
}

bool BottleModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !m_edit)
        return false;
    const Bottle before = bottleAt(index.row());
    Bottle after = before;
    const QString text = value.toString().trimmed();
    const double n = ParseNumber(ToUtf8(text));
    switch (index.column()) {
    case Kind:
        after.kind = static_cast<BottleKind>(std::clamp(value.toInt(), 0, BottleKindCount - 1));
        break;
    case Name:
        after.name = text;
        break;
    case Maker:
        after.maker = text;
        break;
    case OnHand:
        after.onHand = std::max(0.0, n);
        break;
    case Size:
        after.size = std::max(0.0, n);
        break;
    case Price:
        after.price = std::max(0.0, n);
        break;
    case Ratio:
        after.ratio = value.toInt();
        break;
    case Strength:
        after.strength = std::max(0.0, n);
        break;
    case Gravity:
        after.gravity = text;
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

QVariant BottleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const names[Columns] = {
        QT_TR_NOOP("Kind"),       QT_TR_NOOP("Name"),           QT_TR_NOOP("Maker"),
        QT_TR_NOOP("ml on hand"), QT_TR_NOOP("Bottle ml"),      QT_TR_NOOP("Price"),
        QT_TR_NOOP("PG/VG"),      QT_TR_NOOP("Nicotine mg/ml"), QT_TR_NOOP("g/ml"),
        QT_TR_NOOP("Notes")};
    return section >= 0 && section < Columns ? tr(names[section]) : QVariant();
}

Qt::ItemFlags BottleModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_editable && index.isValid())
        f |= Qt::ItemIsEditable;
    return f;
}

void NameListModel::setNames(NameList names) {
    if (names.names == m_names.names && names.makers == m_names.makers)
        return;
    beginResetModel();
    m_names = std::move(names);
    endResetModel();
}

QString NameListModel::shown(int row) const {
    const QString& maker = m_names.makers[row];
    return maker.isEmpty() ? m_names.names[row]
                           : tr("%1 — %2", "a name and its maker").arg(m_names.names[row], maker);
}

QString NameListModel::longestText() const {
    QString longest;
    for (int i = 0; i < m_names.names.size(); ++i)
        if (shown(i).size() > longest.size())
            longest = shown(i);
    return longest;
}

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_names.names.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::EditRole)
        return m_names.names[index.row()];
    if (role == Qt::DisplayRole)
        return shown(index.row());
    return {};
}

BatchModel::BatchModel(QObject* parent) : QAbstractTableModel(parent) {}

void BatchModel::setBatches(std::vector<Batch> batches) {
    beginResetModel();
    m_batches = std::move(batches);
    m_search.clear(); // folded at the first search, not at every reload
    endResetModel();
}

int BatchModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_batches.size());
}

int BatchModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QString ReadyState(const Batch& b, const QDate& today) {
    const QDate ready = QDateTime::fromMSecsSinceEpoch(b.readyAt()).date();
    const qint64 days = today.daysTo(ready);
    if (days > 1)
        return BatchModel::tr("ready in %1 days").arg(days);
    if (days == 1)
        return BatchModel::tr("ready tomorrow");
    if (days == 0)
        return BatchModel::tr("ready today");
    return BatchModel::tr("ready since %1")
        .arg(QLocale::c().toString(ready, QStringLiteral("d MMM")));
}

QVariant BatchModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Batch& b = batchAt(index.row());
    if (role == SearchRole) {
        if (m_search.size() != m_batches.size()) {
            m_search.clear();
            m_search.reserve(m_batches.size());
            for (const Batch& o : m_batches)
                m_search.push_back(FoldForSearch(o.name + QLatin1Char('\n') + when(o.mixedAt) +
                                                 QLatin1Char('\n') + o.note + QLatin1Char('\n') +
                                                 o.file));
        }
        return m_search[static_cast<std::size_t>(index.row())];
    }
    if (role == Qt::UserRole) { // what the column sorts by: dates by their times
        switch (index.column()) {
        case Mixed:
            return qint64(b.mixedAt);
        case Ready:
            return qint64(b.readyAt());
        case Volume:
            return b.volumeMl;
        case Strength:
            return b.strengthMg;
        default:
            return {};
        }
    }
    if (role == Qt::ToolTipRole && !b.shortfall.isEmpty())
        return tr("Short: %1").arg(b.shortfall);
    if (role == Qt::ForegroundRole && index.column() == State &&
        QDateTime::fromMSecsSinceEpoch(b.readyAt()) > QDateTime::currentDateTime())
        return look::readable(QColor(160, 90, 0), // still steeping
                              QApplication::palette().color(QPalette::Base));
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Name:
        return b.name;
    case Mixed:
        return when(b.mixedAt);
    case Volume:
        return b.volume.isEmpty() ? QString() : tr("%1 ml").arg(b.volume);
    case Strength:
        return b.strength.isEmpty() ? QString() : tr("%1 mg").arg(b.strength);
    case Ready:
        return QLocale().toString(QDateTime::fromMSecsSinceEpoch(b.readyAt()).date(),
                                  QLocale::ShortFormat);
    case State:
        return ReadyState(b, QDate::currentDate());
    }
    return {};
}

QVariant BatchModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const names[Columns] = {QT_TR_NOOP("Name"),   QT_TR_NOOP("Mixed"),
                                               QT_TR_NOOP("Volume"), QT_TR_NOOP("Strength"),
                                               QT_TR_NOOP("Ready"),  QT_TR_NOOP("State")};
    return section >= 0 && section < Columns ? tr(names[section]) : QVariant();
}

void SearchProxy::setWords(const QString& typed) {
    m_words = FoldForSearch(typed).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    invalidateFilter();
}

bool SearchProxy::filterAcceptsRow(int row, const QModelIndex& parent) const {
    if (m_words.isEmpty())
        return true;
    const QString folded = sourceModel()->index(row, 0, parent).data(SearchRole).toString();
    for (const QString& w : m_words)
        if (!folded.contains(w))
            return false;
    return true;
}

bool SearchProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant l = left.data(Qt::UserRole);
    const QVariant r = right.data(Qt::UserRole);
    if (l.isValid() && r.isValid())
        return l.typeId() == QMetaType::LongLong ? l.toLongLong() < r.toLongLong()
                                                 : l.toDouble() < r.toDouble();
    return QString::localeAwareCompare(left.data().toString(), right.data().toString()) < 0;
}

QWidget* BottleDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    if (index.column() == BottleModel::Kind) {
        auto* box = new QComboBox(parent);
        for (int k = 0; k < BottleKindCount; ++k)
            box->addItem(BottleKindName(static_cast<BottleKind>(k)), k);
        // A kind picked is the bottle's at once, so that the name no longer decides it.
        connect(box, &QComboBox::activated, this,
                [this, box] { Q_EMIT const_cast<BottleDelegate*>(this)->commitData(box); });
        return box;
    }
    if (index.column() == BottleModel::Ratio) {
        auto* box = new QComboBox(parent);
        // One "none": the list's own last entry stands for a bottle without a ratio.
        for (int p = 0; p + 1 < RatioListSize; ++p)
            box->addItem(ToQString(RatioListText(p)).trimmed(), p);
        box->addItem(ToQString(RatioListText(RatioListSize - 1)).trimmed(), -1);
        return box;
    }
    if (index.column() >= BottleModel::OnHand && index.column() <= BottleModel::Gravity)
        return NewNumberEditor(parent); // "2,5" typed or pasted is 2.5
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void BottleDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        int at = box->findData(index.data(Qt::UserRole));
        if (at < 0 && index.column() == BottleModel::Ratio)
            at = box->count() - 1; // "none"
        box->setCurrentIndex(std::max(0, at));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void BottleDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentData(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

} // namespace kovaq
