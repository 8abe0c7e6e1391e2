#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class UpdateDates;
}

namespace ortelia {

// The update window's dates: the clock, the update date (yyyymmdd) that tells new dictionaries
// from old, the date of the last update (dd.mm.yyyy), a month to store an update date of one's
// own with, and the dictionary folder.
class UpdateDates : public QWidget {
    Q_OBJECT
public:
    explicit UpdateDates(QWidget *parent = nullptr);
    ~UpdateDates() override;

    // As the window loads: the clock, the update date, this month and the folder.
    void load(const QString &folder);
    void readUpdateDate();
    void readLastUpdateDate();
    // Today becomes the date of the last update and the update date.
    void takeOverToday();

    QString updateDate() const;
    QString folder() const;

private:
    void saveCodeDate();

    std::unique_ptr<Ui::UpdateDates> ui;
};

} // namespace ortelia
