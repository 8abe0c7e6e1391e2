#include "Form3.h"

#include "ui_Form3.h"

#include "ClipboardTranslator.h"
#include "DocumentLink.h"
#include "HoverHelp.h"
#include "OptionsPanel.h"
#include "ToolsPanel.h"
#include "TranslatorPanel.h"
#include "ProgramFolder.h"
#include "ProgramRequests.h"
#include "ProgramState.h"
#include "SlidingPanel.h"
#include "Speaker.h"
#include "TextRoutines.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace ortelia {

namespace {

// Panel positions: in view, and out of view below the window.
constexpr int kOptionsTop = 62;
constexpr int kOptionsTopFromOp = 65;
constexpr int kFolderTop = 48;
constexpr int kFolderOut = 360;

// The clipboard panel out of view, where it goes when the text translator closes.
constexpr int kClipboardPanelOut = 360;

// The help window comes up, and a second later the main window is in front of it again.
constexpr int kHelpWindowDelay = 1000;

// Opening the list translator shows a bar that measures nothing: a fixed sequence of values,
// each shown for a while. A step may also open the window or repeat the waiting texts.
struct ListOpeningStep {
    int value;
    int wait;
    bool openWindow = false;
    bool texts = false;
};
constexpr ListOpeningStep kListOpening[] = {
    {5, 200},
    {10, 200, true},
    {20, 200},
    {30, 500, false, true},
    {40, 500, false, true},
    {50, 500, false, true},
    {60, 1000},
    {70, 500},
    {80, 500},
    {90, 500},
    {95, 500},
    {10, 1000},
};

} // namespace

Form3::Form3(WindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), ui(std::make_unique<Ui::Form3>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form3"));
    // The hidden buttons, lists and fields that the window's steps use among themselves are kept
    // apart from the window, so that neither Tab nor a screen reader finds them.
    ui->helpers->setWindowFlag(Qt::Window);
    // The tools panel spans the window's middle; the controls around its own lie above it, and
    // its desktop icons box keeps its place in the tab order after Hallo.
    ui->toolsPanel->lower();
    ui->toolsPanel->placeDesktopIconsAfter(ui->Hallo);
    orderTabs();
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedHeight(kHeight);
    resize(kNarrowWidth, kHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kNarrowWidth / 2, kHeight / 2));
    }

    // The panels cover what lies under them in the colour of the background's panel.
    for (QWidget *panel :
         std::initializer_list<QWidget *>{ui->Frame1, ui->Frame2, ui->Frame4, ui->Frame5, ui->Frame7}) {
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, QColor(0xEE, 0xF3, 0xF8));
        panel->setPalette(palette);
    }

    m_clipboard = new ClipboardTranslator(services,
                                          {this, ui->Frame5, ui->Command8, ui->Command15, ui->Command16,
                                           ui->Command17, ui->Command19, ui->Command20, ui->Check6,
                                           ui->Check7, ui->Check8, ui->Picture20},
                                          this);

    connectWindow();
    connectTranslator();
    connectTools();
    connectState();
    attachHoverHelp();
    // The window sees every key before its controls.
    qApp->installEventFilter(this);
}

Form3::~Form3() = default;

void Form3::Form_Load()
{
    ui->Frame1->LoadStartSettings();
    ApplyStartMode();
    setHelpLabel(QStringLiteral("Sprechendes Translator-Wörterbuch  deutsch-englisch! "));
    ui->Label2->clear();
    applyShape();
    ui->WebBrowser1->navigate(QStringLiteral("about:blank"));
    ui->Label18->hide();
    ui->toolsPanel->start();
    ui->Frame2->load();
    ui->Frame1->showProgramFolder();
    // The update schedule is always loaded, invisibly.
    m_services.windows.window(windows::zeit);
    m_services.windows.hideControlsWithoutWindow(this);
}

