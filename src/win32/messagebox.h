// SPDX-License-Identifier: MIT
#pragma once

#include "formport.h"

#include <windows.h>

#include <string>

namespace messagebox {

// The platform's own message box with the game's style code, owned by owner, with its
// buttons in Spanish ("Aceptar", "Sí", "No") whatever the language of Windows. The text
// and title are the game's Windows-1252; lone carriage returns break the lines.
quimbelo::MessageAnswer show(
    HWND owner, const std::string &text, quimbelo::MessageStyle style, const std::string &title);

} // namespace messagebox
