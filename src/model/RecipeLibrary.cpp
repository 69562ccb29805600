// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeLibrary.h"

#include "CoreTexts.h"
#include "Version.h"

#include <QSocketNotifier>
#include <QThreadPool>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <malloc.h>
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
// The kept index is shown in batches of this many rows, each a short step for the window.
constexpr std::size_t kShownAtOnce = 2000;
// Folders are watched this many at a time, each a short step for the window.
constexpr std::size_t kWatchedAtOnce = 200;
// More new entries than this at once are told together rather than one by one.
constexpr std::size_t kToldOneByOne = 64;

bool under(std::string_view path, std::string_view folder) {
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
        if (!covers(m_items[static_cast<std::size_t>(i)]->row->native()))
            removeAt(i, false);
    m_fresh.clear(); // in the renewed list
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

bool RecipeLibrary::covers(std::string_view native) const {
    for (const std::string& f : m_folders)
        if (under(native, f))
            return true;
    return false;
}

int RecipeLibrary::indexOf(std::string_view native) const {
    const auto it = m_index.find(native);
    return it == m_index.end() ? -1 : it->second;
}

const RecipeLibrary::Item* RecipeLibrary::find(std::string_view native) const {
    const int i = indexOf(native);
    return i < 0 ? nullptr : m_items[static_cast<std::size_t>(i)];
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
    // The index keeps each recipe's status in core's words: kept in another language, it is
    // read afresh, as one kept by another version is.
    const std::string digest = CoreTextsDigest();
    std::string program(Version);
    if (!digest.empty())
        program += " " + digest;
    m_pool->start([this, post = m_post, cancel = m_cancel, pool = m_pool, walker = m_walker,
                   settle = m_settle, generation, folders = m_folders, cacheFile,
                   known = knownBelow(m_folders), saveTo = m_cacheFile, kind,
                   program = std::move(program)]() mutable {
        YieldToTheWindow();
        {
            const std::atomic<bool>& cancelled = *cancel;
            // What is held, by path: the kept index (shown at once, checked below) and what
            // the list holds already.
            KeptRecipeIndex kept =
                cacheFile.empty() ? KeptRecipeIndex() : KeptRecipeIndex::read(cacheFile, program);
            struct Held {
                FileStamp stamp;
                std::size_t kept = SIZE_MAX; // its record in the kept index
                bool seen = false;
            };
            std::unordered_map<std::string_view, Held> held;
            held.reserve(kept.size() + known.size());
            std::vector<RecipeRow::Ptr> early;
            RecipeEntry decoded;
            for (std::size_t i = 0; i < kept.size() && !cancelled; ++i) {
                held[kept.path(i)] = {kept.stamp(i), i};
                kept.decode(i, decoded);
                early.push_back(RecipeRow::make(decoded));
                if (early.size() == kShownAtOnce || i + 1 == kept.size())
                    (*post)([this, generation, rows = std::exchange(early, {})]() mutable {
                        takeBatch(generation, std::move(rows));
                    });
            }
            for (const auto& [path, stamp] : known)
                held[path] = {stamp};
            RecipeWalk walk = walker(folders, cancelled, folders);
            if (cancelled || !walk.complete)
                return;
            const std::vector<std::string>& files = walk.files;
            std::vector<std::size_t> toRead, unchanged;
            for (std::size_t i = 0; i < files.size(); ++i) {
                const auto found = held.find(files[i]);
                if (found != held.end())
                    found->second.seen = true;
                if (found != held.end() && found->second.stamp == walk.stamps[i])
                    unchanged.push_back(i);
                else
                    toRead.push_back(i);
            }
            std::vector<std::string> gone;
            for (const auto& [path, h] : held)
                if (!h.seen)
                    gone.emplace_back(path);
            const bool goneAny = !gone.empty();
            if (goneAny)
                (*post)([this, generation, gone = std::move(gone)] { dropGone(generation, gone); });
            const int total = static_cast<int>(files.size());
            std::atomic<int> done{total - static_cast<int>(toRead.size())};
            const int doneBefore = done;
            (*post)([this, generation, doneBefore, total] {
                if (generation == m_generation)
                    Q_EMIT progress(doneBefore, total);
            });
            // The kept index is written again only when it no longer tells the truth. (One
            // that is behind is only slower: a file whose size or time differs is read afresh.)
            const bool save =
                !saveTo.empty() && (!toRead.empty() || goneAny || kind == Scan::OtherFolders ||
                                    (kind == Scan::FromKeptIndex && kept.size() != files.size()));
            RecipeIndexWriter index;
            ReadRecipeFiles(
                *pool, files, toRead, settle, cancelled, save ? &index : nullptr,
                [&](std::vector<RecipeRow::Ptr> batch) {
                    const int now = done += static_cast<int>(batch.size());
                    (*post)([this, generation, batch = std::move(batch), now, total]() mutable {
                        takeBatch(generation, std::move(batch));
                        if (generation == m_generation)
                            Q_EMIT progress(now, total);
                    });
                });
            if (cancelled)
                return;
            if (save) {
                // What did not change is copied from the kept index as it was written.
                if (cacheFile.empty()) {
                    held.clear();
                    kept = KeptRecipeIndex::read(saveTo, program);
                    for (std::size_t i = 0; i < kept.size(); ++i)
                        held[kept.path(i)] = {kept.stamp(i), i};
                }
                const RecipeSettle settled = settle ? settle() : RecipeSettle();
                for (const std::size_t i : unchanged) {
                    const auto found = held.find(files[i]);
                    if (found != held.end() && found->second.kept != SIZE_MAX &&
                        kept.stamp(found->second.kept) == walk.stamps[i])
                        index.addRecord(kept.record(found->second.kept));
                    else // read since it was kept, on the window's thread
                        index.add(SummarizeRecipeFile(files[i], settled));
                }
                index.save(saveTo, program);
            }
            (*post)([this, generation, walk = std::move(walk)]() mutable {
                finishScan(generation, std::move(walk));
            });
        }
        known = {};
        // What the reading took and gave back is given back to the system, not kept by the
        // allocator for later: a start from the kept index holds no more than a first one.
        ::malloc_trim(0);
    });
}

void RecipeLibrary::takeBatch(quint64 generation, std::vector<RecipeRow::Ptr> batch) {
    if (generation != m_generation)
        return;
    const bool wasEmpty = m_items.empty();
    const bool together = m_filling || batch.size() > kToldOneByOne;
    for (RecipeRow::Ptr& row : batch)
        if (covers(row->native()))
            put(std::move(row), !together);
    if (m_filling && wasEmpty) // the kept index, or the first files: shown at once
        renewFill();
    announce();
}

// While the list first fills, new entries are not told one by one but together, at most ten
// times a second. Removals and changes are still told as they happen (those added before
// them first), so that no row ever stands for an entry that is gone.
void RecipeLibrary::renewFill() {
    if (m_fresh.empty())
        return;
    const std::vector<const Item*> fresh = std::exchange(m_fresh, {});
    Q_EMIT addedTogether(fresh);
}

bool RecipeLibrary::removePaths(const std::vector<std::string>& gone) {
    std::vector<int> going;
    for (const std::string& path : gone)
        if (const int i = indexOf(path); i >= 0)
            going.push_back(i);
    return removeAll(std::move(going));
}

void RecipeLibrary::dropGone(quint64 generation, const std::vector<std::string>& gone) {
    if (generation != m_generation)
        return;
    removePaths(gone);
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
    watchInTurns(generation, std::make_shared<RecipeWalk>(std::move(walk)), 0);
    m_announceTimer.stop();
    Q_EMIT changed();
    Q_EMIT idle();
}

// A thousand folders take the system a while to watch: a few hundred at a time, between
// which the window goes on. A newer reading watches what it walked itself.
void RecipeLibrary::watchInTurns(quint64 generation, std::shared_ptr<const RecipeWalk> walk,
                                 std::size_t from) {
    if (generation != m_generation)
        return;
    const std::size_t to = std::min(from + kWatchedAtOnce, walk->folders.size());
    const auto at = [](const auto& list, std::size_t i) {
        return list.begin() + static_cast<std::ptrdiff_t>(std::min(i, list.size()));
    };
    watch({at(walk->folders, from), at(walk->folders, to)},
          {at(walk->folderTimes, from), at(walk->folderTimes, to)});
    if (to < walk->folders.size())
        QTimer::singleShot(0, this,
                           [this, generation, walk, to] { watchInTurns(generation, walk, to); });
}

std::vector<std::pair<std::string, FileStamp>>
RecipeLibrary::knownBelow(const std::vector<std::string>& roots) const {
    std::vector<std::pair<std::string, FileStamp>> known;
    for (const Item* i : m_items) {
        const std::string native(i->row->native());
        for (const std::string& root : roots)
            if (under(native, root)) {
                known.push_back({native, i->row->stamp()});
                break;
            }
    }
    return known;
}

// Folders come in, or changed while unwatched: read again off this thread, and only what
// changed in them is read and told.
void RecipeLibrary::rewalk(const std::vector<std::string>& roots) {
    ++m_rewalks;
    m_pool->start([this, post = m_post, cancel = m_cancel, walker = m_walker, settle = m_settle,
                   generation = m_generation, roots, within = m_folders,
                   known = knownBelow(roots)] {
        RecipeChanges found = RewalkRecipeFolders(walker, roots, within, known, settle, *cancel);
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

void RecipeLibrary::applyChanges(quint64 generation, std::vector<RecipeRow::Ptr> changed,
                                 const std::vector<std::string>& gone) {
    if (generation != m_generation)
        return;
    bool any = removePaths(gone);
    const bool together = m_filling || changed.size() > kToldOneByOne;
    for (RecipeRow::Ptr& row : changed)
        if (covers(row->native())) {
            put(std::move(row), !together);
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
        for (const Item* i : m_items)
            if (m_polled.count(std::string(i->row->folder())))
                files.push_back({std::string(i->row->native()), i->row->stamp()});
    m_pool->start([this, post = m_post, cancel = m_cancel, generation = m_generation,
                   settle = m_settle, folders = std::move(folders), files = std::move(files)] {
        RecipePollResult found = PollRecipeFolders(folders, files, settle, *cancel);
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

void RecipeLibrary::put(RecipeRow::Ptr row, bool tellAdded) {
    const auto found = m_index.find(row->native());
    if (found != m_index.end()) {
        Item& held = *m_items[static_cast<std::size_t>(found->second)];
        if (*held.row == *row)
            return;
        renewFill(); // a list hears of an entry before it hears of its change
        // The index's key lies in the row: it moves to the new one.
        auto key = m_index.extract(found);
        held.row = std::move(row);
        key.key() = held.row->native();
        m_index.insert(std::move(key));
        Q_EMIT updated(std::string(held.row->native())); // always: a list sorts by what it held
        return;
    }
    Item* item = nullptr;
    if (!m_free.empty()) {
        item = m_free.back();
        m_free.pop_back();
        item->row = std::move(row);
    } else {
        item = &m_store.emplace_back(Item{std::move(row), std::uint32_t(m_store.size())});
    }
    m_index.emplace(item->row->native(), count());
    m_items.push_back(item);
    if (tellAdded)
        Q_EMIT added(std::string(item->row->native()));
    else
        m_fresh.push_back(item);
}

void RecipeLibrary::removeAt(int index, bool tell) {
    const auto i = static_cast<std::size_t>(index);
    Item* item = m_items[i];
    if (tell) {
        renewFill(); // a list hears of an entry before it hears it go
        Q_EMIT aboutToRemove(std::string(item->row->native()));
    }
    m_index.erase(item->row->native());
    if (i + 1 != m_items.size()) {
        m_items[i] = m_items.back();
        m_index[m_items[i]->row->native()] = index;
    }
    m_items.pop_back();
    item->row.reset();
    m_free.push_back(item);
}

// Entries that go: told one by one, or, when many go at once, together (a list then drops
// them in one pass rather than one row at a time).
bool RecipeLibrary::removeAll(std::vector<int> indices) {
    // From the last: each removal moves the last entry into the place it leaves.
    std::sort(indices.begin(), indices.end(), std::greater<>());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    const bool together = indices.size() > kToldOneByOne;
    if (together) {
        renewFill(); // a list hears of an entry before it hears it go
        std::vector<const Item*> going;
        for (const int i : indices)
            going.push_back(m_items[static_cast<std::size_t>(i)]);
        Q_EMIT aboutToRemoveTogether(going);
    }
    for (const int i : indices)
        removeAt(i, !together);
    return !indices.empty();
}

void RecipeLibrary::removeUnder(const std::string& folder) {
    std::vector<int> going;
    for (int i = count() - 1; i >= 0; --i) {
        const std::string_view path = m_items[static_cast<std::size_t>(i)]->row->native();
        if (path == folder || under(path, folder))
            going.push_back(i);
    }
    removeAll(std::move(going));
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
    if (!m_settleHere && m_settle)
        m_settleHere = m_settle();
    put(RecipeRow::make(SummarizeRecipeFile(native, m_settleHere)), !m_filling);
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
