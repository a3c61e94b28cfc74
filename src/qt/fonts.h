// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

namespace quimbelo::qt {

// The fonts the windows are designed with, and the free fonts that stand in for them.
namespace fonts {

// Makes "Arial", "MS Sans Serif" and "Comic Sans MS" resolve to metric-compatible free
// fonts, the same on every machine. Call once, before any window is built.
void installSubstitutes();

enum class Style { Regular, Bold, Italic, BoldItalic };

QFont design(const QString &family, double points, Style style = Style::Regular);

// The windows' own font where a control names none.
QFont windowDefault();

} // namespace fonts

} // namespace quimbelo::qt
