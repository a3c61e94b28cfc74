// SPDX-License-Identifier: MIT
#include "imagebox.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace quimbelo::qt {

ImageBox::ImageBox(QWidget *parent, bool stretched)
    : QWidget(parent)
    , m_stretched(stretched)
{
}

void ImageBox::installAccessibility()
{
    QAccessible::installFactory(
        [](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className == QLatin1String(ImageBox::staticMetaObject.className())
                && object->isWidgetType()) {
                return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
            }
            return nullptr;
        });
}

void ImageBox::setPicture(Picture::Ptr picture)
{
    if (picture == m_picture) {
        return;
    }
    m_picture = std::move(picture);
    update();
}

void ImageBox::preparePicture(const Picture::Ptr &picture)
{
    if (picture) {
        pixmapOf(picture);
    }
}

const QPixmap &ImageBox::pixmapOf(const Picture::Ptr &picture)
{
    const QSize size = m_stretched ? this->size() : picture->designSize();
    const qreal ratio = devicePixelRatioF();
    if (m_cachedPicture != picture || m_cache.deviceIndependentSize().toSize() != size
        || !qFuzzyCompare(m_cache.devicePixelRatio(), ratio)) {
        m_cache = picture->pixmap(size, ratio);
        m_cachedPicture = picture;
    }
    return m_cache;
}

void ImageBox::paintEvent(QPaintEvent *)
{
    if (!m_picture) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmapOf(m_picture));
}

void ImageBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ImageBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        Q_EMIT clicked();
    }
}

} // namespace quimbelo::qt
