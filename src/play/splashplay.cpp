// SPDX-License-Identifier: MIT
// The splash's course and About's loading.
#include "splashplay.h"

#include "about.h"
#include "gameplay.h"
#include "programinfo.h"
#include "speech.h"
#include "splash.h"

#include <algorithm>
#include <string>

namespace quimbelo::play {

namespace {

const Control &splashControl(std::string_view name)
{
    return design::get(design::splash::kWindow, name);
}

// What a window's visible labels show, in their order, as sentences for a screen reader,
// with the version where the window's load writes it.
std::string shownLabels(const design::Window &window)
{
    std::string spoken;
    for (const Control &control : window.controls) {
        std::string_view caption
            = control.name == "lblVersion" ? programinfo::kVersionText : control.caption;
        while (!caption.empty() && (caption.back() == ' ' || caption.back() == '.')) {
            caption.remove_suffix(1);
        }
        if (control.kind == design::Kind::Label && !control.has(design::kHidden)
            && !caption.empty()) {
            spoken += std::string(caption) + ". ";
        }
    }
    return spoken;
}

} // namespace

SplashPlay::SplashPlay(WindowWidgets &splash, StartupPort &startup)
    : m_splash(splash)
    , m_startup(startup)
{
}

void SplashPlay::load()
{
    m_splash.setCaption(splashControl("lblVersion"), programinfo::kVersionText);
}

void SplashPlay::shown()
{
    const Control &timer = splashControl("Timer1");
    m_splash.startTimer(timer, timerPeriod(timer));
    m_splash.announce(
        shownLabels(design::splash::kWindow) + std::string(design::speech::kSplashHint));
}

void SplashPlay::painted()
{
    if (m_phase == Phase::Shown) {
        m_phase = Phase::Preparing;
    }
}

void SplashPlay::idle()
{
    if (m_phase != Phase::Preparing) {
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    const bool more = m_startup.prepareStep();
    const auto took = std::chrono::steady_clock::now() - start;
    ++m_figures.steps;
    m_figures.total += took;
    m_figures.longest = std::max<std::chrono::nanoseconds>(m_figures.longest, took);
    if (!more && m_phase == Phase::Preparing) {
        m_phase = Phase::Prepared;
    }
}

void SplashPlay::Form_KeyPress(char32_t character, bool withAlt)
{
    if (handsOver(character, withAlt)) {
        handOver();
    }
}

void SplashPlay::event(const Control &control)
{
    if (control.name == "Frame1" || control.name == "Timer1") {
        handOver();
    }
}

void SplashPlay::closeRequested()
{
    // The game comes at once rather than after the timer: left to the desktop, the splash
    // would go and leave the program running with no window at all.
    handOver();
}

void SplashPlay::handOver()
{
    if (m_phase == Phase::HandedOver) {
        return;
    }
    m_phase = Phase::HandedOver;
    // The splash goes first: nothing of it stays on screen while the game window loads.
    m_splash.stopTimer(splashControl("Timer1"));
    m_startup.closeSplash();
    m_startup.openGameWindow();
}

void loadAbout(WindowWidgets &about)
{
    const auto &window = design::about::kWindow;
    about.setTitle(design::about::kLoadedCaption);
    about.setCaption(design::get(window, "lblVersion"), programinfo::kVersionText);
    about.setCaption(design::get(window, "lblTitle"), programinfo::kTitle);
    std::string spoken = shownLabels(window);
    spoken.pop_back();
    about.announce(spoken);
}

} // namespace quimbelo::play
