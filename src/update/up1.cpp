#include "up1.h"
#include "ui_up1.h"

#include "Dialogs.h"
#include "DictionaryDownload.h"
#include "FormTimer.h"
#include "HoverHelp.h"
#include "HttpGet.h"
#include "ListWalk.h"
#include "SettingsFiles.h"
#include "SettingsSaveBox.h"
#include "Shell.h"
#include "ProgramRequests.h"
#include "TabLeaves.h"
#include "TextFile.h"
#include "WindowKeys.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QSignalBlocker>
#include <QTimer>

namespace ortelia {

namespace {

// After the automatic loading the list stands a moment before only the newer entries are collected.
constexpr int kCollectAfterLoadingMs = 2000;

} // namespace

up1::up1(WindowServices &services, QWidget *parent)
    : QWidget(parent), m_windows(services.windows), ui(std::make_unique<Ui::up1>()),
      m_download(new DictionaryDownload(this))
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    LetTabLeave(ui->Text2);
    Timer5 = new FormTimer(QStringLiteral("Timer5"), 2000, true, this);
    Timer2 = new FormTimer(QStringLiteral("Timer2"), 1000, false, this);
    Timer3 = new FormTimer(QStringLiteral("Timer3"), 1000, false, this);

    connect(Timer5, &FormTimer::timeout, this, [this] {
        Timer5->setEnabled(false);
        autoLoad();
    });
    connect(Timer2, &FormTimer::timeout, this, [this] {
        Timer2->setEnabled(false);
        scanStep();
    });
    connect(Timer3, &FormTimer::timeout, this, &up1::collectStep);
    connect(m_download, &DictionaryDownload::progress, this, [this](qint64 received, qint64 total) {
        ui->ProgressBar1->setRange(0, total > 0 ? 1000 : 0);
        if (total > 0)
            ui->ProgressBar1->setValue(int(received * 1000 / total));
    });
    connect(m_download, &DictionaryDownload::finished, this, &up1::downloadFinished);

    connect(ui->List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            selectEntry();
    });
    connect(ui->List3, &QListWidget::itemChanged, this, &up1::updateFoundList);
    connect(ui->Frame1, &UpdateSwitches::described, this, &up1::setStatus);
    connect(ui->Frame1, &UpdateSwitches::automaticSwitchedOn, ui->Command7, &QWidget::show);
    connect(ui->Frame1, &UpdateSwitches::fetchRequested, this, &up1::fetch);

    connect(ui->Command1, &QPushButton::clicked, this, &up1::fetch);
    for (QPushButton *lade : {ui->Command2, ui->Command21, ui->Command22})
        connect(lade, &QPushButton::clicked, this, &up1::downloadText);
    connect(ui->Command3, &QPushButton::clicked, this, &up1::storeList);
    connect(ui->Command4, &QPushButton::clicked, this, &up1::storeTextByAddress);
    connect(ui->Command19, &QPushButton::clicked, this, &up1::storeWholeText);
    connect(ui->Command5, &QPushButton::clicked, this, &up1::loadList);
    connect(ui->Command6, &QPushButton::clicked, this, &up1::startScan);
    connect(ui->Command7, &QPushButton::clicked, this, &up1::collect);
    connect(ui->Command8, &QPushButton::clicked, this, &up1::checkOne);
    for (QPushButton *now : {ui->Command9, ui->Command10})
        connect(now, &QPushButton::clicked, this, [this] { download(); });
    connect(ui->Command11, &QPushButton::clicked, this, &up1::askAndDownload);
    connect(ui->Command12, &QPushButton::clicked, this, &up1::saveAs);
    connect(ui->Command16, &QPushButton::clicked, this, &up1::openSelected);
    connect(ui->Command17, &QPushButton::clicked, this,
            [] { Shell::openDocument(UpdateFiles::dictionaryFolder()); });
    connect(ui->Command18, &QPushButton::clicked, this, [this] {
        stopTimers();
        hide();
    });

    WindowKeys::bind(services, this, [this] { close(); });
    attachHoverHelp();
}

up1::~up1() = default;

void up1::answerRequests(WindowServices &services)
{
    QObject::connect(&services.requests, &ProgramRequests::checkForUpdates, &services.requests,
                     [&registry = services.windows] {
                         if (auto *window = static_cast<up1 *>(registry.window(windows::up1)))
                             window->Timer5->setEnabled(true);
                     });
}

void up1::Form_Load()
{
    ui->Dates->load(UpdateFiles::dictionaryFolder() + QLatin1Char('/'));
    countDictionaries();
    ui->Frame1->read();
    Timer5->restart(2000);
}

