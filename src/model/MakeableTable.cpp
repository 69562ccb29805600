// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MakeableTable.h"

#include "QtText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

namespace kovaq {

static_assert(SlotCount <= 32, "a need's mark is a bit of 32");

std::uint32_t MakeableTable::intern(const std::string& name, const std::string& key) {
    if (const auto it = m_textOf.find(name); it != m_textOf.end() && m_texts[it->second].key == key)
        return it->second;
    const auto id = static_cast<std::uint32_t>(m_texts.size());
    m_texts.push_back({name, key});
    m_textOf.try_emplace(std::string_view(m_texts.back().name), id);
    return id;
}

std::string_view MakeableTable::keep(const Id& id) {
    constexpr std::size_t kIdBlock = 64 * 1024;
    if (id.size() > m_idRoom) {
        const std::size_t size = std::max(kIdBlock, id.size());
        m_idBlocks.push_back(std::make_unique<char[]>(size));
        m_idNext = m_idBlocks.back().get();
        m_idRoom = size;
    }
    char* at = m_idNext;
    std::copy(id.begin(), id.end(), at);
    m_idNext += id.size();
    m_idRoom -= id.size();
    return {at, id.size()};
}

std::optional<std::uint32_t> MakeableTable::placeOf(const Id& id) const {
    const auto it = m_placeOf.find(std::string_view(id));
    if (it == m_placeOf.end())
        return std::nullopt;
    return it->second;
}

bool MakeableTable::setOnHand(const Entry& e, std::size_t i, Need& need, double onHand) {
    if (onHand == need.onHand)
        return false;
    // What is said of a short need names what is on hand; the others only count.
    const bool wasShort = (e.shortMask >> i) & 1U;
    need.onHand = onHand;
    return wasShort || !EnoughOnHand(onHand, need.ml);
}

bool MakeableTable::settle(Entry& e, bool shortMoved) const {
    double ratio = std::numeric_limits<double>::infinity();
    std::uint32_t mask = 0;
    if (e.mixable) {
        const std::span<const Need> all = needs(e);
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Need& n = all[i];
            if (!(n.ml > 0))
                continue;
            ratio = std::min(ratio, n.onHand / n.ml);
            if (!EnoughOnHand(n.onHand, n.ml))
                mask |= 1U << i;
        }
    }
    const bool canMake = e.mixable && mask == 0;
    const double maxMl = e.mixable ? MostToMake(e.volumeMl, ratio, canMake) : 0.0;
    const bool changed =
        shortMoved || mask != e.shortMask || canMake != e.canMake || maxMl != e.maxMl;
    e.shortMask = mask;
    e.canMake = canMake;
    e.maxMl = maxMl;
    return changed;
}

bool MakeableTable::rework(std::uint32_t place) {
    Entry& e = m_entries[place];
    const std::span<Need> all = needs(e);
    bool shortMoved = false;
    for (std::size_t i = 0; i < all.size(); ++i) {
        Need& n = all[i];
        const double v = m_stash.onHandFor(n.slot, m_texts[n.text].key, e.baseStrength);
        shortMoved = setOnHand(e, i, n, v) || shortMoved;
    }
    return settle(e, shortMoved);
}

void MakeableTable::setBottles(const std::vector<Bottle>& bottles) {
    m_stash = StashTotals(bottles);
    for (std::uint32_t p = 0; p < m_entries.size(); ++p)
        if (!m_ids[p].empty())
            rework(p);
}

