// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quimbelo {

// The gallows' last stage, the complete figure: a miss made on it loses the round.
inline constexpr int kLastStage = 10;

// The round in progress. The counters are single-precision numbers that only ever
// hold whole values; Etapa is also the index of the gallows stage on show.
struct Round
{
    float Intentos = 0; // tries: letter guesses and solve attempts
    float Fallos = 0; // failed tries that did not lose the round
    float Etapa = 0; // gallows stage, 0 (empty) to 10 (complete figure)
    std::string Solucion; // the secret word, upper case, Windows-1252
    std::string Archivo; // base name of the list it was drawn from
};

} // namespace quimbelo
