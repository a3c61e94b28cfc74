// SPDX-License-Identifier: MIT
#include "cp1252.h"
#include "programinfo.h"
#include "wordlist.h"

#include <QFile>
#include <QSet>
#include <QTest>

using namespace quimbelo;

// The lists a player gets, read with the game's own reader.
class ShippedListsTest : public QObject
{
    Q_OBJECT

    static std::filesystem::path dataFolder() { return QUIMBELO_DATA_DIR; }

private slots:
    void listsAreWellFormed_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("exactly");
        QTest::newRow("propios") << "propios" << 600 << -1;
        QTest::newRow("peliculas") << "peliculas" << 400 << -1;
        QTest::newRow("informatica") << "informatica" << 400 << -1;
        // The game window promises as many words as the dictionary holds.
        QTest::newRow("diccionario") << "diccionario" << quimbelo::programinfo::kDictionaryWords
                                     << quimbelo::programinfo::kDictionaryWords;
    }
    void listsAreWellFormed()
    {
        QFETCH(QString, base);
        QFETCH(int, minimum);
        QFETCH(int, exactly);

        const WordList list(dataFolder(), base.toStdString());
        const std::uint32_t count = list.count();
        QVERIFY2(count >= std::uint32_t(minimum), qPrintable(QString::number(count)));
        if (exactly >= 0) {
            QCOMPARE(count, std::uint32_t(exactly));
        }

        QFile file(QString::fromStdString(list.path().string()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(!cp1252::isValidUtf8(bytes.toStdString()), "the list must be Windows-1252");
        QVERIFY(bytes.endsWith("\r\n"));
        QList<QByteArray> lines = bytes.split('\n');
        lines.removeLast(); // after the last line break
        // One item per line: the reader sees exactly the lines of the file.
        QCOMPARE(std::uint32_t(lines.size()), count);

        QSet<QByteArray> seen;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QByteArray &line = lines[i];
            const QString where = QStringLiteral("%1 line %2").arg(base).arg(i + 1);
            QVERIFY2(line.endsWith('\r'), qPrintable(where + ": not CR LF"));
            const QByteArray item = line.chopped(1);
            QVERIFY2(!item.isEmpty(), qPrintable(where + ": blank"));
            QVERIFY2(!item.contains(',') && !item.contains('"') && !item.contains('\t')
                    && !item.contains('\r'),
                qPrintable(where + ": separator inside"));
            QVERIFY2(item.trimmed() == item, qPrintable(where + ": blanks around"));
            const QByteArray upper = QByteArray::fromStdString(cp1252::toUpper(item.toStdString()));
            QVERIFY2(!seen.contains(upper), qPrintable(where + ": repeated"));
            seen.insert(upper);
        }
        // Spot-check that the reader gives the lines as they stand.
        QCOMPARE(QByteArray::fromStdString(list.item(1)), lines.first().chopped(1));
        QCOMPARE(QByteArray::fromStdString(list.item(count)), lines.last().chopped(1));
    }

    void theHelpTextLiesBesideTheLists()
    {
        QFile file(QString::fromStdString((dataFolder() / "leeme.txt").string()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(cp1252::isValidUtf8(text.toStdString()));
        QVERIFY(text.contains("F2"));
        QVERIFY(text.contains("Ctrl+S"));
        QVERIFY(text.contains("diccionario.TXT"));
        // It tells players the same size of the dictionary as the game window does.
        QVERIFY(text.contains(QUIMBELO_DICTIONARY_WORDS_TEXT " palabras"));
    }
};

QTEST_APPLESS_MAIN(ShippedListsTest)
#include "tst_shippedlists.moc"
