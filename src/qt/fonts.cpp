// SPDX-License-Identifier: MIT
#include "fonts.h"

#include "common.h"

#include <QStringList>

namespace quimbelo::qt {

namespace fonts {

void installSubstitutes()
{
    // Liberation Sans has Arial's metrics; it also serves for the old bitmap font
    // MS Sans Serif, whose free twins are not packaged. Comic Neue follows Comic Sans.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
        QStringList { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
        QStringList { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
        QStringList { QStringLiteral("Comic Neue"), QStringLiteral("Liberation Sans") });
}

QFont design(const QString &family, double points, Style style)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(style == Style::Bold || style == Style::BoldItalic);
    font.setItalic(style == Style::Italic || style == Style::BoldItalic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont windowDefault()
{
    const quimbelo::design::Font &font = quimbelo::design::kDefaultFont;
    return design(
        QString::fromUtf8(font.family.data(), qsizetype(font.family.size())), font.points);
}

} // namespace fonts

} // namespace quimbelo::qt
