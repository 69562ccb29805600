// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeListModel.h"

#include "FieldMetrics.h"
#include "FileAccess.h"
#include "Look.h"
#include "MakeableTable.h"
#include "Numbers.h"
#include "QtText.h"

#include <QApplication>
#include <QColor>
#include <QDateTime>
#include <QLocale>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <thread>

namespace kovaq {
namespace {

// Eight bytes of a text from `at` as one number that sorts as the text does.
std::uint64_t prefixOf(std::string_view text, std::size_t at) {
    std::uint64_t p = 0;
    for (std::size_t i = at; i < at + 8; ++i)
        p = p << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return p;
}

// Millilitres as "can make" states them: never more than the stash holds.
QString mlDown(double ml) {
    const double down = ml >= 1 ? std::floor(ml) : std::floor(ml * 10) / 10;
    return ToQString(FormatNumber(down));
}

// Below this many entries, a search is looked through on one thread.
constexpr std::uint32_t kOneThread = 20000;

} // namespace

RecipeListModel::RecipeListModel(RecipeLibrary& library, QObject* parent)
    : QAbstractTableModel(parent), m_library(library) {
    connect(&m_library, &RecipeLibrary::aboutToReset, this, [this] { beginResetModel(); });
    connect(&m_library, &RecipeLibrary::resetDone, this, [this] {
        rebuild();
        endResetModel();
    });
    connect(&m_library, &RecipeLibrary::added, this, &RecipeListModel::onAdded);
    connect(&m_library, &RecipeLibrary::addedTogether, this, &RecipeListModel::onAddedTogether);
    connect(&m_library, &RecipeLibrary::aboutToRemove, this, &RecipeListModel::onAboutToRemove);
    connect(&m_library, &RecipeLibrary::aboutToRemoveTogether, this,
            &RecipeListModel::onAboutToRemoveTogether);
    connect(&m_library, &RecipeLibrary::updated, this, &RecipeListModel::onUpdated);
    rebuild();
}

const RecipeRow& RecipeListModel::rowAt(int row) const {
    return *m_keys[m_rows[static_cast<std::size_t>(row)]].item->row;
}

int RecipeListModel::rowOf(std::string_view native) const {
    const RecipeLibrary::Item* item = m_library.find(native);
    return item && item->slot < m_keys.size() && m_keys[item->slot].item ? shownAt(item->slot) : -1;
}

void RecipeListModel::setQuery(const QString& typed) {
    RecipeQuery query = ParseRecipeQuery(typed);
    beginResetModel();
    // A letter added to a word (or a term added) finds only rows found already.
    const bool narrowing = Narrows(query, m_query);
    m_query = std::move(query);
    refilter(narrowing);
    endResetModel();
}

void RecipeListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= Columns)
        return;
    beginResetModel();
    m_column = column;
    m_order = order;
    resort();
    refilter(false);
    endResetModel();
}

void RecipeListModel::setMakeable(const MakeableTable* table) {
    m_makeable = table;
    makeableChanged();
}

void RecipeListModel::setOnlyMakeable(bool only) {
    if (only == m_onlyMakeable)
        return;
    beginResetModel();
    m_onlyMakeable = only;
    refilter(false);
    endResetModel();
}

void RecipeListModel::makeableChanged(const std::vector<std::string>& natives) {
    const bool placed = m_column == CanMake || m_onlyMakeable; // rows move, come or go
    // Many at once (the first reading) are told together: each row is looked for in turn.
    if (natives.empty() || natives.size() > 64) {
        if (placed) {
            beginResetModel();
            resort();
            refilter(false);
            endResetModel();
        } else if (!m_rows.empty()) {
            Q_EMIT dataChanged(index(0, CanMake), index(rowCount() - 1, CanMake));
        }
        return;
    }
    for (const std::string& native : natives) {
        if (placed) {
            if (keyOf(native))
                onUpdated(native);
        } else if (const int row = rowOf(native); row >= 0) {
            Q_EMIT dataChanged(index(row, CanMake), index(row, CanMake));
        }
    }
}

std::optional<Makeable> RecipeListModel::makeableOf(const RecipeRow& row) const {
    return m_makeable ? m_makeable->find(std::string(row.native())) : std::nullopt;
}

