// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
//
// The window and kovaq-calc load the same files into the same fields and show the same
// results: one code path for the width rule, the number check and the ratios.
#include "AppController.h"
#include "FakePrompts.h"
#include "MainWindow.h"
#include "MixResult.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

using namespace kovaq;

namespace {

QJsonObject calcJson(const QString& file) {
    QProcess p;
    p.start(QStringLiteral(KOVAQ_CALC), {QStringLiteral("--json"), file});
    p.waitForFinished(20000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QString slotName(std::size_t i) {
    return QString::fromLatin1(SlotName(slotAt(i)).data(),
                               static_cast<qsizetype>(SlotName(slotAt(i)).size()));
}

} // namespace

TEST(WindowAndCalc, ShowTheSameForTheSameFile) {
    const QStringList files =
        QDir(QStringLiteral(KOVAQ_TEST_DATA "/agree")).entryList({QStringLiteral("*.mix")});
    ASSERT_GE(files.size(), 5);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString file = QStringLiteral(KOVAQ_TEST_DATA "/agree/") + name;
        const QJsonObject calc = calcJson(file);
        ASSERT_FALSE(calc.isEmpty());

        // The window as a fresh start that reloads the file.
        QTemporaryDir dir;
        QSettings store(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
        store.setValue("LastFile", file);
        test::FakePrompts prompts;
        AppController controller(prompts, store);
        controller.setScreenHeightProvider([] { return 1024; });
        controller.startupChecks();
        MainWindow& w = controller.window();

        const QJsonObject recipe = calc["recipe"].toObject();
        EXPECT_EQ(w.windowTitle(), recipe["Name"].toString());
        for (std::size_t i = 0; i < TextFieldCount; ++i) {
            const TextField f = textFieldAt(i);
            const QString key =
                QString::fromLatin1(FieldKey(f).data(), static_cast<qsizetype>(FieldKey(f).size()));
            EXPECT_EQ(w.field(f)->text(), recipe[key].toString()) << key.toStdString();
            const bool marked = calc["missingMarks"].toArray().contains(QJsonValue(key));
            EXPECT_EQ(w.field(f)->palette().color(QPalette::Base),
                      QColor(marked ? 255 : 205, marked ? 191 : 245, marked ? 191 : 183))
                << key.toStdString();
        }
        for (std::size_t i = 0; i < RatioFieldCount; ++i) {
            const RatioField r = ratioFieldAt(i);
            const QString key =
                QString::fromLatin1(RatioKey(r).data(), static_cast<qsizetype>(RatioKey(r).size()));
            EXPECT_EQ(w.document().ratio(r).position, recipe[key].toInt()) << key.toStdString();
        }
        const QJsonArray slots = calc["slots"].toArray();
        const QColor red(255, 0, 0);
        for (std::size_t i = 0; i < SlotCount; ++i) {
            const QJsonObject s = slots.at(static_cast<qsizetype>(i)).toObject();
            auto* volume = w.findChild<QLabel*>(QStringLiteral("Volume_") + slotName(i));
            auto* cost = w.findChild<QLabel*>(QStringLiteral("Cost_") + slotName(i));
            auto* caption = w.findChild<QLabel*>(QStringLiteral("VolumeCaption_") + slotName(i));
            EXPECT_EQ(volume->text(), s["volumeText"].toString()) << i;
            EXPECT_EQ(volume->palette().color(QPalette::WindowText) == red,
                      s["volumeWarn"].toBool())
                << i;
            EXPECT_DOUBLE_EQ(w.document().result().slots[i].Volume, s["volume"].toDouble()) << i;
            EXPECT_EQ(cost->text(), s["mixCostText"].toString()) << i;
            EXPECT_EQ(cost->palette().color(QPalette::WindowText) == red, s["mixCostWarn"].toBool())
                << i;
            EXPECT_EQ(caption->text(), s["label"].toString()) << i;
        }
        EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("TotalCost"))->text(),
                  calc["totalCostText"].toString());
        EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("CostStatus"))->text(),
                  calc["costStatusText"].toString());
        EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("VolStatus"))->text(),
                  calc["volStatusText"].toString());
        bool boxShown = false;
        for (const auto& m : prompts.messages)
            boxShown = boxShown || m.caption == QLatin1String(CannotBeAchievedCaption.data());
        EXPECT_EQ(boxShown, calc["cannotBeAchievedMessage"].toBool());
        controller.welcomeTimer().stop();
    }
}
