#pragma once

#include "ColumnIndexFile.h"
#include "MappedText.h"

#include <QString>
#include <QStringList>

#include <map>
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
// without one they are "Column1", "Column2"... The bytes stay as they are in the file; a record
// keeps only where its fields begin, so memory follows the file's size, not its column count.
class TabularData {
public:
    TabularData(MappedText text, QChar delimiter, bool useHeader);

    const QStringList &columns() const { return m_columns; }
    // Column index by name without regard to case; -1 when there is no such column.
    int column(QStringView name) const;
    int recordCount() const { return int(m_firstOffset.size()) - 1; }
    QString field(int record, int column) const;

    // The records matching a filter: "column = value" terms (also "<>") joined by "&"; a value
    // may hold blanks, may be put in double quotes, and "*" in it matches any run of characters.
    // The whole value is compared. An empty filter selects every record; a filter that cannot
    // be read, or names an unknown column, selects none.
    Selection select(const QString &filter, bool caseSensitive) const;

    // Indexes built from now on are also written to this file, and taken from it when it has them.
    void keepIndexesIn(std::unique_ptr<ColumnIndexFile> file);

private:
    QByteArrayView fieldBytes(int record, int column) const;
    // Records sorted by the column's value in dictionary order, ties in file order; built on first use.
    const std::vector<int> &index(int column) const;
    std::vector<int> buildIndex(int column) const;
    int compareField(int record, int column, QStringView value) const;

    MappedText m_text;
    qsizetype m_delimiterSize = 0;
    QStringList m_columns;
    // Record r's fields begin at m_offsets[m_firstOffset[r]] and onwards; one more entry marks
    // where its last field ends.
    std::vector<quint32> m_offsets;
    std::vector<quint32> m_firstOffset;
    std::unique_ptr<ColumnIndexFile> m_indexFile;
    mutable std::map<int, std::vector<int>> m_indexes;
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