void up1::attachHoverHelp()
{
    HoverHelp::attach(ui->Command1, QStringLiteral("Neue Update-Liste vom Update-Server abrufen!"));
    HoverHelp::attach(ui->Command6,
                      QStringLiteral("Automatische Suche: jedes neue Wörterbuch der Liste wird angeboten!"));
    HoverHelp::attach(ui->Command7, QStringLiteral("Nur Wörterbücher nach dem letzten Update Anzeigen"));
    HoverHelp::attach(
        ui->Command9,
        QStringLiteral("Das ausgewählte Wörterbuch jetzt in den Wörterbuch-Ordner herunterladen!"));
    HoverHelp::Options exit;
    exit.highlight = HoverHelp::lightRed();
    HoverHelp::attach(ui->Command18, QStringLiteral("Update Fenster schließen!"), exit);
}

void up1::setStatus(const QString &text)
{
    ui->Label1->setText(text);
}

void up1::countDictionaries()
{
    ui->Label3->setText(QStringLiteral("In Ihrem Wörterbuch-Ordner sind ( %1 ) Wörterbücher !")
                            .arg(UpdateFiles::dictionaryCount()));
}

void up1::autoLoad()
{
    if (!ui->Frame1->automatic()) {
        setStatus(QStringLiteral("Automatisches neues Update Liste laden...Nicht activiert "));
        return;
    }
    setStatus(QStringLiteral("Automatisches neues Update Liste laden...activiert "));
    const int closings = m_closings;
    if (!fetch())
        return;
    QTimer::singleShot(kCollectAfterLoadingMs, Qt::PreciseTimer, this, [this, closings] {
        if (closings == m_closings && ui->Frame1->onlyNewer())
            collect();
    });
}

bool up1::fetch()
{
    const int closings = m_closings;
    QPointer<up1> self(this);
    ui->Text1->setText(UpdateList::listAddress(SettingsFiles::updateServer()));
    // The download waits for the server; a window closed meanwhile goes no further.
    if (!downloadText() || !self || closings != m_closings || !storeList())
        return false;
    loadList();
    ui->Command6->setText(QStringLiteral("Suche beginnen"));
    updateEntryCount();
    reportSettingsSave(
        SettingsFiles::writeLastUpdateDate(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));
    return true;
}

bool up1::downloadText()
{
    if (m_listRequest)
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    HttpGet *request = HttpGet::text(QUrl(ui->Text1->text().trimmed()), UpdateList::kMaxListBytes, this);
    m_listRequest = request;
    QPointer<up1> self(this);
    const HttpGet::Outcome outcome = request->wait();
    QApplication::restoreOverrideCursor();
    // Closing unloads the window, and the request with it, while it waits.
    if (!self)
        return false;
    m_listRequest = nullptr;
    request->deleteLater();
    if (outcome == HttpGet::Outcome::Ok) {
        m_files.setText(TextFile::decode(request->body()));
        ui->Text2->setPlainText(m_files.text());
        return true;
    }
    // A closed window asked for the cancel; nothing to report.
    if (outcome != HttpGet::Outcome::Cancelled)
        Dialogs::message(Dialogs::programTitle(), request->failureText(), this);
    return false;
}

bool up1::storeList()
{
    return report(m_files.storeList(ui->Text1->text().trimmed()));
}

void up1::storeTextByAddress()
{
    report(m_files.storeByName(ui->Text1->text().trimmed()));
}

void up1::storeWholeText()
{
    report(m_files.storeWholeText());
}

bool up1::report(const QString &failure)
{
    if (!failure.isEmpty())
        Dialogs::message(Dialogs::programTitle(), failure, this);
    return failure.isEmpty();
}

void up1::loadList()
{
    ui->Dates->readLastUpdateDate();
    const std::optional<QStringList> lines = UpdateFiles::storedLines();
    {
        const QSignalBlocker blocker(ui->List1);
        ui->List1->clear();
        if (lines)
            ui->List1->addItems(*lines);
    }
    ui->List1->setFocus();
    ui->List1->setCurrentRow(1);
    updateEntryCount();
}

void up1::updateEntryCount()
{
    ui->Label2->setText(
        QStringLiteral("In der Wörterrbuch Liste befinden sich: ( %1 Einträge )").arg(ui->List1->count()));
}

UpdateList::Entry up1::currentEntry() const
{
    const QListWidgetItem *item = ui->List1->currentItem();
    if (!item)
        return {};
    return UpdateList::parse(item->text()).value_or(UpdateList::Entry{});
}

void up1::selectEntry()
{
    const QListWidgetItem *item = ui->List1->currentItem();
    if (!item)
        return;
    const std::optional<UpdateList::Entry> entry = UpdateList::parse(item->text());
    ui->List2->clear();
    if (!entry) {
        Dialogs::message(QString(), QString::fromLatin1(kTooManyWords), this);
        return;
    }
    ui->List2->addItems(entry->fields);
    ui->List2->setCurrentRow(0);
    ui->Text9->setText(entry->date());
    ui->Text1->setText(entry->address());
    if (entry->isEndMarker()) {
        endOfList();
        return;
    }
    ui->Text8->setText(entry->fileName());
}

