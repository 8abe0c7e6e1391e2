#include "TrayWindow.h"

#include "ProgramFolder.h"
#include "ProgramRequests.h"
#include "ProgramState.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QImageReader>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>

namespace ortelia {

namespace {

QIcon programIcon()
{
    // Only the header is read here: drawing the picture to test it cost the start 8 ms.
    const QString path = ProgramFolder::path(QStringLiteral("art/ortelia.svg"));
    if (QImageReader(path).canRead())
        return QIcon(path);
    return QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
}

void showWindow(WindowRegistry &registry, const QString &name)
{
    if (QWidget *w = registry.window(name))
        w->show();
}

void hideMainWindow(const WindowRegistry &registry)
{
    if (QWidget *main = registry.existing(windows::Form3))
        main->hide();
}

} // namespace

TrayWindow::TrayWindow(WindowServices &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setWindowTitle(QStringLiteral("Ortelia"));
    setWindowFlag(Qt::Window);
    setWindowIcon(programIcon());

    mnBar = new QMenu(QStringLiteral("Menu"), this);
    mnBar->setObjectName(QStringLiteral("mnBar"));
    addEntry("beschreib", QStringLiteral("Beschreibung"), &TrayWindow::openDescription);
    addEntry("HilfeFenster", QStringLiteral("Hilfe-Fenster:"), &TrayWindow::showHelpWindow);
    addSeparator("lee5");
    addEntry("supert", QStringLiteral("Listen-Translator"), &TrayWindow::openListTranslator);
    addEntry("uebersetzer", QStringLiteral("Tex uebersetzer"), &TrayWindow::showTextTranslator);
    addSeparator("leer1");
    addEntry("zwischen", QStringLiteral("Zwischenablage lesen"), &TrayWindow::readClipboard);
    addEntry("zw", QStringLiteral("Zwischenablage-Woerterbuch"), &TrayWindow::openChooserForClipboard);
    addEntry("ztrans", QStringLiteral("Zwischenablage-Translator"), &TrayWindow::openClipboardTranslator);
    m_ude = addEntry("ude", QStringLiteral("Uebersetzen-Deutsch-Englisch"),
                     &TrayWindow::translateGermanClipboard);
    m_ued = addEntry("ued", QStringLiteral("Uebersetzen-Englisch-Deutsch"),
                     &TrayWindow::translateForeignClipboard);
    addSeparator("leer3");
    addEntry("privat", QStringLiteral("Hauptfenster"), &TrayWindow::showMainWindow);
    addSeparator("leer4");
    m_ton = addEntry("ton", QStringLiteral("Ton ein-aus"), &TrayWindow::toggleSound);
    addEntry("sm", QStringLiteral("Stimm-Muster"), &TrayWindow::openVoiceSettings);
    addEntry("option1", QStringLiteral("Optionen"), &TrayWindow::showOptions);
    addSeparator("upleer");
    addEntry("updatzeit", QStringLiteral("Updat-Zeit"), &TrayWindow::startSchedule);
    addEntry("woeup", QStringLiteral("Wörterbuch-Update"), &TrayWindow::showUpdateWindow);
    addSeparator("leer");
    addEntry("mnExit", QStringLiteral("Ende"), &TrayWindow::endProgram);

    m_icon = new QSystemTrayIcon(windowIcon(), this);
    m_icon->setToolTip(QStringLiteral("Ortelia-Translator!"));
    // The menu is opened by this window, not by the icon: an open menu takes the mouse, and the
    // second click of a right double click would only close it.
    m_menuDelay.setSingleShot(true);
    m_menuDelay.setInterval(QApplication::doubleClickInterval());
    connect(&m_menuDelay, &QTimer::timeout, this, [this] { mnBar->popup(m_menuPosition); });
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            showMainWindow();
        else if (reason == QSystemTrayIcon::Context)
            rightClicked();
    });
    connect(&services.state.textPair, &LanguagePair::changed, this, &TrayWindow::showLanguageNames);
    connect(&services.state.muted, &Flag::changed, this, [this](bool muted) {
        m_ton->setText(muted ? QStringLiteral("Ton Ein") : QStringLiteral("Ton Aus"));
    });
}

