// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The stash's changes on one undo stack, over random runs of edits, additions, removals,
// Mix It, Undo Last Batch, Undo and Redo: no bottle ever holds more or less than what it was
// given, less what the standing batches took.
#include "StashCommands.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QUndoStack>

#include <cmath>
#include <map>
#include <random>

using namespace kovaq;

namespace {

// What each bottle holds plus what the standing batches took from it.
std::map<std::int64_t, double> levels(const StashStore& store) {
    std::map<std::int64_t, double> out;
    for (const Bottle& b : store.bottles(true))
        out[b.id] = b.onHand;
    for (const Batch& listed : store.batches()) {
        const std::optional<Batch> whole = store.batch(listed.id);
        for (const Deduction& d : whole->deductions)
            out[d.bottle] += d.ml;
    }
    return out;
}

} // namespace

TEST(StashCommands, NothingIsConjuredOrLostOverRandomRunsOfChangesUndoAndRedo) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        QTemporaryDir dir;
        StashStore store(dir.filePath(QStringLiteral("stash.sqlite")));
        ASSERT_EQ(store.open(), StashStore::State::ReadWrite);
        QUndoStack stack;
        std::mt19937 random(seed);
        const auto pick = [&](int n) {
            return std::uniform_int_distribution<int>(0, n - 1)(random);
        };
        std::optional<QString> lastError;
        const StashStepDone done = [&](const std::optional<QString>& e) { lastError = e; };

        // What each bottle was given by the person: the oracle, moved only by their edits
        // of on hand, and back and forth with Undo and Redo of those.
        std::map<std::int64_t, double> given;
        std::vector<std::map<std::int64_t, double>> moves; // one a command on the stack
        const auto push = [&](QUndoCommand* command, std::map<std::int64_t, double> move) {
            moves.resize(static_cast<std::size_t>(stack.index()));
            const int at = stack.index();
            stack.push(command);
            ASSERT_FALSE(lastError) << lastError->toStdString();
            ASSERT_EQ(stack.index(), at + 1);
            for (const auto& [id, ml] : move)
                given[id] += ml;
            moves.push_back(std::move(move));
        };
        const auto start = store.bottles(true);

        for (int step = 0; step < 60; ++step) {
            const std::vector<Bottle> shown = store.bottles();
            switch (pick(7)) {
            case 0: { // add
                Bottle b;
                b.kind = pick(2) ? BottleKind::PG : BottleKind::Flavour;
                b.name = b.kind == BottleKind::PG ? QStringLiteral("PG") : QStringLiteral("Lemon");
                b.onHand = 10 * pick(100);
                auto* add = new AddBottleCommand(store, b, done);
                push(add, {});
                given[add->bottleId()] = b.onHand;
                break;
            }
            case 1: // remove
                if (!shown.empty())
                    push(new RemoveBottleCommand(
                             store, shown[static_cast<std::size_t>(pick(int(shown.size())))], done),
                         {});
                break;
            case 2: { // an edit: on hand, or the name
                if (shown.empty())
                    break;
                const Bottle before = shown[static_cast<std::size_t>(pick(int(shown.size())))];
                Bottle after = before;
                std::map<std::int64_t, double> move;
                if (pick(2)) {
                    after.onHand = 5 * pick(200);
                    move[before.id] = after.onHand - before.onHand;
                } else {
                    after.name += QStringLiteral(" USP");
                }
                if (!(after == before))
                    push(new ChangeBottleCommand(store, before, after, done), std::move(move));
                break;
            }
            case 3: { // Mix It
                Batch batch;
                batch.name = QStringLiteral("Batch %1").arg(step);
                batch.mixedAt = 1000 + step;
                push(
                    new MixItCommand(store, batch,
                                     {{SlotId::PG, QString(), double(pick(40)), 0},
                                      {SlotId::Flav1, QStringLiteral("Lemon"), double(pick(8)), 0}},
                                     done),
                    {});
                break;
            }
            case 4: // Undo Last Batch
                if (!store.batches().empty())
                    push(new UndoLastBatchCommand(store, QString(), done), {});
                break;
            case 5:
                if (stack.canUndo()) {
                    for (const auto& [id, ml] : moves[static_cast<std::size_t>(stack.index() - 1)])
                        given[id] -= ml;
                    stack.undo();
                }
                break;
            case 6:
                if (stack.canRedo()) {
                    stack.redo();
                    for (const auto& [id, ml] : moves[static_cast<std::size_t>(stack.index() - 1)])
                        given[id] += ml;
                }
                break;
            }
            ASSERT_FALSE(lastError) << lastError->toStdString();
            for (const Bottle& b : store.bottles(true))
                ASSERT_GE(b.onHand, 0) << step;
            for (const auto& [id, level] : levels(store))
                ASSERT_NEAR(level, given[id], 1e-9) << "bottle " << id << " at step " << step;
        }

        // Undone to the start, nothing is shown and no batch stands; redone, all is as it
        // was.
        const auto end = store.bottles(true);
        const auto endBatches = store.batches().size();
        const int at = stack.index();
        stack.setIndex(0);
        ASSERT_FALSE(lastError) << lastError->toStdString();
        std::vector<Bottle> shownAtStart;
        for (const Bottle& b : store.bottles())
            shownAtStart.push_back(b);
        EXPECT_TRUE(shownAtStart.empty());
        EXPECT_TRUE(store.batches().empty());
        stack.setIndex(at);
        ASSERT_FALSE(lastError) << lastError->toStdString();
        EXPECT_EQ(store.bottles(true), end);
        EXPECT_EQ(store.batches().size(), endBatches);
        EXPECT_TRUE(start.empty());
    }
}

