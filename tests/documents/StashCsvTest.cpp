// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The stash as CSV and back, an import applied whole or not at all, and the flavour book's
// notes kept in the stash.
#include "StashCsv.h"
#include "StashStore.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <random>

using namespace kovaq;

namespace {

class StashCsvTest : public ::testing::Test {
  protected:
    QString file() const { return dir.filePath(QStringLiteral("ko-vaq.sqlite")); }
    QTemporaryDir dir;
};

Bottle bottle(BottleKind kind, const char* name, const char* maker, double onHand) {
    Bottle b;
    b.kind = kind;
    b.name = QString::fromUtf8(name);
    b.maker = QString::fromUtf8(maker);
    b.onHand = onHand;
    return b;
}

} // namespace

TEST_F(StashCsvTest, ImportSaysWhatItAddsUpdatesAndRefuses) {
    Bottle lemon = bottle(BottleKind::Flavour, "Lemon", "TPA", 10);
    lemon.id = 7;
    lemon.price = 4;
    lemon.notes = QStringLiteral("keep");
    const std::vector<Bottle> stash = {lemon};
    // Columns in another order, one unknown, the price missing from the header.
    const std::string csv = "\xEF\xBB\xBF"
                            "Name,KIND,unknown,maker,on_hand_ml,pgvg,strength,gravity\r\n"
                            "lemon ,Flavour,x,tpa,12,PG,,\n"         // 2: updates
                            "Base 36,base,,Cap,100,50/50,36,\n"      // 3: added
                            ",PG,,,500,,,\n"                         // 4: added
                            "\n"                                     // blank: skipped
                            "Cream,syrup,,,1,,,\n"                   // 6
                            ",,,,1,,,\n"                             // 7
                            ",flavour,,,1,,,\n"                      // 8
                            "Cream,flavour,,,lots,,,\n"              // 9
                            "Cream,flavour,,,-1,,,\n"                // 10
                            "Cream,flavour,,,2000000,,,\n"           // 11
                            "Cream,flavour,,,1,55-44,,\n"            // 12
                            "Cream,flavour,,,1,,,3\n"                // 13
                            "Cream,flavour,,,1,,,,too,many\n"        // 14
                            "\"Multi\nline\",flavour,,,1,,,1.1,,,\n" // 15-16: added
                            "'=SUM(A1),flavour,,,1,,,\n"             // 17: added
                            "\"Open,flavour,,,1\n";                  // 18
    const StashImport got = ReadStashCsv(csv, stash);
    ASSERT_TRUE(got.error.isEmpty()) << got.error.toStdString();

    ASSERT_EQ(got.updated.size(), 1u);
    EXPECT_EQ(got.updated[0].line, 2);
    EXPECT_EQ(got.updated[0].from, lemon);
    Bottle updated = lemon;
    updated.name = QStringLiteral("lemon");
    updated.maker = QStringLiteral("tpa");
    updated.onHand = 12;
    updated.ratio = 0;
    EXPECT_EQ(got.updated[0].to, updated); // the price and notes, not in the file, stay

    std::vector<int> addedLines;
    for (const StashImport::Added& a : got.added)
        addedLines.push_back(a.line);
    EXPECT_EQ(addedLines, (std::vector<int>{3, 4, 15, 17}));
    EXPECT_EQ(got.added[0].bottle.kind, BottleKind::NicotineBase);
    EXPECT_DOUBLE_EQ(got.added[0].bottle.strength, 36);
    EXPECT_EQ(got.added[0].bottle.ratio, 5); // 50-50
    EXPECT_EQ(got.added[2].bottle.name, QStringLiteral("Multi\nline"));
    EXPECT_EQ(got.added[2].bottle.gravity, QStringLiteral("1.1"));
    EXPECT_EQ(got.added[3].bottle.name, QStringLiteral("=SUM(A1)"));

    const std::vector<std::pair<int, const char*>> refused = {
        {6, "The kind \"syrup\" is none of"},
        {7, "The kind is missing."},
        {8, "A flavour needs a name."},
        {9, "The on_hand_ml \"lots\" is not a number."},
        {10, "The on_hand_ml cannot be below 0."},
        {11, "The on_hand_ml cannot be more than 1000000."},
        {12, "The pgvg \"55-44\" is none of"},
        {13, "The gravity \"3\" is not a number from 0.5 to 2."},
        {14, "The line has 10 cells; the header names 8."},
        {18, "A quoted cell is not closed"},
    };
    ASSERT_EQ(got.refused.size(), refused.size());
    for (std::size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(got.refused[i].line, refused[i].first);
        EXPECT_TRUE(got.refused[i].reason.startsWith(QString::fromUtf8(refused[i].second)))
            << got.refused[i].reason.toStdString();
    }

    // A file that cannot be an import at all, and one with semicolons and decimal commas.
    for (const char* bad : {"", "name,maker\nLemon,TPA\n", "kind,name,Kind\n"})
        EXPECT_FALSE(ReadStashCsv(bad, stash).error.isEmpty()) << bad;
    const StashImport semicolons = ReadStashCsv("kind;name;on_hand_ml\nflavour;Lime;2,5\n", {});
    ASSERT_EQ(semicolons.added.size(), 1u);
    EXPECT_DOUBLE_EQ(semicolons.added[0].bottle.onHand, 2.5);
}

