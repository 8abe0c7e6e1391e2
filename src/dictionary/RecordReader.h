#pragma once

#include "ColumnIndexFile.h"
#include "FileRead.h"

#include <QByteArray>
#include <QByteArrayView>

#include <map>

namespace ortelia::web {

// A data file read only where a search looks, through its index file: a record's line, an entry
// of a column's order. Every record start the index file gives is checked against the data as a
// scan of the whole file would find it: the line begins after a line break (the first record
// after nothing but line breaks from the body's start), is not empty, and only line breaks
// follow it up to the next record. An entry that cannot be read or checked, or a search that
// needs what the index file does not hold, makes the reader fail: from then on it reads nothing
// and gives empty lines, and the search is to be made on the whole file.
class RecordReader {
public:
    // textStart: where the text begins in the file (after a byte-order mark); bodyStart: where the
    // records begin in the text.
    RecordReader(FileRead::OpenFile data, IndexFileEntries index, qint64 textStart, qint64 bodyStart);

    int records() const { return int(m_index.records()); }
    // The record's line without its line break.
    QByteArrayView line(int record) const;
    // The record at this position of the column's order; for a column the index file does not
    // hold, the reader fails.
    int record(int column, qsizetype position) const;
    // For a search that would read every record.
    void fail() const { m_failed = true; }
    bool failed() const { return m_failed; }

private:
    std::optional<QByteArray> readLine(quint32 record) const;

    FileRead::OpenFile m_data;
    IndexFileEntries m_index;
    qint64 m_textStart = 0;
    qint64 m_textSize = 0;
    qint64 m_bodyStart = 0;
    // The lines read so far: a search compares a record again when it gathers what it found.
    mutable std::map<int, QByteArray> m_lines;
    mutable bool m_failed = false;
};

} // namespace ortelia::web
