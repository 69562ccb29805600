// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QString>
#include <QStringView>

namespace kovaq {

// A name as names are compared between recipes and bottles: lower case, without accents,
// blanks at the ends dropped and every run of blanks inside one blank.
QString FoldName(QStringView name);

// A flavour as recipes and the stash know it: its folded name, a maker in brackets at its
// end written one way ("Lemon(TPA )" and "lemon (tpa)" are one flavour). With a maker, the
// key of a bottle "Lemon" of that maker, which is the recipe's "Lemon (TPA)"; a name that
// carries its maker in brackets keeps that one.
QString FlavourKey(QStringView name);
QString FlavourKey(QStringView name, QStringView maker);

} // namespace kovaq
