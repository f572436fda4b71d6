<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BrowseController</name>
    <message>
        <location filename="../../browse/BrowseController.cpp" line="+27" />
        <source>The %1 could not be opened: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <location line="+87" />
        <source>object view</source>
        <translation>la lista de objetos</translation>
    </message>
    <message>
        <location line="+26" />
        <source>result view</source>
        <translation>la lista de resultados</translation>
    </message>
    <message>
        <location line="+191" />
        <source>list of marked records</source>
        <translation>la lista de registros marcados</translation>
    </message>
    <message>
        <location line="+36" />
        <source>The supplier name is %1 characters long; at most %2 fit.
The name was not changed.</source>
        <translation>El nombre del proveedor tiene %1 caracteres; caben como máximo %2.
El nombre no se ha cambiado.</translation>
    </message>
</context>
<context>
    <name>DesignedLexicon</name>
    <message>
        <location filename="../DesignedLexicon.cpp" line="+13" />
        <source>Microsoft Office Excel not installed</source>
        <extracomment>Shown when the spreadsheet export to Excel is chosen without Excel installed.</extracomment>
        <translation>Microsoft Office Excel no está instalado</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Open Office Calc  not installed</source>
        <extracomment>Shown when the spreadsheet export to Calc is chosen without it installed.</extracomment>
        <translation>Open Office Calc no está instalado</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Medidor de humedad de granos</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hay and Straw Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Medidor de humedad de heno y paja</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hectolitre Weight Tester</source>
        <extracomment>Name of another instrument of the range: the hectolitre weight (test weight) tester.</extracomment>
        <translation>Balanza de peso hectolítrico</translation>
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
        <translation>Humedad</translation>
    </message>
    <message>
        <location line="+3" />
        <source>records read.</source>
        <extracomment>End of a download. English, German, French, Italian: "&lt;count&gt; records read."; Polish, Spanish, Russian: "&lt;this text&gt; &lt;count&gt; &lt;item 'records.'&gt;".</extracomment>
        <translation>Se han leído</translation>
    </message>
    <message>
        <location line="+2" />
        <source>records.</source>
        <extracomment>End of a download, after the count in Polish, Spanish and Russian.</extracomment>
        <translation>registros.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>No objects to report</source>
        <extracomment>The report was asked for but nothing is ticked.</extracomment>
        <translation>No hay objetos para el informe</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture and Density Meter</source>
        <extracomment>Name of the meter shown after it has been identified; also on the banner.</extracomment>
        <translation>Medidor de humedad y densidad de granos</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <extracomment>Chart legend of the density series (kg/hl).</extracomment>
        <translation>Densidad</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Please turn on your Bluetooth printer!</source>
        <extracomment>Reminder before the meter's printer is driven.</extracomment>
        <translation>¡Encienda su impresora Bluetooth!</translation>
    </message>
    <message>
        <location line="+2" />
        <source>A supplier with this name is already on your device!</source>
        <extracomment>Upload of a supplier name refused as a duplicate.</extracomment>
        <translation>¡Ya existe un proveedor con este nombre en su dispositivo!</translation>
    </message>
</context>
<context>
    <name>ErrorHandler</name>
    <message>
        <location filename="../../app/ErrorHandler.cpp" line="+34" />
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
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
        <translation>Nombre proveedor ZQMM</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Supplier name</source>
        <translation>Nombre del proveedor</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Species</source>
        <translation>Especie</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Measurement date</source>
        <translation>Fecha de medición</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Moisture</source>
        <translation>Humedad</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <translation>Peso específico</translation>
    </message>
</context>
<context>
    <name>SpeciesTable</name>
    <message>
        <location filename="../SpeciesTable.cpp" line="+108" />
        <source>The species file %1 could not be read (%2). Species names will be empty.</source>
        <translation>No se pudo leer el archivo de especies %1 (%2). Los nombres de las especies quedarán vacíos.</translation>
    </message>
    <message>
        <location line="+51" />
        <source>The species file %1 has lines that were not loaded: %2. Each line must begin with its row number, from 0 to %3, followed by "#".</source>
        <translation>Estas líneas del archivo de especies %1 no se cargaron: %2. Cada línea debe comenzar con su número, de 0 a %3, seguido de "#".</translation>
    </message>
    <message>
        <location line="+8" />
        <source>In the species file %1 these lines have more than %2 names; the names after the first %2 were not loaded: %3.</source>
        <translation>En el archivo de especies %1 estas líneas tienen más de %2 nombres; los nombres posteriores a los %2 primeros no se cargaron: %3.</translation>
    </message>
