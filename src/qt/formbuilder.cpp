// SPDX-License-Identifier: MIT
#include "formbuilder.h"

#include "common.h"
#include "fonts.h"
#include "gameplay.h"
#include "imagebox.h"
#include "pictures.h"
#include "shapewidget.h"
#include "twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <vector>

using namespace quimbelo::design;

namespace quimbelo::qt {

namespace {

QColor kindDefaultText(Kind kind)
{
    const QPalette palette = QApplication::palette();
    return kind == Kind::Button || kind == Kind::Option ? palette.color(QPalette::ButtonText)
                                                        : palette.color(QPalette::WindowText);
}

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Button, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace

QFont toQFont(const Font &font)
{
    const fonts::Style style = font.bold
        ? (font.italic ? fonts::Style::BoldItalic : fonts::Style::Bold)
        : (font.italic ? fonts::Style::Italic : fonts::Style::Regular);
    return fonts::design(designText(font.family), font.points, style);
}

namespace {

Qt::Alignment alignmentOf(Align align)
{
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget *makeLabel(const Control &control, QWidget *parent)
{
    auto *label = new QLabel(designText(control.caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignmentOf(control.align));
    label->setWordWrap(control.has(kWraps));
    if (control.has(kBorder)) {
        // The text keeps clear of the border, as it did on the classic desktop.
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
        label->setIndent(2);
    }
    return label;
}

QWidget *makeImage(const Control &control, QWidget *parent)
{
    auto *image = new ImageBox(parent, control.has(kStretched));
    image->setPicture(pictures::make(control.picture, control.index));
    if (control.has(kEnvelopeCursor)) {
        image->setCursor(pictures::envelopeCursor(parent->devicePixelRatioF()));
    }
    return image;
}

// A picture box shows its picture at its own size inside a sunken border, and takes the
// picture's size plus the border.
QWidget *makePictureBox(const Control &control, QWidget *parent)
{
    constexpr int kBorder = 2;
    auto *box = new QFrame(parent);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(kBorder);
    box->setFocusPolicy(Qt::TabFocus);
    auto *image = new ImageBox(box, false);
    image->setPicture(pictures::make(control.picture));
    const QSize size = image->picture()->designSize();
    image->setGeometry(QRect(QPoint(kBorder, kBorder), size));
    box->setGeometry(QRect(twips::rect(control.place).topLeft(), size + QSize(2, 2) * kBorder));
    return box;
}

QWidget *makeButton(const Control &control, QWidget *parent)
{
    auto *button = new QPushButton(designText(control.caption), parent);
    button->setAutoDefault(control.has(kDefaultButton));
    button->setDefault(control.has(kDefaultButton));
    return button;
}

QWidget *makeFrame(const Control &control, QWidget *parent)
{
    if (!control.caption.empty()) {
        return new QGroupBox(designText(control.caption), parent);
    }
    auto *panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return panel;
}

QWidget *makeShape(const Control &control, QWidget *parent)
{
    auto *shape = new ShapeWidget(parent);
    if (control.has(kHatched)) {
        shape->setHatch(toQColor(control.text));
    }
    return shape;
}

QWidget *makeLine(const Control &control, QWidget *parent)
{
    auto *line = new QFrame(parent);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, toQColor(control.text));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

QWidget *makeWidget(const Control &control, QWidget *parent)
{
    switch (control.kind) {
    case Kind::Label:
        return makeLabel(control, parent);
    case Kind::Image:
        return makeImage(control, parent);
    case Kind::PictureBox:
        return makePictureBox(control, parent);
    case Kind::Button:
        return makeButton(control, parent);
    case Kind::TextBox:
        return new QLineEdit(parent);
    case Kind::Frame:
        return makeFrame(control, parent);
    case Kind::Option:
        return new QRadioButton(designText(control.caption), parent);
    case Kind::Shape:
        return makeShape(control, parent);
    case Kind::Line:
        return makeLine(control, parent);
    case Kind::Timer:
        break;
    }
    return nullptr;
}

// Text and background as designed; where the design gives none, the text takes the
// colour of its kind and the background shows what lies behind.
void applyColours(const Control &control, QWidget *widget)
{
    if (control.kind == Kind::Shape || control.kind == Kind::Line
        || control.kind == Kind::PictureBox || control.kind == Kind::Image) {
        if (!control.background.isDefault()) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::Window, toQColor(control.background));
            widget->setPalette(palette);
            widget->setAutoFillBackground(true);
        }
        return;
    }
    if (control.text.isDefault() && control.background.isDefault()) {
        return; // the palette it inherits, disabled text greyed included
    }
    const QColor text
        = control.text.isDefault() ? kindDefaultText(control.kind) : toQColor(control.text);
    setColours(widget, text, toQColor(control.background));
}

} // namespace

QString FormBuilder::objectName(std::string_view name, int index)
{
    return index < 0 ? designText(name)
                     : designText(name) + QLatin1Char('_') + QString::number(index);
}

FormBuilder FormBuilder::build(const Window &window, QWidget *client)
{
    FormBuilder built(window, client);
    while (built.buildNext()) { }
    return built;
}

FormBuilder::FormBuilder(const Window &window, QWidget *client)
    : m_window(&window)
    , m_client(client)
{
}

bool FormBuilder::buildNext()
{
    if (m_window == nullptr) {
        return false;
    }
    if (m_next == m_window->controls.size()) {
        std::sort(m_tabOrder.begin(), m_tabOrder.end(),
            [](const auto &a, const auto &b) { return a.first < b.first; });
        for (std::size_t i = 1; i < m_tabOrder.size(); ++i) {
            QWidget::setTabOrder(m_tabOrder[i - 1].second, m_tabOrder[i].second);
        }
        m_tabOrder.clear();
        m_window = nullptr;
        return false;
    }
    const Control &control = m_window->controls[m_next++];
    const QString name = objectName(control.name, control.index);
    if (control.kind == Kind::Timer) {
        auto *timer = new QTimer(m_client);
        timer->setObjectName(name);
        timer->setProperty("designInterval", control.interval);
        timer->setInterval(quimbelo::play::timerPeriod(control));
        m_objects.insert(name, timer);
        return true;
    }
    QWidget *parent = control.container.empty()
        ? m_client
        : qobject_cast<QWidget *>(m_objects.value(designText(control.container)));
    Q_ASSERT(parent != nullptr);
    QWidget *widget = makeWidget(control, parent);
    widget->setObjectName(name);
    if (control.index >= 0) {
        widget->setProperty("index", control.index);
    }
    if (control.kind != Kind::PictureBox) {
        widget->setGeometry(twips::rect(control.place));
    }
    if (!control.font.isDefault()) {
        widget->setFont(toQFont(control.font));
    }
    applyColours(control, widget);
    if (!control.toolTip.empty()) {
        widget->setToolTip(designText(control.toolTip));
    }
    if (!control.accessibleName.empty()) {
        widget->setAccessibleName(designText(control.accessibleName));
    }
    if (!control.accessibleDescription.empty()) {
        widget->setAccessibleDescription(designText(control.accessibleDescription));
    }
    if (control.has(kHidden)) {
        widget->hide();
    }
    if (control.has(kSelected)) {
        if (auto *option = qobject_cast<QRadioButton *>(widget)) {
            option->setChecked(true);
        }
    }
    if (control.tabOrder >= 0 && widget->focusPolicy() != Qt::NoFocus) {
        m_tabOrder.emplace_back(control.tabOrder, widget);
    }
    m_objects.insert(name, widget);
    return true;
}

QColor toQColor(const Colour &colour)
{
    switch (colour.source) {
    case Colour::Source::Default:
        return {};
    case Colour::Source::Exact:
        return QColor::fromRgb(colour.rgb);
    case Colour::Source::System:
        break;
    }
    const QPalette palette = QApplication::palette();
    switch (colour.role) {
    case SystemColour::ButtonFace:
        return palette.color(QPalette::Button);
    case SystemColour::ButtonText:
        return palette.color(QPalette::ButtonText);
    case SystemColour::WindowText:
    case SystemColour::MenuText:
        return palette.color(QPalette::WindowText);
    case SystemColour::CaptionText:
        return palette.color(QPalette::HighlightedText);
    }
    return {};
}

QHash<QString, QAction *> buildMenuBar(QMenuBar *bar, std::span<const MenuItem> items)
{
    QHash<QString, QMenu *> menus;
    QHash<QString, QAction *> actions;
    for (const MenuItem &item : items) {
        const QString name = designText(item.name);
        if (item.parent.empty()) {
            QMenu *menu = bar->addMenu(designText(item.caption));
            menu->setObjectName(name);
            menus.insert(name, menu);
            actions.insert(name, menu->menuAction());
            continue;
        }
        QMenu *menu = menus.value(designText(item.parent));
        QAction *action
            = item.isSeparator() ? menu->addSeparator() : menu->addAction(designText(item.caption));
        action->setObjectName(name);
        actions.insert(name, action);
    }
    return actions;
}

} // namespace quimbelo::qt
