// SPDX-License-Identifier: MIT
#pragma once

#include "formport.h"

#include <QString>

class QWidget;

// The game's modal message boxes: the program's title, the icon of the style, Spanish
// buttons, and the game's lone carriage returns shown as line breaks.
namespace messagebox {

// The text as a box shows it: lone carriage returns as line breaks, and words too long
// for one line broken over several.
QString displayText(const QString &text);

// Shows the box modally over parent and returns the button pressed.
quimbelo::MessageAnswer show(
    QWidget *parent, const QString &text, quimbelo::MessageStyle style, const QString &title);

} // namespace messagebox
