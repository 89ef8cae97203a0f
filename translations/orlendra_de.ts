<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Orlendra</source>
        <translation>Über Orlendra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Orlendra is a completely educational software which aims to help you in learning the basics of this ancient form of divination. The program has an easy-to-use interface which also includes a Goal Reminder thus allowing the user to set goals that they intend to achieve.</source>
        <translation>Orlendra ist ein reines Lernprogramm, das Ihnen helfen soll, die Grundlagen dieser uralten Form der Weissagung zu erlernen. Die einfach zu bedienende Oberfläche enthält auch eine Zielerinnerung, mit der Sie sich Ziele setzen können, die Sie erreichen möchten.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Klicken Sie hier, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause. Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz unter der Marke Ihrer Website.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Klicken Sie hier, um mehr zu erfahren.</translation>
    </message>
    <message>
        <source>Opens the web page about getting this software fully branded for your website.</source>
        <translation>Öffnet die Webseite darüber, wie Sie diese Software ganz unter der Marke Ihrer Website erhalten.</translation>
    </message>
</context>
<context>
    <name>Branding</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit der Marke Ihrer Website.  Steigern Sie Treue und Besucherzahlen Ihrer Website. Setzen Sie hier Name &amp;  Link Ihrer Website ein. Einzelheiten finden Sie unter „Hilfe“.    Klicken Sie hier für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause. Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz unter der Marke Ihrer Website. Klicken Sie hier, um mehr zu erfahren.</translation>
    </message>
    <message>
        <source>Share readings with fellow rune students in the Orlendra forum online. Click here to join in.</source>
        <translation>Teilen Sie Deutungen mit anderen Runenschülern im Orlendra-Forum. Klicken Sie hier, um mitzumachen.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber die Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Geld &amp;online verdienen</translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>It is neither a file nor a device.</source>
        <translation>Das ist weder eine Datei noch ein Gerät.</translation>
    </message>
</context>
<context>
    <name>FrameWindow</name>
    <message>
        <source>Orlendra meanings test</source>
        <translation>Orlendra-Bedeutungstest</translation>
    </message>
    <message>
        <source>&amp;Start Again</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
</context>
<context>
    <name>GoalDocument</name>
    <message>
        <source>%1 could not be read, so Goal %2 shows nothing of it and cannot be changed. The file is left as it is.</source>
        <translation>%1 konnte nicht gelesen werden. Ziel %2 zeigt daher nichts davon an und kann nicht geändert werden. Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 is too large to edit here, so Goal %2 shows only its beginning and cannot be changed. The file is left as it is.</source>
        <translation>%1 ist zu groß, um hier bearbeitet zu werden. Ziel %2 zeigt daher nur den Anfang und kann nicht geändert werden. Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Goal %2 was read.

Replace it with the text shown? No leaves the file as it is.</source>
        <translation>%1 wurde von einem anderen Programm geändert, seit Ziel %2 gelesen wurde.

Soll sie durch den angezeigten Text ersetzt werden? Mit „Nein“ bleibt die Datei unverändert.</translation>
    </message>
    <message>
        <source>Goal %1 holds characters that %2 cannot hold in its encoding, %3: %4

Save the file in UTF-8 instead, so that every character is kept? No leaves the file as it is.</source>
        <translation>Ziel %1 enthält Zeichen, die %2 in seiner Kodierung %3 nicht aufnehmen kann: %4

Die Datei stattdessen in UTF-8 speichern, damit jedes Zeichen erhalten bleibt? Mit „Nein“ bleibt die Datei unverändert.</translation>
    </message>
    <message>
        <source>Your text is still in the box.</source>
        <translation>Ihr Text steht weiterhin im Feld.</translation>
    </message>
    <message>
        <source>The file still holds what it held before, and your text is still in the box.</source>
        <translation>Die Datei enthält weiterhin ihren bisherigen Inhalt, und Ihr Text steht weiterhin im Feld.</translation>
    </message>
    <message>
        <source>Goal %1 could not be saved to %2.
%3

%4</source>
        <translation>Ziel %1 konnte nicht in %2 gespeichert werden.
%3

%4</translation>
    </message>
