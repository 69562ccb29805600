// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// kovaq-calc: loads a recipe as the window's Open does and prints what the window would
// show, for scripts and for checking the calculation from outside.
#include "BottleLabels.h"
#include "CalcBench.h"
#include "CalcJson.h"
#include "CalcList.h"
#include "CalcOptions.h"
#include "CalcShare.h"
#include "CalcStash.h"
#include "CalcTools.h"
#include "CoreTexts.h"
#include "Feasibility.h"
#include "FieldMetrics.h"
#include "FileAccess.h"
#include "Language.h"
#include "LazyGui.h"
#include "MixDocument.h"
#include "MixSession.h"
#include "Numbers.h"
#include "QtText.h"
#include "RecipeFile.h"
#include "ReportRenderer.h"
#include "Reports.h"
#include "Settings.h"
#include "Shots.h"
#include "StashPlan.h"
#include "Version.h"
#include "Weights.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QLocale>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace kovaq;

namespace {

// Characters, not bytes: the dash is three bytes of UTF-8, and so are many letters of other
// languages than English.
int charsOf(const std::string& text) {
    int chars = 0;
    for (char c : text)
        chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return chars;
}

std::string padding(const std::string& text, int width) {
    return std::string(static_cast<std::size_t>(std::max(0, width - charsOf(text))), ' ');
}

// Right-aligned in `width` characters.
std::string right(const std::string& text, int width) {
    return padding(text, width) + text;
}

// Left-aligned in `width` characters.
std::string left(const std::string& text, int width) {
    return text + padding(text, width);
}

// The words of the text output, in the reader's language (JSON keeps its English keys).
std::string said(const QString& text) {
    return text.toStdString();
}

std::string cannotWrite(const std::string& path, const std::string& reason) {
    return said(QCoreApplication::translate("kovaq::Calc", "kovaq-calc: cannot write %1: %2")
                    .arg(ToQString(QuotedName(path)), ToQString(reason)));
}

std::string mixLine(const MixRecipe& recipe) {
    return said(QCoreApplication::translate("kovaq::Calc", "Mix: %1").arg(ToQString(recipe.Name))) +
           "\n\n";
}

void printWeights(const MixRecipe& recipe, const MixResult& res, const RowLabels& labels) {
    const WeightResult weights = ComputeWeights(recipe, res);
    std::fputs(mixLine(recipe).c_str(), stdout);
    std::printf("%s %10s %7s %s %s\n",
                left(said(QCoreApplication::translate("kovaq::Calc", "Ingredient")), 24).c_str(),
                "ml", "g/ml",
                right(said(QCoreApplication::translate("kovaq::Calc", "grams")), 10).c_str(),
                right(said(QCoreApplication::translate("kovaq::Calc", "scale reads")), 12).c_str());
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotWeight& w = weights.slots[i];
        // The point, never the desktop's separator (the application takes its C locale).
        const std::string gravity = QString::number(w.gravity, 'f', 3).toStdString();
        std::printf("%s %10s %7s %s %s\n", left(labels.volume[i], 24).c_str(),
                    res.slots[i].VolumeText.c_str(), gravity.c_str(),
                    right(w.gramsText, 10).c_str(), right(w.scaleText, 12).c_str());
    }
    std::printf("%s %10s %7s %s\n",
                left(said(QCoreApplication::translate("kovaq::Calc", "TOTAL")), 24).c_str(), "", "",
                right(weights.totalGramsText, 10).c_str());
}

