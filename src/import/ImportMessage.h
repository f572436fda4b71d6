#pragma once
// The message the import ends with: how many measurements were stored, in the
// word order of the language. Polish, Spanish and Russian (language indexes
// 1, 4, 5) read item 7, the count, item 8 ("Odczytano 12 rekordów."); the
// others read the count, then item 7 ("12 records read.").
#include <QString>

QString importMessage(int count, int languageIndex, const QString& item7, const QString& item8);