</context>
<context>
    <name>GoalFile</name>
    <message>
        <source>It would be larger than %1 MiB, and a goal that large cannot be edited here.</source>
        <translation>Die Datei wäre größer als %1 MiB, und ein so großes Ziel kann hier nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>It has a line longer than %1 characters, and a goal with such a line cannot be edited here.</source>
        <translation>Die Datei hätte eine Zeile mit mehr als %1 Zeichen, und ein Ziel mit einer solchen Zeile kann hier nicht bearbeitet werden.</translation>
    </message>
</context>
<context>
    <name>GoalsSection</name>
    <message>
        <source>Goals</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>Goal %1</source>
        <translation>Ziel %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save Goal %1</source>
        <translation>Ziel %1 speichern</translation>
    </message>
    <message>
        <source>Locked; tick to change Goal %1.</source>
        <translation>Gesperrt; zum Ändern von Ziel %1 ankreuzen.</translation>
    </message>
    <message>
        <source>Goal %1 saved.</source>
        <translation>Ziel %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>The file %1 could not be read, so the settings it holds were left as they are.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden, daher bleiben die darin gespeicherten Einstellungen unverändert.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be replaced.</source>
        <translation>Die Datei %1 ist beschädigt und konnte nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>The file %1 was damaged and could not be read. It now holds your current study settings.</source>
        <translation>Die Datei %1 war beschädigt und konnte nicht gelesen werden. Sie enthält jetzt Ihre aktuellen Lerneinstellungen.</translation>
    </message>
</context>
<context>
    <name>KeywordsQuizPage</name>
    <message>
        <source>Keywords test</source>
        <translation>Schlüsselwort-Test</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Frage %1</translation>
    </message>
</context>
<context>
    <name>MeaningsQuizPage</name>
    <message>
        <source>Meanings test</source>
        <translation>Bedeutungstest</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Frage %1</translation>
    </message>
</context>
<context>
    <name>MemorizeSection</name>
    <message>
        <source>Memorize Stones</source>
        <translation>Steine einprägen</translation>
    </message>
    <message>
        <source>Stone Name</source>
        <translation>Name des Steins</translation>
    </message>
    <message>
        <source>Normal Meaning</source>
        <translation>Normale Bedeutung</translation>
    </message>
    <message>
        <source>Reverse Meaning</source>
        <translation>Umgekehrte Bedeutung</translation>
    </message>
    <message>
        <source>Markstave Meaning</source>
        <translation>Merkstave-Bedeutung</translation>
    </message>
    <message>
        <source>Blank stone</source>
        <translation>Leerer Stein</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Alternative Names</source>
        <translation>Andere Namen</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>%1, upright</source>
        <translation>%1, aufrecht</translation>
    </message>
    <message>
        <source>%1, reversed</source>
        <translation>%1, umgekehrt</translation>
    </message>
    <message>
        <source>%1. Keywords: %2. Alternative Names: %3.</source>
        <translation>%1. Schlüsselwörter: %2. Andere Namen: %3.</translation>
    </message>
</context>
<context>
    <name>OrlendraApp</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
    <message>
        <source>Orlendra may be running on %1: its lock file %2 was taken there on %3.

Start anyway? That is safe only if no other copy of Orlendra runs on %1.</source>
        <translation>Orlendra läuft möglicherweise auf %1: Die Sperrdatei %2 wurde dort am %3 angelegt.

Trotzdem starten? Das ist nur dann sicher, wenn auf %1 kein anderes Orlendra läuft.</translation>
    </message>
    <message>
        <source>The lock file %1 could not be removed.</source>
        <translation>Die Sperrdatei %1 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>No goal file can be created in %1, so your goals cannot be kept.</source>
        <translation>In %1 kann keine Zieldatei angelegt werden, daher können Ihre Ziele nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No goal file can be created in %1 or in %2, so your goals cannot be kept.</source>
        <translation>Weder in %1 noch in %2 kann eine Zieldatei angelegt werden, daher können Ihre Ziele nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>QuizPage</name>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
</context>
<context>
    <name>QuizPageDriver</name>
    <message>
        <source>Key %1 ticked: %2.</source>
        <translation>Taste %1 angekreuzt: %2.</translation>
    </message>
