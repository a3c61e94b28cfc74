// SPDX-License-Identifier: MIT
// The program's folder, the help text and mail links, in the page.
#include "desktop.h"

#include "cp1252.h"
#include "page.h"
#include "pathtext.h"

#include <emscripten.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

// clang-format off
EM_JS(char *, quimbelo_page_program_folder, (), {
    const folder = Module.page.programFolder;
    const size = lengthBytesUTF8(folder) + 1;
    const copy = _malloc(size);
    stringToUTF8(folder, copy, size);
    return copy;
});
// clang-format on

namespace quimbelo::web {

std::string PageSurroundings::programFolder() const
{
    char *folder = quimbelo_page_program_folder();
    std::string text(folder);
    std::free(folder);
    return text;
}

void PageSurroundings::openTextFile(const std::string &path)
{
    // The help file is written in Windows-1252, as the desktop's editor reads it; one
    // that cannot be read shows empty, as a missing file opens an empty editor.
    const std::filesystem::path file = pathFromText(path);
    std::ifstream in(file, std::ios::binary);
    const std::string bytes { std::istreambuf_iterator<char>(in),
        std::istreambuf_iterator<char>() };
    page::showText(textFromPath(file.filename()), cp1252::toUtf8(bytes));
}

void PageSurroundings::openMailLink(const std::string &url)
{
    page::openLink(url);
}

} // namespace quimbelo::web
