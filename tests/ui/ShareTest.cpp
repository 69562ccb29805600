// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// Sharing as a person does it: a mix copied and pasted back, a text with no recipe in it,
// a recipe through JSON and back, and files dropped on the window.
#include "AppFixture.h"
#include "FakePrompts.h"
#include "MainWindow.h"
#include "MixDocument.h"
#include "PasteRecipeDialog.h"
#include "QtText.h"
#include "RecipeJson.h"
#include "RecipeText.h"
#include "ShareController.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace kovaq;
using T = TextField;
using Answer = Prompts::Answer;

namespace {

class ShareTest : public test::AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        start();
    }
    void type(T f, const char* text) { QTest::keyClicks(w().field(f), QString::fromUtf8(text)); }
    // Drags a file over the window's volume field and drops it; whether it was taken.
    bool drop(const QString& path) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QWidget* field = w().field(T::MixQty);
        const QPoint at = field->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &dropped);
        return dropped.isAccepted();
    }
};

} // namespace

TEST_F(ShareTest, AMixCopiedAndPastedBackIsTheSameMix) {
    type(T::BaseNicStrength, "36");
    type(T::MixQty, "30");
    type(T::MixStrength, "3");
    doc().pickRatio(RatioField::MixNicPGVG, 7);
    type(T::Flav1Name, "Lemon (TPA)");
    type(T::PctFlav1, "10");
    type(T::Flav2Name, "Cream");
    type(T::PctFlav2, "2.5");
    const MixRecipe before = doc().recipe();
    QTest::keyClick(w().field(T::PctFlav2), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QString::fromUtf8("Untitled \u2014 30 ml, 3 mg, 30/70 PG/VG\n")))
        << copied.toStdString();

    // A text with no recipe in it: said, and nothing can be used.
    QGuiApplication::clipboard()->setText(QStringLiteral("Thanks, looks great!"));
    prompts.dialogActions = {[](QDialog& d) {
        auto& paste = static_cast<PasteRecipeDialog&>(d);
        EXPECT_FALSE(paste.okButton()->isEnabled());
        EXPECT_TRUE(paste.preview()->text().contains(QStringLiteral("no recipe")));
        return int(QDialog::Accepted);
    }};
    controller->share().pasteRecipe();
    EXPECT_EQ(doc().recipe(), before);
    EXPECT_TRUE(prompts.messages.empty()); // not even asked about the unsaved mix

    // The copy read back into a new mix, asked first about the one shown.
    type(T::Flav1Name, "x");
    QGuiApplication::clipboard()->setText(copied);
    prompts.answers = {Answer::No}; // not saved
    prompts.dialogActions = {[](QDialog& d) {
        EXPECT_TRUE(static_cast<PasteRecipeDialog&>(d).okButton()->isEnabled());
        return int(QDialog::Accepted);
    }};
    QTest::keyClick(w().field(T::PctFlav2), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(doc().recipe().texts, before.texts);
    EXPECT_EQ(doc().ratio(RatioField::MixNicPGVG), before[RatioField::MixNicPGVG]);
    EXPECT_EQ(w().field(T::Flav1Name)->text(), QStringLiteral("Lemon (TPA)"));
    EXPECT_FALSE(doc().mixSaved());
}

TEST_F(ShareTest, JsonGoesOutAndComesBackAndFilesDropIn) {
    type(T::MixQty, "50");
    type(T::Flav1Name, "Cherry");
    type(T::PctFlav1, "4");
    doc().setGravity(GravityKey::Flav1, "1.05");
    doc().setMixName(QStringLiteral("Cherry Pie"));
    const MixRecipe before = doc().recipeWithNotes();
    const QString json = dir.filePath(QStringLiteral("out"));
    prompts.fileNames = {json};
    controller->share().exportJson();
    ASSERT_TRUE(QFile::exists(json + QStringLiteral(".json")));
    EXPECT_EQ(prompts.proposedNames, std::vector<QString>{QStringLiteral("Cherry Pie.json")});

    prompts.answers = {Answer::No};
    controller->newMix();
    ASSERT_TRUE(drop(json + QStringLiteral(".json")));
    EXPECT_EQ(doc().recipeWithNotes(), before);

    // Anything else is refused at the door, and a field never takes a file's name as text.
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    QFile(text).open(QIODevice::WriteOnly);
    EXPECT_FALSE(drop(text));
    EXPECT_EQ(w().field(T::MixQty)->text(), QStringLiteral("50"));

    // A file of another format is refused, saying why, and the mix stays.
    QFile other(dir.filePath(QStringLiteral("other.json")));
    other.open(QIODevice::WriteOnly);
    other.write("{\"format\": \"something-else\", \"version\": 1, \"recipe\": {}}");
    other.close();
    ASSERT_TRUE(drop(other.fileName()));
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_TRUE(prompts.errors[0].contains(QStringLiteral("not a Ko-Vaq recipe")));
    EXPECT_EQ(doc().recipeWithNotes(), before);
}

