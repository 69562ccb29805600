// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "AppController.h"
#include "AppPaths.h"

#include "Dialogs.h"
#include "FieldMetrics.h"
#include "FileAccess.h"
#include "FlavourBook.h"
#include "MainWindow.h"
#include "MixDocument.h"
#include "MixName.h"
#include "MixSession.h"
#include "PrintJob.h"
#include "PrintOptionsDialog.h"
#include "PrintProgress.h"
#include "Prompts.h"
#include "QtText.h"
#include "RecipeFile.h"
#include "RecipeLibrary.h"
#include "RecipesController.h"
#include "Reports.h"
#include "ShareController.h"
#include "ShotsWindow.h"
#include "StashController.h"
#include "StashWindow.h"
#include "ToolWindow.h"
#include "WeightsWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QUrl>

namespace kovaq {

QString FindHtmlHelp() {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        appDir + QStringLiteral("/../share/ko-vaq/help/index.html"),
        appDir + QStringLiteral("/help/index.html"), // beside it in the build tree
    };
    for (const QString& c : candidates)
        if (QFileInfo(c).isFile())
            return QFileInfo(c).absoluteFilePath();
    return {};
}

AppController::AppController(Prompts& prompts, QSettings& store, QObject* parent)
    : QObject(parent), m_prompts(prompts), m_store(store) {
    // The window's fields take what the window's font shows whole.
    m_session = std::make_unique<MixSession>(WindowFieldRule());
    m_window = std::make_unique<MainWindow>(m_session->document(), prompts);
    MainWindow& w = *m_window;
    document().setMixSaved(true);
    m_settings.LastFile.clear();
    m_settings.Layout = QStringLiteral("Landscape");
    m_settings = ReadSettings(m_store, QDir::currentPath(), &m_settingsTrouble);
    w.setLayoutName(m_settings.Layout);
    if (m_settings.Layout == QStringLiteral("Landscape"))
        w.arrangeLandscape();
    else
        w.arrangePortrait();
    m_firstShowPending = true;
    document().setCalcEnabled(true);
    m_startupDir = QDir::currentPath();
    m_htmlHelp = FindHtmlHelp();

    // The worker that moves the image-printing progress bar waits, paused, from the start.
    m_ticker = std::make_unique<PrintTicker>();
    m_ticker->start();

    m_screenPpi = [this] {
        const QScreen* s =
            m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
        return s ? static_cast<int>(s->logicalDotsPerInchX() + 0.5) : 96;
    };

    // The other windows, the printer and its dialogs are made when first asked for: a
    // start shows the main window and nothing else.
    connect(&w, &MainWindow::weightsRequested, this, &AppController::showWeights);
    connect(&w, &MainWindow::shotsRequested, this, &AppController::showShots);
    connect(&w, &MainWindow::recipesRequested, this, [this] { recipes().show(); });
    connect(&w, &MainWindow::stashRequested, this, [this] { stash().showStash(); });
    connect(&w, &MainWindow::mixItRequested, this, [this] { stash().mixIt(); });
    connect(&w, &MainWindow::copyRecipeRequested, this, [this] { share().copyRecipe(); });
    connect(&w, &MainWindow::pasteRecipeRequested, this, [this] { share().pasteRecipe(); });
    connect(&w, &MainWindow::exportJsonRequested, this, [this] { share().exportJson(); });
    connect(&w, &MainWindow::importJsonRequested, this, [this] { share().importJson(); });
    connect(&w, &MainWindow::fileDropped, this,
            [this](const QString& path) { share().openDropped(path); });
    m_welcomeTimer.setSingleShot(true);
    m_welcomeTimer.setInterval(1000);
    connect(&m_welcomeTimer, &QTimer::timeout, this, [this] {
        m_welcomeTimer.stop();
        m_prompts.execDialog(welcomeDialog());
    });
    m_screenHeight = [this] {
        const QScreen* s =
            m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
        return s ? s->geometry().height() : 1024;
    };

    connect(&w, &MainWindow::openRequested, this, &AppController::openRecipe);
    connect(&w, &MainWindow::saveRequested, this, [this] { saveRecipe(); });
    connect(&w, &MainWindow::printRequested, this, &AppController::printCommand);
    connect(&w, &MainWindow::newMixRequested, this, &AppController::newMix);
    connect(&w, &MainWindow::helpRequested, this, &AppController::openHelp);
    connect(&w, &MainWindow::firstShown, this, &AppController::startupChecks);
    connect(&w, &MainWindow::closing, this, &AppController::onClosing);
    connect(&w, &MainWindow::languageChosen, this, &AppController::chooseLanguage);
    offerLanguages();
    w.setCloseGuard([this] { return m_ending || confirmDiscard(Caller::Closing); });
}

