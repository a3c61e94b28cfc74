// SPDX-License-Identifier: MIT
#include "splashwindow.h"
#include "common.h"

#include "programinfo.h"
#include "splash.h"
#include "text.h"

#include <algorithm>

using quimbelo::design::splash::kWindow;

namespace {

constexpr wchar_t kWindowClass[] = L"QuimbeloSplash";
// A raised dialog frame and no title bar; no task-bar button.
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

} // namespace

SplashWindow::SplashWindow()
{
    static const bool registered = [] {
        WNDCLASSEXW splash {};
        splash.cbSize = sizeof(WNDCLASSEXW);
        splash.lpfnWndProc = windowProc;
        splash.hInstance = GetModuleHandleW(nullptr);
        splash.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        splash.lpszClassName = kWindowClass;
        return RegisterClassExW(&splash) != 0;
    }();
    (void)registered;

    const std::wstring title = win32text::fromUtf8(kWindow.caption);
    m_hwnd = CreateWindowExW(kExStyle, kWindowClass, title.c_str(), kStyle, 0, 0, 100, 100, nullptr,
        nullptr, GetModuleHandleW(nullptr), this);
    m_controls.build(kWindow, m_hwnd);
    m_timerId = FormBuilder::controlId(kWindow, quimbelo::design::get(kWindow, "Timer1"));
    m_frameId = m_controls.get("Frame1").id;
    m_wordmark = m_controls.get("Image1").picture;

    // Form_Load: the version built from the program's own.
    m_controls.setText(
        m_controls.get("lblVersion"), win32text::fromUtf8(quimbelo::programinfo::kVersionText));
    resizeForDpi(m_controls.dpi());
}

SplashWindow::~SplashWindow()
{
    if (m_hwnd != nullptr) {
        DestroyWindow(m_hwnd);
    }
}

void SplashWindow::resizeForDpi(UINT dpi)
{
    RECT outer { 0, 0, FormBuilder::scaled(kWindow.clientWidth, dpi),
        FormBuilder::scaled(kWindow.clientHeight, dpi) };
    AdjustWindowRectExForDpi(&outer, kStyle, FALSE, kExStyle, dpi);
    MONITORINFO monitor {};
    monitor.cbSize = sizeof(MONITORINFO);
    GetMonitorInfoW(MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT &work = monitor.rcWork;
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(m_hwnd, nullptr, work.left + (work.right - work.left - width) / 2,
        work.top + (work.bottom - work.top - height) / 2, width, height,
        SWP_NOZORDER | SWP_NOACTIVATE);
}

void SplashWindow::showCentred()
{
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    SetFocus(m_hwnd);
    const auto &timer = quimbelo::design::get(kWindow, "Timer1");
    SetTimer(m_hwnd, static_cast<UINT_PTR>(m_timerId),
        static_cast<UINT>(std::max(timer.interval, quimbelo::design::kTimerResolutionMs)), nullptr);
}

LRESULT CALLBACK SplashWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *create = reinterpret_cast<CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *self = reinterpret_cast<SplashWindow *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->m_hwnd == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT SplashWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_controls.handle(m_hwnd, message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_CHAR:
        // Every key that types a character hands over, Space, Enter, Esc and Backspace
        // included; arrows, function keys and modifiers alone type none, nor do Alt
        // combinations (WM_SYSCHAR). Ctrl+Backspace types DEL, as the Delete key does
        // elsewhere: neither hands over.
        if (wParam != 0x7F) {
            handOverOnce();
        }
        return 0;
    case WM_CLOSE:
        // Alt+F4 or a close request: the game comes at once. Left to the default, the
        // splash would go without the game window ever being shown, and the program
        // would run on with no window at all.
        handOverOnce();
        return 0;
    case WM_TIMER:
        if (static_cast<int>(wParam) == m_timerId) {
            handOverOnce();
        }
        return 0;
    case WM_COMMAND:
        // Only the frame's own surface: its labels and pictures take their clicks.
        if (LOWORD(wParam) == m_frameId && HIWORD(wParam) == BN_CLICKED) {
            handOverOnce();
        }
        return 0;
    case WM_DPICHANGED:
        m_controls.layout(HIWORD(wParam));
        resizeForDpi(HIWORD(wParam));
        return 0;
    case WM_DESTROY:
        m_hwnd = nullptr;
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

void SplashWindow::handOverOnce()
{
    if (m_handedOver) {
        return;
    }
    m_handedOver = true;
    // The splash closes first: nothing of it stays on screen while the game window loads.
    KillTimer(m_hwnd, static_cast<UINT_PTR>(m_timerId));
    DestroyWindow(m_hwnd);
    if (onHandOver) {
        onHandOver();
    }
}
