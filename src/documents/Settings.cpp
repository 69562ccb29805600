#include "Settings.h"

#include "FileAccess.h"

#include <QSettings>

namespace kovaq {

AppSettings ReadSettings(QSettings& store, const QString& workingDir, bool* written) {
    AppSettings defaults;
    defaults.LoadDir = workingDir;
    defaults.SaveDir = workingDir;
    AppSettings s;
    for (const SettingKey& key : SettingKeys) {
        const QString name = QString::fromLatin1(key.name);
        s.*key.member = store.value(name, defaults.*key.member).toString();
        store.setValue(name, s.*key.member);
    }
    store.sync();
    if (written)
        *written = store.status() == QSettings::NoError;
    if (s.LastFile.isEmpty() || !IsRegularFile(NativeFromPath(s.LastFile))) {
        s.LastFile.clear();
        s.LoadDir = workingDir;
        s.SaveDir = workingDir;
    }
    return s;
}

bool WriteSettings(QSettings& store, const AppSettings& settings) {
    for (const SettingKey& key : SettingKeys)
        store.setValue(QString::fromLatin1(key.name), settings.*key.member);
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace kovaq