TEST_F(ShareTest, APasteLongerThanWhatIsReadSaysSo) {
    const QString said =
        QStringLiteral("Read the first 256 KB of the text; the rest was not used.");
    PasteRecipeDialog& paste = controller->share().pasteDialog();
    paste.setText(QStringLiteral("Lemon 10%\n") + QString(300 * 1024, QLatin1Char('x')));
    EXPECT_TRUE(paste.preview()->text().contains(said));
    EXPECT_TRUE(paste.okButton()->isEnabled());
    paste.setText(QStringLiteral("Lemon 10%\n"));
    EXPECT_FALSE(paste.preview()->text().contains(said));
    // Typed or pasted into the dialog itself: 100 K euro signs are 300 KB to read.
    paste.textEdit()->setPlainText(QStringLiteral("Lemon 10%\n") +
                                   QString(100 * 1024, QChar(0x20AC)));
    EXPECT_TRUE(paste.preview()->text().contains(said));
}

namespace {

// Whether `shown` is one of the whole forms of `full`, and so not cut anywhere.
bool wholeForm(const QString& shown, const QString& full) {
    for (const std::string& form : ShorterNames(ToUtf8(full)))
        if (ToQString(form) == shown)
            return true;
    return false;
}

} // namespace

TEST_F(ShareTest, NamesTooWideKeepAWholeFormAndThePreviewSaysSo) {
    const QString strawberry = QStringLiteral("Strawberry Ripe Sweet Summer Morning (TPA)");
    const QString butterscotch = QStringLiteral("Butterscotch Ripple (FW)");
    QGuiApplication::clipboard()->setText(
        QStringLiteral("Summer\n%1 4%\n%2 2%\nLemon 1%\n").arg(strawberry, butterscotch));
    QString preview, tip;
    prompts.dialogActions = {[&](QDialog& d) {
        auto& dialog = static_cast<PasteRecipeDialog&>(d);
        preview = dialog.preview()->text();
        tip = dialog.preview()->toolTip();
        return int(QDialog::Accepted);
    }};
    controller->share().pasteRecipe();
    const QString shown = w().field(T::Flav1Name)->text();
    EXPECT_NE(shown, strawberry);
    EXPECT_TRUE(wholeForm(shown, strawberry)) << shown.toStdString();
    EXPECT_TRUE(wholeForm(w().field(T::Flav2Name)->text(), butterscotch));
    EXPECT_EQ(w().field(T::Flav3Name)->text(), QStringLiteral("Lemon"));
    // The preview showed the name as it now stands, marked, with the whole one in the tooltip.
    EXPECT_TRUE(preview.contains(QStringLiteral("<i>%1</i>").arg(shown.toHtmlEscaped())));
    EXPECT_TRUE(tip.contains(strawberry));
    EXPECT_FALSE(tip.contains(QStringLiteral("Lemon")));

    // A JSON recipe's names the same.
    MixRecipe json = doc().recipeWithNotes();
    json[T::Flav1Name] = ToUtf8(strawberry);
    const QString file = dir.filePath(QStringLiteral("long.json"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(RecipeJsonFile(json));
    out.close();
    prompts.answers = {Answer::No};
    controller->share().importJsonFile(file);
    EXPECT_TRUE(wholeForm(w().field(T::Flav1Name)->text(), strawberry))
        << w().field(T::Flav1Name)->text().toStdString();
}

TEST_F(ShareTest, WhatThePasteCouldNotUseGoesIntoTheNotes) {
    const QString post = QStringLiteral(
        "Dark Rum\nRum (CAP) 5%\n3 mg\nSteep 3 days\nBest after a week in the dark\n");
    struct Case {
        bool keepUnused;
    };
    for (const Case c : {Case{true}, Case{false}}) {
        SCOPED_TRACE(c.keepUnused);
        prompts.answers = {Answer::No};
        controller->newMix();
        QGuiApplication::clipboard()->setText(post);
        QString preview;
        prompts.answers = {Answer::No};
        prompts.dialogActions = {[&](QDialog& d) {
            auto& dialog = static_cast<PasteRecipeDialog&>(d);
            EXPECT_TRUE(dialog.unusedBox()->isChecked()); // on unless turned off
            dialog.unusedBox()->setChecked(c.keepUnused);
            preview = dialog.preview()->text();
            return int(QDialog::Accepted);
        }};
        controller->share().pasteRecipe();
        const QStringList notes = doc().recipeWithNotes().Notes.empty() ? QStringList() : [&] {
            QStringList l;
            for (const std::string& n : doc().recipeWithNotes().Notes)
                l << ToQString(n);
            return l;
        }();
        EXPECT_TRUE(notes.contains(QStringLiteral("Steep: 3 days")));
        // No base, so no strength: kept in the notes, and the dialog said so.
        EXPECT_TRUE(notes.contains(QStringLiteral("Strength: 3 mg")))
            << notes.join('|').toStdString();
        EXPECT_TRUE(preview.contains(QStringLiteral("Strength: 3 mg")));
        EXPECT_EQ(notes.contains(QStringLiteral("Best after a week in the dark")), c.keepUnused)
            << notes.join('|').toStdString();
    }
}
