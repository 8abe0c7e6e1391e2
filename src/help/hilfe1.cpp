#include "hilfe1.h"
#include "ui_hilfe1.h"

#include "DocumentLink.h"
#include "HoverHelp.h"
#include "ProgramFolder.h"
#include "ProgramRequests.h"
#include "ProgramState.h"
#include "Speaker.h"
#include "VoiceLines.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QStyle>
#include <QToolButton>

namespace ortelia {

namespace {

constexpr int kNormalWidth = 573;
constexpr int kEnlargedWidth = 700;

} // namespace

hilfe1::hilfe1(WindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), ui(std::make_unique<Ui::hilfe1>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    resize(kNormalWidth, height());
    ui->Label2->hide();
    ui->Check1->setChecked(services.state.helpReadsAloud.value());

    connect(ui->pla, &QPushButton::clicked, this, [this] {
        readAloud();
        ui->pla->setEnabled(false);
    });
    // The speech buttons show only pictures: a screen reader needs their names.
    const std::pair<QToolButton *, const char *> speechButtons[] = {
        {ui->Picture1S, "Hilfetext vorlesen"}, {ui->Image1, "Stop Sprache"},
        {ui->Image3, "Pause Sprache"},         {ui->Image4, "Weiter sprechen"},
        {ui->Image5, "Nochmal sprechen"},      {ui->Image7, "Zwischenablage vorsprechen !"}};
    for (const auto &[button, name] : speechButtons)
        button->setAccessibleName(QString::fromUtf8(name));
    connect(ui->Picture1S, &QToolButton::clicked, this, &hilfe1::readAloud);
    Speaker &speaker = services.speaker;
    connect(ui->stop, &QPushButton::clicked, &speaker, &Speaker::stop);
    connect(ui->Image1, &QToolButton::clicked, &speaker, &Speaker::stop);
    connect(ui->Image3, &QToolButton::clicked, &speaker, &Speaker::pause);
    connect(ui->Image4, &QToolButton::clicked, &speaker, &Speaker::resume);
    connect(ui->Image5, &QToolButton::clicked, &speaker, &Speaker::repeat);
    // The main window reads the clipboard aloud, as its own clipboard button does.
    connect(ui->Image7, &QToolButton::clicked, &services.requests, &ProgramRequests::readClipboardAloud);
    connect(ui->Check1, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            readAloud();
    });
    connect(ui->Check1, &QCheckBox::toggled, &services.state.helpReadsAloud, &Flag::set);
    connect(&services.state.helpReadsAloud, &Flag::changed, ui->Check1, &QCheckBox::setChecked);
    connect(ui->Label3, &QPushButton::clicked, this, &hilfe1::enlarge);
    connect(ui->Label4, &QPushButton::clicked, this, &hilfe1::normalView);
    connect(ui->Label1, &QPushButton::clicked, this,
            [this] { setHelpText(QStringLiteral("F2,Play. F3,Pause. F4,Stop. F5,Weiter. F6,Nochmal.")); });
    connect(ui->Label6, &QPushButton::clicked, this, &hilfe1::openDescription);
    connect(ui->Command1, &QPushButton::clicked, &services.requests, &ProgramRequests::openDescription);
    connect(ui->beende3, &QPushButton::clicked, this, &QWidget::hide);

    ui->updates->setVisible(m_services.windows.canShow(ui->updates));
    // "Zeit -" appears beside "Update" when the mouse is over it; its place is kept while it is
    // hidden, so "Update" does not move away under the pointer.
    QSizePolicy keepPlace = ui->zeiteinstellung->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    ui->zeiteinstellung->setSizePolicy(keepPlace);
    connect(ui->updates, &QPushButton::clicked, this, [this] {
        if (QWidget *up = m_services.windows.window(windows::up1)) {
            up->show();
            emit m_services.requests.checkForUpdates();
        }
    });
    connect(ui->zeiteinstellung, &QPushButton::clicked, this, [this] {
        if (QWidget *zeit = m_services.windows.window(windows::zeit)) {
            zeit->show();
            emit m_services.requests.startUpdateSchedule();
        }
    });

    ui->HLabel1->installEventFilter(this);
    ui->Label2->installEventFilter(this);
    setMouseTracking(true);
    installEventFilter(this);
    attachHoverTexts();
}

hilfe1::~hilfe1() = default;

void hilfe1::answerRequests(WindowServices &services)
{
    QObject::connect(&services.requests, &ProgramRequests::speakHelp, &services.requests,
                     [&registry = services.windows] {
                         // The picture button reads aloud every time; "pla" works once per window.
                         if (auto *help = static_cast<hilfe1 *>(registry.window(windows::hilfe1)))
                             help->ui->Picture1S->click();
                     });
    // The help line is the help window's label; texts sent while no help window exists create it.
    QObject::connect(&HoverHelp::helpLine(), &HelpLine::shown, &services.requests,
                     [&registry = services.windows](const QString &text) {
                         if (auto *help = static_cast<hilfe1 *>(registry.window(windows::hilfe1)))
                             help->setHelpText(text);
                     });
}

