#include "aboutwindow.h"

#include "fonts.h"
#include "imagebox.h"
#include "labelfit.h"
#include "pictures.h"
#include "programinfo.h"
#include "twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

void setTextColour(QWidget *widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Acerca de MiApli"));
    setModal(true);
    setFixedSize(twips::size(3960, 3150));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(palette);
    setAutoFillBackground(true);

    lblTitle = new QLabel(QStringLiteral("Título de la aplicación"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(twips::rect(120, 0, 405, 240));
    setTextColour(lblTitle, Qt::black);
    lblTitle->hide();

    // A picture box takes the size of its picture plus its border.
    auto *picIcon = new QFrame(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    picIcon->setGeometry(twips::rect(0, 240, 1125, 1575));
    picIcon->setFocusPolicy(Qt::TabFocus);
    QPalette iconPalette = picIcon->palette();
    iconPalette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    picIcon->setPalette(iconPalette);
    picIcon->setAutoFillBackground(true);
    auto *logo = new ImageBox(picIcon, false);
    logo->setPicture(pictures::gameLogo());
    logo->setGeometry(QRect(QPoint(2, 2), logo->picture()->designSize()));
    picIcon->resize(logo->picture()->designSize() + QSize(4, 4));

    lblVersion = new QLabel(QStringLiteral("Versión 2.1 Especial "), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(twips::rect(1680, 480, 1485, 225));
    setTextColour(lblVersion, QColor(0x80, 0x00, 0x80));

    auto *Image2 = new ImageBox(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twips::rect(2760, 840, 1095, 1455));
    Image2->setPicture(pictures::mascot());
    Image2->setToolTip(QString::fromUtf8(quimbelo::programinfo::kPartnerSite.data(),
        qsizetype(quimbelo::programinfo::kPartnerSite.size())));

    auto *Label1 = new QLabel(QStringLiteral("Tornelas"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips::rect(1440, 1200, 1215, 255));
    Label1->setFont(fonts::design(QStringLiteral("MS Sans Serif"), 9.75, fonts::Style::Bold));
    setTextColour(Label1, QColor(0xC0, 0x40, 0x00));

    // A white rule from x 105 to 5040 twips: it runs past the right edge and is cut there.
    auto *Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1_0"));
    Line1->setGeometry(
        twips::toPixels(105), twips::toPixels(2280) - 1, twips::toPixels(5040 - 105), 2);
    QPalette linePalette = Line1->palette();
    linePalette.setColor(QPalette::Window, Qt::white);
    Line1->setPalette(linePalette);
    Line1->setAutoFillBackground(true);

    auto *cmdOK = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twips::rect(2520, 2640, 1245, 345));
    cmdOK->setDefault(true);
    // Esc rejects the dialog, which closes it just as the button does.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *Image1 = new ImageBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips::rect(120, 2640, 1815, 495));
    Image1->setPicture(pictures::wordmark());

    setTabOrder(cmdOK, picIcon);
    cmdOK->setFocus(Qt::OtherFocusReason);
    Form_Load();
}

void AboutWindow::Form_Load()
{
    const QString title = QString::fromUtf8(
        quimbelo::programinfo::kTitle.data(), qsizetype(quimbelo::programinfo::kTitle.size()));
    setWindowTitle(QStringLiteral("Acerca de ") + title);
    lblVersion->setText(QString::fromStdString(quimbelo::programinfo::versionText()));
    widenToText(lblVersion, twips::toPixels(1485));
    lblTitle->setText(title);
}

void AboutWindow::showModal(QWidget *parent)
{
    AboutWindow about(parent);
    if (parent != nullptr) {
        about.move(parent->geometry().center() - QPoint(about.width() / 2, about.height() / 2));
    }
    about.exec();
}
