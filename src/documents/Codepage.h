// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <string>
#include <string_view>

namespace kovaq {

// Recipe files written on Windows are in Windows-1252. A file whose bytes are valid UTF-8
// is read as UTF-8 (a leading byte-order mark is dropped), any other as Windows-1252.
// The buffer is reused when the bytes are UTF-8 already.
std::string DecodeFileText(std::string bytes);

// Windows-1252 when every character fits, so that older readers still understand the
// file; otherwise UTF-8, so that no character the user typed is lost. Whatever is chosen
// reads back as the same text: when the Windows-1252 bytes would pass for UTF-8 ("Heiß…"
// gives DF 85, which reads as one other letter) the file is written as UTF-8 instead.
std::string EncodeFileText(std::string utf8);

bool IsValidUtf8(std::string_view bytes);

// Appends one character as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

} // namespace kovaq
