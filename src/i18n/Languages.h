#pragma once
// The seven interface languages in the order of the language picker, and the
// language index that per-language choices (report template, species column,
// the meter's character set, contact details) are made by.
#include <QString>

struct LanguageInfo {
    const char* isoCode;    // "en", "pl", ...
    QString nativeName;     // the language's own name, shown in the picker
    QString flagResource;   // SVG of the flag in the resources
    QString bannerResource; // 1110 x 274 header picture in that language
};

// Number of languages the picker offers.
int languageCount();

// The language at a picker position, English first; nullptr outside the list.
const LanguageInfo* languageAt(int position);

// Language index from an ISO code: an exact, case-sensitive comparison with
// "en", "pl", "de", "fr", "es", "ru", "it" giving 0..6. Any other code,
// the empty one and "EN" included, gives 0 (English resources).
int LangNbrFromISOCode(const QString& isoCode);
