// SPDX-License-Identifier: MIT
// Reading a theme's list file: what makes a list, its encodings, and the messages for a
// list the game cannot use.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "cp1252.h"
#include "doctestprint.h"
#include "gamefixture.h"
#include "testfolder.h"
#include "wordlist.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace quimbelo;
using namespace std::string_literals;
using Reason = WordListError::Reason;
namespace fs = std::filesystem;

namespace {

// A folder of lists of its own for each test, and each row of a table.
class Lists
{
protected:
    fs::path folder() const { return m_dir.path(); }
    void write(const std::string &name, std::string_view bytes) const { m_dir.write(name, bytes); }

private:
    TestFolder m_dir;
};

// A text as Notepad saves it as "Unicode": UTF-16 behind its byte-order mark.
std::string utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t c : text) {
        const char high = char(c >> 8);
        const char low = char(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

Reason failureOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const WordListError &error) {
        return error.reason();
    }
    throw std::logic_error("no WordListError was raised");
}

// The first line of the player's message for the failure an action raises, in UTF-8.
std::string messageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const WordListError &error) {
        const std::string message = cp1252::toUtf8(error.message());
        return message.substr(0, message.find('\r'));
    }
    return "no WordListError was raised";
}

} // namespace

TEST_CASE_FIXTURE(Lists, "counts and reads items in file order")
{
    write("propios.TXT", "perro\r\ngato\r\n\"uno, dos\"\r\nla casa azul\r\n");
    const WordList list(folder(), "propios");
    CHECK(list.count() == 4u);
    CHECK(list.item(1) == std::string("perro"));
    CHECK(list.item(3) == std::string("uno, dos"));
    CHECK(list.item(4) == std::string("la casa azul"));
}

TEST_CASE_FIXTURE(Lists, "every call reads the file afresh")
{
    write("propios.TXT", "uno\r\n");
    const WordList list(folder(), "propios");
    CHECK(list.count() == 1u);
    write("propios.TXT", "dos\r\ntres\r\n");
    CHECK(list.count() == 2u);
    CHECK(list.item(2) == std::string("tres"));
}

TEST_CASE_FIXTURE(Lists, "a list that shrank fails")
{
    write("propios.TXT", "uno\r\ndos\r\ntres\r\n");
    const WordList list(folder(), "propios");
    CHECK(list.count() == 3u);
    write("propios.TXT", "uno\r\n");
    CHECK(failureOf([&] { list.item(3); }) == Reason::Shrunk);
    write("propios.TXT", "");
    CHECK(failureOf([&] { list.item(1); }) == Reason::Empty);
}

TEST_CASE_FIXTURE(Lists, "files that are no list fail")
{
    const WordList missing(folder(), "propios");
    CHECK(failureOf([&] { missing.count(); }) == Reason::Missing);

    REQUIRE(fs::create_directory(folder() / "peliculas.TXT"));
    CHECK(failureOf([&] { WordList(folder(), "peliculas").count(); }) == Reason::NotAFile);

#ifdef _WIN32
    // A list that another program holds open, sharing it with no one, exists but cannot
    // be opened.
    const std::unique_ptr<void, decltype(&CloseHandle)> held(
        CreateFileW((folder() / "informatica.TXT").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr),
        &CloseHandle);
    REQUIRE(held.get() != INVALID_HANDLE_VALUE);
#elif defined(__EMSCRIPTEN__)
    // Emscripten's file system opens a link that points at itself as a missing file, but
    // it heeds a file's permissions, which root on Linux would not: a file that no one may
    // read exists but cannot be opened.
    write("informatica.TXT", "casa\r\n");
    fs::permissions(folder() / "informatica.TXT", fs::perms::none);
#else
    // A link that points at itself exists but can never be opened.
    std::error_code linked;
    fs::create_symlink(folder() / "informatica.TXT", folder() / "informatica.TXT", linked);
    REQUIRE_MESSAGE(!linked, linked.message());
#endif
    CHECK(failureOf([&] { WordList(folder(), "informatica").count(); }) == Reason::Unreadable);

    write("diccionario.TXT", "casa\r\n\0\x01\x02\xFF"s);
    CHECK(failureOf([&] { WordList(folder(), "diccionario").count(); }) == Reason::NotText);
}

