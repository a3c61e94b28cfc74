// SPDX-License-Identifier: MIT
// Draws pictures the program shows as soon as it starts, at the size each is shown on a
// screen of device pixel ratio 1, for the program to keep as resources: the splash's,
// whose first frame then copies their pixels instead of parsing and drawing the vector
// sources, and the wordmark as the game window shows it, the longest of the steps that
// prepare that window behind the splash (see Picture::image()).
//   drawpictures OUTPUT_DIR   writes OUTPUT_DIR/NAME for each picture, NAME its name
#include "form1.h"
#include "picture.h"
#include "pictures.h"
#include "splash.h"
#include "twips.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMap>

#include <cstdio>

using namespace quimbelo::qt;

namespace design = quimbelo::design;

namespace {

QSize shownSize(const design::Control &control, const Picture &picture)
{
    return control.has(design::kStretched) ? twips::rect(control.place).size()
                                           : picture.designSize();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: drawpictures OUTPUT_DIR\n");
        return 2;
    }
    QMap<QString, QList<QImage>> drawn;
    for (const design::Control &control : design::splash::kControls) {
        if (control.kind == design::Kind::Image && control.picture != design::Picture::None) {
            const Picture::Ptr picture = pictures::make(control.picture, control.index);
            drawn[picture->name()] << picture->draw(shownSize(control, *picture));
        }
    }
    // The game window shows the splash's wordmark in Image7.
    const Picture::Ptr wordmark = pictures::make(design::Picture::Wordmark);
    drawn[wordmark->name()] << wordmark->draw(
        shownSize(design::get(design::form1::kWindow, "Image7"), *wordmark));

    QDir().mkpath(args[1]);
    for (auto it = drawn.cbegin(); it != drawn.cend(); ++it) {
        QFile out(args[1] + QLatin1Char('/') + it.key());
        if (it.key().isEmpty() || !out.open(QIODevice::WriteOnly)
            || out.write(encodeDrawn(it.value())) < 0) {
            std::fprintf(stderr, "drawpictures: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}
