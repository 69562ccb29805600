// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Core's sentences reach Qt's translations: each one core asks for is listed for the
// translators, and an installed translation is what core says.
#include "CoreTexts.h"

#include "EntryRules.h"
#include "Eventually.h"
#include "Feasibility.h"
#include "MixCalculator.h"
#include "RecipeBuilder.h"
#include "RecipeFile.h"
#include "RecipeLibrary.h"
#include "Shots.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <utility>

using namespace kovaq;

namespace {

std::set<std::pair<std::string, std::string>> g_asked;

std::string recording(const char* context, const char* source, int) {
    g_asked.emplace(context, source);
    return source;
}

// Everything core says, as far as these figures reach: every problem, hint and line of the
// tools, the status line, what could be made, the rows' captions.
void sayEverything() {
    for (const ShotsInput& in :
         {ShotsInput{}, ShotsInput{0}, ShotsInput{50, 60, 30, 18, 0},
          ShotsInput{50, 60, 30, 3, 10, 50, 6}, ShotsInput{60, 60},
          ShotsInput{50, 60, 30, 18, 10, 50, 6}, ShotsInput{50, 200, 30, 18, 10, 50, 12},
          ShotsInput{10, 60, 30, 72, 10, 50, 0.01}})
        PlanShots(in);
    for (const StrengthFixInput& in :
         {StrengthFixInput{}, StrengthFixInput{0}, StrengthFixInput{30, 6, 30, 6},
          StrengthFixInput{30, 6, 30, 0}, StrengthFixInput{30, 3, 30, 6},
          StrengthFixInput{30, 3, 30, 6, 30, 5}, StrengthFixInput{30, 3, 30, 6, 30, 100},
          StrengthFixInput{10, 3, 30, 3.001, 30, 100}})
        FixStrength(in);
    for (const RatioFixInput& in :
         {RatioFixInput{}, RatioFixInput{0, 50, 30, {}}, RatioFixInput{30, 50, 50, {}},
          RatioFixInput{30, 50, 100, {}}, RatioFixInput{30, 50, 0, {}},
          RatioFixInput{30, 50, 70, 6}, RatioFixInput{30, 50, 40, {}}})
        FixRatio(in);
    // Each way of saying an amount too small to weigh: in PG, in VG, the PG's most, neither.
    for (const auto& [pg, vg] : {std::pair{10.0, 10.0}, {0.0, 10.0}, {0.5, 0.0}, {0.0, 0.0}})
        MixAmountHint(0.02, 0.02, 0.01, 20, pg, vg);
    SmallAmountHint(0.02, 0.02, 0.01, 20);

    MixRecipe third = test::ThirdWorkedExample();
    for (bool ignore : {false, true}) {
        third.IgnoreCost = ignore;
        MadeOrWhyNot(third, Recalculate(third));
    }
    MixRecipe made = test::MakeRecipe({{TextField::MixQty, "30"}});
    MadeOrWhyNot(made, Recalculate(made));
    MixRecipe none = test::MakeRecipe({{TextField::PctFlav1, "10"}});
    MadeOrWhyNot(none, Recalculate(none));
    MixRecipe strong =
        test::MakeRecipe({{TextField::MixQty, "10"},
                          {TextField::BaseNicStrength, "3"},
                          {TextField::MixStrength, "100"},
                          {TextField::PctFlav1, "50"}},
                         {{RatioField::BaseNicPGVG, 10}, {RatioField::MixNicPGVG, 0}});
    MadeOrWhyNot(strong, Recalculate(strong));
    RowLabels labels;
    labels.applyName(SlotId::NicBase, "Base");
}

// A translation that says every sentence in capitals, and a count in its own words.
class Shouting : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int n) const override {
        if (std::strcmp(context, "kovaq::Shots") != 0)
            return {};
        if (n >= 0)
            return QStringLiteral("%n SHOTS (%1, %2)");
        return QString::fromUtf8(source).toUpper().replace(QLatin1String("%N"),
                                                           QLatin1String("%n"));
    }
};

// "can be made" in another language.
class Feasible : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return std::strcmp(context, "kovaq::Feasibility") == 0 &&
                       std::strcmp(source, "can be made") == 0
                   ? QStringLiteral("machbar")
                   : QString();
    }
};

std::string statusListed(const std::string& index, const std::string& folder) {
    RecipeLibrary library(index);
    library.setFolders({folder});
    library.start();
    EXPECT_EVENTUALLY(!library.reading());
    return library.count() == 1 ? library.item(0).entry().status : "(not one recipe)";
}

} // namespace

TEST(CoreTexts, EverySentenceCoreSaysIsListedForTheTranslators) {
    std::set<std::pair<std::string, std::string>> listed;
    for (const CoreText& t : CoreTexts())
        listed.emplace(t.context, t.source);
    g_asked.clear();
    SetTextHook(&recording);
    sayEverything();
    SetTextHook(nullptr);
    EXPECT_GT(g_asked.size(), 40u); // the figures above reach most of them
    for (const auto& [context, source] : g_asked)
        EXPECT_TRUE(listed.count({context, source})) << context << ": " << source;
}

TEST(CoreTexts, TheInstalledTranslationIsWhatCoreSays) {
    InstallCoreTexts();
    // Without a translation, English with its own form for one.
    EXPECT_EQ(PlanShots({50, 60, 30, 18, 10, 50, 3}).lines[1], "1 shot: 3 mg in 60 ml");
    Shouting shouting;
    ASSERT_TRUE(QCoreApplication::installTranslator(&shouting));
    const ShotsPlan plan = PlanShots({50, 60, 30, 18, 10, 50, 3});
    QCoreApplication::removeTranslator(&shouting);
    SetTextHook(nullptr);
    EXPECT_EQ(plan.lines[0], "SHOT LIQUID FOR 3 MG: 10 ML (11.46 G)");
    EXPECT_EQ(plan.lines[1], "1 SHOTS (3, 60)");
}

// The Recipes list keeps each recipe's status in its index: another language reads them again.
TEST(CoreTexts, TheRecipesListSaysTheStatusInTheLanguageSpoken) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/recipes";
    const std::string index = dir.path().toStdString() + "/index";
    std::filesystem::create_directories(folder);
    MixRecipe r = FreshMix();
    r[TextField::MixQty] = "30";
    ASSERT_TRUE(WriteRecipe(folder + "/a.mix", r));
    EXPECT_EQ(statusListed(index, folder), "can be made");
    Feasible german;
    ASSERT_TRUE(QCoreApplication::installTranslator(&german));
    InstallCoreTexts();
    const std::string translated = statusListed(index, folder);
    QCoreApplication::removeTranslator(&german);
    const std::string english = statusListed(index, folder);
    SetTextHook(nullptr);
    EXPECT_EQ(translated, "machbar");
    EXPECT_EQ(english, "can be made");
}
