#include "TabLeaves.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

namespace ortelia {

namespace {

class CtrlTabTypesTab : public QObject {
public:
    explicit CtrlTabTypesTab(QPlainTextEdit *field) : QObject(field), m_field(field) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Tab || key->modifiers() != Qt::ControlModifier)
            return false;
        m_field->insertPlainText(QStringLiteral("\t"));
        return true;
    }

private:
    QPlainTextEdit *m_field;
};

} // namespace

void LetTabLeave(QPlainTextEdit *field)
{
    field->setTabChangesFocus(true);
    field->installEventFilter(new CtrlTabTypesTab(field));
}

} // namespace ortelia
