// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The stash at 1,000 bottles and 10,000 batches: the Stash window opened (the database
// opened and checked, both lists filled), Mix It with its durable commit, a keystroke in a
// name field with the stash's names under it, and the kill test at length. Runs headless.
#include "AppController.h"
#include "FakePrompts.h"
#include "MainWindow.h"
#include "MixDocument.h"
#include "StashController.h"
#include "StashModels.h"
#include "StashWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace kovaq;

namespace {

constexpr int kBottles = 1000;
constexpr int kBatches = 10000;

QTemporaryDir& workFolder() {
    static QTemporaryDir dir;
    return dir;
}

QString& dbPath() {
    static QString path = workFolder().filePath(QStringLiteral("stash.sqlite"));
    return path;
}

// The stash made once: the schema by the store itself, then the rows in one transaction
// (10,000 durable commits would take the benchmark minutes to set up).
void makeStash() {
    static bool made = false;
    if (made)
        return;
    made = true;
    {
        StashStore store(dbPath());
        store.open();
    }
    static const char* const flavours[] = {"Lemon",  "Strawberry", "Vanilla Custard", "Cream",
                                           "Cherry", "Menthol",    "Tobacco",         "Caramel"};
    std::mt19937 rng(24);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "make");
        db.setDatabaseName(dbPath());
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        q.prepare(QStringLiteral("INSERT INTO bottles(kind, name, maker, on_hand, size, price, "
                                 "ratio) VALUES(?, ?, 'Maker', 100, 100, 5, 0)"));
        for (int i = 0; i < kBottles; ++i) {
            q.addBindValue(i % 10 == 0 ? 0 : 3);
            q.addBindValue(QStringLiteral("%1 %2").arg(QLatin1String(flavours[rng() % 8])).arg(i));
            q.exec();
        }
        const QString recipe = QString(1500, QLatin1Char('r')); // a .mix text's usual size
        q.prepare(QStringLiteral("INSERT INTO batches(mixed_at, name, volume, strength, ratio, "
                                 "slots, cost, file, recipe, steep_days, note) VALUES(?, ?, '30', "
                                 "'3', '70-30', '[]', '2.5', '', ?, 7, '')"));
        for (int i = 0; i < kBatches; ++i) {
            q.addBindValue(qint64(1700000000000) + qint64(i) * 3600000);
            q.addBindValue(QStringLiteral("%1 mix %2(3mg 30ml 70-30)")
                               .arg(QLatin1String(flavours[rng() % 8]))
                               .arg(i));
            q.addBindValue(recipe);
            q.exec();
        }
        q.exec(QStringLiteral("COMMIT"));
    }
    QSqlDatabase::removeDatabase("make");
}

struct Program {
    Program() {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        settings = std::make_unique<QSettings>(workFolder().filePath(QStringLiteral("s.ini")),
                                               QSettings::IniFormat);
        controller = std::make_unique<AppController>(prompts, *settings);
        controller->stash().setStorePath(dbPath());
        controller->window().show();
        QApplication::processEvents();
    }
    test::FakePrompts prompts;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<AppController> controller;
};

