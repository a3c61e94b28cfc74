// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>

#include <span>
#include <utility>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace quimbelo::qt {

// Builds a window's controls from its design: each control a widget (or a timer) named
// after its design name ("Letra_19" for an item of an array), at its place, with its
// caption, font, colours, tool tip, picture and focus order.
class FormBuilder
{
public:
    // Builds every control of window into client, the window's client area.
    static FormBuilder build(const quimbelo::design::Window &window, QWidget *client);

    FormBuilder() = default;
    // Starts building the controls of window into client one at a time, with
    // buildNext(), for a window built in short steps.
    FormBuilder(const quimbelo::design::Window &window, QWidget *client);

    // Builds the next control in the design's order and returns true; once every control
    // is built, sets their focus order and returns false.
    bool buildNext();

    // The control of a design name, with its index for an array.
    template <typename T = QWidget> T *get(std::string_view name, int index = -1) const
    {
        return qobject_cast<T *>(m_objects.value(objectName(name, index)));
    }

    // The object name a control is built with.
    static QString objectName(std::string_view name, int index = -1);

private:
    QHash<QString, QObject *> m_objects;
    const quimbelo::design::Window *m_window = nullptr;
    QWidget *m_client = nullptr;
    std::size_t m_next = 0;
    std::vector<std::pair<int, QWidget *>> m_tabOrder;
};

// The colour a design gives, system colours taken from the application's palette; an
// invalid colour for a design default.
QColor toQColor(const quimbelo::design::Colour &colour);

// The font a design gives (not the window's default).
QFont toQFont(const quimbelo::design::Font &font);

// Builds a menu bar from its design. Returns each item's action, by design name.
QHash<QString, QAction *> buildMenuBar(
    QMenuBar *bar, std::span<const quimbelo::design::MenuItem> items);

// Text of the design, in UTF-8.
inline QString designText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace quimbelo::qt
