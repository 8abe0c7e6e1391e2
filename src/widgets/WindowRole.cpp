#include "WindowRole.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
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

// Qt tells a screen reader that the lines of a list are showing whenever they lie within the
// list, also while the list itself is hidden (an internal list, a closed drop-down's). A hidden
// list is therefore told as a list without lines.
QAccessibleInterface *hiddenListOf(const QString &className, QObject *object)
{
    auto *view = qobject_cast<QAbstractItemView *>(object);
    if (!view || className != QLatin1String(object->metaObject()->className()) || view->isVisible())
        return nullptr;
    return new QAccessibleWidget(view, QAccessible::List);
}

// Shown or hidden, a list is told anew: with its lines or without them.
class ListsTellTheirLinesWhenShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show || type == QEvent::Hide) {
            if (auto *view = qobject_cast<QAbstractItemView *>(watched)) {
                if (QAccessibleInterface *told = QAccessible::queryAccessibleInterface(view))
                    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(told));
            }
        }
        return false;
    }
};

} // namespace

void announceWindowsAsFrames()
{
    static const bool installed = [] {
        QAccessible::installFactory(frameOf);
        QAccessible::installFactory(hiddenListOf);
        qApp->installEventFilter(new ListsTellTheirLinesWhenShown(qApp));
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ortelia
