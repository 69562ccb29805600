// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "StashController.h"

#include "BottleLabels.h"
#include "FileAccess.h"
#include "FileFlows.h"
#include "FlavourModel.h"
#include "IniDocument.h"
#include "MixDocument.h"
#include "Numbers.h"
#include "PrintJob.h"
#include "Prompts.h"
#include "QtText.h"
#include "RecipeFile.h"
#include "StashCommands.h"
#include "StashDialogs.h"
#include "StashModels.h"
#include "StashWindow.h"
#include "ToolWindow.h"
#include "Workbench.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTableView>
#include <QUndoStack>

#include <cmath>
#include <map>
#include <optional>

namespace kovaq {
namespace {

QString caption() {
    return StashController::tr("Stash");
}

std::optional<SlotId> slotOfName(TextField f) {
    for (std::size_t i = 0; i < SlotCount; ++i)
        if (NameField(slotAt(i)) == f)
            return slotAt(i);
    return std::nullopt;
}

// The names offered under a field: one a name, whatever its case, with the maker of the
// newest bottle of that name shown beside it.
NameList namesOf(const std::vector<Bottle>& bottles, BottleKind kind) {
    std::map<QString, std::pair<QString, QString>> seen; // folded name: name, maker
    for (const Bottle& b : bottles) {
        const QString name = b.name.trimmed();
        if (b.kind == kind && !name.isEmpty())
            seen[name.toCaseFolded()] = {name, b.maker.trimmed()};
    }
    NameList names;
    for (const auto& [folded, entry] : seen) {
        names.names << entry.first;
        names.makers << entry.second;
    }
    return names;
}

// What a bottle's name says of its kind: "PG", "VG", a nicotine base with its strength
// ("Nic 48 mg", "base 36"); nothing otherwise.
std::optional<std::pair<BottleKind, double>> kindFromName(const QString& name) {
    static const QRegularExpression glycol(QStringLiteral("^\\s*(PG|VG)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression base(QStringLiteral("\\b(nic|nicotine|base|salt)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression strength(QStringLiteral("(\\d+(?:[.,]\\d+)?)\\s*(mg)?"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (const auto m = glycol.match(name); m.hasMatch())
        return std::pair{
            m.captured(1).toUpper() == QLatin1String("PG") ? BottleKind::PG : BottleKind::VG, 0.0};
    if (base.match(name).hasMatch())
        if (const auto m = strength.match(name); m.hasMatch())
            return std::pair{BottleKind::NicotineBase,
                             m.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble()};
    return std::nullopt;
}

} // namespace

StashController::StashController(Workbench& app, Prompts& prompts, QObject* parent)
    : QObject(parent), m_app(app), m_prompts(prompts), m_path(StashStore::DefaultPath()) {
    MixDocument& doc = m_app.document();
    connect(&doc, &MixDocument::recalculated, this, [this] {
        if (m_window && m_window->isVisible())
            updateNeeds();
    });
    // A row typed over is no longer the bottle it was filled from.
    connect(&doc, &MixDocument::fieldChanged, this, [this](TextField f, bool) {
        if (const auto slot = slotOfName(f);
            slot && ToQString(m_app.document().text(f)) != m_chosenName[index(*slot)])
            m_chosen[index(*slot)] = 0;
    });
    // A flavour's share field tells what the recipes say of the flavour named in its row.
    connect(&doc, &MixDocument::fieldChanged, this, [this](TextField f, bool) {
        for (std::size_t i = 0; i < SlotCount; ++i)
            if (const SlotId slot = slotAt(i);
                isFlavour(slot) && (f == NameField(slot) || f == PercentField(slot)))
                updateShareTip(slot, f == PercentField(slot));
    });
}

StashController::~StashController() = default;

bool StashController::storeExists() const {
    return m_store || QFileInfo::exists(m_path);
}

StashStore& StashController::store() {
    if (!m_store) {
        m_store = std::make_unique<StashStore>(m_path, m_probe);
        m_store->open();
        m_bottles = m_store->bottles();
        Q_EMIT bottlesChanged(m_bottles);
    }
    return *m_store;
}

std::optional<int> StashController::steepDaysOf(const QString& file) {
    if (file.isEmpty() || !storeExists())
        return std::nullopt;
    return store().steepDaysOf(file);
}

QWidget* StashController::parentWidget() const {
    if (m_window && m_window->isVisible())
        return m_window;
    return &m_app.mainWidget();
}

QUndoStack& StashController::undoStack() {
    if (!m_undo)
        m_undo = new QUndoStack(this);
    return *m_undo;
}

StashWindow& StashController::window() {
    if (m_window)
        return *m_window;
    m_window = new StashWindow(&m_app.mainWidget());
    StashWindow& w = *m_window;
    AdoptToolWindow(w, m_app.settings().StashPlace, &m_app.mainWidget());
    showState();
    w.bottles().setEditor(
        [this](const Bottle& before, const Bottle& after) { editBottle(before, after); });
    w.flavours().setEditor([this](const FlavourNote& before, const FlavourNote& after) {
        editFlavourNote(before, after);
    });
    QAction* undo = undoStack().createUndoAction(&w, tr("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undoStack().createRedoAction(&w, tr("Redo"));
    redo->setShortcut(QKeySequence::Redo);
    w.addAction(undo);
    w.addAction(redo);
    connect(&w, &StashWindow::addRequested, this, &StashController::addBottle);
    connect(&w, &StashWindow::importRequested, this, &StashController::importCsv);
    connect(&w, &StashWindow::flavoursShown, this, [this] {
        m_flavoursShown = true;
        wantFlavourBook();
        reloadFlavours();
    });
    connect(&w, &StashWindow::removeRequested, this, &StashController::removeBottle);
    connect(&w, &StashWindow::mixItRequested, this, &StashController::mixIt);
    connect(&w, &StashWindow::undoBatchRequested, this, &StashController::undoLastBatch);
    connect(&w, &StashWindow::printLabelRequested, this, &StashController::printLabel);
    connect(&w, &StashWindow::exportRequested, this, &StashController::exportCsv);
    connect(&w, &StashWindow::openCopyRequested, this, &StashController::openCopy);
    connect(&w, &StashWindow::startNewRequested, this, &StashController::startNewStash);
    connect(&w, &StashWindow::keepReadOnlyRequested, this,
            [this] { m_window->setProblem(store().problem(), StashWindow::Offer::None); });
    connect(&w, &StashWindow::writeAgainRequested, this, &StashController::writeAgain);
    connect(&w, &StashWindow::batchesShown, this, [this] {
        if (!m_batchesLoaded) {
            m_batchesLoaded = true;
            reloadBatches();
        }
    });
    connect(&w, &StashWindow::openFileRequested, this, [this](const QString& path) {
        if (!QFileInfo(path).isFile()) {
            m_prompts.errorBox(m_window, tr("%1 is no longer there.").arg(path));
            return;
        }
        m_app.openRecipeFile(path);
    });
    reload();
    return w;
}

bool StashController::isVisible() const {
    return m_window && m_window->isVisible();
}

void StashController::showStash() {
    m_app.guarded([this] {
        StashWindow& w = window();
        w.showStash();
        ShowToolWindow(w);
        updateNeeds();
    });
}

void StashController::showBatches() {
    showStash();
    if (m_window)
        m_window->showBatches();
}

void StashController::reload() {
    if (m_store) {
        m_bottles = m_store->bottles();
        Q_EMIT bottlesChanged(m_bottles);
    }
    // Names typed before the stash existed get their list with its first bottle.
    if (!m_completersInstalled && m_store && !m_bottles.empty())
        installCompleters();
    if (m_baseNames)
        m_baseNames->setNames(namesOf(m_bottles, BottleKind::NicotineBase));
    if (m_flavourNames)
        m_flavourNames->setNames(namesOf(m_bottles, BottleKind::Flavour));
    if (!m_window)
        return;
    m_window->setBottles(m_bottles);
    reloadBatches();
    reloadFlavours();
    updateNeeds();
}

void StashController::reloadBatches() {
    if (m_window && m_store && m_batchesLoaded)
        m_window->batches().setBatches(m_store->batches());
}

void StashController::updateNeeds() {
    if (!m_window)
        return;
    const MixDocument& doc = m_app.document();
    const std::vector<Need> needs = NeedsOf(doc.recipe(), doc.result(), m_chosen);
    const auto lines = DescribeNeeds(needs, m_bottles, doc.volumeDecimals());
    QStringList texts;
    std::vector<bool> enough;
    for (const NeedLine& l : lines) {
        texts << l.text;
        enough.push_back(l.enough);
    }
    // A base of another strength would make another mix than the one shown: said, not used
    // without a word.
    const double wanted = ParseNumber(doc.recipe()[TextField::BaseNicStrength]);
    for (const Need& need : needs) {
        if (need.slot != SlotId::NicBase || !(wanted > 0))
            continue;
        std::optional<double> other;
        bool same = false;
        for (const Bottle& b : m_bottles)
            if (BottleServes(b, need) && b.strength > 0) {
                if (std::abs(b.strength - wanted) < 1e-9)
                    same = true;
                else
                    other = b.strength;
            }
        if (other && !same) {
            texts << tr("The stash's base is %1 mg; this mix is worked out for %2 mg.")
                         .arg(ToQString(FormatNumber(*other)), ToQString(FormatNumber(wanted)));
            enough.push_back(false);
        }
    }
    m_window->setNeeds(texts, enough);
}

bool StashController::checkWritable(QWidget* parent) {
    StashStore& s = store();
    if (s.writable())
        return true;
    m_prompts.errorBox(parent,
                       s.problem().isEmpty() ? tr("The stash cannot be changed.") : s.problem());
    return false;
}

StashStepDone StashController::stepDone() {
    return [this](const std::optional<QString>& error) {
        if (error)
            m_prompts.errorBox(parentWidget(), error->endsWith(QLatin1Char('.'))
                                                   ? *error
                                                   : *error + QLatin1Char('.'));
        reload();
    };
}

void StashController::addBottle() {
    if (!checkWritable(m_window))
        return;
    // A flavour until its name says otherwise ("VG", "Nic 48 mg") or the kind is chosen.
    Bottle bottle;
    auto* add = new AddBottleCommand(store(), bottle, stepDone());
    undoStack().push(add);
    m_added = add->bottleId();
    // Straight into its name.
    const int row = m_window->bottles().rowOf(add->bottleId());
    if (row < 0)
        return;
    m_window->bottleSearch()->clear();
    m_window->editBottle(add->bottleId(), BottleModel::Name);
    // The kind is asked beside the name; unless one is picked, the name says it.
    m_window->offerKinds(add->bottleId());
}

void StashController::removeBottle(std::int64_t id) {
    if (!checkWritable(m_window))
        return;
    const int row = m_window->bottles().rowOf(id);
    if (row < 0)
        return;
    undoStack().push(
        new RemoveBottleCommand(store(), m_window->bottles().bottleAt(row), stepDone()));
}

void StashController::editBottle(const Bottle& before, const Bottle& after) {
    if (!checkWritable(m_window))
        return;
    Bottle changed = after;
    if (after.id == m_added) {
        if (after.kind != before.kind)
            m_added = 0; // chosen
        else if (after.name != before.name)
            if (const auto kind = kindFromName(after.name)) {
                changed.kind = kind->first;
                if (kind->first == BottleKind::NicotineBase)
                    changed.strength = kind->second;
            }
    }
    undoStack().push(new ChangeBottleCommand(store(), before, changed, stepDone()));
}

void StashController::showState() {
    if (!m_window)
        return;
    StashStore& s = store();
    using C = StashStore::Condition;
    const C c = s.condition();
    m_window->setProblem(s.problem(), c == C::Damaged ? StashWindow::Offer::StartNew
                                      : c == C::Unwritable || c == C::Full
                                          ? StashWindow::Offer::WriteAgain
                                          : StashWindow::Offer::None);
    m_window->setWritable(s.writable());
}

void StashController::startNewStash() {
    StashStore& s = store();
    if (m_prompts.message(m_window,
                          tr("Start a new, empty stash? The damaged one is kept as %1, "
                             "unchanged.")
                              .arg(s.damagedCopy()),
                          caption(), Prompts::Icon::Warning,
                          Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
        return;
    QString kept;
    if (const auto error = s.startNew(&kept))
        m_prompts.errorBox(m_window, *error);
    undoStack().clear();
    reload();
    showState();
}

void StashController::writeAgain() {
    StashStore& s = store();
    if (s.reopen() != StashStore::State::ReadWrite)
        m_prompts.errorBox(m_window, s.problem());
    reload();
    showState();
}

MixItDialog& StashController::mixItDialog() {
    if (!m_mixIt)
        m_mixIt = new MixItDialog(&m_app.mainWidget());
    return *m_mixIt;
}

void StashController::mixIt() {
    m_app.guarded([this] {
        QWidget* parent = parentWidget();
        if (!checkWritable(parent))
            return;
        MixDocument& doc = m_app.document();
        if (!doc.result().VolumesOk) {
            m_prompts.message(parent,
                              tr("This mix cannot be made: %1.\nNo batch was recorded.")
                                  .arg(ToQString(MadeOrWhyNot(doc.recipe(), doc.result()))),
                              caption(), Prompts::Icon::Warning, Prompts::Buttons::Ok);
            return;
        }
        if (!doc.mixSaved() &&
            m_prompts.message(parent,
                              tr("The mix in the window has not been saved.\n"
                                 "Record a batch of it anyway? Its recipe is kept with the "
                                 "batch."),
                              caption(), Prompts::Icon::Warning,
                              Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
            return;
        const std::vector<Need> needs = NeedsOf(doc.recipe(), doc.result(), m_chosen);
        QStringList lacking;
        for (const NeedLine& l : DescribeNeeds(needs, m_bottles, doc.volumeDecimals()))
            if (!l.enough)
                lacking << l.text;
        if (!lacking.isEmpty() &&
            m_prompts.message(parent,
                              tr("The stash does not hold all this mix needs:\n%1\n\n"
                                 "Record the batch anyway? What is missing is noted with it.")
                                  .arg(lacking.join(QLatin1Char('\n'))),
                              caption(), Prompts::Icon::Warning,
                              Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
            return;
        AppSettings& settings = m_app.settings();
        const int steep = settings.SteepDays;
        Batch batch = MakeBatch(doc, m_app.currentFile(), steep, QString(), 0);
        MixItDialog& dialog = mixItDialog();
        dialog.prepare(batch.name, steep, lacking);
        if (m_prompts.execDialog(dialog) != QDialog::Accepted)
            return;
        batch.steepDays = dialog.steepDays();
        batch.note = dialog.note();
        batch.mixedAt = QDateTime::currentMSecsSinceEpoch();
        settings.SteepDays = std::clamp(batch.steepDays, 0, 365);
        undoStack().push(new MixItCommand(store(), batch, needs, stepDone()));
    });
}

void StashController::undoLastBatch() {
    m_app.guarded([this] {
        QWidget* parent = parentWidget();
        if (!checkWritable(parent))
            return;
        const std::vector<Batch> all = store().batches();
        if (all.empty()) {
            m_prompts.message(parent, tr("There is no batch to undo."), caption(),
                              Prompts::Icon::Information, Prompts::Buttons::Ok);
            return;
        }
        if (m_prompts.message(parent,
                              tr("Undo the last batch, %1, and give back to the stash what it "
                                 "took?")
                                  .arg(all.front().name),
                              caption(), Prompts::Icon::Warning,
                              Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
            return;
        undoStack().push(new UndoLastBatchCommand(store(), all.front().name, stepDone()));
    });
}

LabelDialog& StashController::labelDialog() {
    if (!m_label)
        m_label = new LabelDialog(&m_app.mainWidget(), [this] {
            return m_app.labelPrinter().pageLayout().fullRect(QPageLayout::Millimeter).size();
        });
    return *m_label;
}

void StashController::printLabel(std::int64_t id) {
    m_app.guarded([this, id] {
        QWidget* parent = parentWidget();
        const std::optional<Batch> batch = store().batch(id);
        if (!batch)
            return;
        LabelInputs in = LabelInputsOf(*batch);
        in.baseMaker = BaseMakerOf(RecipeFromIni(IniDocument(ToUtf8(batch->recipeText))),
                                   batch->ml[index(SlotId::NicBase)], m_bottles);
        LabelDialog& dialog = labelDialog();
        AppSettings& settings = m_app.settings();
        dialog.prepare(in, settings.LabelSize, settings.LabelNicotineWarning);
        if (m_prompts.execDialog(dialog) != QDialog::Accepted)
            return;
        settings.LabelSize = dialog.sizeChoice();
        if (in.containsNicotine)
            settings.LabelNicotineWarning = dialog.nicotineLine();
        in = dialog.inputs();
        QPrinter& printer = m_app.labelPrinter();
        const auto labelPage = [&printer, &dialog] {
            if (dialog.size() != LabelSize::PrinterOwn) {
                // The label's own shape, wider than high: "landscape" would turn it on end.
                printer.setPageOrientation(QPageLayout::Portrait);
                printer.setPageSize(LabelPage(dialog.size()));
            }
            const double m = LabelMarginInches;
            printer.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Inch);
        };
        labelPage();
        if (!m_prompts.choosePrinter(printer, parent))
            return;
        // The print dialog puts its own page (Letter, A4) on the printer, and a PDF file
        // takes whatever page it is given: the size chosen here is the one printed.
        labelPage();
        // Fitted again to the page the printer will really use.
        ReportDocument label;
        FitLabelReport(label, in, printer.pageLayout().fullRect(QPageLayout::Millimeter).size());
        const PageMetrics metrics = MetricsOf(printer, 96, PrintDialogWidth);
        const QString error = PrintReport(printer, label, metrics, MarginMetrics{});
        if (!error.isEmpty())
            m_prompts.errorBox(parent, error);
    });
}

void StashController::exportCsv() {
    m_app.guarded([this] {
        QWidget* parent = parentWidget();
        AppSettings& settings = m_app.settings();
        QString path = m_prompts.saveFileName(
            parent, settings.SaveDir, QStringLiteral("batches.csv"), tr("CSV files (*.csv)"));
        if (path.isEmpty())
            return;
        if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
            path += QStringLiteral(".csv");
        WriteChosenFile(m_prompts, parent, path, BatchesCsv(store().batches()));
    });
}

void StashController::openCopy(std::int64_t id) {
    const std::optional<Batch> batch = store().batch(id);
    if (batch)
        m_app.openRecipeText(batch->recipeText, LabelInputsOf(*batch).name);
}

QCompleter* StashController::completer(TextField nameField) const {
    const auto slot = slotOfName(nameField);
    return slot ? m_completers[index(*slot)] : nullptr;
}

void StashController::installCompleters() {
    if (m_completersInstalled)
        return;
    m_completersInstalled = true;
    store();
    m_baseNames = new NameListModel(this);
    m_flavourNames = new NameListModel(this);
    reload();
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId slot = slotAt(i);
        const auto field = NameField(slot);
        if (!field)
            continue;
        QLineEdit* edit = m_app.nameField(*field);
        auto* c = new QCompleter(slot == SlotId::NicBase ? m_baseNames : m_flavourNames, edit);
        c->setCaseSensitivity(Qt::CaseInsensitive);
        c->setFilterMode(Qt::MatchContains);
        c->setCompletionMode(QCompleter::PopupCompletion);
        c->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
        c->setCompletionRole(Qt::EditRole); // the name; the list shows its maker too
        // Wide enough for the longest name and its maker, whatever the field's width.
        NameListModel* names = slot == SlotId::NicBase ? m_baseNames : m_flavourNames;
        const auto fit = [c, names] {
            c->popup()->setMinimumWidth(std::min(
                640, c->popup()->fontMetrics().horizontalAdvance(names->longestText()) + 48));
        };
        fit();
        connect(names, &QAbstractItemModel::modelReset, c, fit);
        // The list offers; only a pick fills the row.
        edit->setCompleter(c);
        connect(c, qOverload<const QString&>(&QCompleter::activated), this,
                [this, f = *field](const QString& name) { namePicked(f, name); });
        m_completers[i] = c;
    }
}

void StashController::namePicked(TextField f, const QString& name) {
    const auto slot = slotOfName(f);
    if (!slot)
        return;
    m_app.guarded([&] {
        MixDocument& doc = m_app.document();
        // The field took the pick as typed text already; said again in case it did not.
        if (ToQString(doc.text(f)) != name)
            doc.setText(f, name, static_cast<int>(name.size()), MixDocument::Origin::Typed);
        const Bottle* bottle = BottleNamed(m_bottles, KindOfSlot(*slot), name);
        if (!bottle)
            return;
        const Bottle chosen = *bottle;
        m_chosen[index(*slot)] = chosen.id;
        m_chosenName[index(*slot)] = ToQString(doc.text(f));
        FillRowFromBottle(doc, *slot, chosen);
        updateNeeds();
    });
}

} // namespace kovaq
