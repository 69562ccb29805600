// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The recipe folders as the Recipes list reads them: every file once, what cannot be read
// said, the kept index renewed by what changed, and changes behind its back seen live.
#include "RecipeLibrary.h"
#include "RecipeFile.h"

#include "Eventually.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

using namespace kovaq;
namespace fs = std::filesystem;

namespace {

class RecipeLibraryTest : public ::testing::Test {
  protected:
    std::string path(const std::string& name) const { return root + "/" + name; }
    void recipe(const std::string& name, const std::string& title, const std::string& flavour) {
        MixRecipe r = FreshMix();
        r.Name = title;
        r[TextField::MixQty] = "30";
        r[TextField::Flav1Name] = flavour;
        r[TextField::PctFlav1] = "10";
        EXPECT_TRUE(WriteRecipe(path(name), r));
    }
    std::string problemOf(RecipeLibrary& lib, const std::string& name) {
        const int i = lib.indexOf(path(name));
        return i < 0 ? "(not listed)" : lib.item(i).entry().problem;
    }
    QTemporaryDir dir;
    QTemporaryDir outside;
    const std::string root = dir.path().toStdString() + "/recipes";
};

} // namespace

TEST_F(RecipeLibraryTest, ListsEveryRecipeOnceAndSaysWhyOthersCannotBeRead) {
    fs::create_directories(path("sub/deeper"));
    recipe("a.mix", "Cherry", "Lemon");
    recipe("sub/deeper/b.MIX", "Custard", "Vanilla");
    ASSERT_EQ(::mkfifo(path("pipe.mix").c_str(), 0600), 0);
    fs::create_directories(path("folder.mix"));
    std::ofstream(path("notes.mix")) << "just some text\n";
    std::ofstream(path("readme.txt")) << "[Title]\nName=not a recipe file name\n";
    fs::create_directory_symlink(root + "/sub", path("again"));               // inside: once only
    fs::create_directory_symlink(outside.path().toStdString(), path("away")); // outside
    std::ofstream(outside.path().toStdString() + "/secret.mix") << "[Title]\nName=Secret\n";

    RecipeLibrary lib(dir.path().toStdString() + "/index");
    lib.setFolders({root});
    lib.start();
    ASSERT_EVENTUALLY(!lib.reading());
    EXPECT_EQ(lib.count(), 5); // a, b, the pipe, the folder, the text
    const RecipeEntry& a = lib.item(lib.indexOf(path("a.mix"))).entry();
    EXPECT_EQ(a.name, "Cherry");
    EXPECT_EQ(a.flavourText(), "Lemon 10 %");
    EXPECT_EQ(a.status, "can be made");
    EXPECT_EQ(problemOf(lib, "sub/deeper/b.MIX"), "");
    EXPECT_EQ(problemOf(lib, "pipe.mix"), "Not a regular file");
    EXPECT_EQ(problemOf(lib, "folder.mix"), "Is a folder");
    EXPECT_EQ(problemOf(lib, "notes.mix"), "Not a recipe");
    EXPECT_EQ(lib.indexOf(path("away/secret.mix")), -1);
    EXPECT_TRUE(lib.unreadableFolders().empty());
}

