// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MainWindow.h"

#include "ControlNames.h"
#include "Feasibility.h"
#include "Fields.h"
#include "Panels.h"
#include "Prompts.h"
#include "ScopeExit.h"
#include "Version.h"
#include "WeightsWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QToolTip>

// Resources of a static library are registered by hand, outside any namespace.
static void initUiResources() {
    Q_INIT_RESOURCE(ui);
}

namespace kovaq {
namespace {

// The window sizes are outer sizes; this is what the frame and title bar take.
constexpr int kFrameWidth = 10;
constexpr int kFrameHeight = 34;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
std::u16string u16(const QString& s) {
    return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size())};
}

bool markable(TextField f) {
    if (f == TextField::MixQty || f == TextField::MixStrength)
        return true;
    if (f >= TextField::Flav1Name && f <= TextField::Flav8Name)
        return true;
    return f <= TextField::VodkaWaterQty && f != TextField::NicBaseName;
}

} // namespace

MainWindow::MainWindow(Prompts& prompts, QWidget* parent) : QWidget(parent), m_prompts(prompts) {
    initUiResources();
    setObjectName(QStringLiteral("TForm1"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(look::windowFont());
    setWindowTitle(m_mixName);
    buildControls();
    connectFields();
    setTabOrder();

    m_hintTimer.setSingleShot(true);
    m_hintTimer.setInterval(3000);
    connect(&m_hintTimer, &QTimer::timeout, this, [this] { m_entryHint->hide(); });

    // Status before the first calculation.
    m_status->setTexts(qs(m_result.CostStatusText), look::colour(WarningColour),
                       qs(m_result.VolStatusText), look::colour(WarningColour));
    updateAccessibleNames();
    qApp->installEventFilter(this);
    arrangeLandscape();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    delete m_entryHint;
}

void MainWindow::buildControls() {
    m_background = new QLabel(this);
    m_background->setObjectName(QStringLiteral("Background"));
    m_background->setPixmap(QPixmap(QStringLiteral(":/kovaq/background.jpg")));
    m_background->setScaledContents(true);
    m_background->lower();

    const QColor titleColour = look::colour(NormalFieldColour);
    m_title = new QLabel(QStringLiteral("Ko-Vaq"), this);
    m_title->setObjectName(QStringLiteral("Title"));
    QFont titleFont;
    titleFont.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                           QStringLiteral("Comic Sans")});
    titleFont.setPixelSize(27);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setGeometry(36, 0, 96, 33);
    m_title->setToolTip(
        QStringLiteral("V ") +
        QString::fromLatin1(Version.data(), static_cast<qsizetype>(Version.size())));
    look::setTextColour(m_title, titleColour);

    m_tagLine = new QLabel(QStringLiteral("The free DIY e-juice mixing calculator"), this);
    m_tagLine->setFont(look::sansSerifFont(13, true));
    m_tagLine->setGeometry(150, 15, 259, 16);
    look::setTextColour(m_tagLine, titleColour);

    m_helpIcon = new HelpIcon(this);
    m_helpIcon->setObjectName(QStringLiteral("HelpIcon"));
    connect(m_helpIcon, &HelpIcon::clicked, this, &MainWindow::helpRequested);
    m_scalesIcon = new ScalesIcon(this);
    m_scalesIcon->setObjectName(QStringLiteral("ScalesIcon"));
    connect(m_scalesIcon, &ScalesIcon::clicked, this, &MainWindow::weightsRequested);
    // Anywhere in the program, as the icon's hint says.
    auto* weights = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    weights->setContext(Qt::ApplicationShortcut);
    connect(weights, &QShortcut::activated, this, &MainWindow::weightsRequested);

    m_ingredients = new IngredientPanel(m_prompts, this);
    m_ingredients->setGeometry(16, 42, 245, 271);
    m_spec = new SpecPanel(m_prompts, this);
    m_spec->setGeometry(16, 327, 245, 219);
    m_volumes = new ResultsPanel(ResultsPanel::Kind::Volumes, this);
    m_volumes->setGeometry(280, 42, 161, 234);
    m_costs = new ResultsPanel(ResultsPanel::Kind::Costs, this);
    m_costs->setGeometry(280, 292, 161, 253);
    m_status = new StatusPanel(this);

    auto* notesGroup = new QGroupBox(QStringLiteral("  Notes  "), this);
    notesGroup->setObjectName(QStringLiteral("NotesGroup"));
    look::makeGroup(notesGroup);
    m_notesGroup = notesGroup;
    m_notes = new NotesEdit(notesGroup);
    m_notes->setObjectName(QStringLiteral("Notes"));
    m_notes->setAccessibleName(QStringLiteral("Notes"));
    look::setFieldBackground(m_notes, false);
    m_notes->setNotesTabStops();

    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        const TextField f = textFieldAt(i);
        m_fields[i] = m_ingredients->field(f) ? m_ingredients->field(f) : m_spec->field(f);
    }
    m_ratioChoices[index(RatioField::BaseNicPGVG)] = m_ingredients->baseRatio();
    for (std::size_t i = 1; i < RatioFieldCount; ++i)
        m_ratioChoices[i] = m_spec->ratio(ratioFieldAt(i));
    static_cast<NumberField*>(field(TextField::MixQty))->setArrowSteps(true);

    hiPrecisionBox()->setChecked(true);
    m_volumeDecimals = 1;

    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->resize(63, 24);
        b->setAutoDefault(false);
        return b;
    };
    m_openButton = button(QStringLiteral("Open..."), "OpenButton");
    m_saveButton = button(QStringLiteral("Save..."), "SaveButton");
    m_printButton = button(QStringLiteral("Print..."), "PrintButton");
    m_newMixButton = button(QStringLiteral("New Mix..."), "NewMixButton");
    m_layoutButton = button(QStringLiteral("Layout"), "LayoutButton");
    m_closeButton = button(QStringLiteral("Close"), "CloseButton");
    m_closeButton->setFont(look::boldFont());
    connect(m_openButton, &QPushButton::clicked, this, &MainWindow::openRequested);
    connect(m_saveButton, &QPushButton::clicked, this, &MainWindow::saveRequested);
    connect(m_printButton, &QPushButton::clicked, this, &MainWindow::printRequested);
    connect(m_newMixButton, &QPushButton::clicked, this, &MainWindow::newMixRequested);
    connect(m_layoutButton, &QPushButton::clicked, this, &MainWindow::toggleLayout);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    m_website = new ClickLabel(QStringLiteral("Please visit me at ") + WebsiteDomain, this);
    m_website->setObjectName(QStringLiteral("WebsiteLink"));
    m_website->setToolTip(QStringLiteral("Visit My Website"));
    m_email = new ClickLabel(QStringLiteral("Email me for help"), this);
    m_email->setObjectName(QStringLiteral("EmailLink"));
    m_email->setToolTip(QStringLiteral("email me"));
    for (ClickLabel* link : {m_website, m_email}) {
        link->setCursor(Qt::PointingHandCursor);
        look::setTextColour(link, titleColour);
        QFont f = look::windowFont();
        f.setUnderline(true);
        link->setFont(f);
    }
    connect(m_website, &ClickLabel::clicked, this,
            [this] { m_prompts.openUrl(QUrl(WebsiteAddress)); });
    connect(m_email, &ClickLabel::clicked, this, [this] {
        m_prompts.openUrl(QUrl(QStringLiteral("mailto: ") + SupportEmail + QStringLiteral(" ")));
    });

    // One hint window for every field, in the system's tool-tip colours. Like a tool tip it
    // never takes a click or the focus: a click on what lies under it goes there.
    m_entryHint = new HintLabel;
    m_entryHint->setObjectName(QStringLiteral("EntryHint"));
    m_entryHint->setPalette(QToolTip::palette());
    m_entryHint->setFont(look::windowFont());
    m_entryHint->setMargin(3);
    m_entryHint->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_entryHint->setWordWrap(false);
    m_entryHint->hide();
}

