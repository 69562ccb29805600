// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

// The main window bound to the mix: each field shown as the document settles it, the
// results applied as a run settles, the person's edits handed to the document.

#include "MainWindow.h"

#include "Fields.h"
#include "Labels.h"
#include "Look.h"
#include "Panels.h"
#include "Prompts.h"
#include "QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>

namespace kovaq {
namespace {

// Fields whose background turns when a figure is missing from them.
bool markable(TextField f) {
    if (f == TextField::MixQty || f == TextField::MixStrength)
        return true;
    if (f >= TextField::Flav1Name && f <= TextField::Flav8Name)
        return true;
    return f <= TextField::VodkaWaterQty && f != TextField::NicBaseName;
}

} // namespace

void MainWindow::bindDocument() {
    MixDocument& d = *m_doc;
    d.setNotesSource([this] { return m_notes->displayedLines(); });
    connect(&d, &MixDocument::fieldChanged, this, &MainWindow::showField);
    connect(&d, &MixDocument::entryCut, this, [this](TextField f) { showEntryHint(field(f)); });
    connect(&d, &MixDocument::notANumber, this, [this](TextField f) {
        m_prompts.errorBox(this,
                           tr("'%1' is not a valid floating point value").arg(field(f)->text()));
    });
    connect(&d, &MixDocument::beepRequested, this, [this] { m_prompts.beep(); });
    connect(&d, &MixDocument::ratioChanged, this, [this](RatioField r) {
        RatioChoice* c = ratioChoice(r);
        const QSignalBlocker block(c);
        c->setCurrentIndex(m_doc->ratio(r).position);
    });
    connect(&d, &MixDocument::ratioPicked, this, &MainWindow::onRatioPicked);
    connect(&d, &MixDocument::hiPrecisionChanged, hiPrecisionBox(), &QCheckBox::setChecked);
    connect(&d, &MixDocument::ignoreCostChanged, this, [this](bool on) {
        ignoreCostBox()->setChecked(on);
        applyIgnoreCostState(on);
    });
    connect(&d, &MixDocument::notesChanged, this, [this] {
        m_notes->setPlainText(m_doc->notesAsSet().join(QLatin1Char('\n')));
        m_notes->setNotesTabStops();
    });
    connect(&d, &MixDocument::mixNameChanged, this, &QWidget::setWindowTitle);
    connect(&d, &MixDocument::labelsChanged, this, &MainWindow::updateCaptions);
    connect(&d, &MixDocument::calculationStarted, this, [this] {
        field(TextField::MixStrength)->setEnabled(m_doc->mixStrengthEnabled());
        m_spec->strengthCaption()->setEnabled(m_doc->mixStrengthEnabled());
    });
    connect(&d, &MixDocument::volumesComputed, this, &MainWindow::applyVolumes);
    // A mix that cannot be made is shown as the person has always seen it: its volumes,
    // then the box, then its costs and status. The run itself has settled by then.
    connect(&d, &MixDocument::recalculated, this, [this] {
        if (m_doc->cannotBeMade())
            applyMarks(m_doc->result(), true);
        else
            applyResults();
    });
    connect(&d, &MixDocument::cannotBeAchieved, this,
            [this](const QString& text, std::optional<int> nearestRatio) {
                askCannotBeAchieved(text, nearestRatio);
                applyResults();
            });
}

void MainWindow::applyResults() {
    const MixResult& r = m_doc->result();
    applyCostsAndStatus(r);
    m_status->setToolTip(ToQString(m_doc->feasibilityText()));
    applyMarks(r, false);
    updateCaptions();
}

void MainWindow::bindWidgets() {
    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        const TextField f = textFieldAt(i);
        QLineEdit* e = m_fields[i];
        connect(e, &QLineEdit::textChanged, this, [this, f, e] {
            m_doc->setText(f, e->text(), e->cursorPosition(), MixDocument::Origin::Typed);
        });
    }
    for (std::size_t i = 0; i < RatioFieldCount; ++i) {
        const RatioField r = ratioFieldAt(i);
        connect(m_ratioChoices[i], &QComboBox::activated, this,
                [this, r](int position) { m_doc->pickRatio(r, position); });
    }
    connect(static_cast<NumberField*>(field(TextField::MixQty)), &NumberField::arrowPressed, m_doc,
            &MixDocument::stepVolume);
    connect(hiPrecisionBox(), &QCheckBox::clicked, m_doc, &MixDocument::setHiPrecision);
    connect(ignoreCostBox(), &QCheckBox::clicked, m_doc, &MixDocument::setIgnoreCost);
    connect(m_notes, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_notes->hasFocus())
            return; // set by the program
        m_doc->notesTyped();
        m_notesCaret = m_notes->textCursor().position();
    });
    connect(m_notes, &NotesEdit::mouseReleased, this,
            [this] { m_notesCaret = m_notes->textCursor().position(); });
}

