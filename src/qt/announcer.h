// SPDX-License-Identifier: MIT
#pragma once

// Says a sentence through the screen reader on behalf of a window, without moving the
// focus.

#include <QString>

class QWidget;

namespace quimbelo::qt {

void announce(QWidget *window, const QString &text);

} // namespace quimbelo::qt
