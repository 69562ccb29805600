// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "CalcOptions.h"

namespace kovaq {

// --shots, --dilute and --ratio: the Shots and Fixes window's lines for these figures, or
// with --json its figures too; 3 when what is asked cannot be done.
int RunShotsTool(const CalcOptions& options);

} // namespace kovaq
