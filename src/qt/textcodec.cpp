// SPDX-License-Identifier: MIT
#include "textcodec.h"

namespace quimbelo::qt {

namespace textcodec {

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

} // namespace textcodec

} // namespace quimbelo::qt