// From the keystroke to the window on the screen, both lists full, in a program that has
// not opened the stash yet.
void BM_OpenStashWindow(benchmark::State& state) {
    makeStash();
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        state.ResumeTiming();
        program->controller->stash().showStash();
        QApplication::processEvents();
        StashWindow& w = program->controller->stash().window();
        if (w.bottles().rowCount() < kBottles)
            state.SkipWithError("the stash is not all there");
        if (state.range(0) != 0) {
            w.showBatches();
            QApplication::processEvents();
            if (w.batches().rowCount() != kBatches)
                state.SkipWithError("the batches are not all there");
        }
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
    state.SetLabel(state.range(0) ? "then its Batches tab" : "the Stash tab");
}
BENCHMARK(BM_OpenStashWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

// The Batches tab shown in a window already open.
void BM_ShowBatchesTab(benchmark::State& state) {
    makeStash();
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        program->controller->stash().showStash();
        QApplication::processEvents();
        StashWindow& w = program->controller->stash().window();
        state.ResumeTiming();
        w.showBatches();
        QApplication::processEvents();
        if (w.batches().rowCount() != kBatches)
            state.SkipWithError("the batches are not all there");
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowBatchesTab)->Unit(benchmark::kMillisecond)->Iterations(5);

// The Stash window shown beside a saved mix of 30 ml with 5 % of "Lemon 1".
StashController& showStashWithSavedMix(Program& program) {
    StashController& stash = program.controller->stash();
    stash.showStash();
    MainWindow& w = program.controller->window();
    w.field(TextField::MixQty)->setText(QStringLiteral("30"));
    w.field(TextField::Flav1Name)->setText(QStringLiteral("Lemon 1"));
    w.field(TextField::PctFlav1)->setText(QStringLiteral("5"));
    w.document().setMixSaved(true);
    return stash;
}

// Mix It, asked nothing (the mix is saved and the stash holds it), from the shortcut to
// the batch on the disk and in the list.
void BM_MixIt(benchmark::State& state) {
    makeStash();
    Program program;
    StashController& stash = showStashWithSavedMix(program);
    for (auto _ : state) {
        program.prompts.answers = {test::FakePrompts::Answer::Yes}; // record what is short
        stash.mixIt();
        if (!program.prompts.errors.empty()) {
            state.SkipWithError(program.prompts.errors.front().toLocal8Bit().constData());
            break;
        }
    }
}
BENCHMARK(BM_MixIt)->Unit(benchmark::kMillisecond)->Iterations(20);

// Undo Last Batch, asked and answered, from the command to the bottles given back and the
// lists shown again; each round's batch is mixed untimed.
void BM_UndoLastBatch(benchmark::State& state) {
    makeStash();
    Program program;
    StashController& stash = showStashWithSavedMix(program);
    for (auto _ : state) {
        state.PauseTiming();
        program.prompts.answers = {test::FakePrompts::Answer::Yes};
        stash.mixIt();
        program.prompts.answers = {test::FakePrompts::Answer::Yes};
        state.ResumeTiming();
        stash.undoLastBatch();
        if (!program.prompts.errors.empty()) {
            state.SkipWithError(program.prompts.errors.front().toLocal8Bit().constData());
            break;
        }
    }
}
BENCHMARK(BM_UndoLastBatch)->Unit(benchmark::kMillisecond)->Iterations(20);

// A keystroke in a flavour's name field with 1,000 names under it, the list filtered.
void BM_NameKeystrokeWithCompleter(benchmark::State& state) {
    makeStash();
    Program program;
    StashController& stash = program.controller->stash();
    stash.installCompleters();
    QLineEdit* name = program.controller->window().field(TextField::Flav1Name);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("va"));
    int i = 0;
    for (auto _ : state) {
        QTest::keyClick(name, i++ % 2 == 0 ? Qt::Key_N : Qt::Key_Backspace);
        benchmark::DoNotOptimize(name->completer()->completionCount());
    }
    state.counters["offered"] = name->completer()->completionCount();
}
BENCHMARK(BM_NameKeystrokeWithCompleter)->Unit(benchmark::kMicrosecond);

// The kill test at length: writers killed 2,000 times, the database checked after.
void BM_WritersKilled2000Times(benchmark::State& state) {
    for (auto _ : state) {
        QProcess test;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KOVAQ_KILL_ROUNDS"), QStringLiteral("2000"));
        test.setProcessEnvironment(env);
        test.start(QStringLiteral(KOVAQ_STORE_TESTS),
                   {QStringLiteral("--gtest_filter=*WritersKilled*")});
        test.waitForFinished(-1);
        if (test.exitCode() != 0)
            state.SkipWithError(test.readAllStandardOutput().right(2000).constData());
    }
}
BENCHMARK(BM_WritersKilled2000Times)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    // --make FILE: the stash alone, for the start benchmark to start with (as
    // XDG_DATA_HOME/Tresquall/Ko-Vaq/ko-vaq.sqlite).
    if (argc == 3 && std::string(argv[1]) == "--make") {
        dbPath() = QString::fromLocal8Bit(argv[2]);
        makeStash();
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
