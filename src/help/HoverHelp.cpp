#include "HoverHelp.h"

#include "WindowRegistry.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace ortelia {

namespace {
const char *kHelperProperty = "ortelia_hoverHelp";
const char *kTextProperty = "ortelia_hoverText";
} // namespace

QColor HoverHelp::yellow()
{
    return QColor(0xFF, 0xFF, 0x00);
}
QColor HoverHelp::lightYellow()
{
    return QColor(0xFF, 0xFF, 0x80);
}
QColor HoverHelp::lightRed()
{
    return QColor(0xFF, 0x80, 0x80);
}

HoverHelp::HoverHelp(QWidget *window) : QObject(window), m_window(window)
{
    window->setMouseTracking(true);
    window->installEventFilter(this);
}

HoverHelp *HoverHelp::forWindow(QWidget *window)
{
    auto *helper = window->property(kHelperProperty).value<HoverHelp *>();
    if (!helper) {
        helper = new HoverHelp(window);
        window->setProperty(kHelperProperty, QVariant::fromValue(helper));
    }
    return helper;
}

void HoverHelp::attach(QWidget *control, const QString &text)
{
    attach(control, text, Options{});
}

void HoverHelp::attach(QWidget *control, const QString &text, const Options &options)
{
    HoverHelp *helper = forWindow(control->window());
    control->setProperty(kTextProperty, text);
    control->installEventFilter(helper);
    Item item;
    item.control = control;
    item.text = text;
    item.options = options;
    helper->m_items.push_back(std::move(item));
}

QString HoverHelp::textOf(const QWidget *control)
{
    return control->property(kTextProperty).toString();
}

void HoverHelp::setHelpText(const QString &text)
{
    if (QWidget *help = WindowRegistry::window(windows::hilfe1))
        QMetaObject::invokeMethod(help, "setHelpText", Q_ARG(QString, text));
}

void HoverHelp::activate(Item &item)
{
    resetHighlights();
    if (item.options.highlight.isValid()) {
        item.palette = item.control->palette();
        item.hadAutoFill = item.control->autoFillBackground();
        QPalette p = item.palette;
        p.setColor(item.control->backgroundRole(), item.options.highlight);
        p.setColor(QPalette::Button, item.options.highlight);
        p.setColor(QPalette::Base, item.options.highlight);
        // The highlights are light: light text on them would be unreadable.
        for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            p.setColor(text, Qt::black);
        item.control->setAutoFillBackground(true);
        item.control->setPalette(p);
        item.highlighted = true;
    }
    setHelpText(item.text);
    if (item.options.alsoDo)
        item.options.alsoDo();
}

void HoverHelp::resetHighlights()
{
    for (Item &item : m_items)
        resetHighlight(item);
}

void HoverHelp::resetHighlight(Item &item)
{
    if (!item.highlighted || !item.control)
        return;
    item.control->setPalette(item.palette);
    item.control->setAutoFillBackground(item.hadAutoFill);
    item.highlighted = false;
}

bool HoverHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::MouseMove)
            resetHighlights();
        return false;
    }
    const QEvent::Type type = event->type();
    if (type != QEvent::Enter && type != QEvent::FocusIn && type != QEvent::FocusOut)
        return false;
    for (Item &item : m_items) {
        if (item.control != watched)
            continue;
        if (type == QEvent::FocusOut) {
            if (item.options.clearOnFocusOut)
                resetHighlight(item);
        } else if (type == QEvent::Enter || item.options.onFocus) {
            activate(item);
        }
        break;
    }
    return false;
}

} // namespace ortelia
