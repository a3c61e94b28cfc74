// SPDX-License-Identifier: MIT
// Where windows open and how far a label's box grows, in pixels, whatever the toolkit.
#pragma once

#include "controls.h"

namespace quimbelo::play {

struct Point
{
    int x = 0;
    int y = 0;
    bool operator==(const Point &) const = default;
};

struct Size
{
    int width = 0;
    int height = 0;
    bool operator==(const Size &) const = default;
};

struct Margins
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Margins &) const = default;
};

struct Rect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; } // the first column past the rectangle
    int bottom() const { return top + height; }
    bool operator==(const Rect &) const = default;
};

// The top-left corner that centres a window of frame size frame on area, kept inside the
// area's top and left edges, so that the title bar and the menus stay within reach on a
// screen too small for the whole window.
Point centredOn(const Rect &area, Size frame);

// The top-left corner that centres a window of frame size frame over its owner's frame,
// frame on frame, kept within area, the screen that holds the owner: an owner moved to a
// corner does not push the window off the screen. Where it does not fit, its top left
// corner stays in the area.
Point centredOver(const Rect &ownerFrame, Size frame, const Rect &area);

// The same for a window of client size clientSize that the desktop has not framed yet:
// its frame is taken to be like its owner's, whose margins are its frame less its client.
Point centredOver(
    const Rect &ownerFrame, const Margins &margins, Size clientSize, const Rect &area);

// The frame margins of a window: its frame less its client area.
Margins frameMargins(const Rect &frame, const Rect &client);

// A label's box, along its width, when the label takes another width: its aligned edge
// stays in place, and a centred label keeps its centre (to half a pixel).
struct Span
{
    int left = 0;
    int width = 0;
    bool operator==(const Span &) const = default;
};
Span realigned(Span box, int width, design::Align align);

} // namespace quimbelo::play