</context>
<context>
    <name>TFormEditName</name>
    <message>
        <location filename="../../dialogs/TFormEditName.cpp" line="+47" />
        <source>Enter new name:</source>
        <translation>Nuevo nombre:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>N.º serie:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>FV:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>START</source>
        <translation>INICIAR</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export to PDF</source>
        <translation>Exportar a PDF</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export data</source>
        <translation>Exportar datos</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Mark results by date</source>
        <translation>Marcar resultados por fecha</translation>
    </message>
    <message>
        <location line="+1" />
        <source>from:</source>
        <translation>desde:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>to:</source>
        <translation>hasta:</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Adding data from multiple devices</source>
        <translation>Añadir datos de varios dispositivos</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Owner details</source>
        <translation>Datos del propietario</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Suppliers</source>
        <translation>Proveedores</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Contact us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Moisture results</source>
        <translation>Resultados de humedad</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Edit supplier name</source>
        <translation>Editar nombre del proveedor</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete object</source>
        <translation>Eliminar objeto</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete marked records</source>
        <translation>Eliminar registros marcados</translation>
    </message>
    <message>
        <location filename="../../app/TMainUniZQMForm.cpp" line="+270" />
        <source>The measurement database is not open, so nothing can be downloaded from the meter. Restart the program after correcting the problem reported at start-up.</source>
        <translation>La base de datos de mediciones no está abierta, por lo que no se puede descargar nada del medidor. Corrija el problema indicado al iniciar y vuelva a abrir el programa.</translation>
    </message>
</context>
<context>
    <name>TProgresForm</name>
    <message>
        <location filename="../../dialogs/TProgresForm.cpp" line="+49" />
        <source>Searching</source>
        <translation>Buscando</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transferring Data</source>
        <translation>Transfiriendo datos</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transfer error</source>
        <translation>Error de transferencia</translation>
    </message>
    <message>
        <location line="+1" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Installing FTDI driver</source>
        <translation>Instalando el controlador FTDI</translation>
    </message>
</context>
<context>
    <name>TPytForm</name>
    <message>
        <location filename="../../dialogs/TPytForm.cpp" line="+43" />
        <source>Deleting records.<byte value="xd" />
Are you sure?</source>
        <translation>Eliminando registros.<byte value="xd" />
¿Está seguro?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Deleting an object and its records.<byte value="xd" />
Are you sure?</source>
        <translation>Eliminando objeto y registros.<byte value="xd" />
