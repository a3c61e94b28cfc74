// SPDX-License-Identifier: MIT
// The splash's and About's controls under the play layer.
#include "formwidgets.h"

#include "accessibility.h"
#include "text.h"

namespace quimbelo::win32 {

FormWidgets::FormWidgets(const design::Window &design, FormBuilder &controls)
    : m_design(design)
    , m_controls(controls)
{
}

void FormWidgets::attach(HWND window)
{
    m_window = window;
    m_announcer = accessibility::makeAnnouncer(window);
}

void FormWidgets::setTitle(std::string_view utf8)
{
    SetWindowTextW(m_window, fromUtf8(utf8).c_str());
}

void FormWidgets::setCaption(const design::Control &control, std::string_view utf8)
{
    m_controls.setText(m_controls.get(control.name, control.index), linesFromUtf8(utf8));
}

void FormWidgets::startTimer(const design::Control &timer, int milliseconds)
{
    SetTimer(m_window, static_cast<UINT_PTR>(FormBuilder::controlId(m_design, timer)),
        static_cast<UINT>(milliseconds), nullptr);
}

void FormWidgets::stopTimer(const design::Control &timer)
{
    KillTimer(m_window, static_cast<UINT_PTR>(FormBuilder::controlId(m_design, timer)));
}

void FormWidgets::announce(std::string_view utf8)
{
    accessibility::announce(m_announcer, fromUtf8(utf8));
}

const design::Control *FormWidgets::timer(WPARAM id) const
{
    for (const design::Control &control : m_design.controls) {
        if (control.kind == design::Kind::Timer
            && static_cast<WPARAM>(FormBuilder::controlId(m_design, control)) == id) {
            return &control;
        }
    }
    return nullptr;
}

} // namespace quimbelo::win32
