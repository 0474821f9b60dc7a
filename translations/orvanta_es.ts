<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../guide/about_box.cpp" line="+19"/>
        <source>About Orvanta</source>
        <translation>Acerca de Orvanta</translation>
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
Una agenda semanal.

Sus semanas se guardan en:
%2

© Los creadores de Orvanta. Todos los derechos reservados.
Orvanta está hecho con Qt %3 (GNU LGPL versión 3), SQLite (dominio público) y libmdb de mdbtools (GNU LGPL), que lee los archivos del antiguo programa para Windows.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
</context>
<context>
    <name>BackupSchedule</name>
    <message>
        <location filename="../main_window/backup_schedule.cpp" line="+60"/>
        <source>%1 is damaged (%2). No copy was made of it today, so the copies in %3 are all from before.</source>
        <translation>%1 está dañado (%2). Hoy no se ha hecho ninguna copia, así que todas las copias de %3 son anteriores.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> There is no backup of it yet.</source>
        <translation> Todavía no hay ninguna copia de seguridad.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> The newest backup is %1: to go back to it, close Orvanta and copy it over %2.</source>
        <translation> La copia de seguridad más reciente es %1: para volver a ella, cierre Orvanta y cópiela sobre %2.</translation>
    </message>
</context>
<context>
    <name>CalendarConnection</name>
    <message>
        <location filename="../schedule/calendar_connection.cpp" line="+73"/>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>is in use by another program.</source>
        <translation>está en uso por otro programa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is damaged (%1).</source>
        <translation>está dañado (%1).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>does not exist.</source>
        <translation>no existe.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot be opened (%1).</source>
        <translation>no se puede abrir (%1).</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>is not an SQLite database.</source>
        <translation>no es una base de datos SQLite.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <location line="+5"/>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>has no table tblCalendar.</source>
        <translation>no tiene la tabla tblCalendar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>has a table tblCalendar without the columns StartWeekDate and WeekData (%1).</source>
        <translation>tiene una tabla tblCalendar sin las columnas StartWeekDate y WeekData (%1).</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>has code that would run when a week is saved (the trigger %1 on tblCalendar). Orvanta does not run code kept in its database: remove the trigger with another tool.</source>
        <translation>contiene código que se ejecutaría al guardar una semana (el disparador %1 de tblCalendar). Orvanta no ejecuta código guardado en su base de datos: elimine el disparador con otra herramienta.</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <location line="+12"/>
        <location line="+14"/>
        <location line="+24"/>
        <location line="+8"/>
        <source>could not be read</source>
        <translation>no se ha podido leer</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>could not be written</source>
        <translation>no se ha podido escribir</translation>
    </message>
</context>
<context>
    <name>CalendarDiscovery</name>
    <message>
        <location filename="../sync/calendar_discovery.cpp" line="+51"/>
        <source>The server refused the user name or password.</source>
        <translation>El servidor ha rechazado el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 answered %2: it is no CalDAV address.</source>
        <translation>%1 ha respondido %2: no es una dirección CalDAV.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The answer of %1 was damaged or cut short.</source>
        <translation>La respuesta de %1 estaba dañada o truncada.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 does not say where the calendars are.</source>
        <translation>%1 no indica dónde están los calendarios.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The server refused to make the calendar %1 (%2).</source>
        <translation>El servidor se ha negado a crear el calendario %1 (%2).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server refused to make the calendar %1.</source>
        <translation>El servidor se ha negado a crear el calendario %1.</translation>
    </message>
