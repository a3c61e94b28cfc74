// SPDX-License-Identifier: MIT
// What the game asks of the world around it, in a browser.
#pragma once

#include "surroundings.h"

namespace quimbelo::web {

// The clock and random source of every front-end; the program's folder in Emscripten's
// file system, where the page has put the word lists; the help file shown in the page;
// mail links handed to the browser.
class PageSurroundings : public LocalSurroundings
{
public:
    std::string programFolder() const override;
    void openTextFile(const std::string &path) override;
    void openMailLink(const std::string &url) override;
};

} // namespace quimbelo::web
