#pragma once

#include <QHash>
#include <QString>

#include <optional>

namespace ortelia {

// Our table of German forms that no stemmer derives (sein, haben, werden, modal verbs, articles,
// pronouns, contractions, old spellings): one "form;base form" a line, "#" starts a comment line.
class FormTable {
public:
    // The table of a file; nullopt with error naming the file and line when a line is damaged.
    static std::optional<FormTable> read(const QString &path, QString &error);
    static std::optional<FormTable> parse(const QStringList &lines, const QString &name, QString &error);

    // The base form of a form (any case); empty when the table does not hold it.
    QString baseOf(const QString &form) const { return m_bases.value(form.toLower()); }
    int size() const { return int(m_bases.size()); }
    void add(const QString &form, const QString &base);

private:
    QHash<QString, QString> m_bases;
};

} // namespace ortelia
