// SPDX-License-Identifier: MIT
#pragma once

namespace quimbelo {

// The letter keys Letra(0) to Letra(36): the game examines every one of them for a typed
// character. Their captions and places are the window's design.
inline constexpr int kLetraCount = 37;

} // namespace quimbelo