</context>
<context>
    <name>QuizResultSection</name>
    <message>
        <source>Test result</source>
        <translation>Testergebnis</translation>
    </message>
    <message>
        <source>Orlendra Result</source>
        <translation>Orlendra-Ergebnis</translation>
    </message>
    <message>
        <source>Save Current Result</source>
        <translation>Ergebnis speichern</translation>
    </message>
    <message>
        <source>Review Answers</source>
        <translation>Antworten ansehen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>Text file (%1)</source>
        <translation>Textdatei (%1)</translation>
    </message>
    <message>
        <source>The result was not saved: the file name %1 holds a line break.</source>
        <translation>Das Ergebnis wurde nicht gespeichert: Der Dateiname %1 enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The result could not be saved to %1.
%2

Any file of that name still holds what it held before, and the result is still in the box.</source>
        <translation>Das Ergebnis konnte nicht in %1 gespeichert werden.
%2

Eine vorhandene Datei dieses Namens enthält weiterhin ihren bisherigen Inhalt, und das Ergebnis steht weiterhin im Feld.</translation>
    </message>
</context>
<context>
    <name>QuizSetupWizard</name>
    <message>
        <source>Test Set Up</source>
        <translation>Test einrichten</translation>
    </message>
    <message>
        <source>Test Set Up steps</source>
        <translation>Schritte der Testeinrichtung</translation>
    </message>
    <message>
        <source>Stone Keywords</source>
        <translation>Stein-Schlüsselwörter</translation>
    </message>
    <message>
        <source>Stone Meanings</source>
        <translation>Stein-Bedeutungen</translation>
    </message>
    <message>
        <source>Select your preferred test set up.</source>
        <translation>Wählen Sie die gewünschte Testart.</translation>
    </message>
    <message>
        <source>Each rune stone is associated with a particular keyword. Stone Keywords help you to interpret the keywords associated with the different rune stones.</source>
        <translation>Jeder Runenstein ist mit bestimmten Schlüsselwörtern verbunden. Stein-Schlüsselwörter helfen Ihnen, die Schlüsselwörter der verschiedenen Runensteine zu deuten.</translation>
    </message>
    <message>
        <source>Stone Meanings lets you to test your ability to interpret the different meanings of the different rune stones.</source>
        <translation>Mit Stein-Bedeutungen prüfen Sie, wie gut Sie die verschiedenen Bedeutungen der einzelnen Runensteine deuten können.</translation>
    </message>
    <message>
        <source>Please Select A Test Subject</source>
        <translation>Bitte wählen Sie eine Testart</translation>
    </message>
    <message>
        <source>Upright Stones</source>
        <translation>Aufrechte Steine</translation>
    </message>
    <message>
        <source>Reversed Stones</source>
        <translation>Umgekehrte Steine</translation>
    </message>
    <message>
        <source>Merkstave Stones</source>
        <translation>Merkstave-Steine</translation>
    </message>
    <message>
        <source>Select your preferred position.</source>
        <translation>Wählen Sie die gewünschte Position.</translation>
    </message>
    <message>
        <source>Markstave Stones</source>
        <translation>Merkstave-Steine</translation>
    </message>
    <message>
        <source>This displays the meanings of the image of the stone seen in the upright position.</source>
        <translation>Fragt die Bedeutungen des Steins ab, wie er in aufrechter Position erscheint.</translation>
    </message>
    <message>
        <source>This displays the reverse meanings of the reversed image of the stone seen in the reversed position.</source>
        <translation>Fragt die umgekehrten Bedeutungen des Steins ab, wie er in umgekehrter Position erscheint.</translation>
    </message>
    <message>
        <source>This displays the meanings of the image of the stone seen in the markstave position.</source>
        <translation>Fragt die Bedeutungen des Steins ab, wie er in Merkstave-Position erscheint.</translation>
    </message>
    <message>
        <source>Please Select At Least 1 Stone Type</source>
        <translation>Bitte wählen Sie mindestens eine Position</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Select your preferred level.</source>
        <translation>Wählen Sie die gewünschte Stufe.</translation>
    </message>
    <message>
        <source>This is the best test set up for the learners of the subject. This allows you to test your skills at a very basic level.</source>
        <translation>Diese Stufe eignet sich am besten für Einsteiger. Sie prüfen Ihr Können auf ganz grundlegendem Niveau.</translation>
    </message>
    <message>
        <source>This set up allows you to test your skills at a higher level. This is the ideal level for the experienced people.</source>
        <translation>Auf dieser Stufe prüfen Sie Ihr Können auf höherem Niveau. Sie ist ideal für Erfahrene.</translation>
    </message>
    <message>
        <source>Please Select A Test Level</source>
        <translation>Bitte wählen Sie eine Stufe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>SettingsSection</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Orlendra helps you learn more about the meanings of runes stone. Use this software to improve your rune reading skills.</source>
        <translation>Orlendra hilft Ihnen, mehr über die Bedeutungen der Runensteine zu lernen. Verbessern Sie mit diesem Programm Ihre Fähigkeit, Runen zu lesen.</translation>
    </message>
    <message>
        <source>Choose one or more of the below Stone Groups to start your Rune Lessons Now!</source>
        <translation>Wählen Sie eine oder mehrere der folgenden Steingruppen und beginnen Sie jetzt Ihre Runenlektionen!</translation>
    </message>
    <message>
        <source>Stone Groups</source>
        <translation>Steingruppen</translation>
    </message>
    <message>
        <source>The 24 rune stones have been divided into three stone groups or &apos;Aett&apos;, each containing eight stones, for your study and to make the subject more simple and interesting. Please select your preferred Stone Group or Aett.</source>
        <translation>Die 24 Runensteine sind für Ihr Studium in drei Steingruppen oder „Aettir“ zu je acht Steinen eingeteilt, damit das Thema einfacher und spannender wird. Bitte wählen Sie die gewünschte Steingruppe oder Aett.</translation>
    </message>
    <message>
        <source>First Aett</source>
        <translation>Erste Aett</translation>
    </message>
    <message>
        <source>Second Aett</source>
        <translation>Zweite Aett</translation>
    </message>
    <message>
        <source>Third Aett</source>
        <translation>Dritte Aett</translation>
    </message>
    <message>
        <source>The theme of the first Aett of runes is the unity of the initial forces of fire, chaos, ice and order to bring about the gift of the gods.</source>
        <translation>Das Thema der ersten Aett ist die Vereinigung der Urkräfte Feuer, Chaos, Eis und Ordnung, die die Gabe der Götter hervorbringt.</translation>
    </message>
    <message>
        <source>The theme of the second Aett of runes is development of consciousness from the basic level to the more matured, higher and the complex thought patterns.</source>
        <translation>Das Thema der zweiten Aett ist die Entwicklung des Bewusstseins von der Grundstufe hin zu reiferen, höheren und vielschichtigen Denkmustern.</translation>
    </message>
    <message>
        <source>The theme of the third Aett of runes is &apos;transition&apos;. It projects the natural progression of mankind from his first days to the end of the world.</source>
        <translation>Das Thema der dritten Aett ist der „Übergang“. Sie zeigt den natürlichen Weg der Menschheit von ihren ersten Tagen bis zum Ende der Welt.</translation>
    </message>
    <message>
        <source>Stone Meanings</source>
        <translation>Stein-Bedeutungen</translation>
    </message>
    <message>
        <source>Upright Meanings</source>
        <translation>Aufrechte Bedeutungen</translation>
    </message>
    <message>
        <source>Reversed Meanings</source>
        <translation>Umgekehrte Bedeutungen</translation>
    </message>
    <message>
        <source>Merkstave Meanings</source>
        <translation>Merkstave-Bedeutungen</translation>
    </message>
    <message>
        <source>Stone Objects</source>
        <translation>Weitere Angaben</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Also Known As</source>
        <translation>Auch bekannt als</translation>
    </message>
    <message>
        <source>Memorize Meanings / Keywords</source>
        <translation>Bedeutungen / Schlüsselwörter einprägen</translation>
    </message>
    <message>
        <source>Save Current Settings As Default</source>
        <translation>Einstellungen als Standard speichern</translation>
    </message>
</context>
<context>
    <name>StudySettingsRules</name>
    <message>
        <source>Please Select A Stone Group</source>
        <translation>Bitte wählen Sie eine Steingruppe</translation>
    </message>
    <message>
        <source>Please Select A Stone Meaning</source>
        <translation>Bitte wählen Sie eine Stein-Bedeutung</translation>
    </message>
    <message>
        <source>Your study settings could not be stored, so they will not be remembered next time.
%1</source>
        <translation>Ihre Lerneinstellungen konnten nicht gespeichert werden und gehen beim nächsten Start verloren.
%1</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>No web browser could open the page. Its address is:

%1</source>
        <translation>Kein Webbrowser konnte die Seite öffnen. Ihre Adresse lautet:

%1</translation>
    </message>
</context>
</TS>
