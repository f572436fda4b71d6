<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>BrowseController</name>
    <message>
        <location filename="../../browse/BrowseController.cpp" line="+27" />
        <source>The %1 could not be opened: %2</source>
        <translation>Nie można otworzyć: %1. %2</translation>
    </message>
    <message>
        <location line="+87" />
        <source>object view</source>
        <translation>listy obiektów</translation>
    </message>
    <message>
        <location line="+26" />
        <source>result view</source>
        <translation>listy wyników</translation>
    </message>
    <message>
        <location line="+191" />
        <source>list of marked records</source>
        <translation>listy zaznaczonych rekordów</translation>
    </message>
    <message>
        <location line="+36" />
        <source>The supplier name is %1 characters long; at most %2 fit.
The name was not changed.</source>
        <translation>Nazwa dostawcy ma %1 znaków; zmieści się najwyżej %2.
Nazwa nie została zmieniona.</translation>
    </message>
</context>
<context>
    <name>DesignedLexicon</name>
    <message>
        <location filename="../DesignedLexicon.cpp" line="+13" />
        <source>Microsoft Office Excel not installed</source>
        <extracomment>Shown when the spreadsheet export to Excel is chosen without Excel installed.</extracomment>
        <translation>Program Microsoft Office Excel nie jest zainstalowany</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Open Office Calc  not installed</source>
        <extracomment>Shown when the spreadsheet export to Calc is chosen without it installed.</extracomment>
        <translation>Program Open Office Calc nie jest zainstalowany</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Wilgotnościomierz do ziarna</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hay and Straw Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Wilgotnościomierz do siana i słomy</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hectolitre Weight Tester</source>
        <extracomment>Name of another instrument of the range: the hectolitre weight (test weight) tester.</extracomment>
        <translation>Miernik masy hektolitrowej</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Temperature</source>
        <extracomment>Grain temperature (not shown at present).</extracomment>
        <translation>Temperatura</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Moisture</source>
        <extracomment>Chart legend of the grain moisture series (%).</extracomment>
        <translation>Wilgotność</translation>
    </message>
    <message>
        <location line="+3" />
        <source>records read.</source>
        <extracomment>End of a download. English, German, French, Italian: "&lt;count&gt; records read."; Polish, Spanish, Russian: "&lt;this text&gt; &lt;count&gt; &lt;item 'records.'&gt;".</extracomment>
        <translation>Odczytano</translation>
    </message>
    <message>
        <location line="+2" />
        <source>records.</source>
        <extracomment>End of a download, after the count in Polish, Spanish and Russian.</extracomment>
        <translation>rekordów.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>No objects to report</source>
        <extracomment>The report was asked for but nothing is ticked.</extracomment>
        <translation>Brak obiektów do raportu</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture and Density Meter</source>
        <extracomment>Name of the meter shown after it has been identified; also on the banner.</extracomment>
        <translation>Miernik wilgotności i gęstości ziarna</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <extracomment>Chart legend of the density series (kg/hl).</extracomment>
        <translation>Gęstość</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Please turn on your Bluetooth printer!</source>
        <extracomment>Reminder before the meter's printer is driven.</extracomment>
        <translation>Włącz drukarkę Bluetooth!</translation>
    </message>
    <message>
        <location line="+2" />
        <source>A supplier with this name is already on your device!</source>
        <extracomment>Upload of a supplier name refused as a duplicate.</extracomment>
        <translation>Dostawca o tej nazwie jest już zapisany w urządzeniu!</translation>
    </message>
</context>
<context>
    <name>ErrorHandler</name>
    <message>
        <location filename="../../app/ErrorHandler.cpp" line="+34" />
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
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
        <translation>Dostawca w ZQMM</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Supplier name</source>
        <translation>Nazwa dostawcy</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Species</source>
        <translation>Gatunek</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Measurement date</source>
        <translation>Data pomiaru</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Moisture</source>
        <translation>Wilgotność</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <translation>Gęstość</translation>
    </message>
</context>
<context>
    <name>SpeciesTable</name>
    <message>
        <location filename="../SpeciesTable.cpp" line="+108" />
        <source>The species file %1 could not be read (%2). Species names will be empty.</source>
        <translation>Nie można odczytać pliku gatunków %1 (%2). Nazwy gatunków będą puste.</translation>
    </message>
    <message>
        <location line="+51" />
        <source>The species file %1 has lines that were not loaded: %2. Each line must begin with its row number, from 0 to %3, followed by "#".</source>
        <translation>Nie wczytano niektórych wierszy pliku gatunków %1: %2. Każdy wiersz musi zaczynać się od swojego numeru, od 0 do %3, zakończonego znakiem "#".</translation>
    </message>
    <message>
        <location line="+8" />
        <source>In the species file %1 these lines have more than %2 names; the names after the first %2 were not loaded: %3.</source>
        <translation>W pliku gatunków %1 te wiersze mają więcej niż %2 nazw; nazw po pierwszych %2 nie wczytano: %3.</translation>
    </message>
