// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeIndex.h"

#include "Codepage.h"
#include "Feasibility.h"
#include "FileAccess.h"
#include "IniDocument.h"
#include "MixCalculator.h"
#include "Numbers.h"
#include "RecipeFile.h"
#include "TextFold.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace kovaq {
namespace {

// Notes are searched, not shown: the first of them are enough.
constexpr std::size_t kNotesKept = 2000;

std::string trimmed(std::string s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.back()))
        s.pop_back();
    s.erase(s.begin(), std::find_if_not(s.begin(), s.end(), blank));
    return s;
}

} // namespace

std::string RecipeEntry::flavourText() const {
    std::string out;
    for (const RecipeFlavour& f : flavours) {
        if (!out.empty())
            out += ", ";
        out += f.name + " " + FormatNumber(ParseNumber(f.percent)) + " %";
    }
    return out;
}

std::string RecipeEntry::fileName() const {
    const std::size_t slash = native.rfind('/');
    return slash == std::string::npos ? native : native.substr(slash + 1);
}

std::string RecipeEntry::folder() const {
    const std::size_t slash = native.rfind('/');
    return slash == std::string::npos ? std::string()
                                      : native.substr(0, std::max<std::size_t>(1, slash));
}

std::optional<FileStamp> StampOf(const std::string& native) {
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0)
        return std::nullopt;
    return FileStamp{static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     static_cast<std::int64_t>(st.st_size)};
}

RecipeEntry SummarizeRecipeFile(const std::string& native, const RecipeSettle& settle) {
    RecipeEntry e;
    e.native = native;
    if (const auto stamp = StampOf(native)) {
        e.modified = stamp->modified;
        e.size = stamp->size;
    }
    FileBytes file = ReadRegularFile(native, static_cast<std::size_t>(MaxRecipeFileBytes));
    if (file.status != ReadStatus::Ok) {
        e.problem = ReadStatusText(file);
        FoldForSearch(e);
        return e;
    }
    const IniDocument ini(DecodeFileText(std::move(file.bytes)));
    if (!ini.hasSection("Title") && !ini.hasSection("Ingredients") && !ini.hasSection("Spec")) {
        e.problem = "Not a recipe";
        FoldForSearch(e);
        return e;
    }
    // As the window would hold it once loaded, so that the list and the window agree.
    const MixRecipe r = settle ? settle(RecipeFromIni(ini)) : RecipeFromIni(ini);
    const MixResult result = Recalculate(r);
    e.name = r.Name;
    e.strength = r[TextField::MixStrength];
    e.volume = r[TextField::MixQty];
    e.ratio = trimmed(r[RatioField::MixNicPGVG].RatioText);
    for (std::size_t f = 0; f < FlavourCount; ++f) {
        const SlotId slot = flavourSlot(f);
        const std::string& share = r[*PercentField(slot)];
        if (ParseNumber(share) == 0.0)
            continue;
        std::string name = r[*NameField(slot)];
        e.flavours.push_back(
            {name.empty() ? std::string(RowLabelBase(slot)) : std::move(name), share});
    }
    e.cost = result.TotalCostText;
    e.canBeMade = result.VolumesOk;
    e.status = MadeOrWhyNot(r, result);
    for (const std::string& line : r.Notes) {
        if (e.notes.size() >= kNotesKept)
            break;
        e.notes += line;
        e.notes += '\n';
    }
    FoldForSearch(e);
    return e;
}

void FoldForSearch(RecipeEntry& e) {
    QString text = QString::fromStdString(e.name) + QLatin1Char('\n');
    e.folded.flavours.clear();
    for (const RecipeFlavour& f : e.flavours) {
        const QString name = QString::fromStdString(f.name);
        e.folded.flavours.push_back(FoldForSearch(name).toStdString());
        text += name + QLatin1Char('\n');
    }
    text += QString::fromStdString(e.notes) + QLatin1Char('\n') + PathFromNative(e.fileName());
    e.folded.text = FoldForSearch(text).toStdString();
    e.folded.name = e.folded.text.substr(0, e.folded.text.find('\n'));
}

bool IsRecipeFileName(std::string_view name) {
    if (name.size() < 4)
        return false;
    std::string tail(name.substr(name.size() - 4));
    for (char& c : tail)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == ".mix";
}

