#pragma once

#include <array>
#include <string_view>

namespace quimbelo {

inline constexpr int kLetraCount = 37;

// Captions of the letter keys Letra(0) to Letra(36) in Windows-1252: a Spanish keyboard's
// three letter rows, "Ñ" ending the middle one, then the digit block row by row.
inline constexpr std::array<std::string_view, kLetraCount> kLetraCaptions = {
    "Q",
    "W",
    "E",
    "R",
    "T",
    "Y",
    "U",
    "I",
    "O",
    "P", //
    "A",
    "S",
    "D",
    "F",
    "G",
    "H",
    "J",
    "K",
    "L",
    "\xD1", //
    "Z",
    "X",
    "C",
    "V",
    "B",
    "N",
    "M", //
    "7",
    "8",
    "9",
    "4",
    "5",
    "6",
    "1",
    "2",
    "3",
    "0",
};

} // namespace quimbelo
