// SPDX-License-Identifier: MIT
#include "gamefixture.h"

#include <QFile>

using namespace quimbelo;

namespace {

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer holds freed memory back on purpose; leaks are its own to report.
constexpr bool kResidentMemoryTellsLeaks = false;
#else
constexpr bool kResidentMemoryTellsLeaks = true;
#endif

// Resident memory of this process, in KiB.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

} // namespace

// Thousands of rounds in one process, every way a round can go, with memory flat.
class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void tenThousandRoundsLeaveMemoryFlat()
    {
        GameFixture f;
        f.writeList("informatica",
            "raton\r\nteclado\r\npentium 2\r\ne-mail\r\nm\xF3"
            "dem\r\n");
        f.writeList("peliculas", "Apolo 13\r\nTibur\xF3n\r\nEl se\xF1or de los anillos\r\n");
        f.writeList("propios", "ni\xF1o\r\ncasa\r\n\xE1rbol\r\n");
        f.writeList("diccionario", "abeja\r\nzorro\r\n");
        f.game.Form_Load();

        long afterWarmUp = 0;
        int wins = 0, losses = 0;
        const int rounds = 10000;
        for (int round = 1; round <= rounds; ++round) {
            f.surroundings.randoms = { float(round % 97) / 97.0f };
            if (round % 7 == 0) {
                f.form.option = 1 + round % 4;
                f.game.Option1_Click();
            }
            const std::string word = f.game.round().Solucion;
            f.form.answers = { MessageAnswer::Yes };
            switch (round % 3) {
            case 0: // letters, then the solution typed in lower case
                for (char c : std::string("EAOR")) {
                    guess(f.game, c);
                }
                solve(f.form, f.game, "x");
                f.form.text1 = word;
                f.game.Command1_Click();
                ++wins;
                break;
            case 1: // eleven misses
                for (char c : missesFor(word, 11)) {
                    guess(f.game, c);
                }
                for (int i = int(missesFor(word, 11).size()); i < 11; ++i) {
                    solve(f.form, f.game, "?");
                }
                ++losses;
                break;
            default: // typed keys, then a new round from the menu
                for (int key : { int('m'), 0xF1, int('2'), int('x'), int('E') }) {
                    f.game.Letra_KeyPress(0, static_cast<std::int16_t>(key));
                }
                f.game.MnNuevoJuego_Click();
                break;
            }
            QVERIFY(!f.game.ended());
            QCOMPARE(f.form.unansweredQuestions, 0);
            f.form.shown.clear();
            f.surroundings.reseeds.clear(); // the fake's own records, not the game's memory
            f.surroundings.calls.clear();
            if (round == 100) {
                afterWarmUp = residentKiB();
            }
        }
        QCOMPARE(f.form.caption(Caption::Label6), std::to_string(wins));
        QVERIFY(losses > 3000);
        if (kResidentMemoryTellsLeaks) {
            const long growth = residentKiB() - afterWarmUp;
            qInfo("resident memory after round 100: %ld KiB; growth by round %d: %ld KiB",
                afterWarmUp, rounds, growth);
            QVERIFY2(growth < 128, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth)));
        }
    }
};

QTEST_APPLESS_MAIN(SoakTest)
#include "tst_soak.moc"
