#pragma once

#include <QString>

class QSettings;

namespace kovaq {

// The four values kept between runs, in the per-user store under "Tresquall/Ko-Vaq".
struct AppSettings {
    QString LoadDir;
    QString SaveDir;
    QString LastFile;
    QString Layout = QStringLiteral("Landscape");
};

// The keys and their defaults in one place.
struct SettingKey {
    const char* name;
    QString AppSettings::*member;
};
inline constexpr SettingKey SettingKeys[] = {
    {"LoadDir", &AppSettings::LoadDir},
    {"SaveDir", &AppSettings::SaveDir},
    {"LastFile", &AppSettings::LastFile},
    {"Layout", &AppSettings::Layout},
};

// Reads the values (defaults: the working directory, no last file, "Landscape"), writes
// them straight back, and forgets a last file that no longer exists. `written` tells
// whether the store took the values.
AppSettings ReadSettings(QSettings& store, const QString& workingDir, bool* written = nullptr);
// False when the store could not be written.
bool WriteSettings(QSettings& store, const AppSettings& settings);

} // namespace kovaq
