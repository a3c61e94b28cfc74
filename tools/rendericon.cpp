// SPDX-License-Identifier: MIT
// Renders the program's vector icon to the PNG sizes the desktop's icon theme wants.
//   rendericon SOURCE.svg OUTPUT_DIR SIZE...   writes OUTPUT_DIR/SIZExSIZE/apps/quimbelo.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: rendericon SOURCE.svg OUTPUT_DIR SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "rendericon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    for (const QString &sizeText : args.mid(3)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        QDir().mkpath(folder);
        if (!image.save(folder + QStringLiteral("/quimbelo.png"))) {
            std::fprintf(stderr, "rendericon: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