namespace {

std::int64_t nanoseconds(const struct timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

} // namespace

std::optional<std::int64_t> FolderTimeOf(const std::string& native) {
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return nanoseconds(st.st_mtim);
}

RecipeWalk WalkRecipeFolders(const std::vector<std::string>& roots,
                             const std::atomic<bool>* cancelled,
                             const std::vector<std::string>* within) {
    RecipeWalk walk;
    const auto stop = [&] {
        if (cancelled && cancelled->load(std::memory_order_relaxed))
            walk.complete = false;
        return !walk.complete;
    };
    std::vector<std::string> canonicalRoots;
    for (const std::string& root : within ? *within : roots) {
        if (char* real = ::realpath(root.c_str(), nullptr)) {
            canonicalRoots.emplace_back(real);
            std::free(real);
        }
    }
    const auto inside = [&](const std::string& canonical) {
        for (const std::string& r : canonicalRoots)
            if (canonical.compare(0, r.size(), r) == 0 &&
                (canonical.size() == r.size() || r == "/" || canonical[r.size()] == '/'))
                return true;
        return false;
    };
    std::set<std::pair<dev_t, ino_t>> seenFolders, seenFiles;
    std::vector<std::string> queue;
    for (const std::string& root : roots) {
        struct stat st {};
        if (::stat(root.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            walk.unreadable.push_back(root);
            continue;
        }
        if (seenFolders.insert({st.st_dev, st.st_ino}).second)
            queue.push_back(root);
    }
    // Real folders and files first, then what links lead to: a recipe reached both ways is
    // listed where it really is.
    std::vector<std::string> linkedFolders, linkedFiles;
    const auto found = [&](const std::string& path, const struct stat& st) {
        walk.files.push_back(path);
        walk.stamps.push_back({nanoseconds(st.st_mtim), static_cast<std::int64_t>(st.st_size)});
    };
    const auto take = [&](const std::string& path, const struct stat& st, bool recipeName) {
        if (S_ISDIR(st.st_mode)) {
            if (recipeName)
                found(path, st); // listed as what it is: a folder
            if (seenFolders.insert({st.st_dev, st.st_ino}).second)
                queue.push_back(path);
        } else if (recipeName && seenFiles.insert({st.st_dev, st.st_ino}).second) {
            found(path, st);
        }
    };
    for (std::size_t next = 0;; ++next) {
        if (stop())
            break;
        if (next == queue.size()) {
            if (linkedFolders.empty() && linkedFiles.empty())
                break;
            for (const std::string& path : std::exchange(linkedFiles, {})) {
                struct stat st {};
                if (::stat(path.c_str(), &st) == 0)
                    take(path, st, true);
            }
            for (const std::string& path : std::exchange(linkedFolders, {})) {
                struct stat st {};
                if (::stat(path.c_str(), &st) == 0)
                    take(path, st, IsRecipeFileName(path));
            }
            if (next == queue.size())
                break;
        }
        const std::string folder = queue[next];
        DIR* dir = ::opendir(folder.c_str());
        if (!dir) {
            if (std::find(roots.begin(), roots.end(), folder) != roots.end())
                walk.unreadable.push_back(folder);
            continue;
        }
        walk.folders.push_back(folder);
        {
            struct stat st {};
            walk.folderTimes.push_back(::fstat(::dirfd(dir), &st) == 0 ? nanoseconds(st.st_mtim)
                                                                       : 0);
        }
        while (!stop()) {
            const dirent* d = ::readdir(dir);
            if (!d)
                break;
            const std::string_view name = d->d_name;
            if (name == "." || name == "..")
                continue;
            const std::string path =
                folder == "/" ? "/" + std::string(name) : folder + "/" + std::string(name);
            struct stat st {};
            if (::lstat(path.c_str(), &st) != 0)
                continue;
            if (S_ISLNK(st.st_mode)) {
                // A link is followed only to what lies inside the recipe folders.
                char* real = ::realpath(path.c_str(), nullptr);
                if (!real)
                    continue;
                const bool isInside = inside(real);
                std::free(real);
                if (!isInside || ::stat(path.c_str(), &st) != 0)
                    continue;
                if (S_ISDIR(st.st_mode))
                    linkedFolders.push_back(path);
                else if (IsRecipeFileName(name))
                    linkedFiles.push_back(path);
                continue;
            }
            take(path, st, IsRecipeFileName(name));
        }
        ::closedir(dir);
    }
    return walk;
}

namespace {

// The index's layout: a header (magic, layout, the program's version, the count), then one
// record an entry: its length, the file's time and size, whether it can be made, how many
// flavours, and its texts, each as a length and bytes. Numbers are as this machine keeps
// them: the index is this machine's own.
constexpr std::uint32_t kIndexMagic = 0x4b564958; // "KVIX"
constexpr std::uint32_t kIndexVersion = 4;
constexpr std::size_t kFixed = 4 + 8 + 8 + 1 + 1; // before the texts
constexpr std::size_t kTexts = 10;                // then three a flavour

template <class T> void put(std::string& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}
void putText(std::string& out, std::string_view text) {
    put(out, static_cast<std::uint32_t>(text.size()));
    out.append(text);
}
template <class T> T get(const char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// Reads record texts in turn, never past the record's end.
class TextReader {
  public:
    TextReader(std::string_view record) : m_record(record), m_at(kFixed) {}
    bool next(std::string_view& text) {
        if (m_record.size() - m_at < 4)
            return false;
        const std::uint32_t n = get<std::uint32_t>(m_record.data() + m_at);
        if (m_record.size() - m_at - 4 < n)
            return false;
        text = m_record.substr(m_at + 4, n);
        m_at += 4 + n;
        return true;
    }
    bool atEnd() const { return m_at == m_record.size(); }

  private:
    std::string_view m_record;
    std::size_t m_at;
};

// Whether a record holds what it says: its texts within it, and no more flavours than a
// recipe has.
bool wellFormed(std::string_view record) {
    if (record.size() < kFixed)
        return false;
    const std::size_t flavours = static_cast<unsigned char>(record[21]);
    if (flavours > FlavourCount)
        return false;
    TextReader texts(record);
    std::string_view text;
    for (std::size_t i = 0; i < kTexts + 3 * flavours; ++i)
        if (!texts.next(text))
            return false;
    return texts.atEnd();
}

} // namespace

void RecipeIndexWriter::add(const RecipeEntry& e) {
    const std::size_t start = m_body.size();
    put(m_body, std::uint32_t(0)); // the length, once known
    put(m_body, static_cast<std::int64_t>(e.modified));
    put(m_body, static_cast<std::int64_t>(e.size));
    put(m_body, static_cast<std::uint8_t>(e.canBeMade));
    const std::size_t flavours = std::min<std::size_t>(e.flavours.size(), FlavourCount);
    put(m_body, static_cast<std::uint8_t>(flavours));
    for (const std::string* t : {&e.native, &e.problem, &e.name, &e.strength, &e.volume, &e.ratio,
                                 &e.cost, &e.status, &e.notes, &e.folded.text})
        putText(m_body, *t);
    for (std::size_t i = 0; i < flavours; ++i) {
        putText(m_body, e.flavours[i].name);
        putText(m_body, e.flavours[i].percent);
        putText(m_body, i < e.folded.flavours.size() ? e.folded.flavours[i] : std::string());
    }
    const auto length = static_cast<std::uint32_t>(m_body.size() - start);
    std::memcpy(m_body.data() + start, &length, sizeof length);
    ++m_count;
}

bool RecipeIndexWriter::save(const std::string& native, std::string_view program) const {
    // In the Recipes list's first order, by folded name and then by path: a start shows the
    // kept entries as they come, without sorting them.
    struct Record {
        std::string_view bytes, name, path;
    };
    std::vector<Record> records;
    records.reserve(m_count);
    for (std::size_t at = 0; at + 4 <= m_body.size();) {
        const std::string_view bytes =
            std::string_view(m_body).substr(at, get<std::uint32_t>(m_body.data() + at));
        TextReader texts(bytes);
        std::string_view path, folded;
        texts.next(path);
        for (std::size_t i = 1; i < kTexts; ++i)
            texts.next(folded);
        records.push_back({bytes, folded.substr(0, folded.find('\n')), path});
        at += bytes.size();
    }
    std::sort(records.begin(), records.end(), [](const Record& a, const Record& b) {
        return a.name != b.name ? a.name < b.name : a.path < b.path;
    });
    std::string out;
    out.reserve(16 + program.size() + m_body.size());
    put(out, kIndexMagic);
    put(out, kIndexVersion);
    putText(out, program);
    put(out, static_cast<std::uint32_t>(records.size()));
    for (const Record& r : records)
        out += r.bytes;
    return ReplaceFileContents(native, out).ok();
}

KeptRecipeIndex KeptRecipeIndex::read(const std::string& native, std::string_view program) {
    KeptRecipeIndex kept;
    FileBytes file = ReadRegularFile(native, std::size_t(1) << 31);
    if (file.status != ReadStatus::Ok || file.truncated)
        return {};
    const std::string_view in = file.bytes;
    if (in.size() < 12 || get<std::uint32_t>(in.data()) != kIndexMagic ||
        get<std::uint32_t>(in.data() + 4) != kIndexVersion)
        return {};
    // Every summary holds the calculation's results: another program's are read afresh.
    const std::uint32_t programSize = get<std::uint32_t>(in.data() + 8);
    if (in.size() - 12 < std::size_t(programSize) + 4 || in.substr(12, programSize) != program)
        return {};
    std::size_t at = 12 + programSize;
    const std::uint32_t count = get<std::uint32_t>(in.data() + at);
    at += 4;
    // A damaged count must not fill memory: every record takes more than 40 bytes.
    kept.m_records.reserve(std::min<std::size_t>(count, in.size() / 40));
    for (std::uint32_t i = 0; i < count; ++i) {
        if (in.size() - at < 4)
            return {};
        const std::uint32_t length = get<std::uint32_t>(in.data() + at);
        if (length > in.size() - at || !wellFormed(in.substr(at, length)))
            return {};
        kept.m_records.push_back(static_cast<std::uint32_t>(at));
        at += length;
    }
    if (at != in.size())
        return {};
    kept.m_bytes = std::move(file.bytes);
    return kept;
}

std::string_view KeptRecipeIndex::record(std::size_t i) const {
    const std::size_t at = m_records[i];
    return std::string_view(m_bytes).substr(at, get<std::uint32_t>(m_bytes.data() + at));
}

std::string_view KeptRecipeIndex::path(std::size_t i) const {
    std::string_view path;
    TextReader(record(i)).next(path);
    return path;
}

FileStamp KeptRecipeIndex::stamp(std::size_t i) const {
    const char* at = m_bytes.data() + m_records[i];
    return {get<std::int64_t>(at + 4), get<std::int64_t>(at + 12)};
}

void KeptRecipeIndex::decode(std::size_t i, RecipeEntry& e) const {
    const std::string_view r = record(i);
    e.modified = get<std::int64_t>(r.data() + 4);
    e.size = get<std::int64_t>(r.data() + 12);
    e.canBeMade = r[20] != 0;
    const std::size_t flavours = static_cast<unsigned char>(r[21]);
    TextReader texts(r);
    std::string_view t;
    for (std::string* into : {&e.native, &e.problem, &e.name, &e.strength, &e.volume, &e.ratio,
                              &e.cost, &e.status, &e.notes, &e.folded.text}) {
        texts.next(t);
        into->assign(t);
    }
    e.folded.name.assign(e.folded.text, 0, e.folded.text.find('\n'));
    e.flavours.resize(flavours);
    e.folded.flavours.resize(flavours);
    for (std::size_t k = 0; k < flavours; ++k) {
        texts.next(t);
        e.flavours[k].name.assign(t);
        texts.next(t);
        e.flavours[k].percent.assign(t);
        texts.next(t);
        e.folded.flavours[k].assign(t);
    }
}

bool SaveRecipeIndex(const std::string& native, const std::vector<RecipeEntry>& entries,
                     std::string_view program) {
    RecipeIndexWriter writer;
    for (const RecipeEntry& e : entries)
        writer.add(e);
    return writer.save(native, program);
}

std::vector<RecipeEntry> LoadRecipeIndex(const std::string& native, std::string_view program) {
    const KeptRecipeIndex kept = KeptRecipeIndex::read(native, program);
    std::vector<RecipeEntry> entries(kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i)
        kept.decode(i, entries[i]);
    return entries;
}

} // namespace kovaq
