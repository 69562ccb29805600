// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The stash as a person uses it: a name picked from the list fills the row as typing would,
// Mix It records, takes and gives back, the bottles' changes undo, and a stash in use by a
// second Ko-Vaq is only read.
#include "AppFixture.h"
#include "Eventually.h"
#include "FakePrompts.h"
#include "FlavourModel.h"
#include "MainWindow.h"
#include "MixDocument.h"
#include "RecipeFile.h"
#include "RecipeListModel.h"
#include "RecipesController.h"
#include "RecipesWindow.h"
#include "ShotsWindow.h"
#include "StashController.h"
#include "StashDialogs.h"
#include "StashImportDialog.h"
#include "StashModels.h"
#include "StashWindow.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace kovaq;
using T = TextField;
using Answer = Prompts::Answer;

namespace {

class StashTest : public test::AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        {
            StashStore s(db());
            ASSERT_EQ(s.open(), StashStore::State::ReadWrite);
            lemon = bottle(s, BottleKind::Flavour, "Lemon", 12, 10, 4.2, 5, 0, "1.10");
            base = bottle(s, BottleKind::NicotineBase, "Salt 36", 80, 100, 12.5, 3, 36, "");
            bottle(s, BottleKind::PG, "PG", 400, 500, 9, -1, 0, "");
            bottle(s, BottleKind::VG, "VG", 900, 1000, 11, -1, 0, "");
        }
        start([this](AppController& app) { app.stash().setStorePath(db()); });
        // The names come once the window has been painted.
        ASSERT_EVENTUALLY(stash().completersInstalled());
        prompts.clear();
    }
    QString db() const { return dir.filePath(QStringLiteral("stash.sqlite")); }
    static std::int64_t bottle(StashStore& s, BottleKind kind, const char* name, double onHand,
                               double size, double price, int ratio, double strength,
                               const char* gravity) {
        Bottle b;
        b.kind = kind;
        b.name = QString::fromUtf8(name);
        b.onHand = onHand;
        b.size = size;
        b.price = price;
        b.ratio = ratio;
        b.strength = strength;
        b.gravity = QString::fromUtf8(gravity);
        s.addBottle(b);
        return b.id;
    }
    StashController& stash() { return controller->stash(); }
    void type(T f, const QString& keys) { QTest::keyClicks(w().field(f), keys); }
    std::vector<Bottle> bottles() { return stash().store().bottles(); }
    double onHand(std::int64_t id) {
        for (const Bottle& b : bottles())
            if (b.id == id)
                return b.onHand;
        return -1;
    }
    // 30 ml with 10 % of the first flavour.
    void typeMix() {
        type(T::MixQty, QStringLiteral("30"));
        type(T::PctFlav1, QStringLiteral("10"));
    }

    // Recipes in a folder of their own, read by the Recipes library: Lemon at 2, 6 and 4 %.
    void writeRecipes() {
        const QString folder = dir.filePath(QStringLiteral("mixes"));
        QDir().mkpath(folder);
        const char* shares[] = {"2", "6", "4"};
        for (int i = 0; i < 3; ++i) {
            MixRecipe r = FreshMix();
            r[T::MixQty] = "30";
            r[T::Flav1Name] = i == 1 ? "lemon" : "Lemon";
            r[T::PctFlav1] = shares[i];
            EXPECT_TRUE(WriteRecipe((folder + QStringLiteral("/r%1.mix").arg(i)).toStdString(), r));
        }
        controller->settings().RecipeFolders = QStringList{folder};
        controller->recipes().setIndexFile(dir.filePath(QStringLiteral("index")));
    }

    std::int64_t lemon = 0, base = 0;
};

} // namespace

