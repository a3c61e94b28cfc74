// SPDX-License-Identifier: MIT
#include "letterkeyfilter.h"

#include "textcodec.h"

#include <QKeyEvent>
#include <QVariant>

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
    const int code = textcodec::cp1252Code(key->text());
    if (code > 0) {
        m_keyPress(static_cast<std::int16_t>(watched->property("index").toInt()),
            static_cast<std::int16_t>(code));
    }
    return false;
}
