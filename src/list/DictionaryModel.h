#pragma once

#include <QAbstractItemModel>
#include <QStringList>

#include <array>
#include <functional>

namespace ortelia {

// A loaded dictionary as one model for the four lists: four top-level rows, one per section,
// whose children are the section's lines in file order. Each list shows one section by making
// that row its root.
class DictionaryModel : public QAbstractItemModel {
    Q_OBJECT
public:
    static constexpr int kSections = 4;

    explicit DictionaryModel(QObject *parent = nullptr);

    // Replaces the whole dictionary at once.
    void setSections(std::array<QStringList, kSections> sections);
    const QStringList &section(int s) const { return m_sections[s]; }
    QModelIndex sectionIndex(int s) const { return index(s, 0); }

    // What the pointer on a line shows (its tooltip), made from the line; none without.
    void setLineHelp(std::function<QString(const QString &line)> help) { m_lineHelp = std::move(help); }

    // The first line of section s that begins with prefix, ignoring case; -1 when none does.
    int findPrefix(int s, const QString &prefix) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    std::array<QStringList, kSections> m_sections;
    std::function<QString(const QString &line)> m_lineHelp;
};

} // namespace ortelia
