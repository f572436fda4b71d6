#pragma once
// The language engine of the main window (LangManEngine1): knows the seven
// languages in picker order and switches the whole application between them.
// Switching installs the compiled Qt translation of the language (English is
// the source language and needs none), so every widget receives
// QEvent::LanguageChange and retranslates itself.
#include <QObject>
#include <QString>
#include <QTranslator>
#include <memory>

class LanguageEngine : public QObject {
    Q_OBJECT
public:
    explicit LanguageEngine(QObject* parent = nullptr);
    ~LanguageEngine() override; // removes its translators from the application

    // Number of languages in the engine's list (the picker's items).
    int languageCount() const;
    // ISO code of the language at a list position; empty outside the list.
    QString GetISOCode(int position) const;
    // Language name (in that language) at a list position; empty outside.
    QString languageName(int position) const;

    // Switches the application to the language given by ISO code ("pl") or by
    // its name as the list shows it ("Polski"). Returns false, changing
    // nothing, for a code or name that is not in the list.
    bool Translate(const QString& isoCodeOrName);

    // ISO code of the language the application currently shows ("en" at start).
    QString currentISOCode() const { return current_; }

signals:
    void languageChanged(const QString& isoCode);

private:
    void removeTranslators();

    QString current_ = QStringLiteral("en");
    std::unique_ptr<QTranslator> appTranslator_; // our texts
    std::unique_ptr<QTranslator> qtTranslator_;  // Qt's own dialogs and buttons
};
