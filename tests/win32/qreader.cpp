// SPDX-License-Identifier: MIT
// Reads the Windows program's windows from outside its process, as a screen reader would
// find them, and prints them in UTF-8, one line each, fields separated by tabs:
//   qreader            the splash, the game window and its controls by design name, the
//                      About window and every message box on the screen
//   qreader activate   brings the game window to the front, as a window manager gives it
//                      back to a click; the private X server of the tests runs none
// A control's line: its design name (Letra_19 for an item of an array), whether it is
// visible and enabled, its place on the screen (left, top, right, bottom) and its text.
#include "about.h"
#include "form1.h"
#include "splash.h"

#include <windows.h>

#include <string>

namespace design = quimbelo::design;

namespace {

// In UTF-8, with each line break written as \n so that a text stays on its line.
std::string utf8(std::wstring text)
{
    std::wstring escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r') {
            continue;
        }
        if (text[i] == L'\n' || text[i] == L'\t') {
            escaped += text[i] == L'\n' ? L"\\n" : L"\\t";
            continue;
        }
        escaped.push_back(text[i]);
    }
    text = escaped;
    if (text.empty()) {
        return {};
    }
    const int length = WideCharToMultiByte(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length,
        nullptr, nullptr);
    return out;
}

std::wstring textOf(HWND hwnd)
{
    // WM_GETTEXT crosses processes; GetWindowText would not read another's controls.
    const auto length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(
        hwnd, WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void print(const std::string &line)
{
    const std::string out = line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written,
        nullptr);
}

std::string flag(BOOL value)
{
    return value ? "1" : "0";
}

std::string placeOf(HWND hwnd)
{
    RECT box {};
    GetWindowRect(hwnd, &box);
    return std::to_string(box.left) + "\t" + std::to_string(box.top) + "\t"
        + std::to_string(box.right) + "\t" + std::to_string(box.bottom);
}

void printWindow(const std::string &kind, HWND hwnd)
{
    RECT client {};
    GetClientRect(hwnd, &client);
    print(kind + "\t" + flag(IsWindowVisible(hwnd)) + "\t" + flag(IsWindowEnabled(hwnd)) + "\t"
        + placeOf(hwnd) + "\t" + utf8(textOf(hwnd)) + "\t" + std::to_string(client.right) + "x"
        + std::to_string(client.bottom));
}

// Every control of a window built from design, by the control id its builder gave it.
void printControls(HWND window, const design::Window &designed)
{
    struct Walk
    {
        const design::Window *designed;
    } walk { &designed };
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            const design::Window &form = *reinterpret_cast<Walk *>(data)->designed;
            const int row = GetDlgCtrlID(child) - 1000;
            if (row < 0 || row >= static_cast<int>(form.controls.size())) {
                return TRUE;
            }
            const design::Control &control = form.controls[static_cast<std::size_t>(row)];
            std::string name(control.name);
            if (control.index >= 0) {
                name += "_" + std::to_string(control.index);
            }
            print("control\t" + name + "\t" + flag(IsWindowVisible(child)) + "\t"
                + flag(IsWindowEnabled(child)) + "\t" + placeOf(child) + "\t"
                + utf8(textOf(child)));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&walk));
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    // Places and sizes as the screen has them: to a process unaware of the DPI, Windows
    // and Wine 10 give other programs' windows in coordinates scaled down to 96 dots per
    // inch, half the size at 200 %.
    if (!SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
        SetProcessDPIAware();
    }
    if (argc > 1 && std::wstring_view(argv[1]) == L"activate") {
        HWND game = FindWindowW(L"QuimbeloForm1", nullptr);
        return game != nullptr && SetForegroundWindow(game) ? 0 : 1;
    }
    if (HWND active = GetForegroundWindow()) {
        wchar_t className[64] {};
        GetClassNameW(active, className, 64);
        print("foreground\t" + utf8(className) + "\t" + utf8(textOf(active)));
    }
    if (HWND splash = FindWindowW(L"QuimbeloSplash", nullptr)) {
        printWindow("splash", splash);
        printControls(splash, design::splash::kWindow);
    }
    if (HWND game = FindWindowW(L"QuimbeloForm1", nullptr)) {
        printWindow("game", game);
        printControls(game, design::form1::kWindow);
    }
    // The About window and the message boxes are dialogs of the system's class.
    HWND dialog = nullptr;
    while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) != nullptr) {
        if (!IsWindowVisible(dialog)) {
            continue;
        }
        if (textOf(dialog).starts_with(L"Acerca de")) {
            printWindow("about", dialog);
            printControls(dialog, design::about::kWindow);
            continue;
        }
        printWindow("box", dialog);
        print("message\t" + utf8(textOf(GetDlgItem(dialog, 0xFFFF))));
        for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t className[16] {};
            GetClassNameW(child, className, 16);
            if (std::wstring_view(className) == L"Button") {
                print("button\t" + utf8(textOf(child)));
            }
        }
    }
    return 0;
}
