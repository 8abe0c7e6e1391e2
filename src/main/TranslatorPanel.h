#pragma once

#include "LookUpOnPage.h"

#include <QGroupBox>
#include <QStringList>

#include <memory>
#include <optional>

namespace Ui {
class TranslatorPanel;
}

class QKeyEvent;
class QListWidget;

namespace ortelia {

class Dictionary;
class FormTimer;
class SuggestionLine;
struct WindowServices;

// The single-word translator Frame2 of the main window: a word typed (or dictated) into the
// German or the foreign field is looked up on the window's dictionary page; half a second later
// the results are shown and spoken.
class TranslatorPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit TranslatorPanel(QWidget *parent = nullptr);
    ~TranslatorPanel() override;

    // The window's dictionary, on whose page the panel looks words up.
    void setDictionary(Dictionary &dictionary);
    void setServices(WindowServices &services);
    // The window's load step: only the German-English flags and no dictation controls show.
    void load();

    void SearchGerman(const QString &word);
    void SearchForeign(const QString &word);
    // A word typed elsewhere: written into the typed field of its side and searched.
    void lookUpWord(const QString &word, TextDirection direction);
    // In dictation mode: the German dictation field is in view.
    bool dictating() const;
    // A dictated word in the German dictation field, searched after the dictation delay.
    void showDictatedWord(const QString &word);
    int dictationPace() const;
    void setDictationPace(int milliseconds);
    // Selects the voice line in the voice list List3, or nothing when it has none such.
    void selectVoiceLine(const QString &line);
    // The text translator's language name on the search button of its side.
    void showLanguageName(bool first, const QString &name);
    // In view with the German-English page; in dictation mode, dictation starts three seconds later.
    void open(bool dictation);
    // Out of view with its timers stopped; closing fully also closes the dictation window.
    void closePanel(bool full);
    // The language pair chosen: the labels and the flags shown and hidden (by name).
    void showLanguage(const QString &caption, const QStringList &show, const QStringList &hide);
    // A dictionary chosen in the chooser: its flags and the answer of the pair before go, its entry
    // "??" answers with its two language names, and they are said.
    void hideLanguagePictures();
    void readLanguageNames();

signals:
    void status(const QString &text);
    // The dictionary page of the program folder to load ("T2").
    void pageWanted(const QString &name);
    void programFolderWanted();
    void languagesWanted();
    void closeWanted(bool full);
    // Label21 is read aloud in the voice of the profile.
    void textToSpeakWithProfile(const QString &text);
    // The translation label asks for the clipboard field to be recognised.
    void recognitionWanted();
    // The language names of the chosen dictionary (Text5, Text6).
    void languageNamesChanged(const QString &first, const QString &second);
    // The Arabic keyboard is wanted for this translator.
    void keyboardWanted();
    void dictationChanged(bool dictation);
    void dictationPaceChanged(int milliseconds);
    // Dictation is over: the dictation window, if open, closes.
    void closeDictationWanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Direction { German, Foreign };

    void search(Direction direction, const QString &word);
    void answered(const QString &word, TextDirection direction, const std::optional<LookupAnswer> &answer);
    void fetchResults(Direction direction);
    void typedFieldChanged(Direction direction);
    void dictationFieldChanged(Direction direction);
    bool fieldKey(QObject *field, QKeyEvent *event);
    void dictationTimerFired(Direction direction);
    void startDictation(Direction direction);
    void endDictation(Direction direction);
    void setAutoSearchDelay(int milliseconds);
    void sayLanguageNames();
    // The answer of the pair before goes with it: a note of another language would stay on screen.
    void clearAnswer();
    void attachHoverHelp();
    // The lists of words under the typed fields; the answer's labels that can be copied, and the
    // line of suggestions where the answer would stand.
    void attachWordLists();
    void attachAnswerLines();

    std::unique_ptr<Ui::TranslatorPanel> ui;
    Dictionary *m_dictionary = nullptr;
    // The last answer of the dictionary, which a fetch shows; none before the first.
    std::optional<LookupAnswer> m_answer;
    QString m_answerWord;
    TextDirection m_answerDirection = TextDirection::German;
    // The words the dictionary may have meant when it had no answer to the last word.
    QStringList m_suggestions;
    SuggestionLine *m_suggestionLine = nullptr;
    bool m_languageNamesWanted = false;
    // A pair chosen by the user, which opening the panel keeps.
    bool m_pairChosen = false;
    WindowServices *m_services = nullptr;
    // The translation last spoken, which the translation label speaks again.
    QStringList m_lastTranslation;
    FormTimer *Timer1T;
    FormTimer *Timer2T;
    FormTimer *Timer4;
    FormTimer *Timer5;
};

} // namespace ortelia
