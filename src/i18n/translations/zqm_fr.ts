<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BrowseController</name>
    <message>
        <location filename="../../browse/BrowseController.cpp" line="+27" />
        <source>The %1 could not be opened: %2</source>
        <translation>Impossible d'ouvrir %1 : %2</translation>
    </message>
    <message>
        <location line="+87" />
        <source>object view</source>
        <translation>la liste des objets</translation>
    </message>
    <message>
        <location line="+26" />
        <source>result view</source>
        <translation>la liste des résultats</translation>
    </message>
    <message>
        <location line="+191" />
        <source>list of marked records</source>
        <translation>la liste des mesures cochées</translation>
    </message>
    <message>
        <location line="+36" />
        <source>The supplier name is %1 characters long; at most %2 fit.
The name was not changed.</source>
        <translation>Le nom du fournisseur compte %1 caractères ; %2 au plus sont possibles.
Le nom n'a pas été modifié.</translation>
    </message>
</context>
<context>
    <name>DesignedLexicon</name>
    <message>
        <location filename="../DesignedLexicon.cpp" line="+13" />
        <source>Microsoft Office Excel not installed</source>
        <extracomment>Shown when the spreadsheet export to Excel is chosen without Excel installed.</extracomment>
        <translation>Microsoft Office Excel n'est pas installé</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Open Office Calc  not installed</source>
        <extracomment>Shown when the spreadsheet export to Calc is chosen without it installed.</extracomment>
        <translation>Open Office Calc n'est pas installé</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Humidimètre à grains</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hay and Straw Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Humidimètre pour foin et paille</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hectolitre Weight Tester</source>
        <extracomment>Name of another instrument of the range: the hectolitre weight (test weight) tester.</extracomment>
        <translation>Appareil de mesure du poids spécifique</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Temperature</source>
        <extracomment>Grain temperature (not shown at present).</extracomment>
        <translation>Température</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Moisture</source>
        <extracomment>Chart legend of the grain moisture series (%).</extracomment>
        <translation>Humidité</translation>
    </message>
    <message>
        <location line="+3" />
        <source>records read.</source>
        <extracomment>End of a download. English, German, French, Italian: "&lt;count&gt; records read."; Polish, Spanish, Russian: "&lt;this text&gt; &lt;count&gt; &lt;item 'records.'&gt;".</extracomment>
        <translation>enregistrements lus.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>records.</source>
        <extracomment>End of a download, after the count in Polish, Spanish and Russian.</extracomment>
        <translation>enregistrements.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>No objects to report</source>
        <extracomment>The report was asked for but nothing is ticked.</extracomment>
        <translation>Aucun objet à inclure dans le rapport</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture and Density Meter</source>
        <extracomment>Name of the meter shown after it has been identified; also on the banner.</extracomment>
        <translation>Humidimètre et densimètre à grains</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <extracomment>Chart legend of the density series (kg/hl).</extracomment>
        <translation>Densité</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Please turn on your Bluetooth printer!</source>
        <extracomment>Reminder before the meter's printer is driven.</extracomment>
        <translation>Veuillez allumer votre imprimante Bluetooth !</translation>
    </message>
    <message>
        <location line="+2" />
        <source>A supplier with this name is already on your device!</source>
        <extracomment>Upload of a supplier name refused as a duplicate.</extracomment>
        <translation>Un fournisseur portant ce nom existe déjà sur votre appareil !</translation>
    </message>
</context>
<context>
    <name>ErrorHandler</name>
    <message>
        <location filename="../../app/ErrorHandler.cpp" line="+34" />
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s'est produite.</translation>
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
        <translation>Nom fournisseur ZQMM</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Supplier name</source>
        <translation>Nom du fournisseur</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Species</source>
        <translation>Espèce</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Measurement date</source>
        <translation>Date de mesure</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Moisture</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <translation>Poids spécifique</translation>
    </message>
</context>
<context>
    <name>SpeciesTable</name>
    <message>
        <location filename="../SpeciesTable.cpp" line="+108" />
        <source>The species file %1 could not be read (%2). Species names will be empty.</source>
        <translation>Le fichier des espèces %1 n'a pas pu être lu (%2). Les noms des espèces resteront vides.</translation>
    </message>
    <message>
        <location line="+51" />
        <source>The species file %1 has lines that were not loaded: %2. Each line must begin with its row number, from 0 to %3, followed by "#".</source>
        <translation>Ces lignes du fichier des espèces %1 n'ont pas été chargées : %2. Chaque ligne doit commencer par son numéro, de 0 à %3, suivi de « # ».</translation>
    </message>
    <message>
        <location line="+8" />
        <source>In the species file %1 these lines have more than %2 names; the names after the first %2 were not loaded: %3.</source>
        <translation>Dans le fichier des espèces %1, ces lignes comptent plus de %2 noms ; les noms au-delà des %2 premiers n'ont pas été chargés : %3.</translation>
    </message>
