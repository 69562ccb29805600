// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "StashMatch.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace kovaq {

// "One Bottle Away": the bottles the user lacks (or has too little of), each with how many
// recipes it alone keeps from being made, most first.
class OneBottleAwayDialog : public QDialog {
    Q_OBJECT
  public:
    explicit OneBottleAwayDialog(QWidget* parent);
    // `recipes`: for each missing bottle, the names of the recipes it would make possible.
    void setBottles(const std::vector<MissingBottle>& bottles,
                    const std::vector<QStringList>& recipes);
    QTableWidget* table() const { return m_table; }

  private:
    QTableWidget* m_table = nullptr;
    QLabel* m_empty = nullptr;
};

// "Shopping List": the recipes chosen, how much of each to make, and what the stash is short
// of for them. The controller works the list out; the window shows it and says what the
// person asked for.
class ShoppingWindow : public QWidget {
    Q_OBJECT
  public:
    struct Order {
        QString path;
        QString name;
        double ml = 0;
    };
    explicit ShoppingWindow(QWidget* main);

    void setOrders(const std::vector<Order>& orders);
    void setList(const ShoppingList& list);
    QTableWidget* orders() const { return m_orders; }
    QTableWidget* items() const { return m_items; }
    QLabel* total() const { return m_total; }

  Q_SIGNALS:
    void amountChanged(int order, double ml);
    void removeRequested(int order);
    void printRequested();
    void copyRequested();
    void saveRequested();

  private:
    QTableWidget* m_orders = nullptr;
    QTableWidget* m_items = nullptr;
    QLabel* m_total = nullptr;
    QPushButton* m_remove = nullptr;
    bool m_filling = false;
};

} // namespace kovaq
