// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// kovaq-calc: loads a recipe as the window's Open does and prints what the window would
// show, for scripts and for checking the calculation from outside.
#include "EntryRules.h"
#include "Feasibility.h"
#include "FieldMetrics.h"
#include "FileAccess.h"
#include "MixCalculator.h"
#include "Numbers.h"
#include "RecipeFile.h"
#include "ReportRenderer.h"
#include "Reports.h"
#include "Version.h"
#include "Weights.h"

#include <QDate>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace kovaq;

namespace {

const char* kUsage =
    "Usage: kovaq-calc [--json] FILE.mix\n"
    "       kovaq-calc --weights FILE.mix\n"
    "       kovaq-calc --check FILE.mix\n"
    "       kovaq-calc --report summary|details|weights [--notes] [--unused]\n"
    "                  [--text-size 8|10|12|14] [--json | --pdf OUT.pdf] FILE.mix\n"
    "       kovaq-calc --version | --help\n"
    "\n"
    "Loads a Ko-Vaq recipe as the window's Open does and works out the mix.\n"
    "Without --report it prints each ingredient's volume and cost, the total, the\n"
    "status line and the fields that are missing.\n"
    "\n"
    "  --json         print JSON instead of text\n"
    "  --weights      print the weighing table: grams of each ingredient and what the\n"
    "                 scale reads as each goes in\n"
    "  --check        say in one line whether the mix can be made, and if not, what could\n"
    "                 be; exit status 0 when it can, 3 when it cannot\n"
    "  --report KIND  print the summary, details or weights report, one line per line,\n"
    "                 tabs kept\n"
    "  --notes        include the notes in the report\n"
    "  --unused       include unused ingredients (details report)\n"
    "  --text-size N  report text size in points (default 12)\n"
    "  --pdf OUT.pdf  write the report to a PDF (A4, quarter-inch margins)\n"
    "  --version      show the version\n"
    "  --help         show this text\n"
    "\n"
    "Exit status: 0 when done, 1 when the file cannot be read or the output cannot be\n"
    "written, 2 for a wrong command line, 3 when --check finds a mix that cannot be made.\n";

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Fonts need a GUI application, but never a display; it is only made when a text has to
// be measured, which keeps a run on most recipes quick.
class LazyGuiApplication {
  public:
    void ensure() {
        if (m_app)
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's own remarks (no runtime folder, and the like) are not the user's business.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type == QtFatalMsg || type == QtCriticalMsg)
                std::fprintf(stderr, "kovaq-calc: %s\n", m.toLocal8Bit().constData());
        });
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }

  private:
    int m_argc = 1;
    char m_name[11] = "kovaq-calc";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};

QJsonObject recipeJson(const MixRecipe& r) {
    QJsonObject o;
    o["Name"] = q(r.Name);
    for (std::size_t i = 0; i < TextFieldCount; ++i)
        o[q(std::string(FieldKey(textFieldAt(i))))] = q(r.texts[i]);
    for (std::size_t i = 0; i < RatioFieldCount; ++i)
        o[q(std::string(RatioKey(ratioFieldAt(i))))] = r.ratios[i].position;
    o["HiPrecision"] = r.HiPrecision;
    o["IgnoreCost"] = r.IgnoreCost;
    QJsonArray notes;
    for (const std::string& line : r.Notes)
        notes.append(q(line));
    o["Notes"] = notes;
    return o;
}

QJsonObject resultJson(const MixRecipe& recipe, const MixResult& res, const RowLabels& labels) {
    QJsonObject o;
    o["name"] = q(recipe.Name);
    o["recipe"] = recipeJson(recipe);
    QJsonArray slotArray;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotResult& s = res.slots[i];
        QJsonObject so;
        so["slot"] = q(std::string(SlotName(slotAt(i))));
        so["label"] = q(labels.volume[i]);
        so["volume"] = s.Volume;
        so["volumeText"] = q(s.VolumeText);
        so["volumeWarn"] = s.VolumeWarn;
        so["mixCostText"] = q(s.MixCostText);
        so["mixCostWarn"] = s.MixCostWarn;
        slotArray.append(so);
    }
    o["slots"] = slotArray;
    o["totalCostText"] = q(res.TotalCostText);
    o["totalCostWarn"] = res.TotalCostWarn;
    o["costStatusText"] = q(res.CostStatusText);
    o["volStatusText"] = q(res.VolStatusText);
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
        marks.append(q(std::string(FieldKey(f))));
    o["missingMarks"] = marks;
    o["mixStrengthEnabled"] = res.MixStrengthEnabled;
    o["beep"] = res.Beep;
    o["cannotBeAchievedMessage"] = res.ShowCannotBeAchieved;
    const WeightResult weights = ComputeWeights(recipe, res);
    QJsonArray weightSlots;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotWeight& w = weights.slots[i];
        weightSlots.append(QJsonObject{{"slot", q(std::string(SlotName(slotAt(i))))},
                                       {"sg", w.gravity},
                                       {"grams", w.grams},
                                       {"gramsText", q(w.gramsText)},
                                       {"scaleText", q(w.scaleText)}});
    }
    o["weights"] =
        QJsonObject{{"slots", weightSlots}, {"totalGramsText", q(weights.totalGramsText)}};
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
    feasibility["text"] = q(FeasibilityText(f, recipe));
    o["feasibility"] = feasibility;
    return o;
}