QCheckBox* MainWindow::hiPrecisionBox() const {
    return m_volumes->option();
}
QCheckBox* MainWindow::ignoreCostBox() const {
    return m_costs->option();
}

void MainWindow::connectFields() {
    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        const TextField f = textFieldAt(i);
        connect(m_fields[i], &QLineEdit::textChanged, this, [this, f] { onFieldChanged(f); });
    }
    for (std::size_t i = 0; i < RatioFieldCount; ++i) {
        const RatioField r = ratioFieldAt(i);
        connect(m_ratioChoices[i], &QComboBox::activated, this,
                [this, r](int position) { onRatioPicked(r, position); });
    }
    connect(static_cast<NumberField*>(field(TextField::MixQty)), &NumberField::arrowPressed, this,
            &MainWindow::onVolumeArrow);
    connect(hiPrecisionBox(), &QCheckBox::clicked, this, [this](bool on) {
        m_volumeDecimals = VolumeDecimalsFor(on);
        recalculate();
    });
    connect(ignoreCostBox(), &QCheckBox::clicked, this, [this](bool on) {
        applyIgnoreCostState(on);
        recalculate();
    });
    connect(m_notes, &QPlainTextEdit::textChanged, this, &MainWindow::onNotesChanged);
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
    for (QWidget* b : {static_cast<QWidget*>(m_openButton), static_cast<QWidget*>(m_saveButton),
                       static_cast<QWidget*>(m_printButton), static_cast<QWidget*>(m_newMixButton),
                       static_cast<QWidget*>(m_layoutButton), static_cast<QWidget*>(m_closeButton)})
        order.push_back(b);
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void MainWindow::setMixName(const QString& name) {
    m_mixName = name;
    setWindowTitle(name);
}

