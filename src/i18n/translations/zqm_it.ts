<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BrowseController</name>
    <message>
        <location filename="../../browse/BrowseController.cpp" line="+27" />
        <source>The %1 could not be opened: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <location line="+87" />
        <source>object view</source>
        <translation>l'elenco degli oggetti</translation>
    </message>
    <message>
        <location line="+26" />
        <source>result view</source>
        <translation>l'elenco dei risultati</translation>
    </message>
    <message>
        <location line="+191" />
        <source>list of marked records</source>
        <translation>l'elenco dei record selezionati</translation>
    </message>
    <message>
        <location line="+36" />
        <source>The supplier name is %1 characters long; at most %2 fit.
The name was not changed.</source>
        <translation>Il nome del fornitore è lungo %1 caratteri; ne entrano al massimo %2.
Il nome non è stato modificato.</translation>
    </message>
</context>
<context>
    <name>DesignedLexicon</name>
    <message>
        <location filename="../DesignedLexicon.cpp" line="+13" />
        <source>Microsoft Office Excel not installed</source>
        <extracomment>Shown when the spreadsheet export to Excel is chosen without Excel installed.</extracomment>
        <translation>Microsoft Office Excel non è installato</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Open Office Calc  not installed</source>
        <extracomment>Shown when the spreadsheet export to Calc is chosen without it installed.</extracomment>
        <translation>Open Office Calc non è installato</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Misuratore di umidità dei cereali</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hay and Straw Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Misuratore di umidità per fieno e paglia</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hectolitre Weight Tester</source>
        <extracomment>Name of another instrument of the range: the hectolitre weight (test weight) tester.</extracomment>
        <translation>Bilancia per peso specifico</translation>
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
        <translation>Umidità</translation>
    </message>
    <message>
        <location line="+3" />
        <source>records read.</source>
        <extracomment>End of a download. English, German, French, Italian: "&lt;count&gt; records read."; Polish, Spanish, Russian: "&lt;this text&gt; &lt;count&gt; &lt;item 'records.'&gt;".</extracomment>
        <translation>record letti.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>records.</source>
        <extracomment>End of a download, after the count in Polish, Spanish and Russian.</extracomment>
        <translation>record.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>No objects to report</source>
        <extracomment>The report was asked for but nothing is ticked.</extracomment>
        <translation>Nessun oggetto da includere nel rapporto</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture and Density Meter</source>
        <extracomment>Name of the meter shown after it has been identified; also on the banner.</extracomment>
        <translation>Misuratore di umidità e densità dei cereali</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <extracomment>Chart legend of the density series (kg/hl).</extracomment>
        <translation>Densità</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Please turn on your Bluetooth printer!</source>
        <extracomment>Reminder before the meter's printer is driven.</extracomment>
        <translation>Accendere la stampante Bluetooth!</translation>
    </message>
    <message>
        <location line="+2" />
        <source>A supplier with this name is already on your device!</source>
        <extracomment>Upload of a supplier name refused as a duplicate.</extracomment>
        <translation>Un fornitore con questo nome è già presente nel dispositivo!</translation>
    </message>
</context>
<context>
    <name>ErrorHandler</name>
    <message>
        <location filename="../../app/ErrorHandler.cpp" line="+34" />
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
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
        <translation>Nome fornitore ZQMM</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Supplier name</source>
        <translation>Nome del fornitore</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Species</source>
        <translation>Specie</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Measurement date</source>
        <translation>Data misurazione</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Moisture</source>
        <translation>Umidità</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <translation>Peso specifico</translation>
    </message>
</context>
<context>
    <name>SpeciesTable</name>
    <message>
        <location filename="../SpeciesTable.cpp" line="+108" />
        <source>The species file %1 could not be read (%2). Species names will be empty.</source>
        <translation>Impossibile leggere il file delle specie %1 (%2). I nomi delle specie resteranno vuoti.</translation>
    </message>
    <message>
        <location line="+51" />
        <source>The species file %1 has lines that were not loaded: %2. Each line must begin with its row number, from 0 to %3, followed by "#".</source>
        <translation>Queste righe del file delle specie %1 non sono state caricate: %2. Ogni riga deve iniziare con il proprio numero, da 0 a %3, seguito da "#".</translation>
    </message>
    <message>
        <location line="+8" />
        <source>In the species file %1 these lines have more than %2 names; the names after the first %2 were not loaded: %3.</source>
        <translation>Nel file delle specie %1 queste righe contengono più di %2 nomi; i nomi oltre i primi %2 non sono stati caricati: %3.</translation>
    </message>
