// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "RecipeIndex.h"
#include "RecipeSearch.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QSocketNotifier;

namespace kovaq {

// Every recipe file in the user's recipe folders, as the Recipes list shows it. The folders
// are read off the user-interface thread and the list fills as they are read; the index is
// kept between runs, so that a later start reads only what changed (by size and time to
// the nanosecond). Files saved, renamed, added or removed in a folder, by anything, are
// seen within a second: the folders are watched, and where the system's watches run out,
// read again every second.
class RecipeLibrary : public QObject {
    Q_OBJECT
  public:
    struct Item {
        RecipeEntry entry;
        RecipeSearchKey key;
    };

    // `cacheFile` is where the index is kept (a native path; empty keeps none).
    explicit RecipeLibrary(std::string cacheFile, QObject* parent = nullptr);
    ~RecipeLibrary() override;

    // Native paths of the folders; a change reads them afresh.
    void setFolders(const std::vector<std::string>& folders);
    const std::vector<std::string>& folders() const { return m_folders; }
    // Reads the kept index and then the folders.
    void start();
    bool reading() const { return m_reading; }
    // A file Ko-Vaq has just written or removed: listed afresh at once.
    void refreshFile(const std::string& native);

    int count() const { return static_cast<int>(m_items.size()); }
    const Item& item(int i) const { return m_items[static_cast<std::size_t>(i)]; }
    int indexOf(const std::string& native) const;
    // Whether the path lies in one of the folders.
    bool covers(const std::string& native) const;
    // Folders that could not be read at all.
    const std::vector<std::string>& unreadableFolders() const { return m_unreadable; }
    // Whether the system's watches ran out, so that the folders are read every second.
    bool polling() const { return m_pollTimer.isActive(); }

  Q_SIGNALS:
    // Entries were added, replaced or removed.
    void changed();
    // While reading: so many of so many files.
    void progress(int done, int total);
    // Every folder has been read.
    void idle();

  private:
    struct Shared {
        std::atomic<bool> cancelled{false};
    };
    void scan(bool useCache);
    void takeBatch(quint64 generation, std::vector<Item> batch);
    void dropMissing(quint64 generation, const std::vector<std::string>& kept);
    void finishScan(quint64 generation, RecipeWalk walk);
    bool refreshOne(const std::string& native);
    void put(Item item);
    void removeAt(int index);
    void removeUnder(const std::string& folder);
    void announce();
    void watch(const std::vector<std::string>& folders);
    void readEvents();
    void refreshPending();

    std::string m_cacheFile;
    std::vector<std::string> m_folders;
    std::vector<std::string> m_unreadable;
    std::vector<Item> m_items;
    std::unordered_map<std::string, int> m_index;
    std::shared_ptr<Shared> m_shared;
    QThreadPool m_pool;
    quint64 m_generation = 0;
    bool m_reading = false;
    bool m_started = false;
    QTimer m_announceTimer;
    QTimer m_pendingTimer;
    QTimer m_pollTimer;
    QSet<QByteArray> m_pending;
    int m_inotify = -1;
    QSocketNotifier* m_notifier = nullptr;
    std::unordered_map<int, std::string> m_watches; // watch descriptor -> folder
};

} // namespace kovaq
