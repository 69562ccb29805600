// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "RecipeFile.h"
#include "QtText.h"

#include "Codepage.h"
#include "EntryRules.h"
#include "Weights.h"

#include <cerrno>

namespace kovaq {
namespace {

constexpr std::string_view kTitle = "Title";
constexpr std::string_view kIngredients = "Ingredients";
constexpr std::string_view kSpec = "Spec";
constexpr std::string_view kExtras = "Extras";
constexpr std::string_view kNotes = "Notes";
constexpr std::string_view kWeights = "Weights";

std::string_view sectionOf(TextField f) {
    return f <= TextField::BaseNicStrength ? kIngredients : kSpec;
}

std::string capChars(const std::string& s, std::size_t maxChars) {
    const QString q = ToQString(s);
    if (static_cast<std::size_t>(q.size()) <= maxChars)
        return s;
    return ToUtf8(q.left(static_cast<qsizetype>(maxChars)));
}

} // namespace

std::string TidyLoadedNumber(const std::string& text) {
    // A text set by the program leaves the caret at the start, so ".5" stays ".5".
    const NumberEntryOutcome out = NumberEntryCheck(ToUtf16(text), 0);
    return ToUtf8(out.text);
}

MixRecipe RecipeFromIni(const IniDocument& ini, const MixRecipe& current) {
    MixRecipe r;
    r.Name = ini.readString(kTitle, "Name", "Untitled");
    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        const TextField f = textFieldAt(i);
        std::string text = ini.readString(sectionOf(f), FieldKey(f), "");
        r.texts[i] = IsNumberField(f) ? TidyLoadedNumber(text) : std::move(text);
    }
    for (std::size_t i = 0; i < RatioFieldCount; ++i) {
        const RatioField rf = ratioFieldAt(i);
        const std::string_view section = rf == RatioField::BaseNicPGVG ? kIngredients : kSpec;
        PgVgRatio ratio = current.ratios[i];
        const std::int64_t pos = ini.readInteger(section, RatioKey(rf), 0);
        SelectRatioPosition(ratio, pos < -1 || pos > RatioListSize ? -1 : static_cast<int>(pos),
                            RatioEntryCount(rf));
        SetPgPercentFromChoice(ratio);
        RefreshRatioText(ratio);
        r.ratios[i] = ratio;
    }
    r.HiPrecision = ini.readInteger(kExtras, "HiPrecision", 1) != 0;
    r.IgnoreCost = ini.readInteger(kExtras, "IgnoreCost", 0) != 0;
    const std::int64_t lines = std::min(ini.readInteger(kNotes, "Lines", 0), MaxNotesLines);
    for (std::int64_t i = 0; i < lines; ++i)
        r.Notes.push_back(ini.readString(kNotes, "Text" + std::to_string(i), ""));
    // Gravities for weighing: a value that is no gravity reads as the default.
    for (std::size_t i = 0; i < GravityKeyCount; ++i) {
        std::string v = ini.readString(kWeights, GravityFileKey(gravityKeyAt(i)), "");
        r.Gravity[i] = ValidGravity(v) ? std::move(v) : std::string();
    }
    return r;
}

LoadedRecipe LoadRecipe(const std::string& path, const MixRecipe& current) {
    LoadedRecipe out;
    FileBytes file = ReadRegularFile(path, static_cast<std::size_t>(MaxRecipeFileBytes));
    out.status = file.status;
    out.readable = file.status == ReadStatus::Ok;
    out.truncated = file.truncated;
    if (!out.readable)
        out.reason = ReadStatusText(file);
    out.recipe = RecipeFromIni(IniDocument(DecodeFileText(std::move(file.bytes))), current);
    return out;
}

void RecipeToIni(IniDocument& ini, const MixRecipe& recipe) {
    ini.setValue(kTitle, "Name", recipe.Name);
    auto writeText = [&](TextField f) { ini.setValue(sectionOf(f), FieldKey(f), recipe[f]); };
    auto writeRatio = [&](RatioField rf, std::string_view section) {
        ini.setValue(section, RatioKey(rf), std::to_string(recipe[rf].position));
    };
    for (std::size_t i = 0; i <= index(TextField::Flav8Name); ++i)
        writeText(textFieldAt(i));
    writeRatio(RatioField::BaseNicPGVG, kIngredients);
    writeText(TextField::BaseNicStrength);
    for (std::size_t i = index(RatioField::MixNicPGVG); i < RatioFieldCount; ++i)
        writeRatio(ratioFieldAt(i), kSpec);
    for (std::size_t i = index(TextField::MixStrength); i < TextFieldCount; ++i)
        writeText(textFieldAt(i));
    ini.setValue(kExtras, "HiPrecision", recipe.HiPrecision ? "1" : "0");
    ini.setValue(kExtras, "IgnoreCost", recipe.IgnoreCost ? "1" : "0");
    ini.setValue(kNotes, "Lines", std::to_string(recipe.Notes.size()));
    for (std::size_t i = 0; i < recipe.Notes.size(); ++i)
        ini.setValue(kNotes, "Text" + std::to_string(i),
                     capChars(recipe.Notes[i], MaxNoteLineLength));
    // Only the gravities the user set are written; one set before and now back at its
    // default is emptied, so that a file without [Weights] stays without it.
    for (std::size_t i = 0; i < GravityKeyCount; ++i) {
        const std::string_view key = GravityFileKey(gravityKeyAt(i));
        if (ValidGravity(recipe.Gravity[i]))
            ini.setValue(kWeights, key, recipe.Gravity[i]);
        else if (ini.value(kWeights, key))
            ini.setValue(kWeights, key, "");
    }
}

std::string RecipeFileBytes(const std::string& oldBytes, bool oldTruncated,
                            const MixRecipe& recipe) {
    IniDocument alone;
    RecipeToIni(alone, recipe);
    std::string fresh = EncodeFileText(alone.toText());
    // A file the reader only partly reads would hide the recipe's keys beyond its limit.
    if (oldTruncated)
        return fresh;
    IniDocument ini(DecodeFileText(oldBytes));
    RecipeToIni(ini, recipe);
    std::string merged = EncodeFileText(ini.toText());
    if (merged.size() > static_cast<std::size_t>(MaxRecipeFileBytes))
        return fresh;
    // The old lines are kept only when the file then reads as the recipe alone would.
    const auto reads = [](const std::string& bytes) {
        return RecipeFromIni(IniDocument(DecodeFileText(bytes)));
    };
    return reads(merged) == reads(fresh) ? merged : fresh;
}

WriteResult WriteRecipe(const std::string& path, const MixRecipe& recipe) {
    // The other keys of an existing file are kept, so it is read first, as far as the
    // reader reads; what is there must be a plain file that can be read.
    FileBytes old = ReadRegularFile(path, static_cast<std::size_t>(MaxRecipeFileBytes));
    if (old.status != ReadStatus::Ok && old.status != ReadStatus::Missing)
        return WriteResult{old.error != 0 ? old.error : EINVAL,
                           old.error != 0 ? std::string() : ReadStatusText(old)};
    return ReplaceFileContents(path, RecipeFileBytes(old.bytes, old.truncated, recipe));
}

} // namespace kovaq