QString RecipeListModel::CanMakeText(const Makeable& m) {
    if (m.canMake)
        return tr("\u2713 %1 ml").arg(mlDown(m.maxMl));
    if (m.maxMl > 0)
        return tr("up to %1 ml").arg(mlDown(m.maxMl));
    if (m.missing.empty()) // the calculation cannot make it: said in "Can be made"
        return QString();
    QStringList names;
    for (const Shortfall& s : m.missing)
        if (!(s.onHandMl > 0) || names.isEmpty())
            names << s.name;
    return tr("needs %1").arg(names.join(QStringLiteral(", ")));
}

void RecipeListModel::fillKey(Key& key) const {
    const RecipeRow& r = *key.item->row;
    key.number = 0;
    key.last = false;
    key.text.clear();
    switch (m_column) {
    case Strength:
        key.number = r.strengthValue().value_or(0);
        break;
    case Volume:
        key.number = r.volumeValue();
        break;
    case Cost:
        key.number = r.costValue();
        key.last = r.problem().empty() && !(r.costValue() > 0); // unpriced
        break;
    case CanMake:
        // What can be made first, the most first; then what can be made in part, then
        // what lacks the fewest bottles; what the calculation cannot make after those.
        // Told by the figures alone: the names of what is short are not needed to sort.
        if (const auto m =
                m_makeable ? m_makeable->figure(std::string(r.native())) : std::nullopt) {
            if (m->canMake)
                key.number = -1e12 - m->maxMl;
            else if (m->maxMl > 0)
                key.number = -m->maxMl;
            else
                key.number = m->missing == 0 ? 1e12 : static_cast<double>(m->missing);
        } else {
            key.last = true;
        }
        break;
    case Made:
        key.number = r.canBeMade() ? 0 : 1;
        break;
    case Modified:
        key.number = static_cast<double>(r.modified());
        break;
    case Ratio:
        key.text = r.ratio();
        break;
    case Flavours:
        key.text = r.flavourText();
        break;
    case Folder:
        key.text = r.folder();
        break;
    default:
        break;
    }
    const bool byText = m_column == Ratio || m_column == Flavours || m_column == Folder;
    const std::string_view sortText = byText ? std::string_view(key.text) : r.foldedName();
    key.prefix[0] = prefixOf(sortText, 0);
    key.prefix[1] = prefixOf(sortText, 8);
    key.search = r.searchText();
    key.nameLength = static_cast<std::uint32_t>(r.foldedName().size());
    key.native = r.native();
}

bool RecipeListModel::before(Slot a, Slot b) const {
    if (m_keys[a].last != m_keys[b].last)
        return m_keys[b].last;
    if (m_order == Qt::DescendingOrder)
        std::swap(a, b);
    const Key& x = m_keys[a];
    const Key& y = m_keys[b];
    if (x.number != y.number)
        return x.number < y.number;
    if (x.prefix[0] != y.prefix[0])
        return x.prefix[0] < y.prefix[0];
    if (x.prefix[1] != y.prefix[1])
        return x.prefix[1] < y.prefix[1];
    if (x.text != y.text)
        return x.text < y.text;
    // Then by name, then by file: the order is always the same.
    if (const int byName =
            x.search.substr(0, x.nameLength).compare(y.search.substr(0, y.nameLength)))
        return byName < 0;
    return x.native < y.native;
}

std::vector<RecipeListModel::Slot>::iterator RecipeListModel::placeIn(std::vector<Slot>& list,
                                                                      Slot slot) {
    return std::lower_bound(list.begin(), list.end(), slot,
                            [this](Slot a, Slot b) { return before(a, b); });
}

// Looked for by the slot rather than by the order: an entry's row may have changed.
int RecipeListModel::shownAt(Slot slot) const {
    const auto at = std::find(m_rows.begin(), m_rows.end(), slot);
    return at == m_rows.end() ? -1 : static_cast<int>(at - m_rows.begin());
}

