// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "StashMatch.h"

#include "FlavourName.h"
#include "MixCalculator.h"
#include "Numbers.h"
#include "QtText.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

namespace kovaq {
namespace {

// Kinds other than flavours are told apart from every folded name by a control character.
const std::string kBase = "\x01"
                          "base";
const std::string kPg = "\x01"
                        "pg";
const std::string kVg = "\x01"
                        "vg";
const std::string kVodkaWater = "\x01"
                                "vodka/water";

const std::string& kindTag(BottleKind kind) {
    switch (kind) {
    case BottleKind::NicotineBase:
        return kBase;
    case BottleKind::PG:
        return kPg;
    case BottleKind::VG:
        return kVg;
    default:
        return kVodkaWater;
    }
}

bool servesBase(const Bottle& bottle, double strength) {
    // The tolerance is of what is typed: 0.05 mg away still serves.
    return std::fabs(bottle.strength - strength) <= BaseStrengthTolerance + 1e-9;
}

} // namespace

bool EnoughOnHand(double onHand, double need) {
    return onHand >= need - 1e-9 * std::max(1.0, need);
}

double MostToMake(double volumeMl, double ratio, bool canMake) {
    const double most = std::isfinite(ratio) ? volumeMl * ratio : volumeMl;
    // A hair below within the noise is still the whole recipe.
    return canMake ? std::max(most, volumeMl) : most;
}

std::string Ingredient::id() const {
    switch (kind) {
    case BottleKind::Flavour:
        return key;
    case BottleKind::NicotineBase:
        return kBase + ' ' + FormatNumber(strength);
    default:
        return kindTag(kind);
    }
}

Ingredient IngredientOf(const IngredientNeed& need, double baseStrength) {
    Ingredient i;
    i.kind = KindOfSlot(need.slot);
    if (i.kind == BottleKind::Flavour)
        i.key = need.key;
    else if (i.kind == BottleKind::NicotineBase)
        i.strength = baseStrength;
    return i;
}

QString IngredientName(const Ingredient& ingredient, const QString& recipeName) {
    switch (ingredient.kind) {
    case BottleKind::Flavour:
        return !recipeName.isEmpty() ? recipeName
               : !ingredient.key.empty()
                   ? ToQString(ingredient.key)
                   : QCoreApplication::translate("kovaq::StashMatch", "A flavour without a name");
    case BottleKind::NicotineBase:
        return QCoreApplication::translate("kovaq::StashMatch", "Nicotine base %1 mg")
            .arg(ToQString(FormatNumber(ingredient.strength)));
    default:
        return BottleKindName(ingredient.kind);
    }
}

StashTotals::StashTotals(const std::vector<Bottle>& bottles) {
    m_bottles.reserve(bottles.size());
    for (const Bottle& b : bottles)
        put(b);
}

std::vector<std::string> StashTotals::servedBy(const Bottle& bottle) {
    if (bottle.kind != BottleKind::Flavour)
        return {kindTag(bottle.kind)};
    std::vector<std::string> keys{ToUtf8(FlavourKey(bottle.name))};
    if (keys[0].empty()) // a flavour without a name serves no recipe
        return {};
    std::string withMaker = ToUtf8(FlavourKey(bottle.name, bottle.maker));
    if (withMaker != keys[0])
        keys.push_back(std::move(withMaker));
    return keys;
}

void StashTotals::add(const Bottle& bottle) {
    remove(bottle.id);
    put(bottle);
}

void StashTotals::put(const Bottle& bottle) {
    m_bottles.emplace(bottle.id, bottle);
    if (bottle.kind == BottleKind::NicotineBase) {
        m_bases.push_back(bottle);
        return;
    }
    for (const std::string& key : servedBy(bottle)) {
        Pool& pool = m_pools[key];
        pool.bottles.push_back(bottle.id);
        pool.total += std::max(0.0, bottle.onHand);
    }
}

void StashTotals::remove(std::int64_t bottleId) {
    const auto it = m_bottles.find(bottleId);
    if (it == m_bottles.end())
        return;
    const Bottle old = it->second;
    m_bottles.erase(it);
    const auto drop = [&](std::vector<Bottle>& list) {
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [&](const Bottle& b) { return b.id == bottleId; }),
                   list.end());
    };
    if (old.kind == BottleKind::NicotineBase) {
        drop(m_bases);
        return;
    }
    for (const std::string& key : servedBy(old)) {
        const auto pool = m_pools.find(key);
        if (pool == m_pools.end())
            continue;
        std::vector<std::int64_t>& ids = pool->second.bottles;
        ids.erase(std::remove(ids.begin(), ids.end(), bottleId), ids.end());
        if (ids.empty()) {
            m_pools.erase(pool);
            continue;
        }
        // Added up again rather than taken away: no trace of rounding is left behind.
        pool->second.total = 0;
        for (const std::int64_t id : ids)
            pool->second.total += std::max(0.0, m_bottles.at(id).onHand);
    }
}

