#include "CopyableText.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTextDocument>

namespace ortelia {

CopyableText::CopyableText(QLabel *label) : QObject(label), m_label(label)
{
    label->setTextInteractionFlags(label->textInteractionFlags() | Qt::TextSelectableByMouse);
    // Selectable text would take the focus at every click, away from the field being typed in.
    if (!(label->textInteractionFlags() & Qt::LinksAccessibleByKeyboard))
        label->setFocusPolicy(Qt::NoFocus);
    label->installEventFilter(this);
}

void CopyableText::attach(QLabel *label)
{
    new CopyableText(label);
}

void CopyableText::copy() const
{
    QString text = m_label->selectedText();
    if (text.isEmpty()) {
        text = m_label->text();
        if (m_label->textFormat() == Qt::RichText ||
            (m_label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument document;
            document.setHtml(text);
            text = document.toPlainText();
        }
    }
    QApplication::clipboard()->setText(text);
}

bool CopyableText::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ContextMenu: {
        QMenu menu(m_label);
        menu.addAction(QStringLiteral("Kopieren"), this, &CopyableText::copy);
        menu.exec(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                copy();
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (m_label->hasSelectedText())
            m_label->setFocus(Qt::MouseFocusReason);
        return false;
    default:
        return false;
    }
}

} // namespace ortelia
