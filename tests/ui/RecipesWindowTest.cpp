// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// "Recipes" as a person uses it: opened with Ctrl+R, a recipe opened from the list through
// the unsaved-changes guard, and a folder taken away while the window is up.
#include "RecipesWindow.h"
#include "AppFixture.h"
#include "Eventually.h"
#include "FakePrompts.h"
#include "MainWindow.h"
#include "RecipeFile.h"
#include "RecipeLibrary.h"
#include "RecipeListModel.h"
#include "RecipesController.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

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
        WriteRecipe((folder + QLatin1Char('/') + name).toStdString(), r);
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
