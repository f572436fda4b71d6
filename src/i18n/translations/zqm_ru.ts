<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BrowseController</name>
    <message>
        <location filename="../../browse/BrowseController.cpp" line="+27" />
        <source>The %1 could not be opened: %2</source>
        <translation>Не удалось открыть %1: %2</translation>
    </message>
    <message>
        <location line="+87" />
        <source>object view</source>
        <translation>список объектов</translation>
    </message>
    <message>
        <location line="+26" />
        <source>result view</source>
        <translation>список результатов</translation>
    </message>
    <message>
        <location line="+191" />
        <source>list of marked records</source>
        <translation>список отмеченных записей</translation>
    </message>
    <message>
        <location line="+36" />
        <source>The supplier name is %1 characters long; at most %2 fit.
The name was not changed.</source>
        <translation>Имя поставщика содержит %1 символов; допускается не более %2.
Имя не изменено.</translation>
    </message>
</context>
<context>
    <name>DesignedLexicon</name>
    <message>
        <location filename="../DesignedLexicon.cpp" line="+13" />
        <source>Microsoft Office Excel not installed</source>
        <extracomment>Shown when the spreadsheet export to Excel is chosen without Excel installed.</extracomment>
        <translation>Microsoft Office Excel не установлен</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Open Office Calc  not installed</source>
        <extracomment>Shown when the spreadsheet export to Calc is chosen without it installed.</extracomment>
        <translation>Open Office Calc не установлен</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Влагомер зерна</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hay and Straw Moisture Meter</source>
        <extracomment>Name of another instrument of the range (not shown at present).</extracomment>
        <translation>Влагомер сена и соломы</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Hectolitre Weight Tester</source>
        <extracomment>Name of another instrument of the range: the hectolitre weight (test weight) tester.</extracomment>
        <translation>Пурка (измеритель натуры зерна)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Temperature</source>
        <extracomment>Grain temperature (not shown at present).</extracomment>
        <translation>Температура</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Moisture</source>
        <extracomment>Chart legend of the grain moisture series (%).</extracomment>
        <translation>Влажность</translation>
    </message>
    <message>
        <location line="+3" />
        <source>records read.</source>
        <extracomment>End of a download. English, German, French, Italian: "&lt;count&gt; records read."; Polish, Spanish, Russian: "&lt;this text&gt; &lt;count&gt; &lt;item 'records.'&gt;".</extracomment>
        <translation>Прочитано</translation>
    </message>
    <message>
        <location line="+2" />
        <source>records.</source>
        <extracomment>End of a download, after the count in Polish, Spanish and Russian.</extracomment>
        <translation>записей.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>No objects to report</source>
        <extracomment>The report was asked for but nothing is ticked.</extracomment>
        <translation>Нет объектов для отчёта</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Grain Moisture and Density Meter</source>
        <extracomment>Name of the meter shown after it has been identified; also on the banner.</extracomment>
        <translation>Измеритель влажности и плотности зерна</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <extracomment>Chart legend of the density series (kg/hl).</extracomment>
        <translation>Плотность</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Please turn on your Bluetooth printer!</source>
        <extracomment>Reminder before the meter's printer is driven.</extracomment>
        <translation>Включите Bluetooth-принтер!</translation>
    </message>
    <message>
        <location line="+2" />
        <source>A supplier with this name is already on your device!</source>
        <extracomment>Upload of a supplier name refused as a duplicate.</extracomment>
        <translation>Поставщик с таким именем уже есть в вашем приборе!</translation>
    </message>
</context>
<context>
    <name>ErrorHandler</name>
    <message>
        <location filename="../../app/ErrorHandler.cpp" line="+34" />
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
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
        <translation>Поставщик в ZQMM</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Supplier name</source>
        <translation>Имя поставщика</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Species</source>
        <translation>Культура</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Measurement date</source>
        <translation>Дата измерения</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Moisture</source>
        <translation>Влажность</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Density</source>
        <translation>Натура</translation>
    </message>
</context>
<context>
    <name>SpeciesTable</name>
    <message>
        <location filename="../SpeciesTable.cpp" line="+108" />
        <source>The species file %1 could not be read (%2). Species names will be empty.</source>
        <translation>Не удалось прочитать файл культур %1 (%2). Названия культур будут пустыми.</translation>
    </message>
    <message>
        <location line="+51" />
        <source>The species file %1 has lines that were not loaded: %2. Each line must begin with its row number, from 0 to %3, followed by "#".</source>
        <translation>Эти строки файла культур %1 не загружены: %2. Каждая строка должна начинаться с номера от 0 до %3, за которым следует «#».</translation>
    </message>
    <message>
        <location line="+8" />
        <source>In the species file %1 these lines have more than %2 names; the names after the first %2 were not loaded: %3.</source>
        <translation>В файле культур %1 эти строки содержат больше %2 названий; названия после первых %2 не загружены: %3.</translation>
    </message>
