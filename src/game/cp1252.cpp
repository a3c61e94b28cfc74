// SPDX-License-Identifier: MIT
#include "cp1252.h"

#include <array>

namespace quimbelo::cp1252 {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021, //
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F, //
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014, //
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

constexpr std::array<unsigned char, 256> makeUpperTable()
{
    std::array<unsigned char, 256> table {};
    for (int byte = 0; byte < 256; ++byte) {
        table[byte] = static_cast<unsigned char>(byte);
    }
    for (int byte = 'a'; byte <= 'z'; ++byte) {
        table[byte] = static_cast<unsigned char>(byte - 0x20);
    }
    for (int byte = 0xE0; byte <= 0xFE; ++byte) {
        if (byte != 0xF7) { // the division sign has no capital
            table[byte] = static_cast<unsigned char>(byte - 0x20);
        }
    }
    table[0x9A] = 0x8A; // š
    table[0x9C] = 0x8C; // œ
    table[0x9E] = 0x8E; // ž
    table[0xFF] = 0x9F; // ÿ
    return table;
}

constexpr auto kUpper = makeUpperTable();

// Length of the UTF-8 sequence starting at text[i] and its code point, or 0 when the
// bytes there are not a well-formed sequence (overlong forms and surrogates included).
std::size_t decodeOne(std::string_view text, std::size_t i, char32_t &codePoint)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - i < length) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF
        || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return length;
}

void appendUtf8(std::string &out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

} // namespace

unsigned char toUpper(unsigned char byte)
{
    return kUpper[byte];
}

std::string toUpper(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper) {
        c = static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
    }
    return upper;
}

char32_t toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

int fromUnicode(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

bool isValidUtf8(std::string_view text)
{
    char32_t codePoint = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = decodeOne(text, i, codePoint);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string fromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    char32_t codePoint = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = decodeOne(utf8, i, codePoint);
        if (length == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        const int byte = fromUnicode(codePoint);
        out += byte < 0 ? kReplacement : static_cast<char>(byte);
        i += length;
    }
    return out;
}

std::string toUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (const char c : text) {
        appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    constexpr char32_t kReplacementCharacter = 0xFFFD;
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    const auto isHigh = [](char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
    const auto isLow = [](char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
    std::string out;
    out.reserve(bytes.size() / 2 + bytes.size() / 4);
    std::size_t i = 0;
    for (; i + 2 <= bytes.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (isHigh(unit) && i + 4 <= bytes.size() && isLow(unitAt(i + 2))) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 2;
        } else {
            appendUtf8(out, isHigh(unit) || isLow(unit) ? kReplacementCharacter : unit);
        }
    }
    if (i < bytes.size()) {
        appendUtf8(out, kReplacementCharacter);
    }
    return out;
}

} // namespace quimbelo::cp1252
