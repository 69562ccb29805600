// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// The one recipe being worked on, with everything derived from it, and no widgets. How a
// change flows through it:
//
//   setText(field, text, caret)           typed or set by the program
//     -> the entry rule: width check, then NumberEntryCheck or the name's captions
//     -> fieldChanged: the text and caret as they now stand
//     -> recalculate(): Recalculate() (core) turns the recipe into a MixResult
//     -> volumesComputed, then the beep, then recalculated: costs, marks, captions and status
//        are final; the mix is unsaved. Then, once the run has settled, cannotBeAchieved of
//        a mix that cannot be made.
//
// The main window, "Mix By Weight", the document commands and kovaq-calc are its clients;
// none of them keeps a copy of the recipe, so they cannot disagree.

#include "EntryRules.h"
#include "Feasibility.h"
#include "MixCalculator.h"
#include "Recipe.h"
#include "ScopeExit.h"
#include "Weights.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace kovaq {

class MixDocument : public QObject {
    Q_OBJECT
  public:
    // Whether a text fits its field as the window shows it; without one, every text fits.
    using FitsFor = std::function<bool(TextField, const std::u16string&)>;
    enum class Origin { Typed, Program };

    struct LoadOutcome {
        bool readable = false;
        std::string reason;     // why not, for a person
        bool truncated = false; // only the start of a huge file was read
    };

    explicit MixDocument(FitsFor fits = {}, QObject* parent = nullptr);
    ~MixDocument() override;

    // The recipe as it stands. The notes are left out: the calculation never reads them.
    const MixRecipe& recipe() const { return m_recipe; }
    // With the notes as they are shown now, for saving and printing.
    MixRecipe recipeWithNotes() const;
    const std::string& text(TextField f) const { return m_recipe[f]; }
    int caret(TextField f) const { return m_caret[index(f)]; }
    const PgVgRatio& ratio(RatioField r) const { return m_recipe[r]; }
    const MixResult& result() const { return m_result; }
    const RowLabels& rowLabels() const { return m_labels; }
    // What could be made instead, while the mix cannot be.
    const std::string& feasibilityText() const { return m_feasibilityText; }
    // The last run found a mix that cannot be made, and said so: the box's text and the
    // nearest ratio that can be made.
    struct CannotBeMade {
        QString text;
        std::optional<int> nearestRatio;
    };
    const std::optional<CannotBeMade>& cannotBeMade() const { return m_cannotBeMade; }
    bool mixStrengthEnabled() const { return m_strengthEnabled; }
    bool infoComplete() const { return m_infoComplete; }
    int volumeDecimals() const { return VolumeDecimalsFor(m_recipe.HiPrecision); }
    QString mixName() const;
    void setMixName(const QString& name);

    // No unsaved changes.
    bool mixSaved() const { return m_saved; }
    void setMixSaved(bool saved);

    bool calcEnabled() const { return m_calcEnabled; }
    void setCalcEnabled(bool on) { m_calcEnabled = on; }
    // No recalculation until the returned guard goes, whatever happens in between.
    [[nodiscard]] std::unique_ptr<ScopedValue<bool>> suspendCalculation() {
        return std::make_unique<ScopedValue<bool>>(m_calcEnabled, false);
    }

    // A field's new text: typed (the caret where the person left it) or set by the program
    // (the caret at the start). The field's rules run on it, and then the calculation.
    // Nothing happens when the text is the one the field holds.
    void setText(TextField f, const QString& text, int caret, Origin origin);
    void setFieldText(TextField f, const QString& text) { setText(f, text, 0, Origin::Program); }
    // Up and Down in the volume field.
    void stepVolume(bool up);

    // A ratio chosen as a person chooses it: the shares, the texts, the calculation.
    void pickRatio(RatioField r, int position);
    // Selected by the program, without any of that; out of range selects none.
    void selectRatio(RatioField r, int position);
    void setPgPercentFromChoice(RatioField r);
    void refreshRatioTexts();

    // The two options, with what a click on them does.
    void setHiPrecision(bool on);
    void setIgnoreCost(bool on);

    // The notes as lines, set by the program. The window tells where they are shown.
    void setNotesLines(const QStringList& lines);
    void setNotesSource(std::function<QStringList()> shownLines);
    // The lines as the program last set them (a load, New Mix).
    const QStringList& notesAsSet() const { return m_notes; }
    // The person typed in the notes.
    void notesTyped() { setMixSaved(false); }

    // Gravities for weighing: typed (the mix is unsaved) or set by the program.
    void setGravity(GravityKey key, const std::string& text);
    void setGravities(const std::array<std::string, GravityKeyCount>& texts);

    void recalculate();
    // "Use 40-60" in the box of a mix that cannot be made: picked once the run is done.
    void useRatioAfterRun(int position) { m_useRatio = position; }

    // Open: the whole file is read and made a recipe first, then it becomes this mix, is
    // calculated once and counts as saved. A file that cannot be read loads the defaults.
    LoadOutcome load(const std::string& nativePath);
    // A recipe's .mix text (one kept with a batch) becomes the mix, as a file would, named
    // `name` and not saved anywhere.
    void loadText(const std::string& text, const QString& name);
    // A recipe read elsewhere (a JSON file) becomes the mix in the same way.
    void loadRecipe(const MixRecipe& recipe);
    // New Mix once the person has said what to keep: every other field emptied, the mix
    // ratios back on "  PG", "Hi Precision" ticked, costs counted, named "Untitled".
    void startNewMix(bool keepIngredients, bool keepNotes);

  Q_SIGNALS:
    // The field's text and caret as they stand now; `cut` when the width rule took
    // characters away (the view goes back to the start).
    void fieldChanged(TextField f, bool cut);
    // A text too wide for its field lost characters: "Entry Was Too Long".
    void entryCut(TextField f);
    // Pasted text that is no number stays, and says so.
    void notANumber(TextField f);
    void beepRequested();
    void ratioChanged(RatioField r);
    void ratioPicked(RatioField r);
    void hiPrecisionChanged(bool on);
    void ignoreCostChanged(bool on);
    void notesChanged();
    void gravitiesChanged();
    void mixNameChanged(const QString& name);
    void savedChanged(bool saved);
    void labelsChanged();
    // A run of the calculation: begun (the strength field's state is known), the volumes
    // known, done, and after it the box of a mix that cannot be made.
    void calculationStarted();
    void volumesComputed(const MixResult& result);
    void cannotBeAchieved(const QString& text, std::optional<int> nearestRatio);
    void recalculated();

  private:
    void adopt(MixRecipe next);
    struct Settled {
        std::string text;
        EntryAnswer answer = EntryAnswer::GoOn;
        bool cut = false;
        int beeps = 0;
    };
    Settled settle(TextField f, const std::string& text) const;
    void typed(TextField f, std::u16string text, int caret);
    void nameChanged(TextField f);
    void emitBeeps(int count);
    bool fits(TextField f, const std::u16string& text) const;

    FitsFor m_fits;
    MixRecipe m_recipe;
    std::array<int, TextFieldCount> m_caret{};
    QStringList m_notes;
    std::function<QStringList()> m_shownNotes;
    RowLabels m_labels;
    MixResult m_result;
    std::string m_feasibilityText;
    std::optional<CannotBeMade> m_cannotBeMade;
    bool m_strengthEnabled = true;
    bool m_infoComplete = false;
    bool m_saved = true;
    bool m_calcEnabled = true;
    int m_recalcDepth = 0;
    std::optional<int> m_useRatio;
};

} // namespace kovaq