</context>
<context>
    <name>TFormEditName</name>
    <message>
        <location filename="../../dialogs/TFormEditName.cpp" line="+47" />
        <source>Enter new name:</source>
        <translation>Inserisci il nuovo nome:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TMainUniZQMForm</name>
    <message>
        <location filename="../../app/MainWindowLayout.cpp" line="+249" />
        <source>Device:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>SN:</source>
        <translation>Matricola:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>FV:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>START</source>
        <translation>AVVIO</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Report</source>
        <translation>Rapporto</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export to PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export data</source>
        <translation>Esporta dati</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chart</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Mark results by date</source>
        <translation>Seleziona risultati per data</translation>
    </message>
    <message>
        <location line="+1" />
        <source>from:</source>
        <translation>dal:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>to:</source>
        <translation>al:</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Adding data from multiple devices</source>
        <translation>Aggiunta di dati da più dispositivi</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Owner details</source>
        <translation>Dati del proprietario</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Suppliers</source>
        <translation>Fornitori</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Contact us</source>
        <translation>Contattaci</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Moisture results</source>
        <translation>Risultati umidità</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Edit supplier name</source>
        <translation>Modifica nome fornitore</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete object</source>
        <translation>Elimina oggetto</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete marked records</source>
        <translation>Elimina record contrassegnati</translation>
    </message>
    <message>
        <location filename="../../app/TMainUniZQMForm.cpp" line="+270" />
        <source>The measurement database is not open, so nothing can be downloaded from the meter. Restart the program after correcting the problem reported at start-up.</source>
        <translation>Il database delle misure non è aperto, quindi non si può scaricare nulla dallo strumento. Risolvere il problema segnalato all'avvio e riavviare il programma.</translation>
    </message>
</context>
<context>
    <name>TProgresForm</name>
    <message>
        <location filename="../../dialogs/TProgresForm.cpp" line="+49" />
        <source>Searching</source>
        <translation>Ricerca in corso</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Device not connected</source>
        <translation>Dispositivo non collegato</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transferring Data</source>
        <translation>Trasferimento dati</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transfer error</source>
        <translation>Errore di trasferimento</translation>
    </message>
    <message>
        <location line="+1" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Installing FTDI driver</source>
        <translation>Installazione del driver FTDI</translation>
    </message>
</context>
<context>
    <name>TPytForm</name>
    <message>
        <location filename="../../dialogs/TPytForm.cpp" line="+43" />
        <source>Deleting records.<byte value="xd" />
Are you sure?</source>
        <translation>Eliminazione dei record.<byte value="xd" />
Sei sicuro?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Deleting an object and its records.<byte value="xd" />
Are you sure?</source>
        <translation>Eliminazione oggetto e record.<byte value="xd" />