void Form3::answerRequests(WindowServices &services)
{
    ProgramRequests &requests = services.requests;
    const auto form = [&registry = services.windows] {
        return static_cast<Form3 *>(registry.window(windows::Form3));
    };
    QObject::connect(&requests, &ProgramRequests::openDescription, &requests, [form] {
        if (Form3 *f = form())
            f->openDescription();
    });
    QObject::connect(&requests, &ProgramRequests::showOptions, &requests, [form] {
        if (Form3 *f = form())
            f->showOptions();
    });
    QObject::connect(&requests, &ProgramRequests::readClipboardAloud, &requests, [form] {
        if (Form3 *f = form())
            f->ReadClipboardAloud();
    });
    QObject::connect(&requests, &ProgramRequests::openListTranslator, &requests, [form] {
        if (Form3 *f = form())
            f->openListTranslator();
    });
    QObject::connect(&requests, &ProgramRequests::openClipboardTranslator, &requests, [form] {
        if (Form3 *f = form())
            f->clipboardTranslator().OpenClipboardTranslator();
    });
    QObject::connect(&requests, &ProgramRequests::translateClipboard, &requests,
                     [form](TextDirection direction) {
                         if (Form3 *f = form())
                             f->clipboardTranslator().TranslateClipboard(direction);
                     });
    QObject::connect(&requests, &ProgramRequests::translateClipboardAndOpen, &requests,
                     [form](TextDirection direction) {
                         if (Form3 *f = form())
                             f->clipboardTranslator().TranslateClipboardAndOpen(direction);
                     });
    QObject::connect(&requests, &ProgramRequests::lookUpWord, &requests,
                     [form](const QString &word, TextDirection direction) {
                         if (Form3 *f = form())
                             f->ui->Frame2->lookUpWord(word, direction);
                     });
    QObject::connect(&requests, &ProgramRequests::dictatedWord, &requests, [form](const QString &word) {
        if (Form3 *f = form()) {
            if (!f->ui->Frame2->dictating())
                f->ui->Command14->click();
            f->ui->Frame2->showDictatedWord(word);
        }
    });
    QObject::connect(&requests, &ProgramRequests::dictionaryChosen, &requests, [form](Served served) {
        if (Form3 *f = form(); f && served == Served::Translator)
            f->ApplyChosenDictionary();
    });
    QObject::connect(&requests, &ProgramRequests::selectVoiceLine, &requests, [form](const QString &line) {
        if (Form3 *f = form())
            f->ui->Frame2->selectVoiceLine(line);
    });
    QObject::connect(&requests, &ProgramRequests::showExplanation, &requests, [form](const QString &text) {
        if (Form3 *f = form())
            f->setStatus(text);
    });
}

void Form3::connectState()
{
    ProgramState &state = m_services.state;
    TranslatorPanel *translator = ui->Frame2;
    ToolsPanel *tools = ui->toolsPanel;

    // The translator's language names are its own; its search buttons show the text
    // translator's too, whichever side changed last.
    connect(translator, &TranslatorPanel::languageNamesChanged, &state.translatorPair, &LanguagePair::set);
    const auto showTextPair = [this, &state] {
        if (state.textPair.first() != m_textFirst)
            showTextPairSide(true, state.textPair.first());
        if (state.textPair.second() != m_textSecond)
            showTextPairSide(false, state.textPair.second());
    };
    connect(&state.textPair, &LanguagePair::changed, this, showTextPair);
    showTextPair();

    tools->setMuted(state.muted.value());
    connect(tools, &ToolsPanel::mutedChanged, &state.muted, &Flag::set);
    connect(&state.muted, &Flag::changed, tools, &ToolsPanel::setMuted);

    const auto showTextTranslatorOpen = [this](bool open) {
        ui->Check7->setChecked(open);
        ui->Check8->setChecked(open);
        if (open)
            return;
        setPanelTop(ui->Frame5, kClipboardPanelOut);
        ui->Label26->hide();
    };
    connect(&state.textTranslatorOpen, &Flag::changed, this, showTextTranslatorOpen);
    if (state.textTranslatorOpen.value())
        showTextTranslatorOpen(true);

    connect(translator, &TranslatorPanel::dictationChanged, &state.dictationMode, &Flag::set);
    connect(&state.dictationMode, &Flag::changed, this, [this](bool dictation) {
        if (dictation && !ui->Frame2->dictating())
            ui->Command14->click();
    });
    // The pace starts as the translator's slider has it.
    state.dictationPace.set(translator->dictationPace());
    connect(translator, &TranslatorPanel::dictationPaceChanged, &state.dictationPace, &Level::set);
    connect(&state.dictationPace, &Level::changed, translator, &TranslatorPanel::setDictationPace);

    connect(ui->Frame1, &OptionsPanel::speedChosen, &state.readingSpeed, &Level::set);

    connect(&state.listProgress, &Progress::started, ui->ProgressBar1, [this] {
        ui->ProgressBar1->setValue(0);
        ui->ProgressBar1->show();
    });
    connect(&state.listProgress, &Progress::advanced, ui->ProgressBar1, &QProgressBar::setValue);
    connect(&state.listProgress, &Progress::finished, ui->ProgressBar1, &QWidget::hide);
}

