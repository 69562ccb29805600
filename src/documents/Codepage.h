#pragma once

#include <string>
#include <string_view>

namespace kovaq {

// Recipe files written on Windows are in Windows-1252. A file whose bytes are valid UTF-8
// is read as UTF-8 (a leading byte-order mark is dropped), any other as Windows-1252.
std::string DecodeFileText(std::string_view bytes);

// Windows-1252 when every character fits, so that older readers still understand the
// file; otherwise UTF-8, so that no character the user typed is lost.
std::string EncodeFileText(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);

} // namespace kovaq