bool RecipeListModel::matches(Slot slot) const {
    const Key& key = m_keys[slot];
    if (m_onlyMakeable) {
        const auto m =
            m_makeable ? m_makeable->figure(std::string(key.item->row->native())) : std::nullopt;
        if (!m || !m->canMake)
            return false;
    }
    if (m_query.empty())
        return true;
    // Words are looked for in the folded text the key holds; numbers in the row.
    bool numbers = false;
    for (const SearchTerm& t : m_query.terms) {
        numbers = numbers || t.strength || t.share;
        if (!t.strength && !t.share && !detail::ContainsWord(key.search, t.word))
            return false;
    }
    return !numbers || MatchesRow(*key.item->row, m_query);
}

RecipeListModel::Key* RecipeListModel::keyOf(const std::string& native) {
    const RecipeLibrary::Item* item = m_library.find(native);
    if (!item || item->slot >= m_keys.size() || !m_keys[item->slot].item)
        return nullptr;
    return &m_keys[item->slot];
}

void RecipeListModel::rebuild() {
    m_keys.assign(m_library.slots(), Key());
    for (int i = 0; i < m_library.count(); ++i) {
        const RecipeLibrary::Item& item = m_library.item(i);
        m_keys[item.slot].item = &item;
    }
    resort();
    refilter(false);
}

void RecipeListModel::resort() {
    m_sorted.clear();
    for (Slot s = 0; s < m_keys.size(); ++s)
        if (m_keys[s].item) {
            fillKey(m_keys[s]);
            m_sorted.push_back(s);
        }
    std::sort(m_sorted.begin(), m_sorted.end(), [this](Slot a, Slot b) { return before(a, b); });
}

void RecipeListModel::refilter(bool narrowing) {
    if (m_query.empty() && !m_onlyMakeable) {
        m_rows = m_sorted;
        return;
    }
    // The rows are looked at in the order they lie in memory, then taken in the list's order.
    std::vector<std::uint8_t> hit(m_keys.size(), narrowing ? 0 : 1);
    if (narrowing)
        for (const Slot s : m_rows)
            hit[s] = 1;
    const auto look = [&](Slot from, Slot to) {
        for (Slot s = from; s < to; ++s)
            if (hit[s])
                hit[s] = m_keys[s].item && matches(s);
    };
    // A large list is looked through by two threads, each over its half.
    const auto all = static_cast<Slot>(m_keys.size());
    if (all < kOneThread) {
        look(0, all);
    } else {
        std::thread helper(look, all / 2, all);
        look(0, all / 2);
        helper.join();
    }
    m_rows.clear();
    for (const Slot s : m_sorted)
        if (hit[s])
            m_rows.push_back(s);
}

void RecipeListModel::onAdded(const std::string& native) {
    const RecipeLibrary::Item* item = m_library.find(native);
    if (!item)
        return;
    if (item->slot >= m_keys.size())
        m_keys.resize(m_library.slots());
    if (m_keys[item->slot].item) { // already held: as a change
        onUpdated(native);
        return;
    }
    const Slot slot = item->slot;
    m_keys[slot].item = item;
    fillKey(m_keys[slot]);
    m_sorted.insert(placeIn(m_sorted, slot), slot);
    if (!matches(slot))
        return;
    const auto at = placeIn(m_rows, slot);
    const int row = static_cast<int>(at - m_rows.begin());
    beginInsertRows({}, row, row);
    m_rows.insert(at, slot);
    endInsertRows();
}

