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

    // A database of version 1, as the first Ko-Vaq with a stash left it.
    const QString old = dir.filePath(QStringLiteral("v1.sqlite"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "v1");
        db.setDatabaseName(old);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const char* s :
             {"CREATE TABLE bottles(id INTEGER PRIMARY KEY, kind INTEGER NOT NULL, name TEXT NOT "
              "NULL DEFAULT '', maker TEXT NOT NULL DEFAULT '', on_hand REAL NOT NULL DEFAULT 0, "
              "size REAL NOT NULL DEFAULT 0, price REAL NOT NULL DEFAULT 0, ratio INTEGER NOT "
              "NULL DEFAULT -1, strength REAL NOT NULL DEFAULT 0, notes TEXT NOT NULL DEFAULT '')",
              "CREATE TABLE batches(id INTEGER PRIMARY KEY, mixed_at INTEGER NOT NULL, name TEXT "
              "NOT NULL, volume TEXT NOT NULL, strength TEXT NOT NULL, ratio TEXT NOT NULL, slots "
              "TEXT NOT NULL, cost TEXT NOT NULL, file TEXT NOT NULL, recipe TEXT NOT NULL, "
              "steep_days INTEGER NOT NULL, note TEXT NOT NULL)",
              "INSERT INTO bottles(kind, name, on_hand) VALUES(3, 'Lemon', 12)",
              "INSERT INTO batches VALUES(1, 1700000000000, 'Old', '30', '3', '70-30', '[]', "
              "'2', '', '', 7, '')",
              "PRAGMA user_version = 1"})
            ASSERT_TRUE(q.exec(QString::fromLatin1(s))) << s;
    }
    QSqlDatabase::removeDatabase("v1");
    StashStore store(old);
    ASSERT_EQ(store.open(), StashStore::State::ReadWrite) << store.problem().toStdString();
    ASSERT_EQ(store.bottles().size(), 1u);
    EXPECT_EQ(store.bottles()[0].name, QStringLiteral("Lemon"));
    EXPECT_EQ(store.bottles()[0].gravity, QString());
    ASSERT_EQ(store.batches().size(), 1u);
    EXPECT_EQ(store.batches()[0].name, QStringLiteral("Old"));
    EXPECT_EQ(scalar(old, "PRAGMA user_version").toInt(), StashStore::SchemaVersion);
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
    scalar(file(), "PRAGMA user_version = 2");

    // In use by a second Ko-Vaq: the second reads.
    StashStore first(file());
    ASSERT_EQ(first.open(), StashStore::State::ReadWrite);
    StashStore second(file());
    EXPECT_EQ(second.open(), StashStore::State::ReadOnly);
    EXPECT_EQ(second.problem(),
              QStringLiteral("Another Ko-Vaq is using the stash: it is open read-only."));
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
