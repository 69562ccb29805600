// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeFile.h"
#include "Codepage.h"
#include "RandomText.h"
#include "RecipeJson.h"
#include "Weights.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

using namespace kovaq;
using test::RandomText;
using test::trimmed;
namespace fs = std::filesystem;

namespace {

class RecipeFileTest : public test::TempFolderTest {
  protected:
};

} // namespace

TEST_F(RecipeFileTest, FreshMixSavedAsStrongHasEveryKey) {
    MixRecipe r = FreshMix();
    r.Name = "Strong";
    EXPECT_TRUE(WriteRecipe(path("Strong.mix"), r));
    const std::string text = get(path("Strong.mix"));
    const std::string expected =
        "[Title]\r\nName=Strong\r\n\r\n[Ingredients]\r\nNicBaseCost=\r\nNicBaseQty=\r\n"
        "NicBaseName=\r\nPGCost=\r\nPGQty=\r\nVGCost=\r\nVGQty=\r\nFlav1Cost=\r\nFlav1Qty=\r\n"
        "Flav2Cost=\r\nFlav2Qty=\r\nFlav3Cost=\r\nFlav3Qty=\r\nFlav4Cost=\r\nFlav4Qty=\r\n"
        "Flav5Cost=\r\nFlav5Qty=\r\nFlav6Cost=\r\nFlav6Qty=\r\nFlav7Cost=\r\nFlav7Qty=\r\n"
        "Flav8Cost=\r\nFlav8Qty=\r\nVodka/WaterCost=\r\nVodka/WaterQty=\r\nFlav1Name=\r\n"
        "Flav2Name=\r\nFlav3Name=\r\nFlav4Name=\r\nFlav5Name=\r\nFlav6Name=\r\nFlav7Name=\r\n"
        "Flav8Name=\r\nBaseNicPGVG=0\r\nBaseNicStrength=\r\n\r\n[Spec]\r\nMixNicPGVG=0\r\n"
        "Flav1NicPGVG=0\r\nFlav2NicPGVG=0\r\nFlav3NicPGVG=0\r\nFlav4NicPGVG=0\r\n"
        "Flav5NicPGVG=0\r\nFlav6NicPGVG=0\r\nFlav7NicPGVG=0\r\nFlav8NicPGVG=0\r\n"
        "MixStrength=\r\n%Flav1=\r\n%Flav2=\r\n%Flav3=\r\n%Flav4=\r\n%Flav5=\r\n%Flav6=\r\n"
        "%Flav7=\r\n%Flav8=\r\n%Vodka/Water=\r\nMixQty=\r\n\r\n[Extras]\r\nHiPrecision=1\r\n"
        "IgnoreCost=0\r\n\r\n[Notes]\r\nLines=0\r\n";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(LoadRecipe(path("Strong.mix")).recipe, r);
}