AppController::~AppController() {
    m_ticker->stopAndJoin();
}

MixDocument& AppController::document() const {
    return m_session->document();
}

std::unique_ptr<MixDocument> AppController::otherDocument() const {
    return m_session->otherDocument();
}

const QString& AppController::currentFile() const {
    return m_session->currentFile();
}

void AppController::forgetCurrentFile() {
    m_session->forgetCurrentFile();
}

QWidget& AppController::mainWidget() const {
    return *m_window;
}

QLineEdit* AppController::nameField(TextField field) const {
    return m_window->field(field);
}

bool AppController::mayReplaceMix() {
    return confirmDiscard(Caller::Open);
}

RecipesController& AppController::recipes() {
    if (!m_recipes) {
        m_recipes = new RecipesController(*this, m_prompts, this);
        connect(m_recipes, &RecipesController::stashRequested, this,
                [this] { stash().showStash(); });
        connect(m_recipes, &RecipesController::copyRecipeRequested, this,
                [this](const QString& path) { share().copyRecipeFile(path); });
        // What can be made follows the stash; a stash not made yet holds nothing.
        StashController& bottles = stash();
        connect(&bottles, &StashController::bottlesChanged, m_recipes,
                &RecipesController::setBottles);
        if (bottles.storeExists()) {
            bottles.store();
            m_recipes->setBottles(bottles.bottles());
        }
    }
    return *m_recipes;
}

RetainDialog& AppController::retainDialog() {
    if (!m_retain)
        m_retain = new RetainDialog(m_window.get());
    return *m_retain;
}

WelcomeDialog& AppController::welcomeDialog() {
    if (!m_welcome)
        m_welcome = new WelcomeDialog(m_window.get());
    return *m_welcome;
}

QPrinter& AppController::printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

QPrinter& AppController::labelPrinter() {
    if (!m_labelPrinter)
        m_labelPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_labelPrinter;
}

ShareController& AppController::share() {
    if (!m_share) {
        m_share = new ShareController(*this, m_prompts, this);
        m_share->setSteepDaysSource(
            [this](const QString& file) { return stash().steepDaysOf(file); });
    }
    return *m_share;
}

StashController& AppController::stash() {
    if (!m_stash) {
        m_stash = new StashController(*this, m_prompts, this);
        // The flavour book is what the recipes say: the library is read when the stash first
        // asks for it (unless the Recipes window has started it), and followed after that.
        connect(m_stash, &StashController::flavourBookWanted, this, [this] {
            RecipeLibrary& library = recipes().library();
            const auto give = [this, &library] {
                auto book = std::make_shared<FlavourBook>();
                book->addLibrary(library);
                m_stash->setFlavourBook(std::move(book));
            };
            // While the folders are read, the book is made again twice a second at most.
            auto* soon = new QTimer(m_stash);
            soon->setSingleShot(true);
            soon->setInterval(500);
            connect(soon, &QTimer::timeout, m_stash, give);
            connect(&library, &RecipeLibrary::changed, soon, [soon] {
                if (!soon->isActive())
                    soon->start();
            });
            connect(&library, &RecipeLibrary::idle, m_stash, give);
            if (!library.reading() && !library.indexed())
                library.start();
            give();
        });
    }
    return *m_stash;
}

