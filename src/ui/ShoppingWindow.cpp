// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "ShoppingWindow.h"

#include "Numbers.h"
#include "QtText.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kovaq {
namespace {

QString number(double v) {
    return ToQString(FormatNumber(RoundDecimals(v, 2)));
}

QTableWidgetItem* cell(const QString& text, bool right = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (right)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidget* makeTable(QWidget* parent, const QStringList& headers, const QString& name) {
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < headers.size(); ++c)
        t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    return t;
}

} // namespace

OneBottleAwayDialog::OneBottleAwayDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OneBottleAwayDialog"));
    setWindowTitle(tr("One Bottle Away"));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(new QLabel(tr("Each of these bottles alone would let you make more of your "
                                   "recipes:"),
                                this));
    m_table = makeTable(this, {tr("Bottle"), tr("Recipes it makes possible"), tr("Short by (ml)")},
                        QStringLiteral("OneBottleAwayList"));
    m_table->setAccessibleName(tr("Bottles that would make more recipes possible"));
    outer->addWidget(m_table, 1);
    m_empty = new QLabel(this);
    m_empty->setWordWrap(true);
    outer->addWidget(m_empty);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* close = new QPushButton(tr("Close"), this);
    close->setDefault(true);
    row->addWidget(close);
    outer->addLayout(row);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(560, 380);
}

void OneBottleAwayDialog::setBottles(const std::vector<MissingBottle>& bottles,
                                     const std::vector<QStringList>& recipes) {
    m_table->setRowCount(static_cast<int>(bottles.size()));
    for (std::size_t i = 0; i < bottles.size(); ++i) {
        const MissingBottle& b = bottles[i];
        const int r = static_cast<int>(i);
        m_table->setItem(r, 0, cell(b.name));
        QTableWidgetItem* count = cell(QString::number(b.recipes), true);
        // Which recipes: the list itself would be too long to read in a row.
        if (i < recipes.size())
            count->setToolTip(recipes[i].join(QLatin1Char('\n')));
        m_table->setItem(r, 1, count);
        m_table->setItem(r, 2, cell(number(b.shortMl), true));
    }
    m_empty->setText(bottles.empty() ? tr("No single bottle would make another recipe possible.")
                                     : QString());
    m_empty->setVisible(bottles.empty());
}

ShoppingWindow::ShoppingWindow(QWidget* main)
    : QWidget(main, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint) {
    setObjectName(QStringLiteral("ShoppingWindow"));
    setWindowTitle(tr("Shopping List"));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(new QLabel(tr("Recipes to make:"), this));
    m_orders = makeTable(this, {tr("Recipe"), tr("Make (ml)")}, QStringLiteral("ShoppingOrders"));
    m_orders->setAccessibleName(tr("Recipes to make"));
    outer->addWidget(m_orders, 1);
    outer->addWidget(new QLabel(tr("What to buy:"), this));
    m_items = makeTable(this,
                        {tr("Ingredient"), tr("Short (ml)"), tr("Needed (ml)"), tr("On hand (ml)"),
                         tr("Bottles"), tr("Price"), tr("Cost")},
                        QStringLiteral("ShoppingItems"));
    m_items->setAccessibleName(tr("What to buy"));
    outer->addWidget(m_items, 2);
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("ShoppingTotal"));
    m_total->setWordWrap(true);
    outer->addWidget(m_total);

    auto* row = new QHBoxLayout;
    m_remove = new QPushButton(tr("Remove"), this);
    m_remove->setObjectName(QStringLiteral("ShoppingRemoveButton"));
    m_remove->setToolTip(tr("Takes the chosen recipe off the list"));
    auto* print = new QPushButton(tr("Print..."), this);
    print->setObjectName(QStringLiteral("ShoppingPrintButton"));
    auto* copy = new QPushButton(tr("Copy"), this);
    copy->setObjectName(QStringLiteral("ShoppingCopyButton"));
    copy->setToolTip(tr("Copies the list as text"));
    auto* save = new QPushButton(tr("Save CSV..."), this);
    save->setObjectName(QStringLiteral("ShoppingSaveButton"));
    auto* close = new QPushButton(tr("Close"), this);
    row->addWidget(m_remove);
    row->addStretch(1);
    for (QPushButton* b : {print, copy, save, close}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    outer->addLayout(row);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (const int r = m_orders->currentRow(); r >= 0)
            Q_EMIT removeRequested(r);
    });
    connect(print, &QPushButton::clicked, this, &ShoppingWindow::printRequested);
    connect(copy, &QPushButton::clicked, this, &ShoppingWindow::copyRequested);
    connect(save, &QPushButton::clicked, this, &ShoppingWindow::saveRequested);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(640, 480);
}

void ShoppingWindow::setOrders(const std::vector<Order>& orders) {
    m_filling = true;
    const int current = m_orders->currentRow();
    m_orders->setRowCount(static_cast<int>(orders.size()));
    for (std::size_t i = 0; i < orders.size(); ++i) {
        const int r = static_cast<int>(i);
        QTableWidgetItem* name = cell(orders[i].name);
        name->setToolTip(orders[i].path);
        m_orders->setItem(r, 0, name);
        auto* amount = qobject_cast<QDoubleSpinBox*>(m_orders->cellWidget(r, 1));
        if (!amount) {
            amount = new QDoubleSpinBox(m_orders);
            amount->setRange(0.1, 100000);
            amount->setDecimals(1);
            amount->setSuffix(tr(" ml"));
            amount->setAccessibleName(tr("How much to make"));
            m_orders->setCellWidget(r, 1, amount);
            connect(amount, &QDoubleSpinBox::valueChanged, this, [this, amount](double ml) {
                if (m_filling)
                    return;
                for (int k = 0; k < m_orders->rowCount(); ++k)
                    if (m_orders->cellWidget(k, 1) == amount)
                        Q_EMIT amountChanged(k, ml);
            });
        }
        amount->setValue(orders[i].ml);
    }
    if (current >= 0 && current < m_orders->rowCount())
        m_orders->selectRow(current);
    else if (m_orders->rowCount() > 0)
        m_orders->selectRow(m_orders->rowCount() - 1);
    m_remove->setEnabled(!orders.empty());
    m_filling = false;
}

void ShoppingWindow::setList(const ShoppingList& list) {
    m_items->setRowCount(static_cast<int>(list.items.size()));
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        const ShoppingItem& item = list.items[i];
        const int r = static_cast<int>(i);
        m_items->setItem(r, 0, cell(item.name));
        m_items->setItem(r, 1, cell(number(item.shortMl), true));
        m_items->setItem(r, 2, cell(number(item.needMl), true));
        m_items->setItem(r, 3, cell(number(item.onHandMl), true));
        const bool sized = item.bottles > 0;
        m_items->setItem(
            r, 4,
            cell(sized ? tr("%1 \u00d7 %2 ml").arg(item.bottles).arg(number(item.bottleMl))
                       : QString(),
                 true));
        m_items->setItem(r, 5,
                         cell(sized && item.price > 0 ? number(item.price) : QString(), true));
        m_items->setItem(r, 6,
                         cell(sized && item.price > 0 ? number(item.cost()) : QString(), true));
    }
    QStringList lines;
    if (list.items.empty())
        lines << tr("Nothing is short: the stash holds all of it.");
    else if (list.cost() > 0)
        lines << tr("Total: %1").arg(number(list.cost()));
    for (const QString& name : list.unmixable)
        lines << tr("%1 cannot be mixed as it stands: left out.").arg(name);
    m_total->setText(lines.join(QLatin1Char('\n')));
}

} // namespace kovaq
