// SPDX-License-Identifier: MIT
#pragma once

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
// Items are views into the text given; the reader copies nothing.
class ItemReader
{
public:
    explicit ItemReader(std::string_view text)
        : m_text(text)
    {
    }

    bool atEnd();
    std::string_view next();

private:
    void skipBlankLines();
    void skipBlanks();
    void consumeSeparator();

    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_atLineStart = true;
};

} // namespace quimbelo
