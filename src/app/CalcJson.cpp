// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "CalcJson.h"

#include "EntryRules.h"
#include "Feasibility.h"
#include "QtText.h"
#include "RecipeJson.h"
#include "ReportRenderer.h"
#include "Weights.h"

#include <QJsonArray>

namespace kovaq {
QJsonObject ResultJson(const MixRecipe& recipe, const MixResult& res, const RowLabels& labels) {
    QJsonObject o;
    o["name"] = ToQString(recipe.Name);
    o["recipe"] = RecipeToJson(recipe);
    QJsonArray slotArray;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotResult& s = res.slots[i];
        QJsonObject so;
        so["slot"] = ToQString(std::string(SlotName(slotAt(i))));
        so["label"] = ToQString(labels.volume[i]);
        so["volume"] = s.Volume;
        so["volumeText"] = ToQString(s.VolumeText);
        so["volumeWarn"] = s.VolumeWarn;
        so["mixCostText"] = ToQString(s.MixCostText);
        so["mixCostWarn"] = s.MixCostWarn;
        slotArray.append(so);
    }
    o["slots"] = slotArray;
    o["totalCostText"] = ToQString(res.TotalCostText);
    o["totalCostWarn"] = res.TotalCostWarn;
    o["costStatusText"] = ToQString(res.CostStatusText);
    o["volStatusText"] = ToQString(res.VolStatusText);
    QJsonObject flags;
    flags["volumesOk"] = res.VolumesOk;
    flags["costsComplete"] = res.CostsComplete;
    flags["costsOk"] = res.CostsOk;
    flags["tooStrong"] = res.TooStrong;
    flags["cannotBeAchieved"] = res.CannotBeAchieved;
    flags["infoComplete"] = res.InfoComplete;
    o["flags"] = flags;
    QJsonArray marks;
    for (TextField f : res.MissingMarks.toVector())
        marks.append(ToQString(std::string(FieldKey(f))));
    o["missingMarks"] = marks;
    o["mixStrengthEnabled"] = res.MixStrengthEnabled;
    o["beep"] = res.Beep;
    o["cannotBeAchievedMessage"] = res.ShowCannotBeAchieved;
    const WeightResult weights = ComputeWeights(recipe, res);
    QJsonArray weightSlots;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotWeight& w = weights.slots[i];
        weightSlots.append(QJsonObject{{"slot", ToQString(std::string(SlotName(slotAt(i))))},
                                       {"sg", w.gravity},
                                       {"grams", w.grams},
                                       {"gramsText", ToQString(w.gramsText)},
                                       {"scaleText", ToQString(w.scaleText)}});
    }
    o["weights"] =
        QJsonObject{{"slots", weightSlots}, {"totalGramsText", ToQString(weights.totalGramsText)}};
    const Feasibility f = ComputeFeasibility(recipe);
    QJsonObject feasibility;
    feasibility["ratioRange"] =
        f.ratioRange ? QJsonValue(QJsonArray{f.ratioRange->first, f.ratioRange->second})
                     : QJsonValue(QJsonValue::Null);
    feasibility["nearestRatio"] =
        f.nearestRatio
            ? QJsonValue(QString::fromUtf8(RatioListText(*f.nearestRatio).data()).trimmed())
            : QJsonValue(QJsonValue::Null);
    feasibility["maxStrength"] =
        f.maxStrength ? QJsonValue(*f.maxStrength) : QJsonValue(QJsonValue::Null);
    feasibility["flavourScale"] =
        f.flavourScale ? QJsonValue(*f.flavourScale) : QJsonValue(QJsonValue::Null);
    feasibility["text"] = ToQString(FeasibilityText(f, recipe));
    o["feasibility"] = feasibility;
    return o;
}

QJsonObject ReportJson(const ReportDocument& doc) {
    QJsonArray lines;
    for (const ReportLine& line : doc.lines()) {
        QJsonObject o;
        o["text"] = line.text;
        QJsonArray tabs;
        for (int stop : line.tabs.stops)
            tabs.append(stop);
        o["tabs"] = tabs;
        QJsonArray runs;
        for (const FormatRun& r : FormatRuns(line))
            runs.append(QJsonObject{{"start", r.start},
                                    {"length", r.length},
                                    {"bold", r.format.bold},
                                    {"size", r.format.size}});
        o["runs"] = runs;
        lines.append(o);
    }
    return QJsonObject{{"lines", lines}};
}

} // namespace kovaq
