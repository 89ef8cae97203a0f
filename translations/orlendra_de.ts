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
        <translation>Orlendra ist ein reines Lernprogramm, das dir helfen soll, die Grundlagen dieser uralten Form der Weissagung zu erlernen. Die einfach zu bedienende Oberfläche enthält auch eine Zielerinnerung, mit der du dir Ziele setzen kannst, die du erreichen möchtest.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the web site&apos;s name, such as www.example.org</extracomment>
        <translation>Besuche %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause. Gründe dein eigenes Internetgeschäft und verdiene online Geld. Erhalte diese Software ganz unter der Marke deiner Website.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Klicke hier für Details.</translation>
    </message>
    <message>
        <source>Opens the web page about getting this software fully branded for your website.</source>
        <translation>Öffnet die Webseite darüber, wie du diese Software ganz unter der Marke deiner Website erhältst.</translation>
    </message>
</context>
<context>
    <name>AnswerReview</name>
    <message>
        <source>Practice Round, %1: %2 Correct Out Of %3</source>
        <translation>Übungsrunde, %1: %2 von %3 richtig</translation>
    </message>
    <message>
        <source>Right and ticked</source>
        <translation>Richtig, angekreuzt</translation>
    </message>
    <message>
        <source>Right and missed</source>
        <translation>Richtig, nicht angekreuzt</translation>
    </message>
    <message>
        <source>Wrong and ticked</source>
        <translation>Falsch, angekreuzt</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Nicht angekreuzt</translation>
    </message>
    <message>
        <source>%1 right and missed</source>
        <translation>%1 richtig, nicht angekreuzt</translation>
    </message>
    <message>
        <source>%1 wrong and ticked</source>
        <translation>%1 falsch angekreuzt</translation>
    </message>
    <message>
        <source>all right</source>
        <translation>alles richtig</translation>
    </message>
    <message>
        <source>%1, %2 of %3: %4</source>
        <extracomment>%1 is the stone, %2 of %3 the question&apos;s score and the most it can score, %4 how the answer went</extracomment>
        <translation>%1, %2 von %3: %4</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>%1, %2: %3 Correct Out Of %4</source>
        <translation>%1, %2: %3 von %4 richtig</translation>
    </message>
    <message>
        <source>Question %1: %2 — %3</source>
        <extracomment>%1 is the question&apos;s number, %2 the stone, %3 the question&apos;s score</extracomment>
        <translation>Frage %1: %2 — %3</translation>
    </message>
</context>
<context>
    <name>Branding</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Versieh diese Software mit der Marke deiner Website.  Steigere Treue und Besucherzahlen deiner Website. Setze hier Name &amp;  Link deiner Website ein. Einzelheiten findest du unter „Hilfe“.    Klicke hier für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause. Gründe dein eigenes Internetgeschäft und verdiene online Geld. Erhalte diese Software ganz unter der Marke deiner Website. Klicke hier, um mehr zu erfahren.</translation>
    </message>
    <message>
        <source>Share readings with fellow rune students in the Orlendra forum online. Click here to join in.</source>
        <translation>Teile Deutungen mit anderen Runenschülern im Orlendra-Forum. Klicke hier, um mitzumachen.</translation>
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
    <message>
        <source>There is not enough room for it there. Make room on the disk, or save it somewhere else.</source>
        <translation>Dort ist nicht genug Platz dafür. Schaffe Platz auf dem Datenträger oder speichere an einem anderen Ort.</translation>
    </message>
    <message>
        <source>You may not write there. Save it in a folder of your own, such as your documents.</source>
        <translation>Dort darfst du nicht schreiben. Speichere in einem eigenen Ordner, etwa in deinen Dokumenten.</translation>
    </message>
    <message>
        <source>The folder to keep it in does not exist. Choose another folder.</source>
        <translation>Der Zielordner existiert nicht. Wähle einen anderen Ordner.</translation>
    </message>
    <message>
        <source>It could not be written. Try again, or save it somewhere else.</source>
        <translation>Die Datei konnte nicht geschrieben werden. Versuche es erneut oder speichere an einem anderen Ort.</translation>
    </message>
    <message>
        <source>It could not be written, and what it held before may be lost. Save it somewhere else.</source>
        <translation>Die Datei konnte nicht geschrieben werden, und ihr bisheriger Inhalt ist möglicherweise verloren. Speichere an einem anderen Ort.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way. Choose another name.</source>
        <translation>Ein Ordner dieses Namens ist im Weg. Wähle einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>FlashCards</name>
    <message>
        <source>Orlendra Flash Cards</source>
        <translation>Orlendra-Karteikarten</translation>
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
        <extracomment>%1 is the goal file&apos;s path, %2 the goal&apos;s number</extracomment>
        <translation>%1 konnte nicht gelesen werden. Ziel %2 zeigt daher nichts davon an und kann nicht geändert werden. Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 is too large to edit here, so Goal %2 shows only its beginning and cannot be changed. The file is left as it is.</source>
        <extracomment>%1 is the goal file&apos;s path, %2 the goal&apos;s number</extracomment>
        <translation>%1 ist zu groß, um hier bearbeitet zu werden. Ziel %2 zeigt daher nur den Anfang und kann nicht geändert werden. Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Goal %2 was read.

Replace it with the text shown? No leaves the file as it is.</source>
        <extracomment>%1 is the goal file&apos;s path, %2 the goal&apos;s number</extracomment>
        <translation>%1 wurde von einem anderen Programm geändert, seit Ziel %2 gelesen wurde.

