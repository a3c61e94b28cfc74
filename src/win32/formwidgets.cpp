// SPDX-License-Identifier: MIT
// The splash's and About's controls under the play layer.
#include "formwidgets.h"

#include "text.h"

FormWidgets::FormWidgets(const quimbelo::design::Window &design, FormBuilder &controls)
    : m_design(design)
    , m_controls(controls)
{
}

void FormWidgets::setTitle(std::string_view utf8)
{
    SetWindowTextW(m_window, win32text::fromUtf8(utf8).c_str());
}

void FormWidgets::setCaption(const quimbelo::design::Control &control, std::string_view utf8)
{
    m_controls.setText(m_controls.get(control.name, control.index), captionText(utf8));
}

void FormWidgets::startTimer(const quimbelo::design::Control &timer, int milliseconds)
{
    SetTimer(m_window, static_cast<UINT_PTR>(FormBuilder::controlId(m_design, timer)),
        static_cast<UINT>(milliseconds), nullptr);
}

void FormWidgets::stopTimer(const quimbelo::design::Control &timer)
{
    KillTimer(m_window, static_cast<UINT_PTR>(FormBuilder::controlId(m_design, timer)));
}

const quimbelo::design::Control *FormWidgets::timer(WPARAM id) const
{
    for (const quimbelo::design::Control &control : m_design.controls) {
        if (control.kind == quimbelo::design::Kind::Timer
            && static_cast<WPARAM>(FormBuilder::controlId(m_design, control)) == id) {
            return &control;
        }
    }
    return nullptr;
}

std::wstring captionText(std::string_view utf8)
{
    std::wstring text = win32text::fromUtf8(utf8);
    for (std::size_t at = text.find(L'\n'); at != std::wstring::npos;
         at = text.find(L'\n', at + 2)) {
        text.insert(at, 1, L'\r');
    }
    return text;
}
