#pragma once
// A settings file of the test's own, and a way to start the main window on it.
#include "ErrorHandler.h"
#include "Forms.h"
#include "SpreadsheetProbe.h"
#include "TMainUniZQMForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Answers the spreadsheet question from a fixed set of keys.
class FixedProbe : public SpreadsheetProbe {
public:
    QStringList present;
    bool classesRootKeyExists(const QString& key) const override { return present.contains(key); }
};

class AppFixture {
public:
    // The program folder holds copies of the files the build delivers beside
    // the executable.
    // `omit` names delivered files the test wants missing.
    explicit AppFixture(const QStringList& omit = {}) {
        ErrorHandler::setSink([this](const QString& m) { messages << m; });
        // The simulated meter stands behind the real driver interface.
        qputenv("ZQM_DRIVER", "sim");
        for (const QString& name : {QStringLiteral("GatunkiZQM.txt"), QStringLiteral("ZQMBASE.fb")})
            if (!omit.contains(name))
                QFile::copy(QStringLiteral(ZQM_BIN_DIR "/") + name, dir.filePath(name));
    }
    ~AppFixture() {
        ErrorHandler::setSink(nullptr);
        forgetForms();
    }

    QString settingsPath() const { return dir.filePath(QStringLiteral("VorzZQM.cfp")); }

    void writeSettings(const QByteArray& text) {
        QFile f(settingsPath());
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }
    QString settingsText() const {
        QFile f(settingsPath());
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }

    // A main window shown and through its start-up sequence.
    std::unique_ptr<TMainUniZQMForm> startWindow() {
        auto w = std::make_unique<TMainUniZQMForm>(settingsPath(), &probe);
        createSecondaryForms(w.get());
        w->programFolder = dir.path();
        w->show();
        QApplication::processEvents(); // the start-up sequence runs queued
        return w;
    }

    QTemporaryDir dir;
    FixedProbe probe;
    QStringList messages;
};
