// SPDX-License-Identifier: MIT
#pragma once

// The controls of a window built from its design, as the play layer works on them: what
// the splash and About need.

#include "formbuilder.h"
#include "widgets.h"

#include <QWidget>

namespace quimbelo::qt {

class Announcer;

class FormWidgets : public play::WindowWidgets
{
public:
    FormWidgets(QWidget *window, const design::Window &design, QWidget *client);

    const FormBuilder &controls() const { return m_controls; }

    void setTitle(std::string_view utf8) override;
    // A label widens to show all of a caption longer than its designed box.
    void setCaption(const design::Control &control, std::string_view utf8) override;
    void startTimer(const design::Control &timer, int milliseconds) override;
    void stopTimer(const design::Control &timer) override;
    void announce(std::string_view utf8) override;

private:
    QWidget *m_window;
    FormBuilder m_controls;
    Announcer *m_announcer;
};

} // namespace quimbelo::qt
