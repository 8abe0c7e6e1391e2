#include "WindowRole.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace ortelia {

namespace {

// The program's own class made straight of a plain widget: dialogs, menus, main windows and the
// other controls have their roles from Qt.
bool ownPlainWidget(const QMetaObject *meta)
{
    while (meta && !QByteArray(meta->className()).startsWith('Q'))
        meta = meta->superClass();
    return meta == &QWidget::staticMetaObject;
}

QAccessibleInterface *frameOf(const QString &className, QObject *object)
{
    // Asked first with the object's own class: Qt's answer for "QWidget" comes later.
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()) ||
        !ownPlainWidget(object->metaObject()))
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (!widget->isWindow() || widget->windowType() != Qt::Window)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void announceWindowsAsFrames()
{
    static const bool installed = [] {
        QAccessible::installFactory(frameOf);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ortelia