TEST_F(RecipeLibraryTest, TheKeptIndexIsRenewedByWhatChangedEvenAtTheSameSize) {
    fs::create_directories(root);
    recipe("a.mix", "Cherry", "Lemon");
    recipe("b.mix", "Plum", "Anise");
    const std::string index = dir.path().toStdString() + "/index";
    {
        RecipeLibrary first(index);
        first.setFolders({root});
        first.start();
        ASSERT_EVENTUALLY(!first.reading());
    }
    // Same length, other content: only the time tells.
    recipe("a.mix", "Cherri", "Lemon");
    fs::remove(path("b.mix"));
    {
        RecipeLibrary second(index);
        second.setFolders({root});
        second.start();
        ASSERT_EVENTUALLY(!second.reading());
        ASSERT_EQ(second.count(), 1);
        EXPECT_EQ(second.item(0).entry().name, "Cherri");
    }
    // Kept by another version of the program, whose calculation may differ: every file is
    // read again, even where its size and time are the same.
    std::vector<RecipeEntry> kept = LoadRecipeIndex(index);
    ASSERT_EQ(kept.size(), 1u);
    kept[0].name = "As the other version summed it up";
    ASSERT_TRUE(SaveRecipeIndex(index, kept, "0.0.1-other"));
    EXPECT_TRUE(LoadRecipeIndex(index).empty());
    // A damaged index reads as none, wherever it was cut.
    ASSERT_TRUE(SaveRecipeIndex(index, kept));
    const auto size = static_cast<std::uintmax_t>(fs::file_size(index));
    for (const std::uintmax_t cut : {size - 1, size / 2, std::uintmax_t(13)}) {
        ASSERT_TRUE(SaveRecipeIndex(index, kept));
        fs::resize_file(index, cut);
        EXPECT_TRUE(LoadRecipeIndex(index).empty()) << cut;
    }
    RecipeLibrary third(index);
    third.setFolders({root});
    third.start();
    ASSERT_EVENTUALLY(!third.reading());
    ASSERT_EQ(third.count(), 1);
    EXPECT_EQ(third.item(0).entry().name, "Cherri");
}

TEST_F(RecipeLibraryTest, ChangesBehindItsBackShowWithinASecond) {
    fs::create_directories(root);
    recipe("a.mix", "Cherry", "Lemon");
    recipe("b.mix", "Plum", "Anise");
    RecipeLibrary lib("");
    lib.setFolders({root});
    lib.start();
    ASSERT_EVENTUALLY(!lib.reading());
    ASSERT_EQ(lib.count(), 2);
    const auto within = [&](const std::function<bool()>& shown) {
        return test::Eventually(shown, 1500);
    };
    // Written in place by another program, as an editor does.
    std::ofstream(path("a.mix"), std::ios::trunc) << "[Title]\nName=Edited\n";
    EXPECT_TRUE(within([&] {
        const int i = lib.indexOf(path("a.mix"));
        return i >= 0 && lib.item(i).entry().name == "Edited";
    }));
    recipe("c.mix", "New", "Mint");
    fs::rename(path("b.mix"), path("renamed.mix"));
    fs::create_directories(path("later"));
    recipe("later/d.mix", "Later", "Kiwi");
    EXPECT_TRUE(within([&] {
        return lib.indexOf(path("c.mix")) >= 0 && lib.indexOf(path("b.mix")) < 0 &&
               lib.indexOf(path("renamed.mix")) >= 0 && lib.indexOf(path("later/d.mix")) >= 0;
    }));
    // The whole folder removed while it is watched.
    fs::remove_all(root);
    EXPECT_TRUE(within([&] { return lib.count() == 0; }));
}

TEST_F(RecipeLibraryTest, ClosingDoesNotWaitForAFolderThatAnswersSlowly) {
    fs::create_directories(root);
    recipe("a.mix", "Cherry", "Lemon");
    std::atomic<bool> walking{false}, stopped{false};
    auto lib = std::make_unique<RecipeLibrary>(dir.path().toStdString() + "/index");
    // A share where every entry takes long: half a minute to read through.
    lib->setWalker([&](const std::vector<std::string>& roots, const std::atomic<bool>& cancelled,
                       const std::vector<std::string>& within) {
        walking = true;
        for (int i = 0; i < 3000 && !cancelled; ++i)
            QThread::msleep(10);
        stopped = cancelled.load();
        return WalkRecipeFolders(roots, &cancelled, &within);
    });
    lib->setFolders({root});
    lib->start();
    ASSERT_EVENTUALLY(walking);
    EXPECT_TRUE(lib->reading());
    EXPECT_FALSE(lib->indexed());
    QElapsedTimer closing;
    closing.start();
    lib.reset();
    EXPECT_LT(closing.elapsed(), 2000);
    EXPECT_TRUE(stopped); // told to stop, rather than left behind
    // The walk itself stops before its next entry.
    std::atomic<bool> cancelled{true};
    const RecipeWalk walk = WalkRecipeFolders({root}, &cancelled);
    EXPECT_FALSE(walk.complete);
    EXPECT_TRUE(walk.files.empty());
}

