#include "ToolsPanel.h"

#include "ui_ToolsPanel.h"

#include "ArtIcon.h"
#include "ClockText.h"
#include "DesktopIcons.h"
#include "FormTimer.h"
#include "HoverHelp.h"
#include "MouseConfinement.h"
#include "SoundEffect.h"
#include "WaveOutVolume.h"

#include <QDateTime>
#include <QFocusEvent>

namespace ortelia {

namespace {

void setTextColour(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    control->setPalette(palette);
}

} // namespace

ToolsPanel::ToolsPanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::ToolsPanel>())
{
    ui->setupUi(this);
    Timer3 = new FormTimer(QStringLiteral("Timer3"), 0, true, this);
    Timer7 = new FormTimer(QStringLiteral("Timer7"), 100, false, this);
    setArtIcon(ui->Picture1M, "maus.svg");
    setArtIcon(ui->Picture10, "maus-frei.svg");
    // White on the window's picture; a palette colour, which the hover highlight can darken (a
    // style sheet set anew would also give the caption the larger font of the application).
    for (QWidget *white : {static_cast<QWidget *>(ui->uhr1), static_cast<QWidget *>(ui->datum1),
                           static_cast<QWidget *>(ui->Check1)})
        setTextColour(white, Qt::white);

    connect(ui->Check1, &QCheckBox::toggled, this, [this](bool hidden) {
        setDesktopHidden(hidden);
        if (!hidden)
            ui->Check1->setFocus();
    });
    ui->Check1->installEventFilter(this);
    connect(ui->Picture1M, &QToolButton::clicked, this, [this] { confineMouse(true); });
    connect(ui->Picture10, &QToolButton::clicked, this, [this] {
        confineMouse(false);
        emit mouseFreedByButton();
    });

    connect(Timer3, &FormTimer::timeout, this, &ToolsPanel::applyVolume);
    connect(ui->Check5, &QCheckBox::toggled, this, &ToolsPanel::switchSound);
    connect(ui->HScroll1, &QScrollBar::valueChanged, this,
            [] { HoverHelp::setHelpText(QStringLiteral("Lautstärke einstellen Rechts:")); });
    connect(ui->HScroll2, &QScrollBar::valueChanged, this,
            [] { HoverHelp::setHelpText(QStringLiteral("Lautstärke einstellen:")); });

    connect(Timer7, &FormTimer::timeout, this, &ToolsPanel::updateClock);
    connect(ui->uhr1, &ClickLabel::clicked, this, [this] { emit statusToRead(ui->uhr1->text()); });
    connect(ui->datum1, &ClickLabel::clicked, this, [this] { emit statusToRead(ui->datum1->text()); });
    attachHoverHelp();
}

ToolsPanel::~ToolsPanel() = default;

void ToolsPanel::start()
{
    Timer3->setInterval(100);
    Timer7->setEnabled(true);
}

void ToolsPanel::placeDesktopIconsAfter(QWidget *control)
{
    setTabOrder(control, ui->Check1);
}

bool ToolsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui->Check1)
        return false;
    if (event->type() == QEvent::FocusIn) {
        PlaySoundEffect(QStringLiteral("Desktop"));
        emit status(
            QStringLiteral("Desktopbilder verstecken. Bestätigen Sie hierzu die [Leerzeichen ] Taste! "));
        setTextColour(ui->Check1, QColor(0xFF, 0xFF, 0x80));
    } else if (event->type() == QEvent::FocusOut) {
        setTextColour(ui->Check1, Qt::white);
    }
    return false;
}

void ToolsPanel::setDesktopHidden(bool hidden)
{
    if (hidden) {
        HideDesktop();
        emit status(QStringLiteral("Der Desktop ist nun  versteckt!"));
        PlaySoundEffect(QStringLiteral("Desktop1"));
    } else {
        ShowDesktop();
        emit status(QStringLiteral("Desktop aktiv!"));
        PlaySoundEffect(QStringLiteral("Desktop2"));
    }
}

void ToolsPanel::confineMouse(bool confine)
{
    if (confine)
        ConfineMouse(ui->Picture1M);
    else
        ReleaseMouse();
}

void ToolsPanel::applyVolume()
{
    const StereoGain gain =
        GainFromWaveOutVolume(WaveOutVolume(ui->HScroll1->value(), ui->HScroll2->value()));
    emit outputGainsChanged(gain.left, gain.right);
}

void ToolsPanel::setMuted(bool muted)
{
    ui->Check5->setChecked(muted);
}

void ToolsPanel::switchSound(bool muted)
{
    const int level = muted ? ui->HScroll1->maximum() : 0;
    ui->HScroll1->setValue(level);
    ui->HScroll2->setValue(level);
    ui->Check5->setText(muted ? QStringLiteral("Ton Ein") : QStringLiteral("Ton Aus"));
    emit mutedChanged(muted);
}

void ToolsPanel::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    ui->uhr1->setText(ClockTime(now.time()));
    ui->datum1->setText(ClockDate(now.date()));
}

void ToolsPanel::attachHoverHelp()
{
    HoverHelp::attach(ui->Check5, QStringLiteral("Den Ton ein und aus schalten!"));
    HoverHelp::attach(ui->uhr1, QStringLiteral(" Mit Klick lese Ich die Uhrzeit!"));
    HoverHelp::attach(ui->datum1, QStringLiteral(" Mit Klick lese Ich das Datum! "));
    HoverHelp::attach(ui->Label5, QStringLiteral("Lautstärke Links und Rechts einstellen!"));
    HoverHelp::attach(ui->HScroll1, QStringLiteral("Lautstärke einstellen Rechts:"));
    HoverHelp::attach(ui->HScroll2, QStringLiteral("Lautstärke einstellen:"));
    HoverHelp::attach(
        ui->Check1,
        QStringLiteral("Desktopbilder verstecken. Bestätigen Sie hierzu die [Leerzeichen ] Taste! "));
}

} // namespace ortelia
