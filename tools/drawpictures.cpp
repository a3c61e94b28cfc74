// SPDX-License-Identifier: MIT
// Draws the splash's pictures at the size the splash shows each on a screen of device
// pixel ratio 1, for the program to keep as resources: its first frame then copies their
// pixels instead of parsing and drawing the vector sources (see Picture::image()).
//   drawpictures OUTPUT_DIR   writes OUTPUT_DIR/NAME for each picture, NAME its name
#include "picture.h"
#include "pictures.h"
#include "splash.h"
#include "twips.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: drawpictures OUTPUT_DIR\n");
        return 2;
    }
    QDir().mkpath(args[1]);
    namespace design = quimbelo::design;
    for (const design::Control &control : design::splash::kControls) {
        if (control.kind != design::Kind::Image || control.picture == design::Picture::None) {
            continue;
        }
        const Picture::Ptr picture = pictures::make(control.picture, control.index);
        const QSize size = control.has(design::kStretched) ? twips::rect(control.place).size()
                                                           : picture->designSize();
        QFile out(args[1] + QLatin1Char('/') + picture->name());
        if (picture->name().isEmpty() || !out.open(QIODevice::WriteOnly)
            || out.write(encodeDrawn(picture->draw(size))) < 0) {
            std::fprintf(stderr, "drawpictures: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}
