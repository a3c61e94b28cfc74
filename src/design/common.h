// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

// What the three windows share.
namespace quimbelo::design {

// The font of every control that names none.
inline constexpr Font kDefaultFont { "MS Sans Serif", 8.25 };

// The buttons of the message boxes, Spanish whatever the desktop's language.
inline constexpr std::string_view kOkButton = "Aceptar";
inline constexpr std::string_view kYesButton = "Sí";
inline constexpr std::string_view kNoButton = "No";

// Timers tick no faster than every 55 ms, the timer resolution of the desktop the game
// was designed on: "Novedad" flashes at every tick it gets without loading the machine.
inline constexpr int kTimerResolutionMs = 55;

} // namespace quimbelo::design
