<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>DesignedLexicon</name>
    <message>
        <location filename="../DesignedLexicon.cpp" line="+13"/>
        <source>Microsoft Office Excel not installed</source>
        <extracomment>Shown when the spreadsheet export to Excel is chosen without Excel installed.</extracomment>
        <translation>Program Microsoft Office Excel nie jest zainstalowany</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Office Calc  not installed</source>
        <extracomment>Shown when the spreadsheet export to Calc is chosen without it installed.</extracomment>
        <translation>Program Open Office Calc nie jest zainstalowany</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grain Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Wilgotnościomierz do ziarna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hay and Straw Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Wilgotnościomierz do siana i słomy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hectolitre Weight Tester</source>
        <extracomment>Name of another instrument of the range: the hectolitre weight (test weight) tester.</extracomment>
        <translation>Miernik masy hektolitrowej</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Temperature</source>
        <extracomment>Grain temperature (not shown at present).</extracomment>
        <translation>Temperatura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moisture</source>
        <extracomment>Chart legend of the grain moisture series (%).</extracomment>
        <translation>Wilgotność</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>records read.</source>
        <extracomment>End of a download. English, German, French, Italian: &quot;&lt;count&gt; records read.&quot;; Polish, Spanish, Russian: &quot;&lt;this text&gt; &lt;count&gt; &lt;item &apos;records.&apos;&gt;&quot;.</extracomment>
        <translation>Odczytano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>records.</source>
        <extracomment>End of a download, after the count in Polish, Spanish and Russian.</extracomment>
        <translation>rekordów.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No objects to report</source>
        <extracomment>The report was asked for but nothing is ticked.</extracomment>
        <translation>Brak obiektów do raportu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grain Moisture and Density Meter</source>
        <extracomment>Name of the meter shown after it has been identified; also on the banner.</extracomment>
        <translation>Miernik wilgotności i gęstości ziarna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Density</source>
        <extracomment>Chart legend of the density series (kg/hl).</extracomment>
        <translation>Gęstość</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please turn on your Bluetooth printer!</source>
        <extracomment>Reminder before the meter&apos;s printer is driven.</extracomment>
        <translation>Włącz drukarkę Bluetooth!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A supplier with this name is already on your device!</source>
        <extracomment>Upload of a supplier name refused as a duplicate.</extracomment>
        <translation>Dostawca o tej nazwie jest już zapisany w urządzeniu!</translation>
    </message>
</context>
<context>
    <name>SpeciesTable</name>
    <message>
        <location filename="../SpeciesTable.cpp" line="+96"/>
        <location line="+10"/>
        <source>The species file %1 could not be read (%2). Species names will be empty.</source>
        <translation>Nie można odczytać pliku gatunków %1 (%2). Nazwy gatunków będą puste.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>The species file %1 has lines that were not loaded: %2. Each line must begin with its row number, from 0 to %3, followed by &quot;#&quot;.</source>
        <translation>Nie wczytano niektórych wierszy pliku gatunków %1: %2. Każdy wiersz musi zaczynać się od swojego numeru, od 0 do %3, zakończonego znakiem &quot;#&quot;.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>In the species file %1 these lines have more than %2 names; the names after the first %2 were not loaded: %3.</source>
        <translation>W pliku gatunków %1 te wiersze mają więcej niż %2 nazw; nazw po pierwszych %2 nie wczytano: %3.</translation>
    </message>
</context>
</TS>
