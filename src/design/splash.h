// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "programinfo.h"

#include <array>

// frmSplash, the window the program opens with.
namespace quimbelo::design::splash {

// clang-format off
inline constexpr std::array<Control, 9> kControls { {
    { .name = "Frame1", .kind = Kind::Frame, .place = { 150, 120, 5985, 4050 }, .background = rgb(0xC0C0C0),
      .flags = kClickable },
    { .name = "imgLogo", .kind = Kind::Image, .container = "Frame1", .place = { 360, 795, 1065, 1515 },
      .picture = Picture::GameLogo },
    { .name = "lblProductName", .kind = Kind::Label, .container = "Frame1", .place = { 2040, 1200, 3795, 765 },
      .caption = QUIMBELO_PRODUCT, .font = { "Arial", 32.25, true } },
    { .name = "lblPlatform", .kind = Kind::Label, .container = "Frame1", .place = { 2760, 2040, 2280, 360 },
      .caption = "Windows 95/98", .font = { "Arial", 15.75, true }, .align = Align::Right },
    { .name = "lblVersion", .kind = Kind::Label, .container = "Frame1", .place = { 3240, 2400, 1275, 285 },
      .caption = "Versión 2.0", .font = { "Arial", 12, true }, .align = Align::Right, .flags = kDesignCaption },
    { .name = "Image1", .kind = Kind::Image, .container = "Frame1", .place = { 360, 2880, 2415, 735 },
      .picture = Picture::Wordmark, .flags = kStretched },
    // Reaches beyond the frame's right edge, which clips it.
    { .name = "lblCompany", .kind = Kind::Label, .container = "Frame1", .place = { 4560, 3270, 2415, 255 },
      .font = { "Arial", 8.25 } },
    { .name = "lblWarning", .kind = Kind::Label, .container = "Frame1", .place = { 120, 3660, 3450, 210 },
      .caption = "Mire el archivo Leeme.txt para mas información ", .font = { "Arial", 8.25 } },
    { .name = "Timer1", .kind = Kind::Timer, .interval = 3000 },
} };
// clang-format on

inline constexpr Window kWindow {
    .name = "frmSplash",
    .caption = "",
    .background = rgb(0x808080),
    .border = Border::FixedDialogNoTitle,
    .clientWidth = 6285,
    .clientHeight = 4305,
    .taskBarButton = false,
    .controls = kControls,
};

} // namespace quimbelo::design::splash