</context>
<context>
    <name>CalendarFiles</name>
    <message>
        <location filename="../schedule/calendar_files.cpp" line="+34"/>
        <source>%1 already exists; left as it is.</source>
        <translation>%1 ya existe; se deja como está.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseSession</name>
    <message>
        <location filename="../main_window/database_session.cpp" line="+34"/>
        <source>%1 not found.</source>
        <translation>No se ha encontrado %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a database file.</source>
        <translation>%1 no es un archivo de base de datos.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is open in another Orvanta that cannot be reached (process %2).</source>
        <translation>%1 está abierto en otro Orvanta con el que no se puede comunicar (proceso %2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is open in Orvanta on the computer %2. Close it there first: Orvanta ends here without changing anything.</source>
        <translation>%1 está abierto en Orvanta en el equipo %2. Ciérrelo antes allí: Orvanta se cierra aquí sin cambiar nada.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The draft %1 cannot be read (%2). Move it away to start Orvanta; it may hold typing that was never saved.</source>
        <translation>No se puede leer el borrador %1 (%2). Muévalo a otro sitio para poder iniciar Orvanta; puede contener texto escrito que nunca se guardó.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The texts of the week of %1, typed before Orvanta last ended without saving them, could not be recovered: %2

They are kept in %3 for the next start.</source>
        <translation>No se han podido recuperar los textos de la semana del %1, escritos antes de que Orvanta se cerrara la última vez sin guardarlos: %2

Se conservan en %3 para el próximo inicio.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Orvanta last ended without saving the week of %1. Its texts as last typed have been recovered.</source>
        <translation>La última vez, Orvanta se cerró sin guardar la semana del %1. Se han recuperado sus textos tal como quedaron escritos.</translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <location filename="../sync/dav_client.cpp" line="+171"/>
        <source>The answer of %1 was larger than %2 MB.</source>
        <translation>La respuesta de %1 superaba los %2 MB.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The certificate of %1 cannot be verified. Its SHA-256 fingerprint is %2.</source>
        <translation>No se puede verificar el certificado de %1. Su huella digital SHA-256 es %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+41"/>
        <source>The sync was stopped.</source>
        <translation>Se ha detenido la sincronización.</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>%1 did not answer in time.</source>
        <translation>%1 no ha respondido a tiempo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be reached: %2</source>
        <translation>No se puede conectar con %1: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 answered in an encoding Orvanta did not ask for (%2).</source>
        <translation>%1 ha respondido con una codificación que Orvanta no había pedido (%2).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The answer of %1 was cut off.</source>
        <translation>La respuesta de %1 ha llegado truncada.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 sent Orvanta to another server, or away from HTTPS; it did not follow.</source>
        <translation>%1 ha enviado a Orvanta a otro servidor, o fuera de HTTPS; Orvanta no ha seguido la redirección.</translation>
    </message>
</context>
<context>
    <name>EarlierProgramConversion</name>
    <message>
        <location filename="../conversion/earlier_program_conversion.cpp" line="+79"/>
        <source>A new database for Orvanta could not be written in %1: %2. Nothing was changed; %3 is as it was.</source>
        <translation>No se ha podido escribir una base de datos nueva para Orvanta en %1: %2. No se ha cambiado nada; %3 sigue como estaba.</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>the new file could not be written to the disk</source>
        <translation>no se ha podido escribir el archivo nuevo en el disco</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The conversion was cancelled. Nothing was changed.</source>
        <translation>Se ha cancelado la conversión. No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the new database did not pass its check</source>
        <translation>la base de datos nueva no ha superado la comprobación</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the new database does not hold every week</source>
        <translation>la base de datos nueva no contiene todas las semanas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the new database does not read back as written</source>
        <translation>la base de datos nueva no se lee tal como se escribió</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the original could not be kept as %1 (%2)</source>
        <translation>no se ha podido conservar el original como %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every name for keeping the original is taken</source>
        <translation>todos los nombres posibles para conservar el original están ocupados</translation>
    </message>
</context>
<context>
    <name>EarlierProgramOffer</name>
    <message>
        <location filename="../main_window/earlier_program_offer.cpp" line="+26"/>
        <source>Reading the weeks of the earlier program…</source>
        <translation>Leyendo las semanas del antiguo programa…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>Reading the weeks of the earlier program… %Ln row(s)</source>
        <translation>
            <numerusform>Leyendo las semanas del antiguo programa… %Ln fila</numerusform>
            <numerusform>Leyendo las semanas del antiguo programa… %Ln filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 was written by the earlier Windows program. Copy its %Ln week(s) into a new database for Orvanta? The original is kept unchanged as %2.</source>
        <translation>
            <numerusform>%1 lo escribió el antiguo programa de Windows. ¿Copiar su semana en una base de datos nueva para Orvanta? El original se conserva sin cambios como %2.</numerusform>
            <numerusform>%1 lo escribió el antiguo programa de Windows. ¿Copiar sus %Ln semanas en una base de datos nueva para Orvanta? El original se conserva sin cambios como %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%Ln week(s) came over from the earlier program.</source>
        <translation>
            <numerusform>Se ha traído %Ln semana del antiguo programa.</numerusform>
            <numerusform>Se han traído %Ln semanas del antiguo programa.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source> %Ln of them were stored with day and month swapped, as day-first date settings wrote them, and now lie under their right Sunday.</source>
        <translation>
            <numerusform> %Ln de ellas estaba guardada con el día y el mes intercambiados, como la escribía una configuración de fecha con el día primero, y ahora está en su domingo correcto.</numerusform>
            <numerusform> %Ln de ellas estaban guardadas con el día y el mes intercambiados, como las escribía una configuración de fecha con el día primero, y ahora están en su domingo correcto.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source> The original is kept as %1.</source>
        <translation> El original se conserva como %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source> %Ln row(s) that cannot be weeks are kept, with their full texts, in %1.</source>
        <translation>
            <numerusform> %Ln fila que no puede ser una semana se conserva, con su texto completo, en %1.</numerusform>
            <numerusform> %Ln filas que no pueden ser semanas se conservan, con sus textos completos, en %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Orvanta shows the week of %1, the newest that came over.</source>
        <translation> Orvanta muestra la semana del %1, la más reciente de las que se han traído.</translation>
    </message>
</context>
<context>
    <name>EarlierWeekRows</name>
    <message>
        <location filename="../conversion/earlier_week_rows.cpp" line="+69"/>
        <source>%1 could not be read as a database of the earlier program: %2. Nothing was changed.</source>
        <translation>No se ha podido leer %1 como base de datos del antiguo programa: %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>its reader, %1, could not be started (%2)</source>
        <translation>no se ha podido iniciar su programa lector, %1 (%2)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>its reader gave rows that make no sense</source>
        <translation>su programa lector ha devuelto filas sin sentido</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>reading it took longer than %1 seconds</source>
        <translation>su lectura ha tardado más de %1 segundos</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>its reader stopped unexpectedly</source>
        <translation>su programa lector se ha detenido inesperadamente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is a database of Microsoft Access, but not the earlier program&apos;s: it has no table tblCalendar. Nothing was changed.</source>
        <translation>%1 es una base de datos de Microsoft Access, pero no del antiguo programa: no tiene la tabla tblCalendar. No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a database of Microsoft Access, but not the earlier program&apos;s: its table tblCalendar has no columns StartWeekDate (Date/Time) and WeekData (Memo). Nothing was changed.</source>
        <translation>%1 es una base de datos de Microsoft Access, pero no del antiguo programa: su tabla tblCalendar no tiene las columnas StartWeekDate (Fecha/Hora) y WeekData (Memo). No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its reader failed</source>
        <translation>su programa lector ha fallado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its reader ended before the last row</source>
        <translation>su programa lector ha terminado antes de la última fila</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <location filename="../find_window/find_window.cpp" line="+82"/>
        <source>Find in all weeks</source>
        <translation>Buscar en todas las semanas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Words, or a &quot;phrase&quot;</source>
        <translation>Palabras o una &quot;frase&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Words to find</source>
        <translation>Palabras que buscar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Days found</source>
        <translation>Días encontrados</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Notes, week of %1</source>
        <translation>Notas, semana del %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The weeks cannot be searched: %1</source>
        <translation>No se puede buscar en las semanas: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%Ln result(s)</source>
        <translation>
            <numerusform>%Ln resultado</numerusform>
            <numerusform>%Ln resultados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>, the newest %Ln listed</source>
        <translation>
            <numerusform>, se muestra el %Ln más reciente</numerusform>
            <numerusform>, se muestran los %Ln más recientes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> so far…</source>
        <translation> hasta el momento…</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../main_window/form1.cpp" line="+638"/>
        <source>

Close and lose the texts of the week of %1?</source>
        <translation>

¿Cerrar y perder los textos de la semana del %1?</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <location filename="../go_to_date/go_to_date_dialog.cpp" line="+20"/>
        <source>Go to date</source>
        <translation>Ir a la fecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+1"/>
        <source>Choose in a calendar</source>
        <translation>Elegir en un calendario</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1, %2 or %3</source>
        <translation>%1, %2 o %3</translation>
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
        <translation>Escriba un día, por ejemplo %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Orvanta cannot read this as a day. Try %1.</source>
        <translation>Orvanta no reconoce esto como un día. Pruebe con %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Orvanta&apos;s calendar runs from %1 to %2.</source>
        <translation>El calendario de Orvanta va del %1 al %2.</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <location filename="../guide/guide_text.cpp" line="+49"/>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Keys</source>
        <comment>the heading of the table of keys</comment>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(in the menu)</source>
        <translation>(en el menú)</translation>
    </message>
</context>
<context>
    <name>IconFile</name>
    <message>
        <location filename="../controls/icon_file.cpp" line="+46"/>
        <source>its images hold more pixels than an icon or cursor</source>
        <translation>sus imágenes tienen más píxeles que un icono o un cursor</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>an image is cut short</source>
        <translation>una imagen está truncada</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>an image has an unknown header</source>
        <translation>una imagen tiene una cabecera desconocida</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+75"/>
        <source>an image has an impossible size</source>
        <translation>una imagen tiene un tamaño imposible</translation>
    </message>
    <message>
        <location line="-73"/>
        <source>an image is compressed</source>
        <translation>una imagen está comprimida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an image has %1 bits per pixel</source>
        <translation>una imagen tiene %1 bits por píxel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>an image has an impossible palette</source>
        <translation>una imagen tiene una paleta imposible</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>there is no memory for an image</source>
        <translation>no hay memoria para una imagen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>an image uses a colour it does not have</source>
        <translation>una imagen usa un color que no tiene</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+9"/>
        <source>an image is an unreadable PNG</source>
        <translation>una imagen es un PNG ilegible</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not an icon or cursor file</source>
        <translation>no es un archivo de icono ni de cursor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the file&apos;s list of images is empty or cut short</source>
        <translation>la lista de imágenes del archivo está vacía o truncada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it lists %1 images, more than an icon or cursor has</source>
        <translation>enumera %1 imágenes, más de las que tiene un icono o un cursor</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>an image lies outside the file</source>
        <translation>una imagen queda fuera del archivo</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>it is larger than an icon or cursor file can be</source>
        <translation>es más grande de lo que puede ser un archivo de icono o de cursor</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../main_window/main_module.cpp" line="+106"/>
        <source>The skin %1 cannot be used: %2.</source>
        <translation>No se puede usar el tema %1: %2.</translation>
    </message>
</context>
<context>
    <name>MonthView</name>
    <message numerus="yes">
        <location filename="../controls/month_view.cpp" line="+59"/>
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n línea</numerusform>
            <numerusform>%n líneas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Notes: %1</source>
        <translation>Notas: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>has text</source>
        <translation>tiene texto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the week&apos;s notes have text</source>
        <translation>las notas de la semana tienen texto</translation>
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
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location filename="../controls/month_view_accessible.cpp" line="+322"/>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
</context>
<context>
    <name>MonthYearChooser</name>
    <message>
        <location filename="../controls/month_year_chooser.cpp" line="+29"/>
        <source>Month and year</source>
        <translation>Mes y año</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <location filename="../desktop/program_folder.cpp" line="+31"/>
        <source>the program&apos;s path %1 names no folder</source>
        <translation>la ruta del programa, %1, no indica ninguna carpeta</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>its folder %1 cannot be opened (%2)</source>
        <translation>no se puede abrir su carpeta, %1 (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>/proc/self/exe cannot be read (%1)</source>
        <translation>no se puede leer /proc/self/exe (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the system does not say where the program is</source>
        <translation>el sistema no indica dónde está el programa</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <location filename="../controls/skin_framework.cpp" line="+56"/>
        <source>the skinning control has no member %1 to be called that way</source>
        <translation>el control de temas no tiene ningún miembro %1 al que se pueda llamar de esa forma</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is larger than a skin can be</source>
        <translation>es más grande de lo que puede ser un tema</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no skin is loaded</source>
        <translation>no hay ningún tema cargado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no window has the handle %1</source>
        <translation>ninguna ventana tiene el identificador %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a NUL character</source>
        <translation>un carácter NUL</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a comment is never closed</source>
        <translation>un comentario no se cierra nunca</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>a quoted text is never closed</source>
        <translation>un texto entre comillas no se cierra nunca</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&apos;}&apos; closes nothing</source>
        <translation>«}» no cierra nada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;{&apos; is never closed</source>
        <translation>«{» no se cierra nunca</translation>
    </message>
</context>
<context>
    <name>SmallFile</name>
    <message>
        <location filename="../files/small_file.cpp" line="+92"/>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>no es un archivo, sino una carpeta, un dispositivo o una tubería</translation>
    </message>
</context>
<context>
    <name>SpellCheck</name>
    <message>
        <location filename="../spelling/spell_check.cpp" line="+200"/>
        <source>Check spelling</source>
        <translation>Revisar la ortografía</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>No suggestions</source>
        <translation>Sin sugerencias</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add to dictionary</source>
        <translation>Añadir al diccionario</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <location filename="../cli/sync_command.cpp" line="+57"/>
        <source>%1 takes a value.</source>
        <translation>%1 necesita un valor.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>--timeout takes a number of seconds.</source>
        <translation>--timeout necesita un número de segundos.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>sync has no option %1.</source>
        <translation>sync no tiene la opción %1.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+105"/>
        <source>Sync is not set up: orvanta-cli sync --setup URL --user NAME --password-stdin</source>
        <translation>La sincronización no está configurada: orvanta-cli sync --setup URL --user NAME --password-stdin</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>Server: %1</source>
        <translation>Servidor: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User: %1</source>
        <translation>Usuario: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar: %1</source>
        <translation>Calendario: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last sync: %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Days waiting for the server: %1, since %2</source>
        <translation>Días a la espera del servidor: %1, desde %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Changed on both sides in the last sync: %1</source>
        <translation>Cambiados en ambos lados en la última sincronización: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--history takes a day as yyyy-MM-dd.</source>
        <translation>--history necesita un día con el formato yyyy-MM-dd.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sync is not set up.</source>
        <translation>La sincronización no está configurada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No text of %1 was replaced by a sync.</source>
        <translation>Ninguna sincronización ha sustituido ningún texto del %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the week&apos;s notes</source>
        <translation>las notas de la semana</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 is no server address.</source>
        <translation>%1 no es una dirección de servidor.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is plain HTTP, which anyone on the way can read; use https, or --allow-http where that is what you want.</source>
        <translation>%1 es HTTP sin cifrar, que cualquiera en el camino puede leer; use https, o --allow-http si es eso lo que quiere.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>give the password on standard input with --password-stdin.</source>
        <translation>indique la contraseña por la entrada estándar con --password-stdin.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no password on standard input.</source>
        <translation>no hay ninguna contraseña en la entrada estándar.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>If it is your server&apos;s, run the setup again with --trust %1.</source>
        <translation>Si es el de su servidor, vuelva a ejecutar la configuración con --trust %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Made the journal calendar %1.</source>
        <translation>Se ha creado el calendario de diario %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync is set up with %1.</source>
        <translation>La sincronización con %1 está configurada.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>no password: give it on standard input with --password-stdin.</source>
        <translation>no hay contraseña: indíquela por la entrada estándar con --password-stdin.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>If it is your server&apos;s, set up again with --trust %1.</source>
        <translation>Si es el de su servidor, vuelva a configurar la sincronización con --trust %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Synced: %1 sent, %2 received, %3 removed, in %4 requests.</source>
        <translation>Sincronizado. Enviados: %1, recibidos: %2, eliminados: %3, solicitudes: %4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Changed on both sides, both texts kept: %1</source>
        <translation>Cambiados en ambos lados, se conservan los dos textos: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 not found.</source>
        <translation>No se ha encontrado %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is open in Orvanta, which syncs it itself (Sync now).</source>
        <translation>%1 está abierto en Orvanta, que lo sincroniza por sí mismo (Sincronizar ahora).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is open in Orvanta on the computer %2.</source>
        <translation>%1 está abierto en Orvanta en el equipo %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--setup takes --user NAME too.</source>
        <translation>--setup necesita también --user NAME.</translation>
    </message>
</context>
<context>
    <name>SyncDialog</name>
    <message>
        <location filename="../sync_window/sync_dialog.cpp" line="+61"/>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>https://example.org/dav/</source>
        <translation>https://example.org/dav/</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar name</source>
        <translation>Nombre del calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Journal calendars found</source>
        <translation>Calendarios de diario encontrados</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Server address:</source>
        <translation>&amp;Dirección del servidor:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>Contra&amp;seña:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ca&amp;lendar name:</source>
        <translation>&amp;Nombre del calendario:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendars &amp;found:</source>
        <translation>Calendarios &amp;encontrados:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>C&amp;onnect</source>
        <translation>C&amp;onectar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;top syncing</source>
        <translation>Dejar de s&amp;incronizar</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Type the address of your CalDAV server, such as https://example.org/dav/.</source>
        <translation>Escriba la dirección de su servidor CalDAV, por ejemplo https://example.org/dav/.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Type your user name on the server.</source>
        <translation>Escriba su nombre de usuario en el servidor.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is plain HTTP: anyone on the way can read your weeks and your password. Connect without encryption all the same?</source>
        <translation>%1 es HTTP sin cifrar: cualquiera en el camino puede leer sus semanas y su contraseña. ¿Conectar de todos modos sin cifrado?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not connected. Use an https address where the server has one.</source>
        <translation>No conectado. Use una dirección https si el servidor tiene una.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Connecting to %1…</source>
        <translation>Conectando con %1…</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The server&apos;s certificate does not verify. Its fingerprint (SHA-256) is:
%1</source>
        <translation>No se puede verificar el certificado del servidor. Su huella digital (SHA-256) es:
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The certificate of %1 does not verify: it may not be your server&apos;s. Compare its fingerprint (SHA-256) with the one your server&apos;s owner gives:

%2

Trust this certificate?</source>
        <translation>No se puede verificar el certificado de %1: puede que no sea el de su servidor. Compare su huella digital (SHA-256) con la que indique el responsable de su servidor:

%2

¿Confiar en este certificado?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not connected: the certificate was not trusted.</source>
        <translation>No conectado: no se ha confiado en el certificado.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The server refused the user name or password.</source>
        <translation>El servidor ha rechazado el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected: %1</source>
        <translation>No conectado: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+47"/>
        <source>The account could not be kept: %1</source>
        <translation>No se ha podido guardar la cuenta: %1</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Connected: made the calendar %1 for your weeks.</source>
        <translation>Conectado: se ha creado el calendario %1 para sus semanas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected: your weeks sync with the calendar %1.</source>
        <translation>Conectado: sus semanas se sincronizan con el calendario %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The password is kept in your desktop&apos;s password store.</source>
        <translation>La contraseña se guarda en el almacén de contraseñas de su escritorio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No password store answered: Orvanta keeps the password until it ends, and asks for it again at its next start.</source>
        <translation>Ningún almacén de contraseñas ha respondido: Orvanta conserva la contraseña hasta que se cierre y la volverá a pedir la próxima vez que se inicie.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Your weeks now sync with the calendar %1.</source>
        <translation>Sus semanas se sincronizan ahora con el calendario %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop syncing your weeks with %1? They stay as they are, here and on the server.</source>
        <translation>¿Dejar de sincronizar sus semanas con %1? Se quedan como están, aquí y en el servidor.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The account could not be forgotten: %1</source>
        <translation>No se ha podido olvidar la cuenta: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Your weeks no longer sync.</source>
        <translation>Sus semanas ya no se sincronizan.</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <location filename="../sync/sync_engine.cpp" line="+126"/>
        <source>The server refused the user name or password.</source>
        <translation>El servidor ha rechazado el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The server answered %1 while %2.</source>
        <translation>El servidor ha respondido %1 al %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No sync account is set up.</source>
        <translation>No hay ninguna cuenta de sincronización configurada.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is plain HTTP to another computer, which was not allowed.</source>
        <translation>%1 es HTTP sin cifrar hacia otro equipo, y eso no se ha permitido.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The server&apos;s answer was damaged: %1</source>
        <translation>La respuesta del servidor estaba dañada: %1</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The server&apos;s answer was cut short.</source>
        <translation>La respuesta del servidor estaba truncada.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>listing the changes</source>
        <translation>listar los cambios</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>listing the entries</source>
        <translation>listar las entradas</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>reading the entries</source>
        <translation>leer las entradas</translation>
    </message>
    <message>
        <location line="-277"/>
        <source>an entry of another program was added</source>
        <translation>se ha añadido una entrada de otro programa</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>changed by a sync</source>
        <translation>cambiado por una sincronización</translation>
    </message>
    <message>
        <location line="+586"/>
        <location line="+82"/>
        <source>sending the text of %1</source>
        <translation>enviar el texto del %1</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>reading an entry again</source>
        <translation>volver a leer una entrada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The entry for %1 came cut short.</source>
        <translation>La entrada del %1 ha llegado truncada.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The entry for %1 on the server is not a journal entry.</source>
        <translation>La entrada del %1 en el servidor no es una entrada de diario.</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>removing an entry taken into a day</source>
        <translation>eliminar una entrada incorporada a un día</translation>
    </message>
</context>
<context>
    <name>SyncState</name>
    <message>
        <location filename="../sync/sync_state.cpp" line="+37"/>
        <source>opening %1</source>
        <translation>abrir %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>preparing %1</source>
        <translation>preparar %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The sync&apos;s state file failed while %1: %2</source>
        <translation>El archivo de estado de la sincronización ha fallado al %1: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>saving the account</source>
        <translation>guardar la cuenta</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>noting an entry</source>
        <translation>anotar una entrada</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>forgetting an entry</source>
        <translation>olvidar una entrada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>forgetting the calendar</source>
        <translation>olvidar el calendario</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>keeping a replaced text</source>
        <translation>conservar un texto sustituido</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>starting a change</source>
        <translation>iniciar un cambio</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ending a change</source>
        <translation>terminar un cambio</translation>
    </message>
</context>
<context>
    <name>SyncStatus</name>
    <message>
        <location filename="../sync_window/sync_status.cpp" line="+22"/>
        <source>Synced just now</source>
        <translation>Sincronizado hace un momento</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Synced %n minute(s) ago</source>
        <translation>
            <numerusform>Sincronizado hace %n minuto</numerusform>
            <numerusform>Sincronizado hace %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Synced %n hour(s) ago</source>
        <translation>
            <numerusform>Sincronizado hace %n hora</numerusform>
            <numerusform>Sincronizado hace %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Synced %n day(s) ago</source>
        <translation>
            <numerusform>Sincronizado hace %n día</numerusform>
            <numerusform>Sincronizado hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Offline: changes waiting</source>
        <translation>Sin conexión: cambios en espera</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Offline: %n minute(s) waiting</source>
        <translation>
            <numerusform>Sin conexión: en espera desde hace %n minuto</numerusform>
            <numerusform>Sin conexión: en espera desde hace %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Offline: %n hour(s) waiting</source>
        <translation>
            <numerusform>Sin conexión: en espera desde hace %n hora</numerusform>
            <numerusform>Sin conexión: en espera desde hace %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Offline: %n day(s) waiting</source>
        <translation>
            <numerusform>Sin conexión: en espera desde hace %n día</numerusform>
            <numerusform>Sin conexión: en espera desde hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sync stopped: the server refused the password</source>
        <translation>Sincronización detenida: el servidor ha rechazado la contraseña</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sync stopped: the server&apos;s certificate changed</source>
        <translation>Sincronización detenida: el certificado del servidor ha cambiado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day(s) changed on both sides</source>
        <translation>
            <numerusform>%n día cambiado en ambos lados</numerusform>
            <numerusform>%n días cambiados en ambos lados</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not synced yet</source>
        <translation>Aún no sincronizado</translation>
    </message>
</context>
<context>
    <name>ThreadRun</name>
    <message>
        <location filename="../main_window/thread_run.cpp" line="+7"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../main_window/tray_menu.cpp" line="+60"/>
        <source>&amp;Hide Orvanta</source>
        <translation>&amp;Ocultar Orvanta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show Orvanta</source>
        <translation>Mostrar &amp;Orvanta</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <location filename="../guide/user_guide_window.cpp" line="+11"/>
        <location line="+3"/>
        <source>Orvanta User&apos;s Guide</source>
        <translation>Guía del usuario de Orvanta</translation>
    </message>
</context>
<context>
    <name>WeekDraft</name>
    <message>
        <location filename="../schedule/week_draft.cpp" line="+44"/>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it is not an Orvanta draft</source>
        <translation>no es un borrador de Orvanta</translation>
    </message>
</context>
<context>
    <name>WeekExport</name>
    <message>
        <location filename="../export/week_export.cpp" line="+45"/>
        <source>%1 is the calendar database itself: choose another file.</source>
        <translation>%1 es la propia base de datos del calendario: elija otro archivo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+34"/>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+43"/>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
</context>
<context>
    <name>WeekExporting</name>
    <message>
        <location filename="../main_window/week_exporting.cpp" line="+29"/>
        <source>Export All Weeks</source>
        <translation>Exportar todas las semanas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvanta weeks.md</source>
        <translation>Semanas de Orvanta.md</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 names no format Orvanta writes: name it .md for Markdown or .ics for iCalendar.</source>
        <translation>%1 no indica ningún formato que Orvanta pueda escribir: use la extensión .md para Markdown o .ics para iCalendar.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Exporting all weeks…</source>
        <translation>Exportando todas las semanas…</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The weeks were not exported. %1</source>
        <translation>No se han exportado las semanas. %1</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%Ln week(s) were exported to %1.</source>
        <translation>
            <numerusform>Se ha exportado %Ln semana a %1.</numerusform>
            <numerusform>Se han exportado %Ln semanas a %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekImport</name>
    <message>
        <location filename="../import/week_import.cpp" line="+84"/>
        <source>The weeks could not be written to %1: %2. Nothing was changed; it is as it was.</source>
        <translation>No se han podido escribir las semanas en %1: %2. No se ha cambiado nada; todo sigue como estaba.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is an SQLite database, but not one of Orvanta&apos;s: it has no table tblCalendar with the columns StartWeekDate and WeekData. Nothing was changed.</source>
        <translation>%1 es una base de datos SQLite, pero no de Orvanta: no tiene ninguna tabla tblCalendar con las columnas StartWeekDate y WeekData. No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 was left in the middle of a change, and reading it would change it (%2-journal beside it takes the change back): open it once in the program that wrote it, or copy it without that file. Nothing was changed.</source>
        <translation>%1 se quedó a mitad de un cambio, y leerlo lo modificaría (el archivo %2-journal que tiene al lado deshace ese cambio): ábralo una vez en el programa que lo escribió, o cópielo sin ese archivo. No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 could not be read: %2. Nothing was changed.</source>
        <translation>No se ha podido leer %1: %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The import was cancelled. Nothing was changed.</source>
        <translation>Se ha cancelado la importación. No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 not found. Nothing was changed.</source>
        <translation>No se ha encontrado %1. No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is the database the weeks would come into: choose another file. Nothing was changed.</source>
        <translation>%1 es la base de datos a la que irían las semanas: elija otro archivo. No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is neither a database of Orvanta&apos;s nor one of the earlier Windows program. Nothing was changed.</source>
        <translation>%1 no es una base de datos de Orvanta ni del antiguo programa para Windows. No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Nothing was changed.</source>
        <translation> No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>The rows of %1 that cannot be weeks could not be written to %2: %3. Nothing was changed.</source>
        <translation>No se han podido escribir en %2 las filas de %1 que no pueden ser semanas: %3. No se ha cambiado nada.</translation>
    </message>
    <message numerus="yes">
        <location line="+150"/>
        <source>%n more</source>
        <translation>
            <numerusform>%n más</numerusform>
            <numerusform>%n más</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The weeks of %1 were not imported. %2</source>
        <translation>No se han importado las semanas de %1. %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 holds no weeks; nothing was changed.</source>
        <translation>%1 no contiene ninguna semana; no se ha cambiado nada.</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Nothing was changed: %n week(s) of %1 are here already.</source>
        <translation>
            <numerusform>No se ha cambiado nada: %n semana de %1 ya está aquí.</numerusform>
            <numerusform>No se ha cambiado nada: %n semanas de %1 ya están aquí.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No new week came from %1</source>
        <translation>No se ha importado ninguna semana nueva de %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n week(s) came from %1</source>
        <translation>
            <numerusform>Se ha importado %n semana de %1</numerusform>
            <numerusform>Se han importado %n semanas de %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>d MMMM yyyy</source>
        <comment>the format of a week&apos;s Sunday in a list</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>; %n week(s) held text in both and now hold both: the weeks of %1</source>
        <translation>
            <numerusform>; %n semana tenía texto en los dos archivos y ahora contiene ambos textos: la semana del %1</numerusform>
            <numerusform>; %n semanas tenían texto en los dos archivos y ahora contienen ambos textos: las semanas del %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>; %n week(s) were here already as they are</source>
        <translation>
            <numerusform>; %n semana ya estaba aquí tal cual</numerusform>
            <numerusform>; %n semanas ya estaban aquí tal cual</numerusform>
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
            <numerusform> %n fila de %1 no puede ser una semana (fila %2)</numerusform>
            <numerusform> %n filas de %1 no pueden ser semanas (filas %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source> and stayed in it.</source>
        <translation>
            <numerusform> y se ha quedado en él.</numerusform>
            <numerusform> y se han quedado en él.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>: they are kept, with their full texts, in %1.</source>
        <translation>
            <numerusform>: se conserva, con su texto completo, en %1.</numerusform>
            <numerusform>: se conservan, con sus textos completos, en %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekImporting</name>
    <message>
        <location filename="../main_window/week_importing.cpp" line="+21"/>
        <source>Import Weeks</source>
        <translation>Importar semanas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Databases (*.mdb *.accdb);;All files (*)</source>
        <translation>Bases de datos (*.mdb *.accdb);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Importing the weeks of %1…</source>
        <translation>Importando las semanas de %1…</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> %Ln row(s)</source>
        <translation>
            <numerusform> %Ln fila</numerusform>
            <numerusform> %Ln filas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekPage</name>
    <message>
        <location filename="../main_window/week_page.cpp" line="+81"/>
        <source>Additional Notes For The Week</source>
        <translation>Notas adicionales de la semana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notes for the week of %1</source>
        <translation>Notas de la semana del %1</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>No recovery file could be written either: the week&apos;s texts are only in the window. Copy them somewhere safe.</source>
        <translation>Tampoco se ha podido escribir ningún archivo de recuperación: los textos de la semana solo están en la ventana. Cópielos en un lugar seguro.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The week&apos;s texts were written to %1.</source>
        <translation>Los textos de la semana se han escrito en %1.</translation>
    </message>
</context>
<context>
    <name>WeekPrintModule</name>
    <message>
        <location filename="../print_module/week_print_module.cpp" line="+14"/>
        <source>Print Week</source>
        <translation>Imprimir la semana</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>WeekPrinting</name>
    <message>
        <location filename="../main_window/week_printing.cpp" line="+31"/>
        <source>it is not there</source>
        <translation>no existe</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is not Orvanta&apos;s printing module</source>
        <translation>no es el módulo de impresión de Orvanta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Orvanta cannot print: its printing module %1 cannot be used: %2. Installing Orvanta again brings it back.</source>
        <translation>Orvanta no puede imprimir: no se puede usar su módulo de impresión %1: %2. Si vuelve a instalar Orvanta, el módulo se recupera.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Orvanta week %1</source>
        <translation>Semana de Orvanta %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The week was not printed: %1 did not take it.</source>
        <translation>No se ha impreso la semana: %1 no la ha aceptado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The week was not printed: %1 cannot be written.</source>
        <translation>No se ha impreso la semana: no se puede escribir en %1.</translation>
    </message>
</context>
<context>
    <name>WeekSheet</name>
    <message>
        <location filename="../print/week_sheet.cpp" line="+74"/>
        <source>%1 · page %2 of %3</source>
        <translation>%1 · página %2 de %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Week of %1</source>
        <translation>Semana del %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
</context>
<context>
    <name>WeekSyncing</name>
    <message>
        <location filename="../main_window/week_syncing.cpp" line="+148"/>
        <source>Sync is not set up yet: type your CalDAV server&apos;s address, your user name and your password, then press Connect.</source>
        <translation>La sincronización aún no está configurada: escriba la dirección de su servidor CalDAV, su nombre de usuario y su contraseña, y pulse «Conectar».</translation>
    </message>
    <message numerus="yes">
        <location line="+78"/>
        <source>%n day(s) changed both here and on another device; each such box now holds both texts, one after the other: %1.</source>
        <translation>
            <numerusform>%n día se ha cambiado aquí y en otro dispositivo; su cuadro contiene ahora los dos textos, uno tras otro: %1.</numerusform>
            <numerusform>%n días se han cambiado aquí y en otro dispositivo; cada uno de esos cuadros contiene ahora los dos textos, uno tras otro: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The server&apos;s certificate is no longer the one you trusted, so sync has stopped. Open Sync… to check it.</source>
        <translation>El certificado del servidor ya no es aquel en el que confió, así que la sincronización se ha detenido. Abra «Sincronizar…» para comprobarlo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sync failed: %1</source>
        <translation>La sincronización ha fallado: %1</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>The server refused the password, or none is kept for this account: type it and press Connect.</source>
        <translation>El servidor ha rechazado la contraseña, o no hay ninguna guardada para esta cuenta: escríbala y pulse «Conectar».</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <location filename="../main_window/window_actions.cpp" line="+14"/>
        <source>&amp;Go to date…</source>
        <translation>&amp;Ir a la fecha…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;This week</source>
        <translation>&amp;Esta semana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;revious week</source>
        <translation>Semana an&amp;terior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next week</source>
        <translation>Semana sig&amp;uiente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save week</source>
        <translation>&amp;Guardar la semana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Find in all weeks…</source>
        <translation>&amp;Buscar en todas las semanas…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find ne&amp;xt</source>
        <translation>Bus&amp;car siguiente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find pre&amp;vious</source>
        <translation>Buscar anteri&amp;or</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print week…</source>
        <translation>Im&amp;primir la semana…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print previe&amp;w…</source>
        <translation>&amp;Vista previa de impresión…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Export all weeks…</source>
        <translation>E&amp;xportar todas las semanas…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import weeks…</source>
        <translation>I&amp;mportar semanas…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;ync…</source>
        <translation>Sincroni&amp;zar…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sync n&amp;ow</source>
        <translation>Sincronizar a&amp;hora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Larger text</source>
        <translation>Texto más g&amp;rande</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;maller text</source>
        <translation>Texto más pe&amp;queño</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Usual text size</source>
        <translation>Tamaño de texto &amp;normal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User&apos;s gui&amp;de</source>
        <translation>Guía &amp;del usuario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About Orvanta</source>
        <translation>&amp;Acerca de Orvanta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>This menu</source>
        <translation>Este menú</translation>
    </message>
    <message>
        <location line="+0"/>
        <source> or </source>
        <translation> o </translation>
    </message>
</context>
<context>
    <name>WindowPointer</name>
    <message>
        <location filename="../main_window/window_pointer.cpp" line="+26"/>
        <source>The pointer image %1 cannot be read: %2.</source>
        <translation>No se puede leer la imagen de puntero %1: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../main.cpp" line="+45"/>
        <source>Orvanta cannot tell which folder it was started from, where its dbCalendar.mdb lies: %1.</source>
        <translation>Orvanta no puede saber desde qué carpeta se ha iniciado, que es donde está su dbCalendar.mdb: %1.</translation>
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
Las semanas de Orvanta desde la línea de comandos.

  find WORDS...   muestra cada línea que contiene todas las palabras (en cualquier orden,
                  sin distinguir mayúsculas ni acentos; ponga las palabras entre comillas
                  para buscarlas como frase): el día, su nombre y la línea, de la más
                  reciente a la más antigua. Devuelve 0: encontrado, 1: nada encontrado,
                  2: error.
  export FILE     escribe todas las semanas en FILE, de la más antigua a la más reciente:
                  Markdown para .md, iCalendar para .ics, o lo que indique --format.
                  Devuelve 0: escrito, 2: no escrito.
  import FILE     incorpora a la base de datos las semanas de FILE (otra base de datos de
                  Orvanta, o el .mdb o .accdb del antiguo programa para Windows): una
                  semana que solo está en FILE se incorpora, una con otros textos pasa a
                  contener ambos, y FILE nunca se modifica. No mientras Orvanta tenga la
                  base de datos abierta: en ese caso, use Importar semanas... en su
                  ventana. Devuelve 0: importado, 2: nada cambiado.
  sync            sincroniza las semanas con el calendario CalDAV configurado con --setup
                  (la dirección del servidor o la de un calendario; el calendario de
                  diario NAME o, si no, el primero que admita entradas de diario o, si no
                  hay ninguno, uno nuevo llamado Orvanta). La contraseña se toma del
                  almacén de contraseñas del escritorio, o de la entrada estándar con
                  --password-stdin; nunca se escribe en un archivo. Un certificado que no
                  se puede verificar se rechaza mostrando su huella digital;
                  --trust FINGERPRINT confía en ese certificado. --status indica el estado
                  de la sincronización, --history DAY muestra los textos de DAY que ha
                  sustituido una sincronización. No mientras Orvanta tenga la base de
                  datos abierta: en ese caso sincroniza él mismo.
                  Devuelve 0: sincronizado, 1: sincronizado, y hay días cambiados en ambos
                  lados que ahora contienen los dos textos, 2: no se ha podido
                  sincronizar.

  --database FILE la base de datos que se usa (sin esta opción, dbCalendar.mdb junto a
                  orvanta-cli)
  -h, --help      este texto (también: orvanta-cli help)
  --version       la versión
</translation>
    </message>
    <message>
        <location line="+88"/>
        <location line="+37"/>
        <location line="+36"/>
        <source>%1 not found.</source>
        <translation>No se ha encontrado %1.</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--format takes md or ics.</source>
        <translation>--format admite md o ics.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot tell the format of %1: name it .md or .ics, or give --format md or --format ics.</source>
        <translation>no se puede saber el formato de %1: use la extensión .md o .ics, o indique --format md o --format ics.</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>exporting, %1 of %n week(s)</source>
        <translation>
            <numerusform>exportando, %1 de %n semana</numerusform>
            <numerusform>exportando, %1 de %n semanas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 is open in Orvanta; import from its window (Import weeks…), or close it first.</source>
        <translation>%1 está abierto en Orvanta; importe desde su ventana (Importar semanas…) o ciérrelo antes.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is open in Orvanta on the computer %2; import from its window there (Import weeks…), or close it first.</source>
        <translation>%1 está abierto en Orvanta en el equipo %2; importe desde su ventana en ese equipo (Importar semanas…) o ciérrelo antes.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>importing, %n row(s) read</source>
        <translation>
            <numerusform>importando, %n fila leída</numerusform>
            <numerusform>importando, %n filas leídas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>--database takes a file.</source>
        <translation>--database necesita un archivo.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>no command %1.</source>
        <translation>no existe el comando %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot tell which folder it is in: %1</source>
        <translation>no se puede saber en qué carpeta está: %1</translation>
    </message>
</context>
</TS>
