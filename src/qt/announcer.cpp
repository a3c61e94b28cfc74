// SPDX-License-Identifier: MIT
// Announcements to a screen reader through Qt's accessibility events.
#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace quimbelo::qt {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

// Before Qt 6.8, which tells a screen reader an announcement as such: an object that
// takes no room and holds the text as its name, which the screen reader is told has
// just appeared as a notification. Orca speaks a notification that shows, wherever the
// focus is.
class Notice : public QWidget
{
public:
    using QWidget::QWidget;
};

class AccessibleNotice : public QAccessibleWidget
{
public:
    explicit AccessibleNotice(QWidget *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    {
    }
};

QAccessibleInterface *noticeFactory(const QString &, QObject *object)
{
    if (auto *notice = dynamic_cast<Notice *>(object)) {
        return new AccessibleNotice(notice);
    }
    return nullptr;
}

} // namespace
#endif

Announcer::Announcer(QWidget *window)
    : QObject(window)
    , m_window(window)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    static const bool installed = [] {
        QAccessible::installFactory(noticeFactory);
        return true;
    }();
    Q_UNUSED(installed);
#endif
    m_window->installEventFilter(this);
}

void Announcer::announce(const QString &text)
{
    if (text.isEmpty()) {
        return;
    }
    m_waiting.append(text);
    if (m_window->isVisible() && m_window->isActiveWindow()) {
        tellWaiting();
    }
}

bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::WindowActivate && !m_waiting.isEmpty()) {
        // After the activation has moved the focus: a screen reader speaks the window
        // and its focus first, and that would cut off what came before it.
        QTimer::singleShot(0, this, [this] {
            if (m_window->isActiveWindow()) {
                tellWaiting();
            }
        });
    }
    return QObject::eventFilter(watched, event);
}

void Announcer::tellWaiting()
{
    if (m_waiting.isEmpty()) {
        return;
    }
    const QString text = m_waiting.join(QLatin1Char(' '));
    m_waiting.clear();
    tell(text);
}

void Announcer::tell(const QString &text)
{
    m_told.append(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(m_window, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    // Notices in turn: the screen reader reads a notice's name a moment after it was
    // told, when the next announcement may already have come.
    QWidget *&notice = m_notices.at(m_next);
    m_next = (m_next + 1) % m_notices.size();
    if (notice == nullptr) {
        notice = new Notice(m_window);
        notice->setFocusPolicy(Qt::NoFocus);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setGeometry(0, 0, 0, 0);
    }
    notice->setAccessibleName(text);
    notice->hide();
    notice->show();
#endif
}

} // namespace quimbelo::qt
