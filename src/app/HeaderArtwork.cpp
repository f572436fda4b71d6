#include "HeaderArtwork.h"

#include <QFile>
#include <QPainter>

namespace HeaderArtwork {
namespace {
const char* const kIso[7] = {"en", "pl", "de", "fr", "es", "ru", "it"};

QPixmap fromResource(const QString& base, QSize size) {
    for (const char* ext : {".png", ".svg"}) {
        const QString path = base + QLatin1String(ext);
        if (QFile::exists(path)) {
            QPixmap pm(path);
            if (!pm.isNull())
                return pm.size() == size
                           ? pm
                           : pm.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    QPixmap plain(size);
    plain.fill(QColor(0xED, 0xED, 0xED));
    return plain;
}
} // namespace

QPixmap banner(int languageIndex) {
    if (languageIndex < 0 || languageIndex > 6)
        languageIndex = 0;
    return fromResource(
        QStringLiteral(":/artwork/banner_%1").arg(QLatin1String(kIso[languageIndex])),
        QSize(1110, 274));
}

QPixmap secondPicture() {
    return fromResource(QStringLiteral(":/artwork/header_right"), QSize(320, 274));
}
} // namespace HeaderArtwork
