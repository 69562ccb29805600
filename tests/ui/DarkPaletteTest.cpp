// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Ko-Vaq on a dark desktop: every text it shows stands out from what lies behind it by at
// least WCAG AA's 4.5 to 1; on a light desktop its colours are the ones it always had.
#include "AppFixture.h"
#include "Backdrop.h"
#include "Eventually.h"
#include "ModalWatchdog.h"
#include "PasteRecipeDialog.h"
#include "PrintOptionsDialog.h"
#include "RecipesController.h"
#include "RecipesWindow.h"
#include "ShareController.h"
#include "ShotsWindow.h"
#include "StashController.h"
#include "StashCsv.h"
#include "StashImportDialog.h"
#include "StashWindow.h"
#include "WeightsWindow.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTest>

#include <cmath>

using namespace kovaq;
using T = TextField;

namespace {

double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Adwaita-dark, as the GTK platform theme hands it to Qt.
QPalette darkPalette() {
    const QColor text(0xee, 0xee, 0xee), window(0x35, 0x35, 0x35), base(0x2d, 0x2d, 0x2d);
    QPalette p(text, window, QColor(0x4a, 0x4a, 0x4a), QColor(0x23, 0x23, 0x23),
               QColor(0x2d, 0x2d, 0x2d), text, Qt::white, base, window);
    p.setColor(QPalette::AlternateBase, QColor(0x32, 0x32, 0x32));
    p.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(0x8b, 0x8e, 0x8f));
    p.setColor(QPalette::ToolTipBase, QColor(0x26, 0x26, 0x26));
    p.setColor(QPalette::ToolTipText, text);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x91, 0x94, 0x94));
    return p;
}

Backdrop* backdropOf(const QWidget* w) {
    for (QObject* child : w->children())
        if (auto* picture = dynamic_cast<Backdrop*>(child))
            return picture;
    return nullptr;
}

// What is drawn behind a widget: the nearest filled background at or above it; over the
// main window's picture, its pixels there.
std::vector<QColor> behind(const QWidget* w) {
    for (const QWidget* a = w; a; a = a->parentWidget()) {
        if (a->autoFillBackground())
            return {a->palette().color(a->backgroundRole())};
        if (a != w)
            if (auto* picture = backdropOf(a)) {
                const QRect area(w->mapTo(a, QPoint(0, 0)), w->size());
                const QImage pixels =
                    picture->grab(area.intersected(picture->geometry())).toImage();
                std::vector<QColor> seen;
                for (int y = 0; y < pixels.height(); y += 3)
                    for (int x = 0; x < pixels.width(); x += 3)
                        seen.push_back(pixels.pixelColor(x, y));
                return seen;
            }
        if (a->isWindow())
            return {a->palette().color(a->backgroundRole())};
    }
    return {};
}

struct Shown {
    QString what;
    QColor text;
    std::vector<QColor> background;
};

// Every text a window shows, in its colour and on its background, in an active and an
// inactive window alike.
std::vector<Shown> textsOf(QWidget* window) {
    std::vector<Shown> out;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisible() || !w->isEnabled())
            continue;
        w->ensurePolished();
        const QPalette& p = w->palette();
        const QString name = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
                             w->objectName() + QLatin1Char(' ');
        auto add = [&](const QString& text, QPalette::ColorRole fg, std::vector<QColor> bg) {
            if (text.trimmed().isEmpty())
                return;
            for (auto g : {QPalette::Active, QPalette::Inactive})
                out.push_back({name + text, p.color(g, fg), bg});
        };
        if (auto* l = qobject_cast<QLabel*>(w)) {
            add(l->text(), l->foregroundRole(), behind(l));
            // Words coloured within the text itself.
            static const QRegularExpression coloured(
                QStringLiteral("color:\\s*(#[0-9a-fA-F]{6})[^>]*>([^<]*)"));
            for (auto m = coloured.globalMatch(l->text()); m.hasNext();) {
                const auto match = m.next();
                out.push_back({name + match.captured(2), QColor(match.captured(1)), behind(l)});
            }
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            const bool placeholder = e->text().isEmpty();
            // The desktop's own greyed text in its own fields is the desktop's to choose.
            if (placeholder &&
                p.color(QPalette::Base) == QApplication::palette().color(QPalette::Base))
                continue;
            add(placeholder ? e->placeholderText() : e->text(),
                placeholder ? QPalette::PlaceholderText : QPalette::Text,
                {p.color(QPalette::Base)});
        } else if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable()) {
            add(c->currentText(), QPalette::ButtonText, {p.color(QPalette::Button)});
        } else if (auto* b = qobject_cast<QAbstractButton*>(w);
                   b && (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))) {
            add(b->text(), QPalette::WindowText, behind(b));
            out.push_back({name + QStringLiteral("'s box"),
                           p.color(QPalette::Text),
                           {p.color(QPalette::Base)}});
        } else if (auto* b = qobject_cast<QPushButton*>(w); b && !b->isFlat()) {
            add(b->text(), QPalette::ButtonText, {p.color(QPalette::Button)});
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            QStyleOptionGroupBox option;
            option.initFrom(g);
            const QColor title(
                QRgb(g->style()->styleHint(QStyle::SH_GroupBox_TextLabelColor, &option, g)));
            out.push_back({name + g->title(), title, behind(g)});
        } else if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
            const QAbstractItemModel* m = v->model();
            for (int r = 0; r < std::min(m->rowCount(), 50); ++r)
                for (int col = 0; col < m->columnCount(); ++col) {
                    const QModelIndex i = m->index(r, col);
                    const QVariant fg = i.data(Qt::ForegroundRole);
                    const QVariant bg = i.data(Qt::BackgroundRole);
                    const QColor base = p.color(QPalette::Base);
                    out.push_back({name + i.data().toString(),
                                   fg.isValid() ? fg.value<QColor>() : p.color(QPalette::Text),
                                   {bg.isValid() ? bg.value<QColor>() : base}});
                }
        }
    }
    return out;
}

