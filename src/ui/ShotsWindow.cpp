// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "ShotsWindow.h"

#include "EntryRules.h"
#include "Fields.h"
#include "Look.h"
#include "MixDocument.h"
#include "Numbers.h"
#include "Prompts.h"
#include "QtText.h"
#include "Weights.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kovaq {
namespace {

enum Page { ShotsPage, StrengthPage, RatioPage };

// The PG/VG list's places: 5 is 50-50, 7 is 30-70.
constexpr int FiftyFifty = 5;
constexpr int ThirtySeventy = 7;

// A page's rows: caption, field, unit.
QGridLayout* gridOf(QWidget* page) {
    auto* grid = static_cast<QGridLayout*>(page->layout());
    return grid ? grid : new QGridLayout(page);
}

} // namespace

ShotsWindow::ShotsWindow(MixDocument& doc, Prompts& prompts, QWidget* main)
    : QWidget(main, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::WindowMinimizeButtonHint),
      m_doc(doc), m_prompts(prompts), m_main(main) {
    setObjectName(QStringLiteral("ShotsWindow"));
    setWindowTitle(tr("Shots and Fixes"));
    setFont(look::windowFont());
    auto* outer = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("ShotsPages"));
    outer->addWidget(m_tabs);

    auto* shots = new QWidget;
    //: A shortfill: a bottle of flavoured liquid without nicotine, part filled so that
    //: shots (small bottles of strong nicotine) can be added to it. & marks the access key.
    addFigure(shots, QStringLiteral("ShotsLiquid"), tr("Shortfill &liquid"), tr("ml"),
              QStringLiteral("50"));
    addFigure(shots, QStringLiteral("ShotsBottle"), tr("&Bottle size"), tr("ml"),
              QStringLiteral("60"));
    addRatio(shots, QStringLiteral("ShotsLiquidRatio"), tr("Liquid's &PG-VG"), ThirtySeventy);
    //: A shot: a small bottle (10 ml) of strong nicotine added to a shortfill.
    addFigure(shots, QStringLiteral("ShotsShotMg"), tr("&Shot strength"), tr("mg/ml"),
              QStringLiteral("18"));
    addFigure(shots, QStringLiteral("ShotsShotMl"), tr("Shot si&ze"), tr("ml"),
              QStringLiteral("10"));
    addRatio(shots, QStringLiteral("ShotsShotRatio"), tr("Shot's P&G-VG"), FiftyFifty);
    addFigure(shots, QStringLiteral("ShotsTarget"), tr("&Target strength"), tr("mg/ml"),
              QStringLiteral("3"));
    m_tabs->addTab(shots, tr("Shortfill + Shots"));

    auto* strength = new QWidget;
    addBatchChoice(strength, QStringLiteral("FixFromBatch"), QStringLiteral("Fix"));
    addFigure(strength, QStringLiteral("FixBatchMl"), tr("&Batch"), tr("ml"), QStringLiteral("30"));
    addFigure(strength, QStringLiteral("FixBatchMg"), tr("Its &strength"), tr("mg/ml"),
              QStringLiteral("6"));
    addRatio(strength, QStringLiteral("FixBatchRatio"), tr("Its &PG-VG"), ThirtySeventy);
    addFigure(strength, QStringLiteral("FixTargetMg"), tr("&Target strength"), tr("mg/ml"),
              QStringLiteral("3"));
    addRatio(strength, QStringLiteral("FixCarrierRatio"), tr("0 mg liquid's P&G-VG (to weaken)"),
             ThirtySeventy);
    addFigure(strength, QStringLiteral("FixBaseMg"), tr("Nicotine b&ase (to strengthen)"),
              tr("mg/ml"), QString());
    addRatio(strength, QStringLiteral("FixBaseRatio"), tr("Base's PG-&VG"), FiftyFifty);
    m_tabs->addTab(strength, tr("Change Strength"));

    auto* ratio = new QWidget;
    addBatchChoice(ratio, QStringLiteral("RatioFromBatch"), QStringLiteral("Ratio"));
    addFigure(ratio, QStringLiteral("RatioBatchMl"), tr("&Batch"), tr("ml"), QStringLiteral("30"));
    addRatio(ratio, QStringLiteral("RatioBatchRatio"), tr("Its &PG-VG"), FiftyFifty);
    addRatio(ratio, QStringLiteral("RatioTarget"), tr("&Target PG-VG"), ThirtySeventy);
    addFigure(ratio, QStringLiteral("RatioBatchMg"), tr("Its &strength (if known)"), tr("mg/ml"),
              QString());
    m_tabs->addTab(ratio, tr("Change PG/VG"));
    // Every page's tab in view, none behind scroll arrows.
    m_tabs->setMinimumWidth(m_tabs->tabBar()->sizeHint().width() +
                            2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8);

    for (int p = 0; p < 3; ++p) {
        auto* grid = static_cast<QGridLayout*>(m_tabs->widget(p)->layout());
        m_results[p] = new QLabel(m_tabs->widget(p));
        m_results[p]->setObjectName(QStringLiteral("ShotsResult%1").arg(p + 1));
        m_results[p]->setTextFormat(Qt::RichText);
        m_results[p]->setWordWrap(true);
        m_results[p]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_results[p]->setMinimumHeight(fontMetrics().lineSpacing() * 6);
        m_results[p]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(m_results[p], grid->rowCount(), 0, 1, 3);
        grid->setRowStretch(grid->rowCount() - 1, 1);
    }

    auto* buttons = new QHBoxLayout;
    auto* fromMix = new QPushButton(tr("Base From &Mix"), this);
    fromMix->setObjectName(QStringLiteral("ShotsBaseFromMix"));
    fromMix->setToolTip(tr("The nicotine base of the mix in the main window"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("ShotsClose"));
    for (QPushButton* b : {fromMix, close})
        b->setAutoDefault(false);
    buttons->addWidget(fromMix);
    buttons->addStretch(1);
    buttons->addWidget(close);
    outer->addLayout(buttons);
    connect(fromMix, &QPushButton::clicked, this, [this] {
        m_baseTyped = false;
        refresh();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this, fromMix](int p) {
        fromMix->setVisible(p == StrengthPage);
        Q_EMIT pageChanged(p);
    });
    fromMix->setVisible(false);

    connect(&m_doc, &MixDocument::recalculated, this, &ShotsWindow::refresh);
    connect(&m_doc, &MixDocument::gravitiesChanged, this, &ShotsWindow::refresh);
}

