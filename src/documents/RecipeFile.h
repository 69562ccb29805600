// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "FileAccess.h"
#include "IniDocument.h"
#include "Recipe.h"

#include <string>

namespace kovaq {

inline constexpr std::size_t MaxNoteLineLength = 4095;
// A damaged "Lines" count must not fill memory with empty lines; no real notes come near.
inline constexpr std::int64_t MaxNotesLines = 10000;
// Only the start of a huge file is read: a recipe is a few kilobytes.
inline constexpr std::int64_t MaxRecipeFileBytes = 32 * 1024 * 1024;

struct LoadedRecipe {
    MixRecipe recipe;
    bool readable = false; // false when the file is missing, a folder or unreadable
    ReadStatus status = ReadStatus::Failed;
    std::string reason;     // why it could not be read, for a person
    bool truncated = false; // only the first MaxRecipeFileBytes were read
};

// Paths are native paths: the bytes the system names the file by (see FileAccess.h).
// Reads a recipe as Open does: absent or unreadable keys take their defaults, numbers are
// tidied by the entry rule, and a ratio without a valid position keeps the share and text
// it had in `current`.
LoadedRecipe LoadRecipe(const std::string& path, const MixRecipe& current = FreshMix());
// The same from a file's content already in memory.
MixRecipe RecipeFromIni(const IniDocument& ini, const MixRecipe& current = FreshMix());

// Saves every key of the recipe into the file, keeping the file's other lines. The file
// is replaced in one step: on any failure it is left exactly as it was, and the result
// says why.
[[nodiscard]] WriteResult WriteRecipe(const std::string& path, const MixRecipe& recipe);
// The bytes a save writes over a file that held `oldBytes` (cut at the reader's limit when
// `oldTruncated`): the recipe's keys among the file's other lines, or the recipe alone when
// those lines would change what the file reads as (a file beyond the reader's limit, or
// one a save would take beyond it). Whatever the file held, it then reads as the recipe.
std::string RecipeFileBytes(const std::string& oldBytes, bool oldTruncated,
                            const MixRecipe& recipe);
// Applies the recipe's keys to a file's content.
void RecipeToIni(IniDocument& ini, const MixRecipe& recipe);

// The text a number field shows once the entry rule has run over a loaded value.
std::string TidyLoadedNumber(const std::string& text);

} // namespace kovaq
