#include "app/orlendraapp.h"
#include "app/translations.h"
#include "catalogue/runecatalogue.h"

#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void chooseLanguage_data();
    void chooseLanguage();
    void desktop();
};

void TranslationsTest::chooseLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de";
    QTest::newRow("Swiss German") << QStringList{"de-CH", "de-Latn-CH"} << "de";
    QTest::newRow("French, then German") << QStringList{"fr", "fr-FR", "de"} << "de";
    QTest::newRow("English, then German") << QStringList{"en-US", "en", "de"} << "";
    QTest::newRow("French only") << QStringList{"fr-FR", "fr"} << "";
    QTest::newRow("none") << QStringList{} << "";
}

void TranslationsTest::chooseLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(Translations::chooseLanguage(uiLanguages), chosen);
}

// The suite runs this on a German desktop, and with LC_ALL=C over a German LANGUAGE.
void TranslationsTest::desktop()
{
    const bool german = qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de"));
    OrlendraApp::prepareApplication();
    const QStringList keywords =
        german ? QStringList{"Reichtum", "Beweglichkeit", "Erfüllung", "Intuition"}
               : QStringList{"Wealth", "Mobility", "Fulfillment", "Intuition"};
    QCOMPARE(loadRuneCatalogue().keywordsOf(0), keywords);
    if (german && !QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                 QLatin1String("/qtbase_de.qm")))
        QSKIP("Qt's own German is not installed (Debian package qt6-translations-l10n)");
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const QStringList texts{box.button(QMessageBox::Yes)->text(),
                            box.button(QMessageBox::No)->text(),
                            box.button(QMessageBox::Cancel)->text()};
    const QStringList expected =
        german ? QStringList{"&Ja", "&Nein", "Abbrechen"} : QStringList{"&Yes", "&No", "Cancel"};
    QCOMPARE(texts, expected);
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