</context>
<context>
    <name>TFormEditName</name>
    <message>
        <location filename="../../dialogs/TFormEditName.cpp" line="+47" />
        <source>Enter new name:</source>
        <translation>Wpisz nową nazwę:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TMainUniZQMForm</name>
    <message>
        <location filename="../../app/MainWindowLayout.cpp" line="+249" />
        <source>Device:</source>
        <translation>Urządzenie:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>SN:</source>
        <translation>Nr ser.:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>FV:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export to PDF</source>
        <translation>Eksport do PDF</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export data</source>
        <translation>Eksport danych</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chart</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Mark results by date</source>
        <translation>Zaznacz wyniki według daty</translation>
    </message>
    <message>
        <location line="+1" />
        <source>from:</source>
        <translation>od:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>to:</source>
        <translation>do:</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Adding data from multiple devices</source>
        <translation>Dodawanie danych z wielu urządzeń</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Owner details</source>
        <translation>Dane właściciela</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Suppliers</source>
        <translation>Dostawcy</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Contact us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Moisture results</source>
        <translation>Wyniki wilgotności</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Edit supplier name</source>
        <translation>Edytuj nazwę dostawcy</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete object</source>
        <translation>Usuń obiekt</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete marked records</source>
        <translation>Usuń zaznaczone rekordy</translation>
    </message>
    <message>
        <location filename="../../app/TMainUniZQMForm.cpp" line="+270" />
        <source>The measurement database is not open, so nothing can be downloaded from the meter. Restart the program after correcting the problem reported at start-up.</source>
        <translation>Baza pomiarów nie jest otwarta, więc z miernika nie można niczego pobrać. Usuń problem zgłoszony przy uruchomieniu i uruchom program ponownie.</translation>
    </message>
</context>
<context>
    <name>TProgresForm</name>
    <message>
        <location filename="../../dialogs/TProgresForm.cpp" line="+49" />
        <source>Searching</source>
        <translation>Wyszukiwanie</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Device not connected</source>
        <translation>Urządzenie niepodłączone</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transferring Data</source>
        <translation>Przesyłanie danych</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transfer error</source>
        <translation>Błąd transmisji</translation>
    </message>
    <message>
        <location line="+1" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Installing FTDI driver</source>
        <translation>Instalowanie sterownika FTDI</translation>
    </message>
</context>
<context>
    <name>TPytForm</name>
    <message>
        <location filename="../../dialogs/TPytForm.cpp" line="+43" />
        <source>Deleting records.<byte value="xd" />
Are you sure?</source>
        <translation>Usuwanie rekordów.<byte value="xd" />
Czy na pewno?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Deleting an object and its records.<byte value="xd" />
Are you sure?</source>
        <translation>Usuwanie obiektu i jego rekordów.<byte value="xd" />