// Many entries at once: sorted among themselves, then merged into the order.
void RecipeListModel::onAddedTogether(const std::vector<const RecipeLibrary::Item*>& items) {
    if (m_keys.size() < m_library.slots())
        m_keys.resize(m_library.slots());
    std::vector<Slot> fresh;
    fresh.reserve(items.size());
    for (const RecipeLibrary::Item* item : items) {
        Key& key = m_keys[item->slot];
        if (key.item) // told of already, as a change
            continue;
        key.item = item;
        fillKey(key);
        fresh.push_back(item->slot);
    }
    if (fresh.empty())
        return;
    const auto order = [this](Slot a, Slot b) { return before(a, b); };
    // The kept index comes in the list's first order: nothing to sort, only to add.
    if (!std::is_sorted(fresh.begin(), fresh.end(), order))
        std::sort(fresh.begin(), fresh.end(), order);
    beginResetModel();
    // Each new entry's place found by halving (a few comparisons each, not one for every
    // entry held), then the list copied once around them.
    const auto mergeInto = [&](std::vector<Slot>& list, const std::vector<Slot>& more) {
        if (more.empty() || list.empty() || !before(more.front(), list.back())) {
            list.insert(list.end(), more.begin(), more.end());
            return;
        }
        std::vector<Slot> merged;
        merged.reserve(list.size() + more.size());
        auto from = list.cbegin();
        for (const Slot s : more) {
            const auto at = std::upper_bound(from, list.cend(), s, order);
            merged.insert(merged.end(), from, at);
            merged.push_back(s);
            from = at;
        }
        merged.insert(merged.end(), from, list.cend());
        list.swap(merged);
    };
    mergeInto(m_sorted, fresh);
    if (!m_query.empty() || m_onlyMakeable)
        fresh.erase(
            std::remove_if(fresh.begin(), fresh.end(), [this](Slot s) { return !matches(s); }),
            fresh.end());
    mergeInto(m_rows, fresh);
    endResetModel();
}

void RecipeListModel::onAboutToRemove(const std::string& native) {
    Key* key = keyOf(native);
    if (!key)
        return;
    const Slot slot = key->item->slot;
    const auto sorted = std::find(m_sorted.begin(), m_sorted.end(), slot);
    if (sorted != m_sorted.end())
        m_sorted.erase(sorted);
    const int row = shownAt(slot);
    if (row >= 0) {
        beginRemoveRows({}, row, row);
        m_rows.erase(m_rows.begin() + row);
        endRemoveRows();
    }
    *key = Key();
}

// Many entries at once: taken out of the order in one pass.
void RecipeListModel::onAboutToRemoveTogether(
    const std::vector<const RecipeLibrary::Item*>& items) {
    std::vector<std::uint8_t> going(m_keys.size(), 0);
    bool any = false;
    for (const RecipeLibrary::Item* item : items)
        if (item->slot < m_keys.size() && m_keys[item->slot].item) {
            going[item->slot] = 1;
            any = true;
        }
    if (!any)
        return;
    beginResetModel();
    const auto gone = [&](Slot s) { return going[s] != 0; };
    m_sorted.erase(std::remove_if(m_sorted.begin(), m_sorted.end(), gone), m_sorted.end());
    m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(), gone), m_rows.end());
    for (Slot s = 0; s < going.size(); ++s)
        if (going[s])
            m_keys[s] = Key();
    endResetModel();
}

void RecipeListModel::onUpdated(const std::string& native) {
    Key* key = keyOf(native);
    if (!key) {
        onAdded(native);
        return;
    }
    const Slot slot = key->item->slot;
    // Found where it stood by its slot, then placed by what it is now.
    const auto sorted = std::find(m_sorted.begin(), m_sorted.end(), slot);
    if (sorted != m_sorted.end())
        m_sorted.erase(sorted);
    const int from = shownAt(slot);
    if (from >= 0)
        m_rows.erase(m_rows.begin() + from);
    fillKey(*key);
    m_sorted.insert(placeIn(m_sorted, slot), slot);
    const bool shown = matches(slot);
    const int to = shown ? static_cast<int>(placeIn(m_rows, slot) - m_rows.begin()) : -1;
    if (from >= 0) // as it was, until the views are told
        m_rows.insert(m_rows.begin() + from, slot);
    if (from >= 0 && to == from) {
        Q_EMIT dataChanged(index(from, 0), index(from, Columns - 1));
    } else if (from >= 0 && to >= 0) {
        // Qt counts the place to move to before the row leaves.
        beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
        m_rows.erase(m_rows.begin() + from);
        m_rows.insert(m_rows.begin() + to, slot);
        endMoveRows();
        Q_EMIT dataChanged(index(to, 0), index(to, Columns - 1));
    } else if (from >= 0) {
        beginRemoveRows({}, from, from);
        m_rows.erase(m_rows.begin() + from);
        endRemoveRows();
    } else if (to >= 0) {
        beginInsertRows({}, to, to);
        m_rows.insert(m_rows.begin() + to, slot);
        endInsertRows();
    }
}

int RecipeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RecipeListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant RecipeListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const RecipeRow& e = rowAt(index.row());
    const bool problem = !e.problem().empty();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Name:
            return problem ? PathFromNative(e.fileName()) : ToQString(e.name());
        case Strength:
            return problem || e.strength().empty() ? QString() : ToQString(e.strength()) + " mg";
        case Volume:
            return problem || e.volume().empty() ? QString() : ToQString(e.volume()) + " ml";
        case Ratio:
            return problem ? QString() : ToQString(e.ratio());
        case Flavours:
            return ToQString(e.flavourText());
        case Cost:
            if (problem)
                return QString();
            return e.costValue() > 0 ? ToQString(e.cost()) : QStringLiteral("\u2014"); // unpriced
        case CanMake: {
            const std::optional<Makeable> m = problem ? std::nullopt : makeableOf(e);
            return m ? CanMakeText(*m) : QString();
        }
        case Made:
            return problem ? ToQString(e.problem())
                           : (e.canBeMade() ? tr("Yes") : ToQString(e.status()));
        case Folder:
            return PathFromNative(e.folder());
        case Modified:
            return QLocale().toString(QDateTime::fromMSecsSinceEpoch(e.modified() / 1000000),
                                      QLocale::ShortFormat);
        }
        break;
    case Qt::ToolTipRole:
        if (problem)
            return PathFromNative(e.native()) + QStringLiteral("\n") + ToQString(e.problem());
        if (index.column() == Made && !e.canBeMade())
            return ToQString(e.status());
        if (const std::optional<Makeable> m =
                index.column() == CanMake ? makeableOf(e) : std::nullopt;
            m && !m->missing.empty()) {
            QStringList lines;
            for (const Shortfall& s : m->missing)
                lines << tr("%1: %2 ml needed, %3 ml on hand")
                             .arg(s.name, ToQString(FormatNumber(RoundDecimals(s.needMl, 2))),
                                  ToQString(FormatNumber(RoundDecimals(s.onHandMl, 2))));
            return lines.join(QLatin1Char('\n'));
        }
        return PathFromNative(e.native());
    case Qt::ForegroundRole:
        if (problem) // greyed: listed, but not a recipe that can be opened as one
            return look::readable(QColor(128, 128, 128),
                                  QApplication::palette().color(QPalette::Base));
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == Strength || index.column() == Volume || index.column() == Cost)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case PathRole:
        return PathFromNative(e.native());
    case ProblemRole:
        return ToQString(e.problem());
    default:
        break;
    }
    return {};
}

QVariant RecipeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const names[Columns] = {QT_TR_NOOP("Name"),        QT_TR_NOOP("Strength"),
                                               QT_TR_NOOP("Volume"),      QT_TR_NOOP("PG/VG"),
                                               QT_TR_NOOP("Flavours"),    QT_TR_NOOP("Cost"),
                                               QT_TR_NOOP("Can be made"), QT_TR_NOOP("Folder"),
                                               QT_TR_NOOP("Modified"),    QT_TR_NOOP("Can make")};
    return section >= 0 && section < Columns ? tr(names[section]) : QVariant();
}

RecipeSettleMaker WindowRecipeSettle() {
    return [] {
        // A collection names the same flavours again and again: each text is measured for
        // its field once a reading, the rest is the window's own settle step.
        struct Measured {
            FieldMeasure measure;
            std::map<std::pair<TextField, std::u16string>, bool> fits;
        };
        auto measured = std::make_shared<Measured>();
        return [measured](MixRecipe recipe) {
            Measured& m = *measured;
            if (m.fits.size() > 4096)
                m.fits.clear();
            for (std::size_t i = 0; i < TextFieldCount; ++i) {
                const TextField f = textFieldAt(i);
                const FitsFunction fits = [&m, f](const std::u16string& text) {
                    if (!CouldBeTooWide(f, text))
                        return true;
                    const auto [at, fresh] = m.fits.try_emplace({f, text}, false);
                    if (fresh)
                        at->second = m.measure.fits(f, text);
                    return at->second;
                };
                recipe.texts[i] = ToUtf8(SettleProgramText(f, ToUtf16(recipe.texts[i]), fits).text);
            }
            return recipe;
        };
    };
}

} // namespace kovaq