</context>
<context>
    <name>TFormEditName</name>
    <message>
        <location filename="../../dialogs/TFormEditName.cpp" line="+47" />
        <source>Enter new name:</source>
        <translation>Введите новое имя:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TMainUniZQMForm</name>
    <message>
        <location filename="../../app/MainWindowLayout.cpp" line="+249" />
        <source>Device:</source>
        <translation>Прибор:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>SN:</source>
        <translation>Зав. №:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>FV:</source>
        <translation>Версия ПО:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export to PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Export data</source>
        <translation>Экспорт данных</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chart</source>
        <translation>График</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Mark results by date</source>
        <translation>Отметить результаты по дате</translation>
    </message>
    <message>
        <location line="+1" />
        <source>from:</source>
        <translation>с:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>to:</source>
        <translation>по:</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Adding data from multiple devices</source>
        <translation>Данные с нескольких приборов</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Owner details</source>
        <translation>Данные владельца</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Suppliers</source>
        <translation>Поставщики</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Contact us</source>
        <translation>Связаться с нами</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Moisture results</source>
        <translation>Результаты измерения влажности</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Edit supplier name</source>
        <translation>Изменить имя поставщика</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete object</source>
        <translation>Удалить объект</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Delete marked records</source>
        <translation>Удалить отмеченные записи</translation>
    </message>
    <message>
        <location filename="../../app/TMainUniZQMForm.cpp" line="+270" />
        <source>The measurement database is not open, so nothing can be downloaded from the meter. Restart the program after correcting the problem reported at start-up.</source>
        <translation>База измерений не открыта, поэтому загрузить данные с прибора нельзя. Устраните проблему, о которой сообщалось при запуске, и перезапустите программу.</translation>
    </message>
</context>
<context>
    <name>TProgresForm</name>
    <message>
        <location filename="../../dialogs/TProgresForm.cpp" line="+49" />
        <source>Searching</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Device not connected</source>
        <translation>Прибор не подключён</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transferring Data</source>
        <translation>Передача данных</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Transfer error</source>
        <translation>Ошибка передачи</translation>
    </message>
    <message>
        <location line="+1" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Installing FTDI driver</source>
        <translation>Установка драйвера FTDI</translation>
    </message>
</context>
<context>
    <name>TPytForm</name>
    <message>
        <location filename="../../dialogs/TPytForm.cpp" line="+43" />
        <source>Deleting records.<byte value="xd" />
Are you sure?</source>
        <translation>Удаление записей.<byte value="xd" />
Вы уверены?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Deleting an object and its records.<byte value="xd" />
Are you sure?</source>
        <translation>Удаление объекта и его записей.<byte value="xd" />
