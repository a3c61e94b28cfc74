// SPDX-License-Identifier: MIT
#pragma once

#include "formbuilder.h"
#include "gameplay.h"
#include "picture.h"
#include "widgets.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

namespace quimbelo::qt {

class Announcer;
class HeldKeyFilter;
class ImageBox;

// Form1, the game window, built from its design, and the widgets the play layer works
// on. The window holds no rule: every event goes to the play layer by the control's
// design row, and it draws what the play layer asks.
class GameWindow : public QMainWindow, public quimbelo::play::Widgets
{
    Q_OBJECT

public:
    explicit GameWindow(quimbelo::Surroundings &surroundings, QWidget *parent = nullptr);
    ~GameWindow() override;

    // The same window built a short step at a time, for the idle time behind the splash:
    // it comes with no controls, and buildStep() adds them. Nothing else may be asked of
    // it until buildStep() has returned false.
    static std::unique_ptr<GameWindow> inSteps(quimbelo::Surroundings &surroundings);
    // Does the next step of building the window; false once it is complete.
    bool buildStep();

    // Prepares the window before it is first shown: its size, the counters, the first
    // round and the wordmark the splash showed (a fresh copy when none is given).
    // Returns false when the game could not start (its message has been shown).
    bool load(Picture::Ptr splashWordmark = nullptr);

    // Shows the window centred on its screen with the focus on "Q".
    void showCentred();

    // What the window's first showing would otherwise do, in short steps to run ahead of
    // load() and showCentred(): each draws part of the window offscreen, which polishes
    // its controls, loads their fonts and draws their pictures, the wordmark load() is to
    // be given and the gallows' first stage included. Nothing is shown, the game does
    // not start and no word list is read.
    std::vector<std::function<void()>> preparationSteps(Picture::Ptr wordmark = nullptr);

    quimbelo::play::GamePlay &play() { return m_play; }
    quimbelo::Game &game() { return m_play.game(); }

    // play::Widgets
    void setTitle(std::string_view utf8) override;
    void setCaption(const quimbelo::design::Control &control, std::string_view utf8) override;
    std::string text(const quimbelo::design::Control &box) const override;
    void setText(const quimbelo::design::Control &box, std::string_view utf8) override;
    void setEnabled(const quimbelo::design::Control &control, bool enabled) override;
    void setVisible(const quimbelo::design::Control &control, bool visible) override;
    void setTextColour(const quimbelo::design::Control &control, quimbelo::Rgb colour) override;
    void sharePicture(
        const quimbelo::design::Control &source, const quimbelo::design::Control &target) override;
    quimbelo::PictureId picture(const quimbelo::design::Control &control) const override;
    void setFontSize(const quimbelo::design::Control &control, double points) override;
    double textWidth(const quimbelo::design::Control &control, std::string_view utf8,
        double points) const override;
    double lineRoom(const quimbelo::design::Control &control) const override;
    void setAccessibleName(
        const quimbelo::design::Control &control, std::string_view utf8) override;
    void setAccessibleDescription(
        const quimbelo::design::Control &control, std::string_view utf8) override;
    bool hasFocus(const quimbelo::design::Control &control) const override;
    void setFocus(const quimbelo::design::Control &control) override;
    void startTimer(const quimbelo::design::Control &timer, int milliseconds) override;
    void stopTimer(const quimbelo::design::Control &timer) override;
    void announce(std::string_view utf8) override;
    quimbelo::MessageAnswer messageBox(
        std::string_view text, quimbelo::MessageStyle style, std::string_view title) override;
    void showAbout() override;
    void endProgram(bool failed) override;

Q_SIGNALS:
    // The game has ended the program: every window is to close at once.
    void programEnded();
    // "Acerca de Quimelo 2.0" was chosen.
    void aboutRequested();

private:
    struct InSteps
    {
    };
    GameWindow(quimbelo::Surroundings &surroundings, QWidget *parent, InSteps);

    void bindEvents();
    void bindMenus();
    template <typename T = QWidget> T *widget(const quimbelo::design::Control &control) const
    {
        return m_controls.get<T>(control.name, control.index);
    }

    quimbelo::play::GamePlay m_play;
    FormBuilder m_controls;
    enum class Built { Frame, Controls, Menus, All } m_built = Built::Frame;

    ImageBox *Image1 = nullptr;
    ImageBox *Image7 = nullptr;
    HeldKeyFilter *m_heldKeys = nullptr;
    Announcer *m_announcer = nullptr;
};

} // namespace quimbelo::qt
