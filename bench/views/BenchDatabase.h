#pragma once
// The benchmark's database: a copy of the built ZQMBASE.fb filled by isql-fb
// with 200,000 measurements: one object line of 50,000 (the first line of
// the object view), one of 10,000 and 140 of 1,000, one supplier each.
#include <QString>

struct BenchDatabase {
    QString programPath; // folder of the copy, with a trailing separator
    QString file;        // the copy
    int bigLine = 0;     // IDG of the 50,000-result line
    int tenThousandLine = 0;
    int total = 0; // measurements stored
};

// Fills a copy in `folder`; exits with a message when isql-fb fails.
BenchDatabase makeBenchDatabase(const QString& folder);
