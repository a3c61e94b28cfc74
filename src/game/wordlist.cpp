// SPDX-License-Identifier: MIT
#include "wordlist.h"

#include "cp1252.h"
#include "itemreader.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quimbelo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

constexpr std::uintmax_t kMegabyte = 1024 * 1024;
static_assert(WordList::kMaxFileBytes % kMegabyte == 0, "the message gives whole megabytes");

// The first line of the player's message, in UTF-8, naming the line of the file at fault
// where there is one.
std::string reasonText(WordListError::Reason reason, std::size_t line)
{
    using Reason = WordListError::Reason;
    const std::string lineNumber = std::to_string(line);
    switch (reason) {
    case Reason::Missing:
        return "No se encuentra la lista de palabras";
    case Reason::NotAFile:
        return "La lista de palabras no es un archivo";
    case Reason::Unreadable:
        return "No se puede leer la lista de palabras";
    case Reason::TooLarge:
        return "La lista de palabras es demasiado grande (más de "
            + std::to_string(WordList::kMaxFileBytes / kMegabyte) + " MB)";
    case Reason::NotText:
        return "La lista de palabras no es un archivo de texto";
    case Reason::ItemTooLong:
        return "La lista de palabras tiene una palabra de más de "
            + std::to_string(WordList::kMaxItemBytes) + " bytes"
            + (line > 0 ? " que empieza en la línea " + lineNumber : "");
    case Reason::UnclosedQuote:
        return "La lista de palabras tiene una comilla sin cerrar"
            + (line > 0 ? " en la línea " + lineNumber : "");
    case Reason::Empty:
        return "La lista de palabras está vacía";
    case Reason::Shrunk:
        return "La lista de palabras ha cambiado mientras se leía y tiene menos palabras";
    }
    return "Error en la lista de palabras";
}

// Fails for an item of items that opens a quote never closed, whatever its length, or
// that is longer than any word, saying where it starts (the quote stands just before
// it). An unclosed quote would make one item of all the rest of the list, line breaks
// and commas included: a secret no one could guess.
[[noreturn]] void failItem(
    const fs::path &path, std::string_view items, std::string_view item, bool unclosedQuote)
{
    using Reason = WordListError::Reason;
    const std::size_t line = lineAt(items, static_cast<std::size_t>(item.data() - items.data()));
    throw WordListError(unclosedQuote ? Reason::UnclosedQuote : Reason::ItemTooLong, path, line);
}

inline void checkItem(
    const fs::path &path, std::string_view items, std::string_view item, bool unclosedQuote)
{
    if (unclosedQuote || item.size() > WordList::kMaxItemBytes) [[unlikely]] {
        failItem(path, items, item, unclosedQuote);
    }
}

std::string lowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c); });
    return text;
}

fs::path locate(const fs::path &folder, std::string_view baseName)
{
    const std::string fileName = std::string(baseName) + ".TXT";
    fs::path exact = folder / fileName;
    std::error_code error;
    if (fs::symlink_status(exact, error).type() != fs::file_type::not_found) {
        return exact;
    }
    const std::string wanted = lowerAscii(fileName);
    std::string best;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (lowerAscii(name) == wanted && (best.empty() || name < best)) {
            best = name;
        }
    }
    return best.empty() ? exact : folder / best;
}

bool beyondAscii(std::string_view text)
{
    return std::any_of(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// A list file open for reading: the one that was checked is the one that is read.
// Opening never waits, for a named pipe put in the list's place would keep the game
// waiting for a writer, maybe for ever; anything but a regular file is refused before a
// byte of it is read.
class ListFile
{
public:
    explicit ListFile(const fs::path &path);
    ~ListFile() { closeFile(); }
    ListFile(const ListFile &) = delete;
    ListFile &operator=(const ListFile &) = delete;

    // The size the file had when it was opened.
    std::uintmax_t size() const { return m_size; }
    // Reads up to length bytes: how many were read, 0 at the end of the file, -1 on failure.
    long long read(char *buffer, std::size_t length);

private:
    [[noreturn]] void fail(WordListError::Reason reason, const fs::path &path)
    {
        closeFile();
        throw WordListError(reason, path);
    }
    void closeFile();

    int m_fd = -1;
    std::uintmax_t m_size = 0;
};

#ifdef _WIN32

ListFile::ListFile(const fs::path &path)
{
    using Reason = WordListError::Reason;
    m_fd = ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (m_fd < 0) {
        if (errno == ENOENT) {
            throw WordListError(Reason::Missing, path);
        }
        struct _stat64 info = {};
        const bool other
            = ::_wstat64(path.c_str(), &info) == 0 && (info.st_mode & _S_IFMT) != _S_IFREG;
        throw WordListError(other ? Reason::NotAFile : Reason::Unreadable, path);
    }
    struct _stat64 info = {};
    if (::_fstat64(m_fd, &info) != 0) {
        fail(Reason::Unreadable, path);
    }
    if ((info.st_mode & _S_IFMT) != _S_IFREG) {
        fail(Reason::NotAFile, path);
    }
    m_size = static_cast<std::uintmax_t>(info.st_size);
}

long long ListFile::read(char *buffer, std::size_t length)
{
    return ::_read(m_fd, buffer, static_cast<unsigned>(std::min<std::size_t>(length, INT_MAX)));
}

void ListFile::closeFile()
{
    if (m_fd >= 0) {
        ::_close(m_fd);
        m_fd = -1;
    }
}

#else

ListFile::ListFile(const fs::path &path)
{
    using Reason = WordListError::Reason;
    // O_NONBLOCK keeps opening a pipe or a device from waiting; it changes nothing in how
    // a regular file is read.
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            throw WordListError(Reason::Missing, path);
        }
        // Why it could not be opened, looked up without opening it (a socket, say).
        struct stat info = {};
        const bool other = ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
        throw WordListError(other ? Reason::NotAFile : Reason::Unreadable, path);
    }
    struct stat info = {};
    if (::fstat(m_fd, &info) != 0) {
        fail(Reason::Unreadable, path);
    }
    if (!S_ISREG(info.st_mode)) {
        fail(Reason::NotAFile, path);
    }
    m_size = static_cast<std::uintmax_t>(info.st_size);
}

