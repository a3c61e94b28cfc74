// SPDX-License-Identifier: MIT
#include "lineencodings.h"

#include "cp1252.h"

#include <algorithm>

namespace quimbelo {

namespace {

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

bool LineEncodings::utf8At(std::size_t pos)
{
    if (pos >= m_start && pos < m_end) {
        return m_utf8;
    }
    if (isLineBreak(m_text[pos])) {
        return false;
    }
    std::size_t start = pos;
    while (start > 0 && !isLineBreak(m_text[start - 1])) {
        --start;
    }
    std::size_t end = pos;
    while (end < m_text.size() && !isLineBreak(m_text[end])) {
        ++end;
    }
    const std::string_view line = m_text.substr(start, end - start);
    m_start = start;
    m_end = end;
    m_utf8 = std::any_of(line.begin(), line.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x80;
    }) && cp1252::isValidUtf8(line);
    return m_utf8;
}

} // namespace quimbelo
