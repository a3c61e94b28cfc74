// SPDX-License-Identifier: MIT
// Guessing a letter, with its key or typed: hits, misses, the gallows, winning and losing,
// and the question that follows.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "doctestprint.h"
#include "gamefixture.h"

#include <string>

using namespace quimbelo;

namespace {
const std::string question = "\xBFQuieres jugar otra vez?";
}

TEST_CASE("a hit reveals every position of its letter")
{
    GameFixture f;
    f.loadWithWord("perro");
    guess(f.game, 'R');
    CHECK(f.form.display() == std::string("--RR-"));
    CHECK(f.form.caption(Caption::Label4) == std::string("1"));
    CHECK(f.form.caption(Caption::Label5) == std::string("0"));
    CHECK(f.form.stage == 0);
    CHECK(!f.form.enabled[keyOf('R')]);
    CHECK(f.form.shown.empty());
}

TEST_CASE("a miss adds a try, a failure and a stage")
{
    GameFixture f;
    f.loadWithWord("perro");
    guess(f.game, 'Z');
    CHECK(f.form.display() == std::string("-----"));
    CHECK(f.form.caption(Caption::Label4) == std::string("1"));
    CHECK(f.form.caption(Caption::Label5) == std::string("1"));
    CHECK(f.form.stage == 1);
    CHECK(!f.form.enabled[keyOf('Z')]);
}

TEST_CASE("letters match only identical characters")
{
    GameFixture f;
    f.loadWithWord("ca\xF1\xF3n"); // cañón
    guess(f.game, 'N');
    guess(f.game, 'O');
    CHECK(f.form.display() == std::string("----N"));
    CHECK(f.form.caption(Caption::Label5) == std::string("1"));
    guess(f.game, '\xD1');
    CHECK(f.form.display() == std::string("--\xD1-N"));
    guess(f.game, 'C');
    guess(f.game, 'A');
    // "Ó" can only be won by solving.
    CHECK(f.form.display() == std::string("CA\xD1-N"));
    CHECK(f.form.shown.empty());
}

TEST_CASE("ten misses are survived and the eleventh loses")
{
    GameFixture f;
    f.loadWithWord("o");
    const std::string misses = missesFor("O", 11);
    for (int i = 0; i < 10; ++i) {
        guess(f.game, misses[i]);
        CAPTURE(i);
        CHECK(f.form.stage == i + 1);
    }
    CHECK(f.form.shown.empty());
    CHECK(f.form.caption(Caption::Label5) == std::string("10"));

    f.form.answers = { MessageAnswer::Yes };
    guess(f.game, misses[10]);
    REQUIRE(int(f.form.shown.size()) == 2);
    const auto &report = f.form.shown[0];
    CHECK(report.style == MessageStyle::Critical);
    CHECK(report.text
        == std::string("Has perdido\rLa soluci\xF3n era: \r O \rNumero de intentos: 11\rNumero de "
                       "fallos: 10"));
    CHECK(report.display == std::string("O"));
    CHECK(f.form.shown[1].text == question);
    CHECK(f.form.shown[1].style == MessageStyle::YesNo);

    // The losing miss leaves no trace in the new round.
    CHECK(f.game.round().Fallos == 0.0f);
    CHECK(f.game.round().Etapa == 0.0f);
    CHECK(f.form.stage == 0);
    CHECK(f.form.caption(Caption::Label5) == std::string("0"));
    CHECK(f.form.caption(Caption::Label11) == std::string("2"));
    CHECK(f.form.caption(Caption::Label6) == std::string("0"));
    CHECK(f.form.enabledCount() == kLetraCount);
}

TEST_CASE("letters and solve attempts miss towards one gallows")
{
    GameFixture f;
    f.loadWithWord("o");
    const std::string misses = missesFor("O", 6);
    for (int i = 0; i < 5; ++i) {
        guess(f.game, misses[i]);
        solve(f.form, f.game, "mal");
    }
    CHECK(f.form.stage == 10);
    CHECK(f.form.caption(Caption::Label5) == std::string("10"));
    const std::size_t notices = f.form.shown.size();
    CHECK(notices == std::size_t(5));

    guess(f.game, misses[5]);
    REQUIRE(f.form.shown.size() == notices + 2);
    CHECK(f.form.shown[notices].text.starts_with("Has perdido\r"));
    CHECK(f.game.ended()); // no answer given: No
}