std::vector<MakeableTable::Id> MakeableTable::bottleChanged(const Bottle* before,
                                                            const Bottle* after) {
    std::vector<std::string> keys;
    std::array<bool, BottleKindCount> kinds{};
    for (const Bottle* b : {before, after})
        if (b && b->kind != BottleKind::Flavour)
            kinds[static_cast<std::size_t>(b->kind)] = true;
    if (before) {
        keys = StashTotals::servedBy(*before);
        m_stash.remove(before->id);
    }
    if (after) {
        for (std::string& k : StashTotals::servedBy(*after))
            keys.push_back(std::move(k));
        m_stash.add(*after);
    }
    std::vector<Id> changed;
    if (std::any_of(kinds.begin(), kinds.end(), [](bool k) { return k; })) {
        // PG, VG and the bases serve nearly every recipe: rather than keep who uses them,
        // each recipe's figure for that kind is asked again (a base's once a strength), and
        // only a recipe whose figure moved is judged again.
        std::vector<std::pair<double, double>> bases; // strength, on hand
        const auto baseOnHand = [&](SlotId slot, double strength) {
            for (const auto& [s, v] : bases)
                if (s == strength)
                    return v;
            bases.emplace_back(strength, m_stash.onHandFor(slot, std::string(), strength));
            return bases.back().second;
        };
        for (std::uint32_t p = 0; p < m_entries.size(); ++p) {
            if (m_ids[p].empty())
                continue;
            Entry& e = m_entries[p];
            const std::span<Need> all = needs(e);
            bool moved = false;
            bool shortMoved = false;
            for (std::size_t i = 0; i < all.size(); ++i) {
                Need& n = all[i];
                const BottleKind kind = KindOfSlot(n.slot);
                if (!kinds[static_cast<std::size_t>(kind)])
                    continue;
                const double v = kind == BottleKind::NicotineBase
                                     ? baseOnHand(n.slot, e.baseStrength)
                                     : m_stash.onHandFor(n.slot, std::string(), e.baseStrength);
                if (v != n.onHand) {
                    moved = true;
                    shortMoved = setOnHand(e, i, n, v) || shortMoved;
                }
            }
            if (moved && settle(e, shortMoved))
                changed.emplace_back(m_ids[p]);
        }
    }
    std::vector<std::uint32_t> places;
    for (const std::string& k : keys)
        if (const auto it = m_usersOf.find(k); it != m_usersOf.end())
            places.insert(places.end(), it->second.begin(), it->second.end());
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    for (const std::uint32_t p : places)
        if (rework(p) && std::find(changed.begin(), changed.end(), m_ids[p]) == changed.end())
            changed.emplace_back(m_ids[p]);
    return changed;
}

void MakeableTable::index(std::uint32_t place, bool add) {
    for (const Need& need : needs(m_entries[place])) {
        const std::string& key = m_texts[need.text].key;
        if (!isFlavour(need.slot) || key.empty())
            continue;
        std::vector<std::uint32_t>& users = m_usersOf[key];
        if (add) {
            users.push_back(place);
            continue;
        }
        users.erase(std::remove(users.begin(), users.end(), place), users.end());
        if (users.empty())
            m_usersOf.erase(key);
    }
}

void MakeableTable::setRecipe(const Id& id, const RecipeNeeds& needs) {
    std::uint32_t place;
    if (const std::optional<std::uint32_t> known = placeOf(id)) {
        place = *known;
        index(place, false);
    } else {
        if (!m_free.empty()) {
            place = m_free.back();
            m_free.pop_back();
        } else {
            place = static_cast<std::uint32_t>(m_entries.size());
            m_entries.emplace_back();
            m_ids.emplace_back();
        }
        m_ids[place] = keep(id);
        m_placeOf.emplace(m_ids[place], place);
    }
    // A recipe never has more needs than rows; one that did would lose its marks.
    const auto count =
        static_cast<std::uint32_t>(std::min<std::size_t>(needs.ingredients.size(), 32));
    const std::uint32_t first = roomFor(place, count);
    Entry& e = m_entries[place];
    e = Entry{};
    e.first = first;
    e.count = count;
    e.mixable = needs.mixable;
    e.volumeMl = needs.volumeMl;
    e.baseStrength = needs.baseStrength;
    for (std::uint32_t i = 0; i < count; ++i) {
        const IngredientNeed& n = needs.ingredients[i];
        this->needs(e)[i] = {n.ml, m_stash.onHandFor(n.slot, n.key, needs.baseStrength),
                             intern(n.name, n.key), n.slot};
    }
    settle(e, true);
    index(place, true);
}

