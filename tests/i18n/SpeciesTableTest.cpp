// Reading the species file into the species table and the hidden grid.
#include "SpeciesTable.h"
#include "SpeciesGrid.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SpeciesFile : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString write(const QByteArray& bytes, const QString& name = "GatunkiZQM.txt") {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }
    QString writeUtf8(const QString& text) { return write("\xEF\xBB\xBF" + text.toUtf8()); }
};

} // namespace

TEST_F(SpeciesFile, FieldsEndedByHashFillTheRowTheFirstFieldNames) {
    const SpeciesLoadResult r = LoadGatunki(writeUtf8("3#a#b#\r\n"
                                                      "04#x#\r\n"
                                                      "2#c#d\r\n"
                                                      "5#e1#f1#g1#\r\n"
                                                      "5#E2#\r\n"));
    ASSERT_TRUE(r.fileRead);
    EXPECT_TRUE(r.message.isEmpty()) << r.message.toStdString();
    const SpeciesTable& t = r.table;
    EXPECT_EQ(t.rowCount(), 5 + 5);
    EXPECT_EQ(t.columnCount(), 30);

    const struct {
        int row, column;
        const char* text;
    } cells[] = {
        // 3#a#b#: row number, two names, the column after them empty
        {3, 0, "3"},
        {3, 1, "a"},
        {3, 2, "b"},
        {3, 3, ""},
        // 04#x#: row 4, the number kept as written
        {4, 0, "04"},
        {4, 1, "x"},
        // 2#c#d: the text after the last "#" is lost
        {2, 1, "c"},
        {2, 2, ""},
        // two lines for row 5: the later one wins where it reaches (its
        // column 2 is set empty), the earlier one keeps column 3
        {5, 1, "E2"},
        {5, 2, ""},
        {5, 3, "g1"},
        // rows no line named stay empty
        {1, 0, ""},
        {9, 1, ""},
    };
    for (const auto& c : cells)
        EXPECT_EQ(t.cell(c.row, c.column), QLatin1String(c.text)) << c.row << "," << c.column;
    EXPECT_EQ(t.cell(10, 1), QString()); // outside the table
    EXPECT_EQ(t.cell(3, 30), QString());
}

TEST_F(SpeciesFile, EncodingFollowsTheByteOrderMark) {
    const QString text = QString::fromUtf8("1#Wheat#Pszenica#Weizen#Blé tendre#Trigo blando#"
                                           "Пшеница мягкая#Frumento tenero#\r\n"
                                           "2#Rye#Żyto#Roggen#Seigle#Centeno#Рожь#Segale#\r\n");
    auto encode = [&](QStringConverter::Encoding e) {
        QStringEncoder encoder(e, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder.encode(text));
    };
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {{"utf8", encode(QStringConverter::Utf8)},
                 {"utf16le", encode(QStringConverter::Utf16LE)},
                 {"utf16be", encode(QStringConverter::Utf16BE)}};
    for (const auto& f : files) {
        const SpeciesLoadResult r = LoadGatunki(write(f.bytes, f.name));
        EXPECT_TRUE(r.message.isEmpty()) << f.name;
        EXPECT_EQ(r.table.rowCount(), 7) << f.name;
        EXPECT_EQ(r.table.cell(1, 0), "1") << f.name; // no byte-order mark left in the number
        EXPECT_EQ(r.table.name(1, 1), QString::fromUtf8("Żyto")) << f.name;
        EXPECT_EQ(r.table.name(5, 0), QString::fromUtf8("Пшеница мягкая")) << f.name;
        EXPECT_EQ(r.table.name(3, 0), QString::fromUtf8("Blé tendre")) << f.name;
    }
    // Without a mark the text is read in the system's 8-bit code page; plain
    // ASCII reads the same in every one of them.
    const SpeciesLoadResult plain = LoadGatunki(write("1#Oats#Owies#\n2#Rye#Zyto#", "plain"));
    EXPECT_TRUE(plain.message.isEmpty());
    EXPECT_EQ(plain.table.rowCount(), 7);
    EXPECT_EQ(plain.table.name(1, 1), "Zyto");
}

