#pragma once

#include "formport.h"
#include "letterkeys.h"

#include <array>
#include <map>
#include <random>
#include <string>

// The game window as a plain struct for the benchmarks: it keeps what the game writes,
// has a theme selected and a program folder holding the lists, and answers every
// question without a screen. Its random source is seeded once, so that a run of rounds
// draws the same positions spread over the whole list at every run.
struct BenchForm : quimbelo::FormPort
{
    std::map<quimbelo::Caption, std::string> captions;
    std::array<bool, quimbelo::kLetraCount> enabled {};
    std::string text1;
    int option = 4;
    int stage = 0;
    std::map<quimbelo::ColourLabel, quimbelo::Rgb> colours { { quimbelo::ColourLabel::Label12, 0xFFFF00 },
                                                             { quimbelo::ColourLabel::Label15, 0x0000C0 } };
    quimbelo::PictureId image4 = 1, image5 = 2, image6 = 3;
    std::string folder;
    std::mt19937 engine { 20240601u };
    int messages = 0;
    int endRequests = 0;

    std::string caption(quimbelo::Caption label) const override
    {
        const auto it = captions.find(label);
        return it == captions.end() ? std::string() : it->second;
    }
    void setCaption(quimbelo::Caption label, const std::string &text) override { captions[label] = text; }
    std::string letraCaption(int index) const override { return std::string(quimbelo::kLetraCaptions.at(index)); }
    bool letraEnabled(int index) const override { return enabled.at(index); }
    void setLetraEnabled(int index, bool on) override { enabled.at(index) = on; }
    bool focusFirstLetra() override { return enabled[0]; }
    std::string solveText() const override { return text1; }
    void setSolveText(const std::string &text) override { text1 = text; }
    int selectedOption() const override { return option; }
    void showStage(int s) override { stage = s; }
    quimbelo::PictureId picture(quimbelo::ImageControl control) const override
    {
        return control == quimbelo::ImageControl::Image4 ? image4
            : control == quimbelo::ImageControl::Image5  ? image5
                                                         : image6;
    }
    void sharePicture(quimbelo::ImageControl source, quimbelo::ImageControl target) override
    {
        const quimbelo::PictureId id = picture(source);
        (target == quimbelo::ImageControl::Image4 ? image4 : target == quimbelo::ImageControl::Image5 ? image5 : image6) = id;
    }
    quimbelo::Rgb textColour(quimbelo::ColourLabel label) const override { return colours.at(label); }
    void setTextColour(quimbelo::ColourLabel label, quimbelo::Rgb colour) override { colours[label] = colour; }
    quimbelo::MessageAnswer messageBox(const std::string &, quimbelo::MessageStyle style, const std::string &) override
    {
        ++messages;
        return style == quimbelo::MessageStyle::YesNo ? quimbelo::MessageAnswer::No : quimbelo::MessageAnswer::Ok;
    }
    void endProgram() override { ++endRequests; }
    double secondsSinceMidnight() const override { return 43200.25; }
    void reseedRandom(double) override { }
    float nextRandom() override { return static_cast<float>(engine() >> 8) * 0x1.0p-24f; }
    std::string programFolder() const override { return folder; }
    void openTextFile(const std::string &) override { }
    void openMailLink(const std::string &) override { }
};