MixRecipe MainWindow::recipe(bool withNotes) const {
    MixRecipe r;
    r.Name = m_mixName.toStdString();
    for (std::size_t i = 0; i < TextFieldCount; ++i)
        r.texts[i] = m_fields[i]->text().toStdString();
    r.ratios = m_ratios;
    r.HiPrecision = hiPrecisionBox()->isChecked();
    r.IgnoreCost = ignoreCostBox()->isChecked();
    r.Gravity = m_gravity;
    if (withNotes)
        for (const QString& line : m_notes->displayedLines())
            r.Notes.push_back(line.toStdString());
    return r;
}

void MainWindow::showEntryHint(QWidget* anchor) {
    m_entryHint->setText(QStringLiteral("Entry Was Too Long"));
    m_entryHint->setMaximumWidth(250);
    m_entryHint->adjustSize();
    m_entryHint->move(anchor->mapToGlobal(QPoint(20, 20)));
    m_entryHint->show();
    m_hintTimer.start(); // counts from 3000 again when already running
}

void MainWindow::setFieldText(TextField f, const QString& text) {
    const ScopedValue<bool> byProgram(m_settingByProgram, true);
    m_fields[index(f)]->setText(text);
}

void MainWindow::onFieldChanged(TextField f) {
    QLineEdit* e = field(f);
    const FitsFunction fits = m_measure.fitsFor(f);
    auto setText = [e](const std::u16string& t) {
        const QString q = QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size()));
        if (q != e->text()) {
            const QSignalBlocker block(e);
            e->setText(q);
        }
    };
    auto nameChanged = [&] {
        const auto slot = f == TextField::NicBaseName
                              ? SlotId::NicBase
                              : flavourSlot(index(f) - index(TextField::Flav1Name));
        m_labels.applyName(slot, e->text().toStdString());
        updateCaptions();
        recalculate();
    };

    if (m_settingByProgram) {
        // A text set by the program (a loaded recipe, New Mix): the rules run until the
        // text stands, exactly as kovaq-calc runs them.
        const ProgramTextOutcome out = SettleProgramText(f, u16(e->text()), fits);
        setText(out.text);
        e->setCursorPosition(0);
        for (int i = 0; i < out.beeps; ++i)
            m_prompts.beep();
        if (out.cut)
            showEntryHint(e);
        if (IsNameField(f))
            return nameChanged();
        if (out.answer != EntryAnswer::GoOn)
            return; // a loaded text that is no number stays without a fuss
        e->repaint();
        recalculate();
        return;
    }

    // Each pass mirrors one run of the field's chain; a change it makes runs it again.
    for (int pass = 0; pass < 64; ++pass) {
        // Width: the characters in front of the caret go until the text fits.
        const FitOutcome fit = CutToFit(u16(e->text()), e->cursorPosition(), fits);
        if (fit.cut) {
            setText(fit.text);
            e->setCursorPosition(0); // the view scrolls back to the start
            e->setCursorPosition(fit.caret);
            m_prompts.beep();
            showEntryHint(e);
        }
        if (IsNameField(f))
            return nameChanged();

        const QString before = e->text();
        const NumberEntryOutcome out = NumberEntryCheck(u16(before), e->cursorPosition());
        for (int i = 0; i < out.beeps; ++i)
            m_prompts.beep();
        setText(out.text);
        e->setCursorPosition(out.caret);
        if (out.answer == EntryAnswer::Invalid) {
            // Pasted text that is no number stays, and says so.
            m_prompts.errorBox(
                this, QStringLiteral("'%1' is not a valid floating point value").arg(e->text()));
            return;
        }
        if (out.answer == EntryAnswer::Wait)
            return;
        if (e->text() != before && !fits(u16(e->text())))
            continue; // the tidied text grew too wide: run the rules on it again
        e->repaint();
        recalculate();
        return;
    }
}

