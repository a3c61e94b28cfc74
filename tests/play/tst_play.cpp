// SPDX-License-Identifier: MIT
// The game window's behaviour over fake widgets: routing, focus, the hidden word's fit,
// typed keys, the gallows' name, timers and what a screen reader is told.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "captionfit.h"
#include "fakesurroundings.h"
#include "fakewidgets.h"
#include "form1.h"
#include "gameplay.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

using namespace quimbelo;
namespace form1 = quimbelo::design::form1;
namespace fs = std::filesystem;

namespace {

const design::Control &control(std::string_view name, int index = -1)
{
    return design::get(form1::kWindow, name, index);
}

// A folder of word lists, removed afterwards.
class ListFolder
{
public:
    ListFolder()
    {
        static std::atomic<int> count { 0 };
        m_path = fs::temp_directory_path() / ("quimbelo-play-" + std::to_string(count++));
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~ListFolder() { fs::remove_all(m_path); }
    ListFolder(const ListFolder &) = delete;
    ListFolder &operator=(const ListFolder &) = delete;

    void write(std::string_view baseName, std::string_view bytes) const
    {
        std::ofstream file(m_path / (std::string(baseName) + ".TXT"), std::ios::binary);
        file << bytes;
    }
    std::string path() const { return m_path.string(); }

private:
    fs::path m_path;
};

// The game window over fake widgets, loaded with the given lists.
struct Window
{
    explicit Window(std::string_view informatica = "CASA\r\n")
    {
        lists.write("informatica", informatica);
        surroundings.folder = lists.path();
        play.built();
    }

    bool load()
    {
        const bool loaded = play.load();
        play.shown();
        return loaded;
    }
    std::string caption(std::string_view name) { return widgets.of(control(name)).caption; }

