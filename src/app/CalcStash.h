// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "CalcOptions.h"

#include <QString>

#include <functional>

namespace kovaq {

class MixDocument;
struct LabelInputs;

// --stash and --batches: the store read as it stands, never written; 1 when there is no
// stash, or it cannot be read, with the reason on standard error.
int PrintStash(const CalcOptions& options);
int PrintBatches(const CalcOptions& options);

// The stash's maker of the recipe's nicotine base, when a stash can be read; otherwise
// nothing, and nothing said.
QString BaseMakerFromStash(const CalcOptions& options, const MixDocument& doc);

} // namespace kovaq
