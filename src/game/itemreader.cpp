#include "itemreader.h"

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
        while (m_pos < m_text.size() && !endsUnquotedItem(m_text[m_pos])) {
            ++m_pos;
        }
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
