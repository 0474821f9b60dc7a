<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../guide/about_box.cpp" line="+19"/>
        <source>About Orvanta</source>
        <translation>Über Orvanta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Orvanta %1
A weekly schedule book.

Your weeks are kept in:
%2

© The makers of Orvanta. All rights reserved.
Orvanta is built with Qt %3 (GNU LGPL version 3), SQLite (public domain) and libmdb of mdbtools (GNU LGPL), which reads the earlier Windows program&apos;s files.</source>
        <translation>Orvanta %1
Ein Wochenplaner.

Ihre Wochen sind gespeichert in:
%2

© Die Entwickler von Orvanta. Alle Rechte vorbehalten.
Orvanta ist mit Qt %3 (GNU LGPL Version 3), SQLite (gemeinfrei) und libmdb aus mdbtools (GNU LGPL) erstellt; libmdb liest die Dateien des früheren Windows-Programms.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
</context>
<context>
    <name>BackupSchedule</name>
    <message>
        <location filename="../main_window/backup_schedule.cpp" line="+60"/>
        <source>%1 is damaged (%2). No copy was made of it today, so the copies in %3 are all from before.</source>
        <translation>%1 ist beschädigt (%2). Heute wurde keine Kopie davon angelegt, daher stammen alle Kopien in %3 aus der Zeit davor.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> There is no backup of it yet.</source>
        <translation> Es gibt noch keine Sicherung davon.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> The newest backup is %1: to go back to it, close Orvanta and copy it over %2.</source>
        <translation> Die neueste Sicherung ist %1: Um zu ihr zurückzukehren, schließen Sie Orvanta und kopieren Sie sie über %2.</translation>
    </message>
</context>
<context>
    <name>CalendarConnection</name>
    <message>
        <location filename="../schedule/calendar_connection.cpp" line="+73"/>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>is in use by another program.</source>
        <translation>wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is damaged (%1).</source>
        <translation>ist beschädigt (%1).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>does not exist.</source>
        <translation>existiert nicht.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot be opened (%1).</source>
        <translation>kann nicht geöffnet werden (%1).</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>is not an SQLite database.</source>
        <translation>ist keine SQLite-Datenbank.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <location line="+5"/>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>has no table tblCalendar.</source>
        <translation>hat keine Tabelle tblCalendar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>has a table tblCalendar without the columns StartWeekDate and WeekData (%1).</source>
        <translation>hat eine Tabelle tblCalendar ohne die Spalten StartWeekDate und WeekData (%1).</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>has code that would run when a week is saved (the trigger %1 on tblCalendar). Orvanta does not run code kept in its database: remove the trigger with another tool.</source>
        <translation>enthält Code, der beim Speichern einer Woche ausgeführt würde (den Trigger %1 auf tblCalendar). Orvanta führt keinen Code aus, der in seiner Datenbank gespeichert ist: Entfernen Sie den Trigger mit einem anderen Werkzeug.</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <location line="+12"/>
        <location line="+14"/>
        <location line="+24"/>
        <location line="+8"/>
        <source>could not be read</source>
        <translation>konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>could not be written</source>
        <translation>konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>CalendarDiscovery</name>
    <message>
        <location filename="../sync/calendar_discovery.cpp" line="+51"/>
        <source>The server refused the user name or password.</source>
        <translation>Der Server hat den Benutzernamen oder das Passwort abgelehnt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 answered %2: it is no CalDAV address.</source>
        <translation>%1 antwortete mit %2: Das ist keine CalDAV-Adresse.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The answer of %1 was damaged or cut short.</source>
        <translation>Die Antwort von %1 war beschädigt oder abgeschnitten.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 does not say where the calendars are.</source>
        <translation>%1 gibt nicht an, wo die Kalender liegen.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The server refused to make the calendar %1 (%2).</source>
        <translation>Der Server hat das Anlegen des Kalenders %1 abgelehnt (%2).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server refused to make the calendar %1.</source>
        <translation>Der Server hat das Anlegen des Kalenders %1 abgelehnt.</translation>
    </message>
