// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Shots.h"
#include "StashStore.h"

#include <QWidget>

#include <algorithm>

#include <functional>
#include <map>
#include <vector>

class QLabel;
class QLineEdit;
class QComboBox;
class QTabWidget;

namespace kovaq {

class MixDocument;
class Prompts;

// "Shots and Fixes": nicotine shots into a shortfill, a finished batch brought to another
// strength or PG/VG. Each page works out its lines on every keystroke, with the gravities
// and precision of the mix in the main window.
class ShotsWindow : public QWidget {
    Q_OBJECT
  public:
    ShotsWindow(MixDocument& doc, Prompts& prompts, QWidget* main);

    void setScale(double resolution, int dropsPerMl);
    // Where the batches mixed come from, to fix one without typing its figures; none while
    // there is no batch log.
    using BatchSource = std::function<std::vector<Batch>()>;
    void setBatchSource(BatchSource source);
    int page() const;
    void setPage(int page);
    // A page's figure field or PG/VG choice by its name ("ShotsLiquid", "FixBaseRatio").
    QLineEdit* field(const QString& name) const;
    QComboBox* ratio(const QString& name) const;
    // The lines each page shows, as kovaq-calc prints them.
    QStringList lines(int page) const;
    // Whether a page shows something that cannot be done as it stands.
    bool showsProblem(int page) const { return m_problem[std::clamp(page, 0, 2)]; }

  public Q_SLOTS:
    void refresh();

  Q_SIGNALS:
    void pageChanged(int page);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* addFigure(QWidget* page, const QString& name, const QString& caption,
                         const QString& unit, const QString& value);
    QComboBox* addRatio(QWidget* page, const QString& name, const QString& caption, int position);
    void figureEdited(QLineEdit* field);
    void takeBaseFromMix();
    QComboBox* addBatchChoice(QWidget* page, const QString& name, const QString& prefix);
    void reloadBatches();
    void batchPicked(const QString& prefix, int row);
    QString pickedBatchLine(const QString& prefix) const;
    std::optional<double> figure(const QString& name) const;
    double pgOf(const QString& name) const;
    ShotsDisplay display() const;

    MixDocument& m_doc;
    Prompts& m_prompts;
    QWidget* m_main;
    QTabWidget* m_tabs = nullptr;
    std::map<QString, QLineEdit*> m_figures;
    std::map<QString, QComboBox*> m_ratios;
    QLabel* m_results[3] = {};
    QStringList m_lines[3];
    bool m_problem[3] = {false, false, false};
    double m_resolution = 0.01;
    int m_dropsPerMl = DefaultDropsPerMl;
    BatchSource m_batchSource;
    std::vector<Batch> m_batches;                 // newest first, as the choices list them
    std::map<QString, QComboBox*> m_batchChoices; // by the prefix of the page's fields
    std::map<QString, QLabel*> m_batchCaptions;
    bool m_baseTyped = false; // the base's figures are the user's, no longer the mix's
};

} // namespace kovaq
