// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "IniDocument.h"
#include "Codepage.h"
#include "RandomText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace kovaq;

TEST(IniDocument, ReadsValuesByThePrivateProfileRules) {
    const IniDocument ini("[Spec]\r\n"
                          "mixqty = 30 \r\n"
                          "Eq=a=b\r\n"
                          "Quoted=\"Best\"\r\n"
                          "Single=  'x y'  \r\n"
                          "Half=\"open\r\n"
                          "Mixed=\"a'\r\n"
                          "Empty=\r\n"
                          "Dup=first\r\n"
                          "Dup=second\r\n"
                          "[SPEC]\r\n"
                          "Later=ignored\r\n"
                          "[Other]\n"
                          "Key=unix line\n");
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"spec", "MIXQTY", "30"},
        {"Spec", "Eq", "a=b"},
        {"Spec", "Quoted", "Best"},
        {"Spec", "Single", "x y"},
        {"Spec", "Half", "\"open"},
        {"Spec", "Mixed", "\"a'"},
        {"Spec", "Empty", ""},
        {"Spec", "Dup", "first"},
        {"Spec", "Later", std::nullopt},
        {"Spec", "Missing", std::nullopt},
        {"Nowhere", "Key", std::nullopt},
        {"other", "key", "unix line"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.value(c.section, c.key), c.expected) << c.section << "/" << c.key;
}

TEST(IniDocument, CapsValuesAt2047Characters) {
    std::string longValue(5000, 'x');
    longValue.replace(2046, 2, "\xC3\xA9"); // a two-byte character across the cut
    const IniDocument ini("[S]\nK=" + longValue + "\n");
    const std::string v = *ini.value("S", "K");
    EXPECT_EQ(v.size(), 2048u); // 2046 x and one two-byte character
    EXPECT_TRUE(IsValidUtf8(v));
}

TEST(IniDocument, ReadsWholeNumbersOrTheDefault) {
    struct Case {
        const char* text;
        std::int64_t expected;
    };
    const std::vector<Case> cases = {
        {"5", 5},
        {"-1", -1},
        {"+3", 3},
        {"0x1", 1},
        {"0X1f", 31},
        {"$ff", 255},
        {"yes", 99},
        {"", 99},
        {"1.5", 99},
        {"12a", 99},
        {"0x", 99},
        {"$", 99},
        {" 7 ", 7},
        {"'2'", 2},
        {"99999999999999999999", 2147483648},
        {"-99999999999999999999", -2147483648},
    };
    for (const Case& c : cases) {
        const IniDocument ini(std::string("[S]\nK=") + c.text + "\n");
        EXPECT_EQ(ini.readInteger("S", "K", 99), c.expected) << c.text;
    }
}

TEST(IniDocument, WritingKeepsEveryUntouchedLine) {
    IniDocument ini("; a note of the user\n"
                    "[A]\n"
                    "Keep=1\n"
                    "Change=old\n"
                    "\n"
                    "[B]\n"
                    "Other=x\n");
    ini.setValue("a", "change", "new");
    ini.setValue("A", "Added", "2");
    ini.setValue("C", "Fresh", "3");
    ini.setValue("C", "Second", "4");
    EXPECT_EQ(ini.toText(), "; a note of the user\r\n"
                            "[A]\r\n"
                            "Keep=1\r\n"
                            "change=new\r\n"
                            "Added=2\r\n"
                            "\r\n"
                            "[B]\r\n"
                            "Other=x\r\n"
                            "\r\n"
                            "[C]\r\n"
                            "Fresh=3\r\n"
                            "Second=4\r\n");
    EXPECT_EQ(IniDocument(ini.toText()).value("A", "Added"), "2");
}

TEST(Codepage, ReadsUtf8OrWindows1252AndWritesWhatFits) {
    EXPECT_EQ(DecodeFileText("Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(DecodeFileText("Caf\xC3\xA9"), "Caf\xC3\xA9");
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBFName"), "Name");
    EXPECT_EQ(DecodeFileText("\x81"), "\xC2\x81"); // undefined in 1252: kept as a control
    EXPECT_EQ(EncodeFileText("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\xE9 \x80");
    EXPECT_EQ(EncodeFileText("plain"), "plain");
    // A character outside the code page keeps the whole text in UTF-8.
    const std::string mixed = "\xC3\xA9 \xE6\x97\xA5";
    EXPECT_EQ(EncodeFileText(mixed), mixed);
    EXPECT_EQ(DecodeFileText(EncodeFileText(mixed)), mixed);
}

TEST(Codepage, WhatIsWrittenReadsBackAsTheSameText) {
    // "Heiß…" and "Â£5 mix" in Windows-1252 are valid UTF-8 bytes of other text.
    for (const std::string t : {"Hei\xC3\x9F\xE2\x80\xA6", "\xC3\x82\xC2\xA3"
                                                           "5 mix"}) {
        EXPECT_EQ(DecodeFileText(EncodeFileText(t)), t);
        EXPECT_EQ(EncodeFileText(t), t); // kept in UTF-8
    }
    std::mt19937 rng(2024);
    for (int round = 0; round < 20000; ++round) {
        const std::string t = test::RandomText(rng, static_cast<int>(rng() % 10));
        ASSERT_EQ(DecodeFileText(EncodeFileText(t)), t) << t;
    }
}

TEST(IniDocument, TheFirstOfARepeatedSectionTakesReadsAndWrites) {
    IniDocument ini("Lost=before any section\n"
                    "[Notes]\n"
                    "Lines=1\n"
                    "\n"
                    "[notes]\n"
                    "Lines=9\n"
                    "Text0=second\n"
                    "[Spec]\n"
                    "MixQty=3");
    EXPECT_EQ(ini.value("", "Lost"), std::nullopt);
    EXPECT_EQ(ini.readInteger("NOTES", "lines", 0), 1);
    EXPECT_EQ(ini.value("Notes", "Text0"), std::nullopt);
    ini.setValue("Notes", "Text0", "first");
    ini.setValue("Notes", "Lines", "2");
    ini.setValue("Spec", "MixStrength", "6");
    ini.setValue("Spec", "MixQty", "30");
    ini.setValue("Extras", "HiPrecision", "1");
    ini.setValue("Notes", "Text1", "again");
    ini.setValue("extras", "hiprecision", "0");
    const std::string expected = "Lost=before any section\r\n"
                                 "[Notes]\r\n"
                                 "Lines=2\r\n"
                                 "Text0=first\r\n"
                                 "Text1=again\r\n"
                                 "\r\n"
                                 "[notes]\r\n"
                                 "Lines=9\r\n"
                                 "Text0=second\r\n"
                                 "[Spec]\r\n"
                                 "MixQty=30\r\n"
                                 "MixStrength=6\r\n"
                                 "\r\n"
                                 "[Extras]\r\n"
                                 "hiprecision=0\r\n";
    EXPECT_EQ(ini.toText(), expected);
    // What was set reads back before and after writing.
    const IniDocument again(ini.toText());
    for (const IniDocument* doc : {static_cast<const IniDocument*>(&ini), &again}) {
        EXPECT_EQ(doc->value("notes", "TEXT0"), "first");
        EXPECT_EQ(doc->value("Notes", "Text1"), "again");
        EXPECT_EQ(doc->value("Spec", "MixQty"), "30");
        EXPECT_EQ(doc->value("Spec", "MixStrength"), "6");
        EXPECT_EQ(doc->value("Extras", "HiPrecision"), "0");
    }
}
