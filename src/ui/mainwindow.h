#pragma once

#include "desktop.h"
#include "formport.h"
#include "game.h"
#include "picture.h"
#include "randomsource.h"

#include <QMainWindow>

#include <array>
#include <memory>

class ImageBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;
class QTimer;

// Form1, the game window: its controls as designed, each named after its design name,
// and the game's port onto them. The window holds no rule: every event goes to the
// game's handler of the same name.
class MainWindow : public QMainWindow, public quimbelo::FormPort
{
    Q_OBJECT

public:
    // programFolder: where the word lists lie. desktop: what opens the help file and the
    // mail links (the system's own when null).
    explicit MainWindow(
        const QString &programFolder, Desktop *desktop = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Prepares the window before it is first shown: its size, the counters, the first
    // round and the wordmark the splash showed (a fresh copy when none is given).
    // Returns false when the game could not start (its message has been shown).
    bool load(Picture::Ptr splashWordmark = nullptr);

    // Shows the window centred on its screen with the focus on "Q".
    void showCentred();

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
    double secondsSinceMidnight() const override;
    void reseedRandom(double seed) override;
    float nextRandom() override;
    std::string programFolder() const override;
    void openTextFile(const std::string &path) override;
    void openMailLink(const std::string &url) override;

signals:
    // The game has ended the program: every window is to close at once.
    void programEnded();
    // "Acerca de Quimelo 2.0" was chosen.
    void aboutRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls(QWidget *client);
    void buildThemeFrame(QWidget *client);
    void buildLetterKeys(QWidget *client);
    void buildPictureStores(QWidget *client);
    void buildMenus();
    void buildTimers();
    void setTabOrder();
    void describeForScreenReaders();
    QLabel *labelOf(quimbelo::Caption label) const;
    QLabel *labelOf(quimbelo::ColourLabel label) const;
    ImageBox *imageOf(quimbelo::ImageControl control) const;

    QString m_programFolder;
    std::unique_ptr<Desktop> m_ownDesktop;
    Desktop *m_desktop;
    quimbelo::RandomSource m_random;
    quimbelo::Game m_game { *this };

    QLabel *Pelicula1 = nullptr;
    ImageBox *Image1 = nullptr;
    ImageBox *Image2 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr;
    QLabel *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr,
           *Label10 = nullptr;
    QLabel *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr,
           *Label15 = nullptr;
    QGroupBox *Frame1 = nullptr;
    std::array<QRadioButton *, 4> Option {};
    ImageBox *Image4 = nullptr;
    ImageBox *Image5 = nullptr;
    ImageBox *Image6 = nullptr;
    ImageBox *Image7 = nullptr;
    std::array<ImageBox *, 11> Image3 {};
    std::array<QPushButton *, 37> Letra {};
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
};
