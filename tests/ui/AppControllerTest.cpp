// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "AppController.h"
#include "AppFixture.h"
#include "Dialogs.h"
#include "FakePrompts.h"
#include "Fields.h"
#include "FileAccess.h"
#include "MainWindow.h"
#include "ModalWatchdog.h"
#include "PrintJob.h"
#include "PrintProgress.h"
#include "RecipeFile.h"

#include "Eventually.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace kovaq;
using test::FakePrompts;
using T = TextField;
using Answer = Prompts::Answer;

namespace {

// The controller started but its window not yet shown, on a screen of the test's height.
class AppControllerTest : public test::AppTest {
  protected:
    AppController& start(int screenHeight = 1024) {
        controller = std::make_unique<AppController>(prompts, *store);
        controller->setScreenHeightProvider([screenHeight] { return screenHeight; });
        controller->setHtmlHelpPath(QString());
        controller->startupChecks();
        controller->welcomeTimer().stop();
        prompts.clear();
        return *controller;
    }

    QLineEdit* f(T field) { return w().field(field); }
    void type(T field, const QString& keys) { QTest::keyClicks(f(field), keys); }
    QString path(const QString& name) { return dir.filePath(name); }

    QString writeRecipe(const QString& name, const std::function<void(MixRecipe&)>& edit) {
        MixRecipe r = FreshMix();
        edit(r);
        EXPECT_TRUE(WriteRecipe(path(name).toStdString(), r));
        return path(name);
    }
};

const QString kOpenText =
    QStringLiteral("Your Current Mix Has Not Been Saved \n         Do You Want To Save It?");
const QString kOtherText = QStringLiteral(
    "      Your Current Mix Has Not Been Saved \n               Do You Want To Save It?");
const QString kOutstanding =
    QStringLiteral("There is Information Outstanding \n    Do You Still Want To Save?");

} // namespace

TEST_F(AppControllerTest, FirstRunStartsEmptyAndWelcomes) {
    controller = std::make_unique<AppController>(prompts, *store);
    EXPECT_EQ(store->value("LoadDir").toString(), QDir::currentPath()); // written back at once
    EXPECT_EQ(store->value("SaveDir").toString(), QDir::currentPath());
    EXPECT_EQ(store->value("LastFile").toString(), QString());
    EXPECT_EQ(store->value("Layout").toString(), QStringLiteral("Landscape"));
    controller->setScreenHeightProvider([] { return 1024; });
    controller->startupChecks();
    EXPECT_TRUE(prompts.dialogsShown.empty()); // no "Retain Some Details?" at start
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Untitled"));
    EXPECT_EQ(w().size(), QSize(721, 560));
    for (std::size_t i = 0; i < RatioFieldCount; ++i)
        EXPECT_EQ(w().document().ratio(ratioFieldAt(i)).position, 0);
    EXPECT_TRUE(w().hiPrecisionBox()->isChecked());
    EXPECT_TRUE(w().document().mixSaved());
    EXPECT_EQ(w().lastActiveControl(), f(T::MixQty));
    EXPECT_FALSE(controller->firstShowPending());
    ASSERT_TRUE(controller->welcomeTimer().isActive());
    EXPECT_EQ(controller->welcomeTimer().interval(), 1000);
    EXPECT_TRUE(controller->welcomeTimer().isSingleShot());
    EXPECT_TRUE(prompts.dialogsShown.empty()); // not before its second is up
    controller->welcomeTimer().start(1);       // rather than wait the second
    EXPECT_EVENTUALLY(prompts.dialogsShown.size() == std::size_t(1));
    EXPECT_EQ(prompts.dialogsShown[0], QStringLiteral("TForm4"));
}

TEST_F(AppControllerTest, ReopensTheLastFileAsSaved) {
    const QString file = writeRecipe(QStringLiteral("Cherry.mix"), [](MixRecipe& r) {
        r.Name = "Old name";
        r[T::Flav1Name] = "Lemon";
        r[T::PctFlav1] = "5";
        r[T::MixQty] = "30";
    });
    store->setValue("LastFile", file);
    store->setValue("LoadDir", QStringLiteral("/somewhere"));
    start();
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Old name"));
    EXPECT_TRUE(w().document().mixSaved());
    EXPECT_FALSE(controller->welcomeTimer().isActive());
    EXPECT_EQ(controller->settings().LoadDir, QStringLiteral("/somewhere"));
    EXPECT_EQ(w().findChild<QLabel*>(QStringLiteral("VolumeCaption_Flav1"))->text(),
              QStringLiteral("F1 Lemon"));
    EXPECT_EQ(w().findChild<QLabel*>(QStringLiteral("Volume_Flav1"))->text(),
              QStringLiteral("1.5"));

    QFile::remove(file); // gone before the next start: a new user again
    controller.reset();
    start();
    EXPECT_EQ(controller->settings().LastFile, QString());
    EXPECT_EQ(controller->settings().LoadDir, QDir::currentPath());
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Untitled"));
}

