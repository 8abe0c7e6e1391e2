#include "TabularDataObject.h"

#include "CaseFold.h"
#include "DictionaryFormat.h"
#include "PageFile.h"
#include "ProgramFolder.h"
#include "ScriptWatchdog.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace ortelia::web {

namespace {

bool truth(const QString &text)
{
    const QString t = text.trimmed().toLower();
    return t == QLatin1String("true") || t == QLatin1String("1") || t == QLatin1String("yes");
}

} // namespace

QString TabularDataObject::classId()
{
    return QStringLiteral("clsid:333C7BC4-460F-11D0-BC04-0080C7055A83");
}

TabularDataObject::TabularDataObject(const QMap<QString, QString> &params, const QString &pageDir,
                                     QObject *parent, Reading reading)
    : DataSource(parent), m_pageDir(pageDir), m_reading(reading)
{
    for (auto it = params.begin(); it != params.end(); ++it) {
        const QString name = it.key().toLower();
        if (name == QLatin1String("dataurl"))
            m_dataUrl = it.value();
        else if (name == QLatin1String("useheader"))
            m_useHeader = truth(it.value());
        else if (name == QLatin1String("fielddelim"))
            setFieldDelim(it.value());
        else if (name == QLatin1String("casesensitive"))
            m_caseSensitive = truth(it.value());
        else if (name == QLatin1String("filter"))
            m_filter = it.value();
        else if (name == QLatin1String("baseforms"))
            m_baseForms = std::make_unique<BaseFormStandIn>(it.value(), pageDir);
    }
    load();
    search(false);
    m_position = m_selection.size() > 0 ? 0 : -1;
}

void TabularDataObject::setFieldDelim(const QString &delimiter)
{
    if (!delimiter.isEmpty())
        m_delimiter = delimiter.front();
}

void TabularDataObject::load()
{
    // The name is resolved once per DataURL (resolving looks at every folder on the way).
    if (!m_data || m_resolvedUrl != m_dataUrl) {
        m_resolvedUrl = m_dataUrl;
        m_path.clear();
        m_supplementPath.clear();
        m_supplement.reset();
        const QUrl url(m_dataUrl);
        if (url.isLocalFile())
            m_path = url.toLocalFile();
        else if (!m_dataUrl.contains(QLatin1String("://")) && !m_dataUrl.trimmed().isEmpty())
            m_path = ProgramFolder::resolve(m_pageDir, m_dataUrl.trimmed());
        // A page reads data only where it may read pages: /etc/shadow is no dictionary.
        if (!m_path.isEmpty() && !PageFile::withinReach(m_pageDir, m_path))
            m_path.clear();
        if (!m_path.isEmpty()) {
            const QFileInfo data(m_path);
            m_supplementPath = ProgramFolder::resolve(data.absolutePath(), supplementName(data.fileName()));
        }
    }
    m_data = read(m_path, &m_loadFailure);
}

std::shared_ptr<const TabularData> TabularDataObject::read(const QString &path,
                                                           FileRead::Failure *failure) const
{
    if (m_reading == Reading::OneSearch) {
        if (std::shared_ptr<const TabularData> pieces =
                TabularData::inPieces(path, m_delimiter, m_useHeader)) {
            *failure = FileRead::Failure::None;
            return pieces;
        }
    }
    // The file every time: the cache answers at once while it is unchanged, and reads it anew when
    // it was changed or replaced meanwhile.
    return TabularDataCache::load(path, m_delimiter, m_useHeader, failure);
}

void TabularDataObject::search(bool withFallbacks)
{
    const auto once = [&] {
        m_shown = m_data;
        m_selection = m_data->select(m_filter, m_caseSensitive);
        m_standIn.reset();
        if (withFallbacks && m_selection.size() > 0 && m_baseForms)
            m_standIn = m_baseForms->caseReading(*m_data, m_filter, m_selection.record(0), m_path);
        if (!withFallbacks || m_selection.size() > 0)
            return;
        searchSupplement();
        if (m_selection.size() == 0 && m_baseForms)
            m_standIn = m_baseForms->answer(*m_data, m_filter, m_path);
    };
    once();
    // What the pieces could not answer, the whole file does.
    if (m_data->wholeFileNeeded()) {
        m_data = TabularDataCache::load(m_path, m_delimiter, m_useHeader, &m_loadFailure);
        once();
    }
}

