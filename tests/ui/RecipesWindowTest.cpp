// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// "Recipes" as a person uses it: opened with Ctrl+R, a recipe opened from the list through
// the unsaved-changes guard, a folder taken away while the window is up, rows that act on
// the recipe they show while the folders change, and a slow folder at start and close.
#include "RecipesWindow.h"
#include "AppFixture.h"
#include "Eventually.h"
#include "FakePrompts.h"
#include "FileAccess.h"
#include "MainWindow.h"
#include "RecipeFile.h"
#include "RecipeLibrary.h"
#include "RecipeListModel.h"
#include "RecipesController.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <filesystem>
#include <random>

using namespace kovaq;
using T = TextField;
using Answer = Prompts::Answer;

namespace {

class RecipesWindowTest : public test::AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        folder = dir.filePath(QStringLiteral("mixes"));
        QDir().mkpath(folder);
        recipe(QStringLiteral("a.mix"), "Cherry");
        recipe(QStringLiteral("b.mix"), "Crème brûlée");
        store->setValue("RecipeFolders", QStringList{folder});
        start([this](AppController& app) {
            app.recipes().setIndexFile(dir.filePath(QStringLiteral("index")));
        });
    }
    QString recipe(const QString& name, const std::string& title) {
        MixRecipe r = FreshMix();
        r.Name = title;
        r[T::MixQty] = "30";
        EXPECT_TRUE(WriteRecipe((folder + QLatin1Char('/') + name).toStdString(), r));
        return folder + QLatin1Char('/') + name;
    }
    RecipesWindow& recipes() { return controller->recipes().window(); }

    QString folder;
};

} // namespace

TEST_F(RecipesWindowTest, ARecipeOpensFromTheListThroughTheGuard) {
    QTest::keyClick(w().field(T::PctFlav2), Qt::Key_R, Qt::ControlModifier);
    ASSERT_EVENTUALLY(recipes().isVisible() && recipes().model().rowCount() == 2);
    EXPECT_EQ(recipes().parentWidget(), &w());
    QTest::keyClicks(recipes().searchField(), QStringLiteral("creme"));
    ASSERT_EQ(recipes().model().rowCount(), 1);
    // An unsaved mix, and Cancel at the question: nothing changes.
    QTest::keyClicks(w().field(T::MixQty), QStringLiteral("5"));
    prompts.answers = {Answer::Cancel};
    QTest::keyClick(recipes().searchField(), Qt::Key_Return);
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(w().field(T::MixQty)->text(), QStringLiteral("5"));
    EXPECT_FALSE(w().document().mixSaved());
    // No to saving it: the recipe opens as Open opens it, and stays selected.
    prompts.answers = {Answer::No};
    QTest::keyClick(recipes().searchField(), Qt::Key_Return);
    const QString b = folder + QStringLiteral("/b.mix");
    EXPECT_EQ(w().windowTitle(), QString::fromUtf8("Crème brûlée"));
    EXPECT_TRUE(w().document().mixSaved());
    EXPECT_EQ(controller->settings().LastFile, b);
    EXPECT_EQ(controller->settings().LoadDir, folder);
    EXPECT_EQ(recipes().selectedPath(), b);
    // Kept at close: open, and its folders.
    w().close();
    EXPECT_EQ(store->value("RecipesOpen").toString(), QStringLiteral("1"));
    EXPECT_EQ(store->value("RecipeFolders").toStringList(), QStringList{folder});
    // The next start opens it again, once the main window is on the screen.
    controller = std::make_unique<AppController>(prompts, *store);
    controller->recipes().setIndexFile(dir.filePath(QStringLiteral("index")));
    controller->setScreenHeightProvider([] { return 1024; });
    w().show();
    EXPECT_EVENTUALLY(controller->recipes().window().isVisible());
    controller->welcomeTimer().stop();
}

