#pragma once

#include <array>
#include <string_view>

namespace quimbelo {

// The four word themes, in the order of their option buttons Option1 to Option4.
struct Theme
{
    std::string_view caption; // UTF-8, as the option button shows it
    std::string_view baseName; // the list file is baseName + ".TXT"
};

inline constexpr std::array<Theme, 4> kThemes = { {
    { "Propios", "propios" },
    { "Cine", "peliculas" },
    { "Informática", "informatica" },
    { "Diccionario", "diccionario" },
} };

// The option selected when the game window opens: "Informática".
inline constexpr int kDefaultOption = 3;

} // namespace quimbelo
