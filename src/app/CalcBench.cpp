// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "CalcBench.h"
#include "CalcList.h"

#include "FileAccess.h"
#include "FlavourBook.h"
#include "MixCalculator.h"
#include "Numbers.h"
#include "QtText.h"
#include "RecipeFile.h"
#include "RecipeIndex.h"
#include "RecipeNeeds.h"
#include "RecipeSearch.h"
#include "StashCsv.h"
#include "StashMatch.h"
#include "StashStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace kovaq {
namespace {

QString dbPath(const CalcOptions& o) {
    return o.db.empty() ? StashStore::DefaultPath() : PathFromNative(o.db);
}

void say(const QString& text) {
    std::fprintf(stderr, "kovaq-calc: %s\n", text.toLocal8Bit().constData());
}

void write(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

void writeJson(const QJsonDocument& doc) {
    const QByteArray bytes = doc.toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

QString number(double v) {
    return ToQString(FormatNumber(RoundDecimals(v, 2)));
}

// A field of a tab-separated line: a tab or line break in a name would add a field or a
// line, so those are written as escapes, and the backslash that starts one as two.
QString field(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return text;
}

std::unique_ptr<StashStore> openForReading(const CalcOptions& o) {
    auto store = std::make_unique<StashStore>(dbPath(o));
    const StashStore::State state = store->open(true);
    if (state != StashStore::State::ReadOnly && state != StashStore::State::ReadWrite) {
        say(store->problem());
        return nullptr;
    }
    if (!store->problem().isEmpty())
        say(QStringLiteral("warning: ") + store->problem());
    return store;
}

// One recipe file as the Recipes window reads it: its row, and what it takes from the
// stash from the same calculation.
struct Recipe {
    RecipeEntry entry;
    RecipeNeeds needs;
    std::string sortName;
};

Recipe readRecipe(const std::string& native, const RecipeSettle& settle) {
    Recipe r;
    r.entry = SummarizeRecipeFile(native, settle);
    r.sortName = MakeSearchKey(r.entry).name;
    if (r.entry.problem.empty()) {
        const MixRecipe recipe = settle(LoadRecipe(native).recipe);
        r.needs = NeedsOfMix(recipe, Recalculate(recipe));
    }
    return r;
}

// Every recipe below the folders, in the Recipes window's first order: by name, then file.
std::vector<Recipe> readFolders(const CalcOptions& o, bool& allRead) {
    const RecipeWalk walk = WalkRecipeFolders(o.folders);
    const WindowSettle window;
    std::vector<Recipe> out;
    out.reserve(walk.files.size());
    for (const std::string& file : walk.files)
        out.push_back(readRecipe(file, window.settle));
    std::sort(out.begin(), out.end(), [](const Recipe& a, const Recipe& b) {
        return a.sortName != b.sortName ? a.sortName < b.sortName : a.entry.native < b.entry.native;
    });
    for (const std::string& f : walk.unreadable)
        std::fprintf(stderr, "kovaq-calc: cannot read the folder %s\n", QuotedName(f).c_str());
    allRead = walk.unreadable.empty();
    return out;
}

int makeable(const CalcOptions& o) {
    const auto store = openForReading(o);
    if (!store)
        return 1;
    const StashTotals stash(store->bottles());
    bool allRead = true;
    const std::vector<Recipe> recipes = readFolders(o, allRead);
    QJsonArray list;
    if (!o.json)
        write(QStringLiteral("Name\tCan make\tUp to (ml)\tMissing\tFile\n"));
    for (const Recipe& r : recipes) {
        const Makeable m = CanMake(r.needs, stash);
        const QString path = PathFromNative(r.entry.native);
        const QString problem = !r.entry.problem.empty() ? ToQString(r.entry.problem)
                                : !r.needs.mixable       ? ToQString(r.entry.status)
                                                         : QString();
        if (o.json) {
            QJsonArray missing;
            for (const Shortfall& s : m.missing)
                missing.append(QJsonObject{{"slot", ToQString(std::string(SlotName(s.slot)))},
                                           {"name", s.name},
                                           {"needMl", s.needMl},
                                           {"onHandMl", s.onHandMl}});
            list.append(QJsonObject{{"path", path},
                                    {"name", ToQString(r.entry.name)},
                                    {"canMake", m.canMake},
                                    {"maxMl", m.maxMl},
                                    {"missing", missing},
                                    {"problem", problem.isEmpty() ? QJsonValue(QJsonValue::Null)
                                                                  : QJsonValue(problem)}});
            continue;
        }
        QStringList short_;
        for (const Shortfall& s : m.missing)
            short_ << QStringLiteral("%1 %2 ml (%3 on hand)")
                          .arg(s.name, number(s.needMl), number(s.onHandMl));
        const QString made = !problem.isEmpty() ? problem
                             : m.canMake        ? QStringLiteral("yes")
                                                : QStringLiteral("no");
        write(field(ToQString(r.entry.name)) + QLatin1Char('\t') + field(made) + QLatin1Char('\t') +
              number(m.maxMl) + QLatin1Char('\t') + field(short_.join(QStringLiteral(", "))) +
              QLatin1Char('\t') + field(path) + QLatin1Char('\n'));
    }
    if (o.json)
        writeJson(QJsonDocument(list));
    return allRead ? 0 : 1;
}

int flavours(const CalcOptions& o) {
    bool allRead = true;
    FlavourBook book;
    for (const Recipe& r : readFolders(o, allRead))
        book.addEntry(r.entry);
    QJsonArray list;
    if (!o.json)
        write(QStringLiteral("Flavour\tRecipes\tLowest %\tMedian %\tHighest %\n"));
    for (const FlavourFigures& f : book.figures()) {
        if (o.json) {
            list.append(QJsonObject{{"name", f.name},
                                    {"recipes", f.recipes},
                                    {"minPercent", f.minPercent},
                                    {"medianPercent", f.medianPercent},
                                    {"maxPercent", f.maxPercent}});
            continue;
        }
        write(field(f.name) + QLatin1Char('\t') + QString::number(f.recipes) + QLatin1Char('\t') +
              number(f.minPercent) + QLatin1Char('\t') + number(f.medianPercent) +
              QLatin1Char('\t') + number(f.maxPercent) + QLatin1Char('\n'));
    }
    if (o.json)
        writeJson(QJsonDocument(list));
    return allRead ? 0 : 1;
}

int shopping(const CalcOptions& o) {
    const WindowSettle window;
    std::vector<Recipe> recipes;
    for (const std::string& file : o.folders) {
        recipes.push_back(readRecipe(file, window.settle));
        if (!recipes.back().entry.problem.empty()) {
            std::fprintf(stderr, "kovaq-calc: cannot read %s: %s\n", QuotedName(file).c_str(),
                         recipes.back().entry.problem.c_str());
            return 1;
        }
    }
    const auto store = openForReading(o);
    if (!store)
        return 1;
    std::vector<ShoppingOrder> orders;
    for (const Recipe& r : recipes)
        orders.push_back({&r.needs, 0, ToQString(r.entry.name)});
    const ShoppingList list = MakeShoppingList(orders, StashTotals(store->bottles()));
    if (o.csv) {
        const std::string csv = ShoppingListCsv(list);
        std::fwrite(csv.data(), 1, csv.size(), stdout);
    } else if (o.json) {
        QJsonArray items;
        for (const ShoppingItem& i : list.items)
            items.append(QJsonObject{{"name", i.name},
                                     {"needMl", i.needMl},
                                     {"onHandMl", i.onHandMl},
                                     {"shortMl", i.shortMl},
                                     {"bottleMl", i.bottleMl},
                                     {"bottles", i.bottles},
                                     {"price", i.price},
                                     {"cost", i.cost()}});
        writeJson(
            QJsonDocument(QJsonObject{{"items", items},
                                      {"unmixable", QJsonArray::fromStringList(list.unmixable)},
                                      {"cost", list.cost()}}));
    } else {
        write(ShoppingListText(list));
    }
    return 0;
}

int stashCsv(const CalcOptions& o) {
    const auto store = openForReading(o);
    if (!store)
        return 1;
    const std::string csv = StashCsv(store->bottles());
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    return 0;
}

int stashImport(const CalcOptions& o) {
    const FileBytes file = ReadRegularFile(o.stashImport, MaxStashCsvBytes + 1);
    if (file.status != ReadStatus::Ok) {
        std::fprintf(stderr, "kovaq-calc: cannot read %s: %s\n", QuotedName(o.stashImport).c_str(),
                     ReadStatusText(file).c_str());
        return 1;
    }
    if (file.truncated || file.bytes.size() > MaxStashCsvBytes) {
        std::fprintf(stderr, "kovaq-calc: %s is longer than %d MiB: nothing was imported\n",
                     QuotedName(o.stashImport).c_str(), static_cast<int>(MaxStashCsvBytes >> 20));
        return 1;
    }
    // Written only as the window writes it: holding the stash's lock, or not at all.
    StashStore store(dbPath(o));
    if (store.open(false) != StashStore::State::ReadWrite) {
        say(store.problem() + QStringLiteral(" Nothing was imported."));
        return 1;
    }
    StashImport import = ReadStashCsv(file.bytes, store.bottles());
    if (!import.error.isEmpty()) {
        say(import.error + QStringLiteral(" Nothing was imported."));
        return 1;
    }
    if (const auto error = store.importBottles(import)) {
        say(*error + QStringLiteral(". Nothing was imported."));
        return 1;
    }
    for (const RefusedLine& r : import.refused)
        say(QStringLiteral("line %1: %2").arg(r.line).arg(r.reason));
    write(QStringLiteral("Added %1, updated %2, unchanged %3, refused %4.\n")
              .arg(import.added.size())
              .arg(import.updated.size())
              .arg(import.unchanged)
              .arg(import.refused.size()));
    return import.refused.empty() ? 0 : 3;
}

} // namespace

bool IsBenchCommand(const CalcOptions& o) {
    return o.makeable || o.flavours || o.shopping || !o.stashImport.empty() || (o.stash && o.csv);
}

int RunBenchCommand(const CalcOptions& o) {
    if (o.makeable)
        return makeable(o);
    if (o.flavours)
        return flavours(o);
    if (o.shopping)
        return shopping(o);
    if (!o.stashImport.empty())
        return stashImport(o);
    return stashCsv(o);
}

} // namespace kovaq
