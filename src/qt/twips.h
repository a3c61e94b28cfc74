// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <QRect>
#include <QSize>

namespace quimbelo::qt {

// The windows are designed in twips, 1/1440 inch: 15 to a logical pixel at 96 dots per
// inch. This is the one place where they become pixels; Qt's high-DPI scaling does the
// rest, so a design stays in proportion on any screen.
namespace twips {

inline constexpr int kPerPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + kPerPixel / 2) / kPerPixel;
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
