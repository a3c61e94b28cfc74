// SPDX-License-Identifier: MIT
#include "cp1252.h"
#include "gamefixture.h"
#include "wordlist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

using namespace quimbelo;
using Reason = WordListError::Reason;

class WordListTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    std::filesystem::path folder() const { return m_dir.path().toStdString(); }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    // A text as Notepad saves it as "Unicode": UTF-16 behind its byte-order mark.
    static QByteArray utf16(const QString &text, bool bigEndian)
    {
        QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
        for (const QChar c : text) {
            const char high = char(c.unicode() >> 8);
            const char low = char(c.unicode() & 0xFF);
            bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
        }
        return bytes;
    }

    static Reason failureOf(const std::function<void()> &action)
    {
        try {
            action();
        } catch (const WordListError &error) {
            return error.reason();
        }
        qFatal("no WordListError was raised");
    }

    // The first line of the player's message for the failure an action raises.
    static QString messageOf(const std::function<void()> &action)
    {
        try {
            action();
        } catch (const WordListError &error) {
            return QString::fromStdString(cp1252::toUtf8(error.message())).section('\r', 0, 0);
        }
        return QStringLiteral("no WordListError was raised");
    }

private slots:
    void init()
    {
        QDir dir(m_dir.path());
        for (const QString &entry :
            dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
            QFileInfo info(dir.filePath(entry));
            if (info.isDir() && !info.isSymLink()) {
                QDir(info.filePath()).removeRecursively();
            } else {
                QFile::remove(info.filePath());
            }
        }
    }

    void countsAndReadsItemsInFileOrder()
    {
        write("propios.TXT", "perro\r\ngato\r\n\"uno, dos\"\r\nla casa azul\r\n");
        const WordList list(folder(), "propios");
        QCOMPARE(list.count(), 4u);
        QCOMPARE(list.item(1), std::string("perro"));
        QCOMPARE(list.item(3), std::string("uno, dos"));
        QCOMPARE(list.item(4), std::string("la casa azul"));
    }

    void everyCallReadsTheFileAfresh()
    {
        write("propios.TXT", "uno\r\n");
        const WordList list(folder(), "propios");
        QCOMPARE(list.count(), 1u);
        write("propios.TXT", "dos\r\ntres\r\n");
        QCOMPARE(list.count(), 2u);
        QCOMPARE(list.item(2), std::string("tres"));
    }

    void aListThatShrankFails()
    {
        write("propios.TXT", "uno\r\ndos\r\ntres\r\n");
        const WordList list(folder(), "propios");
        QCOMPARE(list.count(), 3u);
        write("propios.TXT", "uno\r\n");
        QCOMPARE(failureOf([&] { list.item(3); }), Reason::Shrunk);
        write("propios.TXT", "");
        QCOMPARE(failureOf([&] { list.item(1); }), Reason::Empty);
    }

    void filesThatAreNoListFail()
    {
        const WordList missing(folder(), "propios");
        QCOMPARE(failureOf([&] { missing.count(); }), Reason::Missing);

        QVERIFY(QDir(m_dir.path()).mkdir("peliculas.TXT"));
        QCOMPARE(failureOf([&] { WordList(folder(), "peliculas").count(); }), Reason::NotAFile);

        // A link that points at itself exists but can never be opened.
        QVERIFY(QFile::link(m_dir.filePath("informatica.TXT"), m_dir.filePath("informatica.TXT")));
        QCOMPARE(failureOf([&] { WordList(folder(), "informatica").count(); }), Reason::Unreadable);

        write("diccionario.TXT", QByteArray("casa\r\n\0\x01\x02\xFF", 10));
        QCOMPARE(failureOf([&] { WordList(folder(), "diccionario").count(); }), Reason::NotText);
    }