TEST_F(StashTest, APickedNameFillsTheRowAsTypingWould) {
    typeMix();
    struct Case {
        T name;
        const char* typed;
        const char* picked;
    };
    for (const Case& c :
         {Case{T::Flav1Name, "lem", "Lemon"}, Case{T::NicBaseName, "36", "Salt 36"}}) {
        SCOPED_TRACE(c.picked);
        w().field(c.name)->setFocus();
        type(c.name, QString::fromUtf8(c.typed));
        QCompleter* completer = w().field(c.name)->completer();
        ASSERT_TRUE(completer);
        ASSERT_EVENTUALLY(completer->popup()->isVisible());
        EXPECT_EQ(completer->completionCount(), 1);
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Return);
        EXPECT_EQ(w().field(c.name)->text(), QString::fromUtf8(c.picked));
    }
    type(T::MixStrength, QStringLiteral("3"));
    EXPECT_EQ(doc().text(T::Flav1Cost), "4.2");
    EXPECT_EQ(doc().text(T::Flav1Qty), "10");
    EXPECT_EQ(doc().ratio(RatioField::Flav1NicPGVG).position, 5);
    EXPECT_EQ(doc().recipe().Gravity[index(GravityKey::Flav1)], "1.10");
    EXPECT_EQ(doc().text(T::BaseNicStrength), "36");
    EXPECT_EQ(doc().ratio(RatioField::BaseNicPGVG).position, 3);
    EXPECT_NE(stash().chosenBottles()[index(SlotId::Flav1)], 0);

    // The same texts typed into a document of its own come to the same mix.
    MixDocument typed;
    typed.startNewMix(false, false);
    const auto typeIn = [&typed](T f, const char* text) {
        typed.setText(f, QString::fromUtf8(text), 0, MixDocument::Origin::Typed);
    };
    typeIn(T::MixQty, "30");
    typeIn(T::PctFlav1, "10");
    typeIn(T::Flav1Name, "Lemon");
    typeIn(T::Flav1Cost, "4.2");
    typeIn(T::Flav1Qty, "10");
    typed.pickRatio(RatioField::Flav1NicPGVG, 5);
    typeIn(T::NicBaseName, "Salt 36");
    typeIn(T::NicBaseCost, "12.5");
    typeIn(T::NicBaseQty, "100");
    typeIn(T::BaseNicStrength, "36");
    typed.pickRatio(RatioField::BaseNicPGVG, 3);
    typeIn(T::MixStrength, "3");
    for (std::size_t i = 0; i < TextFieldCount; ++i)
        EXPECT_EQ(typed.text(textFieldAt(i)), doc().text(textFieldAt(i))) << i;
    for (std::size_t i = 0; i < SlotCount; ++i)
        EXPECT_EQ(typed.result().slots[i], doc().result().slots[i]) << i;

    // Typed over, the row is no longer that bottle's.
    type(T::Flav1Name, QStringLiteral("x"));
    EXPECT_EQ(stash().chosenBottles()[index(SlotId::Flav1)], 0);
}

TEST_F(StashTest, MixItRecordsTakesFromTheStashAndUndoGivesBack) {
    // Nothing to mix: refused, nothing recorded.
    stash().mixIt();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(QStringLiteral("This mix cannot be made")));
    EXPECT_TRUE(stash().store().batches().empty());

    typeMix();
    type(T::Flav1Name, QStringLiteral("Lemon"));
    type(T::BaseNicStrength, QStringLiteral("36"));
    type(T::MixStrength, QStringLiteral("3"));
    // Not saved: asked, and No records nothing.
    prompts.clear();
    prompts.answers = {Answer::No};
    stash().mixIt();
    EXPECT_TRUE(prompts.messages.at(0).text.contains(QStringLiteral("not been saved")));
    EXPECT_TRUE(stash().store().batches().empty());

    // Saved, it is asked nothing, and the batch knows its file.
    const QString file = dir.filePath(QStringLiteral("lemon.mix"));
    prompts.fileNames = {file};
    ASSERT_TRUE(controller->saveRecipe());
    prompts.clear();
    prompts.dialogActions = {[](QDialog& d) {
        auto& mix = static_cast<MixItDialog&>(d);
        mix.steepBox()->setValue(10);
        mix.noteField()->setText(QStringLiteral("first try"));
        return int(QDialog::Accepted);
    }};
    stash().mixIt();
    EXPECT_TRUE(prompts.errors.empty());
    const std::vector<Batch> batches = stash().store().batches(true);
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(batches[0].name, QStringLiteral("lemon(3mg 30ml PG)"));
    EXPECT_EQ(batches[0].file, file);
    EXPECT_EQ(batches[0].steepDays, 10);
    EXPECT_EQ(batches[0].note, QStringLiteral("first try"));
    EXPECT_DOUBLE_EQ(batches[0].ml[index(SlotId::Flav1)], 3);
    EXPECT_TRUE(batches[0].recipeText.contains(QStringLiteral("Flav1Name=Lemon")));
    EXPECT_EQ(controller->settings().SteepDays, 10);
    EXPECT_DOUBLE_EQ(onHand(lemon), 9);
    EXPECT_DOUBLE_EQ(onHand(base), 80 - 2.5);
    stash().showBatches();
    EXPECT_EQ(stash().window().batches().rowCount(), 1);
    // Shots and Fixes offers it, to fix without typing its figures.
    controller->showShots();
    QComboBox* fromBatch = controller->shotsWindow().findChild<QComboBox*>("FixFromBatch");
    ASSERT_EQ(fromBatch->count(), 2);
    fromBatch->setCurrentIndex(1);
    Q_EMIT fromBatch->activated(1);
    EXPECT_EQ(controller->shotsWindow().field(QStringLiteral("FixBatchMl"))->text(),
              QStringLiteral("30"));
    EXPECT_EQ(controller->shotsWindow().field(QStringLiteral("FixBatchMg"))->text(),
              QStringLiteral("3"));

    // Its label, on the label size chosen.
    const QString pdf = dir.filePath(QStringLiteral("label.pdf"));
    controller->labelPrinter().setOutputFormat(QPrinter::PdfFormat);
    controller->labelPrinter().setOutputFileName(pdf);
    prompts.dialogActions = {[](QDialog& d) {
        static_cast<LabelDialog&>(d).sizeBox()->setCurrentIndex(1); // 70 x 40 mm
        return int(QDialog::Accepted);
    }};
    stash().printLabel(batches[0].id);
    EXPECT_TRUE(prompts.errors.empty());
    QFile label(pdf);
    ASSERT_TRUE(label.open(QIODevice::ReadOnly));
    EXPECT_TRUE(label.readAll().contains("/MediaBox [0 0 198")); // lying down
    EXPECT_EQ(controller->settings().LabelSize, 1);

    // The copy kept with the batch opens as a mix that is not saved anywhere.
    stash().openCopy(batches[0].id);
    EXPECT_FALSE(doc().mixSaved());
    EXPECT_EQ(doc().text(T::Flav1Name), "Lemon");

    prompts.clear();
    prompts.answers = {Answer::Yes};
    stash().undoLastBatch();
    EXPECT_EQ(stash().window().batches().rowCount(), 0);
    EXPECT_DOUBLE_EQ(onHand(lemon), 12);
    EXPECT_DOUBLE_EQ(onHand(base), 80);
}

