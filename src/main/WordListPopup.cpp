#include "WordListPopup.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace ortelia {

WordListPopup::WordListPopup(QLineEdit *field, Words words)
    : QListWidget(field), m_field(field), m_words(std::move(words))
{
    // A window of its own, so that the window's outline does not cut it; one that never takes
    // the focus from the field.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Wörter des Wörterbuchs"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, &WordListPopup::follow);
    connect(this, &QListWidget::itemClicked, this, &WordListPopup::take);
}

void WordListPopup::follow(const QString &typed)
{
    // Only what the user types: a word written into the field from elsewhere gets no list.
    const QStringList words = m_field->hasFocus() && !typed.trimmed().isEmpty() ? m_words(typed) : QStringList();
    if (words.isEmpty()) {
        hide();
        return;
    }
    clear();
    addItems(words);
    setCurrentRow(-1);
    const int frame = 2 * frameWidth();
    const int width = qMax(m_field->width(), sizeHintForColumn(0) + frame + 8);
    resize(width, sizeHintForRow(0) * count() + frame);
    move(m_field->mapToGlobal(QPoint(0, m_field->height())));
    // The window moving or closing leaves the list behind otherwise.
    m_field->window()->installEventFilter(this);
    show();
}

bool WordListPopup::key(int key)
{
    switch (key) {
    case Qt::Key_Down:
        setCurrentRow(qMin(currentRow() + 1, count() - 1));
        return true;
    case Qt::Key_Up:
        setCurrentRow(currentRow() - 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentRow() < 0)
            return false;
        take(currentItem());
        return true;
    default:
        return false;
    }
}

void WordListPopup::take(const QListWidgetItem *item)
{
    const QString word = item->text();
    hide();
    emit picked(word);
}

bool WordListPopup::eventFilter(QObject *watched, QEvent *event)
{
    if (!isVisible())
        return false;
    if (watched == m_field) {
        if (event->type() == QEvent::KeyPress)
            return key(static_cast<QKeyEvent *>(event)->key());
        if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide)
            hide();
        return false;
    }
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Hide)
        hide();
    return false;
}

} // namespace ortelia
