// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MixDocument.h"

#include "QtText.h"
#include "RecipeFile.h"

#include <QCoreApplication>

#include <utility>

namespace kovaq {

MixDocument::MixDocument(FitsFor fits, QObject* parent)
    : QObject(parent), m_fits(std::move(fits)) {}

MixDocument::~MixDocument() = default;

bool MixDocument::fits(TextField f, const std::u16string& text) const {
    return !m_fits || m_fits(f, text);
}

MixRecipe MixDocument::recipeWithNotes() const {
    MixRecipe r = m_recipe;
    for (const QString& line : m_shownNotes ? m_shownNotes() : m_notes)
        r.Notes.push_back(ToUtf8(line));
    return r;
}

QString MixDocument::mixName() const {
    return ToQString(m_recipe.Name);
}

void MixDocument::setMixName(const QString& name) {
    m_recipe.Name = ToUtf8(name);
    Q_EMIT mixNameChanged(name);
}

void MixDocument::setMixSaved(bool saved) {
    if (m_saved == saved)
        return;
    m_saved = saved;
    Q_EMIT savedChanged(saved);
}

void MixDocument::emitBeeps(int count) {
    for (int i = 0; i < count; ++i)
        Q_EMIT beepRequested();
}

MixDocument::Settled MixDocument::settle(TextField f, const std::string& text) const {
    // A text set by the program: the rules run until it stands, caret at the start.
    const ProgramTextOutcome out =
        SettleProgramText(f, ToUtf16(text), [&](const std::u16string& t) { return fits(f, t); });
    return {ToUtf8(out.text), out.answer, out.cut, out.beeps};
}

void MixDocument::setText(TextField f, const QString& text, int caret, Origin origin) {
    if (ToQString(m_recipe[f]) == text)
        return; // a field that keeps its text notices nothing
    if (origin == Origin::Typed)
        return typed(f, ToUtf16(text), caret);

    const Settled s = settle(f, ToUtf8(text));
    m_recipe[f] = s.text;
    m_caret[index(f)] = 0;
    Q_EMIT fieldChanged(f, false);
    emitBeeps(s.beeps);
    if (s.cut)
        Q_EMIT entryCut(f);
    if (IsNameField(f))
        return nameChanged(f);
    if (s.answer == EntryAnswer::GoOn)
        recalculate(); // a loaded text that is no number stays without a fuss
}

void MixDocument::typed(TextField f, std::u16string text, int caret) {
    const auto store = [&](bool cut) {
        m_recipe[f] = ToUtf8(text);
        m_caret[index(f)] = caret;
        Q_EMIT fieldChanged(f, cut);
    };
    const FitsFunction fitsField = [&](const std::u16string& t) { return fits(f, t); };
    // Each pass is one run of the field's chain; a change it makes runs it again.
    for (int pass = 0; pass < 64; ++pass) {
        // Width: the characters in front of the caret go until the text fits.
        FitOutcome fit = CutToFit(std::move(text), caret, fitsField);
        text = std::move(fit.text);
        caret = fit.caret;
        if (fit.cut) {
            store(true);
            Q_EMIT beepRequested();
            Q_EMIT entryCut(f);
        }
        if (IsNameField(f)) {
            if (!fit.cut)
                store(false);
            return nameChanged(f);
        }
        const std::u16string before = text;
        NumberEntryOutcome out = NumberEntryCheck(text, caret);
        emitBeeps(out.beeps);
        text = std::move(out.text);
        caret = out.caret;
        store(false);
        if (out.answer == EntryAnswer::Invalid) {
            Q_EMIT notANumber(f);
            return;
        }
        if (out.answer == EntryAnswer::Wait)
            return;
        if (text != before && !fitsField(text))
            continue; // the tidied text grew too wide: run the rules on it again
        recalculate();
        return;
    }
}

void MixDocument::nameChanged(TextField f) {
    const SlotId slot = f == TextField::NicBaseName
                            ? SlotId::NicBase
                            : flavourSlot(index(f) - index(TextField::Flav1Name));
    m_labels.applyName(slot, m_recipe[f]);
    Q_EMIT labelsChanged();
    recalculate();
}

void MixDocument::stepVolume(bool up) {
    const std::string& now = m_recipe[TextField::MixQty];
    const QString next = ToQString(up ? VolumeStepUp(now) : VolumeStepDown(now));
    setText(TextField::MixQty, next, static_cast<int>(next.size()), Origin::Typed);
}

void MixDocument::pickRatio(RatioField r, int position) {
    m_recipe[r].position = position;
    setPgPercentFromChoice(r);
    refreshRatioTexts();
    Q_EMIT ratioChanged(r);
    recalculate();
    Q_EMIT ratioPicked(r);
}

void MixDocument::selectRatio(RatioField r, int position) {
    m_recipe[r].position = position >= 0 && position < RatioEntryCount(r) ? position : -1;
    Q_EMIT ratioChanged(r);
}

void MixDocument::setPgPercentFromChoice(RatioField r) {
    SetPgPercentFromChoice(m_recipe[r]);
}

void MixDocument::refreshRatioTexts() {
    for (PgVgRatio& ratio : m_recipe.ratios)
        RefreshRatioText(ratio);
}

void MixDocument::setHiPrecision(bool on) {
    m_recipe.HiPrecision = on;
    Q_EMIT hiPrecisionChanged(on);
    recalculate();
}

void MixDocument::setIgnoreCost(bool on) {
    m_recipe.IgnoreCost = on;
    Q_EMIT ignoreCostChanged(on);
    recalculate();
}

void MixDocument::setNotesLines(const QStringList& lines) {
    m_notes = lines;
    Q_EMIT notesChanged();
}

void MixDocument::setNotesSource(std::function<QStringList()> shownLines) {
    m_shownNotes = std::move(shownLines);
}

void MixDocument::setGravity(GravityKey key, const std::string& text) {
    if (m_recipe.Gravity[index(key)] == text)
        return;
    m_recipe.Gravity[index(key)] = text;
    setMixSaved(false); // a gravity belongs to the recipe
    Q_EMIT gravitiesChanged();
}

void MixDocument::setGravities(const std::array<std::string, GravityKeyCount>& texts) {
    m_recipe.Gravity = texts;
    Q_EMIT gravitiesChanged();
}

void MixDocument::recalculate() {
    if (!m_calcEnabled)
        return;
    setMixSaved(false);
    const MixResult res = Recalculate(m_recipe, volumeDecimals(), m_result);
    // What could be made instead, only while this cannot be made.
    Feasibility figures;
    if (!res.VolumesOk)
        figures = ComputeFeasibility(m_recipe);
    std::string figuresText = FeasibilityText(figures, m_recipe);
    const ScopedValue<int> depth(m_recalcDepth, m_recalcDepth + 1);

    m_strengthEnabled = res.MixStrengthEnabled;
    Q_EMIT calculationStarted();
    if (res.ClearMixStrength)
        setFieldText(TextField::MixStrength, QString()); // an ordinary change: recalculates

    Q_EMIT volumesComputed(res);
    if (res.Beep)
        Q_EMIT beepRequested();
    std::optional<CannotBeMade> cannot;
    if (res.ShowCannotBeAchieved) {
        QString text = QCoreApplication::translate(StatusContext, CannotBeAchievedText.data());
        if (!figuresText.empty())
            text += QStringLiteral("\n\n") + ToQString(figuresText);
        cannot = CannotBeMade{text, figures.nearestRatio};
    }
    m_feasibilityText = std::move(figuresText);
    m_labels.applyResets(res);
    m_infoComplete = res.InfoComplete;
    m_result = res;
    m_cannotBeMade = std::move(cannot);
    Q_EMIT recalculated();
    // The person is asked once everything the run changed is in place, and by the outermost
    // run only: the box's loop never runs in the middle of an update.
    if (m_recalcDepth != 1)
        return;
    if (m_cannotBeMade)
        Q_EMIT cannotBeAchieved(m_cannotBeMade->text, m_cannotBeMade->nearestRatio);
    if (m_useRatio)
        pickRatio(RatioField::MixNicPGVG, *std::exchange(m_useRatio, std::nullopt));
}

MixDocument::LoadOutcome MixDocument::load(const std::string& nativePath) {
    // Everything that can fail comes first: the file read, the recipe made of it and every
    // text settled as its field would settle it. Only then does this mix change.
    LoadedRecipe loaded = LoadRecipe(nativePath, m_recipe);
    adopt(std::move(loaded.recipe));
    setMixSaved(true);
    return {loaded.readable, std::move(loaded.reason), loaded.truncated};
}

void MixDocument::loadText(const std::string& text, const QString& name) {
    MixRecipe next = RecipeFromIni(IniDocument(text), m_recipe);
    next.Name = ToUtf8(name);
    adopt(std::move(next));
    setMixSaved(false);
}

void MixDocument::loadRecipe(const MixRecipe& recipe) {
    adopt(recipe);
    setMixSaved(false);
}

void MixDocument::adopt(MixRecipe next) {
    std::array<Settled, TextFieldCount> settled;
    for (std::size_t i = 0; i < TextFieldCount; ++i)
        settled[i] = settle(textFieldAt(i), next.texts[i]);
    QStringList notes;
    for (const std::string& line : next.Notes)
        notes << ToQString(line);

    {
        const auto noCalculation = suspendCalculation();
        setMixName(ToQString(next.Name));
        setGravities(next.Gravity);
        // Field by field in the file's order, the ratios read at their places.
        for (std::size_t i = 0; i < TextFieldCount; ++i) {
            const TextField f = textFieldAt(i);
            if (f == TextField::BaseNicStrength)
                selectRatio(RatioField::BaseNicPGVG, next[RatioField::BaseNicPGVG].position);
            if (f == TextField::MixStrength)
                for (std::size_t k = index(RatioField::MixNicPGVG); k < RatioFieldCount; ++k)
                    selectRatio(ratioFieldAt(k), next.ratios[k].position);
            if (m_recipe[f] == next.texts[i])
                continue; // the field notices nothing
            m_recipe[f] = settled[i].text;
            m_caret[i] = 0;
            Q_EMIT fieldChanged(f, false);
            emitBeeps(settled[i].beeps);
            if (settled[i].cut)
                Q_EMIT entryCut(f);
            if (IsNameField(f))
                nameChanged(f);
        }
        setHiPrecision(next.HiPrecision);
        setIgnoreCost(next.IgnoreCost);
        setNotesLines(notes);
        for (std::size_t k = 0; k < RatioFieldCount; ++k)
            setPgPercentFromChoice(ratioFieldAt(k));
        refreshRatioTexts();
    }
    recalculate();
}

void MixDocument::startNewMix(bool keepIngredients, bool keepNotes) {
    using T = TextField;
    if (!keepIngredients) {
        for (T f :
             {T::NicBaseName, T::NicBaseCost, T::NicBaseQty, T::PGCost,         T::PGQty,
              T::VGCost,      T::VGQty,       T::Flav1Cost,  T::Flav1Qty,       T::Flav2Cost,
              T::Flav2Qty,    T::Flav3Cost,   T::Flav3Qty,   T::VodkaWaterCost, T::VodkaWaterQty,
              T::Flav4Cost,   T::Flav4Qty,    T::Flav5Cost,  T::Flav5Qty,       T::Flav6Cost,
              T::Flav6Qty,    T::Flav1Name,   T::Flav2Name,  T::Flav3Name,      T::Flav4Name,
              T::Flav5Name,   T::Flav6Name,   T::Flav7Name,  T::Flav8Name,      T::Flav7Cost,
              T::Flav7Qty,    T::Flav8Cost,   T::Flav8Qty,   T::BaseNicStrength})
            setFieldText(f, QString());
        selectRatio(RatioField::BaseNicPGVG, 0);
        setGravities({}); // they describe the ingredients
    }
    if (!keepNotes)
        setNotesLines({});
    for (T f : {T::MixStrength, T::PctFlav1, T::PctFlav2, T::PctFlav3, T::PctVodkaWater, T::MixQty,
                T::PctFlav4, T::PctFlav5, T::PctFlav6, T::PctFlav7, T::PctFlav8})
        setFieldText(f, QString());
    setHiPrecision(true);
    setIgnoreCost(false);
    for (std::size_t k = index(RatioField::MixNicPGVG); k < RatioFieldCount; ++k)
        selectRatio(ratioFieldAt(k), 0);
    for (std::size_t k = 0; k < RatioFieldCount; ++k)
        setPgPercentFromChoice(ratioFieldAt(k));
    refreshRatioTexts();
    //: The name of a new mix until the user names it; it is saved as the recipe's name.
    setMixName(tr("Untitled"));
    recalculate();
}

} // namespace kovaq
