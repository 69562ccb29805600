// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The Recipes list over 10,000 recipes in 100 folders: the first reading, a later start
// from the kept index, a keystroke in the search, and the memory the list takes. The
// recipes are made once, in a folder of the benchmark's own.
#include "RecipeFile.h"
#include "RecipeLibrary.h"
#include "RecipeListModel.h"

#include "ChildRun.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <fstream>
#include <random>

using namespace kovaq;

namespace {

constexpr int kFolders = 100;
constexpr int kRecipes = 10000;

QTemporaryDir& workFolder() {
    static QTemporaryDir dir;
    return dir;
}

std::string recipesRoot() {
    return workFolder().path().toStdString() + "/recipes";
}

// 10,000 recipes of the kind people keep: names, a few flavours, a few notes.
void makeRecipes() {
    static bool made = false;
    if (made)
        return;
    made = true;
    static const char* const flavours[] = {
        "Lemon",   "Strawberry", "Vanilla Custard", "Cream",  "Crème brûlée", "Cherry",
        "Menthol", "Tobacco",    "Caramel",         "Banana", "Apple",        "Coconut"};
    std::mt19937 rng(11);
    for (int i = 0; i < kRecipes; ++i) {
        const std::string folder = recipesRoot() + "/folder" + std::to_string(i % kFolders);
        if (i < kFolders)
            QDir().mkpath(QString::fromStdString(folder));
        MixRecipe r = FreshMix();
        r.Name = std::string(flavours[rng() % 12]) + " mix " + std::to_string(i);
        r[TextField::MixQty] = std::to_string(10 + rng() % 100);
        r[TextField::MixStrength] = std::to_string(rng() % 12);
        r[TextField::BaseNicStrength] = "36";
        for (int f = 0; f < 3; ++f) {
            r[*NameField(flavourSlot(static_cast<std::size_t>(f)))] = flavours[rng() % 12];
            r[*PercentField(flavourSlot(static_cast<std::size_t>(f)))] =
                std::to_string(1 + rng() % 10);
        }
        r.Notes = {"Steep for a week", "Shake daily", "Recipe number " + std::to_string(i)};
        WriteRecipe(folder + "/recipe" + std::to_string(i) + ".mix", r);
    }
}

double residentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

// Reads the folders until the library is idle; the seconds it took.
double readAll(RecipeLibrary& library) {
    QElapsedTimer timer;
    timer.start();
    QEventLoop loop;
    QObject::connect(&library, &RecipeLibrary::idle, &loop, &QEventLoop::quit);
    library.start();
    if (library.reading())
        loop.exec();
    return timer.nsecsElapsed() / 1e9;
}

// In a fresh process: the first reading (no kept index) or a later start (with one).
void BM_ReadRecipeFolders(benchmark::State& state) {
    makeRecipes();
    const bool cached = state.range(0) != 0;
    state.SetLabel(cached ? "later start, from the kept index" : "first reading, 10,000 files");
    const std::string index = workFolder().path().toStdString() + "/index";
    if (!cached)
        QFile::remove(QString::fromStdString(index));
    else {
        RecipeLibrary warm(index); // make the index once
        warm.setFolders({recipesRoot()});
        readAll(warm);
    }
    bench::RunSelfInChild(state, {"--read", cached ? "cached" : "first", index, recipesRoot()});
}
BENCHMARK(BM_ReadRecipeFolders)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// One keystroke in the search over 10,000 recipes, the rows filtered.
void BM_SearchKeystroke(benchmark::State& state) {
    makeRecipes();
    RecipeLibrary library("");
    library.setFolders({recipesRoot()});
    readAll(library);
    RecipeListModel model(library);
    const QString typed = QStringLiteral("creme 5%");
    int i = 0;
    for (auto _ : state) {
        model.setQuery(typed.left(1 + i++ % typed.size()));
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

// The child's part: one reading, timed; the memory it took goes to standard error.
int childRead(bool cached, const std::string& index, const std::string& root) {
    const double before = residentMb();
    RecipeLibrary library(cached ? index : std::string());
    library.setFolders({root});
    RecipeListModel model(library);
    const int status = bench::ReportChildWork([&] { readAll(library); });
    std::fprintf(stderr, "  %d recipes, %.1f MB above the program without them\n", library.count(),
                 residentMb() - before);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 5 && std::string(argv[1]) == "--read")
        return childRead(std::string(argv[2]) == "cached", argv[3], argv[4]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
