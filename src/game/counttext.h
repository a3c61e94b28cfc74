// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quimbelo {

// Counters are shown as plain whole decimal numbers: no sign, blanks or separators.
std::string countText(double value);

// The number a counter's caption shows: leading blanks skipped, then an optional sign
// and digits; anything else reads as 0, as a caption that holds no number.
double countValue(std::string_view caption);

} // namespace quimbelo
