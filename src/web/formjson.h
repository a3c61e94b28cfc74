// SPDX-License-Identifier: MIT
// A window's design as the page's script builds it: JSON, in pixels and CSS colours.
#pragma once

#include "controls.h"

#include <span>
#include <string>
#include <string_view>

namespace quimbelo::web {

// The window's design as one JSON object: its name, title, client size, background,
// border and default font, its menu, and each control with its place in CSS pixels (15
// twips to one), caption, font, colours (system colours as the standard scheme has them),
// alignment, tab order, tool tip, picture, flags, timer interval and what a screen reader
// says of it. The controls keep the design's order, which is the order they are stacked
// in and the index by which the page and the program name them to each other.
std::string windowJson(const design::Window &window, int clientWidthTwips, int clientHeightTwips,
    std::span<const design::MenuItem> menu = {});

// A CSS colour, "#rrggbb"; empty for the default of the control's kind.
std::string cssColour(const design::Colour &colour);

// text as a JSON string, quotes included. UTF-8 passes as it is; quotes, backslashes and
// control characters are escaped.
std::string jsonString(std::string_view text);

// The row of a control in its window's design.
int rowOf(const design::Window &window, const design::Control &control);

} // namespace quimbelo::web
