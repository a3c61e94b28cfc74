// SPDX-License-Identifier: MIT
// Reads a shortcut (.lnk) the way the shell does and prints, in UTF-8, its target and its
// working folder on a line each, for the end-to-end tests of the installer.
//   shortcut.exe LINK
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {

void printUtf8(const wchar_t *text)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), length, nullptr, nullptr);
    std::printf("%s\n", bytes.c_str());
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: shortcut.exe LINK\n");
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return 1;
    }
    IShellLinkW *link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
            reinterpret_cast<void **>(&link)))) {
        return 1;
    }
    IPersistFile *file = nullptr;
    wchar_t target[MAX_PATH] {};
    wchar_t folder[MAX_PATH] {};
    const bool read
        = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file)))
        && SUCCEEDED(file->Load(argv[1], STGM_READ))
        && SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))
        && SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH));
    if (file != nullptr) {
        file->Release();
    }
    link->Release();
    CoUninitialize();
    if (!read) {
        std::fprintf(stderr, "cannot read the shortcut\n");
        return 1;
    }
    printUtf8(target);
    printUtf8(folder);
    return 0;
}