Soll die Datei durch den angezeigten Text ersetzt werden? Mit „Nein“ bleibt sie unverändert.</translation>
    </message>
    <message>
        <source>Goal %1 holds characters that %2 cannot hold in its encoding, %3: %4

Save the file in UTF-8 instead, so that every character is kept? No leaves the file as it is.</source>
        <extracomment>%1 is the goal&apos;s number, %2 its file&apos;s name, %3 the file&apos;s encoding, %4 the characters</extracomment>
        <translation>Ziel %1 enthält Zeichen, die %2 in der Kodierung %3 nicht aufnehmen kann: %4

Die Datei stattdessen in UTF-8 speichern, damit jedes Zeichen erhalten bleibt? Mit „Nein“ bleibt die Datei unverändert.</translation>
    </message>
    <message>
        <source>Your text is still in the box.</source>
        <translation>Dein Text steht weiterhin im Feld.</translation>
    </message>
    <message>
        <source>The file still holds what it held before, and your text is still in the box.</source>
        <translation>Die Datei enthält weiterhin ihren bisherigen Inhalt, und dein Text steht weiterhin im Feld.</translation>
    </message>
    <message>
        <source>Goal %1 could not be saved to %2.
%3

%4</source>
        <extracomment>%1 is the goal&apos;s number, %2 its file&apos;s path, %3 why it could not be saved, %4 what the file and the box hold now</extracomment>
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
    <name>HistoryBackups</name>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the copy could not be written to the disk</source>
        <translation>die Kopie konnte nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>the copy could not be named %1</source>
        <translation>die Kopie konnte nicht in %1 umbenannt werden</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Orlendra cannot keep new tests in the history of your tests in this run: %1.

Your tests work as always, and Progress still shows the tests recorded before.</source>
        <translation>Orlendra kann in dieser Sitzung keine neuen Tests im Verlauf deiner Tests speichern: %1.

Deine Tests funktionieren wie immer, und „Fortschritt“ zeigt weiterhin die bisher gespeicherten Tests.</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 cannot be brought up to date</source>
        <translation>%1 kann nicht auf den neuesten Stand gebracht werden</translation>
    </message>
    <message>
        <source>the history in its place cannot be moved aside</source>
        <translation>der Verlauf an seiner Stelle kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>The backup %1 could not be restored: %2.</source>
        <translation>Die Sicherung %1 konnte nicht wiederhergestellt werden: %2.</translation>
    </message>
    <message>
        <source>The history as it was has been kept as %1.</source>
        <translation>Der bisherige Verlauf wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The history of your tests could not be backed up: %1.</source>
        <translation>Der Verlauf deiner Tests konnte nicht gesichert werden: %1.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>%1 was written by a newer Orlendra</source>
        <translation>%1 stammt von einer neueren Version von Orlendra</translation>
    </message>
    <message>
        <source>%1 cannot be started afresh</source>
        <translation>%1 kann nicht neu angelegt werden</translation>
    </message>
    <message>
        <source>%1 is not a history of Orlendra&apos;s and cannot be moved aside</source>
        <translation>%1 ist kein Verlauf von Orlendra und kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be moved aside</source>
        <translation>%1 ist beschädigt und kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>The history of your tests, %1, is not a history of Orlendra&apos;s. It has been moved aside as %2, and a new history begins.</source>
        <translation>Der Verlauf deiner Tests, %1, ist kein Verlauf von Orlendra. Er wurde als %2 beiseitegelegt, und ein neuer Verlauf beginnt.</translation>
    </message>
    <message>
        <source>The history of your tests, %1, is damaged. It has been moved aside as %2, and a new history begins.</source>
        <translation>Der Verlauf deiner Tests, %1, ist beschädigt. Er wurde als %2 beiseitegelegt, und ein neuer Verlauf beginnt.</translation>
    </message>
    <message>
        <source>Orlendra cannot keep a history of your tests in this run: %1.

Your tests work as always; they are just not recorded.</source>
        <translation>Orlendra kann in dieser Sitzung keinen Verlauf deiner Tests führen: %1.

Deine Tests funktionieren wie immer; sie werden nur nicht gespeichert.</translation>
    </message>
    <message>
        <source>The history could not be repaired. Every test is still in it.</source>
        <translation>Der Verlauf konnte nicht repariert werden. Alle Tests sind weiterhin darin.</translation>
    </message>
