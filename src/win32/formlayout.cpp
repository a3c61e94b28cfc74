// SPDX-License-Identifier: MIT
// Placing a window's controls and making their fonts at the window's DPI.
#include "formlayout.h"

#include "common.h"
#include "formbuilder.h"
#include "geometry.h"
#include "text.h"

#include <algorithm>
#include <cmath>

namespace quimbelo::win32 {

using design::Kind;

RECT scaled(const design::Twips &place, UINT dpi)
{
    const int left = scaled(place.left, dpi);
    const int top = scaled(place.top, dpi);
    return { left, top, left + scaled(place.width, dpi), top + scaled(place.height, dpi) };
}

FormLayout::~FormLayout()
{
    for (auto &entry : m_fonts) {
        DeleteObject(entry.second);
    }
    for (HFONT font : m_retiredFonts) {
        DeleteObject(font);
    }
}

void FormLayout::setDpi(UINT dpi)
{
    if (dpi == m_dpi) {
        return;
    }
    for (auto &entry : m_fonts) {
        m_retiredFonts.push_back(entry.second);
    }
    m_fonts.clear();
    m_dpi = dpi;
}

void FormLayout::apply(const std::vector<FormControl> &controls)
{
    for (const FormControl &control : controls) {
        if (control.hwnd != nullptr) {
            SendMessageW(control.hwnd, WM_SETFONT,
                reinterpret_cast<WPARAM>(font(control.design->font)), FALSE);
            place(control);
        }
    }
    for (HFONT retired : m_retiredFonts) {
        DeleteObject(retired);
    }
    m_retiredFonts.clear();
}

HFONT FormLayout::font(const design::Font &designed)
{
    const design::Font &chosen = designed.isDefault() ? design::kDefaultFont : designed;
    const FontKey key { chosen.family, chosen.points, chosen.bold, chosen.italic };
    auto found = m_fonts.find(key);
    if (found != m_fonts.end()) {
        return found->second;
    }
    const std::wstring family = fromUtf8(chosen.family);
    const int height = -static_cast<int>(std::lround(chosen.points * m_dpi / 72.0));
    HFONT made = CreateFontW(height, 0, 0, 0, chosen.bold ? FW_BOLD : FW_NORMAL,
        chosen.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, family.c_str());
    m_fonts.emplace(key, made);
    return made;
}

void FormLayout::place(const FormControl &control) const
{
    const design::Control &designed = *control.design;
    RECT box = scaled(designed.place, m_dpi);
    if (designed.kind == Kind::PictureBox && control.picture) {
        // A picture box takes its picture's size plus its border.
        const SIZE size = control.picture->sizeAt(m_dpi);
        const int edge = GetSystemMetricsForDpi(SM_CXEDGE, m_dpi);
        box.right = box.left + size.cx + 2 * edge;
        box.bottom = box.top + size.cy + 2 * edge;
    } else if (designed.kind == Kind::Image && !designed.has(design::kStretched)
        && control.picture) {
        const SIZE size = control.picture->sizeAt(m_dpi);
        box.right = box.left + size.cx;
        box.bottom = box.top + size.cy;
    } else if (designed.kind == Kind::Label && !designed.has(design::kWraps)) {
        // A label whose text is wider than its box (a longer number, a font a pixel wider
        // than the one it was designed with) widens to show all of it, its aligned edge
        // kept in place; one whose text holds several lines grows downwards to hold them,
        // over what lies below.
        const std::wstring text = windowText(control.hwnd);
        const bool lines = text.find(L'\n') != std::wstring::npos;
        HDC dc = GetDC(control.hwnd);
        HGDIOBJ old = SelectObject(
            dc, reinterpret_cast<HFONT>(SendMessageW(control.hwnd, WM_GETFONT, 0, 0)));
        RECT measured {};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
            DT_CALCRECT | DT_NOPREFIX | (lines ? 0 : DT_SINGLELINE));
        SelectObject(dc, old);
        ReleaseDC(control.hwnd, dc);
        const int frame
            = designed.has(design::kBorder) ? 2 * GetSystemMetricsForDpi(SM_CXBORDER, m_dpi) : 0;
        const int width = box.right - box.left;
        const int needed = measured.right - measured.left + frame + 2;
        const play::Span span
            = play::realigned({ box.left, width }, std::max(width, needed), designed.align);
        box.left = span.left;
        box.right = span.left + span.width;
        if (lines) {
            box.bottom = std::max(box.bottom, box.top + measured.bottom - measured.top + frame);
            SetWindowPos(control.hwnd, HWND_TOP, box.left, box.top, box.right - box.left,
                box.bottom - box.top, SWP_NOACTIVATE);
            return;
        }
    }
    SetWindowPos(control.hwnd, nullptr, box.left, box.top, box.right - box.left,
        box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace quimbelo::win32
