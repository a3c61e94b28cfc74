// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the word-list reader and the text rules the way a list file
// reaches them, and checks the properties the game relies on.
#include "cp1252.h"
#include "itemreader.h"
#include "wordlist.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using quimbelo::ItemReader;

void check(bool property)
{
    if (!property) {
        std::abort();
    }
}

// Every item lies inside the text, after the one before it, and the reader always
// advances; an item whose quote is never closed runs to the end of the text. In short
// texts the line each item starts on never goes backwards. Any text is read in any
// encoding (either, or each line in its own), well-formed or not.
template <typename Visit>
void readItems(std::string_view text, ItemReader::Encoding encoding, Visit visit)
{
    ItemReader reader(text, encoding);
    std::size_t items = 0;
    const char *previous = text.data();
    std::size_t previousLine = 1;
    while (!reader.atEnd()) {
        const std::string_view item = reader.next();
        check(item.data() >= previous && item.data() + item.size() <= text.data() + text.size());
        check(++items <= text.size() + 1);
        check(quimbelo::cp1252::toUpper(item).size() == item.size());
        if (reader.unclosedQuote()) {
            check(item.data() + item.size() == text.data() + text.size() && reader.atEnd());
        }
        if (text.size() <= 512) {
            const std::size_t line
                = quimbelo::lineAt(text, static_cast<std::size_t>(item.data() - text.data()));
            check(line >= previousLine && line <= text.size() + 1);
            previousLine = line;
        }
        previous = item.data();
        visit(item);
    }
}

bool isQuoted(std::string_view text, std::string_view item)
{
    return item.data() > text.data() && item.data()[-1] == '"';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    // Whatever the text, in either encoding, the reader stays inside it.
    readItems(bytes, ItemReader::Encoding::Windows1252, [](std::string_view) {});
    readItems(bytes, ItemReader::Encoding::Utf8, [](std::string_view) {});
    readItems(bytes, ItemReader::Encoding::LineByLine, [](std::string_view) {});

    // As the game reads a list: the encoding it finds, then each item made a word. A word
    // holds no tab and no no-break space, is no longer than the item's bytes, and one
    // from an unquoted item neither starts nor ends with a space. An item counts as a
    // word exactly when it holds more than spaces and line breaks.
    const quimbelo::ListText list(bytes);
    readItems(list.items(), list.encoding(), [&](std::string_view item) {
        const std::string word = list.itemText(item);
        check(word.size() <= item.size());
        check(word.find_first_of("\t\xA0") == std::string::npos);
        if (!word.empty() && !isQuoted(list.items(), item)) {
            check(word.front() != ' ' && word.back() != ' ');
        }
        check(list.isWord(item) == (word.find_first_not_of(" \r\n") != std::string::npos));
    });

    // A list saved as UTF-16 reaches the reader as UTF-8, well-formed whatever its bytes.
    for (const bool bigEndian : { false, true }) {
        const std::string utf8 = quimbelo::cp1252::utf16ToUtf8(bytes, bigEndian);
        check(quimbelo::cp1252::isValidUtf8(utf8));
        check(utf8.size() <= size + size / 2 + 3);
    }

    check(quimbelo::cp1252::fromUtf8(bytes).size() <= size);
    if (quimbelo::cp1252::isValidUtf8(bytes)) {
        // Text that decodes cleanly never needs the replacement for a malformed sequence.
        const std::string back = quimbelo::cp1252::toUtf8(quimbelo::cp1252::fromUtf8(bytes));
        check(back.size() <= size + size / 2 + 1);
    }
    return 0;
}
