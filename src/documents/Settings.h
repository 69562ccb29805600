#pragma once

#include <QString>

class QSettings;

namespace kovaq {

// The values kept between runs, in the per-user store under "Tresquall/Ko-Vaq": the four of
// the original program and whether the weights window was open.
struct AppSettings {
    QString LoadDir;
    QString SaveDir;
    QString LastFile;
    QString Layout = QStringLiteral("Landscape");
    // Whether "Mix By Weight" was open when the program last closed: "1" or "0".
    QString WeightsOpen = QStringLiteral("0");
};

// The keys and their defaults in one place.
struct SettingKey {
    const char* name;
    QString AppSettings::*member;
};
inline constexpr SettingKey SettingKeys[] = {
    {"LoadDir", &AppSettings::LoadDir},         {"SaveDir", &AppSettings::SaveDir},
    {"LastFile", &AppSettings::LastFile},       {"Layout", &AppSettings::Layout},
    {"WeightsOpen", &AppSettings::WeightsOpen},
};

// Reads the values (defaults: the working directory, no last file, "Landscape"), writes
// them straight back, and forgets a last file that no longer exists. `written` tells
// whether the store took the values.
AppSettings ReadSettings(QSettings& store, const QString& workingDir, bool* written = nullptr);
// False when the store could not be written.
bool WriteSettings(QSettings& store, const AppSettings& settings);

} // namespace kovaq
