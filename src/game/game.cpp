// SPDX-License-Identifier: MIT
#include "game.h"

#include "counttext.h"
#include "cp1252.h"
#include "letterkeys.h"
#include "pathtext.h"
#include "programinfo.h"
#include "themes.h"
#include "wordlist.h"

#include <cmath>
#include <filesystem>

namespace quimbelo {

namespace {

constexpr char kCr = '\r';

// Texts of the game's message boxes, turned once into Windows-1252.
const std::string &title()
{
    static const std::string text(programinfo::kTitle);
    return text;
}

const std::string &playAgainQuestion()
{
    static const std::string text = cp1252::fromUtf8("¿Quieres jugar otra vez?");
    return text;
}

const std::string &notCorrectNotice()
{
    static const std::string text = "No es correcto";
    return text;
}

// Every character of the secret word shows as "-" but a space, which shows as itself.
std::string maskOf(const std::string &word)
{
    std::string mask(word.size(), '-');
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == ' ') {
            mask[i] = ' ';
        }
    }
    return mask;
}

// The drawn position k = floor(n * r) + 1 lies in [1, n] for every r in [0, 1); a
// source that strays outside that range still yields a position inside the list.
std::uint32_t drawnPosition(std::uint32_t n, float r)
{
    const double position = std::floor(static_cast<double>(n) * static_cast<double>(r)) + 1.0;
    if (!(position >= 1.0)) {
        return 1;
    }
    return position > n ? n : static_cast<std::uint32_t>(position);
}

} // namespace

std::string endOfRoundReport(bool won, const Round &round)
{
    static const std::string solutionWas = cp1252::fromUtf8("La solución era: ");
    std::string report = won ? "Correcto" : "Has perdido";
    report += kCr;
    report += solutionWas;
    report += kCr;
    report += ' ' + round.Solucion + ' ';
    report += kCr;
    report += "Numero de intentos: " + countText(round.Intentos);
    report += kCr;
    report += "Numero de fallos: " + countText(round.Fallos);
    return report;
}

void Game::Form_Load()
{
    m_form.setCaption(Caption::Label6, "0");
    m_form.setCaption(Caption::Label11, "0");
    MnNuevoJuego_Click();
}

void Game::MnNuevoJuego_Click()
{
    if (m_ended) {
        return;
    }
    const int option = m_form.selectedOption();
    const int theme = option >= 1 && option <= kThemeCount ? option - 1 : kDefaultOption - 1;
    m_round.Archivo = std::string(kThemeBaseNames[theme]);
    addToCounter(Caption::Label11, +1);

    m_round.Intentos = 0;
    m_round.Fallos = 0;
    m_round.Etapa = 0;
    m_round.Solucion.clear();
    m_form.setCaption(Caption::Label5, "0");
    m_form.setCaption(Caption::Label4, "0");
    m_form.setCaption(Caption::Pelicula1, "");
    m_form.showStage(0);
    m_form.setSolveText("");
    for (int i = 0; i < kLetraCount; ++i) {
        m_form.setLetraEnabled(i, true);
    }

    try {
        drawWord();
    } catch (const WordListError &error) {
        m_form.messageBox(error.message(), MessageStyle::Critical, title());
        m_failed = true;
        endProgram();
    }
}

void Game::drawWord()
{
    const WordList list(pathFromText(m_surroundings.programFolder()), m_round.Archivo);
    // The source is reseeded before each draw, also when the list is read again.
    const std::string item = list.draw([this](std::uint32_t n) {
        m_surroundings.reseedRandom(m_surroundings.secondsSinceMidnight());
        return drawnPosition(n, m_surroundings.nextRandom());
    });

    // A list gives no empty item: every word holds something to guess.
    m_round.Solucion = cp1252::toUpper(item);
    m_form.setCaption(Caption::Pelicula1, maskOf(m_round.Solucion));
    m_form.setCaption(Caption::Label7, countText(static_cast<double>(m_round.Solucion.size())));
}

void Game::optionClick()
{
    if (m_ended) {
        return;
    }
    // Typed keys must reach the letter keys after a theme change. When "Q" was already
    // tried it cannot take the focus, so it takes it once the new round enables it.
    const bool focused = m_form.focusFirstLetra();
    addToCounter(Caption::Label11, -1);
    MnNuevoJuego_Click();
    if (!focused && !m_ended) {
        m_form.focusFirstLetra();
    }
}

void Game::Letra_Click(std::int16_t Index)
{
    if (m_ended || Index < 0 || Index >= kLetraCount || !m_form.letraEnabled(Index)) {
        return;
    }
    m_round.Intentos += 1;
    showCount(Caption::Label4, m_round.Intentos);
    const std::string guess = m_form.letraCaption(Index);
    m_form.setLetraEnabled(Index, false);

    // Reveal every position that holds the guessed character, compared byte for byte:
    // "A" does not reveal "Á", nor "N" "Ñ".
    bool hit = false;
    if (guess.size() == 1) {
        std::string display = m_form.caption(Caption::Pelicula1);
        for (std::size_t q = 0; q < m_round.Solucion.size() && q < display.size(); ++q) {
            if (m_round.Solucion[q] == guess[0]) {
                display[q] = guess[0];
                hit = true;
            }
        }
        if (hit) {
            m_form.setCaption(Caption::Pelicula1, display);
        }
    }

    // The win test follows every guess, a miss too: a display that already equals the
    // word (an empty word) is won by any key. Once a round is over, the program has ended
    // or a new round has begun inside this guess: the guess is done, and its miss is not
    // carried into the new round.
    if (m_form.caption(Caption::Pelicula1) == m_round.Solucion) {
        finishRound(Outcome::Won);
        return;
    }
    if (hit) {
        return;
    }
    // A miss on the last stage loses, tested before the miss is counted.
    if (m_round.Etapa > kLastStage - 1) {
        m_form.setCaption(Caption::Pelicula1, m_round.Solucion);
        finishRound(Outcome::Lost);
        return;
    }
    m_round.Fallos += 1;
    m_round.Etapa += 1;
    m_form.showStage(static_cast<int>(m_round.Etapa));
    showCount(Caption::Label5, m_round.Fallos);
}

