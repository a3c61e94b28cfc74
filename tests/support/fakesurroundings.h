// SPDX-License-Identifier: MIT
#pragma once

#include "surroundings.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// The world around the game window, scripted: a fixed clock, random values from a list,
// a program folder, and a record of what was handed to the desktop.
struct FakeSurroundings : quimbelo::Surroundings
{
    double clock = 43200.25;
    std::vector<double> reseeds;
    std::deque<float> randoms; // 0 once exhausted
    std::function<void()> onNextRandom; // runs as each value is drawn
    // Every call, in order: "reseed" and "draw", to pin that a draw follows a reseed.
    std::vector<std::string> calls;
    std::string folder;
    std::vector<std::string> openedFiles;
    std::vector<std::string> openedLinks;

    double secondsSinceMidnight() const override { return clock; }
    void reseedRandom(double seed) override
    {
        reseeds.push_back(seed);
        calls.emplace_back("reseed");
    }
    float nextRandom() override
    {
        calls.emplace_back("draw");
        if (onNextRandom) {
            onNextRandom();
        }
        if (randoms.empty()) {
            return 0.0f;
        }
        const float r = randoms.front();
        randoms.pop_front();
        return r;
    }
    std::string programFolder() const override { return folder; }
    void openTextFile(const std::string &path) override { openedFiles.push_back(path); }
    void openMailLink(const std::string &url) override { openedLinks.push_back(url); }
};
