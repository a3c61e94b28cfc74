// SPDX-License-Identifier: MIT
#pragma once

// The sentences a screen reader speaks of the game window, built from what the window
// shows: short, so that a player never waits for them, and in the order a player needs
// them (what happened first, then where the round stands).

#include <string>
#include <string_view>

namespace quimbelo::play {

// The hidden word as shown (UTF-8, "-" for each unrevealed position) read so that a
// listener can follow it: "E, 2 huecos, A, Ñ, hueco".
std::string spokenWord(std::string_view shown);

// A new word of a theme: "Cine. Palabra de 6 letras: 6 huecos."
std::string newWordSentence(std::string_view theme, std::string_view shown);

// Where the round stands: the word, tries and misses, and the gallows when stage >= 0.
std::string roundStateSentence(
    std::string_view shown, std::string_view tries, std::string_view misses, int stage);

} // namespace quimbelo::play
