// SPDX-License-Identifier: MIT
#include "aboutwindow.h"

#include "about.h"
#include "formbuilder.h"
#include "formwidgets.h"
#include "splashplay.h"
#include "text.h"

#include <algorithm>
#include <memory>

using quimbelo::design::about::kWindow;

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

struct About
{
    HWND owner = nullptr;
    FormBuilder controls;
    FormWidgets widgets { kWindow, controls };
    int okId = 0;
};

void placeFor(HWND dialog, const About &about, UINT dpi)
{
    RECT outer { 0, 0, FormBuilder::scaled(kWindow.clientWidth, dpi),
        FormBuilder::scaled(kWindow.clientHeight, dpi) };
    AdjustWindowRectExForDpi(&outer, kStyle, FALSE, kExStyle, dpi);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    // Centred over the game window, but kept on the work area of the screen that holds
    // it: a game window near a corner of the screen would put half the box off it, and
    // with the game window disabled the box could not be found again.
    RECT over {};
    MONITORINFO monitor {};
    monitor.cbSize = sizeof(MONITORINFO);
    HWND placedBy = about.owner != nullptr ? about.owner : dialog;
    GetMonitorInfoW(MonitorFromWindow(placedBy, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    if (about.owner != nullptr) {
        GetWindowRect(about.owner, &over);
    } else {
        over = work;
    }
    LONG left = over.left + (over.right - over.left - width) / 2;
    LONG top = over.top + (over.bottom - over.top - height) / 2;
    // The top left corner wins when the box is larger than the work area: the title bar
    // stays reachable.
    left = std::max(work.left, std::min(left, work.right - width));
    top = std::max(work.top, std::min(top, work.bottom - height));
    SetWindowPos(dialog, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        auto &about = *reinterpret_cast<About *>(lParam);
        const std::wstring caption = win32text::fromUtf8(kWindow.caption);
        SetWindowTextW(dialog, caption.c_str());
        about.widgets.attach(dialog);
        about.controls.build(kWindow, dialog);
        about.okId = about.controls.get("cmdOK").id;
        SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(about.okId), 0);
        quimbelo::play::loadAbout(about.widgets);
        placeFor(dialog, about, about.controls.dpi());
        SetFocus(about.controls.get("cmdOK").hwnd);
        return FALSE; // the focus is set
    }
    auto *about = reinterpret_cast<About *>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (about == nullptr) {
        return FALSE;
    }
    LRESULT result = 0;
    if (about->controls.handle(dialog, message, wParam, lParam, result)) {
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
        if (id == IDOK || id == IDCANCEL || (id == about->okId && HIWORD(wParam) == BN_CLICKED)) {
            EndDialog(dialog, IDOK);
        }
        return TRUE;
    }
    case WM_DPICHANGED: {
        about->controls.layout(HIWORD(wParam));
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

} // namespace

namespace aboutwindow {

void showModal(HWND owner)
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
    auto about = std::make_unique<About>();
    about->owner = owner;
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &blank.dialog, owner, dialogProc,
        reinterpret_cast<LPARAM>(about.get()));
}

} // namespace aboutwindow
