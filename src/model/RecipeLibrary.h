// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "RecipeIndex.h"
#include "RecipeScan.h"
#include "RecipeSearch.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QSocketNotifier;
class QThreadPool;

namespace kovaq {

// Every recipe file in the user's recipe folders, as the Recipes list shows it. The folders
// are read off the user-interface thread and the list fills as they are read; the index is
// kept between runs, so that a later start reads only what changed (by size and time to
// the nanosecond). Files saved, renamed, added or removed in a folder, by anything, are
// seen within a second: the folders are watched, and those that cannot be (the system's
// watches ran out, or there are too many) are looked at every few seconds.
//
// Each entry is known by its file's path, and every change is told as it is made, by that
// path: a list that follows the signals never shows a row for one file and acts on another.
class RecipeLibrary : public QObject {
    Q_OBJECT
  public:
    using Item = RecipeItem;

    // `cacheFile` is where the index is kept (a native path; empty keeps none).
    explicit RecipeLibrary(std::string cacheFile, QObject* parent = nullptr);
    // Stops any reading at its next file or folder entry, without waiting for the rest.
    ~RecipeLibrary() override;

    // Native paths of the folders; a change reads them afresh.
    void setFolders(const std::vector<std::string>& folders);
    const std::vector<std::string>& folders() const { return m_folders; }
    // Reads the kept index and then the folders.
    void start();
    // Reads every folder again, keeping what has not changed.
    void rescan();
    bool reading() const { return m_reading; }
    // Whether the folders have been read through once since the start.
    bool indexed() const { return m_indexed; }
    // A file Ko-Vaq has just written or removed: listed afresh at once.
    void refreshFile(const std::string& native);

    int count() const { return static_cast<int>(m_items.size()); }
    const Item& item(int i) const { return *m_items[static_cast<std::size_t>(i)]; }
    int indexOf(std::string_view native) const;
    // Every item has a slot below this, its own while it is listed.
    std::size_t slots() const { return m_store.size(); }
    // The entry of a file, or null. It stays at this address, its row renewed when the
    // file changes, until the file is removed from the library.
    const Item* find(std::string_view native) const;
    // Whether the path lies in one of the folders.
    bool covers(std::string_view native) const;
    // Folders that could not be read at all.
    const std::vector<std::string>& unreadableFolders() const { return m_unreadable; }
    // Whether some folders are not watched but looked at every few seconds.
    bool polling() const { return !m_polled.empty(); }
    int pollSeconds() const { return m_pollTimer.interval() / 1000; }

    // What the window's fields make of a loaded recipe, one step for each thread that
    // reads: the list then shows each recipe as the window would load it. None keeps the
    // texts as written.
    void setSettle(RecipeSettleMaker settle) { m_settle = std::move(settle); }

    // For tests: how the folders are walked, how many are watched at most, and how often
    // those beyond are looked at.
    void setWalker(RecipeWalker walker) { m_walker = std::move(walker); }
    void setWatchLimit(int folders) { m_watchLimit = folders; }
    void setPollInterval(int ms) { m_pollTimer.setInterval(ms); }

  Q_SIGNALS:
    // Each change as it is made, by the file's path (direct connections only):
    // everything is to be read afresh (while the list first fills, ten times a second, and
    // when other folders are chosen), and has been;
    void aboutToReset();
    void resetDone();
    // an entry was added; one is about to be removed (it can still be read); one has been
    // changed in place;
    void added(const std::string& native);
    void aboutToRemove(const std::string& native);
    void updated(const std::string& native);
    // many entries were added, told together: while the list first fills (at most ten
    // times a second), and when many come at once.
    void addedTogether(const std::vector<const RecipeItem*>& items);
    // many entries are about to be removed together (they can still be read).
    void aboutToRemoveTogether(const std::vector<const RecipeItem*>& items);
    // Entries were added, replaced or removed: while reading, at most ten times a second.
    void changed();
    // A reading of the folders began.
    void readingStarted();
    // While reading: so many of so many files.
    void progress(int done, int total);
    // Every folder has been read.
    void idle();

  private:
    enum class Scan { FromKeptIndex, OtherFolders, Again };
    void scan(Scan kind);
    void takeBatch(quint64 generation, std::vector<RecipeRow::Ptr> batch);
    void dropGone(quint64 generation, const std::vector<std::string>& gone);
    void finishScan(quint64 generation, RecipeWalk walk);
    void rewalk(const std::vector<std::string>& roots);
    void applyChanges(quint64 generation, std::vector<RecipeRow::Ptr> changed,
                      const std::vector<std::string>& gone);
    void poll();
    std::vector<std::pair<std::string, FileStamp>>
    knownBelow(const std::vector<std::string>& roots) const;
    bool refreshOne(const std::string& native);
    void put(RecipeRow::Ptr row, bool tellAdded);
    void renewFill();
    void removeAt(int index, bool tell);
    bool removeAll(std::vector<int> indices);
    // The rows of these paths, where they are listed, removed as removeAll removes them.
    bool removePaths(const std::vector<std::string>& gone);
    void removeUnder(const std::string& folder);
    void announce();
    void watch(const std::vector<std::string>& folders, const std::vector<std::int64_t>& times);
    void watchInTurns(quint64 generation, std::shared_ptr<const RecipeWalk> walk, std::size_t from);
    void unwatchOutside();
    void readEvents();
    void refreshPending();

    std::string m_cacheFile;
    std::vector<std::string> m_folders;
    std::vector<std::string> m_unreadable;
    std::deque<Item> m_store;                          // each at a fixed address
    std::vector<Item*> m_free;                         // places in the store to use again
    std::vector<Item*> m_items;                        // those listed
    std::vector<const Item*> m_fresh;                  // added, not yet told
    std::unordered_map<std::string_view, int> m_index; // by the path its row holds
    std::shared_ptr<RecipePost> m_post;
    std::shared_ptr<std::atomic<bool>> m_cancel; // of the reading under way
    QThreadPool* m_pool;                         // see the destructor
    RecipeWalker m_walker;
    RecipeSettleMaker m_settle;
    RecipeSettle m_settleHere; // for files read on this thread
    quint64 m_generation = 0;
    bool m_reading = false;
    bool m_indexed = false;
    bool m_started = false;
    bool m_filling = false; // the first reading, or the first of other folders
    int m_rewalks = 0;      // folders being read again, off this thread
    bool m_pollBusy = false;
    int m_pollRound = 0;
    int m_watchLimit = 8192;
    QTimer m_announceTimer;
    QTimer m_pendingTimer;
    QTimer m_pollTimer;
    QSet<QByteArray> m_pending;
    int m_inotify = -1;
    bool m_inotifyFailed = false;
    QSocketNotifier* m_notifier = nullptr;
    std::unordered_map<int, std::string> m_watches;         // watch descriptor -> folder
    std::unordered_map<std::string, int> m_watchOf;         // folder -> watch descriptor
    std::unordered_map<std::string, std::int64_t> m_polled; // unwatched folder -> its time
};

} // namespace kovaq