#ifndef Q_OS_WIN
    void aListSwappedForAPipeWhileItIsOpenedIsNeverWaitedOn()
    {
        // The list turns from a file into a pipe and back, again and again, while it is
        // read: what is opened must be what is checked and read.
        const QString pipe = m_dir.filePath("tuberia");
        QCOMPARE(::mkfifo(qPrintable(pipe), 0600), 0);
        write("casa.TXT", "casa\r\n");
        const std::string link = m_dir.filePath("propios.TXT").toStdString();
        const std::string next = m_dir.filePath("siguiente").toStdString();
        QCOMPARE(::symlink("casa.TXT", link.c_str()), 0);
        std::atomic<bool> stop = false;
        std::thread swapper([&] {
            for (int i = 0; !stop; ++i) {
                ::symlink(i % 2 ? "casa.TXT" : "tuberia", next.c_str());
                std::rename(next.c_str(), link.c_str());
            }
        });

        const WordList list(folder(), "propios");
        int files = 0;
        int pipes = 0;
        int others = 0;
        const auto reading = [&] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
            while (!stop && std::chrono::steady_clock::now() < deadline) {
                try {
                    (list.count() == 1 ? files : others) += 1;
                } catch (const WordListError &error) {
                    (error.reason() == Reason::NotAFile ? pipes : others) += 1;
                }
            }
        };
        const bool ended = endsWithoutWaiting(pipe, reading, &stop);
        stop = true;
        swapper.join();
        QVERIFY2(ended, "opening the list waited for a writer");
        QVERIFY2(files > 0 && pipes > 0 && others == 0,
            qPrintable(QString("%1 files, %2 pipes, %3 others").arg(files).arg(pipes).arg(others)));
    }
