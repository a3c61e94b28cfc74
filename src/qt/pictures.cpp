// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "picturesources.h"

#include <QResource>

namespace quimbelo::qt {

namespace pictures {

namespace {

QByteArray resource(const QString &name)
{
    // The drawings are kept uncompressed: their text is used where the program holds
    // it, not copied.
    const QResource file(QStringLiteral(":/assets/") + name);
    if (!file.isValid()) {
        qFatal("missing picture resource %s", qPrintable(name));
    }
    return file.uncompressedData();
}

QString fileOf(quimbelo::design::Picture picture)
{
    const std::string_view name = quimbelo::design::sourceOf(picture);
    return QString::fromLatin1(name.data(), qsizetype(name.size())) + QStringLiteral(".svg");
}

} // namespace

Picture::Ptr make(quimbelo::design::Picture picture, int stage)
{
    if (picture == quimbelo::design::Picture::None) {
        return nullptr;
    }
    const QByteArray svg = resource(fileOf(picture));
    if (picture == quimbelo::design::Picture::GallowsStage) {
        // The stages are drawn on white: stage 0 is the empty white board.
        return Picture::fromSvgParts(svg, stage, Qt::white);
    }
    // Named after its file, for pixels drawn when the program was built.
    return Picture::fromSvg(svg, Qt::transparent, fileOf(picture).chopped(4));
}

QIcon windowIcon()
{
    return QIcon(QStringLiteral(":/assets/icon.svg"));
}

QCursor envelopeCursor(qreal devicePixelRatio)
{
    // The hot spot is the envelope's upper-left corner.
    const Picture::Ptr envelope = Picture::fromSvg(resource(QStringLiteral("cursor.svg")));
    return QCursor(envelope->pixmap(envelope->designSize(), devicePixelRatio), 2, 4);
}

} // namespace pictures

} // namespace quimbelo::qt
