#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TextUeberA;
}

class QListWidget;

namespace ortelia {

class ListReading;
class OptionGroup;
class TranslationWalk;
class YellowField;

// The text translator " Uebersetzungsfenster :  Text-Uebersetzer !": translates a whole text word
// by word, German to foreign and foreign to German, on the dictionary page of the chosen language
// pair (shown in the hidden browser wbrWebBrowser), collects the word pairs in two result lists
// and reads them aloud through the main window's speech page.
class TextUeberA : public QWidget {
    Q_OBJECT
public:
    explicit TextUeberA(QWidget *parent = nullptr);
    ~TextUeberA() override;

    // The load step, run once the registry knows the window.
    void Form_Load();

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
    // A language name shown on this window, the main window and the Arabic keyboard.
    void languageNameChanged(Side side);
    void pairCaptionsChanged();
    void applyOwnDictionary();
    void stopTranslation();
    void removeSelectedPairs();
    void keepListsPaired();
    void setNarrow(bool narrow);
    void setLow(bool low);
    void closeWindow();

    std::unique_ptr<Ui::TextUeberA> ui;
    OptionGroup *m_reading;
    OptionGroup *m_readingForeign;
    TranslationWalk *m_german;
    TranslationWalk *m_foreign;
    ListReading *m_listReading;
    YellowField *m_yellow;
    bool m_closing = false;
};

} // namespace ortelia
