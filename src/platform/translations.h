#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The languages the program speaks, Russian first: the language of its own
// texts, and the one it falls back to.
QStringList interfaceLanguages();

// A language's name in that language, as a menu of languages shows it
// («Русский», «Українська», «English»); empty for a code not in the list.
QString interfaceLanguageName(const QString& code);

// The language the program speaks: the one chosen in the window and
// remembered (user settings key "interface/language"), else the desktop's
// (LANGUAGE, then the first of LC_ALL, LC_MESSAGES, LANG that is set), else
// Russian.
QString interfaceLanguage();

// Remembers the choice of language; the program speaks it from its next start.
// A code not in interfaceLanguages() is not remembered.
void setInterfaceLanguage(const QString& code);

// The language the desktop asks for, of those the program speaks; empty when
// it asks for none of them (LANG=C, a German desktop).
QString desktopLanguage();

// The desktop's languages as locale names, most preferred first: on Linux
// $LANGUAGE's list, then the first set of $LC_ALL, $LC_MESSAGES and $LANG; on
// Windows the user's display languages.
QStringList desktopLanguagePreferences();

// Puts the program's catalogues of a language (every zemtar_*_<code>.qm in
// folder, by default the translations folder beside the program) and Qt's own
// (qtbase_<code>, for Qt's dialogs and buttons) on the running application, in
// place of those put there before. Russian needs its catalogues only for the
// forms of counted words. A catalogue that is missing or damaged puts none of
// the language's catalogues on, so that the program speaks Russian rather
// than a mixture, and says so in one line on the standard error; false then.
bool installCatalogues(const QString& code);
bool installCatalogues(const QString& code, const QString& folder);

}  // namespace platform
