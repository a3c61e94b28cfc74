// SPDX-License-Identifier: MIT
// The program's window classes, their messages handed to their objects, and where the
// windows open, placed by the play layer's arithmetic.
#include "window.h"

#include "geometry.h"

namespace quimbelo::win32 {

namespace {

RECT workArea(HWND window, DWORD orElse)
{
    MONITORINFO monitor {};
    monitor.cbSize = sizeof(MONITORINFO);
    GetMonitorInfoW(MonitorFromWindow(window, orElse), &monitor);
    return monitor.rcWork;
}

play::Rect toPlay(const RECT &rect)
{
    return { rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top };
}

} // namespace

Window::~Window()
{
    // A window that outlives its object reaches it no more.
    if (m_hwnd != nullptr) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
    }
}

void Window::create(const wchar_t *className, DWORD exStyle, const std::wstring &title, DWORD style,
    POINT at, SIZE size, HWND parent, int id)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof(WNDCLASSEXW);
    if (GetClassInfoExW(instance, className, &windowClass) == 0) {
        windowClass = {};
        windowClass.cbSize = sizeof(WNDCLASSEXW);
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        RegisterClassExW(&windowClass);
    }
    m_hwnd = CreateWindowExW(exStyle, className, title.c_str(), style, at.x, at.y, size.cx, size.cy,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *create = reinterpret_cast<CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *self = reinterpret_cast<Window *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->m_hwnd != hwnd) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        self->m_hwnd = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT Window::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

SIZE Window::frameSize(SIZE client, DWORD style, bool menu, DWORD exStyle, UINT dpi)
{
    RECT outer { 0, 0, client.cx, client.cy };
    AdjustWindowRectExForDpi(&outer, style, menu ? TRUE : FALSE, exStyle, dpi);
    return { outer.right - outer.left, outer.bottom - outer.top };
}

POINT Window::centredOnScreen(HWND window, SIZE frame)
{
    const play::Point at = play::centredOn(
        toPlay(workArea(window, MONITOR_DEFAULTTOPRIMARY)), { frame.cx, frame.cy });
    return { at.x, at.y };
}

POINT Window::centredOver(HWND owner, SIZE frame)
{
    RECT ownerFrame {};
    GetWindowRect(owner, &ownerFrame);
    const play::Point at = play::centredOver(toPlay(ownerFrame), { frame.cx, frame.cy },
        toPlay(workArea(owner, MONITOR_DEFAULTTONEAREST)));
    return { at.x, at.y };
}

} // namespace quimbelo::win32
