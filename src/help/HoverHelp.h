#pragma once

#include <QColor>
#include <QPalette>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace ortelia {

// Where the program's help texts go; the help window shows them.
class HelpLine : public QObject {
    Q_OBJECT
signals:
    void shown(const QString &text);
};

// Hover help shared by every window: moving the mouse over a control (and, where asked, giving
// it the focus) writes the control's explanation into the help window's label and highlights the
// control; moving over the bare window takes the highlights back.
class HoverHelp : public QObject {
    Q_OBJECT
public:
    // The highlight colours of the program.
    static QColor yellow();      // &H00FFFF
    static QColor lightYellow(); // &H80FFFF
    static QColor lightRed();    // &H8080FF, for exit controls

    struct Options {
        QColor highlight = lightYellow();
        bool onFocus = false;         // also when the control gets the focus
        bool clearOnFocusOut = false; // the highlight goes when the control loses the focus
        std::function<void()> alsoDo; // further effects (status texts, sounds)
    };

    // Gives a control its help text, which also names and describes it for screen readers. The
    // control's window must be a top-level widget that lives at least as long as the control.
    static void attach(QWidget *control, const QString &text, const Options &options);
    static void attach(QWidget *control, const QString &text);

    // Sends a text to the help line, which the help window shows in its label.
    static void setHelpText(const QString &text);
    // One for the program: every window writes to it, and the help window listens while its
    // services live.
    static HelpLine &helpLine();

    // The help text attached to a control (empty when none).
    static QString textOf(const QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit HoverHelp(QWidget *window);
    struct Item {
        QPointer<QWidget> control;
        QString text;
        Options options;
        bool highlighted = false;
        bool hadAutoFill = false;
        QPalette palette;
        QString styleSheet;     // the control's own, while the highlight's is set
        QString highlightSheet; // empty when the highlight set none
    };
    void activate(Item &item);
    void resetHighlights();
    static void resetHighlight(Item &item);
    static HoverHelp *forWindow(QWidget *window);

    QWidget *m_window;
    std::vector<Item> m_items;
};

} // namespace ortelia
