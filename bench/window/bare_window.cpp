// SPDX-License-Identifier: MIT
// The floor for the program's windows: a bare Qt Widgets window of the game window's
// size, the same kind of window as the splash, with nothing in it.
//
//   bench_bare_window [--size WxH] [--handover] [--text]
//
// With --text, the window holds one line of text in the program's font (Arial, which
// fontconfig serves as Liberation Sans), so that the text engine is loaded as in any
// window that shows words.
//
// With --handover, the first key that types a character hides it and opens a second bare
// window of the same size, as the splash hands over to the game window.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

class BareWindow : public QWidget
{
public:
    BareWindow(QSize size, bool handOver, bool text, Qt::WindowFlags flags)
        : QWidget(nullptr, flags)
        , m_handOver(handOver)
        , m_text(text)
        , m_size(size)
    {
        if (text) {
            auto *label = new QLabel(QStringLiteral("El Quimbelo"), this);
            QFont font(QStringLiteral("Arial"));
            font.setPointSizeF(14.25);
            label->setFont(font);
            label->move(10, 10);
        }
        setFixedSize(size);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
        setPalette(palette);
        setAutoFillBackground(true);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (m_handOver && !event->text().isEmpty() && !m_next) {
            hide();
            m_next = std::make_unique<BareWindow>(m_size, false, m_text, Qt::Window);
            m_next->show();
            m_next->activateWindow();
            return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    bool m_handOver;
    bool m_text;
    QSize m_size;
    std::unique_ptr<BareWindow> m_next;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QSize size(383, 433);
    bool handOver = false;
    bool text = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
            int w = 0, h = 0;
            if (std::sscanf(argv[++i], "%dx%d", &w, &h) == 2) {
                size = QSize(w, h);
            }
        } else if (std::strcmp(argv[i], "--handover") == 0) {
            handOver = true;
        } else if (std::strcmp(argv[i], "--text") == 0) {
            text = true;
        }
    }
    QApplication::setQuitOnLastWindowClosed(false);
    BareWindow window(size, handOver, text, Qt::Tool | Qt::FramelessWindowHint);
    window.show();
    window.raise();
    window.activateWindow();
    window.setFocus(Qt::OtherFocusReason);
    return QApplication::exec();
}
