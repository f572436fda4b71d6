#include "Artwork.h"

#include "Languages.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

// Icons are drawn from their SVG with QSvgRenderer, so they need no image
// plugin at run time and stay sharp at every size. The picture keeps its
// proportions, centred in the requested size (a 3:2 flag in a 16 x 16 icon
// is 16 x 11 with transparent bands).
QPixmap renderSvg(const QString& resource, const QSize& size) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid() || size.isEmpty())
        return QPixmap();
    QSizeF drawn = renderer.viewBoxF().size();
    if (drawn.isEmpty())
        drawn = QSizeF(size);
    drawn.scale(QSizeF(size), Qt::KeepAspectRatio);
    const QRectF target(
        QPointF((size.width() - drawn.width()) / 2, qRound((size.height() - drawn.height()) / 2)),
        drawn);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(target);
    renderer.render(&painter, target);
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon iconFromSvg(const QString& resource) {
    QIcon icon;
    for (int side : {16, 24, 32, 48}) {
        const QPixmap pixmap = renderSvg(resource, QSize(side, side));
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

namespace Artwork {

QPixmap banner(int langIndex) {
    const LanguageInfo* lang = languageAt(langIndex);
    if (!lang)
        lang = languageAt(0);
    return QPixmap(lang->bannerResource);
}

QPixmap headerRight() {
    return QPixmap(QStringLiteral(":/zqm/banners/header_right.png"));
}

QIcon flagIcon(int position) {
    const LanguageInfo* lang = languageAt(position);
    return lang ? iconFromSvg(lang->flagResource) : QIcon();
}

QPixmap flagPixmap(int position, const QSize& size) {
    const LanguageInfo* lang = languageAt(position);
    return lang ? renderSvg(lang->flagResource, size) : QPixmap();
}

QIcon okIcon() {
    return iconFromSvg(QStringLiteral(":/zqm/icons/ok.svg"));
}

QIcon cancelIcon() {
    return iconFromSvg(QStringLiteral(":/zqm/icons/cancel.svg"));
}

} // namespace Artwork
