// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The document on its own, as every window and kovaq-calc use it: no widget anywhere.
#include "MixDocument.h"
#include "RecipeBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kovaq;
using T = TextField;
using Origin = MixDocument::Origin;

namespace {

// Records what the document says, in order.
struct Log {
    explicit Log(MixDocument& d) {
        QObject::connect(&d, &MixDocument::beepRequested, [this] { said.push_back("beep"); });
        QObject::connect(&d, &MixDocument::entryCut, [this](T) { said.push_back("cut"); });
        QObject::connect(&d, &MixDocument::volumesComputed,
                         [this](const MixResult&) { said.push_back("volumes"); });
        QObject::connect(&d, &MixDocument::cannotBeAchieved,
                         [this, &d](const QString&, std::optional<int> nearest) {
                             said.push_back("cannot");
                             if (useNearest && nearest)
                                 d.useRatioAfterRun(*nearest);
                         });
        QObject::connect(&d, &MixDocument::recalculated, [this] { said.push_back("done"); });
        QObject::connect(&d, &MixDocument::ratioPicked,
                         [this](RatioField) { said.push_back("picked"); });
    }
    std::vector<std::string> said;
    bool useNearest = false;
};

void type(MixDocument& d, T f, const std::string& text) {
    const QString q = QString::fromStdString(text);
    d.setText(f, q, static_cast<int>(q.size()), Origin::Typed);
}

} // namespace

TEST(MixDocument, TypedTextsFollowTheFieldRulesAndCount) {
    // Names of more than five characters are too wide here.
    MixDocument d([](T f, const std::u16string& s) { return !IsNameField(f) || s.size() <= 5; });
    Log log(d);
    type(d, T::Flav1Name, "Strawberry");
    EXPECT_EQ(d.text(T::Flav1Name), "Straw"); // what stood before the caret went
    EXPECT_EQ(d.caret(T::Flav1Name), 5);
    EXPECT_EQ(d.rowLabels().label(SlotId::Flav1), "F1 Straw");
    EXPECT_EQ(log.said, (std::vector<std::string>{"beep", "cut", "volumes", "done"}));
    EXPECT_FALSE(d.mixSaved());

    d.setMixSaved(true);
    type(d, T::MixQty, "1.");
    EXPECT_TRUE(d.mixSaved()); // waiting for the fraction
    d.setText(T::MixQty, QStringLiteral("1..5"), 2, Origin::Typed);
    EXPECT_EQ(d.text(T::MixQty), "1.5");
    EXPECT_FALSE(d.mixSaved());
    // The program's text: nothing happens when it is the one already there.
    log.said.clear();
    d.setFieldText(T::MixQty, QStringLiteral("1.5"));
    EXPECT_TRUE(log.said.empty());
}

TEST(MixDocument, AMixThatCannotBeMadeSaysSoBetweenVolumesAndCosts) {
    MixDocument d;
    const MixRecipe third = test::ThirdWorkedExample();
    for (std::size_t i = 0; i < RatioFieldCount; ++i)
        d.selectRatio(ratioFieldAt(i), third.ratios[i].position);
    for (std::size_t i = 0; i < RatioFieldCount; ++i)
        d.setPgPercentFromChoice(ratioFieldAt(i));
    d.refreshRatioTexts();
    Log log(d);
    log.useNearest = true;
    for (T f : {T::BaseNicStrength, T::PctFlav1, T::PctFlav2, T::PctVodkaWater, T::MixStrength,
                T::MixQty})
        d.setFieldText(f, QString::fromStdString(third[f]));
    // The last text makes it impossible; "Use 50-50" is taken once that run is done.
    const std::vector<std::string> lastRuns(log.said.end() - 6, log.said.end());
    EXPECT_EQ(lastRuns,
              (std::vector<std::string>{"volumes", "done", "cannot", "volumes", "done", "picked"}));
    EXPECT_EQ(d.ratio(RatioField::MixNicPGVG).RatioText, "50-50");
    EXPECT_TRUE(d.result().VolumesOk);
    EXPECT_EQ(d.feasibilityText(), "");
}
