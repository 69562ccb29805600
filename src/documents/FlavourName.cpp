// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "FlavourName.h"

#include "TextFold.h"

namespace kovaq {
namespace {

// The name and the maker of a folded "name (maker)"; the maker empty when there is none.
std::pair<QString, QString> splitMaker(const QString& folded) {
    if (!folded.endsWith(QLatin1Char(')')))
        return {folded, {}};
    const qsizetype open = folded.lastIndexOf(QLatin1Char('('));
    if (open <= 0)
        return {folded, {}};
    const QString name = folded.left(open).trimmed();
    const QString maker = folded.mid(open + 1, folded.size() - open - 2).trimmed();
    if (name.isEmpty() || maker.isEmpty())
        return {folded, {}};
    return {name, maker};
}

QString joined(const QString& name, const QString& maker) {
    return maker.isEmpty() ? name : name + QStringLiteral(" (") + maker + QLatin1Char(')');
}

} // namespace

QString FoldName(QStringView name) {
    return FoldForSearch(name).simplified();
}

QString FlavourKey(QStringView name) {
    const auto [bare, maker] = splitMaker(FoldName(name));
    return joined(bare, maker);
}

QString FlavourKey(QStringView name, QStringView maker) {
    const auto [bare, own] = splitMaker(FoldName(name));
    return joined(bare, own.isEmpty() ? FoldName(maker) : own);
}

} // namespace kovaq
