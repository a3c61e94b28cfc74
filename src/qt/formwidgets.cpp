// SPDX-License-Identifier: MIT
// The splash's and About's controls under the play layer.
#include "formwidgets.h"

#include "announcer.h"
#include "labelfit.h"
#include "twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTimer>

namespace quimbelo::qt {

FormWidgets::FormWidgets(QWidget *window, const design::Window &design, QWidget *client)
    : m_window(window)
    , m_controls(FormBuilder::build(design, client))
    , m_announcer(new Announcer(window))
{
    m_window->setObjectName(designText(design.name));
    m_window->setWindowTitle(designText(design.caption));
}

void FormWidgets::setTitle(std::string_view utf8)
{
    m_window->setWindowTitle(designText(utf8));
}

void FormWidgets::setCaption(const design::Control &control, std::string_view utf8)
{
    QWidget *widget = m_controls.get(control.name, control.index);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        label->setText(designText(utf8));
        widenToText(label, twips::toPixels(control.place.width));
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        button->setText(designText(utf8));
    }
}

void FormWidgets::startTimer(const design::Control &timer, int milliseconds)
{
    m_controls.get<QTimer>(timer.name, timer.index)->start(milliseconds);
}

void FormWidgets::stopTimer(const design::Control &timer)
{
    m_controls.get<QTimer>(timer.name, timer.index)->stop();
}

void FormWidgets::announce(std::string_view utf8)
{
    m_announcer->announce(designText(utf8));
}

} // namespace quimbelo::qt
