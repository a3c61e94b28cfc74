// SPDX-License-Identifier: MIT
#include "picture.h"

#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtEndian>

#include <cstring>

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

constexpr char kDrawnMagic[4] = { 'Q', 'P', 'X', '1' };
constexpr qsizetype kDrawnHeader = 12;

} // namespace

QByteArray encodeDrawn(const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qsizetype count = qsizetype(pixels.width()) * pixels.height();
    QByteArray data(kDrawnHeader + count * 4, Qt::Uninitialized);
    char *out = data.data();
    std::memcpy(out, kDrawnMagic, 4);
    qToLittleEndian<quint32>(quint32(pixels.width()), out + 4);
    qToLittleEndian<quint32>(quint32(pixels.height()), out + 8);
    for (int y = 0; y < pixels.height(); ++y) {
        qToLittleEndian<quint32>(pixels.constScanLine(y), pixels.width(),
            out + kDrawnHeader + qsizetype(y) * pixels.width() * 4);
    }
    return data;
}

QImage decodeDrawn(const QByteArray &data, QSize pixelSize)
{
    const qsizetype count = qsizetype(pixelSize.width()) * pixelSize.height();
    if (pixelSize.isEmpty() || data.size() != kDrawnHeader + count * 4
        || std::memcmp(data.constData(), kDrawnMagic, 4) != 0
        || qFromLittleEndian<quint32>(data.constData() + 4) != quint32(pixelSize.width())
        || qFromLittleEndian<quint32>(data.constData() + 8) != quint32(pixelSize.height())) {
        return {};
    }
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        qFromLittleEndian<quint32>(
            data.constData() + kDrawnHeader + qsizetype(y) * image.width() * 4, image.width(),
            image.scanLine(y));
    }
    return image;
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
