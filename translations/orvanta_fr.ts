<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../guide/about_box.cpp" line="+19"/>
        <source>About Orvanta</source>
        <translation>À propos d’Orvanta</translation>
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
Un agenda hebdomadaire.

Vos semaines sont conservées dans&#xa0;:
%2

© Les auteurs d’Orvanta. Tous droits réservés.
Orvanta est réalisé avec Qt %3 (GNU LGPL version 3), SQLite (domaine public) et libmdb de mdbtools (GNU LGPL), qui lit les fichiers de l’ancien programme Windows.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
</context>
<context>
    <name>BackupSchedule</name>
    <message>
        <location filename="../main_window/backup_schedule.cpp" line="+60"/>
        <source>%1 is damaged (%2). No copy was made of it today, so the copies in %3 are all from before.</source>
        <translation>%1 est endommagé (%2). Aucune copie n’en a été faite aujourd’hui&#xa0;: les copies de %3 datent donc toutes d’avant.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> There is no backup of it yet.</source>
        <translation> Il n’en existe encore aucune sauvegarde.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> The newest backup is %1: to go back to it, close Orvanta and copy it over %2.</source>
        <translation> La sauvegarde la plus récente est %1&#xa0;: pour y revenir, fermez Orvanta et copiez-la par-dessus %2.</translation>
    </message>
</context>
<context>
    <name>CalendarConnection</name>
    <message>
        <location filename="../schedule/calendar_connection.cpp" line="+73"/>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>is in use by another program.</source>
        <translation>est utilisé par un autre programme.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is damaged (%1).</source>
        <translation>est endommagé (%1).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>does not exist.</source>
        <translation>n’existe pas.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot be opened (%1).</source>
        <translation>ne peut pas être ouvert (%1).</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>is not an SQLite database.</source>
        <translation>n’est pas une base de données SQLite.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <location line="+5"/>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>has no table tblCalendar.</source>
        <translation>n’a pas de table tblCalendar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>has a table tblCalendar without the columns StartWeekDate and WeekData (%1).</source>
        <translation>a une table tblCalendar sans les colonnes StartWeekDate et WeekData (%1).</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>has code that would run when a week is saved (the trigger %1 on tblCalendar). Orvanta does not run code kept in its database: remove the trigger with another tool.</source>
        <translation>contient du code qui s’exécuterait à l’enregistrement d’une semaine (le déclencheur %1 de tblCalendar). Orvanta n’exécute aucun code conservé dans sa base de données&#xa0;: supprimez ce déclencheur avec un autre outil.</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <location line="+12"/>
        <location line="+14"/>
        <location line="+24"/>
        <location line="+8"/>
        <source>could not be read</source>
        <translation>n’a pas pu être lu</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>could not be written</source>
        <translation>n’a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>CalendarDiscovery</name>
    <message>
        <location filename="../sync/calendar_discovery.cpp" line="+51"/>
        <source>The server refused the user name or password.</source>
        <translation>Le serveur a refusé le nom d’utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 answered %2: it is no CalDAV address.</source>
        <translation>%1 a répondu %2&#xa0;: ce n’est pas une adresse CalDAV.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The answer of %1 was damaged or cut short.</source>
        <translation>La réponse de %1 était endommagée ou tronquée.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 does not say where the calendars are.</source>
        <translation>%1 n’indique pas où se trouvent les calendriers.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The server refused to make the calendar %1 (%2).</source>
        <translation>Le serveur a refusé de créer le calendrier %1 (%2).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server refused to make the calendar %1.</source>
        <translation>Le serveur a refusé de créer le calendrier %1.</translation>
    </message>
