// SPDX-License-Identifier: MIT
#include "placement.h"

#include <algorithm>

namespace quimbelo::qt {

namespace placement {

QPoint centredOn(const QRect &area, const QSize &frame)
{
    const QPoint centred = area.topLeft()
        + QPoint((area.width() - frame.width()) / 2, (area.height() - frame.height()) / 2);
    return { std::max(area.left(), centred.x()), std::max(area.top(), centred.y()) };
}

QPoint centredOver(
    const QRect &ownerFrame, const QMargins &margins, const QSize &clientSize, const QRect &area)
{
    const QSize frame = clientSize.grownBy(margins);
    const QPoint centred = ownerFrame.topLeft()
        + QPoint(
            (ownerFrame.width() - frame.width()) / 2, (ownerFrame.height() - frame.height()) / 2);
    // Within the area where it fits; where it does not, its top left corner stays in it.
    const int x = std::min(centred.x(), area.left() + area.width() - frame.width());
    const int y = std::min(centred.y(), area.top() + area.height() - frame.height());
    return { std::max(area.left(), x), std::max(area.top(), y) };
}

QMargins frameMargins(const QRect &frame, const QRect &client)
{
    return { client.left() - frame.left(), client.top() - frame.top(),
        frame.right() - client.right(), frame.bottom() - client.bottom() };
}

} // namespace placement

} // namespace quimbelo::qt
