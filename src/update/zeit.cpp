#include "zeit.h"
#include "ui_zeit.h"

#include "Dialogs.h"
#include "FormTimer.h"
#include "HoverHelp.h"
#include "ProgramRequests.h"
#include "SettingsFiles.h"
#include "SettingsSaveBox.h"
#include "UpdateList.h"
#include "WindowKeys.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QCloseEvent>
#include <QDate>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

namespace ortelia {

namespace {

// The start operation lets the program settle before it decides whether an update is due.
constexpr int kStartDelayMs = 3200;

} // namespace

zeit::zeit(WindowServices &services, QWidget *parent)
    : QWidget(parent), m_windows(services.windows), ui(std::make_unique<Ui::zeit>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    Timer1 = new FormTimer(QStringLiteral("Timer1"), 1000, false, this);
    for (int month = 1; month <= 12; ++month)
        ui->Combo1->addItem(QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')));

    connect(Timer1, &FormTimer::timeout, this, [this] {
        readOptions();
        Timer1->setEnabled(false);
    });
    connect(ui->Check5, &QCheckBox::clicked, this, &zeit::dailyClicked);
    connect(ui->Check4, &QCheckBox::clicked, this, &zeit::monthlyClicked);
    connect(ui->Combo1, &QComboBox::activated, this, [this] { ui->Command7->setEnabled(true); });
    connect(ui->Command14, &QPushButton::clicked, this, &zeit::start);
    connect(ui->Command3, &QPushButton::clicked, this, &zeit::applySwitches);
    for (QPushButton *save : {ui->Command7, ui->Command5}) {
        connect(save, &QPushButton::clicked, this, [this] {
            saveOptions();
            saveUpdateDate();
        });
    }
    connect(ui->Command4, &QPushButton::clicked, this, &zeit::readOptions);
    connect(ui->Command1, &QPushButton::clicked, this, &zeit::readStoredDate);
    connect(ui->Command2, &QPushButton::clicked, this, &zeit::saveUpdateDate);
    connect(ui->Command50, &QPushButton::clicked, this, &zeit::compare);
    connect(ui->Command52, &QPushButton::clicked, this, [this] {
        readStoredDate();
        compare();
    });
    connect(ui->Command6, &QPushButton::clicked, this, &zeit::openUpdateWindow);
    connect(ui->Command9, &QPushButton::clicked, this, &zeit::unloadWindow);

    ui->Combo1->installEventFilter(this);
    HoverHelp::attach(ui->Command6, QStringLiteral("Über Internet neues Wörterbuch suchen: "));
    WindowKeys::bind(services, this, [this] { close(); });
}

zeit::~zeit() = default;

void zeit::answerRequests(WindowServices &services)
{
    QObject::connect(&services.requests, &ProgramRequests::startUpdateSchedule, &services.requests,
                     [&registry = services.windows] {
                         if (auto *window = static_cast<zeit *>(registry.window(windows::zeit)))
                             window->start();
                     });
}

void zeit::Form_Load()
{
    const QDate today = QDate::currentDate();
    ui->Label1->setText(today.toString(QStringLiteral("dd")));
    ui->Label2->setText(today.toString(QStringLiteral("MM")));
    ui->Label3->setText(today.toString(QStringLiteral("yyyy")));
    ui->Label4->setText(today.toString(QStringLiteral("yyyyMMdd")));
    ui->Combo1->setCurrentIndex(today.month() - 1);
}

bool zeit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Combo1 && event->type() == QEvent::FocusIn) {
        HoverHelp::setHelpText(QStringLiteral("Nechstes Update Monat: ") + ui->Combo1->currentText());
        QPalette palette = ui->Combo1->palette();
        palette.setColor(QPalette::Base, HoverHelp::lightYellow());
        palette.setColor(QPalette::Button, HoverHelp::lightYellow());
        ui->Combo1->setPalette(palette);
    }
    return QWidget::eventFilter(watched, event);
}

void zeit::start()
{
    QTimer::singleShot(kStartDelayMs, Qt::PreciseTimer, this, &zeit::startNow);
}

void zeit::startNow()
{
    QPointer<zeit> self(this);
    buildDateNow();
    readStoredDate();
    Timer1->restart(1000);
    applySwitches();
    if (self)
        ui->Command7->setEnabled(false);
}

void zeit::applySwitches()
{
    if (ui->Check5->isChecked()) {
        ui->Check5->setText(QStringLiteral("Täglich"));
        ui->Check4->setChecked(false);
        Dialogs::message(Dialogs::programTitle(), QStringLiteral("Tägliches Wörterbuch Update"), this);
        if (Dialogs::yesNoCancel(QStringLiteral("Neues Wörterbuch suchen !"),
                                 QStringLiteral("Wollen Sie zum Update-Fenster ?"), true,
                                 this) == DialogAnswer::Yes)
            openUpdateWindow();
    } else {
        ui->Check5->setText(QStringLiteral("Täglich aus "));
    }
    if (ui->Check4->isChecked()) {
        ui->Check4->setText(QStringLiteral("Monatlich"));
        ui->Check5->setChecked(false);
        readStoredDate();
        compare();
    } else {
        ui->Check4->setText(QStringLiteral("Monatlich aus "));
    }
}

void zeit::compare()
{
    buildDateNow();
    // Without a stored date (no file, or no eight digits in it) no update was ever made: due.
    static const QRegularExpression eightDigits(QStringLiteral("^\\d{8}$"));
    const QString stored = ui->Text1->text();
    const bool due = !eightDigits.match(stored).hasMatch() || stored < ui->Label5->text();
    if (due) {
        if (QWidget *up = m_windows.window(windows::up1))
            up->show();
        unloadWindow();
    } else {
        hide();
    }
}

void zeit::buildDateNow()
{
    ui->Label5->setText(ui->Label3->text() + ui->Combo1->currentText() + ui->Label1->text());
}

void zeit::readStoredDate()
{
    if (const std::optional<QString> date = SettingsFiles::readDate(SettingsFiles::updateDatePath()))
        ui->Text1->setText(*date);
}

void zeit::readOptions()
{
    bool daily = ui->Check5->isChecked();
    bool monthly = ui->Check4->isChecked();
    SettingsFiles::readSwitches(SettingsFiles::optionsPath(), daily, monthly);
    ui->Check5->setChecked(daily);
    ui->Check4->setChecked(monthly);
}

void zeit::saveOptions()
{
    reportSettingsSave(SettingsFiles::writeSwitches(SettingsFiles::optionsPath(), ui->Check5->isChecked(),
                                                    ui->Check4->isChecked()));
}

bool zeit::saveUpdateDate()
{
    buildDateNow();
    return reportSettingsSave(SettingsFiles::writeUpdateDate(ui->Label5->text()));
}

void zeit::dailyClicked(bool on)
{
    ui->Check5->setText(on ? QStringLiteral("Täglich") : QStringLiteral("Täglich aus "));
    if (on)
        ui->Check4->setChecked(false);
    ui->Command7->setEnabled(true);
}

void zeit::monthlyClicked(bool on)
{
    ui->Check4->setText(on ? QStringLiteral("Monatlich") : QStringLiteral("Monatlich aus "));
    if (on)
        ui->Check5->setChecked(false);
    ui->Command7->setEnabled(true);
}

void zeit::openUpdateWindow()
{
    if (QWidget *up = m_windows.window(windows::up1))
        up->show();
    hide();
}

void zeit::unloadWindow()
{
    m_windows.unload(windows::zeit);
}

void zeit::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_windows.unload(windows::zeit);
}

} // namespace ortelia