Вы уверены?</translation>
    </message>
    <message>
        <location line="+2" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ZqmDatabase</name>
    <message>
        <location filename="../../db/EmbeddedEngine.cpp" line="+57" />
        <source>The database engine cannot use a folder for its lock files (tried %1). Check that the folder can be created and written, or name one in the environment variable FIREBIRD_LOCK.</source>
        <translation>Ядро базы данных не может использовать папку для своих файлов блокировки (проверена: %1). Убедитесь, что папку можно создать и записывать в неё, или укажите папку в переменной среды FIREBIRD_LOCK.</translation>
    </message>
    <message>
        <location filename="../../db/OpenFailure.cpp" line="+44" />
        <source>the file does not exist. The database file ZQMBASE.fb belongs in the program's folder; reinstall the program or put the file back.</source>
        <translation>файл не существует. Файл базы данных ZQMBASE.fb должен находиться в папке программы; переустановите программу или верните файл на место.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the program is not allowed to read the file. Check the file's permissions.</source>
        <translation>у программы нет прав на чтение файла. Проверьте права доступа к файлу.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is read-only, and the program needs to write to it. Make the file writable for your user (and check that its folder is not on a read-only medium).</source>
        <translation>файл доступен только для чтения, а программе нужно записывать в него. Разрешите своему пользователю запись в файл (и проверьте, что его папка не находится на носителе только для чтения).</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the file is not a database (it is not a Firebird database file). Restore the file from a backup or reinstall the program.</source>
        <translation>файл не является базой данных (это не файл базы данных Firebird). Восстановите файл из резервной копии или переустановите программу.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file is damaged: it is shorter than a database file must be. Restore the file from a backup or reinstall the program.</source>
        <translation>файл повреждён: он короче, чем должен быть файл базы данных. Восстановите файл из резервной копии или переустановите программу.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file was written by another version of the Firebird database engine and cannot be opened by this one.</source>
        <translation>файл записан другой версией ядра базы данных Firebird и не может быть открыт этой версией.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the database is in use by another copy of the program. Close the other copy (only one copy can work with the database at a time) and start the program again.</source>
        <translation>база данных используется другой копией программы. Закройте другую копию (с базой данных одновременно может работать только одна копия) и запустите программу снова.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine cannot use its folder for lock files. Check the folder named in the details, or name another one in the environment variable FIREBIRD_LOCK.</source>
        <translation>ядро базы данных не может использовать свою папку для файлов блокировки. Проверьте папку, указанную в подробностях, или укажите другую в переменной среды FIREBIRD_LOCK.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the embedded Firebird database engine is not installed or cannot be loaded.</source>
        <translation>встроенное ядро базы данных Firebird не установлено или не может быть загружено.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>the file is a database, but not the program's measurement database.</source>
        <translation>файл является базой данных, но не базой измерений этой программы.</translation>
    </message>
    <message>
        <location line="+6" />
        <source>the database engine refused to open it.</source>
        <translation>ядро базы данных отказалось его открыть.</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Cannot open the database file "%1": %2</source>
        <translation>Не удаётся открыть файл базы данных «%1»: %2</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Details: %1</source>
        <translation>Подробности: %1</translation>
    </message>
    <message>
        <location filename="../../db/Procedures.cpp" line="+19" />
        <source>The database file "%1" reported an error in %2: %3</source>
        <translation>Файл базы данных «%1» сообщил об ошибке (%2): %3</translation>
    </message>
    <message>
        <location line="+18" />
        <source>The database is not connected (%1).</source>
        <translation>База данных не подключена (%1).</translation>
    </message>
    <message>
        <location line="+7" />
        <source>%1: a transaction is already open on the connection.</source>
        <translation>%1: в соединении уже открыта транзакция.</translation>
    </message>
    <message>
        <location line="+195" />
        <source>ticking an object line</source>
        <translation>отметка строки объекта</translation>
    </message>
    <message>
        <location line="+5" />
        <source>ticking a result</source>
        <translation>отметка результата</translation>
    </message>
    <message>
        <location line="+5" />
        <source>deleting a result</source>
        <translation>удаление результата</translation>
    </message>
    <message>
        <location line="+6" />
        <source>deleting results</source>
        <translation>удаление результатов</translation>
    </message>
    <message>
        <location line="+19" />
        <source>deleting an object line</source>
        <translation>удаление строки объекта</translation>
    </message>
    <message>
        <location line="+5" />
        <source>renaming a supplier</source>
        <translation>переименование поставщика</translation>
    </message>
    <message>
        <location line="+5" />
        <source>storing the language</source>
        <translation>сохранение языка</translation>
    </message>
    <message>
        <location filename="../../db/ZqmDatabase.cpp" line="+55" />
        <source>Qt's Firebird driver (QIBASE plugin) is not available.</source>
        <translation>Драйвер Firebird библиотеки Qt (модуль QIBASE) недоступен.</translation>
    </message>
    <message>
        <location line="+54" />
        <source>Missing tables or views: %1.</source>
        <translation>Отсутствуют таблицы или представления: %1.</translation>
    </message>
    <message>
        <location line="+37" />
        <source>The database is not connected.</source>
        <translation>База данных не подключена.</translation>
    </message>
    <message>
        <location line="+4" />
        <source>The database file "%1" reported an error reading %2: %3</source>
        <translation>Файл базы данных «%1» сообщил об ошибке при чтении таблицы %2: %3</translation>
    </message>
    <message>
        <location line="+30" />
        <source>The configuration table KONFIGURACJA has no row.</source>
        <translation>Таблица конфигурации KONFIGURACJA не содержит ни одной строки.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>The devices table VRZDEVICES has no row with IDDEV %1.</source>
        <translation>Таблица приборов VRZDEVICES не содержит строки с IDDEV %1.</translation>
    </message>
    <message>
        <location line="+22" />
        <source>The configuration table is not open (storing the language).</source>
        <translation>Таблица конфигурации не открыта (сохранение языка).</translation>
    </message>
</context>
</TS>
