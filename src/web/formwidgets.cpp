// SPDX-License-Identifier: MIT
// A window's widgets in the page.
#include "formwidgets.h"

#include "formjson.h"
#include "geometry.h"

#include <algorithm>
#include <cmath>

namespace quimbelo::web {

void FormWidgets::build(
    int clientWidthTwips, int clientHeightTwips, std::span<const design::MenuItem> menu) const
{
    page::build(m_window, windowJson(m_design, clientWidthTwips, clientHeightTwips, menu));
    for (const design::Control &control : m_design.controls) {
        if (!control.caption.empty()) {
            widenToText(control, control.caption);
        }
    }
}

void FormWidgets::widenToText(const design::Control &control, std::string_view caption) const
{
    if (control.kind != design::Kind::Label || control.has(design::kWraps)) {
        return;
    }
    const int row = this->row(control);
    const double room = page::lineRoom(m_window, row);
    const int designed = design::toPixels(control.place.width);
    // The widest line, and a pixel either side as the desktop's labels keep.
    double widest = 0;
    for (std::size_t start = 0; start <= caption.size();) {
        const std::size_t end = std::min(caption.find('\n', start), caption.size());
        widest = std::max(
            widest, page::textWidth(m_window, row, caption.substr(start, end - start), 0));
        start = end + 1;
    }
    const int needed = designed + static_cast<int>(std::ceil(widest - room)) + 2;
    const play::Span span = play::realigned({ design::toPixels(control.place.left), designed },
        std::max(designed, needed), control.align);
    page::setSpan(m_window, row, span.left, span.width);
}

int FormWidgets::row(const design::Control &control) const
{
    return rowOf(m_design, control);
}

void FormWidgets::setTitle(std::string_view utf8)
{
    page::setTitle(m_window, utf8);
}

void FormWidgets::setCaption(const design::Control &control, std::string_view utf8)
{
    page::setCaption(m_window, row(control), utf8);
    widenToText(control, utf8);
}

void FormWidgets::startTimer(const design::Control &timer, int milliseconds)
{
    page::startTimer(m_window, row(timer), milliseconds);
}

void FormWidgets::stopTimer(const design::Control &timer)
{
    page::stopTimer(m_window, row(timer));
}

void FormWidgets::announce(std::string_view utf8)
{
    page::announce(utf8);
}

} // namespace quimbelo::web