std::uint32_t MakeableTable::roomFor(std::uint32_t place, std::uint32_t count) {
    Entry& e = m_entries[place];
    if (count <= e.count) {
        m_unused += e.count - count;
        return e.first;
    }
    m_unused += e.count;
    e.count = 0;
    if (m_unused > m_end / 2 && m_unused > kBlock) {
        std::vector<std::unique_ptr<Need[]>> blocks;
        std::uint32_t end = 0;
        for (Entry& other : m_entries) {
            if (other.count == 0)
                continue;
            const std::span<const Need> kept = needs(other);
            const std::uint32_t at = this->place(blocks, end, other.count);
            std::copy(kept.begin(), kept.end(), blocks[at / kBlock].get() + at % kBlock);
            other.first = at;
        }
        m_blocks = std::move(blocks);
        m_end = end;
        m_unused = 0;
    }
    return this->place(m_blocks, m_end, count);
}

std::uint32_t MakeableTable::place(std::vector<std::unique_ptr<Need[]>>& blocks, std::uint32_t& end,
                                   std::uint32_t count) {
    if (end % kBlock + count > kBlock)
        end += kBlock - end % kBlock; // the rest of this block stays unused
    if (end / kBlock >= blocks.size())
        blocks.push_back(std::make_unique<Need[]>(kBlock));
    const std::uint32_t at = end;
    end += count;
    return at;
}

void MakeableTable::removeRecipe(const Id& id) {
    const std::optional<std::uint32_t> place = placeOf(id);
    if (!place)
        return;
    index(*place, false);
    m_placeOf.erase(m_ids[*place]);
    m_unused += m_entries[*place].count;
    m_entries[*place] = {};
    m_ids[*place] = {};
    m_free.push_back(*place);
}

RecipeNeeds MakeableTable::needsAt(std::uint32_t place) const {
    const Entry& e = m_entries[place];
    RecipeNeeds needs;
    needs.mixable = e.mixable;
    needs.volumeMl = e.volumeMl;
    needs.baseStrength = e.baseStrength;
    needs.ingredients.reserve(e.count);
    for (const Need& n : this->needs(e))
        needs.ingredients.push_back({n.slot, m_texts[n.text].name, m_texts[n.text].key, n.ml});
    return needs;
}

Makeable MakeableTable::makeableAt(std::uint32_t place) const {
    const Entry& e = m_entries[place];
    Makeable out;
    if (!e.mixable)
        return out;
    out.canMake = e.canMake;
    out.maxMl = e.maxMl;
    const std::span<const Need> all = needs(e);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!((e.shortMask >> i) & 1U))
            continue;
        const Need& n = all[i];
        const Text& text = m_texts[n.text];
        const Ingredient ingredient =
            IngredientOf(IngredientNeed{n.slot, {}, text.key, n.ml}, e.baseStrength);
        out.missing.push_back(
            {n.slot, ingredient, IngredientName(ingredient, ToQString(text.name)), n.ml, n.onHand});
    }
    return out;
}

std::optional<Makeable> MakeableTable::find(const Id& id) const {
    const std::optional<std::uint32_t> place = placeOf(id);
    if (!place)
        return std::nullopt;
    return makeableAt(*place);
}

std::optional<MakeableTable::Figure> MakeableTable::figure(const Id& id) const {
    const std::optional<std::uint32_t> place = placeOf(id);
    if (!place)
        return std::nullopt;
    const Entry& e = m_entries[*place];
    if (!e.mixable)
        return Figure{};
    return Figure{e.canMake, e.maxMl, std::popcount(e.shortMask)};
}

std::optional<RecipeNeeds> MakeableTable::needsOf(const Id& id) const {
    const std::optional<std::uint32_t> place = placeOf(id);
    if (!place)
        return std::nullopt;
    return needsAt(*place);
}

std::vector<Makeable> MakeableTable::results() const {
    std::vector<Makeable> out(m_entries.size());
    for (std::uint32_t p = 0; p < m_entries.size(); ++p)
        if (!m_ids[p].empty())
            out[p] = makeableAt(p);
    return out;
}

} // namespace kovaq
