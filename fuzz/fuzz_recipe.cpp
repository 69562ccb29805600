// Feeds arbitrary bytes through everything that reads a recipe file, and writes the
// result back, as opening and saving a damaged file would.
#include "Codepage.h"
#include "RecipeFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kovaq::IniDocument ini(kovaq::DecodeFileText(bytes));
    const kovaq::MixRecipe recipe = kovaq::RecipeFromIni(ini);
    if (recipe.Notes.size() > static_cast<std::size_t>(kovaq::MaxNotesLines))
        __builtin_trap();
    kovaq::RecipeToIni(ini, recipe);
    const std::string text = kovaq::EncodeFileText(ini.toText());
    // What was written must read back as the same recipe.
    const kovaq::MixRecipe again =
        kovaq::RecipeFromIni(kovaq::IniDocument(kovaq::DecodeFileText(text)));
    if (again.Notes.size() != recipe.Notes.size() || again.HiPrecision != recipe.HiPrecision)
        __builtin_trap();
    return 0;
}
