// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

// The edge between the game's Windows-1252 bytes and the window's Unicode text.
namespace textcodec {

QString fromCp1252(const std::string &bytes);

// A character Windows-1252 lacks becomes "?".
std::string toCp1252(const QString &text);

// What a single line shows of text: a line break (CR LF, CR or LF) becomes a space, a
// break at the end is dropped, and NUL characters are left out.
QString singleLine(const QString &text);

// The Windows-1252 code of a typed character, or -1 when it has none.
int cp1252Code(const QString &typed);

} // namespace textcodec
