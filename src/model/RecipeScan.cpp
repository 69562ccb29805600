// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeScan.h"

#include "Numbers.h"

#include <QThreadPool>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>

namespace kovaq {
namespace {

constexpr std::size_t kBatch = 64; // entries a reader hands over at a time
constexpr int kReaderNiceness = 5;

} // namespace

void RecipeRow::Free::operator()(RecipeRow* row) const {
    row->~RecipeRow();
    ::operator delete(row);
}

RecipeRow::Ptr RecipeRow::make(const RecipeEntry& e) {
    const std::size_t flavours = std::min<std::size_t>(e.flavours.size(), FlavourCount);
    std::vector<std::string_view> texts = {e.native, e.problem, e.name,   e.strength,   e.volume,
                                           e.ratio,  e.cost,    e.status, e.folded.text};
    for (std::size_t k = 0; k < flavours; ++k) {
        texts.push_back(e.flavours[k].name);
        texts.push_back(e.flavours[k].percent);
        texts.push_back(k < e.folded.flavours.size() ? std::string_view(e.folded.flavours[k])
                                                     : std::string_view());
    }
    std::size_t chars = 0;
    for (const std::string_view t : texts)
        chars += t.size();
    const std::size_t bytes =
        flavours * sizeof(double) + texts.size() * sizeof(std::uint32_t) + chars;
    void* block = ::operator new(sizeof(RecipeRow) + bytes);
    Ptr row(new (block) RecipeRow);
    row->m_modified = e.modified;
    row->m_size = e.size;
    row->m_hasStrength = !e.strength.empty();
    row->m_strength = row->m_hasStrength ? ParseNumber(e.strength) : 0;
    row->m_volume = ParseNumber(e.volume);
    row->m_cost = ParseNumber(e.cost);
    row->m_bytes = static_cast<std::uint32_t>(bytes);
    row->m_nameLength =
        static_cast<std::uint32_t>(std::min(e.folded.text.find('\n'), e.folded.text.size()));
    row->m_flavours = static_cast<std::uint8_t>(flavours);
    row->m_canBeMade = e.canBeMade;
    auto* shares = reinterpret_cast<double*>(row.get() + 1);
    for (std::size_t k = 0; k < flavours; ++k)
        shares[k] = ParseNumber(e.flavours[k].percent);
    auto* ends = reinterpret_cast<std::uint32_t*>(shares + flavours);
    char* out = reinterpret_cast<char*>(ends + texts.size());
    std::uint32_t at = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::memcpy(out + at, texts[i].data(), texts[i].size());
        at += static_cast<std::uint32_t>(texts[i].size());
        ends[i] = at;
    }
    return row;
}

RecipeEntry RecipeRow::entry() const {
    RecipeEntry e;
    e.native = native();
    e.modified = m_modified;
    e.size = m_size;
    e.problem = problem();
    e.name = name();
    e.strength = strength();
    e.volume = volume();
    e.ratio = ratio();
    e.cost = cost();
    e.canBeMade = m_canBeMade;
    e.status = status();
    e.folded.text = searchText();
    e.folded.name = foldedName();
    for (std::size_t k = 0; k < m_flavours; ++k) {
        e.flavours.push_back({std::string(flavourName(k)), std::string(flavourPercent(k))});
        e.folded.flavours.emplace_back(foldedFlavour(k));
    }
    return e;
}

bool RecipeRow::operator==(const RecipeRow& o) const {
    return m_modified == o.m_modified && m_size == o.m_size && m_bytes == o.m_bytes &&
           m_flavours == o.m_flavours && m_canBeMade == o.m_canBeMade &&
           std::memcmp(this + 1, &o + 1, m_bytes) == 0;
}

std::string_view RecipeRow::fileName() const {
    const std::string_view path = native();
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view RecipeRow::folder() const {
    const std::string_view path = native();
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view()
                                           : path.substr(0, std::max<std::size_t>(1, slash));
}

std::string RecipeRow::flavourText() const {
    std::string out;
    for (std::size_t k = 0; k < m_flavours; ++k) {
        if (!out.empty())
            out += ", ";
        out += flavourName(k);
        out += ' ';
        out += FormatNumber(share(k));
        out += " %";
    }
    return out;
}

std::optional<double> RecipeRow::strengthValue() const {
    return m_hasStrength ? std::optional<double>(m_strength) : std::nullopt;
}

void YieldToTheWindow() {
    // Linux gives each thread its own niceness: readers then wait for the window's thread
    // rather than the other way round. Nothing is lost where it cannot be set.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kReaderNiceness);
}

RecipeWalker DefaultRecipeWalker() {
    return [](const std::vector<std::string>& roots, const std::atomic<bool>& cancelled,
              const std::vector<std::string>& inside) {
        return WalkRecipeFolders(roots, &cancelled, &inside);
    };
}

void ReadRecipeFiles(QThreadPool& pool, const std::vector<std::string>& files,
                     const std::vector<std::size_t>& toRead, const RecipeSettleMaker& settle,
                     const std::atomic<bool>& cancelled, RecipeIndexWriter* index,
                     const std::function<void(std::vector<RecipeRow::Ptr>)>& hand) {
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable finished;
    int running = 0;
    const auto read = [&] {
        YieldToTheWindow();
        const RecipeSettle settled = settle ? settle() : RecipeSettle();
        std::vector<RecipeRow::Ptr> batch;
        RecipeIndexWriter records;
        const auto handOver = [&] {
            if (index) {
                const std::lock_guard lock(mutex);
                index->take(std::exchange(records, {}));
            }
            hand(std::exchange(batch, {}));
        };
        for (std::size_t k; (k = next++) < toRead.size() && !cancelled;) {
            const RecipeEntry entry = SummarizeRecipeFile(files[toRead[k]], settled);
            if (index)
                records.add(entry);
            batch.push_back(RecipeRow::make(entry));
            if (batch.size() == kBatch)
                handOver();
        }
        if (!batch.empty())
            handOver();
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
                                  const RecipeSettleMaker& settle,
                                  const std::atomic<bool>& cancelled) {
    RecipeChanges out;
    const RecipeSettle settled = settle ? settle() : RecipeSettle();
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
            out.changed.push_back(RecipeRow::make(SummarizeRecipeFile(file, settled)));
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
                                   const RecipeSettleMaker& settle,
                                   const std::atomic<bool>& cancelled) {
    RecipePollResult out;
    RecipeSettle settled;
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
        else if (!(*now == stamp)) {
            if (!settled && settle)
                settled = settle();
            out.changed.push_back(RecipeRow::make(SummarizeRecipeFile(file, settled)));
        }
    }
    return out;
}

} // namespace kovaq