#endif

    void hugeItemsAndFilesFailQuickly()
    {
        write("propios.TXT", "corta\r\n" + QByteArray(50 * 1024 * 1024, 'x'));
        const WordList list(folder(), "propios");
        QCOMPARE(failureOf([&] { list.count(); }), Reason::ItemTooLong);
        QCOMPARE(failureOf([&] { list.item(2); }), Reason::ItemTooLong);
        QCOMPARE(list.item(1), std::string("corta"));

        write("propios.TXT", QByteArray(WordList::kMaxItemBytes, 'x'));
        QCOMPARE(list.count(), 1u);

        write("propios.TXT", QByteArray(int(WordList::kMaxFileBytes) + 1, '\n'));
        QCOMPARE(failureOf([&] { list.count(); }), Reason::TooLarge);
    }

    void utf8ListsGiveTheWordsOfTheirWindows1252Twin_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252") << QByteArray("ni\xF1o\r\ncami\xF3n\r\n\x80uro\r\n");
        QTest::newRow("UTF-8") << QByteArray("ni\xC3\xB1o\r\ncami\xC3\xB3n\r\n\xE2\x82\xACuro\r\n");
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xEF\xBB\xBFni\xC3\xB1o\r\ncami\xC3\xB3n\r\n\xE2\x82\xACuro\r\n");
        QTest::newRow("Windows-1252 after a UTF-8 BOM")
            << QByteArray("\xEF\xBB\xBFni\xF1o\r\ncami\xF3n\r\n\x80uro\r\n");
        const QString text = QStringLiteral("niño\r\ncamión\r\n€uro\r\n");
        QTest::newRow("UTF-16 LE") << utf16(text, false);
        QTest::newRow("UTF-16 BE") << utf16(text, true);
        QTest::newRow("UTF-8 on one line") // a word added with another editor
            << QByteArray("ni\xF1o\r\ncami\xC3\xB3n\r\n\x80uro\r\n");
    }
    void utf8ListsGiveTheWordsOfTheirWindows1252Twin()
    {
        QFETCH(QByteArray, bytes);
        write("propios.TXT", bytes);
        const WordList list(folder(), "propios");
        QCOMPARE(list.count(), 3u);
        QCOMPARE(list.item(1), std::string("ni\xF1o"));
        QCOMPARE(list.item(2), std::string("cami\xF3n"));
        QCOMPARE(list.item(3), std::string("\x80uro"));
    }

    void tabsAndNoBreakSpacesAreReadAsSpaces_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252")
            << QByteArray("\xA0la\xA0mesa\tazul\xA0\r\n\xA0\t\r\n\"\xA0\xF1u\t\"\r\n");
        QTest::newRow("UTF-8") << QByteArray(
            "\xC2\xA0la\xC2\xA0mesa\tazul\xC2\xA0\r\n\xC2\xA0\t\r\n\"\xC2\xA0\xC3\xB1u\t\"\r\n");
    }
    void tabsAndNoBreakSpacesAreReadAsSpaces()
    {
        // Blanks around an unquoted item are dropped, a line of them is blank, and a
        // quoted item keeps them.
        QFETCH(QByteArray, bytes);
        write("propios.TXT", bytes);
        const WordList list(folder(), "propios");
        QCOMPARE(list.count(), 2u);
        QCOMPARE(list.item(1), std::string("la mesa azul"));
        QCOMPARE(list.item(2), std::string(" \xF1u "));
    }

    void aByteOrderMarkIsNoPartOfTheFirstWord()
    {
        write("propios.TXT",
            "\xEF\xBB\xBF"
            "casa\r\n");
        QCOMPARE(WordList(folder(), "propios").item(1), std::string("casa"));
    }

    void windows1252TextThatCouldPassForUtf8IsOnlyTakenAsUtf8WhenAllOfItsLineIs()
    {
        // "Ã±" is valid UTF-8 for "ñ"; beside "ñ" in Windows-1252 the line is not UTF-8.
        write("propios.TXT", "\xC3\xB1 ni\xF1o\r\n\xC3\xB1\r\n");
        const WordList list(folder(), "propios");
        QCOMPARE(list.item(1), std::string("\xC3\xB1 ni\xF1o"));
        QCOMPARE(list.item(2), std::string("\xF1"));
    }

    void aListMixingEncodingsIsReadLineByLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("words");
        QTest::newRow("a UTF-8 line in a Windows-1252 list") << QByteArray("CAMI\xD3N\r\nPI\xC3\x91"
                                                                           "ATA\r\n")
                                                             << QByteArrayList { "CAMI\xD3N",
                                                                    "PI\xD1"
                                                                    "ATA" };
        QTest::newRow("after a UTF-8 BOM") << QByteArray("\xEF\xBB\xBFPI\xC3\x91"
                                                         "ATA\r\nCAMI\xD3N\r\n")
                                           << QByteArrayList { "PI\xD1"
                                                               "ATA",
                                                  "CAMI\xD3N" };
        QTest::newRow("several items on a line") << QByteArray("ni\xF1o,cami\xF3n\r\npi\xC3\xB1"
                                                               "a,\"\xE2\x82\xAC, \xC3\xA1\"\r\n")
                                                 << QByteArrayList { "ni\xF1o", "cami\xF3n",
                                                        "pi\xF1"
                                                        "a",
                                                        "\x80, \xE1" };
        // The last byte of UTF-8's "à" is Windows-1252's no-break space, which is dropped
        // at the edge of an item: each is taken in the encoding of its own line.
        QTest::newRow("no-break spaces and à")
            << QByteArray("\xA0ni\xF1o\xA0\r\nall\xC3\xA0\r\n\xC2\xA0pi\xC3\xB1"
                          "a\xC2\xA0\r\nall\xE0\xA0\r\n")
            << QByteArrayList { "ni\xF1o", "all\xE0",
                   "pi\xF1"
                   "a",
                   "all\xE0" };
        QTest::newRow("a quoted item over lines of both") << QByteArray("\"ni\xF1o\r\npi\xC3\xB1"
                                                                        "a\"\r\n")
                                                          << QByteArrayList { "ni\xF1o\r\npi\xF1"
                                                                              "a" };
    }
    void aListMixingEncodingsIsReadLineByLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, words);
        write("propios.TXT", bytes);
        const WordList list(folder(), "propios");
        QCOMPARE(list.count(), std::uint32_t(words.size()));
        for (int k = 1; k <= words.size(); ++k) {
            QCOMPARE(QByteArray::fromStdString(list.item(std::uint32_t(k))), words[k - 1]);
        }
    }

    void aUtf16ListIsReadAsItsUtf8Twin()
    {
        // Characters Windows-1252 lacks become "?" as in UTF-8, one for each character,
        // a pair of surrogates included; so does a surrogate without its pair.
        const QString text = QStringLiteral("\u00A0ni\u00F1o\u00A0\r\n\"a, b\"\r\n")
            + QString::fromUcs4(U"日本 \U0001F600\r\n") + QChar(0xD800) + QStringLiteral("x\r\n");
        const QByteArrayList words { "ni\xF1o", "a, b", "?? ?", "?x" };
        for (const bool bigEndian : { false, true }) {
            write("propios.TXT", utf16(text, bigEndian));
            const WordList list(folder(), "propios");
            QCOMPARE(list.count(), 4u);
            for (int k = 1; k <= words.size(); ++k) {
                QCOMPARE(QByteArray::fromStdString(list.item(std::uint32_t(k))), words[k - 1]);
            }
        }
        // The same characters in UTF-8.
        write("propios.TXT",
            "\xC2\xA0ni\xC3\xB1o\xC2\xA0\r\n\"a, b\"\r\n\xE6\x97\xA5\xE6\x9C\xAC "
            "\xF0\x9F\x98\x80\r\n");
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(
                QByteArray::fromStdString(WordList(folder(), "propios").item(std::uint32_t(k))),
                words[k - 1]);
        }

        // Its lines are counted as in any list.
        write("propios.TXT", utf16(QStringLiteral("uno\r\ndos\n\"tres\r\n"), false));
        QCOMPARE(messageOf([&] { WordList(folder(), "propios").count(); }),
            QStringLiteral("La lista de palabras tiene una comilla sin cerrar en la línea 3:"));

        // Binary bytes behind the mark are still no text, nor is UTF-32, whose mark for
        // little-endian starts like UTF-16's.
        write("propios.TXT", QByteArray("\xFF\xFE\x00\x00\x01\x02\xFF\xD8", 8));
        QCOMPARE(failureOf([&] { WordList(folder(), "propios").count(); }), Reason::NotText);
        write("propios.TXT",
            QByteArray("\xFF\xFE\x00\x00"
                       "c\0\0\0",
                8));
        QCOMPARE(failureOf([&] { WordList(folder(), "propios").count(); }), Reason::NotText);
    }

    void itemsWithoutLettersAreNoWords_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("commas") << QByteArray(",,,\r\n");
        QTest::newRow("empty quotes") << QByteArray("\"\",\"\"\r\n");
        QTest::newRow("quoted blanks") << QByteArray("\" \",\"\t\xA0\"\r\n");
        QTest::newRow("quoted UTF-8 no-break space")
            << QByteArray("\"\xC2\xA0\",\"\xC3\xB1\"\r\n,");
        QTest::newRow("quoted line breaks") << QByteArray("\"\r\n \r\n\"\r\n");
    }
    void itemsWithoutLettersAreNoWords()
    {
        QFETCH(QByteArray, bytes);
        const WordList list(folder(), "propios");
        write("propios.TXT", bytes);
        const bool oneWord = bytes.contains("\xC3\xB1");
        QCOMPARE(list.count(), oneWord ? 1u : 0u);
        if (oneWord) {
            QCOMPARE(list.item(1), std::string("\xF1"));
            QCOMPARE(failureOf([&] { list.item(2); }), Reason::Shrunk);
        } else {
            QCOMPARE(failureOf([&] { list.item(1); }), Reason::Empty);
            QCOMPARE(messageOf([&] { list.draw([](std::uint32_t n) { return n; }); }),
                QStringLiteral("La lista de palabras está vacía:"));
        }

        // Between words, they are passed over in the count and in the draw alike.
        write("propios.TXT", bytes + "casa\r\n" + bytes + "\"\xC2\" ,\" x \"\r\n" + bytes);
        QCOMPARE(list.count(), oneWord ? 6u : 3u);
        const std::vector<std::string> words = oneWord
            ? std::vector<std::string> { "\xF1", "casa", "\xF1", "\xC2", " x ", "\xF1" }
            : std::vector<std::string> { "casa", "\xC2", " x " };
        for (std::uint32_t k = 1; k <= words.size(); ++k) {
            QCOMPARE(list.item(k), words[k - 1]);
            QCOMPARE(list.draw([k](std::uint32_t) { return k; }), words[k - 1]);
        }
    }

    void theNameIsMatchedWithoutRegardToCaseWhenNeeded()
    {
        write("propios.txt", "minusculas\r\n");
        QCOMPARE(WordList(folder(), "propios").item(1), std::string("minusculas"));
        write("propios.TXT", "exacto\r\n");
        QCOMPARE(WordList(folder(), "propios").item(1), std::string("exacto"));
    }

    void theMessageSaysWhatIsWrongInAListAndOnWhichLine()
    {
        // Lines end in each way a list may end them, and a quoted item spans two lines.
        QByteArray before;
        for (int line = 1; line <= 295; ++line) {
            before += "palabra\r\n";
        }
        before += "uno\ndos\rtres\r\n\"dos\r\nlineas\"\r\n";
        QByteArray after;
        for (int line = 302; line <= 500; ++line) {
            after += "palabra\r\n";
        }
        const WordList list(folder(), "propios");

        // A quote that is never closed makes one item of all the rest of the list.
        write("propios.TXT", before + "\"sin cerrar\r\n" + after);
        const QString unclosed
            = QStringLiteral("La lista de palabras tiene una comilla sin cerrar en la línea 301:");
        QCOMPARE(messageOf([&] { list.count(); }), unclosed);
        QCOMPARE(messageOf([&] { list.item(300); }), unclosed);
        QCOMPARE(list.item(299), std::string("dos\r\nlineas"));

        write(
            "propios.TXT", before + QByteArray(WordList::kMaxItemBytes + 1, 'x') + "\r\n" + after);
        const QString tooLong
            = QStringLiteral("La lista de palabras tiene una palabra de más de %1 bytes que "
                             "empieza en la línea 301:")
                  .arg(WordList::kMaxItemBytes);
        QCOMPARE(messageOf([&] { list.count(); }), tooLong);
        QCOMPARE(messageOf([&] { list.item(300); }), tooLong);

        // However short the list, and wherever the quote left open.
        write("propios.TXT", "\"dos, tres\ncuatro\n");
        QCOMPARE(messageOf([&] { list.count(); }),
            QStringLiteral("La lista de palabras tiene una comilla sin cerrar en la línea 1:"));
        QCOMPARE(messageOf([&] { list.item(1); }),
            QStringLiteral("La lista de palabras tiene una comilla sin cerrar en la línea 1:"));
        write("propios.TXT", "uno\r\n\"dos\"\r\ntres, \"\r\n");
        QCOMPARE(messageOf([&] { list.draw([](std::uint32_t) { return 1u; }); }),
            QStringLiteral("La lista de palabras tiene una comilla sin cerrar en la línea 3:"));
        QCOMPARE(list.item(3), std::string("tres"));
        QCOMPARE(messageOf([&] { list.item(4); }),
            QStringLiteral("La lista de palabras tiene una comilla sin cerrar en la línea 3:"));

        QCOMPARE(messageOf([&] { throw WordListError(Reason::TooLarge, list.path()); }),
            QStringLiteral("La lista de palabras es demasiado grande (más de %1 MB):")
                .arg(WordList::kMaxFileBytes / (1024 * 1024)));
    }

    void theMessageNamesTheFailureAndTheFile()
    {
        const WordListError error(Reason::Empty, folder() / "propios.TXT");
        const std::string message = cp1252::toUtf8(error.message());
        QVERIFY(message.starts_with("La lista de palabras está vacía:\r"));
        QVERIFY(message.find((folder() / "propios.TXT").string()) != std::string::npos);
        QVERIFY(message.find('\n') == std::string::npos);

        // A folder named in Latin-1, as an old zip unpacks it, is named as it reads.
        const std::filesystem::path latin1 = folder()
            / "\xD1"
              "and\xFA"
            / "propios.TXT";
        QVERIFY(cp1252::toUtf8(WordListError(Reason::Missing, latin1).message())
                    .find("/Ñandú/propios.TXT\r")
            != std::string::npos);
    }
};

QTEST_APPLESS_MAIN(WordListTest)
#include "tst_wordlist.moc"
