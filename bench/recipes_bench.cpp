// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The Recipes list over 10,000 recipes in 100 folders: the first reading, a later start
// from the kept index, a full rescan of the folders while the list is shown, a look at
// unwatched folders, a keystroke in the search, and the memory the list takes; and the
// first index of 2,000 recipes. The
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
#include <functional>
#include <random>

using namespace kovaq;

namespace {

constexpr int kFolders = 100;
constexpr int kRecipes = 10000;
constexpr int kSmallFolders = 20;
constexpr int kSmallRecipes = 2000;

QTemporaryDir& workFolder() {
    static QTemporaryDir dir;
    return dir;
}

std::string recipesRoot() {
    return workFolder().path().toStdString() + "/recipes";
}

std::string smallRoot() {
    return workFolder().path().toStdString() + "/small";
}

// Recipes of the kind people keep: names, a few flavours, a few notes.
void makeRecipesIn(const std::string& root, int recipes, int folders) {
    static const char* const flavours[] = {
        "Lemon",   "Strawberry", "Vanilla Custard", "Cream",  "Crème brûlée", "Cherry",
        "Menthol", "Tobacco",    "Caramel",         "Banana", "Apple",        "Coconut"};
    std::mt19937 rng(11);
    for (int i = 0; i < recipes; ++i) {
        const std::string folder = root + "/folder" + std::to_string(i % folders);
        if (i < folders)
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

void makeRecipes() {
    static bool made = false;
    if (!made)
        makeRecipesIn(recipesRoot(), kRecipes, kFolders);
    made = true;
}

void makeSmallRecipes() {
    static bool made = false;
    if (!made)
        makeRecipesIn(smallRoot(), kSmallRecipes, kSmallFolders);
    made = true;
}

double residentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

// Runs `begin` and the event loop until the library is idle; the seconds it took.
double untilIdle(RecipeLibrary& library, const std::function<void()>& begin) {
    QElapsedTimer timer;
    timer.start();
    QEventLoop loop;
    QObject::connect(&library, &RecipeLibrary::idle, &loop, &QEventLoop::quit);
    begin();
    if (library.reading())
        loop.exec();
    return timer.nsecsElapsed() / 1e9;
}

// Reads the folders until the library is idle; the seconds it took.
double readAll(RecipeLibrary& library) {
    return untilIdle(library, [&] { library.start(); });
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

// The first index of 2,000 recipes in 20 folders, in a fresh process with the list shown.
void BM_FirstIndex2000(benchmark::State& state) {
    makeSmallRecipes();
    state.SetLabel("first index, 2,000 files");
    bench::RunSelfInChild(state, {"--read", "first", std::string(), smallRoot()});
}
BENCHMARK(BM_FirstIndex2000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The folders read again from top to bottom, nothing changed, while the list of 10,000 is
// shown: what a rescan costs the program (and, where watches ran out, each poll).
void BM_FullRescan(benchmark::State& state) {
    makeRecipes();
    const std::string index = workFolder().path().toStdString() + "/rescan-index";
    RecipeLibrary library(index);
    library.setFolders({recipesRoot()});
    RecipeListModel model(library);
    readAll(library);
    for (auto _ : state)
        state.SetIterationTime(untilIdle(library, [&] { library.rescan(); }));
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_FullRescan)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// Where folders cannot be watched, one look at them when nothing changed: each folder's
// time compared with the one held (every few looks the files' too, as measured here).
void BM_IdlePoll(benchmark::State& state) {
    makeRecipes();
    const RecipeWalk walk = WalkRecipeFolders({recipesRoot()});
    std::vector<std::pair<std::string, std::int64_t>> folders;
    for (std::size_t i = 0; i < walk.folders.size(); ++i)
        folders.emplace_back(walk.folders[i], walk.folderTimes[i]);
    std::vector<std::pair<std::string, FileStamp>> files;
    if (state.range(0) != 0)
        for (std::size_t i = 0; i < walk.files.size(); ++i)
            files.emplace_back(walk.files[i], walk.stamps[i]);
    state.SetLabel(state.range(0) != 0 ? "101 folders and 10,000 files" : "101 folders");
    const std::atomic<bool> cancelled{false};
    for (auto _ : state) {
        const RecipePollResult found = PollRecipeFolders(folders, files, cancelled);
        if (!found.changedFolders.empty() || !found.changed.empty())
            state.SkipWithError("nothing should have changed");
    }
}
BENCHMARK(BM_IdlePoll)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
