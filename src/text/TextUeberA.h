#pragma once

#include "TextRoutines.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TextUeberA;
}

class QListWidget;

namespace ortelia {

class Dictionary;
class ListReading;
class OptionGroup;
class TranslationWalk;
class YellowField;
struct WindowServices;

// The text translator " Uebersetzungsfenster :  Text-Uebersetzer !": translates a whole text word
// by word, German to foreign and foreign to German, on the dictionary page of the chosen language
// pair (shown in the hidden browser wbrWebBrowser), collects the word pairs in two result lists
// and reads them aloud. The windows that feed it text reach it through the program's requests.
class TextUeberA : public QWidget {
    Q_OBJECT
public:
    explicit TextUeberA(WindowServices &services, QWidget *parent = nullptr);
    ~TextUeberA() override;

    // The load step, run once the registry knows the window.
    void Form_Load();
    // Connects the requests this window answers, creating it where the answer needs it.
    static void answerRequests(WindowServices &services);

    // Puts the text into the direction's input and translates it, as its start button does.
    void translateText(const QString &text, TextDirection direction);
    // Wide and tall ("fensterauf").
    void openWide();
    // Shown in the top left corner, narrow, at the given height.
    void arrangeNarrow(int height);
    // Drawn at the given height, as wide as it is.
    void setHeight(int height);
    // Loads the chooser's page TranslateDeGb/sysx and takes its language names ("auswahl2").
    void applyOwnDictionary();
    // Closes with the steps of the close button.
    void closeWindow();
    // Closes without them ("fensterschlissen").
    void dropWindow();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectWalks();
    void connectLanguages();
    void connectReading();
    void connectWindow();
    void attachHoverHelp();

    void choosePair(const QString &file);
    enum class Side { First, Second };
    // A language name shown on this window and, through the shared pair, on the others.
    void languageNameChanged(Side side);
    void pairCaptionsChanged();
    void takeOwnDictionaryNames(const QString &first, const QString &second);
    void stopTranslation();
    // A double click removes the clicked pairs from both lists together.
    void removeSelectedPairs(QListWidget *clicked);
    void keepListsPaired();
    void setNarrow(bool narrow);
    void setLow(bool low);

    WindowServices &m_services;
    std::unique_ptr<Ui::TextUeberA> ui;
    // Looks words up on the hidden page wbrWebBrowser.
    Dictionary *m_dictionary;
    OptionGroup *m_reading;
    OptionGroup *m_readingForeign;
    TranslationWalk *m_german;
    TranslationWalk *m_foreign;
    ListReading *m_listReading;
    YellowField *m_yellow;
    bool m_closing = false;
};

} // namespace ortelia