</context>
<context>
    <name>HistoryQueries</name>
    <message>
        <source>The history of your tests could not be read, so Progress shows none of it.</source>
        <translation>Der Verlauf deiner Tests konnte nicht gelesen werden, daher zeigt „Fortschritt“ nichts davon an.</translation>
    </message>
    <message>
        <source>1 test in the history is damaged and not shown.</source>
        <translation>1 Test im Verlauf ist beschädigt und wird nicht angezeigt.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests in the history are damaged and not shown.</source>
        <translation>
            <numerusform>%n Test im Verlauf ist beschädigt und wird nicht angezeigt.</numerusform>
            <numerusform>%n Tests im Verlauf sind beschädigt und werden nicht angezeigt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryQuestions</name>
    <message>
        <source>Restore it instead?</source>
        <translation>Stattdessen die Sicherung wiederherstellen?</translation>
    </message>
    <message>
        <source>The history of your tests cannot be checked just now: another program is using its file. Try again in a moment.</source>
        <translation>Der Verlauf deiner Tests kann gerade nicht geprüft werden: Ein anderes Programm verwendet seine Datei. Versuche es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The history of your tests could not be checked.</source>
        <translation>Der Verlauf deiner Tests konnte nicht geprüft werden.</translation>
    </message>
    <message>
        <source>The history of your tests is whole: the check found no problems.</source>
        <translation>Der Verlauf deiner Tests ist intakt: Die Prüfung hat keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>The check found a problem in the history of your tests.</source>
        <translation>Die Prüfung hat ein Problem im Verlauf deiner Tests gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>The check found %n problems in the history of your tests.</source>
        <translation>
            <numerusform>Die Prüfung hat %n Problem im Verlauf deiner Tests gefunden.</numerusform>
            <numerusform>Die Prüfung hat %n Probleme im Verlauf deiner Tests gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no backup to restore it from.</source>
        <translation>Es gibt keine Sicherung, aus der er sich wiederherstellen ließe.</translation>
    </message>
    <message>
        <source>Restore it? The history as it is now is kept aside.</source>
        <translation>Wiederherstellen? Der Verlauf, wie er jetzt ist, wird gesondert aufbewahrt.</translation>
    </message>
    <message>
        <source>The newest backup, of %1, holds one test.</source>
        <translation>Die neueste Sicherung vom %1 enthält einen Test.</translation>
    </message>
    <message numerus="yes">
        <source>The newest backup, of %1, holds %n tests.</source>
        <translation>
            <numerusform>Die neueste Sicherung vom %1 enthält %n Test.</numerusform>
            <numerusform>Die neueste Sicherung vom %1 enthält %n Tests.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup has been restored.</source>
        <translation>Die Sicherung wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>Every test is whole; what is worked out from the answers, the boxes and the tallies of the stones, is not. Work it out again?</source>
        <translation>Alle Tests sind unversehrt; was aus den Antworten errechnet wird, die Fächer und die Zählungen der Steine, ist es nicht. Soll es neu errechnet werden?</translation>
    </message>
    <message>
        <source>The history has been repaired.</source>
        <translation>Der Verlauf wurde repariert.</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message>
        <source>The history could not be emptied: %1. Every test is still in it.</source>
        <translation>Der Verlauf konnte nicht geleert werden: %1. Alle Tests sind weiterhin darin enthalten.</translation>
    </message>
    <message>
        <source>The history could not be emptied: the disk is full. Every test is still in it; make room on the disk and try again.</source>
        <translation>Der Verlauf konnte nicht geleert werden: Der Datenträger ist voll. Alle Tests sind weiterhin darin enthalten; schaffe Platz auf dem Datenträger und versuche es erneut.</translation>
    </message>
    <message>
        <source>The history could not be emptied. Every test is still in it; try again.</source>
        <translation>Der Verlauf konnte nicht geleert werden. Alle Tests sind weiterhin darin enthalten; versuche es erneut.</translation>
    </message>
    <message>
        <source>This practice round could not be recorded in the history of your tests</source>
        <translation>Diese Übungsrunde konnte nicht im Verlauf deiner Tests gespeichert werden</translation>
    </message>
    <message>
        <source>This test could not be recorded in the history of your tests</source>
        <translation>Dieser Test konnte nicht im Verlauf deiner Tests gespeichert werden</translation>
    </message>
    <message>
        <source>The history still holds every test recorded before.</source>
        <translation>Der Verlauf enthält weiterhin alle zuvor gespeicherten Tests.</translation>
    </message>
    <message>
        <source>%1: the disk is full.

%2 Make room on the disk, and the next test is recorded again.</source>
        <translation>%1: Der Datenträger ist voll.

%2 Schaffe Platz auf dem Datenträger, dann wird der nächste Test wieder gespeichert.</translation>
    </message>
    <message>
        <source>%1: its file can no longer be written, perhaps because its folder or the disk was made read-only.

%2</source>
        <translation>%1: Die Datei des Verlaufs kann nicht mehr geschrieben werden, vielleicht weil ihr Ordner oder der Datenträger schreibgeschützt wurde.

%2</translation>
    </message>
    <message>
        <source>%1: the file is damaged.

Start Orlendra again: a damaged history is moved aside, and a new one begins.</source>
        <translation>%1: Die Datei ist beschädigt.

Starte Orlendra neu: Ein beschädigter Verlauf wird beiseitegelegt, und ein neuer beginnt.</translation>
    </message>
    <message>
        <source>%1.

%2</source>
        <translation>%1.

%2</translation>
    </message>
</context>
<context>
    <name>HistorySync</name>
    <message>
        <source>the folder is not there</source>
        <translation>den Ordner gibt es nicht</translation>
    </message>
    <message>
        <source>Your tests cannot be written to the sync folder %1: %2.

They are kept here as always, and go to the folder once it can take them again.</source>
        <translation>Deine Tests können nicht in den Sync-Ordner %1 geschrieben werden: %2.

Sie bleiben hier wie immer erhalten und kommen in den Ordner, sobald er sie wieder aufnehmen kann.</translation>
    </message>
    <message>
        <source>The sync folder %1 cannot be reached.

Your tests are kept here as always, and the folder is read again once it is back.</source>
        <translation>Der Sync-Ordner %1 ist nicht erreichbar.

