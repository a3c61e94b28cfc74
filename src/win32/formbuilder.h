// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "pictures.h"

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

// Builds a window's controls from its design and keeps them drawn as designed: each
// control a child window (shapes and lines are painted by their container, timers are
// SetTimer ids), at its place converted from twips at the window's DPI, with its caption,
// font, colours, tool tip, picture and focus order. The windows that hold the controls
// pass their messages through handle().
class FormBuilder
{
public:
    struct Control
    {
        const quimbelo::design::Control *design = nullptr;
        HWND hwnd = nullptr; // none for shapes, lines and timers
        HWND container = nullptr;
        int id = 0;
        COLORREF text = CLR_INVALID; // CLR_INVALID: the default of the control's kind
        COLORREF background = CLR_INVALID; // CLR_INVALID: what lies behind shows through
        HBRUSH backgroundBrush = nullptr;
        pictures::Picture::Ptr picture;
        std::wstring toolTip;
    };

    FormBuilder() = default;
    ~FormBuilder();
    FormBuilder(const FormBuilder &) = delete;
    FormBuilder &operator=(const FormBuilder &) = delete;

    // Builds every control of design into window, whose client area is the design's.
    void build(const quimbelo::design::Window &design, HWND window);
    // The same in steps, so that a window can be built while the program answers its
    // player: begin, then buildSome until it says that every control is built.
    void begin(const quimbelo::design::Window &design, HWND window);
    bool buildSome(std::size_t count);
    // Then decodes the pictures of the controls that show, count at a time, so that the
    // window's first frame only copies them; true once none is left.
    bool preparePictures(std::size_t count);

    // Places and fonts at the window's DPI, again after it changed.
    void layout(UINT dpi);
    UINT dpi() const { return m_dpi; }

    Control *find(std::string_view name, int index = -1);
    Control &get(std::string_view name, int index = -1);
    Control *fromWindow(HWND hwnd);
    Control *fromId(int id);
    const std::vector<Control> &controls() const { return m_controls; }

    // The control id of a control of a window: fixed by its row in the design's table.
    static int controlId(
        const quimbelo::design::Window &design, const quimbelo::design::Control &control);

    // The design's pixels at the window's DPI.
    static int scaled(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }
    static RECT scaled(const quimbelo::design::Twips &place, UINT dpi);
    static COLORREF colourRef(const quimbelo::design::Colour &colour);
    static COLORREF colourRef(std::uint32_t rgb);

    // A font of the design at the window's DPI; the window's own font for a default one.
    HFONT font(const quimbelo::design::Font &font);

    void setText(Control &control, const std::wstring &text);
    void setTextColour(Control &control, COLORREF colour);
    void setPicture(Control &control, pictures::Picture::Ptr picture);
    void setFont(Control &control, HFONT font);
    // Shows a control's new look, and what lies behind it where it lets that through.
    void redraw(const Control &control);

    // Colours, owner-drawn controls, the envelope cursor and the painting of the window
    // and its frames. Returns true with result set when the message was handled.
    bool handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);

private:
    HWND create(Control &control, HWND parent, bool groupStart);
    void place(Control &control);
    void paintContainer(HWND container, HDC dc);
    void drawItem(Control &control, const DRAWITEMSTRUCT &item);
    COLORREF containerBackground(HWND container) const;

    const quimbelo::design::Window *m_design = nullptr;
    HWND m_window = nullptr;
    HWND m_toolTips = nullptr;
    UINT m_dpi = 96;
    std::vector<Control> m_controls;
    std::vector<Control *> m_unbuilt; // in the order they are made, the last first
    const quimbelo::design::Kind *m_previousKind = nullptr;
    HWND m_previousParent = nullptr;
    std::optional<std::vector<const Control *>> m_unprepared;
    HBRUSH m_windowBrush = nullptr;
    using FontKey = std::tuple<std::string_view, double, bool, bool>;
    std::map<FontKey, HFONT> m_fonts;
    std::vector<HFONT> m_retiredFonts;
    HCURSOR m_envelope = nullptr;
};
