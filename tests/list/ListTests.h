#pragma once

#include "TestServices.h"
#include "TestSupport.h"

#include <QObject>

#include <functional>
#include <memory>

class QLineEdit;
class QListView;

class ListRulesTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsByPosition();
    void modelSectionsAndPrefixSearch();
    void letterFileIsOneQuotedLine();
};

// The list translator driven as a person would, on small dictionaries and the real DeEn.
class ListWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ortelia::test::TempProgramFolder> folder;
    std::unique_ptr<ortelia::test::RecordingResponder> responder;
    std::unique_ptr<ortelia::test::TestServices> program;
    ortelia::test::SpeechLog speechLog;

    QWidget *window();
    template <class T = QWidget> T *c(const char *name);
    void open(bool realDictionaries = false);
    void typeInto(const char *field, const QString &text);
    void enter(const char *field);
    // Chooses a dictionary in the panel and waits until it is loaded or refused; afterListing runs
    // once the panel lists the files.
    void choose(const QString &fileName, const std::function<void()> &afterListing = {});
    bool heard(const QString &text);
    QString currentLine();
    QList<int> visibleLists();
    int count(int list);
    QColor background(const char *field);
    void writeDictionary(const QString &name, const QByteArray &bytes);

private slots:
    void init();
    void cleanup();
    void openingLoadsTheExample();
    void wholeWordAndPrefixSearch();
    void prefixSearchAcrossSections();
    void enterReadsTheTranslation();
    void readButtonsReadTheirFields();
    void keysWalkTheListAndFocusBoxChoosesTheField();
    void refusedDictionaryKeepsTheLoadedOne();
    void badInputIsHarmless();
    void everyLineEndLoads();
    void letterIsCollectedSavedAndPrinted();
    void savingNeverLosesTheLetter();
    void letterIsReadAsOneQuotedLine();
    void tabLeavesTheLetterAndCtrlTabTypesATab();
    void soundBoxFollowsMuteAndLoadingIsShared();
    void hoverTextsGoToHelpAndPanel();
    void lineHoverShowsTheGrammar();
    void realDictionaryFindsHau();
};