void Form3::showTextPairSide(bool first, const QString &name)
{
    (first ? m_textFirst : m_textSecond) = name;
    (first ? ui->Command15 : ui->Command16)->setText(name);
    ui->Frame2->showLanguageName(first, name);
}

void Form3::ApplyStartMode()
{
    if (ui->Frame1->SelectedOptionIndex(QStringLiteral("Option1")) == 0)
        ui->Command8->click();
}

void Form3::setPanelTop(QWidget *panel, int top)
{
    slidePanel(panel, top);
}

// ---- the window's own buttons ------------------------------------------------------------

void Form3::connectWindow()
{
    OptionsPanel *options = ui->Frame1;
    connect(ui->cmdSpeichern, &QPushButton::clicked, options, &OptionsPanel::SaveStartSettings);
    connect(ui->cmdAuslesen, &QPushButton::clicked, options, &OptionsPanel::LoadStartSettings);
    connect(ui->Command1A, &QPushButton::clicked, this, &Form3::ApplyStartMode);
    connect(options, &OptionsPanel::dictionaryFolderWanted, this, [this] { showDictionaryFolder(true); });
    connect(ui->Label11, &ClickLabel::clicked, options, [options] { options->showAt(kOptionsTop); });
    connect(ui->optionLink, &QToolButton::clicked, options, [options] { options->showAt(kOptionsTop); });
    connect(ui->op, &QPushButton::clicked, this, &Form3::showOptions);

    connect(ui->Label23, &ClickLabel::clicked, this, [this] { setWide(true); });
    connect(ui->Picture13, &QToolButton::clicked, this, [this] { setWide(false); });
    connect(ui->Picture13D, &QToolButton::clicked, this, &QWidget::showMinimized);
    connect(ui->lblDrag, &ClickLabel::pressed, this, [this] {
        if (QWindow *handle = windowHandle())
            handle->startSystemMove();
    });

    connect(ui->verstecken, &QPushButton::clicked, this, [this] {
        // Hidden, the window comes back through the tray icon; a desktop without a notification
        // area has none, so the window goes to the task bar instead.
        if (m_services.state.notificationArea.value()) {
            hide();
        } else {
            showMinimized();
            setStatus(
                QStringLiteral("Kein Infobereich für das Symbol: das Fenster liegt in der Taskleiste."));
        }
        playSound(QStringLiteral("verstecken1"));
    });
    connect(ui->Label14, &ClickLabel::clicked, ui->verstecken, &QPushButton::click);

    connect(ui->schließen, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->Label7, &ClickLabel::clicked, this, &Form3::endFromLabel7);
    connect(ui->ex, &QToolButton::clicked, this, &Form3::endFromLabel7);

    connect(ui->Command12, &QPushButton::clicked, this, [this] {
        showWindow(windows::TextUeberA);
        m_services.state.keyboardServesTextTranslator.set(true);
        m_services.windows.showIfPossible(ui->Label26);
        emit m_services.requests.openTextTranslatorWide();
    });
    connect(ui->textueber1, &QPushButton::clicked, this, [this] { showWindow(windows::TextUeberA); });
    connect(ui->Label10, &ClickLabel::clicked, this,
            [this] { emit m_services.requests.openTextTranslatorWide(); });
    connect(ui->Command9, &QPushButton::clicked, this, [this] { showWindow(windows::Logox4); });
    connect(ui->Label26, &ClickLabel::clicked, this, [this] { showWindow(windows::arabisch1); });
    connect(ui->supertrannn, &QPushButton::clicked, this, &Form3::openListTranslator);
    connect(ui->hilfeL1, &QPushButton::clicked, this, &Form3::showHelpWindow);
    connect(ui->url, &QPushButton::clicked, this, &Form3::openDescription);
    connect(ui->Hilfe, &QPushButton::clicked, this, &Form3::openDescription);
    connect(ui->updates, &QPushButton::clicked, this, [this] {
        showWindow(windows::up1);
        emit m_services.requests.startUpdateSchedule();
        emit m_services.requests.checkForUpdates();
    });
    connect(ui->zeiteinstellung, &QPushButton::clicked, this, [this] {
        showWindow(windows::zeit);
        emit m_services.requests.startUpdateSchedule();
    });
    connect(ui->Label12, &ClickLabel::clicked, this, [this] { showDictionaryFolder(true); });
    connect(ui->Frame7zu, &QToolButton::clicked, this, [this] { setPanelTop(ui->Frame7, kFolderOut); });
    ui->Frame7->installEventFilter(this);
    ui->schließen->installEventFilter(this);
    ui->Hallo->installEventFilter(this);
}

