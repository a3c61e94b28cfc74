// SPDX-License-Identifier: MIT
#pragma once

#include "picture.h"

#include <QPixmap>
#include <QWidget>

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

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Picture::Ptr m_picture;
    bool m_stretched;
    bool m_pressed = false;
    QPixmap m_cache;
    Picture::Ptr m_cachedPicture;
};
