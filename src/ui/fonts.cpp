#include "fonts.h"

#include <QStringList>

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
    return design(QStringLiteral("MS Sans Serif"), 8.25);
}

} // namespace fonts
