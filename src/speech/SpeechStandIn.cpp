#include "SpeechStandIn.h"

#include "SpeechPageObject.h"

namespace ortelia {

SpeechStandIn::SpeechStandIn(web::WindowObjectLink link, QObject *parent) : QObject(parent), m_link(std::move(link))
{
}

void SpeechStandIn::registerType(web::PageHostServer &server)
{
    HeadlessPage::registerObjectType(
        kSpeechObjectClassId, [&server](const QMap<QString, QString> &, const QString &, QObject *parent) {
            return new SpeechStandIn(server.link(kSpeechObjectClassId), parent);
        });
}

} // namespace ortelia
