// SPDX-License-Identifier: MIT
// The controls of a window, built from its design, and found and changed by the window.
#pragma once

#include "controls.h"
#include "formlayout.h"
#include "formpainter.h"
#include "pictures.h"
#include "window.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quimbelo::win32 {

// A control of a window as built from its design, with what the window keeps of it.
struct FormControl
{
    const design::Control *design = nullptr;
    HWND hwnd = nullptr; // none for shapes, lines and timers
    HWND container = nullptr;
    int id = 0;
    COLORREF text = CLR_INVALID; // CLR_INVALID: the default of the control's kind
    COLORREF background = CLR_INVALID; // CLR_INVALID: what lies behind shows through
    HBRUSH backgroundBrush = nullptr;
    pictures::Picture::Ptr picture;
    std::wstring toolTip;
};

// Builds a window's controls from its design: each control a child window (shapes and
// lines are painted by their container, timers are SetTimer ids), with its caption,
// colours, tool tip, picture and focus order. Its layout places them and gives them their
// fonts at the window's DPI, and its painter draws them as designed: the windows that
// hold the controls pass their messages through handle().
class FormBuilder
{
public:
    FormBuilder() = default;
    ~FormBuilder();
    FormBuilder(const FormBuilder &) = delete;
    FormBuilder &operator=(const FormBuilder &) = delete;

    // Builds every control of design into window, whose client area is the design's.
    void build(const design::Window &design, HWND window);
    // The same in steps, so that a window can be built while the program answers its
    // player: begin, then buildSome until it says that every control is built.
    void begin(const design::Window &design, HWND window);
    bool buildSome(std::size_t count);
    // Then decodes the pictures of the controls that show, count at a time, so that the
    // window's first frame only copies them; true once none is left.
    bool preparePictures(std::size_t count);

    // Places and fonts at the window's DPI, again after it changed.
    void layout(UINT dpi);
    UINT dpi() const { return m_layout.dpi(); }
    HFONT font(const design::Font &font) { return m_layout.font(font); }

    // Returns true with result set when the painter handled the message.
    bool handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result)
    {
        return m_painter.handle(hwnd, message, wParam, lParam, result);
    }

    const design::Window *design() const { return m_design; }
    const std::vector<FormControl> &controls() const { return m_controls; }
    // The control of a design name, with its index for an array.
    FormControl &get(std::string_view name, int index = -1);
    // The control of a child window or a control id; null for none.
    const FormControl *fromWindow(HWND hwnd) const
    {
        return hwnd != nullptr ? findIf([&](const FormControl &c) { return c.hwnd == hwnd; })
                               : nullptr;
    }
    const FormControl *fromId(int id) const
    {
        return findIf([&](const FormControl &c) { return c.id == id; });
    }

    // The control id of a control of a window: fixed by its row in the design's table.
    static int controlId(const design::Window &design, const design::Control &control);

    void setText(FormControl &control, const std::wstring &text);
    void setTextColour(FormControl &control, COLORREF colour);
    void setPicture(FormControl &control, pictures::Picture::Ptr picture);
    // Shows a control's new look, and what lies behind it where it lets that through.
    void redraw(const FormControl &control);

private:
    HWND create(FormControl &control, HWND parent, bool groupStart);
    template <typename Match> const FormControl *findIf(Match match) const
    {
        const auto found = std::find_if(m_controls.begin(), m_controls.end(), match);
        return found != m_controls.end() ? &*found : nullptr;
    }

    const design::Window *m_design = nullptr;
    HWND m_window = nullptr;
    HWND m_toolTips = nullptr;
    std::vector<FormControl> m_controls;
    std::vector<FormControl *> m_unbuilt; // in the order they are made, the last first
    const design::Kind *m_previousKind = nullptr;
    HWND m_previousParent = nullptr;
    std::optional<std::vector<const FormControl *>> m_unprepared;
    std::vector<std::unique_ptr<Window>> m_frames;
    FormLayout m_layout;
    FormPainter m_painter { *this };
};

} // namespace quimbelo::win32
