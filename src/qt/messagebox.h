// SPDX-License-Identifier: MIT
#pragma once

#include "formport.h"

#include <QFontMetrics>
#include <QString>

class QWidget;

namespace quimbelo::qt {

// The game's modal message boxes: the program's title, the icon of the style, Spanish
// buttons, and the game's lone carriage returns shown as line breaks.
namespace messagebox {

// The text as a box shows it: lone carriage returns as line breaks, and words wider than
// width broken over several lines.
QString displayText(const QString &text, const QFontMetrics &metrics, int width);

// Shows the box modally over parent and returns the button pressed.
quimbelo::MessageAnswer show(
    QWidget *parent, const QString &text, quimbelo::MessageStyle style, const QString &title);

} // namespace messagebox

} // namespace quimbelo::qt
