// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The stash database: made and moved on from an older schema, what a batch takes and gives
// back, a damaged, newer or busy file left alone, the CSV, and writers killed mid-way.
#include "StashStore.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <memory>
#include <random>
#include <set>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kovaq;

namespace {

class StashStoreTest : public ::testing::Test {
  protected:
    QString file() const { return dir.filePath(QStringLiteral("ko-vaq.sqlite")); }
    // A statement on the file, past the store.
    static QVariant scalar(const QString& path, const QString& sql) {
        QVariant out;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "peek");
            db.setDatabaseName(path);
            db.open();
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                out = q.value(0);
        }
        QSqlDatabase::removeDatabase("peek");
        return out;
    }
    static QByteArray hashOf(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    Bottle bottle(BottleKind kind, const char* name, double onHand) {
        Bottle b;
        b.kind = kind;
        b.name = QString::fromUtf8(name);
        b.onHand = onHand;
        return b;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(StashStoreTest, IsMadeOnFirstUseAndMovedOnFromAnOlderSchema) {
    {
        StashStore store(file());
        ASSERT_EQ(store.open(), StashStore::State::ReadWrite) << store.problem().toStdString();
    }
    EXPECT_EQ(scalar(file(), "PRAGMA user_version").toInt(), StashStore::SchemaVersion);
    EXPECT_EQ(scalar(file(), "PRAGMA journal_mode").toString(), QStringLiteral("wal"));

    // Databases of versions 1 and 2, as earlier Ko-Vaqs left them: their batches' figures
    // were texts, read into numbers once; read only, they are read as they are.
    struct Case {
        int version;
        const char* ratio;
        const char* cost;
        double pg;
        std::optional<double> costValue;
    };
    for (const Case& c :
         {Case{1, "70-30", "2", 70, 2.0}, Case{2, "  VG", "N/A", 0, {}}, Case{2, "", "", -1, {}}}) {
        SCOPED_TRACE(c.version);
        const QString old = dir.filePath(QStringLiteral("v%1-%2.sqlite").arg(c.version).arg(c.pg));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "old");
            db.setDatabaseName(old);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            std::vector<QString> statements = {
                "CREATE TABLE bottles(id INTEGER PRIMARY KEY, kind INTEGER NOT NULL, name TEXT "
                "NOT NULL DEFAULT '', maker TEXT NOT NULL DEFAULT '', on_hand REAL NOT NULL "
                "DEFAULT 0, size REAL NOT NULL DEFAULT 0, price REAL NOT NULL DEFAULT 0, ratio "
                "INTEGER NOT NULL DEFAULT -1, strength REAL NOT NULL DEFAULT 0, notes TEXT NOT "
                "NULL DEFAULT '')",
                "CREATE TABLE batches(id INTEGER PRIMARY KEY, mixed_at INTEGER NOT NULL, name "
                "TEXT NOT NULL, volume TEXT NOT NULL, strength TEXT NOT NULL, ratio TEXT NOT "
                "NULL, slots TEXT NOT NULL, cost TEXT NOT NULL, file TEXT NOT NULL, recipe TEXT "
                "NOT NULL, steep_days INTEGER NOT NULL, note TEXT NOT NULL)",
                "INSERT INTO bottles(kind, name, on_hand) VALUES(3, 'Lemon', 12)",
                QStringLiteral("INSERT INTO batches VALUES(1, 1700000000000, 'Old', '30', '3', "
                               "'%1', '[]', '%2', '', '', 7, '')")
                    .arg(QLatin1String(c.ratio), QLatin1String(c.cost))};
            if (c.version == 2)
                for (const char* v2 :
                     {"ALTER TABLE bottles ADD COLUMN gravity TEXT NOT NULL DEFAULT ''",
                      "ALTER TABLE batches ADD COLUMN shortfall TEXT NOT NULL DEFAULT ''",
                      "ALTER TABLE batches ADD COLUMN deductions INTEGER NOT NULL DEFAULT 0",
                      "CREATE TABLE deductions(batch INTEGER NOT NULL REFERENCES batches(id) ON "
                      "DELETE CASCADE, bottle INTEGER REFERENCES bottles(id) ON DELETE SET NULL, "
                      "ml REAL NOT NULL)"})
                    statements.push_back(QString::fromLatin1(v2));
            statements.push_back(QStringLiteral("PRAGMA user_version = %1").arg(c.version));
            for (const QString& st : statements)
                ASSERT_TRUE(q.exec(st)) << st.toStdString();
        }
        QSqlDatabase::removeDatabase("old");
        for (bool readOnly : {true, false}) {
            StashStore store(old);
            ASSERT_NE(store.open(readOnly), StashStore::State::Unavailable)
                << store.problem().toStdString();
            ASSERT_EQ(store.bottles().size(), 1u);
            EXPECT_EQ(store.bottles()[0].name, QStringLiteral("Lemon"));
            EXPECT_EQ(store.bottles()[0].gravity, QString());
            ASSERT_EQ(store.batches().size(), 1u);
            const Batch b = store.batches()[0];
            EXPECT_EQ(b.name, QStringLiteral("Old"));
            EXPECT_DOUBLE_EQ(b.volumeMl, 30);
            EXPECT_DOUBLE_EQ(b.strengthMg, 3);
            EXPECT_DOUBLE_EQ(b.pgPercent, c.pg);
            EXPECT_EQ(b.costValue, c.costValue);
            EXPECT_EQ(b.ratio, QString::fromLatin1(c.ratio).trimmed());
            EXPECT_EQ(scalar(old, "PRAGMA user_version").toInt(),
                      readOnly ? c.version : StashStore::SchemaVersion);
        }
    }
}

