// SPDX-License-Identifier: MIT
#include "picture.h"

#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtEndian>

#include <cstring>

namespace quimbelo::qt {

Picture::Picture(const QByteArray &svg, int partCount, QColor background, const QString &name)
    : m_svg(svg)
    , m_partCount(partCount)
    , m_designSize(svgSize(svg))
    , m_background(background)
    , m_name(name)
{
}

Picture::~Picture() = default;

Picture::Ptr Picture::fromSvg(const QByteArray &svg, QColor background, const QString &name)
{
    return Ptr(new Picture(svg, -1, background, name));
}

Picture::Ptr Picture::fromSvgParts(const QByteArray &svg, int partCount, QColor background)
{
    return Ptr(new Picture(svg, partCount, background, QString()));
}

QSize svgSize(const QByteArray &svg)
{
    // Only the root element is read: the drawing itself is parsed when it is drawn.
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement) {
            const QXmlStreamAttributes attributes = reader.attributes();
            return { attributes.value(QLatin1String("width")).toInt(),
                attributes.value(QLatin1String("height")).toInt() };
        }
    }
    return {};
}

QImage Picture::image(QSize pixelSize) const
{
    if (!m_name.isEmpty()) {
        const QResource drawn(QStringLiteral(":/drawn/") + m_name);
        if (drawn.isValid()) {
            QImage image = decodeDrawn(drawn.uncompressedData(), pixelSize);
            if (!image.isNull()) {
                return image;
            }
        }
    }
    return draw(pixelSize);
}

QImage Picture::draw(QSize pixelSize) const
{
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(m_background);
    QSvgRenderer renderer(m_partCount < 0 ? m_svg : svgWithParts(m_svg, m_partCount));
    // The drawing fills the picture whatever its own proportions, as stretched
    // pictures do.
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixelSize)));
    return image;
}

QPixmap Picture::pixmap(QSize size, qreal devicePixelRatio) const
{
    if (size.isEmpty()) {
        return {};
    }
    QPixmap pixmap = QPixmap::fromImage(image((QSizeF(size) * devicePixelRatio).toSize()));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

namespace {

constexpr char kDrawnMagic[4] = { 'Q', 'P', 'X', '2' };
constexpr qsizetype kDrawnSizeBytes = 8;

} // namespace

QByteArray encodeDrawn(const QList<QImage> &images)
{
    QByteArray data(kDrawnMagic, 4);
    for (const QImage &image : images) {
        const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const qsizetype at = data.size();
        data.resize(at + kDrawnSizeBytes + qsizetype(pixels.width()) * pixels.height() * 4);
        char *out = data.data() + at;
        qToLittleEndian<quint32>(quint32(pixels.width()), out);
        qToLittleEndian<quint32>(quint32(pixels.height()), out + 4);
        out += kDrawnSizeBytes;
        for (int y = 0; y < pixels.height(); ++y, out += pixels.width() * 4) {
            qToLittleEndian<quint32>(pixels.constScanLine(y), pixels.width(), out);
        }
    }
    return data;
}

QImage decodeDrawn(const QByteArray &data, QSize pixelSize)
{
    if (data.size() < 4 || std::memcmp(data.constData(), kDrawnMagic, 4) != 0) {
        return {};
    }
    for (qsizetype at = 4; at + kDrawnSizeBytes <= data.size();) {
        const char *entry = data.constData() + at;
        const qint64 width = qFromLittleEndian<quint32>(entry);
        const qint64 height = qFromLittleEndian<quint32>(entry + 4);
        const qint64 bytes = width * height * 4;
        if (bytes > data.size() - at - kDrawnSizeBytes) {
            return {}; // cut short
        }
        if (width == pixelSize.width() && height == pixelSize.height() && !pixelSize.isEmpty()) {
            QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
            const char *in = entry + kDrawnSizeBytes;
            for (int y = 0; y < image.height(); ++y, in += width * 4) {
                qFromLittleEndian<quint32>(in, image.width(), image.scanLine(y));
            }
            return image;
        }
        at += kDrawnSizeBytes + qsizetype(bytes);
    }
    return {};
}

QByteArray svgWithParts(const QByteArray &svg, int partCount)
{
    QByteArray out;
    QXmlStreamReader reader(svg);
    QXmlStreamWriter writer(&out);
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            const QStringView id = reader.attributes().value(QLatin1String("id"));
            if (depth == 2 && reader.name() == QLatin1String("g")
                && id.startsWith(QLatin1String("part")) && id.mid(4).toInt() > partCount) {
                reader.skipCurrentElement();
                --depth;
                continue;
            }
        } else if (reader.isEndElement()) {
            --depth;
        }
        writer.writeCurrentToken(reader);
    }
    return out;
}

} // namespace quimbelo::qt