void up1::endOfList()
{
    m_scanning = false;
    m_collecting = false;
    stopTimers();
    ui->List3->setEnabled(true);
    const DialogAnswer answer = Dialogs::yesNo(
        QStringLiteral("Alle Wörterbücher-Update überprüfungen durchgefürt!"),
        ui->Label4->text() + QStringLiteral(" Wollen Sie Updat Fenster  beenden ?"), false, this);
    if (answer == DialogAnswer::Yes) {
        stopTimers();
        hide();
    } else {
        updateFoundList();
    }
}

bool up1::isNew(const UpdateList::Entry &entry) const
{
    return !entry.isEndMarker() && UpdateList::isNewer(entry.date(), ui->Dates->updateDate());
}

void up1::advance(int waitMs)
{
    // A list without its end marker ends at its last entry.
    if (!selectNextRow(ui->List1)) {
        endOfList();
        return;
    }
    if (m_scanning)
        Timer2->restart(waitMs);
}

void up1::startScan()
{
    ui->Command6->setText(QStringLiteral("Weiter Suche"));
    // Pressed again while a step waits: go on now, without a second chain of steps.
    Timer2->setEnabled(false);
    m_scanning = true;
    scanStep();
}

void up1::scanStep()
{
    if (!m_scanning)
        return;
    setStatus(QStringLiteral("Weiter suche"));
    const UpdateList::Entry entry = currentEntry();
    if (!isNew(entry)) {
        setStatus(QStringLiteral("Aus runter"));
        advance(1600);
        return;
    }
    setStatus(QStringLiteral("Neues Wörterbuch gefunden"));
    ++m_found;
    updateFoundCounter();
    ui->Text3->setText(entry.summary());
    setStatus(QStringLiteral("Herunterladen ?"));
    const auto next = [this] {
        setStatus(QStringLiteral("Aus runtr AA"));
        advance(300);
    };
    const QString refused = UpdateList::refusal(entry);
    if (!refused.isEmpty()) {
        setStatus(QStringLiteral("Eintrag abgelehnt: ") + refused);
        advance(300);
        return;
    }
    if (Dialogs::yesNo(entry.summary(), QStringLiteral("Wollen Sie das Neue Wörterbuch Downloaden ?"), false,
                       this) == DialogAnswer::Yes &&
        download([this, next] {
            setStatus(QStringLiteral("Wörterbuch Downloaden ?"));
            if (m_scanning)
                next();
        }))
        return;
    next();
}

void up1::collect()
{
    setFixedHeight(kCollectHeight);
    QPalette palette = ui->List3->palette();
    palette.setColor(QPalette::Base, HoverHelp::lightYellow());
    ui->List3->setPalette(palette);
    ui->List3->setEnabled(false);
    if (!fetch())
        return;
    ui->Dates->readUpdateDate();
    ui->List1->setCurrentRow(1);
    ui->List3->clear();
    ui->List1->setCurrentRow(1);
    m_collecting = true;
    collectStep();
    if (m_collecting)
        Timer3->restart(1000);
}

void up1::collectStep()
{
    if (!m_collecting)
        return;
    setStatus(QStringLiteral("Verkleich starten"));
    const QListWidgetItem *current = ui->List1->currentItem();
    const UpdateList::Entry entry = currentEntry();
    if (current && isNew(entry)) {
        setStatus(QStringLiteral("Neues Wörterbuch gefunden !"));
        const QString refused = UpdateList::refusal(entry);
        auto *found = new QListWidgetItem(
            refused.isEmpty() ? current->text()
                              : QStringLiteral("abgelehnt (%1): %2").arg(refused, current->text()));
        if (refused.isEmpty()) {
            found->setFlags(found->flags() | Qt::ItemIsUserCheckable);
            found->setCheckState(Qt::Unchecked);
        }
        const QSignalBlocker blocker(ui->List3);
        ui->List3->addItem(found);
    } else {
        setStatus(QStringLiteral("Datums Verkleich beendet"));
    }
    const int count = ui->List3->count();
    if (!selectNextRow(ui->List1))
        endOfList();
    ui->Label5->setText(QStringLiteral(" Achtung: [ %1 .] neue Einträge gefunden !").arg(count));
}

void up1::checkOne()
{
    setStatus(QStringLiteral("letztes datum lesen"));
    ui->Dates->readUpdateDate();
    setStatus(QStringLiteral("Datum verkleich"));
    if (isNew(currentEntry())) {
        const QString text = QStringLiteral("Wollen Sie das neue Worterbuch herunterladen ?") +
                             QStringLiteral(" Download Start...in Ordner: ") + ui->Dates->folder();
        if (Dialogs::yesNo(QStringLiteral("Neues Wörterbuch gefunden !"), text, false, this) ==
            DialogAnswer::Yes) {
            setStatus(QStringLiteral("Download Start...in Ordner [\\TranslateDeGb]"));
            m_scanning = false;
            Timer2->setEnabled(false);
            download();
        }
    }
    setStatus(QStringLiteral("Datums Verkleich beendet"));
}