// Named pipes are Linux's: Windows has none in its file system, nor has the browser's,
// and the web build has no threads to swap or wait with.
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
TEST_CASE_FIXTURE(Lists, "a list swapped for a pipe while it is opened is never waited on")
{
    // The list turns from a file into a pipe and back, again and again, while it is
    // read: what is opened must be what is checked and read.
    const fs::path pipe = folder() / "tuberia";
    REQUIRE(::mkfifo(pipe.c_str(), 0600) == 0);
    write("casa.TXT", "casa\r\n");
    const std::string link = (folder() / "propios.TXT").string();
    const std::string next = (folder() / "siguiente").string();
    REQUIRE(::symlink("casa.TXT", link.c_str()) == 0);
    std::atomic<bool> stop = false;
    std::thread swapper([&] {
        for (int i = 0; !stop; ++i) {
            ::symlink(i % 2 ? "casa.TXT" : "tuberia", next.c_str());
            std::rename(next.c_str(), link.c_str());
        }
    });

    const WordList list(folder(), "propios");
    int files = 0;
    int pipes = 0;
    int others = 0;
    const auto reading = [&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (!stop && std::chrono::steady_clock::now() < deadline) {
            try {
                (list.count() == 1 ? files : others) += 1;
            } catch (const WordListError &error) {
                (error.reason() == Reason::NotAFile ? pipes : others) += 1;
            }
        }
    };
    const bool ended = endsWithoutWaiting(pipe, reading, &stop);
    stop = true;
    swapper.join();
    CHECK_MESSAGE(ended, "opening the list waited for a writer");
    CHECK_MESSAGE((files > 0 && pipes > 0 && others == 0), files, " files, ", pipes, " pipes, ",
        others, " others");
}
#endif

TEST_CASE_FIXTURE(Lists, "huge items and files fail quickly")
{
    write("propios.TXT", "corta\r\n" + std::string(50 * 1024 * 1024, 'x'));
    const WordList list(folder(), "propios");
    CHECK(failureOf([&] { list.count(); }) == Reason::ItemTooLong);
    CHECK(failureOf([&] { list.item(2); }) == Reason::ItemTooLong);
    CHECK(list.item(1) == std::string("corta"));

    write("propios.TXT", std::string(WordList::kMaxItemBytes, 'x'));
    CHECK(list.count() == 1u);

    write("propios.TXT", std::string(std::size_t(WordList::kMaxFileBytes) + 1, '\n'));
    CHECK(failureOf([&] { list.count(); }) == Reason::TooLarge);
}

TEST_CASE_FIXTURE(Lists, "UTF-8 lists give the words of their Windows-1252 twin")
{
    const std::u16string_view text = u"niño\r\ncamión\r\n€uro\r\n";
    const std::pair<const char *, std::string> rows[] = {
        { "Windows-1252", "ni\xF1o\r\ncami\xF3n\r\n\x80uro\r\n" },
        { "UTF-8", "ni\xC3\xB1o\r\ncami\xC3\xB3n\r\n\xE2\x82\xACuro\r\n" },
        { "UTF-8 with BOM", "\xEF\xBB\xBFni\xC3\xB1o\r\ncami\xC3\xB3n\r\n\xE2\x82\xACuro\r\n" },
        { "Windows-1252 after a UTF-8 BOM", "\xEF\xBB\xBFni\xF1o\r\ncami\xF3n\r\n\x80uro\r\n" },
        { "UTF-16 LE", utf16(text, false) },
        { "UTF-16 BE", utf16(text, true) },
        // a word added with another editor
        { "UTF-8 on one line", "ni\xF1o\r\ncami\xC3\xB3n\r\n\x80uro\r\n" },
    };
    for (const auto &[name, bytes] : rows) {
        SUBCASE(name)
        {
            write("propios.TXT", bytes);
            const WordList list(folder(), "propios");
            CHECK(list.count() == 3u);
            CHECK(list.item(1) == std::string("ni\xF1o"));
            CHECK(list.item(2) == std::string("cami\xF3n"));
            CHECK(list.item(3) == std::string("\x80uro"));
        }
    }
}

