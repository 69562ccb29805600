// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeLibrary.h"

#include <QSocketNotifier>
#include <QThreadPool>

#include <algorithm>
#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>
#include <unordered_set>

namespace kovaq {
namespace {

constexpr std::uint32_t kFolderEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_CREATE |
                                        IN_DELETE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
// Unwatched folders are looked at this often (their times; a stat each); every few looks,
// their files' times too, for files written in place.
constexpr int kPollMs = 5000;
constexpr int kSweepEvery = 6;

bool under(const std::string& path, const std::string& folder) {
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           (path[folder.size()] == '/' || folder == "/");
}

} // namespace

RecipeLibrary::RecipeLibrary(std::string cacheFile, QObject* parent)
    : QObject(parent), m_cacheFile(std::move(cacheFile)),
      m_post(std::make_shared<RecipePost>(this)), m_pool(new QThreadPool),
      m_walker(DefaultRecipeWalker()) {
    m_pool->setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    m_announceTimer.setSingleShot(true);
    m_announceTimer.setInterval(100); // while reading, the count is renewed ten times a second
    connect(&m_announceTimer, &QTimer::timeout, this, [this] {
        renewFill();
        Q_EMIT changed();
    });
    m_pendingTimer.setSingleShot(true);
    m_pendingTimer.setInterval(100); // a save is several events: take them together
    connect(&m_pendingTimer, &QTimer::timeout, this, &RecipeLibrary::refreshPending);
    m_pollTimer.setInterval(kPollMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &RecipeLibrary::poll);
}

RecipeLibrary::~RecipeLibrary() {
    m_post->forget();
    if (m_cancel)
        *m_cancel = true;
    // Readers stop before their next file or folder entry. One entry of a share that no
    // longer answers can take minutes: its thread is then left to end with the program
    // rather than keep the program (and the stash it holds) alive.
    m_pool->clear();
    if (m_pool->waitForDone(1000))
        delete m_pool;
    if (m_inotify >= 0)
        ::close(m_inotify);
}

void RecipeLibrary::setFolders(const std::vector<std::string>& folders) {
    if (folders == m_folders)
        return;
    m_folders = folders;
    // What lies outside the new folders goes from the list at once.
    Q_EMIT aboutToReset();
    for (int i = count() - 1; i >= 0; --i)
        if (!covers(m_items[static_cast<std::size_t>(i)]->entry.native))
            removeAt(i, false);
    Q_EMIT resetDone();
    unwatchOutside();
    announce();
    if (m_started) {
        m_filling = true;
        scan(Scan::OtherFolders);
    }
}

void RecipeLibrary::start() {
    m_started = true;
    m_filling = true;
    scan(Scan::FromKeptIndex);
}

void RecipeLibrary::rescan() {
    scan(Scan::Again);
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

const RecipeLibrary::Item* RecipeLibrary::find(const std::string& native) const {
    const int i = indexOf(native);
    return i < 0 ? nullptr : m_items[static_cast<std::size_t>(i)].get();
}

void RecipeLibrary::scan(Scan kind) {
    if (m_cancel)
        *m_cancel = true; // an older reading stops where it is
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const quint64 generation = ++m_generation;
    m_reading = true;
    m_pollBusy = false;
    m_rewalks = 0;
    Q_EMIT readingStarted();
    const std::string cacheFile = kind == Scan::FromKeptIndex ? m_cacheFile : std::string();
    // What the list holds now serves as the index where no file was kept.
    std::vector<RecipeEntry> known;
    if (cacheFile.empty())
        for (const auto& i : m_items)
            known.push_back(i->entry);
    m_pool->start([this, post = m_post, cancel = m_cancel, pool = m_pool, walker = m_walker,
                   generation, folders = m_folders, cacheFile, known = std::move(known),
                   saveTo = m_cacheFile, kind]() mutable {
        const std::atomic<bool>& cancelled = *cancel;
        std::vector<RecipeEntry> cached =
            cacheFile.empty() ? std::move(known) : LoadRecipeIndex(cacheFile);
        std::unordered_map<std::string, const RecipeEntry*> byPath;
        std::vector<Item> early;
        for (const RecipeEntry& e : cached) {
            byPath.emplace(e.native, &e);
            if (!cacheFile.empty())
                early.push_back(MakeRecipeItem(e)); // shown at once, checked below
        }
        if (!early.empty())
            (*post)([this, generation, early = std::move(early)]() mutable {
                takeBatch(generation, std::move(early));
            });
        RecipeWalk walk = walker(folders, cancelled, folders);
        if (cancelled || !walk.complete)
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
        (*post)([this, generation, files] { dropMissing(generation, files); });
        const int total = static_cast<int>(files.size());
        std::atomic<int> done{total - static_cast<int>(toRead.size())};
        const int doneBefore = done;
        (*post)([this, generation, doneBefore, total] {
            if (generation == m_generation)
                Q_EMIT progress(doneBefore, total);
        });
        ReadRecipeFiles(*pool, files, toRead, result, cancelled, [&](std::vector<Item> batch) {
            const int now = done += static_cast<int>(batch.size());
            (*post)([this, generation, batch = std::move(batch), now, total]() mutable {
                takeBatch(generation, std::move(batch));
                if (generation == m_generation)
                    Q_EMIT progress(now, total);
            });
        });
        if (cancelled)
            return;
        // The kept index is written again only when it no longer tells the truth. (One that
        // is behind is only slower: a file whose size or time differs is read afresh.)
        if (!saveTo.empty() &&
            (!toRead.empty() || result.size() != cached.size() || kind == Scan::OtherFolders))
            SaveRecipeIndex(saveTo, result);
        (*post)([this, generation, walk = std::move(walk)]() mutable {
            finishScan(generation, std::move(walk));
        });
    });
}

void RecipeLibrary::takeBatch(quint64 generation, std::vector<Item> batch) {
    if (generation != m_generation)
        return;
    const bool wasEmpty = m_items.empty();
    for (Item& i : batch)
        if (covers(i.entry.native))
            put(std::move(i), !m_filling);
    if (m_filling) {
        m_fillPending = true;
        if (wasEmpty) // the kept index, or the first files: shown at once
            renewFill();
    }
    announce();
}

// While the list first fills, new entries are not told one by one: the whole list is
// renewed with them, at most ten times a second. Removals and changes are still told as
// they happen, so that no row ever stands for an entry that is gone.
void RecipeLibrary::renewFill() {
    if (!std::exchange(m_fillPending, false))
        return;
    Q_EMIT aboutToReset();
    Q_EMIT resetDone();
}

void RecipeLibrary::dropMissing(quint64 generation, const std::vector<std::string>& kept) {
    if (generation != m_generation)
        return;
    const std::unordered_set<std::string> present(kept.begin(), kept.end());
    for (int i = count() - 1; i >= 0; --i)
        if (!present.count(m_items[static_cast<std::size_t>(i)]->entry.native))
            removeAt(i, true);
    announce();
}

void RecipeLibrary::finishScan(quint64 generation, RecipeWalk walk) {
    if (generation != m_generation)
        return;
    m_unreadable = std::move(walk.unreadable);
    m_reading = false;
    m_indexed = true;
    renewFill();
    m_filling = false;
    m_polled.clear();
    watch(walk.folders, walk.folderTimes);
    m_announceTimer.stop();
    Q_EMIT changed();
    Q_EMIT idle();
}

std::vector<std::pair<std::string, FileStamp>>
RecipeLibrary::knownBelow(const std::vector<std::string>& roots) const {
    std::vector<std::pair<std::string, FileStamp>> known;
    for (const auto& i : m_items)
        for (const std::string& root : roots)
            if (under(i->entry.native, root)) {
                known.push_back({i->entry.native, {i->entry.modified, i->entry.size}});
                break;
            }
    return known;
}

// Folders come in, or changed while unwatched: read again off this thread, and only what
// changed in them is read and told.
void RecipeLibrary::rewalk(const std::vector<std::string>& roots) {
    ++m_rewalks;
    m_pool->start([this, post = m_post, cancel = m_cancel, walker = m_walker,
                   generation = m_generation, roots, within = m_folders,
                   known = knownBelow(roots)] {
        RecipeChanges found = RewalkRecipeFolders(walker, roots, within, known, *cancel);
        if (!found.walk.complete)
            return;
        (*post)([this, generation, roots, found = std::move(found)]() mutable {
            if (generation != m_generation)
                return;
            --m_rewalks;
            for (const std::string& root : roots)
                if (std::find(found.walk.folders.begin(), found.walk.folders.end(), root) ==
                    found.walk.folders.end()) { // gone, or no longer a folder
                    for (auto it = m_polled.begin(); it != m_polled.end();)
                        it = it->first == root || under(it->first, root) ? m_polled.erase(it)
                                                                         : std::next(it);
                }
            watch(found.walk.folders, found.walk.folderTimes);
            applyChanges(generation, std::move(found.changed), found.gone);
        });
    });
}

void RecipeLibrary::applyChanges(quint64 generation, std::vector<Item> changed,
                                 const std::vector<std::string>& gone) {
    if (generation != m_generation)
        return;
    bool any = false;
    for (const std::string& path : gone) {
        const int i = indexOf(path);
        if (i >= 0)
            removeAt(i, true);
        any = any || i >= 0;
    }
    for (Item& i : changed)
        if (covers(i.entry.native)) {
            put(std::move(i), !m_filling);
            any = true;
        }
    if (any)
        announce();
}

// The unwatched folders compared with what is held: a stat of each folder, and now and then
// of each file in them; only what changed is read again, and only that is told.
void RecipeLibrary::poll() {
    if (m_reading || m_pollBusy || m_rewalks > 0 || m_polled.empty())
        return;
    m_pollBusy = true;
    std::vector<std::pair<std::string, std::int64_t>> folders(m_polled.begin(), m_polled.end());
    std::vector<std::pair<std::string, FileStamp>> files;
    if (++m_pollRound % kSweepEvery == 0)
        for (const auto& i : m_items)
            if (m_polled.count(i->entry.folder()))
                files.push_back({i->entry.native, {i->entry.modified, i->entry.size}});
    m_pool->start([this, post = m_post, cancel = m_cancel, generation = m_generation,
                   folders = std::move(folders), files = std::move(files)] {
        RecipePollResult found = PollRecipeFolders(folders, files, *cancel);
        (*post)([this, generation, found = std::move(found)]() mutable {
            if (generation != m_generation)
                return;
            m_pollBusy = false;
            applyChanges(generation, std::move(found.changed), found.gone);
            if (!found.changedFolders.empty())
                rewalk(found.changedFolders);
        });
    });
}

void RecipeLibrary::put(Item item, bool tellAdded) {
    const auto found = m_index.find(item.entry.native);
    if (found != m_index.end()) {
        Item& held = *m_items[static_cast<std::size_t>(found->second)];
        if (held.entry == item.entry)
            return;
        held = std::move(item);
        Q_EMIT updated(held.entry.native); // always: a list sorts by what it held
        return;
    }
    m_index.emplace(item.entry.native, count());
    m_items.push_back(std::make_unique<Item>(std::move(item)));
    if (tellAdded)
        Q_EMIT added(m_items.back()->entry.native);
    else
        m_fillPending = true;
}

void RecipeLibrary::removeAt(int index, bool tell) {
    const auto i = static_cast<std::size_t>(index);
    if (tell)
        Q_EMIT aboutToRemove(m_items[i]->entry.native);
    m_index.erase(m_items[i]->entry.native);
    if (i + 1 != m_items.size()) {
        m_items[i] = std::move(m_items.back());
        m_index[m_items[i]->entry.native] = index;
    }
    m_items.pop_back();
}

void RecipeLibrary::removeUnder(const std::string& folder) {
    for (int i = count() - 1; i >= 0; --i) {
        const std::string& path = m_items[static_cast<std::size_t>(i)]->entry.native;
        if (path == folder || under(path, folder))
            removeAt(i, true);
    }
    for (auto it = m_polled.begin(); it != m_polled.end();)
        it = it->first == folder || under(it->first, folder) ? m_polled.erase(it) : std::next(it);
    announce();
}

void RecipeLibrary::announce() {
    if (!m_reading) {
        renewFill();
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
            removeAt(i, true);
        return i >= 0;
    }
    put(MakeRecipeItem(SummarizeRecipeFile(native)), !m_filling);
    return true;
}

void RecipeLibrary::watch(const std::vector<std::string>& folders,
                          const std::vector<std::int64_t>& times) {
    if (m_inotify < 0 && !m_inotifyFailed) {
        m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        m_inotifyFailed = m_inotify < 0;
        if (m_inotify >= 0) {
            m_notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
            connect(m_notifier, &QSocketNotifier::activated, this, &RecipeLibrary::readEvents);
        }
    }
    // What changed between the walk and the watch would go unseen: read again.
    std::vector<std::string> changedSince, goneSince;
    for (std::size_t k = 0; k < folders.size(); ++k) {
        const std::string& folder = folders[k];
        if (m_watchOf.count(folder))
            continue;
        // Past the limit ("/" as a recipe folder), or where the system's watches ran out,
        // a folder is looked at now and then instead.
        if (m_inotify >= 0 && static_cast<int>(m_watches.size()) < m_watchLimit) {
            const int wd = ::inotify_add_watch(m_inotify, folder.c_str(), kFolderEvents);
            if (wd >= 0) {
                m_watches[wd] = folder;
                m_watchOf[folder] = wd;
                m_polled.erase(folder);
                if (k < times.size() && FolderTimeOf(folder) != times[k])
                    changedSince.push_back(folder);
                continue;
            }
            if (errno == ENOENT || errno == ENOTDIR)
                goneSince.push_back(folder);
            if (errno != ENOSPC && errno != ENOMEM)
                continue;
        }
        m_polled[folder] = k < times.size() ? times[k] : 0;
    }
    for (const std::string& folder : goneSince)
        removeUnder(folder);
    if (!changedSince.empty())
        rewalk(changedSince);
    if (m_polled.empty())
        m_pollTimer.stop();
    else if (!m_pollTimer.isActive())
        m_pollTimer.start();
}

void RecipeLibrary::unwatchOutside() {
    for (auto it = m_watches.begin(); it != m_watches.end();) {
        if (covers(it->second + "/x")) {
            ++it;
        } else {
            ::inotify_rm_watch(m_inotify, it->first);
            m_watchOf.erase(it->second);
            it = m_watches.erase(it);
        }
    }
    for (auto it = m_polled.begin(); it != m_polled.end();)
        it = covers(it->first + "/x") ? std::next(it) : m_polled.erase(it);
    if (m_polled.empty())
        m_pollTimer.stop();
}

void RecipeLibrary::readEvents() {
    alignas(inotify_event) char buffer[16384];
    bool rescanAll = false;
    std::vector<std::string> arrived;
    for (;;) {
        const ssize_t n = ::read(m_inotify, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            if (e->mask & IN_Q_OVERFLOW) {
                rescanAll = true;
                continue;
            }
            const auto watched = m_watches.find(e->wd);
            if (watched == m_watches.end())
                continue;
            const std::string folder = watched->second;
            if (e->mask & IN_IGNORED) {
                m_watchOf.erase(folder);
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
                if (e->mask & (IN_DELETE | IN_MOVED_FROM))
                    removeUnder(path);
                else if (e->mask & (IN_CREATE | IN_MOVED_TO))
                    arrived.push_back(path); // with whatever it holds already
                if (!IsRecipeFileName(name))
                    continue;
            }
            if (IsRecipeFileName(name))
                m_pending.insert(QByteArray::fromStdString(path));
        }
    }
    if (rescanAll) {
        scan(Scan::Again);
        return;
    }
    if (!arrived.empty())
        rewalk(arrived);
    if (!m_pending.isEmpty() && !m_pendingTimer.isActive())
        m_pendingTimer.start();
}

void RecipeLibrary::refreshPending() {
    const QSet<QByteArray> pending = std::exchange(m_pending, {});
    if (pending.size() > 200) { // a whole folder come at once: read it off this thread
        scan(Scan::Again);
        return;
    }
    bool any = false;
    for (const QByteArray& path : pending)
        any = refreshOne(path.toStdString()) || any;
    if (any)
        announce();
}

} // namespace kovaq
