// SPDX-License-Identifier: MIT
// What a screen reader tells a blind player of the game window, the splash and About,
// over fake widgets.
#include <doctest/doctest.h>

#include "about.h"
#include "fakesurroundings.h"
#include "fakewidgets.h"
#include "form1.h"
#include "gameplay.h"
#include "narration.h"
#include "pathtext.h"
#include "splashplay.h"
#include "testfolder.h"

#include <string>

using namespace quimbelo;
namespace form1 = quimbelo::design::form1;

namespace {

const design::Control &control(std::string_view name, int index = -1)
{
    return design::get(form1::kWindow, name, index);
}

// The game window over fake widgets, shown, with "CASA" the one word of its lists.
struct ListenedWindow
{
    ListenedWindow()
    {
        for (const char *list : { "informatica", "diccionario" }) {
            folder.write(std::string(list) + ".TXT", "CASA\r\n");
        }
        surroundings.folder = textFromPath(folder.path());
        play.built();
        REQUIRE(play.load());
        play.shown();
    }
    const std::string &lastSpoken() const { return widgets.spoken.back(); }
    void type(char32_t character) { play.typed(form1::letra(0), character); }

    TestFolder folder;
    FakeWidgets widgets;
    FakeSurroundings surroundings;
    play::GamePlay play { widgets, surroundings };
};

struct NoStartup : play::StartupPort
{
    bool prepareStep() override { return false; }
    void closeSplash() override { }
    void openGameWindow() override { }
};

} // namespace

TEST_CASE("the hidden word is read as letters and counted gaps")
{
    CHECK(play::spokenWord("------") == "6 huecos");
    CHECK(play::spokenWord("E--AÑ-") == "E, 2 huecos, A, Ñ, hueco");
    CHECK(play::spokenWord("-- 2") == "2 huecos, espacio, 2");
    CHECK(play::spokenWord("CASA") == "C, A, S, A");
    CHECK(play::spokenWord("") == "");
    CHECK(play::newWordSentence("Cine", "-") == "Cine. Palabra de una letra: hueco.");
    CHECK(play::newWordSentence("Cine", "Ñ--") == "Cine. Palabra de 3 letras: Ñ, 2 huecos.");
}

TEST_CASE("a round told to a listener, guess by guess")
{
    ListenedWindow window;
    CHECK(window.lastSpoken() == "Informática. Palabra de 4 letras: 4 huecos.");

    window.type(U'a');
    CHECK(window.lastSpoken() == "A, está. hueco, A, hueco, A. Intentos 1, errores 0.");
    window.type(U'x');
    CHECK(window.lastSpoken()
        == "X, no está. hueco, A, hueco, A. Intentos 2, errores 1. Horca 1 de 10.");

    // A letter already tried guesses nothing, and is told so.
    const std::size_t spoken = window.widgets.spoken.size();
    window.type(U'A');
    CHECK(window.lastSpoken() == "A, ya probada.");
    CHECK(window.play.caption(Caption::Label4) == "2");

    // On request: where the round stands with the letters tried, in the keyboard's
    // order, and the counters.
    window.play.speakRound();
    CHECK(window.lastSpoken()
        == "hueco, A, hueco, A. Intentos 2, errores 1. Horca 1 de 10. Probadas: A, X.");
    window.play.speakCounters();
    CHECK(window.lastSpoken() == "Nº de Juegos 1. Palabras acertadas 0.");

    // The ticks of the decorations say nothing.
    const std::size_t before = window.widgets.spoken.size();
    window.play.event(control("Timer1"));
    window.play.event(control("Timer2"));
    CHECK(window.widgets.spoken.size() == before);
    CHECK(before == spoken + 3);

    // The winning guess is followed by the report, read from its box, and a new word.
    window.type(U'c');
    window.play.event(form1::letra(11)); // "S", by the mouse
    REQUIRE(window.widgets.boxes.size() == 2);
    CHECK(window.lastSpoken() == "Informática. Palabra de 4 letras: 4 huecos.");
    window.play.speakCounters();
    CHECK(window.lastSpoken() == "Nº de Juegos 2. Palabras acertadas 1.");
    window.play.speakRound();
    CHECK(
        window.lastSpoken() == "4 huecos. Intentos 0, errores 0. Horca 0 de 10. Ninguna probada.");
}

TEST_CASE("a failed solve, a new theme and F2 are told")
{
    ListenedWindow window;

    SUBCASE("a wrong solution raises the gallows")
    {
        window.widgets.setText(control("Text1"), "cosa");
        window.play.event(control("Command1"));
        CHECK(window.widgets.boxes.at(0).text == "No es correcto");
        CHECK(window.lastSpoken() == "4 huecos. Intentos 1, errores 1. Horca 1 de 10.");
    }
    SUBCASE("the dictionary is named with its size")
    {
        window.play.event(control("Option4"));
        CHECK(window.lastSpoken()
            == "Diccionario, " QUIMBELO_DICTIONARY_WORDS_TEXT
               " Palabras. Palabra de 4 letras: 4 huecos.");
    }
    SUBCASE("a new game")
    {
        window.type(U'a');
        window.play.menu("MnNuevoJuego");
        CHECK(window.lastSpoken() == "Informática. Palabra de 4 letras: 4 huecos.");
    }
    SUBCASE("nothing once the player has left")
    {
        window.widgets.answers = { MessageAnswer::Ok, MessageAnswer::No };
        for (const char32_t letter : { U'c', U'a', U's' }) {
            window.type(letter);
        }
        const std::size_t spoken = window.widgets.spoken.size();
        CHECK(window.widgets.ended == 1);
        window.play.speakRound();
        window.play.speakCounters();
        CHECK(window.widgets.spoken.size() == spoken);
    }
}

TEST_CASE("the splash and About say what they show")
{
    FakeWidgets splash;
    NoStartup startup;
    play::SplashPlay course(splash, startup);
    course.load();
    course.shown();
    REQUIRE(splash.spoken.size() == 1);
    CHECK(splash.spoken[0]
        == QUIMBELO_PRODUCT ". Windows 95/98. Versión 2.0.0. Mire el archivo Leeme.txt para mas "
                            "información. Pulse una tecla para empezar.");

    FakeWidgets about;
    play::loadAbout(about);
    REQUIRE(about.spoken.size() == 1);
    CHECK(about.spoken[0] == "Versión 2.0.0. Tornelas.");
}
