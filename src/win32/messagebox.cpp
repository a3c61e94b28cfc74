// SPDX-License-Identifier: MIT
// Windows' message box, its buttons renamed by a hook, and its answer as the game takes it.
#include "messagebox.h"

#include "common.h"
#include "text.h"

namespace quimbelo::win32::messagebox {

namespace {

// MessageBoxW takes its buttons' captions from the language of Windows, and neither it
// nor MessageBoxIndirectW can be told others. A hook on this thread renames them when
// the box is activated, before it is first drawn, so the box stays the platform's own:
// its style codes, icons, sounds, keyboard and screen-reader support. (A task dialog
// could name its buttons, but it needs the version 6 common controls and looks and
// answers differently.)
thread_local HHOOK t_hook = nullptr;

LRESULT CALLBACK renameButtons(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] {};
        GetClassNameW(box, className, 16);
        if (std::wstring_view(className) == L"#32770") {
            // Yes and No answer to their initials, as the platform's own buttons do.
            static const std::wstring ok = fromUtf8(design::kOkButton);
            static const std::wstring yes = L"&" + fromUtf8(design::kYesButton);
            static const std::wstring no = L"&" + fromUtf8(design::kNoButton);
            if (HWND button = GetDlgItem(box, IDOK)) {
                SetWindowTextW(button, ok.c_str());
            }
            if (HWND button = GetDlgItem(box, IDYES)) {
                SetWindowTextW(button, yes.c_str());
            }
            if (HWND button = GetDlgItem(box, IDNO)) {
                SetWindowTextW(button, no.c_str());
            }
        }
    }
    return CallNextHookEx(t_hook, code, wParam, lParam);
}

} // namespace

MessageAnswer show(HWND owner, std::string_view text, MessageStyle style, std::string_view title)
{
    const std::wstring shown = linesFromUtf8(text);
    const std::wstring caption = fromUtf8(title);
    // The game's style codes are the platform's: 64, 16 and 4 (Yes the default button).
    const UINT type = static_cast<UINT>(style) | MB_DEFBUTTON1 | MB_SETFOREGROUND;
    HHOOK outer = t_hook;
    t_hook = SetWindowsHookExW(WH_CBT, renameButtons, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(owner, shown.c_str(), caption.c_str(), type);
    if (t_hook != nullptr) {
        UnhookWindowsHookEx(t_hook);
    }
    t_hook = outer;
    switch (answer) {
    case IDYES:
        return MessageAnswer::Yes;
    case IDNO:
        return MessageAnswer::No;
    case IDCANCEL:
        // Some systems let Esc, Alt+F4 or the close box dismiss a Yes/No box, with no
        // answer: the game asks again.
        return MessageAnswer::Dismissed;
    default:
        break;
    }
    // A question that could not be shown at all (no answer, 0) ends the game rather than
    // being asked for ever.
    return style == MessageStyle::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

} // namespace quimbelo::win32::messagebox
