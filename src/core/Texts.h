// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The sentences core hands to people, in the user's language. Core knows no translation
// system: the program above it installs a hook that looks a whole sentence up by its
// context and English text, and core fills in the figures by number (%1..%9), so that a
// translation may put them in any order.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kovaq {

// The sentence `source` of `context` in the user's language, or `source` itself when there
// is none. `n` is the count a plural form depends on, -1 for a sentence without one.
using TextHook = std::string (*)(const char* context, const char* source, int n);

// Installed once at start, before any text is asked for; nullptr gives the English texts.
void SetTextHook(TextHook hook);

// `text` with each %1..%9 replaced by the argument of that number, in one pass (a figure
// holding "%2" stays as it is); a % before anything else is kept.
std::string FillText(std::string_view text, std::initializer_list<std::string_view> args);
std::string FillText(std::string_view text, const std::vector<std::string>& args);

// The sentence looked up through the hook and filled.
std::string Say(const char* context, const char* source,
                std::initializer_list<std::string_view> args = {});
// The same for a sentence whose words follow a count: `one` and `many` are the English forms
// (the count is %n in both), `many` the one a translation is looked up by.
std::string SayCount(const char* context, const char* one, const char* many, int n,
                     std::initializer_list<std::string_view> args = {});

} // namespace kovaq
