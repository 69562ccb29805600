// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "StashStore.h"

#include "FileAccess.h"
#include "StashCsv.h"
#include "StashSql.h"

#include <QCoreApplication>
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
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kovaq {

using stash::text;
using stash::tr;

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
    bool opened() const { return m_fd >= 0; }

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
// Version 3: a removed bottle stays, hidden, while Undo may bring it back (with what its
// batches took from it); a batch's figures as numbers rather than as the texts shown.
const char* const kToV3[] = {
    "ALTER TABLE bottles ADD COLUMN removed INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE batches ADD COLUMN volume_ml REAL NOT NULL DEFAULT 0",
    "ALTER TABLE batches ADD COLUMN strength_mg REAL NOT NULL DEFAULT 0",
    "ALTER TABLE batches ADD COLUMN pg_percent REAL NOT NULL DEFAULT -1",
    "ALTER TABLE batches ADD COLUMN cost_value REAL",
};

// Version 4: the flavour book's notes, rating and preferred share of each flavour.
const char* const kToV4[] = {
    "CREATE TABLE flavour_notes(key TEXT PRIMARY KEY, name TEXT NOT NULL DEFAULT '', "
    "notes TEXT NOT NULL DEFAULT '', rating INTEGER CHECK(rating BETWEEN 1 AND 5), "
    "share REAL CHECK(share > 0 AND share <= 100))",
};

bool isDamageCode(const QSqlError& error) {
    // SQLITE_CORRUPT and SQLITE_NOTADB; anything else (a busy file, a folder that takes no
    // journal, a full disk) says nothing about the file itself.
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 11 || code == 26;
}

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

} // namespace

QString StashStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/ko-vaq.sqlite");
}

StashStore::StashStore(QString path, FolderProbe probe)
    : m_path(std::move(path)), m_connection(newConnectionName()), m_probe(std::move(probe)) {}

StashStore::~StashStore() {
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    delete m_lock;
}

int StashStore::ProbeFolder(const QString& folder) {
    // A block written, not only a name made: a full disk still takes names.
    const std::string probe =
        NativeFromPath(folder + QStringLiteral("/.ko-vaq-probe-%1").arg(::getpid()));
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    static const char block[4096] = {};
    const ssize_t written = ::write(fd, block, sizeof block);
    const int error = written == static_cast<ssize_t>(sizeof block) ? 0
                      : written < 0                                 ? errno
                                                                    : ENOSPC;
    ::close(fd);
    ::unlink(probe.c_str());
    return error;
}

std::optional<QString> StashStore::refused() const {
    if (writable())
        return std::nullopt;
    return m_problem.isEmpty() ? tr("The stash cannot be changed.") : m_problem;
}

