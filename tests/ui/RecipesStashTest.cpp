// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The Recipes window beside the stash: what can be made, following every change of the
// bottles; the bottles one short of more recipes; the shopping list, copied, saved and
// printed; and the list's own columns, order and size kept between runs.
#include "AppFixture.h"
#include "Eventually.h"
#include "FakePrompts.h"
#include "FileAccess.h"
#include "RecipeFile.h"
#include "RecipeLibrary.h"
#include "RecipeListModel.h"
#include "RecipesController.h"
#include "RecipesWindow.h"
#include "ShoppingWindow.h"
#include "StashController.h"
#include "StashModels.h"
#include "StashStore.h"
#include "StashWindow.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace kovaq;
using T = TextField;

namespace {

class RecipesStashTest : public test::AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        folder = dir.filePath(QStringLiteral("mixes"));
        QDir().mkpath(folder);
        recipe("tart.mix", "Lemon Tart", {{"Lemon", "10"}}, "4");
        recipe("pie.mix", "Cream Pie", {{"Cream", "5"}});
        recipe("puff.mix", "Cream Puff", {{"Cream", "3"}});
        {
            StashStore s(db());
            ASSERT_EQ(s.open(), StashStore::State::ReadWrite);
            lemon = bottle(s, BottleKind::Flavour, "Lemon", 1.5, 10, 4.2);
            bottle(s, BottleKind::PG, "PG", 400, 500, 9);
            bottle(s, BottleKind::VG, "VG", 900, 1000, 11);
        }
        store->setValue("RecipeFolders", QStringList{folder});
        startHere();
    }
    void startHere() {
        start([this](AppController& app) {
            app.stash().setStorePath(db());
            app.recipes().setIndexFile(dir.filePath(QStringLiteral("index")));
        });
    }
    // 30 ml of flavours at their shares; a flavour's price (for 10 ml) when given.
    void recipe(const char* file, const char* name,
                std::vector<std::pair<const char*, const char*>> flavours,
                const char* price = nullptr) {
        MixRecipe r = FreshMix();
        r.Name = name;
        r[T::MixQty] = "30";
        const T fields[][4] = {{T::Flav1Name, T::PctFlav1, T::Flav1Cost, T::Flav1Qty}};
        for (std::size_t i = 0; i < flavours.size() && i < std::size(fields); ++i) {
            r[fields[i][0]] = flavours[i].first;
            r[fields[i][1]] = flavours[i].second;
            if (price) {
                r[fields[i][2]] = price;
                r[fields[i][3]] = "10";
            }
        }
        EXPECT_TRUE(
            WriteRecipe((folder + QLatin1Char('/') + QLatin1String(file)).toStdString(), r));
    }
    static std::int64_t bottle(StashStore& s, BottleKind kind, const char* name, double onHand,
                               double size, double price) {
        Bottle b;
        b.kind = kind;
        b.name = QString::fromUtf8(name);
        b.onHand = onHand;
        b.size = size;
        b.price = price;
        s.addBottle(b);
        return b.id;
    }
    QString db() const { return dir.filePath(QStringLiteral("stash.sqlite")); }
    RecipesWindow& recipes() { return controller->recipes().window(); }
    RecipeListModel& model() { return recipes().model(); }
    QString cell(const char* name, int column) {
        for (int r = 0; r < model().rowCount(); ++r)
            if (model().rowAt(r).name() == name)
                return model().index(r, column).data().toString();
        return QStringLiteral("(not listed)");
    }
    QString canMake(const char* name) { return cell(name, RecipeListModel::CanMake); }
    // Shown, read, and what each recipe takes from the stash known.
    void showRead() {
        controller->recipes().show();
        ASSERT_EVENTUALLY(!controller->recipes().library().reading() && model().rowCount() == 3 &&
                          !controller->recipes().needsPending() &&
                          !canMake("Cream Puff").isEmpty());
    }
    QPushButton* button(QWidget& in, const char* name) {
        return in.findChild<QPushButton*>(QLatin1String(name));
    }
    static QStringList rowTexts(const QTableWidget& t, int row) {
        QStringList out;
        for (int c = 0; c < t.columnCount(); ++c)
            out << (t.item(row, c) ? t.item(row, c)->text() : QString());
        return out;
    }

    QString folder;
    std::int64_t lemon = 0;
};

} // namespace

