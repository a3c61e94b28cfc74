// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace quimbelo::qt {

// A label whose text has grown wider than its designed box (a longer version number, a
// font a pixel wider than the one it was designed with) widens to show all of it,
// keeping its aligned edge in place. It never shrinks below designWidth.
inline void widenToText(QLabel *label, int designWidth)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text())
        + 2 * label->frameWidth() + 2 * std::max(label->indent(), 1);
    const int width = std::max(designWidth, needed);
    const int grown = width - label->width();
    if (grown == 0) {
        return;
    }
    QRect box = label->geometry();
    if (label->alignment() & Qt::AlignRight) {
        box.setLeft(box.left() - grown);
    } else if (label->alignment() & Qt::AlignHCenter) {
        box.setLeft(box.left() - grown / 2);
        box.setWidth(width);
    } else {
        box.setWidth(width);
    }
    label->setGeometry(box);
}

} // namespace quimbelo::qt
