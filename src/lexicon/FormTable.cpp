#include "FormTable.h"

#include "FileRead.h"
#include "SemicolonTable.h"

#include <atomic>
#include <cstdio>
#include <cstring>

namespace ortelia {

namespace {

const QString kLayout = QStringLiteral("Form;Grundform");
constexpr QByteArrayView kBom("\xEF\xBB\xBF");
// No line of a sorted table is longer: a form and its base of 40 characters each, in UTF-8.
constexpr qsizetype kMaxLineBytes = 256;
// Bases one form may have; the lines of a form past these are not read.
constexpr int kMaxBases = 16;
// Steps of the search: enough for any file within kMaxSortedBytes; a file whose order is broken
// gets a wrong answer, never a loop.
constexpr int kMaxSteps = 64;

bool isGoodRow(const SemicolonTable::Row &fields)
{
    return fields.size() == 2 && SemicolonTable::isWordOf(fields[0], u"-' ") &&
           SemicolonTable::isWordOf(fields[1], u"-' ");
}

std::optional<FormTable> fromRows(const std::optional<QList<SemicolonTable::Row>> &rows)
{
    if (!rows)
        return std::nullopt;
    FormTable table;
    for (const SemicolonTable::Row &row : *rows)
        table.add(row[0], row[1]);
    return table;
}

int compareBytes(QByteArrayView a, QByteArrayView b)
{
    const int common = std::memcmp(a.data(), b.data(), size_t(std::min(a.size(), b.size())));
    if (common != 0)
        return common;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

} // namespace

// The import's sorted table, held open: a form is found by binary search over byte offsets, each
// step reading one line, so the file is never read whole.
class SortedFormFile {
public:
    static std::unique_ptr<SortedFormFile> open(const QString &path, QString &error)
    {
        std::optional<FileRead::OpenFile> file = FileRead::open(path, FormTable::kMaxSortedBytes);
        if (!file) {
            error = QStringLiteral("%1 kann nicht gelesen werden.").arg(path);
            return nullptr;
        }
        char head[kMaxLineBytes];
        const qsizetype size = std::min<qint64>(kMaxLineBytes, file->state().size);
        if (!file->read(0, std::span<char>(head, size_t(size))))
            return nullptr;
        QByteArrayView first(head, size);
        qsizetype start = first.startsWith(kBom) ? kBom.size() : 0;
        if (!first.sliced(start).startsWith(QByteArrayView(FormTable::kSortedMark)))
            return nullptr;
        const qsizetype end = first.indexOf('\n');
        if (end < 0) {
            error = QStringLiteral("%1, Zeile 1: zu lang.").arg(path);
            return nullptr;
        }
        return std::unique_ptr<SortedFormFile>(new SortedFormFile(path, std::move(*file), end + 1));
    }

    QStringList basesOf(const QString &form) const
    {
        if (m_damaged.load())
            return {};
        const QByteArray key = form.toUtf8();
        qint64 lo = m_bodyStart, hi = m_file.state().size;
        // Lines starting before lo have a smaller form, lines starting at hi or later do not.
        for (int step = 0; step < kMaxSteps && hi - lo > kMaxLineBytes; ++step) {
            const qint64 mid = lo + (hi - lo) / 2;
            const std::optional<qint64> start = lineStartFrom(mid);
            if (!start)
                return {};
            if (*start >= hi) {
                hi = mid;
                continue;
            }
            Line line;
            if (!readLine(*start, line))
                return {};
            if (compareBytes(line.form, key) < 0)
                lo = line.next;
            else
                hi = *start;
        }
        QStringList bases;
        Line line;
        for (qint64 at = lo; bases.size() < kMaxBases && at < m_file.state().size; at = line.next) {
            if (!readLine(at, line))
                return {};
            const int order = compareBytes(line.form, key);
            if (order > 0)
                break;
            if (order == 0)
                bases << QString::fromUtf8(line.base);
        }
        return bases;
    }

private:
    struct Line {
        char bytes[kMaxLineBytes];
        QByteArrayView form, base;
        qint64 next = 0;
    };

