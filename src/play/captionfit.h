// SPDX-License-Identifier: MIT
#pragma once

// How a label shows a caption too long for its width: first in smaller sizes of its
// font, then, at the smallest, over as many lines as it takes, so that every character
// of the hidden word can be seen however long a list's item is.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quimbelo::play {

struct CaptionFit
{
    double points = 0; // the font size
    std::vector<std::string> lines; // never empty; one line when the caption fits
};

// The width of a text at a font size, in the unit of room.
using MeasureText = std::function<double(std::string_view text, double points)>;

// The sizes tried: the designed one, then smaller by kFitStep while still above kFitFloor.
inline constexpr double kFitStep = 0.75;
inline constexpr double kFitFloor = 7.0;

// Fits text, Windows-1252 or UTF-8, into lines of at most room wide. Lines break after the
// last blank that lets a line fit, or between two characters when no blank does; a blank
// at a break is shown by the break itself. A character wider than room alone still
// takes a line of its own.
CaptionFit fitCaption(
    std::string_view text, double designPoints, double room, const MeasureText &measure);

} // namespace quimbelo::play
