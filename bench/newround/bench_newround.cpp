// SPDX-License-Identifier: MIT
// The draw of a new round from the dictionary, through the game's own handler, against
// the fastest this machine reads the same file twice.
//
//   bench_newround FOLDER [ROUNDS [WARM-UP]]
//
// FOLDER holds diccionario.TXT (the program's folder). Each figure is the median of ROUNDS
// (200) steps after WARM-UP (3) unmeasured ones; the very first round is given apart.
// Prints "name: value unit" lines.
// Built with Emscripten too (bench/web), where FOLDER lies in the in-memory file system
// and the same loop runs in the browser.

#include "fakeform.h"
#include "fakesurroundings.h"
#include "game.h"
#include "wordlist.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// Its random source is seeded once, so that a run of rounds draws the same positions,
// spread over the whole list, at every run.
struct BenchSurroundings : FakeSurroundings
{
    std::mt19937 engine { 20240601u };
    void reseedRandom(double) override { }
    float nextRandom() override { return static_cast<float>(engine() >> 8) * 0x1.0p-24f; }
};

// In the browser a message box is answered by the player while the page goes on, and the
// program waits for it through Asyncify: its box is such a wait too, so that a build with
// Asyncify instruments the round's path as the page's build does. No box opens in a run.
struct BenchForm : FakeForm
{
    quimbelo::MessageAnswer messageBox(
        const std::string &text, quimbelo::MessageStyle style, const std::string &title) override
    {
#ifdef __EMSCRIPTEN__
        emscripten_sleep(0);
#endif
        return FakeForm::messageBox(text, style, title);
    }
};

using Clock = std::chrono::steady_clock;

double millisecondsOf(const std::function<void()> &step)
{
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Unmeasured steps before each figure. A browser runs WebAssembly first as compiled
// quickly, and a function only once it has run a while as compiled well (in another
// thread): the warm-up must outlast that for the figures to be of the code a player
// meets past the first rounds.
int warmUp = 3;

// Repeats a step, a few times unmeasured first, and gives the median in milliseconds.
double medianMs(int rounds, const std::function<void()> &step)
{
    for (int i = 0; i < warmUp; ++i) {
        step();
    }
    std::vector<double> times;
    times.reserve(rounds);
    for (int i = 0; i < rounds; ++i) {
        times.push_back(millisecondsOf(step));
    }
    return median(times);
}

// Reads a whole file at once into a buffer of its size and counts its line ends.
std::size_t rawRead(const std::string &path, std::vector<char> &buffer)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        std::perror(path.c_str());
        std::exit(1);
    }
    struct stat info
    {
    };
    ::fstat(fd, &info);
    buffer.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t got = 0;
    while (true) {
        const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
        if (got == buffer.size()) {
            buffer.resize(buffer.size() * 2);
        }
    }
    ::close(fd);
    std::size_t lines = 0;
    const char *p = buffer.data();
    const char *end = p + got;
    while ((p = static_cast<const char *>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))))
        != nullptr) {
        ++lines;
        ++p;
    }
    return lines;
}

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.3f %s\n", name, value, unit);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [ROUNDS [WARM-UP]]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 200;
    warmUp = argc > 3 ? std::atoi(argv[3]) : warmUp;
    const std::string path = folder + "/diccionario.TXT";

    // The handler itself: option 4 (Diccionario) selected, the list in the program folder.
    BenchForm form;
    BenchSurroundings surroundings;
    surroundings.folder = folder;
    form.option = 4;
    quimbelo::Game game(form, surroundings);
    std::size_t drawnBytes = 0;
    const double first = millisecondsOf([&] { game.MnNuevoJuego_Click(); });
    const double round = medianMs(rounds, [&] {
        game.MnNuevoJuego_Click();
        drawnBytes += game.round().Solucion.size();
    });
    if (game.ended() || !form.shown.empty() || drawnBytes == 0) {
        std::fprintf(stderr, "the rounds did not draw words from %s\n", path.c_str());
        return 1;
    }

    // Its floor: the same file read twice, whole, with its line ends counted.
    std::vector<char> buffer;
    std::size_t lines = 0;
    const double raw = medianMs(rounds, [&] {
        lines = rawRead(path, buffer);
        lines += rawRead(path, buffer);
    });

    // The draw's two passes over the list, apart: counting the items, then reading up
    // to the drawn one (positions spread over the whole list, as the game draws them).
    const quimbelo::WordList list(folder, "diccionario");
    std::uint32_t n = 0;
    const double countPass = medianMs(rounds, [&] { n = list.count(); });
    std::mt19937 engine(20240601u);
    const double itemPass = medianMs(rounds, [&] {
        const float r = static_cast<float>(engine() >> 8) * 0x1.0p-24f;
        const auto k = static_cast<std::uint32_t>(std::floor(n * static_cast<double>(r))) + 1;
        drawnBytes += list.item(std::min(k, n)).size();
    });
    const double lastItem = medianMs(rounds, [&] { drawnBytes += list.item(n).size(); });

    print("new_round_dictionary_ms", round, "ms");
    print("new_round_first_ms", first, "ms");
    print("raw_read_twice_ms", raw, "ms");
    std::printf("new_round_ratio: %.2f\n", round / raw);
    print("new_round_count_pass_ms", countPass, "ms");
    print("new_round_item_pass_ms", itemPass, "ms");
    print("new_round_item_pass_last_item_ms", lastItem, "ms");
    std::printf("dictionary_items: %u items\n", n);
    std::printf("dictionary_line_ends: %zu lines\n", lines / 2);
    std::printf("new_round_rounds: %d rounds\n", rounds);
    return 0;
}
