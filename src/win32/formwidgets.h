// SPDX-License-Identifier: MIT
#pragma once

// The controls of a window built from its design, as the play layer works on them: what
// the splash and About need.

#include "formbuilder.h"
#include "widgets.h"

#include <windows.h>

class FormWidgets : public quimbelo::play::WindowWidgets
{
public:
    FormWidgets(const quimbelo::design::Window &design, FormBuilder &controls);
    // The window the controls are built into, once it is made.
    void attach(HWND window) { m_window = window; }

    void setTitle(std::string_view utf8) override;
    void setCaption(const quimbelo::design::Control &control, std::string_view utf8) override;
    void startTimer(const quimbelo::design::Control &timer, int milliseconds) override;
    void stopTimer(const quimbelo::design::Control &timer) override;

    // The timer of a WM_TIMER's id; null for none of the design.
    const quimbelo::design::Control *timer(WPARAM id) const;

private:
    HWND m_window = nullptr;
    const quimbelo::design::Window &m_design;
    FormBuilder &m_controls;
};

// A caption in UTF-8, its lines broken as Windows breaks them.
std::wstring captionText(std::string_view utf8);
