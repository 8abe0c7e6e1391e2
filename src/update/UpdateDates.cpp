#include "UpdateDates.h"

#include "ui_UpdateDates.h"

#include "HoverHelp.h"
#include "SettingsFiles.h"
#include "SettingsSaveBox.h"

#include <QDate>
#include <QTime>

namespace ortelia {

namespace {

QString today(const char *format)
{
    return QDate::currentDate().toString(QLatin1String(format));
}

} // namespace

UpdateDates::UpdateDates(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::UpdateDates>())
{
    ui->setupUi(this);
    for (int month = 1; month <= 12; ++month)
        ui->Combo1->addItem(QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')));
    connect(ui->Command15, &QPushButton::clicked, this, &UpdateDates::takeOverToday);
    connect(ui->Command23, &QPushButton::clicked, this, &UpdateDates::readUpdateDate);
    connect(ui->Command24, &QPushButton::clicked, this, &UpdateDates::saveCodeDate);
    connect(ui->Command25, &QPushButton::clicked, this,
            [] { reportSettingsSave(SettingsFiles::writeLastUpdateDate(today("dd.MM.yyyy"))); });
    connect(ui->Command26, &QPushButton::clicked, this, &UpdateDates::readLastUpdateDate);
    HoverHelp::attach(ui->Command15,
                      QStringLiteral("Das heutige Datum als Datum des letzten Updates speichern!"));
}

UpdateDates::~UpdateDates() = default;

void UpdateDates::load(const QString &folder)
{
    readUpdateDate();
    ui->Text7->setText(folder);
    ui->Label6->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    ui->Label7->setText(today("yyyyMMdd"));
    ui->Label8->setText(today("dd.MM.yyyy"));
    ui->Combo1->setCurrentIndex(QDate::currentDate().month() - 1);
}

void UpdateDates::readUpdateDate()
{
    const QString date = SettingsFiles::readUpdateDate();
    ui->Text4->setText(date);
    ui->Text5->setText(date);
}

void UpdateDates::readLastUpdateDate()
{
    if (const std::optional<QString> date = SettingsFiles::readDate(SettingsFiles::lastUpdateDatePath()))
        ui->Text6->setText(*date);
}

void UpdateDates::takeOverToday()
{
    reportSettingsSave(SettingsFiles::writeLastUpdateDate(today("dd.MM.yyyy")));
    reportSettingsSave(SettingsFiles::writeUpdateDate(today("yyyyMMdd")));
    readUpdateDate();
}

void UpdateDates::saveCodeDate()
{
    const QDate now = QDate::currentDate();
    reportSettingsSave(SettingsFiles::writeUpdateDate(now.toString(QStringLiteral("yyyy")) +
                                                      ui->Combo1->currentText() +
                                                      now.toString(QStringLiteral("dd"))));
    readUpdateDate();
}

QString UpdateDates::updateDate() const
{
    return ui->Text5->text();
}

QString UpdateDates::folder() const
{
    return ui->Text7->text();
}

} // namespace ortelia