QLineEdit* ShotsWindow::addFigure(QWidget* page, const QString& name, const QString& caption,
                                  const QString& unit, const QString& value) {
    QGridLayout* grid = gridOf(page);
    const int row = grid->rowCount();
    auto* field = new NumberField(m_prompts, page);
    field->setObjectName(name);
    field->setText(value);
    field->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")));
    auto* label = new QLabel(caption, page);
    label->setBuddy(field);
    //: Read out by a screen reader: a field's caption, then its unit, as in "Bottle size, ml".
    field->setAccessibleName(tr("%1, %2").arg(QString(caption).remove(QLatin1Char('&')), unit));
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(unit, page), row, 2);
    m_figures[name] = field;
    connect(field, &QLineEdit::textEdited, this, [this, field] { figureEdited(field); });
    return field;
}

QComboBox* ShotsWindow::addRatio(QWidget* page, const QString& name, const QString& caption,
                                 int position) {
    QGridLayout* grid = gridOf(page);
    const int row = grid->rowCount();
    auto* choice = new RatioChoice(RatioListSize - 1, page);
    choice->setObjectName(name);
    choice->setCurrentIndex(position);
    auto* label = new QLabel(caption, page);
    label->setBuddy(choice);
    choice->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    grid->addWidget(label, row, 0);
    grid->addWidget(choice, row, 1);
    m_ratios[name] = choice;
    connect(choice, &QComboBox::currentIndexChanged, this, [this, name] {
        if (name == QStringLiteral("FixBaseRatio"))
            m_baseTyped = true;
        refresh();
    });
    return choice;
}

