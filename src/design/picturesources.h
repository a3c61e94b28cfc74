// SPDX-License-Identifier: MIT
#pragma once

// The drawing each picture of the windows is made from, assets/NAME.svg. The build reads
// this table, one picture a line, to compile the drawings into the program.

#include "controls.h"

#include <array>
#include <string_view>

namespace quimbelo::design {

struct PictureSource
{
    Picture picture;
    std::string_view name;
};

// clang-format off
inline constexpr std::array<PictureSource, 6> kPictureSources { {
    { Picture::GallowsStage, "gallows" },
    { Picture::GameLogo, "logo" },
    { Picture::Wordmark, "wordmark" },
    { Picture::Mascot, "mascot" },
    { Picture::SponsorBanner, "sponsor" },
    { Picture::NameBanner, "namebanner" },
} };
// clang-format on

// The name of a picture's drawing; empty for none.
constexpr std::string_view sourceOf(Picture picture)
{
    for (const PictureSource &source : kPictureSources) {
        if (source.picture == picture) {
            return source.name;
        }
    }
    return {};
}

// Every picture but None has a drawing.
static_assert(kPictureSources.size() == static_cast<std::size_t>(Picture::NameBanner));

} // namespace quimbelo::design
