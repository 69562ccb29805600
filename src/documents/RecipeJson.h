// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Recipe.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace kovaq {

// The recipe as kovaq-calc --json prints it under "recipe": the file's own key names and
// texts as stored, the ratio choices as list positions, the notes as lines, and the
// gravities for weighing under "Weights".
QJsonObject RecipeToJson(const MixRecipe& recipe);

// A recipe file of its own: {"format": "ko-vaq-recipe", "version": 1, "recipe": {...}}.
inline constexpr char RecipeJsonFormat[] = "ko-vaq-recipe";
inline constexpr int RecipeJsonVersion = 1;
QByteArray RecipeJsonFile(const MixRecipe& recipe);

struct JsonRecipe {
    std::optional<MixRecipe> recipe;
    QString error; // why not, for a person: another format, a newer version, a key's type
};
// Read as a .mix file of the same values is read: numbers tidied, a ratio out of the list
// none, a gravity that is none the default. Keys it does not know are passed over.
JsonRecipe RecipeFromJsonFile(const QByteArray& bytes);

// Larger files are no recipe.
inline constexpr qsizetype MaxRecipeJsonBytes = 32 * 1024 * 1024;

} // namespace kovaq
