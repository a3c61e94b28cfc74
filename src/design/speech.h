// SPDX-License-Identifier: MIT
#pragma once

// What a screen reader is told beyond what the windows show: the phrases a blind player
// hears at the start of a round, after each guess and on request. Shown texts stay as
// designed; these are only spoken.

#include "themes.h"

#include <array>
#include <string_view>

namespace quimbelo::design::speech {

// The hidden word, read position by position: a letter says itself, an unrevealed
// position is a gap, and a run of gaps is counted rather than repeated.
inline constexpr std::string_view kGap = "hueco";
inline constexpr std::string_view kGaps = "%1 huecos"; // how many
inline constexpr std::string_view kBlank = "espacio";

// A new word: the theme, its length and the hidden word.
inline constexpr std::string_view kNewWord = "%1. Palabra de %2 letras: %3."; // theme, length, word
inline constexpr std::string_view kNewWordOfOne = "%1. Palabra de una letra: %3.";

// After a guess: the letter and whether the word holds it, then the round's state.
inline constexpr std::string_view kLetterFound = "%1, está.";
inline constexpr std::string_view kLetterMissing = "%1, no está.";
inline constexpr std::string_view kLetterTried = "%1, ya probada.";
// The round's state: the hidden word and the counters as the window shows them; the
// gallows only where it has changed or was asked for.
inline constexpr std::string_view kRoundState
    = "%1. Intentos %2, errores %3."; // word, tries, misses
inline constexpr std::string_view kGallows = "Horca %1 de %2."; // stage, last stage
inline constexpr std::string_view kTried = "Probadas: %1.";
inline constexpr std::string_view kNoneTried = "Ninguna probada.";

// The counters across rounds, on request.
inline constexpr std::string_view kCounters = "Nº de Juegos %1. Palabras acertadas %2.";

// A theme is spoken by its option's caption, followed by the caption of the label that
// says more about it, where the window has one (the dictionary's size).
inline constexpr std::array<std::string_view, kThemeCount> kThemeNotes { "", "", "", "Label13" };

// The splash says what it shows, then how to leave it.
inline constexpr std::string_view kSplashHint = "Pulse una tecla para empezar.";

} // namespace quimbelo::design::speech
