#pragma once
// The lexicon (DesignedLexicon1): the numbered messages that code, rather than
// a window caption, shows to the user. Items keep their numbers whether or not
// anything asks for them; translations live in the "DesignedLexicon" context
// of the Qt translation files.
#include <QString>

class DesignedLexicon {
public:
    static constexpr int ItemCount = 14;

    // Item n in the current language; the empty text for a number outside
    // 0..13.
    QString GetItem(int n) const;

    // Item n in English, the source language (empty outside 0..13).
    static QString sourceText(int n);
};
