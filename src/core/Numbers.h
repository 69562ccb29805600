// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kovaq {

// Reads the longest leading decimal number of a text (blanks, sign, digits, one point,
// exponent). Anything that is not a number reads as 0; it never fails.
double ParseNumber(std::string_view text);

// Reads a text that must be a number as a whole (surrounding blanks allowed).
// Used where a partial number must be refused rather than cut short.
std::optional<double> ParseWholeNumber(std::string_view text);

// General format: at most 15 significant digits, "." always, no trailing zeros,
// exponent only below 0.00001 or beyond 15 integer digits ("1.5E-7", "1E20").
std::string FormatNumber(double value);

// truncate(x * 10^n + 0.5) / 10^n. Negative values use the same formula, so -1.26
// rounds to -1.2. Beyond the 32-bit range the truncation is done in floating point.
double RoundDecimals(double value, int decimals);

} // namespace kovaq
