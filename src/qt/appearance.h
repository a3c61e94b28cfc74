// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

namespace quimbelo::qt {

// The look every window of the game shares: the classic grey desktop it was designed
// on, with its fonts. Call once, before any window is built.
void applyClassicAppearance(QApplication &app);

} // namespace quimbelo::qt
