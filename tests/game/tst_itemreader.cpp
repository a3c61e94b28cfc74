// SPDX-License-Identifier: MIT
#include "itemreader.h"

#include <QStringList>
#include <QTest>

using namespace quimbelo;

class ItemReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void items_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("one per line, CR LF")
            << QByteArray("casa\r\nperro\r\n") << QStringList { "casa", "perro" };
        QTest::newRow("last line without a break")
            << QByteArray("casa\r\nperro") << QStringList { "casa", "perro" };
        QTest::newRow("lone LF") << QByteArray("casa\nperro\n") << QStringList { "casa", "perro" };
        QTest::newRow("lone CR") << QByteArray("casa\rperro\r") << QStringList { "casa", "perro" };
        QTest::newRow("LF CR is two breaks")
            << QByteArray("casa\n\rperro") << QStringList { "casa", "perro" };
        QTest::newRow("comma ends an item")
            << QByteArray("uno, dos\r\n") << QStringList { "uno", "dos" };
        QTest::newRow("two commas give an empty item")
            << QByteArray("a,,b") << QStringList { "a", "", "b" };
        QTest::newRow("comma before the line break")
            << QByteArray("a,\r\nb") << QStringList { "a", "", "b" };
        QTest::newRow("comma at the very end") << QByteArray("a,") << QStringList { "a" };
        QTest::newRow("quoted item holds commas")
            << QByteArray("\"a, b\",c\r\n") << QStringList { "a, b", "c" };
        QTest::newRow("empty quotes") << QByteArray("\"\"\r\nx") << QStringList { "", "x" };
        QTest::newRow("quoted item keeps its blanks")
            << QByteArray("\" a \"") << QStringList { " a " };
        QTest::newRow("text after the closing quote is dropped")
            << QByteArray("\"ab\"cd,e") << QStringList { "ab", "e" };
        QTest::newRow("unclosed quote runs to the end")
            << QByteArray("\"ab\r\ncd") << QStringList { "ab\r\ncd" };
        QTest::newRow("quoted item spans lines")
            << QByteArray("\"a\r\nb\",c") << QStringList { "a\r\nb", "c" };
        QTest::newRow("quote inside an item is kept")
            << QByteArray("ab\"cd\r\n") << QStringList { "ab\"cd" };
        QTest::newRow("blanks around an item")
            << QByteArray("  la casa \t\r\n") << QStringList { "la casa" };
        QTest::newRow("blank lines are skipped")
            << QByteArray("\r\na\r\n\r\n  \r\nb\r\n\r\n") << QStringList { "a", "b" };
        QTest::newRow("empty text") << QByteArray("") << QStringList {};
        QTest::newRow("only line breaks") << QByteArray("\r\n\n\r") << QStringList {};
        QTest::newRow("high bytes pass through")
            << QByteArray("ni\xF1o") << QStringList { QString::fromLatin1("ni\xF1o") };
    }
    void items()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, items);
        ItemReader reader(std::string_view(text.constData(), size_t(text.size())));
        QStringList read;
        while (!reader.atEnd()) {
            const std::string_view item = reader.next();
            read << QString::fromLatin1(item.data(), qsizetype(item.size()));
            QVERIFY2(read.size() <= 100, "the reader does not advance");
        }
        QCOMPARE(read, items);
    }

    void noBreakSpacesAreBlanksOfTheirEncoding_data()
    {
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("item");
        QTest::newRow("around an item")
            << false << QByteArray("\xA0 la\xA0mesa\t\xA0\r\n") << QByteArray("la\xA0mesa");
        QTest::newRow("UTF-8 around an item")
            << true << QByteArray("\xC2\xA0la\xC2\xA0mesa \xC2\xA0\r\n")
            << QByteArray("la\xC2\xA0mesa");
        QTest::newRow("a line of them is blank")
            << false << QByteArray("\xA0\t\xA0\r\nx") << QByteArray("x");
        QTest::newRow("UTF-8 line of them is blank")
            << true << QByteArray("\xC2\xA0\t\xC2\xA0\r\nx") << QByteArray("x");
        QTest::newRow("before a quote")
            << false << QByteArray("\xA0\"\xA0o\t\",x") << QByteArray("\xA0o\t");
        // The last byte of "à" in UTF-8 is the no-break space of Windows-1252.
        QTest::newRow("UTF-8 à at the end")
            << true << QByteArray("all\xC3\xA0\r\n") << QByteArray("all\xC3\xA0");
        QTest::newRow("Â and a no-break space")
            << false << QByteArray("\xC2\xA0\r\n") << QByteArray("\xC2");
    }
    void noBreakSpacesAreBlanksOfTheirEncoding()
    {
        QFETCH(bool, utf8);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, item);
        ItemReader reader(std::string_view(text.constData(), size_t(text.size())),
            utf8 ? ItemReader::Encoding::Utf8 : ItemReader::Encoding::Windows1252);
        QVERIFY(!reader.atEnd());
        QCOMPARE(reader.next(), std::string_view(item.constData(), size_t(item.size())));
    }

    void noBreakSpacesAreBlanksOfTheirLine_data()
    {
        // In a text that is not UTF-8 as a whole, each line is UTF-8 when all of it is and
        // it holds a character beyond ASCII, and Windows-1252 otherwise.
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArrayList>("items");
        QTest::newRow("a line of each") << QByteArray("\xA0ni\xF1o\xA0\r\n\xC2\xA0pi\xC3\xB1"
                                                      "a\xC2\xA0")
                                        << QByteArrayList { "ni\xF1o",
                                               "pi\xC3\xB1"
                                               "a" };
        QTest::newRow("à in UTF-8, à and a no-break space in Windows-1252")
            << QByteArray("all\xC3\xA0,\xC2\xA0\r\nall\xE0\xA0,x\r")
            << QByteArrayList { "all\xC3\xA0", "", "all\xE0", "x" };
        QTest::newRow("blank lines of each")
            << QByteArray("\xC2\xA0\t\xC2\xA0\r\n\xA0\xA0\n\xF1\r\n\xC2\xA0\r\n")
            << QByteArrayList { "\xF1" };
        QTest::newRow("a quoted item over lines of both")
            << QByteArray("\xA0\"\xA0\xF1\n\xC2\xA0\xC3\xB1\"\xC2\xA0,\xC2\xA0\xA0\r\n")
            << QByteArrayList { "\xA0\xF1\n\xC2\xA0\xC3\xB1", "\xC2" };
    }
    void noBreakSpacesAreBlanksOfTheirLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArrayList, items);
        ItemReader reader(std::string_view(text.constData(), size_t(text.size())),
            ItemReader::Encoding::LineByLine);
        QByteArrayList read;
        while (!reader.atEnd() && read.size() <= 100) {
            const std::string_view item = reader.next();
            read << QByteArray(item.data(), qsizetype(item.size()));
        }
        QCOMPARE(read, items);
    }

    void eachLineHasItsEncoding()
    {
        const std::string_view text = "a\xC3\xB1\r\n\xF1\n\xC3\xB1\xF1\rabc\r\n\xE2\x82\xAC";
        LineEncodings lines(text);
        const bool utf8[] = { 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1 };
        QCOMPARE(std::size(utf8), text.size());
        for (const bool backwards : { false, true }) {
            for (std::size_t i = 0; i < text.size(); ++i) {
                const std::size_t pos = backwards ? text.size() - 1 - i : i;
                QVERIFY2(lines.utf8At(pos) == utf8[pos], qPrintable(QString::number(pos)));
            }
        }
    }

    void linesAreCountedAsTheReaderBreaksThem()
    {
        const std::string_view text = "a\r\nb\nc\rd\n\re\r\n";
        const std::size_t lines[] = { 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 6, 6, 6 };
        QCOMPARE(std::size(lines), text.size());
        for (std::size_t offset = 0; offset < std::size(lines); ++offset) {
            QCOMPARE(lineAt(text, offset), lines[offset]);
        }
        QCOMPARE(lineAt(text, text.size()), std::size_t(7));
    }

    void anUnclosedQuoteIsToldApart()
    {
        ItemReader reader("\"a\",b,\"c\r\nd");
        QCOMPARE(reader.next(), std::string_view("a"));
        QVERIFY(!reader.unclosedQuote());
        QCOMPARE(reader.next(), std::string_view("b"));
        QVERIFY(!reader.unclosedQuote());
        QCOMPARE(reader.next(), std::string_view("c\r\nd"));
        QVERIFY(reader.unclosedQuote());
    }

    void separatorsAreFoundAtEveryOffsetOfLongItems()
    {
        // The reader looks for separators several bytes at a time: each one must be
        // found wherever it falls.
        for (int length = 1; length < 24; ++length) {
            for (const char *separator : { ",", "\r", "\n", "\r\n" }) {
                const std::string first(std::size_t(length), 'a');
                const std::string second(std::size_t(length) + 5, '\xF1');
                const std::string text = first + separator + second + separator + "z";
                ItemReader reader(text);
                QCOMPARE(reader.next(), std::string_view(first));
                QCOMPARE(reader.next(), std::string_view(second));
                QCOMPARE(reader.next(), std::string_view("z"));
                QVERIFY(reader.atEnd());
            }
        }
    }

    void nextAtTheEndGivesEmptyItemsWithoutMoving()
    {
        ItemReader reader("a");
        QCOMPARE(reader.next(), std::string_view("a"));
        QVERIFY(reader.atEnd());
        QCOMPARE(reader.next(), std::string_view());
        QVERIFY(reader.atEnd());
    }
};

QTEST_APPLESS_MAIN(ItemReaderTest)
#include "tst_itemreader.moc"
