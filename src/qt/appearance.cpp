// SPDX-License-Identifier: MIT
#include "appearance.h"

#include "controls.h"
#include "fonts.h"
#include "imagebox.h"
#include "programinfo.h"

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>

namespace quimbelo::qt {

namespace {

// The classic style, less one picture: the button a menu bar shows when its menus do not
// fit, which the game's fixed window never needs. Its icon is read from image files, and
// reading the first one loads every image format plugin Qt has, a few hundred kilobytes.
class ClassicStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(
        StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton) {
            return {};
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

void applyClassicAppearance(QApplication &app)
{
    fonts::installSubstitutes();
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(new ClassicStyle(style));
    }
    // The standard colour scheme: button face grey, black text, white caption text.
    QPalette palette = QApplication::style()->standardPalette();
    using quimbelo::design::standardValue;
    using quimbelo::design::SystemColour;
    const QColor face = QColor::fromRgb(standardValue(SystemColour::ButtonFace));
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, face);
    palette.setColor(
        QPalette::WindowText, QColor::fromRgb(standardValue(SystemColour::WindowText)));
    palette.setColor(
        QPalette::ButtonText, QColor::fromRgb(standardValue(SystemColour::ButtonText)));
    palette.setColor(
        QPalette::HighlightedText, QColor::fromRgb(standardValue(SystemColour::CaptionText)));
    // Disabled text is greyed, so a letter already tried shows as used.
    const QColor grey(0x80, 0x80, 0x80);
    for (const QPalette::ColorRole role :
        { QPalette::WindowText, QPalette::ButtonText, QPalette::Text }) {
        palette.setColor(QPalette::Disabled, role, grey);
    }
    QApplication::setPalette(palette);
    QApplication::setFont(fonts::windowDefault());
    app.setApplicationName(QString::fromUtf8(
        quimbelo::programinfo::kTitle.data(), qsizetype(quimbelo::programinfo::kTitle.size())));
    ImageBox::installAccessibility();
}

} // namespace quimbelo::qt