void MainWindow::setTabOrder() {
    std::vector<QWidget*> order;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        if (auto name = NameField(s))
            order.push_back(field(*name));
        order.push_back(field(CostField(s)));
        order.push_back(field(QtyField(s)));
    }
    order.push_back(ratioChoice(RatioField::BaseNicPGVG));
    order.push_back(field(TextField::BaseNicStrength));
    order.push_back(ratioChoice(RatioField::MixNicPGVG));
    order.push_back(field(TextField::MixQty));
    order.push_back(field(TextField::MixStrength));
    for (std::size_t f = 0; f < FlavourCount; ++f) {
        order.push_back(ratioChoice(flavourRatio(f)));
        order.push_back(field(*PercentField(flavourSlot(f))));
    }
    order.push_back(field(TextField::PctVodkaWater));
    order.push_back(hiPrecisionBox());
    order.push_back(ignoreCostBox());
    for (QWidget* b :
         std::initializer_list<QWidget*>{m_openButton, m_saveButton, m_printButton, m_newMixButton,
                                         m_layoutButton, m_closeButton})
        order.push_back(b);
    // The header's buttons, left to right, after the window's own.
    for (QWidget* icon : {menuIcon(), recipesIcon(), scalesIcon(), helpIcon()})
        order.push_back(icon);
    order.push_back(order.front()); // and round again
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void MainWindow::showField(TextField f, bool cut) {
    QLineEdit* e = field(f);
    const QString text = ToQString(m_doc->text(f));
    if (e->text() != text) {
        const QSignalBlocker block(e);
        e->setText(text);
    }
    if (cut)
        e->setCursorPosition(0); // the view scrolls back to the start
    e->setCursorPosition(m_doc->caret(f));
}

void MainWindow::showEntryHint(QWidget* anchor) {
    m_entryHint->setText(tr("Entry Was Too Long"));
    m_entryHint->setMaximumWidth(250);
    m_entryHint->adjustSize();
    m_entryHint->move(anchor->mapToGlobal(QPoint(20, 20)));
    m_entryHint->show();
    m_hintTimer.start(); // counts from 3000 again when already running
}

void MainWindow::onRatioPicked(RatioField r) {
    TextField target = TextField::MixQty;
    if (r == RatioField::BaseNicPGVG)
        target = TextField::BaseNicStrength;
    else if (r != RatioField::MixNicPGVG)
        target = *PercentField(flavourSlot(index(r) - index(RatioField::Flav1NicPGVG)));
    field(target)->setFocus();
}

void MainWindow::askCannotBeAchieved(const QString& text, std::optional<int> nearestRatio) {
    const QString caption =
        QCoreApplication::translate(StatusContext, std::string(CannotBeAchievedCaption).c_str());
    if (!nearestRatio) {
        m_prompts.message(this, text, caption, Prompts::Icon::Warning, Prompts::Buttons::Ok);
        return;
    }
    // "Use 40-60" picks that ratio as the person would, once this run is done.
    //: A button that picks the nearest PG/VG ratio the mix can have, as in "Use 40-60".
    const QString use = tr("Use %1").arg(ToQString(RatioListText(*nearestRatio)).trimmed());
    if (m_prompts.messageWithChoice(this, text, caption, Prompts::Icon::Warning, use) ==
        Prompts::Answer::Other)
        m_doc->useRatioAfterRun(*nearestRatio);
}

