// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace quimbelo::qt {

// Where windows open.
namespace placement {

// The top-left corner that centres a window of frame size frame on area, kept inside the
// area's top and left edges, so that the title bar and the menus stay within reach on a
// screen too small for the whole window.
QPoint centredOn(const QRect &area, const QSize &frame);

// The top-left corner of the frame that centres a window, frame on frame, over its
// owner, whose frame is ownerFrame, kept within area, the screen that holds the owner:
// an owner moved to a corner does not push the window off the screen. The desktop has
// not framed the new window yet: its frame is taken to be like its owner's, whose
// margins are its frame less its client.
QPoint centredOver(
    const QRect &ownerFrame, const QMargins &margins, const QSize &clientSize, const QRect &area);

// The frame margins of a window: its frame geometry less its geometry.
QMargins frameMargins(const QRect &frame, const QRect &client);

} // namespace placement

} // namespace quimbelo::qt