void printTable(const MixRecipe& recipe, const MixResult& res, const RowLabels& labels) {
    // Costs that are not worked out say so in the reader's language.
    const auto costOf = [&recipe](const std::string& text) {
        return recipe.IgnoreCost ? said(QCoreApplication::translate("kovaq::Calc", "N/A")) : text;
    };
    std::fputs(mixLine(recipe).c_str(), stdout);
    std::printf("%s %s %s\n",
                left(said(QCoreApplication::translate("kovaq::Calc", "Ingredient")), 24).c_str(),
                right(said(QCoreApplication::translate("kovaq::Calc", "Volume (ml)")), 12).c_str(),
                right(said(QCoreApplication::translate("kovaq::Calc", "Cost")), 12).c_str());
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotResult& s = res.slots[i];
        const std::string vol = s.VolumeText + (s.VolumeWarn ? " !" : "");
        const std::string cost = costOf(s.MixCostText) + (s.MixCostWarn ? " !" : "");
        std::printf("%s %12s %12s\n", left(labels.volume[i], 24).c_str(), vol.c_str(),
                    cost.c_str());
    }
    const std::string total = costOf(res.TotalCostText) + (res.TotalCostWarn ? " !" : "");
    std::printf("%s %12s %12s\n\n",
                left(said(QCoreApplication::translate("kovaq::Calc", "TOTAL")), 24).c_str(), "",
                total.c_str());
    //: The status line: its cost part (%1), then its volume part (%2).
    std::printf("%s\n", said(QCoreApplication::translate("kovaq::Calc", "Status: %1%2")
                                 .arg(ToQString(res.CostStatusText), ToQString(res.VolStatusText)))
                            .c_str());
    if (res.TooStrong)
        std::printf("%s\n", said(QCoreApplication::translate(
                                     "kovaq::Calc", "The mix is too strong for this base."))
                                .c_str());
    if (res.ShowCannotBeAchieved)
        std::printf("%s\n",
                    said(QCoreApplication::translate(StatusContext, CannotBeAchievedCaption.data()))
                        .c_str());
    const std::vector<TextField> marks = res.MissingMarks.toVector();
    if (!marks.empty()) {
        // The fields by their keys in the recipe file, which do not change with the language.
        std::string keys;
        for (TextField f : marks)
            keys += " " + std::string(FieldKey(f));
        //: %1 is the recipe file's keys of the fields, each after a space.
        std::printf(
            "%s\n",
            said(QCoreApplication::translate("kovaq::Calc", "Missing:%1").arg(ToQString(keys)))
                .c_str());
    }
    std::printf(
        "%s\n",
        said(QCoreApplication::translate("kovaq::Calc", "(! marks a text shown in red)")).c_str());
}

void printJson(const QJsonObject& o) {
    const QByteArray bytes = QJsonDocument(o).toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

// Everything printed must have reached its destination: a full disk or a closed pipe is a
// failure, not a success.
int finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "%s\n",
                     said(QCoreApplication::translate("kovaq::Calc",
                                                      "kovaq-calc: cannot write the output: %1")
                              .arg(QString::fromLocal8Bit(std::strerror(errno ? errno : EIO))))
                         .c_str());
        return 1;
    }
    return status;
}

// The report asked for, as text, JSON or a PDF.
int printReport(const CalcOptions& o, const MixDocument& doc, LazyGuiApplication& gui) {
    const MixRecipe recipe = doc.recipeWithNotes();
    const ReportInputs inputs =
        MakeReportInputs(recipe, doc.result(), doc.rowLabels(), o.notes, o.unused, o.textSize);
    ReportDocument report;
    QPageSize page(QPageSize::A4);
    double margin = 0.25;
    if (o.report == "label") {
        // A batch of the mix as Mix It would record it today, on its label.
        gui.ensure();
        const Batch batch = MakeBatch(doc, PathFromNative(o.path), o.steepDays, QString(),
                                      QDateTime::currentMSecsSinceEpoch());
        LabelInputs in = LabelInputsOf(batch);
        in.name = ToQString(recipe.Name);
        in.baseMaker = BaseMakerFromStash(o, doc);
        page = LabelPage(LabelSizeFromText(ToQString(o.labelSize)).value_or(LabelSize::Small));
        margin = LabelMarginInches;
        FitLabelReport(report, in, page.size(QPageSize::Millimeter));
    } else if (o.report == "summary")
        BuildSummaryReport(report, inputs);
    else if (o.report == "details")
        BuildDetailsReport(report, inputs);
    else {
        const WeightResult weights = ComputeWeights(recipe, doc.result());
        BuildWeightsReport(report, inputs, weights, SheetDate(QDate::currentDate()),
                           SmallAmountHints(doc.result(), weights, o.scale, DefaultDropsPerMl));
    }
    if (!o.pdf.empty()) {
        gui.ensure();
        if (const WriteResult written =
                ExportReportPdf(report, PathFromNative(o.pdf), page, margin);
            !written) {
            std::fprintf(stderr, "%s\n", cannotWrite(o.pdf, written.reason()).c_str());
            return 1;
        }
        return finish(0);
    }
    if (o.json) {
        printJson(ReportJson(report));
    } else {
        for (const ReportLine& line : report.lines()) {
            const QByteArray text = line.text.toUtf8() + '\n';
            std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
        }
    }
    return finish(0);
}

// One line for scripts that check a folder of recipes; 3 when the mix cannot be made.
int printCheck(const MixDocument& doc) {
    std::printf("%s\n", MadeOrWhyNot(doc.recipe(), doc.result()).c_str());
    return finish(doc.result().VolumesOk ? 0 : 3);
}

} // namespace

