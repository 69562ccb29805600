// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "StashStore.h"

#include "FileAccess.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kovaq {

QString BottleKindName(BottleKind kind) {
    switch (kind) {
    case BottleKind::NicotineBase:
        return QStringLiteral("Nicotine base");
    case BottleKind::PG:
        return QStringLiteral("PG");
    case BottleKind::VG:
        return QStringLiteral("VG");
    case BottleKind::Flavour:
        return QStringLiteral("Flavour");
    case BottleKind::VodkaWater:
        return QStringLiteral("Vodka/Water");
    }
    return {};
}

BottleKind KindOfSlot(SlotId slot) {
    switch (slot) {
    case SlotId::NicBase:
        return BottleKind::NicotineBase;
    case SlotId::PG:
        return BottleKind::PG;
    case SlotId::VG:
        return BottleKind::VG;
    case SlotId::VodkaWater:
        return BottleKind::VodkaWater;
    default:
        return BottleKind::Flavour;
    }
}

bool BottleServes(const Bottle& bottle, const Need& need) {
    if (need.bottle != 0 && bottle.id == need.bottle)
        return true;
    if (bottle.kind != KindOfSlot(need.slot))
        return false;
    const QString name = need.name.trimmed();
    if (name.isEmpty())
        return !isFlavour(need.slot);
    return bottle.name.trimmed().compare(name, Qt::CaseInsensitive) == 0;
}

std::int64_t Batch::readyAt() const {
    const QDate day =
        QDateTime::fromMSecsSinceEpoch(mixedAt).toLocalTime().date().addDays(steepDays);
    return day.startOfDay().toMSecsSinceEpoch();
}

