// SPDX-License-Identifier: MIT
#include "gamefixture.h"

using namespace quimbelo;

namespace {
const std::string question = "\xBFQuieres jugar otra vez?";
}

class LetterGuessTest : public QObject
{
    Q_OBJECT

private slots:
    void aHitRevealsEveryPositionOfItsLetter()
    {
        GameFixture f;
        f.loadWithWord("perro");
        guess(f.game, 'R');
        QCOMPARE(f.form.display(), std::string("--RR-"));
        QCOMPARE(f.form.caption(Caption::Label4), std::string("1"));
        QCOMPARE(f.form.caption(Caption::Label5), std::string("0"));
        QCOMPARE(f.form.stage, 0);
        QVERIFY(!f.form.enabled[keyOf('R')]);
        QVERIFY(f.form.shown.empty());
    }

    void aMissAddsATryAFailureAndAStage()
    {
        GameFixture f;
        f.loadWithWord("perro");
        guess(f.game, 'Z');
        QCOMPARE(f.form.display(), std::string("-----"));
        QCOMPARE(f.form.caption(Caption::Label4), std::string("1"));
        QCOMPARE(f.form.caption(Caption::Label5), std::string("1"));
        QCOMPARE(f.form.stage, 1);
        QVERIFY(!f.form.enabled[keyOf('Z')]);
    }

    void lettersMatchOnlyIdenticalCharacters()
    {
        GameFixture f;
        f.loadWithWord("ca\xF1\xF3n"); // cañón
        guess(f.game, 'N');
        guess(f.game, 'O');
        QCOMPARE(f.form.display(), std::string("----N"));
        QCOMPARE(f.form.caption(Caption::Label5), std::string("1"));
        guess(f.game, '\xD1');
        QCOMPARE(f.form.display(), std::string("--\xD1-N"));
        guess(f.game, 'C');
        guess(f.game, 'A');
        // "Ó" can only be won by solving.
        QCOMPARE(f.form.display(), std::string("CA\xD1-N"));
        QVERIFY(f.form.shown.empty());
    }

    void tenMissesAreSurvivedAndTheEleventhLoses()
    {
        GameFixture f;
        f.loadWithWord("o");
        const std::string misses = missesFor("O", 11);
        for (int i = 0; i < 10; ++i) {
            guess(f.game, misses[i]);
            QCOMPARE(f.form.stage, i + 1);
        }
        QVERIFY(f.form.shown.empty());
        QCOMPARE(f.form.caption(Caption::Label5), std::string("10"));

        f.form.answers = { MessageAnswer::Yes };
        guess(f.game, misses[10]);
        QCOMPARE(int(f.form.shown.size()), 2);
        const auto &report = f.form.shown[0];
        QCOMPARE(report.style, MessageStyle::Critical);
        QCOMPARE(report.text,
            std::string("Has perdido\rLa soluci\xF3n era: \r O \rNumero de intentos: 11\rNumero de "
                        "fallos: 10"));
        QCOMPARE(report.display, std::string("O"));
        QCOMPARE(f.form.shown[1].text, question);
        QCOMPARE(f.form.shown[1].style, MessageStyle::YesNo);

        // The losing miss leaves no trace in the new round.
        QCOMPARE(f.game.round().Fallos, 0.0f);
        QCOMPARE(f.game.round().Etapa, 0.0f);
        QCOMPARE(f.form.stage, 0);
        QCOMPARE(f.form.caption(Caption::Label5), std::string("0"));
        QCOMPARE(f.form.caption(Caption::Label11), std::string("2"));
        QCOMPARE(f.form.caption(Caption::Label6), std::string("0"));
        QCOMPARE(f.form.enabledCount(), kLetraCount);
    }

    void lettersAndSolveAttemptsMissTowardsOneGallows()
    {
        GameFixture f;
        f.loadWithWord("o");
        const std::string misses = missesFor("O", 6);
        for (int i = 0; i < 5; ++i) {
            guess(f.game, misses[i]);
            solve(f.form, f.game, "mal");
        }
        QCOMPARE(f.form.stage, 10);
        QCOMPARE(f.form.caption(Caption::Label5), std::string("10"));
        const std::size_t notices = f.form.shown.size();
        QCOMPARE(notices, std::size_t(5));

        guess(f.game, misses[5]);
        QCOMPARE(f.form.shown.size(), notices + 2);
        QVERIFY(f.form.shown[notices].text.starts_with("Has perdido\r"));
        QVERIFY(f.game.ended()); // no answer given: No
    }

    void aHitOnTheLastStageDoesNotLose()
    {
        GameFixture f;
        f.loadWithWord("oso");
        for (char c : missesFor("OS", 10)) {
            guess(f.game, c);
        }
        QCOMPARE(f.form.stage, 10);
        guess(f.game, 'O');
        QVERIFY(f.form.shown.empty());
        QCOMPARE(f.form.display(), std::string("O-O"));

        f.form.answers = { MessageAnswer::Yes };
        guess(f.game, 'S');
        QCOMPARE(f.form.shown[0].style, MessageStyle::Information);
        QCOMPARE(f.form.shown[0].text,
            std::string("Correcto\rLa soluci\xF3n era: \r OSO \rNumero de intentos: 12\rNumero de "
                        "fallos: 10"));
    }

