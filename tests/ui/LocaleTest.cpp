// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Ko-Vaq where the decimal comma is at home: a comma typed or pasted into any number field
// is the point, and every figure the windows show is written with the point.
#include "AppFixture.h"
#include "Application.h"
#include "Eventually.h"
#include "FlavourModel.h"
#include "ShotsWindow.h"
#include "StashController.h"
#include "StashModels.h"
#include "StashWindow.h"
#include "WeightsWindow.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <clocale>
#include <functional>
#include <iostream>
#include <memory>

using namespace kovaq;
using T = TextField;

namespace {

class LocaleTest : public test::AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        {
            StashStore s(db());
            ASSERT_EQ(s.open(), StashStore::State::ReadWrite);
            Bottle b;
            b.kind = BottleKind::NicotineBase;
            b.name = QStringLiteral("Salt 36");
            b.onHand = 80;
            b.size = 100;
            b.price = 12.5;
            b.strength = 36;
            b.gravity = QStringLiteral("1.10");
            s.addBottle(b);
            base = b.id;
        }
        start([this](AppController& app) { app.stash().setStorePath(db()); });
    }
    QString db() const { return dir.filePath(QStringLiteral("stash.sqlite")); }
    Bottle bottle() {
        for (const Bottle& b : controller->stash().store().bottles())
            if (b.id == base)
                return b;
        return {};
    }

    std::int64_t base = 0;
};

// What the field's own menu pastes, as a right-click and Paste would.
void pasteByMenu(QLineEdit* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    field->setFocus();
    field->selectAll();
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        for (QAction* a : menu->actions())
            if (a->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Paste")))
                a->trigger();
        menu->close();
    });
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(2, 2),
                           field->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(field, &menu);
}

void typeOver(QLineEdit* field, const QString& keys) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, keys);
}

} // namespace

TEST_F(LocaleTest, ACommaTypedOrPastedIsThePointInEveryNumberField) {
    ShotsWindow& shots = controller->shotsWindow();
    shots.show();
    WeightsWindow& weights = controller->weightsWindow();
    weights.show();
    QApplication::setActiveWindow(&w());
    struct Field {
        const char* what;
        std::function<QLineEdit*()> field;
        std::function<std::string()> held; // what the window goes on
        const char* comma;
        const char* point;
    };
    const Field fields[] = {
        {"a flavour's share", [&] { return w().field(T::PctFlav1); },
         [&] { return doc().recipe()[T::PctFlav1]; }, "2,5", "2.5"},
        {"a shot's strength", [&] { return shots.field(QStringLiteral("ShotsShotMg")); },
         [&] { return shots.field(QStringLiteral("ShotsShotMg"))->text().toStdString(); }, "4,5",
         "4.5"},
        {"a gravity", [&] { return weights.findChild<QLineEdit*>(QStringLiteral("Gravity_PG")); },
         [&] { return doc().recipe().Gravity[index(GravityKey::PG)]; }, "1,05", "1.05"},
    };
    for (const Field& f : fields) {
        for (const bool pasted : {false, true}) {
            SCOPED_TRACE(std::string(f.what) + (pasted ? ", pasted" : ", typed"));
            typeOver(f.field(), QString());
            if (pasted)
                pasteByMenu(f.field(), QString::fromLatin1(f.comma));
            else
                typeOver(f.field(), QString::fromLatin1(f.comma));
            EXPECT_EQ(f.field()->text(), QString::fromLatin1(f.point));
            EXPECT_EQ(f.held(), f.point);
        }
    }

    // The stash's number cells, typed or pasted (Shift+Insert); a second separator is
    // refused as a second point is, and the cell keeps what it held.
    controller->stash().showStash();
    StashWindow& win = controller->stash().window();
    QApplication::setActiveWindow(&win);
    QTableView* view = win.bottleView();
    auto* proxy = static_cast<QSortFilterProxyModel*>(view->model());
    struct Cell {
        int column;
        std::function<QString(const Bottle&)> held;
    };
    const auto n = [](double v) { return QString::number(v); };
    const Cell cells[] = {
        {BottleModel::OnHand, [&](const Bottle& b) { return n(b.onHand); }},
        {BottleModel::Size, [&](const Bottle& b) { return n(b.size); }},
        {BottleModel::Price, [&](const Bottle& b) { return n(b.price); }},
        {BottleModel::Strength, [&](const Bottle& b) { return n(b.strength); }},
        {BottleModel::Gravity, [](const Bottle& b) { return b.gravity; }},
    };
    struct Entry {
        const char* text;
        bool pasted;
        const char* held; // null: unchanged
    };
    for (const Cell& c : cells)
        for (const Entry& e : {Entry{"1,5", false, "1.5"}, Entry{"1,25\n", true, "1.25"},
                               Entry{"1,234.5", true, nullptr}}) {
            SCOPED_TRACE(std::to_string(c.column) + " " + e.text);
            const QString before = c.held(bottle());
            const QModelIndex cell =
                proxy->mapFromSource(win.bottles().index(win.bottles().rowOf(base), c.column));
            view->setFocus();
            view->setCurrentIndex(cell);
            view->edit(cell);
            auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(cell));
            ASSERT_TRUE(editor);
            editor->selectAll();
            if (e.pasted) {
                QGuiApplication::clipboard()->setText(QString::fromLatin1(e.text));
                QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
            } else {
                QTest::keyClick(editor, Qt::Key_Backspace);
                QTest::keyClicks(editor, QString::fromLatin1(e.text));
            }
            QTest::keyClick(editor, Qt::Key_Return);
            QApplication::processEvents();
            EXPECT_EQ(c.held(bottle()), e.held ? QString::fromLatin1(e.held) : before);
        }
}

