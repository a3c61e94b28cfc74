// SPDX-License-Identifier: MIT
#include "messagebox.h"

#include "common.h"
#include "formbuilder.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A Yes/No question has no way out but its two buttons: Esc and the close box, which
// the toolkit would take for "No", do nothing, so a slip never ends the game.
class GameMessageBox : public QMessageBox
{
public:
    GameMessageBox(QWidget *parent, bool question)
        : QMessageBox(parent)
        , m_question(question)
    {
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (m_question && event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override
    {
        if (m_question && clickedButton() == nullptr) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool m_question;
};

// A word longer than this many characters is broken over several lines: a box as wide
// as a 1,024-letter word would run off the screen and lose its last lines.
constexpr qsizetype kLongestUnbrokenRun = 40;

} // namespace

namespace messagebox {

QString displayText(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    qsizetype run = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('\r')) {
            shown += QLatin1Char('\n');
            run = 0;
            continue;
        }
        if (c.isSpace()) {
            run = 0;
        } else if (run == kLongestUnbrokenRun) {
            shown += QLatin1Char('\n');
            run = 0;
        }
        shown += c;
        run += c.isSpace() ? 0 : 1;
    }
    return shown;
}

quimbelo::MessageAnswer show(
    QWidget *parent, const QString &text, quimbelo::MessageStyle style, const QString &title)
{
    using quimbelo::MessageAnswer;
    using quimbelo::MessageStyle;

    const bool question = style == MessageStyle::YesNo;
    GameMessageBox box(parent, question);
    box.setObjectName(question ? QStringLiteral("QuestionBox") : QStringLiteral("MessageBox"));
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    box.setWindowModality(Qt::ApplicationModal);

    QPushButton *yes = nullptr;
    if (question) {
        box.setIcon(QMessageBox::NoIcon);
        yes = box.addButton(designText(quimbelo::design::kYesButton), QMessageBox::YesRole);
        box.addButton(designText(quimbelo::design::kNoButton), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    } else {
        box.setIcon(
            style == MessageStyle::Information ? QMessageBox::Information : QMessageBox::Critical);
        QPushButton *ok
            = box.addButton(designText(quimbelo::design::kOkButton), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    box.exec();
    if (!question) {
        return MessageAnswer::Ok;
    }
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace messagebox