PrintProgressWindow& AppController::progressWindow() {
    if (!m_progress) {
        m_progress = new PrintProgressWindow(m_window.get());
        connect(m_ticker.get(), &PrintTicker::tick, m_progress, &PrintProgressWindow::step,
                Qt::QueuedConnection);
    }
    return *m_progress;
}

PrintOptionsDialog& AppController::printDialog() {
    if (m_printDialog)
        return *m_printDialog;
    m_printDialog = new PrintOptionsDialog(m_window.get());
    m_printDialog->setHost({
        [this](bool notes, bool unused, int size) {
            const MixDocument& doc = document();
            ReportInputs in = MakeReportInputs(doc.recipeWithNotes(), doc.result(), doc.rowLabels(),
                                               notes, unused, size);
            in.mixStrengthEnabled = doc.mixStrengthEnabled();
            return in;
        },
        [this] { m_prompts.beep(); },
        [this] { openHelp(); },
        [this](const QString& text) { m_prompts.errorBox(m_printDialog, text); },
        m_window->entryHint(),
        &progressWindow(),
        m_ticker.get(),
    });
    return *m_printDialog;
}

WeightsWindow& AppController::weightsWindow() {
    if (!m_weights) {
        m_weights = new WeightsWindow(document(), m_prompts, m_window.get());
        AdoptToolWindow(*m_weights, m_settings.WeightsPlace, m_window.get());
        connect(m_weights, &WeightsWindow::printRequested, this, &AppController::printWeights);
        m_weights->setDrops(m_settings.ShowDrops, dropsPerMl());
        m_weights->setScaleResolution(scaleResolution());
        connect(m_weights, &WeightsWindow::dropsChanged, this, [this](bool on, int count) {
            m_settings.ShowDrops = on;
            m_settings.DropsPerMl = std::clamp(count, 5, 100);
            if (m_shots)
                m_shots->setScale(scaleResolution(), dropsPerMl());
        });
        connect(m_weights, &WeightsWindow::scaleChanged, this, [this](double grams) {
            m_settings.ScaleResolution = ValidScaleResolution(grams);
            if (m_shots)
                m_shots->setScale(scaleResolution(), dropsPerMl());
        });
    }
    return *m_weights;
}

ShotsWindow& AppController::shotsWindow() {
    if (!m_shots) {
        m_shots = new ShotsWindow(document(), m_prompts, m_window.get());
        AdoptToolWindow(*m_shots, m_settings.ShotsPlace, m_window.get(), true);
        m_shots->setScale(scaleResolution(), dropsPerMl());
        m_shots->setPage(m_settings.ShotsPage);
        // The batch log only once there is one: opening this window makes no database.
        m_shots->setBatchSource([this] {
            return stash().storeExists() ? stash().store().batches() : std::vector<Batch>{};
        });
        connect(m_shots, &ShotsWindow::pageChanged, this,
                [this](int page) { m_settings.ShotsPage = page; });
    }
    return *m_shots;
}

void AppController::showShots() {
    ShowToolWindow(shotsWindow());
}

double AppController::scaleResolution() const {
    return m_settings.ScaleResolution; // read within its choices
}

int AppController::dropsPerMl() const {
    return m_settings.DropsPerMl; // read within what droppers give
}

bool AppController::guarded(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        m_prompts.errorBox(m_window.get(), ToQString(e.what()));
    } catch (...) {
        m_prompts.errorBox(m_window.get(), tr("An unexpected error occurred."));
    }
    return false;
}

void AppController::restoreWorkingDir() {
    QDir::setCurrent(m_startupDir);
}

