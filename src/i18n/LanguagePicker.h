#pragma once
// Fills the language picker (LangFlagsCombo1) with the engine's languages in
// list order, each with its flag and its own name, so that the picker's item
// index is the engine's list position.
class QComboBox;
class LanguageEngine;

void fillLanguagePicker(QComboBox* picker, const LanguageEngine& engine);
