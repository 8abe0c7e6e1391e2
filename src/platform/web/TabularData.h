#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace ortelia::web {

// The records a filter let through, in file order.
class Selection {
public:
    static Selection all(int count);
    static Selection of(std::vector<int> records);

    int size() const { return m_all ? m_count : int(m_records.size()); }
    int record(int position) const { return m_all ? position : m_records[size_t(position)]; }

private:
    bool m_all = false;
    int m_count = 0;
    std::vector<int> m_records;
};

// A delimited text file read into records: lines are records (CR LF, LF or CR; empty lines are
// skipped), fields are split at the delimiter. With a header the first line names the columns;
// without one they are "Column1", "Column2"... The text is kept once; fields are views into it.
class TabularData {
public:
    TabularData(QString text, QChar delimiter, bool useHeader);

    const QStringList &columns() const { return m_columns; }
    // Column index by name without regard to case; -1 when there is no such column.
    int column(QStringView name) const;
    int recordCount() const { return m_records; }
    QStringView field(int record, int column) const;

    // The records matching a filter: "column = value" terms (also "<>") joined by "&"; a value
    // may hold blanks, may be put in double quotes, and "*" in it matches any run of characters.
    // The whole value is compared. An empty filter selects every record; a filter that cannot
    // be read, or names an unknown column, selects none.
    Selection select(const QString &filter, bool caseSensitive) const;

private:
    // Records sorted by the column's value in dictionary order, ties in file order; built on first use.
    const std::vector<int> &index(int column) const;
    int compareField(int record, int column, QStringView value) const;

    QString m_text;
    QStringList m_columns;
    int m_records = 0;
    std::vector<quint32> m_start;  // per record and column
    std::vector<quint32> m_length;
    mutable std::vector<std::vector<int>> m_indexes;
};

// Parsed files shared by every page that shows them, so a large dictionary is read once. An
// entry is valid while the file keeps its size and modification time.
class TabularDataCache {
public:
    // The parsed file; an unreadable or missing file gives empty data.
    static std::shared_ptr<const TabularData> load(const QString &path, QChar delimiter, bool useHeader);
    static void clear();
    // Files beyond this size are not read (the page then sees no records).
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
};

} // namespace ortelia::web
