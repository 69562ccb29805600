// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "CalcOptions.h"

namespace kovaq {

// kovaq-calc --list: the rows of the Recipes window for the folders asked, as text or JSON.
// 0 when done, 1 when a folder could not be read at all (the rest is listed).
int ListRecipes(const CalcOptions& options);

} // namespace kovaq
