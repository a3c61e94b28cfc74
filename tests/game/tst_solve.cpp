// SPDX-License-Identifier: MIT
// Solving by typing the whole word: wins, near misses, the gallows, and the question
// that follows.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "doctestprint.h"
#include "gamefixture.h"

#include <string>

using namespace quimbelo;

TEST_CASE("a correct solution in any case wins")
{
    GameFixture f;
    f.loadWithWord("cami\xF3n");
    f.form.answers = { MessageAnswer::Yes };
    solve(f.form, f.game, "Cami\xF3N");

    REQUIRE(int(f.form.shown.size()) == 2);
    const auto &report = f.form.shown[0];
    CHECK(report.style == MessageStyle::Information);
    CHECK(report.text
        == std::string("Correcto\rLa soluci\xF3n era: \r CAMI\xD3N \rNumero de intentos: "
                       "1\rNumero de fallos: 0"));
    CHECK(report.solveBox == std::string("CAMI\xD3N"));
    CHECK(report.display == std::string("CAMI\xD3N"));
    CHECK(report.wordsGuessed == std::string("0"));
    CHECK(f.form.shown[1].wordsGuessed == std::string("1"));
    CHECK(f.form.text1 == std::string());
    CHECK(f.form.caption(Caption::Label6) == std::string("1"));
    CHECK(f.form.caption(Caption::Label4) == std::string("0"));
}

TEST_CASE("a win leaves the gallows as it was")
{
    GameFixture f;
    f.loadWithWord("sol");
    guess(f.game, 'Z');
    guess(f.game, 'X');
    f.form.answers = { MessageAnswer::No };
    solve(f.form, f.game, "sol");
    CHECK(f.form.stage == 2);
    CHECK(f.form.caption(Caption::Label5) == std::string("2"));
    REQUIRE(!f.form.shown.empty());
    CHECK(f.form.shown[0].text
        == std::string("Correcto\rLa soluci\xF3n era: \r SOL \rNumero de intentos: 3\rNumero de "
                       "fallos: 2"));
    CHECK(f.game.ended());
    CHECK(f.form.text1 == std::string("SOL")); // nothing runs after No
}

TEST_CASE("near misses are misses")
{
    const std::pair<const char *, std::string> rows[] = {
        { "missing accent", "CAMION" },
        { "leading space", " cami\xF3n" },
        { "trailing space", "cami\xF3n " },
        { "N for Ñ", "CAMI\xD3\xD1" },
        { "empty", "" },
    };
    for (const auto &[name, typed] : rows) {
        SUBCASE(name)
        {
            GameFixture f;
            f.loadWithWord("cami\xF3n");
            solve(f.form, f.game, typed);
            REQUIRE(int(f.form.shown.size()) == 1);
            CHECK(f.form.shown[0].text == std::string("No es correcto"));
            CHECK(f.form.shown[0].style == MessageStyle::Critical);
            CHECK(f.form.shown[0].solveBox == cp1252::toUpper(typed));
            CHECK(f.form.caption(Caption::Label4) == std::string("1"));
            CHECK(f.form.caption(Caption::Label5) == std::string("1"));
            CHECK(f.form.stage == 1);
            CHECK(f.form.text1 == std::string());
            CHECK(f.form.display() == std::string("------"));
        }
    }
}

TEST_CASE("a word letters cannot complete is won by solving")
{
    GameFixture f;
    f.loadWithWord("\xE1rbol");
    for (char c : std::string("ARBOL")) {
        guess(f.game, c);
    }
    CHECK(f.form.display() == std::string("-RBOL"));
    f.form.answers = { MessageAnswer::Yes };
    solve(f.form, f.game, "\xC1rbol");
    CHECK(f.form.caption(Caption::Label6) == std::string("1"));
}

TEST_CASE("an attempt at stage ten loses after its notice")
{
    GameFixture f;
    f.loadWithWord("o");
    for (int i = 0; i < 9; ++i) {
        solve(f.form, f.game, "x");
    }
    CHECK(f.form.stage == 9);
    solve(f.form, f.game, "x"); // stage 9 to 10 does not lose
    CHECK(f.form.stage == 10);
    CHECK(int(f.form.shown.size()) == 10);

    f.form.answers = { MessageAnswer::Yes };
    solve(f.form, f.game, "y");
    REQUIRE(int(f.form.shown.size()) == 13);
    CHECK(f.form.shown[10].text == std::string("No es correcto"));
    CHECK(f.form.shown[10].display == std::string("-"));
    CHECK(f.form.shown[11].style == MessageStyle::Critical);
    CHECK(f.form.shown[11].text
        == std::string("Has perdido\rLa soluci\xF3n era: \r O \rNumero de intentos: 11\rNumero de "
                       "fallos: 10"));
    CHECK(f.form.shown[11].display == std::string("O"));
    CHECK(f.form.shown[12].style == MessageStyle::YesNo);

    CHECK(f.game.round().Fallos == 0.0f);
    CHECK(f.game.round().Etapa == 0.0f);
    CHECK(f.form.stage == 0);
    CHECK(f.form.caption(Caption::Label5) == std::string("0"));
    CHECK(f.form.caption(Caption::Label6) == std::string("0"));
    CHECK(f.form.text1 == std::string());
}

TEST_CASE("No after a loss ends at once")
{
    GameFixture f;
    f.loadWithWord("o");
    for (char c : missesFor("O", 10)) {
        guess(f.game, c);
    }
    f.form.answers = { MessageAnswer::No };
    solve(f.form, f.game, "nada");
    CHECK(f.game.ended());
    CHECK(f.form.endRequests == 1);
    CHECK(f.form.text1 == std::string("NADA"));
    CHECK(f.form.caption(Caption::Label11) == std::string("1"));
}

// A question box closed without an answer (Esc or the close box, where the system allows
// it) is asked again: only No ends the game, so the counters are never lost.
TEST_CASE("a dismissed question is asked again")
{
    for (const bool playOn : { true, false }) {
        SUBCASE(playOn ? "then Yes" : "then No")
        {
            GameFixture f;
            f.loadWithWord("sol");
            f.form.answers = { MessageAnswer::Dismissed, MessageAnswer::Dismissed,
                playOn ? MessageAnswer::Yes : MessageAnswer::No };
            solve(f.form, f.game, "sol");

            REQUIRE(int(f.form.shown.size()) == 4);
            for (int i = 1; i < 4; ++i) {
                CAPTURE(i);
                CHECK(f.form.shown[i].style == MessageStyle::YesNo);
                CHECK(f.form.shown[i].text == std::string("\xBFQuieres jugar otra vez?"));
            }
            CHECK(f.form.unansweredQuestions == 0);
            CHECK(f.game.ended() == !playOn);
            CHECK(f.form.endRequests == (playOn ? 0 : 1));
            CHECK(f.form.caption(Caption::Label6) == std::string("1"));
            CHECK(f.form.caption(Caption::Label11) == std::string(playOn ? "2" : "1"));
            CHECK(f.form.text1 == std::string(playOn ? "" : "SOL"));
        }
    }
}
