// SPDX-License-Identifier: MIT
// The splash's frame and messages.
#include "splashwindow.h"

#include "splash.h"
#include "splashplay.h"
#include "text.h"

namespace quimbelo::win32 {

using design::splash::kWindow;

namespace {

// A raised dialog frame and no title bar; no task-bar button.
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

} // namespace

SplashWindow::SplashWindow()
    : m_widgets(kWindow, m_controls)
{
    create(L"QuimbeloSplash", kExStyle, fromUtf8(kWindow.caption), kStyle, { 0, 0 }, { 100, 100 });
    m_widgets.attach(m_hwnd);
    m_controls.build(kWindow, m_hwnd);
    m_frameId = m_controls.get("Frame1").id;
    m_wordmark = m_controls.get("Image1").picture;
    resizeForDpi(m_controls.dpi());
}

SplashWindow::~SplashWindow()
{
    close();
}

void SplashWindow::resizeForDpi(UINT dpi)
{
    const SIZE frame
        = frameSize({ scaled(kWindow.clientWidth, dpi), scaled(kWindow.clientHeight, dpi) }, kStyle,
            false, kExStyle, dpi);
    const POINT at = centredOnScreen(m_hwnd, frame);
    SetWindowPos(m_hwnd, nullptr, at.x, at.y, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
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
    return m_play != nullptr && m_play->phase() == play::SplashPlay::Phase::HandedOver;
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
        return Window::handle(message, wParam, lParam);
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
            m_play->event(design::get(kWindow, "Frame1"));
        }
        return 0;
    case WM_DPICHANGED:
        m_controls.layout(HIWORD(wParam));
        resizeForDpi(HIWORD(wParam));
        return 0;
    default:
        break;
    }
    return Window::handle(message, wParam, lParam);
}

} // namespace quimbelo::win32