QComboBox* ShotsWindow::addBatchChoice(QWidget* page, const QString& name, const QString& prefix) {
    QGridLayout* grid = gridOf(page);
    const int row = grid->rowCount();
    auto* choice = new QComboBox(page);
    choice->setObjectName(name);
    choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    choice->setMinimumContentsLength(18);
    auto* label = new QLabel(tr("From a batc&h"), page);
    label->setBuddy(choice);
    choice->setAccessibleName(tr("From a batch"));
    grid->addWidget(label, row, 0);
    grid->addWidget(choice, row, 1, 1, 2);
    m_batchChoices[prefix] = choice;
    m_batchCaptions[prefix] = label;
    label->hide();
    choice->hide();
    connect(choice, &QComboBox::activated, this,
            [this, prefix](int index) { batchPicked(prefix, index); });
    return choice;
}

void ShotsWindow::setBatchSource(BatchSource source) {
    m_batchSource = std::move(source);
    if (isVisible())
        reloadBatches();
}

void ShotsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    reloadBatches();
    refresh();
}

// The batch log as it is now: newest first, the last few hundred, which is as far back as
// anyone fixes a bottle.
void ShotsWindow::reloadBatches() {
    m_batches = m_batchSource ? m_batchSource() : std::vector<Batch>{};
    constexpr std::size_t Listed = 300;
    if (m_batches.size() > Listed)
        m_batches.resize(Listed);
    for (auto& [prefix, choice] : m_batchChoices) {
        const QSignalBlocker quiet(choice);
        choice->clear();
        choice->addItem(tr("(none: the figures typed)"));
        for (const Batch& b : m_batches)
            //: A batch in the list: the day it was mixed, two blanks, its name.
            choice->addItem(tr("%1  %2").arg(
                QLocale().toString(QDateTime::fromMSecsSinceEpoch(b.mixedAt).date(),
                                   QLocale::ShortFormat),
                b.name));
        choice->setVisible(!m_batches.empty());
        m_batchCaptions[prefix]->setVisible(!m_batches.empty());
    }
}

void ShotsWindow::batchPicked(const QString& prefix, int row) {
    if (row <= 0 || static_cast<std::size_t>(row) > m_batches.size())
        return;
    const Batch& b = m_batches[static_cast<std::size_t>(row - 1)];
    m_figures[prefix + QStringLiteral("BatchMl")]->setText(b.volume);
    m_figures[prefix + QStringLiteral("BatchMg")]->setText(b.strength);
    for (int i = 0; i < RatioListSize - 1; ++i)
        if (ToQString(RatioListText(i)).trimmed() == b.ratio)
            m_ratios[prefix + QStringLiteral("BatchRatio")]->setCurrentIndex(i);
    refresh();
}

// The batch picked, while its figures are still the batch's.
QString ShotsWindow::pickedBatchLine(const QString& prefix) const {
    const QComboBox* choice = m_batchChoices.at(prefix);
    const int row = choice->currentIndex();
    if (row <= 0 || static_cast<std::size_t>(row) > m_batches.size())
        return {};
    const Batch& b = m_batches[static_cast<std::size_t>(row - 1)];
    if (m_figures.at(prefix + QStringLiteral("BatchMl"))->text() != b.volume ||
        m_figures.at(prefix + QStringLiteral("BatchMg"))->text() != b.strength)
        return {};
    return tr("For the batch %1, mixed %2")
        .arg(b.name, QLocale().toString(QDateTime::fromMSecsSinceEpoch(b.mixedAt).date(),
                                        QLocale::LongFormat));
}

