// SPDX-License-Identifier: MIT
// How a round starts: the draw from a theme's list, its reseeding, what the window shows,
// and a list the game cannot use.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "doctestprint.h"
#include "gamefixture.h"
#include "randomsource.h"

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace quimbelo;
using namespace std::string_literals;

namespace {

// The first line of a message, in UTF-8.
std::string firstLineOf(const std::string &message)
{
    const std::string text = cp1252::toUtf8(message);
    return text.substr(0, text.find('\r'));
}

} // namespace

TEST_CASE("loading starts the first round from the computing list")
{
    GameFixture f;
    f.writeList("informatica", "pentium 2\r\n");
    f.form.captions[Caption::Label7] = "Label7";
    f.game.Form_Load();

    CHECK(f.game.round().Archivo == std::string("informatica"));
    CHECK(f.game.round().Solucion == std::string("PENTIUM 2"));
    CHECK(f.form.display() == std::string("------- -"));
    CHECK(f.form.caption(Caption::Label7) == std::string("9"));
    CHECK(f.form.caption(Caption::Label11) == std::string("1"));
    CHECK(f.form.caption(Caption::Label6) == std::string("0"));
    CHECK(f.form.caption(Caption::Label4) == std::string("0"));
    CHECK(f.form.caption(Caption::Label5) == std::string("0"));
    CHECK(f.form.enabledCount() == kLetraCount);
    CHECK(f.form.stage == 0);
    CHECK(f.form.shown.empty());
    CHECK(!f.game.ended());
}

TEST_CASE("the drawn item is upper-cased and masked")
{
    struct Row
    {
        const char *name;
        std::string item;
        std::string word;
        std::string mask;
    };
    const Row rows[] = {
        { "words", "la casa azul", "LA CASA AZUL", "-- ---- ----" },
        { "hyphen", "e-mail", "E-MAIL", "------" },
        { "ñ and accents", "ni\xF1o cami\xF3n", "NI\xD1O CAMI\xD3N", "---- ------" },
        { "signs", "rock'n roll!", "ROCK'N ROLL!", "------ -----" },
        { "no-break space and tab", "la\xA0mesa\tazul", "LA MESA AZUL", "-- ---- ----" },
    };
    for (const Row &row : rows) {
        SUBCASE(row.name)
        {
            GameFixture f;
            f.loadWithWord(row.item);
            CHECK(f.game.round().Solucion == row.word);
            CHECK(f.form.display() == row.mask);
            CHECK(f.form.caption(Caption::Label7) == std::to_string(row.word.size()));
        }
    }
}

TEST_CASE("the draw is floor of count times r, plus one")
{
    struct Row
    {
        const char *name;
        float r;
        std::string word;
    };
    const Row rows[] = {
        { "0 gives the first", 0.0f, "UNO" },
        { "just under 0.2 still the first", 0.19999f, "UNO" },
        { "0.2 the second", 0.2f, "DOS" },
        { "0.5 the third", 0.5f, "TRES" },
        { "largest r below 1 the last", 0.99999994f, "CINCO" },
    };
    for (const Row &row : rows) {
        SUBCASE(row.name)
        {
            GameFixture f;
            f.writeList("informatica", "uno\r\ndos\r\ntres\r\ncuatro\r\ncinco\r\n");
            f.surroundings.randoms = { row.r };
            f.game.Form_Load();
            CHECK(f.game.round().Solucion == row.word);
        }
    }
}

TEST_CASE("every round reseeds from the time of day")
{
    GameFixture f;
    f.loadWithWord("casa");
    f.surroundings.clock = 100.5;
    f.game.MnNuevoJuego_Click();
    CHECK(f.surroundings.reseeds == std::vector<double> { 43200.25, 100.5 });
    // The reseed comes before the draw, or every start would draw the same first word.
    CHECK(f.surroundings.calls == std::vector<std::string> { "reseed", "draw", "reseed", "draw" });
}

