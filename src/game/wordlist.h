// SPDX-License-Identifier: MIT
#pragma once

#include "itemreader.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quimbelo {

// Why a word list could not give a word. The game cannot go on without one.
class WordListError : public std::runtime_error
{
public:
    enum class Reason {
        Missing, // no such file
        NotAFile, // a folder or something else stands where the file should be
        Unreadable, // the file exists but cannot be opened or read
        TooLarge, // larger than any list of words can sensibly be
        NotText, // holds NUL characters: not a text file
        ItemTooLong, // an item longer than a word or title can be
        UnclosedQuote, // a double quote never closed, which would make one item of the rest
        Empty, // no word at all: no item, or none but empty ones
        Shrunk, // fewer items on the second reading than on the first
    };

    // line: where in the file the fault lies, from 1; 0 where that does not apply.
    WordListError(Reason reason, std::filesystem::path path, std::size_t line = 0);

    Reason reason() const { return m_reason; }
    const std::filesystem::path &path() const { return m_path; }
    std::size_t line() const { return m_line; }

    // The Spanish message for the player, in Windows-1252, with lone carriage returns
    // between its lines like every message of the game.
    std::string message() const;

private:
    Reason m_reason;
    std::filesystem::path m_path;
    std::size_t m_line;
};

// A list's bytes as the game reads them. Lists are Windows-1252. A list saved as UTF-8
// (with or without a byte-order mark) is recognised and gives the same words as its
// Windows-1252 twin; a file is taken as UTF-8 only when all of it after a byte-order mark
// is well-formed UTF-8 and it holds a mark or a character beyond ASCII, which Spanish
// text in Windows-1252 practically never is. A file that is neither, such as a
// Windows-1252 list to which a player added a line with an editor that saves UTF-8, is
// read line by line: each line in the encoding LineEncodings finds for it. (A list saved
// as UTF-16 reaches this class already turned into UTF-8, behind a byte-order mark.)
class ListText
{
public:
    explicit ListText(std::string_view bytes);

    // The text that holds the items: the bytes after a UTF-8 byte-order mark, if any.
    std::string_view items() const { return m_items; }
    ItemReader::Encoding encoding() const { return m_encoding; }

    // An item read from items() as the game takes it: in Windows-1252 (a character the
    // code page lacks becomes cp1252::kReplacement), with every tab and no-break space
    // made a plain space.
    std::string itemText(std::string_view item) const;

    // Whether an item read from items() is a word the game can draw: one that holds
    // something besides blanks (spaces, tabs, no-break spaces) and line breaks. An empty
    // item (",," or "\"\"") shows nothing to guess, and any key would win it.
    bool isWord(std::string_view item) const
    {
        // Nearly every item starts with a byte that is no blank in either encoding.
        const auto first = item.empty() ? 0 : static_cast<unsigned char>(item.front());
        return (first > ' ' && first != 0xA0 && first != 0xC2) || holdsMoreThanBlanks(item);
    }

private:
    bool holdsMoreThanBlanks(std::string_view item) const;

    std::string_view m_items;
    ItemReader::Encoding m_encoding = ItemReader::Encoding::Windows1252;
    mutable LineEncodings m_lines { {} };
};

// One theme's list file. Every call opens the file, reads it and closes it again, so a
// list edited between rounds is seen at the next round.
class WordList
{
public:
    // Limits, in bytes of the file; the messages quote them.
    static constexpr std::uintmax_t kMaxFileBytes = 64u * 1024u * 1024u;
    static constexpr std::size_t kMaxItemBytes = 1024;

    // The list "<baseName>.TXT" in folder. Where letter case matters and no file has
    // exactly that name, a file whose name differs only in case is taken instead
    // ("propios.txt"); with several, the first in byte order.
    WordList(const std::filesystem::path &folder, std::string_view baseName);

    const std::filesystem::path &path() const { return m_path; }

    // The number of words, reading the whole file: the items that ListText::isWord()
    // takes, an empty item being no word. Every item is checked: a quote never closed or
    // an item longer than kMaxItemBytes fails, wherever it stands.
    std::uint32_t count() const;

    // The k-th word (1 <= k) as ListText::itemText() gives it: the bytes of a
    // Windows-1252 list, or a UTF-8 list's characters converted, with tabs and no-break
    // spaces as spaces. The items up to it are checked as count() checks them.
    std::string item(std::uint32_t k) const;

    // A round's draw: counts the items, has pick choose a position k in [1, n] from their
    // number n, and reads the k-th item. A list saved in place between the count and the
    // reading (an editor writing over it) can hold fewer items than were counted: it is
    // then read again, count and pick included, up to kDrawAttempts times in all.
    static constexpr int kDrawAttempts = 3;
    std::string draw(const std::function<std::uint32_t(std::uint32_t n)> &pick) const;

private:
    std::string load() const;
    // The k-th item, or nothing when the list holds fewer than k.
    std::optional<std::string> readItem(std::uint32_t k) const;

    std::filesystem::path m_path;
};

} // namespace quimbelo
