#include "framework/qt/Accessibility.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace qthost
{
namespace
{
constexpr char kAccessibleRole[] = "quoranAccessibleRole";

QAccessibleInterface* InterfaceWithRole(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = widget != nullptr ? widget->property(kAccessibleRole) : QVariant();
    return role.isValid()
               ? new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()))
               : nullptr;
}
} // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    static const bool installed = (QAccessible::installFactory(InterfaceWithRole), true);
    (void)installed;
    widget->setProperty(kAccessibleRole, static_cast<int>(role));
}

void Announce(QWidget* widget)
{
    QAccessibleEvent event(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}
} // namespace qthost
