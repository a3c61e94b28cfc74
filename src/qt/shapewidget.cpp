// SPDX-License-Identifier: MIT
#include "shapewidget.h"

#include <QPainter>

namespace quimbelo::qt {

ShapeWidget::ShapeWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // The corners round by a tenth of the shorter side, as the classic rounded shapes did.
    const qreal radius = std::min(box.width(), box.height()) / 10.0;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(m_hatch.isValid() ? QBrush(m_hatch, Qt::CrossPattern) : QBrush(Qt::NoBrush));
    painter.drawRoundedRect(box, radius, radius);
}

} // namespace quimbelo::qt
