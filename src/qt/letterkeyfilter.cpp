// SPDX-License-Identifier: MIT
#include "letterkeyfilter.h"

#include <QKeyEvent>
#include <QList>
#include <QVariant>

namespace quimbelo::qt {

LetterKeyFilter::LetterKeyFilter(KeyPress keyPress, QObject *parent)
    : QObject(parent)
    , m_keyPress(std::move(keyPress))
{
}

void LetterKeyFilter::watch(QObject *key)
{
    key->installEventFilter(this);
}

bool LetterKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    const auto *key = static_cast<QKeyEvent *>(event);
    // A key held down (the one that closed the splash, say) repeats nothing here.
    if (key->isAutoRepeat()) {
        return true;
    }
    if (event->type() == QEvent::KeyRelease) {
        return false;
    }
    // Alt and Ctrl combinations are menu keys and shortcuts, not characters.
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) {
        return false;
    }
    // One character typed, or none: a key that types several (a dead key's leftovers)
    // names no letter key.
    const QList<uint> typed = key->text().toUcs4();
    if (typed.size() == 1) {
        m_keyPress(watched->property("index").toInt(), char32_t(typed.front()));
    }
    return false;
}

} // namespace quimbelo::qt
