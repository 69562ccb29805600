// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "WeightsWindow.h"

#include "Shots.h"

#include "Numbers.h"

#include "Fields.h"
#include "Figures.h"
#include "Look.h"
#include "MixDocument.h"
#include "QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

namespace kovaq {
namespace {

QString gravityText(double g) {
    return FigureText(g, 3);
}

} // namespace

GravityKey WeightsWindow::keyOfSlot(SlotId s) {
    switch (s) {
    case SlotId::PG:
        return GravityKey::PG;
    case SlotId::VG:
        return GravityKey::VG;
    case SlotId::VodkaWater:
        return GravityKey::VodkaWater;
    case SlotId::NicBase:
        return GravityKey::Nicotine;
    default:
        return gravityKeyAt(index(GravityKey::Flav1) + index(s) - index(SlotId::Flav1));
    }
}

WeightsWindow::WeightsWindow(MixDocument& doc, Prompts& prompts, QWidget* main)
    : QWidget(main, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::WindowMinimizeButtonHint),
      m_doc(doc), m_main(main) {
    setObjectName(QStringLiteral("WeightsWindow"));
    setWindowTitle(tr("Mix By Weight"));
    setFont(look::windowFont());
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(1);
    //: The columns' heads: "scale reads" is what the scale shows once the row is poured in.
    const QStringList heads = {tr("Ingredient"), tr("ml"),          tr("g/ml"),
                               tr("grams"),      tr("scale reads"), tr("drops")};
    for (int c = 0; c < heads.size(); ++c) {
        auto* h = new QLabel(heads[c], this);
        h->setFont(look::boldFont());
        grid->addWidget(h, 0, c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
        if (c == 5)
            m_dropsHead = h;
    }
    auto gravityField = [&](GravityKey key) {
        auto* e = new NumberField(prompts, this);
        e->setObjectName(QStringLiteral("Gravity_") + ToQString(GravityFileKey(key)).remove('/'));
        // Rows as close as the volumes group's; room for a gravity to five decimals and the
        // caret after it, in whatever font and scale the desktop gives.
        QStyleOptionFrame frame;
        frame.initFrom(e);
        frame.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, e);
        const int caret = e->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, e);
        const QSize text(e->fontMetrics().horizontalAdvance(QStringLiteral("0.00000")) + 1 + caret +
                             2 * 2,
                         e->fontMetrics().height());
        const QSize needed = e->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, text, e);
        e->setFixedSize(std::max(48, needed.width()), 18);
        e->setAlignment(Qt::AlignRight);
        look::setFieldBackground(e, false);
        connect(e, &QLineEdit::textEdited, this, [this, key] { onGravityTyped(key); });
        m_gravity[index(key)] = e;
        return e;
    };
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        const int row = static_cast<int>(i) + 1;
        const QString slot = ToQString(SlotName(s));
        m_labels[i] = new QLabel(this);
        m_labels[i]->setObjectName(QStringLiteral("WeightCaption_") + slot);
        m_ml[i] = new QLabel(this);
        m_ml[i]->setObjectName(QStringLiteral("WeightMl_") + slot);
        m_grams[i] = new QLabel(this);
        m_grams[i]->setObjectName(QStringLiteral("Grams_") + slot);
        m_grams[i]->setFont(look::sansSerifFont(11, true));
        m_scale[i] = new QLabel(this);
        m_scale[i]->setObjectName(QStringLiteral("Scale_") + slot);
        grid->addWidget(m_labels[i], row, 0);
        grid->addWidget(m_ml[i], row, 1, Qt::AlignRight);
        if (s == SlotId::NicBase) {
            // The base's gravity follows from its strength and carrier: worked out, not typed.
            m_baseGravity[i] = new QLabel(this);
            m_baseGravity[i]->setObjectName(QStringLiteral("Gravity_NicBase"));
            grid->addWidget(m_baseGravity[i], row, 2, Qt::AlignRight);
        } else {
            grid->addWidget(gravityField(keyOfSlot(s)), row, 2, Qt::AlignRight);
        }
        grid->addWidget(m_grams[i], row, 3, Qt::AlignRight);
        grid->addWidget(m_scale[i], row, 4, Qt::AlignRight);
        m_drops[i] = new QLabel(this);
        m_drops[i]->setObjectName(QStringLiteral("Drops_") + slot);
        grid->addWidget(m_drops[i], row, 5, Qt::AlignRight);
    }
    const int totalRow = static_cast<int>(SlotCount) + 1;
    auto* total = new QLabel(tr("TOTAL"), this);
    total->setFont(look::boldFont());
    grid->addWidget(total, totalRow, 0);
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("GramsTotal"));
    m_total->setFont(look::sansSerifFont(11, true));
    grid->addWidget(m_total, totalRow, 3, Qt::AlignRight);
    auto* nicotine = new QLabel(tr("Pure nicotine"), this);
    grid->addWidget(nicotine, totalRow + 1, 0, 1, 2);
    grid->addWidget(gravityField(GravityKey::Nicotine), totalRow + 1, 2, Qt::AlignRight);
    outer->addLayout(grid);

    // Drops beside the grams, for those who measure flavours with a dropper.
    auto* drops = new QHBoxLayout;
    m_dropsBox = new QCheckBox(tr("Show &drops at"), this);
    m_dropsBox->setObjectName(QStringLiteral("ShowDrops"));
    m_dropsPerMl = new QSpinBox(this);
    m_dropsPerMl->setObjectName(QStringLiteral("DropsPerMl"));
    m_dropsPerMl->setRange(5, 100);
    m_dropsPerMl->setValue(20);
    //: After a number of drops, as in "20 drops per ml".
    m_dropsPerMl->setSuffix(tr(" drops per ml"));
    m_dropsPerMl->setAccessibleName(tr("Drops per ml"));
    m_dropsPerMl->setToolTip(tr("20 for most droppers; 25 or 33 for finer ones"));
    drops->addWidget(m_dropsBox);
    drops->addWidget(m_dropsPerMl);
    drops->addStretch(1);
    // The scale sets what is too little to weigh: a twentieth of the amount must show.
    auto* scaleCaption = new QLabel(tr("&Scale reads to"), this);
    m_scaleBox = new QComboBox(this);
    m_scaleBox->setObjectName(QStringLiteral("ScaleResolution"));
    for (const double g : {0.1, 0.01, 0.001})
        m_scaleBox->addItem(tr("%1 g").arg(QString::number(g)), g);
    m_scaleBox->setCurrentIndex(1);
    scaleCaption->setBuddy(m_scaleBox);
    drops->addWidget(scaleCaption);
    drops->addWidget(m_scaleBox);
    outer->addLayout(drops);
    m_hintsLabel = new QLabel(this);
    m_hintsLabel->setObjectName(QStringLiteral("SmallAmounts"));
    m_hintsLabel->setWordWrap(true);
    look::setTextColour(m_hintsLabel, look::colour(WarningColour));
    m_hintsLabel->hide();
    outer->addWidget(m_hintsLabel);
    connect(m_scaleBox, &QComboBox::currentIndexChanged, this, [this] {
        refresh();
        Q_EMIT scaleChanged(m_scaleBox->currentData().toDouble());
    });
    const auto dropsChosen = [this] {
        refresh();
        Q_EMIT dropsChanged(m_dropsBox->isChecked(), m_dropsPerMl->value());
    };
    connect(m_dropsBox, &QCheckBox::toggled, this, dropsChosen);
    connect(m_dropsPerMl, &QSpinBox::valueChanged, this, dropsChosen);

    auto* buttons = new QHBoxLayout;
    m_defaults = new QPushButton(tr("Defaults"), this);
    m_defaults->setObjectName(QStringLiteral("DefaultsButton"));
    m_defaults->setToolTip(tr("Every gravity back to its default"));
    m_print = new QPushButton(tr("Print..."), this);
    m_print->setObjectName(QStringLiteral("WeightsPrintButton"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("WeightsCloseButton"));
    for (QPushButton* b : {m_defaults, m_print, close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    outer->addStretch(1); // rows left out leave their room below, not between
    outer->addLayout(buttons);
    connect(m_defaults, &QPushButton::clicked, this, [this] {
        for (std::size_t i = 0; i < GravityKeyCount; ++i)
            if (!m_gravity[i]->text().isEmpty()) {
                m_gravity[i]->clear();
                onGravityTyped(gravityKeyAt(i));
            }
    });
    connect(m_print, &QPushButton::clicked, this, &WeightsWindow::printRequested);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_doc, &MixDocument::recalculated, this, &WeightsWindow::refresh);
    connect(&m_doc, &MixDocument::gravitiesChanged, this, &WeightsWindow::refresh);
}

void WeightsWindow::setDrops(bool on, int perMl) {
    const QSignalBlocker quietBox(m_dropsBox);
    const QSignalBlocker quietCount(m_dropsPerMl);
    m_dropsBox->setChecked(on);
    m_dropsPerMl->setValue(perMl);
    refresh();
}

void WeightsWindow::setScaleResolution(double grams) {
    const QSignalBlocker quiet(m_scaleBox);
    m_scaleBox->setCurrentIndex(grams > 0.05 ? 0 : grams > 0.005 ? 1 : 2);
    refresh();
}

void WeightsWindow::onGravityTyped(GravityKey key) {
    if (m_refreshing)
        return;
    m_doc.setGravity(key, ToUtf8(m_gravity[index(key)]->text()));
}

void WeightsWindow::refresh() {
    // Hidden, it costs the keystroke nothing; showing it catches up.
    if (!isVisible())
        return;
    m_refreshing = true;
    const MixRecipe& recipe = m_doc.recipe();
    const MixResult& result = m_doc.result();
    m_weights = ComputeWeights(recipe, result);
    const QColor red = look::colour(WarningColour);
    const QColor black = look::colour(NormalTextColour);
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        const SlotWeight& w = m_weights.slots[i];
        const QString caption = ToQString(m_doc.rowLabels().label(s));
        m_labels[i]->setText(caption);
        m_ml[i]->setText(ToQString(result.slots[i].VolumeText));
        m_grams[i]->setText(ToQString(w.gramsText));
        m_scale[i]->setText(ToQString(w.scaleText));
        for (QLabel* l : {m_ml[i], m_grams[i]})
            look::setTextColour(l, w.warn ? red : black);
        //: Read out by a screen reader: the row's caption, then its grams.
        m_grams[i]->setAccessibleName(
            tr("%1 grams: %2").arg(caption.trimmed(), ToQString(w.gramsText)));
        //: Read out by a screen reader: the row's caption, then what the scale reads.
        m_scale[i]->setAccessibleName(
            tr("%1 scale reads: %2").arg(caption.trimmed(), ToQString(w.scaleText)));
        if (m_baseGravity[i])
            m_baseGravity[i]->setText(gravityText(w.gravity));
    }
    // The user's gravities as typed; where there is none, the default shows greyed.
    for (std::size_t k = 0; k < GravityKeyCount; ++k) {
        QLineEdit* e = m_gravity[k];
        const QString typed = ToQString(recipe.Gravity[k]);
        if (e->text() != typed)
            e->setText(typed);
        e->setPlaceholderText(gravityText(m_weights.defaults[k]));
        look::setFieldBackground(e, !typed.isEmpty() && !ValidGravity(recipe.Gravity[k]));
        //: Read out by a screen reader: what the gravity is of, as in "PG gravity, g/ml".
        e->setAccessibleName(
            tr("%1 gravity, g/ml").arg(ToQString(GravityFileKey(gravityKeyAt(k)))));
    }
    const bool drops = m_dropsBox->isChecked();
    m_dropsHead->setVisible(drops);
    m_dropsPerMl->setEnabled(drops);
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        const double ml = result.slots[i].Volume;
        // Drops are for what goes in by the dropper: the flavours and the nicotine.
        const bool dropped = isFlavour(s) || s == SlotId::NicBase;
        m_drops[i]->setText(drops && dropped && result.VolumesOk && ml > 0
                                ? ToQString(FormatNumber(DropsOf(ml, m_dropsPerMl->value())))
                                : QString());
        // A flavour row with neither name nor share is no part of this mix.
        bool unused = false;
        if (isFlavour(s)) {
            const auto name = NameField(s);
            const auto share = PercentField(s);
            unused =
                (!name || recipe[*name].empty()) && (!share || !(ParseNumber(recipe[*share]) > 0));
        }
        for (QWidget* cell : {static_cast<QWidget*>(m_labels[i]), static_cast<QWidget*>(m_ml[i]),
                              static_cast<QWidget*>(m_grams[i]), static_cast<QWidget*>(m_scale[i]),
                              static_cast<QWidget*>(m_gravity[index(keyOfSlot(s))])})
            if (cell->isVisibleTo(this) == unused) // a change of shown rows lays out again
                cell->setVisible(!unused);
        if (m_drops[i]->isVisibleTo(this) != (drops && !unused))
            m_drops[i]->setVisible(drops && !unused);
    }
    m_total->setText(ToQString(m_weights.totalGramsText));
    m_total->setAccessibleName(tr("TOTAL grams: %1").arg(m_total->text()));
    // Amounts too small to weigh: the grams underlined, the hint under the table.
    m_hints = SmallAmountHints(result, m_weights, m_scaleBox->currentData().toDouble(),
                               m_dropsPerMl->value());
    QStringList hinted;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        if (m_grams[i]->font().underline() != m_hints[i].has_value()) {
            QFont f = m_grams[i]->font();
            f.setUnderline(m_hints[i].has_value());
            m_grams[i]->setFont(f);
        }
        const QString hint = m_hints[i] ? ToQString(*m_hints[i]) : QString();
        m_grams[i]->setToolTip(hint);
        if (m_hints[i])
            //: A row's caption, then why its amount is too small to weigh.
            hinted << tr("%1: %2").arg(m_labels[i]->text().trimmed(), hint);
    }
    m_hintsLabel->setText(hinted.join(QLatin1Char('\n')));
    m_hintsLabel->setVisible(!hinted.isEmpty());
    m_refreshing = false;
}

void WeightsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
    Q_EMIT visibilityChanged(true);
}

void WeightsWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    Q_EMIT visibilityChanged(false);
}

} // namespace kovaq
