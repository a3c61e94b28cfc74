// SPDX-License-Identifier: MIT
// The screen reader's sentences for the game window.
#include "narration.h"

#include "gameplay.h"
#include "round.h"
#include "speech.h"

namespace quimbelo::play {

namespace speech = design::speech;

namespace {

// The length of a UTF-8 sequence from its lead byte.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    return lead >= 0xC0 ? 2 : 1;
}

std::size_t positionsOf(std::string_view shown)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < shown.size();
         i += sequenceLength(static_cast<unsigned char>(shown[i]))) {
        ++count;
    }
    return count;
}

} // namespace

std::string spokenWord(std::string_view shown)
{
    std::string spoken;
    std::size_t gaps = 0;
    const auto add = [&spoken](std::string_view part) {
        spoken += spoken.empty() ? std::string(part) : ", " + std::string(part);
    };
    const auto endGaps = [&] {
        if (gaps == 1) {
            add(speech::kGap);
        } else if (gaps > 1) {
            add(formatText(speech::kGaps, { std::to_string(gaps) }));
        }
        gaps = 0;
    };
    for (std::size_t i = 0; i < shown.size();) {
        const std::size_t length
            = std::min(sequenceLength(static_cast<unsigned char>(shown[i])), shown.size() - i);
        const std::string_view character = shown.substr(i, length);
        i += length;
        if (character == "-") {
            ++gaps;
            continue;
        }
        endGaps();
        add(character == " " ? speech::kBlank : character);
    }
    endGaps();
    return spoken;
}

std::string newWordSentence(std::string_view theme, std::string_view shown)
{
    const std::size_t length = positionsOf(shown);
    return formatText(length == 1 ? speech::kNewWordOfOne : speech::kNewWord,
        { theme, std::to_string(length), spokenWord(shown) });
}

std::string roundStateSentence(
    std::string_view shown, std::string_view tries, std::string_view misses, int stage)
{
    std::string sentence = formatText(speech::kRoundState, { spokenWord(shown), tries, misses });
    if (stage >= 0) {
        sentence += ' ';
        sentence
            += formatText(speech::kGallows, { std::to_string(stage), std::to_string(kLastStage) });
    }
    return sentence;
}

} // namespace quimbelo::play