TEST_CASE_FIXTURE(Lists, "tabs and no-break spaces are read as spaces")
{
    // Blanks around an unquoted item are dropped, a line of them is blank, and a quoted
    // item keeps them.
    const std::pair<const char *, std::string> rows[] = {
        { "Windows-1252", "\xA0la\xA0mesa\tazul\xA0\r\n\xA0\t\r\n\"\xA0\xF1u\t\"\r\n" },
        { "UTF-8",
            "\xC2\xA0la\xC2\xA0mesa\tazul\xC2\xA0\r\n\xC2\xA0\t\r\n\"\xC2\xA0\xC3\xB1u\t\"\r\n" },
    };
    for (const auto &[name, bytes] : rows) {
        SUBCASE(name)
        {
            write("propios.TXT", bytes);
            const WordList list(folder(), "propios");
            CHECK(list.count() == 2u);
            CHECK(list.item(1) == std::string("la mesa azul"));
            CHECK(list.item(2) == std::string(" \xF1u "));
        }
    }
}

TEST_CASE_FIXTURE(Lists, "a byte-order mark is no part of the first word")
{
    write("propios.TXT",
        "\xEF\xBB\xBF"
        "casa\r\n");
    CHECK(WordList(folder(), "propios").item(1) == std::string("casa"));
}

TEST_CASE_FIXTURE(Lists,
    "Windows-1252 text that could pass for UTF-8 is only taken as UTF-8 when all of its line is")
{
    // "Ã±" is valid UTF-8 for "ñ"; beside "ñ" in Windows-1252 the line is not UTF-8.
    write("propios.TXT", "\xC3\xB1 ni\xF1o\r\n\xC3\xB1\r\n");
    const WordList list(folder(), "propios");
    CHECK(list.item(1) == std::string("\xC3\xB1 ni\xF1o"));
    CHECK(list.item(2) == std::string("\xF1"));
}

TEST_CASE_FIXTURE(Lists, "a list mixing encodings is read line by line")
{
    struct Row
    {
        const char *name;
        std::string bytes;
        std::vector<std::string> words;
    };
    const Row rows[] = {
        { "a UTF-8 line in a Windows-1252 list",
            "CAMI\xD3N\r\nPI\xC3\x91"
            "ATA\r\n",
            { "CAMI\xD3N",
                "PI\xD1"
                "ATA" } },
        { "after a UTF-8 BOM",
            "\xEF\xBB\xBFPI\xC3\x91"
            "ATA\r\nCAMI\xD3N\r\n",
            { "PI\xD1"
              "ATA",
                "CAMI\xD3N" } },
        { "several items on a line",
            "ni\xF1o,cami\xF3n\r\npi\xC3\xB1"
            "a,\"\xE2\x82\xAC, \xC3\xA1\"\r\n",
            { "ni\xF1o", "cami\xF3n",
                "pi\xF1"
                "a",
                "\x80, \xE1" } },
        // The last byte of UTF-8's "à" is Windows-1252's no-break space, which is dropped
        // at the edge of an item: each is taken in the encoding of its own line.
        { "no-break spaces and à",
            "\xA0ni\xF1o\xA0\r\nall\xC3\xA0\r\n\xC2\xA0pi\xC3\xB1"
            "a\xC2\xA0\r\nall\xE0\xA0\r\n",
            { "ni\xF1o", "all\xE0",
                "pi\xF1"
                "a",
                "all\xE0" } },
        { "a quoted item over lines of both",
            "\"ni\xF1o\r\npi\xC3\xB1"
            "a\"\r\n",
            { "ni\xF1o\r\npi\xF1"
              "a" } },
    };
    for (const Row &row : rows) {
        SUBCASE(row.name)
        {
            write("propios.TXT", row.bytes);
            const WordList list(folder(), "propios");
            CHECK(list.count() == std::uint32_t(row.words.size()));
            for (std::uint32_t k = 1; k <= row.words.size(); ++k) {
                CAPTURE(k);
                CHECK(list.item(k) == row.words[k - 1]);
            }
        }
    }
}

