// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

// The batch log: what a batch takes from the stash, gives back and takes again, its
// figures, and the CSV.

#include "StashSql.h"
#include "StashStore.h"

#include "Numbers.h"
#include "QtText.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

namespace kovaq {

using stash::text;
using stash::tr;

namespace {

QString slotsText(const Batch& b) {
    QJsonArray slots;
    for (std::size_t i = 0; i < SlotCount; ++i)
        slots.append(QJsonArray{b.ml[i], b.grams[i]});
    return QString::fromUtf8(QJsonDocument(slots).toJson(QJsonDocument::Compact));
}

void readSlots(Batch& b, const QString& text) {
    const QJsonArray slots = QJsonDocument::fromJson(text.toUtf8()).array();
    for (std::size_t i = 0; i < SlotCount && i < static_cast<std::size_t>(slots.size()); ++i) {
        const QJsonArray pair = slots[static_cast<qsizetype>(i)].toArray();
        b.ml[i] = pair.at(0).toDouble();
        b.grams[i] = pair.at(1).toDouble();
    }
}

QString number(double v) {
    return ToQString(FormatNumber(v));
}

// The figures of a batch that older versions kept only as the texts shown.
void figuresFromTexts(Batch& b, const QString& volume, const QString& strength,
                      const QString& ratio, const QString& cost) {
    double pg = -1;
    for (int p = 0; p < RatioListSize; ++p)
        if (ratio.trimmed().compare(ToQString(RatioListText(p)).trimmed(), Qt::CaseInsensitive) ==
            0)
            pg = RatioPgPercent(p);
    std::optional<double> costValue;
    if (const auto c = ParseWholeNumber(ToUtf8(cost.trimmed())))
        costValue = *c;
    SetBatchFigures(b, ParseNumber(ToUtf8(volume)), ParseNumber(ToUtf8(strength)), pg, costValue);
}

} // namespace

QString RatioTextOfPg(double pg) {
    for (int p = 0; p < RatioListSize; ++p)
        if (pg >= 0 && RatioPgPercent(p) == pg)
            return ToQString(RatioListText(p)).trimmed();
    return {};
}

void SetBatchFigures(Batch& b, double volumeMl, double strengthMg, double pgPercent,
                     std::optional<double> cost) {
    b.volumeMl = volumeMl;
    b.strengthMg = strengthMg;
    b.pgPercent = pgPercent;
    b.costValue = cost;
    b.volume = number(volumeMl);
    b.strength = number(strengthMg);
    b.ratio = RatioTextOfPg(pgPercent);
    b.cost = cost ? number(*cost) : QString();
}

bool stash::migrateBatchFigures(QSqlDatabase& db) {
    QSqlQuery read(db);
    read.setForwardOnly(true);
    if (!read.exec(QStringLiteral("SELECT id, volume, strength, ratio, cost FROM batches")))
        return false;
    QSqlQuery write(db);
    write.prepare(QStringLiteral("UPDATE batches SET volume_ml = ?, strength_mg = ?, "
                                 "pg_percent = ?, cost_value = ? WHERE id = ?"));
    while (read.next()) {
        Batch b;
        figuresFromTexts(b, read.value(1).toString(), read.value(2).toString(),
                         read.value(3).toString(), read.value(4).toString());
        write.addBindValue(b.volumeMl);
        write.addBindValue(b.strengthMg);
        write.addBindValue(b.pgPercent);
        write.addBindValue(b.costValue ? QVariant(*b.costValue) : QVariant());
        write.addBindValue(read.value(0));
        if (!write.exec())
            return false;
    }
    return true;
}

std::vector<Batch> StashStore::batches(bool whole) const {
    return readBatches(whole, 0);
}

std::vector<Batch> StashStore::readBatches(bool whole, std::int64_t only) const {
    std::vector<Batch> out;
    if (m_state != State::ReadWrite && m_state != State::ReadOnly)
        return out;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString heavy = whole ? QStringLiteral("slots, recipe") : QStringLiteral("'', ''");
    const QString figures = m_version >= 3
                                ? QStringLiteral("volume_ml, strength_mg, pg_percent, cost_value")
                                : QStringLiteral("0, 0, -1, NULL");
    q.prepare(QStringLiteral("SELECT id, mixed_at, name, volume, strength, ratio, %1, cost, "
                             "file, steep_days, note, %4, %3 FROM batches %2 "
                             "ORDER BY mixed_at DESC, id DESC")
                  .arg(heavy, only ? QStringLiteral("WHERE id = :id") : QString(), figures,
                       m_version >= 2 || m_version == 0 ? QStringLiteral("shortfall")
                                                        : QStringLiteral("''")));
    if (only)
        q.bindValue(QStringLiteral(":id"), qint64(only));
    if (!q.exec())
        return out;
    while (q.next()) {
        Batch b;
        b.id = q.value(0).toLongLong();
        b.mixedAt = q.value(1).toLongLong();
        b.name = q.value(2).toString();
        if (m_version >= 3)
            SetBatchFigures(
                b, q.value(13).toDouble(), q.value(14).toDouble(), q.value(15).toDouble(),
                q.value(16).isNull() ? std::nullopt : std::optional(q.value(16).toDouble()));
        else
            figuresFromTexts(b, q.value(3).toString(), q.value(4).toString(), q.value(5).toString(),
                             q.value(8).toString());
        if (whole)
            readSlots(b, q.value(6).toString());
        b.recipeText = q.value(7).toString();
        b.file = q.value(9).toString();
        b.steepDays = q.value(10).toInt();
        b.note = q.value(11).toString();
        b.shortfall = q.value(12).toString();
        out.push_back(std::move(b));
    }
    if (whole && only && !out.empty()) {
        QSqlQuery d(db);
        d.prepare(QStringLiteral("SELECT bottle, ml FROM deductions WHERE batch = :id"));
        d.bindValue(QStringLiteral(":id"), qint64(only));
        if (d.exec())
            while (d.next())
                out.front().deductions.push_back({d.value(0).toLongLong(), d.value(1).toDouble()});
    }
    return out;
}

std::optional<Batch> StashStore::batch(std::int64_t id) const {
    std::vector<Batch> one = readBatches(true, id);
    if (one.empty())
        return std::nullopt;
    return std::move(one.front());
}

std::optional<int> StashStore::steepDaysOf(const QString& file) const {
    if (file.isEmpty() || (m_state != State::ReadWrite && m_state != State::ReadOnly))
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT steep_days FROM batches WHERE file = :file "
                             "ORDER BY mixed_at DESC, id DESC LIMIT 1"));
    q.bindValue(QStringLiteral(":file"), file);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return q.value(0).toInt();
}

