// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

namespace quimbelo::qt {

// Turns what is typed on a letter key into a key press: the character typed, with the
// index of the focused key. The key then goes on to the
// button as usual, so Space still presses it. A key held down repeats nothing.
class LetterKeyFilter : public QObject
{
public:
    using KeyPress = std::function<void(int index, char32_t typed)>;

    LetterKeyFilter(KeyPress keyPress, QObject *parent);

    // Watches a letter key, which carries its index in the property "index".
    void watch(QObject *key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyPress m_keyPress;
};

} // namespace quimbelo::qt
