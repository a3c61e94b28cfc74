// SPDX-License-Identifier: MIT
// The rules of the game's text: Windows-1252 upper case, the way to and from UTF-8 and
// UTF-16, and the counters' captions.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "counttext.h"
#include "cp1252.h"
#include "doctestprint.h"

#include <string>
#include <utility>

using namespace quimbelo;
using namespace std::string_literals;

TEST_CASE("upper case")
{
    struct Row
    {
        const char *name;
        int byte;
        int upper;
    };
    const Row rows[] = {
        { "a", 'a', 'A' },
        { "z", 'z', 'Z' },
        { "ñ", 0xF1, 0xD1 },
        { "á", 0xE1, 0xC1 },
        { "ü", 0xFC, 0xDC },
        { "þ", 0xFE, 0xDE },
        { "š", 0x9A, 0x8A },
        { "œ", 0x9C, 0x8C },
        { "ž", 0x9E, 0x8E },
        { "ÿ", 0xFF, 0x9F },
        { "÷ has no capital", 0xF7, 0xF7 },
        { "ß stays", 0xDF, 0xDF },
        { "µ stays", 0xB5, 0xB5 },
        { "Ñ stays", 0xD1, 0xD1 },
        { "digit", '7', '7' },
        { "@ just before A", '@', '@' },
        { "` just before a", '`', '`' },
        { "{ just after z", '{', '{' },
    };
    for (const Row &row : rows) {
        SUBCASE(row.name)
        {
            CHECK(int(cp1252::toUpper(static_cast<unsigned char>(row.byte))) == row.upper);
        }
    }
}

TEST_CASE("upper case of a text keeps its length")
{
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string upper = cp1252::toUpper(all);
    CHECK(upper.size() == all.size());
    CHECK(cp1252::toUpper("la ca\xF1"
                          "a de \xE1rbol")
        == std::string("LA CA\xD1"
                       "A DE \xC1RBOL"));
}

TEST_CASE("every byte survives the way to Unicode and back")
{
    for (int b = 0; b < 256; ++b) {
        CAPTURE(b);
        const char32_t codePoint = cp1252::toUnicode(static_cast<unsigned char>(b));
        CHECK(cp1252::fromUnicode(codePoint) == b);
    }
    CHECK(int(cp1252::toUnicode(0x80)) == 0x20AC);
    CHECK(int(cp1252::toUnicode(0xD1)) == 0xD1);
    CHECK(cp1252::fromUnicode(U'\u65E5') == -1);
}

TEST_CASE("UTF-8 conversion")
{
    struct Row
    {
        const char *name;
        std::string utf8;
        std::string cp1252;
    };
    const Row rows[] = {
        { "ascii", "casa", "casa" },
        { "ñ and accents", "ni\xC3\xB1o cami\xC3\xB3n", "ni\xF1o cami\xF3n" },
        { "euro and quotes", "\xE2\x82\xAC \xE2\x80\x9C", "\x80 \x93" },
        { "outside the code page",
            "a\xE6\x97\xA5"
            "b",
            "a?b" },
        { "astral plane", "\xF0\x9F\x98\x80", "?" },
        { "malformed bytes",
            "a\xF1"
            "b",
            "a?b" },
        { "overlong slash", "\xC0\xAF", "??" },
        { "truncated at the end", "a\xC3", "a?" },
    };
    for (const Row &row : rows) {
        SUBCASE(row.name)
        {
            CHECK(cp1252::fromUtf8(row.utf8) == row.cp1252);
        }
    }
}

TEST_CASE("UTF-8 validity")
{
    CHECK(cp1252::isValidUtf8("ni\xC3\xB1o"));
    CHECK(cp1252::isValidUtf8(""));
    CHECK(!cp1252::isValidUtf8("ni\xF1o")); // Windows-1252 "niño"
    CHECK(!cp1252::isValidUtf8("\xC0\xAF")); // overlong
    CHECK(!cp1252::isValidUtf8("\xED\xA0\x80")); // surrogate
    CHECK(!cp1252::isValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    CHECK(cp1252::toUtf8("ni\xF1o \x80") == std::string("ni\xC3\xB1o \xE2\x82\xAC"));
}

TEST_CASE("UTF-16 conversion")
{
    struct Row
    {
        const char *name;
        std::string littleEndian;
        std::string utf8;
    };
    const Row rows[] = {
        { "ASCII", "a\0\r\0\n\0"s, "a\r\n" },
        { "Latin", "\xF1\0\xA0\0"s, "\xC3\xB1\xC2\xA0" },
        { "euro", "\xAC\x20", "\xE2\x82\xAC" },
        { "astral plane", "\x3D\xD8\x00\xDE"s, "\xF0\x9F\x98\x80" },
        { "lone high surrogate",
            "\x3D\xD8"
            "a\0"s,
            "\xEF\xBF\xBD"
            "a" },
        { "lone low surrogate", "\x00\xDE"s, "\xEF\xBF\xBD" },
        { "high surrogate at the end", "\x3D\xD8", "\xEF\xBF\xBD" },
        { "odd byte at the end", "a\0b"s, "a\xEF\xBF\xBD" },
    };
    for (const Row &row : rows) {
        SUBCASE(row.name)
        {
            const std::string &little = row.littleEndian;
            CHECK(cp1252::utf16ToUtf8(little, false) == row.utf8);
            std::string big = little;
            for (std::size_t i = 0; i + 1 < big.size(); i += 2) {
                std::swap(big[i], big[i + 1]);
            }
            CHECK(cp1252::utf16ToUtf8(big, true) == row.utf8);
            // What the code page lacks becomes "?" as from any UTF-8.
            CHECK(cp1252::isValidUtf8(cp1252::utf16ToUtf8(little, false)));
        }
    }
}

TEST_CASE("counts are plain whole numbers")
{
    CHECK(countText(0) == std::string("0"));
    CHECK(countText(10) == std::string("10"));
    CHECK(countText(96864.0f) == std::string("96864"));
    CHECK(countValue("17") == 17.0);
    CHECK(countValue("  3") == 3.0);
    CHECK(countValue("-1") == -1.0);
    CHECK(countValue("Label11") == 0.0);
    CHECK(countValue("") == 0.0);
}
