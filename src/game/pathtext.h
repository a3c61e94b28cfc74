// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

namespace quimbelo {

// Paths cross the game's surroundings as text. On Windows that text is UTF-8, since the
// file system names files in UTF-16 and no narrow code page holds every name ("ñ" and
// "ü" in a folder's name included); elsewhere it is the file system's own bytes.
inline std::filesystem::path pathFromText(const std::string &text)
{
#ifdef _WIN32
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
#else
    return std::filesystem::path(text);
#endif
}

inline std::string textFromPath(const std::filesystem::path &path)
{
#ifdef _WIN32
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
#else
    return path.string();
#endif
}

} // namespace quimbelo
