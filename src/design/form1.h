// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "letterkeys.h"
#include "programinfo.h"
#include "round.h"

#include <array>

// Form1, the game window, as designed.
namespace quimbelo::design::form1 {

// What a screen reader says of the controls whose state or content changes.
inline constexpr std::string_view kKeyAvailable = "Tecla disponible";
inline constexpr std::string_view kKeyTried = "Tecla ya probada";
inline constexpr std::string_view kStageName = "Horca: %1 de %2"; // stage, last stage
inline constexpr std::string_view kHiddenWordDescription = "Palabra oculta de %1 caracteres";
inline constexpr std::string_view kOptionPosition = "%1 de %2"; // an option's place in its group

inline constexpr std::string_view kPartnerToolTip = "Juegos,cuentos,poemas,diversión";

inline constexpr Font kArialTitle { "Arial", 14.25, true, true };
inline constexpr Font kLetterCount { "MS Sans Serif", 12 };
inline constexpr Font kSolveHeading { "Arial", 12, true };
inline constexpr Font kCounter { "Comic Sans MS", 11.25, true };
inline constexpr Font kCounterHeading { "Arial", 11.25, false, true };
inline constexpr Font kAddress { "MS Sans Serif", 8.25, true };

// Every control of the window, in the order they are stacked: shapes first, behind
// everything else; the picture stores, which are never seen, and the timers last.
// clang-format off
inline constexpr std::array<Control, 82> kControls { {
    { .name = "Shape1", .kind = Kind::Shape, .place = { 120, 2520, 5295, 1695 }, .text = rgb(0xFFFFC0), .flags = kHatched },
    { .name = "Shape2", .kind = Kind::Shape, .place = { 2640, 4680, 1575, 495 } },
    { .name = "Shape3", .kind = Kind::Shape, .place = { 4320, 4680, 1095, 495 } },
    { .name = "Pelicula1", .kind = Kind::Label, .place = { 0, 120, 3720, 435 }, .caption = "PENTIUM 2",
      .font = kArialTitle, .background = rgb(0xC0C0C0), .flags = kDesignCaption },
    { .name = "Image1", .kind = Kind::Image, .place = { 4080, 240, 1455, 2115 }, .flags = kStretched },
    { .name = "Image2", .kind = Kind::Image, .place = { 0, 600, 945, 1215 }, .toolTip = kPartnerToolTip,
      .picture = Picture::Mascot, .flags = kStretched | kEnvelopeCursor | kClickable,
      .accessibleName = "Mascota Especial Tornelas", .accessibleDescription = "Escribir un correo al autor" },
    { .name = "Label8", .kind = Kind::Label, .place = { 1080, 960, 735, 375 }, .caption = "Nº de Letras",
      .align = Align::Centre, .flags = kWraps },
    { .name = "Label7", .kind = Kind::Label, .place = { 960, 1320, 1095, 375 }, .caption = "Label7",
      .font = kLetterCount, .align = Align::Centre, .flags = kDesignCaption | kWraps,
      .accessibleDescription = "Nº de letras" },
    { .name = "Frame1", .kind = Kind::Frame, .place = { 1920, 600, 2050, 1900 }, .caption = "Opciones Temáticas",
      .text = rgb(0xC0FFC0), .background = systemColour(SystemColour::ButtonText), .tabOrder = 47 },
    { .name = "Option1", .kind = Kind::Option, .container = "Frame1", .place = { 120, 240, 1095, 255 },
      .caption = "Propios", .background = rgb(0xC0C0C0), .tabOrder = 54 },
    { .name = "Option2", .kind = Kind::Option, .container = "Frame1", .place = { 120, 600, 1095, 255 },
      .caption = "Cine", .background = rgb(0xC0C0C0), .tabOrder = 53 },
    { .name = "Option3", .kind = Kind::Option, .container = "Frame1", .place = { 120, 960, 1095, 255 },
      .caption = "Informática", .background = rgb(0xC0C0C0), .tabOrder = 52, .flags = kSelected },
    { .name = "Option4", .kind = Kind::Option, .container = "Frame1", .place = { 120, 1320, 1090, 255 },
      .caption = "Diccionario", .background = rgb(0xFFFF00), .tabOrder = 55 },
    { .name = "Label12", .kind = Kind::Label, .container = "Frame1", .place = { 1230, 1320, 745, 255 },
      .caption = "Novedad", .text = rgb(0xFFFF00), .background = systemColour(SystemColour::WindowText),
      .flags = kWraps },
    { .name = "Label13", .kind = Kind::Label, .container = "Frame1", .place = { 120, 1650, 1455, 165 },
      .caption = QUIMBELO_DICTIONARY_WORDS_TEXT " Palabras", .text = rgb(0xFFFF00),
      .background = systemColour(SystemColour::ButtonText) },
    { .name = "Image4", .kind = Kind::Image, .place = { 120, 1920, 1575, 495 }, .picture = Picture::SponsorBanner,
      .flags = kStretched | kEnvelopeCursor | kClickable,
      .accessibleName = "Anuncio del distribuidor", .accessibleDescription = "Escribir un correo al distribuidor" },
    // Letra, the letter keys: a Spanish keyboard's three letter rows with "Ñ" ending the
    // middle one, and a digit block beside them with a double-width "0". The tab order of
    // a letter is its index; of a digit, its index plus 8.
    { .name = "Letra", .index = 0,  .kind = Kind::Button, .place = { 240, 2640, 375, 375 },  .caption = "Q", .tabOrder = 0 },
    { .name = "Letra", .index = 1,  .kind = Kind::Button, .place = { 600, 2640, 375, 375 },  .caption = "W", .tabOrder = 1 },
    { .name = "Letra", .index = 2,  .kind = Kind::Button, .place = { 960, 2640, 375, 375 },  .caption = "E", .tabOrder = 2 },
    { .name = "Letra", .index = 3,  .kind = Kind::Button, .place = { 1320, 2640, 375, 375 }, .caption = "R", .tabOrder = 3 },
    { .name = "Letra", .index = 4,  .kind = Kind::Button, .place = { 1680, 2640, 375, 375 }, .caption = "T", .tabOrder = 4 },
    { .name = "Letra", .index = 5,  .kind = Kind::Button, .place = { 2040, 2640, 375, 375 }, .caption = "Y", .tabOrder = 5 },
    { .name = "Letra", .index = 6,  .kind = Kind::Button, .place = { 2400, 2640, 375, 375 }, .caption = "U", .tabOrder = 6 },
    { .name = "Letra", .index = 7,  .kind = Kind::Button, .place = { 2760, 2640, 375, 375 }, .caption = "I", .tabOrder = 7 },
    { .name = "Letra", .index = 8,  .kind = Kind::Button, .place = { 3120, 2640, 375, 375 }, .caption = "O", .tabOrder = 8 },
    { .name = "Letra", .index = 9,  .kind = Kind::Button, .place = { 3480, 2640, 375, 375 }, .caption = "P", .tabOrder = 9 },
    { .name = "Letra", .index = 10, .kind = Kind::Button, .place = { 360, 3000, 375, 375 },  .caption = "A", .tabOrder = 10 },
    { .name = "Letra", .index = 11, .kind = Kind::Button, .place = { 720, 3000, 375, 375 },  .caption = "S", .tabOrder = 11 },
    { .name = "Letra", .index = 12, .kind = Kind::Button, .place = { 1080, 3000, 375, 375 }, .caption = "D", .tabOrder = 12 },
    { .name = "Letra", .index = 13, .kind = Kind::Button, .place = { 1440, 3000, 375, 375 }, .caption = "F", .tabOrder = 13 },
    { .name = "Letra", .index = 14, .kind = Kind::Button, .place = { 1800, 3000, 375, 375 }, .caption = "G", .tabOrder = 14 },
    { .name = "Letra", .index = 15, .kind = Kind::Button, .place = { 2160, 3000, 375, 375 }, .caption = "H", .tabOrder = 15 },
    { .name = "Letra", .index = 16, .kind = Kind::Button, .place = { 2520, 3000, 375, 375 }, .caption = "J", .tabOrder = 16 },
    { .name = "Letra", .index = 17, .kind = Kind::Button, .place = { 2880, 3000, 375, 375 }, .caption = "K", .tabOrder = 17 },
    { .name = "Letra", .index = 18, .kind = Kind::Button, .place = { 3240, 3000, 375, 375 }, .caption = "L", .tabOrder = 18 },
    { .name = "Letra", .index = 19, .kind = Kind::Button, .place = { 3600, 3000, 375, 375 }, .caption = "Ñ", .tabOrder = 19 },
    { .name = "Letra", .index = 20, .kind = Kind::Button, .place = { 480, 3360, 375, 375 },  .caption = "Z", .tabOrder = 20 },
    { .name = "Letra", .index = 21, .kind = Kind::Button, .place = { 840, 3360, 375, 375 },  .caption = "X", .tabOrder = 21 },
    { .name = "Letra", .index = 22, .kind = Kind::Button, .place = { 1200, 3360, 375, 375 }, .caption = "C", .tabOrder = 22 },
    { .name = "Letra", .index = 23, .kind = Kind::Button, .place = { 1560, 3360, 375, 375 }, .caption = "V", .tabOrder = 23 },
    { .name = "Letra", .index = 24, .kind = Kind::Button, .place = { 1920, 3360, 375, 375 }, .caption = "B", .tabOrder = 24 },
    { .name = "Letra", .index = 25, .kind = Kind::Button, .place = { 2280, 3360, 375, 375 }, .caption = "N", .tabOrder = 25 },
    { .name = "Letra", .index = 26, .kind = Kind::Button, .place = { 2640, 3360, 375, 375 }, .caption = "M", .tabOrder = 26 },
    { .name = "Letra", .index = 27, .kind = Kind::Button, .place = { 4200, 2640, 375, 375 }, .caption = "7", .tabOrder = 35 },
    { .name = "Letra", .index = 28, .kind = Kind::Button, .place = { 4560, 2640, 375, 375 }, .caption = "8", .tabOrder = 36 },
    { .name = "Letra", .index = 29, .kind = Kind::Button, .place = { 4920, 2640, 375, 375 }, .caption = "9", .tabOrder = 37 },
    { .name = "Letra", .index = 30, .kind = Kind::Button, .place = { 4200, 3000, 375, 375 }, .caption = "4", .tabOrder = 38 },
    { .name = "Letra", .index = 31, .kind = Kind::Button, .place = { 4560, 3000, 375, 375 }, .caption = "5", .tabOrder = 39 },
    { .name = "Letra", .index = 32, .kind = Kind::Button, .place = { 4920, 3000, 375, 375 }, .caption = "6", .tabOrder = 40 },
    { .name = "Letra", .index = 33, .kind = Kind::Button, .place = { 4200, 3360, 375, 375 }, .caption = "1", .tabOrder = 41 },
    { .name = "Letra", .index = 34, .kind = Kind::Button, .place = { 4560, 3360, 375, 375 }, .caption = "2", .tabOrder = 42 },
    { .name = "Letra", .index = 35, .kind = Kind::Button, .place = { 4920, 3360, 375, 375 }, .caption = "3", .tabOrder = 43 },
    { .name = "Letra", .index = 36, .kind = Kind::Button, .place = { 4200, 3720, 735, 375 }, .caption = "0", .tabOrder = 44 },
    { .name = "Label2", .kind = Kind::Label, .place = { 120, 4320, 1020, 285 }, .caption = "Solucion",
      .font = kSolveHeading, .text = rgb(0xFFFFFF), .background = rgb(0x800000), .flags = kWraps },
    { .name = "Text1", .kind = Kind::TextBox, .place = { 1200, 4320, 3135, 315 }, .tabOrder = 28,
      .accessibleName = "Solucion", .accessibleDescription = "Escribe aquí la palabra entera" },
    { .name = "Command1", .kind = Kind::Button, .place = { 4440, 4320, 975, 255 }, .caption = "Aceptar",
      .background = rgb(0xC0C000), .tabOrder = 30, .flags = kGraphical,
      .accessibleDescription = "Comprobar la solución" },
    { .name = "Label4", .kind = Kind::Label, .place = { 960, 4680, 435, 375 }, .caption = "0", .font = kCounter,
      .background = systemColour(SystemColour::CaptionText), .flags = kBorder,
      .accessibleDescription = "Intentos" },
    { .name = "Label5", .kind = Kind::Label, .place = { 2280, 4680, 195, 375 }, .caption = "0", .font = kCounter,
      .background = systemColour(SystemColour::CaptionText), .flags = kBorder,
      .accessibleDescription = "Errores" },
    { .name = "Label9", .kind = Kind::Label, .place = { 2760, 4680, 735, 495 }, .caption = "Palabras  Acertadas",
      .flags = kWraps },
    { .name = "Label10", .kind = Kind::Label, .place = { 4320, 4680, 615, 375 }, .caption = "N° de Juegos",
      .align = Align::Centre, .flags = kWraps },
    { .name = "Label1", .kind = Kind::Label, .place = { 120, 4800, 780, 255 }, .caption = "Intentos",
      .font = kCounterHeading, .background = rgb(0xC0C0C0) },
    { .name = "Label3", .kind = Kind::Label, .place = { 1440, 4800, 735, 255 }, .caption = "Errores",
      .font = kCounterHeading, .background = rgb(0xC0C0C0) },
    { .name = "Label6", .kind = Kind::Label, .place = { 3600, 4800, 495, 255 }, .caption = "Acertadas",
      .text = rgb(0x00FF00), .background = systemColour(SystemColour::ButtonText), .align = Align::Centre,
      .flags = kDesignCaption | kWraps, .accessibleDescription = "Palabras acertadas" },
    { .name = "Label11", .kind = Kind::Label, .place = { 4920, 4800, 375, 255 }, .caption = "Label11",
      .text = rgb(0x00FF00), .background = systemColour(SystemColour::MenuText),
      .flags = kDesignCaption | kWraps, .accessibleDescription = "Nº de juegos" },
    { .name = "Image7", .kind = Kind::Image, .place = { 120, 5280, 2415, 495 }, .flags = kStretched,
      .accessibleName = "Tornelas" },
    { .name = "Label14", .kind = Kind::Label, .place = { 2640, 5280, 2775, 255 },
      .caption = programinfo::kDistributorSite, .font = kAddress, .text = rgb(0xC000C0) },
    { .name = "Label15", .kind = Kind::Label, .place = { 2640, 5520, 3015, 255 },
      .caption = programinfo::kPartnerSite, .font = kAddress, .text = rgb(0x0000C0),
      .toolTip = kPartnerToolTip },

    { .name = "Image3", .index = 0, .kind = Kind::Image, .place = { 6960, 120, 255, 345 },
      .picture = Picture::GallowsStage, .flags = kHidden | kStretched },
    { .name = "Image3", .index = 1, .kind = Kind::Image, .place = { 7080, 600, 135, 255 },
      .picture = Picture::GallowsStage, .flags = kHidden | kStretched },
    { .name = "Image3", .index = 2, .kind = Kind::Image, .place = { 7080, 960, 135, 255 },
      .picture = Picture::GallowsStage, .flags = kHidden | kStretched },
    { .name = "Image3", .index = 3, .kind = Kind::Image, .place = { 7080, 1320, 135, 255 },
      .picture = Picture::GallowsStage, .flags = kHidden | kStretched },
    { .name = "Image3", .index = 4, .kind = Kind::Image, .place = { 7080, 1680, 135, 255 },
      .picture = Picture::GallowsStage, .flags = kHidden | kStretched },
    { .name = "Image3", .index = 5, .kind = Kind::Image, .place = { 7080, 2040, 135, 255 },
      .picture = Picture::GallowsStage, .flags = kHidden | kStretched },
    { .name = "Image3", .index = 6, .kind = Kind::Image, .place = { 7080, 2400, 135, 255 },
      .picture = Picture::GallowsStage, .flags = kHidden | kStretched },
    { .name = "Image3", .index = 7, .kind = Kind::Image, .place = { 7080, 2760, 135, 255 },
      .picture = Picture::GallowsStage, .flags = kHidden | kStretched },
    { .name = "Image3", .index = 8, .kind = Kind::Image, .place = { 7080, 3120, 135, 255 },
      .picture = Picture::GallowsStage, .flags = kHidden | kStretched },
    { .name = "Image3", .index = 9, .kind = Kind::Image, .place = { 7080, 3600, 135, 255 },
      .picture = Picture::GallowsStage, .flags = kHidden | kStretched },
    { .name = "Image3", .index = 10, .kind = Kind::Image, .place = { 7080, 3960, 135, 255 },
      .picture = Picture::GallowsStage, .flags = kHidden | kStretched },
    { .name = "Image6", .kind = Kind::Image, .place = { 5760, 1440, 975, 375 }, .picture = Picture::SponsorBanner,
      .flags = kStretched },
    { .name = "Image5", .kind = Kind::Image, .place = { 6000, 1920, 735, 495 }, .picture = Picture::NameBanner,
      .flags = kStretched },

    { .name = "Timer1", .kind = Kind::Timer, .interval = 5000 },
    // One millisecond, not one second: "Novedad" flashes as fast as the timer allows.
    { .name = "Timer2", .kind = Kind::Timer, .interval = 1 },
} };
// clang-format on

// The window as designed. Its load procedure gives it an outer size of 5745 x 6500 twips,
// which with a standard frame, title bar and menu bar leaves the client area
// kRunTimeClient: everything designed further right than that stays out of sight.
inline constexpr Window kWindow {
    .name = "Form1",
    .caption = QUIMBELO_TITLE "  " QUIMBELO_VERSION_SHORT " Brundel .. Especial Tornelas",
    .background = rgb(0xC0C0C0),
    .border = Border::FixedSingle,
    .clientWidth = 7500,
    .clientHeight = 5835,
    .controls = kControls,
};

inline constexpr int kRunTimeOuterWidth = 5745;
inline constexpr int kRunTimeOuterHeight = 6500;
inline constexpr Twips kRunTimeClient { 0, 0, 5625, 5835 };

// clang-format off
inline constexpr std::array<MenuItem, 7> kMenu { {
    { .name = "MnJuego",      .caption = "&Juego" },
    { .name = "MnNuevoJuego", .parent = "MnJuego", .caption = "&Nuevo juego (F2)", .shortcut = Shortcut::F2 },
    { .name = "MnSalir",      .parent = "MnJuego", .caption = "&Salir (Ctrl+S)", .shortcut = Shortcut::CtrlS },
    { .name = "MnAyuda",      .caption = "&Ayuda" },
    { .name = "MnAyuda2",     .parent = "MnAyuda", .caption = "Archivo &Leame" },
    { .name = "MnNull1",      .parent = "MnAyuda", .caption = "-" },
    { .name = "MnAcerca",     .parent = "MnAyuda", .caption = "Acerca de Quimelo " QUIMBELO_VERSION_SHORT },
} };
// clang-format on

// The letter key Letra(index).
constexpr const Control &letra(int index)
{
    return get(kWindow, "Letra", index);
}

static_assert(countOf(kWindow, "Letra") == kLetraCount);
static_assert(countOf(kWindow, "Image3") == kLastStage + 1);

} // namespace quimbelo::design::form1