bool StashStore::connectTo(bool ro, bool immutable) {
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (immutable) {
        // Read as a file that nothing changes: no journal's shared memory is made beside it.
        db.setDatabaseName(QUrl::fromLocalFile(m_path).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?immutable=1"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    } else {
        db.setDatabaseName(m_path);
        db.setConnectOptions(ro ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000")
                                : QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    }
    return db.open();
}

void StashStore::keepDamagedCopy() {
    // One copy of a damaged file, however often it is opened: a copy of the same size and
    // time is the copy of it.
    const QFileInfo file(m_path);
    const qint64 size = file.size();
    const QDateTime modified = file.lastModified();
    const QDir folder = file.absoluteDir();
    for (const QFileInfo& c : folder.entryInfoList({file.fileName() + QStringLiteral(".damaged-*")},
                                                   QDir::Files | QDir::Hidden)) {
        if (!c.fileName().endsWith(QStringLiteral("-wal")) && c.size() == size &&
            c.lastModified().toMSecsSinceEpoch() == modified.toMSecsSinceEpoch()) {
            m_damagedCopy = c.absoluteFilePath();
            return;
        }
    }
    const QString copy = m_path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const auto copyWithTime = [](const QString& from, const QString& to) {
        const QDateTime time = QFileInfo(from).lastModified();
        if (!QFile::copy(from, to)) {
            QFile::remove(to);
            return false;
        }
        QFile out(to);
        return out.open(QIODevice::ReadWrite) &&
               out.setFileTime(time, QFileDevice::FileModificationTime);
    };
    if (!copyWithTime(m_path, copy))
        return;
    const QString wal = m_path + QStringLiteral("-wal");
    if (QFile::exists(wal))
        copyWithTime(wal, copy + QStringLiteral("-wal"));
    m_damagedCopy = copy;
}

std::optional<QString> StashStore::fail(const QString& what, const QSqlQuery* query) const {
    QString why = query ? query->lastError().text() : QString();
    if (why.trimmed().isEmpty())
        why = QSqlDatabase::database(m_connection, false).lastError().text();
    return why.trimmed().isEmpty() ? what : what + QStringLiteral(": ") + why.trimmed();
}

StashStore::State StashStore::open(bool readOnly) {
    m_problem.clear();
    m_condition = Condition::Fine;
    m_state = State::Closed;
    const auto unavailable = [&](Condition condition, const QString& why) {
        if (QSqlDatabase::contains(m_connection))
            QSqlDatabase::database(m_connection, false).close();
        m_state = State::Unavailable;
        m_condition = condition;
        m_problem = why;
        return m_state;
    };
    const QFileInfo file(m_path);
    const QString folder = file.absolutePath();
    if (!file.exists()) {
        if (readOnly)
            return unavailable(Condition::Missing, tr("There is no stash yet at %1.").arg(m_path));
        if (!QDir().mkpath(folder))
            return unavailable(Condition::Unwritable,
                               tr("Unable to make the folder %1.").arg(folder));
    } else if (!file.isFile()) {
        return unavailable(Condition::Unreadable, tr("%1 is not a database file.").arg(m_path));
    }

    // What keeps it from being written is found out first, and said as it is: a folder that
    // takes no file or a full disk is not a damaged stash.
    bool onlyRead = readOnly;
    bool noJournal = false; // nothing can be made beside the file
    if (!readOnly) {
        if (const int error = m_probe(folder)) {
            onlyRead = noJournal = true;
            const QString why = QString::fromLocal8Bit(std::strerror(error));
            if (error == ENOSPC || error == EDQUOT) {
                m_condition = Condition::Full;
                m_problem = tr("The disk holding the stash is full: %1 (%2). The stash is shown "
                               "read only.")
                                .arg(folder, why);
            } else {
                m_condition = Condition::Unwritable;
                m_problem = tr("The stash's folder cannot be written: %1 (%2). The stash is "
                               "shown read only.")
                                .arg(folder, why);
            }
            if (!file.exists())
                return unavailable(m_condition, m_problem);
        } else {
            if (!m_lock)
                m_lock = new Lock(m_path);
            // A second Ko-Vaq, or kovaq-calc, reads only.
            if (!m_lock->take()) {
                onlyRead = true;
                m_condition = Condition::Busy;
                m_problem = tr("Another Ko-Vaq is using the stash: it is open read-only.");
            }
        }
    }

    // Whatever is there is looked at without a write.
    bool damaged = file.exists() && !looksLikeSqlite(m_path);
    int version = 0;
    bool immutable = false;
    if (!damaged && file.exists() && file.size() > 0) {
        QString why;
        const auto look = [&](bool asImmutable) {
            if (!connectTo(true, asImmutable)) {
                const QSqlError error = QSqlDatabase::database(m_connection, false).lastError();
                damaged = isDamageCode(error);
                why = error.text();
                return false;
            }
            QSqlQuery check(QSqlDatabase::database(m_connection));
            if (!check.exec(QStringLiteral("PRAGMA quick_check"))) {
                damaged = isDamageCode(check.lastError());
                why = check.lastError().text();
                return false;
            }
            damaged = !check.next() || check.value(0).toString() != QLatin1String("ok");
            return true;
        };
        bool looked = look(false);
        if (!looked && !damaged && noJournal)
            looked = immutable = look(true);
        if (!looked && !damaged)
            return unavailable(Condition::Unreadable,
                               tr("Unable to read the stash %1: %2.").arg(m_path, why.trimmed()));
        QSqlQuery v(QSqlDatabase::database(m_connection));
        if (!damaged && v.exec(QStringLiteral("PRAGMA user_version")) && v.next())
            version = v.value(0).toInt();
    }
    if (damaged && readOnly) // only reading is asked: nothing is written, not even a copy
        return unavailable(Condition::Damaged, tr("The stash database %1 is damaged.").arg(m_path));
    if (damaged) {
        // Copied aside once, then left as it is until the person says what to do.
        if (!noJournal)
            keepDamagedCopy();
        m_condition = Condition::Damaged;
        m_problem = m_damagedCopy.isEmpty()
                        ? tr("The stash database %1 is damaged. It is not changed until you say "
                             "so.")
                              .arg(m_path)
                        : tr("The stash database is damaged; a copy is kept as %1. It is not "
                             "changed until you say so.")
                              .arg(m_damagedCopy);
        if (!connectTo(true, noJournal))
            return unavailable(Condition::Damaged, m_problem);
        m_version = 0; // its columns are not known: read as the oldest
        m_state = State::ReadOnly;
        return m_state;
    }
    if (version > SchemaVersion && !onlyRead) {
        m_condition = Condition::Newer;
        m_problem = tr("The stash was written by a newer Ko-Vaq: it is open read-only.");
        onlyRead = true;
    }
    if (!immutable && !connectTo(onlyRead, false))
        return unavailable(Condition::Unreadable, tr("Unable to open the stash %1.").arg(m_path));
    m_version = version;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    if (onlyRead) {
        if (version == 0)
            return unavailable(m_condition == Condition::Fine ? Condition::Missing : m_condition,
                               m_problem.isEmpty() ? tr("There is no stash yet at %1.").arg(m_path)
                                                   : m_problem);
        m_state = State::ReadOnly;
        return m_state;
    }
    // Written through a journal beside it, and every commit on the disk before it returns.
    q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    if (version < SchemaVersion) {
        if (const auto error = migrate(version))
            return unavailable(Condition::Unreadable, *error);
    }
    m_version = SchemaVersion;
    // Bottles removed in an earlier run can no longer be brought back.
    q.exec(QStringLiteral("DELETE FROM bottles WHERE removed = 1"));
    m_state = State::ReadWrite;
    return m_state;
}

StashStore::State StashStore::reopen() {
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::database(m_connection, false).close();
    return open(false);
}

std::optional<QString> StashStore::startNew(QString* kept) {
    if (m_condition != Condition::Damaged)
        return tr("The stash is not damaged.");
    if (m_damagedCopy.isEmpty())
        keepDamagedCopy();
    if (m_damagedCopy.isEmpty())
        return tr("Unable to keep a copy of the damaged stash in %1; nothing was changed.")
            .arg(QFileInfo(m_path).absolutePath());
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    // Its copy holds it now.
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        QFile f(m_path + suffix);
        if (f.exists() && !f.remove())
            return tr("Unable to put the damaged stash aside: %1.").arg(f.errorString());
    }
    const QString copy = m_damagedCopy;
    if (open(false) != State::ReadWrite)
        return m_problem;
    m_damagedCopy = copy;
    if (kept)
        *kept = copy;
    return std::nullopt;
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
    if (from < 3) {
        for (const char* s : kToV3)
            ok = ok && run(s);
        ok = ok && stash::migrateBatchFigures(db);
    }
    if (from < 4)
        for (const char* s : kToV4)
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

std::vector<Bottle> StashStore::bottles(bool withRemoved) const {
    std::vector<Bottle> out;
    if (m_state != State::ReadWrite && m_state != State::ReadOnly)
        return out;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    const bool hidden = m_version >= 3 && !withRemoved;
    if (!q.exec(QStringLiteral("SELECT id, kind, name, maker, on_hand, size, price, ratio, "
                               "strength, %2, notes FROM bottles %1 ORDER BY id")
                    .arg(hidden ? QStringLiteral("WHERE removed = 0") : QString(),
                         m_version >= 2 ? QStringLiteral("gravity") : QStringLiteral("''"))))
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
    if (const auto no = refused())
        return no;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT INTO bottles(kind, name, maker, on_hand, size, price, "
                             "ratio, strength, gravity, notes) VALUES(:kind, :name, :maker, "
                             ":on_hand, :size, :price, :ratio, :strength, :gravity, :notes)"));
    bindBottle(q, b);
    if (!q.exec())
        return fail(tr("Unable to add the bottle"), &q);
    b.id = q.lastInsertId().toLongLong();
    return std::nullopt;
}

std::optional<QString> StashStore::changeBottle(std::int64_t id, const Bottle& from,
                                                const Bottle& to) {
    if (const auto no = refused())
        return no;
    QStringList sets;
    QVariantList values;
    const auto set = [&](const char* column, const QVariant& value) {
        sets << QStringLiteral("%1 = ?").arg(QLatin1String(column));
        values << value;
    };
    if (from.kind != to.kind)
        set("kind", static_cast<int>(to.kind));
    if (from.name != to.name)
        set("name", text(to.name));
    if (from.maker != to.maker)
        set("maker", text(to.maker));
    if (from.size != to.size)
        set("size", to.size);
    if (from.price != to.price)
        set("price", to.price);
    if (from.ratio != to.ratio)
        set("ratio", to.ratio);
    if (from.strength != to.strength)
        set("strength", to.strength);
    if (from.gravity != to.gravity)
        set("gravity", text(to.gravity));
    if (from.notes != to.notes)
        set("notes", text(to.notes));
    if (from.onHand != to.onHand) {
        sets << QStringLiteral("on_hand = MAX(0, on_hand + ?)");
        values << to.onHand - from.onHand;
    }
    if (sets.isEmpty())
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE bottles SET %1 WHERE id = ?").arg(sets.join(u", ")));
    for (const QVariant& v : values)
        q.addBindValue(v);
    q.addBindValue(qint64(id));
    if (!q.exec())
        return fail(tr("Unable to change the bottle"), &q);
    return std::nullopt;
}

std::optional<QString> StashStore::removeBottle(std::int64_t id) {
    if (const auto no = refused())
        return no;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE bottles SET removed = 1 WHERE id = :id"));
    q.bindValue(QStringLiteral(":id"), qint64(id));
    if (!q.exec())
        return fail(tr("Unable to remove the bottle"), &q);
    return std::nullopt;
}

std::optional<QString> StashStore::restoreBottle(std::int64_t id) {
    if (const auto no = refused())
        return no;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("UPDATE bottles SET removed = 0 WHERE id = :id"));
    q.bindValue(QStringLiteral(":id"), qint64(id));
    if (!q.exec())
        return fail(tr("Unable to bring the bottle back"), &q);
    if (q.numRowsAffected() != 1)
        return tr("The bottle is no longer in the stash.");
    return std::nullopt;
}

std::optional<QString> StashStore::replayImport(const StashImport& import, bool back) {
    if (const auto no = refused())
        return no;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(tr("Unable to import the bottles"));
    std::optional<QString> error;
    for (auto a = import.added.begin(); !error && a != import.added.end(); ++a)
        error = back ? removeBottle(a->bottle.id) : restoreBottle(a->bottle.id);
    for (auto u = import.updated.begin(); !error && u != import.updated.end(); ++u)
        error = back ? changeBottle(u->from.id, u->to, u->from)
                     : changeBottle(u->from.id, u->from, u->to);
    if (!error && !QSqlQuery(db).exec(QStringLiteral("COMMIT")))
        error = fail(tr("Unable to import the bottles"));
    if (error)
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return error;
}

} // namespace kovaq