TEST_F(StashTest, BottleChangesUndoWithCtrlZ) {
    stash().showStash();
    StashWindow& win = stash().window();
    ASSERT_EQ(win.bottles().rowCount(), 4);
    const std::vector<Bottle> before = bottles();
    QTest::mouseClick(win.findChild<QPushButton*>(QStringLiteral("AddBottleButton")),
                      Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_EQ(bottles().size(), 5u);
    BottleModel& model = win.bottles();
    const int row = model.rowOf(lemon);
    model.setData(model.index(row, BottleModel::OnHand), QStringLiteral("7.5"), Qt::EditRole);
    EXPECT_DOUBLE_EQ(onHand(lemon), 7.5);
    win.bottleView()->selectRow(win.bottleView()->model()->rowCount() - 1);
    win.removeRequested(base);
    EXPECT_EQ(bottles().size(), 4u);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&win, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bottles(), before);
}

TEST_F(StashTest, AStashInUseElsewhereIsOnlyRead) {
    controller.reset(); // this one's lock goes with it
    StashStore other(db());
    ASSERT_EQ(other.open(), StashStore::State::ReadWrite);
    controller = std::make_unique<AppController>(prompts, *store);
    controller->stash().setStorePath(db());
    stash().showStash();
    EXPECT_TRUE(stash().window().problemLine()->isVisible());
    EXPECT_EQ(stash().window().bottles().rowCount(), 4); // still shown
    EXPECT_FALSE(stash().window().mixItButton()->isEnabled());
    stash().mixIt();
    EXPECT_EQ(prompts.errors, std::vector<QString>{QStringLiteral(
                                  "Another Ko-Vaq is using the stash: it is open read-only.")});
    // Nor is anything imported: no file is asked for.
    EXPECT_FALSE(
        stash().window().findChild<QPushButton*>(QStringLiteral("ImportCsvButton"))->isEnabled());
    stash().importCsv();
    EXPECT_EQ(prompts.errors.size(), 2u);
    EXPECT_TRUE(prompts.fileDialogFolders.empty());
}

