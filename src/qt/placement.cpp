// SPDX-License-Identifier: MIT
// Qt's rectangles through the play layer's placement.
#include "placement.h"

#include "geometry.h"

namespace quimbelo::qt {

namespace placement {

namespace {

play::Rect toPlay(const QRect &rect)
{
    return { rect.x(), rect.y(), rect.width(), rect.height() };
}

} // namespace

QPoint centredOn(const QRect &area, const QSize &frame)
{
    const play::Point at = play::centredOn(toPlay(area), { frame.width(), frame.height() });
    return { at.x, at.y };
}

QPoint centredOver(
    const QRect &ownerFrame, const QMargins &margins, const QSize &clientSize, const QRect &area)
{
    const play::Point at = play::centredOver(toPlay(ownerFrame),
        { margins.left(), margins.top(), margins.right(), margins.bottom() },
        { clientSize.width(), clientSize.height() }, toPlay(area));
    return { at.x, at.y };
}

QMargins frameMargins(const QRect &frame, const QRect &client)
{
    const play::Margins margins = play::frameMargins(toPlay(frame), toPlay(client));
    return { margins.left, margins.top, margins.right, margins.bottom };
}

} // namespace placement

} // namespace quimbelo::qt
