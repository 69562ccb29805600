// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MixCalculator.h"

#include "Numbers.h"
#include "Texts.h"

#include <algorithm>
#include <cmath>

namespace kovaq {

Rgb ToRgb(TextColour c) {
    switch (c) {
    case TextColour::Warning:
        return WarningColour;
    case TextColour::Ok:
        return OkColour;
    case TextColour::Normal:
        break;
    }
    return NormalTextColour;
}

namespace {

std::string shown(double volume, int decimals) {
    return FormatNumber(RoundDecimals(volume, decimals));
}

void priceSlots(const MixRecipe& recipe, MixResult& r,
                const std::array<double, SlotCount>& shownVolume) {
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotId slot = slotAt(i);
        SlotResult& s = r.slots[i];
        const std::string& costText = recipe[CostField(slot)];
        const double c = ParseNumber(costText);
        const double q = ParseNumber(recipe[QtyField(slot)]);
        s.MixCostWarn = false;
        if (s.VolumeText == "0" || (c == 0.0 && !costText.empty())) {
            s.MixCostText = "0"; // a zero volume needs no cost; a typed "0" makes it free
        } else if (c != 0.0 && q != 0.0) {
            const double perMl = c / q;
            s.MixCostText = FormatNumber(RoundDecimals(shownVolume[i] * perMl, 2));
        } else {
            s.MixCostText = "0";
            s.MixCostWarn = true;
            r.CostsComplete = false;
            if (q == 0.0)
                r.MissingMarks.insert(QtyField(slot));
            if (costText.empty())
                r.MissingMarks.insert(CostField(slot));
        }
    }
    double total = 0.0;
    for (const SlotResult& s : r.slots)
        total += ParseNumber(s.MixCostText);
    r.TotalCostText = FormatNumber(total);
}

} // namespace

double RoundingNoise(double mixQty) {
    return 1e-9 * std::max(1.0, mixQty);
}

MixInputs ReadInputs(const MixRecipe& recipe) {
    MixInputs in;
    in.baseStrength = ParseNumber(recipe[TextField::BaseNicStrength]);
    in.mixStrength = ParseNumber(recipe[TextField::MixStrength]);
    in.mixQty = ParseNumber(recipe[TextField::MixQty]);
    in.basePg = recipe[RatioField::BaseNicPGVG].PgPercent;
    in.mixPg = recipe[RatioField::MixNicPGVG].PgPercent;
    for (std::size_t f = 0; f <= FlavourCount; ++f) {
        const SlotId slot = slotAt(index(SlotId::Flav1) + f);
        in.percent[f] = ParseNumber(recipe[*PercentField(slot)]);
        in.carrierPg[f] = f == FlavourCount ? -1 : recipe[flavourRatio(f)].PgPercent;
    }
    return in;
}

MixQuantities ComputeQuantities(const MixInputs& in) {
    MixQuantities q;
    // The base. Its shares of PG and VG are rounded to thousandths, as every share.
    if (in.mixStrength != 0.0 && in.baseStrength != 0.0) {
        q.baseVolume = in.mixStrength / in.baseStrength * in.mixQty;
        q.pgCarried += RoundDecimals(in.basePg * q.baseVolume * 0.01, 3);
        q.vgCarried += RoundDecimals((100 - in.basePg) * q.baseVolume * 0.01, 3);
    }
    // Flavours, then vodka/water.
    if (in.mixQty != 0.0) {
        for (std::size_t f = 0; f <= FlavourCount; ++f) {
            if (in.percent[f] == 0.0)
                continue;
            const double v = 0.01 * in.percent[f] * in.mixQty;
            q.volume[f] = v;
            const int p = in.carrierPg[f];
            if (p == -1) {
                q.otherVolume += RoundDecimals(v, 3);
            } else {
                q.pgCarried += RoundDecimals(p * v * 0.01, 3);
                q.vgCarried += RoundDecimals((100 - p) * v * 0.01, 3);
            }
        }
        // Plain PG and VG make up the rest. Binary fractions leave a trace of
        // rounding (100 x 0.7 x 0.01 is a hair above 0.7): a top-up that close to zero is
        // zero, never a mix that cannot be made.
        const double pgVgVolume = in.mixQty - q.otherVolume;
        const double wantedPg = in.mixPg * pgVgVolume * 0.01;
        const double wantedVg = pgVgVolume - wantedPg;
        const double noise = RoundingNoise(in.mixQty);
        const auto settle = [noise](double v) { return std::fabs(v) <= noise ? 0.0 : v; };
        q.pgTopUp = settle(wantedPg - q.pgCarried);
        q.vgTopUp = settle(wantedVg - q.vgCarried);
    }
    // A base volume beyond the mix (with 0.1 ml to spare) is too strong; rounding
    // noise at the very edge does not count.
    q.tooStrong = q.baseVolume - (in.mixQty + 0.1) > RoundingNoise(in.mixQty);
    return q;
}

