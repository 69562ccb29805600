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
    WriteRecipe(path, r);
    for (auto _ : state)
        WriteRecipe(path, r); // over an existing file, as a second save does
}
BENCHMARK(BM_SaveRecipe)->Unit(benchmark::kMicrosecond);

void BM_LoadRecipe(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("bench.mix").toStdString();
    WriteRecipe(path, fullRecipeWithNotes());
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

} // namespace
