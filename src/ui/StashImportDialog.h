// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "StashCsv.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kovaq {

// "Import CSV": what a spreadsheet's file will do to the stash, before it does it: the
// bottles it adds, those it updates and what of them, and each line refused with why.
class StashImportDialog : public QDialog {
    Q_OBJECT
  public:
    enum Column { Line, What, Kind, Name, Maker, Details, Columns };
    explicit StashImportDialog(QWidget* parent);
    void prepare(const QString& file, const StashImport& import);
    QTreeWidget* list() const { return m_list; }
    QLabel* summary() const { return m_summary; }
    QPushButton* importButton() const { return m_import; }

  private:
    QLabel* m_summary = nullptr;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_import = nullptr;
};

} // namespace kovaq
