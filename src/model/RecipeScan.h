// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "RecipeIndex.h"
#include "RecipeSearch.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QThreadPool;

namespace kovaq {

// One recipe as the library keeps it, in one block: what the list shows and what the
// search reads (folded once, when the file was read), the numbers as numbers. The notes are
// kept only folded, for the search: they are not shown.
class RecipeRow {
  public:
    struct Free {
        void operator()(RecipeRow* row) const;
    };
    using Ptr = std::unique_ptr<RecipeRow, Free>;
    static Ptr make(const RecipeEntry& entry);
    RecipeRow(const RecipeRow&) = delete;
    RecipeRow& operator=(const RecipeRow&) = delete;

    // The entry it was made of, without the notes.
    RecipeEntry entry() const;
    bool operator==(const RecipeRow& other) const;

    std::string_view native() const { return text(Native); }
    std::string_view fileName() const;
    std::string_view folder() const;
    FileStamp stamp() const { return {m_modified, m_size}; }
    std::int64_t modified() const { return m_modified; }
    std::string_view problem() const { return text(Problem); }
    std::string_view name() const { return text(Name); }
    std::string_view strength() const { return text(Strength); }
    std::string_view volume() const { return text(Volume); }
    std::string_view ratio() const { return text(Ratio); }
    std::string_view cost() const { return text(Cost); }
    std::string_view status() const { return text(Status); }
    bool canBeMade() const { return m_canBeMade; }
    std::size_t flavourCount() const { return m_flavours; }
    std::string_view flavourName(std::size_t k) const { return text(Texts + 3 * k); }
    std::string_view flavourPercent(std::size_t k) const { return text(Texts + 3 * k + 1); }
    // "Lemon 10 %, Cream 3 %"
    std::string flavourText() const;

    // For the search: name, flavour names, notes and file name, folded, each on a line.
    std::string_view searchText() const { return text(Folded); }
    std::string_view foldedName() const { return searchText().substr(0, m_nameLength); }
    std::string_view foldedFlavour(std::size_t k) const { return text(Texts + 3 * k + 2); }
    double share(std::size_t k) const { return shares()[k]; }
    std::optional<double> strengthValue() const;
    // The numbers the list sorts by.
    double volumeValue() const { return m_volume; }
    double costValue() const { return m_cost; }

  private:
    enum : std::size_t {
        Native,
        Problem,
        Name,
        Strength,
        Volume,
        Ratio,
        Cost,
        Status,
        Folded,
        Texts
    };
    RecipeRow() = default;
    std::size_t textCount() const { return Texts + 3 * m_flavours; }
    const double* shares() const { return reinterpret_cast<const double*>(this + 1); }
    const std::uint32_t* ends() const {
        return reinterpret_cast<const std::uint32_t*>(shares() + m_flavours);
    }
    const char* chars() const { return reinterpret_cast<const char*>(ends() + textCount()); }
    std::string_view text(std::size_t i) const {
        const std::uint32_t start = i == 0 ? 0 : ends()[i - 1];
        return {chars() + start, ends()[i] - start};
    }

    std::int64_t m_modified = 0;
    std::int64_t m_size = -1;
    double m_strength = 0;
    double m_volume = 0;
    double m_cost = 0;
    std::uint32_t m_bytes = 0; // after the header: shares, where each text ends, the texts
    std::uint32_t m_nameLength = 0;
    std::uint8_t m_flavours = 0;
    bool m_canBeMade = false;
    bool m_hasStrength = false;
};

// A recipe's place in the library: it stays at one address while its file is listed, and
// its row is replaced when the file changes.
struct RecipeItem {
    RecipeRow::Ptr row;
    std::uint32_t slot = 0; // its place among the library's items, for a list's own table
    // The entry as it was read, without the notes (for tests and tools; the list reads `row`).
    RecipeEntry entry() const { return row->entry(); }
};

// A reading's settle step, one for each thread that reads: the fields' measure caches a
// font, which belongs to one thread.
using RecipeSettleMaker = std::function<RecipeSettle()>;

// Lowers the calling thread below the window's: the library's own threads read and walk
// in the window's spare time.
void YieldToTheWindow();

// How the folders are walked: WalkRecipeFolders, or a stand-in (a folder that answers slowly).
using RecipeWalker = std::function<RecipeWalk(const std::vector<std::string>& roots,
                                              const std::atomic<bool>& cancelled,
                                              const std::vector<std::string>& within)>;
RecipeWalker DefaultRecipeWalker();

// What the workers hand back goes to the library's thread while the library lives; once it
// is gone, nothing more is sent.
class RecipePost {
  public:
    explicit RecipePost(QObject* owner) : m_owner(owner) {}
    void forget() {
        const std::lock_guard lock(m_mutex);
        m_owner = nullptr;
    }
    template <class Fn> void operator()(Fn fn) {
        const std::lock_guard lock(m_mutex);
        if (m_owner)
            QMetaObject::invokeMethod(m_owner, std::move(fn), Qt::QueuedConnection);
    }

  private:
    std::mutex m_mutex;
    QObject* m_owner;
};

// Reads the files `toRead` (positions in `files`), on this thread and on as many of the
// pool's as are free, handing each batch of rows over as it is read; each entry also goes
// to `index` (when given) for the next kept index. Stops between files once cancelled.
void ReadRecipeFiles(QThreadPool& pool, const std::vector<std::string>& files,
                     const std::vector<std::size_t>& toRead, const RecipeSettleMaker& settle,
                     const std::atomic<bool>& cancelled, RecipeIndexWriter* index,
                     const std::function<void(std::vector<RecipeRow::Ptr>)>& hand);

// What changed below some folders since they were last read: the files that are new or
// changed (read), and those gone.
struct RecipeChanges {
    RecipeWalk walk;
    std::vector<RecipeRow::Ptr> changed;
    std::vector<std::string> gone;
};
// `known`: each file below the roots as the library holds it.
RecipeChanges RewalkRecipeFolders(const RecipeWalker& walker, const std::vector<std::string>& roots,
                                  const std::vector<std::string>& within,
                                  const std::vector<std::pair<std::string, FileStamp>>& known,
                                  const RecipeSettleMaker& settle,
                                  const std::atomic<bool>& cancelled);

// A look at unwatched folders: those whose time changed (or that are gone), and of the
// files given, those changed (read) or gone. Costs a stat each, and reads only what changed.
struct RecipePollResult {
    std::vector<std::string> changedFolders;
    std::vector<RecipeRow::Ptr> changed;
    std::vector<std::string> gone;
};
RecipePollResult PollRecipeFolders(const std::vector<std::pair<std::string, std::int64_t>>& folders,
                                   const std::vector<std::pair<std::string, FileStamp>>& files,
                                   const RecipeSettleMaker& settle,
                                   const std::atomic<bool>& cancelled);

} // namespace kovaq
