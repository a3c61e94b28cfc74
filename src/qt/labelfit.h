// SPDX-License-Identifier: MIT
// A Qt label widened to its text.
#pragma once

#include "geometry.h"

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
    if (width == label->width()) {
        return;
    }
    const design::Align align = label->alignment() & Qt::AlignRight ? design::Align::Right
        : label->alignment() & Qt::AlignHCenter                     ? design::Align::Centre
                                                                    : design::Align::Left;
    const QRect box = label->geometry();
    const play::Span span = play::realigned({ box.left(), box.width() }, width, align);
    label->setGeometry(span.left, box.top(), span.width, box.height());
}

} // namespace quimbelo::qt
