// SPDX-License-Identifier: MIT
#pragma once

// What a screen reader is to say now, without moving the focus: the Qt side of
// play::WindowWidgets::announce().

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QWidget;

namespace quimbelo::qt {

class Announcer : public QObject
{
    Q_OBJECT

public:
    // Speaks for window.
    explicit Announcer(QWidget *window);

    // Said at once while the window is the active one; otherwise once it is, after what
    // the screen reader says of the window and its focus.
    void announce(const QString &text);

    // Every announcement told to a screen reader, in turn.
    const QStringList &told() const { return m_told; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tell(const QString &text);
    void tellWaiting();

    QWidget *m_window;
    QStringList m_waiting;
    QStringList m_told;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Objects of the window's that take no room, which tell the announcements.
    std::array<QWidget *, 4> m_notices {};
    std::size_t m_next = 0;
#endif
};

} // namespace quimbelo::qt