TEST_CASE("the real source draws from the time it is reseeded with")
{
    struct Real : LocalSurroundings
    {
        std::string programFolder() const override { return {}; }
        void openTextFile(const std::string &) override { }
        void openMailLink(const std::string &) override { }
    } real;
    const auto draws = [&real](double seconds) {
        real.reseedRandom(seconds);
        std::vector<float> values;
        for (int i = 0; i < 8; ++i) {
            values.push_back(real.nextRandom());
        }
        return values;
    };
    const std::vector<float> first = draws(43200.25);
    for (float value : first) {
        CHECK((value >= 0.0f && value < 1.0f));
    }
    CHECK(draws(43200.25) == first);
    CHECK(draws(43200.5) != first);
    const double now = real.secondsSinceMidnight();
    CHECK((now >= 0.0 && now < 86400.0));
}

TEST_CASE("the real source is seeded with every bit of the time")
{
    // The draw is seeded with the bits of the time as a double, low 32 bits first: the same on
    // every platform the game is built for, so that one time of day draws the same words
    // everywhere. The bit patterns below are written out by hand, not computed here.
    const auto seededWith = [](std::uint32_t low, std::uint32_t high) {
        std::seed_seq seed { low, high };
        std::mt19937 engine(seed);
        std::vector<float> values;
        for (int i = 0; i < 8; ++i) {
            values.push_back(static_cast<float>(engine() >> 8) * 0x1.0p-24f);
        }
        return values;
    };
    const auto draws = [](double seconds) {
        RandomSource source;
        source.reseed(seconds);
        std::vector<float> values;
        for (int i = 0; i < 8; ++i) {
            values.push_back(source.next());
        }
        return values;
    };
    CHECK(draws(43200.25) == seededWith(0x00000000u, 0x40E51808u));
    CHECK(draws(86399.999) == seededWith(0xFBE76C8Bu, 0x40F517FFu));
    CHECK(draws(1.0) == seededWith(0x00000000u, 0x3FF00000u));
    // The last bit of the fraction alone changes the draw.
    CHECK(draws(std::nextafter(86399.999, 0.0)) == seededWith(0xFBE76C8Au, 0x40F517FFu));
}

TEST_CASE("real draws are uniform")
{
    // "uno, dos" is one line but two items; each comes up about half of the time.
    GameFixture f;
    f.writeList("informatica", "uno, dos\r\n");
    RandomSource source;
    int dos = 0;
    const int rounds = 2000;
    for (int i = 0; i < rounds; ++i) {
        source.reseed(30000.0 + i * 0.015625);
        f.surroundings.randoms = { source.next() };
        f.game.MnNuevoJuego_Click();
        dos += f.game.round().Solucion == "DOS" ? 1 : 0;
        CHECK((f.game.round().Solucion == "DOS" || f.game.round().Solucion == "UNO"));
    }
    CHECK_MESSAGE((dos > 900 && dos < 1100), dos, " of ", rounds, " rounds drew DOS");
}

TEST_CASE("a one-item list always yields its item")
{
    GameFixture f;
    f.writeList("informatica", "solo\r\n");
    RandomSource source;
    for (int i = 0; i < 50; ++i) {
        source.reseed(i * 1.5);
        f.surroundings.randoms = { source.next() };
        f.game.MnNuevoJuego_Click();
        CHECK(f.game.round().Solucion == std::string("SOLO"));
    }
}

TEST_CASE("an item without letters is never drawn")
{
    // Empty items and blank quoted ones are no words: they are not counted, and every
    // round shows a word and its length.
    GameFixture f;
    f.writeList("informatica", ",casa,\"\"\r\n\" \",x,\r\n");
    f.form.captions[Caption::Label7] = "Label7";
    f.game.Form_Load();
    CHECK(f.game.round().Solucion == std::string("CASA"));
    CHECK(f.form.caption(Caption::Label7) == std::string("4"));
    for (const float r : { 0.0f, 0.3f, 0.49f, 0.5f, 0.7f, 0.99f }) {
        CAPTURE(r);
        f.surroundings.randoms = { r };
        f.game.MnNuevoJuego_Click();
        CHECK(f.game.round().Solucion == std::string(r < 0.5f ? "CASA" : "X"));
        CHECK(f.form.display() == std::string(r < 0.5f ? "----" : "-"));
        CHECK(f.form.caption(Caption::Label7) == std::string(r < 0.5f ? "4" : "1"));
    }
}

