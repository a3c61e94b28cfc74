// SPDX-License-Identifier: MIT
// Centring windows on their screen or over their owner, and realigning a label's box.
#include "geometry.h"

#include <algorithm>

namespace quimbelo::play {

Point centredOn(const Rect &area, Size frame)
{
    const int x = area.left + (area.width - frame.width) / 2;
    const int y = area.top + (area.height - frame.height) / 2;
    return { std::max(area.left, x), std::max(area.top, y) };
}

Point centredOver(const Rect &ownerFrame, Size frame, const Rect &area)
{
    const int x = ownerFrame.left + (ownerFrame.width - frame.width) / 2;
    const int y = ownerFrame.top + (ownerFrame.height - frame.height) / 2;
    return { std::max(area.left, std::min(x, area.right() - frame.width)),
        std::max(area.top, std::min(y, area.bottom() - frame.height)) };
}

Point centredOver(const Rect &ownerFrame, const Margins &margins, Size clientSize, const Rect &area)
{
    const Size frame { clientSize.width + margins.left + margins.right,
        clientSize.height + margins.top + margins.bottom };
    return centredOver(ownerFrame, frame, area);
}

Margins frameMargins(const Rect &frame, const Rect &client)
{
    return { client.left - frame.left, client.top - frame.top, frame.right() - client.right(),
        frame.bottom() - client.bottom() };
}

Span realigned(Span box, int width, design::Align align)
{
    const int grown = width - box.width;
    switch (align) {
    case design::Align::Right:
        return { box.left - grown, width };
    case design::Align::Centre:
        return { box.left - grown / 2, width };
    case design::Align::Left:
        break;
    }
    return { box.left, width };
}

} // namespace quimbelo::play
