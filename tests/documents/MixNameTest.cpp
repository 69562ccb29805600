// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "MixName.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

using namespace kovaq;

TEST(ComposeMixName, AddsOrReplacesTheSuffix) {
    struct Case {
        const char* name;
        const char* strength;
        const char* qty;
        const char* ratio;
        const char* expected;
    };
    const Case cases[] = {
        {"Untitled", "12", "30", "50-50", "Untitled(12mg 30ml 50-50)"},
        {"Cherry (old)", "12", "30", "50-50", "Cherry (old)(12mg 30ml 50-50)"},
        {"Cherry(6mg 10ml VG)", "12", "30", "50-50", "Cherry(12mg 30ml 50-50)"},
        {"Mix (6mg 10ml VG) old", "12", "30", "50-50", "Mix (12mg 30ml 50-50)"},
        {"Plain", "0.50", "", "PG", "Plain(0.5mg 0ml PG)"},
        {"a (x) (3mg 5ml VG)", "1.5", "10", "none", "a (x) (1.5mg 10ml none)"},
        {"ML (mg )", "3", "1", "VG", "ML (mg )(3mg 1ml VG)"}, // no "ml " in it
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComposeMixName(c.name, c.strength, c.qty, c.ratio), c.expected) << c.name;
}

TEST(MixNameFromPath, DropsFolderAndLastFourCharacters) {
    EXPECT_EQ(MixNameFromPath("/home/me/Mixes/Cherry.mix"), "Cherry");
    EXPECT_EQ(MixNameFromPath("/tmp/Notes.txt"), "Notes");
    EXPECT_EQ(MixNameFromPath("/tmp/a.recipe"), "a.re");
    EXPECT_EQ(MixNameFromPath("/tmp/Caf\xC3\xA9.mix"), "Caf\xC3\xA9");
    EXPECT_EQ(MixNameFromPath("abc"), "");
    EXPECT_EQ(FolderOfPath("/home/me/Mixes/Cherry.mix"), "/home/me/Mixes");
    EXPECT_EQ(FolderOfPath("Cherry.mix"), "");
}

TEST(Settings, DefaultsAreWrittenBackAndAMissingLastFileIsDropped) {
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    const AppSettings first = ReadSettings(store, QStringLiteral("/work"));
    EXPECT_EQ(first.LoadDir, QStringLiteral("/work"));
    EXPECT_EQ(first.SaveDir, QStringLiteral("/work"));
    EXPECT_EQ(first.LastFile, QString());
    EXPECT_EQ(first.Layout, QStringLiteral("Landscape"));
    EXPECT_EQ(store.value("Layout").toString(), QStringLiteral("Landscape"));
    EXPECT_TRUE(store.contains("LastFile"));

    const QString file = dir.filePath(QStringLiteral("x.mix"));
    QFile(file).open(QIODevice::WriteOnly);
    AppSettings written;
    written.LoadDir = QStringLiteral("/a");
    written.SaveDir = QStringLiteral("/b");
    written.LastFile = file;
    written.Layout = QStringLiteral("odd");
    WriteSettings(store, written);
    const AppSettings kept = ReadSettings(store, QStringLiteral("/work"));
    EXPECT_EQ(kept.LoadDir, QStringLiteral("/a"));
    EXPECT_EQ(kept.SaveDir, QStringLiteral("/b"));
    EXPECT_EQ(kept.LastFile, file);
    EXPECT_EQ(kept.Layout, QStringLiteral("odd")); // any other value stays as stored

    QFile::remove(file);
    const AppSettings gone = ReadSettings(store, QStringLiteral("/work"));
    EXPECT_EQ(gone.LastFile, QString());
    EXPECT_EQ(gone.LoadDir, QStringLiteral("/work"));
    EXPECT_EQ(gone.SaveDir, QStringLiteral("/work"));
    EXPECT_EQ(store.value("LoadDir").toString(), QStringLiteral("/a")); // stored as read
}

