// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The number helpers, the entry rule and the code pages, each held to a property that
// must stand for any input.
#include "Codepage.h"
#include "EntryRules.h"
#include "FileAccess.h"
#include "Numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

using namespace kovaq;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // Any text reads as a number; what is shown of it reads back finite and the same.
    const double parsed = ParseNumber(bytes);
    if (std::isfinite(parsed)) {
        const std::string shown = FormatNumber(parsed);
        const double back = ParseNumber(shown);
        if (!std::isfinite(back) || FormatNumber(back) != shown)
            __builtin_trap();
        for (int n = 1; n <= 3; ++n)
            (void)RoundDecimals(parsed, n); // the sanitizers watch the conversions
    }
    // Eight bytes as a double: every finite value reads back finite.
    if (size >= 8) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw) && !std::isfinite(ParseNumber(FormatNumber(raw))))
            __builtin_trap();
    }

    // The entry rule keeps at most one point, and waits only on a trailing point.
    std::u16string typed(bytes.begin(), bytes.end());
    const int caret = size > 0 ? data[0] % static_cast<int>(size + 1) : 0;
    const NumberEntryOutcome out = NumberEntryCheck(typed, caret);
    std::size_t points = 0;
    for (char16_t c : out.text)
        points += c == u'.' ? 1 : 0;
    if (points > 1 || out.caret < 0 || out.caret > static_cast<int>(out.text.size()))
        __builtin_trap();
    if (out.answer == EntryAnswer::Wait && (out.text.empty() || out.text.back() != u'.'))
        __builtin_trap();

    // Whatever is written reads back as the same text, and decoding always gives UTF-8.
    const std::string decoded = DecodeFileText(bytes);
    if (!IsValidUtf8(decoded) || DecodeFileText(EncodeFileText(decoded)) != decoded)
        __builtin_trap();

    // File names are bytes: shown as text and back, they are the same bytes.
    if (NativeFromPath(PathFromNative(bytes)) != bytes)
        __builtin_trap();
    return 0;
}
