// SPDX-License-Identifier: MIT
// The floor for the Windows program's windows: a bare window of the Windows API with one
// line of text in the program's font (a static control in Arial 14.25 pt), the same kind
// of window as the splash (a popup with a raised frame, no task-bar button).
//
//   bench_bare_window_win32.exe [--size WxH] [--handover] [--hidden]
//
// With --handover, the first key that types a character destroys it and opens a second
// window of the same client size, framed and captioned as the game window is, as the
// splash hands over to the game window.
//
// With --hidden, it makes a window it never shows and waits: under Wine, this keeps the
// desktop process (explorer.exe) running, which Wine otherwise starts with the first
// program that makes a window and ends a second after the last one.

#include <windows.h>

#include <cwchar>

namespace {

constexpr wchar_t kWindowClass[] = L"BareWindow";
constexpr COLORREF kBackground = RGB(0xC0, 0xC0, 0xC0);

struct Settings
{
    int width = 383;
    int height = 433;
    bool handOver = false;
    bool hidden = false;
};

Settings g_settings;
HBRUSH g_background = nullptr;
HFONT g_font = nullptr;

HWND openWindow(DWORD style, DWORD exStyle, bool handOver)
{
    RECT outer { 0, 0, g_settings.width, g_settings.height };
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // The window's user data says whether a key hands over from it.
    HWND hwnd = CreateWindowExW(exStyle, kWindowClass, L"Bare window", style, 100, 100,
        outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
        reinterpret_cast<void *>(static_cast<INT_PTR>(handOver)));
    if (hwnd == nullptr) {
        return nullptr;
    }
    HWND label = CreateWindowExW(0, L"STATIC", L"El Quimbelo", WS_CHILD | WS_VISIBLE, 10, 10,
        g_settings.width - 20, 30, hwnd, nullptr, instance, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    return hwnd;
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), kBackground);
        return reinterpret_cast<LRESULT>(g_background);
    case WM_CHAR:
        if (GetWindowLongPtrW(hwnd, GWLP_USERDATA) != 0) {
            // Once: the window it opens does not hand over.
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            DestroyWindow(hwnd);
            openWindow(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, false);
        }
        return 0;
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; argv != nullptr && i < argc; ++i) {
        if (std::wcscmp(argv[i], L"--size") == 0 && i + 1 < argc) {
            int w = 0, h = 0;
            if (std::swscanf(argv[++i], L"%dx%d", &w, &h) == 2) {
                g_settings.width = w;
                g_settings.height = h;
            }
        } else if (std::wcscmp(argv[i], L"--handover") == 0) {
            g_settings.handOver = true;
        } else if (std::wcscmp(argv[i], L"--hidden") == 0) {
            g_settings.hidden = true;
        }
    }
    LocalFree(argv);

    g_background = CreateSolidBrush(kBackground);
    // 14.25 pt at the screen's dots per inch, as the program sizes its fonts.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    g_font = CreateFontW(-MulDiv(1425, dpi, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_DONTCARE, L"Arial");

    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof(WNDCLASSEXW);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = g_background;
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExW(&windowClass) == 0) {
        return 1;
    }
    if (g_settings.hidden) {
        if (CreateWindowExW(0, kWindowClass, L"Hidden", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                instance, nullptr)
            == nullptr) {
            return 1;
        }
    } else if (openWindow(WS_POPUP | WS_DLGFRAME, WS_EX_TOOLWINDOW, g_settings.handOver)
        == nullptr) {
        return 1;
    }
    MSG msg {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
