// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace quimbelo {

// The encoding of each line of a text that is not UTF-8 as a whole, as when a player
// adds a word to a Windows-1252 list with an editor that saves UTF-8: a line (what lies
// between two CR or LF bytes) is in UTF-8 when it is well-formed UTF-8 and holds a
// character beyond ASCII, and in Windows-1252 otherwise. Spanish text in Windows-1252
// practically never passes for UTF-8: a byte that could lead a UTF-8 sequence ("Ã", "é",
// "ñ") is nearly always followed by a letter, which cannot continue one.
//
// A line is looked at only when asked about, and the last one is remembered, so asking
// about the bytes of a line one after another reads it once.
class LineEncodings
{
public:
    explicit LineEncodings(std::string_view text)
        : m_text(text)
    {
    }

    // Whether the line that holds the byte at pos (< the text's size) is in UTF-8; a line
    // break is in no line and is ASCII in both encodings.
    bool utf8At(std::size_t pos);

private:
    std::string_view m_text;
    std::size_t m_start = 0;
    std::size_t m_end = 0; // the line [m_start, m_end) last looked at, empty for none
    bool m_utf8 = false;
};

} // namespace quimbelo
