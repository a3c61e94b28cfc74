// SPDX-License-Identifier: MIT
#include "heldkeyfilter.h"

#include <QKeyEvent>

namespace quimbelo::qt {

bool HeldKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        m_lastRelease.insert(key->key(), key->timestamp());
    } else if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        const auto released = m_lastRelease.constFind(key->key());
        const bool repeat = key->isAutoRepeat()
            || (released != m_lastRelease.cend() && key->timestamp() != 0
                && *released == key->timestamp());
        if (repeat) {
            // Taken as the focused control's own key, the press triggers no shortcut.
            key->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quimbelo::qt
