#pragma once
// The look shared by the small prompt and status windows: no caption bar,
// light blue background, a 2-pixel maroon frame around the whole client area,
// Tahoma 14 pt text.
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QWidget>

namespace PromptLook {
inline const QColor kBackground{204, 231, 248};
inline const QColor kFrame{128, 0, 0};

// Borderless, coloured window of the given client size with the frame shape.
void apply(QWidget* window, int clientWidth, int clientHeight);
// Tahoma at the given pixel height (DejaVu Sans where Tahoma is missing).
QFont font(int pixelHeight, bool bold = false);
// Places `window` centred over `over` (or the primary screen when null).
void centreOver(QWidget* window, const QWidget* over);
// Button pictures: a green tick and a red cross, each with a greyed state.
QIcon tickIcon();
QIcon crossIcon();
} // namespace PromptLook

// Transparent rectangle with an outline that always fills its parent.
class FrameShape : public QWidget {
public:
    FrameShape(QWidget* parent, QColor pen, int penWidth, QColor fill = Qt::transparent);

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QColor pen_;
    int penWidth_;
    QColor fill_;
};
