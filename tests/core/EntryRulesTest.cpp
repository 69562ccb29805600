// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "EntryRules.h"
#include "MixCalculator.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace kovaq;

TEST(NumberKeyFilter, AdmitsDigitsPointAndBackspaceOnly) {
    for (char16_t ch : std::u16string(u"0123456789.\b"))
        EXPECT_TRUE(NumberKeyAllowed(ch)) << int(ch);
    for (char16_t ch : std::u16string(u"a,-+ \r\x1b\x03\x16\x18\x1a\x00e") + u'\0')
        EXPECT_FALSE(NumberKeyAllowed(ch)) << int(ch);
}

TEST(NumberEntryCheck, WaitsKeepsOrTidies) {
    struct Case {
        std::u16string text;
        int caret;
        std::u16string expected;
        int expectedCaret;
        EntryAnswer answer;
        int beeps;
    };
    const std::vector<Case> cases = {
        {u"", 0, u"", 0, EntryAnswer::GoOn, 0},
        {u"1", 1, u"1", 1, EntryAnswer::GoOn, 0},
        {u"1.", 2, u"1.", 2, EntryAnswer::Wait, 0},
        {u"1.5", 3, u"1.5", 3, EntryAnswer::GoOn, 0},
        // A second point typed after the 1 is taken out again.
        {u"1..5", 2, u"1.5", 1, EntryAnswer::GoOn, 1},
        {u"1.5.", 4, u"1.5", 3, EntryAnswer::GoOn, 1},
        {u"007", 3, u"7", 1, EntryAnswer::GoOn, 0},
        {u"00.5", 4, u"0.5", 3, EntryAnswer::GoOn, 0},
        {u".5", 2, u"0.5", 3, EntryAnswer::GoOn, 0},
        {u".5", 0, u".5", 0, EntryAnswer::GoOn, 0}, // as loaded from a file
        {u"1.50", 4, u"1.50", 4, EntryAnswer::GoOn, 0},
        {u"10", 2, u"10", 2, EntryAnswer::GoOn, 0},
        {u"0.0", 3, u"0.0", 3, EntryAnswer::GoOn, 0},
        {u"1.2.3.4", 7, u"1.2", 3, EntryAnswer::GoOn, 4},
        // Loaded (the caret at the start): every later point goes, the digits stay.
        {u"1.2.3", 0, u"1.23", 0, EntryAnswer::GoOn, 1},
        {u"1.2.3.4", 0, u"1.234", 0, EntryAnswer::GoOn, 2},
        {u"2.5.0.1", 0, u"2.501", 0, EntryAnswer::GoOn, 2},
        {u"12.34.56.78", 0, u"12.345678", 0, EntryAnswer::GoOn, 2},
        {u"..5", 0, u".5", 0, EntryAnswer::GoOn, 1},
        {u"1..", 0, u"1.", 0, EntryAnswer::Wait, 1},
        {u"abc", 3, u"abc", 3, EntryAnswer::Invalid, 0},
        {u"1a", 2, u"1a", 2, EntryAnswer::Invalid, 0},
        {u"5\u00e9", 2, u"5\u00e9", 2, EntryAnswer::Invalid, 0},
    };
    for (const Case& c : cases) {
        const NumberEntryOutcome out = NumberEntryCheck(c.text, c.caret);
        const std::string shown(c.text.begin(), c.text.end());
        EXPECT_EQ(out.text, c.expected) << shown;
        EXPECT_EQ(out.caret, c.expectedCaret) << shown;
        EXPECT_EQ(out.answer, c.answer) << shown;
        EXPECT_EQ(out.beeps, c.beeps) << shown;
    }
}

TEST(VolumeArrows, StepByATenthAndNeverBelowZero) {
    EXPECT_EQ(VolumeStepUp(""), "0.1");
    EXPECT_EQ(VolumeStepUp("0.2"), "0.3");
    EXPECT_EQ(VolumeStepUp("9.95"), "10.05");
    EXPECT_EQ(VolumeStepDown(""), "0");
    EXPECT_EQ(VolumeStepDown("0.05"), "0");
    EXPECT_EQ(VolumeStepDown("0"), "0");
    EXPECT_EQ(VolumeStepDown("10"), "9.9");
    std::string text = "0";
    for (int i = 0; i < 30; ++i)
        text = VolumeStepUp(text);
    EXPECT_EQ(text, "3"); // the accumulated error of 0.1 stays hidden
}

TEST(RowLabels, NamesRelabelRowsAndUnusedFlavoursGoBack) {
    RowLabels labels;
    EXPECT_EQ(labels.label(SlotId::NicBase), "Nic Base");
    labels.applyName(SlotId::Flav1, "Lemon");
    EXPECT_EQ(labels.volume[index(SlotId::Flav1)], "F1 Lemon");
    EXPECT_EQ(labels.cost[index(SlotId::Flav1)], "F1 Lemon");
    EXPECT_EQ(labels.spec[0], "F1 Lemon");
    labels.applyName(SlotId::Flav1, "");
    EXPECT_EQ(labels.label(SlotId::Flav1), "F1 ");
    labels.applyName(SlotId::NicBase, "Salt");
    EXPECT_EQ(labels.label(SlotId::NicBase), "NicBase  Salt");
    EXPECT_EQ(labels.cost[index(SlotId::NicBase)], "NicBase  Salt");
    labels.applyName(SlotId::PG, "ignored");
    EXPECT_EQ(labels.label(SlotId::PG), "PG");

    MixRecipe recipe;
    recipe[TextField::PctFlav1] = "5";
    RowLabels resets;
    resets.applyName(SlotId::Flav1, "");
    resets.applyName(SlotId::Flav2, "");
    resets.applyResets(Recalculate(recipe));
    EXPECT_EQ(resets.label(SlotId::Flav1), "F1 "); // in use without a name: left as it is
    EXPECT_EQ(resets.label(SlotId::Flav2), "F2");
    EXPECT_EQ(resets.spec[1], "F2");
}

// Cut in a few measurements, the text and caret are those of taking one character at a time
// from in front of the caret (from the end once the caret is at the start).
TEST(CutToFit, AgreesWithTakingOneCharacterAtATime) {
    std::mt19937 rng(5);
    for (int round = 0; round < 3000; ++round) {
        std::u16string text(rng() % 60, u'a');
        std::vector<int> widths(128, 0);
        for (char16_t& c : text)
            c = static_cast<char16_t>(u'a' + rng() % 26);
        for (char16_t c = u'a'; c <= u'z'; ++c)
            widths[c] = 1 + static_cast<int>(rng() % 12);
        const int limit = static_cast<int>(rng() % 120);
        std::size_t measurements = 0;
        const FitsFunction fits = [&](const std::u16string& t) {
            ++measurements;
            int w = 0;
            for (char16_t c : t)
                w += widths[c];
            return w <= limit;
        };
        const int caret = text.empty() ? 0 : static_cast<int>(rng() % (text.size() + 1));
        // One at a time, as the window once did.
        std::u16string slow = text;
        int c = caret;
        bool cut = false;
        while (!fits(slow) && !slow.empty()) {
            cut = true;
            if (c <= 0)
                c = static_cast<int>(slow.size());
            slow.erase(static_cast<std::size_t>(c - 1), 1);
            --c;
        }
        measurements = 0;
        const FitOutcome fast = CutToFit(text, caret, fits);
        ASSERT_EQ(fast.text, slow) << round;
        ASSERT_EQ(fast.caret, c) << round;
        ASSERT_EQ(fast.cut, cut) << round;
        ASSERT_LE(measurements, 8u) << round; // 1 + about log2 of the length
    }
}
