// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MixCalculator.h"

#include "Numbers.h"

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
    // Step 6: the base. Its shares of PG and VG are rounded to thousandths, as every share.
    if (in.mixStrength != 0.0 && in.baseStrength != 0.0) {
        q.baseVolume = in.mixStrength / in.baseStrength * in.mixQty;
        q.pgCarried += RoundDecimals(in.basePg * q.baseVolume * 0.01, 3);
        q.vgCarried += RoundDecimals((100 - in.basePg) * q.baseVolume * 0.01, 3);
    }
    // Step 7: flavours, then vodka/water.
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
        // Step 8: plain PG and VG make up the rest. Binary fractions leave a trace of
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
    // Step 10: a base volume beyond the mix (with 0.1 ml to spare) is too strong; rounding
    // noise at the very edge does not count.
    q.tooStrong = q.baseVolume - (in.mixQty + 0.1) > RoundingNoise(in.mixQty);
    return q;
}

MixResult Recalculate(const MixRecipe& recipe, int volumeDecimals, const MixResult& previous) {
    MixResult r;
    r.InfoComplete = true;
    r.VolumesOk = true;
    r.CostsComplete = true;
    r.CostsOk = false;

    // Step 3: every number is read once; later steps never re-read the fields.
    const MixInputs in = ReadInputs(recipe);
    const MixQuantities q = ComputeQuantities(in);
    const double mixQty = in.mixQty;
    r.PgCarried = q.pgCarried;
    r.VgCarried = q.vgCarried;
    r.OtherVolume = q.otherVolume;

    // Step 5: no nicotine in the base, so no strength can be asked for.
    SlotResult& base = r[SlotId::NicBase];
    r.MixStrengthEnabled = in.baseStrength != 0.0;
    if (in.baseStrength == 0.0)
        r.ClearMixStrength = !recipe[TextField::MixStrength].empty();

    // Step 6: nicotine base.
    base.Volume = q.baseVolume;
    base.VolumeText = "0";
    if (in.mixStrength != 0.0 && in.baseStrength != 0.0) {
        if (mixQty == 0.0) {
            r.MissingMarks.insert(TextField::MixQty);
            r.VolumesOk = false;
        }
        base.VolumeText = shown(base.Volume, volumeDecimals);
    }

    // Step 7: flavours, then vodka/water.
    for (std::size_t f = 0; f <= FlavourCount; ++f) {
        SlotResult& s = r.slots[index(SlotId::Flav1) + f];
        s.Volume = q.volume[f];
        s.VolumeText = "0";
        if (in.percent[f] == 0.0)
            continue;
        if (mixQty == 0.0) {
            r.MissingMarks.insert(TextField::MixQty);
            r.VolumesOk = false;
            continue;
        }
        s.VolumeText = shown(s.Volume, volumeDecimals);
    }

    // Step 8: plain PG and VG make up the rest.
    SlotResult& pg = r[SlotId::PG];
    SlotResult& vg = r[SlotId::VG];
    if (mixQty == 0.0) {
        pg = SlotResult{};
        vg = SlotResult{};
        r.VolumesOk = false;
    } else {
        r.PgTopUp = q.pgTopUp;
        r.VgTopUp = q.vgTopUp;
        pg.Volume = r.PgTopUp;
        vg.Volume = r.VgTopUp;
        pg.VolumeText = shown(r.PgTopUp, volumeDecimals);
        vg.VolumeText = shown(r.VgTopUp, volumeDecimals);
        pg.VolumeWarn = r.PgTopUp < 0;
        vg.VolumeWarn = r.VgTopUp < 0;
    }

    // Step 9: make the shown volumes add up to the volume to make. The texts are read
    // back, since that is what the user measures.
    std::array<double, SlotCount> shownVolume{};
    double shownTotal = 0.0;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        shownVolume[i] = ParseNumber(r.slots[i].VolumeText);
        shownTotal += shownVolume[i];
    }
    if (mixQty - shownTotal != 0.0) {
        const double rest = mixQty - shownTotal;
        const double p = shownVolume[index(SlotId::PG)];
        const double v = shownVolume[index(SlotId::VG)];
        if (v < p) {
            pg.VolumeText = shown(p + rest, volumeDecimals);
            shownVolume[index(SlotId::PG)] = ParseNumber(pg.VolumeText);
        } else if (vg.VolumeText != "0") {
            vg.VolumeText = shown(v + rest, volumeDecimals);
            shownVolume[index(SlotId::VG)] = ParseNumber(vg.VolumeText);
        }
    }

    // Step 10: a base volume beyond the mix (with 0.1 ml to spare) is too strong.
    if (!q.tooStrong) {
        r.TooStrong = false;
        base.VolumeWarn = false;
    } else {
        r.TooStrong = true;
        r.VolumesOk = false;
        base.VolumeWarn = true;
        r.MissingMarks.insert(TextField::MixStrength);
        r.Beep = true;
    }

    // Step 11: a negative top-up cannot be poured.
    if ((r.PgTopUp < 0 || r.VgTopUp < 0) && !r.TooStrong) {
        r.CannotBeAchieved = true;
        r.VolumesOk = false;
        r.ShowCannotBeAchieved = true;
    }

    // Step 12: costs, unless they are ignored.
    if (recipe.IgnoreCost) {
        for (std::size_t i = 0; i < SlotCount; ++i) {
            r.slots[i].MixCostText = "N/A";
            r.slots[i].MixCostWarn = previous.slots[i].MixCostWarn;
        }
        r.TotalCostText = "N/A";
        r.TotalCostWarn = previous.TotalCostWarn;
    } else {
        priceSlots(recipe, r, shownVolume);
        r.CostsOk = r.CostsComplete && mixQty != 0.0;
    }

    // Step 13: every flavour in use needs a name.
    for (std::size_t f = 0; f < FlavourCount; ++f) {
        const SlotId slot = flavourSlot(f);
        const double percent = in.percent[f];
        const bool nameEmpty = recipe[*NameField(slot)].empty();
        if (percent != 0.0 && nameEmpty) {
            r.MissingMarks.insert(*NameField(slot));
            r.InfoComplete = false;
        } else if (percent == 0.0 && nameEmpty) {
            r.ResetFlavourCaption[f] = true;
        }
    }

    // Step 14: cost status.
    if (recipe.IgnoreCost) {
        r.CostStatusText = "Cost Ignored, ";
        r.CostStatusColour = TextColour::Warning;
    } else if (r.CostsOk) {
        r.CostStatusText = "Cost OK, ";
        r.CostStatusColour = TextColour::Ok;
        r.TotalCostWarn = false;
    } else {
        r.CostStatusText = "Cost Pending, ";
        r.CostStatusColour = TextColour::Warning;
        r.TotalCostWarn = !r.CostsComplete;
        r.InfoComplete = false;
    }

    // Step 15: volume status.
    if (r.VolumesOk) {
        r.VolStatusText = "Volumes OK";
        r.VolStatusColour = TextColour::Ok;
    } else {
        r.VolStatusText = "Vols Pending";
        r.VolStatusColour = TextColour::Warning;
        r.InfoComplete = false;
    }
    return r;
}

} // namespace kovaq