namespace {

// The volume of every ingredient as the window shows it, with what makes the volumes
// pending: a strength or flavour asked for without a volume to make.
void showVolumes(MixResult& r, const MixInputs& in, const MixQuantities& q, int decimals) {
    SlotResult& base = r[SlotId::NicBase];
    base.Volume = q.baseVolume;
    base.VolumeText = "0";
    if (in.mixStrength != 0.0 && in.baseStrength != 0.0) {
        if (in.mixQty == 0.0) {
            r.MissingMarks.insert(TextField::MixQty);
            r.VolumesOk = false;
        }
        base.VolumeText = shown(base.Volume, decimals);
    }
    for (std::size_t f = 0; f <= FlavourCount; ++f) {
        SlotResult& s = r.slots[index(SlotId::Flav1) + f];
        s.Volume = q.volume[f];
        s.VolumeText = "0";
        if (in.percent[f] == 0.0)
            continue;
        if (in.mixQty == 0.0) {
            r.MissingMarks.insert(TextField::MixQty);
            r.VolumesOk = false;
            continue;
        }
        s.VolumeText = shown(s.Volume, decimals);
    }
    // Plain PG and VG make up the rest; a negative top-up shows red.
    SlotResult& pg = r[SlotId::PG];
    SlotResult& vg = r[SlotId::VG];
    if (in.mixQty == 0.0) {
        pg = SlotResult{};
        vg = SlotResult{};
        r.VolumesOk = false;
        return;
    }
    r.PgTopUp = q.pgTopUp;
    r.VgTopUp = q.vgTopUp;
    pg.Volume = r.PgTopUp;
    vg.Volume = r.VgTopUp;
    pg.VolumeText = shown(r.PgTopUp, decimals);
    vg.VolumeText = shown(r.VgTopUp, decimals);
    pg.VolumeWarn = r.PgTopUp < 0;
    vg.VolumeWarn = r.VgTopUp < 0;
}

// The shown volumes, made to add up to the volume to make: what rounding left over goes to
// the larger of PG and VG. Read back from the texts, since that is what the user measures.
std::array<double, SlotCount> balanceShownVolumes(MixResult& r, double mixQty, int decimals) {
    std::array<double, SlotCount> shownVolume{};
    double shownTotal = 0.0;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        shownVolume[i] = ParseNumber(r.slots[i].VolumeText);
        shownTotal += shownVolume[i];
    }
    if (mixQty - shownTotal == 0.0)
        return shownVolume;
    const double rest = mixQty - shownTotal;
    const double p = shownVolume[index(SlotId::PG)];
    const double v = shownVolume[index(SlotId::VG)];
    SlotResult& pg = r[SlotId::PG];
    SlotResult& vg = r[SlotId::VG];
    if (v < p) {
        pg.VolumeText = shown(p + rest, decimals);
        shownVolume[index(SlotId::PG)] = ParseNumber(pg.VolumeText);
    } else if (vg.VolumeText != "0") {
        vg.VolumeText = shown(v + rest, decimals);
        shownVolume[index(SlotId::VG)] = ParseNumber(vg.VolumeText);
    }
    return shownVolume;
}

