#include "DictionaryDownload.h"

#include "UpdateList.h"

namespace ortelia {

bool DictionaryDownload::start(const QUrl &address, const QString &path)
{
    if (m_get)
        return false;
    HttpGet *get =
        HttpGet::file(address, path, UpdateList::kMaxDictionaryBytes, &UpdateList::dictionaryRefusal, this);
    m_get = get;
    connect(get, &HttpGet::progress, this, &DictionaryDownload::progress);
    connect(get, &HttpGet::finished, this, [this, get] {
        get->deleteLater();
        m_get = nullptr;
        emit finished(get->outcome(), get->failureText());
    });
    return true;
}

void DictionaryDownload::cancel()
{
    if (m_get)
        m_get->cancel();
}

} // namespace ortelia
