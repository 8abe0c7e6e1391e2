#pragma once

#include "FileSave.h"
#include "UpdateList.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class up1;
}

namespace ortelia {

class FormTimer;
class HttpGet;

// The update window: fetches the update list from the update server, keeps its copies, walks its
// entries and, with the user's consent, downloads the dictionaries newer than the stored update
// date into TranslateDeGb. Every step that follows a wait runs from a timer, so the window stays
// usable while it searches and downloads.
class up1 : public QWidget {
    Q_OBJECT
public:
    explicit up1(QWidget *parent = nullptr);
    ~up1() override;

    void Form_Load();

    // Collect makes the window this high: 6705 twips.
    static constexpr int kCollectHeight = 6705 / 15;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void readUpdateDate();
    void readLastUpdateDate();
    void showClock();
    void countDictionaries();
    void readSettings();
    void saveSettings();
    void firstSwitchClicked(bool on);
    void secondSwitchClicked(bool on);
    void autoLoad();

    bool fetch();
    bool downloadText();
    bool storeList();
    void storeTextByAddress();
    void storeWholeText();
    // Shows a failed save's message; true when the file was written.
    bool reportSave(const SaveResult &result);
    void loadList();
    void updateEntryCount();

    UpdateList::Entry currentEntry() const;
    void selectEntry();
    void endOfList();
    bool isNew(const UpdateList::Entry &entry) const;
    void advance(int waitMs);

    void startScan();
    void scanStep();
    void collect();
    void collectStep();
    void checkOne();
    void askAndDownload();
    // Downloads the selected entry into TranslateDeGb/<name>.chk; then runs after it, whatever
    // the result. False when nothing was started.
    bool download(std::function<void()> then = {});
    bool downloadTo(const QString &path, std::function<void()> then);
    void saveAs();
    void takeOverUpdate();
    void saveCodeDate();
    void openSelected();

    void stopTimers();
    void updateFoundCounter();
    void updateFoundList();
    QString dictionaryFolder() const;
    void setStatus(const QString &text);
    void attachHoverHelp();

    std::unique_ptr<Ui::up1> ui;
    FormTimer *Timer5; // automatic loading, once
    FormTimer *Timer2; // next scan step
    FormTimer *Timer3; // next collect step
    QString m_listText;
    QPointer<HttpGet> m_listRequest;
    QPointer<HttpGet> m_download;
    int m_found = 0;
    bool m_scanning = false;
    bool m_collecting = false;
    // Counts closings, so that a fetch waiting across a close does not go on.
    int m_closings = 0;
};

} // namespace ortelia