// The lock that tells a second Ko-Vaq the stash is in use. The system lets it go with the
// program that held it, however that program ended: no lock is ever left behind.
class StashStore::Lock {
  public:
    explicit Lock(const QString& path)
        : m_fd(::open(NativeFromPath(path + QStringLiteral(".lock")).c_str(),
                      O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {}
    ~Lock() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool take() { return m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) == 0; }

  private:
    int m_fd;
};

namespace {

const char* const kSchemaV1[] = {
    "CREATE TABLE bottles(id INTEGER PRIMARY KEY, kind INTEGER NOT NULL, "
    "name TEXT NOT NULL DEFAULT '', maker TEXT NOT NULL DEFAULT '', "
    "on_hand REAL NOT NULL DEFAULT 0, size REAL NOT NULL DEFAULT 0, "
    "price REAL NOT NULL DEFAULT 0, ratio INTEGER NOT NULL DEFAULT -1, "
    "strength REAL NOT NULL DEFAULT 0, notes TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE batches(id INTEGER PRIMARY KEY, mixed_at INTEGER NOT NULL, "
    "name TEXT NOT NULL, volume TEXT NOT NULL, strength TEXT NOT NULL, ratio TEXT NOT NULL, "
    "slots TEXT NOT NULL, cost TEXT NOT NULL, file TEXT NOT NULL, recipe TEXT NOT NULL, "
    "steep_days INTEGER NOT NULL, note TEXT NOT NULL)",
};
// Version 2: a bottle's own gravity, and what each batch took from the stash.
const char* const kToV2[] = {
    "ALTER TABLE bottles ADD COLUMN gravity TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE batches ADD COLUMN shortfall TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE batches ADD COLUMN deductions INTEGER NOT NULL DEFAULT 0",
    "CREATE TABLE deductions(batch INTEGER NOT NULL REFERENCES batches(id) ON DELETE CASCADE, "
    "bottle INTEGER REFERENCES bottles(id) ON DELETE SET NULL, ml REAL NOT NULL)",
    "CREATE INDEX deductions_by_batch ON deductions(batch)",
};

QString newConnectionName() {
    static std::atomic<int> next{0};
    return QStringLiteral("kovaq-stash-%1").arg(next++);
}

bool looksLikeSqlite(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.size() == 0 || f.read(16) == QByteArray("SQLite format 3\0", 16);
}

// An empty text is stored as one, never as NULL.
QVariant text(const QString& s) {
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

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

} // namespace

QString StashStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/ko-vaq.sqlite");
}

StashStore::StashStore(QString path) : m_path(std::move(path)), m_connection(newConnectionName()) {}

StashStore::~StashStore() {
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    delete m_lock;
}

std::optional<QString> StashStore::fail(const QString& what, const QSqlQuery* query) const {
    QString why = query ? query->lastError().text() : QString();
    if (why.trimmed().isEmpty())
        why = QSqlDatabase::database(m_connection, false).lastError().text();
    return why.trimmed().isEmpty() ? what : what + QStringLiteral(": ") + why.trimmed();
}

StashStore::State StashStore::open(bool readOnly) {
    m_problem.clear();
    const auto unavailable = [&](const QString& why) {
        m_state = State::Unavailable;
        m_problem = why;
        return m_state;
    };
    const QFileInfo file(m_path);
    if (!file.exists()) {
        if (readOnly)
            return unavailable(QStringLiteral("There is no stash yet at %1.").arg(m_path));
        if (!QDir().mkpath(file.absolutePath()))
            return unavailable(
                QStringLiteral("Unable to make the folder %1.").arg(file.absolutePath()));
    } else if (!file.isFile()) {
        return unavailable(QStringLiteral("%1 is not a database file.").arg(m_path));
    }

    // A second Ko-Vaq, or kovaq-calc, reads only.
    bool onlyRead = readOnly;
    if (!readOnly) {
        m_lock = new Lock(m_path);
        if (!m_lock->take()) {
            onlyRead = true;
            m_problem = QStringLiteral("Another Ko-Vaq is using the stash: it is open read-only.");
        }
    }

    // Whatever is there is looked at without a write; damage is copied aside first.
    const auto connect = [&](bool ro) {
        if (QSqlDatabase::contains(m_connection)) {
            QSqlDatabase::database(m_connection, false).close();
            QSqlDatabase::removeDatabase(m_connection);
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_path);
        db.setConnectOptions(ro ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000")
                                : QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        return db.open();
    };
    bool damaged = file.exists() && !looksLikeSqlite(m_path);
    int version = 0;
    if (!damaged && file.exists() && file.size() > 0) {
        if (!connect(true))
            return unavailable(QStringLiteral("Unable to open the stash %1.").arg(m_path));
        QSqlQuery check(QSqlDatabase::database(m_connection));
        damaged = !check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() ||
                  check.value(0).toString() != QLatin1String("ok");
        QSqlQuery v(QSqlDatabase::database(m_connection));
        if (!damaged && v.exec(QStringLiteral("PRAGMA user_version")) && v.next())
            version = v.value(0).toInt();
    }
    if (damaged && readOnly) // only reading is asked: nothing is written, not even a copy
        return unavailable(QStringLiteral("The stash database %1 is damaged.").arg(m_path));
    if (damaged) {
        const QString copy =
            m_path + QStringLiteral(".damaged-") +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
        QFile::copy(m_path, copy);
        if (QFile::exists(m_path + QStringLiteral("-wal")))
            QFile::copy(m_path + QStringLiteral("-wal"), copy + QStringLiteral("-wal"));
        m_problem = QStringLiteral("The stash database is damaged; a copy is kept as %1. It is "
                                   "not changed until you say so.")
                        .arg(copy);
        if (!connect(true))
            return unavailable(m_problem);
        m_state = State::ReadOnly;
        return m_state;
    }
    if (version > SchemaVersion) {
        m_problem =
            QStringLiteral("The stash was written by a newer Ko-Vaq: it is open read-only.");
        onlyRead = true;
    }
    if (!connect(onlyRead))
        return unavailable(QStringLiteral("Unable to open the stash %1.").arg(m_path));
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    if (onlyRead) {
        m_state = version == 0 ? State::Unavailable : State::ReadOnly;
        if (version == 0 && m_problem.isEmpty())
            m_problem = QStringLiteral("There is no stash yet at %1.").arg(m_path);
        return m_state;
    }
    // Written through a journal beside it, and every commit on the disk before it returns.
    q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    if (version < SchemaVersion) {
        if (const auto error = migrate(version))
            return unavailable(*error);
    }
    m_state = State::ReadWrite;
    return m_state;
}

std::optional<QString> StashStore::migrate(int from) {
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(QStringLiteral("Unable to prepare the stash"));
    const auto run = [&](const char* statement) { return q.exec(QString::fromLatin1(statement)); };
    bool ok = true;
    if (from < 1)
        for (const char* s : kSchemaV1)
            ok = ok && run(s);
    if (from < 2)
        for (const char* s : kToV2)
            ok = ok && run(s);
    ok = ok && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    if (!ok) {
        const auto error = fail(QStringLiteral("Unable to prepare the stash"));
        q.exec(QStringLiteral("ROLLBACK"));
        return error;
    }
    if (!q.exec(QStringLiteral("COMMIT")))
        return fail(QStringLiteral("Unable to prepare the stash"));
    return std::nullopt;
}

std::vector<Bottle> StashStore::bottles() const {
    std::vector<Bottle> out;
    if (m_state != State::ReadWrite && m_state != State::ReadOnly)
        return out;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, kind, name, maker, on_hand, size, price, ratio, "
                               "strength, gravity, notes FROM bottles ORDER BY id")))
        return out;
    while (q.next()) {
        Bottle b;
        b.id = q.value(0).toLongLong();
        b.kind = static_cast<BottleKind>(std::clamp(q.value(1).toInt(), 0, BottleKindCount - 1));
        b.name = q.value(2).toString();
        b.maker = q.value(3).toString();
        b.onHand = q.value(4).toDouble();
        b.size = q.value(5).toDouble();
        b.price = q.value(6).toDouble();
        b.ratio = q.value(7).toInt();
        b.strength = q.value(8).toDouble();
        b.gravity = q.value(9).toString();
        b.notes = q.value(10).toString();
        out.push_back(std::move(b));
    }
    return out;
}