Deine Tests bleiben hier wie immer erhalten, und der Ordner wird wieder gelesen, sobald er zurück ist.</translation>
    </message>
    <message>
        <source>%1 in the sync folder could not be read: %2.</source>
        <translation>%1 im Sync-Ordner konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>it leads out of the folder</source>
        <translation>die Datei führt aus dem Ordner hinaus</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>What the sync folder holds could not be added to the history of your tests: %1.</source>
        <translation>Was der Sync-Ordner enthält, konnte nicht in den Verlauf deiner Tests übernommen werden: %1.</translation>
    </message>
    <message>
        <source>%1 in the sync folder holds tests of a newer Orlendra, which this one cannot read. Every other test in it has been taken.</source>
        <translation>%1 im Sync-Ordner enthält Tests eines neueren Orlendra, die dieses nicht lesen kann. Alle anderen Tests daraus wurden übernommen.</translation>
    </message>
    <message>
        <source>%1 in the sync folder is damaged in places. Every test that could be read whole has been taken; the rest was passed over.</source>
        <translation>%1 im Sync-Ordner ist stellenweise beschädigt. Jeder Test, der sich vollständig lesen ließ, wurde übernommen; der Rest wurde übergangen.</translation>
    </message>
    <message>
        <source>The history could not be emptied. Every test is still in it; try again.</source>
        <translation>Der Verlauf konnte nicht geleert werden. Alle Tests sind weiterhin darin enthalten; versuche es erneut.</translation>
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
        <translation>Die Datei %1 war beschädigt und konnte nicht gelesen werden. Sie enthält jetzt deine aktuellen Lerneinstellungen.</translation>
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
</context>
<context>
    <name>MeaningsQuizPage</name>
    <message>
        <source>Meanings test</source>
        <translation>Bedeutungstest</translation>
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
        <extracomment>A picture&apos;s name: %1 is the stone&apos;s name</extracomment>
        <translation>%1, aufrecht</translation>
    </message>
    <message>
        <source>%1, reversed</source>
        <extracomment>A picture&apos;s name: %1 is the stone&apos;s name</extracomment>
        <translation>%1, umgekehrt</translation>
    </message>
    <message>
        <source>%1. Keywords: %2. Alternative Names: %3.</source>
        <extracomment>%1 is the stone&apos;s name, %2 its keywords, %3 its other names</extracomment>
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
        <extracomment>%1 is a computer&apos;s name, %2 the lock file&apos;s path, %3 the date and time it was taken</extracomment>
        <translation>Orlendra läuft möglicherweise auf %1: Die Sperrdatei %2 wurde dort am %3 angelegt.

Trotzdem starten? Das ist nur dann sicher, wenn auf %1 kein anderes Orlendra läuft.</translation>
    </message>
    <message>
        <source>The lock file %1 could not be removed.</source>
        <translation>Die Sperrdatei %1 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>PaperDialog</name>
    <message>
        <source>PDF document (%1)</source>
        <extracomment>A filter of the save dialog: %1 is the pattern of the file names, kept as it is</extracomment>
        <translation>PDF-Dokument (%1)</translation>
    </message>
    <message>
        <source>The PDF could not be saved to %1.
%2

Any file of that name still holds what it held before.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be saved</extracomment>
        <translation>Das PDF konnte nicht unter %1 gespeichert werden.
%2

Eine Datei dieses Namens enthält weiter, was sie vorher enthielt.</translation>
    </message>
    <message>
        <source>Printing is not installed with this copy of Orlendra. Save a PDF instead and print that.</source>
        <translation>Drucken ist bei dieser Orlendra-Installation nicht dabei. Speichere stattdessen ein PDF und drucke das.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern …</translation>
    </message>
    <message>
        <source>Save Study Sheet as PDF</source>
        <translation>Lernblatt als PDF speichern</translation>
    </message>
    <message>
        <source>Print Study Sheet</source>
        <translation>Lernblatt drucken</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Form:</translation>
    </message>
    <message>
        <source>Full: every ticked meaning</source>
        <translation>Ausführlich: jede angekreuzte Bedeutung</translation>
    </message>
    <message>
        <source>Compact: picture, name and keywords</source>
        <translation>Knapp: Bild, Name und Schlüsselwörter</translation>
    </message>
    <message>
        <source>Print a Test</source>
        <translation>Test drucken</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Fach:</translation>
    </message>
    <message>
        <source>Stone types:</source>
        <translation>Steinlagen:</translation>
    </message>
    <message>
        <source>L&amp;evel:</source>
        <translation>&amp;Stufe:</translation>
    </message>
    <message>
        <source>Print Study &amp;Sheet...</source>
        <translation>&amp;Lernblatt drucken …</translation>
    </message>
    <message>
        <source>Save Study Sheet as P&amp;DF...</source>
        <translation>Lernblatt als P&amp;DF speichern …</translation>
    </message>
    <message>
        <source>Print Flash &amp;Cards...</source>
        <translation>&amp;Karteikarten drucken …</translation>
    </message>
    <message>
        <source>Print Flash Cards</source>
        <translation>Karteikarten drucken</translation>
    </message>
    <message>
        <source>Print on both sides of the paper, turned over its long edge: each name then falls on the back of its stone.</source>
        <translation>Drucke beidseitig und wende das Blatt über die lange Kante: Dann steht jeder Name auf der Rückseite seines Steins.</translation>
    </message>
    <message>
        <source>Print a &amp;Test...</source>
        <translation>&amp;Test drucken …</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Details: %1</source>
        <translation>Details: %1</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Practice Round</source>
        <translation>Übungsrunde</translation>
    </message>
    <message>
        <source>Review Answers</source>
        <translation>Antworten ansehen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 Correct Out Of %2</source>
        <translation>%1 von %2 richtig</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>%1 Correct Out Of %2</source>
        <translation>%1 von %2 richtig</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Scores over time</source>
        <translation>Ergebnisse im Zeitverlauf</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>Keywords right</source>
        <translation>Schlüsselwörter richtig</translation>
    </message>
    <message>
        <source>Meanings right</source>
        <translation>Bedeutungen richtig</translation>
    </message>
    <message>
        <source>Times asked</source>
        <translation>Wie oft gefragt</translation>
    </message>
    <message>
        <source>Last asked</source>
        <translation>Zuletzt gefragt</translation>
    </message>
    <message>
        <source>Stones</source>
        <translation>Steine</translation>
    </message>
    <message>
        <source>Past tests</source>
        <translation>Bisherige Tests</translation>
    </message>
    <message>
        <source>S&amp;tudy Weakest Stones</source>
        <translation>Schwächste Steine &amp;lernen</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren …</translation>
    </message>
    <message>
        <source>&amp;Forget History...</source>
        <translation>&amp;Verlauf löschen …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Stones</source>
        <translation>&amp;Steine</translation>
    </message>
    <message>
        <source>S&amp;chedule</source>
        <translation>&amp;Zeitplan</translation>
    </message>
    <message>
        <source>Stones and schedule</source>
        <translation>Steine und Zeitplan</translation>
    </message>
    <message>
        <source>&amp;Past tests</source>
        <translation>&amp;Bisherige Tests</translation>
    </message>
    <message>
        <source>Finish a test first: the stones to study are the ones your tests show to be weakest</source>
        <translation>Schließe zuerst einen Test ab: Gelernt werden die Steine, die sich in deinen Tests als die schwächsten zeigen</translation>
    </message>
    <message>
        <source>New tests are not being kept: %1.</source>
        <translation>Neue Tests werden nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>nicht gefragt</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Due today: %1. In the next 7 days: %2 more.</source>
        <translation>Heute fällig: %1. In den nächsten 7 Tagen: %2 weitere.</translation>
    </message>
    <message>
        <source>Streak: 1 day</source>
        <translation>Lernserie: 1 Tag</translation>
    </message>
    <message>
        <source>CSV file (%1)</source>
        <extracomment>A filter of the save dialog: %1 is the pattern of the file names, kept as it is</extracomment>
        <translation>CSV-Datei (%1)</translation>
    </message>
    <message>
        <source>The history could not be exported to %1.
