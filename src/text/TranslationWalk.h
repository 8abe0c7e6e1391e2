#pragma once

#include "LookUpOnPage.h"
#include "TextRoutines.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QAbstractButton;
class QAbstractSlider;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTimer;
class QWidget;

namespace ortelia {

class FormTimer;
class OptionGroup;
class Dictionary;
class TextTranslation;

// One direction of the text translator: a text is normalised and split into words, and the
// words are looked up one after the other on the dictionary page, each answer adding one line to
// each result list. The walk is a chain of window timers: a word is selected, 40 ms later it is
// looked up, 100 ms after that its answer is collected; the next word follows the word pause,
// but never before the answer of the current word is in, so line n of both lists always belongs
// to the word or phrase n. The words of a phrase or of a separated verb are answered by what they
// form (TextTranslation), on one line that the first of them adds.
class TranslationWalk : public QObject {
    Q_OBJECT
public:
    // What the two directions share: the dictionary, the result lists and their voice lines, the pause.
    struct Shared {
        Dictionary *dictionary;
        QListWidget *foreignList; // List1
        QListWidget *germanList;  // List2
        QLabel *foreignAnswer;    // lblText
        QLabel *germanAnswer;     // Label1
        QLabel *foreignVoice;     // speechX1
        QLabel *germanVoice;      // speechX2
        QAbstractSlider *pause;   // HScroll1
    };
    // The direction's own controls and the names of its timers.
    struct Controls {
        TextDirection direction;
        QPlainTextEdit *input;      // Text / TextE
        QListWidget *words;         // List1D / List1DE
        QLineEdit *word;            // Text1 / Text1E
        OptionGroup *reading;       // Option1 / Option1E
        QCheckBox *dictation;       // Check1 / Check2
        QAbstractButton *readAloud; // Command3 (reads List1) / Command5 (reads List2)
        const char *walkTimer;      // Timer1D / Timer1DE
        const char *lookupTimer;    // Timer1 / Timer1E
        const char *answerTimer;    // Timer2 / Timer2E
        const char *readTimer;      // sprich1 / sprich1E
        const char *clearTimer;     // Timer5 / Timer6
    };

    TranslationWalk(const Shared &shared, const Controls &controls, QWidget *window);
    ~TranslationWalk() override;

    // Empties the result lists, splits the input and starts the walk at the first word.
    void translate();
    // Puts a word into the word field, which looks it up 40 ms later.
    void lookUp(const QString &word);
    // Looks the word field up now (the "<Suche" button, Enter in the word field).
    void lookUpNow();
    // Ends the walk after the word in progress.
    void stop();
    // Reads the direction's result list aloud 1.5 s from now, unless restarted meanwhile.
    void readAfterwards();
    void setWordPause(int milliseconds);

private:
    void inputChanged();
    void dictationSettled();
    void wordSelected(int row);
    void wordChanged();
    void collectAnswer();
    void pauseOver();
    void advance();
    void clearDictatedInput();
    bool answerPending() const;

    Shared m_shared;
    Controls m_controls;
    FormTimer *m_walkTimer;
    FormTimer *m_lookupTimer;
    FormTimer *m_answerTimer;
    FormTimer *m_readTimer;
    FormTimer *m_clearTimer;
    // A dictation program writes in bursts: the translation starts once the text has settled.
    QTimer *m_settleTimer;
    // The hidden work copy of the input (Text1DD / Text1EE).
    QString m_workCopy;
    // The answer to the word in progress, collected a moment after it came; none without a page.
    std::optional<LookupAnswer> m_answer;
    // The word in progress belongs to a phrase whose line an earlier word of it has added.
    bool m_answerGiven = false;
    // The answers to the words of the list, which it reads ahead in for phrases and separated verbs.
    std::unique_ptr<TextTranslation> m_translation;
    bool m_advanceWhenAnswered = false;
};

} // namespace ortelia
