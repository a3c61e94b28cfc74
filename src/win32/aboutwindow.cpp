// SPDX-License-Identifier: MIT
// The About dialog's frame, place and messages.
#include "aboutwindow.h"

#include "about.h"
#include "splashplay.h"
#include "text.h"

namespace quimbelo::win32 {

using design::about::kWindow;

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

} // namespace

AboutWindow::AboutWindow(HWND owner)
    : m_owner(owner)
    , m_widgets(kWindow, m_controls)
{
}

void AboutWindow::showModal(HWND owner)
{
    // An empty dialog template: the controls are built from the design.
    struct alignas(DWORD) Template
    {
        DLGTEMPLATE dialog;
        WORD menu;
        WORD windowClass;
        WORD title;
    } blank {};
    blank.dialog.style = kStyle;
    blank.dialog.dwExtendedStyle = kExStyle;
    AboutWindow about(owner);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &blank.dialog, owner, dialogProc,
        reinterpret_cast<LPARAM>(&about));
}

void AboutWindow::load(HWND dialog)
{
    SetWindowTextW(dialog, fromUtf8(kWindow.caption).c_str());
    m_widgets.attach(dialog);
    m_controls.build(kWindow, dialog);
    m_okId = m_controls.get("cmdOK").id;
    SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(m_okId), 0);
    play::loadAbout(m_widgets);
    place(dialog, m_controls.dpi());
    SetFocus(m_controls.get("cmdOK").hwnd);
}

void AboutWindow::place(HWND dialog, UINT dpi)
{
    const SIZE frame
        = Window::frameSize({ scaled(kWindow.clientWidth, dpi), scaled(kWindow.clientHeight, dpi) },
            kStyle, false, kExStyle, dpi);
    // Centred over the game window, but kept on the work area of the screen that holds
    // it: a game window near a corner of the screen would put half the box off it, and
    // with the game window disabled the box could not be found again. The top left
    // corner wins when the box is larger than the work area: the title bar stays
    // reachable.
    const POINT at = m_owner != nullptr ? Window::centredOver(m_owner, frame)
                                        : Window::centredOnScreen(dialog, frame);
    SetWindowPos(dialog, nullptr, at.x, at.y, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK AboutWindow::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<AboutWindow *>(lParam)->load(dialog);
        return FALSE; // the focus is set
    }
    auto *about = reinterpret_cast<AboutWindow *>(GetWindowLongPtrW(dialog, DWLP_USER));
    return about != nullptr ? about->handle(dialog, message, wParam, lParam) : FALSE;
}

INT_PTR AboutWindow::handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_controls.handle(dialog, message, wParam, lParam, result)) {
        switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return static_cast<INT_PTR>(result); // a brush, returned as it is
        default:
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        // "Aceptar", Enter (the default button), Esc and the close box (cancel).
        if (id == IDOK || id == IDCANCEL || (id == m_okId && HIWORD(wParam) == BN_CLICKED)) {
            EndDialog(dialog, IDOK);
        }
        return TRUE;
    }
    case WM_DPICHANGED: {
        m_controls.layout(HIWORD(wParam));
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(dialog, nullptr, suggested->left, suggested->top,
            suggested->right - suggested->left, suggested->bottom - suggested->top,
            SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    default:
        break;
    }
    return FALSE;
}

} // namespace quimbelo::win32
