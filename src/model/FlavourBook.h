// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "RecipeIndex.h"
#include "StashStore.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace kovaq {

class RecipeLibrary;

// One flavour's share in one recipe.
struct FlavourShare {
    QString name;
    double percent = 0;
};

// What the user's own recipes say about one flavour.
struct FlavourFigures {
    QString key;  // FlavourKey of its name: a maker in brackets is part of it
    QString name; // as the first recipe read spells it
    int recipes = 0;
    double minPercent = 0;
    double medianPercent = 0; // of an even count, the mean of the two in the middle
    double maxPercent = 0;
    bool operator==(const FlavourFigures&) const = default;
};

// Every flavour with a share across many recipes, grouped by FlavourKey.
class FlavourBook {
  public:
    // A recipe's flavours; one flavour in two of its rows counts once, at both shares added.
    void addRecipe(const std::vector<FlavourShare>& shares);
    // Those of a recipe file as the Recipes list read it (none for one that is no recipe).
    void addEntry(const RecipeEntry& entry);
    // Every recipe the library lists.
    void addLibrary(const RecipeLibrary& library);

    // By name, in any case.
    std::vector<FlavourFigures> figures() const;
    // Those of a flavour's name as typed; none when no recipe uses it.
    std::optional<FlavourFigures> figuresOf(const QString& name) const;

  private:
    struct Flavour {
        QString key;
        QString name;
        std::vector<double> shares; // one a recipe
    };
    std::size_t flavourOf(const QString& name);
    FlavourFigures figuresOf(const Flavour& f) const;

    std::vector<Flavour> m_flavours;
    std::unordered_map<std::string, std::size_t> m_byKey;
    std::unordered_map<std::string, std::size_t> m_bySpelling; // a name as typed, folded once
};

// "Lemon (TPA): in 12 of your recipes, 2–6 %, usually 4 %", for the share field's tip.
QString FlavourHint(const FlavourFigures& figures);
// The tip of a flavour's share field for the name typed in its row; empty when no recipe
// uses that flavour with a share.
QString FlavourHintOf(const FlavourBook& book, const QString& name);

// When each flavour (by its FlavourKey) was last mixed: the newest of the batches, read
// whole, whose recipe put some of it in.
using LastMixedTimes = QHash<QString, std::int64_t>;
LastMixedTimes LastMixed(const std::vector<Batch>& wholeBatches);

// One flavour as the Flavours tab shows it: what the recipes say, what the stash holds of
// it (the bottles that would serve it in a recipe), when it was last mixed, and what the
// user keeps about it.
struct FlavourRow {
    FlavourFigures figures;
    double onHandMl = 0;
    std::int64_t lastMixed = 0; // milliseconds since 1970; 0 for never
    FlavourNote note;           // named as the book names the flavour
};
std::vector<FlavourRow> FlavourRows(const FlavourBook& book, const std::vector<Bottle>& bottles,
                                    const LastMixedTimes& lastMixed,
                                    const std::vector<FlavourNote>& notes);

} // namespace kovaq
