#include "PhraseBeginnings.h"

#include "DictionaryFormat.h"
#include "TabularDataObject.h"

#include <algorithm>

namespace ortelia {

namespace {

// The params without the base forms: a beginning is a key's or none.
QMap<QString, QString> keysOnly(QMap<QString, QString> params)
{
    params.removeIf([](const auto &param) { return param.key().compare(u"BaseForms", Qt::CaseInsensitive) == 0; });
    return params;
}

// The supplementary file beside the main file, in the folder the page names ("/" or "\\").
QMap<QString, QString> supplementOf(QMap<QString, QString> params)
{
    const QString main = params.value(QStringLiteral("DataURL")).trimmed();
    const qsizetype folderEnd =
        std::max(main.lastIndexOf(QLatin1Char('/')), main.lastIndexOf(QLatin1Char('\\'))) + 1;
    params.insert(QStringLiteral("DataURL"), main.left(folderEnd) + supplementName(main.mid(folderEnd)));
    return params;
}

} // namespace

PhraseBeginnings::PhraseBeginnings(const QMap<QString, QString> &params, const QString &pageDir,
                                   const QString &column)
    : m_column(column), m_data(std::make_unique<web::TabularDataObject>(keysOnly(params), pageDir)),
      m_supplement(std::make_unique<web::TabularDataObject>(supplementOf(keysOnly(params)), pageDir))
{
}

PhraseBeginnings::~PhraseBeginnings() = default;

bool PhraseBeginnings::contains(const QString &beginning)
{
    // Signs of the filter's own are in no text's words, which are split at them.
    if (beginning.contains(QLatin1Char('*')) || beginning.contains(QLatin1Char('&')) ||
        beginning.contains(QLatin1Char('"')))
        return false;
    // Most words of a text begin no key of several words: one question per word answers those.
    const qsizetype blank = beginning.indexOf(QLatin1Char(' '));
    return blank > 0 && beginsKey(beginning.left(blank + 1)) && beginsKey(beginning);
}

// Whether a key begins with prefix; a few other keys that begin so ("auf jedenfalls" for "auf
// jeden") cost only a lookup in vain.
bool PhraseBeginnings::beginsKey(const QString &prefix)
{
    auto known = m_known.constFind(prefix);
    if (known == m_known.cend()) {
        const QString filter = m_column + QStringLiteral(" = ") + prefix + QLatin1Char('*');
        known = m_known.insert(prefix, m_data->countMatching(filter) > 0 || m_supplement->countMatching(filter) > 0);
    }
    return *known;
}

} // namespace ortelia
