// SPDX-License-Identifier: MIT
// Checks when bench_xprobe takes a window's first frame to be complete. bench/run.sh runs
// it before it measures anything.

#include "firstframe.h"

#include <cstdio>

namespace {

int g_failed = 0;
int g_checks = 0;

void check(bool ok, const char *what)
{
    ++g_checks;
    if (!ok) {
        ++g_failed;
        std::fprintf(stderr, "FAILED: %s\n", what);
    }
}

bool same(double a, double b)
{
    return a == b;
}

void coverage()
{
    FirstFrame f;
    f.resize(100, 50);
    f.draw({ 0, 0, 100, 20 }, 1);
    f.draw({ 0, 0, 100, 20 }, 2); // the same band again covers nothing more
    check(std::isnan(f.complete()), "a band drawn twice does not cover the window");
    f.draw({ -10, 15, 200, 100 }, 3); // reaches past every edge
    check(same(f.complete(), 3), "covered whole by the rectangle that fills the rest");
    check(same(f.frame(3, 0), 3), "without a quiet time the frame is the coverage");

    FirstFrame g;
    g.resize(100, 50);
    g.draw({ 0, 0, 50, 50 }, 1);
    g.draw({ 50, 0, 49, 50 }, 2); // one column short
    check(std::isnan(g.frame(1000, 0)), "no frame while one column is left");
    g.draw({ 99, 49, 1, 1 }, 3);
    check(std::isnan(g.frame(1000, 0)), "no frame while one column is left but a pixel");
}

void resized()
{
    FirstFrame f;
    f.resize(100, 50);
    f.draw({ 0, 0, 100, 25 }, 1);
    f.resize(100, 60);
    f.draw({ 0, 25, 100, 35 }, 2);
    check(std::isnan(f.complete()), "what was covered before a new size counts no more");
    f.draw({ 0, 0, 100, 25 }, 3);
    check(same(f.complete(), 3), "covered whole at the new size");
}

// As under Wine: the whole window with its background first, then each control.
void quiet()
{
    FirstFrame f;
    f.resize(100, 50);
    f.draw({ 10, 10, 20, 10 }, 5); // a control before the first whole put
    f.draw({ 0, 0, 100, 50 }, 10);
    f.draw({ 40, 10, 20, 10 }, 12);
    f.draw({ 70, 10, 20, 10 }, 14);
    check(same(f.complete(), 10), "covered whole at the first put");
    check(std::isnan(f.frame(60, 100)), "no frame before the quiet time has passed");
    f.draw({ 40, 10, 20, 10 }, 70); // a blinking control, repainted
    f.draw({ 0, 0, 100, 50 }, 80); // the frame redrawn on activation
    check(std::isnan(f.frame(113, 100)), "the quiet time counts from the last new rectangle");
    check(same(f.frame(114, 100), 14), "the frame is the last new rectangle");
    check(f.newRects() == 4, "repaints are not new rectangles");
    f.draw({ 5, 40, 10, 5 }, 200);
    check(same(f.frame(400, 100), 14), "a frame once known does not move");
    check(f.newRects() == 4, "nothing is counted after the frame");

    FirstFrame g;
    g.resize(100, 50);
    g.draw({ 0, 0, 100, 20 }, 1);
    check(std::isnan(g.frame(500, 100)), "no frame before the window is covered whole");
    g.draw({ 0, 20, 100, 30 }, 600);
    check(same(g.frame(700, 100), 600), "the rectangle that covers it is the frame");
}

} // namespace

int main()
{
    coverage();
    resized();
    quiet();
    if (g_failed > 0) {
        std::fprintf(stderr, "bench_firstframe_test: %d of %d checks failed\n", g_failed, g_checks);
        return 1;
    }
    std::printf("bench_firstframe_test: %d checks passed\n", g_checks);
    return 0;
}
