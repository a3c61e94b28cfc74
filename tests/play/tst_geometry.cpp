// SPDX-License-Identifier: MIT
// Where the windows open, centred but never with their title bar out of reach, and how a
// widened label keeps its aligned edge.
#include <doctest/doctest.h>

#include "geometry.h"

#include <ostream>

namespace quimbelo::play {

// How a failed check shows the values it compared.
std::ostream &operator<<(std::ostream &out, const Point &point)
{
    return out << '(' << point.x << ", " << point.y << ')';
}
std::ostream &operator<<(std::ostream &out, const Margins &margins)
{
    return out << '(' << margins.left << ", " << margins.top << ", " << margins.right << ", "
               << margins.bottom << ')';
}
std::ostream &operator<<(std::ostream &out, const Span &span)
{
    return out << "left " << span.left << ", width " << span.width;
}

} // namespace quimbelo::play

using namespace quimbelo;
using play::Point;
using play::Rect;

TEST_CASE("a window is centred on the screen")
{
    struct Row
    {
        const char *name;
        Rect area;
        play::Size frame;
        Point expected;
    };
    const Row rows[] = {
        { "room to spare", { 0, 0, 1600, 1200 }, { 400, 300 }, { 600, 450 } },
        { "below a top panel", { 0, 30, 1600, 1170 }, { 400, 300 }, { 600, 465 } },
        // A 320 x 240 screen is smaller than the game window: its title bar and menus stay
        // in reach at the top left, and the rest runs off to the right and below.
        { "small screen", { 0, 0, 320, 240 }, { 383, 433 }, { 0, 0 } },
        { "small screen with a panel", { 0, 24, 320, 216 }, { 383, 433 }, { 0, 24 } },
        { "second screen", { 1600, 0, 320, 240 }, { 383, 100 }, { 1600, 70 } },
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CHECK(play::centredOn(row.area, row.frame) == row.expected);
    }
}

TEST_CASE("About is centred frame on frame over its owner")
{
    // An owner framed with a 20-pixel title bar and 4-pixel borders.
    const Rect client { 104, 124, 375, 411 };
    const Rect frame { 100, 100, 383, 439 };
    const play::Margins margins = play::frameMargins(frame, client);
    CHECK(margins == play::Margins { 4, 24, 4, 4 });

    const play::Size about { 265, 210 };
    const Rect screen { 0, 0, 1280, 1024 };
    const Point topLeft = play::centredOver(frame, margins, about, screen);
    CHECK(topLeft == Point { 100 + (383 - 273) / 2, 100 + (439 - 238) / 2 });
}

// An owner moved into a corner, or partly off the screen, keeps its About window on the
// screen that holds it.
TEST_CASE("About stays on the screen of its owner")
{
    struct Row
    {
        const char *name;
        Rect ownerFrame;
        Rect area;
        Point expected;
    };
    // The About frame is 273 x 238.
    const Row rows[] = {
        { "lower right corner", { 1220, 980, 383, 439 }, { 0, 0, 1280, 1024 }, { 1007, 786 } },
        { "upper left, partly off", { -300, -200, 383, 439 }, { 0, 0, 1280, 1024 }, { 0, 0 } },
        { "second screen's corner", { 2800, 980, 383, 439 }, { 1280, 0, 1600, 1024 },
            { 2607, 786 } },
        { "screen smaller than About", { 0, 0, 383, 439 }, { 0, 24, 200, 200 }, { 0, 24 } },
    };
    const play::Margins margins { 4, 24, 4, 4 };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CHECK(play::centredOver(row.ownerFrame, margins, { 265, 210 }, row.area) == row.expected);
    }
}

TEST_CASE("a label that changes its width keeps its aligned edge")
{
    using design::Align;
    const play::Span designed { 100, 40 }; // from 100 to 140
    SUBCASE("wider")
    {
        CHECK(play::realigned(designed, 50, Align::Left) == play::Span { 100, 50 });
        CHECK(play::realigned(designed, 50, Align::Right) == play::Span { 90, 50 });
        CHECK(play::realigned(designed, 50, Align::Centre) == play::Span { 95, 50 });
    }
    SUBCASE("a pixel wider: a centred label keeps its left edge, the pixel goes right")
    {
        CHECK(play::realigned(designed, 41, Align::Centre) == play::Span { 100, 41 });
        CHECK(play::realigned(designed, 41, Align::Right) == play::Span { 99, 41 });
    }
    SUBCASE("back to its designed width from a wider box")
    {
        for (const Align align : { Align::Left, Align::Centre, Align::Right }) {
            const play::Span wide = play::realigned(designed, 60, align);
            CHECK(play::realigned(wide, 40, align) == designed);
        }
    }
}
