#pragma once

#include "FileRead.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace ortelia::web {

// Where the records of a data file begin and its sorted column indexes, kept in a hidden file
// beside it (".DeEn.txt.index") so that the next run neither scans the file nor sorts again. The
// file is read whole, with a bound, and checked before use: a file cut short or damaged is not
// used. It belongs to one state of the data file: its size and modification time (to the
// nanosecond), the delimiter and the header choice; any change makes it stale. Where the folder
// cannot be written everything simply lives in memory.
class ColumnIndexFile {
public:
    struct Key {
        qint64 size = 0;
        qint64 modifiedNs = 0;
        char16_t delimiter = 0;
        bool useHeader = false;
    };

    // Reads the file when it belongs to this state of the data file and is whole.
    ColumnIndexFile(const QString &dataPath, Key key);
    ~ColumnIndexFile();

    static QString pathFor(const QString &dataPath);
    // Where each record begins, as an earlier run wrote it; nullopt when the file had none.
    std::optional<std::span<const quint32>> recordStarts() const;
    // The column's index as an earlier run wrote it; nullopt when there is none.
    std::optional<std::span<const qint32>> index(int column) const;
    // Writes the record starts and the given indexes, keeping the other columns another process
    // may have added meanwhile (replaced atomically); a folder that cannot be written is no error.
    void write(std::span<const quint32> starts, const std::map<int, std::span<const qint32>> &indexes) const;

private:
    struct Contents {
        std::shared_ptr<const std::vector<quint32>> words;
        std::span<const quint32> starts;
        std::map<int, std::span<const qint32>> indexes;
    };
    static std::optional<Contents> open(const QString &path, const Key &key);

    QString m_path;
    Key m_key;
    std::optional<Contents> m_contents;
    // Whether each column asked for holds only record numbers in range.
    mutable std::map<int, bool> m_checked;
};

// The same file read entry by entry, for a single search: only its header, its column numbers and
// the entries the search asks for are read, each checked where it is read.
class IndexFileEntries {
public:
    // The entries when the file belongs to this state of the data file and its counts fit its size.
    static std::optional<IndexFileEntries> open(const QString &dataPath, const ColumnIndexFile::Key &key);

    quint32 records() const { return m_records; }
    // Where the records from first on begin, as many as into holds; false past the records or on a
    // failed read.
    bool recordStarts(quint32 first, std::span<quint32> into) const;
    // The record at this position of the column's order; nullopt for a column the file does not
    // hold, a failed read or a record number out of range.
    std::optional<quint32> record(int column, quint32 position) const;

private:
    IndexFileEntries(FileRead::OpenFile file, quint32 records);
    // Where the column in this place of the file begins: its number, then its order.
    qint64 columnStart(size_t slot) const;

    FileRead::OpenFile m_file;
    quint32 m_records = 0;
    std::vector<qint32> m_columns;
};

} // namespace ortelia::web
