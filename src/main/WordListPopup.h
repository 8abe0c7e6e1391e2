#pragma once

#include <QListWidget>
#include <QStringList>

#include <functional>

class QLineEdit;

namespace ortelia {

// The dictionary's words that begin with the letters typed into a field, in a list under the
// field that follows every keystroke. Down and Up pick a word (Up from the first one picks none
// again), Enter or a click takes the picked word; Enter with no word picked is the field's, as
// before. The list floats over the window without taking the focus, which stays in the field.
class WordListPopup : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kMostWords = 10;
    // The words for the typed text, at most kMostWords.
    using Words = std::function<QStringList(const QString &typed)>;

    WordListPopup(QLineEdit *field, Words words);

signals:
    void picked(const QString &word);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(const QString &typed);
    bool key(int key);
    void take(const QListWidgetItem *item);

    QLineEdit *m_field;
    Words m_words;
};

} // namespace ortelia