TEST_F(StashStoreTest, ABatchTakesWhatItNeedsAndUndoGivesItBack) {
    StashStore store(file());
    ASSERT_EQ(store.open(), StashStore::State::ReadWrite);
    struct Case {
        const char* what;
        std::vector<double> lemons; // on hand in each Lemon bottle, oldest first
        double need;
        std::vector<double> left;
        const char* shortfall;
    };
    for (const Case& c : {
             Case{"enough", {20}, 3, {17}, ""},
             Case{"not enough", {2}, 3, {0}, "Lemon: 1 ml short"},
             Case{"no bottle of that name", {}, 3, {}, "Lemon: no bottle in the stash"},
             Case{"two bottles of one name", {10, 10}, 15, {0, 5}, ""},
         }) {
        SCOPED_TRACE(c.what);
        for (const Bottle& b : store.bottles())
            store.removeBottle(b.id);
        std::vector<std::int64_t> ids;
        for (double ml : c.lemons) {
            Bottle b = bottle(BottleKind::Flavour, "LEMON", ml);
            ASSERT_FALSE(store.addBottle(b));
            ids.push_back(b.id);
        }
        Bottle cherry = bottle(BottleKind::Flavour, "Cherry", 50);
        store.addBottle(cherry);
        Batch batch;
        batch.name = QStringLiteral("Test");
        ASSERT_FALSE(
            store.recordBatch(batch, {{SlotId::Flav1, QStringLiteral("Lemon"), c.need, 0}}));
        EXPECT_EQ(batch.shortfall, QString::fromUtf8(c.shortfall));
        const std::vector<Bottle> after = store.bottles();
        for (std::size_t i = 0; i < c.left.size(); ++i)
            EXPECT_DOUBLE_EQ(after[i].onHand, c.left[i]) << i;
        EXPECT_DOUBLE_EQ(after.back().onHand, 50); // the cherry is not touched
        ASSERT_FALSE(store.undoLastBatch());
        const std::vector<Bottle> back = store.bottles();
        for (std::size_t i = 0; i < c.lemons.size(); ++i)
            EXPECT_DOUBLE_EQ(back[i].onHand, c.lemons[i]) << i;
        EXPECT_TRUE(store.batches().empty());
    }
    // A row filled from a bottle takes from that bottle first, whatever its name.
    Bottle base = bottle(BottleKind::NicotineBase, "Salt 36", 5);
    store.addBottle(base);
    Bottle other = bottle(BottleKind::NicotineBase, "Other", 50);
    store.addBottle(other);
    Batch batch;
    store.recordBatch(batch, {{SlotId::NicBase, QStringLiteral("renamed"), 4, base.id},
                              {SlotId::PG, QString(), 1, 0}});
    EXPECT_EQ(batch.shortfall, QStringLiteral("PG: no bottle in the stash"));
    EXPECT_DOUBLE_EQ(store.bottles()[store.bottles().size() - 2].onHand, 1);
    EXPECT_EQ(store.undoLastBatch(), std::nullopt);
    EXPECT_EQ(store.undoLastBatch(), QStringLiteral("There is no batch to undo."));
}

