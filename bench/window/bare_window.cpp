// The floor for the program's windows: a bare Qt Widgets window of the game window's
// size, the same kind of window as the splash, with nothing in it.
//
//   bench_bare_window [--size WxH] [--handover]
//
// With --handover, the first key that types a character hides it and opens a second bare
// window of the same size, as the splash hands over to the game window.

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <cstring>
#include <memory>

namespace {

class BareWindow : public QWidget
{
public:
    BareWindow(QSize size, bool handOver, Qt::WindowFlags flags)
        : QWidget(nullptr, flags)
        , m_handOver(handOver)
        , m_size(size)
    {
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
            m_next = std::make_unique<BareWindow>(m_size, false, Qt::Window);
            m_next->show();
            m_next->activateWindow();
            return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    bool m_handOver;
    QSize m_size;
    std::unique_ptr<BareWindow> m_next;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QSize size(383, 433);
    bool handOver = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
            int w = 0, h = 0;
            if (std::sscanf(argv[++i], "%dx%d", &w, &h) == 2) {
                size = QSize(w, h);
            }
        } else if (std::strcmp(argv[i], "--handover") == 0) {
            handOver = true;
        }
    }
    QApplication::setQuitOnLastWindowClosed(false);
    BareWindow window(size, handOver, Qt::Tool | Qt::FramelessWindowHint);
    window.show();
    window.raise();
    window.activateWindow();
    window.setFocus(Qt::OtherFocusReason);
    return QApplication::exec();
}