TEST_CASE_FIXTURE(Lists, "a UTF-16 list is read as its UTF-8 twin")
{
    // Characters Windows-1252 lacks become "?" as in UTF-8, one for each character, a
    // pair of surrogates included; so does a surrogate without its pair.
    std::u16string text = u"\u00A0ni\u00F1o\u00A0\r\n\"a, b\"\r\n日本 \U0001F600\r\n";
    text += char16_t(0xD800);
    text += u"x\r\n";
    const std::vector<std::string> words { "ni\xF1o", "a, b", "?? ?", "?x" };
    for (const bool bigEndian : { false, true }) {
        CAPTURE(bigEndian);
        write("propios.TXT", utf16(text, bigEndian));
        const WordList list(folder(), "propios");
        CHECK(list.count() == 4u);
        for (std::uint32_t k = 1; k <= words.size(); ++k) {
            CAPTURE(k);
            CHECK(list.item(k) == words[k - 1]);
        }
    }
    // The same characters in UTF-8.
    write("propios.TXT",
        "\xC2\xA0ni\xC3\xB1o\xC2\xA0\r\n\"a, b\"\r\n\xE6\x97\xA5\xE6\x9C\xAC "
        "\xF0\x9F\x98\x80\r\n");
    for (std::uint32_t k = 1; k <= 3; ++k) {
        CAPTURE(k);
        CHECK(WordList(folder(), "propios").item(k) == words[k - 1]);
    }

    // Its lines are counted as in any list.
    write("propios.TXT", utf16(u"uno\r\ndos\n\"tres\r\n", false));
    CHECK(messageOf([&] { WordList(folder(), "propios").count(); })
        == std::string("La lista de palabras tiene una comilla sin cerrar en la línea 3:"));

    // Binary bytes behind the mark are still no text, nor is UTF-32, whose mark for
    // little-endian starts like UTF-16's.
    write("propios.TXT", "\xFF\xFE\x00\x00\x01\x02\xFF\xD8"s);
    CHECK(failureOf([&] { WordList(folder(), "propios").count(); }) == Reason::NotText);
    write("propios.TXT",
        "\xFF\xFE\x00\x00"
        "c\0\0\0"s);
    CHECK(failureOf([&] { WordList(folder(), "propios").count(); }) == Reason::NotText);
}

TEST_CASE_FIXTURE(Lists, "items without letters are no words")
{
    const std::pair<const char *, std::string> rows[] = {
        { "commas", ",,,\r\n" },
        { "empty quotes", "\"\",\"\"\r\n" },
        { "quoted blanks", "\" \",\"\t\xA0\"\r\n" },
        { "quoted UTF-8 no-break space", "\"\xC2\xA0\",\"\xC3\xB1\"\r\n," },
        { "quoted line breaks", "\"\r\n \r\n\"\r\n" },
    };
    for (const auto &[name, bytes] : rows) {
        SUBCASE(name)
        {
            const WordList list(folder(), "propios");
            write("propios.TXT", bytes);
            const bool oneWord = bytes.find("\xC3\xB1") != std::string::npos;
            CHECK(list.count() == (oneWord ? 1u : 0u));
            if (oneWord) {
                CHECK(list.item(1) == std::string("\xF1"));
                CHECK(failureOf([&] { list.item(2); }) == Reason::Shrunk);
            } else {
                CHECK(failureOf([&] { list.item(1); }) == Reason::Empty);
                CHECK(messageOf([&] { list.draw([](std::uint32_t n) { return n; }); })
                    == std::string("La lista de palabras está vacía:"));
            }

            // Between words, they are passed over in the count and in the draw alike.
            write("propios.TXT", bytes + "casa\r\n" + bytes + "\"\xC2\" ,\" x \"\r\n" + bytes);
            CHECK(list.count() == (oneWord ? 6u : 3u));
            const std::vector<std::string> words = oneWord
                ? std::vector<std::string> { "\xF1", "casa", "\xF1", "\xC2", " x ", "\xF1" }
                : std::vector<std::string> { "casa", "\xC2", " x " };
            for (std::uint32_t k = 1; k <= words.size(); ++k) {
                CAPTURE(k);
                CHECK(list.item(k) == words[k - 1]);
                CHECK(list.draw([k](std::uint32_t) { return k; }) == words[k - 1]);
            }
        }
    }
}