%2

%3</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written, %3 what the file holds now</extracomment>
        <translation>Der Verlauf konnte nicht nach %1 exportiert werden.
%2

%3</translation>
    </message>
    <message>
        <source>Any file of that name still holds what it held before.</source>
        <translation>Eine vorhandene Datei dieses Namens enthält weiterhin ihren bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>Forget every test in the history? Their scores, answers and reviews are gone for good.</source>
        <translation>Alle Tests aus dem Verlauf löschen? Ergebnisse, Antworten und Auswertungen dieser Tests gehen dann endgültig verloren.</translation>
    </message>
    <message>
        <source>Exporting the history to %1...</source>
        <extracomment>%1 is the path of the file the history is exported to</extracomment>
        <translation>Der Verlauf wird nach %1 exportiert …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reading the history of your tests...</source>
        <translation>Der Verlauf deiner Tests wird gelesen …</translation>
    </message>
    <message>
        <source>Walks through the stone you answer wrong most often</source>
        <translation>Geht den Stein durch, den du am häufigsten falsch beantwortest</translation>
    </message>
    <message numerus="yes">
        <source>Walks through the %n stones you answer wrong most often, the weakest first</source>
        <translation>
            <numerusform>Geht den %n Stein durch, den du am häufigsten falsch beantwortest</numerusform>
            <numerusform>Geht die %n Steine durch, die du am häufigsten falsch beantwortest, den schwächsten zuerst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Streak: %n days</source>
        <translation>
            <numerusform>Lernserie: %n Tag</numerusform>
            <numerusform>Lernserie: %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget every test in the history, on this computer and on every other one that shares the sync folder %1? Their scores, answers and reviews are gone for good.</source>
        <translation>Alle Tests aus dem Verlauf löschen, auf diesem Computer und auf jedem anderen, der den Sync-Ordner %1 teilt? Ergebnisse, Antworten und Auswertungen dieser Tests gehen dann endgültig verloren.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>No goal file can be created in %1, so your goals cannot be kept.</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>In %1 kann keine Zieldatei angelegt werden, daher können deine Ziele nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No goal file can be created in %1 or in %2, so your goals cannot be kept.</source>
        <extracomment>%1 and %2 are folders</extracomment>
        <translation>Weder in %1 noch in %2 kann eine Zieldatei angelegt werden, daher können deine Ziele nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>A file %1 is already there. Do you want to replace it?</source>
        <translation>Dort gibt es schon eine Datei %1. Möchtest du sie ersetzen?</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Ordner wählen</translation>
    </message>
</context>
<context>
    <name>QuizPage</name>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
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
    <name>QuizPageDriver</name>
    <message>
        <source>Key %1 ticked: %2.</source>
        <extracomment>Heard once a digit key ticked a box: %1 is the key, %2 the box&apos;s text</extracomment>
        <translation>Taste %1 angekreuzt: %2.</translation>
    </message>
</context>
<context>
    <name>QuizRecords</name>
    <message>
        <source>Stone Meanings</source>
        <translation>Stein-Bedeutungen</translation>
    </message>
    <message>
        <source>Stone Keywords</source>
        <translation>Stein-Schlüsselwörter</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Keywords Beginner</source>
        <translation>Schlüsselwörter, Anfänger</translation>
    </message>
    <message>
        <source>Keywords Advanced</source>
        <translation>Schlüsselwörter, Fortgeschr.</translation>
    </message>
    <message>
        <source>Meanings Beginner</source>
        <translation>Bedeutungen, Anfänger</translation>
    </message>
    <message>
        <source>Meanings Advanced</source>
        <translation>Bedeutungen, Fortgeschr.</translation>
    </message>
