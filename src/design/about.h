// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "programinfo.h"

#include <array>

// frmAbout, the About window.
namespace quimbelo::design::about {

// clang-format off
inline constexpr std::array<Control, 8> kControls { {
    { .name = "lblTitle", .kind = Kind::Label, .place = { 120, 0, 405, 240 }, .caption = "Título de la aplicación",
      .text = rgb(0x000000), .flags = kHidden | kDesignCaption },
    // Sized to its picture plus its border when it is built.
    { .name = "picIcon", .kind = Kind::PictureBox, .place = { 0, 240, 1125, 1575 }, .background = rgb(0xFFFFC0),
      .tabOrder = 1, .picture = Picture::GameLogo, .accessibleName = "Logotipo del juego" },
    { .name = "lblVersion", .kind = Kind::Label, .place = { 1680, 480, 1485, 225 }, .caption = "Versión 2.1 Especial ",
      .text = rgb(0x800080), .flags = kDesignCaption },
    { .name = "Image2", .kind = Kind::Image, .place = { 2760, 840, 1095, 1455 }, .toolTip = programinfo::kPartnerSite,
      .picture = Picture::Mascot, .flags = kStretched },
    { .name = "Label1", .kind = Kind::Label, .place = { 1440, 1200, 1215, 255 }, .caption = "Tornelas",
      .font = { "MS Sans Serif", 9.75, true }, .text = rgb(0xC04000) },
    // A rule 2 pixels (30 twips) wide, drawn from x 105 to x 5040 along y 2280: it runs
    // past the right edge and is clipped there.
    { .name = "Line1", .index = 0, .kind = Kind::Line, .place = { 105, 2265, 5040 - 105, 30 }, .text = rgb(0xFFFFFF) },
    { .name = "cmdOK", .kind = Kind::Button, .place = { 2520, 2640, 1245, 345 }, .caption = "Aceptar", .tabOrder = 0,
      .flags = kDefaultButton | kCancelButton },
    { .name = "Image1", .kind = Kind::Image, .place = { 120, 2640, 1815, 495 }, .picture = Picture::Wordmark,
      .flags = kStretched },
} };
// clang-format on

// The title its load procedure gives it.
inline constexpr std::string_view kLoadedCaption = "Acerca de " QUIMBELO_TITLE;

inline constexpr Window kWindow {
    .name = "frmAbout",
    .caption = "Acerca de MiApli",
    .background = rgb(0xC0C0C0),
    .border = Border::FixedDialog,
    .clientWidth = 3960,
    .clientHeight = 3150,
    .centredOnOwner = true,
    .taskBarButton = false,
    .controls = kControls,
};

} // namespace quimbelo::design::about
