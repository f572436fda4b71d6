#include "LanguageEngine.h"

#include "Languages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>

LanguageEngine::LanguageEngine(QObject* parent) : QObject(parent) {}

LanguageEngine::~LanguageEngine() {
    removeTranslators();
}

int LanguageEngine::languageCount() const {
    return ::languageCount();
}

QString LanguageEngine::GetISOCode(int position) const {
    const LanguageInfo* lang = languageAt(position);
    return lang ? QString::fromLatin1(lang->isoCode) : QString();
}

QString LanguageEngine::languageName(int position) const {
    const LanguageInfo* lang = languageAt(position);
    return lang ? lang->nativeName : QString();
}

bool LanguageEngine::Translate(const QString& isoCodeOrName) {
    const LanguageInfo* lang = nullptr;
    for (int i = 0; i < ::languageCount() && !lang; ++i) {
        const LanguageInfo* candidate = languageAt(i);
        if (isoCodeOrName == QLatin1String(candidate->isoCode) ||
            isoCodeOrName == candidate->nativeName)
            lang = candidate;
    }
    if (!lang)
        return false;

    const QString iso = QString::fromLatin1(lang->isoCode);
    // Load before removing anything, so a failure leaves the current language.
    std::unique_ptr<QTranslator> app;
    std::unique_ptr<QTranslator> qt;
    if (iso != QLatin1String("en")) {
        app = std::make_unique<QTranslator>();
        if (!app->load(QStringLiteral(":/i18n/zqm_%1.qm").arg(iso)))
            return false;
        // Qt's own texts (standard buttons, file dialogs) where the Qt
        // translations are installed; their absence is not an error.
        qt = std::make_unique<QTranslator>();
        if (!qt->load(QStringLiteral("qtbase_%1").arg(iso),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qt.reset();
    }

    removeTranslators();
    appTranslator_ = std::move(app);
    qtTranslator_ = std::move(qt);
    if (qtTranslator_)
        QCoreApplication::installTranslator(qtTranslator_.get());
    if (appTranslator_)
        QCoreApplication::installTranslator(appTranslator_.get());
    current_ = iso;
    // The application posts the change to its windows; deliver it now so
    // every caption has changed when Translate returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    emit languageChanged(iso);
    return true;
}

void LanguageEngine::removeTranslators() {
    if (appTranslator_)
        QCoreApplication::removeTranslator(appTranslator_.get());
    if (qtTranslator_)
        QCoreApplication::removeTranslator(qtTranslator_.get());
    appTranslator_.reset();
    qtTranslator_.reset();
}
