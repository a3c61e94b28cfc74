// SPDX-License-Identifier: MIT
// Announcements through Qt's accessibility events.
#include "announcer.h"

#include <QAccessible>
#include <QWidget>

namespace quimbelo::qt {

void announce(QWidget *window, const QString &text)
{
    if (window == nullptr || text.isEmpty() || !QAccessible::isActive()) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
#endif
}

} // namespace quimbelo::qt
