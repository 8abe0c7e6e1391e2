#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace ortelia {

class SortedFormFile;

// Base forms of forms that no rule derives: one "form;base form" a line, a form may have several
// lines (several bases, the best first) and two words ("bringt um;umbringen"). Two kinds of file:
// the import's large table, whose first line says it is sorted by the forms' UTF-8 bytes and which
// is searched in place, a few lines read per form; and a small hand-kept table ("#" starts a
// comment line), read whole.
class FormTable {
public:
    // The first line of a sorted table, after its byte order mark.
    static constexpr const char *kSortedMark = "# sorted:";
    // Largest sorted table searched; a larger one is refused.
    static constexpr qint64 kMaxSortedBytes = 512LL * 1024 * 1024;

    FormTable();
    ~FormTable();
    FormTable(FormTable &&) noexcept;
    FormTable &operator=(FormTable &&) noexcept;

    // The table of a file; nullopt with error naming the file (and line) when it cannot be used.
    static std::optional<FormTable> read(const QString &path, QString &error);
    static std::optional<FormTable> parse(const QStringList &lines, const QString &name, QString &error);

    // The base forms of a form (any case), the best first; empty when the table does not hold it.
    // A sorted table found damaged here is said once on standard error and answers nothing more.
    QStringList basesOf(const QString &form) const;
    QString baseOf(const QString &form) const { return basesOf(form).value(0); }
    void add(const QString &form, const QString &base);

private:
    QHash<QString, QStringList> m_bases;
    std::unique_ptr<SortedFormFile> m_sorted;
};

} // namespace ortelia
