// SPDX-License-Identifier: MIT
#pragma once

#include "formport.h"
#include "round.h"
#include "surroundings.h"

#include <cstdint>
#include <string>

namespace quimbelo {

// The game window's handlers: every rule of the game, reaching the window only through
// its port and the world only through its surroundings. The window calls the handler
// named after the control and the event.
//
// A handler that ends the program returns at once, and so does every handler that called
// it; once the program has ended, every handler does nothing.
class Game
{
public:
    Game(FormPort &form, Surroundings &surroundings)
        : m_form(form)
        , m_surroundings(surroundings)
    {
    }

    // The game's part of loading the window: counters to "0", then the first round.
    void Form_Load();

    // Starts a new round: the one way into a round.
    void MnNuevoJuego_Click();

    // Picking a theme drops the round in progress, uncounted, and starts one of the
    // new theme.
    void Option1_Click() { optionClick(); }
    void Option2_Click() { optionClick(); }
    void Option3_Click() { optionClick(); }
    void Option4_Click() { optionClick(); }

    void Letra_Click(std::int16_t Index);
    void Letra_KeyPress(std::int16_t Index, std::int16_t KeyAscii);
    void Command1_Click();

    void Timer1_Timer();
    void Timer2_Timer();

    void MnSalir_Click();
    void MnAyuda2_Click();
    void Image2_Click();
    void Image4_Click();

    const Round &round() const { return m_round; }
    bool ended() const { return m_ended; }
    // Whether the program ended because a word list failed.
    bool failed() const { return m_failed; }

private:
    enum class Outcome { Won, Lost };
    // What follows the report at the end of a round.
    enum class AfterReport { Ended, NewRound };

    void optionClick();
    void drawWord();
    void showCount(Caption label, float value);
    void addToCounter(Caption label, double delta);
    AfterReport finishRound(Outcome outcome);
    void endProgram();

    FormPort &m_form;
    Surroundings &m_surroundings;
    Round m_round;
    bool m_ended = false;
    bool m_failed = false;
};

// The help text beside the program.
inline constexpr std::string_view kHelpFileName = "leeme.txt";

// The end-of-round report, in Windows-1252 with lone carriage returns between its lines.
std::string endOfRoundReport(bool won, const Round &round);

} // namespace quimbelo