TEST_F(AppControllerTest, ANamedFileThatCannotBeReadIsSaidAndTheStartGoesOn) {
    const QString fifo = path(QStringLiteral("pipe.mix"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString cherry =
        writeRecipe(QStringLiteral("Cherry.mix"), [](MixRecipe& r) { r.Name = "Cherry"; });
    struct Case {
        QString named;
        QString reason;
    };
    // Each time with a stored last file, which the start then reopens as if nothing had
    // been named; a FIFO is never opened for reading, so nothing blocks.
    for (const Case& c : {Case{fifo, QStringLiteral("Not a regular file")},
                          Case{path(QStringLiteral("gone.mix")), QStringLiteral("No such file")},
                          Case{dir.path(), QStringLiteral("Is a folder")}}) {
        store->setValue("LastFile", cherry);
        controller = std::make_unique<AppController>(prompts, *store);
        controller->setScreenHeightProvider([] { return 1024; });
        controller->setStartupFile(c.named);
        prompts.clear();
        controller->startupChecks();
        ASSERT_EQ(prompts.errors.size(), 1u) << c.named.toStdString();
        EXPECT_EQ(prompts.errors[0],
                  QStringLiteral("Unable to open ") + c.named + QStringLiteral(".\n") + c.reason);
        EXPECT_EQ(w().windowTitle(), QStringLiteral("Cherry"));
        EXPECT_EQ(controller->settings().LastFile, cherry);
        controller.reset();
    }
    // Without a last file the welcome still comes.
    store->setValue("LastFile", QString());
    controller = std::make_unique<AppController>(prompts, *store);
    controller->setScreenHeightProvider([] { return 1024; });
    controller->setStartupFile(QStringLiteral("gone.mix")); // relative to the start folder
    prompts.clear();
    controller->startupChecks();
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_TRUE(prompts.errors[0].startsWith(QStringLiteral("Unable to open ") +
                                             path(QStringLiteral("gone.mix"))));
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Untitled"));
    EXPECT_TRUE(controller->welcomeTimer().isActive());
    controller->welcomeTimer().stop();
}

TEST_F(AppControllerTest, FilesAreOpenedAndSavedByTheBytesOfTheirNames) {
    // A name with a byte that is not UTF-8, as the command line hands it over.
    const std::string odd = dir.path().toStdString() + "/odd\xFF.mix";
    MixRecipe r = FreshMix();
    r.Name = "Odd";
    r[T::MixQty] = "30";
    EXPECT_TRUE(WriteRecipe(odd, r));
    controller = std::make_unique<AppController>(prompts, *store);
    controller->setScreenHeightProvider([] { return 1024; });
    controller->setStartupFile(PathFromNative(odd));
    controller->startupChecks();
    controller->welcomeTimer().stop();
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_EQ(f(T::MixQty)->text(), QStringLiteral("30"));
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Odd"));

    // Saved again under the same name, the very same file is written.
    w().document().setIgnoreCost(true);
    prompts.answers = {Answer::Yes};
    prompts.fileNames.push_back(controller->settings().LastFile);
    ASSERT_TRUE(controller->saveRecipe());
    EXPECT_EQ(LoadRecipe(odd).recipe[T::MixQty], "30");
    EXPECT_EQ(LoadRecipe(odd).recipe.IgnoreCost, true);
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path().toStdString()))
        files += e.path().extension() == ".mix" ? 1 : 0;
    EXPECT_EQ(files, 1);
    ::unlink(odd.c_str()); // Qt could not remove it with the folder

    // Open of a FIFO loads the defaults and never waits for a writer.
    const QString fifo = path(QStringLiteral("pipe.mix"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    prompts.fileNames.push_back(fifo);
    controller->openRecipe();
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Untitled"));
    EXPECT_EQ(f(T::MixQty)->text(), QString());
}

TEST_F(AppControllerTest, ScreenHeightDecidesWhatStarts) {
    struct Case {
        int height;
        QString storedLayout;
        QString message;
        bool quits, layoutEnabled;
        QString layout;
    };
    const QString limited = QStringLiteral("Your Monitor Screen Has Limited Height");
    const std::vector<Case> cases = {
        {500, "Landscape", "Sorry, But...", true, true, "Landscape"},
        {600, "Landscape", limited, false, false, "Landscape"},
        {700, "Portrait", limited, false, false, "Landscape"},
        {800, "Portrait", "", false, true, "Portrait"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        store->setValue("Layout", c.storedLayout);
        controller = std::make_unique<AppController>(prompts, *store);
        controller->setScreenHeightProvider([&] { return c.height; });
        QSignalSpy quit(controller.get(), &AppController::quitRequested);
        prompts.clear();
        controller->startupChecks();
        controller->welcomeTimer().stop();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(prompts.messages.empty());
        } else {
            ASSERT_FALSE(prompts.messages.empty());
            EXPECT_EQ(prompts.messages[0].caption, c.message);
        }
        EXPECT_EQ(quit.count(), c.quits ? 1 : 0);
        EXPECT_EQ(w().layoutButton()->isEnabled(), c.layoutEnabled);
        EXPECT_EQ(w().layoutName(), c.layout);
        if (c.height == 600) {
            EXPECT_EQ(prompts.messages[0].text,
                      QStringLiteral("So You Will Only Be Able To Run In Landscape Layout Mode,\n"
                                     "         And The 'Layout' Button Will Be Disabled"));
        }
        if (c.height == 500) {
            EXPECT_EQ(prompts.messages[0].text,
                      QStringLiteral("Your Monitor Screen Is Too Small For This Application"));
            store->setValue("Layout", QStringLiteral("marker"));
            w().close(); // ending this way stores nothing
            EXPECT_EQ(store->value("Layout").toString(), QStringLiteral("marker"));
        }
        controller.reset();
    }
}

TEST_F(AppControllerTest, ConfirmDiscardAsksEachCallerInItsWords) {
    struct Case {
        AppController::Caller caller;
        std::vector<Answer> answers;
        QString saveAs;
        bool goesOn;
    };
    using C = AppController::Caller;
    const std::vector<Case> cases = {
        {C::Open, {Answer::Cancel}, "", false},
        {C::Open, {Answer::No}, "", true},
        {C::NewMix, {Answer::Yes, Answer::Ok}, "saved.mix", true},
        // A save that does not happen must not let the mix be lost.
        {C::Closing, {Answer::Yes, Answer::Ok}, "", false},
        {C::Closing, {Answer::Yes, Answer::Cancel}, "", false},
    };
    start();
    for (const Case& c : cases) {
        prompts.clear();
        w().document().setMixSaved(false);
        prompts.answers.assign(c.answers.begin(), c.answers.end());
        if (!c.saveAs.isEmpty())
            prompts.fileNames.push_back(path(c.saveAs));
        EXPECT_EQ(controller->confirmDiscard(c.caller), c.goesOn);
        ASSERT_FALSE(prompts.messages.empty());
        EXPECT_EQ(prompts.messages[0].text, c.caller == C::Open ? kOpenText : kOtherText);
        EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Warning..."));
        EXPECT_EQ(prompts.messages[0].buttons, Prompts::Buttons::YesNoCancel);
        if (c.answers.size() > 1) {
            EXPECT_EQ(prompts.messages[1].text, kOutstanding); // the mix is incomplete
        }
        EXPECT_EQ(w().document().mixSaved(), !c.saveAs.isEmpty());
    }
    prompts.clear();
    w().document().setMixSaved(true);
    EXPECT_TRUE(controller->confirmDiscard(C::Open));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(AppControllerTest, SaveNamesTheMixAfterItsFile) {
    start();
    f(T::MixStrength)->setText(QString()); // base strength is empty: disabled anyway
    f(T::BaseNicStrength)->setText(QStringLiteral("24"));
    f(T::MixStrength)->setText(QStringLiteral("12"));
    f(T::MixQty)->setText(QStringLiteral("30"));
    RatioChoice* mix = w().ratioChoice(RatioField::MixNicPGVG);
    mix->setCurrentIndex(5);
    Q_EMIT mix->activated(5);
    w().document().setIgnoreCost(true);
    ASSERT_TRUE(w().document().infoComplete());

    const QString sub = path(QStringLiteral("Mixes"));
    QDir().mkpath(sub);
    w().setLastActiveControl(w().openButton());
    prompts.fileNames.push_back(sub + QStringLiteral("/Cherry.mix"));
    EXPECT_TRUE(controller->saveRecipe());
    EXPECT_EQ(prompts.proposedNames.at(0), QStringLiteral("Untitled(12mg 30ml 50-50)"));
    EXPECT_EQ(prompts.fileDialogFolders.at(0), QDir::currentPath());
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Cherry"));
    EXPECT_EQ(LoadRecipe((sub + QStringLiteral("/Cherry.mix")).toStdString()).recipe.Name,
              "Cherry");
    EXPECT_EQ(controller->settings().SaveDir, sub);
    EXPECT_EQ(controller->settings().LoadDir, sub);
    EXPECT_EQ(controller->settings().LastFile, sub + QStringLiteral("/Cherry.mix"));
    EXPECT_EQ(w().lastActiveControl(), w().saveButton());
    EXPECT_TRUE(w().document().mixSaved());
    EXPECT_EQ(QDir::currentPath(), controller->startupDir());

    // Every recipe is saved as .mix: a chosen name without it gets it (any letter case
    // counts), and the caption is the name less its last four characters.
    prompts.fileNames.push_back(sub + QStringLiteral("/a.recipe"));
    EXPECT_TRUE(controller->saveRecipe());
    EXPECT_EQ(w().windowTitle(), QStringLiteral("a.recipe"));
    EXPECT_EQ(prompts.proposedNames.at(1), QStringLiteral("Cherry(12mg 30ml 50-50)"));
    EXPECT_TRUE(QFileInfo::exists(sub + QStringLiteral("/a.recipe.mix")));
    prompts.fileNames.push_back(sub + QStringLiteral("/Loud.MIX"));
    EXPECT_TRUE(controller->saveRecipe());
    EXPECT_EQ(controller->settings().LastFile, sub + QStringLiteral("/Loud.MIX"));
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Loud"));
}

TEST_F(AppControllerTest, ProposedNamesWithAPointAreSavedAsMix) {
    start();
    f(T::BaseNicStrength)->setText(QStringLiteral("18"));
    f(T::MixStrength)->setText(QStringLiteral("4.5"));
    f(T::MixQty)->setText(QStringLiteral("1.5"));
    w().document().setIgnoreCost(true);
    ASSERT_TRUE(w().document().infoComplete());
    // The dialog hands back the proposed name as it is: "5ml PG)" looked like an extension.
    prompts.onFileDialog = [&] { prompts.fileNames.push_back(path(prompts.proposedNames.back())); };
    EXPECT_TRUE(controller->saveRecipe());
    const QString saved = path(QStringLiteral("Untitled(4.5mg 1.5ml PG).mix"));
    EXPECT_TRUE(QFileInfo::exists(saved));
    EXPECT_EQ(controller->settings().LastFile, saved);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Untitled(4.5mg 1.5ml PG)"));
    EXPECT_TRUE(prompts.messages.empty()); // nothing there yet: no question

    // Saved again: the question is asked for the name really written. No goes back to the
    // dialog with that name; cancelling there keeps the file as it was.
    const QByteArray before = [&] {
        QFile file(saved);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    f(T::MixQty)->setText(QStringLiteral("2"));
    prompts.onFileDialog = nullptr;
    prompts.fileNames = {path(QStringLiteral("Untitled(4.5mg 1.5ml PG)"))};
    prompts.answers = {Answer::No};
    EXPECT_FALSE(controller->saveRecipe());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("Untitled(4.5mg 1.5ml PG).mix already exists.\n"
                             "Do you want to replace it?"));
    EXPECT_EQ(prompts.messages[0].buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(prompts.proposedNames.back(), QStringLiteral("Untitled(4.5mg 1.5ml PG).mix"));
    QFile file(saved);
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll(), before);
    // Yes replaces it.
    prompts.fileNames = {saved};
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(controller->saveRecipe());
    EXPECT_EQ(LoadRecipe(saved.toStdString()).recipe[T::MixQty], "2");
}

TEST_F(AppControllerTest, FailedSaveKeepsTheMixUnsavedAndStopsTheCaller) {
    start();
    w().document().setIgnoreCost(true);
    f(T::MixQty)->setText(QStringLiteral("10"));
    ASSERT_FALSE(w().document().mixSaved());
    const QString bad = path(QStringLiteral("missing/folder/x.mix"));
    prompts.answers = {Answer::Yes};
    prompts.fileNames.push_back(bad);
    EXPECT_FALSE(controller->confirmDiscard(AppController::Caller::Closing));
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], QStringLiteral("Unable to write to ") + bad + QLatin1Char('.'));
    EXPECT_FALSE(w().document().mixSaved());
    EXPECT_EQ(controller->settings().LastFile, QString());
    EXPECT_EQ(w().windowTitle(), QStringLiteral("x")); // the caption change stays
}

TEST_F(AppControllerTest, OpenShowsTheStoredNameAndCountsAsSaved) {
    const QString file = writeRecipe(QStringLiteral("renamed.mix"), [](MixRecipe& r) {
        r.Name = "Stored";
        r[T::NicBaseName] = "Salt";
        r.Notes = {"one", "two"};
        r.HiPrecision = false;
    });
    start();
    w().document().setMixSaved(false);
    prompts.answers = {Answer::No};
    prompts.fileNames.push_back(file);
    controller->openRecipe();
    EXPECT_EQ(prompts.messages.at(0).text, kOpenText);
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Stored"));
    EXPECT_TRUE(w().document().mixSaved());
    EXPECT_FALSE(w().hiPrecisionBox()->isChecked());
    EXPECT_EQ(w().document().volumeDecimals(), 1);
    EXPECT_EQ(w().notes()->toPlainText(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(w().findChild<QLabel*>(QStringLiteral("CostCaption_NicBase"))->text(),
              QStringLiteral("NicBase  Salt"));
    EXPECT_EQ(controller->settings().LoadDir, dir.path());
    EXPECT_EQ(controller->settings().LastFile, file);

    // Cancelled in the dialog: nothing changes.
    f(T::MixQty)->setText(QStringLiteral("5"));
    prompts.answers = {Answer::No};
    controller->openRecipe();
    EXPECT_FALSE(w().document().mixSaved());
    EXPECT_EQ(f(T::MixQty)->text(), QStringLiteral("5"));
}

TEST_F(AppControllerTest, AFileCutAtTheReadersLimitIsSaidOnce) {
    const QString file = writeRecipe(QStringLiteral("long.mix"), [](MixRecipe& r) {
        r.Name = "Long";
        r[T::MixQty] = "30";
    });
    {
        QFile grow(file);
        ASSERT_TRUE(grow.open(QIODevice::Append));
        grow.write(QByteArray(static_cast<qsizetype>(MaxRecipeFileBytes), ';'));
    }
    start();
    prompts.fileNames.push_back(file);
    controller->openRecipe();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              file + QStringLiteral(" is longer than 32 MiB; only its first 32 MiB were read.\n"
                                    "The recipe shown may not be the whole of it."));
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Warning..."));
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Long")); // what was read is shown

    // A file within the limit says nothing.
    prompts.clear();
    prompts.fileNames.push_back(writeRecipe(QStringLiteral("a.mix"), [](MixRecipe&) {}));
    controller->openRecipe();
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(AppControllerTest, OpenRemembersTheControlThatHadTheFocusBeforeTheDialog) {
    const QString file = writeRecipe(QStringLiteral("a.mix"), [](MixRecipe& r) { r.Name = "A"; });
    start();
    w().show();
    w().activateWindow();
    f(T::PctFlav2)->setFocus();
    EXPECT_EVENTUALLY(f(T::PctFlav2)->hasFocus());
    // A real file dialog takes the focus away while it is up.
    prompts.onFileDialog = [] {
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
    };
    prompts.fileNames.push_back(file);
    controller->openRecipe();
    EXPECT_EQ(w().windowTitle(), QStringLiteral("A"));
    EXPECT_EQ(w().lastActiveControl(), f(T::PctFlav2));
    // "Layout" then gives the focus back there, not to the button.
    QTest::mouseClick(w().layoutButton(), Qt::LeftButton);
    EXPECT_EVENTUALLY(f(T::PctFlav2)->hasFocus());
}

TEST_F(AppControllerTest, NewMixKeepsWhatTheBoxesSay) {
    struct Case {
        bool ingredients, notes;
    };
    for (const Case& c :
         {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        SCOPED_TRACE(std::to_string(c.ingredients) + std::to_string(c.notes));
        start();
        RatioChoice* base = w().ratioChoice(RatioField::BaseNicPGVG);
        base->setCurrentIndex(5);
        Q_EMIT base->activated(5);
        RatioChoice* fl = w().ratioChoice(RatioField::Flav2NicPGVG);
        fl->setCurrentIndex(11);
        Q_EMIT fl->activated(11);
        f(T::NicBaseCost)->setText(QStringLiteral("6"));
        f(T::Flav1Name)->setText(QStringLiteral("Lemon"));
        f(T::BaseNicStrength)->setText(QStringLiteral("18"));
        f(T::MixStrength)->setText(QStringLiteral("3"));
        f(T::PctFlav1)->setText(QStringLiteral("5"));
        w().document().setIgnoreCost(true);
        w().document().setHiPrecision(false);
        w().document().setNotesLines({QStringLiteral("keep me?")});
        prompts.answers = {Answer::No};
        prompts.dialogActions.push_back([&](QDialog& d) {
            auto& retain = static_cast<RetainDialog&>(d);
            retain.ingredientsBox()->setChecked(c.ingredients);
            retain.notesBox()->setChecked(c.notes);
            return int(QDialog::Accepted);
        });
        controller->newMix();
        EXPECT_EQ(prompts.messages.at(0).text, kOtherText);
        EXPECT_EQ(prompts.dialogsShown, std::vector<QString>{QStringLiteral("TForm5")});
        EXPECT_EQ(f(T::NicBaseCost)->text(), c.ingredients ? QStringLiteral("6") : QString());
        EXPECT_EQ(f(T::Flav1Name)->text(), c.ingredients ? QStringLiteral("Lemon") : QString());
        EXPECT_EQ(w().document().ratio(RatioField::BaseNicPGVG).position, c.ingredients ? 5 : 0);
        EXPECT_EQ(w().notes()->toPlainText(), c.notes ? QStringLiteral("keep me?") : QString());
        EXPECT_EQ(f(T::MixStrength)->text(), QString());
        EXPECT_EQ(f(T::PctFlav1)->text(), QString());
        EXPECT_EQ(w().document().ratio(RatioField::Flav2NicPGVG).position, 0);
        EXPECT_EQ(w().document().ratio(RatioField::Flav2NicPGVG).PgPercent, 100);
        EXPECT_TRUE(w().hiPrecisionBox()->isChecked());
        EXPECT_FALSE(w().ignoreCostBox()->isChecked());
        EXPECT_EQ(w().windowTitle(), QStringLiteral("Untitled"));
        EXPECT_TRUE(w().document().mixSaved());
        EXPECT_EQ(w().lastActiveControl(), f(T::BaseNicStrength));
        controller.reset();
    }
}

TEST_F(AppControllerTest, CancelInRetainLeavesTheMixAsItWas) {
    start();
    f(T::MixQty)->setText(QStringLiteral("30"));
    prompts.answers = {Answer::No};
    prompts.dialogActions.push_back([](QDialog&) { return int(QDialog::Rejected); });
    controller->newMix();
    EXPECT_EQ(f(T::MixQty)->text(), QStringLiteral("30"));
    EXPECT_FALSE(w().document().mixSaved());
}

TEST_F(AppControllerTest, BackingOutOfRetainDetailsWipesNothing) {
    RetainDialog dialog(nullptr);
    // Escape and the close box mean Cancel, the very first time too.
    QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    QTimer::singleShot(0, &dialog, [&] { dialog.okButton()->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected); // not the last button's OK
    QTimer::singleShot(0, &dialog, [&] { dialog.cancelButton()->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(dialog.ingredientsBox()->isChecked());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Retain Some Details?"));

    // Through New Mix: Escape in the real dialog leaves the whole mix as it was.
    start();
    type(T::MixQty, QStringLiteral("30"));
    type(T::Flav1Name, QStringLiteral("Lemon"));
    w().document().setMixSaved(true);
    prompts.dialogActions.push_back([](QDialog& d) {
        QTimer::singleShot(0, &d, [&d] { QTest::keyClick(&d, Qt::Key_Escape); });
        return d.exec();
    });
    ExpectedModals().insert(&controller->retainDialog());
    controller->newMix();
    ExpectedModals().remove(&controller->retainDialog());
    EXPECT_EQ(f(T::MixQty)->text(), QStringLiteral("30"));
    EXPECT_EQ(f(T::Flav1Name)->text(), QStringLiteral("Lemon"));
    EXPECT_TRUE(w().document().mixSaved());
}

TEST_F(AppControllerTest, HelpOpensOnceFromAnyFieldOrSaysItIsMissing) {
    start();
    w().show();
    QApplication::setActiveWindow(&w());
    QTest::keyClick(f(T::NicBaseName), Qt::Key_F1);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Help File Missing"));
    EXPECT_TRUE(prompts.urls.empty());

    QFile chm(path(QStringLiteral("KoVaqHelp.chm")));
    chm.open(QIODevice::WriteOnly);
    chm.close();
    QDir::setCurrent(QDir::tempPath()); // a file dialog moved elsewhere
    prompts.clear();
    QTest::keyClick(f(T::NicBaseName), Qt::Key_F1);
    ASSERT_EQ(prompts.urls.size(), 1u);
    EXPECT_EQ(prompts.urls[0], QUrl::fromLocalFile(path(QStringLiteral("KoVaqHelp.chm"))));
    EXPECT_TRUE(prompts.messages.empty());

    // Where the .chm cannot be opened, the HTML help stands in.
    QFile html(path(QStringLiteral("index.html")));
    html.open(QIODevice::WriteOnly);
    html.close();
    controller->setHtmlHelpPath(path(QStringLiteral("index.html")));
    QFile::remove(path(QStringLiteral("KoVaqHelp.chm")));
    prompts.clear();
    QTest::mouseClick(w().helpIcon(), Qt::LeftButton);
    ASSERT_EQ(prompts.urls.size(), 1u);
    EXPECT_TRUE(prompts.urls[0].toLocalFile().endsWith(QStringLiteral("index.html")));
}

TEST_F(AppControllerTest, FooterLinksOpenTheWebsiteAndMail) {
    start();
    w().show();
    QTest::mouseClick(w().websiteLink(), Qt::LeftButton);
    QTest::mouseClick(w().emailLink(), Qt::LeftButton);
    ASSERT_EQ(prompts.urls.size(), 2u);
    EXPECT_EQ(prompts.urls[0], QUrl(WebsiteAddress));
    EXPECT_EQ(prompts.urls[1].scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(prompts.urls[1].toString().contains(SupportEmail));
}

TEST_F(AppControllerTest, NotesMenuEnablesWhatCanAct) {
    start();
    NotesEdit* notes = w().notes();
    w().document().setNotesLines({QStringLiteral("some notes")});
    QApplication::clipboard()->clear();
    std::unique_ptr<QMenu> menu(notes->createNotesMenu(nullptr));
    QStringList names;
    for (QAction* a : menu->actions())
        names << a->text() + (a->isEnabled() ? QStringLiteral("+") : QStringLiteral("-"));
    EXPECT_EQ(names, QStringList({"Cut-", "Copy-", "Paste-", "Delete-"}));

    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    notes->selectAll();
    menu.reset(notes->createNotesMenu(nullptr));
    names.clear();
    for (QAction* a : menu->actions())
        names << a->text() + (a->isEnabled() ? QStringLiteral("+") : QStringLiteral("-"));
    EXPECT_EQ(names, QStringList({"Cut+", "Copy+", "Paste+", "Delete+"}));
    EXPECT_EQ(menu->actions()[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
}

TEST_F(AppControllerTest, ClosingWritesTheSettings) {
    start();
    w().show();
    w().toggleLayout();
    w().close();
    EXPECT_EQ(store->value("Layout").toString(), QStringLiteral("Portrait"));
    EXPECT_EQ(store->value("LoadDir").toString(), QDir::currentPath());
}

TEST_F(AppControllerTest, NotesAreSavedAsTheBoxShowsThem) {
    start();
    w().show();
    const QString paragraph = QStringLiteral(
        "Steep this one for at least two weeks in a dark cupboard and shake it every day so "
        "that the flavours blend well before vaping");
    w().document().setNotesLines({paragraph, QStringLiteral("second")});
    QApplication::processEvents();
    const QStringList shown = w().notes()->displayedLines();
    ASSERT_GE(shown.size(), 4); // the paragraph wraps over several lines
    w().document().setIgnoreCost(true);
    prompts.answers = {Answer::Ok};
    prompts.fileNames.push_back(path(QStringLiteral("n.mix")));
    ASSERT_TRUE(controller->saveRecipe());
    const MixRecipe saved = LoadRecipe(path(QStringLiteral("n.mix")).toStdString()).recipe;
    ASSERT_EQ(saved.Notes.size(), static_cast<std::size_t>(shown.size()));
    EXPECT_EQ(QString::fromStdString(saved.Notes.back()), QStringLiteral("second"));
    EXPECT_EQ(QStringList(
                  {QString::fromStdString(saved.Notes[0]), QString::fromStdString(saved.Notes[1])})
                  .join(QLatin1Char(' ')),
              shown[0] + QLatin1Char(' ') + shown[1]);
}

TEST_F(AppControllerTest, PrintWarnsCapturesAndAsksForThePrinter) {
    start();
    w().show();
    ASSERT_FALSE(w().document().infoComplete());
    prompts.answers = {Answer::Cancel};
    controller->printCommand();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("  There is Information Outstanding \n"
                                                       "So Your Mix Name May Not Be Correct\n"
                                                       "        Do You Still Want To Print?"));
    EXPECT_EQ(prompts.messages[0].buttons, Prompts::Buttons::OkCancel);
    EXPECT_EQ(prompts.printerDialogs, 0);

    prompts.clear();
    prompts.answers = {Answer::Ok};
    prompts.printerAnswers = {false};
    controller->printCommand();
    EXPECT_EQ(prompts.printerDialogs, 1);
    EXPECT_FALSE(controller->screenCapture().isNull());
    // The screen with the frame where the platform gives it, else the window itself.
    const int shot = controller->screenCapture().width();
    EXPECT_TRUE(shot == w().frameGeometry().width() || shot == w().width()) << shot;
    EXPECT_TRUE(prompts.dialogsShown.empty());

    prompts.answers = {Answer::Ok};
    prompts.dialogActions.push_back([](QDialog& d) { return int(d.objectName() == "TForm2"); });
    controller->printCommand();
    EXPECT_EQ(prompts.dialogsShown, std::vector<QString>{QStringLiteral("TForm2")});
}

TEST_F(AppControllerTest, TheScreenImageIsTheWindowNotTheBoxJustClosed) {
    start();
    w().show();
    ASSERT_FALSE(w().document().infoComplete());
    // The warning box stands over the middle of the window, bright magenta; as on a busy
    // desktop, its pixels are still on the screen when the capture is taken.
    QWidget box(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    box.setAutoFillBackground(true);
    QPalette magenta = box.palette();
    magenta.setColor(QPalette::Window, QColor(255, 0, 255));
    box.setPalette(magenta);
    box.resize(300, 120);
    prompts.onMessage = [&](const FakePrompts::Message&) {
        box.move(w().geometry().center() - QPoint(150, 60));
        box.show();
        box.raise();
        QApplication::processEvents();
    };
    prompts.answers = {Answer::Ok};
    prompts.printerAnswers = {false};
    controller->printCommand();
    const QImage shot = controller->screenCapture();
    ASSERT_FALSE(shot.isNull());
    int boxPixels = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            boxPixels += shot.pixel(x, y) == qRgb(255, 0, 255) ? 1 : 0;
    EXPECT_EQ(boxPixels, 0);
    EXPECT_TRUE(shot.width() == w().frameGeometry().width() || shot.width() == w().width());
    if (!qEnvironmentVariableIsEmpty("KOVAQ_SHOTS"))
        shot.save(qEnvironmentVariable("KOVAQ_SHOTS") + QStringLiteral("/capture.png"));
}

TEST_F(AppControllerTest, ACommandThatFailsSaysSoAndLeavesTheMixAsItWas) {
    const QString file = writeRecipe(QStringLiteral("t.mix"), [](MixRecipe& r) {
        r[T::NicBaseName] = "Salt";
        r[T::MixQty] = "30";
    });
    start();
    type(T::Flav1Name, QStringLiteral("Lemon"));
    // Something fails inside Open and inside Save: the command says so itself, and nothing
    // is thrown on through Qt.
    prompts.onFileDialog = [] { throw std::runtime_error("the disk went away"); };
    prompts.fileNames.push_back(file);
    prompts.answers = {Answer::No};
    controller->openRecipe();
    prompts.answers = {Answer::Ok};
    EXPECT_FALSE(controller->saveRecipe());
    prompts.onFileDialog = nullptr;
    EXPECT_EQ(prompts.errors, (std::vector<QString>{QStringLiteral("the disk went away"),
                                                    QStringLiteral("the disk went away")}));
    EXPECT_EQ(f(T::Flav1Name)->text(), QStringLiteral("Lemon"));
    EXPECT_EQ(f(T::NicBaseName)->text(), QString());
    EXPECT_FALSE(w().document().mixSaved());
    EXPECT_TRUE(w().document().calcEnabled());
    // The next keystroke recalculates as ever.
    type(T::MixQty, QStringLiteral("20"));
    EXPECT_EQ(w().findChild<QLabel*>(QStringLiteral("Volume_PG"))->text(), QStringLiteral("20"));
}

TEST_F(AppControllerTest, SettingsThatCannotBeWrittenAreSaidOnce) {
    // A settings file whose folder is a plain file: not even an administrator can write it.
    const QString notAFolder = path(QStringLiteral("plain"));
    QFile(notAFolder).open(QIODevice::WriteOnly);
    store = std::make_unique<QSettings>(notAFolder + QStringLiteral("/settings.ini"),
                                        QSettings::IniFormat);
    controller = std::make_unique<AppController>(prompts, *store);
    controller->setScreenHeightProvider([] { return 1024; });
    controller->startupChecks();
    controller->welcomeTimer().stop();
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_TRUE(prompts.errors[0].startsWith(QStringLiteral("Unable to write the settings to ")));
    EXPECT_TRUE(w().isEnabled()); // the program goes on
    w().toggleLayout();
    w().close(); // written again at close: not said a second time
    EXPECT_EQ(prompts.errors.size(), 1u);
}

TEST_F(AppControllerTest, SettingsThatCannotBeReadAreSaidSo) {
    const QString folder = path(QStringLiteral("a-folder.ini"));
    QDir().mkpath(folder);
    store = std::make_unique<QSettings>(folder, QSettings::IniFormat);
    controller = std::make_unique<AppController>(prompts, *store);
    controller->setScreenHeightProvider([] { return 1024; });
    controller->startupChecks();
    controller->welcomeTimer().stop();
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_TRUE(prompts.errors[0].startsWith(QStringLiteral("Unable to read the settings from ") +
                                             folder + QStringLiteral(".\n")));
    EXPECT_TRUE(QFileInfo(folder).isDir()); // nothing written over it
}

TEST_F(AppControllerTest, ClosingStopsThePrintWorker) {
    start();
    EXPECT_TRUE(controller->ticker().isRunning()); // there from the start, paused
    w().show();
    w().close();
    EXPECT_TRUE(controller->ticker().isFinished());
}