void TrayWindow::answerRequests(WindowServices &services)
{
    QObject::connect(&services.requests, &ProgramRequests::programEnding, &services.requests,
                     [&registry = services.windows] {
                         if (auto *tray = static_cast<TrayWindow *>(registry.existing(windows::ortelia))) {
                             tray->removeIcon();
                             registry.unload(windows::ortelia);
                         }
                     });
}

TrayWindow::~TrayWindow() = default;

void TrayWindow::Form_Load()
{
    hide();
    m_services.windows.hideControlsWithoutWindow(this);
    m_icon->show();
}

QAction *TrayWindow::addEntry(const char *name, const QString &caption, void (TrayWindow::*run)())
{
    auto *entry = new QAction(caption, this);
    entry->setObjectName(QLatin1String(name));
    connect(entry, &QAction::triggered, this, run);
    mnBar->addAction(entry);
    return entry;
}

void TrayWindow::addSeparator(const char *name)
{
    QAction *line = mnBar->addSeparator();
    line->setParent(this);
    line->setObjectName(QLatin1String(name));
}

void TrayWindow::openDescription()
{
    emit m_services.requests.openDescription();
}

void TrayWindow::showHelpWindow()
{
    showWindow(m_services.windows, windows::hilfe1);
}

void TrayWindow::openListTranslator()
{
    emit m_services.requests.openListTranslator();
}

void TrayWindow::showTextTranslator()
{
    showWindow(m_services.windows, windows::TextUeberA);
}

void TrayWindow::readClipboard()
{
    emit m_services.requests.readClipboardAloud();
}

void TrayWindow::openChooserForClipboard()
{
    emit m_services.requests.openClipboardTranslator();
    emit m_services.requests.openChooser(Served::TextTranslator);
}

void TrayWindow::openClipboardTranslator()
{
    emit m_services.requests.openClipboardTranslator();
}

// The clipboard is translated through the text translator, drawn to no height, with the main
// window out of the way.
void TrayWindow::translateGermanClipboard()
{
    translateClipboard(TextDirection::German);
}

void TrayWindow::translateForeignClipboard()
{
    translateClipboard(TextDirection::Foreign);
}

void TrayWindow::translateClipboard(TextDirection direction)
{
    ProgramRequests &requests = m_services.requests;
    emit requests.flattenTextTranslator();
    emit requests.openClipboardTranslator();
    emit requests.flattenTextTranslator();
    hideMainWindow(m_services.windows);
    emit requests.translateClipboard(direction);
}

void TrayWindow::showLanguageNames()
{
    const QString first = m_services.state.textPair.first();
    const QString second = m_services.state.textPair.second();
    m_ude->setText(first + QLatin1Char('-') + second);
    m_ued->setText(second + QLatin1Char('-') + first);
}

void TrayWindow::rightClicked()
{
    // The icon reports only single right clicks; one that follows within the double-click time is
    // the right-button double click, which brings the main window back instead of the menu.
    if (m_menuDelay.isActive()) {
        m_menuDelay.stop();
        showMainWindow();
        return;
    }
    m_menuPosition = QCursor::pos();
    m_menuDelay.start();
}

void TrayWindow::showMainWindow()
{
    m_services.windows.bringToFront(windows::Form3);
}

void TrayWindow::toggleSound()
{
    Flag &muted = m_services.state.muted;
    muted.set(!muted.value());
}

void TrayWindow::openVoiceSettings()
{
    showWindow(m_services.windows, windows::Logox4);
}

void TrayWindow::showOptions()
{
    showMainWindow();
    emit m_services.requests.showOptions();
}

void TrayWindow::startSchedule()
{
    showWindow(m_services.windows, windows::zeit);
    emit m_services.requests.startUpdateSchedule();
}

void TrayWindow::showUpdateWindow()
{
    showWindow(m_services.windows, windows::up1);
}

void TrayWindow::endProgram()
{
    emit m_services.requests.closeTextTranslator();
    removeIcon();
    // The main window's ending ends the program and every window, this one included.
    if (QWidget *main = m_services.windows.existing(windows::Form3))
        main->close();
    else
        m_services.windows.unload(windows::ortelia);
}

void TrayWindow::removeIcon()
{
    m_icon->hide();
}

void TrayWindow::closeEvent(QCloseEvent *event)
{
    // Closed from outside (a task list): the program ends the way the main window ends it.
    hide();
    event->ignore();
    if (QWidget *main = m_services.windows.existing(windows::Form3))
        main->close();
    else
        removeIcon();
}

} // namespace ortelia
