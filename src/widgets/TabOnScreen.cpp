#include "TabOnScreen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QTextEdit>
#include <QWidget>

namespace ortelia {

namespace {

// A field that types the tab itself keeps it, and so does a page, which walks its links with Tab
// before it lets the focus go.
bool keepsTab(const QWidget *widget)
{
    if (qobject_cast<const QTextBrowser *>(widget))
        return true;
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
        return !plain->tabChangesFocus() && !plain->isReadOnly();
    if (const auto *rich = qobject_cast<const QTextEdit *>(widget))
        return !rich->tabChangesFocus() && !rich->isReadOnly();
    if (const auto *view = qobject_cast<const QAbstractItemView *>(widget))
        return view->tabKeyNavigation();
    return false;
}

bool takesTabFocus(const QWidget *widget, const QWidget *window)
{
    return widget->window() == window && (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
           !widget->focusProxy() && widget->isEnabled() && widget->isVisible() && showsOnScreen(widget);
}

QWidget *nextOnScreen(QWidget *from, bool forward)
{
    const QWidget *window = from->window();
    for (QWidget *w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w && w != from;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (takesTabFocus(w, window))
            return w;
    }
    return nullptr;
}

class TabOnScreen : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || watched != QApplication::focusWidget())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const bool back = key->key() == Qt::Key_Backtab ||
                          (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (!back && key->key() != Qt::Key_Tab)
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (keepsTab(widget) || widget->window()->windowType() == Qt::Popup)
            return false;
        QWidget *next = nextOnScreen(widget, !back);
        if (!next)
            return false;
        next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
};

} // namespace

bool showsOnScreen(const QWidget *control)
{
    // What the control's own children cover of it still belongs to it (a list's viewport).
    QRegion shown = control->visibleRegion();
    for (const QWidget *child : control->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && child->isVisible())
            shown += child->visibleRegion().translated(child->pos());
    }
    return !shown.isEmpty();
}

void keepTabOnScreen()
{
    static const bool installed = [] {
        qApp->installEventFilter(new TabOnScreen(qApp));
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ortelia