TEST_F(StashStoreTest, ADamagedNewerOrBusyDatabaseIsLeftAsItIs) {
    // Damaged: copied aside, read only, never written.
    QFile junk(file());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(8192, '\x5a'));
    junk.close();
    const QByteArray before = hashOf(file());
    {
        StashStore store(file());
        EXPECT_NE(store.open(), StashStore::State::ReadWrite);
        EXPECT_TRUE(store.problem().contains(QStringLiteral("damaged")))
            << store.problem().toStdString();
        Bottle b = bottle(BottleKind::PG, "PG", 1);
        EXPECT_TRUE(store.addBottle(b).has_value());
    }
    EXPECT_EQ(hashOf(file()), before);
    const QStringList copies =
        QDir(dir.path()).entryList({QStringLiteral("ko-vaq.sqlite.damaged-*")});
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(hashOf(dir.filePath(copies[0])), before);
    QFile::remove(file());

    // Written by a newer Ko-Vaq: read, not written.
    {
        StashStore store(file());
        ASSERT_EQ(store.open(), StashStore::State::ReadWrite);
        Bottle b = bottle(BottleKind::VG, "VG", 100);
        store.addBottle(b);
    }
    scalar(file(), "PRAGMA user_version = 99");
    const QByteArray newer = hashOf(file());
    {
        StashStore store(file());
        EXPECT_EQ(store.open(), StashStore::State::ReadOnly);
        EXPECT_TRUE(store.problem().contains(QStringLiteral("newer")));
        EXPECT_EQ(store.bottles().size(), 1u);
        Bottle b = bottle(BottleKind::PG, "PG", 1);
        EXPECT_TRUE(store.addBottle(b).has_value());
    }
    EXPECT_EQ(hashOf(file()), newer);
    scalar(file(), QStringLiteral("PRAGMA user_version = %1").arg(StashStore::SchemaVersion));

    // In use by a second Ko-Vaq: the second reads.
    StashStore first(file());
    ASSERT_EQ(first.open(), StashStore::State::ReadWrite);
    StashStore second(file());
    EXPECT_EQ(second.open(), StashStore::State::ReadOnly);
    EXPECT_EQ(second.problem(),
              QStringLiteral("Another Ko-Vaq is using the stash: it is open read-only."));
}

TEST_F(StashStoreTest, ADamagedStashIsCopiedOnceAndANewOneStartedOnlyWhenAsked) {
    QFile junk(file());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(8192, '\x5a'));
    junk.close();
    const QByteArray damaged = hashOf(file());
    const auto copies = [&] {
        return QDir(dir.path()).entryList({QStringLiteral("ko-vaq.sqlite.damaged-*")});
    };
    // Every start sees it damaged, and the first one keeps the one copy.
    for (int start = 0; start < 3; ++start) {
        StashStore store(file());
        store.open();
        EXPECT_EQ(store.condition(), StashStore::Condition::Damaged);
        ASSERT_EQ(copies().size(), 1) << start;
        // As though that start had been long ago.
        QDir(dir.path())
            .rename(copies()[0],
                    QStringLiteral("ko-vaq.sqlite.damaged-2000010%1-000000").arg(start));
    }
    StashStore store(file());
    store.open();
    QString kept;
    ASSERT_EQ(store.startNew(&kept), std::nullopt);
    EXPECT_EQ(store.state(), StashStore::State::ReadWrite);
    EXPECT_EQ(store.condition(), StashStore::Condition::Fine);
    EXPECT_EQ(hashOf(kept), damaged);
    EXPECT_EQ(copies(), QStringList{QFileInfo(kept).fileName()});
    Bottle b = bottle(BottleKind::PG, "PG", 1);
    EXPECT_EQ(store.addBottle(b), std::nullopt);
    EXPECT_EQ(store.startNew(), QStringLiteral("The stash is not damaged."));
}

