// SPDX-License-Identifier: MIT
#include "about.h"
#include "aboutwindow.h"
#include "appearance.h"
#include "desktop.h"
#include "form1.h"
#include "formbuilder.h"
#include "gamewindow.h"
#include "imagebox.h"
#include "modalanswerer.h"
#include "recordingdesktop.h"
#include "splash.h"
#include "splashwindow.h"
#include "startup.h"
#include "trywait.h"
#include "twips.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QResource>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

using namespace quimbelo::qt;

namespace {

int gameWindowCount()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        count += widget->objectName() == QLatin1String("Form1") ? 1 : 0;
    }
    return count;
}

// The game window is built behind the splash, unseen: what counts before the hand-over
// is whether one is on the screen.
int shownGameWindowCount()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        count += widget->objectName() == QLatin1String("Form1") && widget->isVisible() ? 1 : 0;
    }
    return count;
}

QWidget *gameWindowBehindTheSplash()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("Form1")) {
            return widget;
        }
    }
    return nullptr;
}

} // namespace

// The program's start, its splash and its About window, as a player meets them.
class StartupTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingDesktop m_desktop;
    std::unique_ptr<Startup> m_startup;

    void writeLists(const QString &folder)
    {
        for (const char *base : { "propios", "peliculas", "informatica", "diccionario" }) {
            QFile file(folder + "/" + base + ".TXT");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("gato\r\n");
        }
    }

    SplashWindow *startSplash()
    {
        m_startup
            = std::make_unique<Startup>(QFile::encodeName(m_dir.path()).toStdString(), &m_desktop);
        m_startup->start();
        SplashWindow *splash = m_startup->splash();
        if (!QTest::qWaitForWindowExposed(splash)) {
            qWarning("the splash never showed");
        }
        return splash;
    }

    // Waits for the game window that the splash hands over to.
    GameWindow *gameWindow()
    {
        if (!QTest::qWaitFor([this] {
                return m_startup->gameWindow() && m_startup->gameWindow()->isVisible();
            })) {
            return nullptr;
        }
        return m_startup->gameWindow();
    }

