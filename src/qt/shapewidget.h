// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

namespace quimbelo::qt {

// A rounded rectangle drawn behind other controls: an outline, optionally over a
// cross-hatched fill. It takes no input.
class ShapeWidget : public QWidget
{
public:
    explicit ShapeWidget(QWidget *parent = nullptr);

    void setHatch(QColor colour) { m_hatch = colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_hatch; // invalid: no fill
};

} // namespace quimbelo::qt
