// SPDX-License-Identifier: MIT
// Corrections to what Qt's widgets tell a screen reader.
#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QRadioButton>

namespace quimbelo::qt {

namespace {

// An option as Qt's own radio buttons tell it, less the titled group around it given as
// its label: Orca then says the group's title once, as the focus enters the group, where
// it would otherwise say it again at every move between two of its options.
class AccessibleOption : public QAccessibleWidget
{
public:
    explicit AccessibleOption(QRadioButton *option)
        : QAccessibleWidget(option, QAccessible::RadioButton)
    {
    }

    QRadioButton *option() const { return static_cast<QRadioButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        // Qt would name an option with no name of its own after the group around it.
        if (t != QAccessible::Name || !option()->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(t);
        }
        // What the option shows, less the mark of its mnemonic.
        QString text = option()->text();
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
        return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }

    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        const QWidget *group = qobject_cast<QGroupBox *>(option()->parentWidget());
        found.removeIf([group](const auto &relation) {
            return relation.second == QAccessible::Label && group != nullptr
                && relation.first->object() == group;
        });
        return found;
    }

    QStringList actionNames() const override
    {
        return QStringList { pressAction() } + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            option()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *option = qobject_cast<QRadioButton *>(object)) {
        return new AccessibleOption(option);
    }
    return nullptr;
}

// A window that is not on the screen tells a screen reader nothing: a window built and
// filled out of sight (the game window behind the splash) would otherwise send some
// hundreds of changes, which keep Orca busy for seconds while the splash is up. Orca
// reads what it needs from a window once it shows.
void quietWhileHidden(QAccessibleEvent *event)
{
    if (const auto *widget = qobject_cast<const QWidget *>(event->object())) {
        switch (event->type()) {
        case QAccessible::NameChanged:
        case QAccessible::DescriptionChanged:
        case QAccessible::ObjectShow:
        case QAccessible::ObjectHide:
        case QAccessible::StateChanged:
            if (!widget->window()->isVisible()) {
                return;
            }
            break;
        default:
            break;
        }
    }
    // Qt's own handling is what runs with no handler installed.
    const QAccessible::UpdateHandler self = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(self);
}

} // namespace

void setUpAccessibility()
{
    QAccessible::installFactory(factory);
    QAccessible::installUpdateHandler(quietWhileHidden);
}

} // namespace quimbelo::qt
