// SPDX-License-Identifier: MIT
// Painting a window built from its design, its frames and its owner-drawn controls.
#include "formpainter.h"

#include "common.h"
#include "formbuilder.h"
#include "text.h"

#include <algorithm>

namespace quimbelo::win32 {

using design::Kind;

namespace {

void fill(HDC dc, const RECT &box, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

} // namespace

COLORREF colourRef(std::uint32_t rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

COLORREF colourRef(const design::Colour &colour)
{
    switch (colour.source) {
    case design::Colour::Source::Default:
        return CLR_INVALID;
    case design::Colour::Source::Exact:
        return colourRef(colour.rgb);
    case design::Colour::Source::System:
        break;
    }
    // The game keeps the classic scheme it was designed in, as the Qt program does:
    // today's schemes give caption text black, which would hide the counters.
    return colourRef(design::standardValue(colour.role));
}

FormPainter::~FormPainter()
{
    if (m_envelope != nullptr) {
        DestroyCursor(m_envelope);
    }
}

void FormPainter::setDpi(UINT dpi)
{
    if (m_envelope != nullptr) {
        DestroyCursor(m_envelope);
    }
    m_envelope = pictures::envelopeCursor(dpi);
}

bool FormPainter::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result)
{
    if (m_form.design() == nullptr) {
        return false; // not built yet
    }
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        const FormControl *control = m_form.fromWindow(reinterpret_cast<HWND>(lParam));
        if (control == nullptr) {
            return false;
        }
        HDC dc = reinterpret_cast<HDC>(wParam);
        const Kind kind = control->design->kind;
        COLORREF text = control->text;
        if (text == CLR_INVALID) {
            text = GetSysColor(
                kind == Kind::Button || kind == Kind::Option ? COLOR_BTNTEXT : COLOR_WINDOWTEXT);
        }
        SetTextColor(dc, text);
        if (control->backgroundBrush != nullptr) {
            SetBkColor(dc, control->background);
            result = reinterpret_cast<LRESULT>(control->backgroundBrush);
            return true;
        }
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    case WM_DRAWITEM: {
        const auto &item = *reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
        const FormControl *control = m_form.fromWindow(item.hwndItem);
        if (control == nullptr) {
            return false;
        }
        drawItem(*control, item);
        result = TRUE;
        return true;
    }
    case WM_SETCURSOR: {
        const FormControl *control = m_form.fromWindow(reinterpret_cast<HWND>(wParam));
        if (control == nullptr || !control->design->has(design::kEnvelopeCursor)
            || LOWORD(lParam) != HTCLIENT || m_envelope == nullptr) {
            return false;
        }
        SetCursor(m_envelope);
        result = TRUE;
        return true;
    }
    case WM_ERASEBKGND: {
        RECT client {};
        GetClientRect(hwnd, &client);
        fill(reinterpret_cast<HDC>(wParam), client, containerBackground(hwnd));
        result = TRUE;
        return true;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint {};
        HDC dc = BeginPaint(hwnd, &paint);
        paintContainer(hwnd, dc);
        EndPaint(hwnd, &paint);
        result = 0;
        return true;
    }
    default:
        break;
    }
    return false;
}

void FormPainter::paintContainer(HWND container, HDC dc)
{
    const UINT dpi = m_form.dpi();
    // A frame: its border, and its caption over the border in its own colour.
    if (const FormControl *frame = m_form.fromWindow(container)) {
        RECT client {};
        GetClientRect(container, &client);
        const std::wstring caption = windowText(container);
        if (caption.empty()) {
            DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
        } else {
            HGDIOBJ old = SelectObject(dc, m_form.font(frame->design->font));
            TEXTMETRICW metrics {};
            GetTextMetricsW(dc, &metrics);
            RECT border = client;
            border.top += metrics.tmHeight / 2;
            DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
            RECT label { client.left + scaled(120, dpi) - 2, client.top, client.right,
                client.top + metrics.tmHeight };
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &label,
                DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            label.right += 4;
            SetBkColor(dc, containerBackground(container));
            SetTextColor(
                dc, frame->text == CLR_INVALID ? GetSysColor(COLOR_WINDOWTEXT) : frame->text);
            ExtTextOutW(dc, label.left + 2, label.top, ETO_OPAQUE, &label, caption.c_str(),
                static_cast<UINT>(caption.size()), nullptr);
            SelectObject(dc, old);
        }
    }

    // The shapes and lines it holds, behind every control.
    for (const FormControl &control : m_form.controls()) {
        const design::Control &designed = *control.design;
        if (control.container != container) {
            continue;
        }
        const RECT box = scaled(designed.place, dpi);
        if (designed.kind == Kind::Shape) {
            // The corners round by a tenth of the shorter side.
            const int diameter = std::min(box.right - box.left, box.bottom - box.top) / 5;
            HPEN pen = CreatePen(PS_SOLID, std::max(1, scaled(15, dpi)), RGB(0, 0, 0));
            const bool hatched = designed.has(design::kHatched);
            HBRUSH brush = hatched ? CreateHatchBrush(HS_CROSS, control.text)
                                   : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
            HGDIOBJ oldPen = SelectObject(dc, pen);
            HGDIOBJ oldBrush = SelectObject(dc, brush);
            const int oldMode = SetBkMode(dc, TRANSPARENT);
            RoundRect(dc, box.left, box.top, box.right, box.bottom, diameter, diameter);
            SetBkMode(dc, oldMode);
            SelectObject(dc, oldBrush);
            SelectObject(dc, oldPen);
            DeleteObject(pen);
            if (hatched) {
                DeleteObject(brush);
            }
        } else if (designed.kind == Kind::Line) {
            fill(dc, box, control.text);
        }
    }
}

void FormPainter::drawItem(const FormControl &control, const DRAWITEMSTRUCT &item)
{
    const design::Control &designed = *control.design;
    const UINT dpi = m_form.dpi();
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    if (designed.kind == Kind::Button) {
        // A graphical button shows its own face colour.
        const bool pushed = (item.itemState & ODS_SELECTED) != 0;
        DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
        const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi);
        RECT face = box;
        InflateRect(&face, -edge, -edge);
        fill(dc, face,
            control.background == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : control.background);
        const std::wstring caption = windowText(item.hwndItem);
        if (pushed) {
            OffsetRect(&face, 1, 1);
        }
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc,
            (item.itemState & ODS_DISABLED) != 0 ? GetSysColor(COLOR_GRAYTEXT)
                : control.text == CLR_INVALID    ? GetSysColor(COLOR_BTNTEXT)
                                                 : control.text);
        HGDIOBJ old = SelectObject(dc, m_form.font(designed.font));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &face,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
        if ((item.itemState & ODS_FOCUS) != 0) {
            InflateRect(&face, -1, -1);
            DrawFocusRect(dc, &face);
        }
        return;
    }
    // Images and picture boxes: their background, then the picture.
    if (control.backgroundBrush != nullptr) {
        FillRect(dc, &box, control.backgroundBrush);
    } else {
        fill(dc, box, containerBackground(control.container));
    }
    if (control.picture) {
        if (designed.kind == Kind::PictureBox || !designed.has(design::kStretched)) {
            const SIZE size = control.picture->sizeAt(dpi);
            box.right = box.left + size.cx;
            box.bottom = box.top + size.cy;
        }
        control.picture->draw(dc, box, dpi);
    }
}

COLORREF FormPainter::containerBackground(HWND container) const
{
    const FormControl *control = m_form.fromWindow(container);
    if (control != nullptr && control->background != CLR_INVALID) {
        return control->background;
    }
    return colourRef(m_form.design()->background);
}

} // namespace quimbelo::win32