TEST_F(RecipesWindowTest, AListedRecipeReadsAsTheWindowLoadsIt) {
    // A flavour's name too wide for its field: the window cuts it as it loads the file, and
    // the list shows the same row for it.
    MixRecipe r = FreshMix();
    r.Name = "Wide";
    r[T::MixQty] = "30";
    r[T::Flav1Name] = "WWWWWWWWWWWWWWWWWWWW Watermelon";
    r[T::PctFlav1] = "10";
    const QString path = folder + QStringLiteral("/wide.mix");
    EXPECT_TRUE(WriteRecipe(path.toStdString(), r));
    controller->recipes().show();
    RecipeLibrary& library = controller->recipes().library();
    ASSERT_EVENTUALLY(!library.reading() && recipes().model().rowCount() == 3);
    recipes().openPath(path);
    ASSERT_EQ(w().windowTitle(), QStringLiteral("Wide"));
    const QString inWindow = w().field(T::Flav1Name)->text();
    EXPECT_NE(inWindow.toStdString(), r[T::Flav1Name]);
    const int row = recipes().model().rowOf(NativeFromPath(path));
    ASSERT_GE(row, 0);
    EXPECT_EQ(recipes().model().index(row, RecipeListModel::Flavours).data().toString(),
              inWindow + QStringLiteral(" 10 %"));
}

TEST_F(RecipesWindowTest, ItsFolderCanGoWhileItIsShown) {
    controller->recipes().show();
    ASSERT_EVENTUALLY(recipes().model().rowCount() == 2);
    recipes().list()->selectRow(0);
    std::filesystem::remove_all(folder.toStdString());
    EXPECT_EVENTUALLY(recipes().model().rowCount() == 0);
    EXPECT_TRUE(recipes().isVisible());
    EXPECT_TRUE(recipes().selectedPath().isEmpty());
    // Back again, with a recipe saved into it by Ko-Vaq: listed at once.
    QDir().mkpath(folder);
    prompts.answers = {Answer::Ok};
    prompts.fileNames.push_back(folder + QStringLiteral("/saved.mix"));
    ASSERT_TRUE(controller->saveRecipe());
    EXPECT_EQ(recipes().model().rowCount(), 1);
    EXPECT_EQ(recipes().selectedPath(), folder + QStringLiteral("/saved.mix"));
}

