// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Recipe.h"
#include "Settings.h"
#include "Workbench.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QPrinter;
class QSettings;

namespace kovaq {

class MainWindow;
class MixDocument;
class MixSession;
class PrintOptionsDialog;
class PrintProgressWindow;
class PrintTicker;
class RecipesController;
class Prompts;
class RetainDialog;
class ShareController;
class StashController;
class WelcomeDialog;
class WeightsWindow;
class ShotsWindow;

// The program as a whole: builds the windows, runs the document commands (Open, Save,
// New Mix, closing), keeps the settings and starts up.
class AppController : public QObject, public Workbench {
    Q_OBJECT
  public:
    enum class Caller { Open, NewMix, Closing };

    AppController(Prompts& prompts, QSettings& store, QObject* parent = nullptr);
    ~AppController() override;

    MainWindow& window() const { return *m_window; }
    // The windows beside the main one, made when first asked for.
    RetainDialog& retainDialog();
    WelcomeDialog& welcomeDialog();
    AppSettings& settings() override { return m_settings; }
    const AppSettings& settings() const override { return m_settings; }
    // The drops per ml the user set for their dropper, kept within what droppers give.
    int dropsPerMl() const override;
    const QString& startupDir() const { return m_startupDir; }
    // The file the mix in the window was opened from or saved to; empty for a new one.
    const QString& currentFile() const override;
    // The mix shown came from no file (a paste, an import).
    void forgetCurrentFile() override;
    MixSession& session() const { return *m_session; }
    bool firstShowPending() const { return m_firstShowPending; }
    QTimer& welcomeTimer() { return m_welcomeTimer; }

    // For tests and small screens: where the screen height comes from.
    void setScreenHeightProvider(std::function<int()> provider) {
        m_screenHeight = std::move(provider);
    }
    // A file named on the command line opens instead of the last one. The path is text
    // made from the name's bytes with PathFromNative.
    void setStartupFile(const QString& path) { m_startupFile = path; }
    // Where the HTML help lives when the .chm is not there.
    void setHtmlHelpPath(const QString& path) { m_htmlHelp = path; }

    // "go on" is true. A Yes that does not end in a saved file stops the caller.
    bool confirmDiscard(Caller caller);
    // True when the mix was written.
    bool saveRecipe();
    void openRecipe();
    void newMix();
    void openHelp();
    // "Print...": the outstanding-information warning, the capture, the printer, the options.
    void printCommand();
    // The menu's language: kept in the settings and said to hold from the next start ("" is
    // the desktop's language).
    void chooseLanguage(const QString& code);

    // "Recipes": the library of the user's recipe folders and its window.
    RecipesController& recipes();
    // A recipe from the list: opened as Open opens a file, through its guard.
    void openRecipeFile(const QString& path) override;
    // A recipe's text (a batch's copy) opened through Open's guard as a mix of that name
    // that is not saved anywhere.
    void openRecipeText(const QString& text, const QString& name) override;

    // The stash, the batch log and their window; the database waits for first use.
    StashController& stash();
    // Copy, paste, JSON and dropped files.
    ShareController& share();
    // Labels keep their own printer, so that a label's page never becomes the reports'.
    QPrinter& labelPrinter() override;

    // Runs a command; what it throws is reported in the general error box, never thrown on
    // through Qt. False when it threw.
    bool guarded(const std::function<void()>& command) override;

    PrintOptionsDialog& printDialog();
    WeightsWindow& weightsWindow();
    ShotsWindow& shotsWindow();
    void showShots();
    // The scale's resolution the user chose, in grams.
    double scaleResolution() const;
    // "Mix By Weight": shown beside the main window, or brought to the front.
    void showWeights();
    // Its "Print...": the printer, then the weighing sheet at the chosen margins and size.
    void printWeights();
    PrintProgressWindow& progressWindow();
    PrintTicker& ticker() const { return *m_ticker; }
    QPrinter& printer();
    const QImage& screenCapture() const { return m_capture; }
    void setScreenPpiProvider(std::function<int()> provider) { m_screenPpi = std::move(provider); }

    MixDocument& document() const override;
    std::unique_ptr<MixDocument> otherDocument() const override;
    QWidget& mainWidget() const override;
    QLineEdit* nameField(TextField field) const override;
    bool mayReplaceMix() override;
    // Open's load: the file becomes the mix, said so when it was cut at the reader's limit.
    void loadFile(const QString& path);

    // The first showing: screen checks, then the last file or a new mix and welcome.
    void startupChecks();

  Q_SIGNALS:
    // The program must end without storing anything (the screen is too small).
    void quitRequested();

  private:
    void restoreWorkingDir();
    void offerLanguages();
    bool writeDocument(const QString& path);
    void printWithOptions();
    void openChosen(const QString& path, QWidget* focused);
    void onClosing();
    void reportSettingsTrouble();

    Prompts& m_prompts;
    QSettings& m_store;
    std::unique_ptr<MixSession> m_session; // before the window, which binds to it
    std::unique_ptr<MainWindow> m_window;
    RetainDialog* m_retain = nullptr;
    WelcomeDialog* m_welcome = nullptr;
    AppSettings m_settings;
    QString m_startupDir;
    QString m_startupFile;
    QString m_htmlHelp;
    bool m_firstShowPending = true;
    bool m_ending = false;
    SettingsTrouble m_settingsTrouble = SettingsTrouble::None; // said once the window is up
    bool m_settingsReported = false;
    QTimer m_welcomeTimer;
    std::function<int()> m_screenHeight;
    std::function<int()> m_screenPpi;
    PrintOptionsDialog* m_printDialog = nullptr;
    WeightsWindow* m_weights = nullptr;
    ShotsWindow* m_shots = nullptr;
    RecipesController* m_recipes = nullptr;
    PrintProgressWindow* m_progress = nullptr;
    std::unique_ptr<PrintTicker> m_ticker;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPrinter> m_labelPrinter;
    StashController* m_stash = nullptr;
    ShareController* m_share = nullptr;
    QImage m_capture;
};

// Where the HTML help was installed, or where it stands in the source tree.
QString FindHtmlHelp();

// The picture of the window that "Print..." takes: the window as it is, with nothing that
// was over it, frame and title bar included where the platform shows them.
QImage CaptureWindow(QWidget& window);

} // namespace kovaq
