// SPDX-License-Identifier: MIT
#include "accessibility.h"
#include "announcer.h"
#include "appearance.h"
#include "form1.h"
#include "gamewindow.h"
#include "modalanswerer.h"
#include "pictures.h"
#include "recordingdesktop.h"
#include "trywait.h"
#include "twips.h"
#include "wordlist.h"

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quimbelo::qt;

namespace {

} // namespace

// The game window as a player meets it: real widgets, real key and mouse events.
class GameWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingDesktop m_desktop;
    DesktopSurroundings m_surroundings { QFile::encodeName(m_dir.path()).toStdString(),
        &m_desktop };
    std::unique_ptr<GameWindow> m_window;

    void writeList(const QString &base, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(base + ".TXT"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    template <typename T = QWidget> T *find(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (widget == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return widget;
    }
    QString text(const QString &label) const { return find<QLabel>(label)->text(); }
    QPushButton *key(int index) const
    {
        return find<QPushButton>(QStringLiteral("Letra_%1").arg(index));
    }

    void open()
    {
        m_window = std::make_unique<GameWindow>(m_surroundings);
        QVERIFY(m_window->load());
        m_window->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Types a character to whichever control has the focus.
    static void type(const QString &character)
    {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        QTest::keyClicks(focus, character);
    }

private slots:
    void initTestCase()
    {
        applyClassicAppearance(*qApp);
        setUpAccessibility();
    }

    void init()
    {
        writeList("informatica", "oso\r\n");
        writeList("peliculas", "Apolo 13\r\n");
        writeList("propios", "ni\xF1o\r\n");
        writeList("diccionario", "casa\r\n");
    }

    void cleanup() { m_window.reset(); }

    void theWindowOpensReadyToPlay()
    {
        open();
        QCOMPARE(m_window->objectName(), QStringLiteral("Form1"));
        QCOMPARE(
            m_window->windowTitle(), QStringLiteral("Quimbelo  2.0 Brundel .. Especial Tornelas"));
        QCOMPARE(text("Pelicula1"), QStringLiteral("---"));
        QCOMPARE(text("Label7"), QStringLiteral("3"));
        QCOMPARE(text("Label11"), QStringLiteral("1"));
        QCOMPARE(text("Label6"), QStringLiteral("0"));
        QCOMPARE(text("Label4"), QStringLiteral("0"));
        QCOMPARE(text("Label5"), QStringLiteral("0"));
        QVERIFY(find<QRadioButton>("Option3")->isChecked());
        QCOMPARE(QApplication::focusWidget(), key(0));

        // The picture stores are never seen.
        for (int k = 0; k <= 10; ++k) {
            QVERIFY(!find(QStringLiteral("Image3_%1").arg(k))->isVisible());
        }
        QVERIFY(!find("Image5")->isVisible());
        QVERIFY(!find("Image6")->isVisible());

        // A fixed window of the designed client area, with no maximise button.
        QCOMPARE(m_window->centralWidget()->size(), QSize(375, 389));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);

        // The keyboard as designed: Q top left, Ñ ending the middle row, a wide 0.
        QCOMPARE(key(0)->geometry(), QRect(16, 176, 25, 25));
        QCOMPARE(key(19)->text(), QStringLiteral("Ñ"));
        QCOMPARE(key(19)->geometry().topLeft(), QPoint(240, 200));
        QCOMPARE(key(36)->geometry(), QRect(280, 248, 49, 25));

        const QStringList menus { "&Juego", "&Ayuda" };
        QStringList shown;
        for (QAction *menu : m_window->menuBar()->actions()) {
            shown << menu->text();
        }
        QCOMPARE(shown, menus);
    }

    void designFontsResolveToTheirFreeTwins()
    {
        open();
        QCOMPARE(QFontInfo(find("Pelicula1")->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(find("Label7")->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(find("Label4")->font()).family(), QStringLiteral("Comic Neue"));
        QVERIFY(QFontInfo(find("Label4")->font()).bold());
        QVERIFY(QFontInfo(find("Pelicula1")->font()).italic());
    }

    void tabWalksLettersThenTheSolveBoxThenDigits()
    {
        open();
        QStringList order;
        for (int i = 0; i < 40; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order.mid(0, 3), QStringList({ "Letra_0", "Letra_1", "Letra_2" }));
        QCOMPARE(order.mid(26, 4), QStringList({ "Letra_26", "Text1", "Command1", "Letra_27" }));
        QCOMPARE(order.mid(38, 2), QStringList({ "Letra_36", "Option3" }));
    }

    void aRoundIsWonWithKeysAndMouse()
    {
        open();
        ModalAnswerer boxes([this] { return text("Pelicula1"); });
        boxes.answer({ "Aceptar", "Sí" });

        type("x"); // a miss, typed
        QCOMPARE(text("Label5"), QStringLiteral("1"));
        type("O"); // a hit, typed in capitals
        QCOMPARE(text("Pelicula1"), QStringLiteral("O-O"));
        QTest::mouseClick(key(11), Qt::LeftButton); // "S"
        TRY_VERIFY(!boxes.pending());

        QCOMPARE(boxes.seen.size(), 2);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Quimbelo"));
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Information);
        QCOMPARE(boxes.seen[0].text,
            QStringLiteral(
                "Correcto\nLa solución era: \n OSO \nNumero de intentos: 3\nNumero de fallos: 1"));
        QCOMPARE(boxes.seen[0].buttons, QStringList { "Aceptar" });
        QCOMPARE(boxes.seen[0].screenText, QStringLiteral("OSO"));
        QCOMPARE(boxes.seen[1].text, QStringLiteral("¿Quieres jugar otra vez?"));
        QCOMPARE(boxes.seen[1].icon, QMessageBox::NoIcon);
        QCOMPARE(boxes.seen[1].buttons, QStringList({ "Sí", "No" }));
        QCOMPARE(boxes.seen[1].defaultButton, QStringLiteral("Sí"));

        QCOMPARE(text("Label6"), QStringLiteral("1"));
        QCOMPARE(text("Label11"), QStringLiteral("2"));
        QCOMPARE(text("Label4"), QStringLiteral("0"));
        QCOMPARE(text("Pelicula1"), QStringLiteral("---"));
        for (int i = 0; i < 37; ++i) {
            QVERIFY(key(i)->isEnabled());
        }
    }

    void aRoundIsLostAndNoEndsTheProgram()
    {
        open();
        QSignalSpy ended(m_window.get(), &GameWindow::programEnded);
        ModalAnswerer boxes([this] { return text("Pelicula1"); });
        boxes.answer({ "Aceptar", "No" });
        for (const char *miss : { "q", "w", "e", "r", "t", "y", "u", "i", "p", "a" }) {
            type(miss);
        }
        QCOMPARE(text("Label5"), QStringLiteral("10"));
        QVERIFY(boxes.seen.isEmpty());
        type("d");
        TRY_VERIFY(!boxes.pending());
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Critical);
        QVERIFY(boxes.seen[0].text.startsWith("Has perdido\n"));
        QVERIFY(boxes.seen[0].text.endsWith("Numero de intentos: 11\nNumero de fallos: 10"));
        QCOMPARE(boxes.seen[0].screenText, QStringLiteral("OSO"));
        QCOMPARE(ended.count(), 1);
        QVERIFY(!m_window->isVisible());
    }

    void escapeDoesNotAnswerTheQuestion()
    {
        writeList("informatica", "o\r\n");
        open();
        // Esc closes the report; on the question it does nothing, and Enter says Yes.
        int step = 0;
        bool questionSurvivedEscape = false;
        QTimer player;
        connect(&player, &QTimer::timeout, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (box == nullptr || !box->isVisible()) {
                return;
            }
            if (step == 0 && box->objectName() == "MessageBox") {
                QTest::keyClick(box, Qt::Key_Escape);
                step = 1;
            } else if (step == 1 && box->objectName() == "QuestionBox") {
                QTest::keyClick(box, Qt::Key_Escape);
                step = 2;
            } else if (step >= 2 && step < 5) {
                ++step; // a few ticks for the Escape to take effect, if it did
            } else if (step == 5) {
                questionSurvivedEscape = box->objectName() == "QuestionBox";
                QTest::keyClick(box, Qt::Key_Return);
                step = 6;
            }
        });
        player.start(10);
        type("o");
        QCOMPARE(step, 6);
        QVERIFY(questionSurvivedEscape);
        QCOMPARE(text("Label6"), QStringLiteral("1"));
        QCOMPARE(text("Label11"), QStringLiteral("2"));
    }

    void aTypedSolutionIsCheckedAndTypingThereGuessesNothing()
    {
        open();
        ModalAnswerer boxes([this] { return find<QLineEdit>("Text1")->text(); });
        boxes.answer({ "Aceptar" });
        QTest::mouseClick(find("Text1"), Qt::LeftButton);
        find("Text1")->setFocus();
        type("osa");
        QCOMPARE(text("Label4"), QStringLiteral("0"));
        QTest::mouseClick(find("Command1"), Qt::LeftButton);
        TRY_VERIFY(!boxes.pending());
        QCOMPARE(boxes.seen[0].text, QStringLiteral("No es correcto"));
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen[0].screenText, QStringLiteral("OSA"));
        QCOMPARE(find<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(text("Label4"), QStringLiteral("1"));
        QCOMPARE(text("Label5"), QStringLiteral("1"));

        // Enter in the box does not submit.
        QTest::keyClicks(find("Text1"), "oso");
        QTest::keyClick(find("Text1"), Qt::Key_Return);
        QCOMPARE(text("Label4"), QStringLiteral("1"));
    }

    void shortcutsWorkWhereverTheFocusIs()
    {
        open();
        QSignalSpy ended(m_window.get(), &GameWindow::programEnded);
        type("z");
        find("Text1")->setFocus();
        QTest::keyClick(find("Text1"), Qt::Key_F2);
        QCOMPARE(text("Label11"), QStringLiteral("2"));
        QCOMPARE(text("Label4"), QStringLiteral("0"));
        QVERIFY(key(20)->isEnabled());
        QTest::keyClick(find("Text1"), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ended.count(), 1);
    }

    void f3AndF4AskForTheRoundAndTheCountersWhereverTheFocusIs()
    {
        open();
        const auto *announcer = m_window->findChild<Announcer *>();
        QVERIFY(announcer != nullptr);
        type("z");
        find("Text1")->setFocus();
        const qsizetype before = announcer->told().size();
        QTest::keyClick(find("Text1"), Qt::Key_F3);
        QCOMPARE(announcer->told().size(), before + 1);
        QVERIFY2(announcer->told().last().contains(QStringLiteral("Probadas: Z")),
            qPrintable(announcer->told().last()));
        QTest::keyClick(find("Text1"), Qt::Key_F4);
        QCOMPARE(announcer->told().size(), before + 2);
        QVERIFY2(announcer->told().last().contains(QStringLiteral("Juegos 1")),
            qPrintable(announcer->told().last()));
        // Asking changes nothing: the focus stays and nothing was guessed.
        QVERIFY(find("Text1")->hasFocus());
        QCOMPARE(text("Label4"), QStringLiteral("1"));
    }

    void aThemeChangeInMidRoundDrawsFromTheNewList()
    {
        open();
        type("z");
        QTest::mouseClick(find("Option2"), Qt::LeftButton);
        QVERIFY(find<QRadioButton>("Option2")->isChecked());
        QCOMPARE(text("Pelicula1"), QStringLiteral("----- --"));
        QCOMPARE(text("Label7"), QStringLiteral("8"));
        QCOMPARE(text("Label11"), QStringLiteral("1"));
        QCOMPARE(text("Label4"), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), key(0));
        type("1");
        QCOMPARE(text("Pelicula1"), QStringLiteral("----- 1-"));
    }

    void theFocusStaysOnTheLettersAsKeysAreUsed()
    {
        open();
        key(26)->setFocus();
        type("m");
        QVERIFY(QApplication::focusWidget() != nullptr);
        QVERIFY(QApplication::focusWidget()->objectName().startsWith("Letra_"));
        type("o");
        QCOMPARE(text("Pelicula1"), QStringLiteral("O-O"));
    }

    // Enter on a letter key guesses nothing, however the key got the focus; Space presses
    // it, as it presses any button.
    void enterOnALetterKeyGuessesNothingAndSpacePressesIt()
    {
        open();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // from "Q" to "W"
        QCOMPARE(QApplication::focusWidget(), key(1));
        for (QPushButton *focused : { key(1), key(0) }) {
            focused->setFocus();
            QTest::keyClick(focused, Qt::Key_Return);
            QTest::keyClick(focused, Qt::Key_Enter);
            QCOMPARE(text("Label4"), QStringLiteral("0"));
            QVERIFY(focused->isEnabled());
        }
        QTest::keyClick(key(8), Qt::Key_Space); // "O"
        QCOMPARE(text("Label4"), QStringLiteral("1"));
        QCOMPARE(text("Pelicula1"), QStringLiteral("O-O"));
    }

    // However long a list's item, every position of the word can be seen: it shrinks,
    // then takes more lines, each within the label's width.
    void theLongestWordShowsEveryPosition()
    {
        writeList("informatica", QByteArray(quimbelo::WordList::kMaxItemBytes, 'a') + "\r\n");
        open();
        auto *label = find<QLabel>("Pelicula1");
        QString joined = text("Pelicula1");
        const QStringList lines = joined.split(QLatin1Char('\n'));
        joined.remove(QLatin1Char('\n'));
        QCOMPARE(joined, QString(qsizetype(quimbelo::WordList::kMaxItemBytes), QLatin1Char('-')));
        QVERIFY(lines.size() > 1);
        for (const QString &line : lines) {
            QVERIFY(label->fontMetrics().horizontalAdvance(line) <= label->contentsRect().width());
        }
        QVERIFY(
            label->contentsRect().height() >= lines.size() * label->fontMetrics().lineSpacing());
        QVERIFY(m_window->centralWidget()->rect().contains(label->geometry()));
        // A short word of the next round takes the designed place again.
        const QRect designed = twips::rect(
            quimbelo::design::get(quimbelo::design::form1::kWindow, "Pelicula1").place);
        writeList("informatica", "oso\r\n");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QCOMPARE(text("Pelicula1"), QStringLiteral("---"));
        QCOMPARE(label->geometry(), designed);
    }

    void theMailPicturesAndTheHelpGoToTheDesktop()
    {
        open();
        QTest::mouseClick(find("Image2"), Qt::LeftButton);
        QTest::mouseClick(find("Image4"), Qt::LeftButton);
        QCOMPARE(m_desktop.links,
            QStringList({ "mailto:autor@quimbelo.example", "mailto:contacto@tornelas.example" }));
        // The web addresses are plain text.
        QTest::mouseClick(find("Label15"), Qt::LeftButton);
        QTest::mouseClick(find("Label14"), Qt::LeftButton);
        QCOMPARE(m_desktop.links.size(), 2);
        // The help file beside the program, in the desktop's editor.
        find<QAction>("MnAyuda2")->trigger();
        QCOMPARE(m_desktop.files, QStringList { m_dir.filePath("leeme.txt") });
        // The envelope over both mail pictures, with its hot spot at its corner.
        for (const char *picture : { "Image2", "Image4" }) {
            const QCursor cursor = find(picture)->cursor();
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            QCOMPARE(cursor.hotSpot(), QPoint(2, 4));
            QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        }
        QCOMPARE(find("Image7")->cursor().shape(), Qt::ArrowCursor);
    }

    void theMenusReadAsDesigned()
    {
        open();
        QStringList items;
        for (QAction *menu : m_window->menuBar()->actions()) {
            items << menu->text();
            for (QAction *item : menu->menu()->actions()) {
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            }
        }
        QCOMPARE(items,
            QStringList({ "&Juego", "&Nuevo juego (F2)", "&Salir (Ctrl+S)", "&Ayuda",
                "Archivo &Leame", "-", "Acerca de Quimelo 2.0" }));
    }

    void everyThemeDrawsFromItsOwnList_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("display");
        QTest::newRow("Propios") << "Option1"
                                 << "----";
        QTest::newRow("Cine") << "Option2"
                              << "----- --";
        QTest::newRow("Diccionario") << "Option4"
                                     << "-----";
    }
    void everyThemeDrawsFromItsOwnList()
    {
        QFETCH(QString, option);
        QFETCH(QString, display);
        writeList("diccionario", "mesas\r\n");
        open();
        QTest::mouseClick(find(option), Qt::LeftButton);
        QVERIFY(find<QRadioButton>(option)->isChecked());
        QCOMPARE(text("Pelicula1"), display);
        QCOMPARE(text("Label11"), QStringLiteral("1"));
    }

    void aTypedEnyeGuessesTheEnyeKey()
    {
        open();
        QTest::mouseClick(find("Option1"), Qt::LeftButton); // "niño"
        type("n");
        QCOMPARE(text("Pelicula1"), QStringLiteral("N---"));
        // As a Spanish keyboard types it: its own key, its own character.
        QKeyEvent enye(QEvent::KeyPress, Qt::Key_Ntilde, Qt::NoModifier, QStringLiteral("ñ"));
        QApplication::sendEvent(QApplication::focusWidget(), &enye);
        QCOMPARE(text("Pelicula1"), QStringLiteral("N-Ñ-"));
        QVERIFY(!key(19)->isEnabled());
        QCOMPARE(text("Label5"), QStringLiteral("0"));
    }

    void aHeldKeyGuessesOnce()
    {
        open();
        QWidget *focus = QApplication::focusWidget();
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), true);
        QApplication::sendEvent(focus, &repeat);
        QCOMPARE(text("Label4"), QStringLiteral("0"));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), false);
        QApplication::sendEvent(focus, &press);
        QCOMPARE(text("Label4"), QStringLiteral("1"));
        QApplication::sendEvent(focus, &repeat);
        QCOMPARE(text("Label4"), QStringLiteral("1"));
    }

    void pastedLineBreaksBecomeSpaces_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("break at the end") << QStringLiteral("la casa azul\n");
        QTest::newRow("break inside") << QStringLiteral("la casa\nazul");
        QTest::newRow("Windows breaks") << QStringLiteral("la casa\r\nazul\r\n");
        QTest::newRow("NUL inside")
            << (QStringLiteral("la casa") + QChar(0) + QStringLiteral(" azul"));
    }
    void pastedLineBreaksBecomeSpaces()
    {
        QFETCH(QString, pasted);
        writeList("informatica", "la casa azul\r\n");
        open();
        auto *box = find<QLineEdit>("Text1");
        box->setFocus();
        QApplication::clipboard()->setText(pasted);
        box->paste();
        QCOMPARE(box->text(), QStringLiteral("la casa azul"));
        ModalAnswerer boxes;
        boxes.answer({ "Aceptar", "Sí" });
        QTest::mouseClick(find("Command1"), Qt::LeftButton);
        TRY_VERIFY(!boxes.pending());
        QVERIFY(boxes.seen[0].text.startsWith("Correcto\n"));
        QCOMPARE(text("Label5"), QStringLiteral("0"));
    }

    void aLongWordsReportShowsEveryLine()
    {
        const QByteArray word(1000, 'a');
        writeList("informatica", word + "\r\n");
        open();
        find<QLineEdit>("Text1")->setText(QString::fromLatin1(word));
        bool checked = false;
        QTimer inspector;
        connect(&inspector, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) {
                return;
            }
            if (!checked) {
                checked = true;
                // The whole report, every line of it inside the box, the box on the screen.
                QCOMPARE(box->text().remove('\n'),
                    QStringLiteral("CorrectoLa solución era:  %1 Numero de intentos: 1Numero de "
                                   "fallos: 0")
                        .arg(QString::fromLatin1(word.toUpper())));
                auto *label = box->findChild<QLabel *>("qt_msgbox_label");
                QVERIFY(label->heightForWidth(label->width()) <= label->height());
                QVERIFY(box->screen()->availableGeometry().width() >= box->frameGeometry().width());
            }
            box->buttons().constLast()->click();
        });
        inspector.start(10);
        QTest::mouseClick(find("Command1"), Qt::LeftButton);
        QVERIFY(checked);
    }

    void theCountersKeepTheirDigitsInsideTheirBorder()
    {
        open();
        // Every value a round can show: up to ten failures, and tries for every key and
        // every failed solution.
        for (const auto &[label, caption] : { std::pair { quimbelo::Caption::Label5, "Label5" },
                 std::pair { quimbelo::Caption::Label4, "Label4" } }) {
            for (const char *value : { "0", "1", "7", "10", "48" }) {
                m_window->play().setCaption(label, value);
                auto *counter = find<QLabel>(caption);
                const QImage image = counter->grab().toImage();
                const QRgb background = image.pixel(2, image.height() / 2);
                // The two columns inside each side of the border hold no ink.
                for (int x : { 1, 2, image.width() - 3, image.width() - 2 }) {
                    for (int y = 1; y < image.height() - 1; ++y) {
                        QVERIFY2(image.pixel(x, y) == background,
                            qPrintable(QStringLiteral("%1 showing %2: ink at %3,%4")
                                           .arg(caption, value)
                                           .arg(x)
                                           .arg(y)));
                    }
                }
            }
        }
    }

    void timer1TicksEveryFiveSeconds()
    {
        open();
        auto *timer1 = find<QTimer>("Timer1");
        QCOMPARE(timer1->interval(), 5000);
        // Wired to its handler: a quicker tick swaps the banner and flashes the address.
        timer1->start(20);
        using quimbelo::ImageControl;
        TRY_COMPARE(m_window->play().picture(ImageControl::Image4),
            m_window->play().picture(ImageControl::Image5));
    }

    void theDecorationsBlinkOnTheirTimers()
    {
        open();
        auto *timer1 = find<QTimer>("Timer1");
        auto *timer2 = find<QTimer>("Timer2");
        QVERIFY(timer1->isActive() && timer2->isActive());
        QCOMPARE(timer1->interval(), 5000);
        QCOMPARE(timer2->property("designInterval").toInt(), 1);

        auto colour = [this](const char *label) {
            return find<QLabel>(label)->palette().color(QPalette::WindowText).name();
        };
        QCOMPARE(colour("Label15"), QStringLiteral("#0000c0"));
        QCOMPARE(colour("Label12"), QStringLiteral("#ffff00"));
        TRY_COMPARE_WITH_TIMEOUT(colour("Label12"), QStringLiteral("#ff0000"), 1000);

        // Image4 starts with a picture of its own, drawn like Image6's but not Image6's.
        using quimbelo::ImageControl;
        const auto own = m_window->play().picture(ImageControl::Image4);
        QVERIFY(own != m_window->play().picture(ImageControl::Image6));
        QVERIFY(own != m_window->play().picture(ImageControl::Image5));
        m_window->game().Timer1_Timer();
        QCOMPARE(m_window->play().picture(ImageControl::Image4),
            m_window->play().picture(ImageControl::Image5));
        QCOMPARE(colour("Label15"), QStringLiteral("#ff0000"));
        m_window->game().Timer1_Timer();
        QCOMPARE(m_window->play().picture(ImageControl::Image4),
            m_window->play().picture(ImageControl::Image6));
        QCOMPARE(colour("Label15"), QStringLiteral("#000000"));
    }

    void screenReadersHearWhatIsShownWithItsContext()
    {
        open();
        auto accessible = [this](const char *name) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(find(name));
            if (face == nullptr) {
                qFatal("no accessible interface for %s", name);
            }
            return face;
        };
        QCOMPARE(accessible("Label4")->text(QAccessible::Name), QStringLiteral("0"));
        QCOMPARE(accessible("Label4")->text(QAccessible::Description), QStringLiteral("Intentos"));
        QCOMPARE(accessible("Pelicula1")->text(QAccessible::Name), QStringLiteral("---"));
        QCOMPARE(accessible("Pelicula1")->text(QAccessible::Description),
            QStringLiteral("Palabra oculta de 3 caracteres"));
        QCOMPARE(accessible("Image1")->role(), QAccessible::Graphic);
        QCOMPARE(accessible("Image1")->text(QAccessible::Name), QStringLiteral("Horca: 0 de 10"));
        QCOMPARE(accessible("Letra_19")->text(QAccessible::Name), QStringLiteral("Ñ"));
        QVERIFY(!accessible("Letra_19")->state().disabled);

        type("z");
        QCOMPARE(accessible("Image1")->text(QAccessible::Name), QStringLiteral("Horca: 1 de 10"));
        QVERIFY(accessible("Letra_20")->state().disabled);
        QCOMPARE(accessible("Letra_20")->text(QAccessible::Description),
            QStringLiteral("Tecla ya probada"));
        QCOMPARE(accessible("Text1")->text(QAccessible::Name), QStringLiteral("Solucion"));
        // An option is named by itself, its place among the themes as its description.
        QCOMPARE(accessible("Option3")->text(QAccessible::Name), QStringLiteral("Informática"));
        QCOMPARE(accessible("Option3")->text(QAccessible::Description), QStringLiteral("3 de 4"));
        QVERIFY(accessible("Option3")->relations(QAccessible::Label).isEmpty());
    }

    void aWindowBuiltInStepsAndDrawnAheadShowsWhatOneBuiltAtOnceShows()
    {
        const Picture::Ptr wordmark = pictures::make(quimbelo::design::Picture::Wordmark);
        GameWindow atOnce(m_surroundings);
        QVERIFY(atOnce.load(wordmark));
        atOnce.showCentred();

        std::unique_ptr<GameWindow> inSteps = GameWindow::inSteps(m_surroundings);
        QVERIFY(inSteps->findChildren<QWidget *>().isEmpty());
        int built = 0;
        while (inSteps->buildStep()) {
            ++built;
        }
        // The frame, each of the 82 controls, the bindings: short steps.
        QCOMPARE(built, 84);
        QVERIFY(!inSteps->buildStep());
        for (const std::function<void()> &step : inSteps->preparationSteps(wordmark)) {
            step();
        }
        // Drawn ahead, but neither shown nor loaded.
        QVERIFY(!inSteps->isVisible());
        QVERIFY(!inSteps->testAttribute(Qt::WA_WState_Created));
        QCOMPARE(inSteps->findChild<QLabel *>("Label11")->text(), QStringLiteral("Label11"));
        QVERIFY(inSteps->load(wordmark));
        inSteps->showCentred();

        // The same controls in the same places and the same focus order...
        auto layout = [](QWidget *window) {
            QStringList controls;
            for (const QWidget *control : window->findChildren<QWidget *>()) {
                if (!control->objectName().isEmpty()) {
                    controls << QStringLiteral("%1 %2,%3 %4x%5 %6")
                                    .arg(control->objectName())
                                    .arg(control->x())
                                    .arg(control->y())
                                    .arg(control->width())
                                    .arg(control->height())
                                    .arg(control->isVisible());
                }
            }
            controls.sort();
            QStringList focus;
            QWidget *next = window->findChild<QWidget *>("Letra_0");
            for (int i = 0; i < 60; ++i, next = next->nextInFocusChain()) {
                focus << next->objectName();
            }
            return controls + focus;
        };
        QCOMPARE(layout(inSteps.get()), layout(&atOnce));
        // ...and the same pixels, before any timer has changed a colour.
        QCOMPARE(inSteps->grab().toImage(), atOnce.grab().toImage());
    }

    void aMissingListEndsWithAMessageAndNoWindow()
    {
        QFile::remove(m_dir.filePath("informatica.TXT"));
        ModalAnswerer boxes;
        boxes.answer({ "Aceptar" });
        m_window = std::make_unique<GameWindow>(m_surroundings);
        QSignalSpy ended(m_window.get(), &GameWindow::programEnded);
        QVERIFY(!m_window->load());
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Critical);
        QVERIFY(boxes.seen[0].text.startsWith("No se encuentra la lista de palabras:\n"));
        QVERIFY(!m_window->isVisible());
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(GameWindowTest)
#include "tst_gamewindow.moc"
