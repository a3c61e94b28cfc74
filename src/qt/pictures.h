// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "picture.h"

#include <QCursor>
#include <QIcon>

namespace quimbelo::qt {

// The game's pictures, compiled into the program. Every call makes a new picture object,
// as every control that is designed with a picture holds its own.
namespace pictures {

// A designed picture; for a gallows stage, stage k (0, the empty white board, to 10, the
// complete figure) is stage k - 1 with one more part of the same drawing.
Picture::Ptr make(quimbelo::design::Picture picture, int stage = 0);

// The window icon, drawn at whatever size the desktop asks for.
QIcon windowIcon();
// The envelope shown over the mail-link pictures.
QCursor envelopeCursor(qreal devicePixelRatio);

} // namespace pictures

} // namespace quimbelo::qt