TEST_F(RecipesWindowTest, ARowActsOnTheRecipeItShowsWhileTheFoldersChange) {
    for (int i = 0; i < 30; ++i)
        recipe(QStringLiteral("Apple%1.mix").arg(i), "Apple " + std::to_string(i));
    controller->recipes().show();
    RecipeLibrary& library = controller->recipes().library();
    RecipeListModel& model = recipes().model();
    ASSERT_EVENTUALLY(!library.reading() && model.rowCount() == 32);
    const auto file = [&](int i) { return folder + QStringLiteral("/Apple%1.mix").arg(i); };
    const auto gone = [&](int i) {
        return QStringLiteral("Apple%1.mix is no longer there.").arg(i);
    };
    const QString title = w().windowTitle();
    // Renamed inside, so that its row moves to the end: still the one chosen.
    recipes().selectPath(file(25));
    recipe(QStringLiteral("Apple25.mix"), "Zucchini");
    library.refreshFile(NativeFromPath(file(25)));
    EXPECT_EQ(model.rowOf(NativeFromPath(file(25))), 31);
    EXPECT_EQ(recipes().selectedPath(), file(25));
    recipes().selectPath(file(13));
    // The folders are being read again when the chosen recipe and another go.
    library.setFolders({NativeFromPath(folder), NativeFromPath(dir.filePath("more"))});
    ASSERT_TRUE(library.reading());
    for (int i : {13, 3}) {
        QFile::remove(file(i));
        library.refreshFile(NativeFromPath(file(i)));
    }
    EXPECT_EQ(model.rowCount(), 30);
    EXPECT_TRUE(recipes().selectedPath().isEmpty());
    QTest::keyClick(recipes().list(), Qt::Key_Return);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages.back().text, gone(13));
    EXPECT_EQ(w().windowTitle(), title);
    // Gone before the list heard of it: looked for again just before it opens.
    recipes().selectPath(file(7));
    QFile::remove(file(7));
    QTest::keyClick(recipes().list(), Qt::Key_Return);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages.back().text, gone(7));
    EXPECT_EQ(w().windowTitle(), title);
    EXPECT_EQ(model.rowOf(NativeFromPath(file(7))), -1);
    // Gone while the trash question was up: nothing is trashed, and it is said.
    prompts.answers = {Answer::Yes};
    prompts.onMessage = [&](const test::FakePrompts::Message&) {
        prompts.onMessage = nullptr;
        QFile::remove(file(20));
    };
    recipes().trashPath(file(20));
    ASSERT_EQ(prompts.messages.size(), 4u);
    EXPECT_EQ(prompts.messages[2].text, QStringLiteral("Move Apple20.mix to the trash?"));
    EXPECT_EQ(prompts.messages[3].text, gone(20));
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.mix")}).size(), 28);
    // Every row still shows the recipe it stands for once the reading is done.
    ASSERT_EVENTUALLY(!library.reading());
    ASSERT_EQ(model.rowCount(), 28);
    for (int row = 0; row < model.rowCount(); ++row) {
        const QString path = model.index(row, 0).data(RecipeListModel::PathRole).toString();
        const std::string name = model.index(row, 0).data().toString().toStdString();
        EXPECT_EQ(library.item(library.indexOf(NativeFromPath(path))).entry().name, name);
    }
}

TEST_F(RecipesWindowTest, ASlowFolderSaysReadingAndDoesNotHoldTheClose) {
    std::atomic<bool> walking{false}, stopped{false};
    controller->recipes().library().setWalker([&](const std::vector<std::string>& roots,
                                                  const std::atomic<bool>& cancelled,
                                                  const std::vector<std::string>& within) {
        walking = true;
        for (int i = 0; i < 3000 && !cancelled; ++i) // half a minute
            QThread::msleep(10);
        stopped = cancelled.load();
        return WalkRecipeFolders(roots, &cancelled, &within);
    });
    controller->recipes().show();
    EXPECT_EQ(recipes().statusLine()->text(), QStringLiteral("Reading recipes\u2026"));
    ASSERT_EVENTUALLY(walking);
    test::Eventually([] { return false; }, 300);
    EXPECT_EQ(recipes().statusLine()->text(), QStringLiteral("Reading recipes\u2026"));
    QElapsedTimer closing;
    closing.start();
    w().close();
    controller.reset();
    EXPECT_LT(closing.elapsed(), 2000);
    EXPECT_TRUE(stopped); // told to stop, rather than left behind
}

// A German desktop groups thousands with a point: the count would read as 1.002 recipes.
TEST_F(RecipesWindowTest, TheCountIsWrittenAsEveryFigureIs) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (int i = 0; i < 1000; ++i)
        recipe(QStringLiteral("r%1.mix").arg(i), "Mix " + std::to_string(i));
    controller->recipes().show();
    ASSERT_EVENTUALLY(recipes().model().rowCount() == 1002);
    QTest::keyClicks(recipes().searchField(), QStringLiteral("cherry"));
    ASSERT_EVENTUALLY(recipes().model().rowCount() == 1);
    const QString status = recipes().statusLine()->text();
    QLocale::setDefault(saved);
    EXPECT_TRUE(status.startsWith(QStringLiteral("1 of 1002 recipe"))) << status.toStdString();
}