TEST_CASE_FIXTURE(Lists, "the name is matched without regard to case when needed")
{
    write("propios.txt", "minusculas\r\n");
    CHECK(WordList(folder(), "propios").item(1) == std::string("minusculas"));
    write("propios.TXT", "exacto\r\n");
    CHECK(WordList(folder(), "propios").item(1) == std::string("exacto"));
}

TEST_CASE_FIXTURE(Lists, "the message says what is wrong in a list and on which line")
{
    // Lines end in each way a list may end them, and a quoted item spans two lines.
    std::string before;
    for (int line = 1; line <= 295; ++line) {
        before += "palabra\r\n";
    }
    before += "uno\ndos\rtres\r\n\"dos\r\nlineas\"\r\n";
    std::string after;
    for (int line = 302; line <= 500; ++line) {
        after += "palabra\r\n";
    }
    const WordList list(folder(), "propios");

    // A quote that is never closed makes one item of all the rest of the list.
    write("propios.TXT", before + "\"sin cerrar\r\n" + after);
    const std::string unclosed
        = "La lista de palabras tiene una comilla sin cerrar en la línea 301:";
    CHECK(messageOf([&] { list.count(); }) == unclosed);
    CHECK(messageOf([&] { list.item(300); }) == unclosed);
    CHECK(list.item(299) == std::string("dos\r\nlineas"));

    write("propios.TXT", before + std::string(WordList::kMaxItemBytes + 1, 'x') + "\r\n" + after);
    const std::string tooLong = "La lista de palabras tiene una palabra de más de "
        + std::to_string(WordList::kMaxItemBytes) + " bytes que empieza en la línea 301:";
    CHECK(messageOf([&] { list.count(); }) == tooLong);
    CHECK(messageOf([&] { list.item(300); }) == tooLong);

    // However short the list, and wherever the quote left open.
    write("propios.TXT", "\"dos, tres\ncuatro\n");
    CHECK(messageOf([&] { list.count(); })
        == std::string("La lista de palabras tiene una comilla sin cerrar en la línea 1:"));
    CHECK(messageOf([&] { list.item(1); })
        == std::string("La lista de palabras tiene una comilla sin cerrar en la línea 1:"));
    write("propios.TXT", "uno\r\n\"dos\"\r\ntres, \"\r\n");
    CHECK(messageOf([&] { list.draw([](std::uint32_t) { return 1u; }); })
        == std::string("La lista de palabras tiene una comilla sin cerrar en la línea 3:"));
    CHECK(list.item(3) == std::string("tres"));
    CHECK(messageOf([&] { list.item(4); })
        == std::string("La lista de palabras tiene una comilla sin cerrar en la línea 3:"));

    CHECK(messageOf([&] { throw WordListError(Reason::TooLarge, list.path()); })
        == "La lista de palabras es demasiado grande (más de "
            + std::to_string(WordList::kMaxFileBytes / (1024 * 1024)) + " MB):");
}

TEST_CASE_FIXTURE(Lists, "the message names the failure and the file")
{
    const WordListError error(Reason::Empty, folder() / "propios.TXT");
    const std::string message = cp1252::toUtf8(error.message());
    CHECK(message.starts_with("La lista de palabras está vacía:\r"));
    CHECK(message.find(textFromPath(folder() / "propios.TXT")) != std::string::npos);
    CHECK(message.find('\n') == std::string::npos);

    // A folder named in Latin-1, as an old zip unpacks it, is named as it reads; Windows,
    // which names files in UTF-16, has no such folder, but one with the same name.
#ifdef _WIN32
    const fs::path named = fs::path(u8"Ñandú");
#else
    const fs::path named = "\xD1"
                           "and\xFA";
#endif
    const std::string separator(1, char(fs::path::preferred_separator));
    CHECK(cp1252::toUtf8(WordListError(Reason::Missing, folder() / named / "propios.TXT").message())
              .find(separator + "Ñandú" + separator + "propios.TXT\r")
        != std::string::npos);
}