</context>
<context>
    <name>QuizResultFile</name>
    <message>
        <source>%1 Correct Out Of  %2 Keywords</source>
        <translation>%1 von %2 Schlüsselwörtern richtig</translation>
    </message>
    <message>
        <source>%1 Correct Out Of  %2 Descriptions</source>
        <translation>%1 von %2 Beschreibungen richtig</translation>
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
        <extracomment>Heard on the save button: %1 is the last line of the result, its total</extracomment>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>Text file (%1)</source>
        <extracomment>A filter of the save dialog: %1 is the pattern of the file names, kept as it is</extracomment>
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
        <extracomment>%1 is the file&apos;s path, %2 why it could not be saved</extracomment>
        <translation>Das Ergebnis konnte nicht in %1 gespeichert werden.
%2

Eine vorhandene Datei dieses Namens enthält weiterhin ihren bisherigen Inhalt, und das Ergebnis steht weiterhin im Feld.</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern …</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Dr&amp;ucken …</translation>
    </message>
</context>
<context>
    <name>QuizScoring</name>
    <message>
        <source>You must choose 4 options</source>
        <translation>Du musst 4 Antworten wählen</translation>
    </message>
    <message>
        <source>You must choose only 1 option</source>
        <translation>Du darfst nur 1 Antwort wählen</translation>
    </message>
    <message>
        <source>You can select 4 options</source>
        <translation>Du kannst 4 Antworten wählen</translation>
    </message>
    <message>
        <source>You can select 1 option</source>
        <translation>Du kannst 1 Antwort wählen</translation>
    </message>
    <message>
        <source>You must select 1 option</source>
        <translation>Du musst 1 Antwort wählen</translation>
    </message>
    <message>
        <source>%1 Correct Out of %2</source>
        <extracomment>%1 is the question&apos;s score, %2 the most it can score (1 or 4)</extracomment>
        <translation>%1 von %2 richtig</translation>
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
        <translation>Wähle die gewünschte Testart.</translation>
    </message>
    <message>
        <source>Each rune stone is associated with a particular keyword. Stone Keywords help you to interpret the keywords associated with the different rune stones.</source>
        <translation>Jeder Runenstein ist mit bestimmten Schlüsselwörtern verbunden. Stein-Schlüsselwörter helfen dir, die Schlüsselwörter der verschiedenen Runensteine zu deuten.</translation>
    </message>
    <message>
        <source>Stone Meanings lets you to test your ability to interpret the different meanings of the different rune stones.</source>
        <translation>Mit Stein-Bedeutungen prüfst du, wie gut du die verschiedenen Bedeutungen der einzelnen Runensteine deuten kannst.</translation>
    </message>
    <message>
        <source>Please Select A Test Subject</source>
        <translation>Bitte wähle eine Testart</translation>
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
        <translation>Wähle die gewünschte Position.</translation>
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
        <translation>Bitte wähle mindestens eine Position</translation>
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
        <translation>Wähle die gewünschte Stufe.</translation>
    </message>
    <message>
        <source>This is the best test set up for the learners of the subject. This allows you to test your skills at a very basic level.</source>
        <translation>Diese Stufe eignet sich am besten für Einsteiger. Du prüfst dein Können auf ganz grundlegendem Niveau.</translation>
    </message>
    <message>
        <source>This set up allows you to test your skills at a higher level. This is the ideal level for the experienced people.</source>
        <translation>Auf dieser Stufe prüfst du dein Können auf höherem Niveau. Sie ist ideal für Erfahrene.</translation>
    </message>
    <message>
        <source>Please Select A Test Level</source>
        <translation>Bitte wähle eine Stufe</translation>
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
    <name>QuizSpeech</name>
    <message>
        <source>None ticked, %1 needed.</source>
        <translation>Nichts angekreuzt, %1 nötig.</translation>
    </message>
    <message>
        <source>%1 ticked, %2 needed.</source>
        <translation>%1 angekreuzt, %2 nötig.</translation>
    </message>
    <message>
        <source>Question %1, %2. %3.</source>
        <extracomment>%1 is the question&apos;s number, %2 the stone&apos;s name, %3 what the question asks to tick</extracomment>
        <translation>Frage %1, %2. %3.</translation>
    </message>
</context>
<context>
    <name>ResultPaper</name>
    <message>
        <source>Orlendra Result</source>
        <translation>Orlendra-Ergebnis</translation>
    </message>
    <message>
        <source>Taken: %1</source>
        <extracomment>%1 is the date and time the test was finished</extracomment>
        <translation>Abgelegt: %1</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Review Answers</source>
        <translation>Antworten ansehen</translation>
    </message>
    <message>
        <source>&amp;Mistakes only</source>
        <translation>Nur &amp;Fehler</translation>
    </message>
    <message>
        <source>Mistakes only</source>
        <translation>Nur Fehler</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>No mistakes: every answer scored in full.</source>
        <translation>Keine Fehler: Jede Antwort hat die volle Punktzahl erhalten.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>right and ticked</source>
        <translation>richtig, angekreuzt</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Übersehen</translation>
    </message>
    <message>
        <source>right and missed</source>
        <translation>richtig, nicht angekreuzt</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>wrong and ticked</source>
        <translation>falsch, angekreuzt</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern …</translation>
    </message>