class DarkPaletteTest : public test::AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        saved = QApplication::palette();
        QApplication::setPalette(darkPalette());
        {
            StashStore s(db());
            ASSERT_EQ(s.open(), StashStore::State::ReadWrite);
            Bottle b;
            b.kind = BottleKind::Flavour;
            b.name = QStringLiteral("Lemon");
            b.onHand = 12;
            b.size = 10;
            s.addBottle(b);
            Batch steeping; // its state shown in the steeping colour
            steeping.mixedAt = QDateTime::currentMSecsSinceEpoch();
            steeping.name = QStringLiteral("Lemon 3 mg");
            SetBatchFigures(steeping, 30, 3, 50, std::nullopt);
            ASSERT_FALSE(s.recordBatch(steeping, {}));
        }
        start([this](AppController& app) {
            app.stash().setStorePath(dir.filePath(QStringLiteral("stash.sqlite")));
        });
    }
    void TearDown() override {
        AppTest::TearDown();
        QApplication::setPalette(saved);
    }
    QString db() const { return dir.filePath(QStringLiteral("stash.sqlite")); }
    void type(T field, const char* keys) {
        w().field(field)->setFocus();
        QTest::keyClicks(w().field(field), QString::fromLatin1(keys));
    }
    // With KOVAQ_SHOTS set, each window checked is kept there as a picture to be looked at.
    void expectReadable(QWidget* window) {
        QApplication::processEvents();
        if (!qEnvironmentVariableIsEmpty("KOVAQ_SHOTS"))
            window->grab().save(QStringLiteral("%1/dark-%2-%3.png")
                                    .arg(qEnvironmentVariable("KOVAQ_SHOTS"), window->objectName())
                                    .arg(++m_shot));
        for (const Shown& s : textsOf(window))
            for (const QColor& bg : s.background)
                EXPECT_GE(contrast(s.text, bg), 4.5)
                    << window->objectName().toStdString() << ": " << s.what.toStdString() << " "
                    << s.text.name().toStdString() << " on " << bg.name().toStdString();
    }

    QPalette saved;
    int m_shot = 0;
};

} // namespace

