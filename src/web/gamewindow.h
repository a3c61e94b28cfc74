// SPDX-License-Identifier: MIT
// Form1, the game window, built in the page from its design.
#pragma once

#include "form1.h"
#include "formwidgets.h"
#include "gameplay.h"
#include "widgets.h"

#include <functional>
#include <vector>

namespace quimbelo::web {

// The game window and the widgets the play layer works on. It holds no rule: the page's
// events reach the play layer by the control's design row, and it draws what the play
// layer asks.
class GameWindow : public play::Widgets
{
public:
    explicit GameWindow(Surroundings &surroundings);

    // Builds the window a step at a time, hidden: first its elements, then the pictures
    // it shows, one a step. True once the window is whole.
    bool buildSome();

    // Loading: the first round, then the wordmark that the splash showed. False when the
    // game could not start (its message has been shown and the game has ended).
    bool load(const FormWidgets &splash);
    // Shows the window, with the focus on "Q".
    void show();

    play::GamePlay &play() { return m_play; }
    const design::Control &control(int row) const;

    // Closing the window ends the game.
    void closeRequested();

    // "Acerca de Quimelo 2.0" was chosen.
    std::function<void()> onAbout;

    // play::Widgets
    void setTitle(std::string_view utf8) override { m_widgets.setTitle(utf8); }
    void setCaption(const design::Control &control, std::string_view utf8) override
    {
        m_widgets.setCaption(control, utf8);
    }
    void startTimer(const design::Control &timer, int milliseconds) override
    {
        m_widgets.startTimer(timer, milliseconds);
    }
    void stopTimer(const design::Control &timer) override { m_widgets.stopTimer(timer); }
    void announce(std::string_view utf8) override { m_widgets.announce(utf8); }
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
    MessageAnswer messageBox(
        std::string_view text, MessageStyle style, std::string_view title) override;
    void showAbout() override;
    void endProgram(bool failed) override;

private:
    page::WindowId id() const { return m_widgets.window(); }
    int row(const design::Control &control) const { return m_widgets.row(control); }
    void finish(bool failed);

    FormWidgets m_widgets { page::WindowId::Game, design::form1::kWindow };
    play::GamePlay m_play;
    // The picture object each control shows, by design row; 0 for none. Every picture of
    // the design is an object of its own, however alike two of them look.
    std::vector<PictureId> m_pictures;
    bool m_elementsBuilt = false;
    bool m_built = false;
    bool m_finished = false;
};

} // namespace quimbelo::web
