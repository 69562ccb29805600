// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Panels.h"
#include "QtText.h"

#include "ControlNames.h"
#include "FieldMetrics.h"
#include "MixResult.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace kovaq {

namespace {

constexpr int kFieldHeight = 16;

QLineEdit* numberField(Prompts& prompts, QWidget* parent, TextField f, int x, int y, int w) {
    auto* e = new NumberField(prompts, parent);
    e->setObjectName(FieldControlName(f));
    e->setAccessibleName(FieldAccessibleName(f));
    e->setGeometry(x, y, w, kFieldHeight);
    look::setFieldBackground(e, false);
    return e;
}

QLineEdit* nameField(QWidget* parent, TextField f, int x, int y, int w) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(FieldControlName(f));
    e->setAccessibleName(FieldAccessibleName(f));
    e->setGeometry(x, y, w, kFieldHeight);
    look::setFieldBackground(e, false);
    return e;
}

RatioChoice* ratioChoice(QWidget* parent, RatioField r, int x, int y) {
    auto* c = new RatioChoice(RatioEntryCount(r), parent);
    c->setObjectName(RatioControlName(r));
    c->setAccessibleName(RatioAccessibleName(r));
    c->setGeometry(x, y, 57, kFieldHeight + 1);
    look::setFieldBackground(c, false);
    return c;
}

} // namespace

PanelGroup::PanelGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    look::makeGroup(this);
}

void PanelGroup::addText(const QString& text, int x, int y, bool bold) {
    m_texts.push_back({text, QPoint(x, y), bold});
}

void PanelGroup::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    QPainter p(this);
    // Where and how a label of the text would have drawn it.
    for (const Text& t : m_texts) {
        p.setFont(t.bold ? look::boldFont() : font());
        const QRect box(t.at, QSize(p.fontMetrics().horizontalAdvance(t.text) + 2, 14));
        style()->drawItemText(&p, box, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                              t.text, QPalette::WindowText);
    }
}

IngredientPanel::IngredientPanel(Prompts& prompts, QWidget* parent)
    : PanelGroup(tr("  Ingredient Details  "), parent) {
    setObjectName(QStringLiteral("IngredientDetails"));
    addText(tr("Names"), 56, 13);
    addText(tr("Cost (\u00a3/$/\u20ac)"), 116, 13);
    //: Short for quantity: the bottle's size the cost is for.
    addText(tr("Qty"), 196, 13);

    constexpr int top = 28;
    constexpr int pitch = 17;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        const int y = top + static_cast<int>(i) * pitch;
        QLabel* caption = nullptr;
        if (s == SlotId::NicBase) {
            //: The nicotine base: the liquid of known nicotine strength the mix is thinned
            //: from; short, it stands in a narrow column.
            m_nicBaseCaption = new ClickLabel(tr("Nic Base"), this);
            m_nicBaseCaption->setGeometry(6, y + 1, 50, 14);
            m_nicBaseCaption->setCursor(Qt::PointingHandCursor);
            m_nicBaseCaption->setToolTip(tr("Click to change base type"));
            caption = m_nicBaseCaption;
        } else {
            caption =
                look::label(this,
                            QCoreApplication::translate("kovaq::RowLabels",
                                                        std::string(IngredientCaption(s)).c_str()),
                            6, y + 1);
        }
        caption->setObjectName(QStringLiteral("IngredientCaption_") + ToQString(SlotName(s)));
        if (auto name = NameField(s)) {
            const int x = s == SlotId::NicBase ? 57 : 26;
            m_fields[index(*name)] = nameField(this, *name, x, y, FieldWidth(*name));
        }
        m_fields[index(CostField(s))] =
            numberField(prompts, this, CostField(s), 122, y, FieldWidth(CostField(s)));
        //: Between a cost and the quantity it buys: "12.50 per 100 ml".
        addText(tr("per"), 165, y + 1);
        m_fields[index(QtyField(s))] =
            numberField(prompts, this, QtyField(s), 184, y, FieldWidth(QtyField(s)));
        addText(tr("ml"), 227, y + 1);
    }
    const int headingY = top + 12 * pitch + 1;
    addText(tr("PG\u2013VG (%)"), 113, headingY);
    const int rowY = headingY + 15;
    addText(tr("Nic Base Strength"), 6, rowY + 1, true);
    m_baseRatio = ratioChoice(this, RatioField::BaseNicPGVG, 113, rowY);
    m_fields[index(TextField::BaseNicStrength)] =
        numberField(prompts, this, TextField::BaseNicStrength, 176, rowY,
                    FieldWidth(TextField::BaseNicStrength));
    //: Milligrams of nicotine per millilitre.
    addText(tr("mg"), 219, rowY + 1);
}

