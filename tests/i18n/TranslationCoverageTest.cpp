// Every text collected into the translation sources is translated in every
// language of the engine: read from the .ts files in the source tree and
// looked up through the compiled translations the program loads.
#include "LanguageEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;     // disambiguation, if any
    QString type;        // the translation's type: empty when finished
    QString translation; // as written in the .ts file
};

// Text of the current element; lupdate writes a carriage return as
// <byte value="xd"/>.
QString readText(QXmlStreamReader& xml) {
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value("value").mid(1).toUShort(nullptr, 16));
        else if (xml.isEndElement() && xml.name() != QLatin1String("byte"))
            break;
    }
    return text;
}

std::vector<Message> readTs(const QString& path) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = readText(xml);
        } else if (name == QLatin1String("message")) {
            m = Message{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            m.source = readText(xml);
        } else if (name == QLatin1String("comment")) {
            m.comment = readText(xml);
        } else if (name == QLatin1String("translation")) {
            m.type = xml.attributes().value("type").toString();
            m.translation = readText(xml);
            messages.push_back(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// Placeholders and line breaks a translation must keep.
std::string markers(const QString& text) {
    QStringList found;
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    for (const auto& match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    found << QString::number(text.count(QLatin1String("\r\n"))) + QStringLiteral(" line breaks");
    return found.join(QLatin1Char(' ')).toStdString();
}

} // namespace

TEST(Translations, EveryLanguageTranslatesEverySourceText) {
    // Texts that are rightly the same as the English source.
    const struct {
        const char* iso; // nullptr: every language
        const char* source;
    } sameAsEnglish[] = {{nullptr, "OK"}, {nullptr, "√"}, {"pl", "START"}};

    const QDir dir(QStringLiteral(ZQM_SOURCE_DIR "/src/i18n/translations"));
    LanguageEngine engine;
    ASSERT_GT(engine.languageCount(), 1);

    // Every text of every .ts file, so that a text missing from one
    // language's file is still looked up in that language.
    std::set<std::pair<QString, std::pair<QString, QString>>> all;
    std::vector<std::pair<QString, std::vector<Message>>> files;
    for (int pos = 1; pos < engine.languageCount(); ++pos) {
        const QString iso = engine.GetISOCode(pos);
        files.emplace_back(iso, readTs(dir.filePath("zqm_" + iso + ".ts")));
        EXPECT_FALSE(files.back().second.empty()) << iso.toStdString();
        for (const Message& m : files.back().second)
            all.insert({m.context, {m.source, m.comment}});
    }

    ASSERT_TRUE(all.count({QStringLiteral("TMainUniZQMForm"), {QStringLiteral("START"), {}}}));

    for (const auto& [iso, messages] : files) {
        const std::string lang = iso.toStdString();
        for (const Message& m : messages)
            EXPECT_TRUE(m.type.isEmpty())
                << lang << " [" << m.context.toStdString() << "] " << m.source.toStdString()
                << " is " << m.type.toStdString();

        ASSERT_TRUE(engine.Translate(iso)) << lang;
        for (const auto& [context, text] : all) {
            const auto& [source, comment] = text;
            const QByteArray c = context.toUtf8(), s = source.toUtf8(), d = comment.toUtf8();
            const QString translated = QCoreApplication::translate(
                c.constData(), s.constData(), comment.isEmpty() ? nullptr : d.constData());
            const std::string where = lang + " [" + c.toStdString() + "] " + s.toStdString();
            EXPECT_FALSE(translated.trimmed().isEmpty()) << where;
            bool mayBeSame = false;
            for (const auto& same : sameAsEnglish)
                mayBeSame = mayBeSame || (source == QString::fromUtf8(same.source) &&
                                          (!same.iso || iso == QLatin1String(same.iso)));
            if (!mayBeSame) {
                EXPECT_NE(translated.toStdString(), source.toStdString()) << where;
            }
            EXPECT_EQ(markers(translated), markers(source))
                << where << " -> " << translated.toStdString();
        }
    }
    engine.Translate("en");
}
