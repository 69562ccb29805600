// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Every caption, button, choice and column title shows whole in its place, in every
// language Ko-Vaq speaks: the windows keep their geometry, so a translation too long for
// its place must be shortened by its translator, never cut by the program.

#include "AppFixture.h"
#include "Dialogs.h"
#include "Language.h"
#include "ModalWatchdog.h"
#include "PasteRecipeDialog.h"
#include "PrintOptionsDialog.h"
#include "RecipesController.h"
#include "RecipesWindow.h"
#include "ShareController.h"
#include "ShoppingWindow.h"
#include "ShotsWindow.h"
#include "StashController.h"
#include "StashDialogs.h"
#include "StashImportDialog.h"
#include "StashWindow.h"
#include "WeightsWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace kovaq::test {
namespace {

// The text as it is drawn: without the mark of its shortcut.
QString shown(QString text) {
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int widest(const QFontMetrics& fm, const QString& text) {
    int most = 0;
    for (const QString& line : shown(text).split(QLatin1Char('\n')))
        most = std::max(most, fm.horizontalAdvance(line));
    return most;
}

// Whether a widget shows: visible and not inside a widget that is cut to nothing.
bool onScreen(const QWidget* w) {
    return w->isVisible() && w->width() > 0 && w->height() > 0;
}

// What does not fit in one window, as "name 'text': needs N px, has M".
QStringList cutTexts(QWidget& window) {
    // Laid out as the person sees it, not as it stood before its first show.
    QApplication::processEvents();
    QStringList cut;
    const auto report = [&cut](const QWidget* w, const QString& text, int need, int room) {
        // A pixel of rounding is not a cut letter.
        if (need > room + 1)
            cut << QStringLiteral("%1 %2 '%3': needs %4 px, has %5")
                       .arg(w->window()->objectName(), w->objectName(), shown(text))
                       .arg(need)
                       .arg(room);
    };
    for (const QLabel* l : window.findChildren<QLabel*>()) {
        if (!onScreen(l) || l->wordWrap() || l->text().isEmpty() || !l->pixmap().isNull() ||
            l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text()))
            continue;
        report(l, l->text(), widest(l->fontMetrics(), l->text()),
               l->contentsRect().width() - 2 * l->margin() - l->indent());
    }
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        if (!onScreen(b) || b->text().isEmpty() || qobject_cast<const QToolButton*>(b))
            continue;
        int need = 0;
        if (qobject_cast<const QCheckBox*>(b) || qobject_cast<const QRadioButton*>(b)) {
            // The box or the circle, its gap, and the text.
            const bool check = qobject_cast<const QCheckBox*>(b) != nullptr;
            QStyleOptionButton o;
            o.initFrom(b);
            const QStyle* s = b->style();
            need =
                s->pixelMetric(
                    check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, &o, b) +
                s->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing
                                     : QStyle::PM_RadioButtonLabelSpacing,
                               &o, b) +
                widest(b->fontMetrics(), b->text());
        } else {
            need = widest(b->fontMetrics(), b->text()) +
                   (b->icon().isNull() ? 0 : b->iconSize().width() + 4);
        }
        report(b, b->text(), need, b->width());
    }
    for (const QGroupBox* g : window.findChildren<QGroupBox*>()) {
        if (!onScreen(g) || g->title().isEmpty())
            continue;
        report(g, g->title(), widest(g->fontMetrics(), g->title()), g->width() - 8);
    }
    for (const QTabBar* t : window.findChildren<QTabBar*>()) {
        if (!onScreen(t))
            continue;
        for (int i = 0; i < t->count(); ++i)
            report(t, t->tabText(i), widest(t->fontMetrics(), t->tabText(i)),
                   t->tabRect(i).width() - 4);
    }
    for (const QHeaderView* h : window.findChildren<QHeaderView*>()) {
        if (!onScreen(h) || h->orientation() != Qt::Horizontal || !h->model())
            continue;
        for (int i = 0; i < h->count(); ++i) {
            if (h->isSectionHidden(i) || h->sectionSize(i) == 0)
                continue;
            // The title with the style's margins and, where the list sorts, its arrow.
            report(h, h->model()->headerData(i, Qt::Horizontal).toString(), h->sectionSizeHint(i),
                   h->sectionSize(i));
        }
    }
    return cut;
}

class TextFitTest : public AppTest, public ::testing::WithParamInterface<QString> {
  protected:
    void TearDown() override {
        InstallTranslations(QString());
        AppTest::TearDown();
    }
};

TEST_P(TextFitTest, EveryWindowsTextsShowWhole) {
    if (GetParam() != QStringLiteral("en")) {
        ASSERT_TRUE(InstallTranslations(GetParam()));
    }
    start();
    QStringList cut = cutTexts(w());
    controller->showWeights();
    cut << cutTexts(controller->weightsWindow());
    controller->showShots();
    cut << cutTexts(controller->shotsWindow());
    controller->stash().showStash();
    // Each tab's lists and buttons show only while the tab is open.
    QTabWidget* stashTabs = controller->stash().window().tabs();
    for (int tab = 0; tab < stashTabs->count(); ++tab) {
        stashTabs->setCurrentIndex(tab);
        cut << cutTexts(controller->stash().window());
    }
    controller->recipes().show();
    cut << cutTexts(controller->recipes().window());
    controller->recipes().showOneBottleAway();
    cut << cutTexts(*controller->recipes().oneBottleAway());
    controller->recipes().oneBottleAway()->hide();
    ShoppingWindow& shop = controller->recipes().shoppingWindow();
    shop.show();
    cut << cutTexts(shop);
    shop.hide();
    // The dialogs, each shown on its own as the program shows it.
    const auto dialog = [&cut](QDialog& d) {
        ExpectedModals().insert(&d);
        d.show();
        cut << cutTexts(d);
        d.hide();
        ExpectedModals().remove(&d);
    };
    dialog(controller->printDialog());
    dialog(controller->stash().mixItDialog());
    dialog(controller->stash().labelDialog());
    dialog(controller->stash().importDialog());
    dialog(controller->share().pasteDialog());
    dialog(controller->welcomeDialog());
    dialog(controller->retainDialog());
    cut.removeDuplicates(); // what the Stash window shares between its tabs, once
    EXPECT_TRUE(cut.isEmpty()) << GetParam().toStdString() << ":\n"
                               << cut.join(QLatin1Char('\n')).toStdString();
}

// Every language Ko-Vaq is made to speak; one that is missing from the program is a failure
// of the test, not a language left out.
INSTANTIATE_TEST_SUITE_P(EveryLanguage, TextFitTest,
                         ::testing::Values(QStringLiteral("en"), QStringLiteral("de"),
                                           QStringLiteral("es"), QStringLiteral("fr"),
                                           QStringLiteral("it"), QStringLiteral("pl")),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             return info.param.toStdString();
                         });

} // namespace
} // namespace kovaq::test
