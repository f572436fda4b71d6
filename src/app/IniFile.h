#pragma once
// A small INI file: [Section] headers and Name=Value lines, kept in memory.
// Reading is forgiving: lines that are neither are skipped, so a damaged or
// foreign file yields whatever entries can still be recognised.
#include <QMap>
#include <QString>

class IniFile {
public:
    // Reads `path`; a missing or unreadable file gives an empty set.
    // Returns false when the file existed but could not be read or held
    // lines that were not understood.
    bool load(const QString& path);
    // Writes every section to `path` at once (all or nothing).
    bool save(const QString& path) const;

    bool contains(const QString& section, const QString& name) const;
    QString value(const QString& section, const QString& name,
                  const QString& fallback = QString()) const;
    void setValue(const QString& section, const QString& name, const QString& value);

    void parse(const QString& text);
    QString text() const;
    bool clean() const { return clean_; }

private:
    QMap<QString, QMap<QString, QString>> sections_;
    bool clean_ = true;
};