TEST_F(StashStoreTest, AFolderThatTakesNoFileOrAFullDiskIsSaidAsItIsAndTheBottlesShown) {
    {
        StashStore store(file());
        ASSERT_EQ(store.open(), StashStore::State::ReadWrite);
        Bottle b = bottle(BottleKind::PG, "PG", 500);
        store.addBottle(b);
    }
    const QByteArray before = hashOf(file());
    struct Case {
        int error;
        StashStore::Condition condition;
        const char* says;
    };
    for (const Case& c : {Case{EROFS, StashStore::Condition::Unwritable, "cannot be written"},
                          Case{EACCES, StashStore::Condition::Unwritable, "cannot be written"},
                          Case{ENOSPC, StashStore::Condition::Full, "is full"}}) {
        SCOPED_TRACE(c.says);
        int answer = c.error;
        StashStore store(file(), [&](const QString&) { return answer; });
        EXPECT_EQ(store.open(), StashStore::State::ReadOnly) << store.problem().toStdString();
        EXPECT_EQ(store.condition(), c.condition);
        EXPECT_TRUE(store.problem().contains(QLatin1String(c.says)))
            << store.problem().toStdString();
        EXPECT_TRUE(store.problem().endsWith(QStringLiteral("The stash is shown read only.")));
        EXPECT_FALSE(store.problem().contains(QStringLiteral("damaged")));
        EXPECT_EQ(store.bottles().size(), 1u);
        EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.damaged-*")}).isEmpty());
        EXPECT_EQ(hashOf(file()), before);
        // Freed, it is written again without a restart.
        answer = 0;
        EXPECT_EQ(store.reopen(), StashStore::State::ReadWrite);
        EXPECT_EQ(store.condition(), StashStore::Condition::Fine);
        EXPECT_TRUE(store.problem().isEmpty());
    }
}

TEST_F(StashStoreTest, ARemovedBottleKeepsItsIdAndWhatItsBatchesTook) {
    auto store = std::make_unique<StashStore>(file());
    ASSERT_EQ(store->open(), StashStore::State::ReadWrite);
    Bottle lemon = bottle(BottleKind::Flavour, "Lemon", 10);
    Bottle pg = bottle(BottleKind::PG, "PG", 1000);
    store->addBottle(lemon);
    store->addBottle(pg);
    Batch batch;
    ASSERT_EQ(store->recordBatch(batch, {{SlotId::Flav1, QStringLiteral("Lemon"), 3, 0},
                                         {SlotId::PG, QString(), 13, 0}}),
              std::nullopt);
    ASSERT_EQ(store->removeBottle(lemon.id), std::nullopt);
    EXPECT_EQ(store->bottles().size(), 1u);
    // A removed bottle is not taken from.
    Batch second;
    store->recordBatch(second, {{SlotId::Flav1, QStringLiteral("Lemon"), 1, lemon.id}});
    EXPECT_EQ(second.shortfall, QStringLiteral("Lemon: no bottle in the stash"));
    store->undoLastBatch();
    ASSERT_EQ(store->restoreBottle(lemon.id), std::nullopt);
    ASSERT_EQ(store->undoLastBatch(), std::nullopt);
    const std::vector<Bottle> back = store->bottles();
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].id, lemon.id);
    EXPECT_DOUBLE_EQ(back[0].onHand, 10);
    EXPECT_DOUBLE_EQ(back[1].onHand, 1000);

    // An edit moves only what it changed: on hand by its difference.
    Batch third;
    store->recordBatch(third, {{SlotId::PG, QString(), 13, 0}});
    Bottle renamed = back[1];
    renamed.name = QStringLiteral("PG USP");
    ASSERT_EQ(store->changeBottle(pg.id, back[1], renamed), std::nullopt);
    EXPECT_DOUBLE_EQ(store->bottles()[1].onHand, 987);
    Bottle less = renamed;
    less.onHand = 500;
    store->changeBottle(pg.id, renamed, less);
    EXPECT_DOUBLE_EQ(store->bottles()[1].onHand, 487);
    store->changeBottle(pg.id, renamed, back[1]); // back to the old name only
    EXPECT_EQ(store->bottles()[1].name, QStringLiteral("PG"));
    EXPECT_DOUBLE_EQ(store->bottles()[1].onHand, 487);

    // Removed in an earlier run: gone for good, its batches' links with it.
    store->removeBottle(lemon.id);
    StashStore next(file());
    EXPECT_EQ(next.open(), StashStore::State::ReadOnly); // this one holds it still
    EXPECT_EQ(next.bottles(true).size(), 2u);
    store.reset();
    store = std::make_unique<StashStore>(file());
    ASSERT_EQ(store->open(), StashStore::State::ReadWrite);
    EXPECT_EQ(store->bottles(true).size(), 1u);
    EXPECT_EQ(store->restoreBottle(lemon.id),
              QStringLiteral("The bottle is no longer in the stash."));
}

