// SPDX-License-Identifier: MIT
// The game window's widgets for the play layer, over the page's elements.
#include "gamewindow.h"

namespace quimbelo::web {

namespace form1 = design::form1;

GameWindow::GameWindow(Surroundings &surroundings)
    : m_play(*this, surroundings)
    , m_pictures(form1::kControls.size())
{
    for (std::size_t row = 0; row < form1::kControls.size(); ++row) {
        if (form1::kControls[row].picture != design::Picture::None) {
            m_pictures[row] = static_cast<PictureId>(row + 1);
        }
    }
}

bool GameWindow::buildSome()
{
    if (!m_elementsBuilt) {
        // The window's run-time outer size leaves this client area under its menu bar.
        m_widgets.build(form1::kRunTimeClient.width, form1::kRunTimeClient.height, form1::kMenu);
        m_play.built();
        m_elementsBuilt = true;
        return false;
    }
    if (!m_built) {
        m_built = !page::preparePicture(id());
    }
    return m_built;
}

bool GameWindow::load(const FormWidgets &splash)
{
    while (!buildSome()) { }
    if (!m_play.load()) {
        return false;
    }
    // Image7 takes the very wordmark the splash showed, an object of its own here.
    const design::Control &wordmark = design::get(splash.design(), "Image1");
    const design::Control &image7 = design::get(form1::kWindow, "Image7");
    page::sharePicture(splash.window(), splash.row(wordmark), id(), row(image7));
    m_pictures[static_cast<std::size_t>(row(image7))] = form1::kControls.size() + 1;
    return true;
}

void GameWindow::show()
{
    page::show(id());
    m_play.shown();
}

const design::Control &GameWindow::control(int row) const
{
    return form1::kControls.at(static_cast<std::size_t>(row));
}

void GameWindow::closeRequested()
{
    for (const std::string_view timer : { "Timer1", "Timer2" }) {
        stopTimer(design::get(form1::kWindow, timer));
    }
    finish(false);
}

std::string GameWindow::text(const design::Control &box) const
{
    return page::text(id(), row(box));
}

void GameWindow::setText(const design::Control &box, std::string_view utf8)
{
    page::setText(id(), row(box), utf8);
}

void GameWindow::setEnabled(const design::Control &control, bool enabled)
{
    page::setEnabled(id(), row(control), enabled);
}

void GameWindow::setVisible(const design::Control &control, bool visible)
{
    page::setVisible(id(), row(control), visible);
}

void GameWindow::setTextColour(const design::Control &control, Rgb colour)
{
    page::setTextColour(id(), row(control), colour);
}

void GameWindow::sharePicture(const design::Control &source, const design::Control &target)
{
    m_pictures.at(static_cast<std::size_t>(row(target)))
        = m_pictures.at(static_cast<std::size_t>(row(source)));
    page::sharePicture(id(), row(source), id(), row(target));
}

PictureId GameWindow::picture(const design::Control &control) const
{
    return m_pictures.at(static_cast<std::size_t>(row(control)));
}

void GameWindow::setFontSize(const design::Control &control, double points)
{
    page::setFontSize(id(), row(control), points);
}

double GameWindow::textWidth(
    const design::Control &control, std::string_view utf8, double points) const
{
    return page::textWidth(id(), row(control), utf8, points);
}

double GameWindow::lineRoom(const design::Control &control) const
{
    return page::lineRoom(id(), row(control));
}

void GameWindow::setAccessibleName(const design::Control &control, std::string_view utf8)
{
    page::setAccessibleName(id(), row(control), utf8);
}

void GameWindow::setAccessibleDescription(const design::Control &control, std::string_view utf8)
{
    page::setAccessibleDescription(id(), row(control), utf8);
}

bool GameWindow::hasFocus(const design::Control &control) const
{
    return page::hasFocus(id(), row(control));
}

void GameWindow::setFocus(const design::Control &control)
{
    page::setFocus(id(), row(control));
}

MessageAnswer GameWindow::messageBox(
    std::string_view text, MessageStyle style, std::string_view title)
{
    return page::messageBox(text, style, title);
}

void GameWindow::showAbout()
{
    if (onAbout) {
        onAbout();
    }
}

void GameWindow::endProgram(bool failed)
{
    finish(failed);
}

void GameWindow::finish(bool failed)
{
    if (m_finished) {
        return;
    }
    m_finished = true;
    page::ended(failed);
}

} // namespace quimbelo::web
