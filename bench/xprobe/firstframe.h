// SPDX-License-Identifier: MIT
// When a window's first frame is complete, told from the rectangles the program draws
// into it (X DAMAGE), without looking at its pixels.
//
// A Qt program sends a frame whole: the first frame is complete once the rectangles cover
// the whole window. A program under Wine sends each control's paint as soon as it is drawn,
// after a first put of the whole window with its background and frame only: with a quiet
// time, the first frame is the last rectangle drawn for the first time once the window has
// been covered whole, when no new rectangle came for that long. A repaint of a rectangle
// already drawn (a blinking label, the frame redrawn on activation) is not new.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

struct Rect
{
    int x, y, w, h;
    bool operator<(const Rect &o) const
    {
        return std::tie(x, y, w, h) < std::tie(o.x, o.y, o.w, o.h);
    }
};

class FirstFrame
{
public:
    // A new size: what was covered before counts no more.
    void resize(int width, int height)
    {
        m_width = width;
        m_height = height;
        m_covered.clear();
        m_coveredCount = 0;
    }

    void draw(const Rect &r, double t)
    {
        if (!std::isnan(m_frame)) {
            return;
        }
        if (m_drawn.insert(r).second) {
            m_lastNew = t;
            ++m_newRects;
        }
        if (!std::isnan(m_complete) || m_width <= 0 || m_height <= 0) {
            return;
        }
        if (m_covered.empty()) {
            m_covered.assign(static_cast<std::size_t>(m_width) * m_height, 0);
        }
        for (int y = std::max(0, r.y); y < std::min(m_height, r.y + r.h); ++y) {
            for (int x = std::max(0, r.x); x < std::min(m_width, r.x + r.w); ++x) {
                std::uint8_t &cell = m_covered[static_cast<std::size_t>(y) * m_width + x];
                if (!cell) {
                    cell = 1;
                    ++m_coveredCount;
                }
            }
        }
        if (m_coveredCount >= static_cast<long>(m_width) * m_height) {
            m_complete = t;
        }
    }

    // The time of the first frame at `now`, NaN while it is not known yet. Once known, it
    // stays: later rectangles do not move it.
    double frame(double now, double quietMs)
    {
        if (std::isnan(m_frame) && !std::isnan(m_complete)) {
            if (quietMs <= 0) {
                m_frame = m_complete;
            } else if (now - m_lastNew >= quietMs) {
                m_frame = m_lastNew;
            }
        }
        return m_frame;
    }

    double complete() const { return m_complete; } // covered whole
    int newRects() const { return m_newRects; }

private:
    int m_width = 0, m_height = 0;
    std::vector<std::uint8_t> m_covered;
    long m_coveredCount = 0;
    double m_complete = NAN;
    std::set<Rect> m_drawn;
    double m_lastNew = NAN;
    int m_newRects = 0;
    double m_frame = NAN;
};
