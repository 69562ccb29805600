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
#include "ShareController.h"

#include <gtest/gtest.h>

#include <QApplication>
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
