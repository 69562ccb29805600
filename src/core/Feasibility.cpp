// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Feasibility.h"

#include "Numbers.h"
#include "Texts.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace kovaq {
namespace {

constexpr const char* Context = "kovaq::Feasibility";

// The strength as the field would hold it once set: the text read back.
double asTyped(double v) {
    return ParseNumber(FormatNumber(v));
}

} // namespace

std::string RatioFromPg(int pg) {
    return std::to_string(pg) + "-" + std::to_string(100 - pg);
}

Feasibility ComputeFeasibility(const MixRecipe& recipe) {
    Feasibility f;
    const MixInputs in = ReadInputs(recipe);
    if (!(in.mixQty > 0))
        return f;
    const MixQuantities now = ComputeQuantities(in);
    if (now.canBeMade())
        return f;

    // The ratios at which both top-ups are at least zero (within rounding noise).
    const double w = in.mixQty - now.otherVolume;
    if (w > 0) {
        const double noise = RoundingNoise(in.mixQty);
        const double lo = std::max(0.0, 100.0 * (now.pgCarried - noise) / w);
        const double hi = std::min(100.0, 100.0 - 100.0 * (now.vgCarried - noise) / w);
        if (lo <= hi)
            f.ratioRange = std::make_pair(lo, hi);
    }

    // The nearest list position inside the range, confirmed.
    if (f.ratioRange) {
        int best = -1;
        for (int pos = 0; pos <= 10; ++pos) {
            const int pg = RatioPgPercent(pos);
            if (pg < f.ratioRange->first || pg > f.ratioRange->second)
                continue;
            const int d = std::abs(pg - in.mixPg);
            const int bestD = best < 0 ? 1000 : std::abs(RatioPgPercent(best) - in.mixPg);
            if (d < bestD || (d == bestD && pg < RatioPgPercent(best)))
                best = pos;
        }
        if (best >= 0) {
            MixInputs tried = in;
            tried.mixPg = RatioPgPercent(best);
            if (ComputeQuantities(tried).canBeMade())
                f.nearestRatio = best;
        }
    }

    // The strongest mix at this ratio and these flavours: worked out, then confirmed in
    // steps of 0.01 mg on either side.
    if (in.baseStrength > 0) {
        MixInputs tried = in;
        auto works = [&](double strength) {
            tried.mixStrength = strength;
            return ComputeQuantities(tried).canBeMade();
        };
        if (works(0)) {
            // The base volume that still leaves both top-ups at zero or above.
            tried.mixStrength = 0;
            const MixQuantities bare = ComputeQuantities(tried);
            double room = in.mixQty + 0.1;
            if (in.basePg > 0)
                room = std::min(room, bare.pgTopUp * 100.0 / in.basePg);
            if (in.basePg < 100)
                room = std::min(room, bare.vgTopUp * 100.0 / (100 - in.basePg));
            long hundredths =
                static_cast<long>(std::floor(room / in.mixQty * in.baseStrength * 100.0 + 1e-9));
            hundredths = std::max(0L, hundredths);
            // The estimate is off by rounding at most; a few steps settle it.
            for (int step = 0; step < 1000 && hundredths > 0 && !works(asTyped(hundredths / 100.0));
                 ++step)
                --hundredths;
            for (int step = 0; step < 1000 && works(asTyped((hundredths + 1) / 100.0)); ++step)
                ++hundredths;
            f.maxStrength = asTyped(hundredths / 100.0);
        }
    }

    // Less of the flavours and vodka/water at this ratio and strength.
    bool anyFlavour = false;
    for (double p : in.percent)
        anyFlavour = anyFlavour || p != 0.0;
    if (anyFlavour) {
        auto works = [&](int percent) {
            MixInputs tried = in;
            for (double& p : tried.percent)
                p = asTyped(p * percent / 100.0);
            return ComputeQuantities(tried).canBeMade();
        };
        // Less flavour only helps: the shares that work run from 0 up to the largest.
        if (works(0)) {
            int lo = 0, hi = 99;
            while (lo < hi) {
                const int mid = (lo + hi + 1) / 2;
                if (works(mid))
                    lo = mid;
                else
                    hi = mid - 1;
            }
            f.flavourScale = lo;
        }
    }
    return f;
}

std::string FeasibilityText(const Feasibility& f, const MixRecipe& recipe) {
    if (!f.any())
        return {};
    std::vector<std::string> parts;
    if (f.ratioRange) {
        const int lo = static_cast<int>(std::ceil(f.ratioRange->first - 1e-9));
        const int hi = static_cast<int>(std::floor(f.ratioRange->second + 1e-9));
        if (lo < hi)
            parts.push_back(Say(Context, "the mix ratio can be from %1 to %2 PG-VG",
                                {RatioFromPg(lo), RatioFromPg(hi)}));
        else
            parts.push_back(Say(Context, "the mix ratio can be %1 PG-VG", {RatioFromPg(lo)}));
    } else {
        parts.push_back(Say(Context, "no mix ratio works"));
    }
    if (f.maxStrength) {
        const std::string& ratio = recipe[RatioField::MixNicPGVG].RatioText;
        const std::string mg = FormatNumber(*f.maxStrength);
        parts.push_back(ratio.empty() ? Say(Context, "up to %1 mg", {mg})
                                      : Say(Context, "up to %1 mg at %2", {mg, ratio}));
    }
    if (f.flavourScale)
        parts.push_back(Say(Context, "the flavours and vodka/water at %1 % of their shares",
                            {std::to_string(*f.flavourScale)}));
    // The choices are a list: each joined to the ones before it as its language joins them.
    std::string choices = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i)
        choices = Say(Context, "%1, or %2", {choices, parts[i]});
    return Say(Context, "With these ingredients %1.", {choices});
}

std::string MadeOrWhyNot(const MixRecipe& recipe, const MixResult& result) {
    if (result.VolumesOk)
        return Say(Context, "can be made");
    if (ParseNumber(recipe[TextField::MixQty]) <= 0)
        return Say(Context, "nothing to make: the volume to make is 0");
    if (std::string figures = FeasibilityText(ComputeFeasibility(recipe), recipe); !figures.empty())
        return figures;
    return result.TooStrong ? Say(Context, "too strong for this base")
                            : Say(Context, "cannot be made");
}

} // namespace kovaq
