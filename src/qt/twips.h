// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <QRect>
#include <QSize>

namespace quimbelo::qt {

// The windows are designed in twips; here they become Qt's logical pixels, which are
// those of a 96 dots per inch screen. Qt's high-DPI scaling does the rest, so a design
// stays in proportion on any screen.
namespace twips {

constexpr int toPixels(int twips)
{
    return quimbelo::design::toPixels(twips);
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return { toPixels(left), toPixels(top), toPixels(width), toPixels(height) };
}

constexpr QRect rect(const quimbelo::design::Twips &place)
{
    return rect(place.left, place.top, place.width, place.height);
}

constexpr QSize size(int width, int height)
{
    return { toPixels(width), toPixels(height) };
}

} // namespace twips

} // namespace quimbelo::qt