TEST_F(StashTest, UndoInTheStashWindowTakesBackBatchesAndBottlesWithoutConjuringMillilitres) {
    // 30 ml at 10 % Lemon, unsaved (the question answered Yes), from the stash's PG and Lemon.
    typeMix();
    type(T::Flav1Name, QStringLiteral("Lemon"));
    const auto mix = [&] {
        prompts.answers = {Answer::Yes};
        prompts.dialogActions = {[](QDialog&) { return int(QDialog::Accepted); }};
        stash().mixIt();
    };
    const std::int64_t pg = bottles()[2].id;
    stash().showStash();
    StashWindow& win = stash().window();
    const auto undo = [&] {
        // Pressed on the Stash window's list, as the person would after Mix It in the main
        // window.
        QApplication::setActiveWindow(&win);
        win.bottleView()->setFocus();
        QTest::keyClick(win.bottleView(), Qt::Key_Z, Qt::ControlModifier);
    };
    const double pgAtStart = onHand(pg);

    // A rename, Mix It, then Ctrl+Z: the batch goes and gives back, the rename stays.
    BottleModel& model = win.bottles();
    model.setData(model.index(model.rowOf(pg), BottleModel::Name), QStringLiteral("PG USP"),
                  Qt::EditRole);
    mix();
    ASSERT_EQ(stash().store().batches().size(), 1u);
    const double taken = pgAtStart - onHand(pg);
    EXPECT_GT(taken, 0);
    undo();
    EXPECT_TRUE(stash().store().batches().empty());
    EXPECT_DOUBLE_EQ(onHand(pg), pgAtStart);
    // Undo Last Batch has nothing left to give back.
    prompts.clear();
    stash().undoLastBatch();
    EXPECT_DOUBLE_EQ(onHand(pg), pgAtStart);

    // Mix It, Remove Lemon, Ctrl+Z, Undo Last Batch: Lemon gets its 3 ml back too.
    mix();
    EXPECT_DOUBLE_EQ(onHand(lemon), 9);
    win.removeRequested(lemon);
    EXPECT_EQ(onHand(lemon), -1);
    undo();
    prompts.clear();
    prompts.answers = {Answer::Yes};
    stash().undoLastBatch();
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_DOUBLE_EQ(onHand(lemon), 12);
    EXPECT_DOUBLE_EQ(onHand(pg), pgAtStart);
    // And Ctrl+Z puts the batch back, taking exactly that again.
    undo();
    EXPECT_DOUBLE_EQ(onHand(lemon), 9);
    EXPECT_DOUBLE_EQ(onHand(pg), pgAtStart - taken);
}

TEST_F(StashTest, ADamagedStashOffersANewOneAndAnUnwritableOneOffersToWriteAgain) {
    controller.reset();
    {
        QFile junk(db());
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
        junk.write(QByteArray(8192, 'x'));
    }
    QFile::remove(db() + QStringLiteral("-wal"));
    QFile::remove(db() + QStringLiteral("-shm"));
    const auto restart = [&](StashStore::FolderProbe probe) {
        controller.reset();
        controller = std::make_unique<AppController>(prompts, *store);
        controller->stash().setStorePath(db());
        controller->stash().setStoreProbe(std::move(probe));
        stash().showStash();
    };
    restart(&StashStore::ProbeFolder);
    StashWindow* win = &stash().window();
    auto* startNew = win->findChild<QPushButton*>(QStringLiteral("StartNewStashButton"));
    EXPECT_TRUE(win->problemLine()->text().contains(QStringLiteral("damaged")));
    EXPECT_TRUE(startNew->isVisible());
    prompts.clear();
    prompts.answers = {Answer::Yes};
    QTest::mouseClick(startNew, Qt::LeftButton);
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_FALSE(win->problemLine()->isVisible());
    EXPECT_TRUE(win->mixItButton()->isEnabled());
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("stash.sqlite.damaged-*")}).size(), 1);

    // A folder that takes no file: the bottles shown read only, and written again once it does.
    {
        Bottle b;
        b.name = QStringLiteral("Lemon");
        stash().store().addBottle(b);
    }
    int error = EROFS;
    restart([&](const QString&) { return error; });
    win = &stash().window();
    EXPECT_TRUE(win->problemLine()->text().contains(QStringLiteral("cannot be written")));
    EXPECT_EQ(win->bottles().rowCount(), 1);
    EXPECT_FALSE(win->mixItButton()->isEnabled());
    auto* writeAgain = win->findChild<QPushButton*>(QStringLiteral("WriteAgainButton"));
    EXPECT_TRUE(writeAgain->isVisible());
    error = 0;
    QTest::mouseClick(writeAgain, Qt::LeftButton);
    EXPECT_FALSE(win->problemLine()->isVisible());
    EXPECT_TRUE(win->mixItButton()->isEnabled());
    EXPECT_TRUE(stash().store().writable());
}

