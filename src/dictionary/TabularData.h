#pragma once

#include "ColumnIndexFile.h"
#include "EncodedText.h"
#include "FileRead.h"
#include "RecordReader.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
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
// is known by where its line begins, and its fields are split when asked for, so memory follows
// the number of lines, not the column count. Where the lines begin and the column indexes come
// from the index file when it has them.
class TabularData {
public:
    TabularData(EncodedText text, QChar delimiter, bool useHeader);

    // The file read in pieces, for a process that searches once: only its first lines, and then
    // the entries of the index file beside it and the records its searches compare. nullptr
    // where there is no index file for this state of the file (see TabularDataCache), or the file
    // cannot be opened. A search that met what the pieces cannot answer says so
    // (wholeFileNeeded()): its answer is then to be asked of the whole file.
    static std::shared_ptr<const TabularData> inPieces(const QString &path, QChar delimiter, bool useHeader);
    bool wholeFileNeeded() const { return m_pieces && m_pieces->failed(); }

    const QStringList &columns() const { return m_columns; }
    // Column index by name without regard to case; -1 when there is no such column.
    int column(QStringView name) const;
    int recordCount() const { return m_pieces ? m_pieces->records() : int(recordStarts().size()); }
    QString field(int record, int column) const;

    // The records matching a filter: "column = value" terms (also "<>") joined by "&"; a value
    // may hold blanks, may be put in double quotes, and "*" in it matches any run of characters.
    // The whole value is compared. An empty filter selects every record; a filter that cannot
    // be read, or names an unknown column, selects none.
    Selection select(const QString &filter, bool caseSensitive) const;
    // The first record in file order whose field equals value without regard to case, as
    // select("column = value") finds it for a value without wildcard; -1 when there is none.
    int firstRecord(int column, QStringView value) const;
    // The values of a column that begin with prefix in the dictionary order's primary characters
    // ("bar" also finds "bär"), in that order, each value once without regard to case; at most limit.
    QStringList valuesBeginning(int column, QStringView prefix, int limit) const;
    // Every record's value of the column in file order, decoded into one buffer that the next value
    // reuses. Read in pieces, the file cannot answer this (wholeFileNeeded()).
    void forEachValue(int column, const std::function<void(QStringView)> &visit) const;

    // Record starts and indexes are taken from this file when it has them; indexes built from
    // now on are written to it.
    void keepIndexesIn(std::unique_ptr<ColumnIndexFile> file);

private:
    // The records in the order of a column's values: held in memory, or read entry by entry.
    class Order {
    public:
        explicit Order(std::span<const qint32> records)
            : m_records(records), m_size(qsizetype(records.size()))
        {
        }
        Order(const RecordReader &pieces, int column)
            : m_pieces(&pieces), m_column(column), m_size(pieces.records())
        {
        }
        qsizetype size() const { return m_size; }
        int operator[](qsizetype position) const
        {
            return m_pieces ? m_pieces->record(m_column, position) : m_records[size_t(position)];
        }

    private:
        std::span<const qint32> m_records;
        const RecordReader *m_pieces = nullptr;
        int m_column = -1;
        qsizetype m_size = 0;
    };

    std::span<const quint32> recordStarts() const;
    std::vector<quint32> scanRecordStarts() const;
    // The record's bytes from where it begins: to the end of the text, or of its line when read in
    // pieces.
    QByteArrayView recordBytes(int record) const;
    // Where the field that begins at pos ends: at the next delimiter or the end of its line.
    qsizetype fieldEnd(QByteArrayView bytes, qsizetype pos) const;
    QByteArrayView fieldBytes(int record, int column) const;
    // Records sorted by the column's value in dictionary order, ties in file order; built on first use.
    Order index(int column) const;
    std::vector<qint32> buildIndex(int column) const;
    int compareField(int record, int column, QStringView value, QString &buffer) const;
    // The first position of the order whose record's field is not before value.
    qsizetype lowerBound(const Order &order, int column, QStringView value, QString &buffer) const;

    // The whole text; read in pieces, only its first lines, as far as the header.
    EncodedText m_text;
    QByteArray m_delimiter;
    QStringList m_columns;
    // Where the records begin: after the header line.
    qsizetype m_bodyStart = 0;
    std::unique_ptr<ColumnIndexFile> m_indexFile;
    mutable std::optional<std::vector<quint32>> m_scannedStarts;
    mutable std::map<int, std::vector<qint32>> m_builtIndexes;
    std::unique_ptr<RecordReader> m_pieces;
};

// Parsed files shared by every page that shows them, so a large dictionary is read once. The file
// is read whole into memory: a file changed or cut short on disk never touches data a page holds.
// An entry is valid while the file keeps its size, modification time and identity (device and
// inode), which every load checks. Indexes are kept in a file beside the data (ColumnIndexFile)
// only inside the program folder; elsewhere they live in memory.
class TabularDataCache {
public:
    // The parsed file. A missing or unreadable file, one that is no regular file (a FIFO, a
    // device, a folder, also behind a link) or one larger than kMaxDictionaryBytes gives empty
    // data, and failure says why.
    static std::shared_ptr<const TabularData> load(const QString &path, QChar delimiter, bool useHeader,
                                                   FileRead::Failure *failure = nullptr);
    static void clear();
};

} // namespace ortelia::web