</context>
<context>
    <name>ScheduleModel</name>
    <message>
        <source>Forgotten once after it was learnt</source>
        <translation>Einmal vergessen, nachdem er gelernt war</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>Due since %1</source>
        <translation>Fällig seit %1</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>Keywords box</source>
        <translation>Fach Schlüsselwörter</translation>
    </message>
    <message>
        <source>Keywords due</source>
        <translation>Schlüsselwörter fällig</translation>
    </message>
    <message>
        <source>Meanings box</source>
        <translation>Fach Bedeutungen</translation>
    </message>
    <message>
        <source>Meanings due</source>
        <translation>Bedeutungen fällig</translation>
    </message>
    <message numerus="yes">
        <source>Forgotten %n times after it was learnt</source>
        <translation>
            <numerusform>%n-mal vergessen, nachdem er gelernt war</numerusform>
            <numerusform>%n-mal vergessen, nachdem er gelernt war</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoreLines</name>
    <message>
        <source>%1: no tests.</source>
        <translation>%1: keine Tests.</translation>
    </message>
    <message>
        <source>%1: 1 test, last %2, best %3.</source>
        <extracomment>%1 is the line&apos;s name, %2 and %3 the last and the best score</extracomment>
        <translation>%1: 1 Test, zuletzt %2, bestes Ergebnis %3.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n tests, last %2, best %3.</source>
        <translation>
            <numerusform>%1: %n Test, zuletzt %2, bestes Ergebnis %3.</numerusform>
            <numerusform>%1: %n Tests, zuletzt %2, bestes Ergebnis %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>d MMM HH:mm</source>
        <translation>d. MMM, HH:mm</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>MMM yyyy</source>
        <translation>MMM yyyy</translation>
    </message>
</context>
<context>
    <name>SectionStack</name>
    <message>
        <source>Shown below.</source>
        <translation>Unten angezeigt.</translation>
    </message>
    <message>
        <source>Shown below: %1</source>
        <translation>Unten angezeigt: %1</translation>
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
        <translation>Orlendra hilft dir, mehr über die Bedeutungen der Runensteine zu lernen. Verbessere mit diesem Programm deine Fähigkeit, Runen zu lesen.</translation>
    </message>
    <message>
        <source>Choose one or more of the below Stone Groups to start your Rune Lessons Now!</source>
        <translation>Wähle eine oder mehrere der folgenden Steingruppen und beginne jetzt deine Runenlektionen!</translation>
    </message>
    <message>
        <source>Stone Groups</source>
        <translation>Steingruppen</translation>
    </message>
    <message>
        <source>The 24 rune stones have been divided into three stone groups or &apos;Aett&apos;, each containing eight stones, for your study and to make the subject more simple and interesting. Please select your preferred Stone Group or Aett.</source>
        <translation>Die 24 Runensteine sind für dein Studium in drei Steingruppen oder „Aettir“ zu je acht Steinen eingeteilt, damit das Thema einfacher und spannender wird. Bitte wähle die gewünschte Steingruppe oder Aett.</translation>
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
    <name>StudyController</name>
    <message>
        <source>You Are Ready To Give Test<byte value="xd"/>Are You Sure You Want To Give Test</source>
        <translation>Du bist bereit für den Test<byte value="xd"/>Möchtest du den Test wirklich beginnen?</translation>
    </message>
</context>
<context>
    <name>StudySettingsRules</name>
    <message>
        <source>Please Select A Stone Group</source>
        <translation>Bitte wähle eine Steingruppe</translation>
    </message>
    <message>
        <source>Please Select A Stone Meaning</source>
        <translation>Bitte wähle eine Stein-Bedeutung</translation>
    </message>
    <message>
        <source>Your study settings could not be stored, so they will not be remembered next time.
%1</source>
        <translation>Deine Lerneinstellungen konnten nicht gespeichert werden und gehen beim nächsten Start verloren.
%1</translation>
    </message>
</context>
<context>
    <name>StudySheet</name>
    <message>
        <source>Orlendra Study Sheet</source>
        <translation>Orlendra-Lernblatt</translation>
    </message>
    <message>
        <source>Orlendra Study Sheet, Compact</source>
        <translation>Orlendra-Lernblatt, knapp</translation>
    </message>
