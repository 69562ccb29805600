// kovaq-calc: loads a recipe as the window's Open does and prints what the window would
// show, for scripts and for checking the calculation from outside.
#include "EntryRules.h"
#include "MixCalculator.h"
#include "RecipeFile.h"
#include "ReportRenderer.h"
#include "Reports.h"

#include <QGuiApplication>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

using namespace kovaq;

namespace {

const char* kUsage =
    "Usage: kovaq-calc [--json] FILE.mix\n"
    "       kovaq-calc --report summary|details [--notes] [--unused]\n"
    "                  [--text-size 8|10|12|14] [--json | --pdf OUT.pdf] FILE.mix\n"
    "\n"
    "Loads a Ko-Vaq recipe as the window's Open does and works out the mix.\n"
    "Without --report it prints each ingredient's volume and cost, the total, the\n"
    "status line and the fields that are missing.\n"
    "\n"
    "  --json         print JSON instead of text\n"
    "  --report KIND  print the summary or details report, one line per line, tabs kept\n"
    "  --notes        include the notes in the report\n"
    "  --unused       include unused ingredients (details report)\n"
    "  --text-size N  report text size in points (default 12)\n"
    "  --pdf OUT.pdf  write the report to a PDF (A4, quarter-inch margins)\n"
    "  --help         show this text\n";

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

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

QJsonObject resultJson(const MixRecipe& recipe, const MixResult& res) {
    QJsonObject o;
    o["name"] = q(recipe.Name);
    o["recipe"] = recipeJson(recipe);
    QJsonArray slotArray;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotResult& s = res.slots[i];
        QJsonObject so;
        so["slot"] = q(std::string(SlotName(slotAt(i))));
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
    return o;
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

} // namespace

int main(int argc, char** argv) {
    bool json = false;
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
            return 0;
        }
        const bool hasValue = i + 1 < argc;
        if (arg == "--json") {
            json = true;
        } else if (arg == "--notes") {
            notes = true;
        } else if (arg == "--unused") {
            unused = true;
        } else if (arg == "--report" && hasValue) {
            report = argv[++i];
            if (report != "summary" && report != "details") {
                std::fprintf(stderr, "kovaq-calc: --report takes summary or details\n");
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
            std::fprintf(stderr, "kovaq-calc: unknown option %s\n\n%s", arg.c_str(), kUsage);
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

    // The path stays the bytes it was given: a name that is not UTF-8 still opens.
    const LoadedRecipe loaded = LoadRecipe(path);
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
    const MixRecipe& recipe = loaded.recipe;
    // The captions a fresh window shows once the file is in.
    RowLabels labels;
    for (std::size_t i = 0; i < SlotCount; ++i)
        if (auto name = NameField(slotAt(i)); name && !recipe[*name].empty())
            labels.applyName(slotAt(i), recipe[*name]);
    const MixResult result = Recalculate(recipe, VolumeDecimalsFor(recipe.HiPrecision));
    labels.applyResets(result);

    if (!report.empty()) {
        const ReportInputs inputs =
            MakeReportInputs(recipe, result, labels, notes, unused, textSize);
        ReportDocument doc;
        if (report == "summary")
            BuildSummaryReport(doc, inputs);
        else
            BuildDetailsReport(doc, inputs);
        if (!pdf.empty()) {
            // Fonts need a GUI application, but never a display.
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            int appArgc = 1;
            QGuiApplication app(appArgc, argv);
            if (!ExportReportPdf(doc, QString::fromStdString(pdf))) {
                std::fprintf(stderr, "kovaq-calc: cannot write %s\n", pdf.c_str());
                return 1;
            }
            return 0;
        }
        if (json) {
            std::cout
                << QJsonDocument(reportJson(doc)).toJson(QJsonDocument::Indented).toStdString();
        } else {
            for (const ReportLine& line : doc.lines())
                std::cout << line.text.toStdString() << '\n';
        }
        return 0;
    }
    if (!pdf.empty() || notes || unused) {
        std::fprintf(stderr, "kovaq-calc: --pdf, --notes and --unused go with --report\n");
        return 2;
    }
    if (json) {
        std::cout << QJsonDocument(resultJson(recipe, result))
                         .toJson(QJsonDocument::Indented)
                         .toStdString();
    } else {
        printTable(recipe, result, labels);
    }
    return 0;
}
