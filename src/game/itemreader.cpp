// SPDX-License-Identifier: MIT
#include "itemreader.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace quimbelo {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

bool endsUnquotedItem(char c)
{
    return c == ',' || isLineBreak(c);
}

// The next comma or line break at or after pos, or the end of the text. Eight bytes are
// tested at a time: in each, the bytes equal to a separator are flagged by the classic
// zero-byte test, which is exact for the lowest flagged byte.
std::size_t nextSeparator(std::string_view text, std::size_t pos)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const auto zeroBytes = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    const char *data = text.data();
    while (pos + 8 <= text.size()) {
        std::uint64_t word;
        std::memcpy(&word, data + pos, 8);
        if constexpr (std::endian::native == std::endian::big) {
            word = __builtin_bswap64(word);
        }
        const std::uint64_t found = zeroBytes(word ^ (kOnes * ','))
            | zeroBytes(word ^ (kOnes * '\r')) | zeroBytes(word ^ (kOnes * '\n'));
        if (found != 0) {
            return pos + static_cast<std::size_t>(std::countr_zero(found) / 8);
        }
        pos += 8;
    }
    while (pos < text.size() && !endsUnquotedItem(data[pos])) {
        ++pos;
    }
    return pos;
}

} // namespace

bool ItemReader::atEnd()
{
    skipBlankLines();
    return m_pos >= m_text.size();
}

std::string_view ItemReader::next()
{
    skipBlankLines();
    skipBlanks();
    std::string_view item;
    if (m_pos < m_text.size() && m_text[m_pos] == '"') {
        const std::size_t start = m_pos + 1;
        std::size_t close = m_text.find('"', start);
        if (close == std::string_view::npos) {
            close = m_text.size();
        }
        item = m_text.substr(start, close - start);
        m_pos = close < m_text.size() ? close + 1 : close;
        while (m_pos < m_text.size() && !endsUnquotedItem(m_text[m_pos])) {
            ++m_pos;
        }
    } else {
        const std::size_t start = m_pos;
        m_pos = nextSeparator(m_text, m_pos);
        std::size_t end = m_pos;
        while (end > start && isBlank(m_text[end - 1])) {
            --end;
        }
        item = m_text.substr(start, end - start);
    }
    consumeSeparator();
    return item;
}

// At the start of a line, lines that hold nothing but blanks are passed over.
void ItemReader::skipBlankLines()
{
    while (m_atLineStart) {
        // The usual case: the line starts with its item.
        if (m_pos < m_text.size() && !isBlank(m_text[m_pos]) && !isLineBreak(m_text[m_pos])) {
            return;
        }
        std::size_t pos = m_pos;
        while (pos < m_text.size() && isBlank(m_text[pos])) {
            ++pos;
        }
        if (pos < m_text.size() && isLineBreak(m_text[pos])) {
            m_pos = pos;
            consumeSeparator();
            continue;
        }
        if (pos >= m_text.size()) {
            m_pos = pos;
        }
        return;
    }
}

void ItemReader::skipBlanks()
{
    while (m_pos < m_text.size() && isBlank(m_text[m_pos])) {
        ++m_pos;
    }
}

void ItemReader::consumeSeparator()
{
    if (m_pos >= m_text.size()) {
        return;
    }
    const char c = m_text[m_pos++];
    m_atLineStart = isLineBreak(c);
    if (c == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n') {
        ++m_pos;
    }
}

} // namespace quimbelo
