// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// What the stash's two source files share, and nothing outside them uses.

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

namespace kovaq::stash {

// An empty text is stored as one, never as NULL.
inline QVariant text(const QString& s) {
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

inline QString tr(const char* text) {
    return QCoreApplication::translate("kovaq::StashStore", text);
}

// Version 3 keeps a batch's figures as numbers: those of older batches read once from the
// texts that were kept.
bool migrateBatchFigures(QSqlDatabase& db);

} // namespace kovaq::stash
