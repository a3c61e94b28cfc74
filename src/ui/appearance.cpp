#include "appearance.h"

#include "fonts.h"
#include "imagebox.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

void applyClassicAppearance(QApplication &app)
{
    fonts::installSubstitutes();
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(style);
    }
    // The standard colour scheme: button face grey, black text, white caption text.
    QPalette palette = QApplication::style()->standardPalette();
    const QColor face(0xC0, 0xC0, 0xC0);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    // Disabled text is greyed, so a letter already tried shows as used.
    const QColor grey(0x80, 0x80, 0x80);
    for (const QPalette::ColorRole role :
        { QPalette::WindowText, QPalette::ButtonText, QPalette::Text }) {
        palette.setColor(QPalette::Disabled, role, grey);
    }
    QApplication::setPalette(palette);
    QApplication::setFont(fonts::windowDefault());
    app.setApplicationName(QStringLiteral("Quimbelo"));
    ImageBox::installAccessibility();
}
