// SPDX-License-Identifier: MIT
#pragma once

#include "surroundings.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// What the window tests need around the real windows: scripted surroundings with lists
// of their own, a message pump, and an answerer for the modal boxes.
namespace windowtest {

// Surroundings with a folder of lists written by the test, a fixed draw (the first item)
// and a record of what the game asked the desktop to open.
class ScriptedSurroundings : public quimbelo::Surroundings
{
public:
    // Every theme's list holds this one item (Windows-1252).
    explicit ScriptedSurroundings(const std::string &item);
    ~ScriptedSurroundings() override;

    double secondsSinceMidnight() const override { return 0; }
    void reseedRandom(double) override { }
    float nextRandom() override { return 0; }
    std::string programFolder() const override { return m_folder; }
    void openTextFile(const std::string &path) override { opened.push_back(path); }
    void openMailLink(const std::string &url) override { opened.push_back(url); }

    std::vector<std::string> opened;

private:
    std::string m_folder;
};

// Handles the thread's messages for ms milliseconds, each through dispatch.
void pump(int ms, const std::function<void(MSG &)> &dispatch);
// Handles messages until done() holds or timeoutMs pass; returns done().
bool pumpUntil(
    const std::function<bool()> &done, int timeoutMs, const std::function<void(MSG &)> &dispatch);

// The text of a window.
std::wstring text(HWND hwnd);

// A modal box that was answered: its title, message, buttons and the button pressed.
struct Box
{
    std::wstring title;
    std::wstring message;
    std::vector<std::wstring> buttons; // as shown, "&" marks removed
    bool hasIcon = false;
    std::wstring pressed;
};

// Answers the thread's message boxes, one after another, by pressing the button with the
// given caption, from a timer that runs inside their own modal loops. Two answers press no
// button: kEscape presses Esc in the box and kCloseRequest asks it to close (the close
// box, Alt+F4).
inline const std::wstring kEscape = L"<Esc>";
inline const std::wstring kCloseRequest = L"<WM_CLOSE>";
class BoxAnswerer
{
public:
    explicit BoxAnswerer(std::vector<std::wstring> answers);
    ~BoxAnswerer();

    const std::vector<Box> &boxes() const { return m_boxes; }
    bool done() const { return m_next == m_answers.size(); }

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    void answerOpenBox();

    std::vector<std::wstring> m_answers;
    std::size_t m_next = 0;
    std::vector<Box> m_boxes;
    UINT_PTR m_timer = 0;
};

} // namespace windowtest
