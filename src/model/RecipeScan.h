// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "RecipeIndex.h"
#include "RecipeSearch.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class QThreadPool;

namespace kovaq {

// One recipe as the library keeps it: what the list shows and what the search reads.
struct RecipeItem {
    RecipeEntry entry;
    RecipeSearchKey key;
};

RecipeItem MakeRecipeItem(RecipeEntry entry);

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

// Reads the files `toRead` (positions in `files`) into `result`, on this thread and on as
// many of the pool's as are free, handing each batch over as it is read. Stops between
// files once cancelled.
void ReadRecipeFiles(QThreadPool& pool, const std::vector<std::string>& files,
                     const std::vector<std::size_t>& toRead, std::vector<RecipeEntry>& result,
                     const std::atomic<bool>& cancelled,
                     const std::function<void(std::vector<RecipeItem>)>& hand);

// What changed below some folders since they were last read: the files that are new or
// changed (read), and those gone.
struct RecipeChanges {
    RecipeWalk walk;
    std::vector<RecipeItem> changed;
    std::vector<std::string> gone;
};
// `known`: each file below the roots as the library holds it.
RecipeChanges RewalkRecipeFolders(const RecipeWalker& walker, const std::vector<std::string>& roots,
                                  const std::vector<std::string>& within,
                                  const std::vector<std::pair<std::string, FileStamp>>& known,
                                  const std::atomic<bool>& cancelled);

// A look at unwatched folders: those whose time changed (or that are gone), and of the
// files given, those changed (read) or gone. Costs a stat each, and reads only what changed.
struct RecipePollResult {
    std::vector<std::string> changedFolders;
    std::vector<RecipeItem> changed;
    std::vector<std::string> gone;
};
RecipePollResult PollRecipeFolders(const std::vector<std::pair<std::string, std::int64_t>>& folders,
                                   const std::vector<std::pair<std::string, FileStamp>>& files,
                                   const std::atomic<bool>& cancelled);

} // namespace kovaq
