// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

namespace quimbelo::qt {

// A picture object: a vector drawing with the pixel size it was designed at, drawn afresh
// for every size and device pixel ratio it is shown at, so it stays crisp when scaled.
// Only the drawing's text is kept; it is parsed when pixels are needed, which the
// controls showing it cache. A picture may show only the first parts of its drawing (a
// gallows stage); that document, too, is made only when the picture is drawn.
// Controls share pictures by pointer; two controls show the same picture when they hold
// the same object, whatever the content.
class Picture
{
public:
    using Ptr = std::shared_ptr<const Picture>;

    // background fills the picture before the drawing; transparent by default. The size
    // the picture was designed at is the drawing's own width and height. name: what the
    // picture's pixels drawn when the program was built are called (see image()); none
    // when empty.
    static Ptr fromSvg(const QByteArray &svg, QColor background = Qt::transparent,
        const QString &name = QString());
    // The drawing with only its first partCount parts (see svgWithParts).
    static Ptr fromSvgParts(
        const QByteArray &svg, int partCount, QColor background = Qt::transparent);

    ~Picture();

    QSize designSize() const { return m_designSize; }
    const QString &name() const { return m_name; }

    // The picture scaled to fill size (logical pixels) exactly, aspect ratio ignored.
    QPixmap pixmap(QSize size, qreal devicePixelRatio) const;
    // The same in pixels. When the program was built with this picture drawn at this
    // size, in a resource ":/drawn/NAME", its pixels are copied from there: a window's
    // first frame then does not parse and draw the vector source.
    QImage image(QSize pixelSize) const;
    // The same drawn from the vector source, whatever was drawn ahead.
    QImage draw(QSize pixelSize) const;

private:
    Picture(const QByteArray &svg, int partCount, QColor background, const QString &name);

    QByteArray m_svg;
    int m_partCount; // -1: every part
    QSize m_designSize;
    QColor m_background;
    QString m_name;
};

// Pixels drawn ahead, as the program keeps them: "QPX2", then for each image its width
// and height as 32-bit little-endian numbers and its premultiplied ARGB pixels row by
// row, each a 32-bit little-endian number.
QByteArray encodeDrawn(const QList<QImage> &images);
// The image of that size among them, or a null image.
QImage decodeDrawn(const QByteArray &data, QSize pixelSize);

// The width and height a drawing declares, in pixels; empty when it declares none.
QSize svgSize(const QByteArray &svg);

// The document with only the first partCount of its top-level groups "part1", "part2"…
// and everything else it holds: the gallows at a stage.
QByteArray svgWithParts(const QByteArray &svg, int partCount);

} // namespace quimbelo::qt
