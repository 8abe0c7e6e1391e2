#include "HostPageState.h"

#include "DocumentSnapshot.h"
#include "HeadlessPage.h"
#include "HostWire.h"
#include "HtmlDocument.h"
#include "PageRenderer.h"

#include <QSet>

namespace ortelia::web {

namespace {

QString sourceOf(const Node *table)
{
    QString id = table->attribute(QStringLiteral("datasrc"));
    if (id.startsWith(QLatin1Char('#')))
        id.remove(0, 1);
    return id;
}

// The columns the elements inside a bound table show.
QStringList tableColumns(const Document &document, const Node *table)
{
    QStringList columns;
    for (const Node *n : document.elementsByTag(table, QStringLiteral("*"))) {
        const QString column = n->attribute(QStringLiteral("datafld"));
        if (!column.isEmpty() && !columns.contains(column))
            columns << column;
    }
    return columns;
}

void writeTable(QDataStream &out, const QString &id, const QStringList &columns, const DataSource &source)
{
    const int rows = qMin(source.recordCount(), PageRenderer::kMaxTableRows);
    HostWire::writeString(out, id);
    HostWire::writeStrings(out, columns);
    out << quint32(rows);
    for (int r = 0; r < rows; ++r) {
        QStringList row;
        for (const QString &column : columns)
            row << source.fieldAt(r, column);
        HostWire::writeStrings(out, row);
    }
}

} // namespace

QString TableRows::fieldAt(int position, const QString &column) const
{
    const qsizetype index = m_columns.indexOf(column);
    if (position < 0 || position >= m_rows.size() || index < 0)
        return QString();
    return m_rows[position].value(index);
}

void HostPageState::write(QDataStream &out, const HeadlessPage &page)
{
    const Document &document = page.document();
    DocumentSnapshot::write(out, document);
    bool refused = false;
    for (const Node *object : document.elementsByTag(nullptr, QStringLiteral("object"))) {
        const DataSource *data = page.dataObject(object->attribute(QStringLiteral("id")));
        refused = refused || (data && data->refused());
    }
    out << refused;
    QList<std::pair<QString, QStringList>> tables;
    QSet<QString> seen;
    for (const Node *table : document.elementsByTag(nullptr, QStringLiteral("table"))) {
        const QString id = sourceOf(table);
        if (id.isEmpty() || !page.dataObject(id) || seen.contains(id.toLower()))
            continue;
        seen.insert(id.toLower());
        tables.append({id, tableColumns(document, table)});
    }
    out << quint32(tables.size());
    for (const auto &[id, columns] : tables)
        writeTable(out, id, columns, *page.dataObject(id));
}

std::optional<HostPageState> HostPageState::read(QDataStream &in)
{
    HostPageState state;
    state.document = DocumentSnapshot::read(in);
    if (!state.document)
        return std::nullopt;
    in >> state.refusedData;
    quint32 tables = 0;
    if (!HostWire::readCount(in, tables, 12))
        return std::nullopt;
    for (quint32 t = 0; t < tables; ++t) {
        QString id;
        QStringList columns;
        quint32 rows = 0;
        if (!HostWire::readString(in, id) || !HostWire::readStrings(in, columns) ||
            !HostWire::readCount(in, rows, 4) || rows > quint32(PageRenderer::kMaxTableRows))
            return std::nullopt;
        QList<QStringList> values;
        for (quint32 r = 0; r < rows; ++r) {
            QStringList row;
            if (!HostWire::readStrings(in, row) || row.size() != columns.size())
                return std::nullopt;
            values << row;
        }
        state.tables.emplace_back(id, std::make_unique<TableRows>(columns, values));
    }
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    return state;
}

} // namespace ortelia::web
