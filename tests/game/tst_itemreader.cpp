// SPDX-License-Identifier: MIT
// How the items of a word list are read: separators, quotes, blanks of each encoding,
// and the line each byte is counted on.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "doctestprint.h"
#include "itemreader.h"

#include <iterator>
#include <string>
#include <string_view>
#include <vector>

using namespace quimbelo;
using Items = std::vector<std::string>;

TEST_CASE("items")
{
    struct Row
    {
        const char *name;
        std::string text;
        Items items;
    };
    const Row rows[] = {
        { "one per line, CR LF", "casa\r\nperro\r\n", { "casa", "perro" } },
        { "last line without a break", "casa\r\nperro", { "casa", "perro" } },
        { "lone LF", "casa\nperro\n", { "casa", "perro" } },
        { "lone CR", "casa\rperro\r", { "casa", "perro" } },
        { "LF CR is two breaks", "casa\n\rperro", { "casa", "perro" } },
        { "comma ends an item", "uno, dos\r\n", { "uno", "dos" } },
        { "two commas give an empty item", "a,,b", { "a", "", "b" } },
        { "comma before the line break", "a,\r\nb", { "a", "", "b" } },
        { "comma at the very end", "a,", { "a" } },
        { "quoted item holds commas", "\"a, b\",c\r\n", { "a, b", "c" } },
        { "empty quotes", "\"\"\r\nx", { "", "x" } },
        { "quoted item keeps its blanks", "\" a \"", { " a " } },
        { "text after the closing quote is dropped", "\"ab\"cd,e", { "ab", "e" } },
        { "unclosed quote runs to the end", "\"ab\r\ncd", { "ab\r\ncd" } },
        { "quoted item spans lines", "\"a\r\nb\",c", { "a\r\nb", "c" } },
        { "quote inside an item is kept", "ab\"cd\r\n", { "ab\"cd" } },
        { "blanks around an item", "  la casa \t\r\n", { "la casa" } },
        { "blank lines are skipped", "\r\na\r\n\r\n  \r\nb\r\n\r\n", { "a", "b" } },
        { "empty text", "", {} },
        { "only line breaks", "\r\n\n\r", {} },
        { "high bytes pass through", "ni\xF1o", { "ni\xF1o" } },
    };
    for (const Row &row : rows) {
        SUBCASE(row.name)
        {
            ItemReader reader(row.text);
            Items read;
            while (!reader.atEnd()) {
                read.emplace_back(reader.next());
                REQUIRE_MESSAGE(read.size() <= 100, "the reader does not advance");
            }
            CHECK(read == row.items);
        }
    }
}

TEST_CASE("no-break spaces are blanks of their encoding")
{
    struct Row
    {
        const char *name;
        bool utf8;
        std::string text;
        std::string item;
    };
    const Row rows[] = {
        { "around an item", false, "\xA0 la\xA0mesa\t\xA0\r\n", "la\xA0mesa" },
        { "UTF-8 around an item", true, "\xC2\xA0la\xC2\xA0mesa \xC2\xA0\r\n", "la\xC2\xA0mesa" },
        { "a line of them is blank", false, "\xA0\t\xA0\r\nx", "x" },
        { "UTF-8 line of them is blank", true, "\xC2\xA0\t\xC2\xA0\r\nx", "x" },
        { "before a quote", false, "\xA0\"\xA0o\t\",x", "\xA0o\t" },
        // The last byte of "à" in UTF-8 is the no-break space of Windows-1252.
        { "UTF-8 à at the end", true, "all\xC3\xA0\r\n", "all\xC3\xA0" },
        { "Â and a no-break space", false, "\xC2\xA0\r\n", "\xC2" },
    };
    for (const Row &row : rows) {
        SUBCASE(row.name)
        {
            ItemReader reader(row.text,
                row.utf8 ? ItemReader::Encoding::Utf8 : ItemReader::Encoding::Windows1252);
            REQUIRE(!reader.atEnd());
            CHECK(reader.next() == std::string_view(row.item));
        }
    }
}