TEST_F(RecipeLibraryTest, UnwatchedFoldersAreComparedAndOnlyWhatChangedIsTold) {
    fs::create_directories(path("a"));
    fs::create_directories(path("b"));
    recipe("a/one.mix", "One", "Lemon");
    recipe("b/two.mix", "Two", "Mint");
    RecipeLibrary lib("");
    std::mutex mutex;
    std::vector<std::vector<std::string>> walks;
    bool walkedOnWindowThread = false;
    lib.setWalker([&](const std::vector<std::string>& roots, const std::atomic<bool>& cancelled,
                      const std::vector<std::string>& within) {
        const std::lock_guard lock(mutex);
        walks.push_back(roots);
        walkedOnWindowThread |= QThread::currentThread() == qApp->thread();
        return WalkRecipeFolders(roots, &cancelled, &within);
    });
    lib.setWatchLimit(1); // the root is watched; a and b are looked at
    lib.setPollInterval(50);
    lib.setFolders({root});
    lib.start();
    ASSERT_EVENTUALLY(!lib.reading());
    ASSERT_EQ(lib.count(), 2);
    EXPECT_TRUE(lib.polling());
    int told = 0, renewed = 0;
    QObject::connect(&lib, &RecipeLibrary::added, [&] { ++told; });
    QObject::connect(&lib, &RecipeLibrary::updated, [&] { ++told; });
    QObject::connect(&lib, &RecipeLibrary::aboutToRemove, [&] { ++told; });
    QObject::connect(&lib, &RecipeLibrary::aboutToReset, [&] { ++renewed; });
    QObject::connect(&lib, &RecipeLibrary::readingStarted, [&] { ++renewed; });
    walks.clear();
    // Nothing changed: looked at many times, nothing read again and nothing told.
    test::Eventually([] { return false; }, 700);
    EXPECT_EQ(told, 0);
    EXPECT_TRUE(walks.empty());
    // A file added and one removed in a, one written in place in b: each told once, and
    // only a read through again.
    recipe("a/three.mix", "Three", "Kiwi");
    fs::remove(path("a/one.mix"));
    std::ofstream(path("b/two.mix"), std::ios::trunc) << "[Title]\nName=Edited\n";
    EXPECT_EVENTUALLY(lib.indexOf(path("a/three.mix")) >= 0 && lib.indexOf(path("a/one.mix")) < 0 &&
                      lib.indexOf(path("b/two.mix")) >= 0 &&
                      lib.item(lib.indexOf(path("b/two.mix"))).entry().name == "Edited");
    EXPECT_EQ(told, 3);
    EXPECT_EQ(renewed, 0);
    {
        const std::lock_guard lock(mutex);
        for (const auto& roots : walks)
            EXPECT_EQ(roots, std::vector<std::string>{path("a")});
    }
    // A folder moved in, with its recipes: read off the window's thread.
    fs::create_directories(outside.path().toStdString() + "/moved");
    std::ofstream(outside.path().toStdString() + "/moved/m.mix") << "[Title]\nName=Moved\n";
    fs::rename(outside.path().toStdString() + "/moved", path("moved"));
    EXPECT_EVENTUALLY(lib.indexOf(path("moved/m.mix")) >= 0);
    EXPECT_EQ(renewed, 0);
    const std::lock_guard lock(mutex);
    EXPECT_FALSE(walkedOnWindowThread);
}