TEST_F(StashTest, AnExportThatCannotBeWrittenSaysWhy) {
    const QString path = dir.filePath(QStringLiteral("gone/batches.csv"));
    prompts.fileNames = {path};
    stash().exportCsv();
    EXPECT_EQ(prompts.errors,
              std::vector<QString>{
                  QStringLiteral("Unable to write to %1: No such file or directory.").arg(path)});
}

namespace {

// The open editor of the bottle list, if any.
QWidget* openEditor(StashWindow& win) {
    return win.bottleView()->indexWidget(win.bottleView()->currentIndex());
}

// The bottle of the list's current cell.
std::int64_t currentBottle(StashWindow& win) {
    auto* proxy = static_cast<QSortFilterProxyModel*>(win.bottleView()->model());
    return win.bottles().bottleAt(proxy->mapToSource(win.bottleView()->currentIndex()).row()).id;
}

} // namespace

TEST_F(StashTest, RowsStayUnderTheCursorWhileEditedAndTabWalksTheCells) {
    stash().showStash();
    StashWindow& win = stash().window();
    QApplication::setActiveWindow(&win);
    QTableView* view = win.bottleView();
    auto* proxy = static_cast<QSortFilterProxyModel*>(view->model());
    // The lemon's kind changed to VG: the row keeps its place while the next cells are typed.
    const QModelIndex kind =
        proxy->mapFromSource(win.bottles().index(win.bottles().rowOf(lemon), BottleModel::Kind));
    const int row = kind.row();
    view->setFocus();
    view->setCurrentIndex(kind);
    view->edit(kind);
    auto* box = qobject_cast<QComboBox*>(openEditor(win));
    ASSERT_TRUE(box);
    box->setCurrentIndex(box->findData(static_cast<int>(BottleKind::VG)));
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(currentBottle(win), lemon);
    EXPECT_EQ(view->currentIndex().row(), row);
    for (const char* typed : {"Lemon Drop", "TPA", "9"}) {
        QWidget* editor = openEditor(win);
        ASSERT_TRUE(editor) << typed;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, QString::fromUtf8(typed));
        QTest::keyClick(editor, Qt::Key_Tab);
        EXPECT_EQ(currentBottle(win), lemon) << typed;
        EXPECT_EQ(view->currentIndex().row(), row) << typed;
    }
    QTest::keyClick(openEditor(win), Qt::Key_Escape);
    QApplication::processEvents();
    // Editing over, the order is put right and the cursor went with the bottle.
    EXPECT_EQ(currentBottle(win), lemon);
    for (const Bottle& b : bottles())
        if (b.id == lemon) {
            EXPECT_EQ(b.kind, BottleKind::VG);
            EXPECT_EQ(b.name, QStringLiteral("Lemon Drop"));
            EXPECT_EQ(b.maker, QStringLiteral("TPA"));
            EXPECT_DOUBLE_EQ(b.onHand, 9);
        }
    for (int r = 1; r < proxy->rowCount(); ++r)
        EXPECT_LE(proxy->index(r - 1, BottleModel::Kind).data(Qt::UserRole).toInt(),
                  proxy->index(r, BottleModel::Kind).data(Qt::UserRole).toInt());

    // Typing on a cell opens it with what was typed.
    view->setFocus();
    view->setCurrentIndex(proxy->index(0, BottleModel::Maker));
    QTest::keyClick(view, Qt::Key_Z);
    ASSERT_TRUE(openEditor(win));
    EXPECT_EQ(qobject_cast<QLineEdit*>(openEditor(win))->text(), QStringLiteral("z"));
    QTest::keyClick(openEditor(win), Qt::Key_Escape);
    // Tab leaves the table after its last cell, Shift+Tab before its first.
    view->setFocus();
    view->setCurrentIndex(proxy->index(proxy->rowCount() - 1, BottleModel::Columns - 1));
    QTest::keyClick(view, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_FALSE(view->isAncestorOf(QApplication::focusWidget()) ||
                 QApplication::focusWidget() == view);
    view->setFocus();
    view->setCurrentIndex(proxy->index(0, 0));
    QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_NE(QApplication::focusWidget(), view);
}

