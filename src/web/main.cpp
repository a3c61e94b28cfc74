// SPDX-License-Identifier: MIT
// The browser program: it starts with the splash, then answers the page's events, which
// page.js hands to the functions below.
#include "startup.h"

#include <emscripten.h>

namespace {

quimbelo::web::Startup &startup()
{
    // It lives as long as the page: the runtime stays after main returns.
    static auto *const instance = new quimbelo::web::Startup;
    return *instance;
}

quimbelo::web::page::WindowId windowOf(int window)
{
    return static_cast<quimbelo::web::page::WindowId>(window);
}

} // namespace

extern "C" {

// A click on a control, an option selected, a timer's tick: by window and design row.
EMSCRIPTEN_KEEPALIVE void quimbelo_event(int window, int row)
{
    startup().event(windowOf(window), row);
}

// A menu item of the game window chosen, by its row in the menu's design.
EMSCRIPTEN_KEEPALIVE void quimbelo_menu(int item)
{
    startup().menu(item);
}

// A character typed on a letter key of the game window.
EMSCRIPTEN_KEEPALIVE void quimbelo_typed(int row, int character)
{
    startup().typed(row, static_cast<char32_t>(character));
}

// A key on the splash: the character it types, 0 for none.
EMSCRIPTEN_KEEPALIVE void quimbelo_splash_key(int character, int withAlt)
{
    startup().splashKey(static_cast<char32_t>(character), withAlt != 0);
}

EMSCRIPTEN_KEEPALIVE void quimbelo_splash_painted()
{
    startup().splashPainted();
}

// A screen reader's request on the game window: where the round stands (0), or the
// counters (1).
EMSCRIPTEN_KEEPALIVE void quimbelo_speak(int what)
{
    startup().speak(what);
}

// The page has time to spare; returns whether it has a use for more.
EMSCRIPTEN_KEEPALIVE int quimbelo_idle()
{
    return startup().idle() ? 1 : 0;
}

// The close box of a window.
EMSCRIPTEN_KEEPALIVE void quimbelo_close(int window)
{
    startup().closeRequested(windowOf(window));
}

} // extern "C"

int main()
{
    startup().start();
    return 0;
}
