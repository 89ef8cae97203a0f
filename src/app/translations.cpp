#include "translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

namespace {

const QString folder = QStringLiteral(":/i18n");

void installFrom(const QString &directory, const QString &name, const QLocale &locale)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), directory))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QString chooseLanguage(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        // Further down the list are only languages the user wants less than the program's own.
        if (language == QLocale::English)
            return {};
        const QString code = QLocale::languageToCode(language);
        if (QFile::exists(folder + QStringLiteral("/orlendra_%1.qm").arg(code)))
            return code;
    }
    return {};
}

QString systemLanguage()
{
    // As gettext does: scripts and bug reports set LANG=C or LC_ALL=C to get untranslated texts,
    // though LANGUAGE, which Qt reads first, may still name the desktop's languages.
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return {};
    return chooseLanguage(system.uiLanguages());
}

void install(const QString &language)
{
    if (language.isEmpty())
        return;
    const QLocale locale(language);
    installFrom(folder, QStringLiteral("orlendra"), locale);
    // Qt's own names the standard buttons; without Debian's qt6-translations-l10n they stay
    // English.
    installFrom(QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral("qtbase"),
                locale);
}

} // namespace Translations
