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
    // Read as the desktop's text editor reads a file: UTF-8 where it is valid UTF-8 (its
    // byte order mark left out), Windows-1252 otherwise. A file that cannot be read shows
    // empty, as a missing file opens an empty editor.
    const std::filesystem::path file = pathFromText(path);
    std::ifstream in(file, std::ios::binary);
    std::string bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.erase(0, kByteOrderMark.size());
    }
    page::showText(
        textFromPath(file.filename()), cp1252::isValidUtf8(bytes) ? bytes : cp1252::toUtf8(bytes));
}

void PageSurroundings::openMailLink(const std::string &url)
{
    page::openLink(url);
}

} // namespace quimbelo::web