</context>
<context>
    <name>TFormEditName</name>
    <message>
        <location filename="../../dialogs/TFormEditName.cpp" line="+47" />
        <source>Enter new name:</source>
        <translation>Nouveau nom :</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TMainUniZQMForm</name>
    <message>
        <location filename="../../app/MainWindowLayout.cpp" line="+249" />
        <source>Device:</source>
        <translation>Appareil :</translation>
    </message>
    <message>
        <location line="+1" />
        <source>SN:</source>
        <translation>N° série :</translation>
    </message>
    <message>
        <location line="+1" />
        <source>FV:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <location line="+1" />
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export to PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export data</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Mark results by date</source>
        <translation>Marquer les résultats par date</translation>
    </message>
    <message>
        <location line="+1" />
        <source>from:</source>
        <translation>du :</translation>
    </message>
    <message>
        <location line="+1" />
        <source>to:</source>
        <translation>au :</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Adding data from multiple devices</source>
        <translation>Ajout de données de plusieurs appareils</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Owner details</source>
        <translation>Infos propriétaire</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Suppliers</source>
        <translation>Fournisseurs</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Contact us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Moisture results</source>
        <translation>Résultats d'humidité</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Edit supplier name</source>
        <translation>Modifier le nom du fournisseur</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete object</source>
        <translation>Supprimer l'objet</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete marked records</source>
        <translation>Supprimer les enregistrements marqués</translation>
    </message>
    <message>
        <location filename="../../app/TMainUniZQMForm.cpp" line="+270" />
        <source>The measurement database is not open, so nothing can be downloaded from the meter. Restart the program after correcting the problem reported at start-up.</source>
        <translation>La base des mesures n'est pas ouverte : rien ne peut être téléchargé depuis l'appareil. Corrigez le problème signalé au démarrage, puis relancez le programme.</translation>
    </message>
</context>
<context>
    <name>TProgresForm</name>
    <message>
        <location filename="../../dialogs/TProgresForm.cpp" line="+49" />
        <source>Searching</source>
        <translation>Recherche en cours</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Device not connected</source>
        <translation>Appareil non connecté</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transferring Data</source>
        <translation>Transfert des données</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transfer error</source>
        <translation>Erreur de transfert</translation>
    </message>
    <message>
        <location line="+1" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Installing FTDI driver</source>
        <translation>Installation du pilote FTDI</translation>
    </message>
</context>
<context>
    <name>TPytForm</name>
    <message>
        <location filename="../../dialogs/TPytForm.cpp" line="+43" />
        <source>Deleting records.<byte value="xd" />
