#pragma once

#include "BaseFormStandIn.h"
#include "DataSource.h"
#include "TabularData.h"

#include <QMap>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace ortelia::web {

// The tabular data object of the pages (<object classid="clsid:333C7BC4-...">): a delimited text
// file (param DataURL, relative to the page; UseHeader; FieldDelim), filtered by Filter when
// Reset() is called. Elements with datasrc="#id" datafld="column" show the current record.
// Matching ignores case unless the param CaseSensitive is "true". A filter without wildcard that
// finds nothing in the file is asked of its supplementary file beside it ("DeEn-Zusatz.tab" of
// "DeEn.txt"), where there is one; with the param BaseForms, one that finds nothing there either is
// answered with the word's base form (see BaseFormStandIn).
class TabularDataObject : public DataSource {
    Q_OBJECT
    Q_PROPERTY(QString DataURL READ dataUrl WRITE setDataUrl)
    Q_PROPERTY(bool UseHeader READ useHeader WRITE setUseHeader)
    Q_PROPERTY(QString FieldDelim READ fieldDelim WRITE setFieldDelim)
    Q_PROPERTY(bool CaseSensitive READ caseSensitive WRITE setCaseSensitive)
    Q_PROPERTY(QString Filter READ filter WRITE setFilter)
    Q_PROPERTY(int recordCount READ recordCount)
    Q_PROPERTY(int RecordCount READ recordCount)
    Q_PROPERTY(int AbsolutePosition READ absolutePosition WRITE setAbsolutePosition)
    Q_PROPERTY(QObject *recordset READ recordset CONSTANT)
public:
    // Shared: the file whole, in the cache every page shares, for pages that search again and
    // again. OneSearch, for a process that searches once: only the records its search compares,
    // through the index file beside the data; the whole file where that cannot answer.
    enum class Reading { Shared, OneSearch };

    static QString classId();

    TabularDataObject(const QMap<QString, QString> &params, const QString &pageDir, QObject *parent = nullptr,
                      Reading reading = Reading::Shared);

    QString dataUrl() const { return m_dataUrl; }
    void setDataUrl(const QString &url) { m_dataUrl = url; }
    bool useHeader() const { return m_useHeader; }
    void setUseHeader(bool on) { m_useHeader = on; }
    QString fieldDelim() const { return QString(m_delimiter); }
    void setFieldDelim(const QString &delimiter);
    bool caseSensitive() const { return m_caseSensitive; }
    void setCaseSensitive(bool on) { m_caseSensitive = on; }
    QString filter() const { return m_filter; }
    void setFilter(const QString &filter) { m_filter = filter; }

    int recordCount() const override { return m_standIn ? 1 : m_selection.size(); }
    // 1-based position of the current record; 0 when there is none.
    int absolutePosition() const { return m_position + 1; }
    void setAbsolutePosition(int position);
    QObject *recordset() { return this; }

    // Why the last load gave no data (Missing also for no file named); None when the file was read.
    FileRead::Failure loadFailure() const { return m_loadFailure; }
    bool refused() const override;

    // Reads the file again if it changed, applies the filter, goes to the first record.
    Q_INVOKABLE void Reset();
    Q_INVOKABLE void MoveFirst();
    Q_INVOKABLE void MoveNext();
    Q_INVOKABLE void MovePrevious();
    Q_INVOKABLE void MoveLast();
    // The current record's value of a column; "" when there is no current record or column.
    Q_INVOKABLE QString field(const QString &column) const override;
    // The value of a column in the position-th record of the filtered set (0-based).
    QString fieldAt(int position, const QString &column) const override;
    // The number of the file's records a filter selects, leaving the current selection as it is.
    int countMatching(const QString &filter) const;
    // The values of a column, its supplementary file's too, that begin with prefix
    // (TabularData::valuesBeginning), merged in dictionary order; at most limit.
    QStringList valuesBeginning(const QString &column, const QString &prefix, int limit);
    // Every value of a column in the whole file, then in its supplementary file.
    void forEachValue(const QString &column, const std::function<void(QStringView)> &visit);

private:
    void load();
    std::shared_ptr<const TabularData> read(const QString &path, FileRead::Failure *failure) const;
    // Applies the filter; with fallbacks, a filter that finds nothing is asked of the supplementary
    // file, then answered by the base forms' stand-in.
    void search(bool withFallbacks);
    void searchSupplement();
    void moveTo(int position);
    // The file and its supplementary file, each read whole (through the cache every page shares).
    std::vector<std::shared_ptr<const TabularData>> wholeFiles();

    QString m_pageDir;
    QString m_dataUrl;
    QString m_resolvedUrl;
    QString m_path;
    bool m_useHeader = false;
    QChar m_delimiter = QLatin1Char(',');
    bool m_caseSensitive = false;
    QString m_filter;
    Reading m_reading = Reading::Shared;
    FileRead::Failure m_loadFailure = FileRead::Failure::None;
    std::shared_ptr<const TabularData> m_data;
    QString m_supplementPath;
    std::shared_ptr<const TabularData> m_supplement;
    // The data the selection's records are of: the file's, or its supplement's.
    std::shared_ptr<const TabularData> m_shown;
    Selection m_selection;
    int m_position = -1;
    std::unique_ptr<BaseFormStandIn> m_baseForms;
    std::optional<BaseFormStandIn::Answer> m_standIn;
};

} // namespace ortelia::web
