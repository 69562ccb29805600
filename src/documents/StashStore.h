// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Recipe.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QSqlQuery;

namespace kovaq {

// What a bottle holds, as the user's stash sorts them.
enum class BottleKind { NicotineBase, PG, VG, Flavour, VodkaWater };
inline constexpr int BottleKindCount = 5;
QString BottleKindName(BottleKind kind); // "Nicotine base", "PG", ...
// The kind of bottle a slot of the recipe is filled from.
BottleKind KindOfSlot(SlotId slot);

// One bottle the user owns.
struct Bottle {
    std::int64_t id = 0;
    BottleKind kind = BottleKind::Flavour;
    QString name;
    QString maker;
    double onHand = 0;   // ml
    double size = 0;     // ml in a full bottle
    double price = 0;    // of a full bottle
    int ratio = -1;      // the carrier's PG/VG: a position in the ratio list, -1 for none
    double strength = 0; // mg/ml, for a nicotine base
    QString gravity;     // g/ml as typed; empty for the default
    QString notes;
    bool operator==(const Bottle&) const = default;
};

// What a batch took from one bottle, so that it can be given back exactly.
struct Deduction {
    std::int64_t bottle = 0;
    double ml = 0;
};

// One batch mixed, kept whole: the recipe's text travels with it, so that it stays
// readable when the file changes or goes.
struct Batch {
    std::int64_t id = 0;
    std::int64_t mixedAt = 0; // milliseconds since 1970, UTC
    QString name;             // the mix name with its strength, volume and ratio
    QString volume;
    QString strength;
    QString ratio;
    std::array<double, SlotCount> ml{};
    std::array<double, SlotCount> grams{};
    QString cost;
    QString file;       // the recipe file's path, as text; empty for an unsaved mix
    QString recipeText; // the .mix text
    int steepDays = 7;
    QString note;
    QString shortfall; // what the stash did not hold
    std::vector<Deduction> deductions;
    // When it is steeped, at the local midnight starting that day.
    std::int64_t readyAt() const;
};

// What a batch asks of the stash: a slot's millilitres, from the bottle the row was filled
// from (`bottle`, when still there) or else from the bottles of its kind with its name.
struct Need {
    SlotId slot = SlotId::PG;
    QString name; // empty for PG, VG and vodka/water: any bottle of the kind
    double ml = 0;
    std::int64_t bottle = 0;
};

// Whether a bottle can give to a need: the bottle asked for, or one of the slot's kind with
// the need's name (blanks around and case aside). A need without a name takes any bottle of
// its kind, except a flavour's: an unnamed flavour could be any of them.
bool BottleServes(const Bottle& bottle, const Need& need);

// The user's stash and batch log, in one SQLite database (WAL, foreign keys on, the schema's
// version in PRAGMA user_version with the steps from each older one here in code, every
// change one transaction). A database that is damaged, written by a newer Ko-Vaq, or in use
// by a second one is opened read-only, or not at all, and said so in one line; it is never
// written over, rebuilt or deleted, and a damaged one is first copied aside.
class StashStore {
  public:
    enum class State { Closed, ReadWrite, ReadOnly, Unavailable };
    static constexpr int SchemaVersion = 2;

    // AppDataLocation/ko-vaq.sqlite.
    static QString DefaultPath();

    explicit StashStore(QString path);
    ~StashStore();
    StashStore(const StashStore&) = delete;
    StashStore& operator=(const StashStore&) = delete;

    // Opens, making the file when it is missing (unless only reading is asked for).
    State open(bool readOnly = false);
    State state() const { return m_state; }
    bool writable() const { return m_state == State::ReadWrite; }
    // Why it is not open for writing, in one line; empty when it is.
    const QString& problem() const { return m_problem; }
    const QString& path() const { return m_path; }

    std::vector<Bottle> bottles() const;
    // Each gives the reason when it did not happen.
    // Sets its id; a bottle with an id (one removed and brought back) keeps it.
    std::optional<QString> addBottle(Bottle& bottle);
    std::optional<QString> updateBottle(const Bottle& bottle);
    std::optional<QString> removeBottle(std::int64_t id);

    // Newest first; without their recipes' texts and slots unless asked (the list needs
    // neither, and 10,000 of them would be megabytes).
    std::vector<Batch> batches(bool whole = false) const;
    // One batch, whole.
    std::optional<Batch> batch(std::int64_t id) const;
    // The steep days of the newest batch of a recipe file.
    std::optional<int> steepDaysOf(const QString& file) const;
    // Records the batch and takes what it needs from the stash, in one transaction: from
    // the bottle asked, else those of the kind and name, oldest first; what they do not
    // hold goes into the batch's shortfall, and no bottle goes below 0.
    std::optional<QString> recordBatch(Batch& batch, const std::vector<Need>& needs);
    // Removes the newest batch and gives back exactly what it took.
    std::optional<QString> undoLastBatch();

  private:
    std::optional<QString> migrate(int from);
    std::vector<Batch> readBatches(bool whole, std::int64_t only) const;
    std::optional<QString> fail(const QString& what, const QSqlQuery* query = nullptr) const;

    QString m_path;
    QString m_connection;
    State m_state = State::Closed;
    QString m_problem;
    class Lock;
    Lock* m_lock = nullptr;
};

// The batches as CSV (RFC 4180, UTF-8, a header row, ISO dates).
std::string BatchesCsv(const std::vector<Batch>& batches);

} // namespace kovaq