void MainWindow::applyIgnoreCostState(bool on) {
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        m_costs->caption(s)->setEnabled(!on);
        m_costs->value(s)->setVisible(!on);
        if (on)
            m_costs->value(s)->setText(tr("N/A"));
        field(CostField(s))->setEnabled(!on);
        field(QtyField(s))->setEnabled(!on);
    }
    m_costs->totalCaption()->setEnabled(!on);
    m_costs->heading()->setEnabled(!on);
    m_costs->totalValue()->setVisible(!on);
    if (on)
        m_costs->totalValue()->setText(tr("N/A"));
}

void MainWindow::updateAccessibleNames() {
    // A screen reader finds each shown value by its row and hears it: "Nic Base volume: 10".
    auto name = [](QWidget* w, const QString& text) {
        if (w->accessibleName() != text)
            w->setAccessibleName(text);
    };
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        //: Read out by a screen reader: the row's caption, then its volume.
        name(m_volumes->value(s),
             tr("%1 volume: %2")
                 .arg(m_volumes->caption(s)->text().trimmed(), m_volumes->value(s)->text()));
        //: Read out by a screen reader: the row's caption, then its cost.
        name(m_costs->value(s),
             tr("%1 cost: %2")
                 .arg(m_costs->caption(s)->text().trimmed(), m_costs->value(s)->text()));
    }
    name(m_costs->totalValue(), tr("TOTAL cost: %1").arg(m_costs->totalValue()->text()));
    name(m_status->costLabel(), tr("Cost status: %1").arg(m_status->costLabel()->text().trimmed()));
    name(m_status->volumesLabel(),
         tr("Volume status: %1").arg(m_status->volumesLabel()->text().trimmed()));
}

void MainWindow::applyVolumes(const MixResult& r) {
    for (std::size_t i = 0; i < SlotCount; ++i) {
        QLabel* value = m_volumes->value(slotAt(i));
        value->setText(ToQString(r.slots[i].VolumeText));
        look::setTextColour(value,
                            look::colour(r.slots[i].VolumeWarn ? WarningColour : NormalTextColour));
    }
}

void MainWindow::applyMarks(const MixResult& r, bool volumeMarksOnly) {
    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        const TextField f = textFieldAt(i);
        const bool volumeMark = f == TextField::MixQty || f == TextField::MixStrength;
        const bool marked = r.MissingMarks.contains(f) && (volumeMark || !volumeMarksOnly);
        look::setFieldBackground(m_fields[i], markable(f) && marked);
    }
}

void MainWindow::applyCostsAndStatus(const MixResult& r) {
    const QColor warning = look::colour(WarningColour);
    const QColor normal = look::colour(NormalTextColour);
    for (std::size_t i = 0; i < SlotCount; ++i) {
        QLabel* value = m_costs->value(slotAt(i));
        value->setText(ToQString(r.slots[i].MixCostText));
        look::setTextColour(value, r.slots[i].MixCostWarn ? warning : normal);
    }
    m_costs->totalValue()->setText(ToQString(r.TotalCostText));
    look::setTextColour(m_costs->totalValue(), r.TotalCostWarn ? warning : normal);
    look::setTextColour(m_costs->totalCaption(), r.TotalCostWarn ? warning : normal);
    m_status->setTexts(ToQString(r.CostStatusText), look::colour(ToRgb(r.CostStatusColour)),
                       ToQString(r.VolStatusText), look::colour(ToRgb(r.VolStatusColour)));
}

void MainWindow::updateCaptions() {
    const RowLabels& labels = m_doc->rowLabels();
    for (std::size_t i = 0; i < SlotCount; ++i) {
        m_volumes->caption(slotAt(i))->setText(ToQString(labels.volume[i]));
        m_costs->caption(slotAt(i))->setText(ToQString(labels.cost[i]));
    }
    for (std::size_t f = 0; f < FlavourCount; ++f)
        m_spec->flavourCaption(f)->setText(ToQString(labels.spec[f]));
    updateAccessibleNames();
}

} // namespace kovaq