void Form3::orderTabs()
{
    // Tab goes as the window is read: its title row and the buttons on the left, then the panels
    // that open beside those buttons over the window's middle, then the middle from top to bottom.
    QList<QWidget *> order;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (w->window() == this && w->focusPolicy() != Qt::NoFocus)
            order << w;
    }
    QList<QWidget *> panels;
    for (const QWidget *panel :
         std::initializer_list<QWidget *>{ui->Frame2, ui->Frame4, ui->Frame1, ui->Frame5, ui->Frame7}) {
        for (QWidget *w : std::as_const(order)) {
            if (panel->isAncestorOf(w))
                panels << w;
        }
    }
    for (QWidget *w : std::as_const(panels))
        order.removeOne(w);
    const qsizetype afterButtons = order.indexOf(ui->schließen) + 1;
    for (qsizetype i = 0; i < panels.size(); ++i)
        order.insert(afterButtons + i, panels[i]);
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void Form3::setWide(bool wide)
{
    // What lies beyond the narrow window's edge shows only in the wide one.
    ui->Picture13->setVisible(wide);
    ui->WebBrowser1->setVisible(wide);
    if (wide) {
        resize(kWideWidth, kHeight);
        move(0, y());
        playSound(QStringLiteral("maxi"));
    } else {
        resize(kNarrowWidth, kHeight);
        playSound(QStringLiteral("mini"));
    }
}

void Form3::showWindow(const QString &name)
{
    if (QWidget *w = m_services.windows.window(name))
        w->show();
}

void Form3::showHelpWindow()
{
    QWidget *help = m_services.windows.window(windows::hilfe1);
    if (!help)
        return;
    help->show();
    ui->url->setFocus();
    ui->url->show();
    QTimer::singleShot(kHelpWindowDelay, this, [this] {
        show();
        ui->url->setFocus();
    });
}

void Form3::openListTranslator()
{
    if (!m_services.windows.isRegistered(windows::supertrans1))
        return;
    ui->ProgressBar1->show();
    showListTranslatorProgress(0);
}

