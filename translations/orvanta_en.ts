<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>EarlierProgramOffer</name>
    <message numerus="yes">
        <location filename="../main_window/earlier_program_offer.cpp" line="+36"/>
        <source>Reading the weeks of the earlier program… %Ln row(s)</source>
        <translation>
            <numerusform>Reading the weeks of the earlier program… %Ln row</numerusform>
            <numerusform>Reading the weeks of the earlier program… %Ln rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 was written by the earlier Windows program. Copy its %Ln week(s) into a new database for Orvanta? The original is kept unchanged as %2.</source>
        <translation>
            <numerusform>%1 was written by the earlier Windows program. Copy its %Ln week into a new database for Orvanta? The original is kept unchanged as %2.</numerusform>
            <numerusform>%1 was written by the earlier Windows program. Copy its %Ln weeks into a new database for Orvanta? The original is kept unchanged as %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%Ln week(s) came over from the earlier program.</source>
        <translation>
            <numerusform>%Ln week came over from the earlier program.</numerusform>
            <numerusform>%Ln weeks came over from the earlier program.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source> %Ln of them were stored with day and month swapped, as day-first date settings wrote them, and now lie under their right Sunday.</source>
        <translation>
            <numerusform> One of them was stored with day and month swapped, as day-first date settings wrote it, and now lies under its right Sunday.</numerusform>
            <numerusform> %Ln of them were stored with day and month swapped, as day-first date settings wrote them, and now lie under their right Sunday.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source> %Ln row(s) that cannot be weeks are kept, with their full texts, in %1.</source>
        <translation>
            <numerusform> %Ln row that cannot be a week is kept, with its full text, in %1.</numerusform>
            <numerusform> %Ln rows that cannot be weeks are kept, with their full texts, in %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message numerus="yes">
        <location filename="../find_window/find_window.cpp" line="+231"/>
        <source>%Ln result(s)</source>
        <translation>
            <numerusform>%Ln result</numerusform>
            <numerusform>%Ln results</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>, the newest %Ln listed</source>
        <translation>
            <numerusform>, the newest %Ln listed</numerusform>
            <numerusform>, the newest %Ln listed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MonthView</name>
    <message numerus="yes">
        <location filename="../controls/month_view.cpp" line="+59"/>
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncStatus</name>
    <message numerus="yes">
        <location filename="../sync_window/sync_status.cpp" line="+24"/>
        <source>Synced %n minute(s) ago</source>
        <translation>
            <numerusform>Synced %n minute ago</numerusform>
            <numerusform>Synced %n minutes ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Synced %n hour(s) ago</source>
        <translation>
            <numerusform>Synced %n hour ago</numerusform>
            <numerusform>Synced %n hours ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Synced %n day(s) ago</source>
        <translation>
            <numerusform>Synced %n day ago</numerusform>
            <numerusform>Synced %n days ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Offline: %n minute(s) waiting</source>
        <translation>
            <numerusform>Offline: %n minute waiting</numerusform>
            <numerusform>Offline: %n minutes waiting</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Offline: %n hour(s) waiting</source>
        <translation>
            <numerusform>Offline: %n hour waiting</numerusform>
            <numerusform>Offline: %n hours waiting</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Offline: %n day(s) waiting</source>
        <translation>
            <numerusform>Offline: %n day waiting</numerusform>
            <numerusform>Offline: %n days waiting</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+22"/>
        <source>%n day(s) changed on both sides</source>
        <translation>
            <numerusform>%n day changed on both sides</numerusform>
            <numerusform>%n days changed on both sides</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekExporting</name>
    <message numerus="yes">
        <location filename="../main_window/week_exporting.cpp" line="+121"/>
        <source>%Ln week(s) were exported to %1.</source>
        <translation>
            <numerusform>%Ln week was exported to %1.</numerusform>
            <numerusform>%Ln weeks were exported to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekImport</name>
    <message numerus="yes">
        <location filename="../import/week_import.cpp" line="+405"/>
        <source>%n more</source>
        <translation>
            <numerusform>%n more</numerusform>
            <numerusform>%n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+40"/>
        <source>Nothing was changed: %n week(s) of %1 are here already.</source>
        <translation>
            <numerusform>Nothing was changed: %n week of %1 is here already.</numerusform>
            <numerusform>Nothing was changed: %n weeks of %1 are here already.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n week(s) came from %1</source>
        <translation>
            <numerusform>%n week came from %1</numerusform>
            <numerusform>%n weeks came from %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>; %n week(s) held text in both and now hold both: the weeks of %1</source>
        <translation>
            <numerusform>; %n week held text in both and now holds both: the week of %1</numerusform>
            <numerusform>; %n weeks held text in both and now hold both: the weeks of %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>; %n week(s) were here already as they are</source>
        <translation>
            <numerusform>; %n week was here already as it is</numerusform>
            <numerusform>; %n weeks were here already as they are</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source> %n row(s) of %1 cannot be weeks (rows %2)</source>
        <translation>
            <numerusform> %n row of %1 cannot be a week (row %2)</numerusform>
            <numerusform> %n rows of %1 cannot be weeks (rows %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source> and stayed in it.</source>
        <translation>
            <numerusform> and stayed in it.</numerusform>
            <numerusform> and stayed in it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>: they are kept, with their full texts, in %1.</source>
        <translation>
            <numerusform>: it is kept, with its full text, in %1.</numerusform>
            <numerusform>: they are kept, with their full texts, in %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekImporting</name>
    <message numerus="yes">
        <location filename="../main_window/week_importing.cpp" line="+32"/>
        <source> %Ln row(s)</source>
        <translation>
            <numerusform> %Ln row</numerusform>
            <numerusform> %Ln rows</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekSyncing</name>
    <message numerus="yes">
        <location filename="../main_window/week_syncing.cpp" line="+226"/>
        <source>%n day(s) changed both here and on another device; each such box now holds both texts, one after the other: %1.</source>
        <translation>
            <numerusform>%n day changed both here and on another device; each such box now holds both texts, one after the other: %1.</numerusform>
            <numerusform>%n days changed both here and on another device; each such box now holds both texts, one after the other: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvanta-cli</name>
    <message numerus="yes">
        <location filename="../cli/orvanta_cli.cpp" line="+185"/>
        <source>exporting, %1 of %n week(s)</source>
        <translation>
            <numerusform>exporting, %1 of %n week</numerusform>
            <numerusform>exporting, %1 of %n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+50"/>
        <source>importing, %n row(s) read</source>
        <translation>
            <numerusform>importing, %n row read</numerusform>
            <numerusform>importing, %n rows read</numerusform>
        </translation>
    </message>
</context>
</TS>