void AppController::onClosing() {
    m_ticker->stopAndJoin();
    if (m_ending)
        return;
    m_settings.Layout = m_window->layoutName();
    m_settings.WeightsOpen = m_weights && m_weights->isVisible();
    m_settings.RecipesOpen = m_recipes && m_recipes->isVisible();
    if (m_recipes && m_recipes->windowMade())
        m_settings.RecipesSort = m_recipes->sortText();
    m_settings.StashOpen = m_stash && m_stash->isVisible();
    m_settings.ShotsOpen = m_shots && m_shots->isVisible();
    if (!WriteSettings(m_store, m_settings)) {
        if (m_settingsTrouble == SettingsTrouble::None)
            m_settingsTrouble = SettingsTrouble::CannotWrite;
        reportSettingsTrouble();
    }
}

void AppController::reportSettingsTrouble() {
    // Said once a run, not at every change; the program goes on without them.
    if (m_settingsReported || m_settingsTrouble == SettingsTrouble::None)
        return;
    m_settingsReported = true;
    const QString what =
        m_settingsTrouble == SettingsTrouble::CannotRead
            ? tr("Unable to read the settings from %1.\nKo-Vaq goes on, but will not remember "
                 "its folders, last file or layout.")
            : tr("Unable to write the settings to %1.\nKo-Vaq goes on, but will not remember "
                 "its folders, last file or layout.");
    m_prompts.errorBox(m_window.get(), what.arg(m_store.fileName()));
}

void AppController::openHelp() {
    restoreWorkingDir();
    const QString chm = QDir(m_startupDir).filePath(QStringLiteral("KoVaqHelp.chm"));
    if (QFileInfo(chm).isFile() && m_prompts.openUrl(QUrl::fromLocalFile(chm)))
        return;
    // Linux desktops rarely open .chm files: the HTML help says the same.
    if (!m_htmlHelp.isEmpty() && QFileInfo(m_htmlHelp).isFile()) {
        if (m_prompts.openUrl(QUrl::fromLocalFile(m_htmlHelp)))
            return;
        // The help is there, but nothing on this desktop shows web pages: say where it is.
        m_prompts.message(m_window.get(),
                          tr("No program to show the help is available.\nThe help is in %1")
                              .arg(QDir::toNativeSeparators(m_htmlHelp)),
                          QStringLiteral("Ko-Vaq"), Prompts::Icon::Information,
                          Prompts::Buttons::Ok);
        return;
    }
    m_prompts.message(m_window.get(), tr("Help File Missing"), QStringLiteral("Ko-Vaq"),
                      Prompts::Icon::None, Prompts::Buttons::Ok);
}

void AppController::printCommand() {
    guarded([this] { printWithOptions(); });
}

void AppController::printWithOptions() {
    MainWindow& w = *m_window;
    if (!document().infoComplete()) {
        const auto answer = m_prompts.message(&w,
                                              tr("  There is Information Outstanding \n"
                                                 "So Your Mix Name May Not Be Correct\n"
                                                 "        Do You Still Want To Print?"),
                                              app::warningCaption(), Prompts::Icon::Warning,
                                              Prompts::Buttons::OkCancel);
        if (answer != Prompts::Answer::Ok)
            return;
    }
    m_capture = CaptureWindow(w);
    if (!m_prompts.choosePrinter(printer(), &w))
        return;
    printDialog().prepare(printer(), m_capture, m_screenPpi());
    m_prompts.execDialog(printDialog());
}

QImage CaptureWindow(QWidget& w) {
    // The box the person has just closed may still be on the screen: the inside of the
    // window is drawn from its own widgets, so nothing else can be in it; the frame and the
    // title bar come from the screen where the platform lets us read it.
    QApplication::processEvents();
    QImage inside = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QScreen* screen = w.screen();
    const QRect frame = w.frameGeometry();
    if (!screen || frame.size() == w.size())
        return inside;
    const QImage outer =
        screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
    if (outer.isNull() || outer.size() != frame.size() || outer.allGray())
        return inside;
    QImage composed = outer.convertToFormat(QImage::Format_RGB32);
    QPainter p(&composed);
    p.drawImage(w.geometry().topLeft() - frame.topLeft(), inside);
    p.end();
    return composed;
}

