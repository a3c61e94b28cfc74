// SPDX-License-Identifier: MIT
#include "counttext.h"
#include "cp1252.h"

#include <QTest>

using namespace quimbelo;

class TextRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void upperCase_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("upper");
        QTest::newRow("a") << int('a') << int('A');
        QTest::newRow("z") << int('z') << int('Z');
        QTest::newRow("ñ") << 0xF1 << 0xD1;
        QTest::newRow("á") << 0xE1 << 0xC1;
        QTest::newRow("ü") << 0xFC << 0xDC;
        QTest::newRow("þ") << 0xFE << 0xDE;
        QTest::newRow("š") << 0x9A << 0x8A;
        QTest::newRow("œ") << 0x9C << 0x8C;
        QTest::newRow("ž") << 0x9E << 0x8E;
        QTest::newRow("ÿ") << 0xFF << 0x9F;
        QTest::newRow("÷ has no capital") << 0xF7 << 0xF7;
        QTest::newRow("ß stays") << 0xDF << 0xDF;
        QTest::newRow("µ stays") << 0xB5 << 0xB5;
        QTest::newRow("Ñ stays") << 0xD1 << 0xD1;
        QTest::newRow("digit") << int('7') << int('7');
        QTest::newRow("@ just before A") << int('@') << int('@');
        QTest::newRow("` just before a") << int('`') << int('`');
        QTest::newRow("{ just after z") << int('{') << int('{');
    }
    void upperCase()
    {
        QFETCH(int, byte);
        QFETCH(int, upper);
        QCOMPARE(int(cp1252::toUpper(static_cast<unsigned char>(byte))), upper);
    }

    void upperCaseOfTextKeepsItsLength()
    {
        std::string all;
        for (int b = 1; b < 256; ++b) {
            all += static_cast<char>(b);
        }
        const std::string upper = cp1252::toUpper(all);
        QCOMPARE(upper.size(), all.size());
        QCOMPARE(cp1252::toUpper("la ca\xF1"
                                 "a de \xE1rbol"),
            std::string("LA CA\xD1"
                        "A DE \xC1RBOL"));
    }

    void everyByteSurvivesTheWayToUnicodeAndBack()
    {
        for (int b = 0; b < 256; ++b) {
            const char32_t codePoint = cp1252::toUnicode(static_cast<unsigned char>(b));
            QCOMPARE(cp1252::fromUnicode(codePoint), b);
        }
        QCOMPARE(int(cp1252::toUnicode(0x80)), 0x20AC);
        QCOMPARE(int(cp1252::toUnicode(0xD1)), 0xD1);
        QCOMPARE(cp1252::fromUnicode(U'\u65E5'), -1);
    }

    void utf8Conversion_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("cp1252");
        QTest::newRow("ascii") << QByteArray("casa") << QByteArray("casa");
        QTest::newRow("ñ and accents")
            << QByteArray("ni\xC3\xB1o cami\xC3\xB3n") << QByteArray("ni\xF1o cami\xF3n");
        QTest::newRow("euro and quotes")
            << QByteArray("\xE2\x82\xAC \xE2\x80\x9C") << QByteArray("\x80 \x93");
        QTest::newRow("outside the code page") << QByteArray("a\xE6\x97\xA5"
                                                             "b")
                                               << QByteArray("a?b");
        QTest::newRow("astral plane") << QByteArray("\xF0\x9F\x98\x80") << QByteArray("?");
        QTest::newRow("malformed bytes") << QByteArray("a\xF1"
                                                       "b")
                                         << QByteArray("a?b");
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QByteArray("??");
        QTest::newRow("truncated at the end") << QByteArray("a\xC3") << QByteArray("a?");
    }
    void utf8Conversion()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, cp1252);
        QCOMPARE(QByteArray::fromStdString(cp1252::fromUtf8(utf8.toStdString())), cp1252);
    }

    void utf8Validity()
    {
        QVERIFY(cp1252::isValidUtf8("ni\xC3\xB1o"));
        QVERIFY(cp1252::isValidUtf8(""));
        QVERIFY(!cp1252::isValidUtf8("ni\xF1o")); // Windows-1252 "niño"
        QVERIFY(!cp1252::isValidUtf8("\xC0\xAF")); // overlong
        QVERIFY(!cp1252::isValidUtf8("\xED\xA0\x80")); // surrogate
        QVERIFY(!cp1252::isValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
        QCOMPARE(cp1252::toUtf8("ni\xF1o \x80"), std::string("ni\xC3\xB1o \xE2\x82\xAC"));
    }

    void utf16Conversion_data()
    {
        QTest::addColumn<QByteArray>("littleEndian");
        QTest::addColumn<QByteArray>("utf8");
        QTest::newRow("ASCII") << QByteArray("a\0\r\0\n\0", 6) << QByteArray("a\r\n");
        QTest::newRow("Latin") << QByteArray("\xF1\0\xA0\0", 4) << QByteArray("\xC3\xB1\xC2\xA0");
        QTest::newRow("euro") << QByteArray("\xAC\x20") << QByteArray("\xE2\x82\xAC");
        QTest::newRow("astral plane")
            << QByteArray("\x3D\xD8\x00\xDE", 4) << QByteArray("\xF0\x9F\x98\x80");
        QTest::newRow("lone high surrogate") << QByteArray("\x3D\xD8"
                                                           "a\0",
            4)
                                             << QByteArray("\xEF\xBF\xBD"
                                                           "a");
        QTest::newRow("lone low surrogate")
            << QByteArray("\x00\xDE", 2) << QByteArray("\xEF\xBF\xBD");
        QTest::newRow("high surrogate at the end")
            << QByteArray("\x3D\xD8") << QByteArray("\xEF\xBF\xBD");
        QTest::newRow("odd byte at the end")
            << QByteArray("a\0b", 3) << QByteArray("a\xEF\xBF\xBD");
    }
    void utf16Conversion()
    {
        QFETCH(QByteArray, littleEndian);
        QFETCH(QByteArray, utf8);
        const std::string little = littleEndian.toStdString();
        QCOMPARE(QByteArray::fromStdString(cp1252::utf16ToUtf8(little, false)), utf8);
        std::string big = little;
        for (std::size_t i = 0; i + 1 < big.size(); i += 2) {
            std::swap(big[i], big[i + 1]);
        }
        QCOMPARE(QByteArray::fromStdString(cp1252::utf16ToUtf8(big, true)), utf8);
        // What the code page lacks becomes "?" as from any UTF-8.
        QVERIFY(cp1252::isValidUtf8(cp1252::utf16ToUtf8(little, false)));
    }

    void countsArePlainWholeNumbers()
    {
        QCOMPARE(countText(0), std::string("0"));
        QCOMPARE(countText(10), std::string("10"));
        QCOMPARE(countText(96864.0f), std::string("96864"));
        QCOMPARE(countValue("17"), 17.0);
        QCOMPARE(countValue("  3"), 3.0);
        QCOMPARE(countValue("-1"), -1.0);
        QCOMPARE(countValue("Label11"), 0.0);
        QCOMPARE(countValue(""), 0.0);
    }
};

QTEST_APPLESS_MAIN(TextRulesTest)
#include "tst_textrules.moc"
