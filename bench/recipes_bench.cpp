// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The Recipes list over 10,000 recipes in 100 folders: the first reading, a later start
// from the kept index, a full rescan of the folders while the list is shown, a look at
// unwatched folders, a keystroke in the search, and the memory the list takes; and the
// first index of 2,000 recipes. Then the table of the library at scale, 10,000 and 100,000
// recipes in 1,000 folders, each figure from a fresh process: the memory above the program
// with the list closed, the first index, the next start from the kept index, a search
// keystroke and the longest the window's thread waited while the list filled or searched.
// The recipes are made once, in a folder of the benchmark's own.
#include "DesktopPrompts.h"
#include "RecipeFile.h"
#include "RecipeLibrary.h"
#include "RecipeListModel.h"
#include "RecipesWindow.h"

#include "ChildRun.h"

#include <benchmark/benchmark.h>

#include "FieldMetrics.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <map>
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
        // The bytes a save writes, without a save's care: 100,000 of them are made here.
        std::ofstream(folder + "/recipe" + std::to_string(i) + ".mix", std::ios::binary)
            << RecipeFileBytes(std::string(), false, r);
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
        warm.setSettle(WindowRecipeSettle());
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
    library.setSettle(WindowRecipeSettle()); // as the program reads them
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
        const RecipePollResult found =
            PollRecipeFolders(folders, files, WindowRecipeSettle(), cancelled);
        if (!found.changedFolders.empty() || !found.changed.empty())
            state.SkipWithError("nothing should have changed");
    }
}
BENCHMARK(BM_IdlePoll)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One keystroke in the search over 10,000 recipes, the rows filtered.
void BM_SearchKeystroke(benchmark::State& state) {
    makeRecipes();
    RecipeLibrary library("");
    library.setSettle(WindowRecipeSettle()); // as the program reads them
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
    library.setSettle(WindowRecipeSettle()); // as the program reads them
    library.setFolders({root});
    RecipeListModel model(library);
    const int status = bench::ReportChildWork([&] { readAll(library); });
    std::fprintf(stderr, "  %d recipes, %.1f MB above the program without them\n", library.count(),
                 residentMb() - before);
    return status;
}

// The library at scale. Each figure comes from a fresh process (see childScale), which
// writes them to a file of its own; the table is printed once every run is done.
struct ScaleFigures {
    double seconds = 0;     // to the full list, idle
    double aboveMb = 0;     // resident, above the program with the list closed
    double inUseMb = 0;     // of that, what malloc has handed out and not had back
    double heldMb = 0;      // ... and what it holds free
    double peakMb = 0;      // the process's peak, above the same
    double stallMs = 0;     // the longest the event loop waited while reading
    double keystrokeMs = 0; // a search keystroke, on average
    double slowestKeyMs = 0;
    double drawnMs = 0; // the slowest keystroke with the rows drawn after it
    int recipes = 0;
};
std::map<std::pair<int, bool>, ScaleFigures>& scaleTable() {
    static std::map<std::pair<int, bool>, ScaleFigures> table;
    return table;
}

constexpr int kScaleFolders = 1000;

std::string scaleRoot(int recipes) {
    return workFolder().path().toStdString() + "/scale" + std::to_string(recipes);
}

double mallocMb(bool inUse) {
    const struct mallinfo2 m = ::mallinfo2();
    return static_cast<double>(inUse ? m.uordblks + m.hblkhd : m.fordblks) / (1 << 20);
}

double peakResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

// The longest the event loop waited between two turns while it ran.
class StallWatch {
  public:
    StallWatch() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_since.nsecsElapsed() / 1e6);
            m_since.restart();
        });
        m_since.start();
        m_timer.start();
    }
    double longestMs() const { return m_longest; }

  private:
    QTimer m_timer;
    QElapsedTimer m_since;
    double m_longest = 0;
};

// The child's part: the Recipes window open on the folders, from nothing or from the kept
// index, and (from the kept index) a search typed and taken back letter by letter.
int childScale(bool cached, const std::string& index, const std::string& root,
               const std::string& figuresFile) {
    // The program with the list closed has its fonts and its windows running already.
    benchmark::DoNotOptimize(QFontMetrics(WindowFont()).horizontalAdvance(QStringLiteral("é")));
    DesktopPrompts prompts;
    {
        QWidget shown;
        shown.show();
        QCoreApplication::processEvents();
    }
    const double before = residentMb();
    const double peakBefore = peakResidentMb();
    ScaleFigures f;
    RecipeLibrary library(index);
    library.setSettle(WindowRecipeSettle()); // as the program reads them
    library.setFolders({root});
    RecipesWindow window(library, prompts, nullptr);
    window.show();
    const RecipeListModel& model = window.model();
    // The window's first drawing is its own, not the library's: done before the clock runs.
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    auto watch = std::make_unique<StallWatch>();
    const int status =
        bench::ReportChildWork([&] { f.seconds = untilIdle(library, [&] { library.start(); }); });
    // What is left to the list once the reading is done and its workers are at rest (the
    // last turn of the reading counted in the stalls).
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    f.stallMs = watch->longestMs();
    watch.reset();
    f.recipes = model.rowCount();
    f.aboveMb = residentMb() - before;
    f.peakMb = peakResidentMb() - peakBefore;
    f.inUseMb = mallocMb(true);
    f.heldMb = mallocMb(false);
    if (cached) {
        const QString typed = QStringLiteral("creme 5%");
        std::vector<QString> steps;
        for (int n = 1; n <= typed.size(); ++n)
            steps.push_back(typed.left(n));
        for (int n = typed.size() - 1; n >= 0; --n)
            steps.push_back(typed.left(n));
        double total = 0;
        for (const QString& s : steps) {
            QElapsedTimer t;
            t.start();
            window.searchField()->setText(s);
            const double ms = t.nsecsElapsed() / 1e6; // to the filtered list
            QCoreApplication::processEvents();        // and the rows drawn
            benchmark::DoNotOptimize(model.rowCount());
            total += ms;
            f.slowestKeyMs = std::max(f.slowestKeyMs, ms);
            f.drawnMs = std::max(f.drawnMs, t.nsecsElapsed() / 1e6);
        }
        f.keystrokeMs = total / static_cast<double>(steps.size());
    }
    std::ofstream(figuresFile) << f.seconds << ' ' << f.aboveMb << ' ' << f.inUseMb << ' '
                               << f.heldMb << ' ' << f.peakMb << ' ' << f.stallMs << ' '
                               << f.keystrokeMs << ' ' << f.slowestKeyMs << ' ' << f.drawnMs << ' '
                               << f.recipes;
    return status;
}