std::optional<QString> StashStore::insertBatch(const Batch& batch, bool withId, std::int64_t* id) {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral(
        "INSERT INTO batches(id, mixed_at, name, volume, strength, ratio, slots, cost, file, "
        "recipe, steep_days, note, shortfall, deductions, volume_ml, strength_mg, pg_percent, "
        "cost_value) VALUES(:id, :at, :name, :volume, :strength, :ratio, :slots, :cost, :file, "
        ":recipe, :steep, :note, :shortfall, :count, :volume_ml, :strength_mg, :pg, :cost_value)"));
    q.bindValue(QStringLiteral(":id"), withId ? QVariant(qint64(batch.id)) : QVariant());
    q.bindValue(QStringLiteral(":at"), qint64(batch.mixedAt));
    q.bindValue(QStringLiteral(":name"), text(batch.name));
    // The texts too, for an older Ko-Vaq that reads this stash.
    q.bindValue(QStringLiteral(":volume"), text(batch.volume));
    q.bindValue(QStringLiteral(":strength"), text(batch.strength));
    q.bindValue(QStringLiteral(":ratio"), text(batch.ratio));
    q.bindValue(QStringLiteral(":slots"), slotsText(batch));
    q.bindValue(QStringLiteral(":cost"), text(batch.cost));
    q.bindValue(QStringLiteral(":file"), text(batch.file));
    q.bindValue(QStringLiteral(":recipe"), text(batch.recipeText));
    q.bindValue(QStringLiteral(":steep"), batch.steepDays);
    q.bindValue(QStringLiteral(":note"), text(batch.note));
    q.bindValue(QStringLiteral(":shortfall"), text(batch.shortfall));
    q.bindValue(QStringLiteral(":count"), static_cast<int>(batch.deductions.size()));
    q.bindValue(QStringLiteral(":volume_ml"), batch.volumeMl);
    q.bindValue(QStringLiteral(":strength_mg"), batch.strengthMg);
    q.bindValue(QStringLiteral(":pg"), batch.pgPercent);
    q.bindValue(QStringLiteral(":cost_value"),
                batch.costValue ? QVariant(*batch.costValue) : QVariant());
    if (!q.exec())
        return fail(tr("Unable to record the batch"), &q);
    if (id)
        *id = q.lastInsertId().toLongLong();
    return std::nullopt;
}

