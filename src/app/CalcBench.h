// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "CalcOptions.h"

namespace kovaq {

// Whether the command line asks for one of these commands.
bool IsBenchCommand(const CalcOptions& options);

// --makeable, --flavours, --shopping, --stash --csv and --stash-import: the recipes of the
// folders against the stash, as the Recipes window reads them. Only --stash-import writes
// the stash, and only when no window holds it.
int RunBenchCommand(const CalcOptions& options);

} // namespace kovaq
