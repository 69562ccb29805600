// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "StashPlan.h"

#include "IniDocument.h"
#include "MixDocument.h"
#include "MixName.h"
#include "Numbers.h"
#include "QtText.h"
#include "RecipeFile.h"
#include "Weights.h"

#include <QCoreApplication>

#include <cmath>

namespace kovaq {
namespace {

// A figure without its unit: the sentences hold it.
QString ml(double v, int decimals) {
    return ToQString(FormatNumber(RoundDecimals(v, decimals)));
}

QString rowName(SlotId slot, const QString& name) {
    if (!name.trimmed().isEmpty())
        return name.trimmed();
    if (slot == SlotId::NicBase) // the caption the window's row has
        return QCoreApplication::translate("kovaq::RowLabels",
                                           std::string(RowLabelBase(slot)).c_str());
    if (isFlavour(slot))
        return ToQString(std::string(RowLabelBase(slot)));
    return BottleKindName(KindOfSlot(slot));
}

} // namespace

std::vector<Need> NeedsOf(const MixRecipe& recipe, const MixResult& result,
                          const ChosenBottles& chosen) {
    std::vector<Need> needs;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId slot = slotAt(i);
        const double volume = result.slots[i].Volume;
        if (!(volume > 0) || !std::isfinite(volume))
            continue;
        Need need;
        need.slot = slot;
        need.ml = volume;
        need.bottle = chosen[i];
        if (const auto name = NameField(slot))
            need.name = ToQString(recipe[*name]).trimmed();
        needs.push_back(std::move(need));
    }
    return needs;
}

std::vector<NeedLine> DescribeNeeds(const std::vector<Need>& needs,
                                    const std::vector<Bottle>& bottles, int decimals) {
    std::vector<NeedLine> lines;
    for (const Need& need : needs) {
        double onHand = 0;
        bool any = false;
        for (const Bottle& b : bottles)
            if (BottleServes(b, need)) {
                any = true;
                onHand += std::max(0.0, b.onHand);
            }
        NeedLine line;
        const QString name = rowName(need.slot, need.name);
        if (!any) {
            line.text = QCoreApplication::translate("kovaq::StashPlan",
                                                    "%1: needs %2 ml, none in the stash")
                            .arg(name, ml(need.ml, decimals));
            line.enough = false;
        } else {
            // Worked out from the figures as shown, so that the line adds up: within what the
            // window rounds to, it is there.
            const double needShown = RoundDecimals(need.ml, decimals);
            const double haveShown = RoundDecimals(onHand, decimals);
            line.enough = haveShown >= needShown;
            line.text = line.enough
                            ? QCoreApplication::translate(
                                  "kovaq::StashPlan", "%1: needs %2 ml, %3 ml on hand, %4 ml left")
                                  .arg(name, ml(need.ml, decimals), ml(onHand, decimals),
                                       ml(haveShown - needShown, decimals))
                            : QCoreApplication::translate(
                                  "kovaq::StashPlan", "%1: needs %2 ml, %3 ml on hand, %4 ml short")
                                  .arg(name, ml(need.ml, decimals), ml(onHand, decimals),
                                       ml(needShown - haveShown, decimals));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

namespace {

// The mix's PG share, -1 where no ratio is chosen.
double pgOf(int position) {
    return position >= 0 && position < RatioListSize ? RatioPgPercent(position) : -1;
}

} // namespace

Batch MakeBatch(const MixDocument& doc, const QString& file, int steepDays, const QString& note,
                std::int64_t mixedAt) {
    const MixRecipe& r = doc.recipe();
    const MixResult& result = doc.result();
    Batch b;
    b.mixedAt = mixedAt;
    const std::string ratio = doc.ratio(RatioField::MixNicPGVG).RatioText;
    b.name = ToQString(ComposeMixName(ToUtf8(doc.mixName()), r[TextField::MixStrength],
                                      r[TextField::MixQty], ratio));
    const WeightResult weights = ComputeWeights(r, result);
    for (std::size_t i = 0; i < SlotCount; ++i) {
        b.ml[i] = std::max(0.0, result.slots[i].Volume);
        b.grams[i] = std::max(0.0, weights.slots[i].grams);
    }
    // The cost is left out where it is not worked out, or not asked for.
    std::optional<double> cost;
    if (!r.IgnoreCost)
        cost = ParseWholeNumber(result.TotalCostText);
    SetBatchFigures(b, ParseNumber(r[TextField::MixQty]), ParseNumber(r[TextField::MixStrength]),
                    pgOf(doc.ratio(RatioField::MixNicPGVG).position), cost);
    b.file = file;
    IniDocument ini;
    RecipeToIni(ini, doc.recipeWithNotes());
    b.recipeText = ToQString(ini.toText());
    b.steepDays = steepDays;
    b.note = note;
    return b;
}

const Bottle* BottleNamed(const std::vector<Bottle>& bottles, BottleKind kind,
                          const QString& name) {
    const Bottle* newest = nullptr;
    const Bottle* newestFull = nullptr;
    const QString wanted = name.trimmed();
    for (const Bottle& b : bottles) {
        if (b.kind != kind || b.name.trimmed().compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        if (!newest || b.id > newest->id)
            newest = &b;
        if (b.onHand > 0 && (!newestFull || b.id > newestFull->id))
            newestFull = &b;
    }
    return newestFull ? newestFull : newest;
}

void FillRowFromBottle(MixDocument& doc, SlotId slot, const Bottle& bottle) {
    const auto type = [&doc](TextField f, double v) {
        const QString text = ToQString(FormatNumber(v));
        doc.setText(f, text, static_cast<int>(text.size()), MixDocument::Origin::Typed);
    };
    {
        // One calculation for the row, as after the last keystroke of it.
        const auto once = doc.suspendCalculation();
        if (bottle.price > 0)
            type(CostField(slot), bottle.price);
        if (bottle.size > 0)
            type(QtyField(slot), bottle.size);
        if (slot == SlotId::NicBase) {
            if (bottle.strength > 0)
                type(TextField::BaseNicStrength, bottle.strength);
            if (bottle.ratio >= 0 && bottle.ratio < RatioEntryCount(RatioField::BaseNicPGVG))
                doc.pickRatio(RatioField::BaseNicPGVG, bottle.ratio);
        } else if (isFlavour(slot)) {
            const std::size_t f = index(slot) - index(SlotId::Flav1);
            const RatioField r = flavourRatio(f);
            if (bottle.ratio >= 0 && bottle.ratio < RatioEntryCount(r))
                doc.pickRatio(r, bottle.ratio);
        }
    }
    doc.recalculate();
    if (isFlavour(slot)) {
        // The row now holds this bottle: its own gravity, or the default.
        const GravityKey key =
            gravityKeyAt(index(GravityKey::Flav1) + index(slot) - index(SlotId::Flav1));
        const auto own = ValidGravity(ToUtf8(bottle.gravity));
        const WeightResult weights = ComputeWeights(doc.recipe(), doc.result());
        const bool isDefault = !own || std::abs(*own - weights.defaults[index(key)]) < 5e-4;
        const std::string text = isDefault ? std::string() : ToUtf8(bottle.gravity.trimmed());
        if (doc.recipe().Gravity[index(key)] != text)
            doc.setGravity(key, text);
    }
}

QString BaseMakerOf(const MixRecipe& recipe, double baseMl, const std::vector<Bottle>& bottles) {
    if (!(baseMl > 0))
        return {};
    const Bottle* base =
        BottleNamed(bottles, BottleKind::NicotineBase, ToQString(recipe[TextField::NicBaseName]));
    return base ? base->maker : QString();
}

} // namespace kovaq
