<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BrowseController</name>
    <message>
        <location filename="../../browse/BrowseController.cpp" line="+27" />
        <source>The %1 could not be opened: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+87" />
        <source>object view</source>
        <translation>die Objektliste</translation>
    </message>
    <message>
        <location line="+26" />
        <source>result view</source>
        <translation>die Ergebnisliste</translation>
    </message>
    <message>
        <location line="+191" />
        <source>list of marked records</source>
        <translation>die Liste der markierten Datensätze</translation>
    </message>
    <message>
        <location line="+36" />
        <source>The supplier name is %1 characters long; at most %2 fit.
The name was not changed.</source>
        <translation>Der Lieferantenname ist %1 Zeichen lang; höchstens %2 passen.
Der Name wurde nicht geändert.</translation>
    </message>
</context>
<context>
    <name>DesignedLexicon</name>
    <message>
        <location filename="../DesignedLexicon.cpp" line="+13" />
        <source>Microsoft Office Excel not installed</source>
        <extracomment>Shown when the spreadsheet export to Excel is chosen without Excel installed.</extracomment>
        <translation>Microsoft Office Excel ist nicht installiert</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Open Office Calc  not installed</source>
        <extracomment>Shown when the spreadsheet export to Calc is chosen without it installed.</extracomment>
        <translation>Open Office Calc ist nicht installiert</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Getreidefeuchtemessgerät</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hay and Straw Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Feuchtemessgerät für Heu und Stroh</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hectolitre Weight Tester</source>
        <extracomment>Name of another instrument of the range: the hectolitre weight (test weight) tester.</extracomment>
        <translation>Getreideprober (Hektolitergewicht)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Temperature</source>
        <extracomment>Grain temperature (not shown at present).</extracomment>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Moisture</source>
        <extracomment>Chart legend of the grain moisture series (%).</extracomment>
        <translation>Feuchte</translation>
    </message>
    <message>
        <location line="+3" />
        <source>records read.</source>
        <extracomment>End of a download. English, German, French, Italian: "&lt;count&gt; records read."; Polish, Spanish, Russian: "&lt;this text&gt; &lt;count&gt; &lt;item 'records.'&gt;".</extracomment>
        <translation>Datensätze gelesen.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>records.</source>
        <extracomment>End of a download, after the count in Polish, Spanish and Russian.</extracomment>
        <translation>Datensätze.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>No objects to report</source>
        <extracomment>The report was asked for but nothing is ticked.</extracomment>
        <translation>Keine Objekte für den Bericht</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture and Density Meter</source>
        <extracomment>Name of the meter shown after it has been identified; also on the banner.</extracomment>
        <translation>Getreidefeuchte- und Dichtemessgerät</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <extracomment>Chart legend of the density series (kg/hl).</extracomment>
        <translation>Dichte</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Please turn on your Bluetooth printer!</source>
        <extracomment>Reminder before the meter's printer is driven.</extracomment>
        <translation>Bitte schalten Sie Ihren Bluetooth-Drucker ein!</translation>
    </message>
    <message>
        <location line="+2" />
        <source>A supplier with this name is already on your device!</source>
        <extracomment>Upload of a supplier name refused as a duplicate.</extracomment>
        <translation>Ein Lieferant mit diesem Namen ist bereits auf Ihrem Gerät gespeichert!</translation>
    </message>
</context>
<context>
    <name>ErrorHandler</name>
    <message>
        <location filename="../../app/ErrorHandler.cpp" line="+34" />
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <location filename="../../browse/GridColumns.cpp" line="+7" />
        <location line="+12" />
        <source>√</source>
        <translation>√</translation>
    </message>
    <message>
        <location line="-11" />
        <source>Supplier ZQMM name</source>
        <translation>Lieferant im ZQMM</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Supplier name</source>
        <translation>Lieferantenname</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Species</source>
        <translation>Getreideart</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Measurement date</source>
        <translation>Messdatum</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Moisture</source>
        <translation>Feuchte</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <translation>Hektolitergewicht</translation>
    </message>
</context>
<context>
    <name>SpeciesTable</name>
    <message>
        <location filename="../SpeciesTable.cpp" line="+108" />
        <source>The species file %1 could not be read (%2). Species names will be empty.</source>
        <translation>Die Datei der Fruchtarten %1 konnte nicht gelesen werden (%2). Die Namen der Fruchtarten bleiben leer.</translation>
    </message>
    <message>
        <location line="+51" />
        <source>The species file %1 has lines that were not loaded: %2. Each line must begin with its row number, from 0 to %3, followed by "#".</source>
        <translation>In der Datei der Fruchtarten %1 wurden diese Zeilen nicht geladen: %2. Jede Zeile muss mit ihrer Nummer von 0 bis %3 beginnen, gefolgt von "#".</translation>
    </message>
    <message>
        <location line="+8" />
        <source>In the species file %1 these lines have more than %2 names; the names after the first %2 were not loaded: %3.</source>
        <translation>In der Datei der Fruchtarten %1 haben diese Zeilen mehr als %2 Namen; die Namen nach den ersten %2 wurden nicht geladen: %3.</translation>
    </message>
