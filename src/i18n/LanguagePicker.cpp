#include "LanguagePicker.h"

#include "Artwork.h"
#include "LanguageEngine.h"

#include <QComboBox>
#include <QSignalBlocker>

void fillLanguagePicker(QComboBox* picker, const LanguageEngine& engine) {
    const QSignalBlocker blocker(picker); // filling is not a choice by the user
    picker->clear();
    picker->setIconSize(QSize(16, 16));
    for (int i = 0; i < engine.languageCount(); ++i)
        picker->addItem(Artwork::flagIcon(i), engine.languageName(i), engine.GetISOCode(i));
}
