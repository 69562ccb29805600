// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <string_view>

namespace kovaq {

// Where the maker can be reached. Placeholders of our own until a real site exists.
inline constexpr std::string_view MakerWebsite = "https://ko-vaq.example";
inline constexpr std::string_view MakerWebDomain = "ko-vaq.example";
inline constexpr std::string_view MakerSupportEmail = "support@ko-vaq.example";

} // namespace kovaq