std::optional<QString> StashStore::recordBatch(Batch& batch, const std::vector<Need>& needs) {
    if (const auto no = refused())
        return no;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(tr("Unable to record the batch"), &q);
    const QSqlQuery* last = &q;
    const auto abandon = [&] {
        const auto error = fail(tr("Unable to record the batch"), last);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        batch.deductions.clear();
        return error;
    };
    batch.deductions.clear();
    if (const auto error = insertBatch(batch, false, &batch.id)) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return error;
    }

    // Each need from its bottles, in the order they were bought.
    QStringList short_;
    for (const Need& need : needs) {
        if (need.ml <= 0)
            continue;
        // The names are compared here, as the window compares them, not by SQLite's
        // ASCII-only NOCASE.
        QSqlQuery pick(db);
        pick.prepare(QStringLiteral("SELECT id, on_hand, kind, name FROM bottles WHERE removed = 0 "
                                    "AND (id = :id OR kind = :kind) ORDER BY id = :id DESC, id"));
        pick.bindValue(QStringLiteral(":id"), qint64(need.bottle));
        pick.bindValue(QStringLiteral(":kind"), static_cast<int>(KindOfSlot(need.slot)));
        last = &pick;
        if (!pick.exec())
            return abandon();
        double wanted = need.ml;
        bool anyBottle = false;
        while (wanted > 1e-9 && pick.next()) {
            Bottle candidate;
            candidate.id = pick.value(0).toLongLong();
            candidate.kind = static_cast<BottleKind>(pick.value(2).toInt());
            candidate.name = pick.value(3).toString();
            if (!BottleServes(candidate, need))
                continue;
            anyBottle = true;
            const std::int64_t id = candidate.id;
            const double onHand = pick.value(1).toDouble();
            const double taken = std::min(onHand, wanted);
            if (taken <= 0)
                continue;
            QSqlQuery take(db);
            take.prepare(QStringLiteral("UPDATE bottles SET on_hand = :left WHERE id = :id"));
            take.bindValue(QStringLiteral(":left"), onHand - taken);
            take.bindValue(QStringLiteral(":id"), qint64(id));
            QSqlQuery note(db);
            note.prepare(QStringLiteral(
                "INSERT INTO deductions(batch, bottle, ml) VALUES(:batch, :bottle, :ml)"));
            note.bindValue(QStringLiteral(":batch"), qint64(batch.id));
            note.bindValue(QStringLiteral(":bottle"), qint64(id));
            note.bindValue(QStringLiteral(":ml"), taken);
            last = &take;
            if (!take.exec())
                return abandon();
            last = &note;
            if (!note.exec())
                return abandon();
            batch.deductions.push_back({id, taken});
            wanted -= taken;
        }
        const std::string_view row = RowLabelBase(need.slot);
        const QString what =
            !need.name.trimmed().isEmpty() ? need.name.trimmed()
            : isFlavour(need.slot)
                ? QString::fromLatin1(row.data(), static_cast<qsizetype>(row.size()))
                : BottleKindName(KindOfSlot(need.slot));
        if (!anyBottle)
            short_ << QStringLiteral("%1: no bottle in the stash").arg(what);
        else if (wanted > 1e-9)
            short_ << QStringLiteral("%1: %2 ml short").arg(what, QString::number(wanted, 'g', 6));
    }
    batch.shortfall = short_.join(QStringLiteral("; "));
    QSqlQuery finish(db);
    finish.prepare(QStringLiteral(
        "UPDATE batches SET shortfall = :shortfall, deductions = :count WHERE id = :id"));
    finish.bindValue(QStringLiteral(":shortfall"), text(batch.shortfall));
    finish.bindValue(QStringLiteral(":count"), static_cast<int>(batch.deductions.size()));
    finish.bindValue(QStringLiteral(":id"), qint64(batch.id));
    last = &finish;
    if (!finish.exec())
        return abandon();
    QSqlQuery commit(db);
    last = &commit;
    if (!commit.exec(QStringLiteral("COMMIT")))
        return abandon();
    return std::nullopt;
}

std::optional<QString> StashStore::undoLastBatch(Batch* removed) {
    if (const auto no = refused())
        return no;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    if (!q.exec(QStringLiteral("SELECT id FROM batches ORDER BY mixed_at DESC, id DESC LIMIT 1")))
        return fail(tr("Unable to undo the batch"), &q);
    if (!q.next())
        return tr("There is no batch to undo.");
    return removeBatch(q.value(0).toLongLong(), removed);
}

