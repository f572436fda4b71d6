#pragma once
// The program's own pictures, compiled into the i18n library: the banner of
// each language, the right-hand header picture, language flags and the OK and
// Cancel button icons.
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace Artwork {

constexpr QSize BannerSize{1110, 274};
constexpr QSize HeaderRightSize{820, 274};

// Banner of a language index (0 English .. 6 Italian); English for any other.
QPixmap banner(int langIndex);
// The picture that continues the header to the right of the banners.
QPixmap headerRight();

// Flag of the language at a picker position, with 16, 24, 32 and 48 pixel
// sizes; a null icon outside the list.
QIcon flagIcon(int position);
// Flag of a picker position drawn at one size (e.g. 16 x 16).
QPixmap flagPixmap(int position, const QSize& size);

QIcon okIcon();     // green tick
QIcon cancelIcon(); // red cross

} // namespace Artwork
