// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// The main window of Ko-Vaq binds its widgets to the one MixDocument:
//
//   a field's text changes        -> document.setText(field, text, caret)
//   a ratio is picked, an option  -> document.pickRatio / setHiPrecision / setIgnoreCost
//   the document's signals        -> texts, carets, colours, marks, captions, enabled
//                                    states, the beep, the hint and the boxes
//
// It decides nothing about the recipe: the entry rules, the calculation and whether the mix
// is saved all live in the document. The panels own the controls.

#include "FieldMetrics.h"
#include "Maker.h"
#include "MixDocument.h"
#include "QtText.h"

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class QMimeData;

namespace kovaq {

// The recipe file dropped, when one .mix or .json file is; empty otherwise.
QString DroppedRecipe(const QMimeData* mime);

class ClickLabel;
class HelpIcon;
class IngredientPanel;
class NotesEdit;
class Prompts;
class RatioChoice;
class ResultsPanel;
class ScalesIcon;
class BookIcon;
class MenuIcon;
class SpecPanel;
class StatusPanel;

inline const QString WebsiteAddress = ToQString(MakerWebsite);
inline const QString WebsiteDomain = ToQString(MakerWebDomain);
inline const QString SupportEmail = ToQString(MakerSupportEmail);

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // Bound to the document it is given, which outlives it.
    MainWindow(MixDocument& document, Prompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The recipe and all its state.
    MixDocument& document() { return *m_doc; }
    const MixDocument& document() const { return *m_doc; }

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
    QWidget* scalesIcon() const;
    QWidget* recipesIcon() const;
    // The header's menu button and the menu it opens: the window's commands with their keys.
    QWidget* menuIcon() const;
    QMenu* windowMenu() const { return m_windowMenu; }
    // The menu's "Language" choices, each a code ("" for the desktop's) with its name; the
    // one chosen is checked.
    void setLanguageChoices(const std::vector<std::pair<QString, QString>>& choices,
                            const QString& chosen);
    QMenu* languageMenu() const { return m_languageMenu; }
    QWidget* websiteLink() const;
    QWidget* emailLink() const;

    // Asked before the window closes; false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    int notesCaret() const { return m_notesCaret; }
    bool painted() const { return m_paintedOnce; }
    QWidget* lastActiveControl() const { return m_lastActive; }
    void setLastActiveControl(QWidget* w) { m_lastActive = w; }

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
    // Ctrl+K: the Shots and Fixes window.
    void shotsRequested();
    // The book icon or Ctrl+R.
    void recipesRequested();
    // Ctrl+T: the stash; Ctrl+B: a batch of the mix recorded.
    void stashRequested();
    void mixItRequested();
    // Sharing: Ctrl+Shift+C, Ctrl+Shift+V, and the window's menu.
    void copyRecipeRequested();
    void pasteRecipeRequested();
    void exportJsonRequested();
    void importJsonRequested();
    // A .mix or .json file dropped on the window.
    void fileDropped(const QString& path);
    // The window has been painted for the first time: what can wait, waits for this.
    void firstPainted();
    // A language picked in the menu, by its code ("" for the desktop's).
    void languageChosen(const QString& code);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void buildHeader();
    void buildCommands();
    void buildButtonsAndLinks();
    void buildHint();
    void bindDocument();
    void bindWidgets();
    void setTabOrder();
    void showField(TextField f, bool cut);
    void onRatioPicked(RatioField r);
    void askCannotBeAchieved(const QString& text, std::optional<int> nearestRatio);
    void applyIgnoreCostState(bool on);
    void applyVolumes(const MixResult& r);
    void applyMarks(const MixResult& r, bool volumeMarksOnly);
    // Costs, status, marks and captions of the run that has settled.
    void applyResults();
    void applyCostsAndStatus(const MixResult& r);
    void updateCaptions();
    void updateAccessibleNames();
    bool ownsKeysOf(const QWidget* w) const;
    void showEntryHint(QWidget* anchor);
    void applyArrangement(bool portrait);
    void centreOnScreen();

    Prompts& m_prompts;
    MixDocument* m_doc = nullptr;
    std::vector<QAction*> m_commands; // the window's menu, in order; null for a separator
    IngredientPanel* m_ingredients = nullptr;
    SpecPanel* m_spec = nullptr;
    ResultsPanel* m_volumes = nullptr;
    ResultsPanel* m_costs = nullptr;
    StatusPanel* m_status = nullptr;
    QWidget* m_notesGroup = nullptr;
    NotesEdit* m_notes = nullptr;
    QWidget* m_background = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_tagLine = nullptr;
    HelpIcon* m_helpIcon = nullptr;
    ScalesIcon* m_scalesIcon = nullptr;
    BookIcon* m_recipesIcon = nullptr;
    MenuIcon* m_menuIcon = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
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

    QString m_layout = QStringLiteral("Landscape");
    int m_notesCaret = 0;
    QPointer<QWidget> m_lastActive;
    std::function<bool()> m_closeGuard;
    bool m_shownOnce = false;
    bool m_paintedOnce = false;
};

} // namespace kovaq
