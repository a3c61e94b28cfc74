// SPDX-License-Identifier: MIT
#include "gamefixture.h"
#include "randomsource.h"

using namespace quimbelo;

class NewRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void loadingStartsTheFirstRoundFromTheComputingList()
    {
        GameFixture f;
        f.writeList("informatica", "pentium 2\r\n");
        f.form.captions[Caption::Label7] = "Label7";
        f.game.Form_Load();

        QCOMPARE(f.game.round().Archivo, std::string("informatica"));
        QCOMPARE(f.game.round().Solucion, std::string("PENTIUM 2"));
        QCOMPARE(f.form.display(), std::string("------- -"));
        QCOMPARE(f.form.caption(Caption::Label7), std::string("9"));
        QCOMPARE(f.form.caption(Caption::Label11), std::string("1"));
        QCOMPARE(f.form.caption(Caption::Label6), std::string("0"));
        QCOMPARE(f.form.caption(Caption::Label4), std::string("0"));
        QCOMPARE(f.form.caption(Caption::Label5), std::string("0"));
        QCOMPARE(f.form.enabledCount(), kLetraCount);
        QCOMPARE(f.form.stage, 0);
        QVERIFY(f.form.shown.empty());
        QVERIFY(!f.game.ended());
    }

    void theDrawnItemIsUpperCasedAndMasked_data()
    {
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("mask");
        QTest::newRow("words") << QByteArray("la casa azul") << QByteArray("LA CASA AZUL")
                               << QByteArray("-- ---- ----");
        QTest::newRow("hyphen") << QByteArray("e-mail") << QByteArray("E-MAIL")
                                << QByteArray("------");
        QTest::newRow("ñ and accents")
            << QByteArray("ni\xF1o cami\xF3n") << QByteArray("NI\xD1O CAMI\xD3N")
            << QByteArray("---- ------");
        QTest::newRow("signs") << QByteArray("rock'n roll!") << QByteArray("ROCK'N ROLL!")
                               << QByteArray("------ -----");
        QTest::newRow("no-break space and tab")
            << QByteArray("la\xA0mesa\tazul") << QByteArray("LA MESA AZUL")
            << QByteArray("-- ---- ----");
    }
    void theDrawnItemIsUpperCasedAndMasked()
    {
        QFETCH(QByteArray, item);
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, mask);
        GameFixture f;
        f.loadWithWord(item.toStdString());
        QCOMPARE(QByteArray::fromStdString(f.game.round().Solucion), word);
        QCOMPARE(QByteArray::fromStdString(f.form.display()), mask);
        QCOMPARE(f.form.caption(Caption::Label7), std::to_string(word.size()));
    }

    void theDrawIsFloorOfCountTimesRPlusOne_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<QByteArray>("word");
        QTest::newRow("0 gives the first") << 0.0f << QByteArray("UNO");
        QTest::newRow("just under 0.2 still the first") << 0.19999f << QByteArray("UNO");
        QTest::newRow("0.2 the second") << 0.2f << QByteArray("DOS");
        QTest::newRow("0.5 the third") << 0.5f << QByteArray("TRES");
        QTest::newRow("largest r below 1 the last") << 0.99999994f << QByteArray("CINCO");
    }
    void theDrawIsFloorOfCountTimesRPlusOne()
    {
        QFETCH(float, r);
        QFETCH(QByteArray, word);
        GameFixture f;
        f.writeList("informatica", "uno\r\ndos\r\ntres\r\ncuatro\r\ncinco\r\n");
        f.surroundings.randoms = { r };
        f.game.Form_Load();
        QCOMPARE(QByteArray::fromStdString(f.game.round().Solucion), word);
    }

    void everyRoundReseedsFromTheTimeOfDay()
    {
        GameFixture f;
        f.loadWithWord("casa");
        f.surroundings.clock = 100.5;
        f.game.MnNuevoJuego_Click();
        QCOMPARE(f.surroundings.reseeds, (std::vector<double> { 43200.25, 100.5 }));
        // The reseed comes before the draw, or every start would draw the same first word.
        QCOMPARE(f.surroundings.calls,
            (std::vector<std::string> { "reseed", "draw", "reseed", "draw" }));
    }

    void theRealSourceDrawsFromTheTimeItIsReseededWith()
    {
        struct Real : LocalSurroundings
        {
            std::string programFolder() const override { return {}; }
            void openTextFile(const std::string &) override { }
            void openMailLink(const std::string &) override { }
        } real;
        const auto draws = [&real](double seconds) {
            real.reseedRandom(seconds);
            std::vector<float> values;
            for (int i = 0; i < 8; ++i) {
                values.push_back(real.nextRandom());
            }
            return values;
        };
        const std::vector<float> first = draws(43200.25);
        for (float value : first) {
            QVERIFY(value >= 0.0f && value < 1.0f);
        }
        QCOMPARE(draws(43200.25), first);
        QVERIFY(draws(43200.5) != first);
        const double now = real.secondsSinceMidnight();
        QVERIFY(now >= 0.0 && now < 86400.0);
    }

    void realDrawsAreUniform()
    {
        // "uno, dos" is one line but two items; each comes up about half of the time.
        GameFixture f;
        f.writeList("informatica", "uno, dos\r\n");
        RandomSource source;
        int dos = 0;
        const int rounds = 2000;
        for (int i = 0; i < rounds; ++i) {
            source.reseed(30000.0 + i * 0.015625);
            f.surroundings.randoms = { source.next() };
            f.game.MnNuevoJuego_Click();
            dos += f.game.round().Solucion == "DOS" ? 1 : 0;
            QVERIFY(f.game.round().Solucion == "DOS" || f.game.round().Solucion == "UNO");
        }
        QVERIFY2(dos > 900 && dos < 1100, qPrintable(QString::number(dos)));
    }

    void aOneItemListAlwaysYieldsItsItem()
    {
        GameFixture f;
        f.writeList("informatica", "solo\r\n");
        RandomSource source;
        for (int i = 0; i < 50; ++i) {
            source.reseed(i * 1.5);
            f.surroundings.randoms = { source.next() };
            f.game.MnNuevoJuego_Click();
            QCOMPARE(f.game.round().Solucion, std::string("SOLO"));
        }
    }

    void anItemWithoutLettersIsNeverDrawn()
    {
        // Empty items and blank quoted ones are no words: they are not counted, and every
        // round shows a word and its length.
        GameFixture f;
        f.writeList("informatica", ",casa,\"\"\r\n\" \",x,\r\n");
        f.form.captions[Caption::Label7] = "Label7";
        f.game.Form_Load();
        QCOMPARE(f.game.round().Solucion, std::string("CASA"));
        QCOMPARE(f.form.caption(Caption::Label7), std::string("4"));
        for (const float r : { 0.0f, 0.3f, 0.49f, 0.5f, 0.7f, 0.99f }) {
            f.surroundings.randoms = { r };
            f.game.MnNuevoJuego_Click();
            QCOMPARE(f.game.round().Solucion, std::string(r < 0.5f ? "CASA" : "X"));
            QCOMPARE(f.form.display(), std::string(r < 0.5f ? "----" : "-"));
            QCOMPARE(f.form.caption(Caption::Label7), std::string(r < 0.5f ? "4" : "1"));
        }
    }

    void aNewRoundReplacesTheRoundInProgress()
    {
        GameFixture f;
        f.loadWithWord("xyz");
        for (char c : std::string("QWERTX")) {
            guess(f.game, c);
        }
        f.form.text1 = "algo";
        QCOMPARE(f.form.stage, 5);
        QCOMPARE(f.form.enabledCount(), kLetraCount - 6);

        f.game.MnNuevoJuego_Click();
        QCOMPARE(f.form.enabledCount(), kLetraCount);
        QCOMPARE(f.form.stage, 0);
        QCOMPARE(f.form.caption(Caption::Label4), std::string("0"));
        QCOMPARE(f.form.caption(Caption::Label5), std::string("0"));
        QCOMPARE(f.form.caption(Caption::Label11), std::string("2"));
        QCOMPARE(f.form.caption(Caption::Label6), std::string("0"));
        QCOMPARE(f.form.text1, std::string());
        QCOMPARE(f.form.display(), std::string("---"));
        QCOMPARE(f.game.round().Intentos, 0.0f);
        QCOMPARE(f.game.round().Fallos, 0.0f);
        QCOMPARE(f.game.round().Etapa, 0.0f);
    }

    void pickingAThemeDrawsFromItsListWithoutCountingAGame()
    {
        GameFixture f;
        f.writeList("informatica", "raton\r\n");
        f.writeList("propios", "perro\r\n");
        f.writeList("peliculas", "tiburon\r\n");
        f.writeList("diccionario", "abeja\r\n");
        f.game.Form_Load();
        guess(f.game, 'Z');

        const std::pair<int, const char *> themes[]
            = { { 2, "peliculas" }, { 4, "diccionario" }, { 1, "propios" }, { 3, "informatica" } };
        for (const auto &[option, list] : themes) {
            f.form.option = option;
            f.game.Option2_Click(); // the four handlers are one
            QCOMPARE(f.game.round().Archivo, std::string(list));
            QCOMPARE(f.form.caption(Caption::Label11), std::string("1"));
            QCOMPARE(f.form.caption(Caption::Label4), std::string("0"));
            QCOMPARE(f.form.enabledCount(), kLetraCount);
            QVERIFY(f.form.focusOnFirstLetra);
        }
        QCOMPARE(f.game.round().Solucion, std::string("RATON"));
    }

    void aThemeChangeAfterQWasTriedStillPutsTheFocusOnQ()
    {
        GameFixture f;
        f.loadWithWord("casa");
        guess(f.game, 'Q');
        f.game.Option1_Click();
        QVERIFY(!f.game.ended());
        QCOMPARE(f.form.focusRequests, 2);
        QVERIFY(f.form.focusOnFirstLetra);
    }

    void aListThatFailsEndsTheProgramWithAMessage_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("missing") << QByteArray() << false
                                 << QStringLiteral("No se encuentra la lista de palabras:");
        QTest::newRow("empty") << QByteArray() << true
                               << QStringLiteral("La lista de palabras está vacía:");
        QTest::newRow("blank lines only")
            << QByteArray("\r\n\r\n") << true << QStringLiteral("La lista de palabras está vacía:");
        QTest::newRow("commas only")
            << QByteArray(",,,\r\n") << true << QStringLiteral("La lista de palabras está vacía:");
        QTest::newRow("empty quotes only") << QByteArray("\"\",\"\"\r\n") << true
                                           << QStringLiteral("La lista de palabras está vacía:");
        QTest::newRow("a short list with an unclosed quote")
            << QByteArray("\"dos, tres\ncuatro\n") << true
            << QStringLiteral("La lista de palabras tiene una comilla sin cerrar en la línea 1:");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02",
            3) << true << QStringLiteral("La lista de palabras no es un archivo de texto:");
    }
    void aListThatFailsEndsTheProgramWithAMessage()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, exists);
        QFETCH(QString, firstLine);
        GameFixture f;
        if (exists) {
            f.writeList("informatica", contents.toStdString());
        }
        f.game.Form_Load();
        QVERIFY(f.game.ended());
        QVERIFY(f.game.failed());
        QCOMPARE(f.form.endRequests, 1);
        QCOMPARE(int(f.form.shown.size()), 1);
        QCOMPARE(f.form.shown[0].style, MessageStyle::Critical);
        QCOMPARE(f.form.shown[0].title, std::string("Quimbelo"));
        const QString text = QString::fromStdString(cp1252::toUtf8(f.form.shown[0].text));
        QCOMPARE(text.section('\r', 0, 0), firstLine);
        QVERIFY(text.contains("informatica.TXT"));

        // Nothing runs once the program has ended.
        f.game.MnNuevoJuego_Click();
        f.game.Letra_KeyPress(0, 'a');
        f.game.Command1_Click();
        f.game.Option1_Click();
        QCOMPARE(f.form.caption(Caption::Label11), std::string("1"));
        QCOMPARE(int(f.form.shown.size()), 1);
        QCOMPARE(f.form.endRequests, 1);
    }

    void aListSavedBetweenItsCountAndItsReadingIsReadAgain()
    {
        // An editor saving the list in place while the round starts: the drawn position
        // is past the end of the list on the second reading. Every reading reseeds the
        // source and draws afresh; a list that keeps changing is reported in the end.
        const std::vector<std::string> savedLists = { "uno\r\ndos\r\n", "uno\r\n", "" };
        for (const int saves : { 1, 3 }) {
            GameFixture f;
            f.writeList("informatica", "uno\r\ndos\r\ntres\r\n");
            f.surroundings.randoms = { 0.9f, 0.9f, 0.9f, 0.9f }; // the last item
            std::vector<std::size_t> reseedsBeforeDraw;
            f.surroundings.onNextRandom = [&] {
                const std::size_t draws = reseedsBeforeDraw.size();
                if (draws < std::size_t(saves)) {
                    f.writeList("informatica", savedLists[draws]);
                }
                reseedsBeforeDraw.push_back(f.surroundings.reseeds.size());
            };
            f.surroundings.clock = 100.0;
            f.game.Form_Load();
            if (saves == 1) {
                QVERIFY(!f.game.ended());
                QCOMPARE(f.game.round().Solucion, std::string("DOS"));
                QCOMPARE(reseedsBeforeDraw, (std::vector<std::size_t> { 1, 2 }));
                QVERIFY(f.form.shown.empty());
            } else {
                QVERIFY(f.game.ended());
                QCOMPARE(reseedsBeforeDraw, (std::vector<std::size_t> { 1, 2, 3 }));
                QCOMPARE(f.surroundings.reseeds, (std::vector<double> { 100.0, 100.0, 100.0 }));
                QCOMPARE(int(f.form.shown.size()), 1);
                const QString text = QString::fromStdString(cp1252::toUtf8(f.form.shown[0].text));
                QCOMPARE(text.section('\r', 0, 0),
                    QStringLiteral("La lista de palabras ha cambiado mientras se leía y tiene "
                                   "menos palabras:"));
            }
        }
    }

#ifndef Q_OS_WIN
    void aPipeInPlaceOfTheListIsReportedWithoutWaiting()
    {
        GameFixture f;
        const QString pipe = f.path("informatica.TXT");
        QCOMPARE(::mkfifo(qPrintable(pipe), 0600), 0);
        QVERIFY(endsWithoutWaiting(pipe, [&] { f.game.Form_Load(); }));
        QVERIFY(f.game.ended());
        QCOMPARE(int(f.form.shown.size()), 1);
        const QString text = QString::fromStdString(cp1252::toUtf8(f.form.shown[0].text));
        QCOMPARE(
            text.section('\r', 0, 0), QStringLiteral("La lista de palabras no es un archivo:"));
    }
#endif

    void aListThatDisappearsBetweenRoundsEndsTheProgram()
    {
        GameFixture f;
        f.loadWithWord("casa");
        f.form.option = 1; // propios, which does not exist
        f.game.Option1_Click();
        QVERIFY(f.game.ended());
        QCOMPARE(f.form.endRequests, 1);
    }
};

QTEST_APPLESS_MAIN(NewRoundTest)
#include "tst_newround.moc"
