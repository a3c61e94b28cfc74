// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the word-list reader and the text rules the way a list file
// reaches them, and checks the properties the game relies on.
#include "cp1252.h"
#include "itemreader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    quimbelo::ItemReader reader(text);
    std::size_t items = 0;
    while (!reader.atEnd()) {
        const std::string_view item = reader.next();
        // Every item lies inside the text, and the reader always advances.
        if (item.data() < text.data() || item.data() + item.size() > text.data() + text.size()) {
            std::abort();
        }
        if (++items > size + 1) {
            std::abort();
        }
        if (quimbelo::cp1252::toUpper(item).size() != item.size()) {
            std::abort();
        }
    }

    if (quimbelo::cp1252::fromUtf8(text).size() > size) {
        std::abort();
    }
    if (quimbelo::cp1252::isValidUtf8(text)) {
        // Text that decodes cleanly never needs the replacement for a malformed sequence.
        const std::string back = quimbelo::cp1252::toUtf8(quimbelo::cp1252::fromUtf8(text));
        if (back.size() > size + size / 2 + 1) {
            std::abort();
        }
    }
    return 0;
}