int main(int argc, char** argv) {
    LazyGuiApplication gui; // outlives everything that measures or draws
    const ParsedCalcOptions parsed = ParseCalcOptions(argc, argv);
    const CalcOptions& o = parsed.options;
    // What scripts read (JSON, CSV, the list's columns) stays English; what people read is in
    // their language, a wrong command line and the usage included.
    if (!o.json && !o.csv && !o.list)
        InstallCoreTexts();
    // In the language the window speaks, chosen as it chooses it; English needs no
    // translation, and then no application is made for one.
    if (!o.json && !o.csv && !o.list) {
        const QString language = PickLanguage(QSettings(SettingsFilePath(), QSettings::IniFormat)
                                                  .value(QLatin1String("Language"))
                                                  .toString());
        if (language != QLatin1String("en")) {
            gui.ensure();
            InstallTranslations(language);
        }
    }
    if (!parsed.error.empty() || parsed.usageError) {
        if (!parsed.error.empty())
            std::fprintf(
                stderr, "kovaq-calc: %s\n",
                parsed
                    .said(said(QCoreApplication::translate("kovaq::CalcOptions", parsed.errorText)))
                    .c_str());
        if (parsed.usageError)
            std::fputs(said(QCoreApplication::translate("kovaq::CalcOptions", CalcUsage)).c_str(),
                       stderr);
        return 2;
    }
    if (o.help) {
        std::fputs(said(QCoreApplication::translate("kovaq::CalcOptions", CalcUsage)).c_str(),
                   stdout);
        return finish(0);
    }
    if (o.version) {
        std::printf("kovaq-calc %s\n%s", std::string(Version).c_str(),
                    std::string(LicenceNotice).c_str());
        return finish(0);
    }

    if (o.list)
        return finish(ListRecipes(o));
    if (!o.tool.empty())
        return finish(RunShotsTool(o));
    // The store is read where the window keeps it.
    QCoreApplication::setOrganizationName(QLatin1String(OrganisationName));
    QCoreApplication::setApplicationName(QLatin1String(ApplicationName));
    if (IsBenchCommand(o)) {
        gui.ensure(); // the database driver is a plug-in, found through the application
        return finish(RunBenchCommand(o));
    }
    if (o.stash || o.batches) {
        gui.ensure(); // the database driver is a plug-in, found through the application
        return finish(o.stash ? PrintStash(o) : PrintBatches(o));
    }

    if (o.share == "from-json") {
        return finish(RecipeFromJson(o));
    }

    // The file loads through the window's own document, as a freshly started window reloads
    // it: the same width rule (measured in the window's font, the fonts started only when a
    // text could be too wide), the same number check, the same calculation. The path stays
    // the bytes it was given: a name that is not UTF-8 still opens.
    MixSession session(WindowFieldRule([&gui] { gui.ensure(); }));
    MixDocument& doc = session.document();
    if (o.share == "from-text")
        return finish(RecipeFromText(o, doc));
    const MixDocument::LoadOutcome loaded = doc.load(o.path);
    if (!loaded.readable) {
        std::fprintf(
            stderr, "%s\n",
            said(QCoreApplication::translate("kovaq::Calc", "kovaq-calc: cannot read %1: %2")
                     .arg(ToQString(QuotedName(o.path)), ToQString(loaded.reason)))
                .c_str());
        return 1;
    }
    if (loaded.truncated)
        std::fprintf(
            stderr, "%s\n",
            said(QCoreApplication::translate(
                     "kovaq::Calc",
                     "kovaq-calc: warning: %1 is longer than %2 MiB; only its first %2 "
                     "MiB were read")
                     .arg(ToQString(QuotedName(o.path)), QString::number(MaxRecipeFileBytes >> 20)))
                .c_str());

    if (o.share == "to-text")
        return finish(PrintRecipeText(o, doc, [&gui] { gui.ensure(); }));
    if (o.share == "to-json")
        return finish(PrintRecipeJson(doc));
    if (!o.report.empty())
        return printReport(o, doc, gui);
    if (o.check)
        return printCheck(doc);
    const MixRecipe recipe = doc.recipeWithNotes();
    if (o.json)
        printJson(ResultJson(recipe, doc.result(), doc.rowLabels()));
    else if (o.weights)
        printWeights(recipe, doc.result(), doc.rowLabels());
    else
        printTable(recipe, doc.result(), doc.rowLabels());
    return finish(0);
}
