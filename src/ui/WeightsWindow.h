// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Recipe.h"
#include "Shots.h"
#include "Weights.h"

#include "Look.h"

#include <QWidget>

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QLineEdit;
class QPushButton;

namespace kovaq {

class MixDocument;
class Prompts;

// "Mix By Weight": the volumes of the main window in grams, live, with the gravity of each
// ingredient (the user's own, or the default shown greyed), and what a scale reads as each
// one goes into the bottle. Owned by the main window; everything it shows comes from
// ComputeWeights, as kovaq-calc's does.
class WeightsWindow : public QWidget {
    Q_OBJECT
  public:
    // A window of its own, owned by (and placed beside) `main`.
    WeightsWindow(MixDocument& doc, Prompts& prompts, QWidget* main);

    // Follows the main window: after every recalculation and gravity typed.
    void refresh();

    QLineEdit* gravityField(GravityKey key) const { return m_gravity[index(key)]; }
    QLabel* gramsLabel(SlotId s) const { return m_grams[index(s)]; }
    QLabel* scaleLabel(SlotId s) const { return m_scale[index(s)]; }
    QLabel* totalLabel() const { return m_total; }
    QPushButton* defaultsButton() const { return m_defaults; }
    QPushButton* printButton() const { return m_print; }
    const WeightResult& weights() const { return m_weights; }
    // Drops beside the grams: shown or not, and how many to the ml.
    void setDrops(bool on, int perMl);
    // What the user's scale reads to (0.1, 0.01 or 0.001 g), for the small-amount hints.
    void setScaleResolution(double grams);
    QComboBox* scaleBox() const { return m_scaleBox; }
    // The hint of each ingredient too small to weigh, as the window and the sheet show it.
    const SlotHints& hints() const { return m_hints; }
    QLabel* hintsLabel() const { return m_hintsLabel; }
    QLabel* dropsLabel(SlotId s) const { return m_drops[index(s)]; }
    QCheckBox* dropsBox() const { return m_dropsBox; }

  Q_SIGNALS:
    void printRequested();
    void visibilityChanged(bool shown);
    void dropsChanged(bool on, int perMl);
    void scaleChanged(double grams);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void onGravityTyped(GravityKey key);
    static GravityKey keyOfSlot(SlotId s);

    MixDocument& m_doc;
    QWidget* m_main;
    std::array<QLabel*, SlotCount> m_labels{};
    std::array<QLabel*, SlotCount> m_ml{};
    std::array<QLabel*, SlotCount> m_baseGravity{}; // the base's own, worked out: read only
    std::array<QLineEdit*, GravityKeyCount> m_gravity{};
    std::array<QLabel*, SlotCount> m_grams{};
    std::array<QLabel*, SlotCount> m_scale{};
    std::array<QLabel*, SlotCount> m_drops{};
    QLabel* m_dropsHead = nullptr;
    QCheckBox* m_dropsBox = nullptr;
    QSpinBox* m_dropsPerMl = nullptr;
    QComboBox* m_scaleBox = nullptr;
    QLabel* m_hintsLabel = nullptr;
    SlotHints m_hints{};
    QLabel* m_total = nullptr;
    QPushButton* m_defaults = nullptr;
    QPushButton* m_print = nullptr;
    WeightResult m_weights;
    bool m_refreshing = false;
};

} // namespace kovaq