    ListFolder lists;
    FakeWidgets widgets;
    FakeSurroundings surroundings;
    play::GamePlay play { widgets, surroundings };
};

} // namespace

TEST_CASE("every event of the design reaches its handler")
{
    Window window;
    window.lists.write("peliculas", "TITANIC\r\n");
    REQUIRE(window.load());
    CHECK(window.caption("Pelicula1") == "----");
    CHECK(window.caption("Label11") == "1");

    SUBCASE("a letter key guesses its letter")
    {
        window.play.event(form1::letra(10)); // "A"
        CHECK(window.caption("Pelicula1") == "-A-A");
        CHECK(window.caption("Label4") == "1");
    }
    SUBCASE("a theme option starts a round of its list, once")
    {
        window.play.event(control("Option2"));
        CHECK(window.caption("Pelicula1") == "-------");
        window.play.event(form1::letra(7)); // "I"
        window.play.event(control("Option2"));
        CHECK(window.caption("Pelicula1") == "-I---I-");
        CHECK(window.play.selectedOption() == 2);
    }
    SUBCASE("the solve button checks the typed word")
    {
        window.widgets.setText(control("Text1"), "cosa");
        window.play.event(control("Command1"));
        REQUIRE(window.widgets.boxes.size() == 1);
        CHECK(window.widgets.boxes[0].text == "No es correcto");
    }
    SUBCASE("the mascot and the banner write mail")
    {
        window.play.event(control("Image2"));
        window.play.event(control("Image4"));
        CHECK(window.surroundings.openedLinks.size() == 2);
    }
    SUBCASE("the menu items")
    {
        window.play.menu("MnNuevoJuego");
        CHECK(window.caption("Label11") == "2");
        window.play.menu("MnAyuda2");
        CHECK(window.surroundings.openedFiles.size() == 1);
        window.play.menu("MnAcerca");
        CHECK(window.widgets.aboutShown == 1);
        window.play.menu("MnSalir");
        CHECK(window.widgets.ended == 1);
        CHECK_FALSE(window.widgets.endedFailed);
        // Once ended, the timers are stopped and nothing else happens.
        CHECK(window.widgets.of(control("Timer1")).timerPeriod == 0);
        CHECK(window.widgets.of(control("Timer2")).timerPeriod == 0);
        window.play.menu("MnNuevoJuego");
        CHECK(window.caption("Label11") == "2");
    }
    SUBCASE("the timers, at their shortest period")
    {
        CHECK(window.widgets.of(control("Timer1")).timerPeriod == 5000);
        CHECK(window.widgets.of(control("Timer2")).timerPeriod == 55);
        const Rgb before = window.play.textColour(ColourLabel::Label12);
        window.play.event(control("Timer2"));
        CHECK(window.play.textColour(ColourLabel::Label12) != before);
        CHECK(window.widgets.of(control("Label12")).colour
            == window.play.textColour(ColourLabel::Label12));
    }
}

TEST_CASE("a list that fails ends the program as failed")
{
    Window window("");
    CHECK_FALSE(window.load());
    CHECK(window.widgets.ended == 1);
    CHECK(window.widgets.endedFailed);
    CHECK(window.widgets.of(control("Timer1")).timerPeriod == 0);
}

TEST_CASE("the focus stays among the letter keys")
{
    Window window("MAR\r\nMAR\r\n");
    REQUIRE(window.load());
    CHECK(window.widgets.focus == &form1::letra(0));

    // Guessing the focused "M", the last letter, passes the focus on to "7".
    window.widgets.setFocus(form1::letra(26));
    window.play.typed(form1::letra(26), U'm');
    CHECK(window.widgets.focus == &form1::letra(27));
    CHECK(window.widgets.of(form1::letra(26)).accessibleDescription == form1::kKeyTried);

    // From "0", the last key, it wraps round to "Q".
    window.widgets.setFocus(form1::letra(36));
    window.play.event(form1::letra(36));
    CHECK(window.widgets.focus == &form1::letra(0));

    // A key guessed without the focus leaves the focus where it is.
    window.play.event(form1::letra(10));
    CHECK(window.widgets.focus == &form1::letra(0));
}

TEST_CASE("typed characters go through the game's code page")
{
    Window window("ÑANDÚ\r\n");
    REQUIRE(window.load());
    const design::Control &q = form1::letra(0);
    window.play.typed(q, U'\u00F1'); // ñ
    CHECK(window.caption("Pelicula1") == "Ñ----");
    window.play.typed(q, U'a');
    CHECK(window.caption("Pelicula1") == "ÑA---");
    // "ń" and a surrogate are not in the code page: no guess, no try.
    window.play.typed(q, U'\u0144');
    window.play.typed(q, U'\u0107'); // "ć": no best fit to "C" either
    window.play.typed(q, char32_t(0xD83D));
    window.play.typed(q, U'\u00FA'); // ú matches no key
    CHECK(window.caption("Label4") == "2");
}

TEST_CASE("the gallows picture is named by its stage")
{
    Window window;
    REQUIRE(window.load());
    CHECK(window.widgets.of(control("Image1")).accessibleName == "Horca: 0 de 10");
    CHECK(
        window.widgets.picture(control("Image1")) == window.widgets.picture(control("Image3", 0)));
    window.play.event(form1::letra(0)); // "Q" misses
    CHECK(window.widgets.of(control("Image1")).accessibleName == "Horca: 1 de 10");
    CHECK(
        window.widgets.picture(control("Image1")) == window.widgets.picture(control("Image3", 1)));
}

TEST_CASE("built, the window hides what lies beyond its run-time size and names its keys")
{
    Window window;
    for (int k = 0; k <= kLastStage; ++k) {
        CHECK_FALSE(window.widgets.of(control("Image3", k)).visible);
    }
    CHECK_FALSE(window.widgets.of(control("Image5")).visible);
    CHECK_FALSE(window.widgets.of(control("Image6")).visible);
    CHECK(window.widgets.of(control("Image1")).visible);
    CHECK(window.widgets.of(control("Label15")).visible);
    for (int i = 0; i < kLetraCount; ++i) {
        CHECK(window.widgets.of(form1::letra(i)).accessibleDescription == form1::kKeyAvailable);
    }
}

TEST_CASE("the hidden word always shows every position")
{
    SUBCASE("a short word at the designed size, on one line")
    {
        Window window("CASA\r\n");
        REQUIRE(window.load());
        CHECK(window.widgets.of(control("Pelicula1")).fontSize == doctest::Approx(14.25));
        CHECK(window.caption("Pelicula1") == "----");
        CHECK(window.widgets.of(control("Pelicula1")).accessibleDescription
            == "Palabra oculta de 4 caracteres");
    }
    SUBCASE("the longest item a list holds, over several lines")
    {
        const std::string word(1024, 'A');
        Window window(word + "\r\n");
        REQUIRE(window.load());
        const std::string shown = window.caption("Pelicula1");
        std::string joined;
        for (const char c : shown) {
            if (c != '\n') {
                joined += c;
            }
        }
        CHECK(joined == std::string(1024, '-'));
        CHECK(window.widgets.of(control("Pelicula1")).fontSize < 7.0);
        window.widgets.answers = { MessageAnswer::Ok, MessageAnswer::No };
        window.play.event(form1::letra(10)); // "A" wins
        CHECK(window.play.caption(Caption::Pelicula1) == word);
    }
}

TEST_CASE("fitting a caption")
{
    // A character is as wide as its size in points.
    const play::MeasureText measure = [](std::string_view text, double points) {
        std::size_t characters = 0;
        for (const char c : text) {
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        }
        return static_cast<double>(characters) * points;
    };
    SUBCASE("what fits keeps the designed size")
    {
        const play::CaptionFit fit = play::fitCaption("ABCDE", 10, 50, measure);
        CHECK(fit.points == 10);
        CHECK(fit.lines == std::vector<std::string> { "ABCDE" });
    }
    SUBCASE("a little too long shrinks")
    {
        const play::CaptionFit fit = play::fitCaption("ABCDEF", 10, 50, measure);
        CHECK(fit.points == doctest::Approx(7.75));
        CHECK(fit.lines.size() == 1);
    }
    SUBCASE("too long at the smallest size breaks after a blank")
    {
        // At 7 points a line holds 8 characters.
        const play::CaptionFit fit = play::fitCaption("ABC DEFG HIJKLMNOPQRS", 10, 56, measure);
        CHECK(fit.points == doctest::Approx(7.0));
        CHECK(fit.lines == std::vector<std::string> { "ABC DEFG", "HIJKLMNO", "PQRS" });
    }
    SUBCASE("UTF-8 characters are never split")
    {
        const play::CaptionFit fit = play::fitCaption("ÑÑÑÑÑÑÑÑÑÑÑ", 10, 56, measure);
        CHECK(fit.lines == std::vector<std::string> { "ÑÑÑÑÑÑÑÑ", "ÑÑÑ" });
    }
    SUBCASE("nothing to show is one empty line")
    {
        CHECK(play::fitCaption("", 10, 50, measure).lines == std::vector<std::string> { "" });
    }
}

TEST_CASE("a message's lines are broken where its carriage returns stand")
{
    CHECK(play::shownMessage("a\rb\r\nc\r") == "a\nb\nc\n");
    CHECK(play::shownMessage("\xBFS\xED?") == "¿Sí?");
}

TEST_CASE("design texts take their arguments")
{
    CHECK(play::formatText("Horca: %1 de %2", { "3", "10" }) == "Horca: 3 de 10");
    CHECK(play::formatText("%2-%1 %3 100%", { "a", "b" }) == "b-a %3 100%");
}
