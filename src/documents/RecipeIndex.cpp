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

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <cstdlib>
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

RecipeEntry SummarizeRecipeFile(const std::string& native) {
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
    const MixRecipe r = RecipeFromIni(ini);
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

constexpr quint32 kIndexMagic = 0x4b564958; // "KVIX"
constexpr quint32 kIndexVersion = 3;

QByteArray bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}
std::string text(const QByteArray& b) {
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

} // namespace

bool SaveRecipeIndex(const std::string& native, const std::vector<RecipeEntry>& entries,
                     std::string_view program) {
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s << kIndexMagic << kIndexVersion << bytes(std::string(program)) << quint32(entries.size());
    for (const RecipeEntry& e : entries) {
        s << bytes(e.native) << qint64(e.modified) << qint64(e.size) << bytes(e.problem)
          << bytes(e.name) << bytes(e.strength) << bytes(e.volume) << bytes(e.ratio)
          << bytes(e.cost) << e.canBeMade << bytes(e.status) << bytes(e.notes)
          << bytes(e.folded.text) << quint32(e.flavours.size());
        for (std::size_t i = 0; i < e.flavours.size(); ++i)
            s << bytes(e.flavours[i].name) << bytes(e.flavours[i].percent)
              << bytes(i < e.folded.flavours.size() ? e.folded.flavours[i] : std::string());
    }
    return ReplaceFileContents(native, std::string_view(out.constData(), out.size())).ok();
}

std::vector<RecipeEntry> LoadRecipeIndex(const std::string& native, std::string_view program) {
    const FileBytes file = ReadRegularFile(native, std::size_t(1) << 30);
    if (file.status != ReadStatus::Ok || file.truncated)
        return {};
    const QByteArray in = QByteArray::fromRawData(file.bytes.data(), qsizetype(file.bytes.size()));
    QDataStream s(in);
    quint32 magic = 0, version = 0, count = 0;
    QByteArray writtenBy;
    s >> magic >> version;
    if (magic != kIndexMagic || version != kIndexVersion)
        return {};
    // Every summary holds the calculation's results: another program's are read afresh.
    s >> writtenBy >> count;
    if (text(writtenBy) != program)
        return {};
    std::vector<RecipeEntry> entries;
    // A damaged count must not fill memory: every entry takes more than 40 bytes.
    entries.reserve(std::min<std::size_t>(count, file.bytes.size() / 40));
    for (quint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
        RecipeEntry e;
        QByteArray path, problem, name, strength, volume, ratio, cost, status, notes, folded;
        qint64 modified = 0, size = 0;
        quint32 flavours = 0;
        s >> path >> modified >> size >> problem >> name >> strength >> volume >> ratio >> cost >>
            e.canBeMade >> status >> notes >> folded >> flavours;
        e.native = text(path);
        e.modified = modified;
        e.size = size;
        e.problem = text(problem);
        e.name = text(name);
        e.strength = text(strength);
        e.volume = text(volume);
        e.ratio = text(ratio);
        e.cost = text(cost);
        e.status = text(status);
        e.notes = text(notes);
        e.folded.text = text(folded);
        e.folded.name = e.folded.text.substr(0, e.folded.text.find('\n'));
        for (quint32 k = 0; k < flavours && k < FlavourCount && s.status() == QDataStream::Ok;
             ++k) {
            QByteArray fname, share, ffolded;
            s >> fname >> share >> ffolded;
            e.flavours.push_back({text(fname), text(share)});
            e.folded.flavours.push_back(text(ffolded));
        }
        if (flavours > FlavourCount)
            return {};
        entries.push_back(std::move(e));
    }
    if (s.status() != QDataStream::Ok)
        return {};
    return entries;
}

} // namespace kovaq
