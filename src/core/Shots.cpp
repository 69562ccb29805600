// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Shots.h"

#include "Numbers.h"
#include "Weights.h"

#include <algorithm>
#include <cmath>

namespace kovaq {
namespace {

// Figures that differ by less than this are the same figure (ml, mg, percent).
constexpr double Same = 1e-9;

struct Texts {
    const ShotsDisplay& d;
    std::string ml(double v) const {
        return FormatNumber(RoundDecimals(v, d.volumeDecimals)) + " ml";
    }
    static std::string mg(double v) { return FormatNumber(RoundDecimals(v, 2)) + " mg"; }
    static std::string grams(double v) { return GramsText(v) + " g"; }
    static std::string ratio(double pg) {
        return FormatNumber(RoundDecimals(pg, 1)) + "/" + FormatNumber(RoundDecimals(100 - pg, 1)) +
               " PG/VG";
    }
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

void addHint(std::vector<std::string>& lines, double grams, double ml, const ShotsDisplay& d) {
    if (auto hint = SmallAmountHint(grams, ml, d.scaleResolution, d.dropsPerMl))
        lines.push_back(*hint);
}

BatchFix refused(std::string why) {
    BatchFix f;
    f.problem = std::move(why);
    f.lines = {f.problem};
    return f;
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
    const double least = 20 * ValidScaleResolution(scaleResolution);
    const double drop = dropsPerMl > 0 ? 1.0 / dropsPerMl : 0.0;
    auto weighsWell = [&](double g, double v) { return g >= least - Same && v >= drop - Same; };
    if (weighsWell(grams, ml))
        return std::nullopt;
    int parts = 100;
    for (int k : {10, 20, 50})
        if (weighsWell(grams * k, ml * k)) {
            parts = k;
            break;
        }
    return "Too little to weigh well: pre-dilute 1:" + std::to_string(parts) + " in PG (" +
           GramsText(grams * parts) + " g of the dilution)";
}

SlotHints SmallAmountHints(const MixResult& result, const WeightResult& weights,
                           double scaleResolution, int dropsPerMl) {
    SlotHints hints{};
    if (!result.VolumesOk)
        return hints;
    for (std::size_t i = 0; i < SlotCount; ++i)
        hints[i] = SmallAmountHint(weights.slots[i].grams, result.slots[i].Volume, scaleResolution,
                                   dropsPerMl);
    return hints;
}

ShotsPlan PlanShots(const ShotsInput& in, const ShotsDisplay& display) {
    const Texts t{display};
    ShotsPlan p;
    auto refuse = [&p](std::string why) {
        p.problem = std::move(why);
        p.lines = {p.problem};
        return p;
    };
    if (!(in.liquidMl > 0))
        return refuse("Type the shortfill liquid's volume");
    if (!(in.shotMl > 0))
        return refuse("Type the size of one shot");
    if (!(in.targetMg < in.shotMg - Same))
        return refuse(t.mg(in.shotMg) + " shots cannot make " + t.mg(in.targetMg));
    const double room = in.bottleMl - in.liquidMl;
    if (!(room > Same))
        return refuse("No room: the bottle holds " + t.ml(in.bottleMl) + ", the liquid " +
                      t.ml(in.liquidMl));

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

    std::string exact = "Shot liquid for " + t.mg(target) + ": " + t.ml(p.exactMl) + " (" +
                        t.grams(p.exactGrams) + ")";
    if (p.exactOverflows)
        exact += ", more than the " + t.ml(room) + " of room";
    p.lines.push_back(exact);
    addHint(p.lines, p.exactGrams, p.exactMl, display);
    for (const WholeShots& w : p.nearest) {
        std::string line = std::to_string(w.shots) + (w.shots == 1 ? " shot: " : " shots: ") +
                           t.mg(w.strength) + " in " + t.ml(w.volume);
        if (w.overflows)
            line += ", overflows the " + t.ml(in.bottleMl) + " bottle";
        p.lines.push_back(line);
    }
    p.lines.push_back("Then: " + t.ml(p.volume) + " at " + t.ratio(p.pgPercent));
    return p;
}

BatchFix FixStrength(const StrengthFixInput& in, const ShotsDisplay& display) {
    const Texts t{display};
    if (!(in.batchMl > 0))
        return refused("Type the batch's volume");
    const double a = std::max(in.batchMg, 0.0);
    const double b = std::max(in.targetMg, 0.0);
    BatchFix f;
    if (std::fabs(a - b) < Same) {
        f.volume = in.batchMl;
        f.pgPercent = in.batchPg;
        f.strength = a;
        f.lines = {"Already at " + t.mg(a) + ": add nothing"};
        return f;
    }
    double addPg = 0;
    double addMg = 0;
    std::string what;
    if (b < a) {
        if (!(b > Same))
            return refused("Adding liquid cannot take " + t.mg(a) + " to " + t.mg(b));
        f.add = BatchFix::Add::Carrier;
        f.addMl = in.batchMl * (a - b) / b;
        addPg = in.carrierPg;
        what = "of 0 mg liquid at " + t.ratio(addPg);
    } else {
        if (!(in.baseMg > 0))
            return refused("Type the nicotine base's strength to make the batch stronger");
        if (!(in.baseMg > b + Same))
            return refused("A " + t.mg(in.baseMg) + " base cannot make " + t.mg(b));
        f.add = BatchFix::Add::Base;
        f.addMl = in.batchMl * (b - a) / (in.baseMg - b);
        addPg = in.basePg;
        addMg = in.baseMg;
        what = "of the " + t.mg(in.baseMg) + " base at " + t.ratio(addPg);
    }
    f.addGrams = f.addMl * gravityOf(display.gravities, addPg, addMg);
    f.volume = in.batchMl + f.addMl;
    f.pgPercent = mixedPg(in.batchMl, in.batchPg, f.addMl, addPg);
    f.strength = b;
    f.lines.push_back("Add " + t.ml(f.addMl) + " " + what + " (" + t.grams(f.addGrams) + ")");
    addHint(f.lines, f.addGrams, f.addMl, display);
    f.lines.push_back("Then: " + t.ml(f.volume) + " of " + t.mg(b) + " at " + t.ratio(f.pgPercent));
    return f;
}

BatchFix FixRatio(const RatioFixInput& in, const ShotsDisplay& display) {
    const Texts t{display};
    if (!(in.batchMl > 0))
        return refused("Type the batch's volume");
    const double p = std::clamp(in.batchPg, 0.0, 100.0);
    const double target = std::clamp(in.targetPg, 0.0, 100.0);
    BatchFix f;
    f.volume = in.batchMl;
    f.pgPercent = p;
    f.strength = in.batchMg;
    if (std::fabs(p - target) < Same) {
        f.lines = {"Already at " + t.ratio(p) + ": add nothing"};
        return f;
    }
    const ScaleGravities& g = display.gravities;
    if (target > p) {
        if (target > 100 - Same)
            return refused("Adding PG cannot make a batch with VG in it all PG");
        f.add = BatchFix::Add::PG;
        f.addMl = in.batchMl * (target - p) / (100 - target);
        f.addGrams = f.addMl * g.pg;
    } else {
        if (target < Same)
            return refused("Adding VG cannot make a batch with PG in it all VG");
        f.add = BatchFix::Add::VG;
        f.addMl = in.batchMl * (p - target) / target;
        f.addGrams = f.addMl * g.vg;
    }
    f.volume = in.batchMl + f.addMl;
    f.pgPercent = target;
    if (in.batchMg)
        f.strength = *in.batchMg * in.batchMl / f.volume;
    f.lines.push_back("Add " + t.ml(f.addMl) +
                      (f.add == BatchFix::Add::PG ? " of PG (" : " of VG (") + t.grams(f.addGrams) +
                      ")");
    addHint(f.lines, f.addGrams, f.addMl, display);
    std::string then = "Then: " + t.ml(f.volume) + " at " + t.ratio(target);
    if (f.strength)
        then += ", " + t.mg(*f.strength);
    f.lines.push_back(then);
    return f;
}

} // namespace kovaq
