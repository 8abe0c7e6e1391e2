#pragma once

#include "HttpGet.h"
#include "UpdateFiles.h"
#include "UpdateList.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <memory>

namespace Ui {
class up1;
}

namespace ortelia {

class DictionaryDownload;
class FormTimer;
class WindowRegistry;
struct WindowServices;

// The update window: fetches the update list from the update server, keeps its copies, walks its
// entries and, with the user's consent, downloads the dictionaries newer than the stored update
// date into TranslateDeGb. Every step that follows a wait runs from a timer, so the window stays
// usable while it searches and downloads. Its dates and its switches are panels of their own.
class up1 : public QWidget {
    Q_OBJECT
public:
    explicit up1(WindowServices &services, QWidget *parent = nullptr);
    ~up1() override;

    // Loads the update list automatically when the switches ask for it, as at opening.
    static void answerRequests(WindowServices &services);

    void Form_Load();

    // Collect makes the window this high.
    static constexpr int kCollectHeight = 447;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void countDictionaries();
    void autoLoad();

    bool fetch();
    bool downloadText();
    bool storeList();
    void storeTextByAddress();
    void storeWholeText();
    // Shows why a store wrote nothing; true when it wrote its file.
    bool report(const QString &failure);
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
    void downloadFinished(HttpGet::Outcome outcome, const QString &failure);
    // Says why a server's entry is not fetched; true when it may be.
    bool accept(const UpdateList::Entry &entry);
    void saveAs();
    void openSelected();

    void stopTimers();
    void updateFoundCounter();
    void updateFoundList();
    void setStatus(const QString &text);
    void attachHoverHelp();

    WindowRegistry &m_windows;
    std::unique_ptr<Ui::up1> ui;
    FormTimer *Timer5; // automatic loading, once
    FormTimer *Timer2; // next scan step
    FormTimer *Timer3; // next collect step
    UpdateFiles m_files;
    QPointer<HttpGet> m_listRequest;
    DictionaryDownload *m_download;
    // What follows the running download, whatever its result.
    std::function<void()> m_afterDownload;
    // The entry whose download into the dictionary folder runs, to install once it is whole.
    std::optional<UpdateList::Entry> m_installing;
    int m_found = 0;
    bool m_scanning = false;
    bool m_collecting = false;
    // Counts closings, so that a fetch waiting across a close does not go on.
    int m_closings = 0;
};

} // namespace ortelia
