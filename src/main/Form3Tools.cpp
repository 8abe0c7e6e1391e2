// The window tools: shape, sounds, desktop icons, mouse confinement, volume, clock and reading
// the window's text aloud.

#include "Form3.h"

#include "ui_Form3.h"

#include "FormTimer.h"
#include "ClockText.h"
#include "DesktopIcons.h"
#include "MouseConfinement.h"
#include "SoundEffect.h"
#include "SpeechPage.h"
#include "VoiceLines.h"
#include "WaveOutVolume.h"
#include "WindowShape.h"
#include "ProgramFolder.h"
#include "WindowRegistry.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QIcon>

namespace ortelia {

namespace {

constexpr QPoint kReleasedPosition(2500 / 15, 5820 / 15);

} // namespace

void Form3::connectTools()
{
    // The picture buttons and their artwork; a missing picture leaves the button empty.
    const std::pair<QToolButton *, const char *> pictures[] = {
        {ui->Picture1U1, "flag-de.svg"},      {ui->Picture13G, "flag-de-en.svg"},
        {ui->PictureFr, "flag-de-fr.svg"},    {ui->PictureGr, "flag-de-gr.svg"},
        {ui->PictureIt, "flag-de-it.svg"},    {ui->PictureSp, "flag-de-sp.svg"},
        {ui->PicturePlay, "vorlesen.svg"},    {ui->PicturePause, "pause.svg"},
        {ui->PictureWeiter, "weiter.svg"},    {ui->PictureStop, "stop.svg"},
        {ui->Picture12, "ton-stop.svg"},      {ui->Picture1M, "maus.svg"},
        {ui->Picture10, "maus-frei.svg"},     {ui->Picture13, "schmal.svg"},
        {ui->Picture13D, "minimieren.svg"},   {ui->ex, "schliessen.svg"},
        {ui->Picture2, "zwischenablage.svg"}, {ui->Picture20, "woerterbuch.svg"},
        {ui->weort, "woerterbuch.svg"},       {ui->schlTrans, "schliessen.svg"},
        {ui->Frame7zu, "schliessen.svg"},     {ui->optionLink, "woerterbuch.svg"},
    };
    for (const auto &[button, file] : pictures) {
        const QString path = ProgramFolder::path(QStringLiteral("art/") + QLatin1String(file));
        if (QFileInfo::exists(path))
            button->setIcon(QIcon(path));
    }

    connect(ui->Check1, &QCheckBox::toggled, this, [this](bool hidden) {
        setDesktopHidden(hidden);
        if (!hidden)
            ui->Check1->setFocus();
    });
    connect(ui->Picture1M, &QToolButton::clicked, this, [this] { confineMouse(true); });
    connect(ui->Picture10, &QToolButton::clicked, this, [this] {
        confineMouse(false);
        move(kReleasedPosition);
    });

    connect(Timer3, &FormTimer::timeout, this, &Form3::applyVolume);
    connect(ui->Check5, &QCheckBox::toggled, this, &Form3::setMuted);
    connect(ui->HScroll1, &QScrollBar::valueChanged, this,
            [this] { setHelpLabel(QStringLiteral("Lautstärke einstellen Rechts:")); });
    connect(ui->HScroll2, &QScrollBar::valueChanged, this,
            [this] { setHelpLabel(QStringLiteral("Lautstärke einstellen:")); });

    connect(Timer7, &FormTimer::timeout, this, &Form3::updateClock);
    connect(ui->uhr1, &ClickLabel::clicked, this, [this] {
        setStatus(ui->uhr1->text());
        ReadWindowText();
    });
    connect(ui->datum1, &ClickLabel::clicked, this, [this] {
        setStatus(ui->datum1->text());
        ReadWindowText();
    });
    connect(ui->uhrdatum, &QPushButton::clicked, this, [this] {
        setStatus(ClockTimeAndDate(QDateTime::currentDateTime()));
        ReadWindowText();
    });

    connect(ui->Label1, &ClickLabel::clicked, this, &Form3::ReadWindowText);
    connect(ui->PicturePlay, &QToolButton::clicked, this, &Form3::ReadWindowText);
    connect(ui->Label19, &ClickLabel::clicked, this, &Form3::ReadWindowText);
    connect(ui->PicturePause, &QToolButton::clicked, this, [] { PauseSpeech(); });
    connect(ui->PictureWeiter, &QToolButton::clicked, this, [] { ResumeSpeech(); });
    connect(ui->PictureStop, &QToolButton::clicked, this, [] { StopSpeech(); });
    connect(ui->Label6, &ClickLabel::clicked, this, [] { StopSpeech(); });
    connect(ui->Picture12, &QToolButton::clicked, this, [this] {
        playSound(QStringLiteral("Leer"));
        ui->Label2->setText(QStringLiteral("Ton Stop"));
        StopSpeech();
    });
    connect(ui->Hallo, &QPushButton::clicked, this, [this] {
        setStatus(QStringLiteral(
            "Wählen Sie mit der [ Tabulator ]-Taste.           Bitte mit [ ENTER ] bestätigen. "));
    });
}

void Form3::applyShape()
{
    m_background = RenderPicture(ProgramFolder::path(QStringLiteral("art/hintergrund.svg")));
    // White (0xFFFFFF) is the outside of the window; without a picture the window stays square.
    setMask(RegionFromBitmap(m_background, qRgb(0xFF, 0xFF, 0xFF)));
    update();
}

void Form3::playSound(const QString &name)
{
    PlaySoundEffect(name);
}

void Form3::setDesktopHidden(bool hidden)
{
    if (hidden) {
        HideDesktop();
        setStatus(QStringLiteral("Der Desktop ist nun  versteckt!"));
        playSound(QStringLiteral("Desktop1"));
    } else {
        ShowDesktop();
        setStatus(QStringLiteral("Desktop aktiv!"));
        playSound(QStringLiteral("Desktop2"));
    }
}

void Form3::confineMouse(bool confine)
{
    if (confine)
        ConfineMouse(ui->Picture1M);
    else
        ReleaseMouse();
}

void Form3::setMuted(bool muted)
{
    const int level = muted ? ui->HScroll1->maximum() : 0;
    ui->HScroll1->setValue(level);
    ui->HScroll2->setValue(level);
    ui->Check5->setText(muted ? QStringLiteral("Ton Ein") : QStringLiteral("Ton Aus"));
    if (auto *sound =
            WindowRegistry::control(ctl::supertrans1_Check4))
        sound->setChecked(muted);
}

void Form3::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    ui->uhr1->setText(ClockTime(now.time()));
    ui->datum1->setText(ClockDate(now.date()));
}

void Form3::ReadWindowText()
{
    ui->List1->clear();
    append(ui->List1, {QString(VoiceLines::kHelpVoice), ui->Label1->text()});
    QStringList request = lines(ui->List1);
    ui->List1->clear();
    SpeakText(request);
}

} // namespace ortelia
