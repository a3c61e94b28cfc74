// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

// The look every window of the game shares: the classic grey desktop it was designed
// on, with its fonts. Call once, before any window is built.
void applyClassicAppearance(QApplication &app);
