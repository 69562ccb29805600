// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QString>

#include <vector>

namespace kovaq {

// A text as the search compares it: lower case and without accents ("Crème" reads
// "creme"). `origin`, when given, gets for each character of the result the position in
// `text` it came from.
QString FoldForSearch(QStringView text, std::vector<int>* origin = nullptr);

} // namespace kovaq
