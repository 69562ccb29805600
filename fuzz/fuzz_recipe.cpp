// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Feeds arbitrary bytes through everything that reads a recipe file, and writes the
// result back, as opening and saving a damaged file would. What was written must read
// back as the same recipe, field for field.
#include "Codepage.h"
#include "RecipeFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// What a text becomes once written as "Key=text" and read again: the reader trims blanks
// and one pair of quotes.
std::string carried(std::string_view v) {
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t'))
        v.remove_prefix(1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t' || v.back() == '\r'))
        v.remove_suffix(1);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    kovaq::IniDocument ini(kovaq::DecodeFileText(bytes));
    const kovaq::MixRecipe recipe = kovaq::RecipeFromIni(ini);
    if (recipe.Notes.size() > static_cast<std::size_t>(kovaq::MaxNotesLines))
        __builtin_trap();
    kovaq::RecipeToIni(ini, recipe);
    const std::string text = kovaq::EncodeFileText(ini.toText());
    const kovaq::MixRecipe again =
        kovaq::RecipeFromIni(kovaq::IniDocument(kovaq::DecodeFileText(text)));

    kovaq::MixRecipe expected = recipe;
    expected.Name = carried(recipe.Name);
    for (std::size_t i = 0; i < kovaq::TextFieldCount; ++i) {
        const std::string c = carried(recipe.texts[i]);
        expected.texts[i] =
            kovaq::IsNumberField(kovaq::textFieldAt(i)) ? kovaq::TidyLoadedNumber(c) : c;
    }
    for (std::string& line : expected.Notes)
        line = carried(line);
    if (!(again == expected))
        __builtin_trap();
    // A save over this content, as WriteRecipe composes it, reads back the same.
    const std::string saved = kovaq::RecipeFileBytes(bytes, false, recipe);
    if (!(kovaq::RecipeFromIni(kovaq::IniDocument(kovaq::DecodeFileText(saved))) == expected))
        __builtin_trap();
    return 0;
}
