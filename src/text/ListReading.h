#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace ortelia {

class Speaker;

// Reading the text translator's result lists aloud: the voice of each list (its voice markup
// label, chosen from the engine's voices), the read itself through the speaker, pause and
// resume, and the line of the heard word marked in the lists while it is heard. Only this
// window's own reading moves the mark: the speaker speaks for every window.
class ListReading : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QListWidget *foreignList; // List1
        QListWidget *germanList;  // List2
        QLabel *foreignVoice;     // speechX1
        QLabel *germanVoice;      // speechX2
        QComboBox *foreignVoices; // SpeechFontCombo
        QComboBox *germanVoices;  // SpeechFontComboE
        QLineEdit *foreignPrompt; // Text3
        QLineEdit *germanPrompt;  // Text4
        QAbstractButton *pause;   // PauseButton
        QLabel *foreignAnswer;    // lblText
        QLabel *germanAnswer;     // Label1
    };
    ListReading(Speaker &speaker, const Controls &controls, QObject *parent);

    // Lists the engine's voices in both voice boxes.
    void fillVoices();
    // The languages of the lists changed (foreign List1, German List2).
    void showLanguages(const QString &foreign, const QString &german);
    // Reads a list in the language of its words (a code, "en", or a name as the dictionaries
    // answer it): the standard speaker is the user's voice profile in that language, a voice picked
    // for the list speaks as picked. Without a language the list is read as it stands.
    void read(QListWidget *list, const QString &language);
    // Pauses, or resumes paused speech; the button says what a click will do next.
    void togglePause();

private:
    struct Reading {
        QListWidget *list;
        QString request;
    };
    void chooseVoice(QComboBox *box, QLabel *voiceLine, QLineEdit *prompt);
    void showReadingVoice(QComboBox *box, const QString &language);
    void requestStarted(const QString &request);
    void wordHeard(int start, int length);

    Speaker &m_speaker;
    Controls m_controls;
    // What this window asked the engine to speak, and what the engine speaks now if it is ours.
    std::optional<Reading> m_asked;
    std::optional<Reading> m_speaking;
};

} // namespace ortelia
