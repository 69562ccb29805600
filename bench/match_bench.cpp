// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// What can be made from the stash at 10,000 recipes and 1,000 bottles: the whole "Can make"
// column (the stash read into totals and every recipe matched), one bottle's edit followed
// (a flavour's, which few recipes use, and PG's, which all do), and the flavour book of
// 10,000 recipes, and what the column and the book keep on the heap beside the Recipes
// window. Targets: 50 ms, 5 ms, 100 ms and 5 MB.
#include "FlavourBook.h"
#include "FlavourName.h"
#include "MakeableTable.h"
#include "StashMatch.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <random>

using namespace kovaq;

namespace {

constexpr int kRecipes = 10000;
constexpr int kBottles = 1000;
constexpr int kFlavours = 800;
const char* const kMakers[] = {"TPA", "CAP", "FA", "FW", "INW"};

QString flavourName(int i) {
    return QStringLiteral("Flavour %1").arg(i);
}

// Recipes of four flavours each, a fifth of them naming the maker in brackets, at 3 or 6 mg.
struct Library {
    std::vector<RecipeNeeds> needs;
    std::vector<RecipeEntry> entries;
    std::vector<Bottle> bottles;
};

const Library& library() {
    static const Library lib = [] {
        Library l;
        std::mt19937 random(3);
        for (int r = 0; r < kRecipes; ++r) {
            RecipeNeeds n;
            n.mixable = true;
            n.volumeMl = 30;
            n.baseStrength = r % 2 ? 18 : 36;
            n.ingredients = {{SlotId::NicBase, "Base", "", 5},
                             {SlotId::PG, "", "", 8},
                             {SlotId::VG, "", "", 12}};
            RecipeEntry e;
            e.native = "/recipes/" + std::to_string(r) + ".mix";
            for (int f = 0; f < 4; ++f) {
                QString name = flavourName(static_cast<int>(random() % kFlavours));
                if (random() % 5 == 0)
                    name += QStringLiteral(" (%1)").arg(QLatin1String(kMakers[random() % 5]));
                const double percent = 1 + random() % 8;
                n.ingredients.push_back({flavourSlot(static_cast<std::size_t>(f)),
                                         name.toStdString(), FlavourKey(name).toStdString(),
                                         0.3 * percent});
                e.flavours.push_back({name.toStdString(), std::to_string(percent)});
            }
            l.needs.push_back(std::move(n));
            l.entries.push_back(std::move(e));
        }
        for (int b = 0; b < kBottles; ++b) {
            Bottle bottle;
            bottle.id = b + 1;
            bottle.onHand = static_cast<double>(random() % 30);
            bottle.size = 10;
            if (b < 10) {
                bottle.kind = b < 4   ? BottleKind::NicotineBase
                              : b < 7 ? BottleKind::PG
                                      : BottleKind::VG;
                bottle.strength = b % 2 ? 18 : 36;
                bottle.onHand = 500;
            } else {
                bottle.kind = BottleKind::Flavour;
                bottle.name = flavourName(static_cast<int>(random() % kFlavours));
                bottle.maker = QLatin1String(kMakers[random() % 5]);
            }
            l.bottles.push_back(bottle);
        }
        return l;
    }();
    return lib;
}

MakeableTable filledTable() {
    MakeableTable table;
    const Library& l = library();
    for (int r = 0; r < kRecipes; ++r)
        table.setRecipe(l.entries[static_cast<std::size_t>(r)].native,
                        l.needs[static_cast<std::size_t>(r)]);
    return table;
}

// The column for every recipe: the stash read afresh and each recipe matched.
void BM_CanMakeColumn(benchmark::State& state) {
    const Library& l = library();
    MakeableTable table = filledTable();
    for (auto _ : state) {
        table.setBottles(l.bottles);
        benchmark::DoNotOptimize(table.figure(l.entries.front().native));
    }
    int makeable = 0;
    for (const RecipeEntry& e : l.entries)
        makeable += table.figure(e.native)->canMake ? 1 : 0;
    state.counters["makeable"] = makeable;
}
BENCHMARK(BM_CanMakeColumn)->Unit(benchmark::kMillisecond);

// One bottle's on hand changed: 0 for a flavour's, 1 for the PG that every recipe uses.
void BM_FollowOneEdit(benchmark::State& state) {
    const Library& l = library();
    MakeableTable table = filledTable();
    table.setBottles(l.bottles);
    Bottle bottle = l.bottles[state.range(0) ? 5 : 500];
    std::size_t told = 0;
    for (auto _ : state) {
        const Bottle before = bottle;
        bottle.onHand = bottle.onHand > 0 ? 0 : 500;
        told += table.bottleChanged(&before, &bottle).size();
    }
    state.counters["recipesChanged"] =
        benchmark::Counter(static_cast<double>(told), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FollowOneEdit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The flavour book of every recipe, from the Recipes list's rows.
void BM_FlavourBook(benchmark::State& state) {
    const Library& l = library();
    for (auto _ : state) {
        FlavourBook book;
        for (const RecipeEntry& e : l.entries)
            book.addEntry(e);
        benchmark::DoNotOptimize(book.figures());
    }
}
BENCHMARK(BM_FlavourBook)->Unit(benchmark::kMillisecond);

// The heap the column (every recipe's needs and the stash's totals) and the flavour book
// take, over what the library's rows take already.
double heapMb() {
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

void BM_MemoryBesideTheList(benchmark::State& state) {
    const Library& l = library();
    double table = 0;
    double book = 0;
    for (auto _ : state) {
        const double before = heapMb();
        MakeableTable t = filledTable();
        t.setBottles(l.bottles);
        table = heapMb() - before;
        FlavourBook b;
        for (const RecipeEntry& e : l.entries)
            b.addEntry(e);
        benchmark::DoNotOptimize(b.figures());
        book = heapMb() - before - table;
    }
    state.counters["tableMB"] = table;
    state.counters["bookMB"] = book;
}
BENCHMARK(BM_MemoryBesideTheList)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