namespace {

void bindBottle(QSqlQuery& q, const Bottle& b) {
    q.bindValue(QStringLiteral(":kind"), static_cast<int>(b.kind));
    q.bindValue(QStringLiteral(":name"), text(b.name));
    q.bindValue(QStringLiteral(":maker"), text(b.maker));
    q.bindValue(QStringLiteral(":on_hand"), b.onHand);
    q.bindValue(QStringLiteral(":size"), b.size);
    q.bindValue(QStringLiteral(":price"), b.price);
    q.bindValue(QStringLiteral(":ratio"), b.ratio);
    q.bindValue(QStringLiteral(":strength"), b.strength);
    q.bindValue(QStringLiteral(":gravity"), text(b.gravity));
    q.bindValue(QStringLiteral(":notes"), text(b.notes));
}

} // namespace

std::optional<QString> StashStore::addBottle(Bottle& b) {
    if (!writable())
        return m_problem.isEmpty() ? QStringLiteral("The stash cannot be changed.") : m_problem;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT INTO bottles(id, kind, name, maker, on_hand, size, price, "
                             "ratio, strength, gravity, notes) VALUES(:id, :kind, :name, :maker, "
                             ":on_hand, :size, :price, :ratio, :strength, :gravity, :notes)"));
    bindBottle(q, b);
    q.bindValue(QStringLiteral(":id"), b.id > 0 ? QVariant(qint64(b.id)) : QVariant());
    if (!q.exec())
        return fail(QStringLiteral("Unable to add the bottle"));
    b.id = q.lastInsertId().toLongLong();
    return std::nullopt;
}

std::optional<QString> StashStore::updateBottle(const Bottle& b) {
    if (!writable())
        return m_problem.isEmpty() ? QStringLiteral("The stash cannot be changed.") : m_problem;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE bottles SET kind = :kind, name = :name, maker = :maker, "
                             "on_hand = :on_hand, size = :size, price = :price, ratio = :ratio, "
                             "strength = :strength, gravity = :gravity, notes = :notes "
                             "WHERE id = :id"));
    bindBottle(q, b);
    q.bindValue(QStringLiteral(":id"), qint64(b.id));
    if (!q.exec())
        return fail(QStringLiteral("Unable to change the bottle"));
    return std::nullopt;
}

std::optional<QString> StashStore::removeBottle(std::int64_t id) {
    if (!writable())
        return m_problem.isEmpty() ? QStringLiteral("The stash cannot be changed.") : m_problem;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("DELETE FROM bottles WHERE id = :id"));
    q.bindValue(QStringLiteral(":id"), qint64(id));
    if (!q.exec())
        return fail(QStringLiteral("Unable to remove the bottle"));
    return std::nullopt;
}

std::vector<Batch> StashStore::batches(bool whole) const {
    return readBatches(whole, 0);
}

