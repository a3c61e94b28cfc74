// SPDX-License-Identifier: MIT
#pragma once

// The widgets of a front-end, as plain records: what the play layer last asked of each
// control, with a fixed-width font, scripted message box answers and a focus to move.

#include "widgets.h"

#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct FakeWidgets : quimbelo::play::Widgets
{
    using Control = quimbelo::design::Control;

    struct State
    {
        std::string caption;
        std::string text;
        bool enabled = true;
        bool visible = true;
        quimbelo::Rgb colour = 0;
        quimbelo::PictureId picture = 0;
        double fontSize = 0;
        std::string accessibleName;
        std::string accessibleDescription;
        int timerPeriod = 0; // 0: stopped
    };

    struct Box
    {
        std::string text;
        quimbelo::MessageStyle style;
        std::string title;
    };

    // Every character is this wide at one point, and a line this wide fits.
    double charWidthPerPoint = 0.6;
    double room = 248;

    std::string windowTitle;
    std::map<const Control *, State> controls;
    const Control *focus = nullptr;
    // Once exhausted: Ok to a report, Yes to a question.
    std::deque<quimbelo::MessageAnswer> answers;
    std::vector<Box> boxes;
    // What a screen reader was told, in order.
    std::vector<std::string> spoken;
    int aboutShown = 0;
    int ended = 0;
    bool endedFailed = false;

    State &of(const Control &control) { return controls[&control]; }

    void setTitle(std::string_view utf8) override { windowTitle = utf8; }
    void setCaption(const Control &control, std::string_view utf8) override
    {
        of(control).caption = utf8;
    }
    std::string text(const Control &box) const override
    {
        const auto found = controls.find(&box);
        return found == controls.end() ? std::string() : found->second.text;
    }
    void setText(const Control &box, std::string_view utf8) override { of(box).text = utf8; }
    void setEnabled(const Control &control, bool enabled) override
    {
        of(control).enabled = enabled;
    }
    void setVisible(const Control &control, bool visible) override
    {
        of(control).visible = visible;
    }
    void setTextColour(const Control &control, quimbelo::Rgb colour) override
    {
        of(control).colour = colour;
    }
    void sharePicture(const Control &source, const Control &target) override
    {
        State &from = of(source);
        if (from.picture == 0) {
            from.picture = reinterpret_cast<quimbelo::PictureId>(&source);
        }
        of(target).picture = from.picture;
    }
    quimbelo::PictureId picture(const Control &control) const override
    {
        const auto found = controls.find(&control);
        return found == controls.end() || found->second.picture == 0
            ? reinterpret_cast<quimbelo::PictureId>(&control)
            : found->second.picture;
    }
    void setFontSize(const Control &control, double points) override
    {
        of(control).fontSize = points;
    }
    double textWidth(const Control &, std::string_view utf8, double points) const override
    {
        std::size_t characters = 0;
        for (const char c : utf8) {
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        }
        return static_cast<double>(characters) * charWidthPerPoint * points;
    }
    double lineRoom(const Control &) const override { return room; }
    void setAccessibleName(const Control &control, std::string_view utf8) override
    {
        of(control).accessibleName = utf8;
    }
    void setAccessibleDescription(const Control &control, std::string_view utf8) override
    {
        of(control).accessibleDescription = utf8;
    }
    bool hasFocus(const Control &control) const override { return focus == &control; }
    void setFocus(const Control &control) override { focus = &control; }
    void startTimer(const Control &timer, int milliseconds) override
    {
        of(timer).timerPeriod = milliseconds;
    }
    void stopTimer(const Control &timer) override { of(timer).timerPeriod = 0; }
    void announce(std::string_view utf8) override { spoken.emplace_back(utf8); }
    quimbelo::MessageAnswer messageBox(
        std::string_view text, quimbelo::MessageStyle style, std::string_view title) override
    {
        boxes.push_back({ std::string(text), style, std::string(title) });
        if (answers.empty()) {
            return style == quimbelo::MessageStyle::YesNo ? quimbelo::MessageAnswer::Yes
                                                          : quimbelo::MessageAnswer::Ok;
        }
        const quimbelo::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void showAbout() override { ++aboutShown; }
    void endProgram(bool failed) override
    {
        ++ended;
        endedFailed = failed;
    }
};
