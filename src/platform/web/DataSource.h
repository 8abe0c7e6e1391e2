#pragma once

#include <QObject>
#include <QString>

namespace ortelia::web {

// An object of a page that holds records: elements with datasrc="#id" datafld="column" show its
// current record, and a table bound to it repeats its rows for its records. The page host knows
// no more of it; the objects themselves come from the factories registered with HeadlessPage.
class DataSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual int recordCount() const = 0;
    // The current record's value of a column; "" when there is no current record or column.
    virtual QString field(const QString &column) const = 0;
    // The value of a column in the position-th record (0-based).
    virtual QString fieldAt(int position, const QString &column) const = 0;
    // Whether the source was refused its file (no regular file, too large, unreadable); a
    // missing file is no refusal.
    virtual bool refused() const = 0;

signals:
    // The current record changed: bound elements show another record.
    void recordChanged();
};

} // namespace ortelia::web
