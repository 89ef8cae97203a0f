#pragma once

#include <QString>
#include <QStringList>

// The language the program speaks, chosen once at start from the desktop's languages. English is
// the language its texts are written in; every other language it speaks has a translation built
// into the program.
namespace Translations {

// The first of `uiLanguages` (the desktop's, most wanted first) that the program speaks, as a
// code such as "de"; empty when that is English or the program speaks none of them.
QString chooseLanguage(const QStringList &uiLanguages);

// The language the program speaks on this desktop, chosen from the system locale's languages;
// empty under the C locale, which asks for the program's own texts whatever LANGUAGE says.
QString systemLanguage();

// Installs the program's translation into `language` and Qt's own, which names the standard
// buttons; nothing for an empty language.
void install(const QString &language);

} // namespace Translations
