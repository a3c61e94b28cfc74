// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>

// Answers the game's message boxes as a player would: it waits for each modal box to
// come up, notes what it shows, and presses the button with the given caption.
class ModalAnswerer : public QObject
{
public:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QStringList buttons;
        QString defaultButton;
        QString screenText; // what the watched label showed meanwhile
    };

    explicit ModalAnswerer(std::function<QString()> watch = {})
        : m_watch(std::move(watch))
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start();
    }

    void answer(std::initializer_list<QString> captions)
    {
        m_answers.insert(m_answers.end(), captions);
    }

    QList<Seen> seen;
    bool pending() const { return !m_answers.empty(); }

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible() || box == m_last || m_answers.empty()) {
            return;
        }
        m_last = box;
        Seen s { box->windowTitle(), box->text(), box->icon(), {}, {},
            m_watch ? m_watch() : QString() };
        for (QAbstractButton *button : box->buttons()) {
            s.buttons << button->text();
        }
        if (box->defaultButton()) {
            s.defaultButton = box->defaultButton()->text();
        }
        seen << s;
        const QString caption = m_answers.front();
        m_answers.pop_front();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == caption) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        qWarning("no button %s on the box", qPrintable(caption));
    }

    QTimer m_timer;
    std::deque<QString> m_answers;
    QPointer<QMessageBox> m_last;
    std::function<QString()> m_watch;
};