void MainWindow::onRatioPicked(RatioField r, int position) {
    m_ratios[index(r)].position = position;
    setPgPercentFromChoice(r);
    refreshRatioTexts();
    recalculate();
    TextField target = TextField::MixQty;
    if (r == RatioField::BaseNicPGVG)
        target = TextField::BaseNicStrength;
    else if (r != RatioField::MixNicPGVG)
        target = *PercentField(flavourSlot(index(r) - index(RatioField::Flav1NicPGVG)));
    field(target)->setFocus();
}

void MainWindow::selectRatio(RatioField r, int position) {
    RatioChoice* c = m_ratioChoices[index(r)];
    const QSignalBlocker block(c);
    const int valid = position >= 0 && position < c->count() ? position : -1;
    c->setCurrentIndex(valid);
    m_ratios[index(r)].position = valid;
}

void MainWindow::setPgPercentFromChoice(RatioField r) {
    SetPgPercentFromChoice(m_ratios[index(r)]);
}

void MainWindow::refreshRatioTexts() {
    for (PgVgRatio& ratio : m_ratios)
        RefreshRatioText(ratio);
}

void MainWindow::onVolumeArrow(bool up) {
    QLineEdit* e = field(TextField::MixQty);
    const std::string text = e->text().toStdString();
    const QString next = qs(up ? VolumeStepUp(text) : VolumeStepDown(text));
    if (next != e->text())
        e->setText(next);
}

void MainWindow::onNotesChanged() {
    if (!m_notes->hasFocus())
        return;
    m_mixSaved = false;
    m_notesCaret = m_notes->textCursor().position();
}

void MainWindow::setNotesLines(const QStringList& lines) {
    m_notes->setPlainText(lines.join(QLatin1Char('\n')));
}

void MainWindow::setGravity(GravityKey key, const std::string& text) {
    if (m_gravity[index(key)] == text)
        return;
    m_gravity[index(key)] = text;
    m_mixSaved = false; // a gravity belongs to the recipe
}

void MainWindow::setGravities(const std::array<std::string, GravityKeyCount>& texts) {
    m_gravity = texts;
}

QWidget* MainWindow::scalesIcon() const {
    return m_scalesIcon;
}

void MainWindow::setHiPrecision(bool on) {
    hiPrecisionBox()->setChecked(on);
    m_volumeDecimals = VolumeDecimalsFor(on);
    recalculate();
}

void MainWindow::setIgnoreCost(bool on) {
    ignoreCostBox()->setChecked(on);
    applyIgnoreCostState(on);
    recalculate();
}

void MainWindow::applyIgnoreCostState(bool on) {
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        m_costs->caption(s)->setEnabled(!on);
        m_costs->value(s)->setVisible(!on);
        if (on)
            m_costs->value(s)->setText(QStringLiteral("N/A"));
        field(CostField(s))->setEnabled(!on);
        field(QtyField(s))->setEnabled(!on);
    }
    m_costs->totalCaption()->setEnabled(!on);
    m_costs->heading()->setEnabled(!on);
    m_costs->totalValue()->setVisible(!on);
    if (on)
        m_costs->totalValue()->setText(QStringLiteral("N/A"));
}