void hilfe1::attachHoverTexts()
{
    auto helpAndDescription = [this](QWidget *control, const QString &text, QColor highlight,
                                     std::function<void()> more = {}) {
        HoverHelp::Options options;
        options.highlight = highlight;
        options.onFocus = true;
        options.alsoDo = [this, text, more] {
            // The main window's reading text shows the same explanation.
            emit m_services.requests.showExplanation(text);
            if (more)
                more();
        };
        HoverHelp::attach(control, text, options);
    };
    helpAndDescription(ui->updates,
                       QStringLiteral("Neue Wörterbuch Updates über das Internet durchführen. Sucht neue "
                                      "Wörterbücher. Dazu muß eine Internet-Verbindung bestehen !"),
                       HoverHelp::yellow(),
                       [this] { m_services.windows.showIfPossible(ui->zeiteinstellung); });
    helpAndDescription(
        ui->zeiteinstellung,
        QStringLiteral("Updates Zeiteinstellung täglich oder monatlich, Wörterbuch Updates über das "
                       "Internet durchführen.  Dazu muß eine Internet-Verbindung bestehen !"),
        HoverHelp::lightYellow());
    HoverHelp::attach(ui->Label3, QStringLiteral("Schrift größer machen!"));
    HoverHelp::attach(ui->Label4, QStringLiteral("Schrift kleiner machen!"));
    HoverHelp::attach(ui->Label6, QStringLiteral("Programm Beschreibung:"));
    HoverHelp::Options focusOnly;
    focusOnly.onFocus = true;
    HoverHelp::attach(ui->Command1, QStringLiteral("Programm Beschreibung:"), focusOnly);
    HoverHelp::Options exitOptions;
    exitOptions.highlight = HoverHelp::lightRed();
    HoverHelp::attach(ui->beende3, QStringLiteral("Hilfe Fenster schließen!!"), exitOptions);
}

void hilfe1::setHelpText(const QString &text)
{
    if (text == ui->HLabel1->text())
        return;
    ui->HLabel1->setText(text);
    ui->Label2->setText(text);
    if (ui->Check1->isChecked())
        readAloud();
}

void hilfe1::readAloud()
{
    List1 << QString(VoiceLines::kHelpVoice) << ui->HLabel1->text();
    m_services.speaker.speakText(List1);
}

void hilfe1::openDescription()
{
    DocumentLink::open(ProgramFolder::path(QStringLiteral("hilfe-t/bild+text.html")));
}

void hilfe1::enlarge()
{
    if (!ui->Label2->isVisible())
        m_normalHeight = height();
    ui->Label2->setText(ui->HLabel1->text());
    ui->HLabel1->hide();
    ui->Label2->show();
    ui->Label4->show();
    ui->Label3->hide();
    resize(kEnlargedWidth, height());
}

void hilfe1::normalView()
{
    ui->Label2->setText(ui->HLabel1->text());
    ui->HLabel1->show();
    ui->Label3->show();
    ui->Label2->hide();
    ui->Label4->hide();
    // The large text made the window taller; back to normal it takes its own height again, not
    // covering the main window's caption below it.
    if (layout())
        layout()->activate();
    resize(kNormalWidth, m_normalHeight > 0 ? m_normalHeight : height());
}

bool hilfe1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == ui->HLabel1)
            enlarge();
        else if (watched == ui->Label2)
            normalView();
    } else if (watched == this && event->type() == QEvent::MouseMove) {
        ui->zeiteinstellung->hide();
    }
    return QWidget::eventFilter(watched, event);
}

// The window is created hidden while the main window starts. What it needs only when seen waits
// until it is first shown: the style's icons, looked up in the icon theme.
void hilfe1::showEvent(QShowEvent *event)
{
    if (ui->Picture1S->icon().isNull()) {
        ui->Picture1S->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
        ui->Image1->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
        ui->Image3->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
        ui->Image4->setIcon(style()->standardIcon(QStyle::SP_MediaSeekForward));
        ui->Image5->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
        ui->Image7->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    }
    QWidget::showEvent(event);
}

void hilfe1::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        // Unloaded: the next help window starts without automatic reading.
        m_services.state.helpReadsAloud.set(false);
        m_services.windows.unload(windows::hilfe1);
        break;
    case Qt::Key_F1:
        show();
        break;
    case Qt::Key_F2:
        ui->Picture1S->click();
        break;
    case Qt::Key_F3:
        ui->Image1->click();
        break;
    case Qt::Key_F4:
        ui->Image3->click();
        break;
    case Qt::Key_F5:
        ui->Image4->click();
        break;
    case Qt::Key_F6:
        ui->Image5->click();
        break;
    case Qt::Key_F7:
        ui->Image7->click();
        break;
    case Qt::Key_F8:
        ui->Check1->setChecked(false);
        break;
    case Qt::Key_F11:
        ui->Check1->setChecked(true);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace ortelia