// The entry rules of the window's number fields: one point, tidied, and no wider than
// the field shows.
void ShotsWindow::figureEdited(QLineEdit* field) {
    if (field->objectName() == QStringLiteral("FixBaseMg"))
        m_baseTyped = true;
    NumberEntryOutcome out =
        NumberEntryCheck(field->text().toStdU16String(), field->cursorPosition());
    for (int i = 0; i < out.beeps; ++i)
        m_prompts.beep();
    const int room = field->contentsRect().width() - 4;
    const QFontMetrics metrics = field->fontMetrics();
    const FitOutcome fit = CutToFit(out.text, out.caret, [&](const std::u16string& t) {
        return metrics.horizontalAdvance(QString::fromStdU16String(t)) <= room;
    });
    const QString text = QString::fromStdU16String(fit.text);
    if (text != field->text()) {
        field->setText(text);
        field->setCursorPosition(fit.caret);
    }
    refresh();
}

void ShotsWindow::takeBaseFromMix() {
    if (m_baseTyped)
        return;
    const MixRecipe& r = m_doc.recipe();
    const QSignalBlocker quiet(m_ratios[QStringLiteral("FixBaseRatio")]);
    m_figures[QStringLiteral("FixBaseMg")]->setText(ToQString(r[TextField::BaseNicStrength]));
    const int position = r[RatioField::BaseNicPGVG].position;
    if (position >= 0 && position < RatioListSize - 1)
        m_ratios[QStringLiteral("FixBaseRatio")]->setCurrentIndex(position);
}

std::optional<double> ShotsWindow::figure(const QString& name) const {
    const QString text = m_figures.at(name)->text();
    if (text.isEmpty() || text == QStringLiteral("."))
        return std::nullopt;
    return ParseNumber(ToUtf8(text));
}

double ShotsWindow::pgOf(const QString& name) const {
    return RatioPgPercent(m_ratios.at(name)->currentIndex());
}

ShotsDisplay ShotsWindow::display() const {
    ShotsDisplay d;
    d.volumeDecimals = m_doc.volumeDecimals();
    d.scaleResolution = m_resolution;
    d.dropsPerMl = m_dropsPerMl;
    d.gravities = ScaleGravitiesOf(m_doc.recipe());
    return d;
}

void ShotsWindow::setScale(double resolution, int dropsPerMl) {
    m_resolution = resolution;
    m_dropsPerMl = dropsPerMl;
    refresh();
}

int ShotsWindow::page() const {
    return m_tabs->currentIndex();
}

void ShotsWindow::setPage(int page) {
    m_tabs->setCurrentIndex(std::clamp(page, 0, m_tabs->count() - 1));
}

QLineEdit* ShotsWindow::field(const QString& name) const {
    const auto it = m_figures.find(name);
    return it == m_figures.end() ? nullptr : it->second;
}

QComboBox* ShotsWindow::ratio(const QString& name) const {
    const auto it = m_ratios.find(name);
    return it == m_ratios.end() ? nullptr : it->second;
}

QStringList ShotsWindow::lines(int page) const {
    return m_lines[std::clamp(page, 0, 2)];
}