Czy na pewno?</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ZqmDatabase</name>
    <message>
        <location filename="../../db/EmbeddedEngine.cpp" line="+57" />
        <source>The database engine cannot use a folder for its lock files (tried %1). Check that the folder can be created and written, or name one in the environment variable FIREBIRD_LOCK.</source>
        <translation>Silnik bazy danych nie może użyć folderu na swoje pliki blokad (próbowano %1). Sprawdź, czy folder można utworzyć i czy można w nim zapisywać, albo wskaż folder w zmiennej środowiskowej FIREBIRD_LOCK.</translation>
    </message>
    <message>
        <location filename="../../db/OpenFailure.cpp" line="+44" />
        <source>the file does not exist. The database file ZQMBASE.fb belongs in the program's folder; reinstall the program or put the file back.</source>
        <translation>plik nie istnieje. Plik bazy danych ZQMBASE.fb powinien znajdować się w folderze programu; zainstaluj program ponownie lub przywróć plik.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the program is not allowed to read the file. Check the file's permissions.</source>
        <translation>program nie ma uprawnień do odczytu pliku. Sprawdź uprawnienia pliku.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is read-only, and the program needs to write to it. Make the file writable for your user (and check that its folder is not on a read-only medium).</source>
        <translation>plik jest tylko do odczytu, a program musi w nim zapisywać. Nadaj swojemu użytkownikowi prawo zapisu do pliku (i sprawdź, czy jego folder nie znajduje się na nośniku tylko do odczytu).</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the file is not a database (it is not a Firebird database file). Restore the file from a backup or reinstall the program.</source>
        <translation>plik nie jest bazą danych (nie jest plikiem bazy danych Firebird). Przywróć plik z kopii zapasowej lub zainstaluj program ponownie.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file is damaged: it is shorter than a database file must be. Restore the file from a backup or reinstall the program.</source>
        <translation>plik jest uszkodzony: jest krótszy, niż musi być plik bazy danych. Przywróć plik z kopii zapasowej lub zainstaluj program ponownie.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file was written by another version of the Firebird database engine and cannot be opened by this one.</source>
        <translation>plik został zapisany przez inną wersję silnika bazy danych Firebird i ta wersja nie może go otworzyć.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the database is in use by another copy of the program. Close the other copy (only one copy can work with the database at a time) and start the program again.</source>
        <translation>baza danych jest używana przez inną kopię programu. Zamknij drugą kopię (z bazą danych może jednocześnie pracować tylko jedna kopia) i uruchom program ponownie.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine cannot use its folder for lock files. Check the folder named in the details, or name another one in the environment variable FIREBIRD_LOCK.</source>
        <translation>silnik bazy danych nie może użyć swojego folderu na pliki blokad. Sprawdź folder wymieniony w szczegółach albo wskaż inny w zmiennej środowiskowej FIREBIRD_LOCK.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the embedded Firebird database engine is not installed or cannot be loaded.</source>
        <translation>wbudowany silnik bazy danych Firebird nie jest zainstalowany lub nie można go załadować.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is a database, but not the program's measurement database.</source>
        <translation>plik jest bazą danych, ale nie bazą pomiarów tego programu.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine refused to open it.</source>
        <translation>silnik bazy danych odmówił jego otwarcia.</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Cannot open the database file "%1": %2</source>
        <translation>Nie można otworzyć pliku bazy danych „%1”: %2</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Details: %1</source>
        <translation>Szczegóły: %1</translation>
    </message>
    <message>
        <location filename="../../db/Procedures.cpp" line="+19" />
        <source>The database file "%1" reported an error in %2: %3</source>
        <translation>Plik bazy danych „%1” zgłosił błąd (%2): %3</translation>
    </message>
    <message>
        <location line="+18" />
        <source>The database is not connected (%1).</source>
        <translation>Baza danych nie jest połączona (%1).</translation>
    </message>
    <message>
        <location line="+7" />
        <source>%1: a transaction is already open on the connection.</source>
        <translation>%1: w połączeniu jest już otwarta transakcja.</translation>
    </message>
    <message>
        <location line="+195" />
        <source>ticking an object line</source>
        <translation>zaznaczanie wiersza obiektu</translation>
    </message>
    <message>
        <location line="+5" />
        <source>ticking a result</source>
        <translation>zaznaczanie wyniku</translation>
    </message>
    <message>
        <location line="+5" />
        <source>deleting a result</source>
        <translation>usuwanie wyniku</translation>
    </message>
    <message>
        <location line="+6" />
        <source>deleting results</source>
        <translation>usuwanie wyników</translation>
    </message>
    <message>
        <location line="+19" />
        <source>deleting an object line</source>
        <translation>usuwanie wiersza obiektu</translation>
    </message>
    <message>
        <location line="+5" />
        <source>renaming a supplier</source>
        <translation>zmiana nazwy dostawcy</translation>
    </message>
    <message>
        <location line="+5" />
        <source>storing the language</source>
        <translation>zapisywanie języka</translation>
    </message>
    <message>
        <location filename="../../db/ZqmDatabase.cpp" line="+55" />
        <source>Qt's Firebird driver (QIBASE plugin) is not available.</source>
        <translation>Sterownik Firebird biblioteki Qt (wtyczka QIBASE) jest niedostępny.</translation>
    </message>
    <message>
        <location line="+54" />
        <source>Missing tables or views: %1.</source>
        <translation>Brak tabel lub widoków: %1.</translation>
    </message>
    <message>
        <location line="+37" />
        <source>The database is not connected.</source>
        <translation>Baza danych nie jest połączona.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The database file "%1" reported an error reading %2: %3</source>
        <translation>Plik bazy danych „%1” zgłosił błąd podczas odczytu tabeli %2: %3</translation>
    </message>
    <message>
        <location line="+30" />
        <source>The configuration table KONFIGURACJA has no row.</source>
        <translation>Tabela konfiguracji KONFIGURACJA nie zawiera żadnego wiersza.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>The devices table VRZDEVICES has no row with IDDEV %1.</source>
        <translation>Tabela urządzeń VRZDEVICES nie zawiera wiersza z IDDEV %1.</translation>
    </message>
    <message>
        <location line="+22" />
        <source>The configuration table is not open (storing the language).</source>
        <translation>Tabela konfiguracji nie jest otwarta (zapisywanie języka).</translation>
    </message>
</context>
</TS>
