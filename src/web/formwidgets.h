// SPDX-License-Identifier: MIT
// What every window of the page does for the play layer: the splash's and About's widgets,
// and the part of the game window's that they share.
#pragma once

#include "controls.h"
#include "page.h"
#include "widgets.h"

namespace quimbelo::web {

class FormWidgets : public play::WindowWidgets
{
public:
    FormWidgets(page::WindowId window, const design::Window &design)
        : m_window(window)
        , m_design(design)
    {
    }

    // Builds the window in the page, hidden, at a client size other than the design's
    // where the window's loading gives it one.
    void build(int clientWidthTwips, int clientHeightTwips,
        std::span<const design::MenuItem> menu = {}) const;
    void build() const { build(m_design.clientWidth, m_design.clientHeight); }

    page::WindowId window() const { return m_window; }
    const design::Window &design() const { return m_design; }
    // The row of a control in the window's design: how the page names it.
    int row(const design::Control &control) const;

    // A label that does not wrap widens to show all of its caption, its aligned edge kept
    // in place: a longer version number, a font a pixel wider than the one it was
    // designed with. It never shrinks below its designed width.
    void widenToText(const design::Control &control, std::string_view caption) const;

    // play::WindowWidgets
    void setTitle(std::string_view utf8) override;
    void setCaption(const design::Control &control, std::string_view utf8) override;
    void startTimer(const design::Control &timer, int milliseconds) override;
    void stopTimer(const design::Control &timer) override;
    void announce(std::string_view utf8) override;

private:
    page::WindowId m_window;
    const design::Window &m_design;
};

} // namespace quimbelo::web
