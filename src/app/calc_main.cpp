// kovaq-calc: loads a recipe as the window's Open does and prints what the window would
// show, for scripts and for checking the calculation from outside.
#include "EntryRules.h"
#include "MixCalculator.h"
#include "RecipeFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

using namespace kovaq;

namespace {

const char* kUsage = "Usage: kovaq-calc [--json] FILE.mix\n"
                     "\n"
                     "Loads a Ko-Vaq recipe, works out the mix and prints each ingredient's\n"
                     "volume and cost, the total, the status line and the fields that are\n"
                     "missing.\n"
                     "\n"
                     "  --json   print one JSON object instead of a table\n"
                     "  --help   show this text\n";

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

} // namespace

int main(int argc, char** argv) {
    bool json = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--json") {
            json = true;
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

    const LoadedRecipe loaded = LoadRecipe(path);
    if (!loaded.readable) {
        std::fprintf(stderr, "kovaq-calc: cannot read %s\n", path.c_str());
        return 1;
    }
    const MixRecipe& recipe = loaded.recipe;
    // The captions a fresh window shows once the file is in.
    RowLabels labels;
    for (std::size_t i = 0; i < SlotCount; ++i)
        if (auto name = NameField(slotAt(i)); name && !recipe[*name].empty())
            labels.applyName(slotAt(i), recipe[*name]);
    const MixResult result = Recalculate(recipe, VolumeDecimalsFor(recipe.HiPrecision));
    labels.applyResets(result);

    if (json) {
        std::cout << QJsonDocument(resultJson(recipe, result))
                         .toJson(QJsonDocument::Indented)
                         .toStdString();
    } else {
        printTable(recipe, result, labels);
    }
    return 0;
}
