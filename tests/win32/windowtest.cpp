// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include "pathtext.h"
#include "text.h"
#include "themes.h"

#include <chrono>
#include <filesystem>
#include <fstream>

namespace windowtest {

namespace fs = std::filesystem;

ScriptedSurroundings::ScriptedSurroundings(const std::string &item)
{
    // A folder of its own, named with a Spanish letter and a space.
    wchar_t temp[MAX_PATH] {};
    GetTempPathW(MAX_PATH, temp);
    const fs::path folder = fs::path(temp)
        / (L"quimbelo \u00f1 " + std::to_wstring(GetCurrentProcessId()) + L"-"
            + std::to_wstring(GetTickCount64()));
    fs::create_directories(folder);
    for (const std::string_view theme : quimbelo::kThemeBaseNames) {
        std::ofstream list(folder / (std::string(theme) + ".TXT"), std::ios::binary);
        list << item << "\r\n";
    }
    m_folder = quimbelo::textFromPath(folder);
}

ScriptedSurroundings::~ScriptedSurroundings()
{
    std::error_code error;
    fs::remove_all(quimbelo::pathFromText(m_folder), error);
}

void pump(int ms, const std::function<void(MSG &)> &dispatch)
{
    pumpUntil([] { return false; }, ms, dispatch);
}

bool pumpUntil(
    const std::function<bool()> &done, int timeoutMs, const std::function<void(MSG &)> &dispatch)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        MSG msg {};
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            dispatch(msg);
            if (done()) {
                return true;
            }
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

std::wstring text(HWND hwnd)
{
    return quimbelo::win32::windowText(hwnd);
}

namespace {

BoxAnswerer *g_answerer = nullptr;

std::wstring withoutMnemonic(std::wstring caption)
{
    std::erase(caption, L'&');
    return caption;
}

} // namespace

BoxAnswerer::BoxAnswerer(std::vector<std::wstring> answers)
    : m_answers(std::move(answers))
{
    g_answerer = this;
    m_timer = SetTimer(nullptr, 0, 50, tick);
}

BoxAnswerer::~BoxAnswerer()
{
    KillTimer(nullptr, m_timer);
    g_answerer = nullptr;
}

void CALLBACK BoxAnswerer::tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_answerer != nullptr) {
        g_answerer->answerOpenBox();
    }
}

void BoxAnswerer::answerOpenBox()
{
    if (done()) {
        return;
    }
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM found) -> BOOL {
            wchar_t className[16] {};
            GetClassNameW(hwnd, className, 16);
            if (std::wstring_view(className) == L"#32770" && IsWindowVisible(hwnd)) {
                *reinterpret_cast<HWND *>(found) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return;
    }
    Box seen;
    seen.title = text(box);
    seen.message = text(GetDlgItem(box, 0xFFFF));
    HWND chosen = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] {};
        GetClassNameW(child, className, 16);
        const std::wstring_view kind(className);
        if (kind == L"Button") {
            const std::wstring caption = withoutMnemonic(text(child));
            seen.buttons.push_back(caption);
            if (caption == m_answers[m_next]) {
                chosen = child;
            }
        } else if (kind == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON
            && SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            seen.hasIcon = true;
        }
    }
    const std::wstring &answer = m_answers[m_next];
    if (answer == kEscape || answer == kCloseRequest) {
        if (seen.buttons.empty()) {
            return; // not drawn yet
        }
        seen.pressed = answer;
        ++m_next;
        m_boxes.push_back(seen);
        if (answer == kCloseRequest) {
            PostMessageW(box, WM_CLOSE, 0, 0);
        } else {
            // To the focused button, where the box's own loop takes it as the key it is.
            HWND focus = GetFocus();
            PostMessageW(
                focus != nullptr && IsChild(box, focus) ? focus : box, WM_KEYDOWN, VK_ESCAPE, 1);
        }
        return;
    }
    if (chosen == nullptr) {
        return; // not the box expected yet, or not drawn yet
    }
    seen.pressed = m_answers[m_next++];
    m_boxes.push_back(seen);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(chosen), BN_CLICKED),
        reinterpret_cast<LPARAM>(chosen));
}

} // namespace windowtest
