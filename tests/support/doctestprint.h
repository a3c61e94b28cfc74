// SPDX-License-Identifier: MIT
// How the doctest suites show the values a failed check compared: text with its bytes
// beyond ASCII and its control characters as escapes, since the game's text is
// Windows-1252 and a terminal's is UTF-8, and lists item by item.
#pragma once

#include <doctest/doctest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Text as a C++ literal would write it: "NI\xD1O\r\n".
inline std::string printable(std::string_view bytes)
{
    std::string shown = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            shown += '\\';
            shown += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            shown += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            shown += escape;
        }
    }
    return shown + '"';
}

namespace doctest {

template <> struct StringMaker<std::string>
{
    static String convert(const std::string &text) { return printable(text).c_str(); }
};

template <> struct StringMaker<std::string_view>
{
    static String convert(std::string_view text) { return printable(text).c_str(); }
};

template <typename T> struct StringMaker<std::vector<T>>
{
    static String convert(const std::vector<T> &items)
    {
        String shown = "{ ";
        for (std::size_t i = 0; i < items.size(); ++i) {
            shown += (i > 0 ? String(", ") : String()) + toString(items[i]);
        }
        return shown + " }";
    }
};

} // namespace doctest
