// SPDX-License-Identifier: MIT
// How a window built from its design is painted: its colours, its owner-drawn controls,
// its shapes, lines and frames, and the envelope cursor.
#pragma once

#include "controls.h"

#include <windows.h>

#include <cstdint>

namespace quimbelo::win32 {

struct FormControl;
class FormBuilder;

// A colour of the design as Windows takes it; CLR_INVALID for a design default.
COLORREF colourRef(const design::Colour &colour);
COLORREF colourRef(std::uint32_t rgb);

// Paints a window built from its design, and the frames in it, from the messages they
// pass it: the colours of their controls, the buttons and pictures they draw themselves,
// the shapes and lines behind them, and the envelope cursor over the mail links.
class FormPainter
{
public:
    explicit FormPainter(FormBuilder &form)
        : m_form(form)
    {
    }
    ~FormPainter();
    FormPainter(const FormPainter &) = delete;
    FormPainter &operator=(const FormPainter &) = delete;

    // The envelope cursor is drawn for the window's DPI.
    void setDpi(UINT dpi);

    // Returns true with result set when the message was handled.
    bool handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);

private:
    void paintContainer(HWND container, HDC dc);
    void drawItem(const FormControl &control, const DRAWITEMSTRUCT &item);
    COLORREF containerBackground(HWND container) const;

    FormBuilder &m_form;
    HCURSOR m_envelope = nullptr;
};

} // namespace quimbelo::win32
