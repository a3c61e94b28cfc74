#pragma once

#include "formport.h"
#include "letterkeys.h"

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The game window as a plain struct: what the game writes is kept, what it asks is
// answered from a script, and every message box is recorded with the screen it covered.
struct FakeForm : quimbelo::FormPort
{
    struct Shown
    {
        std::string text;
        quimbelo::MessageStyle style;
        std::string title;
        std::string display; // Pelicula1 while the box was open
        std::string solveBox; // Text1 while the box was open
        std::string wordsGuessed; // Label6 while the box was open
    };

    std::map<quimbelo::Caption, std::string> captions;
    std::array<bool, quimbelo::kLetraCount> enabled {};
    std::string text1;
    int option = 3;
    int stage = -1;
    bool focusOnFirstLetra = false;
    int focusRequests = 0;

    quimbelo::PictureId image4 = 1, image5 = 2, image6 = 3;
    std::map<quimbelo::ColourLabel, quimbelo::Rgb> colours {
        { quimbelo::ColourLabel::Label12, 0xFFFF00 }, { quimbelo::ColourLabel::Label15, 0x0000C0 }
    };

    std::vector<Shown> shown;
    std::deque<quimbelo::MessageAnswer> answers; // to "¿Quieres jugar otra vez?"
    int unansweredQuestions = 0;
    int endRequests = 0;

    double clock = 43200.25;
    std::vector<double> reseeds;
    std::deque<float> randoms; // 0 once exhausted
    std::function<void()> onNextRandom; // runs as each value is drawn
    std::string folder;
    std::vector<std::string> openedFiles;
    std::vector<std::string> openedLinks;

    std::string caption(quimbelo::Caption label) const override
    {
        const auto it = captions.find(label);
        return it == captions.end() ? std::string() : it->second;
    }
    void setCaption(quimbelo::Caption label, const std::string &text) override
    {
        captions[label] = text;
    }

    std::string letraCaption(int index) const override
    {
        return std::string(quimbelo::kLetraCaptions.at(index));
    }
    bool letraEnabled(int index) const override { return enabled.at(index); }
    void setLetraEnabled(int index, bool on) override { enabled.at(index) = on; }
    bool focusFirstLetra() override
    {
        ++focusRequests;
        focusOnFirstLetra = enabled[0];
        return focusOnFirstLetra;
    }

    std::string solveText() const override { return text1; }
    void setSolveText(const std::string &text) override { text1 = text; }
    int selectedOption() const override { return option; }
    void showStage(int s) override { stage = s; }

    quimbelo::PictureId picture(quimbelo::ImageControl control) const override
    {
        switch (control) {
        case quimbelo::ImageControl::Image4:
            return image4;
        case quimbelo::ImageControl::Image5:
            return image5;
        case quimbelo::ImageControl::Image6:
            return image6;
        }
        return 0;
    }
    void sharePicture(quimbelo::ImageControl source, quimbelo::ImageControl target) override
    {
        const quimbelo::PictureId id = picture(source);
        (target == quimbelo::ImageControl::Image4          ? image4
                : target == quimbelo::ImageControl::Image5 ? image5
                                                           : image6)
            = id;
    }
    quimbelo::Rgb textColour(quimbelo::ColourLabel label) const override
    {
        return colours.at(label);
    }
    void setTextColour(quimbelo::ColourLabel label, quimbelo::Rgb colour) override
    {
        colours[label] = colour;
    }

    quimbelo::MessageAnswer messageBox(
        const std::string &text, quimbelo::MessageStyle style, const std::string &title) override
    {
        shown.push_back({ text, style, title, caption(quimbelo::Caption::Pelicula1), text1,
            caption(quimbelo::Caption::Label6) });
        if (style != quimbelo::MessageStyle::YesNo) {
            return quimbelo::MessageAnswer::Ok;
        }
        if (answers.empty()) {
            ++unansweredQuestions;
            return quimbelo::MessageAnswer::No;
        }
        const quimbelo::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void endProgram() override { ++endRequests; }

    double secondsSinceMidnight() const override { return clock; }
    void reseedRandom(double seed) override { reseeds.push_back(seed); }
    float nextRandom() override
    {
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

    // Helpers for the tests.
    std::string display() const { return caption(quimbelo::Caption::Pelicula1); }
    int enabledCount() const
    {
        int n = 0;
        for (bool on : enabled) {
            n += on ? 1 : 0;
        }
        return n;
    }
};
