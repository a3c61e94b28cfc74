// SPDX-License-Identifier: MIT
#pragma once

#include "formbuilder.h"
#include "formport.h"
#include "game.h"
#include "letterkeys.h"
#include "picture.h"
#include "themes.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class HeldKeyFilter;
class ImageBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// Form1, the game window, built from its design, and the game's port onto it. The window
// holds no rule: every event goes to the game's handler of the same name.
class MainWindow : public QMainWindow, public quimbelo::FormPort
{
    Q_OBJECT

public:
    explicit MainWindow(quimbelo::Surroundings &surroundings, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The same window built a short step at a time, for the idle time behind the splash:
    // it comes with no controls, and buildStep() adds them. Nothing else may be asked of
    // it until buildStep() has returned false.
    static std::unique_ptr<MainWindow> inSteps(quimbelo::Surroundings &surroundings);
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

    quimbelo::Game &game() { return m_game; }

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

Q_SIGNALS:
    // The game has ended the program: every window is to close at once.
    void programEnded();
    // "Acerca de Quimelo 2.0" was chosen.
    void aboutRequested();

private:
    struct InSteps
    {
    };
    MainWindow(quimbelo::Surroundings &surroundings, QWidget *parent, InSteps);

    void bindEvents();
    void bindMenus();
    QLabel *labelOf(quimbelo::Caption label) const;
    QLabel *labelOf(quimbelo::ColourLabel label) const;
    ImageBox *imageOf(quimbelo::ImageControl control) const;

    quimbelo::Game m_game;
    FormBuilder m_controls;
    enum class Built { Frame, Controls, Menus, All } m_built = Built::Frame;

    QLabel *Pelicula1 = nullptr;
    QLabel *Label4 = nullptr, *Label5 = nullptr;
    ImageBox *Image1 = nullptr;
    ImageBox *Image7 = nullptr;
    std::array<ImageBox *, quimbelo::kLastStage + 1> Image3 {};
    std::array<QPushButton *, quimbelo::kLetraCount> Letra {};
    std::array<QRadioButton *, quimbelo::kThemeCount> Option {};
    QLineEdit *Text1 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    HeldKeyFilter *m_heldKeys = nullptr;
};
