// SPDX-License-Identifier: MIT
#include "placement.h"

#include <QTest>

using namespace quimbelo::qt;

// Where the windows open: centred, but never with their title bar out of reach.
class PlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void aWindowIsCentredOnTheScreen_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("room to spare")
            << QRect(0, 0, 1600, 1200) << QSize(400, 300) << QPoint(600, 450);
        QTest::newRow("below a top panel")
            << QRect(0, 30, 1600, 1170) << QSize(400, 300) << QPoint(600, 465);
        // A 320 x 240 screen is smaller than the game window: its title bar and menus stay
        // in reach at the top left, and the rest runs off to the right and below.
        QTest::newRow("small screen") << QRect(0, 0, 320, 240) << QSize(383, 433) << QPoint(0, 0);
        QTest::newRow("small screen with a panel")
            << QRect(0, 24, 320, 216) << QSize(383, 433) << QPoint(0, 24);
        QTest::newRow("second screen")
            << QRect(1600, 0, 320, 240) << QSize(383, 100) << QPoint(1600, 70);
    }
    void aWindowIsCentredOnTheScreen()
    {
        QFETCH(QRect, area);
        QFETCH(QSize, frame);
        QFETCH(QPoint, expected);
        QCOMPARE(placement::centredOn(area, frame), expected);
    }

    void aboutIsCentredFrameOnFrameOverItsOwner()
    {
        // An owner framed with a 20-pixel title bar and 4-pixel borders.
        const QRect client(104, 124, 375, 411);
        const QRect frame(100, 100, 383, 439);
        const QMargins margins = placement::frameMargins(frame, client);
        QCOMPARE(margins, QMargins(4, 24, 4, 4));

        const QSize about(265, 210);
        const QRect screen(0, 0, 1280, 1024);
        const QPoint topLeft = placement::centredOver(frame, margins, about, screen);
        QCOMPARE(topLeft, QPoint(100 + (383 - 273) / 2, 100 + (439 - 238) / 2));
    }

    // An owner moved into a corner, or partly off the screen, keeps its About window on
    // the screen that holds it.
    void aboutStaysOnTheScreenOfItsOwner_data()
    {
        QTest::addColumn<QRect>("ownerFrame");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("expected");
        // The About frame is 273 x 238.
        QTest::newRow("lower right corner")
            << QRect(1220, 980, 383, 439) << QRect(0, 0, 1280, 1024) << QPoint(1007, 786);
        QTest::newRow("upper left, partly off")
            << QRect(-300, -200, 383, 439) << QRect(0, 0, 1280, 1024) << QPoint(0, 0);
        QTest::newRow("second screen's corner")
            << QRect(2800, 980, 383, 439) << QRect(1280, 0, 1600, 1024) << QPoint(2607, 786);
        QTest::newRow("screen smaller than About")
            << QRect(0, 0, 383, 439) << QRect(0, 24, 200, 200) << QPoint(0, 24);
    }
    void aboutStaysOnTheScreenOfItsOwner()
    {
        QFETCH(QRect, ownerFrame);
        QFETCH(QRect, area);
        QFETCH(QPoint, expected);
        const QMargins margins(4, 24, 4, 4);
        QCOMPARE(placement::centredOver(ownerFrame, margins, QSize(265, 210), area), expected);
    }
};

QTEST_APPLESS_MAIN(PlacementTest)
#include "tst_placement.moc"
