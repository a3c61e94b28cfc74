// SPDX-License-Identifier: MIT
// A game over a fake window and a folder of word lists, and the player's moves on it,
// for the doctest suites of the rules.
#pragma once

#include "cp1252.h"
#include "fakeform.h"
#include "fakesurroundings.h"
#include "game.h"
#include "letterkeys.h"
#include "pathtext.h"
#include "testfolder.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <stdexcept>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// A folder of word lists for one test, and a game over a fake window that reads them.
// The folder reaches the game as the text the front-ends hand it.
class GameFixture
{
public:
    GameFixture() { surroundings.folder = quimbelo::textFromPath(m_folder.path()); }

    // Writes a list file (bytes as given) into the program folder.
    void writeList(std::string_view baseName, std::string_view bytes)
    {
        m_folder.write(std::string(baseName) + ".TXT", bytes);
    }
    std::filesystem::path path(const std::string &name) const { return m_folder.path() / name; }

    // Loads the window with the given word as the only item of the default theme's list.
    void loadWithWord(std::string_view word)
    {
        writeList("informatica", std::string(word) + "\r\n");
        game.Form_Load();
    }

    FakeForm form;
    FakeSurroundings surroundings;
    quimbelo::Game game { form, surroundings };

private:
    TestFolder m_folder;
};

// The index of the letter key that carries a character (Windows-1252).
inline std::int16_t keyOf(char character)
{
    for (int i = 0; i < quimbelo::kLetraCount; ++i) {
        if (quimbelo::cp1252::fromUtf8(quimbelo::design::form1::letra(i).caption)[0] == character) {
            return static_cast<std::int16_t>(i);
        }
    }
    throw std::invalid_argument(std::string("no letter key for ") + character);
}

inline void guess(quimbelo::Game &game, char character)
{
    game.Letra_Click(keyOf(character));
}

inline void solve(FakeForm &form, quimbelo::Game &game, const std::string &text)
{
    form.text1 = text;
    game.Command1_Click();
}

// The characters of the alphabet that a word does not hold, to make misses with.
inline std::string missesFor(std::string_view word, int count)
{
    std::string misses;
    for (char c : std::string_view("QWERTYUIOPASDFGHJKLZXCVBNM")) {
        if (word.find(c) == std::string_view::npos && int(misses.size()) < count) {
            misses += c;
        }
    }
    return misses;
}

#ifndef _WIN32
// Runs reading on a thread of its own and tells whether it ended within ten seconds, so
// that a list that blocks fails the test instead of hanging it. Opening a named pipe for
// reading waits for a writer, maybe for ever: a reading stuck there is set free by
// raising stop and opening the pipe for writing and closing it, as often as needed.
inline bool endsWithoutWaiting(const std::filesystem::path &pipe,
    const std::function<void()> &reading, std::atomic<bool> *stop = nullptr)
{
    std::future<void> done = std::async(std::launch::async, reading);
    const bool ended = done.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (stop != nullptr) {
        *stop = true;
    }
    while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) {
            ::close(writer);
        }
    }
    done.get();
    return ended;
}
#endif
