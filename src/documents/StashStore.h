// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Recipe.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
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
    // The figures as numbers, as they are stored; the texts beside them are what the lists
    // and labels show, made from the numbers by SetBatchFigures.
    double volumeMl = 0;
    double strengthMg = 0;
    double pgPercent = -1;           // the mix's PG share; -1 when it has none
    std::optional<double> costValue; // none when the mix was not priced
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

// Sets a batch's figures and the texts shown for them.
void SetBatchFigures(Batch& batch, double volumeMl, double strengthMg, double pgPercent,
                     std::optional<double> cost);
// "70-30", "PG", "VG" for a PG share of the ratio list; empty for any other.
QString RatioTextOfPg(double pgPercent);

// What a batch asks of the stash: a slot's millilitres, from the bottle the row was filled
// from (`bottle`, when still there) or else from the bottles of its kind with its name.
struct Need {
    SlotId slot = SlotId::PG;
    QString name; // empty for PG, VG and vodka/water: any bottle of the kind
    double ml = 0;
    std::int64_t bottle = 0;
};

// What the user keeps about one flavour in the flavour book, keyed by its FlavourKey.
struct FlavourNote {
    QString key;  // set by the store from the name
    QString name; // as the user last saw it
    QString notes;
    std::optional<int> rating;   // 1 to 5
    std::optional<double> share; // the share the user prefers, percent
    bool empty() const { return notes.trimmed().isEmpty() && !rating && !share; }
    bool operator==(const FlavourNote&) const = default;
};

struct StashImport;

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
    // Why it is not open for writing, told apart because each asks something else of the
    // person: a damaged file to be replaced, a folder or a disk to be freed, a second
    // Ko-Vaq to be closed.
    enum class Condition { Fine, Missing, Busy, Newer, Damaged, Unwritable, Full, Unreadable };
    static constexpr int SchemaVersion = 4;
    // Whether the stash's folder takes a new file: 0, or the errno of the failure. Tests
    // replace it to play a read-only folder or a full disk.
    using FolderProbe = std::function<int(const QString& folder)>;
    static int ProbeFolder(const QString& folder);

    // AppDataLocation/ko-vaq.sqlite.
    static QString DefaultPath();

    explicit StashStore(QString path, FolderProbe probe = &StashStore::ProbeFolder);
    ~StashStore();
    StashStore(const StashStore&) = delete;
    StashStore& operator=(const StashStore&) = delete;

    // Opens, making the file when it is missing (unless only reading is asked for).
    State open(bool readOnly = false);
    State state() const { return m_state; }
    Condition condition() const { return m_condition; }
    bool writable() const { return m_state == State::ReadWrite; }
    // Why it is not open for writing, in one line; empty when it is.
    const QString& problem() const { return m_problem; }
    const QString& path() const { return m_path; }

    // Opens again, as at start: after the folder or the disk has been freed.
    State reopen();
    // A damaged stash is put aside (its copy kept) and a new, empty one started in its
    // place. Gives the reason when it did not happen; `kept` is where the damaged one is.
    std::optional<QString> startNew(QString* kept = nullptr);
    // Where a damaged stash's copy is; empty when there is none.
    const QString& damagedCopy() const { return m_damagedCopy; }

    // The bottles in the stash; with those removed but still to be brought back by Undo
    // when asked.
    std::vector<Bottle> bottles(bool withRemoved = false) const;
    // Each gives the reason when it did not happen.
    // Sets its id.
    std::optional<QString> addBottle(Bottle& bottle);
    // A removed bottle keeps its id and what its batches took from it, until the next
    // start: Undo brings it back whole.
    std::optional<QString> removeBottle(std::int64_t id);
    std::optional<QString> restoreBottle(std::int64_t id);
    // Applies the change from `from` to `to` and nothing else: the fields that differ are
    // set, and on hand moves by the difference, so that what batches took since stays
    // taken.
    std::optional<QString> changeBottle(std::int64_t id, const Bottle& from, const Bottle& to);

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
    // Removes the newest batch and gives back exactly what it took; `removed` receives it
    // whole, with what it took, to be put back by restoreBatch.
    std::optional<QString> undoLastBatch(Batch* removed = nullptr);
    std::optional<QString> removeBatch(std::int64_t id, Batch* removed = nullptr);
    // Puts back a batch removed, with its id, and takes again exactly what it took.
    std::optional<QString> restoreBatch(const Batch& batch);

    // The flavour book's notes (none before a stash of version 4 is opened for writing).
    std::vector<FlavourNote> flavourNotes() const;
    std::optional<FlavourNote> flavourNote(const QString& name) const;
    // Kept under the name's FlavourKey (set into `note.key`); a note with nothing in it is
    // removed. Refuses a rating outside 1 to 5 and a share outside 0 to 100 %.
    std::optional<QString> setFlavourNote(FlavourNote& note);

    // Adds and updates the bottles of an import read by ReadStashCsv, in one transaction:
    // all of it or, on any failure, none. The added bottles get their ids.
    std::optional<QString> importBottles(StashImport& import);
    // An import applied, taken back (`back`: its added bottles removed, kept for a Redo;
    // what it changed of the others set back) or applied again, in one transaction.
    std::optional<QString> replayImport(const StashImport& import, bool back);

  private:
    std::optional<QString> migrate(int from);
    std::optional<QString> refused() const;
    bool connectTo(bool readOnly, bool immutable);
    void keepDamagedCopy();
    std::vector<Batch> readBatches(bool whole, std::int64_t only) const;
    std::optional<QString> insertBatch(const Batch& batch, bool withId, std::int64_t* id);
    std::optional<QString> fail(const QString& what, const QSqlQuery* query = nullptr) const;

    QString m_path;
    QString m_connection;
    FolderProbe m_probe;
    State m_state = State::Closed;
    Condition m_condition = Condition::Fine;
    QString m_problem;
    QString m_damagedCopy;
    int m_version = 0; // the schema of the file open
    class Lock;
    Lock* m_lock = nullptr;
};

// One CSV cell (RFC 4180): quoted where it holds a comma, a quote or a line break. A cell
// that a spreadsheet would run as a formula is written behind an apostrophe.
QString CsvCell(const QString& text);
// The batches as CSV (UTF-8, a header row, ISO dates).
std::string BatchesCsv(const std::vector<Batch>& batches);

} // namespace kovaq