TEST(BatchesCsv, QuotesWhatNeedsQuoting) {
    Batch b;
    b.mixedAt = QDateTime(QDate(2026, 12, 1), QTime(18, 30)).toMSecsSinceEpoch();
    b.name = QStringLiteral("Cherry, \"the\" best");
    b.volume = QStringLiteral("30");
    b.note = QStringLiteral("line one\nline two");
    const std::string csv = BatchesCsv({b});
    EXPECT_EQ(
        csv.substr(0, csv.find("\r\n")),
        "Mixed,Name,Volume (ml),Strength (mg),PG/VG,Cost,Steep days,Ready,File,Note,Shortfall");
    EXPECT_NE(csv.find(",\"Cherry, \"\"the\"\" best\",30,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",2026-12-08,,\"line one\nline two\",\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("2026-12-01T18:30:00"), std::string::npos);

    // What a spreadsheet would run is text behind an apostrophe.
    for (const auto& [cell, written] : std::vector<std::pair<QString, QString>>{
             {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
             {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
             {"+1", "'+1"},
             {"-2", "'-2"},
             {"@SUM(A1)", "'@SUM(A1)"},
             {"\tx", "'\tx"},
             {"\rx", "\"'\rx\""},
             {"Lemon = sour", "Lemon = sour"},
             {"", ""}})
        EXPECT_EQ(CsvCell(cell), written) << cell.toStdString();
}

TEST_F(StashStoreTest, WritersKilledAnywhereLoseNothingCommittedAndHalfNothing) {
    {
        StashStore store(file());
        ASSERT_EQ(store.open(), StashStore::State::ReadWrite);
        Bottle b = bottle(BottleKind::Flavour, "Lemon", 1e9);
        store.addBottle(b);
    }
    std::mt19937 rng(24);
    std::set<qint64> committed;
    // 200 here; the benchmark runs it longer.
    const int rounds = qEnvironmentVariableIntValue("KOVAQ_KILL_ROUNDS") > 0
                           ? qEnvironmentVariableIntValue("KOVAQ_KILL_ROUNDS")
                           : 200;
    for (int round = 0; round < rounds; ++round) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            // The writer: one batch after another, each said once its commit has returned.
            ::close(fds[0]);
            StashStore store(file());
            if (store.open() != StashStore::State::ReadWrite) {
                std::fprintf(stderr, "%s\n", qPrintable(store.problem()));
                ::_exit(2);
            }
            const qint64 opened = 0; // ids start at 1
            if (::write(fds[1], &opened, sizeof opened) != sizeof opened)
                ::_exit(4);
            for (;;) {
                Batch batch;
                batch.name = QStringLiteral("Batch");
                batch.recipeText = QString(300, QLatin1Char('x'));
                if (store.recordBatch(batch, {{SlotId::Flav1, QStringLiteral("Lemon"), 1, 0}}))
                    ::_exit(3);
                const qint64 id = batch.id;
                if (::write(fds[1], &id, sizeof id) != sizeof id)
                    ::_exit(4);
            }
        }
        ::close(fds[1]);
        // Most rounds wait for the writer to be open, so that a loaded machine still kills
        // it among its commits; every eighth kills it wherever it is, opening included.
        if (round % 8 != 0) {
            qint64 opened = -1;
            ASSERT_EQ(::read(fds[0], &opened, sizeof opened), static_cast<ssize_t>(sizeof opened));
            ASSERT_EQ(opened, 0);
        }
        ::usleep(std::uniform_int_distribution<int>(0, 20000)(rng));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << WEXITSTATUS(status);
        qint64 id = 0;
        while (::read(fds[0], &id, sizeof id) == sizeof id)
            if (id != 0)
                committed.insert(id);
        ::close(fds[0]);
    }
    EXPECT_EQ(scalar(file(), "PRAGMA integrity_check").toString(), QStringLiteral("ok"));
    std::set<qint64> present;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "check");
        db.setDatabaseName(file());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral(
            "SELECT id, deductions, (SELECT COUNT(*) FROM deductions d WHERE d.batch = b.id) "
            "FROM batches b")));
        while (q.next()) {
            present.insert(q.value(0).toLongLong());
            EXPECT_EQ(q.value(1).toInt(), q.value(2).toInt())
                << "half a batch: " << q.value(0).toLongLong();
            EXPECT_EQ(q.value(1).toInt(), 1);
        }
    }
    QSqlDatabase::removeDatabase("check");
    for (qint64 id : committed)
        EXPECT_TRUE(present.count(id)) << "lost batch " << id;
    EXPECT_GT(committed.size(), 20u); // the writers got somewhere
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
