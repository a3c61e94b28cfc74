// SPDX-License-Identifier: MIT
#pragma once

#include "randomsource.h"

#include <string>

namespace quimbelo {

// What the game asks of the world around its window: the time, chance, where the program
// lies and the desktop's programs. Each front-end provides its own; tests script it.
class Surroundings
{
public:
    virtual ~Surroundings() = default;

    // Seconds since midnight, with their fraction.
    virtual double secondsSinceMidnight() const = 0;
    // The uniform random source: reseeded from a time, then values in [0, 1).
    virtual void reseedRandom(double seed) = 0;
    virtual float nextRandom() = 0;

    // The folder that holds the program, where the word lists and the help file lie, as
    // the file system names it (bytes, whatever their encoding).
    virtual std::string programFolder() const = 0;

    // Opens a text file in the desktop's text editor without waiting for it.
    virtual void openTextFile(const std::string &path) = 0;
    // Hands a "mailto:" link to the desktop without waiting; its outcome is not reported.
    virtual void openMailLink(const std::string &url) = 0;
};

// The real clock and random source, for front-ends to build on.
class LocalSurroundings : public Surroundings
{
public:
    double secondsSinceMidnight() const override { return quimbelo::secondsSinceMidnight(); }
    void reseedRandom(double seed) override { m_random.reseed(seed); }
    float nextRandom() override { return m_random.next(); }

private:
    RandomSource m_random;
};

} // namespace quimbelo