</context>
<context>
    <name>CalendarFiles</name>
    <message>
        <location filename="../schedule/calendar_files.cpp" line="+34"/>
        <source>%1 already exists; left as it is.</source>
        <translation>%1 existiert bereits und bleibt unverändert.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseSession</name>
    <message>
        <location filename="../main_window/database_session.cpp" line="+34"/>
        <source>%1 not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a database file.</source>
        <translation>%1 ist keine Datenbankdatei.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is open in another Orvanta that cannot be reached (process %2).</source>
        <translation>%1 ist in einem anderen Orvanta geöffnet, das nicht erreichbar ist (Prozess %2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is open in Orvanta on the computer %2. Close it there first: Orvanta ends here without changing anything.</source>
        <translation>%1 ist in Orvanta auf dem Computer %2 geöffnet. Schließen Sie es zuerst dort: Orvanta wird hier beendet, ohne etwas zu verändern.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The draft %1 cannot be read (%2). Move it away to start Orvanta; it may hold typing that was never saved.</source>
        <translation>Der Entwurf %1 kann nicht gelesen werden (%2). Verschieben Sie ihn an einen anderen Ort, um Orvanta zu starten; er enthält möglicherweise Eingaben, die nie gespeichert wurden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The texts of the week of %1, typed before Orvanta last ended without saving them, could not be recovered: %2

They are kept in %3 for the next start.</source>
        <translation>Die Texte der Woche ab %1, die eingegeben wurden, bevor Orvanta zuletzt ohne Speichern beendet wurde, konnten nicht wiederhergestellt werden: %2

Sie bleiben für den nächsten Start in %3 erhalten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Orvanta last ended without saving the week of %1. Its texts as last typed have been recovered.</source>
        <translation>Orvanta wurde zuletzt beendet, ohne die Woche ab %1 zu speichern. Ihre Texte wurden so wiederhergestellt, wie sie zuletzt eingegeben waren.</translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <location filename="../sync/dav_client.cpp" line="+171"/>
        <source>The answer of %1 was larger than %2 MB.</source>
        <translation>Die Antwort von %1 war größer als %2 MB.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The certificate of %1 cannot be verified. Its SHA-256 fingerprint is %2.</source>
        <translation>Das Zertifikat von %1 lässt sich nicht überprüfen. Sein SHA-256-Fingerabdruck ist %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+41"/>
        <source>The sync was stopped.</source>
        <translation>Die Synchronisierung wurde abgebrochen.</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>%1 did not answer in time.</source>
        <translation>%1 hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be reached: %2</source>
        <translation>%1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 answered in an encoding Orvanta did not ask for (%2).</source>
        <translation>%1 hat in einer Kodierung geantwortet, die Orvanta nicht angefordert hat (%2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The answer of %1 was cut off.</source>
        <translation>Die Antwort von %1 wurde abgeschnitten.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 sent Orvanta to another server, or away from HTTPS; it did not follow.</source>
        <translation>%1 hat Orvanta auf einen anderen Server oder weg von HTTPS umgeleitet; Orvanta ist dem nicht gefolgt.</translation>
    </message>
</context>
<context>
    <name>EarlierProgramConversion</name>
    <message>
        <location filename="../conversion/earlier_program_conversion.cpp" line="+79"/>
        <source>A new database for Orvanta could not be written in %1: %2. Nothing was changed; %3 is as it was.</source>
        <translation>In %1 konnte keine neue Datenbank für Orvanta geschrieben werden: %2. Es wurde nichts verändert; %3 ist unverändert.</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>the new file could not be written to the disk</source>
        <translation>die neue Datei konnte nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The conversion was cancelled. Nothing was changed.</source>
        <translation>Die Umwandlung wurde abgebrochen. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the new database did not pass its check</source>
        <translation>die neue Datenbank hat die Prüfung nicht bestanden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the new database does not hold every week</source>
        <translation>die neue Datenbank enthält nicht alle Wochen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the new database does not read back as written</source>
        <translation>die neue Datenbank liest sich nicht so zurück, wie sie geschrieben wurde</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the original could not be kept as %1 (%2)</source>
        <translation>das Original konnte nicht als %1 aufbewahrt werden (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every name for keeping the original is taken</source>
        <translation>alle Namen zum Aufbewahren des Originals sind bereits vergeben</translation>
    </message>
</context>
<context>
    <name>EarlierProgramOffer</name>
    <message>
        <location filename="../main_window/earlier_program_offer.cpp" line="+26"/>
        <source>Reading the weeks of the earlier program…</source>
        <translation>Die Wochen des früheren Programms werden gelesen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>Reading the weeks of the earlier program… %Ln row(s)</source>
        <translation>
            <numerusform>Die Wochen des früheren Programms werden gelesen… %Ln Zeile</numerusform>
            <numerusform>Die Wochen des früheren Programms werden gelesen… %Ln Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 was written by the earlier Windows program. Copy its %Ln week(s) into a new database for Orvanta? The original is kept unchanged as %2.</source>
        <translation>
            <numerusform>%1 wurde vom früheren Windows-Programm geschrieben. Die eine Woche daraus in eine neue Datenbank für Orvanta kopieren? Das Original bleibt unverändert als %2 erhalten.</numerusform>
            <numerusform>%1 wurde vom früheren Windows-Programm geschrieben. Die %Ln Wochen daraus in eine neue Datenbank für Orvanta kopieren? Das Original bleibt unverändert als %2 erhalten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%Ln week(s) came over from the earlier program.</source>
        <translation>
            <numerusform>%Ln Woche wurde aus dem früheren Programm übernommen.</numerusform>
            <numerusform>%Ln Wochen wurden aus dem früheren Programm übernommen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source> %Ln of them were stored with day and month swapped, as day-first date settings wrote them, and now lie under their right Sunday.</source>
        <translation>
            <numerusform> %Ln davon war mit vertauschtem Tag und Monat gespeichert, wie es Datumseinstellungen mit dem Tag an erster Stelle schrieben, und steht jetzt unter ihrem richtigen Sonntag.</numerusform>
            <numerusform> %Ln davon waren mit vertauschtem Tag und Monat gespeichert, wie es Datumseinstellungen mit dem Tag an erster Stelle schrieben, und stehen jetzt unter ihrem richtigen Sonntag.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source> The original is kept as %1.</source>
        <translation> Das Original bleibt als %1 erhalten.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source> %Ln row(s) that cannot be weeks are kept, with their full texts, in %1.</source>
        <translation>
            <numerusform> %Ln Zeile, die keine Woche sein kann, ist mit ihrem vollständigen Text in %1 gesichert.</numerusform>
            <numerusform> %Ln Zeilen, die keine Wochen sein können, sind mit ihren vollständigen Texten in %1 gesichert.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Orvanta shows the week of %1, the newest that came over.</source>
        <translation> Orvanta zeigt die Woche ab %1, die neueste übernommene Woche.</translation>
    </message>
</context>
<context>
    <name>EarlierWeekRows</name>
    <message>
        <location filename="../conversion/earlier_week_rows.cpp" line="+69"/>
        <source>%1 could not be read as a database of the earlier program: %2. Nothing was changed.</source>
        <translation>%1 konnte nicht als Datenbank des früheren Programms gelesen werden: %2. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>its reader, %1, could not be started (%2)</source>
        <translation>das Leseprogramm %1 konnte nicht gestartet werden (%2)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>its reader gave rows that make no sense</source>
        <translation>das Leseprogramm lieferte unsinnige Zeilen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>reading it took longer than %1 seconds</source>
        <translation>das Lesen dauerte länger als %1 Sekunden</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>its reader stopped unexpectedly</source>
        <translation>das Leseprogramm wurde unerwartet beendet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is a database of Microsoft Access, but not the earlier program&apos;s: it has no table tblCalendar. Nothing was changed.</source>
        <translation>%1 ist eine Datenbank von Microsoft Access, aber nicht die des früheren Programms: Sie hat keine Tabelle tblCalendar. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a database of Microsoft Access, but not the earlier program&apos;s: its table tblCalendar has no columns StartWeekDate (Date/Time) and WeekData (Memo). Nothing was changed.</source>
        <translation>%1 ist eine Datenbank von Microsoft Access, aber nicht die des früheren Programms: Ihre Tabelle tblCalendar hat keine Spalten StartWeekDate (Datum/Uhrzeit) und WeekData (Memo). Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its reader failed</source>
        <translation>das Leseprogramm ist fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its reader ended before the last row</source>
        <translation>das Leseprogramm endete vor der letzten Zeile</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <location filename="../find_window/find_window.cpp" line="+82"/>
        <source>Find in all weeks</source>
        <translation>In allen Wochen suchen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Words, or a &quot;phrase&quot;</source>
        <translation>Wörter oder eine &quot;Wortgruppe&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Words to find</source>
        <translation>Gesuchte Wörter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Days found</source>
        <translation>Gefundene Tage</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Notes, week of %1</source>
        <translation>Notizen, Woche ab %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The weeks cannot be searched: %1</source>
        <translation>Die Wochen können nicht durchsucht werden: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%Ln result(s)</source>
        <translation>
            <numerusform>%Ln Ergebnis</numerusform>
            <numerusform>%Ln Ergebnisse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>, the newest %Ln listed</source>
        <translation>
            <numerusform>, davon %Ln angezeigt</numerusform>
            <numerusform>, die neuesten %Ln angezeigt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> so far…</source>
        <translation> – Suche läuft…</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../main_window/form1.cpp" line="+638"/>
        <source>

Close and lose the texts of the week of %1?</source>
        <translation>

Schließen und die Texte der Woche ab %1 verlieren?</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <location filename="../go_to_date/go_to_date_dialog.cpp" line="+20"/>
        <source>Go to date</source>
        <translation>Gehe zu Datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+1"/>
        <source>Choose in a calendar</source>
        <translation>Im Kalender auswählen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Go</source>
        <translation>&amp;Wechseln</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1, %2 or %3</source>
        <translation>%1, %2 oder %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2</source>
        <comment>a month&apos;s short name and a year, as the field reads them</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a day, such as %1.</source>
        <translation>Geben Sie einen Tag ein, etwa %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Orvanta cannot read this as a day. Try %1.</source>
        <translation>Orvanta kann das nicht als Tag lesen. Versuchen Sie es etwa mit %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Orvanta&apos;s calendar runs from %1 to %2.</source>
        <translation>Der Kalender von Orvanta reicht von %1 bis %2.</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <location filename="../guide/guide_text.cpp" line="+49"/>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>What</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Keys</source>
        <comment>the heading of the table of keys</comment>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(in the menu)</source>
        <translation>(im Menü)</translation>
    </message>
</context>
<context>
    <name>IconFile</name>
    <message>
        <location filename="../controls/icon_file.cpp" line="+46"/>
        <source>its images hold more pixels than an icon or cursor</source>
        <translation>die Bilder darin haben mehr Pixel als ein Symbol oder Cursor</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>an image is cut short</source>
        <translation>ein Bild ist abgeschnitten</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>an image has an unknown header</source>
        <translation>ein Bild hat einen unbekannten Dateikopf</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+75"/>
        <source>an image has an impossible size</source>
        <translation>ein Bild hat eine unmögliche Größe</translation>
    </message>
    <message>
        <location line="-73"/>
        <source>an image is compressed</source>
        <translation>ein Bild ist komprimiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an image has %1 bits per pixel</source>
        <translation>ein Bild hat %1 Bit pro Pixel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>an image has an impossible palette</source>
        <translation>ein Bild hat eine unmögliche Palette</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>there is no memory for an image</source>
        <translation>für ein Bild ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>an image uses a colour it does not have</source>
        <translation>ein Bild verwendet eine Farbe, die es nicht enthält</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+9"/>
        <source>an image is an unreadable PNG</source>
        <translation>ein Bild ist ein unlesbares PNG</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not an icon or cursor file</source>
        <translation>keine Symbol- oder Cursordatei</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the file&apos;s list of images is empty or cut short</source>
        <translation>die Bilderliste der Datei ist leer oder abgeschnitten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it lists %1 images, more than an icon or cursor has</source>
        <translation>die Datei führt %1 Bilder auf, mehr als ein Symbol oder Cursor hat</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>an image lies outside the file</source>
        <translation>ein Bild liegt außerhalb der Datei</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>it is larger than an icon or cursor file can be</source>
        <translation>die Datei ist größer, als eine Symbol- oder Cursordatei sein kann</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../main_window/main_module.cpp" line="+106"/>
        <source>The skin %1 cannot be used: %2.</source>
        <translation>Der Skin %1 kann nicht verwendet werden: %2.</translation>
    </message>
</context>
<context>
    <name>MonthView</name>
    <message numerus="yes">
        <location filename="../controls/month_view.cpp" line="+59"/>
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Notes: %1</source>
        <translation>Notizen: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>has text</source>
        <translation>enthält Text</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the week&apos;s notes have text</source>
        <translation>Notizen der Woche enthalten Text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, </source>
        <extracomment>Joins what is said of a day: &quot;today, has text&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2</source>
        <extracomment>A month&apos;s title: %1 its name, %2 its year (&quot;December 2026&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location filename="../controls/month_view_accessible.cpp" line="+322"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>MonthYearChooser</name>
    <message>
        <location filename="../controls/month_year_chooser.cpp" line="+29"/>
        <source>Month and year</source>
        <translation>Monat und Jahr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <location filename="../desktop/program_folder.cpp" line="+31"/>
        <source>the program&apos;s path %1 names no folder</source>
        <translation>der Programmpfad %1 nennt keinen Ordner</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>its folder %1 cannot be opened (%2)</source>
        <translation>der Programmordner %1 kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>/proc/self/exe cannot be read (%1)</source>
        <translation>/proc/self/exe kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the system does not say where the program is</source>
        <translation>das System gibt nicht an, wo das Programm liegt</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <location filename="../controls/skin_framework.cpp" line="+56"/>
        <source>the skinning control has no member %1 to be called that way</source>
        <translation>das Skin-Steuerelement hat kein Element %1, das sich so aufrufen lässt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is larger than a skin can be</source>
        <translation>die Datei ist größer, als ein Skin sein kann</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no skin is loaded</source>
        <translation>es ist kein Skin geladen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no window has the handle %1</source>
        <translation>kein Fenster hat das Handle %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a NUL character</source>
        <translation>ein NUL-Zeichen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a comment is never closed</source>
        <translation>ein Kommentar wird nie geschlossen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>a quoted text is never closed</source>
        <translation>ein Text in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&apos;}&apos; closes nothing</source>
        <translation>„}“ schließt nichts</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;{&apos; is never closed</source>
        <translation>„{“ wird nie geschlossen</translation>
    </message>
</context>
<context>
    <name>SmallFile</name>
    <message>
        <location filename="../files/small_file.cpp" line="+92"/>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>es handelt sich nicht um eine Datei, sondern um einen Ordner, ein Gerät oder eine Pipe</translation>
    </message>
</context>
<context>
    <name>SpellCheck</name>
    <message>
        <location filename="../spelling/spell_check.cpp" line="+200"/>
        <source>Check spelling</source>
        <translation>Rechtschreibung prüfen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>No suggestions</source>
        <translation>Keine Vorschläge</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add to dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <location filename="../cli/sync_command.cpp" line="+57"/>
        <source>%1 takes a value.</source>
        <translation>%1 erwartet einen Wert.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>--timeout takes a number of seconds.</source>
        <translation>--timeout erwartet eine Anzahl von Sekunden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>sync has no option %1.</source>
        <translation>sync hat keine Option %1.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+105"/>
        <source>Sync is not set up: orvanta-cli sync --setup URL --user NAME --password-stdin</source>
        <translation>Die Synchronisierung ist nicht eingerichtet: orvanta-cli sync --setup URL --user NAME --password-stdin</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User: %1</source>
        <translation>Benutzer: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar: %1</source>
        <translation>Kalender: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last sync: %1</source>
        <translation>Letzte Synchronisierung: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Days waiting for the server: %1, since %2</source>
        <translation>Tage, die auf den Server warten: %1, seit %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Changed on both sides in the last sync: %1</source>
        <translation>Bei der letzten Synchronisierung auf beiden Seiten geändert: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--history takes a day as yyyy-MM-dd.</source>
        <translation>--history erwartet einen Tag im Format yyyy-MM-dd.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sync is not set up.</source>
        <translation>Die Synchronisierung ist nicht eingerichtet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No text of %1 was replaced by a sync.</source>
        <translation>Kein Text vom %1 wurde durch eine Synchronisierung ersetzt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the week&apos;s notes</source>
        <translation>Notizen der Woche</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 is no server address.</source>
        <translation>%1 ist keine Serveradresse.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is plain HTTP, which anyone on the way can read; use https, or --allow-http where that is what you want.</source>
        <translation>%1 ist unverschlüsseltes HTTP, das jeder auf dem Übertragungsweg mitlesen kann; verwenden Sie https oder --allow-http, wenn Sie genau das wollen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>give the password on standard input with --password-stdin.</source>
        <translation>geben Sie das Passwort mit --password-stdin über die Standardeingabe an.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no password on standard input.</source>
        <translation>kein Passwort in der Standardeingabe.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>If it is your server&apos;s, run the setup again with --trust %1.</source>
        <translation>Wenn es das Zertifikat Ihres Servers ist, führen Sie die Einrichtung mit --trust %1 erneut aus.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Made the journal calendar %1.</source>
        <translation>Der Journalkalender %1 wurde angelegt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync is set up with %1.</source>
        <translation>Die Synchronisierung mit %1 ist eingerichtet.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>no password: give it on standard input with --password-stdin.</source>
        <translation>kein Passwort: Geben Sie es mit --password-stdin über die Standardeingabe an.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>If it is your server&apos;s, set up again with --trust %1.</source>
        <translation>Wenn es das Zertifikat Ihres Servers ist, richten Sie die Synchronisierung mit --trust %1 erneut ein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Synced: %1 sent, %2 received, %3 removed, in %4 requests.</source>
        <translation>Synchronisiert: %1 gesendet, %2 empfangen, %3 entfernt, Anfragen: %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Changed on both sides, both texts kept: %1</source>
        <translation>Auf beiden Seiten geändert, beide Texte behalten: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is open in Orvanta, which syncs it itself (Sync now).</source>
        <translation>%1 ist in Orvanta geöffnet, das die Datei selbst synchronisiert (Jetzt synchronisieren).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is open in Orvanta on the computer %2.</source>
        <translation>%1 ist in Orvanta auf dem Computer %2 geöffnet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--setup takes --user NAME too.</source>
        <translation>--setup erwartet auch --user NAME.</translation>
    </message>
</context>
<context>
    <name>SyncDialog</name>
    <message>
        <location filename="../sync_window/sync_dialog.cpp" line="+61"/>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>https://example.org/dav/</source>
        <translation>https://example.org/dav/</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar name</source>
        <translation>Kalendername</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Journal calendars found</source>
        <translation>Gefundene Journalkalender</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Server address:</source>
        <translation>&amp;Serveradresse:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ca&amp;lendar name:</source>
        <translation>&amp;Kalendername:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendars &amp;found:</source>
        <translation>&amp;Gefundene Kalender:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>C&amp;onnect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;top syncing</source>
        <translation>S&amp;ynchronisierung beenden</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Type the address of your CalDAV server, such as https://example.org/dav/.</source>
        <translation>Geben Sie die Adresse Ihres CalDAV-Servers ein, etwa https://example.org/dav/.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Type your user name on the server.</source>
        <translation>Geben Sie Ihren Benutzernamen auf dem Server ein.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is plain HTTP: anyone on the way can read your weeks and your password. Connect without encryption all the same?</source>
        <translation>%1 ist unverschlüsseltes HTTP: Jeder auf dem Übertragungsweg kann Ihre Wochen und Ihr Passwort mitlesen. Trotzdem ohne Verschlüsselung verbinden?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not connected. Use an https address where the server has one.</source>
        <translation>Nicht verbunden. Verwenden Sie eine https-Adresse, wenn der Server eine hat.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Connecting to %1…</source>
        <translation>Verbindung mit %1 wird hergestellt…</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The server&apos;s certificate does not verify. Its fingerprint (SHA-256) is:
%1</source>
        <translation>Das Zertifikat des Servers lässt sich nicht überprüfen. Sein Fingerabdruck (SHA-256) ist:
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The certificate of %1 does not verify: it may not be your server&apos;s. Compare its fingerprint (SHA-256) with the one your server&apos;s owner gives:

%2

Trust this certificate?</source>
        <translation>Das Zertifikat von %1 lässt sich nicht überprüfen: Es ist vielleicht nicht das Ihres Servers. Vergleichen Sie seinen Fingerabdruck (SHA-256) mit dem, den der Betreiber Ihres Servers angibt:

%2

Diesem Zertifikat vertrauen?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not connected: the certificate was not trusted.</source>
        <translation>Nicht verbunden: Dem Zertifikat wurde nicht vertraut.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The server refused the user name or password.</source>
        <translation>Der Server hat den Benutzernamen oder das Passwort abgelehnt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected: %1</source>
        <translation>Nicht verbunden: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+47"/>
        <source>The account could not be kept: %1</source>
        <translation>Das Konto konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Connected: made the calendar %1 for your weeks.</source>
        <translation>Verbunden: Der Kalender %1 wurde für Ihre Wochen angelegt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected: your weeks sync with the calendar %1.</source>
        <translation>Verbunden: Ihre Wochen werden mit dem Kalender %1 synchronisiert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The password is kept in your desktop&apos;s password store.</source>
        <translation>Das Passwort wird im Passwortspeicher Ihres Desktops aufbewahrt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No password store answered: Orvanta keeps the password until it ends, and asks for it again at its next start.</source>
        <translation>Kein Passwortspeicher hat geantwortet: Orvanta behält das Passwort bis zum Beenden und fragt beim nächsten Start erneut danach.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Your weeks now sync with the calendar %1.</source>
        <translation>Ihre Wochen werden jetzt mit dem Kalender %1 synchronisiert.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop syncing your weeks with %1? They stay as they are, here and on the server.</source>
        <translation>Die Synchronisierung Ihrer Wochen mit %1 beenden? Die Wochen bleiben, wie sie sind, hier und auf dem Server.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The account could not be forgotten: %1</source>
        <translation>Das Konto konnte nicht entfernt werden: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Your weeks no longer sync.</source>
        <translation>Ihre Wochen werden nicht mehr synchronisiert.</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <location filename="../sync/sync_engine.cpp" line="+126"/>
        <source>The server refused the user name or password.</source>
        <translation>Der Server hat den Benutzernamen oder das Passwort abgelehnt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The server answered %1 while %2.</source>
        <translation>Der Server hat beim %2 mit %1 geantwortet.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No sync account is set up.</source>
        <translation>Es ist kein Synchronisierungskonto eingerichtet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is plain HTTP to another computer, which was not allowed.</source>
        <translation>%1 ist unverschlüsseltes HTTP zu einem anderen Computer, was nicht erlaubt wurde.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The server&apos;s answer was damaged: %1</source>
        <translation>Die Antwort des Servers war beschädigt: %1</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The server&apos;s answer was cut short.</source>
        <translation>Die Antwort des Servers war abgeschnitten.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>listing the changes</source>
        <translation>Auflisten der Änderungen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>listing the entries</source>
        <translation>Auflisten der Einträge</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>reading the entries</source>
        <translation>Lesen der Einträge</translation>
    </message>
    <message>
        <location line="-277"/>
        <source>an entry of another program was added</source>
        <translation>ein Eintrag eines anderen Programms wurde hinzugefügt</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>changed by a sync</source>
        <translation>durch eine Synchronisierung geändert</translation>
    </message>
    <message>
        <location line="+586"/>
        <location line="+82"/>
        <source>sending the text of %1</source>
        <translation>Senden des Textes vom %1</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>reading an entry again</source>
        <translation>erneuten Lesen eines Eintrags</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The entry for %1 came cut short.</source>
        <translation>Der Eintrag vom %1 kam abgeschnitten an.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The entry for %1 on the server is not a journal entry.</source>
        <translation>Der Eintrag vom %1 auf dem Server ist kein Journaleintrag.</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>removing an entry taken into a day</source>
        <translation>Entfernen eines in einen Tag übernommenen Eintrags</translation>
    </message>
</context>
<context>
    <name>SyncState</name>
    <message>
        <location filename="../sync/sync_state.cpp" line="+37"/>
        <source>opening %1</source>
        <translation>Öffnen von %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>preparing %1</source>
        <translation>Vorbereiten von %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The sync&apos;s state file failed while %1: %2</source>
        <translation>Fehler in der Statusdatei der Synchronisierung beim %1: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>saving the account</source>
        <translation>Speichern des Kontos</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>noting an entry</source>
        <translation>Vermerken eines Eintrags</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>forgetting an entry</source>
        <translation>Vergessen eines Eintrags</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>forgetting the calendar</source>
        <translation>Vergessen des Kalenders</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>keeping a replaced text</source>
        <translation>Aufbewahren eines ersetzten Textes</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>starting a change</source>
        <translation>Beginnen einer Änderung</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ending a change</source>
        <translation>Abschließen einer Änderung</translation>
    </message>
</context>
<context>
    <name>SyncStatus</name>
    <message>
        <location filename="../sync_window/sync_status.cpp" line="+22"/>
        <source>Synced just now</source>
        <translation>Gerade eben synchronisiert</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Synced %n minute(s) ago</source>
        <translation>
            <numerusform>Vor %n Minute synchronisiert</numerusform>
            <numerusform>Vor %n Minuten synchronisiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Synced %n hour(s) ago</source>
        <translation>
            <numerusform>Vor %n Stunde synchronisiert</numerusform>
            <numerusform>Vor %n Stunden synchronisiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Synced %n day(s) ago</source>
        <translation>
            <numerusform>Vor %n Tag synchronisiert</numerusform>
            <numerusform>Vor %n Tagen synchronisiert</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Offline: changes waiting</source>
        <translation>Offline: Änderungen warten</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Offline: %n minute(s) waiting</source>
        <translation>
            <numerusform>Offline: Änderungen warten seit %n Minute</numerusform>
            <numerusform>Offline: Änderungen warten seit %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Offline: %n hour(s) waiting</source>
        <translation>
            <numerusform>Offline: Änderungen warten seit %n Stunde</numerusform>
            <numerusform>Offline: Änderungen warten seit %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Offline: %n day(s) waiting</source>
        <translation>
            <numerusform>Offline: Änderungen warten seit %n Tag</numerusform>
            <numerusform>Offline: Änderungen warten seit %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sync stopped: the server refused the password</source>
        <translation>Synchronisierung angehalten: Der Server hat das Passwort abgelehnt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sync stopped: the server&apos;s certificate changed</source>
        <translation>Synchronisierung angehalten: Das Zertifikat des Servers hat sich geändert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day(s) changed on both sides</source>
        <translation>
            <numerusform>%n Tag auf beiden Seiten geändert</numerusform>
            <numerusform>%n Tage auf beiden Seiten geändert</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not synced yet</source>
        <translation>Noch nicht synchronisiert</translation>
    </message>
</context>
<context>
    <name>ThreadRun</name>
    <message>
        <location filename="../main_window/thread_run.cpp" line="+7"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../main_window/tray_menu.cpp" line="+60"/>
        <source>&amp;Hide Orvanta</source>
        <translation>Orvanta &amp;ausblenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show Orvanta</source>
        <translation>Orvanta &amp;anzeigen</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <location filename="../guide/user_guide_window.cpp" line="+11"/>
        <location line="+3"/>
        <source>Orvanta User&apos;s Guide</source>
        <translation>Orvanta-Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>WeekDraft</name>
    <message>
        <location filename="../schedule/week_draft.cpp" line="+44"/>
        <source>it is too large</source>
        <translation>er ist zu groß</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a file</source>
        <translation>er ist keine Datei</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it is not an Orvanta draft</source>
        <translation>er ist kein Entwurf von Orvanta</translation>
    </message>
</context>
<context>
    <name>WeekExport</name>
    <message>
        <location filename="../export/week_export.cpp" line="+45"/>
        <source>%1 is the calendar database itself: choose another file.</source>
        <translation>%1 ist die Kalenderdatenbank selbst: Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+34"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+43"/>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>WeekExporting</name>
    <message>
        <location filename="../main_window/week_exporting.cpp" line="+29"/>
        <source>Export All Weeks</source>
        <translation>Alle Wochen exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvanta weeks.md</source>
        <translation>Orvanta-Wochen.md</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 names no format Orvanta writes: name it .md for Markdown or .ics for iCalendar.</source>
        <translation>%1 nennt kein Format, das Orvanta schreibt: Verwenden Sie die Endung .md für Markdown oder .ics für iCalendar.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Exporting all weeks…</source>
        <translation>Alle Wochen werden exportiert…</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The weeks were not exported. %1</source>
        <translation>Die Wochen wurden nicht exportiert. %1</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%Ln week(s) were exported to %1.</source>
        <translation>
            <numerusform>%Ln Woche wurde nach %1 exportiert.</numerusform>
            <numerusform>%Ln Wochen wurden nach %1 exportiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekImport</name>
    <message>
        <location filename="../import/week_import.cpp" line="+84"/>
        <source>The weeks could not be written to %1: %2. Nothing was changed; it is as it was.</source>
        <translation>Die Wochen konnten nicht in %1 geschrieben werden: %2. Es wurde nichts verändert; die Datenbank ist, wie sie war.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is an SQLite database, but not one of Orvanta&apos;s: it has no table tblCalendar with the columns StartWeekDate and WeekData. Nothing was changed.</source>
        <translation>%1 ist eine SQLite-Datenbank, aber keine von Orvanta: Sie hat keine Tabelle tblCalendar mit den Spalten StartWeekDate und WeekData. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 was left in the middle of a change, and reading it would change it (%2-journal beside it takes the change back): open it once in the program that wrote it, or copy it without that file. Nothing was changed.</source>
        <translation>%1 ist mitten in einer Änderung stehen geblieben, und das Lesen würde die Datei verändern (%2-journal daneben nimmt die Änderung zurück): Öffnen Sie sie einmal in dem Programm, das sie geschrieben hat, oder kopieren Sie sie ohne diese Datei. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 could not be read: %2. Nothing was changed.</source>
        <translation>%1 konnte nicht gelesen werden: %2. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The import was cancelled. Nothing was changed.</source>
        <translation>Der Import wurde abgebrochen. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 not found. Nothing was changed.</source>
        <translation>%1 wurde nicht gefunden. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is the database the weeks would come into: choose another file. Nothing was changed.</source>
        <translation>%1 ist die Datenbank, in die die Wochen übernommen würden: Wählen Sie eine andere Datei. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is neither a database of Orvanta&apos;s nor one of the earlier Windows program. Nothing was changed.</source>
        <translation>%1 ist weder eine Datenbank von Orvanta noch eine des früheren Windows-Programms. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Nothing was changed.</source>
        <translation> Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>The rows of %1 that cannot be weeks could not be written to %2: %3. Nothing was changed.</source>
        <translation>Die Zeilen aus %1, die keine Wochen sein können, konnten nicht in %2 geschrieben werden: %3. Es wurde nichts verändert.</translation>
    </message>
    <message numerus="yes">
        <location line="+150"/>
        <source>%n more</source>
        <translation>
            <numerusform>%n weitere</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The weeks of %1 were not imported. %2</source>
        <translation>Die Wochen aus %1 wurden nicht importiert. %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 holds no weeks; nothing was changed.</source>
        <translation>%1 enthält keine Wochen; es wurde nichts verändert.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Nothing was changed: %n week(s) of %1 are here already.</source>
        <translation>
            <numerusform>Es wurde nichts verändert: %n Woche aus %1 ist bereits vorhanden.</numerusform>
            <numerusform>Es wurde nichts verändert: %n Wochen aus %1 sind bereits vorhanden.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No new week came from %1</source>
        <translation>Aus %1 wurde keine neue Woche übernommen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n week(s) came from %1</source>
        <translation>
            <numerusform>Aus %1 wurde %n Woche übernommen</numerusform>
            <numerusform>Aus %1 wurden %n Wochen übernommen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>d MMMM yyyy</source>
        <comment>the format of a week&apos;s Sunday in a list</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>; %n week(s) held text in both and now hold both: the weeks of %1</source>
        <translation>
            <numerusform>; %n Woche enthielt in beiden Dateien Text und enthält jetzt beide Texte: die Woche vom %1</numerusform>
            <numerusform>; %n Wochen enthielten in beiden Dateien Text und enthalten jetzt beide Texte: die Wochen vom %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>; %n week(s) were here already as they are</source>
        <translation>
            <numerusform>; %n Woche war bereits unverändert vorhanden</numerusform>
            <numerusform>; %n Wochen waren bereits unverändert vorhanden</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source> %n row(s) of %1 cannot be weeks (rows %2)</source>
        <translation>
            <numerusform> %n Zeile aus %1 kann keine Woche sein (Zeile %2)</numerusform>
            <numerusform> %n Zeilen aus %1 können keine Wochen sein (Zeilen %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source> and stayed in it.</source>
        <translation>
            <numerusform> und ist darin geblieben.</numerusform>
            <numerusform> und sind darin geblieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>: they are kept, with their full texts, in %1.</source>
        <translation>
            <numerusform>: Sie ist mit ihrem vollständigen Text in %1 gesichert.</numerusform>
            <numerusform>: Sie sind mit ihren vollständigen Texten in %1 gesichert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekImporting</name>
    <message>
        <location filename="../main_window/week_importing.cpp" line="+21"/>
        <source>Import Weeks</source>
        <translation>Wochen importieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Databases (*.mdb *.accdb);;All files (*)</source>
        <translation>Datenbanken (*.mdb *.accdb);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Importing the weeks of %1…</source>
        <translation>Die Wochen aus %1 werden importiert…</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> %Ln row(s)</source>
        <translation>
            <numerusform> %Ln Zeile</numerusform>
            <numerusform> %Ln Zeilen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekPage</name>
    <message>
        <location filename="../main_window/week_page.cpp" line="+81"/>
        <source>Additional Notes For The Week</source>
        <translation>Weitere Notizen zur Woche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notes for the week of %1</source>
        <translation>Notizen für die Woche ab %1</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>No recovery file could be written either: the week&apos;s texts are only in the window. Copy them somewhere safe.</source>
        <translation>Auch eine Wiederherstellungsdatei konnte nicht geschrieben werden: Die Texte der Woche gibt es nur noch im Fenster. Kopieren Sie sie an einen sicheren Ort.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The week&apos;s texts were written to %1.</source>
        <translation>Die Texte der Woche wurden in %1 geschrieben.</translation>
    </message>
</context>
<context>
    <name>WeekPrintModule</name>
    <message>
        <location filename="../print_module/week_print_module.cpp" line="+14"/>
        <source>Print Week</source>
        <translation>Woche drucken</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>WeekPrinting</name>
    <message>
        <location filename="../main_window/week_printing.cpp" line="+31"/>
        <source>it is not there</source>
        <translation>es ist nicht vorhanden</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is not Orvanta&apos;s printing module</source>
        <translation>es ist nicht das Druckmodul von Orvanta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Orvanta cannot print: its printing module %1 cannot be used: %2. Installing Orvanta again brings it back.</source>
        <translation>Orvanta kann nicht drucken: Das Druckmodul %1 kann nicht verwendet werden: %2. Eine erneute Installation von Orvanta stellt es wieder her.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Orvanta week %1</source>
        <translation>Orvanta-Woche %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The week was not printed: %1 did not take it.</source>
        <translation>Die Woche wurde nicht gedruckt: %1 hat den Auftrag nicht angenommen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The week was not printed: %1 cannot be written.</source>
        <translation>Die Woche wurde nicht gedruckt: %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>WeekSheet</name>
    <message>
        <location filename="../print/week_sheet.cpp" line="+74"/>
        <source>%1 · page %2 of %3</source>
        <translation>%1 · Seite %2 von %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Week of %1</source>
        <translation>Woche ab %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
</context>
<context>
    <name>WeekSyncing</name>
    <message>
        <location filename="../main_window/week_syncing.cpp" line="+148"/>
        <source>Sync is not set up yet: type your CalDAV server&apos;s address, your user name and your password, then press Connect.</source>
        <translation>Die Synchronisierung ist noch nicht eingerichtet: Geben Sie die Adresse Ihres CalDAV-Servers, Ihren Benutzernamen und Ihr Passwort ein und klicken Sie dann auf „Verbinden“.</translation>
    </message>
    <message numerus="yes">
        <location line="+78"/>
        <source>%n day(s) changed both here and on another device; each such box now holds both texts, one after the other: %1.</source>
        <translation>
            <numerusform>%n Tag wurde hier und auf einem anderen Gerät geändert; sein Feld enthält jetzt beide Texte nacheinander: %1.</numerusform>
            <numerusform>%n Tage wurden hier und auf einem anderen Gerät geändert; jedes dieser Felder enthält jetzt beide Texte nacheinander: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The server&apos;s certificate is no longer the one you trusted, so sync has stopped. Open Sync… to check it.</source>
        <translation>Das Zertifikat des Servers ist nicht mehr das, dem Sie vertraut haben; die Synchronisierung wurde deshalb angehalten. Öffnen Sie „Synchronisieren…“, um es zu prüfen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>The server refused the password, or none is kept for this account: type it and press Connect.</source>
        <translation>Der Server hat das Passwort abgelehnt, oder für dieses Konto ist keines gespeichert: Geben Sie es ein und klicken Sie auf „Verbinden“.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <location filename="../main_window/window_actions.cpp" line="+14"/>
        <source>&amp;Go to date…</source>
        <translation>&amp;Gehe zu Datum…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;This week</source>
        <translation>&amp;Aktuelle Woche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;revious week</source>
        <translation>V&amp;orherige Woche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next week</source>
        <translation>&amp;Nächste Woche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save week</source>
        <translation>Woche s&amp;peichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Find in all weeks…</source>
        <translation>In allen Wochen &amp;suchen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find ne&amp;xt</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find pre&amp;vious</source>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print week…</source>
        <translation>Woche &amp;drucken…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print previe&amp;w…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Export all weeks…</source>
        <translation>Alle Wochen &amp;exportieren…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import weeks…</source>
        <translation>Wochen &amp;importieren…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;ync…</source>
        <translation>S&amp;ynchronisieren…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sync n&amp;ow</source>
        <translation>&amp;Jetzt synchronisieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Larger text</source>
        <translation>&amp;Text vergrößern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;maller text</source>
        <translation>Text ver&amp;kleinern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Usual text size</source>
        <translation>Nor&amp;male Textgröße</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User&apos;s gui&amp;de</source>
        <translation>Benutzer&amp;handbuch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About Orvanta</source>
        <translation>&amp;Über Orvanta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>This menu</source>
        <translation>Dieses Menü</translation>
    </message>
    <message>
        <location line="+0"/>
        <source> or </source>
        <translation> oder </translation>
    </message>
</context>
<context>
    <name>WindowPointer</name>
    <message>
        <location filename="../main_window/window_pointer.cpp" line="+26"/>
        <source>The pointer image %1 cannot be read: %2.</source>
        <translation>Das Zeigerbild %1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../main.cpp" line="+45"/>
        <source>Orvanta cannot tell which folder it was started from, where its dbCalendar.mdb lies: %1.</source>
        <translation>Orvanta kann nicht feststellen, aus welchem Ordner es gestartet wurde, also wo seine dbCalendar.mdb liegt: %1.</translation>
    </message>
</context>
<context>
    <name>orvanta-cli</name>
    <message>
        <location filename="../cli/orvanta_cli.cpp" line="+52"/>
        <source>
Orvanta&apos;s weeks from the command line.

  find WORDS...   prints each line that holds every word (in any order, case and accents
                  aside; quote words to find them as a phrase): the day, its name and the
                  line, the newest first. Exit 0: found, 1: nothing found, 2: an error.
  export FILE     writes every week to FILE, oldest first: Markdown for .md, iCalendar
                  for .ics, or as --format says. Exit 0: written, 2: not written.
  import FILE     brings the weeks of FILE (another Orvanta database, or the earlier
                  Windows program&apos;s .mdb or .accdb) into the database: a week only in
                  FILE comes over, one with other texts holds both afterwards, and FILE
                  is never changed. Not while Orvanta has the database open: use Import
                  weeks... in its window then. Exit 0: imported, 2: nothing changed.
  sync            syncs the weeks with the CalDAV calendar set up with --setup (the
                  server&apos;s address, or a calendar&apos;s; the journal calendar NAME, else the
                  first that takes journal entries, else a new one named Orvanta). The
                  password comes from the desktop&apos;s secret store, or from standard input
                  with --password-stdin; it is never written to a file. A certificate that
                  does not verify is refused with its fingerprint; --trust FINGERPRINT
                  trusts that one. --status tells how things stand, --history DAY prints
                  the texts of DAY that a sync replaced. Not while Orvanta has the database
                  open: it syncs itself. Exit 0: synced, 1: synced, and days changed on
                  both sides now hold both texts, 2: could not sync.

  --database FILE the database to use (dbCalendar.mdb beside orvanta-cli without it)
  -h, --help      this text (also: orvanta-cli help)
  --version       the version
</source>
        <translation>
Die Wochen von Orvanta auf der Kommandozeile.

  find WORDS...   gibt jede Zeile aus, die alle Wörter enthält (Reihenfolge,
                  Groß-/Kleinschreibung und Akzente beliebig; Wortgruppe in
                  Anführungszeichen): Datum, Wochentag, Zeile, die neuesten zuerst.
                  Status 0: gefunden, 1: nichts gefunden, 2: Fehler.
  export FILE     schreibt alle Wochen in FILE, die älteste zuerst: Markdown bei .md,
                  iCalendar bei .ics oder laut --format. Status 0: geschrieben, 2: nicht
                  geschrieben.
  import FILE     übernimmt die Wochen aus FILE (einer anderen Orvanta-Datenbank oder der
                  .mdb oder .accdb des früheren Windows-Programms) in die Datenbank: Eine
                  Woche, die nur in FILE steht, kommt hinzu, eine mit anderen Texten
                  enthält danach beide, und FILE bleibt unverändert. Nicht, solange
                  Orvanta die Datenbank offen hat: dann im Fenster Wochen importieren...
                  verwenden. Status 0: importiert, 2: unverändert.
  sync            synchronisiert die Wochen mit dem CalDAV-Kalender, der mit --setup
                  eingerichtet wurde (die Adresse des Servers oder eines Kalenders; der
                  Journalkalender NAME, sonst der erste, der Journaleinträge aufnimmt,
                  sonst ein neuer namens Orvanta). Das Passwort kommt aus dem
                  Passwortspeicher des Desktops oder mit --password-stdin aus der
                  Standardeingabe; es wird nie in eine Datei geschrieben. Ein Zertifikat,
                  das sich nicht überprüfen lässt, wird mit seinem Fingerabdruck
                  abgelehnt; --trust FINGERPRINT vertraut genau diesem. --status zeigt den
                  Stand der Synchronisierung, --history DAY gibt die Texte von DAY aus,
                  die eine Synchronisierung ersetzt hat. Nicht, solange Orvanta die
                  Datenbank offen hat: Es synchronisiert dann selbst.
                  Status 0: synchronisiert, 1: synchronisiert, und auf beiden Seiten
                  geänderte Tage enthalten jetzt beide Texte, 2: Synchronisierung nicht
                  möglich.

  --database FILE die zu verwendende Datenbank (ohne Angabe: dbCalendar.mdb neben
                  orvanta-cli)
  -h, --help      dieser Text (auch: orvanta-cli help)
  --version       die Version
</translation>
    </message>
    <message>
        <location line="+88"/>
        <location line="+37"/>
        <location line="+36"/>
        <source>%1 not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--format takes md or ics.</source>
        <translation>--format erwartet md oder ics.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot tell the format of %1: name it .md or .ics, or give --format md or --format ics.</source>
        <translation>das Format von %1 ist nicht erkennbar: Verwenden Sie die Endung .md oder .ics oder geben Sie --format md oder --format ics an.</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>exporting, %1 of %n week(s)</source>
        <translation>
            <numerusform>Export läuft, %1 von %n Woche</numerusform>
            <numerusform>Export läuft, %1 von %n Wochen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 is open in Orvanta; import from its window (Import weeks…), or close it first.</source>
        <translation>%1 ist in Orvanta geöffnet; importieren Sie über dessen Fenster (Wochen importieren…) oder beenden Sie Orvanta zuerst.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is open in Orvanta on the computer %2; import from its window there (Import weeks…), or close it first.</source>
        <translation>%1 ist in Orvanta auf dem Computer %2 geöffnet; importieren Sie dort über dessen Fenster (Wochen importieren…) oder beenden Sie Orvanta zuerst.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>importing, %n row(s) read</source>
        <translation>
            <numerusform>Import läuft, %n Zeile gelesen</numerusform>
            <numerusform>Import läuft, %n Zeilen gelesen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>--database takes a file.</source>
        <translation>--database erwartet eine Datei.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>no command %1.</source>
        <translation>unbekannter Befehl %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot tell which folder it is in: %1</source>
        <translation>kann den eigenen Ordner nicht feststellen: %1</translation>
    </message>
</context>
</TS>
