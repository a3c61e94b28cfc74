// SPDX-License-Identifier: MIT
#pragma once

// What the game window does, written once for every front-end: it routes each control's
// and menu item's event, by design name, to the game's handler, and carries out the
// game's port on the front-end's widgets: captions, keys, pictures, colours, focus,
// timers, what a screen reader is told, and message boxes.

#include "controls.h"
#include "formport.h"
#include "game.h"
#include "letterkeys.h"
#include "themes.h"
#include "widgets.h"

#include <array>
#include <string>
#include <string_view>

namespace quimbelo::play {

class GamePlay : public FormPort
{
public:
    GamePlay(Widgets &widgets, Surroundings &surroundings);

    // Once the front-end has built every control: hides those the window's run-time size
    // leaves out of sight, and tells a screen reader what each key is.
    void built();

    // The game's part of loading the window, then its timers. False when the game could
    // not start (its message has been shown and the program is ending).
    bool load();

    // The window has been shown: the focus goes to "Q".
    void shown();

    // The window's fonts or scale have changed: what is fitted to its controls is fitted
    // again.
    void refit() { fitPelicula1(); }

    // Events forwarded by the front-end, each named by the control's design row. A click
    // on a button or a picture, an option becoming the selected one, and a timer's tick
    // all go through event(); a menu item chosen, by its design name, through menu().
    void event(const Control &control);
    void menu(std::string_view item);
    // A character typed while the letter key has the focus, as the keyboard gave it.
    void typed(const Control &key, char32_t character);

    // What a screen reader says on request: where the round stands, with the letters
    // tried (F3), and the counters across rounds (F4).
    void speakRound();
    void speakCounters();

    Game &game() { return m_game; }

    // FormPort
    std::string caption(Caption label) const override;
    void setCaption(Caption label, const std::string &text) override;
    std::string letraCaption(int index) const override;
    bool letraEnabled(int index) const override;
    void setLetraEnabled(int index, bool enabled) override;
    bool focusFirstLetra() override;
    std::string solveText() const override;
    void setSolveText(const std::string &text) override;
    int selectedOption() const override;
    void showStage(int stage) override;
    PictureId picture(ImageControl control) const override;
    void sharePicture(ImageControl source, ImageControl target) override;
    Rgb textColour(ColourLabel label) const override;
    void setTextColour(ColourLabel label, Rgb colour) override;
    MessageAnswer messageBox(
        const std::string &text, MessageStyle style, const std::string &title) override;
    void endProgram() override;

private:
    template <void (Game::*handler)()> void call() { (m_game.*handler)(); }
    void about() { m_widgets.showAbout(); }
    void optionSelected(const Control &option);
    // Runs what the player did, then tells a screen reader what came of it.
    template <typename Action> void narrated(Action action);
    void announceNewWord();
    std::string shownWord() const;
    // Runs what the event of a design name does; nothing for a name with no event.
    void route(std::string_view name);
    void fitPelicula1();

    Widgets &m_widgets;
    Game m_game;
    // What the window shows, as the game last wrote it, in Windows-1252: the captions
    // are the game's counters.
    std::array<std::string, 6> m_captions;
    std::array<bool, kLetraCount> m_letraEnabled;
    std::array<Rgb, 2> m_colours;
    int m_selectedOption = kDefaultOption;
    // The gallows stage on show, and how many words have been drawn: a word is drawn
    // exactly when its length is written.
    int m_stage = 0;
    int m_wordsDrawn = 0;
    bool m_timersRunning = false;

    struct Route;
    static const std::array<Route, 12> kRoutes;
};

// A message of the game (Windows-1252, lone carriage returns between its lines) as a box
// shows it: UTF-8, its lines broken by '\n'; a carriage return and line feed together
// are one break.
std::string shownMessage(std::string_view text);

// The shortest period a timer keeps: shorter ones tick at this rate, as the desktop's
// clock allowed the window they were designed on.
int timerPeriod(const Control &timer);

// A design text with its placeholders "%1", "%2"… replaced by the arguments, in order.
std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace quimbelo::play