TEST_CASE("no-break spaces are blanks of their line")
{
    // In a text that is not UTF-8 as a whole, each line is UTF-8 when all of it is and it
    // holds a character beyond ASCII, and Windows-1252 otherwise.
    struct Row
    {
        const char *name;
        std::string text;
        Items items;
    };
    const Row rows[] = {
        { "a line of each",
            "\xA0ni\xF1o\xA0\r\n\xC2\xA0pi\xC3\xB1"
            "a\xC2\xA0",
            { "ni\xF1o",
                "pi\xC3\xB1"
                "a" } },
        { "à in UTF-8, à and a no-break space in Windows-1252",
            "all\xC3\xA0,\xC2\xA0\r\nall\xE0\xA0,x\r", { "all\xC3\xA0", "", "all\xE0", "x" } },
        { "blank lines of each", "\xC2\xA0\t\xC2\xA0\r\n\xA0\xA0\n\xF1\r\n\xC2\xA0\r\n",
            { "\xF1" } },
        { "a quoted item over lines of both",
            "\xA0\"\xA0\xF1\n\xC2\xA0\xC3\xB1\"\xC2\xA0,\xC2\xA0\xA0\r\n",
            { "\xA0\xF1\n\xC2\xA0\xC3\xB1", "\xC2" } },
    };
    for (const Row &row : rows) {
        SUBCASE(row.name)
        {
            ItemReader reader(row.text, ItemReader::Encoding::LineByLine);
            Items read;
            while (!reader.atEnd() && read.size() <= 100) {
                read.emplace_back(reader.next());
            }
            CHECK(read == row.items);
        }
    }
}

TEST_CASE("each line has its encoding")
{
    const std::string_view text = "a\xC3\xB1\r\n\xF1\n\xC3\xB1\xF1\rabc\r\n\xE2\x82\xAC";
    LineEncodings lines(text);
    const bool utf8[] = { 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1 };
    REQUIRE(std::size(utf8) == text.size());
    for (const bool backwards : { false, true }) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const std::size_t pos = backwards ? text.size() - 1 - i : i;
            CHECK_MESSAGE(lines.utf8At(pos) == utf8[pos], "byte ", pos,
                backwards ? ", asked backwards" : ", asked forwards");
        }
    }
}

TEST_CASE("lines are counted as the reader breaks them")
{
    const std::string_view text = "a\r\nb\nc\rd\n\re\r\n";
    const std::size_t lines[] = { 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 6, 6, 6 };
    REQUIRE(std::size(lines) == text.size());
    for (std::size_t offset = 0; offset < std::size(lines); ++offset) {
        CAPTURE(offset);
        CHECK(lineAt(text, offset) == lines[offset]);
    }
    CHECK(lineAt(text, text.size()) == std::size_t(7));
}

TEST_CASE("an unclosed quote is told apart")
{
    ItemReader reader("\"a\",b,\"c\r\nd");
    CHECK(reader.next() == std::string_view("a"));
    CHECK(!reader.unclosedQuote());
    CHECK(reader.next() == std::string_view("b"));
    CHECK(!reader.unclosedQuote());
    CHECK(reader.next() == std::string_view("c\r\nd"));
    CHECK(reader.unclosedQuote());
}

TEST_CASE("separators are found at every offset of long items")
{
    // The reader looks for separators several bytes at a time: each one must be found
    // wherever it falls.
    for (int length = 1; length < 24; ++length) {
        for (const char *separator : { ",", "\r", "\n", "\r\n" }) {
            INFO("items of ", length, " bytes, separated by ", printable(separator));
            const std::string first(std::size_t(length), 'a');
            const std::string second(std::size_t(length) + 5, '\xF1');
            const std::string text = first + separator + second + separator + "z";
            ItemReader reader(text);
            CHECK(reader.next() == std::string_view(first));
            CHECK(reader.next() == std::string_view(second));
            CHECK(reader.next() == std::string_view("z"));
            CHECK(reader.atEnd());
        }
    }
}

TEST_CASE("next at the end gives empty items without moving")
{
    ItemReader reader("a");
    CHECK(reader.next() == std::string_view("a"));
    CHECK(reader.atEnd());
    CHECK(reader.next() == std::string_view());
    CHECK(reader.atEnd());
}
