// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// The main window of Ko-Vaq. How data flows through it:
//
//   field text changes (typed, pasted, set by the program)
//     -> the field's entry rule: width check, then NumberEntryCheck or the name captions
//     -> recalculate(): the window's texts become a MixRecipe, Recalculate() (core)
//        turns it into a MixResult
//     -> applyResult(): volumes on screen, beep and "This Mix Cannot Be Achieved" box,
//        then costs, marks, captions and status; the mix counts as unsaved.
//
// The panels own the controls; the window owns the state that ties them together.

#include "EntryRules.h"
#include "FieldMetrics.h"
#include "Maker.h"
#include "MixCalculator.h"
#include "Recipe.h"
#include "ScopeExit.h"
#include "Weights.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kovaq {

class ClickLabel;
class HelpIcon;
class IngredientPanel;
class NotesEdit;
class Prompts;
class RatioChoice;
class ResultsPanel;
class ScalesIcon;
class SpecPanel;
class StatusPanel;

inline const QString WebsiteAddress = QString::fromLatin1(MakerWebsite.data(), MakerWebsite.size());
inline const QString WebsiteDomain =
    QString::fromLatin1(MakerWebDomain.data(), MakerWebDomain.size());
inline const QString SupportEmail =
    QString::fromLatin1(MakerSupportEmail.data(), MakerSupportEmail.size());

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(Prompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The recipe as the window holds it, notes as displayed (the calculation needs none).
    MixRecipe recipe(bool withNotes = true) const;
    const MixResult& result() const { return m_result; }
    const RowLabels& rowLabels() const { return m_labels; }
    const PgVgRatio& ratio(RatioField r) const { return m_ratios[index(r)]; }

    QLineEdit* field(TextField f) const { return m_fields[index(f)]; }
    RatioChoice* ratioChoice(RatioField r) const { return m_ratioChoices[index(r)]; }
    QCheckBox* hiPrecisionBox() const;
    QCheckBox* ignoreCostBox() const;
    NotesEdit* notes() const { return m_notes; }
    QLabel* entryHint() const { return m_entryHint; }
    // Hides the hint 3000 ms after the last refused key; tests shorten it.
    QTimer& hintTimer() { return m_hintTimer; }
    QPushButton* layoutButton() const { return m_layoutButton; }
    QPushButton* openButton() const { return m_openButton; }
    QPushButton* saveButton() const { return m_saveButton; }
    QPushButton* printButton() const { return m_printButton; }
    QPushButton* newMixButton() const { return m_newMixButton; }
    QPushButton* closeButton() const { return m_closeButton; }
    QWidget* helpIcon() const;
    QWidget* websiteLink() const;
    QWidget* emailLink() const;

    // Asked before the window closes; false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    void resetNotesTabStops();

    bool mixSaved() const { return m_mixSaved; }
    void setMixSaved(bool saved) { m_mixSaved = saved; }
    bool infoComplete() const { return m_infoComplete; }
    bool calcEnabled() const { return m_calcEnabled; }
    void setCalcEnabled(bool on) { m_calcEnabled = on; }
    // No recalculation until the returned guard goes, whatever happens in between.
    [[nodiscard]] std::unique_ptr<ScopedValue<bool>> suspendCalculation() {
        return std::make_unique<ScopedValue<bool>>(m_calcEnabled, false);
    }
    int volumeDecimals() const { return m_volumeDecimals; }
    QString mixName() const { return m_mixName; }
    void setMixName(const QString& name);
    int notesCaret() const { return m_notesCaret; }
    QWidget* lastActiveControl() const { return m_lastActive; }
    void setLastActiveControl(QWidget* w) { m_lastActive = w; }

    // Sets a field's text as the program does: the field's rules run on it as on typed
    // text, with the caret at the start.
    void setFieldText(TextField f, const QString& text);
    // Selects a ratio entry without any notification; -1 or out of range selects none.
    void selectRatio(RatioField r, int position);
    void setPgPercentFromChoice(RatioField r);
    void refreshRatioTexts();
    // Set the option and run its click handling as a click would.
    void setHiPrecision(bool on);
    void setIgnoreCost(bool on);
    void setNotesLines(const QStringList& lines);
    // Gravities for weighing, part of the recipe. Typed by the user: the mix is unsaved.
    void setGravity(GravityKey key, const std::string& text);
    // Set by the program (a load, New Mix): nothing is marked.
    void setGravities(const std::array<std::string, GravityKeyCount>& texts);
    QWidget* scalesIcon() const;

    void recalculate();

    // The two arrangements of the window and the "Layout" button.
    QString layoutName() const { return m_layout; }
    void setLayoutName(const QString& name) { m_layout = name; }
    void arrangePortrait();
    void arrangeLandscape();
    void toggleLayout();

  Q_SIGNALS:
    // Buttons and links whose commands live outside the window.
    void openRequested();
    void saveRequested();
    void newMixRequested();
    void printRequested();
    void helpRequested();
    // The first showing, once the window is on screen.
    void firstShown();
    // The close request was allowed and the window is closing.
    void closing();
    // The scales icon or Ctrl+G.
    void weightsRequested();
    // Every recalculation has run and its results are on the window.
    void recalculated();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void connectFields();
    void setTabOrder();
    void onFieldChanged(TextField f);
    void onRatioPicked(RatioField r, int position);
    void onVolumeArrow(bool up);
    void onNotesChanged();
    void applyIgnoreCostState(bool on);
    void applyVolumes(const MixResult& r);
    void applyMarks(const MixResult& r, bool volumeMarksOnly);
    void applyCostsAndStatus(const MixResult& r);
    void updateCaptions();
    void updateAccessibleNames();
    bool ownsKeysOf(const QWidget* w) const;
    void showEntryHint(QWidget* anchor);
    void applyArrangement(bool portrait);
    void centreOnScreen();

    Prompts& m_prompts;
    IngredientPanel* m_ingredients = nullptr;
    SpecPanel* m_spec = nullptr;
    ResultsPanel* m_volumes = nullptr;
    ResultsPanel* m_costs = nullptr;
    StatusPanel* m_status = nullptr;
    QWidget* m_notesGroup = nullptr;
    NotesEdit* m_notes = nullptr;
    QLabel* m_background = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_tagLine = nullptr;
    HelpIcon* m_helpIcon = nullptr;
    ScalesIcon* m_scalesIcon = nullptr;
    std::array<std::string, GravityKeyCount> m_gravity{};
    ClickLabel* m_website = nullptr;
    ClickLabel* m_email = nullptr;
    QPushButton* m_openButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_newMixButton = nullptr;
    QPushButton* m_layoutButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QLabel* m_entryHint = nullptr;
    QTimer m_hintTimer;

    std::array<QLineEdit*, TextFieldCount> m_fields{};
    std::array<RatioChoice*, RatioFieldCount> m_ratioChoices{};
    std::array<PgVgRatio, RatioFieldCount> m_ratios{};
    RowLabels m_labels;
    MixResult m_result;
    FieldMeasure m_measure;

    QString m_mixName = QStringLiteral("Untitled");
    QString m_layout = QStringLiteral("Landscape");
    bool m_mixSaved = true;
    bool m_infoComplete = false;
    bool m_calcEnabled = true;
    bool m_settingByProgram = false;
    int m_volumeDecimals = 1;
    int m_notesCaret = 0;
    QPointer<QWidget> m_lastActive;
    std::function<bool()> m_closeGuard;
    bool m_shownOnce = false;
    int m_recalcDepth = 0;
    std::optional<int> m_useRatio; // a ratio to pick once the run that offered it is done

    friend class MainWindowTestAccess;
};

} // namespace kovaq
