// SPDX-License-Identifier: MIT
#include "splashwindow.h"
#include "common.h"

#include "splash.h"
#include "splashplay.h"
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
    : m_widgets(kWindow, m_controls)
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
    m_widgets.attach(m_hwnd);
    m_controls.build(kWindow, m_hwnd);
    m_frameId = m_controls.get("Frame1").id;
    m_wordmark = m_controls.get("Image1").picture;
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
}

void SplashWindow::close()
{
    if (m_hwnd != nullptr) {
        DestroyWindow(m_hwnd);
    }
}

bool SplashWindow::handedOver() const
{
    return m_play != nullptr && m_play->phase() == quimbelo::play::SplashPlay::Phase::HandedOver;
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
    if (message == WM_PAINT && !m_painted && m_play != nullptr) {
        // Preparing the game window waits for this first frame; the loop takes no step
        // before every window has been painted.
        m_painted = true;
        m_play->painted();
    }
    LRESULT result = 0;
    if (m_controls.handle(m_hwnd, message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_DESTROY) {
        m_hwnd = nullptr;
        return 0;
    }
    if (m_play == nullptr) {
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_CHAR:
        // Alt combinations come as WM_SYSCHAR, and are not forwarded.
        m_play->Form_KeyPress(static_cast<char32_t>(wParam), false);
        return 0;
    case WM_CLOSE:
        m_play->closeRequested();
        return 0;
    case WM_TIMER:
        if (const auto *timer = m_widgets.timer(wParam)) {
            m_play->event(*timer);
        }
        return 0;
    case WM_COMMAND:
        // Only the frame's own surface: its labels and pictures take their clicks.
        if (LOWORD(wParam) == m_frameId && HIWORD(wParam) == BN_CLICKED) {
            m_play->event(quimbelo::design::get(kWindow, "Frame1"));
        }
        return 0;
    case WM_DPICHANGED:
        m_controls.layout(HIWORD(wParam));
        resizeForDpi(HIWORD(wParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}