</context>
<context>
    <name>TFormEditName</name>
    <message>
        <location filename="../../dialogs/TFormEditName.cpp" line="+47" />
        <source>Enter new name:</source>
        <translation>Neuen Namen eingeben:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TMainUniZQMForm</name>
    <message>
        <location filename="../../app/MainWindowLayout.cpp" line="+249" />
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>SN:</source>
        <translation>Ser.-Nr.:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>FV:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>START</source>
        <translation>STARTEN</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export to PDF</source>
        <translation>Export als PDF</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Mark results by date</source>
        <translation>Ergebnisse nach Datum markieren</translation>
    </message>
    <message>
        <location line="+1" />
        <source>from:</source>
        <translation>von:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>to:</source>
        <translation>bis:</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Adding data from multiple devices</source>
        <translation>Daten mehrerer Geräte sammeln</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Owner details</source>
        <translation>Inhaberdaten</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Suppliers</source>
        <translation>Lieferanten</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Contact us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Moisture results</source>
        <translation>Messergebnisse Feuchte</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Edit supplier name</source>
        <translation>Lieferantennamen bearbeiten</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete object</source>
        <translation>Objekt löschen</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete marked records</source>
        <translation>Markierte Datensätze löschen</translation>
    </message>
    <message>
        <location filename="../../app/TMainUniZQMForm.cpp" line="+270" />
        <source>The measurement database is not open, so nothing can be downloaded from the meter. Restart the program after correcting the problem reported at start-up.</source>
        <translation>Die Messdatenbank ist nicht geöffnet, daher kann nichts vom Messgerät geladen werden. Beheben Sie das beim Start gemeldete Problem und starten Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>TProgresForm</name>
    <message>
        <location filename="../../dialogs/TProgresForm.cpp" line="+49" />
        <source>Searching</source>
        <translation>Suche läuft</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Device not connected</source>
        <translation>Gerät nicht angeschlossen</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transferring Data</source>
        <translation>Datenübertragung</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transfer error</source>
        <translation>Übertragungsfehler</translation>
    </message>
    <message>
        <location line="+1" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Installing FTDI driver</source>
        <translation>FTDI-Treiber wird installiert</translation>
    </message>
</context>
<context>
    <name>TPytForm</name>
    <message>
        <location filename="../../dialogs/TPytForm.cpp" line="+43" />
        <source>Deleting records.<byte value="xd" />
Are you sure?</source>
        <translation>Datensätze löschen.<byte value="xd" />
Sind Sie sicher?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Deleting an object and its records.<byte value="xd" />
Are you sure?</source>
        <translation>Objekt samt Datensätzen löschen.<byte value="xd" />