TEST(Settings, FlagsAndNumbersAreReadOnceWithinTheirLimitsAndStoredAsBefore) {
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    struct Case {
        const char* key;
        const char* stored;
        const char* readBack; // as written back
    };
    const Case cases[] = {
        {"SteepDays", "10", "10"},
        {"SteepDays", "400", "365"},
        {"SteepDays", "x", "7"},
        {"DropsPerMl", "3", "5"},
        {"DropsPerMl", "", "20"},
        {"LabelSize", "9", "3"},
        {"ShotsPage", "-1", "0"},
        {"ScaleResolution", "0.001", "0.001"},
        {"ScaleResolution", "0.5", "0.01"},
        {"WeightsOpen", "1", "1"},
        {"WeightsOpen", "yes", "0"},
        {"StashOpen", "0", "0"},
    };
    for (const Case& c : cases) {
        store.setValue(QString::fromLatin1(c.key), QString::fromLatin1(c.stored));
        ReadSettings(store, QStringLiteral("/work"));
        EXPECT_EQ(store.value(QString::fromLatin1(c.key)).toString(),
                  QString::fromLatin1(c.readBack))
            << c.key << " " << c.stored;
    }
    store.setValue("SteepDays", "400");
    store.setValue("ShowDrops", "1");
    store.setValue("ScaleResolution", "0.1");
    const AppSettings s = ReadSettings(store, QStringLiteral("/work"));
    EXPECT_EQ(s.SteepDays, 365);
    EXPECT_TRUE(s.ShowDrops);
    EXPECT_DOUBLE_EQ(s.ScaleResolution, 0.1);
}

TEST(Settings, DamageBeyondAnyRealNameIsIgnoredAndCannotSlowTheStart) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("x.mix"));
    QFile(file).open(QIODevice::WriteOnly);
    const QString huge(MaxSettingLength + 1, QLatin1Char('a'));
    {
        // A value no folder comes near reads as absent and is not written back.
        QSettings store(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
        store.setValue("LoadDir", QStringLiteral("/") + huge);
        store.setValue("SaveDir", QStringLiteral("/b"));
        store.setValue("LastFile", file);
        const AppSettings s = ReadSettings(store, QStringLiteral("/work"));
        EXPECT_EQ(s.LoadDir, QStringLiteral("/work"));
        EXPECT_EQ(s.SaveDir, QStringLiteral("/b"));
        EXPECT_EQ(s.LastFile, file);
        EXPECT_EQ(store.value("LoadDir").toString(), QStringLiteral("/work"));
    }

    // A file grown to megabytes is trimmed before it is opened: the long line goes, the
    // values of ours stay; a file of normal size is left alone.
    const QString big = dir.filePath(QStringLiteral("big.conf"));
    QFile out(big);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("[General]\nLayout=Portrait\nLoadDir=/");
    out.write(QByteArray(3 << 20, 'a'));
    out.write("\nLastFile=" + file.toUtf8() + "\nOther=1\n");
    out.close();
    EXPECT_TRUE(DropDamagedSettings(big));
    EXPECT_LT(QFileInfo(big).size(), 1024);
    QSettings trimmed(big, QSettings::IniFormat);
    const AppSettings s = ReadSettings(trimmed, QStringLiteral("/work"));
    EXPECT_EQ(s.Layout, QStringLiteral("Portrait"));
    EXPECT_EQ(s.LastFile, file);
    EXPECT_EQ(s.LoadDir, QStringLiteral("/work"));
    EXPECT_EQ(trimmed.value("Other").toString(), QStringLiteral("1"));
    EXPECT_FALSE(DropDamagedSettings(big));

    // Megabytes of short lines keep only ours.
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("[General]\nLayout=Portrait\n");
    for (int i = 0; i < 200000; ++i)
        out.write("k" + QByteArray::number(i) + "=v\n");
    out.close();
    EXPECT_TRUE(DropDamagedSettings(big));
    EXPECT_EQ(QSettings(big, QSettings::IniFormat).allKeys(), QStringList{"Layout"});
}