void AppController::startupChecks() {
    if (!m_firstShowPending)
        return;
    MainWindow& w = *m_window;
    reportSettingsTrouble(); // when there is any
    const int height = m_screenHeight();
    if (height < 600) {
        m_prompts.message(&w, tr("Your Monitor Screen Is Too Small For This Application"),
                          tr("Sorry, But..."), Prompts::Icon::Warning, Prompts::Buttons::Ok);
        m_ending = true;
        w.hide();
        Q_EMIT quitRequested();
        return;
    }
    if (height < 800) {
        m_prompts.message(&w,
                          tr("So You Will Only Be Able To Run In Landscape Layout Mode,\n"
                             "         And The 'Layout' Button Will Be Disabled"),
                          tr("Your Monitor Screen Has Limited Height"), Prompts::Icon::Warning,
                          Prompts::Buttons::Ok);
        w.layoutButton()->setEnabled(false);
        if (w.layoutName() != QStringLiteral("Landscape")) {
            w.setLayoutName(QStringLiteral("Landscape"));
            w.arrangeLandscape();
        }
    }
    QString file = m_settings.LastFile;
    if (!m_startupFile.isEmpty()) {
        // A file named on the command line that cannot be read is said so, and the start
        // goes on as if none had been named.
        const QString named = m_startupFile.startsWith(QLatin1Char('/'))
                                  ? m_startupFile
                                  : m_startupDir + QLatin1Char('/') + m_startupFile;
        const FileBytes probe = ReadRegularFile(NativeFromPath(named), 0);
        if (probe.status == ReadStatus::Ok) {
            file = named;
            m_settings.LastFile = file;
            m_settings.LoadDir = app::folderOf(file);
            m_settings.SaveDir = m_settings.LoadDir;
        } else {
            m_prompts.errorBox(
                &w, tr("Unable to open %1.\n%2").arg(named, ToQString(ReadStatusText(probe))));
        }
    }
    if (file.isEmpty()) {
        newMix();
        m_welcomeTimer.start();
    } else {
        loadFile(file);
        m_session->setCurrentFile(file);
    }
    QLineEdit* volume = w.field(TextField::MixQty);
    volume->setFocus();
    w.setLastActiveControl(volume);
    m_firstShowPending = false;
    // What waits for the window to be on the screen: the Recipes and Stash windows, and the
    // stash's names under the name fields (the database is not opened before).
    const auto afterPaint = [this, &w](std::function<void()> step) {
        if (w.painted())
            QTimer::singleShot(0, this, std::move(step));
        else
            connect(&w, &MainWindow::firstPainted, this, std::move(step), Qt::SingleShotConnection);
    };
    if (m_settings.RecipesOpen)
        afterPaint([this] { recipes().show(); });
    if (m_settings.StashOpen)
        afterPaint([this] { stash().showStash(); });
    afterPaint([this] {
        if (stash().storeExists())
            stash().installCompleters();
    });
    if (m_settings.WeightsOpen)
        showWeights();
    if (m_settings.ShotsOpen)
        afterPaint([this] { showShots(); });
}

void AppController::showWeights() {
    ShowToolWindow(weightsWindow());
}

void AppController::printWeights() {
    guarded([this] {
        if (!m_prompts.choosePrinter(printer(), m_weights))
            return;
        const MixDocument& doc = document();
        const PrintOptions& options = printDialog().options();
        const ReportInputs in = MakeReportInputs(doc.recipe(), doc.result(), doc.rowLabels(), false,
                                                 false, ReportPointSize(options.TextSize));
        ReportDocument sheet;
        BuildWeightsReport(sheet, in, m_weights->weights(), SheetDate(QDate::currentDate()),
                           m_weights->hints());
        const PageMetrics metrics = MetricsOf(printer(), m_screenPpi(), PrintDialogWidth);
        const QString error =
            PrintReport(printer(), sheet, metrics,
                        ComputeMargins(metrics, options.LeftMargin, options.TopMargin));
        if (!error.isEmpty())
            m_prompts.errorBox(m_weights, error);
    });
}

} // namespace kovaq
