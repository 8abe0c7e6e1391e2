#pragma once

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class LetterPanel;
}

namespace ortelia {

class Speaker;

// The list translator's letter: the collected translations, read aloud, printed, cleared and
// saved as one quoted line.
class LetterPanel : public QWidget {
    Q_OBJECT
public:
    explicit LetterPanel(QWidget *parent = nullptr);
    ~LetterPanel() override;

    // Who reads the letter, the voice line put in front of it and the letter's language (the
    // translations it collects are in the dictionary's foreign language).
    void setSpeech(Speaker &speaker, std::function<QString()> voiceLine, std::function<QString()> language);

    QString text() const;
    // Focuses the letter with the caret at its end.
    void focusEnd();
    void insertAtCaret(const QString &text);

signals:
    // The window's input reset, run after the letter was handed to the speaker.
    void inputReset();
    // hilfe.txt could not be written: the window puts the focus back into its first field.
    void requestNotWritten();
    // A save went through: the window shows its first field as untouched again.
    void saved();
    // A hover text for the window's description panel.
    void described(const QString &text);

private:
    void attachHoverHelp();
    void readLetter();
    void print();
    void saveAs();
    void save();
    bool saveTo(const QString &path);

    std::unique_ptr<Ui::LetterPanel> ui;
    Speaker *m_speaker = nullptr;
    std::function<QString()> m_voiceLine;
    std::function<QString()> m_language;
};

} // namespace ortelia