void MainWindow::recalculate() {
    if (!m_calcEnabled)
        return;
    m_mixSaved = false;
    const MixRecipe current = recipe(false);
    const MixResult res = Recalculate(current, m_volumeDecimals, m_result);
    // What could be made instead, only while this cannot be made.
    Feasibility figures;
    if (!res.VolumesOk)
        figures = ComputeFeasibility(current);
    const QString figuresText = qs(FeasibilityText(figures, current));
    const ScopedValue<int> depth(m_recalcDepth, m_recalcDepth + 1);

    field(TextField::MixStrength)->setEnabled(res.MixStrengthEnabled);
    m_spec->strengthCaption()->setEnabled(res.MixStrengthEnabled);
    if (res.ClearMixStrength)
        setFieldText(TextField::MixStrength, QString()); // an ordinary change: recalculates

    applyVolumes(res);
    applyMarks(res, true);
    if (res.Beep)
        m_prompts.beep();
    if (res.ShowCannotBeAchieved) {
        QString text = qs(std::string(CannotBeAchievedText));
        if (!figuresText.isEmpty())
            text += QStringLiteral("\n\n") + figuresText;
        const QString caption = qs(std::string(CannotBeAchievedCaption));
        if (figures.nearestRatio) {
            // "Use 40-60" picks that ratio as the person would, once this run is done.
            const QString use = QStringLiteral("Use ") +
                                qs(std::string(RatioListText(*figures.nearestRatio))).trimmed();
            if (m_prompts.messageWithChoice(this, text, caption, Prompts::Icon::Warning, use) ==
                Prompts::Answer::Other)
                m_useRatio = *figures.nearestRatio;
        } else {
            m_prompts.message(this, text, caption, Prompts::Icon::Warning, Prompts::Buttons::Ok);
        }
    }
    applyCostsAndStatus(res);
    m_status->setToolTip(figuresText);
    applyMarks(res, false);
    m_labels.applyResets(res);
    updateCaptions();
    m_infoComplete = res.InfoComplete;
    m_result = res;
    Q_EMIT recalculated();
    if (m_recalcDepth == 1 && m_useRatio) {
        const int position = *std::exchange(m_useRatio, std::nullopt);
        ratioChoice(RatioField::MixNicPGVG)->setCurrentIndex(position);
        onRatioPicked(RatioField::MixNicPGVG, position);
    }
}

void MainWindow::updateAccessibleNames() {
    // A screen reader finds each shown value by its row and hears it: "Nic Base volume: 10".
    auto name = [](QWidget* w, const QString& text) {
        if (w->accessibleName() != text)
            w->setAccessibleName(text);
    };
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId s = slotAt(i);
        name(m_volumes->value(s), m_volumes->caption(s)->text().trimmed() +
                                      QStringLiteral(" volume: ") + m_volumes->value(s)->text());
        name(m_costs->value(s), m_costs->caption(s)->text().trimmed() + QStringLiteral(" cost: ") +
                                    m_costs->value(s)->text());
    }
    name(m_costs->totalValue(), QStringLiteral("TOTAL cost: ") + m_costs->totalValue()->text());
    name(m_status->costLabel(),
         QStringLiteral("Cost status: ") + m_status->costLabel()->text().trimmed());
    name(m_status->volumesLabel(),
         QStringLiteral("Volume status: ") + m_status->volumesLabel()->text().trimmed());
}

void MainWindow::applyVolumes(const MixResult& r) {
    for (std::size_t i = 0; i < SlotCount; ++i) {
        QLabel* value = m_volumes->value(slotAt(i));
        value->setText(qs(r.slots[i].VolumeText));
        look::setTextColour(value,
                            look::colour(r.slots[i].VolumeWarn ? WarningColour : NormalTextColour));
    }
}

void MainWindow::applyMarks(const MixResult& r, bool volumeMarksOnly) {
    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        const TextField f = textFieldAt(i);
        bool marked = r.MissingMarks.contains(f);
        if (volumeMarksOnly && f != TextField::MixQty && f != TextField::MixStrength)
            marked = false;
        look::setFieldBackground(m_fields[i], markable(f) && marked);
    }
}

void MainWindow::applyCostsAndStatus(const MixResult& r) {
    const QColor warning = look::colour(WarningColour);
    const QColor normal = look::colour(NormalTextColour);
    for (std::size_t i = 0; i < SlotCount; ++i) {
        QLabel* value = m_costs->value(slotAt(i));
        value->setText(qs(r.slots[i].MixCostText));
        look::setTextColour(value, r.slots[i].MixCostWarn ? warning : normal);
    }
    m_costs->totalValue()->setText(qs(r.TotalCostText));
    look::setTextColour(m_costs->totalValue(), r.TotalCostWarn ? warning : normal);
    look::setTextColour(m_costs->totalCaption(), r.TotalCostWarn ? warning : normal);
    m_status->setTexts(qs(r.CostStatusText), look::colour(ToRgb(r.CostStatusColour)),
                       qs(r.VolStatusText), look::colour(ToRgb(r.VolStatusColour)));
}

void MainWindow::updateCaptions() {
    for (std::size_t i = 0; i < SlotCount; ++i) {
        m_volumes->caption(slotAt(i))->setText(qs(m_labels.volume[i]));
        m_costs->caption(slotAt(i))->setText(qs(m_labels.cost[i]));
    }
    for (std::size_t f = 0; f < FlavourCount; ++f)
        m_spec->flavourCaption(f)->setText(qs(m_labels.spec[f]));
    updateAccessibleNames();
}