TEST_F(RecipesStashTest, CanMakeFollowsEveryChangeOfTheStash) {
    showRead();
    EXPECT_EQ(canMake("Lemon Tart"), QStringLiteral("up to 15 ml"));
    EXPECT_EQ(canMake("Cream Pie"), QStringLiteral("needs Cream"));
    recipes().onlyMakeable()->setChecked(true);
    EXPECT_EQ(model().rowCount(), 0);

    // The lemon's bottle filled in the Stash window: the row follows at once, and undo
    // takes it back.
    controller->stash().showStash();
    StashWindow& stash = controller->stash().window();
    BottleModel& bottles = stash.bottles();
    bottles.setData(bottles.index(bottles.rowOf(lemon), BottleModel::OnHand), QStringLiteral("12"),
                    Qt::EditRole);
    ASSERT_EQ(model().rowCount(), 1);
    EXPECT_EQ(canMake("Lemon Tart"), QString::fromUtf8("✓ 120 ml"));
    QApplication::setActiveWindow(&stash);
    QTest::keyClick(&stash, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model().rowCount(), 0);
    // A recipe saved into the folder by anything is judged as it comes.
    recipe("sorbet.mix", "Lemon Sorbet", {{"Lemon", "4"}});
    ASSERT_EVENTUALLY(model().rowCount() == 1);
    EXPECT_EQ(canMake("Lemon Sorbet"), QString::fromUtf8("✓ 37 ml"));

    // By the column: what can be made, then what can be made in part, then what lacks a bottle.
    recipes().onlyMakeable()->setChecked(false);
    recipes().list()->sortByColumn(RecipeListModel::CanMake, Qt::AscendingOrder);
    EXPECT_EQ(model().rowAt(0).name(), "Lemon Sorbet");
    EXPECT_EQ(model().rowAt(1).name(), "Lemon Tart");
    recipes().list()->sortByColumn(RecipeListModel::CanMake, Qt::DescendingOrder);
    EXPECT_EQ(model().rowAt(3).name(), "Lemon Sorbet");
}

TEST_F(RecipesStashTest, OneBottleAwayListsTheBottlesThatMakeTheMostPossible) {
    showRead();
    button(recipes(), "OneBottleAwayButton")->click();
    OneBottleAwayDialog* dialog = controller->recipes().oneBottleAway();
    ASSERT_TRUE(dialog && dialog->isVisible());
    const QTableWidget& t = *dialog->table();
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(rowTexts(t, 0).mid(0, 2), (QStringList{"Cream", "2"}));
    EXPECT_EQ(rowTexts(t, 1), (QStringList{"Lemon", "1", "1.5"}));
    EXPECT_TRUE(t.item(0, 1)->toolTip().contains(QStringLiteral("Cream Puff")));
}

