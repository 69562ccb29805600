// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// The stash seen from the mix in the window: what it needs, what is on hand, the batch it
// makes and a row filled from a bottle. The Stash window and kovaq-calc share these.

#include "MixResult.h"
#include "StashStore.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace kovaq {

class MixDocument;

// The bottle each row was filled from, when the person chose one from the name's list;
// 0 where none was.
using ChosenBottles = std::array<std::int64_t, SlotCount>;

// What the mix takes from the stash: one need for each row with something to pour.
std::vector<Need> NeedsOf(const MixRecipe& recipe, const MixResult& result,
                          const ChosenBottles& chosen);

struct NeedLine {
    QString text; // "Lemon: needs 3 ml, 12 ml on hand, 9 ml left"
    bool enough = true;
};
// Each need against the bottles that would serve it, in the mix's decimals.
std::vector<NeedLine> DescribeNeeds(const std::vector<Need>& needs,
                                    const std::vector<Bottle>& bottles, int decimals);

// A batch of the mix as it stands, made now.
Batch MakeBatch(const MixDocument& doc, const QString& file, int steepDays, const QString& note,
                std::int64_t mixedAt);

// The bottle a name picked from the list stands for: the newest of that kind and name with
// something in it, else the newest; none when there is no such bottle.
const Bottle* BottleNamed(const std::vector<Bottle>& bottles, BottleKind kind, const QString& name);

// The maker of the base a mix is poured from, when the stash knows the base by the name the
// recipe gives it and the mix takes any; empty otherwise. The label prints it.
QString BaseMakerOf(const MixRecipe& recipe, double baseMl, const std::vector<Bottle>& bottles);

// Fills a row from a bottle as typing would: its price and size into the row's cost and
// quantity, its ratio into the row's choice, a base's strength, and a flavour's gravity
// into the weights when it is not the default. The name is the caller's: it was typed or
// picked into the field already.
void FillRowFromBottle(MixDocument& doc, SlotId slot, const Bottle& bottle);

} // namespace kovaq
