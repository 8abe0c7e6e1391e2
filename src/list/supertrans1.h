#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <memory>

namespace Ui {
class supertrans1;
}

namespace ortelia {

class DictionaryModel;
class FormTimer;
class SectionLists;

// The list translator "Listen-Translator": a whole dictionary as four alphabetical lists, found
// by typing its first letters, read aloud field by field through the main window's speech page,
// and collected into a letter (LetterPanel).
class supertrans1 : public QWidget {
    Q_OBJECT
public:
    explicit supertrans1(QWidget *parent = nullptr);
    ~supertrans1() override;

    // The load step, run once the registry knows the window.
    void Form_Load();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectSearch();
    void connectReading();
    void connectDictionaryChoice();
    void connectPanel();
    void attachHoverHelp();
    std::map<int, std::function<void()>> arrowKeys();

    void LoadDictionary();
    void loadingCheck();
    void setProgress(int value);
    void showProgress(bool mainWindowToo);
    void hideProgress();

    void searchWholeWord();
    void searchPrefix();
    void showLine(const QString &line);
    void hideLists();

    void splitCurrentLine();
    QString field(int index) const;
    QString voiceLine() const;
    void read(const QString &text);
    void readTranslation();
    void readField(int index, bool withVoice);
    void takeSelection();
    void inputReset();

    void dictionaryNameChanged();
    // The name field and label name the dictionary in the lists (none: empty).
    void showLoadedName();
    void openDictionaryChoice();
    void takeChosenDictionary(const QString &fileName, bool mainWindowBar);
    void closeDictionaryChoice();
    void voiceBoxChanged(bool ticked);
    void focusBoxChanged(bool ticked);
    void showDescription(const QString &text);
    void closeWindow();

    std::unique_ptr<Ui::supertrans1> ui;
    DictionaryModel *m_model;
    SectionLists *m_lists;
    FormTimer *m_loadTimer;
    QString m_loadedName;
    bool m_closing = false;
};

} // namespace ortelia
