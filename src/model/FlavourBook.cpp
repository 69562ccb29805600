// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "FlavourBook.h"

#include "FlavourName.h"
#include "IniDocument.h"
#include "Numbers.h"
#include "QtText.h"
#include "RecipeFile.h"
#include "RecipeLibrary.h"
#include "StashMatch.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace kovaq {

std::size_t FlavourBook::flavourOf(const QString& name) {
    // Most names come back in recipe after recipe: each spelling is folded once.
    std::string spelling = ToUtf8(name);
    if (const auto it = m_bySpelling.find(spelling); it != m_bySpelling.end())
        return it->second;
    const QString key = FlavourKey(name);
    std::string k = ToUtf8(key);
    auto [at, added] = m_byKey.emplace(std::move(k), m_flavours.size());
    if (added)
        m_flavours.push_back({key, name.trimmed(), {}});
    m_bySpelling.emplace(std::move(spelling), at->second);
    return at->second;
}

void FlavourBook::addRecipe(const std::vector<FlavourShare>& shares) {
    // A recipe has at most eight flavours: a short list beats a map.
    std::vector<std::pair<std::size_t, double>> mine;
    for (const FlavourShare& s : shares) {
        if (!(s.percent > 0) || !std::isfinite(s.percent) || FoldName(s.name).isEmpty())
            continue;
        const std::size_t f = flavourOf(s.name);
        const auto same =
            std::find_if(mine.begin(), mine.end(), [f](const auto& m) { return m.first == f; });
        if (same != mine.end())
            same->second += s.percent;
        else
            mine.emplace_back(f, s.percent);
    }
    for (const auto& [f, percent] : mine)
        m_flavours[f].shares.push_back(percent);
}

void FlavourBook::addEntry(const RecipeEntry& entry) {
    if (!entry.problem.empty())
        return;
    std::vector<FlavourShare> shares;
    shares.reserve(entry.flavours.size());
    for (const RecipeFlavour& f : entry.flavours)
        shares.push_back({ToQString(f.name), ParseNumber(f.percent)});
    addRecipe(shares);
}

void FlavourBook::addLibrary(const RecipeLibrary& library) {
    for (int i = 0; i < library.count(); ++i)
        addEntry(library.item(i).entry());
}

FlavourFigures FlavourBook::figuresOf(const Flavour& f) const {
    FlavourFigures out;
    out.key = f.key;
    out.name = f.name;
    out.recipes = static_cast<int>(f.shares.size());
    if (f.shares.empty())
        return out;
    std::vector<double> s = f.shares;
    std::sort(s.begin(), s.end());
    const std::size_t n = s.size();
    out.minPercent = s.front();
    out.maxPercent = s.back();
    out.medianPercent = n % 2 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2;
    return out;
}

std::vector<FlavourFigures> FlavourBook::figures() const {
    std::vector<FlavourFigures> out;
    out.reserve(m_flavours.size());
    for (const Flavour& f : m_flavours)
        if (!f.shares.empty())
            out.push_back(figuresOf(f));
    std::sort(out.begin(), out.end(), [](const FlavourFigures& a, const FlavourFigures& b) {
        const int byName = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.key < b.key;
    });
    return out;
}

std::optional<FlavourFigures> FlavourBook::figuresOf(const QString& name) const {
    const auto it = m_byKey.find(ToUtf8(FlavourKey(name)));
    if (it == m_byKey.end() || m_flavours[it->second].shares.empty())
        return std::nullopt;
    return figuresOf(m_flavours[it->second]);
}

QString FlavourHint(const FlavourFigures& f) {
    const auto percent = [](double v) { return ToQString(FormatNumber(RoundDecimals(v, 2))); };
    const QString range = f.minPercent == f.maxPercent
                              ? percent(f.minPercent)
                              : percent(f.minPercent) + QChar(0x2013) + percent(f.maxPercent);
    return QCoreApplication::translate("kovaq::FlavourBook",
                                       "%1: in %n of your recipes, %2 %, usually %3 %", nullptr,
                                       f.recipes)
        .arg(f.name, range, percent(f.medianPercent));
}

QString FlavourHintOf(const FlavourBook& book, const QString& name) {
    if (FoldName(name).isEmpty())
        return {};
    const auto figures = book.figuresOf(name);
    return figures ? FlavourHint(*figures) : QString();
}

LastMixedTimes LastMixed(const std::vector<Batch>& batches) {
    LastMixedTimes out;
    for (const Batch& b : batches) {
        const MixRecipe recipe = RecipeFromIni(IniDocument(ToUtf8(b.recipeText)));
        for (std::size_t i = 0; i < SlotCount; ++i) {
            const SlotId slot = slotAt(i);
            const auto name = NameField(slot);
            if (!isFlavour(slot) || !name || !(b.ml[i] > 0))
                continue;
            const QString key = FlavourKey(ToQString(recipe[*name]));
            if (key.isEmpty())
                continue;
            std::int64_t& last = out[key];
            last = std::max(last, b.mixedAt);
        }
    }
    return out;
}

std::vector<FlavourRow> FlavourRows(const FlavourBook& book, const std::vector<Bottle>& bottles,
                                    const LastMixedTimes& lastMixed,
                                    const std::vector<FlavourNote>& notes) {
    const StashTotals stash(bottles);
    QHash<QString, const FlavourNote*> noteOf;
    for (const FlavourNote& n : notes)
        noteOf.insert(n.key, &n);
    std::vector<FlavourRow> rows;
    for (FlavourFigures& f : book.figures()) {
        FlavourRow row;
        Ingredient flavour;
        flavour.key = ToUtf8(f.key);
        row.onHandMl = stash.onHand(flavour);
        row.lastMixed = lastMixed.value(f.key, 0);
        if (const FlavourNote* kept = noteOf.value(f.key, nullptr))
            row.note = *kept;
        row.note.key = f.key;
        row.note.name = f.name;
        row.figures = std::move(f);
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace kovaq
