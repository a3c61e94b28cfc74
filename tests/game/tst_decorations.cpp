// SPDX-License-Identifier: MIT
// The blinking decorations, the menu commands and the mail links.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "doctestprint.h"
#include "gamefixture.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using namespace quimbelo;

TEST_CASE("Timer1 alternates the banner and flashes the address")
{
    GameFixture f;
    f.loadWithWord("casa");
    const PictureId fifth = f.form.image5, sixth = f.form.image6;
    const std::pair<PictureId, Rgb> expected[]
        = { { fifth, 0xFF0000 }, { sixth, 0x000000 }, { fifth, 0xFF0000 }, { sixth, 0x000000 } };
    int tick = 0;
    for (const auto &[picture, colour] : expected) {
        ++tick;
        CAPTURE(tick);
        f.game.Timer1_Timer();
        CHECK(f.form.image4 == picture);
        CHECK(f.form.colours[ColourLabel::Label15] == colour);
        f.game.MnNuevoJuego_Click(); // a new round touches neither
    }
    CHECK(f.form.image5 == fifth);
    CHECK(f.form.image6 == sixth);
}

TEST_CASE("Timer2 flashes Novedad yellow and red")
{
    GameFixture f;
    f.loadWithWord("casa");
    const Rgb expected[] = { 0xFF0000, 0xFFFF00, 0xFF0000, 0xFFFF00 };
    int tick = 0;
    for (Rgb colour : expected) {
        ++tick;
        CAPTURE(tick);
        f.game.Timer2_Timer();
        CHECK(f.form.colours[ColourLabel::Label12] == colour);
    }
    f.form.colours[ColourLabel::Label12] = 0x123456;
    f.game.Timer2_Timer();
    CHECK(f.form.colours[ColourLabel::Label12] == Rgb(0xFFFF00));
}

TEST_CASE("Salir ends the program")
{
    GameFixture f;
    f.loadWithWord("casa");
    f.game.MnSalir_Click();
    CHECK(f.game.ended());
    CHECK(f.form.endRequests == 1);
    f.game.Timer2_Timer();
    CHECK(f.form.colours[ColourLabel::Label12] == Rgb(0xFFFF00));
}

TEST_CASE("the help file is handed over as one path")
{
    GameFixture f;
    f.loadWithWord("casa");
    // The system's separator joins the folder to the file, and none is doubled; a folder
    // named with Spanish letters comes back as the same text (UTF-8 on Windows).
    const std::string separator(1, char(std::filesystem::path::preferred_separator));
    f.surroundings.folder = "/opt/mis juegos/a\"b;$(rm -rf x)";
    f.game.MnAyuda2_Click();
    f.surroundings.folder = "/";
    f.game.MnAyuda2_Click();
    f.surroundings.folder = "/juegos/Ñandú";
    f.game.MnAyuda2_Click();
    CHECK(f.surroundings.openedFiles
        == std::vector<std::string> { "/opt/mis juegos/a\"b;$(rm -rf x)" + separator + "leeme.txt",
            "/leeme.txt", "/juegos/Ñandú" + separator + "leeme.txt" });
}

TEST_CASE("the pictures open mail messages")
{
    GameFixture f;
    f.loadWithWord("casa");
    f.game.Image2_Click();
    f.game.Image4_Click();
    REQUIRE(f.surroundings.openedLinks.size() == std::size_t(2));
    CHECK((f.surroundings.openedLinks[0].starts_with("mailto:")
        && f.surroundings.openedLinks[0].ends_with(".example")));
    CHECK((f.surroundings.openedLinks[1].starts_with("mailto:")
        && f.surroundings.openedLinks[1] != f.surroundings.openedLinks[0]));
    CHECK(f.form.shown.empty());
    CHECK(f.form.caption(Caption::Label11) == std::string("1"));
}