// Right-aligned in `width` characters (not bytes: the dash is three bytes of UTF-8).
std::string right(const std::string& text, int width) {
    int chars = 0;
    for (char c : text)
        chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return std::string(static_cast<std::size_t>(std::max(0, width - chars)), ' ') + text;
}

void printWeights(const MixRecipe& recipe, const MixResult& res, const RowLabels& labels) {
    const WeightResult weights = ComputeWeights(recipe, res);
    std::printf("Mix: %s\n\n", recipe.Name.c_str());
    std::printf("%-24s %10s %7s %10s %12s\n", "Ingredient", "ml", "g/ml", "grams", "scale reads");
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotWeight& w = weights.slots[i];
        std::printf("%-24s %10s %7.3f %s %s\n", labels.volume[i].c_str(),
                    res.slots[i].VolumeText.c_str(), w.gravity, right(w.gramsText, 10).c_str(),
                    right(w.scaleText, 12).c_str());
    }
    std::printf("%-24s %10s %7s %s\n", "TOTAL", "", "", right(weights.totalGramsText, 10).c_str());
}

void printTable(const MixRecipe& recipe, const MixResult& res, const RowLabels& labels) {
    std::printf("Mix: %s\n\n", recipe.Name.c_str());
    std::printf("%-24s %12s %12s\n", "Ingredient", "Volume (ml)", "Cost");
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotResult& s = res.slots[i];
        const std::string vol = s.VolumeText + (s.VolumeWarn ? " !" : "");
        const std::string cost = s.MixCostText + (s.MixCostWarn ? " !" : "");
        std::printf("%-24s %12s %12s\n", labels.volume[i].c_str(), vol.c_str(), cost.c_str());
    }
    const std::string total = res.TotalCostText + (res.TotalCostWarn ? " !" : "");
    std::printf("%-24s %12s %12s\n\n", "TOTAL", "", total.c_str());
    std::printf("Status: %s%s\n", res.CostStatusText.c_str(), res.VolStatusText.c_str());
    if (res.TooStrong)
        std::printf("The mix is too strong for this base.\n");
    if (res.ShowCannotBeAchieved)
        std::printf("%s\n", std::string(CannotBeAchievedCaption).c_str());
    const std::vector<TextField> marks = res.MissingMarks.toVector();
    if (!marks.empty()) {
        std::printf("Missing:");
        for (TextField f : marks)
            std::printf(" %s", std::string(FieldKey(f)).c_str());
        std::printf("\n");
    }
    std::printf("(! marks a text shown in red)\n");
}

