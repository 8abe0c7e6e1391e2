#include "RecordReader.h"

#include <algorithm>

namespace ortelia::web {

namespace {

bool isBreak(char c)
{
    return c == '\n' || c == '\r';
}

} // namespace

RecordReader::RecordReader(FileRead::OpenFile data, IndexFileEntries index, qint64 textStart,
                           qint64 bodyStart)
    : m_data(std::move(data)), m_index(std::move(index)), m_textStart(textStart),
      m_textSize(m_data.state().size - textStart), m_bodyStart(bodyStart)
{
}

QByteArrayView RecordReader::line(int record) const
{
    if (m_failed || record < 0 || record >= records())
        return {};
    if (const auto found = m_lines.find(record); found != m_lines.end())
        return found->second;
    std::optional<QByteArray> line = readLine(quint32(record));
    if (!line) {
        m_failed = true;
        return {};
    }
    return m_lines.emplace(record, std::move(*line)).first->second;
}

std::optional<QByteArray> RecordReader::readLine(quint32 record) const
{
    const bool last = record + 1 == m_index.records();
    quint32 starts[2] = {};
    if (!m_index.recordStarts(record, std::span(starts, last ? 1 : 2)))
        return std::nullopt;
    const qint64 start = starts[0];
    const qint64 next = last ? m_textSize : qint64(starts[1]);
    // From the body's start for the first record, else from the byte before it.
    const qint64 from = record == 0 ? m_bodyStart : start - 1;
    if (from < m_bodyStart || start < from || next <= start || next > m_textSize)
        return std::nullopt;
    QByteArray bytes(next - from, Qt::Uninitialized);
    if (!m_data.read(m_textStart + from, {bytes.data(), size_t(bytes.size())}))
        return std::nullopt;
    const auto begin = bytes.cbegin() + (start - from);
    const auto end = std::find_if(begin, bytes.cend(), isBreak);
    if (end == begin || !std::all_of(bytes.cbegin(), begin, isBreak) ||
        !std::all_of(end, bytes.cend(), isBreak))
        return std::nullopt;
    return QByteArray(begin, end - begin);
}

int RecordReader::record(int column, qsizetype position) const
{
    if (!m_failed) {
        if (const std::optional<quint32> found = m_index.record(column, quint32(position)))
            return int(*found);
        m_failed = true;
    }
    return 0;
}

} // namespace ortelia::web
