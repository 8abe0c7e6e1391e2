#include "PhraseBeginnings.h"

#include "DictionaryFormat.h"
#include "TabularDataObject.h"

#include <algorithm>

namespace ortelia {

namespace {

void addBeginnings(const QMap<QString, QString> &params, const QString &pageDir, const QString &column,
                   QSet<QString> &beginnings)
{
    const web::TabularDataObject data(params, pageDir);
    for (int record = 0; record < data.recordCount(); ++record) {
        const QString key = data.fieldAt(record, column).simplified();
        const qsizetype first = key.indexOf(QLatin1Char(' '));
        if (first < 0)
            continue;
        const qsizetype second = key.indexOf(QLatin1Char(' '), first + 1);
        beginnings.insert(key.left(second < 0 ? key.size() : second).toLower());
    }
}

} // namespace

QSet<QString> phraseBeginnings(const QMap<QString, QString> &params, const QString &pageDir,
                               const QString &column)
{
    QSet<QString> beginnings;
    addBeginnings(params, pageDir, column, beginnings);
    // The supplementary file beside the main file, in the folder the page names ("/" or "\\").
    const QString main = params.value(QStringLiteral("DataURL")).trimmed();
    const qsizetype folderEnd =
        std::max(main.lastIndexOf(QLatin1Char('/')), main.lastIndexOf(QLatin1Char('\\'))) + 1;
    QMap<QString, QString> supplement = params;
    supplement.insert(QStringLiteral("DataURL"), main.left(folderEnd) + supplementName(main.mid(folderEnd)));
    addBeginnings(supplement, pageDir, column, beginnings);
    return beginnings;
}

} // namespace ortelia
