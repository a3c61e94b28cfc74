// SPDX-License-Identifier: MIT
// A folder of its own for one test, with everything in it removed afterwards, and the
// files written into it byte for byte. Toolkit-free, for the doctest suites of every build.
#pragma once

#include <doctest/doctest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

// The folder lies in the system's temporary folder, and its name holds an "ñ", as a
// player's folder may: Windows names it in UTF-16 and the game is handed it as UTF-8
// text (pathtext.h), elsewhere it is UTF-8 bytes.
class TestFolder
{
public:
    TestFolder()
    {
        namespace fs = std::filesystem;
        std::random_device device;
        std::mt19937 pick(device()
            ^ static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
        const fs::path temporary = fs::temp_directory_path();
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string number = std::to_string(pick());
            const fs::path candidate
                = temporary / (u8"quimbelo-año-" + std::u8string(number.begin(), number.end()));
            std::error_code error;
            if (fs::create_directory(candidate, error)) {
                m_path = candidate;
                return;
            }
        }
        throw std::runtime_error("no folder of its own could be made for the test");
    }
    ~TestFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TestFolder(const TestFolder &) = delete;
    TestFolder &operator=(const TestFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }

    // Writes a file of the folder, the bytes as given, in place of any it had.
    void write(const std::string &name, std::string_view bytes) const
    {
        const std::filesystem::path file = m_path / name;
        {
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            REQUIRE(out.is_open());
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        REQUIRE(std::filesystem::file_size(file) == bytes.size());
    }

private:
    std::filesystem::path m_path;
};
