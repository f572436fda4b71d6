#pragma once
// Pictures of the main window's header.
#include <QPixmap>

namespace HeaderArtwork {
// Banner of the language with the given index (0 English ... 6 Italian),
// 1110 x 274 pixels.
QPixmap banner(int languageIndex);
// The picture right of the banners, shown only on wide windows.
QPixmap secondPicture();
} // namespace HeaderArtwork
