// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Shots.h"
#include "RecipeText.h"

#include "Numbers.h"
#include "Texts.h"
#include "Weights.h"

#include <algorithm>
#include <cmath>

namespace kovaq {
namespace {

// Figures that differ by less than this are the same figure (ml, mg, percent).
constexpr double Same = 1e-9;

constexpr const char* Context = "kovaq::Shots";

// The figures of a line, without their units: the sentences hold those.
struct Texts {
    const ShotsDisplay& d;
    std::string ml(double v) const { return FormatNumber(RoundDecimals(v, d.volumeDecimals)); }
    static std::string mg(double v) { return FormatNumber(RoundDecimals(v, 2)); }
    static std::string grams(double v) { return GramsText(v); }
    static std::string ratio(double pg) { return PgVgText(pg); }
};

// A liquid of this PG share carrying this much nicotine, by weight per ml.
double gravityOf(const ScaleGravities& g, double pgPercent, double mg) {
    const double f = std::clamp(mg / PureNicotineMgPerMl, 0.0, 1.0);
    return f * g.nicotine + (1 - f) * CarrierGravity(pgPercent, g.pg, g.vg);
}

// The PG share of two liquids poured together.
double mixedPg(double ml1, double pg1, double ml2, double pg2) {
    const double total = ml1 + ml2;
    return total > 0 ? (ml1 * pg1 + ml2 * pg2) / total : pg1;
}

template <typename Plan> void add(Plan& p, std::string line, LineKind kind = LineKind::Result) {
    p.lines.push_back(std::move(line));
    p.kinds.push_back(kind);
}

template <typename Plan> void addHint(Plan& p, double grams, double ml, const ShotsDisplay& d) {
    if (auto hint = SmallAmountHint(grams, ml, d.scaleResolution, d.dropsPerMl))
        add(p, std::move(*hint), LineKind::Hint);
}

BatchFix refused(std::string why) {
    BatchFix f;
    f.problem = std::move(why);
    add(f, f.problem, LineKind::Problem);
    return f;
}

// The smallest dilution (1:10, 1:20, 1:50, 1:100) that weighs well, 100 when none does.
int dilutionFor(double grams, double ml, double scaleResolution, int dropsPerMl) {
    const double least = 20 * ValidScaleResolution(scaleResolution);
    const double drop = dropsPerMl > 0 ? 1.0 / dropsPerMl : 0.0;
    for (int k : {1, 10, 20, 50})
        if (grams * k >= least - Same && ml * k >= drop - Same)
            return k;
    return 100;
}

std::string mlText(double v) {
    return FormatNumber(RoundDecimals(v, 2));
}

} // namespace

ScaleGravities ScaleGravitiesOf(const MixRecipe& recipe) {
    auto gravity = [&recipe](GravityKey k, double fallback) {
        return ValidGravity(recipe.Gravity[index(k)]).value_or(fallback);
    };
    return {gravity(GravityKey::PG, PgGravity), gravity(GravityKey::VG, VgGravity),
            gravity(GravityKey::Nicotine, NicotineGravity)};
}

double DropsOf(double ml, int dropsPerMl) {
    return std::round(ml * dropsPerMl);
}

double ValidScaleResolution(double grams) {
    for (double r : {0.1, 0.01, 0.001})
        if (std::fabs(grams - r) < Same)
            return r;
    return 0.01;
}

std::optional<std::string> SmallAmountHint(double grams, double ml, double scaleResolution,
                                           int dropsPerMl) {
    if (!(grams > 0) || !(ml > 0))
        return std::nullopt;
    // Within 5 %: the scale's last digit must be at most a twentieth of the amount.
    const int parts = dilutionFor(grams, ml, scaleResolution, dropsPerMl);
    if (parts == 1)
        return std::nullopt;
    return Say(Context, "Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution)",
               {std::to_string(parts), GramsText(grams * parts)});
}

std::optional<std::string> MixAmountHint(double grams, double ml, double scaleResolution,
                                         int dropsPerMl, double pgMl, double vgMl) {
    if (!(grams > 0) || !(ml > 0))
        return std::nullopt;
    const int parts = dilutionFor(grams, ml, scaleResolution, dropsPerMl);
    if (parts == 1)
        return std::nullopt;
    const auto dilution = [&](const char* sentence, int k) {
        return Say(Context, sentence,
                   {std::to_string(k), GramsText(grams * k), mlText(ml * (k - 1)),
                    mlText(std::max(pgMl, 0.0))});
    };
    const double carrier = ml * (parts - 1);
    if (carrier <= std::max(pgMl, 0.0) + Same)
        return dilution("Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the dilution) "
                        "and leave %3 ml of PG out of the mix",
                        parts);
    if (carrier <= std::max(vgMl, 0.0) + Same)
        return dilution("Too little to weigh well: pre-dilute 1:%1 in VG (%2 g of the dilution) "
                        "and leave %3 ml of VG out of the mix, as the mix's %4 ml of PG cannot "
                        "take it",
                        parts);
    for (int k : {50, 20, 10})
        if (k < parts && ml * (k - 1) <= std::max(pgMl, 0.0) + Same)
            return dilution("Too little to weigh well: pre-dilute 1:%1 in PG (%2 g of the "
                            "dilution) and leave %3 ml of PG out of the mix, the most the mix's "
                            "PG can take",
                            k);
    return Say(Context, "Too little to weigh well, and the mix's PG and VG cannot take a dilution "
                        "of it: make a bigger batch or weigh it on a finer scale");
}

SlotHints SmallAmountHints(const MixResult& result, const WeightResult& weights,
                           double scaleResolution, int dropsPerMl) {
    SlotHints hints{};
    if (!result.VolumesOk)
        return hints;
    const double pg = result.slots[index(SlotId::PG)].Volume;
    const double vg = result.slots[index(SlotId::VG)].Volume;
    for (std::size_t i = 0; i < SlotCount; ++i)
        hints[i] = MixAmountHint(weights.slots[i].grams, result.slots[i].Volume, scaleResolution,
                                 dropsPerMl, slotAt(i) == SlotId::PG ? 0 : pg,
                                 slotAt(i) == SlotId::VG ? 0 : vg);
    return hints;
}

ShotsPlan PlanShots(const ShotsInput& in, const ShotsDisplay& display) {
    const Texts t{display};
    ShotsPlan p;
    auto refuse = [&p](std::string why) {
        p.problem = std::move(why);
        add(p, p.problem, LineKind::Problem);
        return p;
    };
    if (!(in.liquidMl > 0))
        return refuse(Say(Context, "Type the shortfill liquid's volume"));
    if (!(in.shotMl > 0))
        return refuse(Say(Context, "Type the size of one shot"));
    if (!(in.targetMg < in.shotMg - Same))
        return refuse(
            Say(Context, "%1 mg shots cannot make %2 mg", {t.mg(in.shotMg), t.mg(in.targetMg)}));
    const double room = in.bottleMl - in.liquidMl;
    if (!(room > Same))
        return refuse(Say(Context, "No room: the bottle holds %1 ml, the liquid %2 ml",
                          {t.ml(in.bottleMl), t.ml(in.liquidMl)}));

    const double target = std::max(in.targetMg, 0.0);
    p.exactMl = in.liquidMl * target / (in.shotMg - target);
    p.exactGrams = p.exactMl * gravityOf(display.gravities, in.shotPg, in.shotMg);
    p.exactOverflows = p.exactMl > room + Same;
    p.volume = in.liquidMl + p.exactMl;
    p.pgPercent = mixedPg(in.liquidMl, in.liquidPg, p.exactMl, in.shotPg);

    const double count = p.exactMl / in.shotMl;
    const int below = static_cast<int>(std::floor(count + Same));
    const int above = static_cast<int>(std::ceil(count - Same));
    for (int n : {below, above}) {
        if ((n == 0 && p.exactMl > Same) || (!p.nearest.empty() && p.nearest.back().shots == n))
            continue;
        WholeShots w;
        w.shots = n;
        w.volume = in.liquidMl + n * in.shotMl;
        w.strength = n * in.shotMl * in.shotMg / w.volume;
        w.overflows = w.volume > in.bottleMl + Same;
        p.nearest.push_back(w);
    }

    const std::string exact =
        Say(Context,
            p.exactOverflows ? "Shot liquid for %1 mg: %2 ml (%3 g), more than the %4 ml of room"
                             : "Shot liquid for %1 mg: %2 ml (%3 g)",
            {t.mg(target), t.ml(p.exactMl), t.grams(p.exactGrams), t.ml(room)});
    add(p, exact, p.exactOverflows ? LineKind::Problem : LineKind::Result);
    addHint(p, p.exactGrams, p.exactMl, display);
    for (const WholeShots& w : p.nearest) {
        std::string line =
            w.overflows ? SayCount(Context, "%n shot: %1 mg in %2 ml, overflows the %3 ml bottle",
                                   "%n shots: %1 mg in %2 ml, overflows the %3 ml bottle", w.shots,
                                   {t.mg(w.strength), t.ml(w.volume), t.ml(in.bottleMl)})
                        : SayCount(Context, "%n shot: %1 mg in %2 ml", "%n shots: %1 mg in %2 ml",
                                   w.shots, {t.mg(w.strength), t.ml(w.volume)});
        add(p, std::move(line), w.overflows ? LineKind::Problem : LineKind::Result);
    }
    // What the bottle holds afterwards, only where the exact amount fits in it.
    if (!p.exactOverflows)
        add(p, Say(Context, "Then: %1 ml at %2", {t.ml(p.volume), t.ratio(p.pgPercent)}));
    return p;
}

BatchFix FixStrength(const StrengthFixInput& in, const ShotsDisplay& display) {
    const Texts t{display};
    if (!(in.batchMl > 0))
        return refused(Say(Context, "Type the batch's volume"));
    const double a = std::max(in.batchMg, 0.0);
    const double b = std::max(in.targetMg, 0.0);
    BatchFix f;
    if (std::fabs(a - b) < Same) {
        f.volume = in.batchMl;
        f.pgPercent = in.batchPg;
        f.strength = a;
        add(f, Say(Context, "Already at %1 mg: add nothing", {t.mg(a)}));
        return f;
    }
    double addPg = 0;
    double addMg = 0;
    if (b < a) {
        if (!(b > Same))
            return refused(
                Say(Context, "Adding liquid cannot take %1 mg to %2 mg", {t.mg(a), t.mg(b)}));
        f.add = BatchFix::Add::Carrier;
        f.addMl = in.batchMl * (a - b) / b;
        addPg = in.carrierPg;
    } else {
        if (!(in.baseMg > 0))
            return refused(
                Say(Context, "Type the nicotine base's strength to make the batch stronger"));
        if (!(in.baseMg > b + Same))
            return refused(
                Say(Context, "A %1 mg base cannot make %2 mg", {t.mg(in.baseMg), t.mg(b)}));
        f.add = BatchFix::Add::Base;
        f.addMl = in.batchMl * (b - a) / (in.baseMg - b);
        addPg = in.basePg;
        addMg = in.baseMg;
    }
    f.addGrams = f.addMl * gravityOf(display.gravities, addPg, addMg);
    f.volume = in.batchMl + f.addMl;
    f.pgPercent = mixedPg(in.batchMl, in.batchPg, f.addMl, addPg);
    f.strength = b;
    if (f.add == BatchFix::Add::Carrier)
        add(f, Say(Context, "Add %1 ml of 0 mg liquid at %2 (%3 g)",
                   {t.ml(f.addMl), t.ratio(addPg), t.grams(f.addGrams)}));
    else
        add(f, Say(Context, "Add %1 ml of the %2 mg base at %3 (%4 g)",
                   {t.ml(f.addMl), t.mg(in.baseMg), t.ratio(addPg), t.grams(f.addGrams)}));
    addHint(f, f.addGrams, f.addMl, display);
    add(f, Say(Context, "Then: %1 ml of %2 mg at %3",
               {t.ml(f.volume), t.mg(b), t.ratio(f.pgPercent)}));
    return f;
}

BatchFix FixRatio(const RatioFixInput& in, const ShotsDisplay& display) {
    const Texts t{display};
    if (!(in.batchMl > 0))
        return refused(Say(Context, "Type the batch's volume"));
    const double p = std::clamp(in.batchPg, 0.0, 100.0);
    const double target = std::clamp(in.targetPg, 0.0, 100.0);
    BatchFix f;
    f.volume = in.batchMl;
    f.pgPercent = p;
    f.strength = in.batchMg;
    if (std::fabs(p - target) < Same) {
        add(f, Say(Context, "Already at %1: add nothing", {t.ratio(p)}));
        return f;
    }
    const ScaleGravities& g = display.gravities;
    if (target > p) {
        if (target > 100 - Same)
            return refused(Say(Context, "Adding PG cannot make a batch with VG in it all PG"));
        f.add = BatchFix::Add::PG;
        f.addMl = in.batchMl * (target - p) / (100 - target);
        f.addGrams = f.addMl * g.pg;
    } else {
        if (target < Same)
            return refused(Say(Context, "Adding VG cannot make a batch with PG in it all VG"));
        f.add = BatchFix::Add::VG;
        f.addMl = in.batchMl * (p - target) / target;
        f.addGrams = f.addMl * g.vg;
    }
    f.volume = in.batchMl + f.addMl;
    f.pgPercent = target;
    if (in.batchMg)
        f.strength = *in.batchMg * in.batchMl / f.volume;
    add(f, Say(Context,
               f.add == BatchFix::Add::PG ? "Add %1 ml of PG (%2 g)" : "Add %1 ml of VG (%2 g)",
               {t.ml(f.addMl), t.grams(f.addGrams)}));
    addHint(f, f.addGrams, f.addMl, display);
    if (f.strength)
        add(f, Say(Context, "Then: %1 ml at %2, %3 mg",
                   {t.ml(f.volume), t.ratio(target), t.mg(*f.strength)}));
    else
        add(f, Say(Context, "Then: %1 ml at %2", {t.ml(f.volume), t.ratio(target)}));
    return f;
}

} // namespace kovaq
