// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "StashMatch.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kovaq {

// The can-make figures of many recipes against one stash, kept as the stash changes: a
// bottle changed reworks only the recipes that use what it serves. It sits beside a
// library of many thousands of recipes, so it keeps little: each flavour's name once for
// all recipes, and what is short as marks; the names of what is short are made when a
// recipe's figures are asked for.
class MakeableTable {
  public:
    using Id = std::string; // the recipe file's native path

    // What a list shows and sorts by, without the names of what is short.
    struct Figure {
        bool canMake = false;
        double maxMl = 0;
        int missing = 0; // how many of its ingredients are short
    };

    void setBottles(const std::vector<Bottle>& bottles);
    // A bottle added (before null), changed, or removed (after null). Gives the recipes
    // whose figures changed.
    std::vector<Id> bottleChanged(const Bottle* before, const Bottle* after);
    void setRecipe(const Id& id, const RecipeNeeds& needs);
    void removeRecipe(const Id& id);

    std::optional<Makeable> find(const Id& id) const;
    std::optional<Figure> figure(const Id& id) const;
    std::optional<RecipeNeeds> needsOf(const Id& id) const;
    const StashTotals& stash() const { return m_stash; }
    std::size_t size() const { return m_placeOf.size(); }
    // Every recipe's figures, at places that idAt names (a free place is an empty result).
    std::vector<Makeable> results() const;
    std::string_view idAt(std::size_t place) const { return m_ids[place]; }

  private:
    struct Need {
        double ml = 0;
        double onHand = 0;
        std::uint32_t text = 0; // its name and key, in m_texts
        SlotId slot = SlotId::PG;
    };
    // A recipe's needs stand together in m_blocks, from `first`, `count` of them: one block
    // for all recipes, not a block each.
    struct Entry {
        std::uint32_t first = 0;
        std::uint32_t count = 0;
        double volumeMl = 0;
        double baseStrength = 0;
        double maxMl = 0;
        std::uint32_t shortMask = 0; // a bit for each need that is short
        bool mixable = false;
        bool canMake = false;
    };
    struct Text {
        std::string name;
        std::string key;
    };

    std::uint32_t intern(const std::string& name, const std::string& key);
    std::optional<std::uint32_t> placeOf(const Id& id) const;
    Makeable makeableAt(std::uint32_t place) const;
    RecipeNeeds needsAt(std::uint32_t place) const;
    void index(std::uint32_t place, bool add);
    // Sets one need's amount on hand; true when that is news for what is said of it.
    static bool setOnHand(const Entry& e, std::size_t i, Need& need, double onHand);
    bool rework(std::uint32_t place);
    // The figures again from what is on hand; whether they changed.
    bool settle(Entry& e, bool shortMoved) const;
    // Blocks of a fixed size, so that growing never holds twice the room; a recipe's
    // needs never cross from one block into the next.
    static constexpr std::uint32_t kBlock = 4096;
    std::span<Need> needs(const Entry& e) {
        if (e.count == 0)
            return {};
        return {m_blocks[e.first / kBlock].get() + e.first % kBlock, e.count};
    }
    std::span<const Need> needs(const Entry& e) const {
        if (e.count == 0)
            return {};
        return {m_blocks[e.first / kBlock].get() + e.first % kBlock, e.count};
    }
    // Where the next needs go in blocks, after `end` needs' places are taken.
    std::uint32_t place(std::vector<std::unique_ptr<Need[]>>& blocks, std::uint32_t& end,
                        std::uint32_t count);
    // Room for a recipe's needs: its own again when they fit, else new room at the end
    // (the old left unused until unused room is half of all, then all moved together).
    std::uint32_t roomFor(std::uint32_t place, std::uint32_t count);

    StashTotals m_stash;
    std::deque<Entry> m_entries; // grown without a spare half
    std::vector<std::unique_ptr<Need[]>> m_blocks;
    std::uint32_t m_end = 0;  // places taken in the blocks
    std::size_t m_unused = 0; // needs left behind by recipes read again or removed
    // The paths' bytes in blocks of their own (a removed recipe's stay until the table
    // goes: files come and go a few at a time); the views stay where they are.
    std::string_view keep(const Id& id);
    std::vector<std::unique_ptr<char[]>> m_idBlocks;
    char* m_idNext = nullptr; // where the next path goes in the last block
    std::size_t m_idRoom = 0; // bytes left there
    std::deque<std::string_view> m_ids;
    std::vector<std::uint32_t> m_free;
    std::unordered_map<std::string_view, std::uint32_t> m_placeOf;
    std::deque<Text> m_texts; // they stay where they are, so that m_textOf may view them
    // By the name: the key is folded from it, so one name has one key.
    std::unordered_map<std::string_view, std::uint32_t> m_textOf;
    // The recipes that use each flavour; those using a base, PG, VG or vodka/water are found
    // by looking, since nearly every recipe uses those.
    std::unordered_map<std::string, std::vector<std::uint32_t>> m_usersOf;
};

} // namespace kovaq
