// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "AppFixture.h"
#include "Language.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>

namespace kovaq::test {
namespace {

// The user's choice comes first, then the first of the desktop's languages the program
// speaks, then English.
TEST(Language, ChoiceThenDesktopThenEnglish) {
    const struct {
        QString chosen;
        QStringList desktop;
        QString picked;
    } cases[] = {
        {QString(), {QStringLiteral("de-DE"), QStringLiteral("en-US")}, QStringLiteral("de")},
        {QString(), {QStringLiteral("pt-BR"), QStringLiteral("pl_PL")}, QStringLiteral("pl")},
        {QString(), {QStringLiteral("ja-JP")}, QStringLiteral("en")},
        {QStringLiteral("fr"), {QStringLiteral("de-DE")}, QStringLiteral("fr")},
        {QStringLiteral("en"), {QStringLiteral("de-AT")}, QStringLiteral("en")},
        {QStringLiteral("xx"), {QStringLiteral("it-IT")}, QStringLiteral("it")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PickLanguage(c.chosen, c.desktop), c.picked)
            << c.chosen.toStdString() << " " << c.desktop.join(QLatin1Char(' ')).toStdString();
}

class TranslationTest : public AppTest {
  protected:
    void TearDown() override {
        InstallTranslations(QString()); // the other tests read English as written
        AppTest::TearDown();
    }
};

TEST_F(TranslationTest, GermanLoadedByItsCodeTranslatesTheWindowAndQtsOwnButtons) {
    ASSERT_TRUE(InstallTranslations(QStringLiteral("de")));
    start();
    EXPECT_EQ(w().openButton()->text(), QStringLiteral("Öffnen..."));
    EXPECT_EQ(w().languageMenu()->title(), QStringLiteral("Sprache"));
    // Qt's own dialogs say Cancel in German too.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));

    // A second choice replaces the first rather than stacking on it.
    EXPECT_FALSE(InstallTranslations(QStringLiteral("en")));
    EXPECT_EQ(QCoreApplication::translate("kovaq::MainWindow", "Open..."),
              QStringLiteral("Open..."));
}

TEST_F(TranslationTest, EnglishSaysItsPluralsWhole) {
    InstallTranslations(QStringLiteral("en"));
    const char* notes = "Notes: %n line(s)";
    EXPECT_EQ(QCoreApplication::translate("kovaq::PasteRecipeDialog", notes, nullptr, 1),
              QStringLiteral("Notes: 1 line"));
    EXPECT_EQ(QCoreApplication::translate("kovaq::PasteRecipeDialog", notes, nullptr, 3),
              QStringLiteral("Notes: 3 lines"));
}

TEST_F(TranslationTest, LanguageFromTheMenuIsKeptAndHoldsFromTheNextStart) {
    start();
    const QList<QAction*> choices = w().languageMenu()->actions();
    ASSERT_FALSE(choices.isEmpty());
    EXPECT_TRUE(choices.front()->isChecked()); // none chosen yet: the desktop's
    QAction* french = nullptr;
    for (QAction* a : choices)
        if (a->data().toString() == QLatin1String("fr"))
            french = a;
    ASSERT_NE(french, nullptr);
    french->trigger();

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("Ko-Vaq will be in %1 from its next start.").arg(LanguageName("fr")));
    EXPECT_EQ(w().openButton()->text(), QStringLiteral("Open...")); // not until then
    w().close();
    store->sync();
    // At the next start the choice wins over a German desktop.
    EXPECT_EQ(PickLanguage(store->value(QStringLiteral("Language")).toString(),
                           {QStringLiteral("de-DE")}),
              QStringLiteral("fr"));
}

} // namespace
} // namespace kovaq::test
