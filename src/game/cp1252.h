// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The game works on Windows-1252 bytes: the word lists are written in it and every
// text the game compares is kept in it, one byte per character, so that upper-casing
// never changes a length. Unicode appears only where text leaves or enters the game.
namespace quimbelo::cp1252 {

// The byte used for a character that Windows-1252 cannot hold.
inline constexpr char kReplacement = '?';

// Upper case by the Spanish rules of the code page: a-z, the accented letters, "ñ",
// "š", "œ", "ž" and "ÿ" gain their capitals; "ß", "µ" and every other byte stay.
unsigned char toUpper(unsigned char byte);
std::string toUpper(std::string_view text);

// The Unicode code point of a byte. The five bytes the code page leaves undefined map
// to the control characters of the same number, so that decoding and encoding again
// gives back every byte.
char32_t toUnicode(unsigned char byte);

// The byte of a code point, or -1 when Windows-1252 has no such character.
int fromUnicode(char32_t codePoint);

bool isValidUtf8(std::string_view text);

// Converts UTF-8 to Windows-1252; a character the code page lacks, or a malformed
// sequence, becomes kReplacement.
std::string fromUtf8(std::string_view utf8);
std::string toUtf8(std::string_view text);

// Converts UTF-16 bytes, little- or big-endian and without their byte-order mark, to
// UTF-8. An unpaired surrogate, or a lone byte at the end, becomes U+FFFD, which
// fromUtf8() turns into kReplacement like any character the code page lacks.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian);

} // namespace quimbelo::cp1252
