// SPDX-License-Identifier: MIT
// The program's folder, Notepad and the shell, reached through the Windows API.
#include "desktop.h"

#include "pathtext.h"
#include "text.h"

#include <shellapi.h>

#include <filesystem>
#include <vector>

namespace quimbelo::win32 {

std::wstring WindowsSurroundings::folderOf(const std::wstring &programPath)
{
    return std::filesystem::path(programPath).parent_path().wstring();
}

std::string WindowsSurroundings::programFolder() const
{
    // The path is as long as it is: the buffer grows until the whole of it fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    while (true) {
        const DWORD length
            = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return textFromPath(folderOf(std::wstring(buffer.data(), length)));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring WindowsSurroundings::notepadPath()
{
    std::vector<wchar_t> folder(MAX_PATH);
    UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        folder.resize(length + 1);
        length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    }
    return (std::filesystem::path(std::wstring(folder.data(), length)) / L"notepad.exe").wstring();
}

std::wstring WindowsSurroundings::notepadCommandLine(
    const std::wstring &notepad, const std::wstring &file)
{
    // A Windows file name holds no double quote, so quoting is all a name needs.
    return L'"' + notepad + L"\" \"" + file + L'"';
}

void WindowsSurroundings::openTextFile(const std::string &path)
{
    // Notepad is started directly, never through a shell, so no character of the
    // program's folder ("&" and "'" included) can run anything.
    const std::wstring notepad = notepadPath();
    std::wstring commandLine = notepadCommandLine(notepad, pathFromText(path).wstring());
    STARTUPINFOW startup {};
    startup.cb = sizeof(STARTUPINFOW);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMAXIMIZED;
    PROCESS_INFORMATION process {};
    if (CreateProcessW(notepad.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
            nullptr, &startup, &process)) {
        // The game does not wait for the editor.
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void WindowsSurroundings::openMailLink(const std::string &url)
{
    const std::wstring link = fromUtf8(url);
    ShellExecuteW(m_owner, L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace quimbelo::win32
