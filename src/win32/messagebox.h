// SPDX-License-Identifier: MIT
// The game's message boxes: Windows' own, with Spanish buttons.
#pragma once

#include "formport.h"

#include <windows.h>

#include <string_view>

namespace quimbelo::win32::messagebox {

// The platform's own message box with the game's style code, owned by owner, with its
// buttons in Spanish ("Aceptar", "Sí", "No") whatever the language of Windows. The text
// and title are UTF-8; line feeds break the lines.
MessageAnswer show(HWND owner, std::string_view text, MessageStyle style, std::string_view title);

} // namespace quimbelo::win32::messagebox
