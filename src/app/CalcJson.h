// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include "MixResult.h"
#include "Recipe.h"
#include "ReportDocument.h"

#include <QJsonObject>

namespace kovaq {

struct RowLabels;

// What kovaq-calc --json prints: the loaded recipe, every slot's volume and cost texts
// with their warnings, the totals, status, flags and marks, the weights and what could be
// made instead.
QJsonObject ResultJson(const MixRecipe& recipe, const MixResult& result, const RowLabels& labels);
// A report as lines, each with its tab stops and runs of bold and size.
QJsonObject ReportJson(const ReportDocument& doc);

} // namespace kovaq
