// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

// The flavour book's notes: what the user writes about each flavour, kept under its folded
// name so that every spelling of it finds them.

#include "FlavourName.h"
#include "StashSql.h"
#include "StashStore.h"

#include <QSqlQuery>

#include <cmath>

namespace kovaq {

using stash::text;
using stash::tr;

namespace {

FlavourNote readNote(const QSqlQuery& q) {
    FlavourNote n;
    n.key = q.value(0).toString();
    n.name = q.value(1).toString();
    n.notes = q.value(2).toString();
    if (!q.value(3).isNull())
        n.rating = q.value(3).toInt();
    if (!q.value(4).isNull())
        n.share = q.value(4).toDouble();
    return n;
}

const QString kSelect = QStringLiteral("SELECT key, name, notes, rating, share FROM flavour_notes");

} // namespace

std::vector<FlavourNote> StashStore::flavourNotes() const {
    std::vector<FlavourNote> out;
    if ((m_state != State::ReadWrite && m_state != State::ReadOnly) || m_version < 4)
        return out;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    if (!q.exec(kSelect + QStringLiteral(" ORDER BY key")))
        return out;
    while (q.next())
        out.push_back(readNote(q));
    return out;
}

std::optional<FlavourNote> StashStore::flavourNote(const QString& name) const {
    if ((m_state != State::ReadWrite && m_state != State::ReadOnly) || m_version < 4)
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(kSelect + QStringLiteral(" WHERE key = ?"));
    q.addBindValue(FlavourKey(name));
    if (!q.exec() || !q.next())
        return std::nullopt;
    return readNote(q);
}

std::optional<QString> StashStore::setFlavourNote(FlavourNote& note) {
    if (const auto no = refused())
        return no;
    note.key = FlavourKey(note.name);
    if (note.key.isEmpty())
        return tr("A flavour's notes need the flavour's name.");
    if (note.rating && (*note.rating < 1 || *note.rating > 5))
        return tr("A rating is from 1 to 5.");
    if (note.share && !(std::isfinite(*note.share) && *note.share > 0 && *note.share <= 100))
        return tr("A preferred share is more than 0 and at most 100 %.");
    QSqlQuery q(QSqlDatabase::database(m_connection));
    if (note.empty()) {
        q.prepare(QStringLiteral("DELETE FROM flavour_notes WHERE key = ?"));
        q.addBindValue(note.key);
    } else {
        q.prepare(QStringLiteral("INSERT INTO flavour_notes(key, name, notes, rating, share) "
                                 "VALUES(?, ?, ?, ?, ?) ON CONFLICT(key) DO UPDATE SET "
                                 "name = excluded.name, notes = excluded.notes, "
                                 "rating = excluded.rating, share = excluded.share"));
        q.addBindValue(note.key);
        q.addBindValue(text(note.name.trimmed()));
        q.addBindValue(text(note.notes));
        q.addBindValue(note.rating ? QVariant(*note.rating) : QVariant());
        q.addBindValue(note.share ? QVariant(*note.share) : QVariant());
    }
    if (!q.exec())
        return fail(tr("Unable to keep the flavour's notes"), &q);
    return std::nullopt;
}

} // namespace kovaq