TEST_F(StashTest, AddTakesTheKindFromTheNameNotFromTheSelectedRow) {
    stash().showStash();
    StashWindow& win = stash().window();
    EXPECT_FALSE(win.findChild<QLabel*>(QStringLiteral("EmptyStashHint"))->isVisible());
    struct Case {
        const char* name;
        BottleKind kind;
        double strength;
    };
    for (const Case& c :
         {Case{"VG", BottleKind::VG, 0}, Case{"PG", BottleKind::PG, 0},
          Case{"Nic 48 mg", BottleKind::NicotineBase, 48}, Case{"Mango", BottleKind::Flavour, 0}}) {
        SCOPED_TRACE(c.name);
        win.selectBottle(base); // a row of another kind is selected
        QTest::mouseClick(win.findChild<QPushButton*>(QStringLiteral("AddBottleButton")),
                          Qt::LeftButton);
        QWidget* editor = openEditor(win);
        ASSERT_TRUE(editor);
        QTest::keyClicks(editor, QString::fromUtf8(c.name));
        QTest::keyClick(editor, Qt::Key_Tab);
        // On to the next cell, open, on the same bottle.
        ASSERT_TRUE(openEditor(win));
        EXPECT_EQ(win.bottleView()->currentIndex().column(), BottleModel::Maker);
        const Bottle added = win.bottles().bottleAt(win.bottles().rowOf(currentBottle(win)));
        EXPECT_EQ(added.name, QString::fromUtf8(c.name));
        EXPECT_EQ(added.kind, c.kind);
        EXPECT_DOUBLE_EQ(added.strength, c.strength);
        QTest::keyClick(openEditor(win), Qt::Key_Escape);
    }
    // The ratio list offers one "none".
    QTableView* view = win.bottleView();
    const QModelIndex ratio = view->model()->index(0, BottleModel::Ratio);
    view->setCurrentIndex(ratio);
    view->edit(ratio);
    auto* box = qobject_cast<QComboBox*>(openEditor(win));
    ASSERT_TRUE(box);
    int nones = 0;
    for (int i = 0; i < box->count(); ++i)
        nones += box->itemText(i).contains(QStringLiteral("none"), Qt::CaseInsensitive);
    EXPECT_EQ(nones, 1);
}

TEST_F(StashTest, TheNameListFollowsTheStashAndShowsTheMaker) {
    stash().showStash();
    StashWindow& win = stash().window();
    QTest::mouseClick(win.findChild<QPushButton*>(QStringLiteral("AddBottleButton")),
                      Qt::LeftButton);
    QTest::keyClicks(openEditor(win), QStringLiteral("Mango"));
    QTest::keyClick(openEditor(win), Qt::Key_Tab);
    QTest::keyClicks(openEditor(win), QStringLiteral("Capella Flavors Inc"));
    QTest::keyClick(openEditor(win), Qt::Key_Return);
    QApplication::processEvents(); // the editor hands its text on once back in the loop
    QCompleter* completer = w().field(T::Flav1Name)->completer();
    ASSERT_TRUE(completer);
    QStringList shown;
    QAbstractItemModel* names = completer->model();
    for (int r = 0; r < names->rowCount(); ++r)
        shown << names->index(r, 0).data().toString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Mango — Capella Flavors Inc")));
    EXPECT_GE(completer->popup()->minimumWidth(),
              completer->popup()->fontMetrics().horizontalAdvance(
                  QStringLiteral("Mango — Capella Flavors Inc")));
}