Sei sicuro?</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ZqmDatabase</name>
    <message>
        <location filename="../../db/EmbeddedEngine.cpp" line="+57" />
        <source>The database engine cannot use a folder for its lock files (tried %1). Check that the folder can be created and written, or name one in the environment variable FIREBIRD_LOCK.</source>
        <translation>Il motore del database non può usare una cartella per i propri file di blocco (tentato: %1). Verificare che la cartella possa essere creata e scritta, oppure indicarne una nella variabile d'ambiente FIREBIRD_LOCK.</translation>
    </message>
    <message>
        <location filename="../../db/OpenFailure.cpp" line="+44" />
        <source>the file does not exist. The database file ZQMBASE.fb belongs in the program's folder; reinstall the program or put the file back.</source>
        <translation>il file non esiste. Il file di database ZQMBASE.fb deve trovarsi nella cartella del programma; reinstallare il programma o rimettere il file al suo posto.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the program is not allowed to read the file. Check the file's permissions.</source>
        <translation>il programma non ha il permesso di leggere il file. Controllare i permessi del file.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is read-only, and the program needs to write to it. Make the file writable for your user (and check that its folder is not on a read-only medium).</source>
        <translation>il file è di sola lettura e il programma deve scriverci. Rendere il file scrivibile per il proprio utente (e verificare che la sua cartella non si trovi su un supporto di sola lettura).</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the file is not a database (it is not a Firebird database file). Restore the file from a backup or reinstall the program.</source>
        <translation>il file non è un database (non è un file di database Firebird). Ripristinare il file da un backup o reinstallare il programma.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file is damaged: it is shorter than a database file must be. Restore the file from a backup or reinstall the program.</source>
        <translation>il file è danneggiato: è più corto di quanto debba essere un file di database. Ripristinare il file da un backup o reinstallare il programma.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file was written by another version of the Firebird database engine and cannot be opened by this one.</source>
        <translation>il file è stato scritto da un'altra versione del motore di database Firebird e non può essere aperto da questa.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the database is in use by another copy of the program. Close the other copy (only one copy can work with the database at a time) and start the program again.</source>
        <translation>il database è in uso da parte di un'altra copia del programma. Chiudere l'altra copia (solo una copia alla volta può lavorare con il database) e riavviare il programma.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine cannot use its folder for lock files. Check the folder named in the details, or name another one in the environment variable FIREBIRD_LOCK.</source>
        <translation>il motore del database non può usare la propria cartella per i file di blocco. Controllare la cartella indicata nei dettagli, oppure indicarne un'altra nella variabile d'ambiente FIREBIRD_LOCK.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the embedded Firebird database engine is not installed or cannot be loaded.</source>
        <translation>il motore di database Firebird incorporato non è installato o non può essere caricato.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is a database, but not the program's measurement database.</source>
        <translation>il file è un database, ma non il database delle misure del programma.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine refused to open it.</source>
        <translation>il motore del database si è rifiutato di aprirlo.</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Cannot open the database file "%1": %2</source>
        <translation>Impossibile aprire il file di database «%1»: %2</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Details: %1</source>
        <translation>Dettagli: %1</translation>
    </message>
    <message>
        <location filename="../../db/Procedures.cpp" line="+19" />
        <source>The database file "%1" reported an error in %2: %3</source>
        <translation>Il file di database «%1» ha segnalato un errore (%2): %3</translation>
    </message>
    <message>
        <location line="+18" />
        <source>The database is not connected (%1).</source>
        <translation>Il database non è connesso (%1).</translation>
    </message>
    <message>
        <location line="+7" />
        <source>%1: a transaction is already open on the connection.</source>
        <translation>%1: sulla connessione è già aperta una transazione.</translation>
    </message>
    <message>
        <location line="+195" />
        <source>ticking an object line</source>
        <translation>contrassegno di una riga oggetto</translation>
    </message>
    <message>
        <location line="+5" />
        <source>ticking a result</source>
        <translation>contrassegno di un risultato</translation>
    </message>
    <message>
        <location line="+5" />
        <source>deleting a result</source>
        <translation>eliminazione di un risultato</translation>
    </message>
    <message>
        <location line="+6" />
        <source>deleting results</source>
        <translation>eliminazione dei risultati</translation>
    </message>
    <message>
        <location line="+19" />
        <source>deleting an object line</source>
        <translation>eliminazione di una riga oggetto</translation>
    </message>
    <message>
        <location line="+5" />
        <source>renaming a supplier</source>
        <translation>ridenominazione di un fornitore</translation>
    </message>
    <message>
        <location line="+5" />
        <source>storing the language</source>
        <translation>salvataggio della lingua</translation>
    </message>
    <message>
        <location filename="../../db/ZqmDatabase.cpp" line="+55" />
        <source>Qt's Firebird driver (QIBASE plugin) is not available.</source>
        <translation>Il driver Firebird di Qt (plugin QIBASE) non è disponibile.</translation>
    </message>
    <message>
        <location line="+54" />
        <source>Missing tables or views: %1.</source>
        <translation>Tabelle o viste mancanti: %1.</translation>
    </message>
    <message>
        <location line="+37" />
        <source>The database is not connected.</source>
        <translation>Il database non è connesso.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The database file "%1" reported an error reading %2: %3</source>
        <translation>Il file di database «%1» ha segnalato un errore durante la lettura della tabella %2: %3</translation>
    </message>
    <message>
        <location line="+30" />
        <source>The configuration table KONFIGURACJA has no row.</source>
        <translation>La tabella di configurazione KONFIGURACJA non contiene alcuna riga.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>The devices table VRZDEVICES has no row with IDDEV %1.</source>
        <translation>La tabella dei dispositivi VRZDEVICES non contiene alcuna riga con IDDEV %1.</translation>
    </message>
    <message>
        <location line="+22" />
        <source>The configuration table is not open (storing the language).</source>
        <translation>La tabella di configurazione non è aperta (salvataggio della lingua).</translation>
    </message>
</context>
</TS>
