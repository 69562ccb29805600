// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Core's sentences through the text hook: a translation may put the figures in another
// order, and a count picks its own form.
#include "Texts.h"
#include "Feasibility.h"
#include "RecipeBuilder.h"
#include "Shots.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace kovaq;

namespace {

// A translation of a few of core's sentences, the figures in another order.
std::string reordering(const char* context, const char* source, int n) {
    struct Entry {
        const char* context;
        const char* source;
        const char* text;
    };
    static const Entry entries[] = {
        {"kovaq::Shots", "No room: the bottle holds %1 ml, the liquid %2 ml",
         "Kein Platz: %2 ml Liquid, die Flasche fasst %1 ml"},
        {"kovaq::Shots", "%1 mg shots cannot make %2 mg",
         "%2 mg lassen sich aus %1-mg-Shots nicht machen"},
        {"kovaq::Feasibility", "%1, or %2", "%2 oder %1"},
        {"kovaq::Feasibility", "With these ingredients %1.", "Mit diesen Zutaten: %1."},
    };
    for (const Entry& e : entries)
        if (std::strcmp(e.context, context) == 0 && std::strcmp(e.source, source) == 0)
            return e.text;
    // A language with a form of its own for one and for more than four.
    if (std::strcmp(source, "%n shots: %1 mg in %2 ml") == 0)
        return n == 1  ? "%n Shot → %1 mg, %2 ml"
               : n > 4 ? "%n Shotów → %1 mg, %2 ml"
                       : "%n Shoty → %1 mg, %2 ml";
    return source;
}

// The hook in place for one test, and gone after it.
struct HookFor {
    explicit HookFor(TextHook hook) { SetTextHook(hook); }
    ~HookFor() { SetTextHook(nullptr); }
    HookFor(const HookFor&) = delete;
    HookFor& operator=(const HookFor&) = delete;
};

} // namespace

TEST(Texts, FiguresGoWhereTheSentenceSaysOnceEach) {
    struct Case {
        const char* text;
        std::vector<std::string> args;
        const char* filled;
    };
    const Case cases[] = {
        {"Add %1 ml of PG (%2 g)", {"3", "3.11"}, "Add 3 ml of PG (3.11 g)"},
        {"%2 g for %1 ml", {"3", "3.11"}, "3.11 g for 3 ml"},
        // A figure that holds a marker is not read again.
        {"%1 and %2", {"%2", "x"}, "%2 and x"},
        // A per cent sign of the sentence's own, and a marker without its figure, stay.
        {"at %1 % of their shares, %3", {"80"}, "at 80 % of their shares, %3"},
        {"100%", {}, "100%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillText(c.text, c.args), c.filled) << c.text;
}

TEST(Texts, ATranslationReordersCoresFigures) {
    const HookFor hook(&reordering);
    ShotsInput full;
    full.liquidMl = 60;
    full.bottleMl = 60;
    EXPECT_EQ(PlanShots(full).problem, "Kein Platz: 60 ml Liquid, die Flasche fasst 60 ml");
    ShotsInput weak;
    weak.shotMg = 3;
    weak.targetMg = 6;
    EXPECT_EQ(PlanShots(weak).problem, "6 mg lassen sich aus 3-mg-Shots nicht machen");

    // The list of what could be made is joined as the language joins it.
    const MixRecipe third = test::ThirdWorkedExample();
    EXPECT_EQ(FeasibilityText(ComputeFeasibility(third), third),
              "Mit diesen Zutaten: up to 3.69 mg at 30-70 oder the mix ratio can be from 46-54 "
              "to 100-0 PG-VG.");
}

TEST(Texts, ACountPicksItsForm) {
    // 50 ml at 6 mg from 18 mg shots of 10 ml: 2 or 3 shots; 100 ml at 9 mg: 10 shots.
    ShotsInput two{50, 100, 30, 18, 10, 50, 6};
    ShotsInput one{50, 60, 30, 18, 10, 50, 3};
    ShotsInput ten{50, 200, 30, 18, 10, 50, 12};
    // English's own forms without a translation.
    EXPECT_EQ(PlanShots(one).lines[1], "1 shot: 3 mg in 60 ml");
    EXPECT_EQ(PlanShots(two).lines[1], "2 shots: 5.14 mg in 70 ml");
    const HookFor hook(&reordering);
    EXPECT_EQ(PlanShots(one).lines[1], "1 Shot → 3 mg, 60 ml");
    EXPECT_EQ(PlanShots(two).lines[1], "2 Shoty → 5.14 mg, 70 ml");
    EXPECT_EQ(PlanShots(ten).lines[1], "10 Shotów → 12 mg, 150 ml");
}