std::vector<Batch> StashStore::readBatches(bool whole, std::int64_t only) const {
    std::vector<Batch> out;
    if (m_state != State::ReadWrite && m_state != State::ReadOnly)
        return out;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    const QString heavy = whole ? QStringLiteral("slots, recipe") : QStringLiteral("'', ''");
    q.prepare(QStringLiteral("SELECT id, mixed_at, name, volume, strength, ratio, %1, cost, "
                             "file, steep_days, note, shortfall FROM batches %2 "
                             "ORDER BY mixed_at DESC, id DESC")
                  .arg(heavy, only ? QStringLiteral("WHERE id = :id") : QString()));
    if (only)
        q.bindValue(QStringLiteral(":id"), qint64(only));
    if (!q.exec())
        return out;
    while (q.next()) {
        Batch b;
        b.id = q.value(0).toLongLong();
        b.mixedAt = q.value(1).toLongLong();
        b.name = q.value(2).toString();
        b.volume = q.value(3).toString();
        b.strength = q.value(4).toString();
        b.ratio = q.value(5).toString();
        if (whole)
            readSlots(b, q.value(6).toString());
        b.recipeText = q.value(7).toString();
        b.cost = q.value(8).toString();
        b.file = q.value(9).toString();
        b.steepDays = q.value(10).toInt();
        b.note = q.value(11).toString();
        b.shortfall = q.value(12).toString();
        out.push_back(std::move(b));
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

std::optional<QString> StashStore::recordBatch(Batch& batch, const std::vector<Need>& needs) {
    if (!writable())
        return m_problem.isEmpty() ? QStringLiteral("The stash cannot be changed.") : m_problem;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(QStringLiteral("Unable to record the batch"));
    const QSqlQuery* last = &q;
    const auto abandon = [&] {
        const auto error = fail(QStringLiteral("Unable to record the batch"), last);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        batch.deductions.clear();
        return error;
    };
    q.prepare(QStringLiteral("INSERT INTO batches(mixed_at, name, volume, strength, ratio, slots, "
                             "cost, file, recipe, steep_days, note) VALUES(:at, :name, :volume, "
                             ":strength, :ratio, :slots, :cost, :file, :recipe, :steep, :note)"));
    q.bindValue(QStringLiteral(":at"), qint64(batch.mixedAt));
    q.bindValue(QStringLiteral(":name"), text(batch.name));
    q.bindValue(QStringLiteral(":volume"), text(batch.volume));
    q.bindValue(QStringLiteral(":strength"), text(batch.strength));
    q.bindValue(QStringLiteral(":ratio"), text(batch.ratio));
    q.bindValue(QStringLiteral(":slots"), slotsText(batch));
    q.bindValue(QStringLiteral(":cost"), text(batch.cost));
    q.bindValue(QStringLiteral(":file"), text(batch.file));
    q.bindValue(QStringLiteral(":recipe"), text(batch.recipeText));
    q.bindValue(QStringLiteral(":steep"), batch.steepDays);
    q.bindValue(QStringLiteral(":note"), text(batch.note));
    if (!q.exec())
        return abandon();
    batch.id = q.lastInsertId().toLongLong();
    batch.deductions.clear();

    // Each need from its bottles, in the order they were bought.
    QStringList short_;
    for (const Need& need : needs) {
        if (need.ml <= 0)
            continue;
        // The names are compared here, as the window compares them, not by SQLite's
        // ASCII-only NOCASE.
        QSqlQuery pick(db);
        pick.prepare(QStringLiteral("SELECT id, on_hand, kind, name FROM bottles WHERE id = :id "
                                    "OR kind = :kind ORDER BY id = :id DESC, id"));
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

std::optional<QString> StashStore::undoLastBatch() {
    if (!writable())
        return m_problem.isEmpty() ? QStringLiteral("The stash cannot be changed.") : m_problem;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(QStringLiteral("Unable to undo the batch"));
    const auto abandon = [&] {
        const auto error = fail(QStringLiteral("Unable to undo the batch"));
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return error;
    };
    if (!q.exec(QStringLiteral("SELECT id FROM batches ORDER BY mixed_at DESC, id DESC LIMIT 1")))
        return abandon();
    if (!q.next()) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return QStringLiteral("There is no batch to undo.");
    }
    const qint64 id = q.value(0).toLongLong();
    // Exactly what it took goes back into the bottles still there.
    QSqlQuery give(db);
    give.prepare(QStringLiteral("UPDATE bottles SET on_hand = on_hand + (SELECT TOTAL(ml) FROM "
                                "deductions WHERE batch = :id AND bottle = bottles.id) WHERE id IN "
                                "(SELECT bottle FROM deductions WHERE batch = :id)"));
    give.bindValue(QStringLiteral(":id"), id);
    QSqlQuery drop(db);
    drop.prepare(QStringLiteral("DELETE FROM batches WHERE id = :id"));
    drop.bindValue(QStringLiteral(":id"), id);
    if (!give.exec() || !drop.exec() || !QSqlQuery(db).exec(QStringLiteral("COMMIT")))
        return abandon();
    return std::nullopt;
}

std::string BatchesCsv(const std::vector<Batch>& batches) {
    const auto field = [](const QString& text) {
        // RFC 4180: quoted where it holds a comma, a quote or a line break; quotes doubled.
        if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
            !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
            return text;
        QString quoted = text;
        quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + quoted + QLatin1Char('"');
    };
    const auto date = [](std::int64_t ms) {
        return QDateTime::fromMSecsSinceEpoch(ms).toLocalTime().toString(Qt::ISODate);
    };
    QString out = QStringLiteral("Mixed,Name,Volume (ml),Strength (mg),PG/VG,Cost,Steep days,"
                                 "Ready,File,Note,Shortfall\r\n");
    for (const Batch& b : batches) {
        const QStringList row = {
            date(b.mixedAt),
            field(b.name),
            field(b.volume),
            field(b.strength),
            field(b.ratio),
            field(b.cost),
            QString::number(b.steepDays),
            QDateTime::fromMSecsSinceEpoch(b.readyAt()).date().toString(Qt::ISODate),
            field(b.file),
            field(b.note),
            field(b.shortfall)};
        out += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toStdString();
}

} // namespace kovaq
