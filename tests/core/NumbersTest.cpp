// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Numbers.h"
#include "RecipeText.h"
#include "Shots.h"
#include "Weights.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include <string>
#include <vector>

using namespace kovaq;

TEST(ParseNumber, ReadsTheLeadingNumberAndNeverFails) {
    struct Case {
        std::string text;
        double expected;
    };
    const std::vector<Case> cases = {
        {"", 0},    {".", 0},     {"12.", 12},   {"1.2.3", 1.2}, {"  3.5x", 3.5},
        {"-2", -2}, {"+.5", 0.5}, {"1e3", 1000}, {"1e", 1},      {"2E-2", 0.02},
        {"abc", 0}, {"- 1", 0},   {"007", 7},    {"0.0", 0},     {"1e999", 0},
        {"inf", 0}, {"nan", 0},   {"0x10", 0},   {"\t4", 4},     {"5 ml", 5},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ParseNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ParseWholeNumber, RefusesTextThatIsNotOneNumber) {
    EXPECT_EQ(ParseWholeNumber("1.5"), 1.5);
    EXPECT_EQ(ParseWholeNumber(" 2 "), 2.0);
    EXPECT_EQ(ParseWholeNumber("1e2"), 100.0);
    for (const char* bad : {"", ".", "1.2.3", "1a", "abc", "1 2", "--1"})
        EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << bad;
}

TEST(FormatNumber, GeneralFormatWithFifteenDigits) {
    struct Case {
        double value;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {3, "3"},
        {2.50, "2.5"},
        {0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {-1.8, "-1.8"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E15"},
        {1e20, "1E20"},
        {0.00001, "0.00001"},
        {0.0000015, "1.5E-6"},
        {-0.000001, "-1E-6"},
        {100, "100"},
        {0.05, "0.05"},
        {9.9999999999999999, "10"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatNumber(c.value), c.expected) << c.value;
}

TEST(RoundDecimals, HalvesGoUpAndNegativesUseTheSameFormula) {
    struct Case {
        double value;
        int decimals;
        double expected;
    };
    const std::vector<Case> cases = {
        {2.25, 1, 2.3},
        {0.04, 1, 0},
        {-1.21, 1, -1.1},
        {-1.26, 1, -1.2},
        {1.25, 1, 1.3},
        {5.475, 1, 5.5},
        {2.375, 1, 2.4},
        {-1.925, 1, -1.8},
        {-0.18, 2, -0.17},
        {0.247, 2, 0.25},
        {0.6254, 3, 0.625},
        {8.925, 1, 8.9},
        {3e9, 1, 3e9},
        {-3e9, 2, -2999999999.99},
        {12345678.9, 2, 12345678.9},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(RoundDecimals(c.value, c.decimals), c.expected)
            << c.value << " at " << c.decimals;
    EXPECT_EQ(FormatNumber(RoundDecimals(0.04, 1)), "0");
}

// The quick paths of FormatNumber must give what a plain 15-digit rounding gives.
TEST(FormatNumber, AgreesWithFifteenDigitRoundingOnRandomValues) {
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-8, 17);
    std::uniform_int_distribution<int> decimals(0, 4);
    for (int i = 0; i < 200000; ++i) {
        double x = mantissa(rng) * std::pow(10.0, exponent(rng));
        if (i % 2 == 0)
            x = RoundDecimals(x / 1000.0, decimals(rng)) * 1000.0;
        const std::string text = FormatNumber(x);
        char reference[40];
        std::snprintf(reference, sizeof reference, "%.15g", x);
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(reference, nullptr))
            << text << " vs " << reference;
        if (text.find('.') != std::string::npos && text.find('E') == std::string::npos) {
            ASSERT_NE(text.back(), '0') << text;
        }
        ASSERT_EQ(ParseNumber(text), ParseNumber(reference)) << text;
    }
}

// Whatever is shown can be read again: no finite value turns into infinity or 0.
TEST(FormatNumber, EveryFiniteValueReadsBackFinite) {
    const double max = std::numeric_limits<double>::max();
    for (double v : {max, -max, std::nextafter(max, 0.0), 1.7976931348623e308,
                     std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
                     -std::numeric_limits<double>::denorm_min()}) {
        const std::string text = FormatNumber(v);
        const double back = ParseNumber(text);
        EXPECT_TRUE(std::isfinite(back)) << text;
        EXPECT_NE(back, 0.0) << text;
        EXPECT_EQ(back < 0, v < 0) << text;
        EXPECT_LE(std::fabs(back - v), std::fabs(v) * 1e-14) << text;
    }
    EXPECT_EQ(FormatNumber(max), "1.79769313486231E308");
}

// The programs take the desktop's C locale (a German one writes 4,28); the figures core reads
// and writes keep the point whatever it is.
TEST(Numbers, FiguresKeepThePointUnderAnyLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8"))
        GTEST_SKIP() << "no German locale here";
    const std::string grams = GramsText(5.4);
    const ParsedRecipe pasted = ParseRecipeText("Lemon 2.5%\nLime 1,5%\n3.5 mg");
    const ShotsPlan plan = PlanShots({50, 60, 30, 18, 10, 50, 3});
    std::setlocale(LC_ALL, before.c_str());

    EXPECT_EQ(grams, "5.40");
    ASSERT_EQ(pasted.flavours.size(), 2u);
    EXPECT_EQ(pasted.flavours[0].percent, 2.5);
    EXPECT_EQ(pasted.flavours[1].percent, 1.5);
    EXPECT_EQ(pasted.strength, 3.5);
    EXPECT_EQ(plan.lines[0], "Shot liquid for 3 mg: 10 ml (11.46 g)");
}