TEST_F(DarkPaletteTest, EveryWindowIsReadableOnADarkDesktop) {
    // A mix with warnings in red, an amount too small to weigh and nothing priced.
    type(T::BaseNicStrength, "18");
    type(T::MixQty, "30");
    type(T::MixStrength, "24");
    type(T::PctFlav1, "0.1");
    expectReadable(&w());
    // The fields and groups keep their own colours.
    EXPECT_EQ(w().field(T::NicBaseName)->palette().color(QPalette::Base), QColor(205, 245, 183));
    EXPECT_EQ(w().findChild<QGroupBox*>(QStringLiteral("MixingVolumes"))
                  ->palette()
                  .color(QPalette::Window),
              QColor(192, 192, 192));
    w().field(T::MixStrength)->clear();
    type(T::MixStrength, "3");
    expectReadable(&w());

    WeightsWindow& weights = controller->weightsWindow();
    weights.show();
    ASSERT_TRUE(weights.hintsLabel()->isVisible());
    expectReadable(&weights);

    ShotsWindow& shots = controller->shotsWindow();
    shots.show();
    for (int page = 0; page < 3; ++page) {
        shots.setPage(page);
        expectReadable(&shots);
    }
    shots.field(QStringLiteral("ShotsTarget"))->setText(QStringLiteral("30")); // too strong
    shots.setPage(0);
    shots.field(QStringLiteral("ShotsTarget"))->setFocus();
    QTest::keyClick(shots.field(QStringLiteral("ShotsTarget")), Qt::Key_0);
    expectReadable(&shots);

    controller->stash().showStash();
    expectReadable(&controller->stash().window());
    controller->stash().showBatches();
    expectReadable(&controller->stash().window());

    controller->recipes().show();
    expectReadable(&controller->recipes().window());

    prompts.answers = {Prompts::Answer::Ok};
    prompts.onChoosePrinter = [this](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
    };
    bool shown = false;
    prompts.dialogActions = {[&](QDialog& d) {
        ExpectedModals().insert(&d);
        d.show();
        expectReadable(&d);
        shown = true;
        d.hide();
        ExpectedModals().remove(&d);
        return int(QDialog::Rejected);
    }};
    controller->printCommand();
    EXPECT_TRUE(shown);

    // Paste Recipe's refusal in red, and the lines it did not use in grey.
    PasteRecipeDialog& paste = controller->share().pasteDialog();
    ExpectedModals().insert(&paste);
    paste.show();
    for (const char* text : {"Nothing to mix here", "Lemon 3%\nBest after a week in the dark"}) {
        paste.setText(QString::fromUtf8(text));
        expectReadable(&paste);
    }
    paste.hide();
    ExpectedModals().remove(&paste);

    // A refused line of an import in red.
    StashImportDialog import(&w());
    StashImport what;
    what.refused.push_back({2, QStringLiteral("The kind is missing.")});
    Bottle added;
    added.kind = BottleKind::PG;
    added.name = QStringLiteral("PG");
    what.added.push_back({3, added});
    import.prepare(QStringLiteral("bottles.csv"), what);
    ExpectedModals().insert(&import);
    import.show();
    expectReadable(&import);
    import.hide();
    ExpectedModals().remove(&import);
}

TEST_F(DarkPaletteTest, ADesktopTurningDarkWhileKoVaqRunsIsFollowed) {
    controller.reset();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(fusion->standardPalette());
    start();
    type(T::BaseNicStrength, "18");
    type(T::MixQty, "30");
    type(T::MixStrength, "24"); // too strong: volumes in red
    controller->weightsWindow().show();
    QApplication::setPalette(darkPalette());
    expectReadable(&w());
    expectReadable(&controller->weightsWindow());
}

TEST_F(DarkPaletteTest, OnALightDesktopTheColoursAreAsTheyAlwaysWere) {
    controller.reset();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(fusion->standardPalette());
    start();
    const QColor green(205, 245, 183), silver(192, 192, 192), black(0, 0, 0), red(255, 0, 0);
    for (std::size_t i = 0; i < TextFieldCount; ++i) {
        const QPalette p = w().field(textFieldAt(i))->palette();
        EXPECT_TRUE(p.color(QPalette::Base) == green ||
                    p.color(QPalette::Base) == QColor(255, 191, 191));
        EXPECT_EQ(p.color(QPalette::Active, QPalette::Text), black);
    }
    for (QGroupBox* g : w().findChildren<QGroupBox*>()) {
        EXPECT_EQ(g->palette().color(QPalette::Window), silver);
        EXPECT_EQ(g->palette().color(QPalette::Active, QPalette::Text), black);
    }
    auto label = [this](const char* name) {
        return w()
            .findChild<QLabel*>(QString::fromLatin1(name))
            ->palette()
            .color(QPalette::WindowText);
    };
    EXPECT_EQ(label("Title"), green);
    EXPECT_TRUE(label("VolStatus") == red || label("VolStatus") == QColor(0, 128, 0));
    WeightsWindow& weights = controller->weightsWindow();
    weights.show();
    EXPECT_EQ(weights.gramsLabel(SlotId::PG)->palette().color(QPalette::WindowText), black);
    auto* gravity = weights.findChild<QLineEdit*>(QStringLiteral("Gravity_PG"));
    EXPECT_EQ(gravity->palette().color(QPalette::Base), green);
    EXPECT_EQ(gravity->palette().color(QPalette::Text), black);
    EXPECT_EQ(weights.hintsLabel()->palette().color(QPalette::WindowText), red);
}