private slots:
    void initTestCase()
    {
        applyClassicAppearance(*qApp);
        writeLists(m_dir.path());
    }

    void cleanup()
    {
        m_startup.reset();
        m_desktop = RecordingDesktop {};
        QTest::qWait(1); // lets the closed splash be deleted
    }

    // Every control of the splash and of About at its place, in its font and alignment,
    // with its caption; labels may only grow to the right of a left-aligned text.
    void theSplashAndAboutAreBuiltAsDesigned()
    {
        using namespace quimbelo::design;
        SplashWindow *splash = startSplash();
        AboutWindow about(nullptr);
        for (const auto &[window, shown] :
            { std::pair { &splash::kWindow, static_cast<QWidget *>(splash) },
                std::pair { &about::kWindow, static_cast<QWidget *>(&about) } }) {
            for (const Control &control : window->controls) {
                const QString name = FormBuilder::objectName(control.name, control.index);
                if (control.kind == Kind::Timer) {
                    QCOMPARE(shown->findChild<QTimer *>(name)->interval(), control.interval);
                    continue;
                }
                auto *widget = shown->findChild<QWidget *>(name);
                QVERIFY2(widget != nullptr, qPrintable(name));
                const QRect designed = twips::rect(control.place);
                QCOMPARE(widget->y(), designed.y());
                if (control.kind == Kind::PictureBox) {
                    continue; // sized to its picture
                }
                QCOMPARE(widget->height(), designed.height());
                QVERIFY2(widget->width() >= designed.width(), qPrintable(name));
                QCOMPARE(widget->isVisibleTo(shown), !control.has(kHidden));
                auto *label = qobject_cast<QLabel *>(widget);
                if (label == nullptr) {
                    continue;
                }
                if (control.align == Align::Right) {
                    QCOMPARE(widget->geometry().right(), designed.right());
                    QVERIFY(label->alignment() & Qt::AlignRight);
                } else {
                    QCOMPARE(widget->x(), designed.x());
                }
                if (!control.has(kDesignCaption)) {
                    QCOMPARE(label->text(), designText(control.caption));
                }
                if (!control.font.isDefault()) {
                    QCOMPARE(label->font().family(), designText(control.font.family));
                    QCOMPARE(label->font().pointSizeF(), control.font.points);
                    QCOMPARE(label->font().bold(), control.font.bold);
                }
            }
        }
    }

    void theSplashShowsTheVersionBuiltFromTheProgram()
    {
        SplashWindow *splash = startSplash();
        QCOMPARE(
            splash->findChild<QLabel *>("lblVersion")->text(), QStringLiteral("Versión 2.0.0"));
        // No title bar: the window draws its own raised dialog frame around the designed
        // client area.
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        const auto *client = splash->findChild<QWidget *>("frmSplashClient");
        QCOMPARE(client->size(), QSize(419, 287));
        QCOMPARE(client->pos(), QPoint(SplashWindow::kDialogFrame, SplashWindow::kDialogFrame));
        QCOMPARE(splash->size(), client->size() + QSize(2, 2) * SplashWindow::kDialogFrame);
        QCOMPARE(shownGameWindowCount(), 0);
    }

    void theSplashPicturesComeDrawnAsTheirSourcesDrawThem()
    {
        SplashWindow *splash = startSplash();
        for (const char *name : { "imgLogo", "Image1" }) {
            const auto *box = splash->findChild<ImageBox *>(name);
            const Picture::Ptr &picture = box->picture();
            const QSize shown = name == QByteArray("Image1") ? box->size() : picture->designSize();
            // Drawn when the program was built, at the size the splash shows it...
            const QResource drawn(QStringLiteral(":/drawn/") + picture->name());
            QVERIFY2(drawn.isValid(), name);
            QVERIFY(!decodeDrawn(drawn.uncompressedData(), shown).isNull());
            // ...only at that size, and the same pixels as drawing it now.
            QVERIFY(decodeDrawn(drawn.uncompressedData(), shown + QSize(1, 0)).isNull());
            QCOMPARE(picture->image(shown), picture->draw(shown));
            QCOMPARE(picture->image(shown * 2), picture->draw(shown * 2));
        }
        // The game window's wordmark, too, at the size it shows it.
        const Picture::Ptr &wordmark = splash->wordmark();
        const QSize image7
            = twips::rect(quimbelo::design::get(quimbelo::design::form1::kWindow, "Image7").place)
                  .size();
        QVERIFY(!decodeDrawn(QResource(":/drawn/wordmark").uncompressedData(), image7).isNull());
        QCOMPARE(wordmark->image(image7), wordmark->draw(image7));

        QImage small(3, 2, QImage::Format_ARGB32_Premultiplied);
        small.fill(qRgba(0x10, 0x20, 0x30, 0x40));
        small.setPixel(2, 1, qRgba(1, 2, 3, 4));
        QImage wide(5, 1, QImage::Format_ARGB32_Premultiplied);
        wide.fill(qRgba(9, 8, 7, 255));
        const QByteArray both = encodeDrawn({ small, wide });
        QCOMPARE(decodeDrawn(both, small.size()), small);
        QCOMPARE(decodeDrawn(both, wide.size()), wide);
        QVERIFY(decodeDrawn(both, QSize(2, 3)).isNull());
        // Data cut short give nothing rather than pixels read past their end.
        QVERIFY(decodeDrawn(both.chopped(1), wide.size()).isNull());
    }

    void aCharacterKeyHandsOverOnceAndGoesNoFurther_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("letter") << int(Qt::Key_Q);
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("enter") << int(Qt::Key_Return);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }
    void aCharacterKeyHandsOverOnceAndGoesNoFurther()
    {
        QFETCH(int, key);
        SplashWindow *splash = startSplash();
        QTest::keyClick(splash, Qt::Key(key));
        GameWindow *window = gameWindow();
        QVERIFY(window);
        QCOMPARE(gameWindowCount(), 1);
        QVERIFY(!m_startup->splash() || !m_startup->splash()->isVisible());
        QCOMPARE(window->findChild<QLabel *>("Label4")->text(), QStringLiteral("0"));
        QVERIFY(window->findChild<QPushButton *>("Letra_0")->isEnabled());
    }

    void keysThatTypeNothingLeaveTheSplash()
    {
        SplashWindow *splash = startSplash();
        for (Qt::Key key :
            { Qt::Key_Left, Qt::Key_F1, Qt::Key_F2, Qt::Key_Shift, Qt::Key_Delete }) {
            QTest::keyClick(splash, key);
        }
        // Alt with a letter is a menu key, not a character.
        QTest::keyClick(splash, Qt::Key_A, Qt::AltModifier);
        QTest::qWait(50);
        QVERIFY(splash->isVisible());
        QCOMPARE(shownGameWindowCount(), 0);
    }

    void onlyTheFreeSurfaceOfThePanelTakesAClick()
    {
        SplashWindow *splash = startSplash();
        QTest::mouseClick(splash->findChild<QLabel *>("lblProductName"), Qt::LeftButton);
        QTest::mouseClick(splash->findChild<QWidget *>("imgLogo"), Qt::LeftButton);
        QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(3, 3)); // the margin
        QTest::qWait(50);
        QVERIFY(splash->isVisible());
        QCOMPARE(shownGameWindowCount(), 0);

        QWidget *frame = splash->findChild<QWidget *>("Frame1");
        QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(frame->width() - 20, 20));
        QVERIFY(gameWindow());
    }

    void closingTheSplashHandsOverAtOnce()
    {
        SplashWindow *splash = startSplash();
        QVERIFY(splash->close());
        GameWindow *window = m_startup->gameWindow();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(gameWindowCount(), 1);
    }

    void aFolderNamedInLatin1IsTheProgramsOwn()
    {
        // "Ñandú" in Latin-1, as an old zip unpacks it: not valid UTF-8.
        const QByteArray folder = QFile::encodeName(m_dir.path())
            + "/\xD1"
              "and\xFA";
        QVERIFY(std::filesystem::create_directory(folder.toStdString()));
        for (const char *base : { "propios", "peliculas", "informatica", "diccionario" }) {
            std::ofstream(folder.toStdString() + "/" + base + ".TXT") << "tilde\r\n";
        }
        m_startup = std::make_unique<Startup>(folder.toStdString(), &m_desktop);
        m_startup->start();
        QTest::keyClick(m_startup->splash(), Qt::Key_A);
        GameWindow *window = gameWindow();
        QVERIFY(window);
        QCOMPARE(window->findChild<QLabel *>("Pelicula1")->text(), QStringLiteral("-----"));
        window->findChild<QAction *>("MnAyuda2")->trigger();
        QCOMPARE(m_desktop.fileUrls.size(), 1);
        QCOMPARE(m_desktop.fileUrls[0].toEncoded(),
            "file://" + QFile::encodeName(m_dir.path()).toPercentEncoding("/")
                + "/%D1and%FA/leeme.txt");
        // A name Qt cannot spell is left for the file system to remove.
        m_startup.reset();
        std::filesystem::remove_all(folder.toStdString());
    }

    void theGameWindowIsPreparedUnseenAndLoadedOnlyAtTheHandOver()
    {
        // Without its first word list the game cannot start: it says so and ends.
        const QString folder = m_dir.filePath("sin informatica");
        QVERIFY(QDir().mkpath(folder));
        writeLists(folder);
        QVERIFY(QFile::remove(folder + "/informatica.TXT"));
        m_startup = std::make_unique<Startup>(QFile::encodeName(folder).toStdString(), &m_desktop);
        QSignalSpy finished(m_startup.get(), &Startup::finished);
        ModalAnswerer boxes;
        boxes.answer({ "Aceptar" });
        m_startup->start();
        SplashWindow *splash = m_startup->splash();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        TRY_VERIFY(m_startup->gameWindowReady());

        // Built and drawn offscreen, yet neither shown nor made a window of the window
        // system, and not loaded: the counters show their designed captions, no list has
        // been read, no message has come up and the program goes on.
        QWidget *window = gameWindowBehindTheSplash();
        QVERIFY(window != nullptr);
        QVERIFY(!window->isVisible());
        QVERIFY(!window->testAttribute(Qt::WA_WState_Created));
        QVERIFY(m_startup->gameWindow() == nullptr);
        QCOMPARE(window->findChild<QLabel *>("Label11")->text(), QStringLiteral("Label11"));
        QCOMPARE(window->findChild<QLabel *>("Label7")->text(), QStringLiteral("Label7"));
        QTest::qWait(50);
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(finished.count(), 0);
        QVERIFY(splash->isVisible());

        // At the hand-over the game loads: the missing list, its message, the end.
        QTest::keyClick(splash, Qt::Key_A);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Critical);
        QVERIFY(boxes.seen[0].text.startsWith("No se encuentra la lista de palabras:\n"));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 1);
        QCOMPARE(shownGameWindowCount(), 0);
        QVERIFY(!window->testAttribute(Qt::WA_WState_Created));
    }

    void aKeyWhileTheGameWindowIsPreparedHandsOverAtOnce()
    {
        m_startup
            = std::make_unique<Startup>(QFile::encodeName(m_dir.path()).toStdString(), &m_desktop);
        m_startup->start();
        SplashWindow *splash = m_startup->splash();
        // One pass of the event loop at a time, until the first steps behind the splash
        // have run.
        QElapsedTimer waited;
        waited.start();
        while (gameWindowBehindTheSplash() == nullptr && waited.elapsed() < 5000) {
            QCoreApplication::processEvents();
        }
        QVERIFY(gameWindowBehindTheSplash() != nullptr);
        QVERIFY(!m_startup->gameWindowReady());

        // What is left is done at once, and the key goes no further than the splash.
        QTest::keyClick(splash, Qt::Key_O);
        QVERIFY(m_startup->gameWindowReady());
        GameWindow *window = m_startup->gameWindow();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QVERIFY(!splash->isVisible());
        QCOMPARE(gameWindowCount(), 1);
        QCOMPARE(window->findChild<QLabel *>("Label11")->text(), QStringLiteral("1"));
        QCOMPARE(window->findChild<QLabel *>("Label4")->text(), QStringLiteral("0"));
        QCOMPARE(window->findChild<QLabel *>("Pelicula1")->text(), QStringLiteral("----"));
    }

    void theTimerHandsOverAfterThreeSeconds()
    {
        startSplash();
        QTest::qWait(2500);
        QCOMPARE(shownGameWindowCount(), 0);
        TRY_VERIFY_WITH_TIMEOUT(gameWindow(), 2000);
    }

    void aKeyAClickAndACloseTogetherOpenOneGameWindow()
    {
        SplashWindow *splash = startSplash();
        QTest::keyClick(splash, Qt::Key_A);
        QTest::mouseClick(splash->findChild<QWidget *>("Frame1"), Qt::LeftButton);
        splash->close();
        QVERIFY(gameWindow());
        QTest::qWait(20);
        QCOMPARE(gameWindowCount(), 1);
        QCOMPARE(
            m_startup->gameWindow()->findChild<QLabel *>("Label11")->text(), QStringLiteral("1"));
    }

    void theAboutWindowOpensAfreshAndClosesEveryWay_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("enter") << "enter";
        QTest::newRow("escape") << "escape";
        QTest::newRow("button") << "button";
        QTest::newRow("close box") << "close";
    }
    void theAboutWindowOpensAfreshAndClosesEveryWay()
    {
        QFETCH(QString, how);
        QTest::keyClick(startSplash(), Qt::Key_A);
        GameWindow *window = gameWindow();
        QVERIFY(window);
        QTest::keyClick(window->findChild<QPushButton *>("Letra_0"), Qt::Key_G);
        QAction *about = window->findChild<QAction *>("MnAcerca");

        for (int opening = 0; opening < 2; ++opening) {
            QString title, version, focus;
            bool titleLabelHidden = false;
            QTimer::singleShot(0, [&] {
                TRY_VERIFY(qobject_cast<QDialog *>(QApplication::activeModalWidget()));
                auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                title = dialog->windowTitle();
                version = dialog->findChild<QLabel *>("lblVersion")->text();
                titleLabelHidden = !dialog->findChild<QLabel *>("lblTitle")->isVisible();
                focus = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
                if (how == "enter") {
                    QTest::keyClick(dialog, Qt::Key_Return);
                } else if (how == "escape") {
                    QTest::keyClick(dialog, Qt::Key_Escape);
                } else if (how == "button") {
                    QTest::mouseClick(dialog->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
                } else {
                    dialog->close();
                }
            });
            about->trigger(); // returns once the window is closed
            QCOMPARE(title, QStringLiteral("Acerca de Quimbelo"));
            QCOMPARE(version, QStringLiteral("Versión 2.0.0"));
            QVERIFY(titleLabelHidden);
            QCOMPARE(focus, QStringLiteral("cmdOK"));
            QVERIFY(!QApplication::activeModalWidget());
        }
        // The round is untouched.
        QCOMPARE(window->findChild<QLabel *>("Label4")->text(), QStringLiteral("1"));
        QCOMPARE(window->findChild<QLabel *>("Pelicula1")->text(), QStringLiteral("G---"));
    }

    void theHelpFileIsOpenedFromAFolderWithAnyName()
    {
        const QString folder = m_dir.filePath("mis juegos'; \"$(touch pwned)\" `id`");
        QVERIFY(QDir().mkpath(folder));
        writeLists(folder);
        m_startup = std::make_unique<Startup>(QFile::encodeName(folder).toStdString(), &m_desktop);
        m_startup->start();
        QTest::keyClick(m_startup->splash(), Qt::Key_A);
        GameWindow *window = gameWindow();
        QVERIFY(window);
        window->findChild<QAction *>("MnAyuda2")->trigger();
        QCOMPARE(m_desktop.files, QStringList { folder + "/leeme.txt" });
        window->findChild<QWidget *>("Image2")->setFocus();
        QTest::mouseClick(window->findChild<QWidget *>("Image2"), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QWidget *>("Image4"), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QWidget *>("Label15"), Qt::LeftButton);
        QCOMPARE(m_desktop.links,
            QStringList({ "mailto:autor@quimbelo.example", "mailto:contacto@tornelas.example" }));
    }

    void salirEndsTheProgramWithStatusZero()
    {
        QTest::keyClick(startSplash(), Qt::Key_A);
        GameWindow *window = gameWindow();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QSignalSpy finished(m_startup.get(), &Startup::finished);
        QTest::keyClick(
            window->findChild<QPushButton *>("Letra_0"), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