const StashTotals::Pool* StashTotals::poolOf(const Ingredient& ingredient) const {
    if (ingredient.kind == BottleKind::Flavour && ingredient.key.empty())
        return nullptr;
    const auto it = m_pools.find(ingredient.kind == BottleKind::Flavour ? ingredient.key
                                                                        : kindTag(ingredient.kind));
    return it == m_pools.end() ? nullptr : &it->second;
}

double StashTotals::onHand(const Ingredient& ingredient) const {
    if (ingredient.kind == BottleKind::NicotineBase) {
        double total = 0;
        for (const Bottle& b : m_bases)
            if (servesBase(b, ingredient.strength))
                total += std::max(0.0, b.onHand);
        return total;
    }
    const Pool* pool = poolOf(ingredient);
    return pool ? pool->total : 0.0;
}

const Bottle* StashTotals::newestSized(const Ingredient& ingredient) const {
    const Bottle* newest = nullptr;
    const auto look = [&](const std::vector<Bottle>& list) {
        for (const Bottle& b : list)
            if (b.size > 0 && (!newest || b.id > newest->id) &&
                (b.kind != BottleKind::NicotineBase || servesBase(b, ingredient.strength)))
                newest = &b;
    };
    if (ingredient.kind == BottleKind::NicotineBase) {
        look(m_bases);
    } else if (const Pool* pool = poolOf(ingredient)) {
        for (const std::int64_t id : pool->bottles) {
            const Bottle& b = m_bottles.at(id);
            if (b.size > 0 && (!newest || b.id > newest->id))
                newest = &b;
        }
    }
    return newest;
}

double StashTotals::onHandFor(const IngredientNeed& need, double baseStrength) const {
    return onHandFor(need.slot, need.key, baseStrength);
}

double StashTotals::onHandFor(SlotId slot, const std::string& key, double baseStrength) const {
    // The same as onHand(IngredientOf(need)), without a key copied: this runs for every
    // ingredient of every recipe.
    switch (KindOfSlot(slot)) {
    case BottleKind::Flavour: {
        if (key.empty())
            return 0;
        const auto it = m_pools.find(key);
        return it == m_pools.end() ? 0.0 : it->second.total;
    }
    case BottleKind::NicotineBase: {
        double total = 0;
        for (const Bottle& b : m_bases)
            if (servesBase(b, baseStrength))
                total += std::max(0.0, b.onHand);
        return total;
    }
    default: {
        const auto it = m_pools.find(kindTag(KindOfSlot(slot)));
        return it == m_pools.end() ? 0.0 : it->second.total;
    }
    }
}

namespace {

// The figures from what is on hand for each ingredient (in the order of the needs).
Makeable judge(const RecipeNeeds& needs, const std::vector<double>& onHand) {
    Makeable out;
    if (!needs.mixable)
        return out;
    double ratio = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < needs.ingredients.size(); ++i) {
        const IngredientNeed& need = needs.ingredients[i];
        if (!(need.ml > 0))
            continue;
        ratio = std::min(ratio, onHand[i] / need.ml);
        if (!EnoughOnHand(onHand[i], need.ml)) {
            const Ingredient ingredient = IngredientOf(need, needs.baseStrength);
            out.missing.push_back({need.slot, ingredient,
                                   IngredientName(ingredient, ToQString(need.name)), need.ml,
                                   onHand[i]});
        }
    }
    out.canMake = out.missing.empty();
    out.maxMl = MostToMake(needs.volumeMl, ratio, out.canMake);
    return out;
}

std::vector<double> onHandOf(const RecipeNeeds& needs, const StashTotals& stash) {
    std::vector<double> onHand(needs.ingredients.size());
    for (std::size_t i = 0; i < onHand.size(); ++i)
        onHand[i] = stash.onHandFor(needs.ingredients[i], needs.baseStrength);
    return onHand;
}

} // namespace

Makeable CanMake(const RecipeNeeds& needs, const StashTotals& stash) {
    return judge(needs, onHandOf(needs, stash));
}

std::vector<MissingBottle> OneBottleAway(const std::vector<Makeable>& results) {
    std::unordered_map<std::string, MissingBottle> byId;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const Makeable& r = results[i];
        if (r.canMake || r.missing.size() != 1)
            continue;
        const Shortfall& s = r.missing.front();
        MissingBottle& m = byId[s.ingredient.id()];
        if (m.recipes == 0) {
            m.ingredient = s.ingredient;
            m.name = s.name;
        }
        ++m.recipes;
        m.shortMl = std::max(m.shortMl, s.needMl - s.onHandMl);
        m.which.push_back(i);
    }
    std::vector<MissingBottle> out;
    out.reserve(byId.size());
    for (auto& [id, m] : byId)
        out.push_back(std::move(m));
    std::sort(out.begin(), out.end(), [](const MissingBottle& a, const MissingBottle& b) {
        if (a.recipes != b.recipes)
            return a.recipes > b.recipes;
        const int byName = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.ingredient.id() < b.ingredient.id();
    });
    return out;
}

