// SPDX-License-Identifier: MIT
#pragma once

#include "formbuilder.h"
#include "formport.h"
#include "game.h"
#include "letterkeys.h"
#include "pictures.h"
#include "round.h"
#include "themes.h"

#include <windows.h>

#include <array>
#include <functional>

// Form1, the game window, built from its design with the Windows API, and the game's port
// onto it. The window holds no rule: every event goes to the game's handler of the same
// name.
class GameWindow : public quimbelo::FormPort
{
public:
    // Built whole, or, with InSteps, as a hidden window whose controls buildSome makes a
    // few at a time, while the program goes on answering its player.
    enum class Building { Whole, InSteps };
    explicit GameWindow(quimbelo::Surroundings &surroundings, Building building = Building::Whole);
    ~GameWindow() override;
    GameWindow(const GameWindow &) = delete;
    GameWindow &operator=(const GameWindow &) = delete;

    // Builds a few more controls; true once the window is whole.
    bool buildSome();
    bool built() const { return m_built; }

    // Prepares the window before it is first shown: its size, the counters, the first
    // round and the wordmark the splash showed (a fresh copy when none is given). Returns
    // false when the game could not start (its message has been shown).
    bool load(pictures::Picture::Ptr splashWordmark = nullptr);

    // Shows the window centred on its screen, active, with the focus on "Q".
    void showCentred();

    HWND hwnd() const { return m_hwnd; }
    quimbelo::Game &game() { return m_game; }
    FormBuilder &controls() { return m_controls; }

    // The window's keys: its shortcuts, and Tab and the arrows among its controls. True
    // when msg was taken.
    bool translate(MSG &msg);

    // "Acerca de Quimelo 2.0" was chosen.
    std::function<void()> onAbout;
    // The program is to end, with this exit status.
    std::function<void(int status)> onEnded;

    // The menu command of a menu item of the design.
    static int menuCommand(std::string_view name);

    // FormPort
    std::string caption(quimbelo::Caption label) const override;
    void setCaption(quimbelo::Caption label, const std::string &text) override;
    std::string letraCaption(int index) const override;
    bool letraEnabled(int index) const override;
    void setLetraEnabled(int index, bool enabled) override;
    bool focusFirstLetra() override;
    std::string solveText() const override;
    void setSolveText(const std::string &text) override;
    int selectedOption() const override;
    void showStage(int stage) override;
    quimbelo::PictureId picture(quimbelo::ImageControl control) const override;
    void sharePicture(quimbelo::ImageControl source, quimbelo::ImageControl target) override;
    quimbelo::Rgb textColour(quimbelo::ColourLabel label) const override;
    void setTextColour(quimbelo::ColourLabel label, quimbelo::Rgb colour) override;
    quimbelo::MessageAnswer messageBox(
        const std::string &text, quimbelo::MessageStyle style, const std::string &title) override;
    void endProgram() override;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK letraProc(
        HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void create();
    void finishControls();
    void buildMenu();
    void resizeForDpi(UINT dpi, const RECT *suggested);
    void command(int id, int code);
    void fitPelicula1();
    void finish(int status);
    void rememberFocus();
    FormBuilder::Control &labelOf(quimbelo::Caption label) const;
    FormBuilder::Control &labelOf(quimbelo::ColourLabel label) const;
    FormBuilder::Control &imageOf(quimbelo::ImageControl control) const;

    quimbelo::Game m_game;
    HWND m_hwnd = nullptr;
    HACCEL m_accelerators = nullptr;
    HWND m_focusOnReturn = nullptr; // the control that takes the focus when the window does
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    mutable FormBuilder m_controls;
    std::array<FormBuilder::Control *, quimbelo::kLetraCount> Letra {};
    std::array<FormBuilder::Control *, quimbelo::kThemeCount> Option {};
    std::array<FormBuilder::Control *, quimbelo::kLastStage + 1> Image3 {};
    FormBuilder::Control *Image1 = nullptr;
    FormBuilder::Control *Text1 = nullptr;
    int m_selectedOption = 0;
    bool m_finished = false;
    bool m_controlsBuilt = false;
    bool m_built = false; // its controls, and the pictures they show decoded
};
