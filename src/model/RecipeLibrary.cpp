// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeLibrary.h"

#include <QSocketNotifier>

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <sys/inotify.h>
#include <unistd.h>
#include <unordered_set>

namespace kovaq {
namespace {

constexpr std::size_t kBatch = 64; // entries a reader hands over at a time
constexpr std::uint32_t kFolderEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_CREATE |
                                        IN_DELETE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;

bool under(const std::string& path, const std::string& folder) {
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           (path[folder.size()] == '/' || folder == "/");
}

} // namespace

RecipeLibrary::RecipeLibrary(std::string cacheFile, QObject* parent)
    : QObject(parent), m_cacheFile(std::move(cacheFile)) {
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    m_announceTimer.setSingleShot(true);
    m_announceTimer.setInterval(100); // while reading, the list is renewed ten times a second
    connect(&m_announceTimer, &QTimer::timeout, this, &RecipeLibrary::changed);
    m_pendingTimer.setSingleShot(true);
    m_pendingTimer.setInterval(100); // a save is several events: take them together
    connect(&m_pendingTimer, &QTimer::timeout, this, &RecipeLibrary::refreshPending);
    m_pollTimer.setInterval(1000);
    connect(&m_pollTimer, &QTimer::timeout, this, [this] {
        if (!m_reading)
            scan(true);
    });
}

RecipeLibrary::~RecipeLibrary() {
    if (m_shared)
        m_shared->cancelled = true;
    m_pool.waitForDone();
    if (m_inotify >= 0)
        ::close(m_inotify);
}

void RecipeLibrary::setFolders(const std::vector<std::string>& folders) {
    if (folders == m_folders)
        return;
    m_folders = folders;
    // What lies outside the new folders goes from the list at once.
    for (int i = count() - 1; i >= 0; --i)
        if (!covers(m_items[static_cast<std::size_t>(i)].entry.native))
            removeAt(i);
    for (auto it = m_watches.begin(); it != m_watches.end();) {
        if (covers(it->second + "/x"))
            ++it;
        else {
            ::inotify_rm_watch(m_inotify, it->first);
            it = m_watches.erase(it);
        }
    }
    announce();
    if (m_started)
        scan(false);
}

void RecipeLibrary::start() {
    m_started = true;
    scan(true);
}

bool RecipeLibrary::covers(const std::string& native) const {
    for (const std::string& f : m_folders)
        if (under(native, f))
            return true;
    return false;
}

int RecipeLibrary::indexOf(const std::string& native) const {
    const auto it = m_index.find(native);
    return it == m_index.end() ? -1 : it->second;
}

void RecipeLibrary::scan(bool useCache) {
    if (m_shared)
        m_shared->cancelled = true; // an older reading stops where it is
    m_shared = std::make_shared<Shared>();
    const quint64 generation = ++m_generation;
    m_reading = true;
    const std::shared_ptr<Shared> shared = m_shared;
    const std::vector<std::string> folders = m_folders;
    const std::string cacheFile = useCache ? m_cacheFile : std::string();
    // What the list holds now serves as the index where no file was kept.
    std::vector<RecipeEntry> known;
    if (cacheFile.empty())
        for (const Item& i : m_items)
            known.push_back(i.entry);
    m_pool.start([this, shared, generation, folders, cacheFile, known = std::move(known),
                  saveTo = m_cacheFile]() mutable {
        const auto post = [this](auto fn) {
            QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
        };
        std::vector<RecipeEntry> cached =
            cacheFile.empty() ? std::move(known) : LoadRecipeIndex(cacheFile);
        std::unordered_map<std::string, const RecipeEntry*> byPath;
        std::vector<Item> early;
        for (const RecipeEntry& e : cached) {
            byPath.emplace(e.native, &e);
            if (!cacheFile.empty())
                early.push_back({e, MakeSearchKey(e)}); // shown at once, checked below
        }
        if (!early.empty())
            post([this, generation, early = std::move(early)]() mutable {
                takeBatch(generation, std::move(early));
            });
        RecipeWalk walk = WalkRecipeFolders(folders);
        if (shared->cancelled)
            return;
        const std::vector<std::string>& files = walk.files;
        std::vector<RecipeEntry> result(files.size());
        std::vector<std::size_t> toRead;
        for (std::size_t i = 0; i < files.size(); ++i) {
            const auto found = byPath.find(files[i]);
            const FileStamp& stamp = walk.stamps[i];
            if (found != byPath.end() && found->second->modified == stamp.modified &&
                found->second->size == stamp.size)
                result[i] = *found->second;
            else
                toRead.push_back(i);
        }
        post([this, generation, files] { dropMissing(generation, files); });
        const int total = static_cast<int>(files.size());
        std::atomic<int> done{total - static_cast<int>(toRead.size())};
        const int doneBefore = done;
        post([this, doneBefore, total] { Q_EMIT progress(doneBefore, total); });

        // Readers on every thread the pool has: this one and as many more as are free.
        std::atomic<std::size_t> next{0};
        std::mutex mutex;
        std::condition_variable finished;
        int running = 0;
        const auto read = [&] {
            std::vector<Item> batch;
            const auto hand = [&] {
                const int now = done += static_cast<int>(batch.size());
                post([this, generation, batch = std::move(batch), now, total]() mutable {
                    takeBatch(generation, std::move(batch));
                    if (generation == m_generation)
                        Q_EMIT progress(now, total);
                });
                batch.clear();
            };
            for (std::size_t k; (k = next++) < toRead.size() && !shared->cancelled;) {
                const std::size_t i = toRead[k];
                result[i] = SummarizeRecipeFile(files[i]);
                batch.push_back({result[i], MakeSearchKey(result[i])});
                if (batch.size() == kBatch)
                    hand();
            }
            if (!batch.empty())
                hand();
        };
        for (int helper = 1; helper < m_pool.maxThreadCount(); ++helper) {
            {
                const std::lock_guard lock(mutex);
                ++running;
            }
            const bool started = m_pool.tryStart([&] {
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
        {
            std::unique_lock lock(mutex);
            finished.wait(lock, [&] { return running == 0; });
        }
        if (shared->cancelled)
            return;
        // The kept index is written again only when it no longer tells the truth.
        if (!saveTo.empty() &&
            (!toRead.empty() || result.size() != cached.size() || cacheFile.empty()))
            SaveRecipeIndex(saveTo, result);
        post([this, generation, walk = std::move(walk)]() mutable {
            finishScan(generation, std::move(walk));
        });
    });
}

void RecipeLibrary::takeBatch(quint64 generation, std::vector<Item> batch) {
    if (generation != m_generation)
        return;
    for (Item& i : batch)
        if (covers(i.entry.native))
            put(std::move(i));
    announce();
}

void RecipeLibrary::dropMissing(quint64 generation, const std::vector<std::string>& kept) {
    if (generation != m_generation)
        return;
    const std::unordered_set<std::string> present(kept.begin(), kept.end());
    for (int i = count() - 1; i >= 0; --i)
        if (!present.count(m_items[static_cast<std::size_t>(i)].entry.native))
            removeAt(i);
    announce();
}

void RecipeLibrary::finishScan(quint64 generation, RecipeWalk walk) {
    if (generation != m_generation)
        return;
    m_unreadable = std::move(walk.unreadable);
    m_reading = false;
    watch(walk.folders);
    m_announceTimer.stop();
    Q_EMIT changed();
    Q_EMIT idle();
}

void RecipeLibrary::put(Item item) {
    const auto found = m_index.find(item.entry.native);
    if (found != m_index.end()) {
        m_items[static_cast<std::size_t>(found->second)] = std::move(item);
        return;
    }
    m_index.emplace(item.entry.native, count());
    m_items.push_back(std::move(item));
}

void RecipeLibrary::removeAt(int index) {
    const auto i = static_cast<std::size_t>(index);
    m_index.erase(m_items[i].entry.native);
    if (i + 1 != m_items.size()) {
        m_items[i] = std::move(m_items.back());
        m_index[m_items[i].entry.native] = index;
    }
    m_items.pop_back();
}

void RecipeLibrary::removeUnder(const std::string& folder) {
    for (int i = count() - 1; i >= 0; --i) {
        const std::string& path = m_items[static_cast<std::size_t>(i)].entry.native;
        if (path == folder || under(path, folder))
            removeAt(i);
    }
    announce();
}

void RecipeLibrary::announce() {
    if (!m_reading) {
        Q_EMIT changed();
        return;
    }
    if (!m_announceTimer.isActive())
        m_announceTimer.start();
}

void RecipeLibrary::refreshFile(const std::string& native) {
    if (refreshOne(native))
        announce();
}

bool RecipeLibrary::refreshOne(const std::string& native) {
    if (!covers(native))
        return false;
    if (!StampOf(native)) { // gone
        const int i = indexOf(native);
        if (i >= 0)
            removeAt(i);
        return i >= 0;
    }
    RecipeEntry e = SummarizeRecipeFile(native);
    RecipeSearchKey key = MakeSearchKey(e);
    put({std::move(e), std::move(key)});
    return true;
}

void RecipeLibrary::watch(const std::vector<std::string>& folders) {
    if (m_inotify < 0) {
        m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_inotify < 0) {
            m_pollTimer.start(); // no watching at all: read every second
            return;
        }
        m_notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &RecipeLibrary::readEvents);
    }
    for (const std::string& folder : folders) {
        const int wd = ::inotify_add_watch(m_inotify, folder.c_str(), kFolderEvents);
        if (wd >= 0)
            m_watches[wd] = folder;
        else if (errno == ENOSPC || errno == ENOMEM)
            m_pollTimer.start(); // the system's watches ran out
    }
}

void RecipeLibrary::readEvents() {
    alignas(inotify_event) char buffer[16384];
    bool rescan = false;
    for (;;) {
        const ssize_t n = ::read(m_inotify, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            if (e->mask & IN_Q_OVERFLOW) {
                rescan = true;
                continue;
            }
            const auto watched = m_watches.find(e->wd);
            if (watched == m_watches.end())
                continue;
            const std::string folder = watched->second;
            if (e->mask & IN_IGNORED) {
                m_watches.erase(watched);
                continue;
            }
            if (e->mask & (IN_DELETE_SELF | IN_MOVE_SELF)) {
                removeUnder(folder);
                continue;
            }
            const std::string name = e->len ? std::string(e->name) : std::string();
            if (name.empty())
                continue;
            const std::string path = folder == "/" ? "/" + name : folder + "/" + name;
            if (e->mask & IN_ISDIR) {
                if (e->mask & (IN_DELETE | IN_MOVED_FROM)) {
                    removeUnder(path);
                } else if (e->mask & (IN_CREATE | IN_MOVED_TO)) {
                    // A folder come in, with whatever it holds already.
                    const RecipeWalk added = WalkRecipeFolders({path});
                    for (const std::string& f : added.files)
                        m_pending.insert(QByteArray::fromStdString(f));
                    watch(added.folders);
                }
                if (!IsRecipeFileName(name))
                    continue;
            }
            if (IsRecipeFileName(name))
                m_pending.insert(QByteArray::fromStdString(path));
        }
    }
    if (rescan)
        scan(true);
    else if (!m_pending.isEmpty() && !m_pendingTimer.isActive())
        m_pendingTimer.start();
}

void RecipeLibrary::refreshPending() {
    const QSet<QByteArray> pending = std::exchange(m_pending, {});
    if (pending.size() > 200) { // a whole folder come at once: read it off this thread
        scan(true);
        return;
    }
    bool any = false;
    for (const QByteArray& path : pending)
        any = refreshOne(path.toStdString()) || any;
    if (any)
        announce();
}

} // namespace kovaq
