#pragma once
// Per-window entries of the per-user settings file: one section per window,
// each stored property named component_property ("dtpDataOd_Date").
#include <QDateTime>
#include <QRect>
#include <QString>

class IniFile;

// The settings file of the current user: VorzZQM.cfp in the roaming
// application-data folder on Windows, in the XDG config folder elsewhere.
QString settingsFilePath();

class FormStorage {
public:
    FormStorage(IniFile& ini, QString section);

    // "dtpDataOd.Date" -> "dtpDataOd_Date"
    static QString entryName(const QString& property);

    bool readBool(const QString& property, bool fallback) const;
    QString readString(const QString& property, const QString& fallback) const;
    int readInt(const QString& property, int fallback) const;
    QDateTime readDateTime(const QString& property, const QDateTime& fallback) const;

    void writeBool(const QString& property, bool value);
    void writeString(const QString& property, const QString& value);
    void writeInt(const QString& property, int value);
    void writeDateTime(const QString& property, const QDateTime& value);

    // Window placement: the normal (not maximised) frame position and client
    // size, and whether the window was maximised.
    struct Placement {
        QRect normal;
        bool maximised = false;
    };
    // False when the section holds no usable placement.
    bool readPlacement(Placement& out) const;
    void writePlacement(const Placement& placement);

private:
    IniFile& ini_;
    QString section_;
};
