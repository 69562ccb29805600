// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MixName.h"

#include "Numbers.h"

namespace kovaq {
namespace {

std::size_t lastSeparator(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
#ifdef _WIN32
    const std::size_t back = path.find_last_of('\\');
    if (slash == std::string_view::npos || (back != std::string_view::npos && back > slash))
        return back;
#endif
    return slash;
}

// Characters, not bytes, so that a name such as "Café.mix" loses ".mix" and no more.
std::string dropLastChars(std::string_view s, std::size_t count) {
    std::size_t end = s.size();
    while (count > 0 && end > 0) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80)
            --end;
        --count;
    }
    return std::string(s.substr(0, end));
}

} // namespace

std::string ComposeMixName(std::string_view name, std::string_view mixStrengthText,
                           std::string_view mixQtyText, std::string_view mixRatioText) {
    std::string base(name);
    const bool hasSuffix =
        base.find("ml ") != std::string::npos && base.find("mg ") != std::string::npos &&
        base.find('(') != std::string::npos && base.find(')') != std::string::npos;
    if (hasSuffix)
        base.erase(base.rfind('('));
    return base + "(" + FormatNumber(ParseNumber(mixStrengthText)) + "mg " +
           FormatNumber(ParseNumber(mixQtyText)) + "ml " + std::string(mixRatioText) + ")";
}

std::string MixNameFromPath(std::string_view path) {
    const std::size_t sep = lastSeparator(path);
    const std::string_view file = sep == std::string_view::npos ? path : path.substr(sep + 1);
    return dropLastChars(file, 4);
}

std::string FolderOfPath(std::string_view path) {
    const std::size_t sep = lastSeparator(path);
    return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep));
}

} // namespace kovaq
