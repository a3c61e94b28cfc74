// SPDX-License-Identifier: MIT
// What the Qt front-end tells a screen reader beyond its widgets' own words.
#include "accessibility.h"
#include "announcer.h"
#include "trywait.h"

#include <QAccessible>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

using namespace quimbelo::qt;

namespace {

// The names of the window's notifications that are on the screen, as a screen reader
// finds them. From Qt 6.8, announcements are events of their own, which reach no one
// but the desktop's screen reader (tested end to end with Orca): there are none.
QStringList shownNotices(QWidget *window)
{
    QStringList names;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(child);
        if (iface != nullptr && iface->role() == QAccessible::Notification && child->isVisible()) {
            names.append(iface->text(QAccessible::Name));
        }
    }
    return names;
}

} // namespace

class TestAnnouncer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpAccessibility(); }

    void waitsForItsWindowToBeActive()
    {
        QWidget window;
        Announcer announcer(&window);
        announcer.announce(QStringLiteral("Tema Informática."));
        announcer.announce(QStringLiteral("3 letras."));
        announcer.announce(QString()); // nothing to say
        QVERIFY(announcer.told().isEmpty());
        QVERIFY(shownNotices(&window).isEmpty());

        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Once the activation has moved the focus, in one go and in order.
        TRY_COMPARE(
            announcer.told(), QStringList { QStringLiteral("Tema Informática. 3 letras.") });
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        QCOMPARE(shownNotices(&window), announcer.told());
#endif
    }

    void speaksAtOnceInAnActiveWindow()
    {
        QWidget window;
        Announcer announcer(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList expected;
        // More announcements in a row than the announcer keeps notices for: each is told,
        // and is readable once told.
        for (int i = 1; i <= 6; ++i) {
            const QString text = QStringLiteral("Intentos %1").arg(i);
            announcer.announce(text);
            expected.append(text);
            QCOMPARE(announcer.told(), expected);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
            QVERIFY(shownNotices(&window).contains(text));
#endif
        }
        // The notices take no room and no focus: the window looks and tabs as before.
        for (QWidget *child : window.findChildren<QWidget *>()) {
            QVERIFY(child->size().isEmpty());
            QCOMPARE(child->focusPolicy(), Qt::NoFocus);
        }
    }
};

class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpAccessibility(); }

    void anOptionIsNamedByItselfNotByItsGroup()
    {
        QGroupBox group(QStringLiteral("Opciones Temáticas"));
        auto *cinema = new QRadioButton(QStringLiteral("&Cine"), &group);
        auto *computing = new QRadioButton(QStringLiteral("Informática"), &group);
        computing->setChecked(true);

        QAccessibleInterface *option = QAccessible::queryAccessibleInterface(cinema);
        QVERIFY(option != nullptr);
        QCOMPARE(option->role(), QAccessible::RadioButton);
        QCOMPARE(option->text(QAccessible::Name), QStringLiteral("Cine"));
        QVERIFY(option->relations(QAccessible::Label).isEmpty());
        QVERIFY(option->state().checkable);
        QVERIFY(!option->state().checked);

        QAccessibleInterface *selected = QAccessible::queryAccessibleInterface(computing);
        QCOMPARE(selected->text(QAccessible::Name), QStringLiteral("Informática"));
        QVERIFY(selected->state().checked);

        // Pressed through the screen reader, it is chosen as by a click.
        QVERIFY(option->actionInterface() != nullptr);
        option->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(cinema->isChecked());
        QVERIFY(!computing->isChecked());

        // A name given to it is kept.
        cinema->setAccessibleName(QStringLiteral("Tema de cine"));
        QCOMPARE(option->text(QAccessible::Name), QStringLiteral("Tema de cine"));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int status = 0;
    TestAnnouncer announcer;
    status |= QTest::qExec(&announcer, argc, argv);
    TestOptions options;
    status |= QTest::qExec(&options, argc, argv);
    return status;
}

#include "tst_accessibility.moc"
