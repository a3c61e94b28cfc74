// SPDX-License-Identifier: MIT
// Fitting a long caption into a label: smaller sizes first, then more lines.
#include "captionfit.h"

namespace quimbelo::play {

namespace {

// The length in bytes of the character that begins at pos: UTF-8 sequences are kept
// whole, and a Windows-1252 text is one byte a character anyway, since its bytes above
// 0x7F are never followed by enough continuation bytes to look like a sequence.
std::size_t characterLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    if (pos + length > text.size()) {
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return length;
}

std::vector<std::string> breakIntoLines(
    std::string_view text, double points, double room, const MeasureText &measure)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        // The longest run of whole characters that fits, at least one character.
        std::size_t end = characterLength(text, 0);
        std::size_t lastBlank = std::string_view::npos;
        while (end < text.size()) {
            const std::size_t next = end + characterLength(text, end);
            if (measure(text.substr(0, next), points) > room) {
                break;
            }
            if (text[end] == ' ') {
                lastBlank = end;
            }
            end = next;
        }
        if (end < text.size() && text[end] != ' ' && lastBlank != std::string_view::npos) {
            end = lastBlank;
        }
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end);
        if (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        }
    }
    return lines;
}

} // namespace

CaptionFit fitCaption(
    std::string_view text, double designPoints, double room, const MeasureText &measure)
{
    double points = designPoints;
    while (points > kFitFloor && measure(text, points) > room) {
        points -= kFitStep;
    }
    if (measure(text, points) <= room || text.empty()) {
        return { points, { std::string(text) } };
    }
    return { points, breakIntoLines(text, points, room, measure) };
}

} // namespace quimbelo::play
