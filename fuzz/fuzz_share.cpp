// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Feeds arbitrary bytes to what reads shared recipes: forum text as Paste Recipe reads it,
// and a recipe JSON file. The text must give a recipe the window can take (at most eight
// flavours, named, shares that are numbers, a listed ratio), and a JSON file that was
// read must write and read again as the same recipe.
#include "Recipe.h"
#include "RecipeJson.h"
#include "RecipeText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const kovaq::ParsedRecipe p = kovaq::ParseRecipeText(bytes);
    if (p.flavours.size() > 8)
        __builtin_trap();
    for (const kovaq::TextFlavour& f : p.flavours)
        if (!std::isfinite(f.percent) || f.percent < 0 || f.name.empty())
            __builtin_trap();
    for (const auto& r : {p.ratioPosition, p.baseRatioPosition})
        if (r && (*r < 0 || *r > 10))
            __builtin_trap();
    for (const auto& v : {p.volume, p.strength, p.baseStrength, p.vodkaWater})
        if (v && (!std::isfinite(*v) || *v < 0))
            __builtin_trap();

    const kovaq::JsonRecipe json =
        kovaq::RecipeFromJsonFile(QByteArray::fromRawData(bytes.data(), qsizetype(size)));
    if (json.recipe) {
        const kovaq::JsonRecipe again =
            kovaq::RecipeFromJsonFile(kovaq::RecipeJsonFile(*json.recipe));
        if (!again.recipe || !(*again.recipe == *json.recipe))
            __builtin_trap();
    }
    return 0;
}
