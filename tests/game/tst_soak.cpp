// SPDX-License-Identifier: MIT
// Thousands of rounds in one process, every way a round can go, with memory flat.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "doctestprint.h"
#include "gamefixture.h"

#include <fstream>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include <psapi.h>
#elif defined(__EMSCRIPTEN__)
#include <malloc.h>
#endif

using namespace quimbelo;

namespace {

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer holds freed memory back on purpose; leaks are its own to report.
constexpr bool kResidentMemoryTellsLeaks = false;
#else
constexpr bool kResidentMemoryTellsLeaks = true;
#endif

// Resident memory of this process, in KiB: its working set on Windows. A WebAssembly
// program's memory only ever grows, by 64 KiB pages, and it has no /proc to ask: there
// the bytes that the allocator has handed out and not had back stand for it.
long residentKiB()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters {};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        return -1;
    }
    return static_cast<long>(counters.WorkingSetSize / 1024);
#elif defined(__EMSCRIPTEN__)
    return static_cast<long>(mallinfo().uordblks / 1024);
#else
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:")) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
#endif
}

} // namespace

TEST_CASE("ten thousand rounds leave memory flat")
{
    GameFixture f;
    f.writeList("informatica",
        "raton\r\nteclado\r\npentium 2\r\ne-mail\r\nm\xF3"
        "dem\r\n");
    f.writeList("peliculas", "Apolo 13\r\nTibur\xF3n\r\nEl se\xF1or de los anillos\r\n");
    f.writeList("propios", "ni\xF1o\r\ncasa\r\n\xE1rbol\r\n");
    f.writeList("diccionario", "abeja\r\nzorro\r\n");
    f.game.Form_Load();

    long afterWarmUp = 0;
    int wins = 0, losses = 0;
    const int rounds = 10000;
    for (int round = 1; round <= rounds; ++round) {
        f.surroundings.randoms = { float(round % 97) / 97.0f };
        if (round % 7 == 0) {
            f.form.option = 1 + round % 4;
            f.game.Option1_Click();
        }
        const std::string word = f.game.round().Solucion;
        f.form.answers = { MessageAnswer::Yes };
        switch (round % 3) {
        case 0: // letters, then the solution typed in lower case
            for (char c : std::string("EAOR")) {
                guess(f.game, c);
            }
            solve(f.form, f.game, "x");
            f.form.text1 = word;
            f.game.Command1_Click();
            ++wins;
            break;
        case 1: // eleven misses
            for (char c : missesFor(word, 11)) {
                guess(f.game, c);
            }
            for (int i = int(missesFor(word, 11).size()); i < 11; ++i) {
                solve(f.form, f.game, "?");
            }
            ++losses;
            break;
        default: // typed keys, then a new round from the menu
            for (int key : { int('m'), 0xF1, int('2'), int('x'), int('E') }) {
                f.game.Letra_KeyPress(0, static_cast<std::int16_t>(key));
            }
            f.game.MnNuevoJuego_Click();
            break;
        }
        INFO("round ", round, ", of ", printable(word));
        REQUIRE(!f.game.ended());
        REQUIRE(f.form.unansweredQuestions == 0);
        f.form.shown.clear();
        f.surroundings.reseeds.clear(); // the fake's own records, not the game's memory
        f.surroundings.calls.clear();
        if (round == 100) {
            afterWarmUp = residentKiB();
        }
    }
    CHECK(f.form.caption(Caption::Label6) == std::to_string(wins));
    CHECK(losses > 3000);
    if (kResidentMemoryTellsLeaks) {
        REQUIRE(afterWarmUp > 0);
        const long growth = residentKiB() - afterWarmUp;
        MESSAGE("resident memory after round 100: ", afterWarmUp, " KiB; growth by round ", rounds,
            ": ", growth, " KiB");
        CHECK_MESSAGE(growth < 128, "grew by ", growth, " KiB");
    }
}
