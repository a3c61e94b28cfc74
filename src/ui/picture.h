// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QColor>
#include <QPixmap>
#include <QSize>

#include <memory>

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
    // the picture was designed at is the drawing's own width and height.
    static Ptr fromSvg(const QByteArray &svg, QColor background = Qt::transparent);
    // The drawing with only its first partCount parts (see svgWithParts).
    static Ptr fromSvgParts(
        const QByteArray &svg, int partCount, QColor background = Qt::transparent);

    ~Picture();

    QSize designSize() const { return m_designSize; }

    // The picture scaled to fill size (logical pixels) exactly, aspect ratio ignored.
    QPixmap pixmap(QSize size, qreal devicePixelRatio) const;
    QImage image(QSize pixelSize) const;

private:
    Picture(const QByteArray &svg, int partCount, QColor background);

    QByteArray m_svg;
    int m_partCount; // -1: every part
    QSize m_designSize;
    QColor m_background;
};

// The width and height a drawing declares, in pixels; empty when it declares none.
QSize svgSize(const QByteArray &svg);

// The document with only the first partCount of its top-level groups "part1", "part2"…
// and everything else it holds: the gallows at a stage.
QByteArray svgWithParts(const QByteArray &svg, int partCount);
