// SPDX-License-Identifier: MIT
#pragma once

#include "formport.h"

#include <QString>

class QWidget;

// The game's modal message boxes: the program's title, the icon of the style, Spanish
// buttons, and the game's lone carriage returns shown as line breaks.
namespace messagebox {

// Shows the box modally over parent and returns the button pressed.
quimbelo::MessageAnswer show(
    QWidget *parent, const QString &text, quimbelo::MessageStyle style, const QString &title);

} // namespace messagebox
