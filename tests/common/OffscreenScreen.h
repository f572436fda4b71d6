#pragma once
// Tests run on Qt's offscreen platform with a desktop-sized screen, so that
// maximised windows and the 1411-pixel main window behave as on a real one.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

inline void useDesktopSizedOffscreenScreen() {
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (!chosen.isEmpty() && chosen != "offscreen")
        return;
    const QString config = QDir::temp().filePath(
        QStringLiteral("zqm-offscreen-screen-%1.json").arg(QCoreApplication::applicationPid()));
    QFile f(config);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(R"({"screens":[{"name":"Desktop","x":0,"y":0,"width":1920,"height":1080,)"
                R"("logicalDpi":96}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
}