void ShotsWindow::refresh() {
    // Hidden, it costs the main window's keystrokes nothing; showing it catches up.
    if (!isVisible())
        return;
    takeBaseFromMix();
    const ShotsDisplay d = display();
    const auto need = [this](std::initializer_list<const char*> names) {
        for (const char* n : names)
            if (!figure(QString::fromLatin1(n)))
                return false;
        return true;
    };
    std::vector<std::string> out[3];
    std::vector<LineKind> kinds[3];
    if (need({"ShotsLiquid", "ShotsBottle", "ShotsShotMg", "ShotsShotMl", "ShotsTarget"})) {
        ShotsInput in;
        in.liquidMl = *figure(QStringLiteral("ShotsLiquid"));
        in.bottleMl = *figure(QStringLiteral("ShotsBottle"));
        in.liquidPg = pgOf(QStringLiteral("ShotsLiquidRatio"));
        in.shotMg = *figure(QStringLiteral("ShotsShotMg"));
        in.shotMl = *figure(QStringLiteral("ShotsShotMl"));
        in.shotPg = pgOf(QStringLiteral("ShotsShotRatio"));
        in.targetMg = *figure(QStringLiteral("ShotsTarget"));
        ShotsPlan plan = PlanShots(in, d);
        out[ShotsPage] = std::move(plan.lines);
        kinds[ShotsPage] = std::move(plan.kinds);
    }
    if (need({"FixBatchMl", "FixBatchMg", "FixTargetMg"})) {
        StrengthFixInput in;
        in.batchMl = *figure(QStringLiteral("FixBatchMl"));
        in.batchMg = *figure(QStringLiteral("FixBatchMg"));
        in.batchPg = pgOf(QStringLiteral("FixBatchRatio"));
        in.targetMg = *figure(QStringLiteral("FixTargetMg"));
        in.carrierPg = pgOf(QStringLiteral("FixCarrierRatio"));
        in.baseMg = figure(QStringLiteral("FixBaseMg")).value_or(0);
        in.basePg = pgOf(QStringLiteral("FixBaseRatio"));
        BatchFix fix = FixStrength(in, d);
        out[StrengthPage] = std::move(fix.lines);
        kinds[StrengthPage] = std::move(fix.kinds);
    }
    if (need({"RatioBatchMl"})) {
        RatioFixInput in;
        in.batchMl = *figure(QStringLiteral("RatioBatchMl"));
        in.batchPg = pgOf(QStringLiteral("RatioBatchRatio"));
        in.targetPg = pgOf(QStringLiteral("RatioTarget"));
        in.batchMg = figure(QStringLiteral("RatioBatchMg"));
        BatchFix fix = FixRatio(in, d);
        out[RatioPage] = std::move(fix.lines);
        kinds[RatioPage] = std::move(fix.kinds);
    }
    const QColor behind = look::backgroundOf(m_results[0]);
    const QString hintColour = look::readable(look::colour(WarningColour), behind).name();
    const QString problemColour = look::readable(QColor(0xb0, 0, 0), behind).name();
    for (int p = 0; p < 3; ++p) {
        m_lines[p].clear();
        QStringList html;
        if (p != ShotsPage && !out[p].empty())
            if (const QString batch = pickedBatchLine(p == StrengthPage ? QStringLiteral("Fix")
                                                                        : QStringLiteral("Ratio"));
                !batch.isEmpty())
                html << QStringLiteral("<i>%1</i>").arg(batch.toHtmlEscaped());
        for (std::size_t i = 0; i < out[p].size(); ++i) {
            const QString line = ToQString(out[p][i]);
            m_lines[p] << line;
            // How a line shows follows from what it is, never from its words.
            const LineKind kind = i < kinds[p].size() ? kinds[p][i] : LineKind::Result;
            if (kind == LineKind::Problem)
                html << QStringLiteral("<span style=\"color:%1\"><b>&#x26A0;&nbsp;%2</b></span>")
                            .arg(problemColour, line.toHtmlEscaped());
            else if (kind == LineKind::Hint)
                html << QStringLiteral("<span style=\"color:%1\">%2</span>")
                            .arg(hintColour, line.toHtmlEscaped());
            else
                html << line.toHtmlEscaped();
        }
        m_problem[p] =
            std::find(kinds[p].begin(), kinds[p].end(), LineKind::Problem) != kinds[p].end();
        if (out[p].empty())
            html << tr("Type every figure to see what to add.");
        m_results[p]->setText(html.join(QStringLiteral("<br>")));
        m_results[p]->setAccessibleName(m_lines[p].join(QLatin1Char('\n')));
    }
}

} // namespace kovaq