TEST_F(RecipeFileTest, ShorterNotesLeaveOldEntriesThatAreNotRead) {
    MixRecipe r = FreshMix();
    for (int i = 0; i < 10; ++i)
        r.Notes.push_back("old " + std::to_string(i));
    EXPECT_TRUE(WriteRecipe(path("n.mix"), r));
    r.Notes = {"a", "b", "c"};
    EXPECT_TRUE(WriteRecipe(path("n.mix"), r));
    const std::string text = get(path("n.mix"));
    EXPECT_NE(text.find("Text3=old 3\r\n"), std::string::npos);
    EXPECT_NE(text.find("Text9=old 9\r\n"), std::string::npos);
    EXPECT_EQ(LoadRecipe(path("n.mix")).recipe.Notes, (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(RecipeFileTest, ReadsTheEdgeCasesOfHandWrittenFiles) {
    // A damaged, hand-edited recipe.
    fs::copy_file(KOVAQ_TEST_DATA "/recipes/hand-written-edges.mix", path("e.mix"));
    MixRecipe current = FreshMix();
    current[RatioField::BaseNicPGVG].position = 5;
    SetPgPercentFromChoice(current[RatioField::BaseNicPGVG]);
    RefreshRatioText(current[RatioField::BaseNicPGVG]);
    const LoadedRecipe loaded = LoadRecipe(path("e.mix"), current);
    const MixRecipe& r = loaded.recipe;
    EXPECT_TRUE(loaded.readable);
    EXPECT_EQ(r.Name, "Untitled");
    EXPECT_EQ(r[RatioField::BaseNicPGVG].position, -1);
    EXPECT_EQ(r[RatioField::BaseNicPGVG].PgPercent, 50); // kept from before
    EXPECT_EQ(r[RatioField::BaseNicPGVG].RatioText, "50-50");
    EXPECT_EQ(r[RatioField::Flav3NicPGVG].position, 11);
    EXPECT_EQ(r[RatioField::Flav3NicPGVG].PgPercent, -1);
    EXPECT_EQ(r[RatioField::Flav3NicPGVG].RatioText, "none");
    EXPECT_EQ(r[RatioField::MixNicPGVG].position, 3);
    EXPECT_EQ(r[RatioField::Flav1NicPGVG].position, -1);
    EXPECT_EQ(r[RatioField::Flav2NicPGVG].position, 0);
    EXPECT_EQ(r[TextField::Flav1Name], "Best");
    EXPECT_EQ(r[TextField::NicBaseCost], "7");
    EXPECT_EQ(r[TextField::PGCost], ".5"); // the caret stands at the start
    EXPECT_EQ(r[TextField::VGCost], "1.23");
    EXPECT_EQ(r[TextField::VGQty], "abc"); // kept as it is; it reads as 0
    EXPECT_TRUE(r.HiPrecision);
    EXPECT_TRUE(r.IgnoreCost);
    EXPECT_EQ(r.Notes, (std::vector<std::string>{"indented", "tabbed\tline", "", "", ""}));

    EXPECT_TRUE(WriteRecipe(path("e.mix"), r));
    const std::string text = get(path("e.mix"));
    EXPECT_NE(text.find("BaseNicPGVG=-1\r\n"), std::string::npos);
    EXPECT_NE(text.find("[ingredients]\r\n"), std::string::npos); // the section stays as written
    EXPECT_EQ(text.find("[Ingredients]"), std::string::npos);
}

TEST_F(RecipeFileTest, FlagsReadAsTickedForAnyNonZeroNumber) {
    struct Case {
        const char* hi;
        const char* ignore;
        bool hiExpected, ignoreExpected;
    };
    for (const Case& c : std::vector<Case>{{"2", "0", true, false},
                                           {"0", "1", false, true},
                                           {"yes", "no", true, false},
                                           {"-1", "$0", true, false}}) {
        put(path("f.mix"),
            std::string("[Extras]\nHiPrecision=") + c.hi + "\nIgnoreCost=" + c.ignore + "\n");
        const MixRecipe r = LoadRecipe(path("f.mix")).recipe;
        EXPECT_EQ(r.HiPrecision, c.hiExpected) << c.hi;
        EXPECT_EQ(r.IgnoreCost, c.ignoreExpected) << c.ignore;
    }
}

TEST_F(RecipeFileTest, AnythingLoadsAsARecipe) {
    const MixRecipe fresh = FreshMix();
    EXPECT_FALSE(LoadRecipe(path("missing.mix")).readable);
    EXPECT_EQ(LoadRecipe(path("missing.mix")).recipe, fresh);
    EXPECT_FALSE(LoadRecipe(dir.path().toStdString()).readable); // a folder
    put(path("empty.mix"), "");
    EXPECT_TRUE(LoadRecipe(path("empty.mix")).readable);
    EXPECT_EQ(LoadRecipe(path("empty.mix")).recipe, fresh);

    put(path("nul.mix"), std::string("[Title]\nName=a\0b\n[Notes]\nLines=1\nText0=x\0y\n", 36));
    EXPECT_EQ(LoadRecipe(path("nul.mix")).recipe.Notes.size(), 1u);

    put(path("lines.mix"), "[Notes]\nLines=2000000000\nText0=first\n");
    const MixRecipe many = LoadRecipe(path("lines.mix")).recipe;
    EXPECT_EQ(many.Notes.size(), static_cast<std::size_t>(MaxNotesLines));
    EXPECT_EQ(many.Notes[0], "first");

    put(path("longline.mix"), "[Title]\nName=" + std::string(1 << 20, 'n') + "\n");
    EXPECT_EQ(LoadRecipe(path("longline.mix")).recipe.Name.size(), IniDocument::MaxValueLength);

    // Random junk, always the same, never crashes and never grows past the bounds.
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string pieces[] = {"[Notes]\n", "Lines=", "Text", "=",  "\r\n",      "[Spec]\n",
                                  "MixQty=",   "0x",     "$",    "\"", "[Extras]\n"};
    for (int round = 0; round < 200; ++round) {
        std::string junk;
        for (int i = 0; i < 400; ++i) {
            if (byte(rng) < 40)
                junk += pieces[static_cast<std::size_t>(byte(rng)) % std::size(pieces)];
            else
                junk.push_back(static_cast<char>(byte(rng)));
        }
        put(path("junk.mix"), junk);
        const MixRecipe r = LoadRecipe(path("junk.mix")).recipe;
        ASSERT_LE(r.Notes.size(), static_cast<std::size_t>(MaxNotesLines));
        for (const std::string& t : r.texts)
            ASSERT_TRUE(IsValidUtf8(t));
    }
}

namespace {

// A recipe of random texts, as a value can hold them: the reader trims blanks and one pair
// of quotes. Often only one text of a recipe leaves ASCII, so that its code page decides
// the file's.
MixRecipe RandomRecipe(std::mt19937& rng) {
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const std::vector<std::string> numbers = {"", "0", "12", "0.5", "1.50", "10", "3.25", "100"};
    const bool plain = pick(2) == 0;
    auto text = [&] {
        std::string t;
        do
            t = plain && pick(12) != 0 ? "Plain " + std::to_string(pick(100))
                                       : RandomText(rng, pick(14));
        while (t != std::string(trimmed(t)) ||
               (t.size() >= 2 && (t.front() == '"' || t.front() == '\'') && t.back() == t.front()));
        return t;
    };
    MixRecipe r = FreshMix();
    r.Name = text();
    for (std::size_t i = 0; i < TextFieldCount; ++i)
        r.texts[i] =
            IsNameField(textFieldAt(i))
                ? text()
                : numbers[static_cast<std::size_t>(pick(static_cast<int>(numbers.size())))];
    for (std::size_t i = 0; i < RatioFieldCount; ++i) {
        r.ratios[i].position = pick(RatioEntryCount(ratioFieldAt(i)));
        SetPgPercentFromChoice(r.ratios[i]);
        RefreshRatioText(r.ratios[i]);
    }
    r.HiPrecision = pick(2) == 1;
    r.IgnoreCost = pick(2) == 1;
    const std::vector<std::string> gravities = {"", "", "1.04", "0.95", "2", "0.5", "1.261"};
    for (std::string& g : r.Gravity)
        g = gravities[static_cast<std::size_t>(pick(static_cast<int>(gravities.size())))];
    r.Notes.clear();
    for (int n = pick(6); n > 0; --n)
        r.Notes.push_back(text());
    return r;
}

} // namespace

TEST_F(RecipeFileTest, RandomRecipesSurviveARoundTrip) {
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        const MixRecipe r = RandomRecipe(rng);
        const std::string file = path("round" + std::to_string(round % 3) + ".mix");
        EXPECT_TRUE(WriteRecipe(file, r));
        ASSERT_EQ(LoadRecipe(file).recipe, r) << "round " << round << " name " << r.Name;
    }
}

TEST_F(RecipeFileTest, ASaveReadsBackAsTheRecipeWhateverTheFileHeldBefore) {
    // Files beyond what the reader reads, or that a save would take beyond it.
    constexpr std::size_t MiB = 1 << 20;
    auto repeated = [](const std::string& line, std::size_t bytes) {
        std::string out;
        out.reserve(bytes + line.size());
        while (out.size() < bytes)
            out += line;
        return out;
    };
    std::mt19937 rng(20);
    const MixRecipe r = RandomRecipe(rng);
    const std::vector<std::pair<const char*, std::string>> huge = {
        {"33 MiB of one-line sections", repeated("[s]\r\n", 33 * MiB)},
        {"40 MiB with [Title] on top",
         "[Title]\r\nName=Old\r\n" + repeated("[Spec]\r\nMixQty=1\r\n[x]\r\n", 40 * MiB)},
        {"31 MiB of LF-only lines", repeated("k=v\n", 31 * MiB)},
    };
    for (const auto& [what, old] : huge) {
        put(path("huge.mix"), old);
        EXPECT_TRUE(WriteRecipe(path("huge.mix"), r));
        const LoadedRecipe back = LoadRecipe(path("huge.mix"));
        EXPECT_FALSE(back.truncated) << what;
        EXPECT_EQ(back.recipe, r) << what;
    }

    // Random earlier contents, from junk to near-recipes with odd line ends and encodings,
    // read back exactly as a save into a new file does.
    const std::string pieces[] = {"[Title]",   "[Notes]",
                                  "[Spec]",    "[Ingredients]",
                                  "[Weights]", "[Extras]",
                                  "Name=",     "Lines=",
                                  "Text0=",    "MixQty=",
                                  "\r\n",      "\n",
                                  "\r",        "=",
                                  "\"",        " ",
                                  "\t",        "\xEF\xBB\xBF",
                                  "\xC3\xA9",  "\xE9",
                                  "\xFF",      "[",
                                  "]",         "Flav1Name=",
                                  "PG="};
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 300; ++round) {
        std::string old;
        for (int i = byte(rng) * 2; i > 0; --i) {
            if (byte(rng) < 180)
                old += pieces[static_cast<std::size_t>(byte(rng)) % std::size(pieces)];
            else
                old.push_back(static_cast<char>(byte(rng)));
        }
        const MixRecipe saved = RandomRecipe(rng);
        put(path("over.mix"), old);
        EXPECT_TRUE(WriteRecipe(path("over.mix"), saved));
        EXPECT_TRUE(WriteRecipe(path("new.mix"), saved));
        ASSERT_EQ(LoadRecipe(path("over.mix")).recipe, LoadRecipe(path("new.mix")).recipe)
            << "round " << round;
    }
}

TEST_F(RecipeFileTest, Windows1252FilesStayReadableAndKeepTheirCodePage) {
    put(path("w.mix"), "[Title]\r\nName=Caf\xE9\r\n[Ingredients]\r\nFlav1Name=Cr\xE8me \x80\r\n");
    MixRecipe r = LoadRecipe(path("w.mix")).recipe;
    EXPECT_EQ(r.Name, "Caf\xC3\xA9");
    EXPECT_EQ(r[TextField::Flav1Name], "Cr\xC3\xA8me \xE2\x82\xAC");
    EXPECT_TRUE(WriteRecipe(path("w.mix"), r));
    EXPECT_NE(get(path("w.mix")).find("Name=Caf\xE9\r\n"), std::string::npos);
    r[TextField::Flav2Name] = "\xE6\x97\xA5"; // does not fit: the file becomes UTF-8
    EXPECT_TRUE(WriteRecipe(path("w.mix"), r));
    EXPECT_NE(get(path("w.mix")).find("Name=Caf\xC3\xA9\r\n"), std::string::npos);
    EXPECT_EQ(LoadRecipe(path("w.mix")).recipe, r);
}

TEST_F(RecipeFileTest, FailedSaveLeavesTheFileAsItWas) {
    MixRecipe r = FreshMix();
    r.Name = "Mine";
    const std::string original = "[Title]\r\nName=Precious\r\nExtra=keep\r\n";

    const std::string readOnly = path("ro.mix");
    put(readOnly, original);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);

    const fs::path lockedDir = path("locked");
    fs::create_directory(lockedDir);
    const std::string inLocked = (lockedDir / "x.mix").string();
    put(inLocked, original);
    fs::permissions(lockedDir, fs::perms::owner_read | fs::perms::owner_exec);

    const std::vector<std::string> failing = {readOnly, inLocked, path("no/such/folder/x.mix"),
                                              dir.path().toStdString(), "/dev/full"};
    for (const std::string& target : failing) {
        const WriteResult written = WriteRecipe(target, r);
        EXPECT_FALSE(written.ok()) << "saved to " << target;
        EXPECT_FALSE(written.reason().empty()) << target;
    }
    EXPECT_EQ(get(readOnly), original);
    EXPECT_EQ(get(inLocked), original);
    EXPECT_FALSE(fs::exists(path("no")));
    fs::permissions(lockedDir, fs::perms::owner_all);
    EXPECT_EQ(fs::directory_iterator(lockedDir)->path().filename(), "x.mix"); // no leftovers
}

