// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace kovaq {
namespace {

// The translators this file installs go by this name, so that a second choice replaces
// them rather than stacking on them.
const QString kTranslatorName = QStringLiteral("kovaq-translation");

// "de-AT", "de_DE" or "DE" to "de".
QString baseCode(const QString& tag) {
    return tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

bool load(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(kTranslatorName);
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

QStringList AvailableLanguages() {
    // English, then each translation kept inside the program, found by its file's name.
    QStringList codes{QStringLiteral("en")};
    for (const QString& code : {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                                QStringLiteral("it"), QStringLiteral("pl")})
        if (QFile::exists(QStringLiteral(":/i18n/ko-vaq_%1.qm").arg(code)))
            codes << code;
    return codes;
}

QString PickLanguage(const QString& chosen, const QStringList& desktop) {
    const QStringList available = AvailableLanguages();
    if (available.contains(baseCode(chosen)))
        return baseCode(chosen);
    for (const QString& tag : desktop)
        if (available.contains(baseCode(tag)))
            return baseCode(tag);
    return QStringLiteral("en");
}

QString LanguageName(const QString& code) {
    if (code == QLatin1String("en"))
        return QStringLiteral("English"); // not the "American English" of en_US
    const QString name = QLocale(code).nativeLanguageName();
    if (name.isEmpty())
        return code;
    return name.left(1).toUpper() + name.mid(1);
}

bool InstallTranslations(const QString& language) {
    auto* app = QCoreApplication::instance();
    if (!app)
        return false;
    for (QTranslator* old :
         app->findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (language.isEmpty())
        return false; // English as written, plural forms and all
    // Qt's own first: Ko-Vaq's, installed last, is asked first.
    if (language != QLatin1String("en"))
        load(QStringLiteral("qtbase_%1").arg(language),
             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // English has a file too: the plural forms of the texts written with "(s)".
    const bool own = load(QStringLiteral("ko-vaq_%1").arg(language), QStringLiteral(":/i18n"));
    return own && language != QLatin1String("en");
}

} // namespace kovaq
