// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "BottleLabels.h"
#include "ReportDocument.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kovaq {

// "Mix It": the batch about to be recorded, how long it steeps and a note.
class MixItDialog : public QDialog {
    Q_OBJECT
  public:
    explicit MixItDialog(QWidget* parent);
    // Before each showing: the batch's name and what it still lacks, if anything.
    void prepare(const QString& batchName, int steepDays, const QStringList& shortLines);
    int steepDays() const;
    QString note() const;
    QSpinBox* steepBox() const { return m_steep; }
    QLineEdit* noteField() const { return m_note; }

  private:
    QLabel* m_name = nullptr;
    QLabel* m_short = nullptr;
    QSpinBox* m_steep = nullptr;
    QLineEdit* m_note = nullptr;
};

// "Print Label": the label's size, and the label as it will print.
class LabelDialog : public QDialog {
    Q_OBJECT
  public:
    // The page of "the printer's own", in millimetres, asked when it is chosen.
    using PrinterPage = std::function<QSizeF()>;
    LabelDialog(QWidget* parent, PrinterPage printerPage);
    // `nicotineLine`: whether a batch with nicotine says so on its label.
    void prepare(const LabelInputs& in, int sizeChoice, bool nicotineLine = true);
    LabelSize size() const;
    bool nicotineLine() const;
    // The label's inputs as they will print, the nicotine line as chosen.
    LabelInputs inputs() const;
    QCheckBox* nicotineBox() const { return m_nicotine; }
    int sizeChoice() const;
    // The label, fitted to the chosen size.
    const ReportDocument& label() const { return m_doc; }
    QSizeF pageMm() const;
    QComboBox* sizeBox() const { return m_size; }
    QLabel* previewLabel() const { return m_preview; }

  private:
    void refresh();

    PrinterPage m_printerPage;
    LabelInputs m_in;
    ReportDocument m_doc;
    QComboBox* m_size = nullptr;
    QCheckBox* m_nicotine = nullptr;
    QLabel* m_preview = nullptr;
};

} // namespace kovaq