void Form3::showListTranslatorProgress(int step)
{
    if (step == int(std::size(kListOpening))) {
        ui->ProgressBar1->hide();
        return;
    }
    const ListOpeningStep &now = kListOpening[step];
    if (step == 0 || now.texts) {
        setHelpLabel(QStringLiteral("Lade Listen-Translator: Bitte warten!"));
        ui->Label1->setText(QStringLiteral("Lade Listen-Translator: Bitte warten "));
    }
    ui->ProgressBar1->setValue(now.value);
    if (now.openWindow)
        showWindow(windows::supertrans1);
    QTimer::singleShot(now.wait, this, [this, step] { showListTranslatorProgress(step + 1); });
}

void Form3::showOptions()
{
    ui->Frame1->showAt(kOptionsTopFromOp);
}

void Form3::openDescription()
{
    DocumentLink::open(ProgramFolder::path(QStringLiteral("hilfe-t/bild+text.html")));
}

void Form3::showDictionaryFolder(bool moveFrame)
{
    ui->WebBrowser2->navigate(ProgramFolder::path(QStringLiteral("TranslateDeGb")) + QLatin1Char('/'));
    if (moveFrame)
        setPanelTop(ui->Frame7, kFolderTop);
}

void Form3::setHelpLabel(const QString &text)
{
    HoverHelp::setHelpText(text);
}

void Form3::setStatus(const QString &text)
{
    ui->Label1->setText(text);
}

// ---- keys and ending ---------------------------------------------------------------------

bool Form3::handleKey(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        ui->schließen->click();
        return true;
    case Qt::Key_F1:
        showHelpWindow();
        return true;
    case Qt::Key_F2:
        emit m_services.requests.speakHelp();
        return true;
    case Qt::Key_F3:
        m_services.speaker.stop();
        return true;
    case Qt::Key_F4:
        ui->url->click();
        return true;
    case Qt::Key_F5:
        m_clipboard->keyF5();
        return true;
    case Qt::Key_F6:
        m_clipboard->keyF6();
        return true;
    case Qt::Key_F7:
        ReadClipboardAloud();
        return true;
    case Qt::Key_F8:
    case Qt::Key_F11:
        m_services.state.helpReadsAloud.set(key == Qt::Key_F11);
        return true;
    case Qt::Key_F10:
        ui->toolsPanel->confineMouse(false);
        return true;
    case Qt::Key_F12:
        ui->toolsPanel->confineMouse(true);
        return true;
    default:
        return false;
    }
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != this)
            return false;
        const auto *press = static_cast<QKeyEvent *>(event);
        // The window asks to confirm "mit [ENTER]": Enter presses the focused button as Space does.
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (button && press->modifiers() == Qt::NoModifier &&
            (press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter)) {
            button->animateClick();
            return true;
        }
        return handleKey(press->key());
    }
    if (watched == ui->Frame7 && type == QEvent::MouseButtonDblClick) {
        showDictionaryFolder(false);
        return false;
    }
    if (type == QEvent::FocusIn) {
        if (watched == ui->schließen) {
            setStatus(QStringLiteral("Programm beenden !"));
            ui->Label7->setStyleSheet(QStringLiteral("background-color: #FFFF00; color: black;"));
            playSound(QStringLiteral("SchliesseP"));
        }
    } else if (type == QEvent::FocusOut) {
        if (watched == ui->schließen)
            ui->Label7->setStyleSheet(QStringLiteral("color: white;"));
    }
    return false;
}

void Form3::endFromLabel7()
{
    ui->toolsPanel->confineMouse(false);
    emit m_services.requests.closeTextTranslator();
    close();
}

void Form3::closeEvent(QCloseEvent *event)
{
    if (m_ending) {
        event->accept();
        return;
    }
    m_ending = true;
    // Before the window goes: the desktop comes back, the tray icon goes, speech stops.
    ui->toolsPanel->setDesktopHidden(false);
    emit m_services.requests.programEnding();
    m_services.speaker.stop();
    CloseTranslatorPanel();
    qApp->removeEventFilter(this);
    event->accept();
    QMetaObject::invokeMethod(
        &m_services.requests, [&requests = m_services.requests] { emit requests.endProgram(); },
        Qt::QueuedConnection);
}

void Form3::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ui->WebBrowser1->resize(600, 333);
}

void Form3::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}

} // namespace ortelia