long long ListFile::read(char *buffer, std::size_t length)
{
    while (true) {
        const ssize_t got = ::read(m_fd, buffer, length);
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

void ListFile::closeFile()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

#endif

} // namespace

WordListError::WordListError(Reason reason, fs::path path, std::size_t line)
    : std::runtime_error(reasonText(reason, line) + ": " + path.string())
    , m_reason(reason)
    , m_path(std::move(path))
    , m_line(line)
{
}

std::string WordListError::message() const
{
    // A path is bytes: UTF-8 on today's desktops, but a folder unpacked from an old zip
    // may be named in Latin-1, which reads as the Windows-1252 it nearly is.
    const std::string path = m_path.string();
    const std::string shownPath = cp1252::isValidUtf8(path) ? cp1252::fromUtf8(path) : path;
    return cp1252::fromUtf8(reasonText(m_reason, m_line) + ":\r") + shownPath
        + cp1252::fromUtf8("\r\rEl juego no puede continuar y se cerrará.");
}

WordList::WordList(const fs::path &folder, std::string_view baseName)
    : m_path(locate(folder, baseName))
{
}

std::string WordList::load() const
{
    using Reason = WordListError::Reason;
    ListFile file(m_path);
    if (file.size() > kMaxFileBytes) {
        throw WordListError(Reason::TooLarge, m_path);
    }
    // The size is only a hint, since the file may change while it is read: reading goes
    // on to the end of the file, up to the limit, straight into the text, which grows
    // only if the file has.
    std::string text(static_cast<std::size_t>(file.size()) + 1, '\0');
    std::size_t used = 0;
    while (true) {
        if (used == text.size()) {
            if (used > kMaxFileBytes) {
                throw WordListError(Reason::TooLarge, m_path);
            }
            text.resize(std::min<std::size_t>(used * 2, kMaxFileBytes + 1));
        }
        const long long got = file.read(text.data() + used, text.size() - used);
        if (got < 0) {
            throw WordListError(Reason::Unreadable, m_path);
        }
        if (got == 0) {
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    text.resize(used);
    // A list saved as UTF-16 (Notepad's "Unicode") says so by its byte-order mark: it is
    // read as the same text in UTF-8 would be, and so are its characters that
    // Windows-1252 lacks. A NUL character makes no list in either form.
    const bool bigEndian = text.starts_with(kUtf16BeBom);
    if (bigEndian || text.starts_with(kUtf16LeBom)) {
        text = std::string(kUtf8Bom)
            + cp1252::utf16ToUtf8(std::string_view(text).substr(kUtf16LeBom.size()), bigEndian);
    }
    if (std::memchr(text.data(), '\0', text.size()) != nullptr) {
        throw WordListError(Reason::NotText, m_path);
    }
    return text;
}

ListText::ListText(std::string_view bytes)
    : m_items(bytes)
{
    // The separators are ASCII in both encodings, so the items are read from the bytes
    // as they are and only the drawn one is converted. A byte-order mark is believed
    // only when UTF-8 follows it: some editors put one before Windows-1252 text. Text
    // that is ASCII reads the same in both; the rest, not UTF-8 as a whole, is read line
    // by line, and a line is looked at only when its encoding matters (a no-break space
    // at the edge of an item, or the drawn item), so a Windows-1252 list costs no more.
    using Encoding = ItemReader::Encoding;
    const bool marked = m_items.starts_with(kUtf8Bom);
    if (marked) {
        m_items.remove_prefix(kUtf8Bom.size());
    }
    if (!marked && !beyondAscii(m_items)) {
        m_encoding = Encoding::Windows1252;
    } else {
        m_encoding = cp1252::isValidUtf8(m_items) ? Encoding::Utf8 : Encoding::LineByLine;
    }
    m_lines = LineEncodings(m_items);
}

std::string ListText::itemText(std::string_view item) const
{
    std::string text;
    switch (m_encoding) {
    case ItemReader::Encoding::Windows1252:
        text = item;
        break;
    case ItemReader::Encoding::Utf8:
        text = cp1252::fromUtf8(item);
        break;
    case ItemReader::Encoding::LineByLine: {
        // A quoted item may span lines, each in its own encoding; its line breaks are
        // ASCII in both. An item from elsewhere than items() is taken as Windows-1252.
        const bool inside = item.data() >= m_items.data()
            && item.data() + item.size() <= m_items.data() + m_items.size();
        const std::size_t offset
            = inside ? static_cast<std::size_t>(item.data() - m_items.data()) : 0;
        text.reserve(item.size());
        for (std::size_t pos = 0; pos < item.size();) {
            std::size_t end = pos;
            while (end < item.size() && item[end] != '\r' && item[end] != '\n') {
                ++end;
            }
            const std::string_view part = item.substr(pos, end - pos);
            if (!part.empty() && inside && m_lines.utf8At(offset + pos)) {
                text += cp1252::fromUtf8(part);
            } else {
                text += part;
            }
            for (pos = end; pos < item.size() && (item[pos] == '\r' || item[pos] == '\n');) {
                text += item[pos++];
            }
        }
        break;
    }
    }
    // A tab or a no-break space in a word stands for a space, which the player sees and
    // need not guess; as itself it could never be revealed.
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\xA0'; }, ' ');
    return text;
}

bool ListText::holdsMoreThanBlanks(std::string_view item) const
{
    // Byte by byte, without converting: a blank or a line break is ASCII but for the
    // no-break space, A0 in Windows-1252 and C2 A0 in UTF-8. Any other byte starts
    // something itemText() makes no space: a character, or "?" for what is malformed.
    const bool inside = item.data() >= m_items.data()
        && item.data() + item.size() <= m_items.data() + m_items.size();
    const std::size_t offset = inside ? static_cast<std::size_t>(item.data() - m_items.data()) : 0;
    const auto utf8At = [&](std::size_t i) {
        switch (m_encoding) {
        case ItemReader::Encoding::Windows1252:
            return false;
        case ItemReader::Encoding::Utf8:
            return true;
        case ItemReader::Encoding::LineByLine:
            break;
        }
        return inside && m_lines.utf8At(offset + i);
    };
    for (std::size_t i = 0; i < item.size(); ++i) {
        const char c = item[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            continue;
        }
        if (c == '\xA0' && !utf8At(i)) {
            continue;
        }
        if (c == '\xC2' && i + 1 < item.size() && item[i + 1] == '\xA0' && utf8At(i)) {
            ++i;
            continue;
        }
        return true;
    }
    return false;
}

std::uint32_t WordList::count() const
{
    const std::string bytes = load();
    const ListText text(bytes);
    ItemReader reader(text.items(), text.encoding());
    std::uint32_t n = 0;
    while (!reader.atEnd()) {
        const std::string_view item = reader.next();
        checkItem(m_path, text.items(), item, reader.unclosedQuote());
        n += text.isWord(item) ? 1 : 0;
    }
    return n;
}

std::string WordList::item(std::uint32_t k) const
{
    std::optional<std::string> found = readItem(k);
    if (!found) {
        throw WordListError(
            k == 1 ? WordListError::Reason::Empty : WordListError::Reason::Shrunk, m_path);
    }
    return std::move(*found);
}

std::optional<std::string> WordList::readItem(std::uint32_t k) const
{
    const std::string bytes = load();
    const ListText text(bytes);
    ItemReader reader(text.items(), text.encoding());
    std::string_view item;
    for (std::uint32_t words = 0; words < k;) {
        if (reader.atEnd()) {
            return std::nullopt;
        }
        item = reader.next();
        checkItem(m_path, text.items(), item, reader.unclosedQuote());
        words += text.isWord(item) ? 1 : 0;
    }
    return text.itemText(item);
}

std::string WordList::draw(const std::function<std::uint32_t(std::uint32_t n)> &pick) const
{
    for (int attempt = 1;; ++attempt) {
        const std::uint32_t n = count();
        if (n == 0) {
            throw WordListError(WordListError::Reason::Empty, m_path);
        }
        std::optional<std::string> found = readItem(pick(n));
        if (found) {
            return std::move(*found);
        }
        if (attempt == kDrawAttempts) {
            throw WordListError(WordListError::Reason::Shrunk, m_path);
        }
        // An editor that truncates the file and then writes it is usually done within
        // this pause; a list read in the middle of that is read whole the next time.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

} // namespace quimbelo