QWidget* MainWindow::helpIcon() const {
    return m_helpIcon;
}
QWidget* MainWindow::websiteLink() const {
    return m_website;
}
QWidget* MainWindow::emailLink() const {
    return m_email;
}

void MainWindow::resetNotesTabStops() {
    m_notes->setNotesTabStops();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        QTimer::singleShot(0, this, &MainWindow::firstShown);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    m_entryHint->hide();
    Q_EMIT closing();
    event->accept();
}

void MainWindow::applyArrangement(bool portrait) {
    struct Place {
        int x, y;
    };
    auto at = [portrait](Place p, Place l) { return portrait ? p : l; };
    const QSize outer = portrait ? QSize(468, 770) : QSize(731, 594);
    setFixedSize(outer.width() - kFrameWidth, outer.height() - kFrameHeight);
    m_background->setGeometry(-3, -4, portrait ? 484 : 748, 785);
    m_helpIcon->move(portrait ? 430 : 694, 8);
    m_scalesIcon->move(m_helpIcon->x() - 26, 8); // left of the help icon
    const Place web = at({250, 714}, {488, 514});
    m_website->setGeometry(web.x, web.y, 194, 14);
    const Place mail = at({24, 714}, {532, 530});
    m_email->setGeometry(mail.x, mail.y, 98, 14);
    const std::array<std::pair<QPushButton*, std::pair<Place, Place>>, 6> buttons = {{
        {m_openButton, {{289, 565}, {508, 362}}},
        {m_saveButton, {{289, 599}, {508, 396}}},
        {m_printButton, {{289, 633}, {508, 430}}},
        {m_newMixButton, {{373, 565}, {592, 362}}},
        {m_layoutButton, {{373, 599}, {592, 396}}},
        {m_closeButton, {{373, 633}, {592, 430}}},
    }};
    for (const auto& [b, places] : buttons) {
        const Place p = at(places.first, places.second);
        b->setGeometry(p.x, p.y, 63, 24);
    }
    if (portrait) {
        m_notesGroup->setGeometry(17, 563, 244, 141);
        m_notes->setGeometry(3, 15, 238, 122);
        m_status->setGeometry(284, 669, 157, 33);
    } else {
        m_notesGroup->setGeometry(461, 42, 244, 300);
        m_notes->setGeometry(3, 15, 238, 281);
        m_status->setGeometry(503, 466, 157, 33);
    }
    m_background->lower();
    centreOnScreen();
}

void MainWindow::arrangePortrait() {
    applyArrangement(true);
}
void MainWindow::arrangeLandscape() {
    applyArrangement(false);
}

void MainWindow::centreOnScreen() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QRect area = s->availableGeometry();
    const QSize outer(width() + kFrameWidth, height() + kFrameHeight);
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void MainWindow::toggleLayout() {
    // No painting while it moves, so that no half-arranged window is ever seen; unlike
    // hiding it, this keeps the window active and the focus where it was.
    setUpdatesEnabled(false);
    if (m_layout == QStringLiteral("Portrait")) {
        m_layout = QStringLiteral("Landscape");
        arrangeLandscape();
    } else {
        m_layout = QStringLiteral("Portrait");
        arrangePortrait();
    }
    setUpdatesEnabled(true);
    if (m_lastActive) {
        m_lastActive->setFocus();
        if (m_lastActive == m_notes) {
            QTextCursor c = m_notes->textCursor();
            c.setPosition(std::min(m_notesCaret, m_notes->document()->characterCount() - 1));
            m_notes->setTextCursor(c);
        }
    }
}

bool MainWindow::ownsKeysOf(const QWidget* w) const {
    if (!w)
        return false;
    const QWidget* top = w->window();
    if (top == this)
        return true;
    // The list of an open drop-down is a window of its own, owned by its combo box.
    if (top->windowType() == Qt::Popup)
        for (const QWidget* p = top->parentWidget(); p; p = p->parentWidget())
            if (p == this)
                return true;
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        // The window sees every key first: F1 opens the help whatever has the focus, an
        // open drop-down included.
        if (key->key() == Qt::Key_F1 && ownsKeysOf(w) && !key->isAutoRepeat()) {
            Q_EMIT helpRequested();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this) {
            const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                               w == m_notes->viewport() || w == this || w == m_background;
            if (input && QApplication::focusWidget())
                m_lastActive = QApplication::focusWidget();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kovaq