TEST_F(StashTest, BatchCommandsWaitForABatchAndABaseOfAnotherStrengthIsSaid) {
    stash().showBatches();
    StashWindow& win = stash().window();
    auto* undo = win.findChild<QPushButton*>(QStringLiteral("UndoBatchButton"));
    auto* csv = win.findChild<QPushButton*>(QStringLiteral("ExportBatchesButton"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(csv->isEnabled());
    typeMix();
    prompts.answers = {Answer::Yes, Answer::Yes};
    stash().mixIt();
    ASSERT_EQ(win.batches().rowCount(), 1);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(csv->isEnabled());

    type(T::NicBaseName, QStringLiteral("Salt 36"));
    type(T::BaseNicStrength, QStringLiteral("48"));
    type(T::MixStrength, QStringLiteral("3"));
    stash().showStash();
    EXPECT_TRUE(win.needsLine()->text().contains(
        QStringLiteral("The stash's base is 36 mg; this mix is worked out for 48 mg.")))
        << win.needsLine()->text().toStdString();
}

TEST_F(StashTest, TheLabelPrintsOnThePageChosenThroughThePrintDialogAndSaysNicotine) {
    typeMix();
    type(T::NicBaseName, QStringLiteral("Salt 36"));
    type(T::BaseNicStrength, QStringLiteral("36"));
    type(T::MixStrength, QStringLiteral("3"));
    prompts.answers = {Answer::Yes, Answer::Yes};
    stash().mixIt();
    const std::vector<Batch> batches = stash().store().batches();
    ASSERT_EQ(batches.size(), 1u);
    // The print dialog puts its own page on the printer, as Qt's does, and prints to a file.
    const QString pdf = dir.filePath(QStringLiteral("chosen.pdf"));
    prompts.onChoosePrinter = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
    };
    for (const bool nicotine : {true, false}) {
        SCOPED_TRACE(nicotine);
        QStringList printed;
        int previewWidth = 0;
        prompts.dialogActions = {[&](QDialog& d) {
            auto& dialog = static_cast<LabelDialog&>(d);
            dialog.sizeBox()->setCurrentIndex(1); // 70 x 40 mm
            dialog.nicotineBox()->setChecked(nicotine);
            for (int i = 0; i < dialog.label().LineCount(); ++i)
                printed << dialog.label().LineText(i);
            const QPixmap shown = dialog.previewLabel()->pixmap();
            previewWidth = static_cast<int>(shown.width() / shown.devicePixelRatio());
            return int(QDialog::Accepted);
        }};
        QFile::remove(pdf);
        stash().printLabel(batches[0].id);
        EXPECT_TRUE(prompts.errors.empty());
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                .match(QString::fromLatin1(file.readAll()));
        ASSERT_TRUE(box.hasMatch());
        EXPECT_NEAR(box.captured(1).toDouble(), 70 / 25.4 * 72, 1);
        EXPECT_NEAR(box.captured(2).toDouble(), 40 / 25.4 * 72, 1);
        EXPECT_EQ(printed.contains(QStringLiteral("Contains nicotine")), nicotine);
        EXPECT_EQ(controller->settings().LabelNicotineWarning, nicotine);
        // Twice its printed size on the screen: its smallest text can be read.
        EXPECT_GE(previewWidth, 2 * 70 / 25.4 * 96 * 0.9);
    }
}

TEST_F(StashTest, ImportCsvShowsWhatItWillDoAndUndoesAsOneStep) {
    stash().showStash();
    StashWindow& win = stash().window();
    const QString csv = dir.filePath(QStringLiteral("stash.csv"));
    {
        QFile f(csv);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("name,kind,on_hand_ml,price,colour\n"
                "Lemon,flavour,20,4.5,yellow\n"
                "VG Kosher,vg,500,6,\n"
                "Fizz,soda,1,1,\n"
                ",flavour,3,1,\n");
    }
    prompts.fileNames = {csv};
    QStringList shown;
    bool importable = false;
    prompts.dialogActions = {[&](QDialog& d) {
        auto& dialog = static_cast<StashImportDialog&>(d);
        QTreeWidget* list = dialog.list();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            shown << item->text(StashImportDialog::Line) + QLatin1Char(' ') +
                         item->text(StashImportDialog::What) + QLatin1Char(' ') +
                         item->text(StashImportDialog::Name) + QLatin1Char(' ') +
                         item->text(StashImportDialog::Details);
        }
        importable = dialog.importButton()->isEnabled();
        return int(QDialog::Accepted);
    }};
    QTest::mouseClick(win.findChild<QPushButton*>(QStringLiteral("ImportCsvButton")),
                      Qt::LeftButton);
    ASSERT_EQ(shown.size(), 4) << shown.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(shown[0], QStringLiteral("2 Update Lemon ml on hand: 12 → 20, price: 4.2 → 4.5"));
    EXPECT_EQ(shown[1], QStringLiteral("3 Add VG Kosher 500 ml on hand"));
    EXPECT_TRUE(shown[2].startsWith(QStringLiteral("4 Refused  The kind \"soda\"")));
    EXPECT_EQ(shown[3], QStringLiteral("5 Refused  A flavour needs a name."));
    EXPECT_TRUE(importable);
    EXPECT_TRUE(prompts.errors.empty());
    ASSERT_EQ(bottles().size(), 5u);
    EXPECT_DOUBLE_EQ(onHand(lemon), 20);
    EXPECT_EQ(win.bottles().rowCount(), 5);

    // One Ctrl+Z takes it all back.
    QApplication::setActiveWindow(&win);
    win.bottleView()->setFocus();
    QTest::keyClick(win.bottleView(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(bottles().size(), 4u);
    EXPECT_DOUBLE_EQ(onHand(lemon), 12);
    for (const Bottle& b : bottles()) {
        if (b.id == lemon) {
            EXPECT_DOUBLE_EQ(b.price, 4.2);
        }
    }
}

TEST_F(StashTest, TheFlavoursTabShowsWhatYourRecipesSayAndKeepsYourNotesUndoably) {
    writeRecipes();
    stash().showStash();
    StashWindow& win = stash().window();
    win.showFlavours();
    FlavourModel& model = win.flavours();
    ASSERT_EVENTUALLY(model.rowCount() == 1 && model.rowAt(0).figures.recipes == 3);
    QStringList row;
    for (int c = FlavourModel::Name; c <= FlavourModel::OnHand; ++c)
        row << model.index(0, c).data().toString();
    EXPECT_EQ(row, (QStringList{"Lemon", "3", "2", "4", "6", "12"}));

    // Rating, preferred share (a comma is the point) and notes, kept in the stash.
    model.setData(model.index(0, FlavourModel::Rating), 4, Qt::EditRole);
    model.setData(model.index(0, FlavourModel::Preferred), QStringLiteral("3,5"), Qt::EditRole);
    model.setData(model.index(0, FlavourModel::Notes), QStringLiteral("zesty"), Qt::EditRole);
    const auto note = stash().store().flavourNote(QStringLiteral("LEMON"));
    ASSERT_TRUE(note);
    EXPECT_EQ(note->rating, 4);
    EXPECT_EQ(note->share, 3.5);
    EXPECT_EQ(note->notes, QStringLiteral("zesty"));
    EXPECT_EQ(model.index(0, FlavourModel::Preferred).data().toString(), QStringLiteral("3.5"));
    // A share beyond 100 % is refused, and said.
    model.setData(model.index(0, FlavourModel::Preferred), QStringLiteral("150"), Qt::EditRole);
    EXPECT_EQ(prompts.errors, std::vector<QString>{QStringLiteral(
                                  "A preferred share is more than 0 and at most 100 %.")});
    EXPECT_EQ(stash().store().flavourNote(QStringLiteral("Lemon"))->share, 3.5);
    // Each edit is a step on the window's undo stack.
    QApplication::setActiveWindow(&win);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&win, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(stash().store().flavourNotes().empty());
    EXPECT_TRUE(model.index(0, FlavourModel::Rating).data().toString().isEmpty());
}

TEST_F(StashTest, TheShareFieldTellsWhatYourRecipesSayOfItsFlavour) {
    writeRecipes();
    const QRect shareAt = w().field(T::PctFlav1)->geometry();
    type(T::Flav1Name, QStringLiteral("LEMON"));
    w().field(T::PctFlav1)->setFocus();
    type(T::PctFlav1, QStringLiteral("3"));
    EXPECT_EVENTUALLY(w().field(T::PctFlav1)->toolTip() ==
                      QString::fromUtf8("Lemon: in 3 of your recipes, 2\u20136 %, usually 4 %"));
    EXPECT_EQ(w().field(T::PctFlav1)->geometry(), shareAt);
    // A flavour none of the recipes uses has no tip.
    type(T::Flav2Name, QStringLiteral("Mango"));
    EXPECT_TRUE(w().field(T::PctFlav2)->toolTip().isEmpty());
    // The Recipes window opened after lists the recipes already read for the tip.
    controller->recipes().show();
    EXPECT_EVENTUALLY(controller->recipes().window().model().rowCount() == 3);
}

TEST_F(StashTest, AddOffersTheKindsBesideTheNameAndAKindPickedOutranksTheName) {
    stash().showStash();
    StashWindow& win = stash().window();
    QApplication::setActiveWindow(&win);
    QTableView* view = win.bottleView();
    QTest::mouseClick(win.findChild<QPushButton*>(QStringLiteral("AddBottleButton")),
                      Qt::LeftButton);
    QWidget* name = openEditor(win);
    ASSERT_TRUE(name);
    const QModelIndex kindCell = view->currentIndex().siblingAtColumn(BottleModel::Kind);
    auto* kinds = qobject_cast<QComboBox*>(view->indexWidget(kindCell));
    ASSERT_TRUE(kinds);
    EXPECT_TRUE(kinds->isVisible());
    const int vodka = kinds->findData(static_cast<int>(BottleKind::VodkaWater));
    kinds->setCurrentIndex(vodka);
    Q_EMIT kinds->activated(vodka);
    QTest::keyClicks(name, QStringLiteral("PG free thinner"));
    QTest::keyClick(name, Qt::Key_Tab);
    QApplication::processEvents();
    const Bottle added = win.bottles().bottleAt(win.bottles().rowOf(currentBottle(win)));
    EXPECT_EQ(added.name, QStringLiteral("PG free thinner"));
    EXPECT_EQ(added.kind, BottleKind::VodkaWater);
    // Picked, the list has done its work.
    EXPECT_FALSE(view->indexWidget(view->currentIndex().siblingAtColumn(BottleModel::Kind)));
}