// Whether the mix can be made: a base too weak for the strength (it beeps and marks the
// strength), or a top-up below zero (the "This Mix Cannot Be Achieved" box).
void checkAchievable(MixResult& r, const MixQuantities& q) {
    SlotResult& base = r[SlotId::NicBase];
    r.TooStrong = q.tooStrong;
    base.VolumeWarn = q.tooStrong;
    if (q.tooStrong) {
        r.VolumesOk = false;
        r.MissingMarks.insert(TextField::MixStrength);
        r.Beep = true;
    } else if (r.PgTopUp < 0 || r.VgTopUp < 0) {
        r.CannotBeAchieved = true;
        r.VolumesOk = false;
        r.ShowCannotBeAchieved = true;
    }
}

// What each row and the batch cost, or "N/A" while costs are ignored (their warnings stay
// as they were).
void priceMix(MixResult& r, const MixRecipe& recipe, const MixResult& previous,
              const std::array<double, SlotCount>& shownVolume, double mixQty) {
    if (recipe.IgnoreCost) {
        for (std::size_t i = 0; i < SlotCount; ++i) {
            r.slots[i].MixCostText = "N/A";
            r.slots[i].MixCostWarn = previous.slots[i].MixCostWarn;
        }
        r.TotalCostText = "N/A";
        r.TotalCostWarn = previous.TotalCostWarn;
        return;
    }
    priceSlots(recipe, r, shownVolume);
    r.CostsOk = r.CostsComplete && mixQty != 0.0;
}

// Every flavour in use needs a name; one with neither name nor share gets its own caption
// back.
void checkFlavourNames(MixResult& r, const MixRecipe& recipe, const MixInputs& in) {
    for (std::size_t f = 0; f < FlavourCount; ++f) {
        const SlotId slot = flavourSlot(f);
        const bool nameEmpty = recipe[*NameField(slot)].empty();
        if (in.percent[f] != 0.0 && nameEmpty) {
            r.MissingMarks.insert(*NameField(slot));
            r.InfoComplete = false;
        } else if (in.percent[f] == 0.0 && nameEmpty) {
            r.ResetFlavourCaption[f] = true;
        }
    }
}

// The status line: its cost part, then its volume part.
void setStatus(MixResult& r, const MixRecipe& recipe) {
    if (recipe.IgnoreCost) {
        r.CostStatusText = Say(StatusContext, "Cost Ignored, ");
        r.CostStatusColour = TextColour::Warning;
    } else if (r.CostsOk) {
        r.CostStatusText = Say(StatusContext, "Cost OK, ");
        r.CostStatusColour = TextColour::Ok;
        r.TotalCostWarn = false;
    } else {
        r.CostStatusText = Say(StatusContext, "Cost Pending, ");
        r.CostStatusColour = TextColour::Warning;
        r.TotalCostWarn = !r.CostsComplete;
        r.InfoComplete = false;
    }
    if (r.VolumesOk) {
        r.VolStatusText = Say(StatusContext, "Volumes OK");
        r.VolStatusColour = TextColour::Ok;
    } else {
        r.VolStatusText = Say(StatusContext, "Vols Pending");
        r.VolStatusColour = TextColour::Warning;
        r.InfoComplete = false;
    }
}

} // namespace

MixResult Recalculate(const MixRecipe& recipe, int volumeDecimals, const MixResult& previous) {
    MixResult r;
    r.InfoComplete = true;
    r.VolumesOk = true;
    r.CostsComplete = true;
    r.CostsOk = false;

    // Every number is read once; nothing after this reads the texts again.
    const MixInputs in = ReadInputs(recipe);
    const MixQuantities q = ComputeQuantities(in);
    r.PgCarried = q.pgCarried;
    r.VgCarried = q.vgCarried;
    r.OtherVolume = q.otherVolume;

    // No nicotine in the base, so no strength can be asked for.
    r.MixStrengthEnabled = in.baseStrength != 0.0;
    if (in.baseStrength == 0.0)
        r.ClearMixStrength = !recipe[TextField::MixStrength].empty();

    showVolumes(r, in, q, volumeDecimals);
    const std::array<double, SlotCount> shownVolume =
        balanceShownVolumes(r, in.mixQty, volumeDecimals);
    checkAchievable(r, q);
    priceMix(r, recipe, previous, shownVolume, in.mixQty);
    checkFlavourNames(r, recipe, in);
    setStatus(r, recipe);
    return r;
}

} // namespace kovaq
