// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Recipe.h"
#include "Version.h"

namespace kovaq {

struct RecipeFlavour {
    std::string name;
    std::string percent; // as typed
    bool operator==(const RecipeFlavour&) const = default;
};

// One recipe file as the Recipes list shows it. Texts are UTF-8; the path is the file's
// bytes as the system names it.
struct RecipeEntry {
    std::string native;
    std::int64_t modified = 0; // nanoseconds since 1970
    std::int64_t size = -1;
    std::string problem; // why it is not listed as a recipe; empty when it is
    std::string name;
    std::string strength;                // MixStrength as typed
    std::string volume;                  // MixQty as typed
    std::string ratio;                   // the mix's "70-30"
    std::vector<RecipeFlavour> flavours; // those with a share, in slot order
    std::string cost;                    // the total as the window shows it
    bool canBeMade = false;
    std::string status; // "can be made", or why not and what could be
    std::string notes;  // the first notes, for the search
    // What the search reads, folded once when the file is read: name, flavour names, notes
    // and file name, each on a line; the name alone; each flavour's name.
    struct Folded {
        std::string text;
        std::string name;
        std::vector<std::string> flavours;
        bool operator==(const Folded&) const = default;
    } folded;

    bool operator==(const RecipeEntry&) const = default;
    // "Lemon 10 %, Cream 3 %"
    std::string flavourText() const;
    std::string fileName() const; // without the folder
    std::string folder() const;
};

// The file's size and modification time in nanoseconds; nothing when it is gone.
struct FileStamp {
    std::int64_t modified = 0;
    std::int64_t size = -1;
    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> StampOf(const std::string& native);

// What the window's fields make of a loaded recipe (each text through their width rule):
// given by whoever knows the fields, so that a summary reads as the window would show it.
using RecipeSettle = std::function<MixRecipe(MixRecipe)>;

// Reads a recipe file as Open does (at most as much of it as Open reads), settles it as the
// window's fields would (`settle`; none keeps the texts as written) and sums it up: the
// calculation's status and cost, its flavours and notes. A file that cannot be read is an
// entry with the reason ("Not a regular file", "Is a folder", the system's message); one
// without any recipe section is "Not a recipe".
RecipeEntry SummarizeRecipeFile(const std::string& native, const RecipeSettle& settle = {});
// Folds what the search reads of an entry (`folded`), from its other fields.
void FoldForSearch(RecipeEntry& entry);

// Every *.mix file below the roots, each once. Links are followed, to files and folders that
// lie inside one of the roots (or of `within`, when given); nothing outside them is read,
// and no folder twice. `folders` gets every folder walked (for watching) with its time;
// `unreadable` the roots that could not be read. A set `cancelled` stops the walk before
// its next entry, with `complete` false: a folder on a slow share must not hold anyone.
struct RecipeWalk {
    std::vector<std::string> files;
    std::vector<FileStamp> stamps; // of each file, as the walk found it
    std::vector<std::string> folders;
    std::vector<std::int64_t> folderTimes; // of each folder, nanoseconds since 1970
    std::vector<std::string> unreadable;
    bool complete = true;
};
RecipeWalk WalkRecipeFolders(const std::vector<std::string>& roots,
                             const std::atomic<bool>* cancelled = nullptr,
                             const std::vector<std::string>* within = nullptr);
// A folder's modification time in nanoseconds; nothing when it is gone.
std::optional<std::int64_t> FolderTimeOf(const std::string& native);
// Whether a name ends in .mix, in any case.
bool IsRecipeFileName(std::string_view name);

// The index kept between runs, so that a start reads only what changed. False when the
// file could not be written; an unreadable or older cache reads as none, and so does one
// written by another version of the program, whose calculation may differ.
bool SaveRecipeIndex(const std::string& native, const std::vector<RecipeEntry>& entries,
                     std::string_view program = Version);
std::vector<RecipeEntry> LoadRecipeIndex(const std::string& native,
                                         std::string_view program = Version);

// The kept index as it is read: the file in one block, each entry a record in it that is
// decoded only when asked for, or copied as it is into the next index. 100,000 entries
// cost the file's size and one offset each, not 100,000 entries' worth of allocations.
class KeptRecipeIndex {
  public:
    KeptRecipeIndex() = default;
    // Empty when the file is missing, damaged, of another layout or of another program.
    static KeptRecipeIndex read(const std::string& native, std::string_view program = Version);

    std::size_t size() const { return m_records.size(); }
    std::string_view path(std::size_t i) const;
    FileStamp stamp(std::size_t i) const;
    // The entry, into `into` (whose storage is used again).
    void decode(std::size_t i, RecipeEntry& into) const;
    std::string_view record(std::size_t i) const;

  private:
    std::string m_bytes;
    std::vector<std::uint32_t> m_records; // where each starts
};

// The next index, written record by record: new entries, or records kept as they were.
class RecipeIndexWriter {
  public:
    void add(const RecipeEntry& entry);
    void addRecord(std::string_view record) { m_body.append(record), ++m_count; }
    // Another writer's records after these.
    void take(RecipeIndexWriter&& other) {
        m_body += other.m_body;
        m_count += other.m_count;
    }
    bool save(const std::string& native, std::string_view program = Version) const;

  private:
    std::string m_body;
    std::uint32_t m_count = 0;
};

} // namespace kovaq
