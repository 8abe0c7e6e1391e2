#include "HoverHelp.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

#include <utility>

namespace ortelia {

namespace {
const char *kHelperProperty = "ortelia_hoverHelp";
const char *kTextProperty = "ortelia_hoverText";
// How far a label may lie from the control it names, in pixels.
constexpr int kLabelReach = 8;

// A caption as it is read: without the "&" that marks a shortcut key ("&&" is one "&").
QString readable(const QString &caption)
{
    QString result;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        result += caption[i];
    }
    return result.simplified();
}

QString captionOf(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return readable(button->text());
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return readable(label->text());
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        return readable(group->title());
    return {};
}

QString firstSentence(const QString &text)
{
    static const QRegularExpression end(QStringLiteral("[.!?](\\s|$)"));
    const QString simple = text.simplified();
    const QRegularExpressionMatch found = end.match(simple);
    return found.hasMatch() ? simple.left(found.capturedStart()) : simple;
}

// The caption of the label just above the control or just left of it, as the windows are laid
// out; empty when there is none.
QString labelBeside(const QWidget *control)
{
    const QWidget *parent = control->parentWidget();
    if (!parent)
        return {};
    const QRect at = control->geometry();
    const QLabel *nearest = nullptr;
    std::pair<int, int> nearestDistance{kLabelReach + 1, 0};
    for (const QLabel *label : parent->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        const QRect l = label->geometry();
        int gap = 0;
        if (l.bottom() < at.top() && l.left() <= at.right() && l.right() >= at.left())
            gap = at.top() - l.bottom();
        else if (l.right() < at.left() && l.top() <= at.bottom() && l.bottom() >= at.top())
            gap = at.left() - l.right();
        else
            continue;
        const std::pair<int, int> distance{gap, qAbs(l.left() - at.left())};
        if (!readable(label->text()).isEmpty() && distance < nearestDistance) {
            nearest = label;
            nearestDistance = distance;
        }
    }
    return nearest ? readable(nearest->text()) : QString();
}

// What a screen reader says of the control. A caption names a control by itself, and follows its
// changes; a control without one is named by the first sentence of its help text (icon buttons,
// fields, sliders), or else by the label beside it. The help text describes it. A name or
// description the window gave stays.
void describeForScreenReaders(QWidget *control, const QString &text)
{
    if (control->accessibleName().isEmpty() && captionOf(control).isEmpty()) {
        const QString sentence = firstSentence(text);
        control->setAccessibleName(sentence.isEmpty() ? labelBeside(control) : sentence);
    }
    if (control->accessibleDescription().isEmpty())
        control->setAccessibleDescription(text.simplified());
}
// Setting a style sheet again resolves the control's font anew, without the smaller font its
// window gives it: the font stays as it was.
void setStyleSheetKeepingFont(QWidget *control, const QString &sheet)
{
    const QFont font = control->font();
    control->setStyleSheet(sheet);
    control->setFont(font);
}
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
    describeForScreenReaders(control, text);
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
    emit helpLine().shown(text);
}

HelpLine &HoverHelp::helpLine()
{
    static HelpLine line;
    return line;
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
        // A text colour from a style sheet outweighs the palette's: the black goes after it.
        item.styleSheet = item.control->styleSheet();
        item.highlightSheet.clear();
        if (item.styleSheet.contains(QLatin1String("color")) && !item.styleSheet.contains(QLatin1Char('{'))) {
            item.highlightSheet = item.styleSheet.trimmed();
            if (!item.highlightSheet.endsWith(QLatin1Char(';')))
                item.highlightSheet += QLatin1Char(';');
            item.highlightSheet += QStringLiteral(" color: black;");
            setStyleSheetKeepingFont(item.control, item.highlightSheet);
        }
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
    // A style sheet the window set meanwhile stays.
    if (!item.highlightSheet.isEmpty() && item.control->styleSheet() == item.highlightSheet)
        setStyleSheetKeepingFont(item.control, item.styleSheet);
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
