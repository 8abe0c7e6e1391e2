#pragma once

#include "DataSource.h"

#include <QDataStream>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace ortelia {
class HeadlessPage;
}

namespace ortelia::web {

class Document;

// The rows a table bound to a data object of a page in the host shows (at most
// PageRenderer::kMaxTableRows), in the columns its elements name.
class TableRows : public DataSource {
public:
    TableRows(QStringList columns, QList<QStringList> rows) : m_columns(std::move(columns)), m_rows(std::move(rows)) {}

    int recordCount() const override { return int(m_rows.size()); }
    QString field(const QString &) const override { return QString(); }
    QString fieldAt(int position, const QString &column) const override;
    bool refused() const override { return false; }

private:
    QStringList m_columns;
    QList<QStringList> m_rows;
};

// What the window holds of a page that runs in the page host: its document, whether a data
// object was refused its file, and the rows of its bound tables by data object id.
struct HostPageState {
    std::unique_ptr<Document> document;
    bool refusedData = false;
    std::vector<std::pair<QString, std::unique_ptr<TableRows>>> tables;

    // The host's side: the state of the page it holds.
    static void write(QDataStream &out, const HeadlessPage &page);
    // The window's side: nullopt where the data is no such state.
    static std::optional<HostPageState> read(QDataStream &in);
};

} // namespace ortelia::web
