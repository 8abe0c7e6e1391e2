#pragma once

#include "HttpGet.h"

#include <QObject>
#include <QPointer>

namespace ortelia {

// One dictionary download at a time from the update server into a file, which is replaced only
// by a whole answer that reads as a dictionary.
class DictionaryDownload : public QObject {
    Q_OBJECT
public:
    explicit DictionaryDownload(QObject *parent = nullptr) : QObject(parent) {}

    // False, starting nothing, while another download runs.
    bool start(const QUrl &address, const QString &path);
    void cancel();

signals:
    void progress(qint64 received, qint64 total);
    // failure: what went wrong, in the program's words; empty on success.
    void finished(HttpGet::Outcome outcome, const QString &failure);

private:
    QPointer<HttpGet> m_get;
};

} // namespace ortelia
