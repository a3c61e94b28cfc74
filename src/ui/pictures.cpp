#include "pictures.h"

#include <QFile>

namespace pictures {

namespace {

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/assets/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("missing picture resource %s", qPrintable(name));
    }
    return file.readAll();
}

Picture::Ptr load(const QString &name, QSize size)
{
    return Picture::fromSvg(resource(name), size);
}

} // namespace

std::array<Picture::Ptr, kStageCount> gallowsStages()
{
    const QByteArray gallows = resource(QStringLiteral("gallows.svg"));
    std::array<Picture::Ptr, kStageCount> stages;
    for (int k = 0; k < kStageCount; ++k) {
        stages[k] = Picture::fromSvg(svgWithParts(gallows, k), QSize(145, 207), Qt::white);
    }
    return stages;
}

Picture::Ptr gameLogo()
{
    return load(QStringLiteral("logo.svg"), QSize(71, 101));
}

Picture::Ptr wordmark()
{
    return load(QStringLiteral("wordmark.svg"), QSize(479, 89));
}

Picture::Ptr mascot()
{
    return load(QStringLiteral("mascot.svg"), QSize(115, 176));
}

Picture::Ptr sponsorBanner()
{
    return load(QStringLiteral("sponsor.svg"), QSize(550, 183));
}

Picture::Ptr nameBanner()
{
    return load(QStringLiteral("namebanner.svg"), QSize(472, 75));
}

QIcon windowIcon()
{
    return QIcon(QStringLiteral(":/assets/icon.svg"));
}

QCursor envelopeCursor(qreal devicePixelRatio)
{
    // The hot spot is the envelope's upper-left corner.
    const Picture::Ptr envelope = load(QStringLiteral("cursor.svg"), QSize(32, 32));
    return QCursor(envelope->pixmap(QSize(32, 32), devicePixelRatio), 2, 4);
}

} // namespace pictures