// The list open on 10,000 or 100,000 recipes in 1,000 folders: the first index (which
// keeps its index), then a start from it.
void BM_LibraryAtScale(benchmark::State& state) {
    const int recipes = static_cast<int>(state.range(0));
    const bool cached = state.range(1) != 0;
    static std::map<int, bool> made;
    if (!made[recipes])
        makeRecipesIn(scaleRoot(recipes), recipes, kScaleFolders);
    made[recipes] = true;
    const std::string index = scaleRoot(recipes) + ".index";
    const std::string figuresFile = scaleRoot(recipes) + (cached ? ".cached" : ".first");
    state.SetLabel(cached ? "next start, from the kept index" : "first index");
    if (!cached)
        QFile::remove(QString::fromStdString(index));
    bench::RunSelfInChild(state, {"--scale", cached ? "cached" : "first", index, scaleRoot(recipes),
                                  figuresFile}); // the last run's figures are kept
    ScaleFigures f;
    std::ifstream in(figuresFile);
    in >> f.seconds >> f.aboveMb >> f.inUseMb >> f.heldMb >> f.peakMb >> f.stallMs >>
        f.keystrokeMs >> f.slowestKeyMs >> f.drawnMs >> f.recipes;
    state.counters["MB_above"] = f.aboveMb;
    state.counters["KB_per_recipe"] = f.recipes ? f.aboveMb * 1024 / f.recipes : 0;
    state.counters["stall_ms"] = f.stallMs;
    if (cached)
        state.counters["keystroke_ms"] = f.keystrokeMs;
    scaleTable()[{recipes, cached}] = f;
}
BENCHMARK(BM_LibraryAtScale)
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void printScaleTable() {
    auto& table = scaleTable();
    if (table.empty())
        return;
    std::printf("\nThe Recipes library, recipes in %d folders (memory above the program with the "
                "list closed; malloc's share in use / held free; peak above the same)\n",
                kScaleFolders);
    std::printf("%-8s | %-34s | %-34s | %-9s | %-9s | %-15s | %-9s\n", "Recipes",
                "First index: s, MB (use/free), peak", "Next start: s, MB (use/free), peak",
                "KB/recipe", "", "Keystroke ms", "Stall ms");
    std::printf("%-8s | %-34s | %-34s | %-9s | %-9s | %-15s | %-9s\n", "", "", "", "first", "next",
                "mean / slowest", "read/srch");
    for (const int n : {10000, 100000}) {
        const auto first = table.find({n, false});
        const auto next = table.find({n, true});
        if (first == table.end() && next == table.end())
            continue;
        const ScaleFigures a = first != table.end() ? first->second : ScaleFigures{};
        const ScaleFigures b = next != table.end() ? next->second : ScaleFigures{};
        const auto cell = [](const ScaleFigures& f) {
            char out[64];
            std::snprintf(out, sizeof out, "%5.2f s %6.1f (%5.1f/%5.1f) %6.1f", f.seconds,
                          f.aboveMb, f.inUseMb, f.heldMb, f.peakMb);
            return std::string(out);
        };
        const auto per = [](const ScaleFigures& f) {
            return f.recipes ? f.aboveMb * 1024 / f.recipes : 0.0;
        };
        std::printf("%-8d | %-34s | %-34s | %9.2f | %9.2f | %6.2f / %6.2f | %4.0f/%4.0f\n", n,
                    cell(a).c_str(), cell(b).c_str(), per(a), per(b), b.keystrokeMs, b.slowestKeyMs,
                    std::max(a.stallMs, b.stallMs), b.drawnMs);
    }
    // The window's own memory is the same for any count: what each recipe adds is the
    // difference between the two counts.
    const auto each = [&](bool cached) {
        const auto small = table.find({10000, cached});
        const auto large = table.find({100000, cached});
        return small == table.end() || large == table.end()
                   ? 0.0
                   : (large->second.aboveMb - small->second.aboveMb) * 1024 /
                         (large->second.recipes - small->second.recipes);
    };
    std::printf("Each recipe past 10,000: %.2f KB after a first index, %.2f KB after a start "
                "from the kept index\n",
                each(false), each(true));
}

} // namespace

int main(int argc, char** argv) {
    // Recipes are summed up as the window loads them, measured in its font.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 5 && std::string(argv[1]) == "--read")
        return childRead(std::string(argv[2]) == "cached", argv[3], argv[4]);
    if (argc == 4 && std::string(argv[1]) == "--make") { // recipes for a run by hand
        makeRecipesIn(argv[3], std::atoi(argv[2]), kScaleFolders);
        return 0;
    }
    if (argc == 6 && std::string(argv[1]) == "--scale") {
        // The offscreen platform's remarks are not the benchmark's.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(m));
        });
        return childScale(std::string(argv[2]) == "cached", argv[3], argv[4], argv[5]);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printScaleTable();
    return 0;
}