TEST_F(RecipeFileTest, GravitiesLiveInTheirOwnSectionOnlyWhenSet) {
    // A file without [Weights] loads with every default, and is saved without one.
    const std::string plain = path("plain.mix");
    EXPECT_TRUE(WriteRecipe(plain, FreshMix()));
    EXPECT_EQ(get(plain).find("[Weights]"), std::string::npos);
    EXPECT_EQ(LoadRecipe(plain).recipe.Gravity, (std::array<std::string, 12>{}));

    // The user's values, at the end of the file, every other line kept.
    const std::string file = path("w.mix");
    put(file, "[Title]\r\nName=Kept\r\n; a remark\r\n[Other]\r\nMine=1\r\n");
    MixRecipe r = LoadRecipe(file).recipe;
    r.Gravity[index(GravityKey::PG)] = "1.04";
    r.Gravity[index(GravityKey::VodkaWater)] = "0.95";
    r.Gravity[index(GravityKey::Flav3)] = "3"; // refused: not written
    EXPECT_TRUE(WriteRecipe(file, r));
    const std::string text = get(file);
    EXPECT_NE(text.find("; a remark\r\n"), std::string::npos);
    EXPECT_NE(text.find("[Other]\r\nMine=1\r\n"), std::string::npos);
    const std::size_t weights = text.find("[Weights]\r\n");
    ASSERT_NE(weights, std::string::npos);
    EXPECT_EQ(text.substr(weights), "[Weights]\r\nPG=1.04\r\nVodka/Water=0.95\r\n");
    const MixRecipe back = LoadRecipe(file).recipe;
    EXPECT_EQ(back.Gravity[index(GravityKey::PG)], "1.04");
    EXPECT_EQ(back.Gravity[index(GravityKey::VodkaWater)], "0.95");
    EXPECT_EQ(back.Gravity[index(GravityKey::Flav3)], "");

    // Back at its default, a value stands empty, which reads as the default.
    r.Gravity[index(GravityKey::PG)].clear();
    EXPECT_TRUE(WriteRecipe(file, r));
    EXPECT_NE(get(file).find("[Weights]\r\nPG=\r\nVodka/Water=0.95\r\n"), std::string::npos);
    EXPECT_EQ(LoadRecipe(file).recipe.Gravity[index(GravityKey::PG)], "");

    // Values that are no gravity load as the default.
    put(file, "[Weights]\r\nPG=abc\r\nVG=2.5\r\nnicotine= 1.2 \r\nFlav8=0.5\r\n");
    const MixRecipe odd = LoadRecipe(file).recipe;
    EXPECT_EQ(odd.Gravity[index(GravityKey::PG)], "");
    EXPECT_EQ(odd.Gravity[index(GravityKey::VG)], "");
    EXPECT_EQ(odd.Gravity[index(GravityKey::Nicotine)], "1.2");
    EXPECT_EQ(odd.Gravity[index(GravityKey::Flav8)], "0.5");
}