TEST_F(SpeciesFile, BadLinesAreRefusedAndListedGoodLinesKept) {
    // 8 lines: the table has 13 rows, 0..12.
    const QString path = writeUtf8("1#Wheat#Pszenica#\r\n"   // 1 good
                                   "x#Oats#Owies#\r\n"       // 2 not a number
                                   "\r\n"                    // 3 blank: skipped
                                   "#Rye#Zyto#\r\n"          // 4 empty number
                                   "12#Maize#Kukurydza#\r\n" // 5 last row of the table
                                   "13#Spelt#Orkisz#\r\n"    // 6 outside the table
                                   "-1#Barley#Jeczmien#\r\n" // 7 outside the table
                                   "7 Peas#Groch#\r\n");     // 8 not a number
    const SpeciesLoadResult r = LoadGatunki(path);
    ASSERT_TRUE(r.fileRead);
    EXPECT_EQ(r.table.rowCount(), 13);
    EXPECT_EQ(r.refusedLines, (QList<int>{2, 4, 6, 7, 8}));
    EXPECT_EQ(r.table.name(0, 0), "Wheat");
    EXPECT_EQ(r.table.name(1, 11), "Kukurydza");
    for (int row = 0; row < r.table.rowCount(); ++row) {
        if (row != 1 && row != 12) {
            EXPECT_TRUE(r.table.cell(row, 1).isEmpty()) << row;
        }
    }
    EXPECT_TRUE(r.message.contains(QDir::toNativeSeparators(path))) << r.message.toStdString();
    EXPECT_TRUE(r.message.contains("2, 4, 6, 7, 8")) << r.message.toStdString();
}

TEST_F(SpeciesFile, NamesBeyondTheLastColumnAreDroppedAndReported) {
    QString line = "1#";
    for (int i = 1; i <= 31; ++i)
        line += QString("n%1#").arg(i);
    const SpeciesLoadResult r = LoadGatunki(writeUtf8("2#a#\r\n" + line + "\r\n"));
    EXPECT_EQ(r.refusedLines, QList<int>{});
    EXPECT_EQ(r.truncatedLines, QList<int>{2});
    EXPECT_EQ(r.table.cell(1, 29), "n29");
    EXPECT_EQ(r.table.cell(2, 1), "a");
    EXPECT_FALSE(r.message.isEmpty());
}

TEST_F(SpeciesFile, MissingFileGivesAnEmptyTableAndAMessage) {
    const QString path = dir.filePath("nowhere/GatunkiZQM.txt");
    const SpeciesLoadResult r = LoadGatunki(path);
    EXPECT_FALSE(r.fileRead);
    EXPECT_TRUE(r.message.contains(QDir::toNativeSeparators(path))) << r.message.toStdString();
    EXPECT_TRUE(r.table.name(1, 2).isEmpty());
}

// The file delivered beside the program: every species named in all seven
// languages, looked up as the import does (species index 2 in Polish is the
// name in column 2 of row 3), also through the hidden grid.
TEST(DeliveredSpeciesFile, NamesEverySpeciesInEveryLanguage) {
    const QString path = QStringLiteral(ZQM_BIN_DIR "/GatunkiZQM.txt");
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly)) << "not copied beside the executable";
    const QByteArray bytes = raw.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    QFile source(QStringLiteral(ZQM_SOURCE_DIR "/data/GatunkiZQM.txt"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    EXPECT_EQ(bytes, source.readAll());

    const SpeciesLoadResult r = LoadGatunki(path);
    EXPECT_TRUE(r.message.isEmpty()) << r.message.toStdString();
    int species = 0;
    while (!r.table.cell(species + 1, 0).isEmpty())
        ++species;
    EXPECT_GE(species, 24);
    for (int s = 0; s < species; ++s) {
        EXPECT_EQ(r.table.cell(s + 1, 0), QString::number(s + 1));
        for (int lang = 0; lang < 7; ++lang)
            EXPECT_FALSE(r.table.name(lang, s).isEmpty()) << s << "/" << lang;
        EXPECT_TRUE(r.table.cell(s + 1, 8).isEmpty()) << s; // every line ends with "#"
    }
    EXPECT_EQ(r.table.name(0, 0), "Wheat");
    EXPECT_EQ(r.table.name(1, 2), "Orkisz");
    EXPECT_EQ(r.table.name(5, 3), QString::fromUtf8("Рожь"));

    QTableWidget StringGrid1;
    fillStringGrid(&StringGrid1, r.table);
    EXPECT_EQ(StringGrid1.rowCount(), r.table.rowCount());
    EXPECT_EQ(StringGrid1.columnCount(), 30);
    EXPECT_EQ(stringGridCell(&StringGrid1, 2 + 1, 1 + 1), "Orkisz");
    EXPECT_EQ(stringGridCell(&StringGrid1, 3, 0), "3");
    EXPECT_TRUE(stringGridCell(&StringGrid1, species + 1, 1).isEmpty());
    EXPECT_TRUE(stringGridCell(&StringGrid1, 1000, 1).isEmpty());
}