void up1::askAndDownload()
{
    checkOne();
    setStatus(QStringLiteral("Weiter suche"));
    if (isNew(currentEntry())) {
        setStatus(QStringLiteral("Neues Wörterbuch gefunden"));
        ++m_found;
        updateFoundCounter();
    }
    const QString text = QStringLiteral("Wollen Sie das Worterbuch automatisch jetzt herunterladen ?") +
                         QStringLiteral(" Download Start...in Ordner: ") + ui->Dates->folder();
    if (Dialogs::yesNo(QStringLiteral("Neues Wörterbuch gefunden !"), text, false, this) ==
        DialogAnswer::Yes) {
        setStatus(QStringLiteral("Download Start...automatisch in Ordner [") + ui->Dates->folder() +
                  QStringLiteral("] nach Klick 3-5 Sec. "));
        download();
    }
}

bool up1::download(std::function<void()> then)
{
    const UpdateList::Entry entry = currentEntry();
    if (entry.isEndMarker() || entry.fields.isEmpty() || !accept(entry))
        return false;
    if (!downloadTo(UpdateFiles::downloadPath(entry), std::move(then)))
        return false;
    m_installing = entry;
    return true;
}

bool up1::accept(const UpdateList::Entry &entry)
{
    const QString refused = UpdateList::refusal(entry);
    if (!refused.isEmpty())
        Dialogs::message(
            Dialogs::programTitle(),
            QStringLiteral("Achtung : Eintrag abgelehnt [%1]: %2!").arg(entry.summary(), refused), this);
    return refused.isEmpty();
}

bool up1::downloadTo(const QString &path, std::function<void()> then)
{
    if (!m_download->start(QUrl(currentEntry().address()), path)) {
        setStatus(QStringLiteral("Ein Download läuft noch!"));
        return false;
    }
    m_afterDownload = std::move(then);
    m_installing.reset();
    ui->ProgressBar1->setValue(0);
    ui->ProgressBar1->show();
    return true;
}

void up1::downloadFinished(HttpGet::Outcome outcome, const QString &failure)
{
    ui->ProgressBar1->hide();
    if (const std::optional<UpdateList::Entry> installing = std::exchange(m_installing, {});
        installing && outcome == HttpGet::Outcome::Ok) {
        if (const SaveResult installed = UpdateFiles::installDownload(*installing); !installed)
            Dialogs::message(Dialogs::programTitle(), installed.message(), this);
    }
    if (outcome == HttpGet::Outcome::Ok)
        countDictionaries();
    else if (outcome != HttpGet::Outcome::Cancelled)
        Dialogs::message(Dialogs::programTitle(), failure, this);
    if (const std::function<void()> then = std::exchange(m_afterDownload, {}))
        then();
}

void up1::saveAs()
{
    const UpdateList::Entry entry = currentEntry();
    if (!accept(entry))
        return;
    const QString path =
        Dialogs::saveFileName(QStringLiteral("Wörterbuch speichern unter"), UpdateFiles::downloadPath(entry),
                              QStringLiteral("*.chk"), this);
    if (!path.isEmpty())
        downloadTo(path, {});
}

void up1::openSelected()
{
    const UpdateList::Entry entry = currentEntry();
    if (UpdateList::refusal(entry).isEmpty())
        Shell::editTextFile(UpdateFiles::downloadPath(entry));
}

void up1::stopTimers()
{
    Timer5->setEnabled(false);
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
}

void up1::updateFoundCounter()
{
    ui->Label4->setText(QString::number(m_found));
}

void up1::updateFoundList()
{
    ui->Label5->setText(QStringLiteral("Achtun: ( %1 ) neue Einträge gefunden!").arg(ui->List3->count()));
}

void up1::closeEvent(QCloseEvent *event)
{
    ++m_closings;
    m_scanning = false;
    m_collecting = false;
    stopTimers();
    if (m_listRequest)
        m_listRequest->cancel();
    m_download->cancel();
    if (Dialogs::yesNo(QStringLiteral("Einstellung !"),
                       QStringLiteral("Wollen Sie das Update-Datum abspeichern ?"), false,
                       this) == DialogAnswer::Yes)
        ui->Dates->takeOverToday();
    event->accept();
    // Unloaded, as the schedule window is: the next opening loads it anew (clock, dates, size).
    if (m_windows.existing(windows::up1) == this)
        m_windows.unload(windows::up1);
}

} // namespace ortelia
