// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "CalcTools.h"

#include "MixCalculator.h"
#include "QtText.h"
#include "Shots.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace kovaq {
namespace {

QJsonArray linesOf(const std::vector<std::string>& lines) {
    QJsonArray a;
    for (const std::string& l : lines)
        a.append(ToQString(l));
    return a;
}

QJsonValue orNull(const std::optional<double>& v) {
    return v ? QJsonValue(*v) : QJsonValue();
}

const char* addName(BatchFix::Add a) {
    switch (a) {
    case BatchFix::Add::Carrier:
        return "carrier";
    case BatchFix::Add::Base:
        return "base";
    case BatchFix::Add::PG:
        return "PG";
    case BatchFix::Add::VG:
        return "VG";
    case BatchFix::Add::Nothing:
        break;
    }
    return "nothing";
}

} // namespace

int RunShotsTool(const CalcOptions& o) {
    // As a new mix in the window shows them: its precision, the default gravities and dropper.
    ShotsDisplay display;
    display.volumeDecimals = VolumeDecimalsFor(true);
    display.scaleResolution = o.scale;
    const std::vector<double>& f = o.figures;
    std::vector<std::string> lines;
    std::string problem;
    QJsonObject json;
    if (o.tool == "shots") {
        ShotsInput in;
        in.liquidMl = f[0];
        in.bottleMl = f[1];
        in.shotMg = f[2];
        in.shotMl = f[3];
        in.targetMg = f[4];
        const ShotsPlan p = PlanShots(in, display);
        lines = p.lines;
        problem = p.problem;
        QJsonArray whole;
        for (const WholeShots& w : p.nearest)
            whole.append(QJsonObject{{"shots", w.shots},
                                     {"strength", w.strength},
                                     {"volume", w.volume},
                                     {"overflows", w.overflows}});
        if (problem.empty())
            json = {{"exactMl", p.exactMl},
                    {"exactGrams", p.exactGrams},
                    {"overflows", p.exactOverflows},
                    {"nearest", whole},
                    {"volume", p.volume},
                    {"pgPercent", p.pgPercent}};
    } else {
        BatchFix fix;
        if (o.tool == "dilute") {
            StrengthFixInput in;
            in.batchMl = f[0];
            in.batchMg = f[1];
            in.targetMg = f[2];
            in.baseMg = o.baseMg.value_or(0);
            fix = FixStrength(in, display);
        } else {
            RatioFixInput in;
            in.batchMl = f[0];
            in.batchPg = f[1];
            in.targetPg = f[2];
            fix = FixRatio(in, display);
        }
        lines = fix.lines;
        problem = fix.problem;
        if (problem.empty())
            json = {{"add", addName(fix.add)},    {"addMl", fix.addMl},
                    {"addGrams", fix.addGrams},   {"volume", fix.volume},
                    {"pgPercent", fix.pgPercent}, {"strength", orNull(fix.strength)}};
    }
    if (o.json) {
        json.insert(QStringLiteral("problem"),
                    problem.empty() ? QJsonValue() : QJsonValue(ToQString(problem)));
        json.insert(QStringLiteral("lines"), linesOf(lines));
        std::fputs(QJsonDocument(json).toJson().constData(), stdout);
    } else {
        for (const std::string& l : lines)
            std::printf("%s\n", l.c_str());
    }
    return problem.empty() ? 0 : 3;
}

} // namespace kovaq
