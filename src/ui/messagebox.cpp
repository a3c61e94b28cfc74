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

} // namespace

namespace messagebox {

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
    box.setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
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
