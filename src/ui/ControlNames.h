// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "Recipe.h"

#include <QString>

namespace kovaq {

// The name each control carries ("Edit11", "ComboBox2"), so that tests and tools find it.
QString FieldControlName(TextField field);
QString RatioControlName(RatioField ratio);
// The fixed name a screen reader announces; it never changes with the flavour names.
QString FieldAccessibleName(TextField field);
QString RatioAccessibleName(RatioField ratio);

} // namespace kovaq
