// Language index, the engine's list, switching the application's language and
// the lexicon in every language.
#include "DesignedLexicon.h"
#include "LanguageEngine.h"
#include "LanguagePicker.h"
#include "Languages.h"

#include <QComboBox>
#include <QEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A window that counts the language changes it is told about.
class LanguageAwareWidget : public QWidget {
public:
    int changes = 0;

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            ++changes;
        QWidget::changeEvent(event);
    }
};

} // namespace

TEST(LanguageIndex, ComparesIsoCodesExactly) {
    const struct {
        const char* iso;
        int index;
    } cases[] = {{"en", 0}, {"pl", 1}, {"de", 2}, {"fr", 3},  {"es", 4}, {"ru", 5},   {"it", 6},
                 {"", 0},   {"EN", 0}, {"It", 0}, {"it ", 0}, {"pt", 0}, {"pl_PL", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(LangNbrFromISOCode(QString::fromLatin1(c.iso)), c.index) << c.iso;
}

TEST(LanguageIndex, PickerPositionGivesLanguageIndexAsGetActLangNbrDoes) {
    LanguageEngine engine;
    ASSERT_EQ(engine.languageCount(), 7);
    const char* expectedIso[] = {"en", "pl", "de", "fr", "es", "ru", "it"};
    for (int pos = 0; pos < 7; ++pos) {
        EXPECT_EQ(engine.GetISOCode(pos), QLatin1String(expectedIso[pos]));
        EXPECT_EQ(LangNbrFromISOCode(engine.GetISOCode(pos)), pos);
    }
    // A stored position that names no language: empty code, English index.
    for (int pos : {-1, 7, 42}) {
        EXPECT_TRUE(engine.GetISOCode(pos).isEmpty()) << pos;
        EXPECT_EQ(LangNbrFromISOCode(engine.GetISOCode(pos)), 0) << pos;
        EXPECT_TRUE(engine.languageName(pos).isEmpty()) << pos;
    }
}

TEST(LanguagePicker, ListsTheSevenLanguagesEnglishFirstWithFlags) {
    LanguageEngine engine;
    QComboBox picker;
    fillLanguagePicker(&picker, engine);
    const QStringList names = {"English",
                               "Polski",
                               "Deutsch",
                               QString::fromUtf8("Français"),
                               QString::fromUtf8("Español"),
                               QString::fromUtf8("Русский"),
                               "Italiano"};
    ASSERT_EQ(picker.count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(picker.itemText(i), names[i]);
        EXPECT_EQ(picker.itemData(i).toString(), engine.GetISOCode(i));
        EXPECT_FALSE(picker.itemIcon(i).isNull()) << i;
    }
}

TEST(Lexicon, EnglishItemsKeepTheirNumbersAndTexts) {
    LanguageEngine engine;
    ASSERT_TRUE(engine.Translate("en"));
    const char* expected[] = {"Microsoft Office Excel not installed",
                              "Open Office Calc  not installed",
                              "Grain Moisture Meter",
                              "Hay and Straw Moisture Meter",
                              "Hectolitre Weight Tester",
                              "Temperature",
                              "Moisture",
                              "records read.",
                              "records.",
                              "No objects to report",
                              "Grain Moisture and Density Meter",
                              "Density",
                              "Please turn on your Bluetooth printer!",
                              "A supplier with this name is already on your device!"};
    DesignedLexicon lexicon;
    for (int n = 0; n < DesignedLexicon::ItemCount; ++n)
        EXPECT_EQ(lexicon.GetItem(n), QLatin1String(expected[n])) << n;
    EXPECT_TRUE(lexicon.GetItem(-1).isEmpty());
    EXPECT_TRUE(lexicon.GetItem(14).isEmpty());
}

TEST(LanguageEngine, TranslateSwitchesEveryWindowAndBack) {
    LanguageEngine engine;
    DesignedLexicon lexicon;
    LanguageAwareWidget window;
    LanguageAwareWidget child;
    child.setParent(&window);

    ASSERT_TRUE(engine.Translate("pl"));
    EXPECT_EQ(engine.currentISOCode(), "pl");
    EXPECT_EQ(lexicon.GetItem(7), "Odczytano");
    EXPECT_GT(window.changes, 0);
    EXPECT_GT(child.changes, 0);

    // A language given by its name, as the picker shows it.
    ASSERT_TRUE(engine.Translate(QString::fromUtf8("Русский")));
    EXPECT_EQ(engine.currentISOCode(), "ru");
    EXPECT_EQ(lexicon.GetItem(7), QString::fromUtf8("Прочитано"));

    // Unknown codes change nothing.
    for (const char* bad : {"", "EN", "xx"}) {
        EXPECT_FALSE(engine.Translate(QString::fromLatin1(bad))) << bad;
        EXPECT_EQ(engine.currentISOCode(), "ru");
        EXPECT_EQ(lexicon.GetItem(7), QString::fromUtf8("Прочитано"));
    }

    const int before = window.changes;
    ASSERT_TRUE(engine.Translate("en"));
    EXPECT_EQ(engine.currentISOCode(), "en");
    EXPECT_EQ(lexicon.GetItem(7), "records read.");
    EXPECT_GT(window.changes, before);
}

TEST(LanguageEngine, DestroyingTheEngineLeavesEnglish) {
    DesignedLexicon lexicon;
    {
        LanguageEngine engine;
        ASSERT_TRUE(engine.Translate("de"));
        EXPECT_EQ(lexicon.GetItem(11), "Dichte");
    }
    EXPECT_EQ(lexicon.GetItem(11), "Density");
}

// Every item is really translated in every language, and the end-of-import
// wording reads as a sentence in each language's order.
TEST(Lexicon, EveryLanguageTranslatesEveryItem) {
    LanguageEngine engine;
    DesignedLexicon lexicon;
    for (int pos = 1; pos < engine.languageCount(); ++pos) {
        const QString iso = engine.GetISOCode(pos);
        ASSERT_TRUE(engine.Translate(iso)) << iso.toStdString();
        for (int n = 0; n < DesignedLexicon::ItemCount; ++n) {
            const QString text = lexicon.GetItem(n);
            EXPECT_FALSE(text.isEmpty()) << iso.toStdString() << " item " << n;
            EXPECT_NE(text, DesignedLexicon::sourceText(n)) << iso.toStdString() << " item " << n;
        }
    }
    const struct {
        const char* iso;
        const char* message; // the import's message for 12 records
    } cases[] = {{"pl", "Odczytano 12 rekordów."},  {"es", "Se han leído 12 registros."},
                 {"ru", "Прочитано 12 записей."},   {"de", "12 Datensätze gelesen."},
                 {"fr", "12 enregistrements lus."}, {"it", "12 record letti."}};
    for (const auto& c : cases) {
        ASSERT_TRUE(engine.Translate(QString::fromLatin1(c.iso)));
        const int index = LangNbrFromISOCode(QString::fromLatin1(c.iso));
        const QString message = (index == 1 || index == 4 || index == 5)
                                    ? lexicon.GetItem(7) + " 12 " + lexicon.GetItem(8)
                                    : "12 " + lexicon.GetItem(7);
        EXPECT_EQ(message, QString::fromUtf8(c.message));
    }
    engine.Translate("en");
}