TEST_F(StashCsvTest, WhatIsWrittenReadsBackAsTheSameStash) {
    std::mt19937 random(11);
    const auto text = [&](int most) {
        static const char32_t pieces[] = {U'a', U'Z', U' ',  U',',  U'"',  U'\'', U'=',      U'+',
                                          U'-', U'@', U'\n', U'\t', U'\r', U'é',  U'\u00df', U'1'};
        QString s;
        const int n = static_cast<int>(random() % most);
        for (int i = 0; i < n; ++i)
            s += QString::fromUcs4(&pieces[random() % std::size(pieces)], 1);
        return s;
    };
    std::vector<Bottle> original;
    for (int i = 0; i < 200; ++i) {
        Bottle b;
        b.kind = static_cast<BottleKind>(random() % BottleKindCount);
        // What the import reads trimmed, the stash keeps trimmed: a name typed is trimmed.
        b.name = text(12).trimmed();
        if (b.kind == BottleKind::Flavour && b.name.isEmpty())
            b.name = QStringLiteral("Lemon");
        b.maker = i % 3 ? text(6).trimmed() : b.maker;
        b.onHand = std::uniform_real_distribution<double>(0, 1000)(random);
        b.size = static_cast<double>(random() % 200);
        b.price = std::round(std::uniform_real_distribution<double>(0, 50)(random) * 100) / 100;
        b.ratio = static_cast<int>(random() % (RatioListSize + 1)) - 1;
        b.strength = b.kind == BottleKind::NicotineBase ? static_cast<double>(random() % 100) : 0;
        b.gravity = random() % 2 ? QStringLiteral("1.05") : QString();
        b.notes = text(20);
        original.push_back(b);
    }
    original.push_back(original[5]); // two bottles alike stay two
    original.push_back(bottle(BottleKind::Flavour, "'Quoted", "", 1));

    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    StashStore store(file());
    ASSERT_EQ(store.open(), StashStore::State::ReadWrite) << store.problem().toStdString();
    StashImport first = ReadStashCsv(StashCsv(original), {});
    ASSERT_TRUE(first.refused.empty())
        << first.refused[0].line << ": " << first.refused[0].reason.toStdString();
    ASSERT_EQ(first.added.size(), original.size());
    ASSERT_FALSE(store.importBottles(first));
    std::vector<Bottle> read = store.bottles();
    ASSERT_EQ(read.size(), original.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read[i].id, first.added[i].bottle.id);
        Bottle expected = original[i];
        expected.id = read[i].id;
        EXPECT_EQ(read[i], expected);
    }

    // The stash's own export read against it changes nothing; with one figure changed, one
    // update, applied whole.
    const std::string exported = StashCsv(read);
    const StashImport again = ReadStashCsv(exported, read);
    EXPECT_TRUE(again.added.empty());
    EXPECT_TRUE(again.updated.empty());
    EXPECT_EQ(again.unchanged, static_cast<int>(read.size()));
    std::vector<Bottle> edited = read;
    edited[3].onHand = 1;
    edited[4].price = 9.99;
    StashImport change = ReadStashCsv(StashCsv(edited), read);
    ASSERT_EQ(change.updated.size(), 2u);
    ASSERT_FALSE(store.importBottles(change));
    EXPECT_EQ(store.bottles(), edited);

    // On a failure nothing of it stays: a read-only stash refuses it whole.
    StashImport more = ReadStashCsv("kind,name\nflavour,Lime\n", store.bottles());
    StashStore second(file());
    second.open(true);
    EXPECT_TRUE(second.importBottles(more));
    EXPECT_EQ(store.bottles(), edited);
}

TEST_F(StashCsvTest, FlavourNotesAreKeptUnderTheFoldedName) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    {
        // A stash of version 3 gets the notes' table when opened for writing.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "v3");
        db.setDatabaseName(file());
        ASSERT_TRUE(db.open());
        StashStore made(dir.filePath(QStringLiteral("made.sqlite")));
        ASSERT_EQ(made.open(), StashStore::State::ReadWrite);
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("ATTACH '%1' AS made")
                               .arg(dir.filePath(QStringLiteral("made.sqlite")))));
        for (const char* table : {"bottles", "batches", "deductions"})
            ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE %1 AS SELECT * FROM made.%1")
                                   .arg(QLatin1String(table))));
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA user_version = 3")));
    }
    QSqlDatabase::removeDatabase("v3");
    {
        StashStore old(file());
        ASSERT_EQ(old.open(true), StashStore::State::ReadOnly);
        EXPECT_TRUE(old.flavourNotes().empty()); // no table yet, and nothing said
    }
    StashStore store(file());
    ASSERT_EQ(store.open(), StashStore::State::ReadWrite) << store.problem().toStdString();

    FlavourNote note;
    note.name = QStringLiteral("Lemon (TPA)");
    note.notes = QStringLiteral("Sharp alone");
    note.rating = 4;
    note.share = 3.5;
    ASSERT_FALSE(store.setFlavourNote(note));
    EXPECT_EQ(note.key, QStringLiteral("lemon (tpa)"));
    const auto found = store.flavourNote(QStringLiteral("LEMON(tpa)"));
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, note);

    FlavourNote changed = note;
    changed.name = QStringLiteral("lemon  (TPA)");
    changed.rating.reset();
    ASSERT_FALSE(store.setFlavourNote(changed));
    ASSERT_EQ(store.flavourNotes().size(), 1u);
    EXPECT_EQ(store.flavourNotes()[0], changed);

    for (FlavourNote wrong :
         {FlavourNote{{}, "Lime", {}, 0, {}}, FlavourNote{{}, "Lime", {}, 6, {}},
          FlavourNote{{}, "Lime", {}, {}, 0.0}, FlavourNote{{}, "Lime", {}, {}, 101.0},
          FlavourNote{{}, "  ", "text", {}, {}}})
        EXPECT_TRUE(store.setFlavourNote(wrong));
    EXPECT_EQ(store.flavourNotes().size(), 1u);

    FlavourNote cleared;
    cleared.name = QStringLiteral("Lemon (TPA)");
    ASSERT_FALSE(store.setFlavourNote(cleared));
    EXPECT_TRUE(store.flavourNotes().empty());
}