TEST_F(RecipesStashTest, AShoppingListIsListedCopiedSavedAndPrinted) {
    showRead();
    recipes().selectPath(folder + QStringLiteral("/tart.mix"));
    button(recipes(), "AddToShoppingButton")->click();
    ShoppingWindow& shop = controller->recipes().shoppingWindow();
    ASSERT_TRUE(shop.isVisible());
    ASSERT_EQ(shop.orders()->rowCount(), 1);
    auto* amount = qobject_cast<QDoubleSpinBox*>(shop.orders()->cellWidget(0, 1));
    ASSERT_TRUE(amount);
    EXPECT_DOUBLE_EQ(amount->value(), 30);
    ASSERT_EQ(shop.items()->rowCount(), 1);
    EXPECT_EQ(
        rowTexts(*shop.items(), 0),
        (QStringList{"Lemon", "1.5", "3", "1.5", QString::fromUtf8("1 × 10 ml"), "4.2", "4.2"}));
    // Twice as much: 4.5 ml short, still one bottle of 10 ml.
    amount->setValue(60);
    EXPECT_EQ(shop.items()->item(0, 1)->text(), QStringLiteral("4.5"));

    button(shop, "ShoppingCopyButton")->click();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Lemon: 4.5 ml")));

    const QString csv = dir.filePath(QStringLiteral("buy"));
    prompts.fileNames.push_back(csv);
    button(shop, "ShoppingSaveButton")->click();
    QFile saved(csv + QStringLiteral(".csv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("\r\nLemon,6,1.5,4.5,10,1,4.2,4.2\r\n"));

    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    prompts.onChoosePrinter = [&pdf](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
    };
    button(shop, "ShoppingPrintButton")->click();
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(prompts.errors.empty());

    // Taken off the list: nothing left to buy.
    shop.orders()->selectRow(0);
    button(shop, "ShoppingRemoveButton")->click();
    EXPECT_EQ(shop.items()->rowCount(), 0);
    // A tool window as the others: Escape closes it.
    QApplication::setActiveWindow(&shop);
    QTest::keyClick(shop.focusWidget() ? shop.focusWidget() : &shop, Qt::Key_Escape);
    EXPECT_FALSE(shop.isVisible());
}

TEST_F(RecipesStashTest, TheListIsWideItsOrderAndSizeAreKeptAndUnpricedGoLast) {
    showRead();
    QTableView& list = *recipes().list();
    QHeaderView& header = *list.horizontalHeader();
    for (int c = 0; c < RecipeListModel::Columns; ++c)
        EXPECT_GE(header.sectionSize(c), header.sectionSizeHint(c)) << c;
    // The room there is goes to the flavours.
    recipes().resize(1300, recipes().height());
    QApplication::processEvents();
    const int flavours = header.sectionSize(RecipeListModel::Flavours);
    const int modified = header.sectionSize(RecipeListModel::Modified);
    recipes().resize(recipes().width() + 200, recipes().height());
    QApplication::processEvents();
    EXPECT_GE(header.sectionSize(RecipeListModel::Flavours), flavours + 150);
    EXPECT_EQ(header.sectionSize(RecipeListModel::Modified), modified);

    // No price: "—", after the priced in either order.
    EXPECT_EQ(cell("Cream Pie", RecipeListModel::Cost), QString::fromUtf8("—"));
    list.sortByColumn(RecipeListModel::Cost, Qt::AscendingOrder);
    EXPECT_EQ(model().rowAt(0).name(), "Lemon Tart");
    list.sortByColumn(RecipeListModel::Cost, Qt::DescendingOrder);
    EXPECT_EQ(model().rowAt(0).name(), "Lemon Tart");

    // Kept: the widths, the order and the window's place, read again at the next start.
    header.resizeSection(RecipeListModel::Name, 231);
    w().close();
    EXPECT_TRUE(store->value("RecipesColumns").toString().startsWith(QStringLiteral("231 ")));
    EXPECT_EQ(store->value("RecipesSort").toString(), QStringLiteral("5 desc"));
    EXPECT_FALSE(store->value("RecipesPlace").toString().isEmpty());
    controller.reset();
    startHere();
    EXPECT_EQ(recipes().list()->columnWidth(RecipeListModel::Name), 231);
    EXPECT_EQ(model().sortColumn(), RecipeListModel::Cost);
}

TEST_F(RecipesStashTest, ShowInFolderWithoutAFileManagerSaysWhereTheRecipeIs) {
    showRead();
    recipes().selectPath(folder + QStringLiteral("/pie.mix"));
    prompts.urlsOpen = false;
    recipes().showSelectedInFolder();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.contains(QDir::toNativeSeparators(folder)));
}