TEST(FlavourShare, ACommaTypedOrPastedIsThePoint) {
    // The Flavours tab's preferred share, in the editor its delegate gives the cell.
    QStandardItemModel model(1, FlavourModel::Columns);
    FlavourDelegate delegate;
    QWidget parent;
    std::unique_ptr<QWidget> editor(
        delegate.createEditor(&parent, {}, model.index(0, FlavourModel::Preferred)));
    auto* line = qobject_cast<QLineEdit*>(editor.get());
    ASSERT_TRUE(line);
    QTest::keyClicks(line, QStringLiteral("2,5"));
    EXPECT_EQ(line->text(), QStringLiteral("2.5"));
    line->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("4,25"));
    line->paste();
    EXPECT_EQ(line->text(), QStringLiteral("4.25"));
}

TEST_F(LocaleTest, EveryFigureShowsThePointOnAGermanDesktop) {
    // The desktop's language as Qt hands it to the C library at the start, then the
    // program's own set-up.
    const QLocale saved;
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    if (!german)
        std::cerr << "de_DE.UTF-8 is not installed: the C library's part goes untested\n";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ConfigureApplication(*qApp);

    // The first worked example: 30 ml at 12 mg from a 36 mg 50-50 base, 70-30, F1 10 % PG.
    doc().selectRatio(RatioField::BaseNicPGVG, 5);
    doc().selectRatio(RatioField::MixNicPGVG, 3);
    for (std::size_t i = 0; i < RatioFieldCount; ++i)
        doc().setPgPercentFromChoice(ratioFieldAt(i));
    doc().refreshRatioTexts();
    for (const auto& [field, keys] : {std::pair{T::BaseNicStrength, "36"},
                                      {T::MixStrength, "12"},
                                      {T::PctFlav1, "10"},
                                      {T::MixQty, "30"}})
        typeOver(w().field(field), QString::fromLatin1(keys));
    WeightsWindow& weights = controller->weightsWindow();
    weights.show();
    ShotsWindow& shots = controller->shotsWindow();
    shots.show();

    QStringList shown;
    for (QWidget* window : {static_cast<QWidget*>(&weights), static_cast<QWidget*>(&shots)}) {
        for (const QLabel* l : window->findChildren<QLabel*>())
            shown << l->text();
        for (const QLineEdit* e : window->findChildren<QLineEdit*>())
            shown << e->text() << e->placeholderText();
    }
    for (int page = 0; page < 3; ++page)
        shown << shots.lines(page);
    const QRegularExpression comma(QStringLiteral("\\d,\\d"));
    for (const QString& text : shown)
        EXPECT_FALSE(comma.match(text).hasMatch()) << text.toStdString();
    EXPECT_EQ(weights.gramsLabel(SlotId::NicBase)->text(), QStringLiteral("11.44"));
    EXPECT_TRUE(shots.lines(0).join(QLatin1Char(' ')).contains(QStringLiteral(" g)")));

    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(saved);
}
