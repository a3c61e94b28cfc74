// SPDX-License-Identifier: MIT
// Draws the Windows program's pictures from their vector sources, with the Qt program's
// own drawing code, at the pixel sizes the windows rely on:
//
//   winpictures bitmap SOURCE.svg OUT [STAGE]  OUT-100.png, OUT-150.png and OUT-200.png:
//                                              the drawing at 1x, 1.5x and 2x its size;
//                                              with STAGE, the gallows with parts
//                                              1..STAGE on white
//   winpictures icon SOURCE.svg OUT.ico SIZE...            one icon, several sizes
//   winpictures cursor SOURCE.svg OUT.cur X Y SIZE...      a cursor with its hot spot at
//                                                          (X, Y) of the drawing's size
#include "picture.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <cstdio>
#include <vector>

using namespace quimbelo::qt;

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes &out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(Bytes &out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A BITMAPINFOHEADER and the pixels, bottom row first, as Windows wants them: blue, green,
// red and, in 32 bits, alpha, not premultiplied; each row filled to 4 bytes. An icon's
// image doubles the height and adds its 1-bit mask, set where the picture is transparent.
Bytes dib(const QImage &picture, bool withMask, int bitsPerPixel = 32)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    Bytes out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(withMask ? 2 * height : height));
    put16(out, 1);
    put16(out, static_cast<unsigned>(bitsPerPixel));
    put32(out, 0); // BI_RGB
    const int bytesPerPixel = bitsPerPixel / 8;
    const int stride = ((width * bytesPerPixel + 3) / 4) * 4;
    const int maskStride = ((width + 31) / 32) * 4;
    put32(out, static_cast<std::uint32_t>(stride * height + (withMask ? maskStride * height : 0)));
    put32(out, 3780); // 96 dots per inch
    put32(out, 3780);
    put32(out, 0);
    put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<std::uint8_t>(qBlue(row[x])));
            out.push_back(static_cast<std::uint8_t>(qGreen(row[x])));
            out.push_back(static_cast<std::uint8_t>(qRed(row[x])));
            if (bytesPerPixel == 4) {
                out.push_back(static_cast<std::uint8_t>(qAlpha(row[x])));
            }
        }
        out.insert(out.end(), static_cast<std::size_t>(stride - width * bytesPerPixel), 0);
    }
    if (withMask) {
        for (int y = height - 1; y >= 0; --y) {
            const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            Bytes mask(static_cast<std::size_t>(maskStride), 0);
            for (int x = 0; x < width; ++x) {
                if (qAlpha(row[x]) == 0) {
                    mask[static_cast<std::size_t>(x / 8)]
                        |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                }
            }
            out.insert(out.end(), mask.begin(), mask.end());
        }
    }
    return out;
}

bool write(const QString &path, const Bytes &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()))
            != qint64(bytes.size())) {
        std::fprintf(stderr, "winpictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The pictures are stored as PNG, which Windows decodes with its imaging component: a
// tenth of the size of bitmaps, and exactly the same pixels.
bool writePng(const QString &path, const QImage &image)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "winpictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// An icon or cursor file: its images, each at one size; a cursor's entries carry the hot
// spot where an icon's carry planes and bits per pixel.
struct IconImage
{
    QImage image;
    int hotX = 0;
    int hotY = 0;
};

bool writeIcon(const QString &path, const std::vector<IconImage> &images, bool cursor)
{
    std::vector<Bytes> bodies;
    for (const IconImage &entry : images) {
        if (entry.image.width() >= 256) {
            // Large icons are stored as PNG, as Windows has read them since Vista.
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            entry.image.save(&buffer, "PNG");
            bodies.emplace_back(png.begin(), png.end());
        } else {
            bodies.push_back(dib(entry.image, true));
        }
    }
    Bytes out;
    put16(out, 0);
    put16(out, cursor ? 2 : 1);
    put16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const QImage &image = images[i].image;
        out.push_back(static_cast<std::uint8_t>(image.width() >= 256 ? 0 : image.width()));
        out.push_back(static_cast<std::uint8_t>(image.height() >= 256 ? 0 : image.height()));
        out.push_back(0);
        out.push_back(0);
        put16(out, cursor ? static_cast<unsigned>(images[i].hotX) : 1);
        put16(out, cursor ? static_cast<unsigned>(images[i].hotY) : 32);
        put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const Bytes &body : bodies) {
        out.insert(out.end(), body.begin(), body.end());
    }
    return write(path, out);
}

QByteArray readSvg(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "winpictures: cannot read %s\n", qPrintable(path));
        return {};
    }
    return file.readAll();
}

QImage draw(const QByteArray &svg, QColor background, QSize size)
{
    return Picture::fromSvg(svg, background)->image(size);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr,
            "usage: winpictures bitmap SOURCE.svg OUT [STAGE]\n"
            "       winpictures icon SOURCE.svg OUT.ico SIZE...\n"
            "       winpictures cursor SOURCE.svg OUT.cur X Y SIZE...\n");
        return 2;
    }
    const QString &mode = args[1];
    QByteArray svg = readSvg(args[2]);
    if (svg.isEmpty()) {
        return 1;
    }
    const QSize designSize = svgSize(svg);

    if (mode == QLatin1String("bitmap")) {
        QColor background = Qt::transparent;
        if (args.size() > 4) {
            // The stages are drawn on white: stage 0 is the empty white board.
            svg = svgWithParts(svg, args[4].toInt());
            background = Qt::white;
        }
        for (const int percent : { 100, 150, 200 }) {
            const QSize size(qRound(designSize.width() * percent / 100.0),
                qRound(designSize.height() * percent / 100.0));
            if (!writePng(QStringLiteral("%1-%2.png").arg(args[3]).arg(percent),
                    draw(svg, background, size))) {
                return 1;
            }
        }
        return 0;
    }

    const bool cursor = mode == QLatin1String("cursor");
    if (!cursor && mode != QLatin1String("icon")) {
        std::fprintf(stderr, "winpictures: unknown kind %s\n", qPrintable(mode));
        return 2;
    }
    const int firstSize = cursor ? 6 : 4;
    std::vector<IconImage> images;
    for (int i = firstSize; i < args.size(); ++i) {
        const int size = args[i].toInt();
        IconImage entry { draw(svg, Qt::transparent, QSize(size, size)) };
        if (cursor) {
            entry.hotX = qRound(args[4].toDouble() * size / designSize.width());
            entry.hotY = qRound(args[5].toDouble() * size / designSize.height());
        }
        images.push_back(entry);
    }
    return writeIcon(args[3], images, cursor) ? 0 : 1;
}
