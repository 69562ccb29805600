// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Codepage.h"

#include <random>
#include <string>
#include <string_view>

namespace kovaq::test {

// Random UTF-8 text mixing ASCII, Latin-1 letters, the punctuation Windows-1252 adds
// (… ™ € „ Œ), its five undefined bytes, and characters it cannot hold (Ł 日 😀), so that
// every choice of code page gets exercised. No line breaks.
inline std::string RandomText(std::mt19937& rng, int length) {
    static const char32_t kExtra[] = {0x2026, 0x2122, 0x20AC, 0x201E, 0x0152, 0x0160, 0x2018,
                                      0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0081,
                                      0x008D, 0x008F, 0x0090, 0x009D, 0x00A0, 0x00AD};
    static const char32_t kOutside[] = {0x0141, 0x65E5, 0x1F600, 0x03A9, 0x0400, 0xFEFF};
    std::string out;
    auto append = [&](char32_t cp) { AppendUtf8(out, cp); };
    // Each text leans on one kind of character, so that many texts fit Windows-1252. One
    // kind pairs a letter whose Windows-1252 byte starts a UTF-8 sequence (Â..ß) with one
    // whose byte continues it (€ … ™ ¡..¿): such text, written in Windows-1252, would pass
    // for UTF-8.
    const unsigned flavour = rng() % 5;
    static const char32_t kContinue[] = {0x20AC, 0x2026, 0x2122, 0x201A, 0x0152, 0x00A3, 0x00BF};
    for (int i = 0; i < length; ++i) {
        if (flavour == 4) {
            if (rng() % 2)
                append(0x20 + rng() % 95);
            append(0xC2 + rng() % 30);
            append(kContinue[rng() % std::size(kContinue)]);
            continue;
        }
        const unsigned roll = rng() % 100;
        if (flavour == 0 || roll < 50)
            append(0x20 + rng() % 95); // printable ASCII, blank and quotes included
        else if (flavour == 1 || roll < 80)
            append(0xA1 + rng() % 95); // Latin-1: Â £ ß é ...
        else if (flavour == 2 || roll < 97)
            append(kExtra[rng() % std::size(kExtra)]);
        else
            append(kOutside[rng() % std::size(kOutside)]);
    }
    return out;
}

// The text as an INI value reads back: without blanks around it.
inline std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace kovaq::test
