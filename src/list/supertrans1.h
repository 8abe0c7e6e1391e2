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
struct WindowServices;

// The list translator "Listen-Translator": a whole dictionary as four alphabetical lists, found
// by typing its first letters, read aloud field by field, and collected into a letter
// (LetterPanel). Its loading is shown in the main window too, through the shared progress.
class supertrans1 : public QWidget {
    Q_OBJECT
public:
    explicit supertrans1(WindowServices &services, QWidget *parent = nullptr);
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
    // The text in its language, when known (ReadAloud::read).
    void read(const QString &text, const QString &language = QString());
    // The reading steps follow each other at the pace the user sees them; then runs after the last.
    void after(int milliseconds, std::function<void()> step);
    void readTranslation(std::function<void()> then = {});
    void readField(int index, bool withVoice, std::function<void()> then = {});
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

    WindowServices &m_services;
    std::unique_ptr<Ui::supertrans1> ui;
    DictionaryModel *m_model;
    SectionLists *m_lists;
    FormTimer *m_loadTimer;
    QString m_loadedName;
    bool m_closing = false;
};

} // namespace ortelia
