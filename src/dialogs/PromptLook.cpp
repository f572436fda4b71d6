#include "PromptLook.h"

#include "Artwork.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace PromptLook {

void apply(QWidget* window, int clientWidth, int clientHeight) {
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    window->setFixedSize(clientWidth, clientHeight);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, kBackground);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
    window->setFont(font(19));
    new FrameShape(window, kFrame, 2);
}

QFont font(int pixelHeight, bool bold) {
    QFont f(QStringLiteral("Tahoma"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

void centreOver(QWidget* window, const QWidget* over) {
    QRect area;
    if (over && over->isVisible())
        area = over->frameGeometry();
    else if (QScreen* s = QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    else
        return;
    QRect r = window->frameGeometry();
    r.moveCenter(area.center());
    window->move(r.topLeft());
}

QIcon tickIcon() {
    return Artwork::okIcon();
}
QIcon crossIcon() {
    return Artwork::cancelIcon();
}

} // namespace PromptLook

FrameShape::FrameShape(QWidget* parent, QColor pen, int penWidth, QColor fill)
    : QWidget(parent), pen_(pen), penWidth_(penWidth), fill_(fill) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(parent->rect());
    parent->installEventFilter(this);
    lower();
}

void FrameShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fill_.alpha() > 0)
        p.fillRect(rect(), fill_);
    const int half = penWidth_ / 2;
    p.setPen(QPen(pen_, penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(rect().adjusted(half, half, -half, -half));
}

bool FrameShape::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}
