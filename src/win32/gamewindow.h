// SPDX-License-Identifier: MIT
// Form1, the game window, built from its design with the Windows API.
#pragma once

#include "form1.h"
#include "formbuilder.h"
#include "formwidgets.h"
#include "gameplay.h"
#include "pictures.h"
#include "widgets.h"
#include "window.h"

#include <windows.h>

#include <functional>

namespace quimbelo::win32 {

// The game window and the widgets the play layer works on. The window holds no rule:
// every event goes to the play layer by the control's design row, and it draws what the
// play layer asks.
class GameWindow : public Window, public play::Widgets
{
public:
    // Built whole, or, with InSteps, as a hidden window whose controls buildSome makes a
    // few at a time, while the program goes on answering its player.
    enum class Building { Whole, InSteps };
    explicit GameWindow(Surroundings &surroundings, Building building = Building::Whole);
    ~GameWindow() override;

    // Builds a few more controls; true once the window is whole.
    bool buildSome();
    bool built() const { return m_built; }

    // Prepares the window before it is first shown: its size, the counters, the first
    // round and the wordmark the splash showed (a fresh copy when none is given). Returns
    // false when the game could not start (its message has been shown).
    bool load(pictures::Picture::Ptr splashWordmark = nullptr);

    // Shows the window centred on its screen, active, with the focus on "Q".
    void showCentred();

    play::GamePlay &play() { return m_play; }
    Game &game() { return m_play.game(); }
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

    // play::Widgets
    void setTitle(std::string_view utf8) override { m_widgets.setTitle(utf8); }
    void setCaption(const design::Control &control, std::string_view utf8) override
    {
        m_widgets.setCaption(control, utf8);
    }
    std::string text(const design::Control &box) const override;
    void setText(const design::Control &box, std::string_view utf8) override;
    void setEnabled(const design::Control &control, bool enabled) override;
    void setVisible(const design::Control &control, bool visible) override;
    void setTextColour(const design::Control &control, Rgb colour) override;
    void sharePicture(const design::Control &source, const design::Control &target) override;
    PictureId picture(const design::Control &control) const override;
    void setFontSize(const design::Control &control, double points) override;
    double textWidth(
        const design::Control &control, std::string_view utf8, double points) const override;
    double lineRoom(const design::Control &control) const override;
    void setAccessibleName(const design::Control &control, std::string_view utf8) override;
    void setAccessibleDescription(const design::Control &control, std::string_view utf8) override;
    bool hasFocus(const design::Control &control) const override;
    void setFocus(const design::Control &control) override;
    void startTimer(const design::Control &timer, int milliseconds) override
    {
        m_widgets.startTimer(timer, milliseconds);
    }
    void stopTimer(const design::Control &timer) override;
    void announce(std::string_view utf8) override { m_widgets.announce(utf8); }
    MessageAnswer messageBox(
        std::string_view text, MessageStyle style, std::string_view title) override;
    void showAbout() override;
    void endProgram(bool failed) override;

private:
    static LRESULT CALLBACK letraProc(
        HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void finishControls();
    void buildMenu();
    void resizeForDpi(UINT dpi, const RECT *suggested);
    void command(int id, int code);
    void finish(int status);
    void rememberFocus();
    FormControl &of(const design::Control &control) const
    {
        return m_controls.get(control.name, control.index);
    }

    play::GamePlay m_play;
    HACCEL m_accelerators = nullptr;
    HWND m_focusOnReturn = nullptr; // the control that takes the focus when the window does
    HWND m_spacePressedOn = nullptr; // where the Space being held went down
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    mutable FormBuilder m_controls;
    FormWidgets m_widgets { design::form1::kWindow, m_controls };
    bool m_finished = false;
    bool m_controlsBuilt = false;
    bool m_built = false; // its controls, and the pictures they show decoded
};

} // namespace quimbelo::win32