double ShoppingList::cost() const {
    double total = 0;
    for (const ShoppingItem& i : items)
        total += i.cost();
    return total;
}

ShoppingList MakeShoppingList(const std::vector<ShoppingOrder>& orders, const StashTotals& stash) {
    ShoppingList list;
    std::map<std::string, ShoppingItem> byId; // in one order, whatever the hash
    for (const ShoppingOrder& order : orders) {
        if (!order.needs)
            continue;
        const RecipeNeeds& needs = *order.needs;
        if (!needs.mixable || !(needs.volumeMl > 0)) {
            list.unmixable << order.name;
            continue;
        }
        const double scale = order.ml > 0 ? order.ml / needs.volumeMl : 1.0;
        for (const IngredientNeed& need : needs.ingredients) {
            const Ingredient ingredient = IngredientOf(need, needs.baseStrength);
            ShoppingItem& item = byId[ingredient.id()];
            if (item.name.isEmpty()) {
                item.ingredient = ingredient;
                item.name = IngredientName(ingredient, ToQString(need.name));
            }
            item.needMl += need.ml * scale;
        }
    }
    for (auto& [id, item] : byId) {
        item.onHandMl = stash.onHand(item.ingredient);
        if (EnoughOnHand(item.onHandMl, item.needMl))
            continue;
        item.shortMl = item.needMl - item.onHandMl;
        if (const Bottle* known = stash.newestSized(item.ingredient)) {
            item.bottleMl = known->size;
            // A whole bottle for what is short, not one more for a trace of rounding.
            item.bottles = static_cast<int>(std::ceil(item.shortMl / known->size - 1e-9));
            item.price = known->price;
        }
        list.items.push_back(std::move(item));
    }
    std::sort(list.items.begin(), list.items.end(),
              [](const ShoppingItem& a, const ShoppingItem& b) {
                  return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
              });
    return list;
}

namespace {

QString ml(double v) {
    return ToQString(FormatNumber(RoundDecimals(v, 2)));
}

QString money(double v) {
    return ToQString(FormatNumber(RoundDecimals(v, 2)));
}

} // namespace

QString ShoppingListText(const ShoppingList& list) {
    QString out;
    for (const ShoppingItem& i : list.items) {
        const QString line =
            i.bottles <= 0
                ? QCoreApplication::translate("kovaq::StashMatch",
                                              "%1: %2 ml short (%3 ml needed, %4 ml on hand)")
                      .arg(i.name, ml(i.shortMl), ml(i.needMl), ml(i.onHandMl))
            : i.price > 0
                ? QCoreApplication::translate("kovaq::StashMatch",
                                              "%1: %2 ml short (%3 ml needed, %4 ml on hand), %n "
                                              "bottle(s) of %5 ml at %6",
                                              nullptr, i.bottles)
                      .arg(i.name, ml(i.shortMl), ml(i.needMl), ml(i.onHandMl), ml(i.bottleMl),
                           money(i.price))
                : QCoreApplication::translate("kovaq::StashMatch",
                                              "%1: %2 ml short (%3 ml needed, %4 ml on hand), %n "
                                              "bottle(s) of %5 ml",
                                              nullptr, i.bottles)
                      .arg(i.name, ml(i.shortMl), ml(i.needMl), ml(i.onHandMl), ml(i.bottleMl));
        out += line + QLatin1Char('\n');
    }
    if (list.items.empty())
        out += QCoreApplication::translate("kovaq::StashMatch",
                                           "Nothing is short: the stash holds all of it.") +
               QLatin1Char('\n');
    else if (list.cost() > 0)
        out +=
            QCoreApplication::translate("kovaq::StashMatch", "Total: %1").arg(money(list.cost())) +
            QLatin1Char('\n');
    for (const QString& name : list.unmixable)
        out += QCoreApplication::translate("kovaq::StashMatch",
                                           "%1 cannot be mixed as it stands: left out.")
                   .arg(name) +
               QLatin1Char('\n');
    return out;
}

std::string ShoppingListCsv(const ShoppingList& list) {
    QString out = QStringLiteral(
        "Ingredient,Needed (ml),On hand (ml),Short (ml),Bottle (ml),Bottles,Price,Cost\r\n");
    for (const ShoppingItem& i : list.items) {
        const QStringList row = {CsvCell(i.name),
                                 ml(i.needMl),
                                 ml(i.onHandMl),
                                 ml(i.shortMl),
                                 i.bottles > 0 ? ml(i.bottleMl) : QString(),
                                 i.bottles > 0 ? QString::number(i.bottles) : QString(),
                                 i.bottles > 0 ? money(i.price) : QString(),
                                 i.bottles > 0 ? money(i.cost()) : QString()};
        out += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toStdString();
}

} // namespace kovaq
