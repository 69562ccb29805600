// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// What the mix needs of the stash, said in figures that add up as shown.
#include "StashPlan.h"

#include <gtest/gtest.h>

using namespace kovaq;

TEST(StashPlan, NeedsOnHandAndShortOrLeftAgreeToTheShownDecimals) {
    struct Case {
        double onHand, need;
        const char* says;
    };
    for (const Case& c : {Case{0, 6.255, "Lemon: needs 6.26 ml, 0 ml on hand, 6.26 ml short"},
                          Case{0.06, 3.04, "Lemon: needs 3.04 ml, 0.06 ml on hand, 2.98 ml short"},
                          Case{2.999, 3, "Lemon: needs 3 ml, 3 ml on hand, 0 ml left"},
                          Case{12, 3, "Lemon: needs 3 ml, 12 ml on hand, 9 ml left"}}) {
        Bottle lemon;
        lemon.id = 1;
        lemon.kind = BottleKind::Flavour;
        lemon.name = QStringLiteral("Lemon");
        lemon.onHand = c.onHand;
        const auto lines =
            DescribeNeeds({{SlotId::Flav1, QStringLiteral("Lemon"), c.need, 0}}, {lemon}, 2);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].text.toStdString(), c.says);
    }
}
