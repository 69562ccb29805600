// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "CalcOptions.h"

#include <functional>

namespace kovaq {

class MixDocument;

// --to-text: what "Copy Recipe" copies of the loaded mix.
int PrintRecipeText(const CalcOptions& options, const MixDocument& doc,
                    const std::function<void()>& ensureApp);
// --to-json: the recipe file's JSON.
int PrintRecipeJson(const MixDocument& doc);
// --from-text IN OUT: the recipe in a text, as "Paste Recipe" reads it, saved as a .mix;
// 3 when the text holds no recipe. `doc` measures as the window does.
int RecipeFromText(const CalcOptions& options, MixDocument& doc);
// --from-json IN OUT: a recipe's JSON saved as a .mix; 1 when it is refused.
int RecipeFromJson(const CalcOptions& options);

} // namespace kovaq