void TabularDataObject::searchSupplement()
{
    // Only a search for one word: a wildcard search or a list of every record shows the
    // dictionary's own hits.
    if (m_supplementPath.isEmpty() || m_loadFailure != FileRead::Failure::None ||
        m_filter.contains(QLatin1Char('*')) || m_filter.trimmed().isEmpty())
        return;
    FileRead::Failure failure = FileRead::Failure::None;
    if (!m_supplement || m_reading == Reading::Shared)
        m_supplement = read(m_supplementPath, &failure);
    Selection found = m_supplement->select(m_filter, m_caseSensitive);
    if (m_supplement->wholeFileNeeded()) {
        m_supplement = TabularDataCache::load(m_supplementPath, m_delimiter, m_useHeader, &failure);
        found = m_supplement->select(m_filter, m_caseSensitive);
    }
    if (found.size() > 0) {
        m_shown = m_supplement;
        m_selection = std::move(found);
    }
}

bool TabularDataObject::refused() const
{
    return m_loadFailure != FileRead::Failure::None && m_loadFailure != FileRead::Failure::Missing;
}

void TabularDataObject::Reset()
{
    // A large dictionary read or searched is the program's time, not the page script's.
    const ScriptWatchdog::NativeWork work;
    load();
    search(true);
    m_position = recordCount() > 0 ? 0 : -1;
    emit recordChanged();
}

void TabularDataObject::moveTo(int position)
{
    const int count = recordCount();
    m_position = count == 0 ? -1 : qBound(0, position, count - 1);
    emit recordChanged();
}

void TabularDataObject::setAbsolutePosition(int position)
{
    moveTo(position - 1);
}
void TabularDataObject::MoveFirst()
{
    moveTo(0);
}
void TabularDataObject::MoveNext()
{
    moveTo(m_position + 1);
}
void TabularDataObject::MovePrevious()
{
    moveTo(m_position - 1);
}
void TabularDataObject::MoveLast()
{
    moveTo(recordCount() - 1);
}

QString TabularDataObject::field(const QString &column) const
{
    return fieldAt(m_position, column);
}

QString TabularDataObject::fieldAt(int position, const QString &column) const
{
    if (position < 0 || position >= recordCount())
        return QString();
    if (m_standIn)
        return m_standIn->fields.value(column.toLower(),
                                       m_data->field(m_standIn->record, m_data->column(column)));
    return m_shown->field(m_selection.record(position), m_shown->column(column));
}

int TabularDataObject::countMatching(const QString &filter) const
{
    return m_data->select(filter, m_caseSensitive).size();
}

std::vector<std::shared_ptr<const TabularData>> TabularDataObject::wholeFiles()
{
    load();
    std::vector<std::shared_ptr<const TabularData>> files;
    for (const QString &path : {m_path, m_supplementPath}) {
        if (!path.isEmpty())
            files.push_back(TabularDataCache::load(path, m_delimiter, m_useHeader));
    }
    return files;
}

QStringList TabularDataObject::valuesBeginning(const QString &column, const QString &prefix, int limit)
{
    QStringList values;
    for (const std::shared_ptr<const TabularData> &data : wholeFiles())
        values += data->valuesBeginning(data->column(column), prefix, limit);
    std::stable_sort(values.begin(), values.end(),
                     [](const QString &a, const QString &b) { return casefold::compare(a, b) < 0; });
    values.erase(std::unique(values.begin(), values.end(),
                             [](const QString &a, const QString &b) { return casefold::compareFolded(a, b) == 0; }),
                 values.end());
    if (values.size() > limit)
        values.resize(limit);
    return values;
}

void TabularDataObject::forEachValue(const QString &column, const std::function<void(QStringView)> &visit)
{
    for (const std::shared_ptr<const TabularData> &data : wholeFiles())
        data->forEachValue(data->column(column), visit);
}

} // namespace ortelia::web
