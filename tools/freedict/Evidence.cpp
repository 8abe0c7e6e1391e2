#include "Evidence.h"

#include "EntryText.h"

#include <algorithm>

namespace ortelia {

void Evidence::add(QHash<QString, Lines> &index, const QStringList &words, int line)
{
    for (const QString &word : words) {
        Lines &lines = index[word];
        if (lines.empty() || lines.back() != line)
            lines.push_back(line);
    }
}

void Evidence::addLine(const QStringList &germanWords, const QStringList &foreignWords)
{
    add(m_german, germanWords, m_lines);
    add(m_foreign, foreignWords, m_lines);
    ++m_lines;
}

int Evidence::together(const QString &german, const QString &foreign) const
{
    const auto g = m_german.constFind(german);
    if (g == m_german.cend())
        return 0;
    const Lines *rarest = nullptr;
    for (const QString &word : EntryText::words(foreign)) {
        if (word == QLatin1String("to"))
            continue;
        const auto f = m_foreign.constFind(word);
        if (f == m_foreign.cend())
            return 0;
        if (!rarest || f->size() < rarest->size())
            rarest = &*f;
    }
    if (!rarest)
        return 0;
    const Lines &small = rarest->size() < g->size() ? *rarest : *g;
    const Lines &large = rarest->size() < g->size() ? *g : *rarest;
    int count = 0;
    for (int line : small)
        count += std::binary_search(large.begin(), large.end(), line) ? 1 : 0;
    return count;
}

int Evidence::germanCount(const QString &german) const
{
    return int(m_german.value(german).size());
}

int Evidence::foreignCount(const QString &foreign) const
{
    return int(m_foreign.value(foreign).size());
}

} // namespace ortelia
