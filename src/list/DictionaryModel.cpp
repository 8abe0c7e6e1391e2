#include "DictionaryModel.h"

namespace ortelia {

namespace {
// Internal id of a section row; a line carries its section number plus one.
constexpr quintptr kSectionRow = 0;
// A line is shown up to this length: laying out a line of a megabyte at every repaint would stall
// the window. Search and reading always use the whole line.
constexpr qsizetype kShownLength = 1000;
} // namespace

DictionaryModel::DictionaryModel(QObject *parent) : QAbstractItemModel(parent)
{
}

void DictionaryModel::setSections(std::array<QStringList, kSections> sections)
{
    beginResetModel();
    m_sections = std::move(sections);
    endResetModel();
}

int DictionaryModel::findPrefix(int s, const QString &prefix) const
{
    const QStringList &lines = m_sections[s];
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(prefix, Qt::CaseInsensitive))
            return int(i);
    }
    return -1;
}

QModelIndex DictionaryModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < kSections ? createIndex(row, 0, kSectionRow) : QModelIndex();
    if (parent.internalId() != kSectionRow || row >= m_sections[parent.row()].size())
        return {};
    return createIndex(row, 0, quintptr(parent.row() + 1));
}

QModelIndex DictionaryModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == kSectionRow)
        return {};
    return createIndex(int(child.internalId() - 1), 0, kSectionRow);
}

int DictionaryModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return kSections;
    if (parent.internalId() != kSectionRow)
        return 0;
    return int(m_sections[parent.row()].size());
}

int DictionaryModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant DictionaryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.internalId() == kSectionRow || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const QString &line = m_sections[index.internalId() - 1][index.row()];
    if (role == Qt::ToolTipRole) {
        const QString help = m_lineHelp ? m_lineHelp(line) : QString();
        return help.isEmpty() ? QVariant() : QVariant(help);
    }
    return line.size() > kShownLength ? line.left(kShownLength) + QStringLiteral("...") : line;
}

} // namespace ortelia
