// SPDX-License-Identifier: MIT
// The splash's course to the game window, and About's loading, over fake widgets.
#include <doctest/doctest.h>

#include "about.h"
#include "fakewidgets.h"
#include "splash.h"
#include "splashplay.h"

#include <string>
#include <vector>

using namespace quimbelo;
using Phase = play::SplashPlay::Phase;

namespace {

const design::Control &splashControl(std::string_view name)
{
    return design::get(design::splash::kWindow, name);
}

// A front-end's side of the course, as a log of what it was asked, with a game window
// that takes a given number of steps to prepare.
struct FakeStartup : play::StartupPort
{
    int stepsLeft = 3;
    std::vector<std::string> log;

    bool prepareStep() override
    {
        log.push_back("step");
        return --stepsLeft > 0;
    }
    void closeSplash() override { log.push_back("close"); }
    void openGameWindow() override { log.push_back("open"); }
};

struct Splash
{
    Splash()
    {
        play.load();
        play.shown();
    }
    int timer() { return widgets.of(splashControl("Timer1")).timerPeriod; }

    FakeWidgets widgets;
    FakeStartup startup;
    play::SplashPlay play { widgets, startup };
};

} // namespace

TEST_CASE("the splash shows the program's version and runs its timer")
{
    Splash splash;
    CHECK(splash.widgets.of(splashControl("lblVersion")).caption == "Versión 2.0.0");
    CHECK(splash.timer() == 3000);
    CHECK(splash.play.phase() == Phase::Shown);
}

TEST_CASE("the game window is prepared only once the splash is painted, a step at a time")
{
    Splash splash;
    CHECK_FALSE(splash.play.wantsIdle());
    splash.play.idle();
    CHECK(splash.startup.log.empty());

    splash.play.painted();
    CHECK(splash.play.phase() == Phase::Preparing);
    int steps = 0;
    while (splash.play.wantsIdle() && steps < 10) {
        splash.play.idle();
        ++steps;
    }
    CHECK(steps == 3);
    CHECK(splash.play.phase() == Phase::Prepared);
    CHECK(splash.play.figures().steps == 3);
    CHECK(splash.play.figures().longest <= splash.play.figures().total);
    // Prepared, the splash stays until the player or its timer moves on.
    CHECK(splash.startup.log == std::vector<std::string> { "step", "step", "step" });
    CHECK(splash.timer() == 3000);

    // A second paint starts nothing again.
    splash.play.painted();
    CHECK_FALSE(splash.play.wantsIdle());
}

TEST_CASE("the splash hands over once, whatever comes first and whatever follows")
{
    const std::vector<std::string> handOver { "close", "open" };
    for (const char *way : { "key", "click", "timer", "close request" }) {
        CAPTURE(way);
        Splash splash;
        splash.play.painted();
        splash.play.idle();
        splash.startup.log.clear();
        const std::string_view how = way;
        if (how == "key") {
            splash.play.Form_KeyPress(U'ñ', false);
        } else if (how == "click") {
            splash.play.event(splashControl("Frame1"));
        } else if (how == "timer") {
            splash.play.event(splashControl("Timer1"));
        } else {
            splash.play.closeRequested();
        }
        CHECK(splash.startup.log == handOver);
        CHECK(splash.play.phase() == Phase::HandedOver);
        CHECK(splash.timer() == 0);
        // What was left to prepare is the game window's own business now.
        CHECK_FALSE(splash.play.wantsIdle());

        splash.play.Form_KeyPress(U'a', false);
        splash.play.event(splashControl("Timer1"));
        splash.play.event(splashControl("Frame1"));
        splash.play.closeRequested();
        splash.play.idle();
        CHECK(splash.startup.log == handOver);
    }
}

TEST_CASE("which typed characters hand over")
{
    for (const char32_t character : { U' ', U'\r', U'\x1B', U'\b', U'a', U'Ñ', U'7' }) {
        CAPTURE(static_cast<std::uint32_t>(character));
        CHECK(play::handsOver(character, false));
        CHECK_FALSE(play::handsOver(character, true));
    }
    // Delete, and Ctrl+Backspace, which types the same; a key that types nothing.
    CHECK_FALSE(play::handsOver(0x7F, false));
    CHECK_FALSE(play::handsOver(0, false));

    Splash splash;
    splash.play.Form_KeyPress(0x7F, false);
    splash.play.Form_KeyPress(U'x', true);
    splash.play.event(splashControl("lblProductName"));
    CHECK(splash.startup.log.empty());
    CHECK(splash.play.phase() == Phase::Shown);
}

TEST_CASE("About loads its title and the program's title and version")
{
    FakeWidgets about;
    play::loadAbout(about);
    const auto &window = design::about::kWindow;
    CHECK(about.windowTitle == "Acerca de Quimbelo");
    CHECK(about.of(design::get(window, "lblVersion")).caption == "Versión 2.0.0");
    CHECK(about.of(design::get(window, "lblTitle")).caption == "Quimbelo");
}
