// SPDX-License-Identifier: MIT
#include "messagebox.h"

#include "common.h"
#include "formbuilder.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace quimbelo::qt {

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

QString displayText(const QString &text, const QFontMetrics &metrics, int width)
{
    QString shown;
    shown.reserve(text.size());
    QString run; // the word being copied, broken wherever it outgrows the width
    const auto endRun = [&] {
        shown += run;
        run.clear();
    };
    for (const QChar c : text) {
        if (c == QLatin1Char('\r') || c.isSpace()) {
            endRun();
            shown += c == QLatin1Char('\r') ? QLatin1Char('\n') : c;
            continue;
        }
        if (!run.isEmpty() && metrics.horizontalAdvance(run + c) > width) {
            shown += run + QLatin1Char('\n');
            run.clear();
        }
        run += c;
    }
    endRun();
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
    // A box as wide as a 1,024-letter word would run off the screen and lose its last
    // lines: a word wider than the box may grow is broken over several lines.
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int widest = std::max(200, std::min(screen->availableGeometry().width() / 2, 500));
    box.setText(displayText(text, box.fontMetrics(), widest));
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

} // namespace quimbelo::qt
