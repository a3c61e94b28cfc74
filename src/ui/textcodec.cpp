// SPDX-License-Identifier: MIT
#include "textcodec.h"

#include "cp1252.h"

#include <QList>

namespace textcodec {

QString fromCp1252(const std::string &bytes)
{
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (const char byte : bytes) {
        text += QChar(char16_t(quimbelo::cp1252::toUnicode(static_cast<unsigned char>(byte))));
    }
    return text;
}

std::string toCp1252(const QString &text)
{
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (const char32_t codePoint : text.toUcs4()) {
        const int byte = quimbelo::cp1252::fromUnicode(codePoint);
        bytes += byte < 0 ? quimbelo::cp1252::kReplacement : static_cast<char>(byte);
    }
    return bytes;
}

QString singleLine(const QString &text)
{
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
            if (i + 1 < text.size()) {
                line += QLatin1Char(' ');
            }
        } else if (!c.isNull()) {
            line += c;
        }
    }
    return line;
}

int cp1252Code(const QString &typed)
{
    const QList<uint> codePoints = typed.toUcs4();
    if (codePoints.size() != 1) {
        return -1;
    }
    return quimbelo::cp1252::fromUnicode(codePoints.front());
}

} // namespace textcodec
