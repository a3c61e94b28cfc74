// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace quimbelo {

// Labels whose captions the game reads and writes. The two running counters, games
// (Label11) and words guessed (Label6), have no variable of their own: the caption is
// the counter.
enum class Caption { Pelicula1, Label4, Label5, Label6, Label7, Label11 };

// Labels whose text colour blinks.
enum class ColourLabel { Label12, Label15 };

// Image controls whose pictures are shared and compared by identity.
enum class ImageControl { Image4, Image5, Image6 };

// Identifies a picture object: two controls showing the same object give the same id,
// two objects of equal content give different ids.
using PictureId = std::uintptr_t;

// 24-bit colours, 0xRRGGBB.
using Rgb = std::uint32_t;

// The message box kinds, by the style codes of the platform they come from.
enum class MessageStyle : int {
    Information = 64, // information icon, OK
    Critical = 16, // stop icon, OK
    YesNo = 4, // Yes and No, no icon, Yes the default
};

// Dismissed: a Yes/No box closed without either answer (Esc, the close box, Alt+F4), as
// some platforms allow; the platform's code for it is that of Cancel.
enum class MessageAnswer : int { Ok = 1, Dismissed = 2, Yes = 6, No = 7 };

// Everything the game may read and write on its window: captions, keys, pictures,
// colours, message boxes and the end of the program. The window implements it by
// writing its widgets directly, so the screen always shows what the game last wrote;
// tests implement it with a plain struct.
// Texts are Windows-1252; message texts separate their lines with lone carriage returns.
class FormPort
{
public:
    virtual ~FormPort() = default;

    virtual std::string caption(Caption label) const = 0;
    virtual void setCaption(Caption label, const std::string &text) = 0;

    // The letter keys Letra(0) to Letra(36).
    virtual std::string letraCaption(int index) const = 0;
    virtual bool letraEnabled(int index) const = 0;
    virtual void setLetraEnabled(int index, bool enabled) = 0;
    // Moves the keyboard focus to Letra(0); false when the key cannot take it (disabled).
    virtual bool focusFirstLetra() = 0;

    // The solve box Text1.
    virtual std::string solveText() const = 0;
    virtual void setSolveText(const std::string &text) = 0;

    // The selected theme option, 1 to 4.
    virtual int selectedOption() const = 0;

    // Image1 takes the picture of the gallows stage Image3(stage), 0 to 10.
    virtual void showStage(int stage) = 0;

    virtual PictureId picture(ImageControl control) const = 0;
    // target takes the very picture object that source holds.
    virtual void sharePicture(ImageControl source, ImageControl target) = 0;

    virtual Rgb textColour(ColourLabel label) const = 0;
    virtual void setTextColour(ColourLabel label, Rgb colour) = 0;

    // A modal message box titled title; returns the button pressed.
    virtual MessageAnswer messageBox(
        const std::string &text, MessageStyle style, const std::string &title)
        = 0;

    // Asks for the end of the program: every window closes once control is back in the
    // event loop. The caller returns at once and runs no further step.
    virtual void endProgram() = 0;
};

} // namespace quimbelo
