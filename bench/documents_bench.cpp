// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Codepage.h"
#include "RecipeFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

using namespace kovaq;

namespace {

MixRecipe fullRecipeWithNotes() {
    MixRecipe r = FreshMix();
    r.Name = "Strawberry Custard";
    for (std::size_t i = 0; i < TextFieldCount; ++i)
        r.texts[i] = IsNameField(textFieldAt(i)) ? "Flavour name" : "12.5";
    for (int i = 0; i < 100; ++i)
        r.Notes.push_back("Steep for two weeks, shake daily, line " + std::to_string(i));
    return r;
}

void BM_SaveRecipe(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("bench.mix").toStdString();
    const MixRecipe r = fullRecipeWithNotes();
    if (!WriteRecipe(path, r))
        state.SkipWithError("cannot write");
    for (auto _ : state)
        benchmark::DoNotOptimize(
            WriteRecipe(path, r)); // over an existing file, as a second save does
}
BENCHMARK(BM_SaveRecipe)->Unit(benchmark::kMicrosecond);

void BM_LoadRecipe(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("bench.mix").toStdString();
    if (!WriteRecipe(path, fullRecipeWithNotes()))
        state.SkipWithError("cannot write");
    for (auto _ : state) {
        LoadedRecipe loaded = LoadRecipe(path);
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_LoadRecipe)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// The save without the disk: read the old content, apply every key, encode.
void BM_SaveRecipeInMemory(benchmark::State& state) {
    const MixRecipe r = fullRecipeWithNotes();
    IniDocument first;
    RecipeToIni(first, r);
    const std::string old = first.toText();
    for (auto _ : state) {
        IniDocument ini(old);
        RecipeToIni(ini, r);
        std::string text = ini.toText();
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_SaveRecipeInMemory)->Unit(benchmark::kMicrosecond);

// The same as a save really composes it: and then the check that the file reads as the
// recipe alone would, whatever it held before.
void BM_SaveRecipeBytes(benchmark::State& state) {
    const MixRecipe r = fullRecipeWithNotes();
    IniDocument first;
    RecipeToIni(first, r);
    const std::string old = EncodeFileText(first.toText());
    for (auto _ : state) {
        std::string bytes = RecipeFileBytes(old, false, r);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_SaveRecipeBytes)->Unit(benchmark::kMicrosecond);

} // namespace

#include "ChildRun.h"

#include <fstream>

namespace {

// A worst case of 32 MiB: the whole file as the reader may take it.
std::string hostileFile(int kind) {
    std::string text;
    text.reserve(static_cast<std::size_t>(MaxRecipeFileBytes));
    for (int i = 0; text.size() + 32 < static_cast<std::size_t>(MaxRecipeFileBytes); ++i) {
        if (kind == 0)
            text += "[Section" + std::to_string(i) + "]\r\n"; // one-line sections
        else if (kind == 1)
            text += "\n"; // empty lines
        else
            text += "[]\n"; // empty sections, all of one name
    }
    return text;
}

void BM_LoadHostileFile(benchmark::State& state) {
    static const char* kNames[] = {"one-line sections", "empty lines", "[] lines"};
    state.SetLabel(kNames[state.range(0)]);
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("hostile.mix").toStdString();
    std::ofstream(path, std::ios::binary) << hostileFile(static_cast<int>(state.range(0)));
    const bool save = state.range(1) != 0;
    bench::RunInChild(state, [&] {
        const LoadedRecipe loaded = LoadRecipe(path);
        if (save)
            benchmark::DoNotOptimize(WriteRecipe(path, loaded.recipe));
    });
}
// Arguments: the kind of file, then 0 to load or 1 to load and save over it.
BENCHMARK(BM_LoadHostileFile)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace

#include "Settings.h"

#include <QSettings>

namespace {

// A settings file of 48 MiB, one damaged value: what the start spends on it, from the
// trimming to the values written back. Argument 1 trims first, as the program does.
void BM_StartWithDamagedSettings(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("Ko-Vaq.conf");
    const bool trim = state.range(0) != 0;
    state.SetLabel(trim ? "trimmed first" : "read as it is");
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(file.toStdString(), std::ios::binary)
            << "[General]\nLayout=Landscape\nLastFile=/" << std::string(48 << 20, 'a') << "\n";
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        if (trim)
            DropDamagedSettings(file);
        QSettings store(file, QSettings::IniFormat);
        benchmark::DoNotOptimize(ReadSettings(store, dir.path()));
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_StartWithDamagedSettings)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
