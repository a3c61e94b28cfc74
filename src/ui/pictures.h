#pragma once

#include "picture.h"

#include <QCursor>
#include <QIcon>

#include <array>

// The game's pictures, compiled into the program. Every call makes a new picture object,
// as every control that is designed with a picture holds its own.
namespace pictures {

inline constexpr int kStageCount = 11;

// Gallows stages 0 (the empty white board) to 10 (the complete figure); stage k is
// stage k - 1 with one more part of the same drawing.
std::array<Picture::Ptr, kStageCount> gallowsStages();

Picture::Ptr gameLogo(); // 71 x 101
Picture::Ptr wordmark(); // 479 x 89
Picture::Ptr mascot(); // 115 x 176
Picture::Ptr sponsorBanner(); // 550 x 183
Picture::Ptr nameBanner(); // 472 x 75

// The window icon, drawn at whatever size the desktop asks for.
QIcon windowIcon();
// The envelope shown over the mail-link pictures.
QCursor envelopeCursor(qreal devicePixelRatio);

} // namespace pictures