// Told each change one by one, the list holds what a list made afresh would, row for row,
// in any order and under any search.
TEST(RecipeListModelTest, FollowsEachChangeAsAFreshListWould) {
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString();
    const auto write = [&](int i, int name, int strength) {
        MixRecipe r = FreshMix();
        r.Name = "Mix " + std::to_string(name);
        r[T::MixStrength] = std::to_string(strength);
        r[T::Flav1Name] = name % 2 ? "Lemon" : "Mint";
        r[T::PctFlav1] = "5";
        EXPECT_TRUE(WriteRecipe(root + "/r" + std::to_string(i) + ".mix", r));
    };
    for (int i = 0; i < 20; ++i)
        write(i, i, i % 7);
    RecipeLibrary library("");
    library.setFolders({root});
    library.start();
    ASSERT_EVENTUALLY(!library.reading());
    RecipeListModel model(library);
    const auto rows = [](const RecipeListModel& m) {
        std::vector<QString> out;
        for (int row = 0; row < m.rowCount(); ++row)
            out.push_back(m.index(row, 0).data(RecipeListModel::PathRole).toString());
        return out;
    };
    std::mt19937 rng(5);
    QString typed;
    for (int round = 0; round < 150; ++round) {
        if (round % 30 == 0) {
            const int column = static_cast<int>(rng() % RecipeListModel::Columns);
            model.sort(column, rng() % 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
            typed = rng() % 2 ? QStringLiteral("lemon") : QString();
            model.setQuery(typed);
        }
        const int i = static_cast<int>(rng() % 30);
        const std::string file = root + "/r" + std::to_string(i) + ".mix";
        if (rng() % 3 == 0)
            std::remove(file.c_str());
        else
            write(i, static_cast<int>(rng() % 40), static_cast<int>(rng() % 7));
        library.refreshFile(file);
        RecipeListModel fresh(library);
        fresh.sort(model.sortColumn(), model.sortOrder());
        fresh.setQuery(typed);
        ASSERT_EQ(rows(model), rows(fresh)) << "round " << round;
    }
}

// Many recipes come or go at once (a folder moved in, one removed): told together, the list
// still holds what a list made afresh would.
TEST(RecipeListModelTest, ManyAtOnceAsAFreshListWould) {
    QTemporaryDir dir, outside;
    const std::string root = dir.path().toStdString();
    const auto write = [](const std::string& folder, int count) {
        std::filesystem::create_directories(folder);
        for (int i = 0; i < count; ++i) {
            MixRecipe r = FreshMix();
            r.Name = "Mix " + std::to_string(i * 7 % count);
            r[T::Flav1Name] = i % 3 ? "Lemon" : "Mint";
            r[T::PctFlav1] = "5";
            EXPECT_TRUE(WriteRecipe(folder + "/r" + std::to_string(i) + ".mix", r));
        }
    };
    write(root + "/kept", 40);
    write(root + "/going", 100);
    RecipeLibrary library("");
    library.setFolders({root});
    library.start();
    ASSERT_EVENTUALLY(!library.reading());
    RecipeListModel model(library);
    model.setQuery(QStringLiteral("lemon"));
    const auto rows = [](const RecipeListModel& m) {
        std::vector<QString> out;
        for (int row = 0; row < m.rowCount(); ++row)
            out.push_back(m.index(row, 0).data(RecipeListModel::PathRole).toString());
        return out;
    };
    const auto sameAsFresh = [&] {
        RecipeListModel fresh(library);
        fresh.setQuery(QStringLiteral("lemon"));
        return rows(model) == rows(fresh);
    };
    std::filesystem::remove_all(root + "/going");
    library.rescan();
    ASSERT_EVENTUALLY(!library.reading());
    EXPECT_EQ(library.count(), 40);
    EXPECT_TRUE(sameAsFresh());
    write(outside.path().toStdString() + "/coming", 100);
    std::filesystem::rename(outside.path().toStdString() + "/coming", root + "/coming");
    ASSERT_EVENTUALLY(library.count() == 140);
    EXPECT_TRUE(sameAsFresh());
}
