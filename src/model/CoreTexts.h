// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Core's sentences in the user's language: core asks through its text hook (Texts.h), and
// this is where the hook meets Qt's translations.
#pragma once

#include <span>
#include <string>

namespace kovaq {

// One sentence core may ask for, by its context and English text.
struct CoreText {
    const char* context;
    const char* source;
    bool counted; // a plural form follows a count
};
// Every sentence core asks for, so that Qt's tools find them to translate.
std::span<const CoreText> CoreTexts();

// Core's sentences from now on through Qt's installed translators. Called at start.
void InstallCoreTexts();

// What core's sentences are now, in brief: empty while they are English, else a digest that
// changes with their language. What keeps core's words (the Recipes list's index) goes by it.
std::string CoreTextsDigest();

} // namespace kovaq
