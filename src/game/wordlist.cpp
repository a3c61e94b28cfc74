#include "wordlist.h"

#include "cp1252.h"
#include "itemreader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

namespace quimbelo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view reasonText(WordListError::Reason reason)
{
    using Reason = WordListError::Reason;
    switch (reason) {
    case Reason::Missing:
        return "No se encuentra la lista de palabras";
    case Reason::NotAFile:
        return "La lista de palabras no es un archivo";
    case Reason::Unreadable:
        return "No se puede leer la lista de palabras";
    case Reason::TooLarge:
        return "La lista de palabras es demasiado grande (más de 64 MB)";
    case Reason::NotText:
        return "La lista de palabras no es un archivo de texto";
    case Reason::ItemTooLong:
        return "La lista de palabras tiene una palabra de más de 1024 caracteres";
    case Reason::Empty:
        return "La lista de palabras está vacía";
    case Reason::Shrunk:
        return "La lista de palabras ha cambiado mientras se leía y tiene menos palabras";
    }
    return "Error en la lista de palabras";
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

// Whether a list is UTF-8 rather than Windows-1252. Only the separators matter for
// counting, and they are ASCII in both encodings, so only the drawn item is converted.
bool isUtf8List(std::string_view text)
{
    if (text.starts_with(kUtf8Bom)) {
        return true;
    }
    const bool beyondAscii = std::any_of(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return beyondAscii && cp1252::isValidUtf8(text);
}

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};

} // namespace

WordListError::WordListError(Reason reason, fs::path path)
    : std::runtime_error(std::string(reasonText(reason)) + ": " + path.string())
    , m_reason(reason)
    , m_path(std::move(path))
{
}

std::string WordListError::message() const
{
    return cp1252::fromUtf8(std::string(reasonText(m_reason)) + ":\r" + m_path.string()
        + "\r\rEl juego no puede continuar y se cerrará.");
}

WordList::WordList(const fs::path &folder, std::string_view baseName)
    : m_path(locate(folder, baseName))
{
}

std::string WordList::load() const
{
    using Reason = WordListError::Reason;
    std::error_code error;
    const fs::file_status status = fs::status(m_path, error);
    if (status.type() == fs::file_type::not_found) {
        throw WordListError(Reason::Missing, m_path);
    }
    if (error) {
        throw WordListError(Reason::Unreadable, m_path);
    }
    if (status.type() != fs::file_type::regular) {
        throw WordListError(Reason::NotAFile, m_path);
    }

#ifdef _WIN32
    std::unique_ptr<std::FILE, FileCloser> file(::_wfopen(m_path.c_str(), L"rb"));
#else
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(m_path.c_str(), "rb"));
#endif
    if (!file) {
        throw WordListError(Reason::Unreadable, m_path);
    }
    // The size the file system reports is only a hint, since the file may change while
    // it is read: reading goes on to the end of the file, up to the limit, straight into
    // the text, which grows only if the file has.
    std::string text;
    std::error_code sizeError;
    const std::uintmax_t hint = fs::file_size(m_path, sizeError);
    std::size_t capacity = sizeError ? std::size_t(1) << 16
                                     : static_cast<std::size_t>(std::min<std::uintmax_t>(hint, kMaxFileBytes)) + 1;
    std::size_t used = 0;
    while (true) {
        if (used == capacity) {
            capacity *= 2;
        }
        text.resize(capacity);
        const std::size_t got = std::fread(text.data() + used, 1, capacity - used, file.get());
        used += got;
        if (used > kMaxFileBytes) {
            throw WordListError(Reason::TooLarge, m_path);
        }
        if (used < capacity) {
            break;
        }
    }
    text.resize(used);
    if (std::ferror(file.get())) {
        throw WordListError(Reason::Unreadable, m_path);
    }
    if (std::memchr(text.data(), '\0', text.size()) != nullptr) {
        throw WordListError(Reason::NotText, m_path);
    }
    return text;
}

std::uint32_t WordList::count() const
{
    const std::string text = load();
    std::string_view items = text;
    if (items.starts_with(kUtf8Bom)) {
        items.remove_prefix(kUtf8Bom.size());
    }
    ItemReader reader(items);
    std::uint32_t n = 0;
    while (!reader.atEnd()) {
        if (reader.next().size() > kMaxItemBytes) {
            throw WordListError(WordListError::Reason::ItemTooLong, m_path);
        }
        ++n;
    }
    return n;
}

std::string WordList::item(std::uint32_t k) const
{
    const std::string text = load();
    const bool utf8 = isUtf8List(text);
    std::string_view items = text;
    if (items.starts_with(kUtf8Bom)) {
        items.remove_prefix(kUtf8Bom.size());
    }
    ItemReader reader(items);
    std::string_view item;
    for (std::uint32_t i = 0; i < k; ++i) {
        if (reader.atEnd()) {
            throw WordListError(
                k == 1 ? WordListError::Reason::Empty : WordListError::Reason::Shrunk, m_path);
        }
        item = reader.next();
    }
    if (item.size() > kMaxItemBytes) {
        throw WordListError(WordListError::Reason::ItemTooLong, m_path);
    }
    return utf8 ? cp1252::fromUtf8(item) : std::string(item);
}

} // namespace quimbelo