SpecPanel::SpecPanel(Prompts& prompts, QWidget* parent)
    : PanelGroup(tr("  Mixing Specification  "), parent) {
    setObjectName(QStringLiteral("MixingSpecification"));
    addText(tr("PG\u2013VG (%)"), 121, 13);
    constexpr int top = 27;
    constexpr int pitch = 17;
    constexpr int ratioX = 120;
    constexpr int fieldX = 182;
    auto unit = [&](const QString& t, int y) { addText(t, 224, y + 1); };

    addText(tr("Volume To Make"), 6, top + 1, true);
    m_ratios[index(RatioField::MixNicPGVG)] =
        ratioChoice(this, RatioField::MixNicPGVG, ratioX, top);
    m_fields[index(TextField::MixQty)] =
        numberField(prompts, this, TextField::MixQty, fieldX, top, FieldWidth(TextField::MixQty));
    unit(tr("ml"), top);

    const int strengthY = top + pitch;
    m_strengthCaption = look::label(this, tr("Nic Strength"), 6, strengthY + 1);
    m_strengthCaption->setObjectName(QStringLiteral("StrengthCaption"));
    m_fields[index(TextField::MixStrength)] =
        numberField(prompts, this, TextField::MixStrength, fieldX, strengthY,
                    FieldWidth(TextField::MixStrength));
    unit(tr("mg"), strengthY);

    for (std::size_t f = 0; f < FlavourCount; ++f) {
        const int y = top + static_cast<int>(f + 2) * pitch;
        const SlotId s = flavourSlot(f);
        m_flavourCaptions[f] =
            look::label(this, ToQString(RowLabelBase(s)), 6, y + 1, FlavourCaptionWidth);
        m_flavourCaptions[f]->setObjectName(QStringLiteral("SpecCaption_") +
                                            ToQString(SlotName(s)));
        const RatioField r = flavourRatio(f);
        m_ratios[index(r)] = ratioChoice(this, r, ratioX, y);
        const TextField pct = *PercentField(s);
        m_fields[index(pct)] = numberField(prompts, this, pct, fieldX, y, FieldWidth(pct));
        unit(tr("%"), y);
    }
    const int vwY = top + 10 * pitch;
    //: The thinner: vodka or water, or the two mixed.
    addText(tr("Vodka/Water"), 6, vwY + 1);
    m_fields[index(TextField::PctVodkaWater)] = numberField(
        prompts, this, TextField::PctVodkaWater, fieldX, vwY, FieldWidth(TextField::PctVodkaWater));
    unit(tr("%"), vwY);
}

ResultsPanel::ResultsPanel(Kind kind, QWidget* parent)
    : QGroupBox(kind == Kind::Volumes ? tr("  Mixing Volumes  ") : tr("  Cost For This Mix  "),
                parent) {
    const bool volumes = kind == Kind::Volumes;
    setObjectName(volumes ? QStringLiteral("MixingVolumes") : QStringLiteral("CostForThisMix"));
    look::makeGroup(this);
    m_option = new QCheckBox(volumes ? tr("Hi Precision") : tr("Ignore Costs"), this);
    m_option->setObjectName(volumes ? QStringLiteral("CheckBox1") : QStringLiteral("CheckBox2"));
    m_option->setAccessibleName(m_option->text());
    m_option->setGeometry(6, 14, 84, 16);
    m_heading = look::label(this, volumes ? tr("Vol.(ml)") : tr("Cost (\u00a3/$/\u20ac)"),
                            volumes ? 104 : 94, 16);
    constexpr int top = 33;
    constexpr int pitch = 16;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        const int y = top + static_cast<int>(i) * pitch;
        m_captions[i] = look::label(this, ToQString(RowLabelBase(s)), 6, y, 88);
        m_captions[i]->setObjectName(
            (volumes ? QStringLiteral("VolumeCaption_") : QStringLiteral("CostCaption_")) +
            ToQString(SlotName(s)));
        m_values[i] = look::label(this, QStringLiteral("0"), 94, y, 60);
        m_values[i]->setAlignment(Qt::AlignCenter);
        m_values[i]->setFont(look::sansSerifFont(11, volumes));
        m_values[i]->setObjectName((volumes ? QStringLiteral("Volume_") : QStringLiteral("Cost_")) +
                                   ToQString(SlotName(s)));
        const QString row = ToQString(RowLabelBase(s));
        //: Read out by a screen reader: a row's caption, then what its value is.
        m_values[i]->setAccessibleName(volumes ? tr("%1 volume").arg(row) : tr("%1 cost").arg(row));
    }
    if (!volumes) {
        const int y = top + 12 * pitch + 2;
        m_totalCaption = look::label(this, tr("TOTAL"), 6, y, 88);
        m_totalCaption->setFont(look::boldFont());
        m_totalCaption->setObjectName(QStringLiteral("TotalCaption"));
        m_totalValue = look::label(this, QStringLiteral("0"), 94, y, 60);
        m_totalValue->setAlignment(Qt::AlignCenter);
        m_totalValue->setFont(look::sansSerifFont(11, false));
        m_totalValue->setObjectName(QStringLiteral("TotalCost"));
        m_totalValue->setAccessibleName(tr("TOTAL cost"));
    }
}

StatusPanel::StatusPanel(QWidget* parent) : QGroupBox(tr("Status"), parent) {
    setObjectName(QStringLiteral("Status"));
    look::makeGroup(this);
    m_cost = look::label(this, QString(), 6, 14, 60);
    m_cost->setObjectName(QStringLiteral("CostStatus"));
    m_cost->setAccessibleName(tr("Cost status"));
    m_volumes = look::label(this, QString(), 66, 14, 80);
    m_volumes->setObjectName(QStringLiteral("VolStatus"));
    m_volumes->setAccessibleName(tr("Volume status"));
}

void StatusPanel::setTexts(const QString& cost, const QColor& costColour, const QString& volumes,
                           const QColor& volumesColour) {
    // The volume part starts where the cost part ends.
    const QFontMetrics fm(m_cost->font());
    int costWidth = fm.horizontalAdvance(cost);
    if (!cost.isEmpty() && !cost.endsWith(QLatin1Char(' ')))
        costWidth += fm.horizontalAdvance(QLatin1Char(' '));
    m_cost->setText(cost);
    m_cost->setGeometry(6, 14, costWidth + 1, 14);
    m_volumes->setText(volumes);
    m_volumes->setGeometry(6 + costWidth, 14, fm.horizontalAdvance(volumes) + 2, 14);
    look::setTextColour(m_cost, costColour);
    look::setTextColour(m_volumes, volumesColour);
}

} // namespace kovaq
