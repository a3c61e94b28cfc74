// SPDX-License-Identifier: MIT
#pragma once

#include "lineencodings.h"

#include <cstddef>
#include <string_view>

namespace quimbelo {

// Reads the items of a word list one after another, the way the lists are written:
// a comma or a line break (CR LF, a lone LF or a lone CR) ends an item; an item that
// begins with a double quote runs to the next double quote, commas included, and the
// quotes are not part of it. A line break at the end of the text starts no further
// item, and a last item without one is read all the same.
//
// Beyond that the reader is forgiving, since lists are edited by hand: blank lines are
// skipped, blanks around an unquoted item are dropped, a double quote inside an
// unquoted item is kept, whatever follows a closing quote up to the next separator is
// ignored, and a quote that is never closed runs to the end of the text.
//
// Blanks are spaces, tabs and no-break spaces. A no-break space is one byte, 0xA0, in
// Windows-1252 but two, C2 A0, in UTF-8, whose "à" (C3 A0) ends in that same byte: the
// reader is told which encoding the text is in, or that each line is in one of the two
// (LineEncodings says which).
//
// Items are views into the text given; the reader copies nothing.
class ItemReader
{
public:
    enum class Encoding { Windows1252, Utf8, LineByLine };

    explicit ItemReader(std::string_view text, Encoding encoding = Encoding::Windows1252)
        : m_text(text)
        , m_encoding(encoding)
        , m_lines(text)
    {
    }

    // Neither throws, which lets a caller that holds the text in a string skip the
    // unwinding bookkeeping around each call: where C++ exceptions unwind through
    // JavaScript (the web build), that bookkeeping is a call out of WebAssembly and back.
    bool atEnd() noexcept;
    std::string_view next() noexcept;

    // Whether the item last read began with a double quote that nothing closes, and so
    // ran to the end of the text.
    bool unclosedQuote() const { return m_unclosedQuote; }

private:
    bool utf8At(std::size_t pos);
    std::size_t blankAt(std::size_t pos);
    std::size_t blankBefore(std::size_t end);
    void skipBlankLines();
    // Kept out of the callers of skipBlankLines(), which are on every item's way.
    [[gnu::noinline]] void passBlankLines();
    void skipBlanks();
    void consumeSeparator();

    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_atLineStart = true;
    Encoding m_encoding;
    LineEncodings m_lines;
    bool m_unclosedQuote = false;
};

// The number of the line, from 1, that holds the byte at offset, with line breaks told
// apart the way the reader tells them: CR LF, a lone LF or a lone CR.
std::size_t lineAt(std::string_view text, std::size_t offset);

} // namespace quimbelo