¿Está seguro?</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ZqmDatabase</name>
    <message>
        <location filename="../../db/EmbeddedEngine.cpp" line="+57" />
        <source>The database engine cannot use a folder for its lock files (tried %1). Check that the folder can be created and written, or name one in the environment variable FIREBIRD_LOCK.</source>
        <translation>El motor de la base de datos no puede usar ninguna carpeta para sus archivos de bloqueo (se intentó %1). Compruebe que la carpeta se puede crear y que se puede escribir en ella, o indique una en la variable de entorno FIREBIRD_LOCK.</translation>
    </message>
    <message>
        <location filename="../../db/OpenFailure.cpp" line="+44" />
        <source>the file does not exist. The database file ZQMBASE.fb belongs in the program's folder; reinstall the program or put the file back.</source>
        <translation>el archivo no existe. El archivo de base de datos ZQMBASE.fb debe estar en la carpeta del programa; reinstale el programa o vuelva a colocar el archivo.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the program is not allowed to read the file. Check the file's permissions.</source>
        <translation>el programa no tiene permiso para leer el archivo. Compruebe los permisos del archivo.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is read-only, and the program needs to write to it. Make the file writable for your user (and check that its folder is not on a read-only medium).</source>
        <translation>el archivo es de solo lectura y el programa necesita escribir en él. Conceda a su usuario permiso de escritura sobre el archivo (y compruebe que su carpeta no esté en un medio de solo lectura).</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the file is not a database (it is not a Firebird database file). Restore the file from a backup or reinstall the program.</source>
        <translation>el archivo no es una base de datos (no es un archivo de base de datos Firebird). Restaure el archivo desde una copia de seguridad o reinstale el programa.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file is damaged: it is shorter than a database file must be. Restore the file from a backup or reinstall the program.</source>
        <translation>el archivo está dañado: es más corto de lo que debe ser un archivo de base de datos. Restaure el archivo desde una copia de seguridad o reinstale el programa.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file was written by another version of the Firebird database engine and cannot be opened by this one.</source>
        <translation>el archivo fue escrito por otra versión del motor de base de datos Firebird y esta no puede abrirlo.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the database is in use by another copy of the program. Close the other copy (only one copy can work with the database at a time) and start the program again.</source>
        <translation>la base de datos está siendo usada por otra copia del programa. Cierre la otra copia (solo una copia puede trabajar con la base de datos a la vez) y vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine cannot use its folder for lock files. Check the folder named in the details, or name another one in the environment variable FIREBIRD_LOCK.</source>
        <translation>el motor de la base de datos no puede usar su carpeta de archivos de bloqueo. Compruebe la carpeta indicada en los detalles o indique otra en la variable de entorno FIREBIRD_LOCK.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the embedded Firebird database engine is not installed or cannot be loaded.</source>
        <translation>el motor de base de datos Firebird integrado no está instalado o no se puede cargar.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is a database, but not the program's measurement database.</source>
        <translation>el archivo es una base de datos, pero no la base de datos de mediciones del programa.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine refused to open it.</source>
        <translation>el motor de la base de datos se negó a abrirlo.</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Cannot open the database file "%1": %2</source>
        <translation>No se puede abrir el archivo de base de datos «%1»: %2</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Details: %1</source>
        <translation>Detalles: %1</translation>
    </message>
    <message>
        <location filename="../../db/Procedures.cpp" line="+19" />
        <source>The database file "%1" reported an error in %2: %3</source>
        <translation>El archivo de base de datos «%1» notificó un error (%2): %3</translation>
    </message>
    <message>
        <location line="+18" />
        <source>The database is not connected (%1).</source>
        <translation>La base de datos no está conectada (%1).</translation>
    </message>
    <message>
        <location line="+7" />
        <source>%1: a transaction is already open on the connection.</source>
        <translation>%1: ya hay una transacción abierta en la conexión.</translation>
    </message>
    <message>
        <location line="+195" />
        <source>ticking an object line</source>
        <translation>marcado de una línea de objeto</translation>
    </message>
    <message>
        <location line="+5" />
        <source>ticking a result</source>
        <translation>marcado de un resultado</translation>
    </message>
    <message>
        <location line="+5" />
        <source>deleting a result</source>
        <translation>eliminación de un resultado</translation>
    </message>
    <message>
        <location line="+6" />
        <source>deleting results</source>
        <translation>eliminación de resultados</translation>
    </message>
    <message>
        <location line="+19" />
        <source>deleting an object line</source>
        <translation>eliminación de una línea de objeto</translation>
    </message>
    <message>
        <location line="+5" />
        <source>renaming a supplier</source>
        <translation>cambio de nombre de un proveedor</translation>
    </message>
    <message>
        <location line="+5" />
        <source>storing the language</source>
        <translation>guardado del idioma</translation>
    </message>
    <message>
        <location filename="../../db/ZqmDatabase.cpp" line="+55" />
        <source>Qt's Firebird driver (QIBASE plugin) is not available.</source>
        <translation>El controlador Firebird de Qt (complemento QIBASE) no está disponible.</translation>
    </message>
    <message>
        <location line="+54" />
        <source>Missing tables or views: %1.</source>
        <translation>Faltan tablas o vistas: %1.</translation>
    </message>
    <message>
        <location line="+37" />
        <source>The database is not connected.</source>
        <translation>La base de datos no está conectada.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The database file "%1" reported an error reading %2: %3</source>
        <translation>El archivo de base de datos «%1» notificó un error al leer la tabla %2: %3</translation>
    </message>
    <message>
        <location line="+30" />
        <source>The configuration table KONFIGURACJA has no row.</source>
        <translation>La tabla de configuración KONFIGURACJA no tiene ninguna fila.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>The devices table VRZDEVICES has no row with IDDEV %1.</source>
        <translation>La tabla de dispositivos VRZDEVICES no tiene ninguna fila con IDDEV %1.</translation>
    </message>
    <message>
        <location line="+22" />
        <source>The configuration table is not open (storing the language).</source>
        <translation>La tabla de configuración no está abierta (guardado del idioma).</translation>
    </message>
</context>
</TS>