</context>
<context>
    <name>StudyWindow</name>
    <message>
        <source>Orlendra study window</source>
        <translation>Orlendra-Lernfenster</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Angebote</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Memorize Stones</source>
        <translation>Steine einprägen</translation>
    </message>
    <message>
        <source>Test Set Up</source>
        <translation>Test einrichten</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Fortschritt …</translation>
    </message>
    <message>
        <source>Check &amp;History...</source>
        <translation>&amp;Verlauf prüfen …</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Practise Due Stones</source>
        <translation>&amp;Fällige Steine üben</translation>
    </message>
    <message>
        <source>Next due on %1</source>
        <translation>Als Nächstes fällig am %1</translation>
    </message>
    <message>
        <source>Asks what is due today, the longest waiting first</source>
        <translation>Fragt ab, was heute fällig ist, das am längsten Wartende zuerst</translation>
    </message>
    <message>
        <source>Due today: %1 (keywords: %2, meanings: %3)</source>
        <translation>Heute fällig: %1 (Schlüsselwörter: %2, Bedeutungen: %3)</translation>
    </message>
    <message>
        <source>Due today: 1 (a keyword)</source>
        <translation>Heute fällig: 1 (ein Schlüsselwort)</translation>
    </message>
    <message numerus="yes">
        <source>Due today: %n (keywords)</source>
        <translation>
            <numerusform>Heute fällig: %n (ein Schlüsselwort)</numerusform>
            <numerusform>Heute fällig: %n (Schlüsselwörter)</numerusform>
        </translation>
    </message>
    <message>
        <source>Due today: 1 (a meaning)</source>
        <translation>Heute fällig: 1 (eine Bedeutung)</translation>
    </message>
    <message numerus="yes">
        <source>Due today: %n (meanings)</source>
        <translation>
            <numerusform>Heute fällig: %n (eine Bedeutung)</numerusform>
            <numerusform>Heute fällig: %n (Bedeutungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Due today: 0. Next due on %1</source>
        <translation>Heute fällig: 0. Als Nächstes fällig am %1</translation>
    </message>
    <message>
        <source>Due today: 0</source>
        <translation>Heute fällig: 0</translation>
    </message>
    <message>
        <source>The history of your tests is being brought up to date...</source>
        <translation>Der Verlauf deiner Tests wird auf den neuesten Stand gebracht...</translation>
    </message>
    <message>
        <source>S&amp;ync Folder...</source>
        <translation>S&amp;ync-Ordner …</translation>
    </message>
</context>
<context>
    <name>SyncFolderDialog</name>
    <message>
        <source>Sync Folder</source>
        <translation>Sync-Ordner</translation>
    </message>
    <message>
        <source>Your history can be the same on every computer you use. Pick a folder that a sync tool, such as Syncthing or Nextcloud, keeps the same on each of your computers: Orlendra writes your tests there and takes in those of your other computers. Clear it to stop; every test stays in your history.</source>
        <translation>Dein Verlauf kann auf jedem Computer, den du nutzt, derselbe sein. Wähle einen Ordner, den ein Sync-Programm wie Syncthing oder Nextcloud auf jedem deiner Computer gleich hält: Orlendra schreibt deine Tests dorthin und übernimmt die deiner anderen Computer. Leere das Feld, um damit aufzuhören; jeder Test bleibt in deinem Verlauf.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen …</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>This computer&apos;s name</source>
        <translation>Name dieses Computers</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>This computer&apos;s &amp;name:</source>
        <translation>&amp;Name dieses Computers:</translation>
    </message>
    <message>
        <source>&amp;Other computers seen in the folder:</source>
        <translation>&amp;Andere Computer in diesem Ordner:</translation>
    </message>
    <message>
        <source>Other computers seen in the folder</source>
        <translation>Andere Computer in diesem Ordner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Latest test</source>
        <translation>Letzter Test</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Zuletzt gelesen</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Noch keiner</translation>
    </message>
</context>
<context>
    <name>SyncJournal</name>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
</context>
<context>
    <name>SyncKeeper</name>
    <message>
        <source>There is no folder %1. Pick a folder that is there.</source>
        <translation>Es gibt keinen Ordner %1. Wähle einen Ordner, den es gibt.</translation>
    </message>
</context>
<context>
    <name>TestPaper</name>
    <message>
        <source>Orlendra Test: %1, %2</source>
        <extracomment>%1 is the subject, such as &quot;Stone Keywords&quot;, %2 the level</extracomment>
        <translation>Orlendra-Test: %1, %2</translation>
    </message>
    <message>
        <source>Name: ____________________   Date: ______________</source>
        <translation>Name: ____________________   Datum: ______________</translation>
    </message>
    <message>
        <source>Tick the one right answer of each question.</source>
        <translation>Kreuze bei jeder Frage die eine richtige Antwort an.</translation>
    </message>
    <message>
        <source>Tick the four right answers of each question.</source>
        <translation>Kreuze bei jeder Frage die vier richtigen Antworten an.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A question of a test on paper: %1 is its number, %2 the stone&apos;s name</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <extracomment>A line of the answer key: %1 the question&apos;s number, %2 the stone, %3 the numbers of the right options</extracomment>
        <translation>%1. %2: %3</translation>
    </message>
</context>
<context>
    <name>WaitingTests</name>
    <message>
        <source>A test finished in this run could not be recorded in the history of your tests: another program kept the file %1 in use until the end.</source>
        <translation>Ein in dieser Sitzung beendeter Test konnte nicht im Verlauf deiner Tests gespeichert werden: Ein anderes Programm hat die Datei %1 bis zuletzt belegt.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests finished in this run could not be recorded in the history of your tests: another program kept the file %1 in use until the end.</source>
        <translation>
            <numerusform>%n in dieser Sitzung beendeter Test konnte nicht im Verlauf deiner Tests gespeichert werden: Ein anderes Programm hat die Datei %1 bis zuletzt belegt.</numerusform>
            <numerusform>%n in dieser Sitzung beendete Tests konnten nicht im Verlauf deiner Tests gespeichert werden: Ein anderes Programm hat die Datei %1 bis zuletzt belegt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history still holds every test recorded before.</source>
        <translation>Der Verlauf enthält weiterhin alle zuvor gespeicherten Tests.</translation>
    </message>
    <message>
        <source>A practice round finished in this run could not be recorded in the history of your tests: another program kept the file %1 in use until the end.</source>
        <translation>Eine in dieser Sitzung beendete Übungsrunde konnte nicht im Verlauf deiner Tests gespeichert werden: Ein anderes Programm hat die Datei %1 bis zuletzt belegt.</translation>
    </message>
    <message numerus="yes">
        <source>%n practice rounds finished in this run could not be recorded in the history of your tests: another program kept the file %1 in use until the end.</source>
        <translation>
            <numerusform>%n in dieser Sitzung beendete Übungsrunde konnte nicht im Verlauf deiner Tests gespeichert werden: Ein anderes Programm hat die Datei %1 bis zuletzt belegt.</numerusform>
            <numerusform>%n in dieser Sitzung beendete Übungsrunden konnten nicht im Verlauf deiner Tests gespeichert werden: Ein anderes Programm hat die Datei %1 bis zuletzt belegt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>No web browser could open the page. Its address is:

%1</source>
        <extracomment>%1 is the page&apos;s web address</extracomment>
        <translation>Kein Webbrowser konnte die Seite öffnen. Die Adresse der Seite lautet:

%1</translation>
    </message>
</context>
</TS>