TEST(StashCommands, ARenameUndoneAfterMixItLeavesTheBatchItsMillilitres) {
    // PG 1000 ml, renamed, Mix It takes 13 ml; Undo takes back the batch, not the rename,
    // and Undo Last Batch then has nothing to give back twice.
    QTemporaryDir dir;
    StashStore store(dir.filePath(QStringLiteral("stash.sqlite")));
    ASSERT_EQ(store.open(), StashStore::State::ReadWrite);
    QUndoStack stack;
    Bottle pg;
    pg.kind = BottleKind::PG;
    pg.name = QStringLiteral("PG");
    pg.onHand = 1000;
    store.addBottle(pg);
    Bottle renamed = pg;
    renamed.name = QStringLiteral("PG USP");
    stack.push(new ChangeBottleCommand(store, pg, renamed, {}));
    stack.push(new MixItCommand(store, Batch{}, {{SlotId::PG, QString(), 13, 0}}, {}));
    EXPECT_DOUBLE_EQ(store.bottles()[0].onHand, 987);
    stack.undo();
    EXPECT_DOUBLE_EQ(store.bottles()[0].onHand, 1000);
    EXPECT_TRUE(store.batches().empty());
    EXPECT_EQ(store.bottles()[0].name, QStringLiteral("PG USP"));
    stack.redo();
    stack.push(new UndoLastBatchCommand(store, QString(), {}));
    EXPECT_DOUBLE_EQ(store.bottles()[0].onHand, 1000);
    stack.undo();
    stack.undo();
    stack.undo();
    EXPECT_DOUBLE_EQ(store.bottles()[0].onHand, 1000);
    EXPECT_EQ(store.bottles()[0].name, QStringLiteral("PG"));
}

TEST(StashCommands, AnImportIsOneStepThatUndoesOnlyWhatItDid) {
    // Lemon 10 ml at 3; the file updates it to 20 ml at 4 and adds Mango. Undo takes back
    // both as one step, and only what the import did; Redo brings Mango back as itself.
    QTemporaryDir dir;
    StashStore store(dir.filePath(QStringLiteral("stash.sqlite")));
    ASSERT_EQ(store.open(), StashStore::State::ReadWrite);
    Bottle lemon;
    lemon.name = QStringLiteral("Lemon");
    lemon.maker = QStringLiteral("TPA");
    lemon.onHand = 10;
    lemon.price = 3;
    store.addBottle(lemon);
    StashImport import = ReadStashCsv("kind,name,maker,on_hand_ml,price\n"
                                      "flavour,lemon,tpa,20,4\n"
                                      "flavour,Mango,FA,30,5\n",
                                      store.bottles());
    ASSERT_EQ(import.added.size(), 1u);
    ASSERT_EQ(import.updated.size(), 1u);
    QUndoStack stack;
    std::optional<QString> error;
    auto* command = new ImportBottlesCommand(store, import,
                                             [&](const std::optional<QString>& e) { error = e; });
    stack.push(command);
    ASSERT_FALSE(error);
    const auto find = [&store](const char* name) -> std::optional<Bottle> {
        for (const Bottle& b : store.bottles())
            if (b.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return b;
        return std::nullopt;
    };
    ASSERT_TRUE(find("Mango"));
    const std::int64_t mango = find("Mango")->id;
    EXPECT_DOUBLE_EQ(find("Lemon")->onHand, 20);
    // Changed since, outside the import: 5 ml used and a note; those stay through Undo.
    const Bottle imported = *find("Lemon");
    Bottle used = imported;
    used.onHand = 15;
    used.notes = QStringLiteral("sharp");
    ASSERT_FALSE(store.changeBottle(imported.id, imported, used));

    stack.undo();
    EXPECT_EQ(stack.count(), 1);
    EXPECT_FALSE(error);
    EXPECT_FALSE(find("Mango"));
    EXPECT_DOUBLE_EQ(find("Lemon")->onHand, 5);
    EXPECT_DOUBLE_EQ(find("Lemon")->price, 3);
    EXPECT_EQ(find("Lemon")->notes, QStringLiteral("sharp"));
    stack.redo();
    EXPECT_FALSE(error);
    EXPECT_EQ(find("Mango")->id, mango);
    EXPECT_DOUBLE_EQ(find("Mango")->onHand, 30);
    EXPECT_DOUBLE_EQ(find("Lemon")->onHand, 15);
    EXPECT_DOUBLE_EQ(find("Lemon")->price, 4);
}

TEST(StashCommands, AFlavourNoteChangeTakesBackOnlyItsOwnField) {
    QTemporaryDir dir;
    StashStore store(dir.filePath(QStringLiteral("stash.sqlite")));
    ASSERT_EQ(store.open(), StashStore::State::ReadWrite);
    QUndoStack stack;
    const FlavourNote none{{}, QStringLiteral("Lemon (TPA)"), {}, {}, {}};
    FlavourNote rated = none;
    rated.rating = 4;
    FlavourNote shared = none;
    shared.share = 5.5;
    stack.push(new ChangeFlavourNoteCommand(store, none, rated, {}));
    stack.push(new ChangeFlavourNoteCommand(store, none, shared, {}));
    auto note = store.flavourNote(QStringLiteral("lemon(tpa)"));
    ASSERT_TRUE(note);
    EXPECT_EQ(note->rating, 4);
    EXPECT_EQ(note->share, 5.5);
    stack.undo(); // the share goes, the rating stays
    note = store.flavourNote(QStringLiteral("Lemon (TPA)"));
    ASSERT_TRUE(note);
    EXPECT_EQ(note->rating, 4);
    EXPECT_FALSE(note->share);
    stack.undo(); // nothing is left: no note is kept
    EXPECT_TRUE(store.flavourNotes().empty());
    stack.redo();
    EXPECT_EQ(store.flavourNote(QStringLiteral("Lemon (TPA)"))->rating, 4);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