Are you sure?</source>
        <translation>Suppression des enregistrements.<byte value="xd" />
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Deleting an object and its records.<byte value="xd" />
Are you sure?</source>
        <translation>Supprimer l'objet et ses mesures.<byte value="xd" />
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ZqmDatabase</name>
    <message>
        <location filename="../../db/EmbeddedEngine.cpp" line="+57" />
        <source>The database engine cannot use a folder for its lock files (tried %1). Check that the folder can be created and written, or name one in the environment variable FIREBIRD_LOCK.</source>
        <translation>Le moteur de base de données ne peut utiliser aucun dossier pour ses fichiers de verrouillage (essayé : %1). Vérifiez que le dossier peut être créé et qu'il est accessible en écriture, ou indiquez-en un dans la variable d'environnement FIREBIRD_LOCK.</translation>
    </message>
    <message>
        <location filename="../../db/OpenFailure.cpp" line="+44" />
        <source>the file does not exist. The database file ZQMBASE.fb belongs in the program's folder; reinstall the program or put the file back.</source>
        <translation>le fichier n'existe pas. Le fichier de base de données ZQMBASE.fb doit se trouver dans le dossier du programme ; réinstallez le programme ou remettez le fichier en place.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the program is not allowed to read the file. Check the file's permissions.</source>
        <translation>le programme n'est pas autorisé à lire le fichier. Vérifiez les droits d'accès du fichier.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is read-only, and the program needs to write to it. Make the file writable for your user (and check that its folder is not on a read-only medium).</source>
        <translation>le fichier est en lecture seule, et le programme doit pouvoir y écrire. Rendez le fichier accessible en écriture pour votre utilisateur (et vérifiez que son dossier ne se trouve pas sur un support en lecture seule).</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the file is not a database (it is not a Firebird database file). Restore the file from a backup or reinstall the program.</source>
        <translation>le fichier n'est pas une base de données (ce n'est pas un fichier de base de données Firebird). Restaurez le fichier à partir d'une sauvegarde ou réinstallez le programme.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file is damaged: it is shorter than a database file must be. Restore the file from a backup or reinstall the program.</source>
        <translation>le fichier est endommagé : il est plus court que ne doit l'être un fichier de base de données. Restaurez le fichier à partir d'une sauvegarde ou réinstallez le programme.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file was written by another version of the Firebird database engine and cannot be opened by this one.</source>
        <translation>le fichier a été écrit par une autre version du moteur de base de données Firebird et ne peut pas être ouvert par celle-ci.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the database is in use by another copy of the program. Close the other copy (only one copy can work with the database at a time) and start the program again.</source>
        <translation>la base de données est utilisée par une autre copie du programme. Fermez l'autre copie (une seule copie à la fois peut travailler avec la base de données) et redémarrez le programme.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine cannot use its folder for lock files. Check the folder named in the details, or name another one in the environment variable FIREBIRD_LOCK.</source>
        <translation>le moteur de base de données ne peut pas utiliser son dossier de fichiers de verrouillage. Vérifiez le dossier indiqué dans les détails, ou indiquez-en un autre dans la variable d'environnement FIREBIRD_LOCK.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the embedded Firebird database engine is not installed or cannot be loaded.</source>
        <translation>le moteur de base de données Firebird embarqué n'est pas installé ou ne peut pas être chargé.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is a database, but not the program's measurement database.</source>
        <translation>le fichier est une base de données, mais pas la base de mesures du programme.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine refused to open it.</source>
        <translation>le moteur de base de données a refusé de l'ouvrir.</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Cannot open the database file "%1": %2</source>
        <translation>Impossible d'ouvrir le fichier de base de données « %1 » : %2</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Details: %1</source>
        <translation>Détails : %1</translation>
    </message>
    <message>
        <location filename="../../db/Procedures.cpp" line="+19" />
        <source>The database file "%1" reported an error in %2: %3</source>
        <translation>Le fichier de base de données « %1 » a signalé une erreur (%2) : %3</translation>
    </message>
    <message>
        <location line="+18" />
        <source>The database is not connected (%1).</source>
        <translation>La base de données n'est pas connectée (%1).</translation>
    </message>
    <message>
        <location line="+7" />
        <source>%1: a transaction is already open on the connection.</source>
        <translation>%1 : une transaction est déjà ouverte sur la connexion.</translation>
    </message>
    <message>
        <location line="+195" />
        <source>ticking an object line</source>
        <translation>marquage d'une ligne d'objet</translation>
    </message>
    <message>
        <location line="+5" />
        <source>ticking a result</source>
        <translation>marquage d'un résultat</translation>
    </message>
    <message>
        <location line="+5" />
        <source>deleting a result</source>
        <translation>suppression d'un résultat</translation>
    </message>
    <message>
        <location line="+6" />
        <source>deleting results</source>
        <translation>suppression de résultats</translation>
    </message>
    <message>
        <location line="+19" />
        <source>deleting an object line</source>
        <translation>suppression d'une ligne d'objet</translation>
    </message>
    <message>
        <location line="+5" />
        <source>renaming a supplier</source>
        <translation>renommage d'un fournisseur</translation>
    </message>
    <message>
        <location line="+5" />
        <source>storing the language</source>
        <translation>enregistrement de la langue</translation>
    </message>
    <message>
        <location filename="../../db/ZqmDatabase.cpp" line="+55" />
        <source>Qt's Firebird driver (QIBASE plugin) is not available.</source>
        <translation>Le pilote Firebird de Qt (module QIBASE) n'est pas disponible.</translation>
    </message>
    <message>
        <location line="+54" />
        <source>Missing tables or views: %1.</source>
        <translation>Tables ou vues manquantes : %1.</translation>
    </message>
    <message>
        <location line="+37" />
        <source>The database is not connected.</source>
        <translation>La base de données n'est pas connectée.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The database file "%1" reported an error reading %2: %3</source>
        <translation>Le fichier de base de données « %1 » a signalé une erreur à la lecture de la table %2 : %3</translation>
    </message>
    <message>
        <location line="+30" />
        <source>The configuration table KONFIGURACJA has no row.</source>
        <translation>La table de configuration KONFIGURACJA ne contient aucune ligne.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>The devices table VRZDEVICES has no row with IDDEV %1.</source>
        <translation>La table des appareils VRZDEVICES ne contient aucune ligne avec IDDEV %1.</translation>
    </message>
    <message>
        <location line="+22" />
        <source>The configuration table is not open (storing the language).</source>
        <translation>La table de configuration n'est pas ouverte (enregistrement de la langue).</translation>
    </message>
</context>
</TS>
