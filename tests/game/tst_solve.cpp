// SPDX-License-Identifier: MIT
#include "gamefixture.h"

using namespace quimbelo;

class SolveTest : public QObject
{
    Q_OBJECT

private slots:
    void aCorrectSolutionInAnyCaseWins()
    {
        GameFixture f;
        f.loadWithWord("cami\xF3n");
        f.form.answers = { MessageAnswer::Yes };
        solve(f.form, f.game, "Cami\xF3N");

        QCOMPARE(int(f.form.shown.size()), 2);
        const auto &report = f.form.shown[0];
        QCOMPARE(report.style, MessageStyle::Information);
        QCOMPARE(report.text,
            std::string("Correcto\rLa soluci\xF3n era: \r CAMI\xD3N \rNumero de intentos: "
                        "1\rNumero de fallos: 0"));
        QCOMPARE(report.solveBox, std::string("CAMI\xD3N"));
        QCOMPARE(report.display, std::string("CAMI\xD3N"));
        QCOMPARE(report.wordsGuessed, std::string("0"));
        QCOMPARE(f.form.shown[1].wordsGuessed, std::string("1"));
        QCOMPARE(f.form.text1, std::string());
        QCOMPARE(f.form.caption(Caption::Label6), std::string("1"));
        QCOMPARE(f.form.caption(Caption::Label4), std::string("0"));
    }

    void aWinLeavesTheGallowsAsItWas()
    {
        GameFixture f;
        f.loadWithWord("sol");
        guess(f.game, 'Z');
        guess(f.game, 'X');
        f.form.answers = { MessageAnswer::No };
        solve(f.form, f.game, "sol");
        QCOMPARE(f.form.stage, 2);
        QCOMPARE(f.form.caption(Caption::Label5), std::string("2"));
        QCOMPARE(f.form.shown[0].text,
            std::string("Correcto\rLa soluci\xF3n era: \r SOL \rNumero de intentos: 3\rNumero de "
                        "fallos: 2"));
        QVERIFY(f.game.ended());
        QCOMPARE(f.form.text1, std::string("SOL")); // nothing runs after No
    }

    void nearMissesAreMisses_data()
    {
        QTest::addColumn<QByteArray>("typed");
        QTest::newRow("missing accent") << QByteArray("CAMION");
        QTest::newRow("leading space") << QByteArray(" cami\xF3n");
        QTest::newRow("trailing space") << QByteArray("cami\xF3n ");
        QTest::newRow("N for Ñ") << QByteArray("CAMI\xD3\xD1");
        QTest::newRow("empty") << QByteArray("");
    }
    void nearMissesAreMisses()
    {
        QFETCH(QByteArray, typed);
        GameFixture f;
        f.loadWithWord("cami\xF3n");
        solve(f.form, f.game, typed.toStdString());
        QCOMPARE(int(f.form.shown.size()), 1);
        QCOMPARE(f.form.shown[0].text, std::string("No es correcto"));
        QCOMPARE(f.form.shown[0].style, MessageStyle::Critical);
        QCOMPARE(f.form.shown[0].solveBox, cp1252::toUpper(typed.toStdString()));
        QCOMPARE(f.form.caption(Caption::Label4), std::string("1"));
        QCOMPARE(f.form.caption(Caption::Label5), std::string("1"));
        QCOMPARE(f.form.stage, 1);
        QCOMPARE(f.form.text1, std::string());
        QCOMPARE(f.form.display(), std::string("------"));
    }

    void aWordLettersCannotCompleteIsWonBySolving()
    {
        GameFixture f;
        f.loadWithWord("\xE1rbol");
        for (char c : std::string("ARBOL")) {
            guess(f.game, c);
        }
        QCOMPARE(f.form.display(), std::string("-RBOL"));
        f.form.answers = { MessageAnswer::Yes };
        solve(f.form, f.game, "\xC1rbol");
        QCOMPARE(f.form.caption(Caption::Label6), std::string("1"));
    }

    void anAttemptAtStageTenLosesAfterItsNotice()
    {
        GameFixture f;
        f.loadWithWord("o");
        for (int i = 0; i < 9; ++i) {
            solve(f.form, f.game, "x");
        }
        QCOMPARE(f.form.stage, 9);
        solve(f.form, f.game, "x"); // stage 9 to 10 does not lose
        QCOMPARE(f.form.stage, 10);
        QCOMPARE(int(f.form.shown.size()), 10);

        f.form.answers = { MessageAnswer::Yes };
        solve(f.form, f.game, "y");
        QCOMPARE(int(f.form.shown.size()), 13);
        QCOMPARE(f.form.shown[10].text, std::string("No es correcto"));
        QCOMPARE(f.form.shown[10].display, std::string("-"));
        QCOMPARE(f.form.shown[11].style, MessageStyle::Critical);
        QCOMPARE(f.form.shown[11].text,
            std::string("Has perdido\rLa soluci\xF3n era: \r O \rNumero de intentos: 11\rNumero de "
                        "fallos: 10"));
        QCOMPARE(f.form.shown[11].display, std::string("O"));
        QCOMPARE(f.form.shown[12].style, MessageStyle::YesNo);

        QCOMPARE(f.game.round().Fallos, 0.0f);
        QCOMPARE(f.game.round().Etapa, 0.0f);
        QCOMPARE(f.form.stage, 0);
        QCOMPARE(f.form.caption(Caption::Label5), std::string("0"));
        QCOMPARE(f.form.caption(Caption::Label6), std::string("0"));
        QCOMPARE(f.form.text1, std::string());
    }

    void noAfterALossEndsAtOnce()
    {
        GameFixture f;
        f.loadWithWord("o");
        for (char c : missesFor("O", 10)) {
            guess(f.game, c);
        }
        f.form.answers = { MessageAnswer::No };
        solve(f.form, f.game, "nada");
        QVERIFY(f.game.ended());
        QCOMPARE(f.form.endRequests, 1);
        QCOMPARE(f.form.text1, std::string("NADA"));
        QCOMPARE(f.form.caption(Caption::Label11), std::string("1"));
    }

    // A question box closed without an answer (Esc or the close box, where the system
    // allows it) is asked again: only No ends the game, so the counters are never lost.
    void aDismissedQuestionIsAskedAgain_data()
    {
        QTest::addColumn<bool>("playOn");
        QTest::newRow("then Yes") << true;
        QTest::newRow("then No") << false;
    }
    void aDismissedQuestionIsAskedAgain()
    {
        QFETCH(bool, playOn);
        GameFixture f;
        f.loadWithWord("sol");
        f.form.answers = { MessageAnswer::Dismissed, MessageAnswer::Dismissed,
            playOn ? MessageAnswer::Yes : MessageAnswer::No };
        solve(f.form, f.game, "sol");

        QCOMPARE(int(f.form.shown.size()), 4);
        for (int i = 1; i < 4; ++i) {
            QCOMPARE(f.form.shown[i].style, MessageStyle::YesNo);
            QCOMPARE(f.form.shown[i].text, std::string("\xBFQuieres jugar otra vez?"));
        }
        QCOMPARE(f.form.unansweredQuestions, 0);
        QCOMPARE(f.game.ended(), !playOn);
        QCOMPARE(f.form.endRequests, playOn ? 0 : 1);
        QCOMPARE(f.form.caption(Caption::Label6), std::string("1"));
        QCOMPARE(f.form.caption(Caption::Label11), std::string(playOn ? "2" : "1"));
        QCOMPARE(f.form.text1, std::string(playOn ? "" : "SOL"));
    }
};

QTEST_APPLESS_MAIN(SolveTest)
#include "tst_solve.moc"
