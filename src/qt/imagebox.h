// SPDX-License-Identifier: MIT
#pragma once

#include "picture.h"

#include <QPixmap>
#include <QWidget>

namespace quimbelo::qt {

// An image control: shows its picture at the picture's own size or stretched to fill
// the control, and reports clicks. The drawn pixels are kept until the picture, the size
// or the screen changes.
class ImageBox : public QWidget
{
    Q_OBJECT

public:
    explicit ImageBox(QWidget *parent = nullptr, bool stretched = true);

    // Makes image controls known to screen readers as pictures. Call once at start-up.
    static void installAccessibility();

    const Picture::Ptr &picture() const { return m_picture; }
    void setPicture(Picture::Ptr picture);

    // Draws a picture the box is about to be given, at the size it will show it, so that
    // the box paints at once when it gets it. What the box shows does not change.
    void preparePicture(const Picture::Ptr &picture);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The pixels of picture as this box shows it, drawn once for each picture, size and
    // screen.
    const QPixmap &pixmapOf(const Picture::Ptr &picture);

    Picture::Ptr m_picture;
    bool m_stretched;
    bool m_pressed = false;
    QPixmap m_cache;
    Picture::Ptr m_cachedPicture;
};

} // namespace quimbelo::qt
