#pragma once

#include <QDateTime>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace ortelia::web {

// The sorted column indexes of a data file, kept in a hidden file beside it (".DeEn.txt.index")
// so that the next run finds them instead of sorting again. They belong to one state of the file:
// its size and modification time, the delimiter and the header choice; any change makes them
// stale. Where the folder cannot be written the indexes simply live in memory.
class ColumnIndexFile {
public:
    struct Key {
        qint64 size = 0;
        QDateTime modified;
        char16_t delimiter = 0;
        bool useHeader = false;
        int records = 0;
    };

    ColumnIndexFile(const QString &dataPath, Key key);

    static QString pathFor(const QString &dataPath);
    // The column's index as written by an earlier run; nullopt when there is none or it is stale.
    std::optional<std::vector<int>> read(int column) const;
    // Adds the given indexes to the file (replaced atomically); a folder that cannot be written is no error.
    void write(const std::map<int, std::vector<int>> &indexes) const;

private:
    std::map<int, std::vector<int>> readAll() const;

    QString m_path;
    Key m_key;
};

} // namespace ortelia::web
