// SPDX-License-Identifier: MIT
// The controls of a window built from its design, as the play layer works on them: what
// the splash and About need.
#pragma once

#include "formbuilder.h"
#include "widgets.h"

#include <windows.h>

namespace quimbelo::win32 {

class FormWidgets : public play::WindowWidgets
{
public:
    FormWidgets(const design::Window &design, FormBuilder &controls);
    // The window the controls are built into, once it is made; its announcements come
    // from a control of its own made now.
    void attach(HWND window);

    void setTitle(std::string_view utf8) override;
    void setCaption(const design::Control &control, std::string_view utf8) override;
    void startTimer(const design::Control &timer, int milliseconds) override;
    void stopTimer(const design::Control &timer) override;
    void announce(std::string_view utf8) override;

    // The timer of a WM_TIMER's id; null for none of the design.
    const design::Control *timer(WPARAM id) const;

private:
    HWND m_window = nullptr;
    HWND m_announcer = nullptr;
    const design::Window &m_design;
    FormBuilder &m_controls;
};

} // namespace quimbelo::win32
