// SPDX-License-Identifier: MIT
#include "gamefixture.h"

using namespace quimbelo;

// The blinking decorations, the menu commands and the mail links.
class DecorationsTest : public QObject
{
    Q_OBJECT

private slots:
    void timer1AlternatesTheBannerAndFlashesTheAddress()
    {
        GameFixture f;
        f.loadWithWord("casa");
        const PictureId fifth = f.form.image5, sixth = f.form.image6;
        const std::pair<PictureId, Rgb> expected[] = { { fifth, 0xFF0000 }, { sixth, 0x000000 },
            { fifth, 0xFF0000 }, { sixth, 0x000000 } };
        for (const auto &[picture, colour] : expected) {
            f.game.Timer1_Timer();
            QCOMPARE(f.form.image4, picture);
            QCOMPARE(f.form.colours[ColourLabel::Label15], colour);
            f.game.MnNuevoJuego_Click(); // a new round touches neither
        }
        QCOMPARE(f.form.image5, fifth);
        QCOMPARE(f.form.image6, sixth);
    }

    void timer2FlashesNovedadYellowAndRed()
    {
        GameFixture f;
        f.loadWithWord("casa");
        const Rgb expected[] = { 0xFF0000, 0xFFFF00, 0xFF0000, 0xFFFF00 };
        for (Rgb colour : expected) {
            f.game.Timer2_Timer();
            QCOMPARE(f.form.colours[ColourLabel::Label12], colour);
        }
        f.form.colours[ColourLabel::Label12] = 0x123456;
        f.game.Timer2_Timer();
        QCOMPARE(f.form.colours[ColourLabel::Label12], Rgb(0xFFFF00));
    }

    void salirEndsTheProgram()
    {
        GameFixture f;
        f.loadWithWord("casa");
        f.game.MnSalir_Click();
        QVERIFY(f.game.ended());
        QCOMPARE(f.form.endRequests, 1);
        f.game.Timer2_Timer();
        QCOMPARE(f.form.colours[ColourLabel::Label12], Rgb(0xFFFF00));
    }

    void theHelpFileIsHandedOverAsOnePath()
    {
        GameFixture f;
        f.loadWithWord("casa");
        f.surroundings.folder = "/opt/mis juegos/a\"b;$(rm -rf x)";
        f.game.MnAyuda2_Click();
        f.surroundings.folder = "/";
        f.game.MnAyuda2_Click();
        QCOMPARE(f.surroundings.openedFiles,
            (std::vector<std::string> {
                "/opt/mis juegos/a\"b;$(rm -rf x)/leeme.txt", "/leeme.txt" }));
    }

    void thePicturesOpenMailMessages()
    {
        GameFixture f;
        f.loadWithWord("casa");
        f.game.Image2_Click();
        f.game.Image4_Click();
        QCOMPARE(f.surroundings.openedLinks.size(), std::size_t(2));
        QVERIFY(f.surroundings.openedLinks[0].starts_with("mailto:")
            && f.surroundings.openedLinks[0].ends_with(".example"));
        QVERIFY(f.surroundings.openedLinks[1].starts_with("mailto:")
            && f.surroundings.openedLinks[1] != f.surroundings.openedLinks[0]);
        QVERIFY(f.form.shown.empty());
        QCOMPARE(f.form.caption(Caption::Label11), std::string("1"));
    }
};

QTEST_APPLESS_MAIN(DecorationsTest)
#include "tst_decorations.moc"
