// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Settings.h"

#include "FileAccess.h"
#include "Shots.h"

#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <string_view>
#include <sys/stat.h>
#include <type_traits>

namespace kovaq {
namespace {

// A settings file of ours holds a few lines; even one value of MaxSettingLength
// characters, each escaped as "\xXXXX", stays below these.
constexpr std::size_t kLargeSettingsFile = 1 << 20;
constexpr std::size_t kLongestSettingsLine = 6 * MaxSettingLength + 64;
// Beyond this, only the start of a damaged file is looked at.
constexpr std::size_t kReadAtMost = 64 << 20;

bool isOurKeyLine(std::string_view line) {
    const auto is = [&](std::string_view name) {
        const std::size_t after = line.find_first_not_of(" \t", name.size());
        return line.substr(0, name.size()) == name && after != std::string_view::npos &&
               line[after] == '=';
    };
    for (const SettingKey& key : SettingKeys)
        if (is(key.name))
            return true;
    return is(RecipeFoldersKey);
}

std::string keptLines(const std::string& text, bool onlyOurs) {
    std::string out;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line(text.data() + start, end - start);
        const bool keep =
            line.size() <= kLongestSettingsLine &&
            (!onlyOurs || (!line.empty() && line.front() == '[') || isOurKeyLine(line));
        if (keep) {
            out += line;
            out += '\n';
        }
        start = end + 1;
    }
    return out;
}

// A stored text as a value of the key's type, within its limits; the default where it is
// none.
void readValue(AppSettings& s, const SettingKey& key, const QString& text,
               const AppSettings& defaults) {
    std::visit(
        [&](auto member) {
            using Value = std::remove_reference_t<decltype(s.*member)>;
            if constexpr (std::is_same_v<Value, QString>) {
                s.*member = text;
            } else if constexpr (std::is_same_v<Value, bool>) {
                s.*member = text.trimmed() == QLatin1String("1");
            } else if constexpr (std::is_same_v<Value, int>) {
                bool ok = false;
                const int n = text.trimmed().toInt(&ok);
                s.*member = ok ? std::clamp(n, key.least, key.most) : defaults.*member;
            } else {
                bool ok = false;
                const double n = text.trimmed().toDouble(&ok);
                s.*member = ok ? ValidScaleResolution(n) : defaults.*member;
            }
        },
        key.member);
}

QString storedText(const AppSettings& s, const SettingKey& key) {
    return std::visit(
        [&](auto member) -> QString {
            using Value = std::remove_cvref_t<decltype(s.*member)>;
            if constexpr (std::is_same_v<Value, QString>)
                return s.*member;
            else if constexpr (std::is_same_v<Value, bool>)
                return s.*member ? QStringLiteral("1") : QStringLiteral("0");
            else
                return QString::number(s.*member);
        },
        key.member);
}

} // namespace

AppSettings ReadSettings(QSettings& store, const QString& workingDir, SettingsTrouble* trouble) {
    AppSettings defaults;
    defaults.LoadDir = workingDir;
    defaults.SaveDir = workingDir;
    AppSettings s = defaults;
    for (const SettingKey& key : SettingKeys) {
        const QString value = store.value(QString::fromLatin1(key.name)).toString();
        const bool usable =
            store.contains(QString::fromLatin1(key.name)) && value.size() <= MaxSettingLength;
        if (usable)
            readValue(s, key, value, defaults);
    }
    const QStringList folders = store.value(QString::fromLatin1(RecipeFoldersKey)).toStringList();
    if (folders.join(QLatin1Char('\n')).size() <= MaxSettingLength)
        s.RecipeFolders = folders;
    const bool readable = store.status() == QSettings::NoError;
    if (readable) {
        for (const SettingKey& key : SettingKeys)
            store.setValue(QString::fromLatin1(key.name), storedText(s, key));
        store.sync();
    }
    if (trouble)
        *trouble = !readable                              ? SettingsTrouble::CannotRead
                   : store.status() != QSettings::NoError ? SettingsTrouble::CannotWrite
                                                          : SettingsTrouble::None;
    if (s.LastFile.isEmpty() || !IsRegularFile(NativeFromPath(s.LastFile))) {
        s.LastFile.clear();
        s.LoadDir = workingDir;
        s.SaveDir = workingDir;
    }
    return s;
}

bool WriteSettings(QSettings& store, const AppSettings& settings) {
    for (const SettingKey& key : SettingKeys)
        store.setValue(QString::fromLatin1(key.name), storedText(settings, key));
    if (settings.RecipeFolders.isEmpty())
        store.remove(QString::fromLatin1(RecipeFoldersKey));
    else
        store.setValue(QString::fromLatin1(RecipeFoldersKey), settings.RecipeFolders);
    store.sync();
    return store.status() == QSettings::NoError;
}

QString SettingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/%1/%2.conf")
               .arg(QLatin1String(OrganisationName), QLatin1String(ApplicationName));
}

bool DropDamagedSettings(const QString& path) {
    const std::string native = NativeFromPath(path);
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::size_t>(st.st_size) <= kLargeSettingsFile)
        return false;
    const FileBytes file = ReadRegularFile(native, kReadAtMost);
    if (file.status != ReadStatus::Ok)
        return false;
    std::string kept = keptLines(file.bytes, false);
    if (kept.size() > kLargeSettingsFile)
        kept = keptLines(kept, true);
    return ReplaceFileContents(native, kept).ok();
}

} // namespace kovaq