    SortedFormFile(const QString &path, FileRead::OpenFile file, qint64 bodyStart)
        : m_path(path), m_file(std::move(file)), m_bodyStart(bodyStart)
    {
    }

    // Says the file damaged once and answers nothing from then on.
    bool damaged(qint64 at) const
    {
        if (!m_damaged.exchange(true))
            std::fprintf(stderr, "ortelia: %s\n",
                         qPrintable(QStringLiteral("%1: beschädigte Zeile bei Byte %2, die Grundformen "
                                                   "dieser Tabelle bleiben ungenutzt.")
                                        .arg(m_path)
                                        .arg(at)));
        return false;
    }

    // The first line start at or after at.
    std::optional<qint64> lineStartFrom(qint64 at) const
    {
        char window[kMaxLineBytes + 1];
        const qint64 from = at - 1;
        const qint64 size = std::min<qint64>(kMaxLineBytes + 1, m_file.state().size - from);
        if (!m_file.read(from, std::span<char>(window, size_t(size)))) {
            damaged(at);
            return std::nullopt;
        }
        const qsizetype newline = QByteArrayView(window, size).indexOf('\n');
        if (newline < 0) {
            if (from + size < m_file.state().size) {
                damaged(at);
                return std::nullopt;
            }
            return m_file.state().size;
        }
        return from + newline + 1;
    }

    // The line at a line start: "form;base", LF (or the file's end) after it.
    bool readLine(qint64 at, Line &line) const
    {
        const qint64 size = std::min<qint64>(kMaxLineBytes, m_file.state().size - at);
        if (size <= 0 || !m_file.read(at, std::span<char>(line.bytes, size_t(size))))
            return damaged(at);
        QByteArrayView text(line.bytes, size);
        const qsizetype newline = text.indexOf('\n');
        if (newline < 0 && at + size < m_file.state().size)
            return damaged(at);
        line.next = newline < 0 ? at + size : at + newline + 1;
        if (newline >= 0)
            text = text.first(newline);
        if (text.endsWith('\r'))
            text.chop(1);
        const qsizetype semicolon = text.indexOf(';');
        if (semicolon <= 0 || semicolon + 1 >= text.size() || text.sliced(semicolon + 1).contains(';'))
            return damaged(at);
        line.form = text.first(semicolon);
        line.base = text.sliced(semicolon + 1);
        return true;
    }

    QString m_path;
    FileRead::OpenFile m_file;
    qint64 m_bodyStart = 0;
    mutable std::atomic<bool> m_damaged = false;
};

FormTable::FormTable() = default;
FormTable::~FormTable() = default;
FormTable::FormTable(FormTable &&) noexcept = default;
FormTable &FormTable::operator=(FormTable &&) noexcept = default;

std::optional<FormTable> FormTable::read(const QString &path, QString &error)
{
    QString sortedError;
    std::unique_ptr<SortedFormFile> sorted = SortedFormFile::open(path, sortedError);
    if (!sortedError.isEmpty()) {
        error = sortedError;
        return std::nullopt;
    }
    if (sorted) {
        FormTable table;
        table.m_sorted = std::move(sorted);
        return table;
    }
    return fromRows(SemicolonTable::read(path, kLayout, isGoodRow, error));
}

std::optional<FormTable> FormTable::parse(const QStringList &lines, const QString &name, QString &error)
{
    return fromRows(SemicolonTable::parse(lines, name, kLayout, isGoodRow, error));
}

QStringList FormTable::basesOf(const QString &form) const
{
    const QString lower = form.toLower();
    return m_sorted ? m_sorted->basesOf(lower) : m_bases.value(lower);
}

void FormTable::add(const QString &form, const QString &base)
{
    QStringList &bases = m_bases[form.toLower()];
    const QString lower = base.toLower();
    if (!bases.contains(lower))
        bases << lower;
}

} // namespace ortelia
