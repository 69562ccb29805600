// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <string>
#include <string_view>

namespace kovaq {

// The mix name with its suffix of strength, volume and ratio: "Cherry(12mg 30ml 50-50)".
// An old suffix (a name holding "ml ", "mg ", "(" and ")") is cut off at its last "(".
std::string ComposeMixName(std::string_view name, std::string_view mixStrengthText,
                           std::string_view mixQtyText, std::string_view mixRatioText);

// The caption a saved file gives the mix: its name without folder and without the last
// four characters ("Cherry.mix" gives "Cherry", "a.recipe" gives "a.re").
std::string MixNameFromPath(std::string_view path);
// The folder of a path: everything before its last separator.
std::string FolderOfPath(std::string_view path);

} // namespace kovaq
