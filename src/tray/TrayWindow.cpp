#include "TrayWindow.h"

#include "ProgramFolder.h"
#include "WindowRegistry.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
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

void showWindow(const QString &name)
{
    if (QWidget *w = WindowRegistry::window(name))
        w->show();
}

// The text translator drawn to no height while the clipboard is translated through it.
void flattenTextTranslator()
{
    if (QWidget *translator = WindowRegistry::window(windows::TextUeberA))
        translator->resize(translator->width(), 0);
}

QString languageName(ControlName<QLineEdit> field)
{
    const QLineEdit *edit = WindowRegistry::control(field);
    return edit ? edit->text() : QString();
}

} // namespace

TrayWindow::TrayWindow(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Ortelia"));
    setWindowFlag(Qt::Window);
    setWindowIcon(programIcon());

    ende = new QPushButton(this);
    ende->setObjectName(QStringLiteral("ende"));
    ende->hide();
    // The main window presses it as it closes; it ends the program itself.
    connect(ende, &QPushButton::clicked, this, [this] {
        removeIcon();
        WindowRegistry::unload(windows::ortelia);
    });

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
    m_icon->setContextMenu(mnBar);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            showMainWindow();
    });
}

TrayWindow::~TrayWindow() = default;

void TrayWindow::Form_Load()
{
    hide();
    WindowRegistry::hideControlsWithoutWindow(this);
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
    WindowRegistry::press(ctl::Form3_url);
}

void TrayWindow::showHelpWindow()
{
    showWindow(windows::hilfe1);
}

void TrayWindow::openListTranslator()
{
    WindowRegistry::press(ctl::Form3_supertrannn);
}

void TrayWindow::showTextTranslator()
{
    showWindow(windows::TextUeberA);
}

void TrayWindow::readClipboard()
{
    WindowRegistry::press(ctl::Form3_zwischenab);
}

void TrayWindow::openChooserForClipboard()
{
    WindowRegistry::press(ctl::Form3_Command8);
    if (QCheckBox *forMainWindow = WindowRegistry::control(ctl::worter1_Check1))
        forMainWindow->setChecked(false);
    showWindow(windows::worter1);
}

void TrayWindow::openClipboardTranslator()
{
    WindowRegistry::press(ctl::Form3_Command8);
}

void TrayWindow::translateGermanClipboard()
{
    flattenTextTranslator();
    WindowRegistry::press(ctl::Form3_Command8);
    flattenTextTranslator();
    WindowRegistry::press(ctl::Form3_Command15);
    if (QWidget *main = WindowRegistry::existing(windows::Form3))
        main->hide();
    m_ude->setText(languageName(ctl::TextUeberA_Text5) + QLatin1Char('-') +
                   languageName(ctl::TextUeberA_Text6));
}

void TrayWindow::translateForeignClipboard()
{
    flattenTextTranslator();
    WindowRegistry::press(ctl::Form3_Command8);
    flattenTextTranslator();
    if (QWidget *main = WindowRegistry::existing(windows::Form3))
        main->hide();
    m_ued->setText(languageName(ctl::TextUeberA_Text6) + QLatin1Char('-') +
                   languageName(ctl::TextUeberA_Text5));
    WindowRegistry::press(ctl::Form3_Command16);
}

void TrayWindow::showMainWindow()
{
    WindowRegistry::bringToFront(windows::Form3);
}

void TrayWindow::toggleSound()
{
    QCheckBox *mute = WindowRegistry::control(ctl::Form3_Check5);
    if (!mute)
        return;
    // The main window's own mute action sets its caption and both volume sliders.
    mute->setChecked(!mute->isChecked());
    m_ton->setText(mute->isChecked() ? QStringLiteral("Ton Ein") : QStringLiteral("Ton Aus"));
}

void TrayWindow::openVoiceSettings()
{
    WindowRegistry::press(ctl::Form3_Command9);
}

void TrayWindow::showOptions()
{
    showMainWindow();
    WindowRegistry::press(ctl::Form3_op);
}

void TrayWindow::startSchedule()
{
    showWindow(windows::zeit);
    WindowRegistry::press(ctl::zeit_Command14);
}

void TrayWindow::showUpdateWindow()
{
    showWindow(windows::up1);
}

void TrayWindow::endProgram()
{
    WindowRegistry::pressIfOpen(ctl::TextUeberA_CloseButton);
    removeIcon();
    // The main window's ending ends the program and every window, this one included.
    if (QWidget *main = WindowRegistry::existing(windows::Form3))
        main->close();
    else
        WindowRegistry::unload(windows::ortelia);
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
    if (QWidget *main = WindowRegistry::existing(windows::Form3))
        main->close();
    else
        removeIcon();
}

} // namespace ortelia
