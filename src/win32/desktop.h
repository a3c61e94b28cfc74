// SPDX-License-Identifier: MIT
// What the game asks of Windows around its window.
#pragma once

#include "surroundings.h"

#include <windows.h>

#include <string>

namespace quimbelo::win32 {

// The program's folder, Notepad for the help file and the shell for a mail link. Paths
// are UTF-8 text.
class WindowsSurroundings : public quimbelo::LocalSurroundings
{
public:
    std::string programFolder() const override;
    void openTextFile(const std::string &path) override;
    void openMailLink(const std::string &url) override;

    // The window that owns what the shell opens.
    void setOwner(HWND owner) { m_owner = owner; }

    // The folder of a program file's full path, without a trailing separator except at
    // a drive's root.
    static std::wstring folderOf(const std::wstring &programPath);
    // The command line Notepad is started with: its own path, then the file, each quoted
    // so that spaces and every other character a name can hold reach it whole.
    static std::wstring notepadCommandLine(const std::wstring &notepad, const std::wstring &file);
    static std::wstring notepadPath();

private:
    HWND m_owner = nullptr;
};

} // namespace quimbelo::win32