Sind Sie sicher?</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ZqmDatabase</name>
    <message>
        <location filename="../../db/EmbeddedEngine.cpp" line="+57" />
        <source>The database engine cannot use a folder for its lock files (tried %1). Check that the folder can be created and written, or name one in the environment variable FIREBIRD_LOCK.</source>
        <translation>Das Datenbanksystem kann keinen Ordner für seine Sperrdateien verwenden (versucht: %1). Prüfen Sie, ob der Ordner angelegt und beschrieben werden kann, oder geben Sie einen Ordner in der Umgebungsvariablen FIREBIRD_LOCK an.</translation>
    </message>
    <message>
        <location filename="../../db/OpenFailure.cpp" line="+44" />
        <source>the file does not exist. The database file ZQMBASE.fb belongs in the program's folder; reinstall the program or put the file back.</source>
        <translation>die Datei existiert nicht. Die Datenbankdatei ZQMBASE.fb gehört in den Programmordner; installieren Sie das Programm neu oder legen Sie die Datei wieder dorthin.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the program is not allowed to read the file. Check the file's permissions.</source>
        <translation>das Programm darf die Datei nicht lesen. Prüfen Sie die Zugriffsrechte der Datei.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is read-only, and the program needs to write to it. Make the file writable for your user (and check that its folder is not on a read-only medium).</source>
        <translation>die Datei ist schreibgeschützt, das Programm muss aber in sie schreiben. Geben Sie Ihrem Benutzer Schreibrechte für die Datei (und prüfen Sie, dass ihr Ordner nicht auf einem schreibgeschützten Datenträger liegt).</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the file is not a database (it is not a Firebird database file). Restore the file from a backup or reinstall the program.</source>
        <translation>die Datei ist keine Datenbank (keine Firebird-Datenbankdatei). Stellen Sie die Datei aus einer Sicherung wieder her oder installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file is damaged: it is shorter than a database file must be. Restore the file from a backup or reinstall the program.</source>
        <translation>die Datei ist beschädigt: Sie ist kürzer, als eine Datenbankdatei sein muss. Stellen Sie die Datei aus einer Sicherung wieder her oder installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file was written by another version of the Firebird database engine and cannot be opened by this one.</source>
        <translation>die Datei wurde von einer anderen Version des Firebird-Datenbanksystems geschrieben und kann von dieser nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the database is in use by another copy of the program. Close the other copy (only one copy can work with the database at a time) and start the program again.</source>
        <translation>die Datenbank wird von einer anderen Instanz des Programms verwendet. Schließen Sie die andere Instanz (es kann immer nur eine Instanz mit der Datenbank arbeiten) und starten Sie das Programm erneut.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine cannot use its folder for lock files. Check the folder named in the details, or name another one in the environment variable FIREBIRD_LOCK.</source>
        <translation>das Datenbanksystem kann seinen Ordner für Sperrdateien nicht verwenden. Prüfen Sie den in den Einzelheiten genannten Ordner, oder geben Sie in der Umgebungsvariablen FIREBIRD_LOCK einen anderen an.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the embedded Firebird database engine is not installed or cannot be loaded.</source>
        <translation>das eingebettete Firebird-Datenbanksystem ist nicht installiert oder kann nicht geladen werden.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is a database, but not the program's measurement database.</source>
        <translation>die Datei ist eine Datenbank, aber nicht die Messdatenbank des Programms.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine refused to open it.</source>
        <translation>das Datenbanksystem hat das Öffnen verweigert.</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Cannot open the database file "%1": %2</source>
        <translation>Die Datenbankdatei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Details: %1</source>
        <translation>Einzelheiten: %1</translation>
    </message>
    <message>
        <location filename="../../db/Procedures.cpp" line="+19" />
        <source>The database file "%1" reported an error in %2: %3</source>
        <translation>Die Datenbankdatei „%1“ meldete einen Fehler (%2): %3</translation>
    </message>
    <message>
        <location line="+18" />
        <source>The database is not connected (%1).</source>
        <translation>Die Datenbank ist nicht verbunden (%1).</translation>
    </message>
    <message>
        <location line="+7" />
        <source>%1: a transaction is already open on the connection.</source>
        <translation>%1: Auf der Verbindung ist bereits eine Transaktion offen.</translation>
    </message>
    <message>
        <location line="+195" />
        <source>ticking an object line</source>
        <translation>Markieren einer Objektzeile</translation>
    </message>
    <message>
        <location line="+5" />
        <source>ticking a result</source>
        <translation>Markieren eines Ergebnisses</translation>
    </message>
    <message>
        <location line="+5" />
        <source>deleting a result</source>
        <translation>Löschen eines Ergebnisses</translation>
    </message>
    <message>
        <location line="+6" />
        <source>deleting results</source>
        <translation>Löschen von Ergebnissen</translation>
    </message>
    <message>
        <location line="+19" />
        <source>deleting an object line</source>
        <translation>Löschen einer Objektzeile</translation>
    </message>
    <message>
        <location line="+5" />
        <source>renaming a supplier</source>
        <translation>Umbenennen eines Lieferanten</translation>
    </message>
    <message>
        <location line="+5" />
        <source>storing the language</source>
        <translation>Speichern der Sprache</translation>
    </message>
    <message>
        <location filename="../../db/ZqmDatabase.cpp" line="+55" />
        <source>Qt's Firebird driver (QIBASE plugin) is not available.</source>
        <translation>Der Firebird-Treiber von Qt (Plugin QIBASE) ist nicht verfügbar.</translation>
    </message>
    <message>
        <location line="+54" />
        <source>Missing tables or views: %1.</source>
        <translation>Fehlende Tabellen oder Sichten: %1.</translation>
    </message>
    <message>
        <location line="+37" />
        <source>The database is not connected.</source>
        <translation>Die Datenbank ist nicht verbunden.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The database file "%1" reported an error reading %2: %3</source>
        <translation>Die Datenbankdatei „%1“ meldete beim Lesen der Tabelle %2 einen Fehler: %3</translation>
    </message>
    <message>
        <location line="+30" />
        <source>The configuration table KONFIGURACJA has no row.</source>
        <translation>Die Konfigurationstabelle KONFIGURACJA enthält keine Zeile.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>The devices table VRZDEVICES has no row with IDDEV %1.</source>
        <translation>Die Gerätetabelle VRZDEVICES enthält keine Zeile mit IDDEV %1.</translation>
    </message>
    <message>
        <location line="+22" />
        <source>The configuration table is not open (storing the language).</source>
        <translation>Die Konfigurationstabelle ist nicht geöffnet (Speichern der Sprache).</translation>
    </message>
</context>
</TS>
