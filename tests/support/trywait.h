// SPDX-License-Identifier: MIT
#pragma once

#include <QTest>

// Waits, with the event loop running, until a condition holds or the time is up, then
// checks it: what QTRY_VERIFY and QTRY_COMPARE do. Qt 6.8's QTRY_* macros narrow their
// chrono timeout to int in the caller's code, which -Wconversion reports on every use;
// QTest::qWaitFor keeps that inside Qt's headers. Timeouts in milliseconds, 5 s by
// default as in QTRY_VERIFY.

#define TRY_VERIFY_WITH_TIMEOUT(expr, timeoutMs)                                                   \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return static_cast<bool>(expr); }, timeoutMs));    \
        QVERIFY(expr);                                                                             \
    } while (false)

#define TRY_VERIFY(expr) TRY_VERIFY_WITH_TIMEOUT(expr, 5000)

#define TRY_COMPARE_WITH_TIMEOUT(expr, expected, timeoutMs)                                        \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return (expr) == (expected); }, timeoutMs));       \
        QCOMPARE(expr, expected);                                                                  \
    } while (false)

#define TRY_COMPARE(expr, expected) TRY_COMPARE_WITH_TIMEOUT(expr, expected, 5000)
