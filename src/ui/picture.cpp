// SPDX-License-Identifier: MIT
#include "picture.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

Picture::Picture(const QByteArray &svg, int partCount, QColor background)
    : m_svg(svg)
    , m_partCount(partCount)
    , m_designSize(svgSize(svg))
    , m_background(background)
{
}

Picture::~Picture() = default;

Picture::Ptr Picture::fromSvg(const QByteArray &svg, QColor background)
{
    return Ptr(new Picture(svg, -1, background));
}

Picture::Ptr Picture::fromSvgParts(const QByteArray &svg, int partCount, QColor background)
{
    return Ptr(new Picture(svg, partCount, background));
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
