// SPDX-License-Identifier: MIT
#pragma once

// What Qt tells a screen reader, where its defaults mislead one: installed once, before
// any window is built.

namespace quimbelo::qt {

void setUpAccessibility();

} // namespace quimbelo::qt
