#include "Languages.h"

#include <array>

namespace {

// Picker order equals language index order, so a picker position of a known
// language is also its language index.
const std::array<LanguageInfo, 7>& languages() {
    static const std::array<LanguageInfo, 7> list{{
        {"en", QStringLiteral("English"), QStringLiteral(":/zqm/flags/en.svg"),
         QStringLiteral(":/zqm/banners/banner_en.png")},
        {"pl", QStringLiteral("Polski"), QStringLiteral(":/zqm/flags/pl.svg"),
         QStringLiteral(":/zqm/banners/banner_pl.png")},
        {"de", QStringLiteral("Deutsch"), QStringLiteral(":/zqm/flags/de.svg"),
         QStringLiteral(":/zqm/banners/banner_de.png")},
        {"fr", QStringLiteral("Fran\u00e7ais"), QStringLiteral(":/zqm/flags/fr.svg"),
         QStringLiteral(":/zqm/banners/banner_fr.png")},
        {"es", QStringLiteral("Espa\u00f1ol"), QStringLiteral(":/zqm/flags/es.svg"),
         QStringLiteral(":/zqm/banners/banner_es.png")},
        {"ru", QStringLiteral("\u0420\u0443\u0441\u0441\u043a\u0438\u0439"),
         QStringLiteral(":/zqm/flags/ru.svg"), QStringLiteral(":/zqm/banners/banner_ru.png")},
        {"it", QStringLiteral("Italiano"), QStringLiteral(":/zqm/flags/it.svg"),
         QStringLiteral(":/zqm/banners/banner_it.png")},
    }};
    return list;
}

} // namespace

int languageCount() {
    return int(languages().size());
}

const LanguageInfo* languageAt(int position) {
    if (position < 0 || position >= languageCount())
        return nullptr;
    return &languages()[size_t(position)];
}

int LangNbrFromISOCode(const QString& isoCode) {
    static const char* const codes[] = {"en", "pl", "de", "fr", "es", "ru", "it"};
    for (int i = 0; i < 7; ++i) {
        if (isoCode == QLatin1String(codes[i]))
            return i;
    }
    return 0;
}