TEST_F(RecipeFileTest, JsonCarriesARecipeThereAndBack) {
    std::vector<MixRecipe> recipes;
    for (const auto& entry : std::filesystem::directory_iterator(KOVAQ_TEST_DATA "/recipes"))
        if (entry.path().extension() == ".mix")
            recipes.push_back(LoadRecipe(entry.path().string()).recipe);
    ASSERT_GE(recipes.size(), 2u);
    std::mt19937 rng(25);
    for (int i = 0; i < 300; ++i)
        recipes.push_back(RandomRecipe(rng)); // each as a file holds it
    for (const MixRecipe& r : recipes) {
        const JsonRecipe back = RecipeFromJsonFile(RecipeJsonFile(r));
        ASSERT_TRUE(back.recipe) << back.error.toStdString();
        EXPECT_EQ(*back.recipe, r) << r.Name;
    }
}

TEST_F(RecipeFileTest, JsonThatIsNotARecipeOfThisVersionIsRefusedSayingWhy) {
    const auto file = [](const char* recipe, const char* head = "\"format\": \"ko-vaq-recipe\", "
                                                                "\"version\": 1") {
        return QByteArray("{") + head + ", \"recipe\": " + recipe + "}";
    };
    const std::vector<std::pair<QByteArray, const char*>> refused = {
        {"{\"format\": ", "is not JSON"},
        {"[1, 2]", "not a Ko-Vaq recipe"},
        {file("{}", "\"format\": \"mixer\", \"version\": 1"), "\"format\" is not"},
        {file("{}", "\"format\": \"ko-vaq-recipe\", \"version\": 2"), "newer Ko-Vaq"},
        {file("{}", "\"format\": \"ko-vaq-recipe\", \"version\": \"1\""), "\"version\""},
        {file("[]"), "\"recipe\" must be an object"},
        {file("{\"MixQty\": 30}"), "\"MixQty\" must be a text"},
        {file("{\"MixNicPGVG\": 2.5}"), "\"MixNicPGVG\" must be a whole number"},
        {file("{\"Notes\": [\"a\", 1]}"), "\"Notes\" must be a list of texts"},
        {file("{\"Weights\": {\"PG\": 1.04}}"), "\"Weights.PG\" must be a text"},
        {file("{\"HiPrecision\": 1}"), "\"HiPrecision\" must be true or false"},
    };
    for (const auto& [bytes, why] : refused) {
        const JsonRecipe r = RecipeFromJsonFile(bytes);
        EXPECT_FALSE(r.recipe) << bytes.toStdString();
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(why))) << r.error.toStdString();
    }
    // Keys it does not know are passed over; a line break cannot add keys to the file.
    const JsonRecipe ok = RecipeFromJsonFile(
        file("{\"Flav1Name\": \"Lemon\\n[Spec]\\nMixQty=999\", \"MixQty\": \"30\", "
             "\"Glitter\": true, \"Notes\": [\"one\\ntwo\"]}",
             "\"format\": \"ko-vaq-recipe\", \"version\": 1, \"by\": \"someone\""));
    ASSERT_TRUE(ok.recipe) << ok.error.toStdString();
    EXPECT_EQ(ok.recipe->texts[index(TextField::Flav1Name)], "Lemon [Spec] MixQty=999");
    EXPECT_EQ(ok.recipe->texts[index(TextField::MixQty)], "30");
    EXPECT_EQ(ok.recipe->Notes, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(ok.recipe->Name, "Untitled");
}
