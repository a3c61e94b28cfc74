// SPDX-License-Identifier: MIT
#include "itemreader.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace quimbelo {

namespace {

constexpr char kNoBreakSpace = '\xA0'; // in Windows-1252; the second byte of it in UTF-8
constexpr char kUtf8NoBreakLead = '\xC2';

// What a byte may be, looked up at once: most bytes are none of these, which is all
// that most items ask of their first and last byte.
enum ByteClass : std::uint8_t {
    kMayStartBlank = 1, // a space, a tab, a no-break space or UTF-8's lead byte of one
    kMayEndBlank = 2, // a space, a tab or a no-break space (its last byte in UTF-8)
    kLineBreak = 4,
};

constexpr std::array<std::uint8_t, 256> makeByteClasses()
{
    std::array<std::uint8_t, 256> classes {};
    for (const char c : { ' ', '\t', kNoBreakSpace }) {
        classes[static_cast<unsigned char>(c)] = kMayStartBlank | kMayEndBlank;
    }
    classes[static_cast<unsigned char>(kUtf8NoBreakLead)] = kMayStartBlank;
    classes['\r'] = kLineBreak;
    classes['\n'] = kLineBreak;
    return classes;
}

constexpr auto kByteClasses = makeByteClasses();

bool hasClass(char c, std::uint8_t classes)
{
    const auto byte = static_cast<unsigned char>(c);
    // Printable ASCII, the bulk of every list, is tested without the table.
    return (byte <= ' ' || byte >= 0x80) && (kByteClasses[byte] & classes) != 0;
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

// Whether the byte at pos is in UTF-8 text.
bool ItemReader::utf8At(std::size_t pos)
{
    switch (m_encoding) {
    case Encoding::Windows1252:
        return false;
    case Encoding::Utf8:
        return true;
    case Encoding::LineByLine:
        break;
    }
    return m_lines.utf8At(pos);
}

// The length of the blank that starts at pos, 0 for none.
std::size_t ItemReader::blankAt(std::size_t pos)
{
    const char c = m_text[pos];
    if (c == ' ' || c == '\t') {
        return 1;
    }
    if (c != kNoBreakSpace && c != kUtf8NoBreakLead) {
        return 0;
    }
    if (!utf8At(pos)) {
        return c == kNoBreakSpace ? 1 : 0;
    }
    const bool utf8NoBreak
        = c == kUtf8NoBreakLead && pos + 1 < m_text.size() && m_text[pos + 1] == kNoBreakSpace;
    return utf8NoBreak ? 2 : 0;
}

// The length of the blank that ends just before end (> 0), 0 for none. In well-formed
// UTF-8, C2 is only ever a lead byte, so C2 A0 is a no-break space wherever it stands.
std::size_t ItemReader::blankBefore(std::size_t end)
{
    const char c = m_text[end - 1];
    if (c == ' ' || c == '\t') {
        return 1;
    }
    if (c != kNoBreakSpace) {
        return 0;
    }
    if (!utf8At(end - 1)) {
        return 1;
    }
    return end >= 2 && m_text[end - 2] == kUtf8NoBreakLead ? 2 : 0;
}

bool ItemReader::atEnd() noexcept
{
    skipBlankLines();
    return m_pos >= m_text.size();
}

std::string_view ItemReader::next() noexcept
{
    skipBlankLines();
    if (m_pos < m_text.size() && hasClass(m_text[m_pos], kMayStartBlank)) {
        skipBlanks();
    }
    std::string_view item;
    if (m_pos < m_text.size() && m_text[m_pos] == '"') {
        const std::size_t start = m_pos + 1;
        std::size_t close = m_text.find('"', start);
        if (close == std::string_view::npos) {
            close = m_text.size();
        }
        item = m_text.substr(start, close - start);
        m_unclosedQuote = close == m_text.size();
        m_pos = close < m_text.size() ? close + 1 : close;
        while (m_pos < m_text.size() && !endsUnquotedItem(m_text[m_pos])) {
            ++m_pos;
        }
    } else {
        m_unclosedQuote = false;
        const std::size_t start = m_pos;
        m_pos = nextSeparator(m_text, m_pos);
        std::size_t end = m_pos;
        while (end > start && hasClass(m_text[end - 1], kMayEndBlank)) {
            const std::size_t blank = blankBefore(end);
            if (blank == 0 || end - start < blank) {
                break;
            }
            end -= blank;
        }
        item = m_text.substr(start, end - start);
    }
    consumeSeparator();
    return item;
}

// At the start of a line, lines that hold nothing but blanks are passed over.
void ItemReader::skipBlankLines()
{
    // The usual case: the line starts with its item, or the reader is inside a line.
    if (m_atLineStart
        && (m_pos >= m_text.size() || hasClass(m_text[m_pos], kMayStartBlank | kLineBreak))) {
        passBlankLines();
    }
}

void ItemReader::passBlankLines()
{
    while (m_atLineStart) {
        if (m_pos < m_text.size() && !hasClass(m_text[m_pos], kMayStartBlank | kLineBreak)) {
            return;
        }
        std::size_t pos = m_pos;
        while (pos < m_text.size() && hasClass(m_text[pos], kMayStartBlank)) {
            const std::size_t blank = blankAt(pos);
            if (blank == 0) {
                break;
            }
            pos += blank;
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
    while (m_pos < m_text.size()) {
        const std::size_t blank = blankAt(m_pos);
        if (blank == 0) {
            return;
        }
        m_pos += blank;
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

std::size_t lineAt(std::string_view text, std::size_t offset)
{
    std::size_t line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        const bool lineEnds
            = text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
        line += lineEnds ? 1 : 0;
    }
    return line;
}

} // namespace quimbelo
