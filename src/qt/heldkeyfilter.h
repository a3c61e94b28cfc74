// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>

namespace quimbelo::qt {

// Keeps a key held down from triggering the window's shortcuts again at every repeat.
// X sends a held key's repeats as releases and presses with one timestamp; the toolkit
// marks them as repeats only when the press is already queued behind the release, which
// a busy machine does not always manage. A press stamped like the key's last release is
// a repeat all the same.
class HeldKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<int, quint64> m_lastRelease; // key -> timestamp of its last release
};

} // namespace quimbelo::qt