QJsonObject reportJson(const ReportDocument& doc) {
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

void printJson(const QJsonObject& o) {
    const QByteArray bytes = QJsonDocument(o).toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

// Everything printed must have reached its destination: a full disk or a closed pipe is a
// failure, not a success.
int finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "kovaq-calc: cannot write the output: %s\n",
                     std::strerror(errno ? errno : EIO));
        return 1;
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    LazyGuiApplication gui; // outlives everything that measures or draws
    bool json = false;
    bool weights = false;
    bool check = false;
    bool notes = false;
    bool unused = false;
    int textSize = 12;
    std::string report;
    std::string pdf;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return finish(0);
        }
        if (arg == "--version") {
            std::printf("kovaq-calc %s\n%s", std::string(Version).c_str(),
                        std::string(LicenceNotice).c_str());
            return finish(0);
        }
        const bool hasValue = i + 1 < argc;
        if (arg == "--json") {
            json = true;
        } else if (arg == "--weights") {
            weights = true;
        } else if (arg == "--check") {
            check = true;
        } else if (arg == "--notes") {
            notes = true;
        } else if (arg == "--unused") {
            unused = true;
        } else if (arg == "--report" && hasValue) {
            report = argv[++i];
            if (report != "summary" && report != "details" && report != "weights") {
                std::fprintf(stderr, "kovaq-calc: --report takes summary, details or weights\n");
                return 2;
            }
        } else if (arg == "--text-size" && hasValue) {
            const std::string v = argv[++i];
            if (v != "8" && v != "10" && v != "12" && v != "14") {
                std::fprintf(stderr, "kovaq-calc: --text-size takes 8, 10, 12 or 14\n");
                return 2;
            }
            textSize = std::stoi(v);
        } else if (arg == "--pdf" && hasValue) {
            pdf = argv[++i];
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            std::fprintf(stderr, "kovaq-calc: unknown option %s\n\n%s", QuotedName(arg).c_str(),
                         kUsage);
            return 2;
        } else if (path.empty()) {
            path = arg;
        } else {
            std::fprintf(stderr, "kovaq-calc: only one file at a time\n");
            return 2;
        }
    }
    if (path.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (report.empty() && (!pdf.empty() || notes || unused)) {
        std::fprintf(stderr, "kovaq-calc: --pdf, --notes and --unused go with --report\n");
        return 2;
    }

    // The path stays the bytes it was given: a name that is not UTF-8 still opens. A ratio
    // stored without a position keeps what a freshly started window holds (0 % PG, no
    // text), as the window's start-up reload does.
    const LoadedRecipe loaded = LoadRecipe(path, MixRecipe{});
    if (!loaded.readable) {
        std::fprintf(stderr, "kovaq-calc: cannot read %s: %s\n", QuotedName(path).c_str(),
                     loaded.reason.c_str());
        return 1;
    }
    if (loaded.truncated)
        std::fprintf(stderr,
                     "kovaq-calc: warning: %s is longer than %d MiB; only its first %d MiB "
                     "were read\n",
                     QuotedName(path).c_str(), static_cast<int>(MaxRecipeFileBytes >> 20),
                     static_cast<int>(MaxRecipeFileBytes >> 20));

    // The fields as the window holds them: too-wide texts cut, numbers tidied.
    const FieldMeasure measure([&gui] { gui.ensure(); });
    MixRecipe recipe = SettleLoadedRecipe(loaded.recipe, measure);
    // The captions a fresh window shows once the file is in.
    RowLabels labels;
    for (std::size_t i = 0; i < SlotCount; ++i)
        if (auto name = NameField(slotAt(i)); name && !recipe[*name].empty())
            labels.applyName(slotAt(i), recipe[*name]);
    const MixResult result = Recalculate(recipe, VolumeDecimalsFor(recipe.HiPrecision));
    labels.applyResets(result);
    // A base without nicotine empties the strength field, as in the window.
    if (result.ClearMixStrength)
        recipe[TextField::MixStrength].clear();

    if (!report.empty()) {
        const ReportInputs inputs =
            MakeReportInputs(recipe, result, labels, notes, unused, textSize);
        ReportDocument doc;
        if (report == "summary")
            BuildSummaryReport(doc, inputs);
        else if (report == "details")
            BuildDetailsReport(doc, inputs);
        else
            BuildWeightsReport(
                doc, inputs, ComputeWeights(recipe, result),
                QLocale::c().toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy")));
        if (!pdf.empty()) {
            gui.ensure();
            if (!ExportReportPdf(doc, PathFromNative(pdf))) {
                std::fprintf(stderr, "kovaq-calc: cannot write %s\n", QuotedName(pdf).c_str());
                return 1;
            }
            return finish(0);
        }
        if (json) {
            printJson(reportJson(doc));
        } else {
            for (const ReportLine& line : doc.lines()) {
                const QByteArray text = line.text.toUtf8() + '\n';
                std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
            }
        }
        return finish(0);
    }
    if (json && weights) {
        std::fprintf(stderr, "kovaq-calc: --json holds the weights already\n");
        return 2;
    }
    if (check) {
        // One line for scripts that check a folder of recipes.
        if (result.VolumesOk) {
            std::printf("can be made\n");
            return finish(0);
        }
        std::string why;
        if (ParseNumber(recipe[TextField::MixQty]) <= 0)
            why = "nothing to make: the volume to make is 0";
        else if (const std::string figures = FeasibilityText(ComputeFeasibility(recipe), recipe);
                 !figures.empty())
            why = figures;
        else
            why = result.TooStrong ? "too strong for this base" : "cannot be made";
        std::printf("%s\n", why.c_str());
        return finish(3);
    }
    if (json)
        printJson(resultJson(recipe, result, labels));
    else if (weights)
        printWeights(recipe, result, labels);
    else
        printTable(recipe, result, labels);
    return finish(0);
}
