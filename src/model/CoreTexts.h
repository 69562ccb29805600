// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Core's sentences in the user's language: core asks through its text hook (Texts.h), and
// this is where the hook meets Qt's translations.
#pragma once

#include <span>

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

} // namespace kovaq
