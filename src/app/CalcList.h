// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "CalcOptions.h"
#include "FieldMetrics.h"
#include "LazyGui.h"
#include "RecipeIndex.h"

namespace kovaq {

// kovaq-calc --list: the rows of the Recipes window for the folders asked, as text or JSON.
// 0 when done, 1 when a folder could not be read at all (the rest is listed).
int ListRecipes(const CalcOptions& options);

// Each recipe as the window loads it: its texts settled by the window's width rule,
// measured in the window's fonts without a display (started only when a text needs it).
// Every command that reads recipe files reads them through this, so that it never
// disagrees with the Recipes window about a file.
struct WindowSettle {
    WindowSettle() = default;
    WindowSettle(const WindowSettle&) = delete;
    WindowSettle& operator=(const WindowSettle&) = delete;
    LazyGuiApplication fonts;
    FieldMeasure measure{[this] { fonts.ensure(); }};
    RecipeSettle settle{[this](MixRecipe r) { return SettleLoadedRecipe(std::move(r), measure); }};
};

} // namespace kovaq
