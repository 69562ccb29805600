// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <variant>

class QSettings;

namespace kovaq {

// Where the program's settings and data live: <config>/Tresquall/Ko-Vaq.conf and
// <data>/Tresquall/Ko-Vaq.
inline constexpr char OrganisationName[] = "Tresquall";
inline constexpr char ApplicationName[] = "Ko-Vaq";

// The values kept between runs, in the per-user store under "Tresquall/Ko-Vaq": the four of
// the original program and whether the weights window was open.
struct AppSettings {
    QString LoadDir;
    QString SaveDir;
    QString LastFile;
    QString Layout = QStringLiteral("Landscape");
    // Whether "Mix By Weight" was open when the program last closed.
    bool WeightsOpen = false;
    // The Recipes window: open at the last close, its order ("column order", as "2 desc"),
    // and the folders it reads (none chosen: the open and save folders).
    bool RecipesOpen = false;
    QString RecipesSort = QStringLiteral("0 asc");
    // Its columns' widths in pixels, in the model's order ("170 60 ..."); empty for the
    // window's own.
    QString RecipesColumns;
    QStringList RecipeFolders;
    // The Stash window: open at the last close; the steep days last given to a batch; the
    // label size last printed (its place in the list of sizes).
    bool StashOpen = false;
    int SteepDays = 7;
    int LabelSize = 0;
    // Drops beside millilitres, for those who measure by dropper, and how many drops the
    // user's dropper gives to the ml.
    bool ShowDrops = false;
    int DropsPerMl = 20;
    // What the user's scale reads to, in grams (0.1, 0.01 or 0.001), for the hint on
    // amounts too small to weigh; the Shots and Fixes window open at the last close, and its
    // page.
    double ScaleResolution = 0.01;
    bool ShotsOpen = false;
    int ShotsPage = 0;
    // Where each tool window was left, as Qt writes a window's place; empty until it has
    // been on the screen.
    QString RecipesPlace;
    QString StashPlace;
    QString WeightsPlace;
    QString ShotsPlace;
    QString ShoppingPlace;
    // Labels of batches with nicotine say so.
    bool LabelNicotineWarning = true;
    // The language the user chose ("de", "en", ...); empty: the desktop's. Read at the start.
    QString Language;
};

// The keys, their types and limits in one place. They are stored as text, as they always
// were: a flag as "1" or "0", a number as its digits. A value that is no value of its type
// reads as the default; a number out of its limits is brought within them.
struct SettingKey {
    const char* name;
    std::variant<QString AppSettings::*, bool AppSettings::*, int AppSettings::*,
                 double AppSettings::*>
        member;
    int least = 0;
    int most = 0;
};
inline constexpr SettingKey SettingKeys[] = {
    {"LoadDir", &AppSettings::LoadDir},
    {"SaveDir", &AppSettings::SaveDir},
    {"LastFile", &AppSettings::LastFile},
    {"Layout", &AppSettings::Layout},
    {"WeightsOpen", &AppSettings::WeightsOpen},
    {"RecipesOpen", &AppSettings::RecipesOpen},
    {"RecipesSort", &AppSettings::RecipesSort},
    {"RecipesColumns", &AppSettings::RecipesColumns},
    {"StashOpen", &AppSettings::StashOpen},
    {"SteepDays", &AppSettings::SteepDays, 0, 365},
    {"LabelSize", &AppSettings::LabelSize, 0, 3},
    {"ShowDrops", &AppSettings::ShowDrops},
    {"DropsPerMl", &AppSettings::DropsPerMl, 5, 100},
    {"ScaleResolution", &AppSettings::ScaleResolution}, // 0.1, 0.01 or 0.001
    {"ShotsOpen", &AppSettings::ShotsOpen},
    {"ShotsPage", &AppSettings::ShotsPage, 0, 2},
    {"RecipesPlace", &AppSettings::RecipesPlace},
    {"StashPlace", &AppSettings::StashPlace},
    {"WeightsPlace", &AppSettings::WeightsPlace},
    {"ShotsPlace", &AppSettings::ShotsPlace},
    {"ShoppingPlace", &AppSettings::ShoppingPlace},
    {"LabelNicotineWarning", &AppSettings::LabelNicotineWarning},
    {"Language", &AppSettings::Language},
};
// The recipe folders are a list of their own.
inline constexpr char RecipeFoldersKey[] = "RecipeFolders";

// No folder or file name comes near this; a longer value is damage and reads as absent.
inline constexpr qsizetype MaxSettingLength = 64 * 1024;

// What went wrong with the store, for the one message the window shows.
enum class SettingsTrouble { None, CannotRead, CannotWrite };

// Reads the values (defaults: the working directory, no last file, "Landscape"), writes
// them straight back, and forgets a last file that no longer exists. A store that cannot
// be read gives the defaults and is not written over.
AppSettings ReadSettings(QSettings& store, const QString& workingDir,
                         SettingsTrouble* trouble = nullptr);
// False when the store could not be written.
bool WriteSettings(QSettings& store, const AppSettings& settings);

// The per-user settings file: <config>/Tresquall/Ko-Vaq.conf, where Qt keeps it too.
QString SettingsFilePath();

// A settings file that has grown far beyond anything the program writes (damage, or a
// value pasted a million times) would cost the start seconds to parse and write back: its
// over-long lines are dropped before it is opened, and if it is still large, every line
// that is not one of our keys. A file of normal size is not touched. Returns whether it
// was rewritten.
bool DropDamagedSettings(const QString& path);

} // namespace kovaq