</context>
<context>
    <name>CalendarFiles</name>
    <message>
        <location filename="../schedule/calendar_files.cpp" line="+34"/>
        <source>%1 already exists; left as it is.</source>
        <translation>%1 existe déjà&#xa0;; il est laissé tel quel.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseSession</name>
    <message>
        <location filename="../main_window/database_session.cpp" line="+34"/>
        <source>%1 not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a database file.</source>
        <translation>%1 n’est pas un fichier de base de données.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is open in another Orvanta that cannot be reached (process %2).</source>
        <translation>%1 est ouvert dans un autre Orvanta, qui ne répond pas (processus %2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is open in Orvanta on the computer %2. Close it there first: Orvanta ends here without changing anything.</source>
        <translation>%1 est ouvert dans Orvanta sur l’ordinateur %2. Fermez-le d’abord sur cet ordinateur&#xa0;: Orvanta se termine ici sans rien modifier.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The draft %1 cannot be read (%2). Move it away to start Orvanta; it may hold typing that was never saved.</source>
        <translation>Le brouillon %1 ne peut pas être lu (%2). Déplacez-le ailleurs pour pouvoir lancer Orvanta&#xa0;; il contient peut-être une saisie qui n’a jamais été enregistrée.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The texts of the week of %1, typed before Orvanta last ended without saving them, could not be recovered: %2

They are kept in %3 for the next start.</source>
        <translation>Les textes de la semaine du %1, tapés avant qu’Orvanta ne se ferme la dernière fois sans les enregistrer, n’ont pas pu être récupérés&#xa0;: %2

Ils sont conservés dans %3 pour le prochain démarrage.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Orvanta last ended without saving the week of %1. Its texts as last typed have been recovered.</source>
        <translation>La dernière fois, Orvanta s’est fermé sans enregistrer la semaine du %1. Ses textes, tels que vous les aviez tapés, ont été récupérés.</translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <location filename="../sync/dav_client.cpp" line="+171"/>
        <source>The answer of %1 was larger than %2 MB.</source>
        <translation>La réponse de %1 dépassait %2&#xa0;Mo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The certificate of %1 cannot be verified. Its SHA-256 fingerprint is %2.</source>
        <translation>Le certificat de %1 ne peut pas être vérifié. Son empreinte SHA-256 est %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+41"/>
        <source>The sync was stopped.</source>
        <translation>La synchronisation a été interrompue.</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>%1 did not answer in time.</source>
        <translation>%1 n’a pas répondu à temps.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be reached: %2</source>
        <translation>Impossible de joindre %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 answered in an encoding Orvanta did not ask for (%2).</source>
        <translation>%1 a répondu dans un encodage qu’Orvanta n’avait pas demandé (%2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The answer of %1 was cut off.</source>
        <translation>La réponse de %1 a été tronquée.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 sent Orvanta to another server, or away from HTTPS; it did not follow.</source>
        <translation>%1 a redirigé Orvanta vers un autre serveur, ou hors de HTTPS&#xa0;; Orvanta n’a pas suivi.</translation>
    </message>
</context>
<context>
    <name>EarlierProgramConversion</name>
    <message>
        <location filename="../conversion/earlier_program_conversion.cpp" line="+79"/>
        <source>A new database for Orvanta could not be written in %1: %2. Nothing was changed; %3 is as it was.</source>
        <translation>Impossible d’écrire une nouvelle base de données pour Orvanta dans %1&#xa0;: %2. Rien n’a été modifié&#xa0;; %3 est resté tel quel.</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>the new file could not be written to the disk</source>
        <translation>le nouveau fichier n’a pas pu être écrit sur le disque</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The conversion was cancelled. Nothing was changed.</source>
        <translation>La conversion a été annulée. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the new database did not pass its check</source>
        <translation>la nouvelle base de données n’a pas passé la vérification</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the new database does not hold every week</source>
        <translation>la nouvelle base de données ne contient pas toutes les semaines</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the new database does not read back as written</source>
        <translation>la nouvelle base de données ne se relit pas telle qu’elle a été écrite</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the original could not be kept as %1 (%2)</source>
        <translation>l’original n’a pas pu être conservé sous le nom %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every name for keeping the original is taken</source>
        <translation>tous les noms prévus pour conserver l’original sont déjà pris</translation>
    </message>
</context>
<context>
    <name>EarlierProgramOffer</name>
    <message>
        <location filename="../main_window/earlier_program_offer.cpp" line="+26"/>
        <source>Reading the weeks of the earlier program…</source>
        <translation>Lecture des semaines de l’ancien programme…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>Reading the weeks of the earlier program… %Ln row(s)</source>
        <translation>
            <numerusform>Lecture des semaines de l’ancien programme… %Ln enregistrement</numerusform>
            <numerusform>Lecture des semaines de l’ancien programme… %Ln enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 was written by the earlier Windows program. Copy its %Ln week(s) into a new database for Orvanta? The original is kept unchanged as %2.</source>
        <translation>
            <numerusform>%1 a été écrit par l’ancien programme Windows. Copier sa semaine dans une nouvelle base de données pour Orvanta&#xa0;? L’original est conservé tel quel sous le nom %2.</numerusform>
            <numerusform>%1 a été écrit par l’ancien programme Windows. Copier ses %Ln semaines dans une nouvelle base de données pour Orvanta&#xa0;? L’original est conservé tel quel sous le nom %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%Ln week(s) came over from the earlier program.</source>
        <translation>
            <numerusform>%Ln semaine a été reprise de l’ancien programme.</numerusform>
            <numerusform>%Ln semaines ont été reprises de l’ancien programme.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source> %Ln of them were stored with day and month swapped, as day-first date settings wrote them, and now lie under their right Sunday.</source>
        <translation>
            <numerusform> %Ln d’entre elles avait été enregistrée avec le jour et le mois inversés, comme l’écrivaient les réglages de date où le jour vient en premier, et se trouve maintenant sous son vrai dimanche.</numerusform>
            <numerusform> %Ln d’entre elles avaient été enregistrées avec le jour et le mois inversés, comme les écrivaient les réglages de date où le jour vient en premier, et se trouvent maintenant sous leur vrai dimanche.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source> The original is kept as %1.</source>
        <translation> L’original est conservé sous le nom %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source> %Ln row(s) that cannot be weeks are kept, with their full texts, in %1.</source>
        <translation>
            <numerusform> %Ln enregistrement qui ne peut pas être une semaine est conservé, avec son texte complet, dans %1.</numerusform>
            <numerusform> %Ln enregistrements qui ne peuvent pas être des semaines sont conservés, avec leurs textes complets, dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Orvanta shows the week of %1, the newest that came over.</source>
        <translation> Orvanta affiche la semaine du %1, la plus récente des semaines reprises.</translation>
    </message>
</context>
<context>
    <name>EarlierWeekRows</name>
    <message>
        <location filename="../conversion/earlier_week_rows.cpp" line="+69"/>
        <source>%1 could not be read as a database of the earlier program: %2. Nothing was changed.</source>
        <translation>%1 n’a pas pu être lu comme une base de données de l’ancien programme&#xa0;: %2. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>its reader, %1, could not be started (%2)</source>
        <translation>son programme de lecture, %1, n’a pas pu être lancé (%2)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>its reader gave rows that make no sense</source>
        <translation>son programme de lecture a renvoyé des enregistrements incohérents</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>reading it took longer than %1 seconds</source>
        <translation>sa lecture a pris plus de %1 secondes</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>its reader stopped unexpectedly</source>
        <translation>son programme de lecture s’est arrêté de façon inattendue</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is a database of Microsoft Access, but not the earlier program&apos;s: it has no table tblCalendar. Nothing was changed.</source>
        <translation>%1 est une base de données Microsoft Access, mais pas celle de l’ancien programme&#xa0;: elle n’a pas de table tblCalendar. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a database of Microsoft Access, but not the earlier program&apos;s: its table tblCalendar has no columns StartWeekDate (Date/Time) and WeekData (Memo). Nothing was changed.</source>
        <translation>%1 est une base de données Microsoft Access, mais pas celle de l’ancien programme&#xa0;: sa table tblCalendar n’a pas les colonnes StartWeekDate (Date/Heure) et WeekData (Mémo). Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its reader failed</source>
        <translation>son programme de lecture a échoué</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its reader ended before the last row</source>
        <translation>son programme de lecture s’est arrêté avant le dernier enregistrement</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <location filename="../find_window/find_window.cpp" line="+82"/>
        <source>Find in all weeks</source>
        <translation>Rechercher dans toutes les semaines</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Words, or a &quot;phrase&quot;</source>
        <translation>Des mots, ou une &quot;expression&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Words to find</source>
        <translation>Mots à rechercher</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Days found</source>
        <translation>Jours trouvés</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Notes, week of %1</source>
        <translation>Notes, semaine du %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The weeks cannot be searched: %1</source>
        <translation>Impossible de rechercher dans les semaines&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%Ln result(s)</source>
        <translation>
            <numerusform>%Ln résultat</numerusform>
            <numerusform>%Ln résultats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>, the newest %Ln listed</source>
        <translation>
            <numerusform>, %Ln affiché (le plus récent)</numerusform>
            <numerusform>, les %Ln plus récents affichés</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> so far…</source>
        <translation> pour l’instant…</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../main_window/form1.cpp" line="+638"/>
        <source>

Close and lose the texts of the week of %1?</source>
        <translation>

Fermer et perdre les textes de la semaine du %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <location filename="../go_to_date/go_to_date_dialog.cpp" line="+20"/>
        <source>Go to date</source>
        <translation>Aller à la date</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Date:</source>
        <translation>&amp;Date&#xa0;:</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+1"/>
        <source>Choose in a calendar</source>
        <translation>Choisir dans un calendrier</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Go</source>
        <translation>&amp;Aller</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1, %2 or %3</source>
        <translation>%1, %2 ou %3</translation>
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
        <translation>Tapez un jour, par exemple %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Orvanta cannot read this as a day. Try %1.</source>
        <translation>Orvanta ne reconnaît pas ce texte comme une date. Essayez par exemple %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Orvanta&apos;s calendar runs from %1 to %2.</source>
        <translation>Le calendrier d’Orvanta va du %1 au %2.</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <location filename="../guide/guide_text.cpp" line="+49"/>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>What</source>
        <translation>Action</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Keys</source>
        <comment>the heading of the table of keys</comment>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(in the menu)</source>
        <translation>(dans le menu)</translation>
    </message>
</context>
<context>
    <name>IconFile</name>
    <message>
        <location filename="../controls/icon_file.cpp" line="+46"/>
        <source>its images hold more pixels than an icon or cursor</source>
        <translation>ses images contiennent plus de pixels qu’une icône ou un curseur</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>an image is cut short</source>
        <translation>une image est tronquée</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>an image has an unknown header</source>
        <translation>une image a un en-tête inconnu</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+75"/>
        <source>an image has an impossible size</source>
        <translation>une image a une taille impossible</translation>
    </message>
    <message>
        <location line="-73"/>
        <source>an image is compressed</source>
        <translation>une image est compressée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an image has %1 bits per pixel</source>
        <translation>une image a %1 bits par pixel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>an image has an impossible palette</source>
        <translation>une image a une palette impossible</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>there is no memory for an image</source>
        <translation>la mémoire manque pour une image</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>an image uses a colour it does not have</source>
        <translation>une image utilise une couleur absente de sa palette</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+9"/>
        <source>an image is an unreadable PNG</source>
        <translation>une image est un PNG illisible</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not an icon or cursor file</source>
        <translation>ce n’est pas un fichier d’icône ou de curseur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the file&apos;s list of images is empty or cut short</source>
        <translation>la liste des images du fichier est vide ou tronquée</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it lists %1 images, more than an icon or cursor has</source>
        <translation>il annonce %1 images, plus qu’une icône ou un curseur n’en a</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>an image lies outside the file</source>
        <translation>une image se trouve hors du fichier</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>it is larger than an icon or cursor file can be</source>
        <translation>il est plus gros qu’un fichier d’icône ou de curseur ne peut l’être</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../main_window/main_module.cpp" line="+106"/>
        <source>The skin %1 cannot be used: %2.</source>
        <translation>L’habillage %1 ne peut pas être utilisé&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>MonthView</name>
    <message numerus="yes">
        <location filename="../controls/month_view.cpp" line="+59"/>
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Notes: %1</source>
        <translation>Notes&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>today</source>
        <translation>aujourd’hui</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>has text</source>
        <translation>contient du texte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the week&apos;s notes have text</source>
        <translation>les notes de la semaine contiennent du texte</translation>
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
        <translation>Calendrier</translation>
    </message>
</context>
<context>
    <name>MonthYearChooser</name>
    <message>
        <location filename="../controls/month_year_chooser.cpp" line="+29"/>
        <source>Month and year</source>
        <translation>Mois et année</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <location filename="../desktop/program_folder.cpp" line="+31"/>
        <source>the program&apos;s path %1 names no folder</source>
        <translation>le chemin du programme, %1, ne désigne aucun dossier</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>its folder %1 cannot be opened (%2)</source>
        <translation>son dossier %1 ne peut pas être ouvert (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>/proc/self/exe cannot be read (%1)</source>
        <translation>/proc/self/exe ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the system does not say where the program is</source>
        <translation>le système n’indique pas où se trouve le programme</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <location filename="../controls/skin_framework.cpp" line="+56"/>
        <source>the skinning control has no member %1 to be called that way</source>
        <translation>le contrôle d’habillage n’a pas de membre %1 qui puisse être appelé ainsi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is larger than a skin can be</source>
        <translation>il est plus gros qu’un habillage ne peut l’être</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not UTF-8 text</source>
        <translation>ce n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no skin is loaded</source>
        <translation>aucun habillage n’est chargé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no window has the handle %1</source>
        <translation>aucune fenêtre n’a l’identifiant %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a NUL character</source>
        <translation>un caractère NUL</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a comment is never closed</source>
        <translation>un commentaire n’est jamais fermé</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>a quoted text is never closed</source>
        <translation>un texte entre guillemets n’est jamais fermé</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&apos;}&apos; closes nothing</source>
        <translation>«&#xa0;}&#xa0;» ne ferme rien</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;{&apos; is never closed</source>
        <translation>«&#xa0;{&#xa0;» n’est jamais fermé</translation>
    </message>
</context>
<context>
    <name>SmallFile</name>
    <message>
        <location filename="../files/small_file.cpp" line="+92"/>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>ce n’est pas un fichier mais un dossier, un périphérique ou un tube</translation>
    </message>
</context>
<context>
    <name>SpellCheck</name>
    <message>
        <location filename="../spelling/spell_check.cpp" line="+200"/>
        <source>Check spelling</source>
        <translation>Vérifier l’orthographe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>No suggestions</source>
        <translation>Aucune suggestion</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add to dictionary</source>
        <translation>Ajouter au dictionnaire</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <location filename="../cli/sync_command.cpp" line="+57"/>
        <source>%1 takes a value.</source>
        <translation>%1 attend une valeur.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>--timeout takes a number of seconds.</source>
        <translation>--timeout attend un nombre de secondes.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>sync has no option %1.</source>
        <translation>sync n’a pas d’option %1.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+105"/>
        <source>Sync is not set up: orvanta-cli sync --setup URL --user NAME --password-stdin</source>
        <translation>La synchronisation n’est pas configurée&#xa0;: orvanta-cli sync --setup URL --user NAME --password-stdin</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>Server: %1</source>
        <translation>Serveur&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User: %1</source>
        <translation>Utilisateur&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar: %1</source>
        <translation>Calendrier&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last sync: %1</source>
        <translation>Dernière synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Days waiting for the server: %1, since %2</source>
        <translation>Jours en attente du serveur&#xa0;: %1, depuis %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Changed on both sides in the last sync: %1</source>
        <translation>Modifiés des deux côtés lors de la dernière synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--history takes a day as yyyy-MM-dd.</source>
        <translation>--history attend un jour au format yyyy-MM-dd.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sync is not set up.</source>
        <translation>La synchronisation n’est pas configurée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No text of %1 was replaced by a sync.</source>
        <translation>Aucun texte du %1 n’a été remplacé par une synchronisation.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the week&apos;s notes</source>
        <translation>les notes de la semaine</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 is no server address.</source>
        <translation>%1 n’est pas une adresse de serveur.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is plain HTTP, which anyone on the way can read; use https, or --allow-http where that is what you want.</source>
        <translation>%1 est en HTTP non chiffré, que n’importe qui sur le trajet peut lire&#xa0;; utilisez https, ou --allow-http si c’est bien ce que vous voulez.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>give the password on standard input with --password-stdin.</source>
        <translation>donnez le mot de passe sur l’entrée standard avec --password-stdin.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no password on standard input.</source>
        <translation>aucun mot de passe sur l’entrée standard.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>If it is your server&apos;s, run the setup again with --trust %1.</source>
        <translation>S’il s’agit de celui de votre serveur, relancez la configuration avec --trust %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Made the journal calendar %1.</source>
        <translation>Le calendrier de journal %1 a été créé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync is set up with %1.</source>
        <translation>La synchronisation avec %1 est configurée.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>no password: give it on standard input with --password-stdin.</source>
        <translation>aucun mot de passe&#xa0;: donnez-le sur l’entrée standard avec --password-stdin.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>If it is your server&apos;s, set up again with --trust %1.</source>
        <translation>S’il s’agit de celui de votre serveur, refaites la configuration avec --trust %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Synced: %1 sent, %2 received, %3 removed, in %4 requests.</source>
        <translation>Synchronisé. Envoyés&#xa0;: %1, reçus&#xa0;: %2, supprimés&#xa0;: %3, requêtes&#xa0;: %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Changed on both sides, both texts kept: %1</source>
        <translation>Modifiés des deux côtés, les deux textes conservés&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is open in Orvanta, which syncs it itself (Sync now).</source>
        <translation>%1 est ouvert dans Orvanta, qui le synchronise lui-même («&#xa0;Synchroniser maintenant&#xa0;»).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is open in Orvanta on the computer %2.</source>
        <translation>%1 est ouvert dans Orvanta sur l’ordinateur %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--setup takes --user NAME too.</source>
        <translation>--setup attend aussi --user NAME.</translation>
    </message>
</context>
<context>
    <name>SyncDialog</name>
    <message>
        <location filename="../sync_window/sync_dialog.cpp" line="+61"/>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>https://example.org/dav/</source>
        <translation>https://example.org/dav/</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar name</source>
        <translation>Nom du calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Journal calendars found</source>
        <translation>Calendriers de journal trouvés</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Server address:</source>
        <translation>&amp;Adresse du serveur&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>&amp;Nom d’utilisateur&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ca&amp;lendar name:</source>
        <translation>Nom du &amp;calendrier&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendars &amp;found:</source>
        <translation>Calendriers &amp;trouvés&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>C&amp;onnect</source>
        <translation>Se c&amp;onnecter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;top syncing</source>
        <translation>Arrêter la s&amp;ynchronisation</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Type the address of your CalDAV server, such as https://example.org/dav/.</source>
        <translation>Tapez l’adresse de votre serveur CalDAV, par exemple https://example.org/dav/.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Type your user name on the server.</source>
        <translation>Tapez votre nom d’utilisateur sur le serveur.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is plain HTTP: anyone on the way can read your weeks and your password. Connect without encryption all the same?</source>
        <translation>%1 est en HTTP non chiffré&#xa0;: n’importe qui sur le trajet peut lire vos semaines et votre mot de passe. Se connecter quand même sans chiffrement&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not connected. Use an https address where the server has one.</source>
        <translation>Non connecté. Utilisez une adresse https si le serveur en a une.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Connecting to %1…</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The server&apos;s certificate does not verify. Its fingerprint (SHA-256) is:
%1</source>
        <translation>Le certificat du serveur ne peut pas être vérifié. Son empreinte (SHA-256) est&#xa0;:
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The certificate of %1 does not verify: it may not be your server&apos;s. Compare its fingerprint (SHA-256) with the one your server&apos;s owner gives:

%2

Trust this certificate?</source>
        <translation>Le certificat de %1 ne peut pas être vérifié&#xa0;: ce n’est peut-être pas celui de votre serveur. Comparez son empreinte (SHA-256) avec celle que donne le responsable de votre serveur&#xa0;:

%2

Faire confiance à ce certificat&#xa0;?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not connected: the certificate was not trusted.</source>
        <translation>Non connecté&#xa0;: vous n’avez pas fait confiance au certificat.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The server refused the user name or password.</source>
        <translation>Le serveur a refusé le nom d’utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected: %1</source>
        <translation>Non connecté&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+47"/>
        <source>The account could not be kept: %1</source>
        <translation>Le compte n’a pas pu être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Connected: made the calendar %1 for your weeks.</source>
        <translation>Connecté&#xa0;: le calendrier %1 a été créé pour vos semaines.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected: your weeks sync with the calendar %1.</source>
        <translation>Connecté&#xa0;: vos semaines se synchronisent avec le calendrier %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The password is kept in your desktop&apos;s password store.</source>
        <translation>Le mot de passe est conservé dans le trousseau de mots de passe de votre bureau.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No password store answered: Orvanta keeps the password until it ends, and asks for it again at its next start.</source>
        <translation>Aucun trousseau de mots de passe n’a répondu&#xa0;: Orvanta garde le mot de passe jusqu’à sa fermeture et le redemandera à son prochain démarrage.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Your weeks now sync with the calendar %1.</source>
        <translation>Vos semaines se synchronisent désormais avec le calendrier %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop syncing your weeks with %1? They stay as they are, here and on the server.</source>
        <translation>Arrêter de synchroniser vos semaines avec %1&#xa0;? Elles restent telles quelles, ici et sur le serveur.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The account could not be forgotten: %1</source>
        <translation>Le compte n’a pas pu être oublié&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Your weeks no longer sync.</source>
        <translation>Vos semaines ne sont plus synchronisées.</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <location filename="../sync/sync_engine.cpp" line="+126"/>
        <source>The server refused the user name or password.</source>
        <translation>Le serveur a refusé le nom d’utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The server answered %1 while %2.</source>
        <translation>Le serveur a répondu %1 pendant %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No sync account is set up.</source>
        <translation>Aucun compte de synchronisation n’est configuré.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is plain HTTP to another computer, which was not allowed.</source>
        <translation>%1 est en HTTP non chiffré vers un autre ordinateur, ce qui n’a pas été autorisé.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The server&apos;s answer was damaged: %1</source>
        <translation>La réponse du serveur était endommagée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The server&apos;s answer was cut short.</source>
        <translation>La réponse du serveur était tronquée.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>listing the changes</source>
        <translation>l’énumération des modifications</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>listing the entries</source>
        <translation>l’énumération des entrées</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>reading the entries</source>
        <translation>la lecture des entrées</translation>
    </message>
    <message>
        <location line="-277"/>
        <source>an entry of another program was added</source>
        <translation>une entrée d’un autre programme a été ajoutée</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>changed by a sync</source>
        <translation>modifié par une synchronisation</translation>
    </message>
    <message>
        <location line="+586"/>
        <location line="+82"/>
        <source>sending the text of %1</source>
        <translation>l’envoi du texte du %1</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>reading an entry again</source>
        <translation>la relecture d’une entrée</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The entry for %1 came cut short.</source>
        <translation>L’entrée du %1 est arrivée tronquée.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The entry for %1 on the server is not a journal entry.</source>
        <translation>L’entrée du %1 sur le serveur n’est pas une entrée de journal.</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>removing an entry taken into a day</source>
        <translation>la suppression d’une entrée reprise dans un jour</translation>
    </message>
</context>
<context>
    <name>SyncState</name>
    <message>
        <location filename="../sync/sync_state.cpp" line="+37"/>
        <source>opening %1</source>
        <translation>l’ouverture de %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>preparing %1</source>
        <translation>la préparation de %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The sync&apos;s state file failed while %1: %2</source>
        <translation>Erreur du fichier d’état de la synchronisation pendant %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>saving the account</source>
        <translation>l’enregistrement du compte</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>noting an entry</source>
        <translation>l’inscription d’une entrée</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>forgetting an entry</source>
        <translation>l’oubli d’une entrée</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>forgetting the calendar</source>
        <translation>l’oubli du calendrier</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>keeping a replaced text</source>
        <translation>la conservation d’un texte remplacé</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>starting a change</source>
        <translation>le début d’une modification</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ending a change</source>
        <translation>la fin d’une modification</translation>
    </message>
</context>
<context>
    <name>SyncStatus</name>
    <message>
        <location filename="../sync_window/sync_status.cpp" line="+22"/>
        <source>Synced just now</source>
        <translation>Synchronisé à l’instant</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Synced %n minute(s) ago</source>
        <translation>
            <numerusform>Synchronisé il y a %n minute</numerusform>
            <numerusform>Synchronisé il y a %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Synced %n hour(s) ago</source>
        <translation>
            <numerusform>Synchronisé il y a %n heure</numerusform>
            <numerusform>Synchronisé il y a %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Synced %n day(s) ago</source>
        <translation>
            <numerusform>Synchronisé il y a %n jour</numerusform>
            <numerusform>Synchronisé il y a %n jours</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Offline: changes waiting</source>
        <translation>Hors ligne&#xa0;: modifications en attente</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Offline: %n minute(s) waiting</source>
        <translation>
            <numerusform>Hors ligne&#xa0;: en attente depuis %n minute</numerusform>
            <numerusform>Hors ligne&#xa0;: en attente depuis %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Offline: %n hour(s) waiting</source>
        <translation>
            <numerusform>Hors ligne&#xa0;: en attente depuis %n heure</numerusform>
            <numerusform>Hors ligne&#xa0;: en attente depuis %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Offline: %n day(s) waiting</source>
        <translation>
            <numerusform>Hors ligne&#xa0;: en attente depuis %n jour</numerusform>
            <numerusform>Hors ligne&#xa0;: en attente depuis %n jours</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sync stopped: the server refused the password</source>
        <translation>Synchronisation arrêtée&#xa0;: le serveur a refusé le mot de passe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sync stopped: the server&apos;s certificate changed</source>
        <translation>Synchronisation arrêtée&#xa0;: le certificat du serveur a changé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day(s) changed on both sides</source>
        <translation>
            <numerusform>%n jour modifié des deux côtés</numerusform>
            <numerusform>%n jours modifiés des deux côtés</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not synced yet</source>
        <translation>Pas encore synchronisé</translation>
    </message>
</context>
<context>
    <name>ThreadRun</name>
    <message>
        <location filename="../main_window/thread_run.cpp" line="+7"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../main_window/tray_menu.cpp" line="+60"/>
        <source>&amp;Hide Orvanta</source>
        <translation>M&amp;asquer Orvanta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show Orvanta</source>
        <translation>&amp;Afficher Orvanta</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <location filename="../guide/user_guide_window.cpp" line="+11"/>
        <location line="+3"/>
        <source>Orvanta User&apos;s Guide</source>
        <translation>Guide de l’utilisateur d’Orvanta</translation>
    </message>
</context>
<context>
    <name>WeekDraft</name>
    <message>
        <location filename="../schedule/week_draft.cpp" line="+44"/>
        <source>it is too large</source>
        <translation>il est trop gros</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it is not an Orvanta draft</source>
        <translation>ce n’est pas un brouillon d’Orvanta</translation>
    </message>
</context>
<context>
    <name>WeekExport</name>
    <message>
        <location filename="../export/week_export.cpp" line="+45"/>
        <source>%1 is the calendar database itself: choose another file.</source>
        <translation>%1 est la base de données du calendrier elle-même&#xa0;: choisissez un autre fichier.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+34"/>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+43"/>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>WeekExporting</name>
    <message>
        <location filename="../main_window/week_exporting.cpp" line="+29"/>
        <source>Export All Weeks</source>
        <translation>Exporter toutes les semaines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvanta weeks.md</source>
        <translation>Semaines Orvanta.md</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 names no format Orvanta writes: name it .md for Markdown or .ics for iCalendar.</source>
        <translation>%1 ne correspond à aucun format qu’Orvanta sait écrire&#xa0;: donnez-lui l’extension .md pour Markdown ou .ics pour iCalendar.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Exporting all weeks…</source>
        <translation>Exportation de toutes les semaines…</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The weeks were not exported. %1</source>
        <translation>Les semaines n’ont pas été exportées. %1</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%Ln week(s) were exported to %1.</source>
        <translation>
            <numerusform>%Ln semaine a été exportée dans %1.</numerusform>
            <numerusform>%Ln semaines ont été exportées dans %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekImport</name>
    <message>
        <location filename="../import/week_import.cpp" line="+84"/>
        <source>The weeks could not be written to %1: %2. Nothing was changed; it is as it was.</source>
        <translation>Les semaines n’ont pas pu être écrites dans %1&#xa0;: %2. Rien n’a été modifié&#xa0;; le fichier est resté tel quel.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is an SQLite database, but not one of Orvanta&apos;s: it has no table tblCalendar with the columns StartWeekDate and WeekData. Nothing was changed.</source>
        <translation>%1 est une base de données SQLite, mais pas une base d’Orvanta&#xa0;: elle n’a pas de table tblCalendar avec les colonnes StartWeekDate et WeekData. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 was left in the middle of a change, and reading it would change it (%2-journal beside it takes the change back): open it once in the program that wrote it, or copy it without that file. Nothing was changed.</source>
        <translation>%1 a été laissé au milieu d’une modification, et le lire le modifierait (le fichier %2-journal, à côté, annule cette modification)&#xa0;: ouvrez-le une fois dans le programme qui l’a écrit, ou copiez-le sans ce fichier. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 could not be read: %2. Nothing was changed.</source>
        <translation>Impossible de lire %1&#xa0;: %2. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The import was cancelled. Nothing was changed.</source>
        <translation>L’importation a été annulée. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 not found. Nothing was changed.</source>
        <translation>%1 est introuvable. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is the database the weeks would come into: choose another file. Nothing was changed.</source>
        <translation>%1 est la base de données dans laquelle les semaines seraient importées&#xa0;: choisissez un autre fichier. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is neither a database of Orvanta&apos;s nor one of the earlier Windows program. Nothing was changed.</source>
        <translation>%1 n’est ni une base de données d’Orvanta ni une base de l’ancien programme Windows. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Nothing was changed.</source>
        <translation> Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>The rows of %1 that cannot be weeks could not be written to %2: %3. Nothing was changed.</source>
        <translation>Les enregistrements de %1 qui ne peuvent pas être des semaines n’ont pas pu être écrits dans %2&#xa0;: %3. Rien n’a été modifié.</translation>
    </message>
    <message numerus="yes">
        <location line="+150"/>
        <source>%n more</source>
        <translation>
            <numerusform>%n autre</numerusform>
            <numerusform>%n autres</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The weeks of %1 were not imported. %2</source>
        <translation>Les semaines de %1 n’ont pas été importées. %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 holds no weeks; nothing was changed.</source>
        <translation>%1 ne contient aucune semaine&#xa0;; rien n’a été modifié.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Nothing was changed: %n week(s) of %1 are here already.</source>
        <translation>
            <numerusform>Rien n’a été modifié&#xa0;: %n semaine de %1 est déjà présente.</numerusform>
            <numerusform>Rien n’a été modifié&#xa0;: les %n semaines de %1 sont déjà présentes.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No new week came from %1</source>
        <translation>Aucune nouvelle semaine n’a été importée de %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n week(s) came from %1</source>
        <translation>
            <numerusform>%n semaine a été importée de %1</numerusform>
            <numerusform>%n semaines ont été importées de %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>d MMMM yyyy</source>
        <comment>the format of a week&apos;s Sunday in a list</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>; %n week(s) held text in both and now hold both: the weeks of %1</source>
        <translation>
            <numerusform>&#xa0;; %n semaine contenait du texte des deux côtés et contient maintenant les deux textes&#xa0;: celle du %1</numerusform>
            <numerusform>&#xa0;; %n semaines contenaient du texte des deux côtés et contiennent maintenant les deux textes&#xa0;: celles des %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>; %n week(s) were here already as they are</source>
        <translation>
            <numerusform>&#xa0;; %n semaine était déjà présente telle quelle</numerusform>
            <numerusform>&#xa0;; %n semaines étaient déjà présentes telles quelles</numerusform>
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
            <numerusform> %n enregistrement de %1 ne peut pas être une semaine (enregistrement %2)</numerusform>
            <numerusform> %n enregistrements de %1 ne peuvent pas être des semaines (enregistrements %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source> and stayed in it.</source>
        <translation>
            <numerusform> et y est resté.</numerusform>
            <numerusform> et y sont restés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>: they are kept, with their full texts, in %1.</source>
        <translation>
            <numerusform>&#xa0;: il est conservé, avec son texte complet, dans %1.</numerusform>
            <numerusform>&#xa0;: ils sont conservés, avec leurs textes complets, dans %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekImporting</name>
    <message>
        <location filename="../main_window/week_importing.cpp" line="+21"/>
        <source>Import Weeks</source>
        <translation>Importer des semaines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Databases (*.mdb *.accdb);;All files (*)</source>
        <translation>Bases de données (*.mdb *.accdb);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Importing the weeks of %1…</source>
        <translation>Importation des semaines de %1…</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> %Ln row(s)</source>
        <translation>
            <numerusform> %Ln enregistrement</numerusform>
            <numerusform> %Ln enregistrements</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekPage</name>
    <message>
        <location filename="../main_window/week_page.cpp" line="+81"/>
        <source>Additional Notes For The Week</source>
        <translation>Notes supplémentaires de la semaine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notes for the week of %1</source>
        <translation>Notes de la semaine du %1</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>No recovery file could be written either: the week&apos;s texts are only in the window. Copy them somewhere safe.</source>
        <translation>Aucun fichier de secours n’a pu être écrit non plus&#xa0;: les textes de la semaine ne se trouvent que dans la fenêtre. Copiez-les en lieu sûr.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The week&apos;s texts were written to %1.</source>
        <translation>Les textes de la semaine ont été écrits dans %1.</translation>
    </message>
</context>
<context>
    <name>WeekPrintModule</name>
    <message>
        <location filename="../print_module/week_print_module.cpp" line="+14"/>
        <source>Print Week</source>
        <translation>Imprimer la semaine</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>WeekPrinting</name>
    <message>
        <location filename="../main_window/week_printing.cpp" line="+31"/>
        <source>it is not there</source>
        <translation>il est absent</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is not Orvanta&apos;s printing module</source>
        <translation>ce n’est pas le module d’impression d’Orvanta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Orvanta cannot print: its printing module %1 cannot be used: %2. Installing Orvanta again brings it back.</source>
        <translation>Orvanta ne peut pas imprimer&#xa0;: son module d’impression %1 est inutilisable (%2). Réinstaller Orvanta le remet en place.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Orvanta week %1</source>
        <translation>Semaine Orvanta %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The week was not printed: %1 did not take it.</source>
        <translation>La semaine n’a pas été imprimée&#xa0;: %1 ne l’a pas acceptée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The week was not printed: %1 cannot be written.</source>
        <translation>La semaine n’a pas été imprimée&#xa0;: impossible d’écrire %1.</translation>
    </message>
</context>
<context>
    <name>WeekSheet</name>
    <message>
        <location filename="../print/week_sheet.cpp" line="+74"/>
        <source>%1 · page %2 of %3</source>
        <translation>%1 · page %2 sur %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Week of %1</source>
        <translation>Semaine du %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
</context>
<context>
    <name>WeekSyncing</name>
    <message>
        <location filename="../main_window/week_syncing.cpp" line="+148"/>
        <source>Sync is not set up yet: type your CalDAV server&apos;s address, your user name and your password, then press Connect.</source>
        <translation>La synchronisation n’est pas encore configurée&#xa0;: tapez l’adresse de votre serveur CalDAV, votre nom d’utilisateur et votre mot de passe, puis cliquez sur «&#xa0;Se connecter&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <location line="+78"/>
        <source>%n day(s) changed both here and on another device; each such box now holds both texts, one after the other: %1.</source>
        <translation>
            <numerusform>%n jour a été modifié ici et sur un autre appareil&#xa0;; sa case contient maintenant les deux textes, l’un après l’autre&#xa0;: %1.</numerusform>
            <numerusform>%n jours ont été modifiés ici et sur un autre appareil&#xa0;; chacune de leurs cases contient maintenant les deux textes, l’un après l’autre&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The server&apos;s certificate is no longer the one you trusted, so sync has stopped. Open Sync… to check it.</source>
        <translation>Le certificat du serveur n’est plus celui auquel vous avez fait confiance&#xa0;: la synchronisation est donc arrêtée. Ouvrez «&#xa0;Synchroniser…&#xa0;» pour le vérifier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>The server refused the password, or none is kept for this account: type it and press Connect.</source>
        <translation>Le serveur a refusé le mot de passe, ou aucun n’est conservé pour ce compte&#xa0;: tapez-le et cliquez sur «&#xa0;Se connecter&#xa0;».</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <location filename="../main_window/window_actions.cpp" line="+14"/>
        <source>&amp;Go to date…</source>
        <translation>Aller à la &amp;date…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;This week</source>
        <translation>Cet&amp;te semaine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;revious week</source>
        <translation>Semaine &amp;précédente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next week</source>
        <translation>Semaine &amp;suivante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save week</source>
        <translation>&amp;Enregistrer la semaine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Find in all weeks…</source>
        <translation>Rec&amp;hercher dans toutes les semaines…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find ne&amp;xt</source>
        <translation>Rechercher le sui&amp;vant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find pre&amp;vious</source>
        <translation>Rechercher le pré&amp;cédent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print week…</source>
        <translation>&amp;Imprimer la semaine…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print previe&amp;w…</source>
        <translation>Aperçu ava&amp;nt impression…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Export all weeks…</source>
        <translation>E&amp;xporter toutes les semaines…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import weeks…</source>
        <translation>I&amp;mporter des semaines…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;ync…</source>
        <translation>S&amp;ynchroniser…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sync n&amp;ow</source>
        <translation>Synch&amp;roniser maintenant</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Larger text</source>
        <translation>&amp;Agrandir le texte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;maller text</source>
        <translation>Réd&amp;uire le texte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Usual text size</source>
        <translation>Taille ha&amp;bituelle du texte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User&apos;s gui&amp;de</source>
        <translation>&amp;Guide de l’utilisateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About Orvanta</source>
        <translation>À propos d’&amp;Orvanta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>This menu</source>
        <translation>Ce menu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source> or </source>
        <translation> ou </translation>
    </message>
</context>
<context>
    <name>WindowPointer</name>
    <message>
        <location filename="../main_window/window_pointer.cpp" line="+26"/>
        <source>The pointer image %1 cannot be read: %2.</source>
        <translation>L’image de pointeur %1 ne peut pas être lue&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../main.cpp" line="+45"/>
        <source>Orvanta cannot tell which folder it was started from, where its dbCalendar.mdb lies: %1.</source>
        <translation>Orvanta ne trouve pas le dossier depuis lequel il a été lancé, celui où se trouve son dbCalendar.mdb&#xa0;: %1.</translation>
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
Les semaines d’Orvanta en ligne de commande.

  find WORDS...   affiche chaque ligne qui contient tous les mots (dans n’importe quel
                  ordre, sans tenir compte des majuscules ni des accents&#xa0;; mettez des mots
                  entre guillemets pour les chercher comme une expression)&#xa0;: le jour, son
                  nom et la ligne, les plus récents d’abord. Code de retour 0&#xa0;: trouvé,
                  1&#xa0;: rien trouvé, 2&#xa0;: erreur.
  export FILE     écrit toutes les semaines dans FILE, les plus anciennes d’abord&#xa0;:
                  Markdown pour .md, iCalendar pour .ics, ou selon --format. Code de
                  retour 0&#xa0;: écrit, 2&#xa0;: rien écrit.
  import FILE     ajoute les semaines de FILE (une autre base de données d’Orvanta, ou le
                  .mdb ou .accdb de l’ancien programme Windows) à la base de données&#xa0;: une
                  semaine qui n’est que dans FILE est reprise, une semaine aux textes
                  différents contient ensuite les deux, et FILE n’est jamais modifié. Pas
                  pendant qu’Orvanta a la base de données ouverte&#xa0;: utilisez alors
                  «&#xa0;Importer des semaines…&#xa0;» dans sa fenêtre. Code de retour 0&#xa0;: importé,
                  2&#xa0;: rien modifié.
  sync            synchronise les semaines avec le calendrier CalDAV configuré avec
                  --setup (l’adresse du serveur, ou celle d’un calendrier&#xa0;; le calendrier
                  de journal NAME, sinon le premier qui accepte les entrées de journal,
                  sinon un nouveau nommé Orvanta). Le mot de passe vient du trousseau de
                  mots de passe du bureau, ou de l’entrée standard avec --password-stdin&#xa0;;
                  il n’est jamais écrit dans un fichier. Un certificat qui ne peut pas
                  être vérifié est refusé avec son empreinte&#xa0;; --trust FINGERPRINT fait
                  confiance à celui-là. --status indique l’état de la synchronisation,
                  --history DAY affiche les textes de DAY qu’une synchronisation a
                  remplacés. Pas pendant qu’Orvanta a la base de données ouverte&#xa0;: il
                  synchronise lui-même. Code de retour 0&#xa0;: synchronisé, 1&#xa0;: synchronisé,
                  et des jours modifiés des deux côtés contiennent maintenant les deux
                  textes, 2&#xa0;: synchronisation impossible.

  --database FILE la base de données à utiliser (sans cette option&#xa0;: dbCalendar.mdb à
                  côté d’orvanta-cli)
  -h, --help      ce texte (aussi&#xa0;: orvanta-cli help)
  --version       la version
</translation>
    </message>
    <message>
        <location line="+88"/>
        <location line="+37"/>
        <location line="+36"/>
        <source>%1 not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>%1 cannot be read: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--format takes md or ics.</source>
        <translation>--format accepte md ou ics.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot tell the format of %1: name it .md or .ics, or give --format md or --format ics.</source>
        <translation>impossible de déterminer le format de %1&#xa0;: donnez-lui l’extension .md ou .ics, ou indiquez --format md ou --format ics.</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>exporting, %1 of %n week(s)</source>
        <translation>
            <numerusform>exportation&#xa0;: %1 sur %n semaine</numerusform>
            <numerusform>exportation&#xa0;: %1 sur %n semaines</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 is open in Orvanta; import from its window (Import weeks…), or close it first.</source>
        <translation>%1 est ouvert dans Orvanta&#xa0;; importez depuis sa fenêtre («&#xa0;Importer des semaines…&#xa0;»), ou fermez-le d’abord.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is open in Orvanta on the computer %2; import from its window there (Import weeks…), or close it first.</source>
        <translation>%1 est ouvert dans Orvanta sur l’ordinateur %2&#xa0;; importez depuis sa fenêtre sur cet ordinateur («&#xa0;Importer des semaines…&#xa0;»), ou fermez-le d’abord.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>importing, %n row(s) read</source>
        <translation>
            <numerusform>importation&#xa0;: %n enregistrement lu</numerusform>
            <numerusform>importation&#xa0;: %n enregistrements lus</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>--database takes a file.</source>
        <translation>--database attend un fichier.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>no command %1.</source>
        <translation>la commande %1 n’existe pas.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot tell which folder it is in: %1</source>
        <translation>impossible de savoir dans quel dossier se trouve orvanta-cli&#xa0;: %1</translation>
    </message>
</context>
</TS>
