// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace quimbelo {

// The word themes, in the order of their option buttons Option1 to Option4. A theme's
// list file is its base name + ".TXT"; the build reads the names, one a line, to put the
// lists beside the program.
inline constexpr std::array<std::string_view, 4> kThemeBaseNames = {
    "propios",
    "peliculas",
    "informatica",
    "diccionario",
};

inline constexpr int kThemeCount = static_cast<int>(kThemeBaseNames.size());

// The option selected when the game window opens: "Informática".
inline constexpr int kDefaultOption = 3;

} // namespace quimbelo