std::optional<QString> StashStore::removeBatch(std::int64_t id, Batch* removed) {
    if (const auto no = refused())
        return no;
    std::optional<Batch> whole = batch(id);
    if (!whole)
        return tr("The batch is no longer in the log.");
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(tr("Unable to undo the batch"), &q);
    // Exactly what it took goes back into its bottles, removed ones too: Undo may bring them
    // back.
    QSqlQuery give(db);
    give.prepare(QStringLiteral("UPDATE bottles SET on_hand = on_hand + (SELECT TOTAL(ml) FROM "
                                "deductions WHERE batch = :id AND bottle = bottles.id) WHERE id IN "
                                "(SELECT bottle FROM deductions WHERE batch = :id)"));
    give.bindValue(QStringLiteral(":id"), qint64(id));
    QSqlQuery drop(db);
    drop.prepare(QStringLiteral("DELETE FROM batches WHERE id = :id"));
    drop.bindValue(QStringLiteral(":id"), qint64(id));
    QSqlQuery commit(db);
    const QSqlQuery* last = &give;
    bool ok = give.exec();
    last = ok ? &drop : last;
    ok = ok && drop.exec();
    last = ok ? &commit : last;
    ok = ok && commit.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        const auto error = fail(tr("Unable to undo the batch"), last);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return error;
    }
    if (removed)
        *removed = std::move(*whole);
    return std::nullopt;
}

std::optional<QString> StashStore::restoreBatch(const Batch& batch) {
    if (const auto no = refused())
        return no;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(tr("Unable to record the batch"), &q);
    const auto abandon = [&](std::optional<QString> error) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return error;
    };
    if (const auto error = insertBatch(batch, true, nullptr))
        return abandon(error);
    for (const Deduction& d : batch.deductions) {
        // A bottle gone for good (removed in an earlier run) gives nothing and takes nothing.
        QSqlQuery take(db);
        take.prepare(
            QStringLiteral("UPDATE bottles SET on_hand = MAX(0, on_hand - :ml) WHERE id = :id"));
        take.bindValue(QStringLiteral(":ml"), d.ml);
        take.bindValue(QStringLiteral(":id"), qint64(d.bottle));
        QSqlQuery note(db);
        note.prepare(QStringLiteral("INSERT INTO deductions(batch, bottle, ml) VALUES(:batch, "
                                    "(SELECT id FROM bottles WHERE id = :bottle), :ml)"));
        note.bindValue(QStringLiteral(":batch"), qint64(batch.id));
        note.bindValue(QStringLiteral(":bottle"), qint64(d.bottle));
        note.bindValue(QStringLiteral(":ml"), d.ml);
        if (!take.exec())
            return abandon(fail(tr("Unable to record the batch"), &take));
        if (!note.exec())
            return abandon(fail(tr("Unable to record the batch"), &note));
    }
    QSqlQuery commit(db);
    if (!commit.exec(QStringLiteral("COMMIT")))
        return abandon(fail(tr("Unable to record the batch"), &commit));
    return std::nullopt;
}

QString CsvCell(const QString& text) {
    QString cell = text;
    // A spreadsheet runs these as formulas: the apostrophe makes them text, as OWASP advises.
    static const QString formula = QStringLiteral("=+-@\t\r");
    if (!cell.isEmpty() && formula.contains(cell.front()))
        cell.prepend(QLatin1Char('\''));
    if (!cell.contains(QLatin1Char(',')) && !cell.contains(QLatin1Char('"')) &&
        !cell.contains(QLatin1Char('\n')) && !cell.contains(QLatin1Char('\r')))
        return cell;
    cell.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

std::string BatchesCsv(const std::vector<Batch>& batches) {
    const auto date = [](std::int64_t ms) {
        return QDateTime::fromMSecsSinceEpoch(ms).toLocalTime().toString(Qt::ISODate);
    };
    QString out = QStringLiteral("Mixed,Name,Volume (ml),Strength (mg),PG/VG,Cost,Steep days,"
                                 "Ready,File,Note,Shortfall\r\n");
    for (const Batch& b : batches) {
        const QStringList row = {
            date(b.mixedAt),
            CsvCell(b.name),
            CsvCell(b.volume),
            CsvCell(b.strength),
            CsvCell(b.ratio),
            CsvCell(b.cost),
            QString::number(b.steepDays),
            QDateTime::fromMSecsSinceEpoch(b.readyAt()).date().toString(Qt::ISODate),
            CsvCell(b.file),
            CsvCell(b.note),
            CsvCell(b.shortfall)};
        out += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toStdString();
}

} // namespace kovaq
