// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The recipe folders as the Recipes list reads them: every file once, what cannot be read
// said, the kept index renewed by what changed, and changes behind its back seen live.
#include "RecipeLibrary.h"
#include "RecipeFile.h"

#include "Eventually.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
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
        WriteRecipe(path(name), r);
    }
    std::string problemOf(RecipeLibrary& lib, const std::string& name) {
        const int i = lib.indexOf(path(name));
        return i < 0 ? "(not listed)" : lib.item(i).entry.problem;
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
    const RecipeEntry& a = lib.item(lib.indexOf(path("a.mix"))).entry;
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
    RecipeLibrary second(index);
    second.setFolders({root});
    second.start();
    ASSERT_EVENTUALLY(!second.reading());
    ASSERT_EQ(second.count(), 1);
    EXPECT_EQ(second.item(0).entry.name, "Cherri");
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
        return i >= 0 && lib.item(i).entry.name == "Edited";
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
