<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DesignedLexicon</name>
    <message>
        <location filename="../DesignedLexicon.cpp" line="+13"/>
        <source>Microsoft Office Excel not installed</source>
        <extracomment>Shown when the spreadsheet export to Excel is chosen without Excel installed.</extracomment>
        <translation>Microsoft Office Excel n&apos;est pas installé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Office Calc  not installed</source>
        <extracomment>Shown when the spreadsheet export to Calc is chosen without it installed.</extracomment>
        <translation>Open Office Calc n&apos;est pas installé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grain Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Humidimètre à grains</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hay and Straw Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Humidimètre pour foin et paille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hectolitre Weight Tester</source>
        <extracomment>Name of another instrument of the range: the hectolitre weight (test weight) tester.</extracomment>
        <translation>Appareil de mesure du poids spécifique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Temperature</source>
        <extracomment>Grain temperature (not shown at present).</extracomment>
        <translation>Température</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moisture</source>
        <extracomment>Chart legend of the grain moisture series (%).</extracomment>
        <translation>Humidité</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>records read.</source>
        <extracomment>End of a download. English, German, French, Italian: &quot;&lt;count&gt; records read.&quot;; Polish, Spanish, Russian: &quot;&lt;this text&gt; &lt;count&gt; &lt;item &apos;records.&apos;&gt;&quot;.</extracomment>
        <translation>enregistrements lus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>records.</source>
        <extracomment>End of a download, after the count in Polish, Spanish and Russian.</extracomment>
        <translation>enregistrements.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No objects to report</source>
        <extracomment>The report was asked for but nothing is ticked.</extracomment>
        <translation>Aucun objet à inclure dans le rapport</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grain Moisture and Density Meter</source>
        <extracomment>Name of the meter shown after it has been identified; also on the banner.</extracomment>
        <translation>Humidimètre et densimètre à grains</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Density</source>
        <extracomment>Chart legend of the density series (kg/hl).</extracomment>
        <translation>Densité</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please turn on your Bluetooth printer!</source>
        <extracomment>Reminder before the meter&apos;s printer is driven.</extracomment>
        <translation>Veuillez allumer votre imprimante Bluetooth&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A supplier with this name is already on your device!</source>
        <extracomment>Upload of a supplier name refused as a duplicate.</extracomment>
        <translation>Un fournisseur portant ce nom existe déjà sur votre appareil&#xa0;!</translation>
    </message>
</context>
<context>
    <name>SpeciesTable</name>
    <message>
        <location filename="../SpeciesTable.cpp" line="+96"/>
        <location line="+10"/>
        <source>The species file %1 could not be read (%2). Species names will be empty.</source>
        <translation>Le fichier des espèces %1 n&apos;a pas pu être lu (%2). Les noms des espèces resteront vides.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>The species file %1 has lines that were not loaded: %2. Each line must begin with its row number, from 0 to %3, followed by &quot;#&quot;.</source>
        <translation>Ces lignes du fichier des espèces %1 n&apos;ont pas été chargées&#xa0;: %2. Chaque ligne doit commencer par son numéro, de 0 à %3, suivi de «&#xa0;#&#xa0;».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>In the species file %1 these lines have more than %2 names; the names after the first %2 were not loaded: %3.</source>
        <translation>Dans le fichier des espèces %1, ces lignes comptent plus de %2 noms&#xa0;; les noms au-delà des %2 premiers n&apos;ont pas été chargés&#xa0;: %3.</translation>
    </message>
</context>
</TS>
