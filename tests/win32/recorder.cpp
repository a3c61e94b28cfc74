// SPDX-License-Identifier: MIT
// Stands in for Notepad and for the mail program in the end-to-end tests: appends the
// command line it was started with and the window state it was asked for, in UTF-8, to
// the file QUIMBELO_RECORD names: COMMAND LINE <tab> show=N.
#include <windows.h>

#include <string>

int wmain()
{
    wchar_t record[MAX_PATH] {};
    if (GetEnvironmentVariableW(L"QUIMBELO_RECORD", record, MAX_PATH) == 0) {
        return 1;
    }
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;
    const std::wstring line
        = std::wstring(GetCommandLineW()) + L"\tshow=" + std::to_wstring(show) + L"\n";
    const int length = WideCharToMultiByte(
        CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), bytes.data(),
        length, nullptr, nullptr);
    HANDLE file = CreateFileW(record, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