TEST_CASE("a hit on the last stage does not lose")
{
    GameFixture f;
    f.loadWithWord("oso");
    for (char c : missesFor("OS", 10)) {
        guess(f.game, c);
    }
    CHECK(f.form.stage == 10);
    guess(f.game, 'O');
    CHECK(f.form.shown.empty());
    CHECK(f.form.display() == std::string("O-O"));

    f.form.answers = { MessageAnswer::Yes };
    guess(f.game, 'S');
    REQUIRE(!f.form.shown.empty());
    CHECK(f.form.shown[0].style == MessageStyle::Information);
    CHECK(f.form.shown[0].text
        == std::string("Correcto\rLa soluci\xF3n era: \r OSO \rNumero de intentos: 12\rNumero de "
                       "fallos: 10"));
}

TEST_CASE("a win is reported, then counted, then a question is asked")
{
    GameFixture f;
    f.loadWithWord("perro");
    guess(f.game, 'Z');
    guess(f.game, 'P');
    guess(f.game, 'E');
    guess(f.game, 'O');
    f.form.answers = { MessageAnswer::Yes };
    guess(f.game, 'R');

    REQUIRE(int(f.form.shown.size()) == 2);
    CHECK(f.form.shown[0].text
        == std::string("Correcto\rLa soluci\xF3n era: \r PERRO \rNumero de intentos: 5\rNumero de "
                       "fallos: 1"));
    CHECK(f.form.shown[0].title == std::string("Quimbelo"));
    CHECK(f.form.shown[0].display == std::string("PERRO"));
    CHECK(f.form.shown[0].wordsGuessed == std::string("0"));
    CHECK(f.form.shown[1].wordsGuessed == std::string("1"));
    CHECK(f.form.shown[1].title == std::string("Quimbelo"));

    CHECK(f.form.caption(Caption::Label6) == std::string("1"));
    CHECK(f.form.caption(Caption::Label11) == std::string("2"));
    CHECK(f.form.caption(Caption::Label4) == std::string("0"));
    CHECK(f.form.stage == 0);
    CHECK(f.form.enabledCount() == kLetraCount);
    CHECK(f.form.display() == std::string("-----"));
}

TEST_CASE("No ends the program and nothing runs after it")
{
    GameFixture f;
    f.loadWithWord("a");
    f.form.answers = { MessageAnswer::No };
    guess(f.game, 'A');
    CHECK(f.game.ended());
    CHECK(f.form.endRequests == 1);
    CHECK(f.form.caption(Caption::Label11) == std::string("1"));
    CHECK(f.form.display() == std::string("A"));

    guess(f.game, 'B');
    f.game.MnNuevoJuego_Click();
    CHECK(int(f.form.shown.size()) == 2);
    CHECK(f.form.caption(Caption::Label4) == std::string("1"));
}

TEST_CASE("typed characters guess through their key")
{
    struct Row
    {
        const char *name;
        int typed;
        int key;
    };
    const Row rows[] = {
        { "a", 'a', 10 },
        { "A", 'A', 10 },
        { "ñ", 0xF1, 19 },
        { "Ñ", 0xD1, 19 },
        { "m, wherever the focus", 'm', 26 },
        { "7", '7', 27 },
        { "0", '0', 36 },
    };
    for (const Row &row : rows) {
        SUBCASE(row.name)
        {
            GameFixture f;
            f.loadWithWord("xyz");
            f.game.Letra_KeyPress(0, static_cast<std::int16_t>(row.typed));
            CHECK(f.form.caption(Caption::Label4) == std::string("1"));
            CHECK(!f.form.enabled[row.key]);
            CHECK(f.form.enabledCount() == kLetraCount - 1);
        }
    }
}

TEST_CASE("keys that name no enabled button do nothing")
{
    GameFixture f;
    f.loadWithWord("xyz");
    f.game.Letra_KeyPress(5, 'q');
    for (int typed : { int('q'), int(' '), 13, 8, 27, int(','), 0xE1, 0xC1, -1, 300 }) {
        f.game.Letra_KeyPress(5, static_cast<std::int16_t>(typed));
    }
    CHECK(f.form.caption(Caption::Label4) == std::string("1"));
    CHECK(f.form.caption(Caption::Label5) == std::string("1"));
}

TEST_CASE("a key that ends the program stops the loop")
{
    GameFixture f;
    f.loadWithWord("m");
    f.form.answers = { MessageAnswer::No };
    f.game.Letra_KeyPress(0, 'm');
    CHECK(f.form.endRequests == 1);
    CHECK(int(f.form.shown.size()) == 2);
}

TEST_CASE("a key that starts a new round makes no second guess")
{
    GameFixture f;
    f.loadWithWord("a");
    f.form.answers = { MessageAnswer::Yes };
    f.game.Letra_KeyPress(0, 'a');
    CHECK(f.form.caption(Caption::Label4) == std::string("0"));
    CHECK(f.form.enabledCount() == kLetraCount);
}
