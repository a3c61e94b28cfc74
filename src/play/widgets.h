// SPDX-License-Identifier: MIT
#pragma once

// What a front-end gives the play layer: the few things only a window toolkit can do to
// a control built from the design. A new front-end builds its native controls from the
// design data, implements this interface over them, and forwards the player's events to
// play::GamePlay; it needs nothing else from the layers below.

#include "controls.h"
#include "formport.h"

#include <string>
#include <string_view>

namespace quimbelo::play {

// Every control is named by its row of the design: two references to the same row are
// the same control.
using design::Control;

// What every window of the design can do: the splash and About need no more.
class WindowWidgets
{
public:
    virtual ~WindowWidgets() = default;

    // The window's title, in UTF-8.
    virtual void setTitle(std::string_view utf8) = 0;

    // The caption a label or a button shows, in UTF-8. A label shows each line of a caption
    // that holds line breaks ('\n'), growing downwards from its designed place to hold
    // them all, and back to that place when they fit it again.
    virtual void setCaption(const Control &control, std::string_view utf8) = 0;

    // A timer of the design delivers its tick to the play layer every period until
    // stopped; see timerPeriod().
    virtual void startTimer(const Control &timer, int milliseconds) = 0;
    virtual void stopTimer(const Control &timer) = 0;

    // Something a screen reader says now, after what it is saying, without moving the
    // focus. UTF-8.
    virtual void announce(std::string_view utf8) = 0;
};

// The game window's widgets.
class Widgets : public WindowWidgets
{
public:
    // What a text box holds, as typed by the player, in UTF-8.
    virtual std::string text(const Control &box) const = 0;
    virtual void setText(const Control &box, std::string_view utf8) = 0;

    virtual void setEnabled(const Control &control, bool enabled) = 0;
    virtual void setVisible(const Control &control, bool visible) = 0;
    virtual void setTextColour(const Control &control, Rgb colour) = 0;

    // target takes the very picture object that source holds; picture() tells objects
    // apart, not contents.
    virtual void sharePicture(const Control &source, const Control &target) = 0;
    virtual PictureId picture(const Control &control) const = 0;

    // The control's designed font at another size, in points.
    virtual void setFontSize(const Control &control, double points) = 0;
    // How wide one line of text is in the control's designed font at that size, and how
    // wide a line the control has room for, in the same unit, whichever the front-end
    // measures in.
    virtual double textWidth(
        const Control &control, std::string_view utf8, double points) const = 0;
    virtual double lineRoom(const Control &control) const = 0;

    // What a screen reader says of the control: its name where what it shows says nothing
    // (a picture), and a description of its content or state.
    virtual void setAccessibleName(const Control &control, std::string_view utf8) = 0;
    virtual void setAccessibleDescription(const Control &control, std::string_view utf8) = 0;

    virtual bool hasFocus(const Control &control) const = 0;
    virtual void setFocus(const Control &control) = 0;

    // A modal message box over the window, in UTF-8 with '\n' between lines; returns the
    // button pressed, or MessageAnswer::Dismissed when the box was closed without one.
    virtual MessageAnswer messageBox(
        std::string_view text, MessageStyle style, std::string_view title)
        = 0;

    // Opens the About window, modal over this one.
    virtual void showAbout() = 0;

    // Closes every window once control is back in the event loop; the program then ends,
    // with status 1 when failed.
    virtual void endProgram(bool failed) = 0;
};

} // namespace quimbelo::play
