// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeScan.h"

#include <QThreadPool>

#include <condition_variable>
#include <unordered_map>
#include <unordered_set>

namespace kovaq {
namespace {

constexpr std::size_t kBatch = 64; // entries a reader hands over at a time

} // namespace

RecipeItem MakeRecipeItem(RecipeEntry entry) {
    RecipeSearchKey key = MakeSearchKey(entry);
    return {std::move(entry), std::move(key)};
}

RecipeWalker DefaultRecipeWalker() {
    return [](const std::vector<std::string>& roots, const std::atomic<bool>& cancelled,
              const std::vector<std::string>& inside) {
        return WalkRecipeFolders(roots, &cancelled, &inside);
    };
}

void ReadRecipeFiles(QThreadPool& pool, const std::vector<std::string>& files,
                     const std::vector<std::size_t>& toRead, std::vector<RecipeEntry>& result,
                     const std::atomic<bool>& cancelled,
                     const std::function<void(std::vector<RecipeItem>)>& hand) {
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable finished;
    int running = 0;
    const auto read = [&] {
        std::vector<RecipeItem> batch;
        for (std::size_t k; (k = next++) < toRead.size() && !cancelled;) {
            const std::size_t i = toRead[k];
            result[i] = SummarizeRecipeFile(files[i]);
            batch.push_back(MakeRecipeItem(result[i]));
            if (batch.size() == kBatch)
                hand(std::exchange(batch, {}));
        }
        if (!batch.empty())
            hand(std::move(batch));
    };
    for (int helper = 1; helper < pool.maxThreadCount() && toRead.size() > kBatch; ++helper) {
        {
            const std::lock_guard lock(mutex);
            ++running;
        }
        const bool started = pool.tryStart([&] {
            read();
            const std::lock_guard lock(mutex);
            --running;
            finished.notify_all();
        });
        if (!started) {
            const std::lock_guard lock(mutex);
            --running;
            break;
        }
    }
    read();
    std::unique_lock lock(mutex);
    finished.wait(lock, [&] { return running == 0; });
}

RecipeChanges RewalkRecipeFolders(const RecipeWalker& walker, const std::vector<std::string>& roots,
                                  const std::vector<std::string>& inside,
                                  const std::vector<std::pair<std::string, FileStamp>>& known,
                                  const std::atomic<bool>& cancelled) {
    RecipeChanges out;
    out.walk = walker(roots, cancelled, inside);
    if (!out.walk.complete)
        return out;
    std::unordered_map<std::string, FileStamp> before(known.begin(), known.end());
    std::unordered_set<std::string> present;
    for (std::size_t i = 0; i < out.walk.files.size() && !cancelled; ++i) {
        const std::string& file = out.walk.files[i];
        present.insert(file);
        const auto found = before.find(file);
        if (found == before.end() || !(found->second == out.walk.stamps[i]))
            out.changed.push_back(MakeRecipeItem(SummarizeRecipeFile(file)));
    }
    for (const auto& [file, stamp] : known)
        if (!present.count(file))
            out.gone.push_back(file);
    if (cancelled)
        out.walk.complete = false;
    return out;
}

RecipePollResult PollRecipeFolders(const std::vector<std::pair<std::string, std::int64_t>>& folders,
                                   const std::vector<std::pair<std::string, FileStamp>>& files,
                                   const std::atomic<bool>& cancelled) {
    RecipePollResult out;
    for (const auto& [folder, time] : folders) {
        if (cancelled)
            return out;
        const std::optional<std::int64_t> now = FolderTimeOf(folder);
        if (!now || *now != time)
            out.changedFolders.push_back(folder);
    }
    // A file written in place changes no folder's time: only its own.
    for (const auto& [file, stamp] : files) {
        if (cancelled)
            return out;
        const std::optional<FileStamp> now = StampOf(file);
        if (!now)
            out.gone.push_back(file);
        else if (!(*now == stamp))
            out.changed.push_back(MakeRecipeItem(SummarizeRecipeFile(file)));
    }
    return out;
}

} // namespace kovaq