    void aWinIsReportedThenCountedThenAQuestionIsAsked()
    {
        GameFixture f;
        f.loadWithWord("perro");
        guess(f.game, 'Z');
        guess(f.game, 'P');
        guess(f.game, 'E');
        guess(f.game, 'O');
        f.form.answers = { MessageAnswer::Yes };
        guess(f.game, 'R');

        QCOMPARE(int(f.form.shown.size()), 2);
        QCOMPARE(f.form.shown[0].text,
            std::string("Correcto\rLa soluci\xF3n era: \r PERRO \rNumero de intentos: 5\rNumero de "
                        "fallos: 1"));
        QCOMPARE(f.form.shown[0].title, std::string("Quimbelo"));
        QCOMPARE(f.form.shown[0].display, std::string("PERRO"));
        QCOMPARE(f.form.shown[0].wordsGuessed, std::string("0"));
        QCOMPARE(f.form.shown[1].wordsGuessed, std::string("1"));
        QCOMPARE(f.form.shown[1].title, std::string("Quimbelo"));

        QCOMPARE(f.form.caption(Caption::Label6), std::string("1"));
        QCOMPARE(f.form.caption(Caption::Label11), std::string("2"));
        QCOMPARE(f.form.caption(Caption::Label4), std::string("0"));
        QCOMPARE(f.form.stage, 0);
        QCOMPARE(f.form.enabledCount(), kLetraCount);
        QCOMPARE(f.form.display(), std::string("-----"));
    }

    void noEndsTheProgramAndNothingRunsAfterIt()
    {
        GameFixture f;
        f.loadWithWord("a");
        f.form.answers = { MessageAnswer::No };
        guess(f.game, 'A');
        QVERIFY(f.game.ended());
        QCOMPARE(f.form.endRequests, 1);
        QCOMPARE(f.form.caption(Caption::Label11), std::string("1"));
        QCOMPARE(f.form.display(), std::string("A"));

        guess(f.game, 'B');
        f.game.MnNuevoJuego_Click();
        QCOMPARE(int(f.form.shown.size()), 2);
        QCOMPARE(f.form.caption(Caption::Label4), std::string("1"));
    }

    void typedCharactersGuessThroughTheirKey_data()
    {
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("a") << int('a') << 10;
        QTest::newRow("A") << int('A') << 10;
        QTest::newRow("ñ") << 0xF1 << 19;
        QTest::newRow("Ñ") << 0xD1 << 19;
        QTest::newRow("m, wherever the focus") << int('m') << 26;
        QTest::newRow("7") << int('7') << 27;
        QTest::newRow("0") << int('0') << 36;
    }
    void typedCharactersGuessThroughTheirKey()
    {
        QFETCH(int, typed);
        QFETCH(int, key);
        GameFixture f;
        f.loadWithWord("xyz");
        f.game.Letra_KeyPress(0, static_cast<std::int16_t>(typed));
        QCOMPARE(f.form.caption(Caption::Label4), std::string("1"));
        QVERIFY(!f.form.enabled[key]);
        QCOMPARE(f.form.enabledCount(), kLetraCount - 1);
    }

    void keysThatNameNoEnabledButtonDoNothing()
    {
        GameFixture f;
        f.loadWithWord("xyz");
        f.game.Letra_KeyPress(5, 'q');
        for (int typed : { int('q'), int(' '), 13, 8, 27, int(','), 0xE1, 0xC1, -1, 300 }) {
            f.game.Letra_KeyPress(5, static_cast<std::int16_t>(typed));
        }
        QCOMPARE(f.form.caption(Caption::Label4), std::string("1"));
        QCOMPARE(f.form.caption(Caption::Label5), std::string("1"));
    }

    void aKeyThatEndsTheProgramStopsTheLoop()
    {
        GameFixture f;
        f.loadWithWord("m");
        f.form.answers = { MessageAnswer::No };
        f.game.Letra_KeyPress(0, 'm');
        QCOMPARE(f.form.endRequests, 1);
        QCOMPARE(int(f.form.shown.size()), 2);
    }

    void aKeyThatStartsANewRoundMakesNoSecondGuess()
    {
        GameFixture f;
        f.loadWithWord("a");
        f.form.answers = { MessageAnswer::Yes };
        f.game.Letra_KeyPress(0, 'a');
        QCOMPARE(f.form.caption(Caption::Label4), std::string("0"));
        QCOMPARE(f.form.enabledCount(), kLetraCount);
    }
};

QTEST_APPLESS_MAIN(LetterGuessTest)
#include "tst_letterguess.moc"