TEST_CASE("a new round replaces the round in progress")
{
    GameFixture f;
    f.loadWithWord("xyz");
    for (char c : std::string("QWERTX")) {
        guess(f.game, c);
    }
    f.form.text1 = "algo";
    CHECK(f.form.stage == 5);
    CHECK(f.form.enabledCount() == kLetraCount - 6);

    f.game.MnNuevoJuego_Click();
    CHECK(f.form.enabledCount() == kLetraCount);
    CHECK(f.form.stage == 0);
    CHECK(f.form.caption(Caption::Label4) == std::string("0"));
    CHECK(f.form.caption(Caption::Label5) == std::string("0"));
    CHECK(f.form.caption(Caption::Label11) == std::string("2"));
    CHECK(f.form.caption(Caption::Label6) == std::string("0"));
    CHECK(f.form.text1 == std::string());
    CHECK(f.form.display() == std::string("---"));
    CHECK(f.game.round().Intentos == 0.0f);
    CHECK(f.game.round().Fallos == 0.0f);
    CHECK(f.game.round().Etapa == 0.0f);
}

TEST_CASE("picking a theme draws from its list without counting a game")
{
    GameFixture f;
    f.writeList("informatica", "raton\r\n");
    f.writeList("propios", "perro\r\n");
    f.writeList("peliculas", "tiburon\r\n");
    f.writeList("diccionario", "abeja\r\n");
    f.game.Form_Load();
    guess(f.game, 'Z');

    // Named members, not a structured binding: the web build's clang 14 cannot hand
    // one to INFO, which captures it in a lambda.
    const struct
    {
        int option;
        const char *list;
    } themes[]
        = { { 2, "peliculas" }, { 4, "diccionario" }, { 1, "propios" }, { 3, "informatica" } };
    for (const auto &theme : themes) {
        INFO("option ", theme.option, ", ", theme.list);
        f.form.option = theme.option;
        f.game.Option2_Click(); // the four handlers are one
        CHECK(f.game.round().Archivo == std::string(theme.list));
        CHECK(f.form.caption(Caption::Label11) == std::string("1"));
        CHECK(f.form.caption(Caption::Label4) == std::string("0"));
        CHECK(f.form.enabledCount() == kLetraCount);
        CHECK(f.form.focusOnFirstLetra);
    }
    CHECK(f.game.round().Solucion == std::string("RATON"));
}

TEST_CASE("a theme change after Q was tried still puts the focus on Q")
{
    GameFixture f;
    f.loadWithWord("casa");
    guess(f.game, 'Q');
    f.game.Option1_Click();
    CHECK(!f.game.ended());
    CHECK(f.form.focusRequests == 2);
    CHECK(f.form.focusOnFirstLetra);
}