void Game::Letra_KeyPress(std::int16_t /*Index*/, std::int16_t KeyAscii)
{
    if (m_ended || KeyAscii < 0 || KeyAscii > 0xFF) {
        return;
    }
    const std::string typed(
        1, static_cast<char>(cp1252::toUpper(static_cast<unsigned char>(KeyAscii))));
    // Every key is examined; the captions are distinct, so one key makes one guess at most.
    for (int i = 0; i < kLetraCount; ++i) {
        if (m_form.letraCaption(i) == typed && m_form.letraEnabled(i)) {
            Letra_Click(static_cast<std::int16_t>(i));
            if (m_ended) {
                return;
            }
        }
    }
}

void Game::Command1_Click()
{
    if (m_ended) {
        return;
    }
    m_round.Intentos += 1;
    showCount(Caption::Label4, m_round.Intentos);
    const std::string guess = cp1252::toUpper(m_form.solveText());
    m_form.setSolveText(guess);

    if (guess == m_round.Solucion) {
        m_form.setCaption(Caption::Pelicula1, m_round.Solucion);
        if (finishRound(Outcome::Won) == AfterReport::Ended) {
            return;
        }
    } else {
        m_form.messageBox(notCorrectNotice(), MessageStyle::Critical, title());
        // The stage is raised before its loss test: an attempt made at stage 10 loses.
        m_round.Etapa += 1;
        if (m_round.Etapa > kLastStage) {
            m_form.setCaption(Caption::Pelicula1, m_round.Solucion);
            if (finishRound(Outcome::Lost) == AfterReport::Ended) {
                return;
            }
        } else {
            m_form.showStage(static_cast<int>(m_round.Etapa));
            m_round.Fallos += 1;
            showCount(Caption::Label5, m_round.Fallos);
        }
    }
    m_form.setSolveText("");
}

void Game::Timer1_Timer()
{
    if (m_ended) {
        return;
    }
    const bool showsImage5
        = m_form.picture(ImageControl::Image4) == m_form.picture(ImageControl::Image5);
    m_form.sharePicture(
        showsImage5 ? ImageControl::Image6 : ImageControl::Image5, ImageControl::Image4);

    constexpr Rgb red = 0xFF0000;
    constexpr Rgb black = 0x000000;
    m_form.setTextColour(
        ColourLabel::Label15, m_form.textColour(ColourLabel::Label15) == red ? black : red);
}

void Game::Timer2_Timer()
{
    if (m_ended) {
        return;
    }
    constexpr Rgb yellow = 0xFFFF00;
    constexpr Rgb red = 0xFF0000;
    m_form.setTextColour(
        ColourLabel::Label12, m_form.textColour(ColourLabel::Label12) == yellow ? red : yellow);
}

void Game::MnSalir_Click()
{
    if (!m_ended) {
        endProgram();
    }
}

void Game::MnAyuda2_Click()
{
    if (m_ended) {
        return;
    }
    // The folder is handed over as part of one path, never through a shell.
    m_surroundings.openTextFile(
        textFromPath(pathFromText(m_surroundings.programFolder()) / kHelpFileName));
}

void Game::Image2_Click()
{
    if (!m_ended) {
        m_surroundings.openMailLink("mailto:" + std::string(programinfo::kAuthorMail));
    }
}

void Game::Image4_Click()
{
    if (!m_ended) {
        m_surroundings.openMailLink("mailto:" + std::string(programinfo::kDistributorMail));
    }
}

void Game::showCount(Caption label, float value)
{
    m_form.setCaption(label, countText(value));
}

void Game::addToCounter(Caption label, double delta)
{
    m_form.setCaption(label, countText(countValue(m_form.caption(label)) + delta));
}

// Reports the end of the round and asks for another, which either begins at once or is
// declined and ends the program.
Game::AfterReport Game::finishRound(Outcome outcome)
{
    const bool won = outcome == Outcome::Won;
    m_form.messageBox(endOfRoundReport(won, m_round),
        won ? MessageStyle::Information : MessageStyle::Critical, title());
    if (won) {
        addToCounter(Caption::Label6, +1);
    }
    // Only No ends the program: a box closed without an answer asks again, as ending
    // would lose the counters on a stray Esc.
    MessageAnswer answer = MessageAnswer::Dismissed;
    while (answer != MessageAnswer::Yes && answer != MessageAnswer::No) {
        answer = m_form.messageBox(playAgainQuestion(), MessageStyle::YesNo, title());
    }
    if (answer == MessageAnswer::No) {
        endProgram();
        return AfterReport::Ended;
    }
    MnNuevoJuego_Click();
    return m_ended ? AfterReport::Ended : AfterReport::NewRound;
}

void Game::endProgram()
{
    m_ended = true;
    m_form.endProgram();
}

} // namespace quimbelo
