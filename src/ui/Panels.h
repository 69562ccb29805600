// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Fields.h"
#include "Labels.h"
#include "Look.h"
#include "MixResult.h"
#include "Recipe.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

#include <array>
#include <vector>

namespace kovaq {

class Prompts;

// A group of the main window. The texts that never change (headings and units: "Qty",
// "per", "ml", "%") are painted by the group itself rather than held as labels: dozens of
// widgets fewer to make, lay out and keep.
class PanelGroup : public QGroupBox {
    Q_OBJECT
  public:
    PanelGroup(const QString& title, QWidget* parent);
    // A fixed text with its top left corner at x, y.
    void addText(const QString& text, int x, int y, bool bold = false);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Text {
        QString text;
        QPoint at;
        bool bold;
    };
    std::vector<Text> m_texts;
};

// "Ingredient Details": names, costs and bottle sizes, the base strength and ratio.
class IngredientPanel : public PanelGroup {
    Q_OBJECT
  public:
    IngredientPanel(Prompts& prompts, QWidget* parent);
    QLineEdit* field(TextField f) const { return m_fields[index(f)]; }
    RatioChoice* baseRatio() const { return m_baseRatio; }
    ClickLabel* nicBaseCaption() const { return m_nicBaseCaption; }

  private:
    std::array<QLineEdit*, TextFieldCount> m_fields{};
    RatioChoice* m_baseRatio = nullptr;
    ClickLabel* m_nicBaseCaption = nullptr;
};

// The mix asked for: volume, strength, flavour shares and ratios.
class SpecPanel : public PanelGroup {
    Q_OBJECT
  public:
    SpecPanel(Prompts& prompts, QWidget* parent);
    QLineEdit* field(TextField f) const { return m_fields[index(f)]; }
    RatioChoice* ratio(RatioField r) const { return m_ratios[index(r)]; }
    QLabel* flavourCaption(std::size_t flavour) const { return m_flavourCaptions[flavour]; }
    QLabel* strengthCaption() const { return m_strengthCaption; }

    static constexpr int FlavourCaptionWidth = 108;

  private:
    std::array<QLineEdit*, TextFieldCount> m_fields{};
    std::array<RatioChoice*, RatioFieldCount> m_ratios{};
    std::array<QLabel*, FlavourCount> m_flavourCaptions{};
    QLabel* m_strengthCaption = nullptr;
};

// "Mixing Volumes" or "Cost For This Mix": an option, a heading and one row per slot.
class ResultsPanel : public QGroupBox {
    Q_OBJECT
  public:
    enum class Kind { Volumes, Costs };
    ResultsPanel(Kind kind, QWidget* parent);
    QCheckBox* option() const { return m_option; }
    QLabel* heading() const { return m_heading; }
    QLabel* caption(SlotId s) const { return m_captions[index(s)]; }
    QLabel* value(SlotId s) const { return m_values[index(s)]; }
    QLabel* totalCaption() const { return m_totalCaption; }
    QLabel* totalValue() const { return m_totalValue; }

  private:
    QCheckBox* m_option = nullptr;
    QLabel* m_heading = nullptr;
    std::array<QLabel*, SlotCount> m_captions{};
    std::array<QLabel*, SlotCount> m_values{};
    QLabel* m_totalCaption = nullptr;
    QLabel* m_totalValue = nullptr;
};

// "Status": the cost part and, right after it, the volume part.
class StatusPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit StatusPanel(QWidget* parent);
    void setTexts(const QString& cost, const QColor& costColour, const QString& volumes,
                  const QColor& volumesColour);
    QLabel* costLabel() const { return m_cost; }
    QLabel* volumesLabel() const { return m_volumes; }

  private:
    QLabel* m_cost = nullptr;
    QLabel* m_volumes = nullptr;
};

} // namespace kovaq