TEST_CASE("a list that fails ends the program with a message")
{
    struct Row
    {
        const char *name;
        std::string contents;
        bool exists;
        std::string firstLine;
    };
    const Row rows[] = {
        { "missing", "", false, "No se encuentra la lista de palabras:" },
        { "empty", "", true, "La lista de palabras está vacía:" },
        { "blank lines only", "\r\n\r\n", true, "La lista de palabras está vacía:" },
        { "commas only", ",,,\r\n", true, "La lista de palabras está vacía:" },
        { "empty quotes only", "\"\",\"\"\r\n", true, "La lista de palabras está vacía:" },
        { "a short list with an unclosed quote", "\"dos, tres\ncuatro\n", true,
            "La lista de palabras tiene una comilla sin cerrar en la línea 1:" },
        { "binary", "\x00\x01\x02"s, true, "La lista de palabras no es un archivo de texto:" },
    };
    for (const Row &row : rows) {
        SUBCASE(row.name)
        {
            GameFixture f;
            if (row.exists) {
                f.writeList("informatica", row.contents);
            }
            f.game.Form_Load();
            CHECK(f.game.ended());
            CHECK(f.game.failed());
            CHECK(f.form.endRequests == 1);
            REQUIRE(int(f.form.shown.size()) == 1);
            CHECK(f.form.shown[0].style == MessageStyle::Critical);
            CHECK(f.form.shown[0].title == std::string("Quimbelo"));
            CHECK(firstLineOf(f.form.shown[0].text) == row.firstLine);
            CHECK(
                cp1252::toUtf8(f.form.shown[0].text).find("informatica.TXT") != std::string::npos);

            // Nothing runs once the program has ended.
            f.game.MnNuevoJuego_Click();
            f.game.Letra_KeyPress(0, 'a');
            f.game.Command1_Click();
            f.game.Option1_Click();
            CHECK(f.form.caption(Caption::Label11) == std::string("1"));
            CHECK(int(f.form.shown.size()) == 1);
            CHECK(f.form.endRequests == 1);
        }
    }
}

TEST_CASE("a list saved between its count and its reading is read again")
{
    // An editor saving the list in place while the round starts: the drawn position is
    // past the end of the list on the second reading. Every reading reseeds the source
    // and draws afresh; a list that keeps changing is reported in the end.
    const std::vector<std::string> savedLists = { "uno\r\ndos\r\n", "uno\r\n", "" };
    for (const int saves : { 1, 3 }) {
        CAPTURE(saves);
        GameFixture f;
        f.writeList("informatica", "uno\r\ndos\r\ntres\r\n");
        f.surroundings.randoms = { 0.9f, 0.9f, 0.9f, 0.9f }; // the last item
        std::vector<std::size_t> reseedsBeforeDraw;
        f.surroundings.onNextRandom = [&] {
            const std::size_t draws = reseedsBeforeDraw.size();
            if (draws < std::size_t(saves)) {
                f.writeList("informatica", savedLists[draws]);
            }
            reseedsBeforeDraw.push_back(f.surroundings.reseeds.size());
        };
        f.surroundings.clock = 100.0;
        f.game.Form_Load();
        if (saves == 1) {
            CHECK(!f.game.ended());
            CHECK(f.game.round().Solucion == std::string("DOS"));
            CHECK(reseedsBeforeDraw == std::vector<std::size_t> { 1, 2 });
            CHECK(f.form.shown.empty());
        } else {
            CHECK(f.game.ended());
            CHECK(reseedsBeforeDraw == std::vector<std::size_t> { 1, 2, 3 });
            CHECK(f.surroundings.reseeds == std::vector<double> { 100.0, 100.0, 100.0 });
            REQUIRE(int(f.form.shown.size()) == 1);
            CHECK(firstLineOf(f.form.shown[0].text)
                == std::string("La lista de palabras ha cambiado mientras se leía y tiene "
                               "menos palabras:"));
        }
    }
}

// Named pipes are Linux's: Windows has none in its file system, nor has the browser's.
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
TEST_CASE("a pipe in place of the list is reported without waiting")
{
    GameFixture f;
    const std::filesystem::path pipe = f.path("informatica.TXT");
    REQUIRE(::mkfifo(pipe.c_str(), 0600) == 0);
    CHECK(endsWithoutWaiting(pipe, [&] { f.game.Form_Load(); }));
    CHECK(f.game.ended());
    REQUIRE(int(f.form.shown.size()) == 1);
    CHECK(
        firstLineOf(f.form.shown[0].text) == std::string("La lista de palabras no es un archivo:"));
}
#endif

TEST_CASE("a list that disappears between rounds ends the program")
{
    GameFixture f;
    f.loadWithWord("casa");
    f.form.option = 1; // propios, which does not exist
    f.game.Option1_Click();
    CHECK(f.game.ended());
    CHECK(f.form.endRequests == 1);
}
