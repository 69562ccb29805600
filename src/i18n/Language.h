// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

// The language the program speaks: English, in which it is written, or one of the
// translations kept inside it. It is chosen once, at the start, before any window is made.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace kovaq {

// The codes of the languages Ko-Vaq speaks, English first: "en", "de", ...
QStringList AvailableLanguages();

// The language to speak: the one chosen in the settings when Ko-Vaq has it, else the first
// of the desktop's languages it has ("de-AT" and "de_DE" give "de"), else English.
QString PickLanguage(const QString& chosen,
                     const QStringList& desktop = QLocale::system().uiLanguages());

// A language's name in its own words ("Deutsch", "Français"), for the choice of it.
QString LanguageName(const QString& code);

// Installs Ko-Vaq's translation for the language and Qt's own (its dialogs and buttons),
// in place of any installed before; needs the application object. False when Ko-Vaq has
// no translation of that language (English, or a language it does not speak). An empty
// language removes them all.
bool InstallTranslations(const QString& language);

} // namespace kovaq
